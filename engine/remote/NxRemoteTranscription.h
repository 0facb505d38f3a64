#pragma once

#include "NxSpeechToTextJob.h"

#include <atomic>

class NxSpeechServerClient;

// One speech-to-text task's run on the speech server, on a worker thread:
// its media scanned and mixed as the offline engine does, the track packed
// small (transcoding), in pieces cut at silences when it packs larger than
// the server takes, sent side by side with real upload progress
// (uploading), the server's verbose_json answers awaited and read
// (transcribing) and their timed segments, joined on the track's time line,
// grouped into cues by the offline engine's cue rules.
//
// How failures end the task (state, code):
// - no connection, unknown host, TLS failure, a timeout, the connection lost,
//   or 429 or 5xx still after the retries: uploading or transcription failed
//   (whichever stage it was in), network broken;
// - 401 or 403: upload failed, login error;
// - 413: upload failed, file too long; more than an hour of media is refused
//   at the scan, as the offline engine does;
// - any other refusal, an answer cut off or one that is not verbose_json:
//   transcription failed, transcription failure;
// - an answer without words: transcription failed, unrecognised content.
class NxRemoteTranscription
{
public:
    explicit NxRemoteTranscription(NxSpeechServerClient& client);

    NxSpeechToTextJob::Outcome run(NxSpeechToTextJob& job, const std::atomic<bool>& stop,
                                   const NxSpeechToTextJob::Report& report) const;

private:
    NxSpeechServerClient& m_client;
};
