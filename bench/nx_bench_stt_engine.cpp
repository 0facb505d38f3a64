// Offline speech-to-text on one recording, the engine's whole pipeline
// against the pocketsphinx_continuous program, in the same run:
//   build/bench/nx-bench-stt-engine [runs]
//
// The recording is pocketsphinx's five read librivox sentences, twice over
// (49.5 s of 16 kHz mono), joined by the ffmpeg program into a temporary folder.
//   pipeline  a material task through NxOfflineSpeechToTextManager, from
//             addMaterialTask to the completion report: FFmpeg decoding,
//             segmentation, recognition, cues. A fresh manager each run, so
//             it loads its models as the program does.
//   program   `pocketsphinx_continuous -infile <wav> -hmm -lm -dict` with the
//             same models, via QProcess (its own voice activity detection).
// Each figure is the median of the runs (3 unless given), after one warm-up
// run of each; the real-time factor is processing time over audio length
// (lower is faster). Wall-clock time is what a user waits; CPU time (user +
// system, of this process or of the child) is what the work costs, and holds
// steady when other programs load the machine. Word error rates against the
// recordings' transcription show that both did the same work.

#include "NxBenchSupport.h"
#include "NxMediaFile.h"
#include "NxOfflineSpeechToTextManager.h"
#include "NxUsageAllowance.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <sys/resource.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace
{
const QString Data = QStringLiteral("/usr/share/pocketsphinx/test/data/librivox");
const QString Model = QStringLiteral("/usr/share/pocketsphinx/model/en-us");
using Info = NxSpeechToTextTaskInfo;

struct Timing
{
    double wall = 0.0; // seconds
    double cpu = 0.0;  // seconds
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

// Waits on the bench's thread for the report that ends the task.
class Completion final : public INxSpeechToTextTaskManagerCallBack
{
public:
    void onTaskStateChanged(const Info& info) override
    {
        if (info.state != Info::Completed && info.state != Info::ScanFailed && info.state != Info::TranscodeFailed
            && info.state != Info::TranscribeFailed)
            return;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state = info.state;
        m_wake.notify_all();
    }
    void onRemainingChanged(int) override {}

    int wait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait(lock, [this] { return m_state != 0; });
        return m_state;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    int m_state = 0;
};

QStringList wordsOf(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

double wordErrorRate(const QStringList& reference, const QStringList& heard)
{
    std::vector<int> row(size_t(heard.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (int i = 1; i <= reference.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= heard.size(); ++j) {
            const int substitution = diagonal + (reference[i - 1] != heard[j - 1]);
            diagonal = row[size_t(j)];
            row[size_t(j)] = std::min({row[size_t(j)] + 1, row[size_t(j) - 1] + 1, substitution});
        }
    }
    return double(row.back()) / reference.size();
}

// The whole pipeline's time; the recognised words into `heard`.
Timing runPipeline(const QString& wav, double seconds, const QString& srt, QStringList& heard)
{
    NxUsageAllowance::instance().topUp(int(seconds) + 1, 0);
    auto* manager = new NxOfflineSpeechToTextManager;
    Completion completion;
    manager->setCallBack(&completion);
    NxMediaFile media(wav, INxAbstractMedia::Audio, NxRational{100, 1}, qint64(seconds * 100));

    // The bench's own thread sleeps meanwhile: the process's CPU time is the worker's.
    const double cpu = cpuSeconds(RUSAGE_SELF);
    const auto start = NxBench::Clock::now();
    const int id = manager->addMaterialTask(&media, QStringLiteral("en-US"));
    if (completion.wait() != Info::Completed)
        fail("the pipeline did not complete its task");
    const Timing elapsed{NxBench::millisecondsSince(start) / 1000.0, cpuSeconds(RUSAGE_SELF) - cpu};

    manager->exportSubtitles(id, srt);
    manager->setCallBack(nullptr);
    manager->release();
    QFile file(srt);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail("the pipeline wrote no subtitles");
    heard.clear();
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (!line.contains(QStringLiteral("-->")) && !QRegularExpression(QStringLiteral("^\\d+$")).match(line).hasMatch())
            heard += wordsOf(line);
    }
    return elapsed;
}

// The program's time; its words into `heard`.
Timing runProgram(const QString& wav, QStringList& heard)
{
    QProcess program;
    program.setStandardErrorFile(QProcess::nullDevice());
    const double cpu = cpuSeconds(RUSAGE_CHILDREN);
    const auto start = NxBench::Clock::now();
    program.start(QStringLiteral("pocketsphinx_continuous"),
                  {"-infile", wav, "-hmm", Model + "/en-us", "-lm", Model + "/en-us.lm.bin", "-dict",
                   Model + "/cmudict-en-us.dict"});
    if (!program.waitForFinished(-1) || program.exitCode() != 0)
        fail("pocketsphinx_continuous did not run");
    const Timing elapsed{NxBench::millisecondsSince(start) / 1000.0, cpuSeconds(RUSAGE_CHILDREN) - cpu};
    heard = wordsOf(QString::fromUtf8(program.readAllStandardOutput()));
    return elapsed;
}
} // namespace

int main(int argc, char** argv)
{
    const NxBench::Home home;
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    QFile transcription(Data + QStringLiteral("/transcription"));
    if (!transcription.open(QIODevice::ReadOnly | QIODevice::Text))
        fail("pocketsphinx-testdata is not installed");
    QStringList recordings;
    QStringList reference;
    static const QRegularExpression line(QStringLiteral(R"(^<s> (.*) </s> \((.*)\)$)"));
    for (const QString& text : QString::fromUtf8(transcription.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = line.match(text.trimmed());
        recordings += Data + QStringLiteral("/%1.wav").arg(match.captured(2));
        reference += wordsOf(match.captured(1));
    }
    recordings += recordings;
    reference += reference;
    const QString wav = home.path() + QStringLiteral("/speech.wav");
    QStringList arguments{"-nostdin", "-loglevel", "error", "-y"};
    for (const QString& recording : recordings)
        arguments += {"-i", recording};
    arguments += {"-filter_complex", QStringLiteral("concat=n=%1:v=0:a=1").arg(recordings.size()), "-ar", "16000",
                  "-ac", "1", "-c:a", "pcm_s16le", "-fflags", "+bitexact", "-map_metadata", "-1", wav};
    if (QProcess::execute(QStringLiteral("ffmpeg"), arguments) != 0)
        fail("ffmpeg could not join the recordings");
    const double seconds = (QFile(wav).size() - 44) / 32000.0; // a plain 44-byte header, then 16-bit mono at 16 kHz
    const QString srt = home.path() + QStringLiteral("/speech.srt");

    QStringList pipelineWords;
    QStringList programWords;
    runPipeline(wav, seconds, srt, pipelineWords);
    runProgram(wav, programWords);
    std::vector<double> pipelineWall, pipelineCpu, programWall, programCpu;
    for (int run = 0; run < runs; ++run) {
        const Timing pipeline = runPipeline(wav, seconds, srt, pipelineWords);
        const Timing program = runProgram(wav, programWords);
        pipelineWall.push_back(pipeline.wall);
        pipelineCpu.push_back(pipeline.cpu);
        programWall.push_back(program.wall);
        programCpu.push_back(program.cpu);
        std::printf("run %d: pipeline %.2f s (cpu %.2f s), program %.2f s (cpu %.2f s)\n", run + 1, pipeline.wall,
                    pipeline.cpu, program.wall, program.cpu);
    }
    const Timing pipeline{NxBench::median(pipelineWall), NxBench::median(pipelineCpu)};
    const Timing program{NxBench::median(programWall), NxBench::median(programCpu)};
    std::printf("audio     %.1f s, %d runs (medians)\n", seconds, runs);
    std::printf("pipeline  wall %.2f s RTF %.3f | cpu %.2f s RTF %.3f | WER %.2f\n", pipeline.wall,
                pipeline.wall / seconds, pipeline.cpu, pipeline.cpu / seconds, wordErrorRate(reference, pipelineWords));
    std::printf("program   wall %.2f s RTF %.3f | cpu %.2f s RTF %.3f | WER %.2f\n", program.wall,
                program.wall / seconds, program.cpu, program.cpu / seconds, wordErrorRate(reference, programWords));
    std::printf("pipeline / program  wall %.2fx, cpu %.2fx (target <= 1.2x)\n", pipeline.wall / program.wall,
                pipeline.cpu / program.cpu);
    return 0;
}
