// Voice preview latency: from play() (what a double-click on a voice tile or
// "Try Listen" calls) to the first audible sample reaching the sound server,
// with the offline audition playing into a private PulseAudio null sink:
//   build/bench/nx-bench-tts-preview [runs]
//
// The sink's monitor is recorded in 10 ms chunks, so each figure may be up
// to 10 ms late. The first preview of the process also starts espeak-ng and
// Qt's sound-server connection; it is shown apart. Each later figure is the
// median of the runs; every preview plays to its end before the next starts.

#include "NxBenchSupport.h"
#include "NxOfflineTextToSpeechAudition.h"
#include "NxPulseNullSink.h"
#include "NxTestHome.h"

#include <QCoreApplication>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace
{
constexpr double TargetMs = 300;

// Waits on the bench's thread for the audition's stop.
class Ending final : public INxTextToSpeechAuditionObserver
{
public:
    void onAuditionPlay() override {}
    void onAuditionStop() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopped = true;
        m_wake.notify_all();
    }
    void wait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait(lock, [this] { return m_stopped; });
        m_stopped = false;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopped = false;
};

// Milliseconds from play() to the first sound, or a negative number when none came.
double previewLatency(NxOfflineTextToSpeechAudition& audition, Ending& ending, NxPulseNullSink& sink)
{
    sink.resetHeard();
    const NxBench::Clock::time_point start = NxBench::Clock::now();
    if (!audition.play())
        return -1;
    ending.wait();
    if (sink.audibleSamples() == 0)
        return -1;
    return std::chrono::duration<double, std::milli>(sink.firstSound() - start).count();
}
}

int main(int argc, char** argv)
{
    using namespace NxBench;
    const NxTestHome home;
    NxPulseNullSink sink; // before Qt Multimedia looks for a device
    QCoreApplication app(argc, argv);
    if (!sink.isRunning()) {
        std::fprintf(stderr, "no sound server: %s\n", qPrintable(sink.failure()));
        return 1;
    }
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 10;

    struct Voice { const char* name; int id; int speed; int intonation; };
    // A voice-list voice and a classic vocalist, at the dialogs' usual steps.
    const Voice voices[] = {{"en-US voice 73 ", 73, 0, 0}, {"vocalist Aida  ", 260, 0, 0}};
    Ending ending;
    auto* audition = new NxOfflineTextToSpeechAudition;
    audition->setObserver(&ending);
    bool met = true;
    for (const Voice& voice : voices) {
        audition->setVoice(voice.id);
        audition->setSpeed(voice.speed);
        audition->setIntonation(voice.intonation);
        const double first = previewLatency(*audition, ending, sink);
        std::vector<double> latencies;
        for (int i = 0; i < runs; ++i)
            latencies.push_back(previewLatency(*audition, ending, sink));
        const double worst = *std::max_element(latencies.begin(), latencies.end());
        if (first < 0 || *std::min_element(latencies.begin(), latencies.end()) < 0) {
            std::fprintf(stderr, "%s: a preview was not heard\n", voice.name);
            return 1;
        }
        std::printf("%s first %6.1f ms, median %6.1f ms, worst %6.1f ms over %d runs (target <= %.0f ms)\n",
                    voice.name, first, median(latencies), worst, runs, TargetMs);
        met = met && median(latencies) <= TargetMs;
    }
    audition->setObserver(nullptr);
    audition->release();
    std::printf("%s\n", met ? "target met" : "target missed");
    return 0;
}
