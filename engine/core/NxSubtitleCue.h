#pragma once

#include <QStringList>

// One subtitle: its lines and when it shows, in seconds on the task's track.
struct NxSubtitleCue
{
    double start = 0.0;
    double end = 0.0;
    QStringList lines;
};
