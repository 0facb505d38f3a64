#include "NxAppSettings.h"

#include "NxDataHome.h"

NxSettings::NxSettings(const QString& generalFilePath)
    : m_general(generalFilePath)
{
}

NGeneralSettings* NxSettings::GetGeneralSetting()
{
    return &m_general;
}

NxAppSettings::NxAppSettings()
    : m_settings(NxDataHome::filePath(QStringLiteral("settings.ini")))
{
}

NxAppSettings* NxAppSettings::GetInstance()
{
    static NxAppSettings settings;
    return &settings;
}

NxSettings* NxAppSettings::GetSettings()
{
    return &m_settings;
}
