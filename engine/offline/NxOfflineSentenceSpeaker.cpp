#include "NxOfflineSentenceSpeaker.h"

#include "NxMp3Encoder.h"

namespace
{
// Synthesis takes most of a sentence's time; encoding the rest.
constexpr int SynthesizedPercent = 80;
} // namespace

NxOfflineSentenceSpeaker::NxOfflineSentenceSpeaker(const NxSynthesisVoice& voice, int speed, int intonation)
    : m_synthesizer(voice, speed, intonation)
{
}

NxSentenceSpeaker::Result NxOfflineSentenceSpeaker::speak(const QString& text, double tempo, const QString& path,
                                                          const std::atomic<bool>& stop,
                                                          const Progress& progress) const
{
    Result result;
    NxSpeechSynthesizer synthesizer = m_synthesizer;
    synthesizer.setTempo(tempo);
    QVector<qint16> samples;
    if (!synthesizer.synthesize(text, &samples, &stop, &result.error) || stop)
        return result;
    if (progress)
        progress(SynthesizedPercent);
    result.seconds = samples.size() / double(NxSpeechSynthesizer::SampleRate);
    result.spoken = NxMp3Encoder::encode(samples, NxSpeechSynthesizer::SampleRate, path, &result.error);
    return result;
}
