#pragma once

#include "NxTextToSpeechRecords.h"

#include <QString>

#include <atomic>
#include <functional>

// Speaks one sentence of a text-to-speech task into an MP3 file: the part of
// a task that each engine does its own way.
class NxSentenceSpeaker
{
public:
    struct Result
    {
        bool spoken = false;
        int code = NxTextToSpeechTaskInfo::TranscriptionFailure; // why not, as the task reports it
        bool endsRun = false; // the task's other sentences would fail the same way: stop trying
        QString error;        // for the log
    };
    // Percent of the sentence done.
    using Progress = std::function<void(int percent)>;

    virtual ~NxSentenceSpeaker() = default;

    // Writes the file at `path` whole or not at all, creating its folder.
    virtual Result speak(const QString& text, const QString& path, const std::atomic<bool>& stop,
                         const Progress& progress) const = 0;
};
