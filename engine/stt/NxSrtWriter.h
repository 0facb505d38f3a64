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

    // Replaces `path` whole or not at all, creating its folder; false with
    // `error` set when it could not.
    static bool write(const QString& path, const std::vector<NxSubtitleCue>& cues, QString* error = nullptr);
};
