#pragma once

#include <QMutex>
#include <QSettings>
#include <QString>
#include <QVariant>

// The host's configuration: values by section and key, kept in INI files in
// the data folder. `machineWide` picks the file: false the user's
// "config.ini", true "system.ini", which an installer or administrator fills.
class NxConfig
{
public:
    static NxConfig& Instance();

    // The stored value, or `defaultValue` when nothing is stored (pass an
    // invalid QVariant to learn whether the key exists).
    QVariant GetAppValue(const QString& section, const QString& key, bool machineWide,
                         const QVariant& defaultValue) const;

    // Stores the value and writes the file at once, so it survives a crash.
    void SetAppValue(const QString& section, const QString& key, const QVariant& value,
                     bool machineWide);

private:
    NxConfig();
    QSettings& settings(bool machineWide) const;

    mutable QMutex m_mutex;
    mutable QSettings m_user;
    mutable QSettings m_system;
};
