#pragma once

#include <QString>

// A stretch of a media file's audio placed on a task's track, in seconds.
struct NxMediaSpan
{
    QString filePath;
    double in = 0.0;   // where in the file the stretch begins
    double out = -1.0; // where it ends; negative: at the file's end
    double at = 0.0;   // where it begins on the track
};
