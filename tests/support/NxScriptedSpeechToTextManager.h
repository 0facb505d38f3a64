#pragma once

#include "INxSpeechToTextTaskManager.h"

#include <QSet>
#include <QStringList>

#include <mutex>

// A speech-to-text manager that does what a test tells it and reports from
// real threads of its own. install() makes it what create() returns.
class NxScriptedSpeechToTextManager final : public INxSpeechToTextTaskManager
{
public:
    static void install();
    static void uninstall();
    // The manager created last, null once it was released.
    static NxScriptedSpeechToTextManager* latest();

    // Reports as a manager does: on a thread that is not the caller's.
    // Returns once that thread has delivered the report.
    void reportFromWorker(const NxSpeechToTextTaskInfo& info);
    void reportState(int taskId, int state, int code = 0, int progress = 0, int detail = 0);
    void reportRemainingFromWorker(int seconds);

    // What the test decides.
    QSet<QString> refusedNames;   // adds for these names answer -1
    bool removeAnswer = true;
    QSet<int> unfinishedTasks;
    bool exportWritesFile = true;

    // What happened, in order: "addClipTask:<name>:<language>", "refresh:<tab>",
    // "removeTask:<id>", "retryTask:<id>", "stopAll", "exportSubtitles:<id>".
    QStringList calls;
    QList<int> addedIds;

    void release() override;
    void setCallBack(INxSpeechToTextTaskManagerCallBack* callBack) override;
    int addMaterialTask(INxAbstractMedia* media, QString language) override;
    int addTimelineTask(INxTimeline* timeline, QString language) override;
    int addClipTask(INxClip* clip, QString language) override;
    bool removeTask(int taskId) override;
    void retryTask(int taskId) override;
    bool serviceState() override { return true; }
    void stopAll() override;
    bool isTaskFinished(int taskId) override;
    void exportSubtitles(int taskId, QString path) override;
    void refresh(int tab) override;

private:
    int add(const QString& kind, const QString& name, const QString& language);

    // Held while a report is delivered, so that setCallBack(nullptr) waits
    // for a report in flight, as a real manager must.
    std::mutex m_callbackMutex;
    INxSpeechToTextTaskManagerCallBack* m_callBack = nullptr;
    int m_nextId = 100;
};
