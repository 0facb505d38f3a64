#include "NxShowcaseManager.h"

#include "INxClip.h"

namespace
{
NxShowcaseSpeechToTextManager* s_speechToText = nullptr;
NxShowcaseTextToSpeechManager* s_textToSpeech = nullptr;
}

NxShowcaseSpeechToTextManager* NxShowcaseSpeechToTextManager::latest()
{
    return s_speechToText;
}

void NxShowcaseSpeechToTextManager::install()
{
    INxSpeechToTextTaskManager::setFactory([] { return s_speechToText = new NxShowcaseSpeechToTextManager; });
}

void NxShowcaseSpeechToTextManager::report(int taskId, int state, int code, int progress)
{
    NxSpeechToTextTaskInfo info;
    info.taskId = taskId;
    info.state = state;
    info.code = code;
    info.progress = progress;
    if (m_callBack)
        m_callBack->onTaskStateChanged(info);
}

void NxShowcaseSpeechToTextManager::release()
{
    if (s_speechToText == this)
        s_speechToText = nullptr;
    delete this;
}

void NxShowcaseSpeechToTextManager::refresh(int)
{
    if (m_callBack)
        m_callBack->onRemainingChanged(5400);
}

NxShowcaseTextToSpeechManager* NxShowcaseTextToSpeechManager::latest()
{
    return s_textToSpeech;
}

void NxShowcaseTextToSpeechManager::install()
{
    INxTextToSpeechTaskManager::setFactory([] { return s_textToSpeech = new NxShowcaseTextToSpeechManager; });
}

void NxShowcaseTextToSpeechManager::report(int taskId, int state, int code, int progress)
{
    NxTextToSpeechTaskInfo info;
    info.taskId = taskId;
    info.state = state;
    info.code = code;
    info.progress = progress;
    if (m_callBack)
        m_callBack->onTaskStateChanged(info);
}

void NxShowcaseTextToSpeechManager::setSubtitleProgress(int completedCharacters, int failedSentences)
{
    m_completedCharacters = completedCharacters;
    m_failedSentences = failedSentences;
}

void NxShowcaseTextToSpeechManager::release()
{
    if (s_textToSpeech == this)
        s_textToSpeech = nullptr;
    delete this;
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
