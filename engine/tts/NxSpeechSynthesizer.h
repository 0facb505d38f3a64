#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <atomic>

// Speaks text into 16-bit mono PCM at SampleRate with espeak-ng. espeak-ng
// keeps its state process-wide, so every synthesis in the process runs one
// at a time under a lock of this class; the library is initialised on the
// first synthesis, never before.
class NxSpeechSynthesizer
{
public:
    static constexpr int SampleRate = 22050;

    // `espeakVoice` is an espeak-ng voice name, optionally with a variant
    // ("en-us+f2"); speed and intonation are steps from -2 to 2 (clamped).
    NxSpeechSynthesizer(const QByteArray& espeakVoice, int speed, int intonation);

    // False, with a reason in *error when given, when espeak-ng cannot be
    // initialised, does not know the voice, fails, or `cancel` became true.
    bool synthesize(const QString& text, QVector<qint16>* samples, const std::atomic<bool>* cancel = nullptr,
                    QString* error = nullptr) const;

    static int wordsPerMinute(int speed);
    static int pitch(int intonation);

private:
    QByteArray m_voice;
    int m_speed;
    int m_intonation;
};
