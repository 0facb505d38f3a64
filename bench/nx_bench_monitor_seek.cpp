// Monitor seek latency: from setPlayhead() to the monitor showing that frame,
// over 200 random places in a ten-minute 1280×720 25 fps H.264 video (GOP 50,
// x264 ultrafast), the picture rendered at full size:
//   build/bench/nx-bench-monitor-seek [count]
// The video is made once into ~/.cache/nx-bench by the ffmpeg tool.

#include "NxBenchMonitor.h"
#include "NxBenchSupport.h"
#include "NxStudioMonitor.h"

#include <QApplication>
#include <QEventLoop>

#include <cstdlib>
#include <random>

#include <sys/resource.h>

namespace
{
constexpr double TargetMs = 100;

// The process's processor time so far: what a seek costs whatever else runs.
double cpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double percentile95(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[size_t(0.95 * (samples.size() - 1))];
}
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 200;
    const QString path = NxBenchMonitor::video();
    if (path.isEmpty()) {
        std::printf("cannot make the video\n");
        return 1;
    }
    const qint64 frames = NxBenchMonitor::VideoSeconds * NxStudioTimeline::FrameRate.num;
    NxStudioTimeline timeline;
    NxMediaFile media(path, INxClip::Video, NxStudioTimeline::FrameRate, frames);
    NxBenchMonitor::addVideo(timeline, media, frames);
    NxStudioMonitor monitor(&timeline);
    monitor.resize(NxBenchMonitor::MonitorSize);
    monitor.show(); // pictures are rendered at the size shown

    qint64 awaited = -1;
    QEventLoop loop;
    QObject::connect(&monitor, &NxStudioMonitor::frameShown, &loop, [&](qint64 position) {
        if (position == awaited)
            loop.quit();
    });
    std::vector<double> cpu;
    const auto seek = [&](qint64 position) {
        const NxBench::Clock::time_point start = NxBench::Clock::now();
        const double processor = cpuMilliseconds();
        awaited = position;
        timeline.setPlayhead(position);
        loop.exec();
        cpu.push_back(cpuMilliseconds() - processor);
        return NxBench::millisecondsSince(start);
    };
    seek(frames / 2); // opens the file
    cpu.clear();

    std::mt19937 random(20261206);
    std::uniform_int_distribution<qint64> place(0, frames - 1);
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        qint64 position = place(random);
        if (position == timeline.playhead())
            ++position;
        times.push_back(seek(position));
    }
    const double p95 = percentile95(times);
    std::printf("monitor seek, %d random places, 1280x720 H.264 GOP %d shown %dx%d: p50 %.1f ms, p95 %.1f ms, "
                "max %.1f ms (target p95 <= %.0f ms: %s)\n"
                "  processor time per seek, all threads: p50 %.1f ms, p95 %.1f ms\n",
                count, NxBenchMonitor::Gop, NxBenchMonitor::MonitorSize.width(), NxBenchMonitor::MonitorSize.height(),
                NxBench::median(times), p95, *std::max_element(times.begin(), times.end()), TargetMs,
                p95 <= TargetMs ? "met" : "MISSED", NxBench::median(cpu), percentile95(cpu));
    NxBenchMonitor::printLoad();
    return 0;
}
