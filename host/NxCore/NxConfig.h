#pragma once

#include "NxIniStore.h"

#include <QString>
#include <QVariant>

// The host's configuration: values by section and key, kept in INI files in
// the data folder. `machineWide` picks the file: false the user's
// "config.ini", true "system.ini", which an installer or administrator fills.
// Every process of the user shares them (see NxIniStore): a read sees the
// file as it is now, and a change is made under the file's lock.
class NxConfig
{
public:
    static NxConfig& Instance();

    // The stored value, or `defaultValue` when nothing is stored (pass an
    // invalid QVariant to learn whether the key exists).
    QVariant GetAppValue(const QString& section, const QString& key, bool machineWide,
                         const QVariant& defaultValue) const;

    // Stores the value: the file is replaced by a complete new one or stays
    // as it was. False, and an error logged, when it could not be written.
    bool SetAppValue(const QString& section, const QString& key, const QVariant& value,
                     bool machineWide);

    // A read-modify-write of several values at once (see NxIniStore::update).
    bool UpdateAppValues(bool machineWide, const NxIniStore::Change& change, QString* error);
    // Whether a change could be written now, and why not.
    bool CanWrite(bool machineWide, QString* error) const;
    QString FilePath(bool machineWide) const;

private:
    NxConfig();
    NxIniStore& store(bool machineWide);
    const NxIniStore& store(bool machineWide) const;

    NxIniStore m_user;
    NxIniStore m_system;
};
