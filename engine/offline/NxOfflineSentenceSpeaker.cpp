#include "NxOfflineSentenceSpeaker.h"

#include "NxMp3Encoder.h"
#include "NxSideBySide.h"

#include <QRegularExpression>
#include <QStringList>
#include <QThread>


namespace
{
// Synthesis takes most of a sentence's time; encoding the rest.
constexpr int SynthesizedPercent = 80;

// The sentences of `text`: each ends at its closing marks (and a closing
// quote or bracket), which stay with it. A piece too short to be worth a
// thread of its own ("Dr.", "Yes!") stays with what follows it.
QStringList sentencesOf(const QString& text)
{
    constexpr int ShortestAlone = 40;
    static const QRegularExpression end(QStringLiteral("[.!?\u3002\uff01\uff1f]+[\"'\u201d\u2019)\\]]*\\s*"));
    QStringList sentences;
    int from = 0;
    for (QRegularExpressionMatchIterator ends = end.globalMatch(text); ends.hasNext();) {
        const QRegularExpressionMatch match = ends.next();
        const QString sentence = text.mid(from, match.capturedEnd() - from).trimmed();
        if (sentence.size() < ShortestAlone)
            continue;
        sentences.append(sentence);
        from = match.capturedEnd();
    }
    if (!text.mid(from).trimmed().isEmpty())
        sentences.append(text.mid(from).trimmed());
    if (sentences.isEmpty())
        sentences.append(text);
    return sentences;
}
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
    // A long text's sentences are said side by side and joined: each opens
    // and ends with the synthesiser's own pause, which reads as the break
    // between them.
    const QStringList sentences = sentencesOf(text);
    QVector<qint16> samples;
    {
        struct Said
        {
            bool spoken = false;
            QVector<qint16> samples;
            QString error;
        };
        NxSideBySide<Said> saying(sentences.size(), sideBySide(), [&](int item) {
            Said said;
            said.spoken = synthesizer.synthesize(sentences.at(item), &said.samples, &stop, &said.error);
            return said;
        });
        for (int item = 0; item < sentences.size(); ++item) {
            const Said said = *saying.take(item);
            if (!said.spoken || stop) {
                saying.halt();
                result.error = said.error;
                return result;
            }
            samples += said.samples;
            if (progress)
                progress(SynthesizedPercent * (item + 1) / int(sentences.size()));
        }
    }
    result.seconds = samples.size() / double(NxSpeechSynthesizer::SampleRate);
    result.spoken = NxMp3Encoder::encode(samples, NxSpeechSynthesizer::SampleRate, path, &result.error);
    return result;
}

int NxOfflineSentenceSpeaker::sideBySide() const
{
    return QThread::idealThreadCount();
}
