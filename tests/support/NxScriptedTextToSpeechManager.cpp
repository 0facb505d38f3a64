#include "NxScriptedTextToSpeechManager.h"

#include "INxClip.h"

#include <utility>

void NxScriptedTextToSpeechManager::reportState(int taskId, int state, int code, int progress, const QString& filePath)
{
    NxTextToSpeechTaskInfo info;
    info.taskId = taskId;
    info.state = state;
    info.code = code;
    info.progress = progress;
    info.filePath = filePath;
    fromWorker([info](INxTextToSpeechTaskManagerCallBack* callBack) { callBack->onTaskStateChanged(info); });
}

void NxScriptedTextToSpeechManager::productFromWorker(int taskId, int index, qint64 position, const QString& filePath)
{
    NxSrtTaskProductInfo info;
    info.taskId = taskId;
    info.index = index;
    info.position = position;
    info.filePath = filePath;
    fromWorker([info](INxTextToSpeechTaskManagerCallBack* callBack) { callBack->onSrtTaskProductProgress(info); });
}

void NxScriptedTextToSpeechManager::addTask(const NxTextToSpeechTaskRequest& request, int* taskId, int* sentences,
                                            int* characters, QString* text)
{
    const QString clip = request.clip ? request.clip->name() : QString();
    calls.append(QStringLiteral("addTask:%1:%2:%3:%4:%5").arg(clip, request.voice, QString::number(request.intonation),
                                                              QString::number(request.speed), request.language));
    if (refusedClips.contains(clip)) {
        *taskId = -1;
        return;
    }
    *taskId = nextTask();
    *sentences = sentencesPerTask;
    *characters = charactersPerTask;
    *text = QStringLiteral("Spoken text of %1").arg(clip);
}

void NxScriptedTextToSpeechManager::refresh()
{
    calls.append(QStringLiteral("refresh"));
}

void NxScriptedTextToSpeechManager::querySubtitleProgress(int, int* completedCharacters, int* totalCharacters,
                                                          int* completedSentences, int* failed, int* totalSentences)
{
    const std::pair<int*, int> answers[] = {{completedCharacters, charactersPerTask / 2}, {totalCharacters, charactersPerTask},
                                            {completedSentences, sentencesPerTask - failedSentences},
                                            {failed, failedSentences}, {totalSentences, sentencesPerTask}};
    for (const auto& [asked, answer] : answers)
        if (asked)
            *asked = answer;
}
