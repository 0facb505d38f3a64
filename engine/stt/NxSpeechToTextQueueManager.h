#pragma once

#include "INxSpeechToTextTaskManager.h"
#include "NxMediaSpan.h"
#include "NxSpeechToTextJob.h"
#include "NxTaskQueue.h"

#include <vector>

// What every speech-to-text engine's manager does alike: tasks read from the
// host's objects when added, queued for the engine's worker threads, their
// reports, stops, removals, retries and subtitle export. An engine supplies
// the runner (which calls report() and finish()) and how a task is charged.
//
// A stopped task (stopAll) reports nothing more; it counts as finished and
// can be retried, as can a failed one.
class NxSpeechToTextQueueManager : public INxSpeechToTextTaskManager
{
public:
    NxSpeechToTextQueueManager(const NxSpeechToTextQueueManager&) = delete;
    NxSpeechToTextQueueManager& operator=(const NxSpeechToTextQueueManager&) = delete;

    void release() override;
    void setCallBack(INxSpeechToTextTaskManagerCallBack* callBack) override;
    int addMaterialTask(INxAbstractMedia* media, QString language) override;
    int addTimelineTask(INxTimeline* timeline, QString language) override;
    int addClipTask(INxClip* clip, QString language) override;
    bool removeTask(int taskId) override;
    void retryTask(int taskId) override;
    void stopAll() override;
    bool isTaskFinished(int taskId) override;
    void exportSubtitles(int taskId, QString path) override;
    // Reports the usage allowance's seconds.
    void refresh(int tab = 0) override;

protected:
    struct Task
    {
        explicit Task(NxSpeechToTextJob job)
            : job(std::move(job))
        {
        }

        NxSpeechToTextJob job;
        int state = NxSpeechToTextTaskInfo::Waiting;
        int code = NxSpeechToTextTaskInfo::UnknownError;
        int detail = 0;          // seconds of media processed, as last reported
        int reservedSeconds = 0; // held back for the task by an engine that charges
        std::vector<NxSubtitleCue> cues;
    };
    using Queue = NxTaskQueue<Task, INxSpeechToTextTaskManagerCallBack>;

    NxSpeechToTextQueueManager(int workers, Queue::MakeRunner makeRunner);
    // An engine's destructor calls stopWorkers() first: the runners use it.
    virtual ~NxSpeechToTextQueueManager();
    void stopWorkers();

    void report(Queue::Entry& entry, int state, int percent, int seconds);
    void finish(Queue::Entry& entry, NxSpeechToTextJob::Outcome outcome);
    // Under the queue's lock as a run ends; `ended` is false when the task was
    // removed or stopped. May turn a completion into a failure; answers the
    // balance to report with the outcome, or -1 for none. Charges nothing
    // unless an engine says otherwise.
    virtual int settle(Task& task, NxSpeechToTextJob::Outcome& outcome, bool ended);

    Queue m_queue;

private:
    int addTask(std::vector<NxMediaSpan> spans, const QString& language, bool timeline, const char* kind);
};
