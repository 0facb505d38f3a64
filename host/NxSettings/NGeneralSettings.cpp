#include "NGeneralSettings.h"

#include "INxBaseLog.h"

namespace
{
const QString Section = QStringLiteral("General");
const QString LanguageKey = QStringLiteral("Language");
const QString SttNoTipKey = QStringLiteral("STTDeleteTaskNoTip");
const QString TtsNoTipKey = QStringLiteral("TTSDeleteTaskNoTip");
constexpr int EnglishLanguage = 1;
}

NGeneralSettings::NGeneralSettings(const QString& filePath)
    : m_store(filePath, QStringLiteral("general settings read as their defaults and are not saved."))
{
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
    const QVariant stored = m_store.read().value(Section, key);
    return stored.isValid() ? stored : defaultValue;
}

void NGeneralSettings::setValue(const QString& key, const QVariant& value)
{
    QString error;
    if (!m_store.update([&](NxIniDocument& document, QString*) { document.setValue(Section, key, value); }, &error))
        NX_LOG_ERROR("%s not saved: %s", qUtf8Printable(key), qUtf8Printable(error));
}
