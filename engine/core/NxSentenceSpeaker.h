#pragma once

#include "NxTaskStates.h"

#include <QString>

#include <atomic>
#include <functional>

// Speaks one sentence of a text-to-speech task into an MP3 file: the part of
// a task that each engine does its own way. What a task does with the
// speech (fitting a sentence to its time, delivering it) is the task's.
class NxSentenceSpeaker
{
public:
    struct Result
    {
        bool spoken = false;
        double seconds = 0; // how long the speech lasts, when spoken
        NxTextToSpeechFailure code = NxTextToSpeechFailure::TranscriptionFailure; // why not, as the task reports it
        bool endsRun = false; // the task's other sentences would fail the same way: stop trying
        QString error;        // for the log
    };
    // Percent of the sentence done.
    using Progress = std::function<void(int percent)>;

    virtual ~NxSentenceSpeaker() = default;

    // Speaks `tempo` times as fast as the speaker's speed alone would (above 1
    // faster). Writes the file at `path` whole or not at all, creating its
    // folder.
    virtual Result speak(const QString& text, double tempo, const QString& path, const std::atomic<bool>& stop,
                         const Progress& progress) const = 0;

    // How many sentences speak() may say at once, from as many threads.
    virtual int sideBySide() const = 0;
};
