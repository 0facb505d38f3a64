#pragma once

#include "NxIniStore.h"

// The user's general preferences, kept in "settings.ini" in the data folder
// under [%General] (QSettings' name for a group called "General"), shared by
// every process of the user. Every change is written at once; one that cannot
// be written is logged.
class NGeneralSettings
{
public:
    explicit NGeneralSettings(const QString& filePath);

    // The interface language number; 1 (English) until the user picks one.
    int GetLanguage() const;
    void SetLanguage(int language);

    // Delete running speech-to-text / text-to-speech tasks without asking.
    bool GetSTTDeleteTaskNoTip() const;
    void SetSTTDeleteTaskNoTip(bool noTip);
    bool GetTTSDeleteTaskNoTip() const;
    void SetTTSDeleteTaskNoTip(bool noTip);

private:
    QVariant value(const QString& key, const QVariant& defaultValue) const;
    void setValue(const QString& key, const QVariant& value);

    NxIniStore m_store;
};
