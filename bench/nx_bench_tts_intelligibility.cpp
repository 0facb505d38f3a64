// How well the English voices are understood: each speaks one paragraph of
// ordinary prose, once with Flite as the catalogue has it and once with the
// espeak-ng voice and variant the id spoke with before, and the engine's own
// speech-to-text transcribes both; the table gives the word error rates:
//   build/bench/nx-bench-tts-intelligibility
//
// The speech is the engine's product (22050 Hz mono MP3 at 64 kbit/s, speed
// and intonation at their middle steps), transcribed as a material task
// through NxOfflineSpeechToTextManager; one manager serves every task, each
// of which starts from the recogniser's loaded state. Word error rate is the
// word-level Levenshtein distance over the paragraph's word count, on
// lower-case words without punctuation.

#include "NxBenchSupport.h"
#include "NxMediaFile.h"
#include "NxMp3Encoder.h"
#include "NxOfflineSpeechToTextManager.h"
#include "NxSpeechSynthesizer.h"
#include "NxTestHome.h"
#include "NxUsageAllowance.h"
#include "NxVoiceCatalogue.h"
#include "NxWordErrorRate.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace
{
using Info = NxSpeechToTextTaskInfo;

// Everyday words in US spelling, all in the recogniser's dictionary.
const char* const Paragraph =
    "On Saturday morning the small town by the river was still quiet. A baker opened his shop, and the smell of "
    "fresh bread drifted along the narrow street. Children walked their dogs past the library while their parents "
    "carried coffee to the market. By noon the square had filled with visitors, musicians and families looking for "
    "a place to sit in the shade. Nobody was in a hurry, and the afternoon passed slowly.";

[[noreturn]] void fail(const QString& what)
{
    std::fprintf(stderr, "nx-bench-tts-intelligibility: %s\n", qPrintable(what));
    std::exit(1);
}

// The espeak-ng voice an English id spoke with before it moved to Flite.
QByteArray formerEspeakVoice(const NxCatalogueVoice& voice)
{
    static const QList<QPair<QString, QByteArray>> vocalists = {
        {"Luca", "en-us+m2"}, {"Emily", "en-us+Alicia"}, {"Abby", "en-us+Andrea"}, {"Andy", "en-us+Andy"}};
    for (const auto& [code, espeak] : vocalists) {
        if (voice.info.code == code)
            return espeak;
    }
    const QByteArray language = voice.info.languageCode == QLatin1String("en-GB") ? "en" : "en-us";
    return language + '+' + voice.info.code.section(QLatin1Char('-'), 2).toLatin1();
}

class Listener
{
public:
    explicit Listener(const QString& folder)
        : m_folder(folder)
    {
        m_manager->setCallBack(&m_completion);
    }
    ~Listener()
    {
        m_manager->setCallBack(nullptr);
        m_manager->release();
    }

    // The engine's speech of the paragraph, transcribed back into words.
    QStringList hear(const NxSynthesisVoice& voice)
    {
        QVector<qint16> samples;
        QString error;
        const QString mp3 = m_folder + QStringLiteral("/speech.mp3");
        if (!NxSpeechSynthesizer(voice, 0, 0).synthesize(QString::fromLatin1(Paragraph), &samples, nullptr, &error)
            || !NxMp3Encoder::encode(samples, NxSpeechSynthesizer::SampleRate, mp3, &error))
            fail(QString::fromLatin1(voice.name) + QStringLiteral(": ") + error);
        const double seconds = samples.size() / double(NxSpeechSynthesizer::SampleRate);
        NxUsageAllowance::instance().topUp(int(seconds) + 1, 0);
        NxMediaFile media(mp3, INxAbstractMedia::Audio, NxRational{100, 1}, qint64(seconds * 100));
        const int id = m_manager->addMaterialTask(&media, QStringLiteral("en-US"));
        if (m_completion.wait() != Info::Completed)
            fail(QStringLiteral("the transcription of %1 failed").arg(QString::fromLatin1(voice.name)));
        const QString srt = m_folder + QStringLiteral("/speech.srt");
        m_manager->exportSubtitles(id, srt);
        m_manager->removeTask(id);
        QFile file(srt);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            fail(QStringLiteral("no subtitles were written"));
        static const QRegularExpression cueLine(QStringLiteral("^\\d+$|-->"));
        QStringList words;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (!cueLine.match(line).hasMatch())
                words += nxNormalisedWords(line);
        }
        return words;
    }

private:
    QString m_folder;
    NxBench::SpeechToTextCompletion m_completion;
    NxOfflineSpeechToTextManager* m_manager = new NxOfflineSpeechToTextManager;
};
} // namespace

int main(int argc, char** argv)
{
    const NxTestHome home;
    QCoreApplication app(argc, argv);
    QList<NxCatalogueVoice> english;
    const NxVoiceCatalogue& catalogue = NxVoiceCatalogue::instance();
    for (const QList<NxCatalogueVoice>* list : {&catalogue.voices(), &catalogue.vocalists()}) {
        for (const NxCatalogueVoice& voice : *list) {
            if (voice.info.languageCode.startsWith(QLatin1String("en-")))
                english.append(voice);
        }
    }
    const QStringList reference = nxNormalisedWords(QString::fromLatin1(Paragraph));
    Listener listener(home.path());

    std::printf("paragraph: %d words; word error rate of the engine's speech-to-text\n", int(reference.size()));
    std::printf("%-4s %-10s %-8s | %-14s %6s | %-22s %6s\n", "id", "code", "name", "espeak-ng", "WER", "Flite", "WER");
    double espeakSum = 0;
    double fliteSum = 0;
    int clearer = 0;
    for (const NxCatalogueVoice& voice : qAsConst(english)) {
        NxSynthesisVoice espeak;
        espeak.name = formerEspeakVoice(voice);
        const double espeakWer = nxWordErrorRate(reference, listener.hear(espeak));
        const double fliteWer = nxWordErrorRate(reference, listener.hear(voice.synthesis));
        espeakSum += espeakWer;
        fliteSum += fliteWer;
        clearer += fliteWer < espeakWer;
        const QString flite = QStringLiteral("%1 %2 Hz x%3").arg(QString::fromLatin1(voice.synthesis.name))
                                  .arg(voice.synthesis.pitch).arg(voice.synthesis.durationStretch, 0, 'f', 2);
        std::printf("%-4d %-10s %-8s | %-14s %6.3f | %-22s %6.3f\n", voice.info.id, qPrintable(voice.info.code),
                    qPrintable(voice.info.showName), espeak.name.constData(), espeakWer, qPrintable(flite), fliteWer);
        std::fflush(stdout);
    }
    const double espeakMean = espeakSum / english.size();
    const double fliteMean = fliteSum / english.size();
    std::printf("mean over %d voices: espeak-ng %.3f, Flite %.3f (Flite / espeak-ng %.2fx)\n", int(english.size()),
                espeakMean, fliteMean, fliteMean / espeakMean);
    std::printf("Flite understood better on %d of %d ids (target: all)\n", clearer, int(english.size()));
    return 0;
}
