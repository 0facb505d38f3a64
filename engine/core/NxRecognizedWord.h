#pragma once

#include <QString>

// One recognised word and where it was heard, in seconds on the task's track.
struct NxRecognizedWord
{
    QString text;
    double start = 0.0;
    double end = 0.0;
    // Chinese and Japanese write no spaces: such a "word" is one character
    // (with its punctuation), joined to its neighbours without a space.
    bool spaced = true;
};
