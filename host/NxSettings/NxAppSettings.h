#pragma once

#include "NGeneralSettings.h"

// The host's settings store, one group of settings per page of its
// preferences; only the general page exists here.
class NxSettings
{
public:
    NGeneralSettings* GetGeneralSetting();

private:
    friend class NxAppSettings;
    explicit NxSettings(const QString& generalFilePath);

    NGeneralSettings m_general;
};

class NxAppSettings
{
public:
    static NxAppSettings* GetInstance();
    NxSettings* GetSettings();

private:
    NxAppSettings();

    NxSettings m_settings;
};
