#pragma once

#include "NxSynthesisVoice.h"

#include <QString>
#include <QVector>

#include <atomic>

// Speaks text into 16-bit mono PCM at SampleRate, with espeak-ng or Flite
// (NxEspeakSynthesis, NxFliteSynthesis) as the voice says; what a task
// makes of it is its engine's speaker's (NxOfflineSentenceSpeaker).
// espeak-ng keeps its state process-wide, so its syntheses run one at a
// time; Flite's run side by side once their voice is registered. Each
// library starts on its first synthesis, never before.
class NxSpeechSynthesizer
{
public:
    static constexpr int SampleRate = 22050;

    // Speed and intonation are steps from -2 to 2 (clamped).
    NxSpeechSynthesizer(const NxSynthesisVoice& voice, int speed, int intonation);

    // Speaks `tempo` times as fast as the speed step alone would (above 1
    // faster), so that a sentence fits its time.
    void setTempo(double tempo);

    // False, with a reason in *error when given, when the library cannot
    // start, does not know the voice, fails, or `cancel` became true.
    bool synthesize(const QString& text, QVector<qint16>* samples, const std::atomic<bool>* cancel = nullptr,
                    QString* error = nullptr) const;

    // Drops the quiet before the first voiced sound but for a few
    // milliseconds, so that playback starts with the voice.
    static void startAtTheVoice(QVector<qint16>* samples);

private:
    NxSynthesisVoice m_voice;
    int m_speed;
    int m_intonation;
    double m_tempo = 1;
};
