#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>

// The contents of an INI file as the host's stores keep them: UTF-8 text,
// "[Section]" headers, "key=value" lines, ';' comments. Values are text,
// numbers and truth values (read back as text, as QSettings reads them),
// lists of text or bytes; a value may be quoted and escaped, so that files written by
// QSettings (IniFormat, UTF-8), by hand or by this class read the same in each.
// [General] holds keys outside any section; "a/b" in [S] and "b" in [S\a] are
// the same value. Comments are not kept.
class NxIniDocument
{
public:
    static NxIniDocument parse(const QByteArray& bytes);
    QByteArray serialize() const;

    // Invalid when nothing is stored.
    QVariant value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QVariant& value);
    // Whether setValue changed anything since parse().
    bool changed() const { return m_changed; }

private:
    // Keys named "Section/key", in file order.
    QVector<QPair<QString, QVariant>> m_values;
    bool m_changed = false;
};
