#include "NxSequence.h"

#include "NxTimelineClip.h"

#include <algorithm>
#include <numeric>

namespace
{
bool overlaps(const NxSequence::Span& a, const NxSequence::Span& b)
{
    return a.track == b.track && a.start < b.start + b.length && b.start < a.start + a.length;
}
}

NxSequence::NxSequence(const QString& name, NxRational frameRate)
    : m_name(name)
    , m_frameRate(frameRate)
{
}

NxSequence::~NxSequence() = default;

QString NxSequence::name() const { return m_name; }
NxRational NxSequence::frameRate() const { return m_frameRate; }

qint64 NxSequence::length() const
{
    qint64 end = 0;
    for (const auto& clip : m_clips)
        end = qMax(end, clip->position() + clip->length());
    return end;
}

QList<INxClip*> NxSequence::clips() const
{
    QList<INxClip*> result;
    result.reserve(int(m_clips.size()));
    for (const auto& clip : m_clips)
        result.append(clip.get());
    return result;
}

NxSequence::TrackKind NxSequence::trackKindOf(int clipType)
{
    switch (clipType) {
    case INxClip::Audio:
        return AudioTrack;
    case INxClip::Title:
        return TitleTrack;
    case INxClip::Subtitle:
        return SubtitleTrack;
    default:
        return VideoTrack;
    }
}

int NxSequence::trackCount() const { return m_tracks.size(); }
NxSequence::TrackKind NxSequence::trackKind(int track) const { return m_tracks.value(track, VideoTrack); }

int NxSequence::addTrack(TrackKind kind)
{
    m_tracks.append(kind);
    return m_tracks.size() - 1;
}

bool NxSequence::isFree(const QVector<Span>& spans, const QList<const INxClip*>& ignoring) const
{
    for (int i = 0; i < spans.size(); ++i) {
        const Span& span = spans.at(i);
        if (span.start < 0 || span.track < 0 || span.track >= m_tracks.size())
            return false;
        for (int j = i + 1; j < spans.size(); ++j)
            if (overlaps(span, spans.at(j)))
                return false;
        for (const auto& clip : m_clips) {
            if (!ignoring.contains(clip.get())
                && overlaps(span, {clip->track(), clip->position(), clip->length()}))
                return false;
        }
    }
    return true;
}

QVector<int> NxSequence::placeSpans(TrackKind kind, const QVector<Span>& spans, int preferredTrack)
{
    // Lanes: spans in start order, each in the first lane it does not overlap.
    QVector<int> order(spans.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return spans.at(a).start < spans.at(b).start; });
    QVector<QVector<int>> lanes;
    QVector<qint64> laneEnds;
    for (int index : order) {
        const Span& span = spans.at(index);
        const auto lane = std::find_if(laneEnds.begin(), laneEnds.end(), [&](qint64 end) { return end <= span.start; });
        if (lane == laneEnds.end()) {
            lanes.append(QVector<int>{index});
            laneEnds.append(span.start + span.length);
        } else {
            lanes[int(lane - laneEnds.begin())].append(index);
            *lane = span.start + span.length;
        }
    }

    QVector<int> candidates;
    if (preferredTrack >= 0 && preferredTrack < m_tracks.size() && m_tracks.at(preferredTrack) == kind)
        candidates.append(preferredTrack);
    for (int track = 0; track < m_tracks.size(); ++track)
        if (m_tracks.at(track) == kind && track != preferredTrack)
            candidates.append(track);

    QVector<int> tracks(spans.size(), -1);
    QVector<Span> placed;
    for (const QVector<int>& lane : qAsConst(lanes)) {
        int chosen = -1;
        for (int track : qAsConst(candidates)) {
            QVector<Span> trial = placed;
            for (int index : lane)
                trial.append({track, spans.at(index).start, spans.at(index).length});
            if (isFree(trial)) {
                chosen = track;
                break;
            }
        }
        if (chosen < 0) {
            chosen = addTrack(kind);
            candidates.append(chosen);
        }
        for (int index : lane) {
            tracks[index] = chosen;
            placed.append({chosen, spans.at(index).start, spans.at(index).length});
        }
    }
    return tracks;
}

NxTimelineClip* NxSequence::addClip(std::unique_ptr<NxTimelineClip> clip)
{
    clip->setTrack(placeSpans(trackKindOf(clip->type()), {{0, clip->position(), clip->length()}}).constFirst());
    return insertClip(std::move(clip));
}

NxTimelineClip* NxSequence::insertClip(std::unique_ptr<NxTimelineClip> clip)
{
    m_clips.push_back(std::move(clip));
    return m_clips.back().get();
}

std::unique_ptr<NxTimelineClip> NxSequence::takeClip(const INxClip* clip)
{
    const auto found = std::find_if(m_clips.begin(), m_clips.end(),
                                    [clip](const std::unique_ptr<NxTimelineClip>& own) { return own.get() == clip; });
    if (found == m_clips.end())
        return nullptr;
    std::unique_ptr<NxTimelineClip> taken = std::move(*found);
    m_clips.erase(found);
    return taken;
}

bool NxSequence::contains(const INxClip* clip) const
{
    return std::any_of(m_clips.begin(), m_clips.end(),
                       [clip](const std::unique_ptr<NxTimelineClip>& own) { return own.get() == clip; });
}
