// How long exporting a ten-minute timeline takes, against the ffmpeg command
// line that makes the same file from the same inputs with the same codecs
// and settings: a 1280x720 video with sound overlaid on black, a music
// track and 20 voice-overs mixed in, 100 subtitles as a mov_text stream.
//
// Usage: nx-bench-export [SECONDS]   (600 unless given; shorter for a quick look)
#include "NxBenchSupport.h"
#include "NxMediaFile.h"
#include "NxStudioClips.h"
#include "NxStudioExport.h"
#include "NxStudioTimeline.h"
#include "NxTestMedia.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstdio>

namespace
{
constexpr int Subtitles = 100;
constexpr int VoiceOvers = 20;
constexpr int VoiceSeconds = 3;
constexpr NxRational Rate = NxStudioTimeline::FrameRate;

struct Inputs
{
    QString video, music, subtitles;
    QStringList voices;
    QVector<qint64> voiceStarts; // milliseconds
    QVector<NxStudioCue> cues;
};

bool makeInputs(const QTemporaryDir& dir, int seconds, Inputs* inputs)
{
    const QString length = QString::number(seconds);
    inputs->video = dir.filePath("video.mp4");
    inputs->music = dir.filePath("music.m4a");
    inputs->subtitles = dir.filePath("subtitles.srt");
    if (!NxTestMedia::ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25:duration=" + length, "-f", "lavfi",
                              "-i", "sine=frequency=220:sample_rate=48000:duration=" + length, "-c:v", "libx264",
                              "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac", inputs->video})
        || !NxTestMedia::ffmpeg({"-f", "lavfi", "-i", "sine=frequency=330:sample_rate=48000:duration=" + length, "-af",
                                 "volume=0.3", "-ac", "2", "-c:a", "aac", inputs->music}))
        return false;
    for (int i = 0; i < VoiceOvers; ++i) {
        inputs->voices.append(dir.filePath(QStringLiteral("voice%1.wav").arg(i)));
        inputs->voiceStarts.append(qint64(seconds) * 1000 * i / VoiceOvers + 1000);
        if (!NxTestMedia::tone(inputs->voices.last(), VoiceSeconds, 500 + 20 * i))
            return false;
    }
    QByteArray srt;
    const auto stamp = [](qint64 ms) {
        return QStringLiteral("%1:%2:%3,%4").arg(ms / 3600000, 2, 10, QLatin1Char('0')).arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
            .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0')).arg(ms % 1000, 3, 10, QLatin1Char('0'));
    };
    for (int i = 0; i < Subtitles; ++i) {
        const qint64 start = qint64(seconds) * 1000 * i / Subtitles;
        const NxStudioCue cue{start, start + qint64(seconds) * 1000 / Subtitles / 2, QStringLiteral("Subtitle number %1").arg(i + 1)};
        inputs->cues.append(cue);
        srt += QStringLiteral("%1\n%2 --> %3\n%4\n\n").arg(i + 1).arg(stamp(cue.start), stamp(cue.end), cue.text).toUtf8();
    }
    QFile file(inputs->subtitles);
    return file.open(QIODevice::WriteOnly) && file.write(srt) == srt.size();
}

// The same file by the ffmpeg program: picture over black, every sound summed, subtitles as mov_text.
QStringList ffmpegArguments(const Inputs& inputs, int seconds, const QString& out)
{
    QStringList arguments{"-i", inputs.video, "-i", inputs.music};
    for (const QString& voice : inputs.voices)
        arguments += {"-i", voice};
    arguments += {"-i", inputs.subtitles};
    QString graph = QStringLiteral("color=black:size=1280x720:rate=25:duration=%1[bg];[bg][0:v]overlay[v];").arg(seconds);
    QString mix = QStringLiteral("[0:a][1:a]");
    for (int i = 0; i < inputs.voices.size(); ++i) {
        graph += QStringLiteral("[%1:a]adelay=%2:all=1[d%3];").arg(i + 2).arg(inputs.voiceStarts.at(i)).arg(i);
        mix += QStringLiteral("[d%1]").arg(i);
    }
    graph += mix + QStringLiteral("amix=inputs=%1:normalize=0:duration=first[a]").arg(inputs.voices.size() + 2);
    const QString subtitleInput = QString::number(inputs.voices.size() + 2);
    return arguments + QStringList{"-filter_complex", graph, "-map", "[v]", "-map", "[a]", "-map", subtitleInput + ":s",
                                   "-c:v", "libx264", "-preset", "veryfast", "-crf", "23", "-c:a", "aac", "-b:a", "160k",
                                   "-ar", "48000", "-ac", "2", "-c:s", "mov_text", out};
}

NxStudioClips::Clips mediaClip(NxMediaFile* media, int type, qint64 position)
{
    NxStudioClips::Clips clips;
    clips.push_back(std::make_unique<NxTimelineClip>(media->displayName(), type, Rate, media,
                                                     NxTimelineClip::Placement{0, media->length(), position}));
    return clips;
}
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 600;
    QTemporaryDir dir;
    Inputs inputs;
    std::printf("export: making %d s of test media...\n", seconds);
    std::fflush(stdout);
    if (seconds <= 0 || !makeInputs(dir, seconds, &inputs)) {
        std::fprintf(stderr, "export: the test media could not be made\n");
        return 1;
    }

    NxStudioTimeline timeline;
    const qint64 frames = qint64(seconds) * Rate.num / Rate.den;
    NxMediaFile video(inputs.video, 1, Rate, frames);
    NxMediaFile music(inputs.music, 3, Rate, frames);
    std::vector<std::unique_ptr<NxMediaFile>> voices;
    // The video's picture and its sound, as the editor places a video with sound.
    timeline.addClips(mediaClip(&video, INxClip::Video, 0), QStringLiteral("video"));
    timeline.addClips(mediaClip(&video, INxClip::Audio, 0), QStringLiteral("video sound"));
    timeline.addClips(mediaClip(&music, INxClip::Audio, 0), QStringLiteral("music"));
    for (int i = 0; i < inputs.voices.size(); ++i) {
        voices.push_back(std::make_unique<NxMediaFile>(inputs.voices.at(i), 3, Rate, VoiceSeconds * Rate.num));
        timeline.addClips(mediaClip(voices.back().get(), INxClip::Audio, timeline.framesOf(inputs.voiceStarts.at(i))),
                          QStringLiteral("voice-over"));
    }
    timeline.addClips(NxStudioClips::fromCues(inputs.cues, 0, timeline), QStringLiteral("subtitles"));

    NxStudioExport exporter;
    QSignalSpy finished(&exporter, &NxStudioExport::finished);
    auto start = NxBench::Clock::now();
    if (!exporter.start(timeline, dir.filePath("studio.mp4"), {}) || !finished.wait(3600 * 1000)
        || finished.first().first().toInt() != NxStudioExport::Done) {
        std::fprintf(stderr, "export: the studio's export failed: %s\n", qPrintable(exporter.errorString()));
        return 1;
    }
    const double studio = NxBench::millisecondsSince(start) / 1000;
    std::printf("export: %d s timeline, %d subtitles, %d voice-overs\n  nx-studio export   %7.1f s\n", seconds,
                Subtitles, VoiceOvers, studio);
    std::fflush(stdout);

    // Timed without a limit: on a busy machine it may take longer than the media tool allows.
    QProcess ffmpeg;
    start = NxBench::Clock::now();
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-nostdin", "-y"}
                                               + ffmpegArguments(inputs, seconds, dir.filePath("ffmpeg.mp4")));
    if (!ffmpeg.waitForFinished(-1) || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0) {
        std::fprintf(stderr, "export: the ffmpeg command failed: %s\n", ffmpeg.readAllStandardError().constData());
        return 1;
    }
    const double reference = NxBench::millisecondsSince(start) / 1000;
    std::printf("  ffmpeg command     %7.1f s\n  ratio              %7.2f (target <= 1.20)\n", reference,
                studio / reference);
    return 0;
}
