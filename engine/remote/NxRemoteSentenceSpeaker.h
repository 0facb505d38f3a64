#pragma once

#include "NxSentenceSpeaker.h"

class NxSpeechServerClient;

// The remote engine's speaker: one POST /v1/audio/speech per sentence, the
// MP3 answer saved as it came.
//
// How a sentence fails (code; whether the task's other sentences are still tried):
// - no connection, unknown host, TLS failure, a timeout, the connection lost,
//   or 429 or 5xx still after the retries: network broken; not tried;
// - 401 or 403: login error; not tried;
// - 413: text too long; tried;
// - any other refusal, or an answer cut off or not MP3: transcription failure; tried.
class NxRemoteSentenceSpeaker final : public NxSentenceSpeaker
{
public:
    // `speed` is a factor of the server's normal pace.
    NxRemoteSentenceSpeaker(NxSpeechServerClient& client, QString voice, double speed);

    Result speak(const QString& text, const QString& path, const std::atomic<bool>& stop,
                 const Progress& progress) const override;

private:
    NxSpeechServerClient& m_client;
    const QString m_voice;
    const double m_speed;
};
