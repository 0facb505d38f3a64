#include "NxStudioTimeline.h"

#include "NxStudioClips.h"
#include "NxTimelineClip.h"

#include <QUndoCommand>

#include <algorithm>
#include <map>

// One undoable step: the states of the clips it touched, before and after.
class NxStudioTimeline::Edit : public QUndoCommand
{
public:
    Edit(NxStudioTimeline* timeline, const QString& what, QVector<Change> changes)
        : QUndoCommand(what)
        , m_timeline(timeline)
        , m_changes(std::move(changes))
    {
    }

    void redo() override { m_timeline->apply(m_changes, true); }
    void undo() override { m_timeline->apply(m_changes, false); }

private:
    NxStudioTimeline* m_timeline;
    QVector<Change> m_changes;
};

// A title's or subtitle's text, before and after.
class NxStudioTimeline::TextEdit : public QUndoCommand
{
public:
    TextEdit(NxStudioTimeline* timeline, NxTimelineClip* clip, const QString& text)
        : QUndoCommand(tr("Edit text"))
        , m_timeline(timeline)
        , m_clip(clip)
        , m_before(NxStudioClips::textOf(clip))
        , m_after(text)
    {
    }

    void redo() override { set(m_after); }
    void undo() override { set(m_before); }

private:
    void set(const QString& text)
    {
        NxStudioClips::setText(m_clip, text);
        emit m_timeline->changed();
    }

    NxStudioTimeline* m_timeline;
    NxTimelineClip* m_clip;
    QString m_before;
    QString m_after;
};

NxStudioTimeline::NxStudioTimeline(QObject* parent)
    : QObject(parent)
{
    reset({NxSequence::VideoTrack, NxSequence::AudioTrack, NxSequence::TitleTrack, NxSequence::SubtitleTrack});
}

NxStudioTimeline::~NxStudioTimeline()
{
    // The steps point at the clips; let them go first.
    m_undoStack.clear();
}

NxSequence* NxStudioTimeline::sequence() { return m_sequence.get(); }
const NxSequence* NxStudioTimeline::sequence() const { return m_sequence.get(); }
QUndoStack* NxStudioTimeline::undoStack() { return &m_undoStack; }

QList<NxTimelineClip*> NxStudioTimeline::clips() const
{
    QList<NxTimelineClip*> result;
    for (INxClip* clip : m_sequence->clips())
        result.append(static_cast<NxTimelineClip*>(clip));
    return result;
}

bool NxStudioTimeline::isOnTimeline(const INxClip* clip) const
{
    return clip && m_sequence->contains(clip);
}

NxStudioTimeline::MediaUse NxStudioTimeline::useOf(const INxMediaObject* media) const
{
    MediaUse use;
    for (const NxTimelineClip* clip : clips()) {
        // Titles and subtitles have no media.
        if (!media || clip->media() != media)
            continue;
        use.frames = qMax(use.frames, clip->outPoint());
        use.sound = use.sound || clip->type() == INxClip::Audio;
    }
    return use;
}

NxStudioTimeline::State NxStudioTimeline::stateOf(const NxTimelineClip* clip, bool onTimeline)
{
    return {onTimeline, clip->position(), clip->track()};
}

QList<NxTimelineClip*> NxStudioTimeline::addClips(std::vector<std::unique_ptr<NxTimelineClip>> clips,
                                                  const QString& what, int preferredTrack)
{
    std::map<NxSequence::TrackKind, QVector<NxTimelineClip*>> byKind;
    for (const auto& clip : clips)
        byKind[NxSequence::trackKindOf(clip->type())].append(clip.get());

    QVector<Change> changes;
    for (const auto& [kind, group] : byKind) {
        QVector<NxSequence::Span> spans;
        for (NxTimelineClip* clip : group) {
            clip->setPosition(qMax<qint64>(0, clip->position()));
            spans.append({0, clip->position(), clip->length()});
        }
        const QVector<int> tracks = m_sequence->placeSpans(kind, spans, preferredTrack);
        for (int i = 0; i < group.size(); ++i) {
            group[i]->setTrack(tracks.at(i));
            changes.append({group[i], {false, group[i]->position(), tracks.at(i)}, stateOf(group[i], true)});
        }
    }
    QList<NxTimelineClip*> added;
    for (auto& clip : clips) {
        added.append(clip.get());
        m_offTimeline.push_back(std::move(clip));
    }
    if (!changes.isEmpty())
        push(what, std::move(changes));
    return added;
}

bool NxStudioTimeline::moveClips(const QVector<Move>& asked)
{
    QVector<Move> moves = asked;
    for (const Move& move : asked) {
        NxTimelineClip* link = NxStudioClips::linkOf(move.clip);
        const bool named = std::any_of(asked.begin(), asked.end(), [link](const Move& m) { return m.clip == link; });
        if (link && !named && move.clip)
            moves.append({link, link->position() + move.position - move.clip->position(), link->track()});
    }
    QVector<NxSequence::Span> spans;
    QList<const INxClip*> moved;
    QVector<Change> changes;
    for (const Move& move : moves) {
        if (!isOnTimeline(move.clip) || move.track < 0 || move.track >= m_sequence->trackCount()
            || m_sequence->trackKind(move.track) != NxSequence::trackKindOf(move.clip->type()))
            return false;
        spans.append({move.track, move.position, move.clip->length()});
        moved.append(move.clip);
        if (move.position != move.clip->position() || move.track != move.clip->track())
            changes.append({move.clip, stateOf(move.clip, true), {true, move.position, move.track}});
    }
    if (!m_sequence->isFree(spans, moved))
        return false;
    const QString what = changes.size() == 1 ? tr("Move clip") : tr("Move clips");
    if (!changes.isEmpty())
        push(what, std::move(changes));
    return true;
}

void NxStudioTimeline::removeClips(const QList<NxTimelineClip*>& asked)
{
    QVector<Change> changes;
    QList<NxTimelineClip*> clips;
    for (NxTimelineClip* clip : asked)
        for (NxTimelineClip* each : {clip, NxStudioClips::linkOf(clip)})
            if (each && !clips.contains(each))
                clips.append(each);
    for (NxTimelineClip* clip : clips)
        if (isOnTimeline(clip))
            changes.append({clip, stateOf(clip, true), stateOf(clip, false)});
    const QString what = changes.size() == 1 ? tr("Delete clip") : tr("Delete clips");
    if (!changes.isEmpty())
        push(what, std::move(changes));
}

void NxStudioTimeline::editText(NxTimelineClip* clip, const QString& text)
{
    if (isOnTimeline(clip) && NxStudioClips::hasText(clip) && text != NxStudioClips::textOf(clip))
        m_undoStack.push(new TextEdit(this, clip, text));
}

void NxStudioTimeline::reset(const QVector<NxSequence::TrackKind>& kinds,
                             std::vector<std::unique_ptr<NxTimelineClip>> clips)
{
    m_undoStack.clear();
    if (m_sequence) {
        for (NxTimelineClip* clip : this->clips())
            m_offTimeline.push_back(m_sequence->takeClip(clip));
        m_retired.push_back(std::move(m_sequence));
    }
    m_sequence = std::make_unique<NxSequence>(QStringLiteral("Sequence"), FrameRate);
    for (NxSequence::TrackKind kind : kinds)
        m_sequence->addTrack(kind);
    m_titlesMade = m_subtitlesMade = 0;
    for (auto& clip : clips) {
        // New names go on from the highest number the loaded ones have.
        int& made = clip->type() == INxClip::Title ? m_titlesMade : m_subtitlesMade;
        if (NxStudioClips::hasText(clip.get()))
            made = qMax(made, clip->name().section(QLatin1Char(' '), -1).toInt());
        m_sequence->insertClip(std::move(clip));
    }
    const bool selected = !m_selection.isEmpty();
    m_selection.clear();
    m_playhead = 0;
    emit changed();
    if (selected)
        emit selectionChanged();
    emit playheadChanged(0);
}

void NxStudioTimeline::push(const QString& what, QVector<Change> changes)
{
    m_undoStack.push(new Edit(this, what, std::move(changes)));
}

void NxStudioTimeline::apply(const QVector<Change>& changes, bool forward)
{
    const QList<NxTimelineClip*> selected = m_selection;
    for (const Change& change : changes) {
        const State& state = forward ? change.after : change.before;
        NxTimelineClip* clip = change.clip;
        if (state.onTimeline && !m_sequence->contains(clip)) {
            const auto waiting = std::find_if(m_offTimeline.begin(), m_offTimeline.end(),
                                              [clip](const auto& own) { return own.get() == clip; });
            std::unique_ptr<NxTimelineClip> own = std::move(*waiting);
            m_offTimeline.erase(waiting);
            m_sequence->insertClip(std::move(own));
        } else if (!state.onTimeline && m_sequence->contains(clip)) {
            m_offTimeline.push_back(m_sequence->takeClip(clip));
            m_selection.removeAll(clip);
        }
        clip->setPosition(state.position);
        clip->setTrack(state.track);
    }
    emit changed();
    if (m_selection != selected)
        emit selectionChanged();
}

QList<NxTimelineClip*> NxStudioTimeline::selection() const
{
    return m_selection;
}

void NxStudioTimeline::setSelection(const QList<NxTimelineClip*>& clips)
{
    QList<NxTimelineClip*> selection;
    for (NxTimelineClip* clip : clips)
        for (NxTimelineClip* each : {clip, NxStudioClips::linkOf(clip)})
            if (isOnTimeline(each) && !selection.contains(each))
                selection.append(each);
    if (selection == m_selection)
        return;
    m_selection = selection;
    emit selectionChanged();
}

qint64 NxStudioTimeline::playhead() const
{
    return m_playhead;
}

void NxStudioTimeline::setPlayhead(qint64 frame)
{
    frame = qMax<qint64>(0, frame);
    if (frame == m_playhead)
        return;
    m_playhead = frame;
    emit playheadChanged(frame);
}

qint64 NxStudioTimeline::framesOf(qint64 milliseconds) const
{
    return (milliseconds * FrameRate.num + 500 * FrameRate.den) / (1000 * FrameRate.den);
}

QString NxStudioTimeline::newClipName(int clipType)
{
    if (clipType == INxClip::Title)
        return tr("Title %1").arg(++m_titlesMade);
    return tr("Subtitle %1").arg(++m_subtitlesMade);
}
