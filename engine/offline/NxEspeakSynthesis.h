#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <atomic>

// espeak-ng's voices for every language. espeak-ng keeps its state
// process-wide, so every synthesis in the process runs one at a time under a
// lock of its own; the library is initialised on the first synthesis.
namespace NxEspeakSynthesis
{
// The rate at which espeak-ng speaks.
constexpr int SampleRate = 22050;

// Speaks `text` with an espeak-ng voice and variant ("en-us+f2") at
// `wordsPerMinute` and `pitch` (0 to 100) into 16-bit mono PCM at
// SampleRate. False, with a reason in *error when given, when espeak-ng
// cannot start, does not know the voice, fails, or `cancel` became true.
bool synthesize(const QByteArray& voice, int wordsPerMinute, int pitch, const QString& text,
                QVector<qint16>* samples, const std::atomic<bool>* cancel, QString* error);
}
