#pragma once

#include "INxTextToSpeechQuery.h"

// Answers from the offline voice catalogue; there is no network to fail.
class NxOfflineTextToSpeechQuery final : public INxTextToSpeechQuery
{
public:
    void release() override;
    bool getLanguageList(QStringList& languageCodes) override;
    // False, with an empty list, for a language without voices.
    bool getVoiceListOfLanguage(const QString& languageCode, QList<NxTextToSpeechVoiceInfo>& voices) override;
    bool isNetworkError() override;
    bool getVoiceList(QList<NxTextToSpeechVoiceInfo>& voices) override;
};
