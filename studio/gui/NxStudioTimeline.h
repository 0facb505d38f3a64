#pragma once

#include "NxSequence.h"

#include <QObject>
#include <QUndoStack>

#include <memory>
#include <vector>

class INxMediaObject;
class NxTimelineClip;

// The editor's timeline: the host sequence the engine reads, the clips the
// user selected, the playhead, and every edit as an undoable step.
//
// A clip is never freed before the timeline itself: the voice-text services
// keep the clips of their tasks and hand them back with the results, so a
// removed clip waits off the timeline, where an undo can also bring it back.
class NxStudioTimeline : public QObject
{
    Q_OBJECT

public:
    static constexpr NxRational FrameRate{25, 1};

    struct Move
    {
        NxTimelineClip* clip = nullptr;
        qint64 position = 0;
        int track = 0;
    };
    // What the clips on the timeline take of one media: the frames up to the
    // furthest out-point, and whether any of them plays its sound.
    struct MediaUse
    {
        qint64 frames = 0;
        bool sound = false;
    };

    explicit NxStudioTimeline(QObject* parent = nullptr);
    ~NxStudioTimeline() override;

    NxSequence* sequence();
    const NxSequence* sequence() const;
    QUndoStack* undoStack();
    QList<NxTimelineClip*> clips() const;
    bool isOnTimeline(const INxClip* clip) const;
    MediaUse useOf(const INxMediaObject* media) const;

    // Adds the clips at their positions as one step named `what`. Clips of
    // one kind stay together on one track where they can: `preferredTrack`
    // when it is of their kind and has room, else the first that has, else a
    // new one (NxSequence::placeSpans).
    QList<NxTimelineClip*> addClips(std::vector<std::unique_ptr<NxTimelineClip>> clips, const QString& what,
                                    int preferredTrack = -1);
    // Moves clips as one step; false, and nothing changes, when a clip would
    // start before 0, leave its kind of track or overlap another clip. A
    // linked clip not named moves by as much on its own track.
    bool moveClips(const QVector<Move>& moves);
    // Removes the clips and the clips linked to them as one step.
    void removeClips(const QList<NxTimelineClip*>& clips);
    // Replaces a title's or subtitle's text as one step.
    void editText(NxTimelineClip* clip, const QString& text);
    // Starts over on tracks of `kinds` with `clips` on the tracks they name,
    // where they must fit, and no steps to undo. The clips of before wait
    // off the timeline, and the sequence of before stays, for the tasks
    // that may still hold them.
    void reset(const QVector<NxSequence::TrackKind>& kinds, std::vector<std::unique_ptr<NxTimelineClip>> clips = {});

    QList<NxTimelineClip*> selection() const;
    // Selects the clips and the clips linked to them.
    void setSelection(const QList<NxTimelineClip*>& clips);

    qint64 playhead() const;
    void setPlayhead(qint64 frame);

    qint64 framesOf(qint64 milliseconds) const;
    // "Title 3", "Subtitle 12": the next name for a new clip of that type.
    QString newClipName(int clipType);

signals:
    void changed();
    void selectionChanged();
    void playheadChanged(qint64 frame);

private:
    class Edit;
    class TextEdit;
    struct State
    {
        bool onTimeline = false;
        qint64 position = 0;
        int track = 0;
    };
    struct Change
    {
        NxTimelineClip* clip = nullptr;
        State before;
        State after;
    };

    static State stateOf(const NxTimelineClip* clip, bool onTimeline);
    void apply(const QVector<Change>& changes, bool forward);
    void push(const QString& what, QVector<Change> changes);

    std::unique_ptr<NxSequence> m_sequence;
    std::vector<std::unique_ptr<NxSequence>> m_retired;
    std::vector<std::unique_ptr<NxTimelineClip>> m_offTimeline;
    QList<NxTimelineClip*> m_selection;
    qint64 m_playhead = 0;
    int m_titlesMade = 0;
    int m_subtitlesMade = 0;
    QUndoStack m_undoStack;
};
