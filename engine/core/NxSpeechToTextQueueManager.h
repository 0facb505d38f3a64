#pragma once

#include "INxSpeechToTextTaskManager.h"
#include "NxMediaSpan.h"
#include "NxSpeechToTextJob.h"
#include "NxTaskQueue.h"

#include <vector>

// What every speech-to-text engine's manager does alike: tasks read from the
// host's objects when added, queued for the engine's worker threads, their
// reports, stops, removals, retries, subtitle export and, when the engine is
// charged, the usage allowance: a task whose seconds could not be deducted
// is refused before any work, the seconds admitted to a running task are
// held back from the others until it completes and deducts them. An engine
// supplies how a task is heard (NxSpeechToTextJob::Engine).
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
    NxSpeechToTextQueueManager(int workers, NxSpeechToTextJob::Engine engine);
    // An engine's destructor calls stopWorkers() first: the runners use it.
    virtual ~NxSpeechToTextQueueManager();
    void stopWorkers();

private:
    struct Task
    {
        Task(NxSpeechToTextJob job, int statedSeconds)
            : job(std::move(job))
            , statedSeconds(statedSeconds)
        {
        }

        // The seconds a task costs: its source's stated length, as the
        // services window shows it, else the seconds heard.
        int billed(int heard) const { return statedSeconds > 0 ? statedSeconds : heard; }

        NxSpeechToTextJob job;
        int statedSeconds;       // whole seconds, rounded down; 0 when unknown
        NxSpeechToTextState state = NxSpeechToTextState::Waiting;
        NxSpeechToTextFailure code = NxSpeechToTextFailure::UnknownError;
        int detail = 0;          // seconds of media processed, as last reported
        int reservedSeconds = 0; // held back for the task by an engine that charges
        std::vector<NxSubtitleCue> cues;
    };
    using Queue = NxTaskQueue<Task, INxSpeechToTextTaskManagerCallBack>;

    int addTask(std::vector<NxMediaSpan> spans, int statedSeconds, const QString& language, bool timeline,
                const char* kind);
    void run(Queue::Entry& entry);
    bool admit(Task& task, int seconds);
    void report(Queue::Entry& entry, NxSpeechToTextState state, int percent, int seconds);
    void finish(Queue::Entry& entry, NxSpeechToTextJob::Outcome outcome);
    // Under the queue's lock as a run ends; `ended` is false when the task was
    // removed or stopped. May turn a completion into a failure; answers the
    // balance to report with the outcome, or -1 for none.
    int settle(Task& task, NxSpeechToTextJob::Outcome& outcome, bool ended);

    const NxSpeechToTextJob::Engine m_engine; // outlives the queue's workers
    Queue m_queue;
    int m_reservedSeconds = 0; // admitted to running tasks, not yet deducted; under the queue's lock
};
