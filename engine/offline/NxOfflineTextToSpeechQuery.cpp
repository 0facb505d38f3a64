#include "NxOfflineTextToSpeechQuery.h"

#include "NxVoiceCatalogue.h"

void NxOfflineTextToSpeechQuery::release()
{
    delete this;
}

bool NxOfflineTextToSpeechQuery::getLanguageList(QStringList& languageCodes)
{
    languageCodes = NxVoiceCatalogue::instance().languages();
    return true;
}

bool NxOfflineTextToSpeechQuery::getVoiceListOfLanguage(const QString& languageCode,
                                                        QList<NxTextToSpeechVoiceInfo>& voices)
{
    voices = NxVoiceCatalogue::instance().voicesOfLanguage(languageCode);
    return !voices.isEmpty();
}

bool NxOfflineTextToSpeechQuery::isNetworkError()
{
    return false;
}

bool NxOfflineTextToSpeechQuery::getVoiceList(QList<NxTextToSpeechVoiceInfo>& voices)
{
    voices = NxVoiceCatalogue::instance().voiceInfos();
    return true;
}
