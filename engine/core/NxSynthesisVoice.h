#pragma once

#include <QByteArray>

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

// The speed steps (-2 to 2, clamped) every engine speaks at, far enough
// apart to be heard: words per minute at espeak-ng's scale, whose default,
// the middle step, is MiddleRate.
namespace NxSpeechSpeed
{
constexpr int MiddleRate = 175;

// A step's index from 0 to 4.
int stepIndex(int step);
// How fast a step speaks, relative to the middle step.
double pace(int speed);
} // namespace NxSpeechSpeed
