#pragma once

#include "NxSentenceSpeaker.h"

class NxSpeechServerClient;

// The remote engine's speaker: one POST /v1/audio/speech per sentence, the
// MP3 answer saved as it came and decoded once to learn how long it lasts
// (a task fitting a sentence to its time asks again at a higher speed).
//
// How a sentence fails (code; whether the task's other sentences are still tried):
// - no connection, unknown host, TLS failure, a timeout, the connection lost,
//   or 429 or 5xx still after the retries: network broken; not tried;
// - 401 or 403: login error; not tried;
// - 413: text too long; tried;
// - any other refusal, or an answer cut off, not MP3 or not decodable:
//   transcription failure; tried.
class NxRemoteSentenceSpeaker final : public NxSentenceSpeaker
{
public:
    // `pace` is a factor of the server's normal pace, which a tempo multiplies.
    NxRemoteSentenceSpeaker(NxSpeechServerClient& client, QString voice, double pace);

    Result speak(const QString& text, double tempo, const QString& path, const std::atomic<bool>& stop,
                 const Progress& progress) const override;
    // As many requests at once as the settings' Concurrency allows.
    int sideBySide() const override;

private:
    NxSpeechServerClient& m_client;
    const QString m_voice;
    const double m_pace;
};
