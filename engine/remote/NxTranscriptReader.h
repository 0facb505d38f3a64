#pragma once

#include "NxRecognizedWord.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// Reads a transcription server's verbose_json answer: its timed segments
// become words on the task's track, each segment's time shared among its
// words by their length, so the cue rules can group and cut them as they do
// the offline recogniser's words. Segment text keeps its punctuation, which
// word-level timestamps drop.
class NxTranscriptReader
{
public:
    // Makes a piece of the answer fit to quote in *error, cut to at most
    // `length` characters (NxSpeechServerClient::quoted).
    using Quote = std::function<QString(const QString& text, int length)>;

    // False, with *error naming what is wrong, when the answer is not JSON,
    // has no segments, or a segment lacks its text or finite times. Times before
    // the track's start are read as its start.
    static bool read(const QByteArray& answer, std::vector<NxRecognizedWord>& words, QString* error,
                     const Quote& quote);
};
