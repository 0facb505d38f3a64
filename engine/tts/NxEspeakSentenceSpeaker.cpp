#include "NxEspeakSentenceSpeaker.h"

#include "NxMp3Encoder.h"

namespace
{
// Synthesis takes most of a sentence's time; encoding the rest.
constexpr int SynthesizedPercent = 80;
} // namespace

NxEspeakSentenceSpeaker::NxEspeakSentenceSpeaker(const QByteArray& espeakVoice, int speed, int intonation)
    : m_synthesizer(espeakVoice, speed, intonation)
{
}

NxSentenceSpeaker::Result NxEspeakSentenceSpeaker::speak(const QString& text, const QString& path,
                                                         const std::atomic<bool>& stop,
                                                         const Progress& progress) const
{
    Result result;
    QVector<qint16> samples;
    if (!m_synthesizer.synthesize(text, &samples, &stop, &result.error) || stop)
        return result;
    if (progress)
        progress(SynthesizedPercent);
    result.spoken = NxMp3Encoder::encode(samples, NxSpeechSynthesizer::SampleRate, path, &result.error);
    return result;
}
