#pragma once

#include "NxRecognizedWord.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// Hears a speech-to-text task's track into words: the part of a task that
// each engine does its own way. What a task makes of the words (cues, the
// allowance) is the task's.
class NxTranscriber
{
public:
    enum class Status { Ok, Stopped, Failed };
    // On the calling thread: the share of the speech heard so far, and how
    // far into the track, in seconds, it is heard without a gap.
    using Progress = std::function<void(double heard, double reached)>;

    virtual ~NxTranscriber() = default;

    // Hears a 16 kHz mono track (NxAudioDecoder::SampleRate) and appends its
    // words in track order; why it failed goes to `errorText`.
    virtual Status transcribe(const std::vector<int16_t>& track, const std::atomic<bool>& stop,
                              std::vector<NxRecognizedWord>& words, QString& errorText,
                              const Progress& progress) = 0;
};
