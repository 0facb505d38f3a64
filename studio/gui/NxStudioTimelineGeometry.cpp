#include "NxStudioTimelineGeometry.h"

#include <QtMath>

#include <algorithm>

NxStudioTimelineGeometry::NxStudioTimelineGeometry(const NxSequence& sequence, double pixelsPerSecond)
    : rate(sequence.frameRate())
    , pixelsPerSecond(qBound(MinPixelsPerSecond, pixelsPerSecond, MaxPixelsPerSecond))
{
    static constexpr NxSequence::TrackKind Order[] = {NxSequence::TitleTrack, NxSequence::VideoTrack,
                                                      NxSequence::AudioTrack, NxSequence::SubtitleTrack};
    for (NxSequence::TrackKind kind : Order)
        for (int track = 0; track < sequence.trackCount(); ++track)
            if (sequence.trackKind(track) == kind)
                rows.append(track);
}

int NxStudioTimelineGeometry::x(qint64 frame) const
{
    return HeaderWidth + qRound(rate.framesToSecondsF(frame) * pixelsPerSecond);
}

qint64 NxStudioTimelineGeometry::frameAt(int x) const
{
    const double seconds = qMax(0, x - HeaderWidth) / pixelsPerSecond;
    return qRound64(seconds * rate.num / rate.den);
}

int NxStudioTimelineGeometry::rowOfTrack(int track) const
{
    return rows.indexOf(track);
}

int NxStudioTimelineGeometry::rowAt(int y) const
{
    if (y < RulerHeight)
        return -1;
    const int row = (y - RulerHeight) / (TrackHeight + TrackGap);
    return row < rows.size() ? row : -1;
}

int NxStudioTimelineGeometry::trackAt(int y) const
{
    const int row = rowAt(y);
    return row < 0 ? -1 : rows.at(row);
}

QRect NxStudioTimelineGeometry::rowRect(int row, int width) const
{
    return QRect(0, RulerHeight + row * (TrackHeight + TrackGap), width, TrackHeight);
}

QRect NxStudioTimelineGeometry::clipRect(qint64 position, qint64 length, int track) const
{
    const QRect row = rowRect(rowOfTrack(track), 0);
    const int left = x(position);
    const int right = qMax(left + 2, x(position + length));
    return QRect(QPoint(left, row.top() + ClipInset), QPoint(right - 1, row.bottom() - ClipInset));
}

QSize NxStudioTimelineGeometry::contentSize(qint64 frames) const
{
    return QSize(x(frames) + TrailingSpace, RulerHeight + rows.size() * (TrackHeight + TrackGap));
}
