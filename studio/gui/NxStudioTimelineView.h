#pragma once

#include "NxStudioTimelineGeometry.h"

#include <QWidget>

class NxStudioTimeline;
class NxTimelineClip;

// Draws the timeline (ruler, tracks, clips, playhead) and lets the user
// select clips (click, Ctrl+click, Shift+click), drag them along their
// tracks or to another track of their kind, edit a title's or subtitle's
// text (double-click), set the playhead (click on the ruler or an empty
// place), zoom (Ctrl+wheel) and drop media from the bin. A clip's tooltip
// tells its whole text, and whether its file is missing (offline clips are
// drawn hatched).
//
// By keyboard, once it has focus (Tab or a click, framed then): Ctrl+Left
// and Ctrl+Right select the previous and next clip on the track, Up and Down
// the nearest clip on the track above and below, Escape selects nothing;
// Left and Right move the selection by a frame, with Shift by a second, as a
// drag would. With nothing selected, Left and Right are the window's
// playback keys. Screen readers find the clips as its accessible children
// (NxStudioTimelineAccessible).
class NxStudioTimelineView : public QWidget
{
    Q_OBJECT

public:
    explicit NxStudioTimelineView(NxStudioTimeline* timeline, QWidget* parent = nullptr);
    ~NxStudioTimelineView() override;

    NxStudioTimeline* timeline() const;
    NxStudioTimelineGeometry geometryNow() const;
    // Where a clip is drawn, in this widget's coordinates.
    QRect clipRect(const NxTimelineClip* clip) const;
    // Positive steps zoom in, negative out; each scales the time axis by a quarter.
    void zoom(double steps);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Every clip, track by track from the top, each track's in time order.
    QList<NxTimelineClip*> clipsInOrder() const;
    // The selected clip the keys go on from: the one chosen last, else the first selected.
    NxTimelineClip* currentClip() const;
    // Selects the clip (and its linked one) and goes on from it.
    void choose(NxTimelineClip* clip);
    // Track names as the headers show them ("Audio 2").
    QString trackName(int track) const;

signals:
    // Bin items (their ids) dropped at a frame, on a track (-1: none under the mouse).
    void mediaDropped(const QList<int>& ids, qint64 frame, int track);
    // A drag that could not be applied: clips would overlap or leave their kind of track.
    void moveRefused();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct Drag;

    void paintRuler(QPainter& painter, const NxStudioTimelineGeometry& geometry, const QRect& exposed) const;
    void paintLanes(QPainter& painter, const NxStudioTimelineGeometry& geometry) const;
    void paintHeaders(QPainter& painter, const NxStudioTimelineGeometry& geometry, int left) const;
    void paintClip(QPainter& painter, const NxTimelineClip* clip, const QRect& rect, bool selected) const;
    void paintPlayhead(QPainter& painter, const NxStudioTimelineGeometry& geometry) const;
    // Where the scrolled view's visible part begins: the track names are drawn there.
    int visibleLeft() const;
    NxTimelineClip* clipAt(const QPoint& point) const;
    bool isDragged(const NxTimelineClip* clip) const;
    // Where a clip lies during a drag; where it is otherwise.
    qint64 shownPosition(const NxTimelineClip* clip) const;
    int shownTrack(const NxTimelineClip* clip) const;
    void updateDrag(const QPoint& point);
    // The dragged clips go `frames` later, never before 0.
    void setFrameDelta(qint64 frames);
    void finishDrag();
    // Moves the selection `frames` later as a drag by as much would.
    void nudge(qint64 frames);
    // The clip on `row` nearest to `frame`: any (direction 0), or the next one
    // starting after it (1), or before it (-1).
    NxTimelineClip* clipOnRow(int row, qint64 frame, int direction) const;
    void selectAlong(int direction);
    void selectAcross(int direction);
    // Scrolls the clip into view.
    void reveal(const NxTimelineClip* clip);
    void selectionChanged();
    void contentChanged();
    void editText(NxTimelineClip* clip);

    NxStudioTimeline* m_timeline;
    double m_pixelsPerSecond = 40.0;
    std::unique_ptr<Drag> m_drag;
    bool m_scrubbing = false;
    NxTimelineClip* m_current = nullptr;
    QList<NxTimelineClip*> m_announced; // the selection screen readers were told of
};
