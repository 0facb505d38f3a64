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
class NxStudioTimelineView : public QWidget
{
    Q_OBJECT

public:
    explicit NxStudioTimelineView(NxStudioTimeline* timeline, QWidget* parent = nullptr);
    ~NxStudioTimelineView() override;

    NxStudioTimelineGeometry geometryNow() const;
    // Where a clip is drawn, in this widget's coordinates.
    QRect clipRect(const NxTimelineClip* clip) const;
    // Positive steps zoom in, negative out; each scales the time axis by a quarter.
    void zoom(double steps);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

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
    void finishDrag();
    void contentChanged();
    void editText(NxTimelineClip* clip);

    NxStudioTimeline* m_timeline;
    double m_pixelsPerSecond = 40.0;
    std::unique_ptr<Drag> m_drag;
    bool m_scrubbing = false;
};
