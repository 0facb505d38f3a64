#pragma once

#include <QString>
#include <QVector>

// Encodes 16-bit mono PCM into an MP3 file with LAME, keeping the sample
// rate. The file appears complete or not at all.
class NxMp3Encoder
{
public:
    // Speech stays clear at 22050 Hz mono; below 64 kbit/s LAME's header
    // frame (which carries its delay and padding) no longer fits a frame.
    static constexpr int BitRate = 64;

    // False, with a reason in *error when given, when LAME fails or the file
    // cannot be written whole. Creates the file's folder when needed; a file
    // at `filePath` (an earlier try of the same speech) is replaced whole.
    static bool encode(const QVector<qint16>& samples, int sampleRate, const QString& filePath,
                       QString* error = nullptr);
};
