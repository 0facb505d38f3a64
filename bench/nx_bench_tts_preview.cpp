// Voice preview latency: from play() (what a double-click on a voice tile or
// "Try Listen" calls) to the first audible sample reaching the sound server,
// with the offline audition playing into a private PulseAudio null sink, for
// every voice that speaks with Flite (the English voices and vocalists) and
// one espeak-ng vocalist:
//   build/bench/nx-bench-tts-preview [runs]
//
// The sink's monitor is recorded in 10 ms chunks, so each figure may be up
// to 10 ms late. A voice's first preview is shown apart (the process's very
// first also starts the libraries and Qt's sound-server connection); then
// the median and worst of the runs. Each preview is stopped once heard.

#include "NxBenchSupport.h"
#include "NxOfflineTextToSpeechAudition.h"
#include "NxPulseNullSink.h"
#include "NxTestHome.h"
#include "NxVoiceCatalogue.h"

#include <QCoreApplication>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace
{
constexpr double TargetMedianMs = 50;
constexpr double TargetWorstMs = 80;

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
    const NxBench::Clock::time_point giveUp = start + std::chrono::seconds(3);
    while (sink.audibleSamples() == 0 && NxBench::Clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    audition.stop();
    ending.wait();
    if (sink.audibleSamples() == 0)
        return -1;
    const double latency = std::chrono::duration<double, std::milli>(sink.firstSound() - start).count();
    // The sound server still plays what it was given: the next preview is timed from silence.
    do {
        sink.resetHeard();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (sink.audibleSamples() > 0);
    return latency;
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

    // At the dialogs' usual steps (speed and pitch 0).
    QList<NxCatalogueVoice> voices;
    const NxVoiceCatalogue& catalogue = NxVoiceCatalogue::instance();
    for (const QList<NxCatalogueVoice>* list : {&catalogue.voices(), &catalogue.vocalists()})
        for (const NxCatalogueVoice& voice : *list)
            if (voice.synthesis.engine == NxSynthesisVoice::Engine::Flite)
                voices.append(voice);
    voices.append(*catalogue.byId(260)); // Aida, espeak-ng, for comparison
    Ending ending;
    auto* audition = new NxOfflineTextToSpeechAudition;
    audition->setObserver(&ending);
    bool met = true;
    for (const NxCatalogueVoice& voice : voices) {
        audition->setVoice(voice.info.id);
        const double first = previewLatency(*audition, ending, sink);
        std::vector<double> latencies;
        for (int i = 0; i < runs; ++i)
            latencies.push_back(previewLatency(*audition, ending, sink));
        const double worst = *std::max_element(latencies.begin(), latencies.end());
        const QByteArray name = QStringLiteral("%1 %2 (%3)")
                                    .arg(voice.info.id)
                                    .arg(voice.info.showName, voice.synthesis.engine == NxSynthesisVoice::Engine::Flite
                                                                  ? QStringLiteral("Flite")
                                                                  : QStringLiteral("espeak-ng"))
                                    .toUtf8();
        if (first < 0 || *std::min_element(latencies.begin(), latencies.end()) < 0) {
            std::fprintf(stderr, "%s: a preview was not heard\n", name.constData());
            return 1;
        }
        std::printf("%-24s first %6.1f ms, median %6.1f ms, worst %6.1f ms over %d runs\n", name.constData(), first,
                    median(latencies), worst, runs);
        met = met && median(latencies) <= TargetMedianMs && worst <= TargetWorstMs;
    }
    audition->setObserver(nullptr);
    audition->release();
    std::printf("target: median <= %.0f ms and worst <= %.0f ms for every voice: %s\n", TargetMedianMs, TargetWorstMs,
                met ? "met" : "missed");
    return 0;
}
