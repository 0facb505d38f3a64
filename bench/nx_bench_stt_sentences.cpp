// Offline speech-to-text as subtitles to read: where sentences end, and their
// capitals, in what the engine made of read prose:
//   build/bench/nx-bench-stt-sentences [flite voices...]
//
// Five of Aesop's fables (44 sentences), read by each Flite voice (slt, rms,
// awb and kal16 unless named) through the flite program, transcribed by the
// engine's whole job (segmentation, recognition on every core, sentences,
// cues). What it wrote is aligned word by word with the punctuated text:
//   boundaries  a full stop, question or exclamation mark after a word; one
//               the engine wrote counts as found when the text has one after
//               the word it stands for (precision), and each of the text's is
//               found or missed (recall);
//   cased       of the words heard right, the share written with the text's
//               capitals ("The", "I", but also the "North" a reader expects);
//   WER         the word error rate, as nx-bench-stt-engine counts it.

#include "NxOfflineTranscriber.h"
#include "NxProseSample.h"
#include "NxSpeechToTextJob.h"
#include "NxTestHome.h"
#include "NxWordErrorRate.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

namespace
{
constexpr double BoundaryTarget = 0.7; // F1

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "nx-bench-stt-sentences: %s\n", what);
    std::exit(1);
}

// A text's words as written, and which of them end a sentence.
struct Written
{
    QStringList words;       // with their capitals, without punctuation
    QStringList plain;       // as compared: lower case
    std::vector<bool> ends;
};

Written written(const QString& text)
{
    static const QRegularExpression outer(QStringLiteral("^[^\\w']+|[^\\w']+$"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression end(QStringLiteral("[.?!][\"')]*$"));
    Written result;
    for (const QString& token : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        const QString word = QString(token).remove(outer);
        if (word.isEmpty())
            continue;
        result.words += word;
        result.plain += word.toLower();
        result.ends.push_back(end.match(token).hasMatch());
    }
    return result;
}

struct Counts
{
    int found = 0;    // the engine's ends that the text has
    int written = 0;  // the engine's ends
    int expected = 0; // the text's ends
    int cased = 0;
    int heard = 0;    // words heard right
    double errors = 0.0;
    int words = 0;

    void add(const Counts& other)
    {
        found += other.found;
        written += other.written;
        expected += other.expected;
        cased += other.cased;
        heard += other.heard;
        errors += other.errors;
        words += other.words;
    }
    double precision() const { return written ? double(found) / written : 0.0; }
    double recall() const { return expected ? double(found) / expected : 0.0; }
    double f1() const
    {
        const double sum = precision() + recall();
        return sum > 0 ? 2 * precision() * recall() / sum : 0.0;
    }
    void print(const char* name) const
    {
        std::printf("  %-6s boundaries P %.3f R %.3f F1 %.3f (%d of %d, %d written) | cased %.3f | WER %.3f\n", name,
                    precision(), recall(), f1(), found, expected, written, heard ? double(cased) / heard : 0.0,
                    words ? errors / words : 0.0);
    }
};

Counts compare(const Written& text, const Written& heard)
{
    Counts counts;
    counts.expected = int(std::count(text.ends.begin(), text.ends.end(), true));
    counts.words = text.words.size();
    counts.errors = nxWordErrorRate(text.plain, heard.plain) * counts.words;
    const std::vector<int> aligned = nxAlignedWords(text.plain, heard.plain);
    for (int j = 0; j < heard.words.size(); ++j) {
        const int i = aligned[size_t(j)];
        if (heard.ends[size_t(j)]) {
            ++counts.written;
            counts.found += i >= 0 && text.ends[size_t(i)];
        }
        if (i >= 0 && text.plain[i] == heard.plain[j]) {
            ++counts.heard;
            counts.cased += text.words[i] == heard.words[j];
        }
    }
    return counts;
}

// What the engine's job writes for `wav`, its cues' lines joined.
QString transcribed(const QString& wav)
{
    NxOfflineTranscriber transcriber(NxRecognizerPool::recognizersForThisMachine());
    NxSpeechToTextJob job({NxMediaSpan{wav}}, QStringLiteral("en-US"), false);
    const std::atomic<bool> stop{false};
    const NxSpeechToTextJob::Outcome outcome = job.run(transcriber, stop, {}, {});
    if (outcome.state != NxSpeechToTextState::Completed)
        fail("the engine did not complete the transcription");
    QStringList lines;
    for (const NxSubtitleCue& cue : outcome.cues)
        lines += cue.lines;
    return lines.join(QLatin1Char(' '));
}
} // namespace

int main(int argc, char** argv)
{
    const NxTestHome home;
    QCoreApplication app(argc, argv);
    QStringList voices = app.arguments().mid(1);
    if (voices.isEmpty())
        voices = QStringList{"slt", "rms", "awb", "kal16"};

    const QString text = home.path() + QStringLiteral("/fables.txt");
    QFile file(text);
    if (!file.open(QIODevice::WriteOnly) || file.write(NxFables) < 0)
        fail("cannot write the fables");
    file.close();
    const Written reference = written(QString::fromUtf8(NxFables));

    std::printf("sentences in the offline transcript of read prose (target: boundary F1 >= %.2f)\n", BoundaryTarget);
    Counts total;
    for (const QString& voice : voices) {
        const QString wav = home.path() + QStringLiteral("/fables-%1.wav").arg(voice);
        if (QProcess::execute(QStringLiteral("flite"), {"-voice", voice, "-f", text, "-o", wav}) != 0)
            fail("the flite program could not read the fables");
        const Counts counts = compare(reference, written(transcribed(wav)));
        counts.print(qPrintable(voice));
        total.add(counts);
    }
    total.print("all");
    return 0;
}
