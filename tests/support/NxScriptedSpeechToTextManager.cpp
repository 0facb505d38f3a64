#include "NxScriptedSpeechToTextManager.h"

#include "INxAbstractMedia.h"
#include "INxClip.h"
#include "INxTimeline.h"

#include <QFile>

void NxScriptedSpeechToTextManager::reportState(int taskId, int state, int code, int progress, int detail)
{
    NxSpeechToTextTaskInfo info;
    info.taskId = taskId;
    info.state = state;
    info.code = code;
    info.progress = progress;
    info.detail = detail;
    fromWorker([info](INxSpeechToTextTaskManagerCallBack* callBack) { callBack->onTaskStateChanged(info); });
}

void NxScriptedSpeechToTextManager::reportRemainingFromWorker(int seconds)
{
    fromWorker([seconds](INxSpeechToTextTaskManagerCallBack* callBack) { callBack->onRemainingChanged(seconds); });
}

int NxScriptedSpeechToTextManager::add(const QString& kind, const QString& name, const QString& language)
{
    calls.append(QStringLiteral("%1:%2:%3").arg(kind, name, language));
    return refusedNames.contains(name) ? -1 : nextTask();
}

int NxScriptedSpeechToTextManager::addMaterialTask(INxAbstractMedia* media, QString language)
{
    return add(QStringLiteral("addMaterialTask"), media->displayName(), language);
}

int NxScriptedSpeechToTextManager::addTimelineTask(INxTimeline* timeline, QString language)
{
    return add(QStringLiteral("addTimelineTask"), timeline->name(), language);
}

int NxScriptedSpeechToTextManager::addClipTask(INxClip* clip, QString language)
{
    return add(QStringLiteral("addClipTask"), clip->name(), language);
}

void NxScriptedSpeechToTextManager::exportSubtitles(int taskId, QString path)
{
    calls.append(QStringLiteral("exportSubtitles:%1").arg(taskId));
    QFile file(path);
    if (exportWritesFile && file.open(QIODevice::WriteOnly))
        file.write("1\n00:00:00,000 --> 00:00:01,000\nHello\n\n");
}

void NxScriptedSpeechToTextManager::refresh(int tab)
{
    calls.append(QStringLiteral("refresh:%1").arg(tab));
}
