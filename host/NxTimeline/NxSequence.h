#pragma once

#include "INxTimeline.h"

#include <QVector>

#include <memory>
#include <vector>

class NxTimelineClip;

// A timeline that owns its clips; its length runs to the end of the last clip.
// Clips sit on tracks, each of one kind; on a track no two clips overlap.
// Tracks are only ever appended, so a track index stays valid for good.
class NxSequence final : public INxTimeline
{
public:
    enum TrackKind { VideoTrack, AudioTrack, TitleTrack, SubtitleTrack };

    // Where a clip would lie: a track and a stretch of frames on it.
    struct Span
    {
        int track = 0;
        qint64 start = 0;
        qint64 length = 0;
    };

    NxSequence(const QString& name, NxRational frameRate);
    ~NxSequence() override;

    QString name() const override;
    NxRational frameRate() const override;
    qint64 length() const override;
    QList<INxClip*> clips() const override;

    // The kind of track a clip of INxClip::ClipType `clipType` goes on.
    static TrackKind trackKindOf(int clipType);

    int trackCount() const;
    TrackKind trackKind(int track) const;
    int addTrack(TrackKind kind);

    // True when every span starts at 0 or later on an existing track and
    // overlaps neither another span nor a clip outside `ignoring`.
    bool isFree(const QVector<Span>& spans, const QList<const INxClip*>& ignoring = {}) const;
    // Tracks for new clips of `kind` at `spans` (their tracks are ignored),
    // one per span: all together on `preferredTrack` when it is of that kind
    // and takes them, else on the first track that does. Spans that overlap
    // one another are spread over lanes, each placed the same way. Adds
    // tracks when none has room.
    QVector<int> placeSpans(TrackKind kind, const QVector<Span>& spans, int preferredTrack = -1);

    // Puts the clip on the first track of its kind where it fits, adding a
    // track when none has room.
    NxTimelineClip* addClip(std::unique_ptr<NxTimelineClip> clip);
    // Puts the clip on the track it names, which must exist.
    NxTimelineClip* insertClip(std::unique_ptr<NxTimelineClip> clip);
    // Hands a clip of this sequence back to the caller; null when it is not here.
    std::unique_ptr<NxTimelineClip> takeClip(const INxClip* clip);
    bool contains(const INxClip* clip) const;

private:
    QString m_name;
    NxRational m_frameRate;
    QVector<TrackKind> m_tracks;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
};
