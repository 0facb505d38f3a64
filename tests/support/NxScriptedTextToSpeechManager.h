#pragma once

#include "INxTextToSpeechTaskManager.h"
#include "NxCallBackLine.h"

#include <QSet>
#include <QStringList>

// A text-to-speech manager that does what a test tells it and reports from
// real threads of its own. install() makes it what create() returns.
class NxScriptedTextToSpeechManager final : public INxTextToSpeechTaskManager
{
public:
    static void install();
    static void uninstall();
    static NxScriptedTextToSpeechManager* latest();

    // Deliver from a worker thread; return once it has delivered.
    void reportFromWorker(const NxTextToSpeechTaskInfo& info);
    void reportState(int taskId, int state, int code = 0, int progress = 0, const QString& filePath = QString());
    void productFromWorker(int taskId, int index, qint64 position, const QString& filePath);
    // For tests that report from threads of their own, several at once.
    NxSharedCallBackLine<INxTextToSpeechTaskManagerCallBack> line() const { return m_line; }

    // What the test decides.
    int sentencesPerTask = 1;
    int charactersPerTask = 120;
    QSet<QString> refusedClips;
    bool removeAnswer = true;
    QSet<int> unfinishedTasks;
    int failedSentences = 0;

    // What happened: "addTask:<clip>:<voice>:<intonation>:<speed>:<language>",
    // "removeTask:<id>", "retryTask:<id>", "stopAll", "refresh".
    QStringList calls;
    QList<int> addedIds;
    QList<int> finishedQueries; // ids asked about with isTaskFinished, in order

    void release() override;
    void setCallBack(INxTextToSpeechTaskManagerCallBack* callBack) override;
    void addTask(const NxTextToSpeechTaskRequest& request, int* taskId, int* sentences, int* characters,
                 QString* text) override;
    bool removeTask(int taskId) override;
    void retryTask(int taskId) override;
    bool serviceState() override { return true; }
    void stopAll() override;
    bool isTaskFinished(int taskId) override;
    void refresh() override;
    void querySubtitleProgress(int taskId, int* completedCharacters, int* totalCharacters, int* completedSentences,
                               int* failed, int* totalSentences) override;

private:
    template <typename Deliver>
    void deliverFromWorker(Deliver deliver);

    NxSharedCallBackLine<INxTextToSpeechTaskManagerCallBack> m_line =
        std::make_shared<NxCallBackLine<INxTextToSpeechTaskManagerCallBack>>();
    int m_nextId = 500;
};
