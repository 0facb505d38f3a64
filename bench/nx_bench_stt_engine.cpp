// Offline speech-to-text: the engine's whole pipeline against the
// pocketsphinx_continuous program on the same audio, in the same run:
//   build/bench/nx-bench-stt-engine [runs]
//
// Accuracy: word error rate against the text, per set.
//   read   pocketsphinx's five read librivox sentences, joined (49.5 s);
//   prose  a paragraph of ordinary prose read by Flite's slt, rms, awb and
//          kal16 voices, one after the other (the flite program).
// Speed: a 10-minute recording, the read sentences with a second of silence
// after each, over and over, joined by the ffmpeg program.
//   pipeline  a material task through NxOfflineSpeechToTextManager, from
//             addMaterialTask to the completion report: FFmpeg decoding,
//             segmentation, recognition on every core, cues. A fresh manager
//             each run, so it loads its models as the program does.
//   program   `pocketsphinx_continuous -infile <wav> -hmm -lm -dict` with the
//             same models and its default settings, via QProcess (its own
//             voice activity detection).
// Each time is the median of the runs (3 unless given), after one warm-up run
// of each, the two taking turns so that both meet the same machine; CPU time
// (user + system, of this process or of the child) is what the work costs.
// The same recording heard by a single recogniser must give the same words:
// splitting it over the cores loses nothing.

#include "NxBenchSupport.h"
#include "NxMediaFile.h"
#include "NxOfflineSpeechToTextManager.h"
#include "NxProseSample.h"
#include "NxOfflineTranscriber.h"
#include "NxSpeechToTextJob.h"
#include "NxTestHome.h"
#include "NxUsageAllowance.h"
#include "NxWordErrorRate.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <sys/resource.h>

#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace
{
const QString Data = QStringLiteral("/usr/share/pocketsphinx/test/data/librivox");
const QString Model = QStringLiteral("/usr/share/pocketsphinx/model/en-us");
const QStringList FliteVoices{"slt", "rms", "awb", "kal16"};
constexpr double LongRecording = 600.0; // seconds
constexpr double WallTarget = 0.6;      // pipeline over program, on the long recording
constexpr double ErrorTarget = 0.85;    // pipeline over program, per set
using Info = NxSpeechToTextTaskInfo;

struct Timing
{
    double wall = 0.0; // seconds
    double cpu = 0.0;  // seconds
};

// A recording and what is said in it.
struct Speech
{
    QString name;
    QString wav;
    QStringList reference;
    double seconds = 0.0;
};

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "nx-bench-stt-engine: %s\n", what);
    std::exit(1);
}

void ffmpeg(QStringList arguments, const char* what)
{
    arguments = QStringList{"-nostdin", "-loglevel", "error", "-y"} + arguments;
    if (QProcess::execute(QStringLiteral("ffmpeg"), arguments) != 0)
        fail(what);
}

// 16 kHz mono 16-bit samples after a plain 44-byte header, as ffmpeg writes them here.
double secondsOf(const QString& wav)
{
    return double(QFile(wav).size() - 44) / 32000.0;
}

QStringList pcmOutput(const QString& wav)
{
    return {"-ar", "16000", "-ac", "1", "-c:a", "pcm_s16le", "-fflags", "+bitexact", "-map_metadata", "-1", wav};
}

QStringList wordsOf(const std::vector<NxSubtitleCue>& cues)
{
    QStringList words;
    for (const NxSubtitleCue& cue : cues)
        words += nxNormalisedWords(cue.lines.join(QLatin1Char(' ')));
    return words;
}

// The whole pipeline's time; the recognised words into `heard`.
Timing runPipeline(const Speech& speech, const QString& srt, QStringList& heard)
{
    NxUsageAllowance::instance().topUp(int(speech.seconds) + 1, 0);
    auto* manager = new NxOfflineSpeechToTextManager;
    NxBench::SpeechToTextCompletion completion;
    manager->setCallBack(&completion);
    NxMediaFile media(speech.wav, INxAbstractMedia::Audio, NxRational{100, 1}, qint64(speech.seconds * 100));

    // The bench's own thread sleeps meanwhile: the process's CPU time is the engine's.
    const double cpu = cpuSeconds(RUSAGE_SELF);
    const auto start = NxBench::Clock::now();
    const int id = manager->addMaterialTask(&media, QStringLiteral("en-US"));
    if (completion.wait() != Info::Completed)
        fail("the pipeline did not complete its task");
    const Timing elapsed{NxBench::millisecondsSince(start) / 1000.0, cpuSeconds(RUSAGE_SELF) - cpu};

    // An export never replaces a file: the last run's goes first.
    QFile::remove(srt);
    manager->exportSubtitles(id, srt);
    manager->setCallBack(nullptr);
    manager->release();
    QFile file(srt);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail("the pipeline wrote no subtitles");
    heard.clear();
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (!line.contains(QStringLiteral("-->")) && !number.match(line).hasMatch())
            heard += nxNormalisedWords(line);
    }
    return elapsed;
}

// The program's time; its words into `heard`.
Timing runProgram(const Speech& speech, QStringList& heard)
{
    QProcess program;
    program.setStandardErrorFile(QProcess::nullDevice());
    const double cpu = cpuSeconds(RUSAGE_CHILDREN);
    const auto start = NxBench::Clock::now();
    program.start(QStringLiteral("pocketsphinx_continuous"),
                  {"-infile", speech.wav, "-hmm", Model + "/en-us", "-lm", Model + "/en-us.lm.bin", "-dict",
                   Model + "/cmudict-en-us.dict"});
    if (!program.waitForFinished(-1) || program.exitCode() != 0)
        fail("pocketsphinx_continuous did not run");
    const Timing elapsed{NxBench::millisecondsSince(start) / 1000.0, cpuSeconds(RUSAGE_CHILDREN) - cpu};
    heard = nxNormalisedWords(QString::fromUtf8(program.readAllStandardOutput()));
    return elapsed;
}

// The words of the long recording heard by one recogniser alone.
QStringList heardByOneRecognizer(const Speech& speech)
{
    NxOfflineTranscriber one(1);
    NxSpeechToTextJob job({NxMediaSpan{speech.wav}}, QStringLiteral("en-US"), false);
    const std::atomic<bool> stop{false};
    const NxSpeechToTextJob::Outcome outcome = job.run(one, stop, {}, {});
    if (outcome.state != NxSpeechToTextState::Completed)
        fail("one recogniser did not complete the long recording");
    return wordsOf(outcome.cues);
}

// pocketsphinx's read sentences joined, with their transcription; `pause`
// seconds of silence after each.
Speech readSentences(const QString& folder, const QString& name, double pause)
{
    QFile transcription(Data + QStringLiteral("/transcription"));
    if (!transcription.open(QIODevice::ReadOnly | QIODevice::Text))
        fail("pocketsphinx-testdata is not installed");
    Speech speech{name, folder + QLatin1Char('/') + name + QStringLiteral(".wav"), {}, 0.0};
    QStringList inputs;
    QString graph;
    int count = 0;
    static const QRegularExpression line(QStringLiteral(R"(^<s> (.*) </s> \((.*)\)$)"));
    for (const QString& text : QString::fromUtf8(transcription.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = line.match(text.trimmed());
        inputs += {"-i", Data + QStringLiteral("/%1.wav").arg(match.captured(2))};
        speech.reference += nxNormalisedWords(match.captured(1));
        graph += QStringLiteral("[%1:a]").arg(count++);
        if (pause > 0) {
            inputs += {"-f", "lavfi", "-t", QString::number(pause), "-i", "anullsrc=r=16000:cl=mono"};
            graph += QStringLiteral("[%1:a]").arg(count++);
        }
    }
    ffmpeg(inputs + QStringList{"-filter_complex", graph + QStringLiteral("concat=n=%1:v=0:a=1").arg(count)}
               + pcmOutput(speech.wav),
           "ffmpeg could not join the recordings");
    speech.seconds = secondsOf(speech.wav);
    return speech;
}

// The read sentences over and over, for at least `seconds`.
Speech longRecording(const QString& folder, double seconds)
{
    const Speech round = readSentences(folder, QStringLiteral("round"), 1.0);
    const int rounds = int(std::ceil(seconds / round.seconds));
    Speech speech{QStringLiteral("long"), folder + QStringLiteral("/long.wav"), {}, 0.0};
    for (int i = 0; i < rounds; ++i)
        speech.reference += round.reference;
    ffmpeg({"-stream_loop", QString::number(rounds - 1), "-i", round.wav, "-c", "copy", speech.wav},
           "ffmpeg could not repeat the recording");
    speech.seconds = secondsOf(speech.wav);
    return speech;
}

// The prose paragraph read by each Flite voice in turn.
Speech proseReadings(const QString& folder)
{
    Speech speech{QStringLiteral("prose"), folder + QStringLiteral("/prose.wav"), {}, 0.0};
    const QString text = folder + QStringLiteral("/prose.txt");
    QFile file(text);
    if (!file.open(QIODevice::WriteOnly) || file.write(NxProseParagraph) < 0)
        fail("cannot write the prose paragraph");
    file.close();
    QStringList inputs;
    for (const QString& voice : FliteVoices) {
        const QString wav = folder + QStringLiteral("/prose-%1.wav").arg(voice);
        if (QProcess::execute(QStringLiteral("flite"), {"-voice", voice, "-f", text, "-o", wav}) != 0)
            fail("the flite program could not speak the paragraph");
        inputs += {"-i", wav};
        speech.reference += nxNormalisedWords(QString::fromUtf8(NxProseParagraph));
    }
    ffmpeg(inputs + QStringList{"-filter_complex", QStringLiteral("concat=n=%1:v=0:a=1").arg(FliteVoices.size())}
               + pcmOutput(speech.wav),
           "ffmpeg could not join the readings");
    speech.seconds = secondsOf(speech.wav);
    return speech;
}
} // namespace

int main(int argc, char** argv)
{
    const NxTestHome home;
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const QString srt = home.path() + QStringLiteral("/speech.srt");

    std::printf("accuracy: word error rate, pipeline against program (target <= %.2fx)\n", ErrorTarget);
    for (const Speech& speech : {readSentences(home.path(), QStringLiteral("read"), 0.0), proseReadings(home.path())}) {
        QStringList pipelineWords;
        QStringList programWords;
        runPipeline(speech, srt, pipelineWords);
        runProgram(speech, programWords);
        const double pipeline = nxWordErrorRate(speech.reference, pipelineWords);
        const double program = nxWordErrorRate(speech.reference, programWords);
        std::printf("  %-6s %5.1f s, %3d words | pipeline WER %.3f | program WER %.3f | %.2fx\n",
                    qPrintable(speech.name), speech.seconds, int(speech.reference.size()), pipeline, program,
                    pipeline / program);
    }

    const Speech speech = longRecording(home.path(), LongRecording);
    QStringList pipelineWords;
    QStringList programWords;
    runPipeline(speech, srt, pipelineWords);
    runProgram(speech, programWords);
    std::vector<double> pipelineWall, pipelineCpu, programWall, programCpu;
    for (int run = 0; run < runs; ++run) {
        const Timing pipeline = runPipeline(speech, srt, pipelineWords);
        const Timing program = runProgram(speech, programWords);
        pipelineWall.push_back(pipeline.wall);
        pipelineCpu.push_back(pipeline.cpu);
        programWall.push_back(program.wall);
        programCpu.push_back(program.cpu);
        std::printf("run %d: pipeline %.2f s (cpu %.2f s), program %.2f s (cpu %.2f s), wall %.2fx\n", run + 1,
                    pipeline.wall, pipeline.cpu, program.wall, program.cpu, pipeline.wall / program.wall);
    }
    const Timing pipeline{NxBench::median(pipelineWall), NxBench::median(pipelineCpu)};
    const Timing program{NxBench::median(programWall), NxBench::median(programCpu)};
    const QStringList alone = heardByOneRecognizer(speech);
    std::printf("speed: %.1f s of audio, %d runs (medians), %d recognisers\n", speech.seconds, runs,
                NxRecognizerPool::recognizersForThisMachine());
    std::printf("  pipeline  wall %.2f s RTF %.3f | cpu %.2f s | WER %.3f\n", pipeline.wall,
                pipeline.wall / speech.seconds, pipeline.cpu, nxWordErrorRate(speech.reference, pipelineWords));
    std::printf("  program   wall %.2f s RTF %.3f | cpu %.2f s | WER %.3f\n", program.wall,
                program.wall / speech.seconds, program.cpu, nxWordErrorRate(speech.reference, programWords));
    std::printf("  pipeline / program  wall %.2fx (target <= %.2fx), cpu %.2fx\n", pipeline.wall / program.wall,
                WallTarget, pipeline.cpu / program.cpu);
    std::printf("  one recogniser alone: %s words\n", alone == pipelineWords ? "the same" : "DIFFERENT");
    return 0;
}
