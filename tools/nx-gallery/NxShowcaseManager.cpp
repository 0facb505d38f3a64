#include "NxShowcaseManager.h"

#include "INxClip.h"

void NxShowcaseSpeechToTextManager::report(int taskId, int state, int code, int progress)
{
    if (m_callBack)
        m_callBack->onTaskStateChanged(showcaseReport<NxSpeechToTextTaskInfo>(taskId, state, code, progress));
}

void NxShowcaseSpeechToTextManager::refresh(int)
{
    if (m_callBack)
        m_callBack->onRemainingChanged(5400);
}

void NxShowcaseTextToSpeechManager::report(int taskId, int state, int code, int progress)
{
    if (m_callBack)
        m_callBack->onTaskStateChanged(showcaseReport<NxTextToSpeechTaskInfo>(taskId, state, code, progress));
}

void NxShowcaseTextToSpeechManager::setSubtitleProgress(int completedCharacters, int failedSentences)
{
    m_completedCharacters = completedCharacters;
    m_failedSentences = failedSentences;
}

void NxShowcaseTextToSpeechManager::addTask(const NxTextToSpeechTaskRequest& request, int* taskId, int* sentences,
                                            int* characters, QString* text)
{
    *taskId = m_nextId++;
    *sentences = 12;
    *characters = 40 + 37 * request.clip->name().size();
    *text = request.clip->name();
}

void NxShowcaseTextToSpeechManager::refresh()
{
    if (m_callBack)
        m_callBack->onRemainingChanged(18250);
}

void NxShowcaseTextToSpeechManager::querySubtitleProgress(int, int* completedCharacters, int*,
                                                          int* completedSentences, int* failedSentences, int*)
{
    if (completedCharacters)
        *completedCharacters = m_completedCharacters;
    if (completedSentences)
        *completedSentences = 12 - m_failedSentences;
    if (failedSentences)
        *failedSentences = m_failedSentences;
}
