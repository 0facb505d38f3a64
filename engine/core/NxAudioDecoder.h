#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Reads the first audio stream of any file FFmpeg opens (audio or video) as
// 16 kHz mono 16-bit samples, the form the recogniser takes.
class NxAudioDecoder
{
public:
    static constexpr int SampleRate = 16000;

    // NotMedia: FFmpeg finds no media in the file (random bytes, an empty
    // file, a container cut short before its index), or not one packet of
    // its audio decodes; Unreadable: the file could not be read at all.
    enum class Status { Ok, FileMissing, Unreadable, NotMedia, NoAudio, DecodeFailed, Stopped };

    // Called with the seconds decoded so far.
    using Progress = std::function<void(double seconds)>;

    explicit NxAudioDecoder(const QString& filePath);
    ~NxAudioDecoder();
    NxAudioDecoder(const NxAudioDecoder&) = delete;
    NxAudioDecoder& operator=(const NxAudioDecoder&) = delete;

    // Opens the file and finds its audio stream; cheap, reads only headers.
    Status open();
    // Seconds of audio the file claims; 0 when it does not say.
    double duration() const;

    // Appends the audio from `from` to `to` seconds (to < 0: to the end) to
    // `out`. Opens the file first when open() was not called.
    Status decode(double from, double to, std::vector<int16_t>& out, const std::atomic<bool>& stop,
                  const Progress& progress = {});

    // Why the last call failed, for the log.
    QString errorText() const;

private:
    struct Context;
    class Decoding;

    Status fail(Status status, const QString& text);
    // The file as its reasons name it: the user knows it by its name.
    QString name() const;
    // Moves to `from` seconds, at or before it; false when the file cannot seek.
    bool seek(double from);

    QString m_filePath;
    std::unique_ptr<Context> m_context;
    double m_duration = 0.0;
    QString m_errorText;
};
