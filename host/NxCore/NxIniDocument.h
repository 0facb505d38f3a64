#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>

// The contents of an INI file in the form QSettings (IniFormat, UTF-8) reads
// and writes, so that files written by either read the same in the other,
// and so do files written by hand: [General] holds keys outside any section,
// ';' starts a comment, values may be quoted, escaped, comma-separated lists
// or QSettings' @ByteArray/@Variant forms. Comments are not kept.
//
// A value is addressed by section and key; like QSettings, "a/b" in [S]
// and "b" in [S\a] are the same value.
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
    // Keys as QSettings names them ("Section/key"), in file order.
    QVector<QPair<QString, QVariant>> m_values;
    bool m_changed = false;
};
