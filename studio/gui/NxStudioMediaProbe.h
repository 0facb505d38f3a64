#pragma once

#include "NxStudioSubtitleFile.h"

#include <QString>
#include <QVector>

// What the media bin learns about a file before it can be used: its kind,
// its length and, for a subtitle file, its cues. Reading a file may take a
// while (a network share, a long file without an index): run probe() off the
// GUI thread.
struct NxStudioProbe
{
    enum Kind { Unreadable, Video, Audio, Subtitles };

    Kind kind = Unreadable;
    double seconds = 0.0;
    bool hasAudio = false;
    QVector<NxStudioCue> cues;
    QString error; // why the file is Unreadable

    static NxStudioProbe probe(const QString& path);
};
