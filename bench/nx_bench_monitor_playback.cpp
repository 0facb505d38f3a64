// Real-time playback of a 720p25 timeline for 60 s: the ten-minute H.264
// video (GOP 50) with its sound, a music track and a subtitle every two
// seconds, played by the monitor into a private PulseAudio null sink:
//   build/bench/nx-bench-monitor-playback [seconds]
// Frames shown and dropped come from the player; the sound is checked at the
// sink: the music is a square-wave chord, never silent for longer than an
// edge's crossing of zero, so 20 ms of silence between sounds is a dropout.

#include "NxBenchMonitor.h"
#include "NxBenchSupport.h"
#include "NxPulseNullSink.h"
#include "NxStudioMonitor.h"
#include "NxStudioPlayer.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdlib>

#include <sys/resource.h>

namespace
{
constexpr int ListenRate = 22050; // the sink's listener
constexpr int ListenerDelayMilliseconds = 1500;

// The process's processor time so far, in seconds.
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before anything looks for a sound server.
    NxPulseNullSink sink;
    if (!sink.isRunning()) {
        std::printf("no PulseAudio null sink: %s\n", qPrintable(sink.failure()));
        return 1;
    }
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const QString path = NxBenchMonitor::video();
    QTemporaryDir folder;
    const QString music = folder.filePath(QStringLiteral("music.m4a"));
    if (path.isEmpty()
        || !NxTestMedia::ffmpeg({"-f", "lavfi", "-i",
                                 QStringLiteral("aevalsrc=0.2*sgn(sin(2*PI*220*t))+0.1*sgn(sin(2*PI*277*t)):s=48000:d=%1")
                                     .arg(seconds + 1),
                                 "-ac", "2", "-c:a", "aac", "-b:a", "192k", music})) {
        std::printf("cannot make the media\n");
        return 1;
    }
    const qint64 frames = qint64(seconds) * NxStudioTimeline::FrameRate.num;
    NxStudioTimeline timeline;
    NxMediaFile media(path, INxClip::Video, NxStudioTimeline::FrameRate,
                      NxBenchMonitor::VideoSeconds * NxStudioTimeline::FrameRate.num);
    NxBenchMonitor::addVideo(timeline, media, frames);
    NxMediaFile tune(music, INxClip::Audio, NxStudioTimeline::FrameRate, frames);
    NxStudioClips::Clips clips;
    clips.push_back(std::make_unique<NxTimelineClip>(tune.displayName(), INxClip::Audio, NxStudioTimeline::FrameRate,
                                                     &tune, NxTimelineClip::Placement{0, frames, 0}));
    timeline.addClips(std::move(clips), QStringLiteral("add"), 2);
    QVector<NxStudioCue> cues;
    for (int at = 0; at + 2 <= seconds; at += 2)
        cues.append({at * 1000, at * 1000 + 1500, QStringLiteral("Subtitle number %1, on two\nlines of text").arg(at / 2)});
    timeline.addClips(NxStudioClips::fromCues(cues, 0, timeline), QStringLiteral("add"));

    NxStudioMonitor monitor(&timeline);
    monitor.resize(NxBenchMonitor::MonitorSize);
    monitor.show(); // pictures are rendered at the size shown
    QEventLoop loop;
    QObject::connect(&monitor, &NxStudioMonitor::playingChanged, &loop, [&](bool playing) {
        if (!playing)
            loop.quit();
    });
    QTimer::singleShot((seconds + 20) * 1000, &loop, &QEventLoop::quit); // a stall ends the bench
    sink.resetHeard();
    const NxBench::Clock::time_point start = NxBench::Clock::now();
    const double processor = cpuSeconds();
    monitor.play();
    loop.exec();
    const double wall = NxBench::millisecondsSince(start) / 1000;
    const double busy = cpuSeconds() - processor;

    // The sink's listener records in fragments: what was played last reaches it a moment later.
    QEventLoop drain;
    QTimer::singleShot(ListenerDelayMilliseconds, &drain, &QEventLoop::quit);
    drain.exec();
    const NxStudioPlayer* player = monitor.player();
    const double heard = double(sink.audibleSamples()) / ListenRate;
    const double gapSeconds = double(sink.gapSamples()) / ListenRate;
    std::printf("playback of %d s, 1280x720 25 fps, H.264 GOP %d + its sound + music + %d subtitles, %s:\n"
                "  %.2f s of wall time (real time: %.2f s), %.2f s of processor time (2 cores: %.2f s)\n"
                "  frames shown %lld, dropped %lld of %lld\n"
                "  sound heard at the sink %.2f s of %d s; dropouts (20 ms or more of silence between sounds): "
                "%d, %.2f s in all: %s\n",
                seconds, NxBenchMonitor::Gop, int(cues.size()),
                NxStudioPlayer::hasAudioDevice() ? "PulseAudio null sink" : "no audio device", wall, double(seconds), busy,
                2.0 * seconds,
                player->shownFrames(), player->droppedFrames(), frames, heard, seconds, sink.gaps(), gapSeconds,
                sink.gaps() > 0 ? "the sound underran" : "no underrun");
    NxBenchMonitor::printLoad();
    return 0;
}
