#include "NxScriptedSpeechToTextManager.h"

#include "INxAbstractMedia.h"
#include "INxClip.h"
#include "INxTimeline.h"

#include <QFile>

#include <thread>

namespace
{
NxScriptedSpeechToTextManager* s_latest = nullptr;
}

void NxScriptedSpeechToTextManager::install()
{
    INxSpeechToTextTaskManager::setFactory([] {
        s_latest = new NxScriptedSpeechToTextManager;
        return s_latest;
    });
}

void NxScriptedSpeechToTextManager::uninstall()
{
    INxSpeechToTextTaskManager::setFactory({});
}

NxScriptedSpeechToTextManager* NxScriptedSpeechToTextManager::latest()
{
    return s_latest;
}

void NxScriptedSpeechToTextManager::reportFromWorker(const NxSpeechToTextTaskInfo& info)
{
    std::thread worker([this, info] {
        m_line->deliver([&info](INxSpeechToTextTaskManagerCallBack* callBack) { callBack->onTaskStateChanged(info); });
    });
    worker.join();
}

void NxScriptedSpeechToTextManager::reportState(int taskId, int state, int code, int progress, int detail)
{
    NxSpeechToTextTaskInfo info;
    info.taskId = taskId;
    info.state = state;
    info.code = code;
    info.progress = progress;
    info.detail = detail;
    reportFromWorker(info);
}

void NxScriptedSpeechToTextManager::reportRemainingFromWorker(int seconds)
{
    std::thread worker([this, seconds] {
        m_line->deliver([seconds](INxSpeechToTextTaskManagerCallBack* callBack) { callBack->onRemainingChanged(seconds); });
    });
    worker.join();
}

void NxScriptedSpeechToTextManager::release()
{
    if (s_latest == this)
        s_latest = nullptr;
    delete this;
}

void NxScriptedSpeechToTextManager::setCallBack(INxSpeechToTextTaskManagerCallBack* callBack)
{
    m_line->setCallBack(callBack);
}

int NxScriptedSpeechToTextManager::add(const QString& kind, const QString& name, const QString& language)
{
    calls.append(QStringLiteral("%1:%2:%3").arg(kind, name, language));
    if (refusedNames.contains(name))
        return -1;
    const int id = m_nextId++;
    addedIds.append(id);
    unfinishedTasks.insert(id);
    return id;
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

bool NxScriptedSpeechToTextManager::removeTask(int taskId)
{
    calls.append(QStringLiteral("removeTask:%1").arg(taskId));
    return removeAnswer;
}

void NxScriptedSpeechToTextManager::retryTask(int taskId)
{
    calls.append(QStringLiteral("retryTask:%1").arg(taskId));
}

void NxScriptedSpeechToTextManager::stopAll()
{
    calls.append(QStringLiteral("stopAll"));
}

bool NxScriptedSpeechToTextManager::isTaskFinished(int taskId)
{
    finishedQueries.append(taskId);
    return !unfinishedTasks.contains(taskId);
}

void NxScriptedSpeechToTextManager::exportSubtitles(int taskId, QString path)
{
    calls.append(QStringLiteral("exportSubtitles:%1").arg(taskId));
    if (!exportWritesFile)
        return;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("1\n00:00:00,000 --> 00:00:01,000\nHello\n\n");
}

void NxScriptedSpeechToTextManager::refresh(int tab)
{
    calls.append(QStringLiteral("refresh:%1").arg(tab));
}
