#include "NxConfig.h"

#include "NxDataHome.h"

#include <QMutexLocker>

namespace
{
QString settingsKey(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}
}

NxConfig& NxConfig::Instance()
{
    static NxConfig config;
    return config;
}

NxConfig::NxConfig()
    : m_user(NxDataHome::filePath(QStringLiteral("config.ini")), QSettings::IniFormat)
    , m_system(NxDataHome::filePath(QStringLiteral("system.ini")), QSettings::IniFormat)
{
    m_user.setIniCodec("UTF-8");
    m_system.setIniCodec("UTF-8");
}

QSettings& NxConfig::settings(bool machineWide) const
{
    return machineWide ? m_system : m_user;
}

QVariant NxConfig::GetAppValue(const QString& section, const QString& key, bool machineWide,
                               const QVariant& defaultValue) const
{
    QMutexLocker lock(&m_mutex);
    return settings(machineWide).value(settingsKey(section, key), defaultValue);
}

void NxConfig::SetAppValue(const QString& section, const QString& key, const QVariant& value,
                           bool machineWide)
{
    QMutexLocker lock(&m_mutex);
    QSettings& store = settings(machineWide);
    store.setValue(settingsKey(section, key), value);
    store.sync();
}
