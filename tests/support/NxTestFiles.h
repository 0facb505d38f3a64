#pragma once

#include <QFile>

// A whole file's bytes; none when it cannot be read.
inline QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether `path` now holds exactly `bytes`.
inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A second of grey 16x16 pictures without sound, as YUV4MPEG2.
inline QByteArray silentVideo()
{
    QByteArray video("YUV4MPEG2 W16 H16 F25:1 Ip A1:1 C420jpeg\n");
    for (int frame = 0; frame < 25; ++frame)
        video += "FRAME\n" + QByteArray(16 * 16 * 3 / 2, '\x80');
    return video;
}
