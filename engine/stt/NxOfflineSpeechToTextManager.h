#pragma once

#include "NxSpeechToTextQueueManager.h"

class NxSpeechRecognizer;

// Speech-to-text on this machine with pocketsphinx: tasks queue for two
// worker threads, each with a recogniser of its own, loaded when it takes its
// first task. Reports come from the workers.
//
// Failures and their codes:
// - a language other than English: transcription failed, unrecognised content;
// - a missing or unreadable file: scan failed, transcode failure (worth a
//   retry: the file may come back);
// - media without sound: scan failed, unrecognised content;
// - more than an hour of audio: scan failed, file too long;
// - damaged audio: transcode failed, transcode failure;
// - more seconds than the allowance left: transcription failed, not enough time;
// - nothing recognised: transcription failed, unrecognised content.
class NxOfflineSpeechToTextManager final : public NxSpeechToTextQueueManager
{
public:
    static constexpr int WorkerCount = 2;

    NxOfflineSpeechToTextManager();

    bool serviceState() override;

private:
    ~NxOfflineSpeechToTextManager() override;

    void run(NxSpeechRecognizer& recognizer, Queue::Entry& entry);
    bool admit(Task& task, int seconds);
    int settle(Task& task, NxSpeechToTextJob::Outcome& outcome, bool ended) override;

    int m_reservedSeconds = 0; // admitted to running tasks, not yet deducted; under the queue's lock
};
