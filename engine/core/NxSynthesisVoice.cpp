#include "NxSynthesisVoice.h"

#include <QtGlobal>

namespace
{
// Flite's voices scale their durations alike.
constexpr int Rates[] = {120, 150, 175, 210, 260};
static_assert(Rates[2] == NxSpeechSpeed::MiddleRate, "the middle step speaks at the middle rate");
} // namespace

int NxSpeechSpeed::stepIndex(int step)
{
    return qBound(-2, step, 2) + 2;
}

double NxSpeechSpeed::pace(int speed)
{
    return double(Rates[stepIndex(speed)]) / MiddleRate;
}
