#include "NxConfig.h"

#include "INxBaseLog.h"
#include "NxDataHome.h"

namespace
{
const QString WithoutIt = QStringLiteral("the configuration reads as empty and is not saved.");
}

NxConfig& NxConfig::Instance()
{
    static NxConfig config;
    return config;
}

NxConfig::NxConfig()
    : m_user(NxDataHome::filePath(QStringLiteral("config.ini")), WithoutIt)
    , m_system(NxDataHome::filePath(QStringLiteral("system.ini")), WithoutIt)
{
}

NxIniStore& NxConfig::store(bool machineWide)
{
    return machineWide ? m_system : m_user;
}

const NxIniStore& NxConfig::store(bool machineWide) const
{
    return machineWide ? m_system : m_user;
}

QVariant NxConfig::GetAppValue(const QString& section, const QString& key, bool machineWide,
                               const QVariant& defaultValue) const
{
    const QVariant value = store(machineWide).read().value(section, key);
    return value.isValid() ? value : defaultValue;
}

bool NxConfig::SetAppValue(const QString& section, const QString& key, const QVariant& value,
                           bool machineWide)
{
    QString error;
    const bool ok = UpdateAppValues(
        machineWide, [&](NxIniDocument& document, QString*) { document.setValue(section, key, value); }, &error);
    if (!ok)
        NX_LOG_ERROR("[%s] %s not saved: %s", qUtf8Printable(section), qUtf8Printable(key), qUtf8Printable(error));
    return ok;
}

bool NxConfig::UpdateAppValues(bool machineWide, const NxIniStore::Change& change, QString* error)
{
    return store(machineWide).update(change, error);
}

bool NxConfig::CanWrite(bool machineWide, QString* error) const
{
    return store(machineWide).canWrite(error);
}

QString NxConfig::FilePath(bool machineWide) const
{
    return store(machineWide).path();
}
