#include "NxUnavailableServices.h"

namespace
{
template <typename T>
void setIfGiven(T* target, T value)
{
    if (target)
        *target = value;
}
}

void NxUnavailableSpeechToTextTaskManager::release() { delete this; }

void NxUnavailableTextToSpeechTaskManager::release() { delete this; }

void NxUnavailableTextToSpeechTaskManager::addTask(const NxTextToSpeechTaskRequest&, int* taskId,
                                                   int* sentences, int* characters, QString* text)
{
    setIfGiven(taskId, -1);
    setIfGiven(sentences, 0);
    setIfGiven(characters, 0);
    setIfGiven(text, QString());
}

void NxUnavailableTextToSpeechTaskManager::querySubtitleProgress(int, int* completedCharacters,
                                                                 int* totalCharacters,
                                                                 int* completedSentences,
                                                                 int* failedSentences,
                                                                 int* totalSentences)
{
    for (int* value : {completedCharacters, totalCharacters, completedSentences, failedSentences, totalSentences})
        setIfGiven(value, 0);
}

void NxUnavailableTextToSpeechQuery::release() { delete this; }

bool NxUnavailableTextToSpeechQuery::getLanguageList(QStringList& languageCodes)
{
    languageCodes.clear();
    return false;
}

bool NxUnavailableTextToSpeechQuery::getVoiceListOfLanguage(const QString&, QList<NxTextToSpeechVoiceInfo>& voices)
{
    voices.clear();
    return false;
}

bool NxUnavailableTextToSpeechQuery::getVoiceList(QList<NxTextToSpeechVoiceInfo>& voices)
{
    voices.clear();
    return false;
}

void NxUnavailableTextToSpeechAudition::release() { delete this; }
