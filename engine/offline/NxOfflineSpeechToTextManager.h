#pragma once

#include "NxOfflineTranscriber.h"
#include "NxSpeechToTextQueueManager.h"

// Speech-to-text on this machine with pocketsphinx: tasks queue for two
// worker threads, which read and decode their media and hand the speech to a
// transcriber whose pool of recognisers, one per core, is loaded with the
// first utterance they hear: a long recording keeps every core busy. Reports come from the workers.
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
// - seconds that cannot be deducted (the configuration cannot be written, or
//   its count is not a number): scan failed before any work, or
//   transcription failed when found at the end; unknown error (the purchase
//   tip would not help);
// - nothing recognised: transcription failed, unrecognised content.
class NxOfflineSpeechToTextManager final : public NxSpeechToTextQueueManager
{
public:
    static constexpr int WorkerCount = 2;

    NxOfflineSpeechToTextManager();

    bool serviceState() override;

private:
    ~NxOfflineSpeechToTextManager() override;

    // The destructor stops the workers, which wait on it while their tasks
    // are heard, before it goes.
    NxOfflineTranscriber m_transcriber;
};
