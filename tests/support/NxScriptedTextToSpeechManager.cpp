#include "NxScriptedTextToSpeechManager.h"

#include "INxClip.h"

#include <thread>

namespace
{
NxScriptedTextToSpeechManager* s_latest = nullptr;
}

void NxScriptedTextToSpeechManager::install()
{
    INxTextToSpeechTaskManager::setFactory([] { return s_latest = new NxScriptedTextToSpeechManager; });
}

void NxScriptedTextToSpeechManager::uninstall()
{
    INxTextToSpeechTaskManager::setFactory({});
}

NxScriptedTextToSpeechManager* NxScriptedTextToSpeechManager::latest()
{
    return s_latest;
}

template <typename Deliver>
void NxScriptedTextToSpeechManager::deliverFromWorker(Deliver deliver)
{
    std::thread worker([this, deliver] { m_line->deliver(deliver); });
    worker.join();
}

void NxScriptedTextToSpeechManager::reportFromWorker(const NxTextToSpeechTaskInfo& info)
{
    deliverFromWorker([info](INxTextToSpeechTaskManagerCallBack* callBack) { callBack->onTaskStateChanged(info); });
}

void NxScriptedTextToSpeechManager::reportState(int taskId, int state, int code, int progress, const QString& filePath)
{
    NxTextToSpeechTaskInfo info;
    info.taskId = taskId;
    info.state = state;
    info.code = code;
    info.progress = progress;
    info.filePath = filePath;
    reportFromWorker(info);
}

void NxScriptedTextToSpeechManager::productFromWorker(int taskId, int index, qint64 position, const QString& filePath)
{
    NxSrtTaskProductInfo info;
    info.taskId = taskId;
    info.index = index;
    info.position = position;
    info.filePath = filePath;
    deliverFromWorker([info](INxTextToSpeechTaskManagerCallBack* callBack) { callBack->onSrtTaskProductProgress(info); });
}

void NxScriptedTextToSpeechManager::release()
{
    if (s_latest == this)
        s_latest = nullptr;
    delete this;
}

void NxScriptedTextToSpeechManager::setCallBack(INxTextToSpeechTaskManagerCallBack* callBack)
{
    m_line->setCallBack(callBack);
}

void NxScriptedTextToSpeechManager::addTask(const NxTextToSpeechTaskRequest& request, int* taskId, int* sentences,
                                            int* characters, QString* text)
{
    const QString clip = request.clip ? request.clip->name() : QString();
    calls.append(QStringLiteral("addTask:%1:%2:%3:%4:%5")
                     .arg(clip, request.voice)
                     .arg(request.intonation)
                     .arg(request.speed)
                     .arg(request.language));
    if (refusedClips.contains(clip)) {
        *taskId = -1;
        return;
    }
    *taskId = m_nextId++;
    *sentences = sentencesPerTask;
    *characters = charactersPerTask;
    *text = QStringLiteral("Spoken text of %1").arg(clip);
    addedIds.append(*taskId);
    unfinishedTasks.insert(*taskId);
}

bool NxScriptedTextToSpeechManager::removeTask(int taskId)
{
    calls.append(QStringLiteral("removeTask:%1").arg(taskId));
    return removeAnswer;
}

void NxScriptedTextToSpeechManager::retryTask(int taskId)
{
    calls.append(QStringLiteral("retryTask:%1").arg(taskId));
}

void NxScriptedTextToSpeechManager::stopAll()
{
    calls.append(QStringLiteral("stopAll"));
}

bool NxScriptedTextToSpeechManager::isTaskFinished(int taskId)
{
    finishedQueries.append(taskId);
    return !unfinishedTasks.contains(taskId);
}

void NxScriptedTextToSpeechManager::refresh()
{
    calls.append(QStringLiteral("refresh"));
}

void NxScriptedTextToSpeechManager::querySubtitleProgress(int, int* completedCharacters, int* totalCharacters,
                                                          int* completedSentences, int* failed, int* totalSentences)
{
    if (completedCharacters)
        *completedCharacters = charactersPerTask / 2;
    if (totalCharacters)
        *totalCharacters = charactersPerTask;
    if (completedSentences)
        *completedSentences = sentencesPerTask - failedSentences;
    if (failed)
        *failed = failedSentences;
    if (totalSentences)
        *totalSentences = sentencesPerTask;
}
