#pragma once

#include "NxSubtitleCue.h"

#include <QString>

#include <vector>

// Writes cues as a SubRip (.srt) file in UTF-8.
class NxSrtWriter
{
public:
    static QString timestamp(double seconds);
    static QString text(const std::vector<NxSubtitleCue>& cues);

    // Writes `path` whole or not at all, creating its folder; false with
    // `error` set when it could not. A file already at `path` is never
    // replaced: the write fails.
    static bool write(const QString& path, const std::vector<NxSubtitleCue>& cues, QString* error = nullptr);
};
