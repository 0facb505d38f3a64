#pragma once

#include "NxSequence.h"

#include <QRect>
#include <QVector>

// Where everything of the timeline view lies. Painting, hit-testing and drops
// all ask this one place, so they cannot disagree.
//
//   0      HeaderWidth
//   +-------+------------------------------------------+ 0
//   |       | 0:00    0:05    0:10      (ruler)        |
//   +-------+------------------------------------------+ RulerHeight
//   |Titles | [title]                                  | row 0
//   |Video 1| [==== clip ====]                         | row 1, TrackHeight + TrackGap
//   |Audio 1|      [== clip ==]                        | ...
//   |Subtit.|  [a] [b] [c]                             |
//   +-------+------------------------------------------+
// Rows show the tracks by kind (titles, video, audio, subtitles), each kind
// in the order its tracks were added.
struct NxStudioTimelineGeometry
{
    static constexpr int HeaderWidth = 104;
    static constexpr int RulerHeight = 28;
    static constexpr int TrackHeight = 48;
    static constexpr int TrackGap = 2;
    static constexpr int ClipInset = 3;    // between a clip and its row's edges
    static constexpr int TrailingSpace = 120; // room to drop after the last clip
    static constexpr double MinPixelsPerSecond = 4.0;
    static constexpr double MaxPixelsPerSecond = 400.0;

    NxStudioTimelineGeometry(const NxSequence& sequence, double pixelsPerSecond);

    QVector<int> rows; // track index of each row, top to bottom
    NxRational rate;
    double pixelsPerSecond;

    int x(qint64 frame) const;
    qint64 frameAt(int x) const; // 0 or later
    int rowOfTrack(int track) const;
    int rowAt(int y) const;      // -1 outside the rows
    int trackAt(int y) const;    // -1 outside the rows
    QRect rowRect(int row, int width) const;
    QRect clipRect(qint64 position, qint64 length, int track) const;
    QSize contentSize(qint64 frames) const;
};
