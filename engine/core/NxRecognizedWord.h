#pragma once

#include <QString>

// One recognised word and where it was heard, in seconds on the task's track.
struct NxRecognizedWord
{
    QString text;
    double start = 0.0;
    double end = 0.0;
};
