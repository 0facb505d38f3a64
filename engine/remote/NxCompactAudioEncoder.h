#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// Packs a task's 16 kHz mono track small for its upload, in memory with
// FFmpeg: FLAC (lossless, about half of the raw size) or Opus in Ogg (lossy
// at 24 kbit/s, about a tenth of FLAC: an hour fits the smallest limits
// hosted servers put on an upload).
class NxCompactAudioEncoder
{
public:
    enum class Format { Flac, Opus };

    // Fraction of the track encoded so far.
    using Progress = std::function<void(double fraction)>;

    // The format a configuration names ("flac", "opus"); false when none.
    static bool formatNamed(const QString& name, Format* format);
    // What the upload is called and its media type.
    static QString fileName(Format format);
    static QByteArray mediaType(Format format);

    // The encoded file, or empty with *error set (also when `stop` became true).
    static QByteArray encode(const std::vector<int16_t>& samples, int sampleRate, Format format,
                             const std::atomic<bool>& stop, const Progress& progress, QString* error);
};
