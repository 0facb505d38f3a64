#pragma once

#include "INxSpeechToTextTaskManager.h"
#include "NxCallBackLine.h"

#include <QSet>
#include <QStringList>

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
    // For tests that report from threads of their own, several at once.
    NxSharedCallBackLine<INxSpeechToTextTaskManagerCallBack> line() const { return m_line; }

    // What the test decides.
    QSet<QString> refusedNames;   // adds for these names answer -1
    bool removeAnswer = true;
    QSet<int> unfinishedTasks;
    bool exportWritesFile = true;

    // What happened, in order: "addClipTask:<name>:<language>", "refresh:<tab>",
    // "removeTask:<id>", "retryTask:<id>", "stopAll", "exportSubtitles:<id>".
    QStringList calls;
    QList<int> addedIds;
    QList<int> finishedQueries; // ids asked about with isTaskFinished, in order

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

    NxSharedCallBackLine<INxSpeechToTextTaskManagerCallBack> m_line =
        std::make_shared<NxCallBackLine<INxSpeechToTextTaskManagerCallBack>>();
    int m_nextId = 100;
};
