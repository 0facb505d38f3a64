#pragma once

#include <QProcess>
#include <QSize>
#include <QStringList>

// Small media files made by the ffmpeg tool, for suites that play or render
// them. Each answers whether the file was made.
namespace NxTestMedia
{
inline bool ffmpeg(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-nostdin", "-y"} + arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

// A moving test picture, H.264 in MP4, with a 440 Hz tone when `withSound`.
inline bool video(const QString& path, QSize size, double seconds, bool withSound)
{
    const QString length = QString::number(seconds);
    QStringList arguments{"-f", "lavfi", "-i",
                          QStringLiteral("testsrc2=size=%1x%2:rate=25:duration=%3")
                              .arg(size.width()).arg(size.height()).arg(length)};
    if (withSound)
        arguments += {"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=" + length, "-c:a", "aac"};
    return ffmpeg(arguments + QStringList{"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", path});
}

// A WAV tone of `frequency` Hz.
inline bool tone(const QString& path, double seconds, int frequency = 880)
{
    return ffmpeg({"-f", "lavfi", "-i",
                   QStringLiteral("sine=frequency=%1:sample_rate=48000:duration=%2").arg(frequency).arg(seconds),
                   path});
}
}
