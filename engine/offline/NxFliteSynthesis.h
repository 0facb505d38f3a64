#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <atomic>

struct NxSynthesisVoice;

// Flite's US English voices: "slt" (female), "rms", "awb" and "kal16"
// (male). Registering a voice writes Flite's process-wide tables, so each is
// registered once, under a lock; syntheses then run side by side, each with
// its prosody on its own utterance and never on the shared voice.
namespace NxFliteSynthesis
{
// Speaks `text` with the voice's character, `rate` times as fast and
// `pitchFactor` times as high, into 16-bit mono PCM at `sampleRate`.
// False, with a reason in *error when given, for an unknown voice, no audio,
// or when `cancel` became true.
bool synthesize(const NxSynthesisVoice& voice, double rate, double pitchFactor, const QString& text,
                int sampleRate, QVector<qint16>* samples, const std::atomic<bool>* cancel, QString* error);
}
