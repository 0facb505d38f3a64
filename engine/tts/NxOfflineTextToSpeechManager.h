#pragma once

#include "INxTextToSpeechTaskManager.h"

#include <QString>

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

class NxSpeechSynthesizer;

// Speaks title and subtitle clips offline with espeak-ng into MP3 files kept
// in the engine's storage (storagePath()), one task at a time on a worker
// thread of its own, which is also where every report comes from.
//
// A task's characters are its text's non-whitespace characters; they are
// what the usage allowance is charged on completion and what the length
// limit counts. A title is one sentence and may hold at most MaxCharacters;
// a subtitle clip is spoken sentence by sentence, each delivered as a
// product, and the limit applies to each sentence (a longer one fails on its
// own). A stopped task ends as ConvertFailed with UnknownError. A failed or
// stopped task may be retried, and so may a completed subtitle task with
// failed sentences: sentences already delivered are kept, not spoken or
// charged again. Before converting, a task fails as ScanFailed with
// UnrecognizedContent (unknown voice code), TextTooLong or NotEnoughCharacters.
//
// The clip is read only inside addTask; the request's voice code picks the
// voice and its language, so the request's language is not read. Products
// stay until their task is removed; leftovers older than a day are deleted
// when the worker starts. Construction is cheap: the worker and espeak-ng
// start with the first task.
class NxOfflineTextToSpeechManager final : public INxTextToSpeechTaskManager
{
public:
    static constexpr int MaxCharacters = 1500;

    NxOfflineTextToSpeechManager();
    ~NxOfflineTextToSpeechManager();

    // The folder products are written to, under the host's data folder.
    static QString storagePath();
    static int countCharacters(const QString& text);

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
    struct Task;
    using TaskPointer = std::shared_ptr<Task>;

    void ensureWorker();
    void run();
    void process(const TaskPointer& task);
    void speakTitle(const TaskPointer& task, const NxSpeechSynthesizer& synthesizer);
    void speakSubtitle(const TaskPointer& task, const NxSpeechSynthesizer& synthesizer);
    // Ends the task with a failure or stop report; keeps nothing it made.
    void finishFailed(const TaskPointer& task, int state, int code);
    void finishCompleted(const TaskPointer& task, const QString& filePath);
    void finishStopped(const TaskPointer& task);
    void reportState(const TaskPointer& task, int state, int progress, int code = 0,
                     const QString& filePath = QString());
    void reportRemaining();
    void reportRefreshIfAsked();

    // Delivery; held while a report is in flight. Recursive so a callback
    // may call setCallBack itself.
    std::recursive_mutex m_callBackMutex;
    INxTextToSpeechTaskManagerCallBack* m_callBack = nullptr;

    // Everything below, and the mutable parts of each task.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::map<int, TaskPointer> m_tasks;
    std::deque<TaskPointer> m_queue;
    int m_nextId = 1;
    bool m_quit = false;
    bool m_refreshPending = false;
    std::thread m_worker;
};
