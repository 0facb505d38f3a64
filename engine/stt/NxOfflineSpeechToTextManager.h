#pragma once

#include "INxSpeechToTextTaskManager.h"
#include "NxMediaSpan.h"
#include "NxRecognizerPool.h"
#include "NxSpeechToTextJob.h"
#include "NxTaskQueue.h"

#include <memory>
#include <vector>

// Speech-to-text on this machine with pocketsphinx: tasks queue for two
// worker threads, which read and decode their media and hand the speech to a
// pool of recognisers, one per core, loaded with the first utterance they
// hear: a long recording keeps every core busy. Reports come from the workers.
//
// Failures and their codes:
// - a language other than English: transcription failed, unrecognised content;
// - a missing or unreadable file: scan failed, transcode failure (worth a
//   retry: the file may come back);
// - a file that is not media (random bytes, no bytes, a container cut short
//   before its index): scan failed, unrecognised content;
// - media without sound: scan failed, unrecognised content;
// - more than an hour of audio: scan failed, file too long;
// - audio of which nothing decodes: transcode failed, unrecognised content;
// - audio whose reading breaks off: transcode failed, transcode failure;
// - more seconds than the allowance left: transcription failed, not enough time;
// - nothing recognised: transcription failed, unrecognised content.
// A stopped task (stopAll) reports nothing more; it counts as finished and
// can be retried.
class NxOfflineSpeechToTextManager final : public INxSpeechToTextTaskManager
{
public:
    static constexpr int WorkerCount = 2;

    NxOfflineSpeechToTextManager();
    NxOfflineSpeechToTextManager(const NxOfflineSpeechToTextManager&) = delete;
    NxOfflineSpeechToTextManager& operator=(const NxOfflineSpeechToTextManager&) = delete;

    void release() override;
    void setCallBack(INxSpeechToTextTaskManagerCallBack* callBack) override;
    int addMaterialTask(INxAbstractMedia* media, QString language) override;
    int addTimelineTask(INxTimeline* timeline, QString language) override;
    int addClipTask(INxClip* clip, QString language) override;
    bool removeTask(int taskId) override;
    void retryTask(int taskId) override;
    bool serviceState() override;
    void stopAll() override;
    bool isTaskFinished(int taskId) override;
    void exportSubtitles(int taskId, QString path) override;
    void refresh(int tab = 0) override;

private:
    struct Task;
    using Queue = NxTaskQueue<Task, INxSpeechToTextTaskManagerCallBack>;

    ~NxOfflineSpeechToTextManager();

    int addTask(std::vector<NxMediaSpan> spans, const QString& language, bool timeline, const char* kind);
    void run(Queue::Entry& entry);
    void report(Queue::Entry& entry, int state, int percent, int seconds);
    bool admit(Task& task, int seconds);
    void finish(Queue::Entry& entry, NxSpeechToTextJob::Outcome outcome);

    int m_reservedSeconds = 0; // admitted to running tasks, not yet deducted; under the queue's lock
    // Outlives the queue, whose workers wait on it while their tasks are heard.
    NxRecognizerPool m_recognizers;
    Queue m_queue;
};
