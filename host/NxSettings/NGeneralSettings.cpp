#include "NGeneralSettings.h"

#include <QMutexLocker>

namespace
{
const QString LanguageKey = QStringLiteral("General/Language");
const QString SttNoTipKey = QStringLiteral("General/STTDeleteTaskNoTip");
const QString TtsNoTipKey = QStringLiteral("General/TTSDeleteTaskNoTip");
constexpr int EnglishLanguage = 1;
}

NGeneralSettings::NGeneralSettings(const QString& filePath)
    : m_store(filePath, QSettings::IniFormat)
{
    m_store.setIniCodec("UTF-8");
}

int NGeneralSettings::GetLanguage() const
{
    return value(LanguageKey, EnglishLanguage).toInt();
}

void NGeneralSettings::SetLanguage(int language)
{
    setValue(LanguageKey, language);
}

bool NGeneralSettings::GetSTTDeleteTaskNoTip() const
{
    return value(SttNoTipKey, false).toBool();
}

void NGeneralSettings::SetSTTDeleteTaskNoTip(bool noTip)
{
    setValue(SttNoTipKey, noTip);
}

bool NGeneralSettings::GetTTSDeleteTaskNoTip() const
{
    return value(TtsNoTipKey, false).toBool();
}

void NGeneralSettings::SetTTSDeleteTaskNoTip(bool noTip)
{
    setValue(TtsNoTipKey, noTip);
}

QVariant NGeneralSettings::value(const QString& key, const QVariant& defaultValue) const
{
    QMutexLocker lock(&m_mutex);
    return m_store.value(key, defaultValue);
}

void NGeneralSettings::setValue(const QString& key, const QVariant& value)
{
    QMutexLocker lock(&m_mutex);
    m_store.setValue(key, value);
    m_store.sync();
}
