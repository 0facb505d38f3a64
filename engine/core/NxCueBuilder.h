#pragma once

#include "NxRecognizedWord.h"
#include "NxSubtitleCue.h"

#include <cstddef>
#include <utility>
#include <vector>

// Groups recognised words into readable subtitles: a cue ends at a clear
// pause, and a group too long to read is cut at its longest pause.
class NxCueBuilder
{
public:
    struct Limits
    {
        int lineLength = 42;
        int wideLineLength = 16; // of Chinese, Japanese or Korean characters
        double longest = 7.0;
        double shortest = 0.8;
        double pause = 0.6; // a silence this long always ends a cue
    };

    NxCueBuilder();
    explicit NxCueBuilder(const Limits& limits);

    // Cues in order, never overlapping, inside [0, trackEnd].
    std::vector<NxSubtitleCue> build(const std::vector<NxRecognizedWord>& words, double trackEnd) const;

    // The words [first, last) set in one line, or two balanced ones; empty when
    // they do not fit.
    QStringList layout(const std::vector<NxRecognizedWord>& words, size_t first, size_t last) const;

private:
    // A line's length in Latin letters' room.
    double width(const QString& line) const;
    bool fits(const std::vector<NxRecognizedWord>& words, size_t first, size_t last) const;
    void split(const std::vector<NxRecognizedWord>& words, size_t first, size_t last,
               std::vector<std::pair<size_t, size_t>>& groups) const;
    void lengthenShortCues(const std::vector<NxRecognizedWord>& words, std::vector<std::pair<size_t, size_t>>& groups,
                           std::vector<NxSubtitleCue>& cues, double trackEnd) const;

    Limits m_limits;
};
