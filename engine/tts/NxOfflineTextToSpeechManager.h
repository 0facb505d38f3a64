#pragma once

#include "INxTextToSpeechTaskManager.h"
#include "NxTaskQueue.h"
#include "NxTextToSpeechJob.h"

#include <QString>

#include <atomic>

// Speaks title and subtitle clips offline (English with Flite, the other
// languages with espeak-ng) into MP3 files kept in the engine's storage
// (storagePath()), one task (a NxTextToSpeechJob) at a time on a worker
// thread of its own, which is also where every report comes from.
//
// A task's characters are its text's non-whitespace characters; they are
// what the usage allowance is charged on completion and what the length
// limit counts. A title is one sentence and may hold at most
// NxTextToSpeechJob::MaxCharacters; a subtitle clip is spoken sentence by
// sentence, each delivered as a product, and the limit applies to each
// sentence (a longer one fails on its own). A sentence too long for the time
// until the next one starts is spoken faster, up to 1.5 times the chosen
// speed; one that overruns even so is kept whole and named in the log.
// A stopped task ends as ConvertFailed with UnknownError. A failed or
// stopped task may be retried, and so may a completed subtitle task with
// failed sentences: sentences already delivered are kept, not spoken or
// charged again. Before converting, a task fails as ScanFailed with
// UnrecognizedContent (unknown voice code), TextTooLong or NotEnoughCharacters.
//
// The clip is read only inside addTask; the request's voice code picks the
// voice and its language, so the request's language is not read. Products
// stay until their task is removed; leftovers older than a day are deleted
// when the worker starts. Construction is cheap: the worker and the
// synthesisers start with the first task.
class NxOfflineTextToSpeechManager final : public INxTextToSpeechTaskManager
{
public:
    NxOfflineTextToSpeechManager();
    ~NxOfflineTextToSpeechManager();

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
    bool serviceState() override;
    void stopAll() override;
    bool isTaskFinished(int taskId) override;
    void refresh() override;
    void querySubtitleProgress(int taskId, int* completedCharacters, int* totalCharacters, int* completedSentences,
                               int* failedSentences, int* totalSentences) override;

private:
    using Queue = NxTaskQueue<NxTextToSpeechJob, INxTextToSpeechTaskManagerCallBack>;

    void run(Queue::Entry& entry);
    void reportState(Queue::Entry& entry, int state, int progress);
    void reportProduct(Queue::Entry& entry, const NxSrtTaskProductInfo& product);
    void finish(Queue::Entry& entry, int state, int code, const QString& filePath);
    void reportRemaining();

    std::atomic<bool> m_refreshPending{false};
    Queue m_queue;
};
