#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <atomic>

// Which synthesiser speaks a catalogue voice, and with what character.
struct NxSynthesisVoice
{
    enum class Engine { Espeak, Flite };

    Engine engine = Engine::Espeak;
    // An espeak-ng voice with its variant ("en-us+m3"), or a Flite voice ("slt").
    QByteArray name;
    // Flite only, at the middle steps: the mean fundamental in Hz (0 keeps
    // the voice's own), how widely it moves relative to the voice's own, and
    // how much longer than the voice's own every sound lasts.
    double pitch = 0;
    double liveliness = 1;
    double durationStretch = 1;
};

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

    // How fast a speed step speaks, relative to the middle step.
    static double pace(int speed);

    // False, with a reason in *error when given, when the library cannot
    // start, does not know the voice, fails, or `cancel` became true.
    bool synthesize(const QString& text, QVector<qint16>* samples, const std::atomic<bool>* cancel = nullptr,
                    QString* error = nullptr) const;

private:
    NxSynthesisVoice m_voice;
    int m_speed;
    int m_intonation;
    double m_tempo = 1;
};
