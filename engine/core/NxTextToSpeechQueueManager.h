#pragma once

#include "INxTextToSpeechTaskManager.h"
#include "NxTaskQueue.h"
#include "NxTextToSpeechJob.h"

#include <QString>

#include <atomic>

// What every text-to-speech engine's manager does alike: title and subtitle
// clips spoken into MP3 files kept in the engine's storage (storagePath()),
// each task a NxTextToSpeechJob run by one of the engine's worker threads,
// which is also where every report comes from. The engine supplies the
// speaker and whether the usage allowance pays.
//
// A task's characters are its text's non-whitespace characters; they are
// what the usage allowance is charged on completion and what the length
// limit counts. A title is one sentence and may hold at most
// NxTextToSpeechJob::MaxCharacters; a subtitle clip is spoken sentence by
// sentence, each delivered as a product, and the limit applies to each
// sentence (a longer one fails on its own). A sentence too long for the time
// until the next one starts is spoken faster, up to 1.5 times the chosen
// speed; one that overruns even so is kept whole and named in the log. A
// stopped task ends as ConvertFailed with UnknownError. A failed or stopped
// task may be retried, and so may a completed subtitle task with failed
// sentences: sentences already delivered are kept, not spoken or charged
// again. Before converting, a task fails as ScanFailed with
// UnrecognizedContent (unknown voice code), TextTooLong or
// NotEnoughCharacters.
//
// The clip is read only inside addTask; the request's voice code picks the
// voice and its language, so the request's language is not read. Products
// stay until their task is removed; leftovers older than a day are deleted
// when a worker starts. Construction is cheap: the workers start with the
// first task.
class NxTextToSpeechQueueManager : public INxTextToSpeechTaskManager
{
public:
    NxTextToSpeechQueueManager(const NxTextToSpeechQueueManager&) = delete;
    NxTextToSpeechQueueManager& operator=(const NxTextToSpeechQueueManager&) = delete;

    // The folder products are written to, under the host's data folder.
    static QString storagePath();

    void release() override;
    // Waits for a report being delivered; after it returns the previous
    // callback is not called again.
    void setCallBack(INxTextToSpeechTaskManagerCallBack* callBack) override;
    void addTask(const NxTextToSpeechTaskRequest& request, int* taskId, int* sentences, int* characters,
                 QString* text) override;
    bool removeTask(int taskId) override;
    void retryTask(int taskId) override;
    void stopAll() override;
    bool isTaskFinished(int taskId) override;
    void refresh() override;
    void querySubtitleProgress(int taskId, int* completedCharacters, int* totalCharacters, int* completedSentences,
                               int* failedSentences, int* totalSentences) override;

protected:
    using Queue = NxTaskQueue<NxTextToSpeechJob, INxTextToSpeechTaskManagerCallBack>;

    NxTextToSpeechQueueManager(int workers, NxTextToSpeechJob::Engine engine);
    // An engine's destructor calls stopWorkers() first: the speakers it makes
    // may use it.
    virtual ~NxTextToSpeechQueueManager();
    void stopWorkers();

    Queue m_queue;

private:
    void run(Queue::Entry& entry);
    void reportState(Queue::Entry& entry, NxTextToSpeechState state, int progress);
    void reportProduct(Queue::Entry& entry, const NxSrtTaskProductInfo& product);
    void finish(Queue::Entry& entry, NxTextToSpeechState state, NxTextToSpeechFailure code, const QString& filePath,
                const QString& reason);
    void reportRemaining();

    const NxTextToSpeechJob::Engine m_engine;
    std::atomic<bool> m_refreshPending{false};
};
