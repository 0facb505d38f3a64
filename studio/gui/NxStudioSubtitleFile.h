#pragma once

#include <QString>
#include <QVector>

// One cue of a subtitle file: its times in milliseconds and its text lines
// joined by line feeds.
struct NxStudioCue
{
    qint64 start = 0;
    qint64 end = 0;
    QString text;
};

// Reads SubRip (.srt) subtitles. A block whose timing line cannot be read is
// skipped; the others are kept in file order.
namespace NxStudioSubtitleFile
{
QVector<NxStudioCue> parse(const QString& text);
// The cues of the file at `path`; empty with `error` set when it cannot be
// read or holds no cue.
QVector<NxStudioCue> read(const QString& path, QString* error);
// The cues as a SubRip file, numbered in the order given.
QByteArray format(const QVector<NxStudioCue>& cues);
}
