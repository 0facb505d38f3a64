#include "NxSpeechSynthesizer.h"

#include "NxEspeakSynthesis.h"
#include "NxFliteSynthesis.h"

#include <QtGlobal>

#include <cmath>

namespace
{
static_assert(NxEspeakSynthesis::SampleRate == NxSpeechSynthesizer::SampleRate, "espeak-ng speaks at the product rate");

// Steps far enough apart to be heard, in words per minute at espeak-ng's
// scale, whose default is 175; Flite's voices scale their durations alike.
const int Rates[] = {120, 150, 175, 210, 260};
constexpr int MiddleRate = 175;
// espeak-ng's pitch runs from 0 to 100, 50 by default. Flite's is in Hz:
// two semitones a step.
const int EspeakPitches[] = {20, 35, 50, 65, 80};
constexpr double SemitonesPerStep = 2;

int stepIndex(int step)
{
    return qBound(-2, step, 2) + 2;
}

double pitchFactorOf(int intonation)
{
    return std::pow(2.0, (stepIndex(intonation) - 2) * SemitonesPerStep / 12);
}
}

NxSpeechSynthesizer::NxSpeechSynthesizer(const NxSynthesisVoice& voice, int speed, int intonation)
    : m_voice(voice)
    , m_speed(speed)
    , m_intonation(intonation)
{
}

void NxSpeechSynthesizer::setTempo(double tempo)
{
    m_tempo = tempo;
}

double NxSpeechSynthesizer::pace(int speed)
{
    return double(Rates[stepIndex(speed)]) / MiddleRate;
}

bool NxSpeechSynthesizer::synthesize(const QString& text, QVector<qint16>* samples,
                                     const std::atomic<bool>* cancel, QString* error) const
{
    const double rate = pace(m_speed) * m_tempo;
    if (m_voice.engine == NxSynthesisVoice::Engine::Flite) {
        return NxFliteSynthesis::synthesize(m_voice, rate, pitchFactorOf(m_intonation), text, SampleRate, samples,
                                            cancel, error);
    }
    const int wordsPerMinute = qBound(80, qRound(MiddleRate * rate), 450); // what espeak-ng accepts
    return NxEspeakSynthesis::synthesize(m_voice.name, wordsPerMinute, EspeakPitches[stepIndex(m_intonation)],
                                         text, samples, cancel, error);
}
