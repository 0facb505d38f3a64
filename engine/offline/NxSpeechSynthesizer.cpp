#include "NxSpeechSynthesizer.h"

#include "NxEspeakSynthesis.h"
#include "NxFliteSynthesis.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{
static_assert(NxEspeakSynthesis::SampleRate == NxSpeechSynthesizer::SampleRate, "espeak-ng speaks at the product rate");

// espeak-ng's pitch runs from 0 to 100, 50 by default. Flite's is in Hz:
// two semitones a step.
const int EspeakPitches[] = {20, 35, 50, 65, 80};
constexpr double SemitonesPerStep = 2;

double pitchFactorOf(int intonation)
{
    return std::pow(2.0, (NxSpeechSpeed::stepIndex(intonation) - 2) * SemitonesPerStep / 12);
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

bool NxSpeechSynthesizer::synthesize(const QString& text, QVector<qint16>* samples,
                                     const std::atomic<bool>* cancel, QString* error) const
{
    const double rate = NxSpeechSpeed::pace(m_speed) * m_tempo;
    if (m_voice.engine == NxSynthesisVoice::Engine::Flite) {
        return NxFliteSynthesis::synthesize(m_voice, rate, pitchFactorOf(m_intonation), text, SampleRate, samples,
                                            cancel, error);
    }
    const int wordsPerMinute = qBound(80, qRound(NxSpeechSpeed::MiddleRate * rate), 450); // what espeak-ng accepts
    return NxEspeakSynthesis::synthesize(m_voice.name, wordsPerMinute, EspeakPitches[NxSpeechSpeed::stepIndex(m_intonation)],
                                         text, samples, cancel, error);
}

void NxSpeechSynthesizer::startAtTheVoice(QVector<qint16>* samples)
{
    constexpr int Threshold = 600; // of 32767: above Flite's pauses, below any voiced sound
    constexpr int LeadIn = SampleRate / 200; // 5 ms
    const auto voiced = std::find_if(samples->cbegin(), samples->cend(),
                                     [](qint16 sample) { return std::abs(int(sample)) > Threshold; });
    const int from = std::max(0, int(voiced - samples->cbegin()) - LeadIn);
    if (voiced != samples->cend() && from > 0)
        samples->remove(0, from);
}
