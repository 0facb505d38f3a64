#pragma once

// The timeline the monitor benches play: a ten-minute 1280×720 25 fps H.264
// video with its sound, made once into a cache folder by the ffmpeg tool.

#include "NxMediaFile.h"
#include "NxStudioClips.h"
#include "NxStudioTimeline.h"
#include "NxTestMedia.h"
#include "NxTimelineClip.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace NxBenchMonitor
{
constexpr int VideoSeconds = 600;
// Two seconds between keyframes, as camera files have; x264's ultrafast preset.
constexpr int Gop = 50;
// A monitor as the studio's default window holds it: 720p shown 960 wide.
constexpr QSize MonitorSize(960, 600);

// Other processes' demand for the two cores skews every figure.
inline void printLoad()
{
    QFile load(QStringLiteral("/proc/loadavg"));
    if (load.open(QIODevice::ReadOnly))
        std::printf("  load average (1, 5, 15 min): %s\n", load.readLine(64).trimmed().constData());
}

// The video's path in the cache, made when missing; empty when ffmpeg fails.
inline QString video()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                           + QStringLiteral("/nx-bench");
    const QString path = folder + QStringLiteral("/monitor-720p25-g%1-%2s.mp4").arg(Gop).arg(VideoSeconds);
    if (QFileInfo::exists(path))
        return path;
    std::printf("making %s (once)...\n", qPrintable(path));
    std::fflush(stdout);
    const QString seconds = QString::number(VideoSeconds);
    const QString partial = path + QStringLiteral(".part.mp4");
    if (!QDir().mkpath(folder)
        || !NxTestMedia::ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25:duration=" + seconds, "-f", "lavfi",
                                 "-i", "sine=frequency=440:sample_rate=48000:duration=" + seconds, "-c:v", "libx264",
                                 "-preset", "ultrafast", "-g", QString::number(Gop), "-pix_fmt", "yuv420p", "-c:a",
                                 "aac", partial})
        || !QFile::rename(partial, path))
        return {};
    return path;
}

// The video from frame 0 for `frames`, its sound on an audio track.
inline void addVideo(NxStudioTimeline& timeline, NxMediaFile& media, qint64 frames)
{
    NxStudioClips::Clips clips;
    for (int type : {INxClip::Video, INxClip::Audio})
        clips.push_back(std::make_unique<NxTimelineClip>(media.displayName(), type, NxStudioTimeline::FrameRate,
                                                         &media, NxTimelineClip::Placement{0, frames, 0}));
    timeline.addClips(std::move(clips), QStringLiteral("add"));
}
}
