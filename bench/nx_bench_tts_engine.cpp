// Offline synthesis of one paragraph into MP3, the engine against the
// synthesisers' own programs and lame, in the same run:
//   build/bench/nx-bench-tts-engine [runs]
//
// Every path speaks the same text into 22050 Hz mono MP3 at 64 kbit/s, at
// the middle speed step, once with espeak-ng ("en-us+m1", 175 wpm) and once
// with Flite (the catalogue's "en-US-m1": rms at 100 Hz):
//   engine   NxSpeechSynthesizer + NxMp3Encoder, called directly;
//   task     (Flite) a title task through NxOfflineTextToSpeechManager, from
//            addTask to the completion report (worker thread, storage);
//   programs `espeak-ng -w out.wav` or `flite -o out.wav`, then
//            `lame out.wav out.mp3`, via QProcess.
// Each figure is the median of the runs, after one warm-up run; the
// real-time factor is processing time over audio length (lower is faster).
//
// Then a subtitle of 100 sentences in the same Flite voice: a subtitle task
// (each sentence into an MP3 of its own, side by side on the machine's
// cores) against `flite -o` and `lame` run for one sentence after another.

#include "NxBenchSupport.h"
#include "NxMp3Encoder.h"
#include "NxOfflineTextToSpeechManager.h"
#include "NxProseSample.h"
#include "NxSpeechSynthesizer.h"
#include "NxSubtitleClip.h"
#include "NxTestHome.h"
#include "NxTitleClip.h"
#include "NxUsageAllowance.h"
#include "NxVoiceCatalogue.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace
{
const char* const Paragraph =
    "Early on Saturday morning the small harbour town was still quiet. Fishing boats rocked gently against the "
    "wooden pier while gulls circled overhead, calling to one another. A baker opened his shop and the smell of "
    "fresh bread drifted along the narrow street. By nine o'clock the market square had filled with visitors, "
    "musicians and children chasing each other between the stalls.";

// Waits on the bench's thread for the manager's completion report.
class Completion final : public INxTextToSpeechTaskManagerCallBack
{
public:
    void onTaskStateChanged(const NxTextToSpeechTaskInfo& info) override
    {
        if (info.state != NxTextToSpeechTaskInfo::Completed && info.state != NxTextToSpeechTaskInfo::ScanFailed
            && info.state != NxTextToSpeechTaskInfo::ConvertFailed)
            return;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_ended = true;
        m_completed = info.state == NxTextToSpeechTaskInfo::Completed;
        m_wake.notify_all();
    }
    void onRemainingChanged(int) override {}
    void onSrtTaskProductProgress(const NxSrtTaskProductInfo&) override {}

    bool wait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait(lock, [this] { return m_ended; });
        m_ended = false;
        return m_completed;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_ended = false;
    bool m_completed = false;
};

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

struct Figures
{
    std::vector<double> engine, task, programs;
    double audioSeconds = 0;
};

// The engine's synthesis into MP3; its milliseconds.
double synthesize(const NxSynthesisVoice& voice, const QString& text, const QString& mp3, double* audioSeconds)
{
    const auto start = NxBench::Clock::now();
    QVector<qint16> samples;
    if (!NxSpeechSynthesizer(voice, 0, 0).synthesize(text, &samples)
        || !NxMp3Encoder::encode(samples, NxSpeechSynthesizer::SampleRate, mp3)) {
        std::fprintf(stderr, "engine synthesis failed\n");
        std::exit(1);
    }
    *audioSeconds = samples.size() / double(NxSpeechSynthesizer::SampleRate);
    return NxBench::millisecondsSince(start);
}

// The program's synthesis into a WAV file and lame's encoding; their milliseconds.
double runPrograms(const QString& program, const QStringList& arguments, const QString& wav, const QString& mp3)
{
    const auto start = NxBench::Clock::now();
    if (!run(program, arguments) || !run(QStringLiteral("lame"), {"--quiet", "-b", "64", "-m", "m", wav, mp3})) {
        std::fprintf(stderr, "%s or lame failed\n", qPrintable(program));
        std::exit(1);
    }
    return NxBench::millisecondsSince(start);
}

QStringList fliteArguments(const NxSynthesisVoice& flite, const QString& text, const QString& wav)
{
    return {"-voice", QString::fromLatin1(flite.name), "--setf", QStringLiteral("int_f0_target_mean=%1").arg(flite.pitch),
            "--setf", QStringLiteral("duration_stretch=%1").arg(flite.durationStretch), "-t", text, "-o", wav};
}

// 100 subtitle sentences, each in a slot long enough that none is sped up.
QStringList subtitleSentences()
{
    const QString prose = QString::fromLatin1(Paragraph) + QLatin1Char(' ') + QString::fromLatin1(NxProseParagraph);
    const QStringList distinct = prose.split(QStringLiteral(". "), Qt::SkipEmptyParts);
    QStringList sentences;
    for (int i = 0; sentences.size() < 100; ++i)
        sentences.append(distinct.at(i % distinct.size()).trimmed());
    return sentences;
}

void benchSubtitles(INxTextToSpeechTaskManager& manager, Completion& completion, const NxSynthesisVoice& flite,
                    const QString& folder, int runs)
{
    using namespace NxBench;
    const QStringList sentences = subtitleSentences();
    constexpr int SlotFrames = 25 * 15;
    NxSubtitleClip clip(QStringLiteral("Bench"), NxRational{25, 1}, 0, SlotFrames * sentences.size());
    for (int i = 0; i < sentences.size(); ++i)
        clip.addSentence(sentences.at(i), i * SlotFrames, (i + 1) * SlotFrames - 1);
    NxTextToSpeechTaskRequest request;
    request.clip = &clip;
    request.voice = QStringLiteral("en-US-m1");
    const QString wav = folder + QStringLiteral("/sentence.wav"), mp3 = folder + QStringLiteral("/sentence.mp3");
    std::vector<double> task, programs;
    for (int i = 0; i <= runs; ++i) {
        // Each run spends some 7,500 characters of the allowance.
        NxUsageAllowance::instance().topUp(0, 10000);
        const auto start = Clock::now();
        int taskId = -1;
        manager.addTask(request, &taskId, nullptr, nullptr, nullptr);
        if (taskId < 0 || !completion.wait()) {
            std::fprintf(stderr, "subtitle task failed\n");
            std::exit(1);
        }
        const double taskMs = millisecondsSince(start);
        manager.removeTask(taskId);
        const auto programsStart = Clock::now();
        for (const QString& sentence : sentences)
            runPrograms(QStringLiteral("flite"), fliteArguments(flite, sentence, wav), wav, mp3);
        const double programsMs = millisecondsSince(programsStart);
        if (i > 0) {
            task.push_back(taskMs);
            programs.push_back(programsMs);
        }
    }
    std::printf("Flite subtitle of %d sentences, %d cores: %d runs (median)\n", int(sentences.size()),
                QThread::idealThreadCount(), runs);
    std::printf("  task      %8.1f ms\n  programs  %8.1f ms  (one sentence after another)\n", median(task),
                median(programs));
    std::printf("  task / programs %.2fx (target <= 0.60x on 2 cores)\n", median(task) / median(programs));
}

void print(const char* name, const Figures& figures, int runs, const QString& engineMp3, const QString& programMp3)
{
    using NxBench::median;
    const double engineMs = median(figures.engine), programsMs = median(figures.programs);
    const auto rtf = [&](double ms) { return ms / 1000.0 / figures.audioSeconds; };
    std::printf("%s: %.2f s of speech; %d runs (median)\n", name, figures.audioSeconds, runs);
    std::printf("  engine    %8.1f ms  RTF %.4f  (%lld bytes)\n", engineMs, rtf(engineMs),
                static_cast<long long>(QFileInfo(engineMp3).size()));
    if (!figures.task.empty())
        std::printf("  task      %8.1f ms  RTF %.4f\n", median(figures.task), rtf(median(figures.task)));
    std::printf("  programs  %8.1f ms  RTF %.4f  (%lld bytes)\n", programsMs, rtf(programsMs),
                static_cast<long long>(QFileInfo(programMp3).size()));
    std::printf("  engine / programs %.2fx", engineMs / programsMs);
    if (!figures.task.empty())
        std::printf(", task / programs %.2fx", median(figures.task) / programsMs);
    std::printf(" (target <= 1.00x)\n");
}
}

int main(int argc, char** argv)
{
    using namespace NxBench;
    const NxTestHome home;
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    const QString text = QString::fromLatin1(Paragraph);
    const QString wav = home.path() + QStringLiteral("/out.wav");
    const auto mp3 = [&](const char* name) { return home.path() + QLatin1Char('/') + QLatin1String(name) + ".mp3"; };

    NxTitleClip clip(QStringLiteral("Bench"), NxRational{25, 1}, 0, 250);
    clip.addText(text);
    Completion completion;
    auto* manager = new NxOfflineTextToSpeechManager;
    manager->setCallBack(&completion);
    NxTextToSpeechTaskRequest request;
    request.clip = &clip;
    request.voice = QStringLiteral("en-US-m1");
    request.speed = 0;
    request.intonation = 0;
    const NxSynthesisVoice flite = NxVoiceCatalogue::instance().byCode(request.voice)->synthesis;
    NxSynthesisVoice espeak;
    espeak.name = "en-us+m1";

    Figures espeakFigures, fliteFigures;
    for (int i = 0; i <= runs; ++i) {
        const double espeakMs = synthesize(espeak, text, mp3("espeak"), &espeakFigures.audioSeconds);
        const double espeakProgramsMs = runPrograms(
            QStringLiteral("espeak-ng"), {"-v", "en-us+m1", "-s", "175", "-w", wav, text}, wav, mp3("espeak-program"));
        const double fliteMs = synthesize(flite, text, mp3("flite"), &fliteFigures.audioSeconds);
        auto start = Clock::now();
        int taskId = -1;
        manager->addTask(request, &taskId, nullptr, nullptr, nullptr);
        if (taskId < 0 || !completion.wait()) {
            std::fprintf(stderr, "engine task failed\n");
            return 1;
        }
        const double taskMs = millisecondsSince(start);
        manager->removeTask(taskId);
        const double fliteProgramsMs =
            runPrograms(QStringLiteral("flite"), fliteArguments(flite, text, wav), wav, mp3("flite-program"));
        if (i == 0) {
            std::printf("warm-up (library start included): espeak-ng engine %.1f ms, programs %.1f ms; "
                        "Flite engine %.1f ms, task %.1f ms, programs %.1f ms\n",
                        espeakMs, espeakProgramsMs, fliteMs, taskMs, fliteProgramsMs);
            continue;
        }
        espeakFigures.engine.push_back(espeakMs);
        espeakFigures.programs.push_back(espeakProgramsMs);
        fliteFigures.engine.push_back(fliteMs);
        fliteFigures.task.push_back(taskMs);
        fliteFigures.programs.push_back(fliteProgramsMs);
    }
    std::printf("text: %d words\n", int(text.split(' ').size()));
    print("espeak-ng", espeakFigures, runs, mp3("espeak"), mp3("espeak-program"));
    print("Flite", fliteFigures, runs, mp3("flite"), mp3("flite-program"));
    benchSubtitles(*manager, completion, flite, home.path(), runs);
    manager->setCallBack(nullptr);
    manager->release();
    return 0;
}
