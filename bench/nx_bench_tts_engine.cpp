// Offline synthesis of one paragraph into MP3, the engine against the
// espeak-ng and lame programs, in the same run:
//   build/bench/nx-bench-tts-engine [runs]
//
// All paths speak the same text with the same voice ("en-us+m1") at the
// same rate (175 wpm) into 22050 Hz mono MP3 at 64 kbit/s:
//   engine   NxSpeechSynthesizer + NxMp3Encoder, called directly;
//   task     a title task through NxOfflineTextToSpeechManager, from
//            addTask to the completion report (worker thread, storage);
//   programs `espeak-ng -w out.wav` then `lame out.wav out.mp3` via QProcess.
// Each figure is the median of the runs, after one warm-up run; the
// real-time factor is processing time over audio length (lower is faster).

#include "NxBenchSupport.h"
#include "NxMp3Encoder.h"
#include "NxOfflineTextToSpeechManager.h"
#include "NxSpeechSynthesizer.h"
#include "NxTitleClip.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

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
}

int main(int argc, char** argv)
{
    using namespace NxBench;
    const Home home;
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    const QString text = QString::fromLatin1(Paragraph);
    const QString wav = home.path() + QStringLiteral("/out.wav");
    const QString programMp3 = home.path() + QStringLiteral("/out.mp3");
    const QString engineMp3 = home.path() + QStringLiteral("/engine.mp3");

    NxTitleClip clip(QStringLiteral("Bench"), NxRational{25, 1}, 0, 250);
    clip.addText(text);
    Completion completion;
    auto* manager = new NxOfflineTextToSpeechManager;
    manager->setCallBack(&completion);
    NxTextToSpeechTaskRequest request;
    request.clip = &clip;
    request.voice = QStringLiteral("en-US-m1"); // en-us+m1 in the catalogue
    request.speed = 0;
    request.intonation = 0;

    std::vector<double> engine, task, programs;
    double audioSeconds = 0;
    for (int i = 0; i <= runs; ++i) {
        Clock::time_point start = Clock::now();
        QVector<qint16> samples;
        if (!NxSpeechSynthesizer("en-us+m1", 0, 0).synthesize(text, &samples)
            || !NxMp3Encoder::encode(samples, NxSpeechSynthesizer::SampleRate, engineMp3)) {
            std::fprintf(stderr, "engine synthesis failed\n");
            return 1;
        }
        const double engineMs = millisecondsSince(start);
        audioSeconds = samples.size() / double(NxSpeechSynthesizer::SampleRate);

        start = Clock::now();
        int taskId = -1;
        manager->addTask(request, &taskId, nullptr, nullptr, nullptr);
        if (taskId < 0 || !completion.wait()) {
            std::fprintf(stderr, "engine task failed\n");
            return 1;
        }
        const double taskMs = millisecondsSince(start);
        manager->removeTask(taskId);

        start = Clock::now();
        if (!run(QStringLiteral("espeak-ng"), {"-v", "en-us+m1", "-s", "175", "-w", wav, text})
            || !run(QStringLiteral("lame"), {"--quiet", "-b", "64", "-m", "m", wav, programMp3})) {
            std::fprintf(stderr, "espeak-ng or lame failed\n");
            return 1;
        }
        const double programsMs = millisecondsSince(start);
        if (i == 0) {
            std::printf("warm-up: engine %.1f ms (espeak-ng initialisation included), task %.1f ms, programs %.1f ms\n",
                        engineMs, taskMs, programsMs);
            continue;
        }
        engine.push_back(engineMs);
        task.push_back(taskMs);
        programs.push_back(programsMs);
    }
    manager->setCallBack(nullptr);
    manager->release();

    const double engineMs = median(engine), taskMs = median(task), programsMs = median(programs);
    const auto rtf = [&](double ms) { return ms / 1000.0 / audioSeconds; };
    std::printf("text: %d words, %.2f s of speech; %d runs (median)\n", int(text.split(' ').size()), audioSeconds,
                runs);
    std::printf("engine    %8.1f ms  RTF %.4f  (%lld bytes)\n", engineMs, rtf(engineMs),
                static_cast<long long>(QFileInfo(engineMp3).size()));
    std::printf("task      %8.1f ms  RTF %.4f\n", taskMs, rtf(taskMs));
    std::printf("programs  %8.1f ms  RTF %.4f  (%lld bytes)\n", programsMs, rtf(programsMs),
                static_cast<long long>(QFileInfo(programMp3).size()));
    std::printf("engine / programs %.2fx, task / programs %.2fx (target <= 1.00x)\n", engineMs / programsMs,
                taskMs / programsMs);
    return 0;
}
