#include "NxStudioTimelineView.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxStudioClips.h"
#include "NxStudioMediaBin.h"
#include "NxStudioTimelineAccessible.h"
#include "NxStudioTimeText.h"
#include "NxStudioTimeline.h"
#include "NxTimelineClip.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QInputDialog>
#include <QToolTip>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace
{
using C = NxSkinColor;
using G = NxStudioTimelineGeometry;

// Each kind of track and its clips has a colour role; the skin says what it looks like.
C::NxColorType kindRole(NxSequence::TrackKind kind)
{
    switch (kind) {
    case NxSequence::AudioTrack:
        return C::Alert_Success;
    case NxSequence::TitleTrack:
        return C::Avatar_Female;
    case NxSequence::SubtitleTrack:
        return C::Alert_Warning;
    default:
        return C::VarneloX_Primary;
    }
}

constexpr int FillAlpha = 96;
constexpr int SelectedFillAlpha = 176;
constexpr int CornerRadius = 3;
constexpr int TextPadding = 6;
constexpr int NamePixelSize = 12;
constexpr int DetailPixelSize = 11;
constexpr int MinLabelSpacing = 72; // pixels between two time labels of the ruler
constexpr int MinTickSpacing = 8;
constexpr int PlayheadHandle = 6;
constexpr int KindStripWidth = 3;
constexpr double ZoomStep = 1.25;

QColor skin(C::NxColorType role)
{
    return NxSingleton<NxSkinStyle>::instance()->GetColor(role);
}

QString kindName(NxSequence::TrackKind kind, int number)
{
    switch (kind) {
    case NxSequence::AudioTrack:
        return NxStudioTimelineView::tr("Audio %1").arg(number);
    case NxSequence::TitleTrack:
        return NxStudioTimelineView::tr("Titles %1").arg(number);
    case NxSequence::SubtitleTrack:
        return NxStudioTimelineView::tr("Subtitles %1").arg(number);
    default:
        return NxStudioTimelineView::tr("Video %1").arg(number);
    }
}

QFont pixelFont(const QFont& base, int pixels, bool bold)
{
    QFont font(base);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
} // namespace

struct NxStudioTimelineView::Drag
{
    QPoint pressed;
    QList<NxTimelineClip*> clips;
    bool started = false;
    qint64 frameDelta = 0;
    // Clips of the pressed clip's kind change tracks (the others, such as a
    // video's linked sound, keep theirs); 0 unless each lands on a track of its kind.
    NxSequence::TrackKind kind = NxSequence::VideoTrack;
    int rowDelta = 0;
};

NxStudioTimelineView::NxStudioTimelineView(NxStudioTimeline* timeline, QWidget* parent)
    : QWidget(parent)
    , m_timeline(timeline)
{
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(timeline, &NxStudioTimeline::changed, this, &NxStudioTimelineView::contentChanged);
    connect(timeline, &NxStudioTimeline::selectionChanged, this, &NxStudioTimelineView::selectionChanged);
    connect(timeline, &NxStudioTimeline::playheadChanged, this, qOverload<>(&QWidget::update));
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this, qOverload<>(&QWidget::update));
    NxStudioTimelineAccessible::install();
}

NxStudioTimelineView::~NxStudioTimelineView() = default;

NxStudioTimeline* NxStudioTimelineView::timeline() const
{
    return m_timeline;
}

NxStudioTimelineGeometry NxStudioTimelineView::geometryNow() const
{
    return NxStudioTimelineGeometry(*m_timeline->sequence(), m_pixelsPerSecond);
}

QRect NxStudioTimelineView::clipRect(const NxTimelineClip* clip) const
{
    return geometryNow().clipRect(shownPosition(clip), clip->length(), shownTrack(clip));
}

void NxStudioTimelineView::zoom(double steps)
{
    m_pixelsPerSecond = qBound(G::MinPixelsPerSecond, m_pixelsPerSecond * std::pow(ZoomStep, steps),
                               G::MaxPixelsPerSecond);
    contentChanged();
}

QSize NxStudioTimelineView::sizeHint() const
{
    return minimumSizeHint();
}

QSize NxStudioTimelineView::minimumSizeHint() const
{
    return geometryNow().contentSize(m_timeline->sequence()->length());
}

void NxStudioTimelineView::contentChanged()
{
    updateGeometry();
    update();
    // Clips came, went or moved: their order, names and times are to be read again.
    QAccessibleEvent event(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

QList<NxTimelineClip*> NxStudioTimelineView::clipsInOrder() const
{
    const NxStudioTimelineGeometry geometry = geometryNow();
    QList<NxTimelineClip*> clips = m_timeline->clips();
    std::sort(clips.begin(), clips.end(), [&geometry](const NxTimelineClip* a, const NxTimelineClip* b) {
        return std::make_pair(geometry.rowOfTrack(a->track()), a->position())
               < std::make_pair(geometry.rowOfTrack(b->track()), b->position());
    });
    return clips;
}

QString NxStudioTimelineView::trackName(int track) const
{
    const NxSequence& sequence = *m_timeline->sequence();
    const NxSequence::TrackKind kind = sequence.trackKind(track);
    const QVector<int> rows = geometryNow().rows;
    const int number = int(std::count_if(rows.begin(), rows.begin() + rows.indexOf(track) + 1,
                                         [&](int each) { return sequence.trackKind(each) == kind; }));
    return kindName(kind, number);
}

bool NxStudioTimelineView::isDragged(const NxTimelineClip* clip) const
{
    return m_drag && m_drag->started && std::find(m_drag->clips.begin(), m_drag->clips.end(), clip) != m_drag->clips.end();
}

qint64 NxStudioTimelineView::shownPosition(const NxTimelineClip* clip) const
{
    return clip->position() + (isDragged(clip) ? m_drag->frameDelta : 0);
}

int NxStudioTimelineView::shownTrack(const NxTimelineClip* clip) const
{
    if (!isDragged(clip) || m_drag->rowDelta == 0 || m_timeline->sequence()->trackKind(clip->track()) != m_drag->kind)
        return clip->track();
    // Tracks may have been added since the drag was checked: stay put rather than land on another kind.
    const NxStudioTimelineGeometry geometry = geometryNow();
    const int track = geometry.rows.value(geometry.rowOfTrack(clip->track()) + m_drag->rowDelta, -1);
    const NxSequence& sequence = *m_timeline->sequence();
    return track >= 0 && sequence.trackKind(track) == sequence.trackKind(clip->track()) ? track : clip->track();
}

// ---- painting -------------------------------------------------------------

void NxStudioTimelineView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const NxStudioTimelineGeometry geometry = geometryNow();
    painter.fillRect(rect(), skin(C::Varnelo_Background_Surface1));
    paintLanes(painter, geometry);

    // Clips: the selection last, so its outline is never covered.
    const QList<NxTimelineClip*> selection = m_timeline->selection();
    for (NxTimelineClip* clip : m_timeline->clips())
        if (!selection.contains(clip))
            paintClip(painter, clip, clipRect(clip), false);
    for (const NxTimelineClip* clip : selection)
        paintClip(painter, clip, clipRect(clip), true);

    const int left = visibleLeft();
    if (m_timeline->clips().isEmpty()) {
        // The hint's sentence reads in the interface language's direction.
        painter.setLayoutDirection(QGuiApplication::layoutDirection());
        painter.setPen(skin(C::Text_Icon_Tertiary));
        painter.setFont(pixelFont(font(), NamePixelSize, false));
        const QRect free(left + G::HeaderWidth, G::RulerHeight, width() - left - G::HeaderWidth, height() - G::RulerHeight);
        painter.drawText(free, Qt::AlignCenter,
                         tr("Drag media here from the bin, or use Timeline \u25B8 Add to timeline"));
    }
    paintRuler(painter, geometry, event->rect());
    paintPlayhead(painter, geometry);
    // The track names stay in view while the timeline scrolls under them.
    paintHeaders(painter, geometry, left);
    // The panel the keys go to is framed, around the part in view.
    if (hasFocus())
        NxControlPainter::PaintFocusRing(painter, visibleRegion().boundingRect(), 0);
}

int NxStudioTimelineView::visibleLeft() const
{
    return qMax(0, visibleRegion().boundingRect().left());
}

void NxStudioTimelineView::paintRuler(QPainter& painter, const NxStudioTimelineGeometry& geometry,
                                      const QRect& exposed) const
{
    const QRect ruler(0, 0, width(), G::RulerHeight);
    painter.fillRect(ruler, skin(C::Varnelo_Background_Surface2));
    painter.setPen(skin(C::Component_Divider_Secondary));
    painter.drawLine(ruler.bottomLeft(), ruler.bottomRight());

    // The smallest step whose labels do not crowd each other.
    static constexpr int Steps[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 1800, 3600};
    int step = Steps[std::size(Steps) - 1];
    for (int candidate : Steps) {
        if (candidate * geometry.pixelsPerSecond >= MinLabelSpacing) {
            step = candidate;
            break;
        }
    }
    const int ticksPerStep = step % 5 == 0 ? 5 : 2;
    const double minor = double(step) / ticksPerStep;
    const bool minorTicks = minor * geometry.pixelsPerSecond >= MinTickSpacing;
    const qint64 firstTick = qint64(qMax(0, exposed.left() - G::HeaderWidth) / geometry.pixelsPerSecond / minor);
    const qint64 lastTick = qint64(qMax(0, exposed.right() - G::HeaderWidth) / geometry.pixelsPerSecond / minor) + ticksPerStep;
    painter.setFont(pixelFont(font(), DetailPixelSize, false));
    for (qint64 tick = firstTick; tick <= lastTick; ++tick) {
        const double second = tick * minor;
        const int x = G::HeaderWidth + qRound(second * geometry.pixelsPerSecond);
        const bool major = tick % ticksPerStep == 0;
        if (!major && !minorTicks)
            continue;
        painter.setPen(skin(major ? C::Text_Icon_Tertiary : C::Text_Icon_Quaternary));
        painter.drawLine(x, G::RulerHeight - (major ? 10 : 5), x, G::RulerHeight - 1);
        if (major) {
            painter.setPen(skin(C::Text_Icon_Secondary));
            painter.drawText(QPoint(x + 3, G::RulerHeight - 12), NxStudioTimeText::seconds(qRound64(second)));
        }
    }
}

void NxStudioTimelineView::paintLanes(QPainter& painter, const NxStudioTimelineGeometry& geometry) const
{
    for (int row = 0; row < geometry.rows.size(); ++row) {
        const QRect lane = geometry.rowRect(row, width());
        painter.fillRect(lane, skin(row % 2 ? C::Varnelo_Background_Surface1 : C::Varnelo_Background_Surface2));
        painter.fillRect(lane, skin(C::State_Hover));
    }
}

void NxStudioTimelineView::paintHeaders(QPainter& painter, const NxStudioTimelineGeometry& geometry, int left) const
{
    const NxSequence& sequence = *m_timeline->sequence();
    painter.fillRect(QRect(left, 0, G::HeaderWidth, G::RulerHeight), skin(C::Varnelo_Background_Surface2));
    painter.setFont(pixelFont(font(), NamePixelSize, false));
    // The names read from the side the interface language starts on.
    painter.setLayoutDirection(QGuiApplication::layoutDirection());
    for (int row = 0; row < geometry.rows.size(); ++row) {
        const NxSequence::TrackKind kind = sequence.trackKind(geometry.rows.at(row));
        const QRect header(left, geometry.rowRect(row, 0).top(), G::HeaderWidth, G::TrackHeight);
        painter.fillRect(header, skin(C::Varnelo_Background_Surface3));
        painter.fillRect(QRect(header.topLeft(), QSize(KindStripWidth, header.height())), skin(kindRole(kind)));
        painter.setPen(skin(C::Text_Icon_Secondary));
        painter.drawText(header.adjusted(TextPadding + KindStripWidth, 0, -TextPadding, 0),
                         Qt::AlignVCenter | Qt::AlignLeft, trackName(geometry.rows.at(row)));
    }
    painter.setPen(skin(C::Component_Divider_Secondary));
    painter.drawLine(left + G::HeaderWidth, 0, left + G::HeaderWidth, height());
}

void NxStudioTimelineView::paintClip(QPainter& painter, const NxTimelineClip* clip, const QRect& rect,
                                     bool selected) const
{
    QColor fill = skin(kindRole(NxSequence::trackKindOf(clip->type())));
    const QColor edge = fill;
    fill.setAlpha(selected ? SelectedFillAlpha : FillAlpha);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), CornerRadius, CornerRadius);
    painter.fillPath(shape, fill);
    const bool offline = NxStudioClips::isOffline(clip);
    if (offline)
        painter.fillPath(shape, QBrush(skin(C::Alert_Danger), Qt::BDiagPattern));
    painter.setPen(QPen(selected ? skin(C::Text_Icon_Primary) : offline ? skin(C::Alert_Danger) : edge, selected ? 2 : 1));
    painter.drawPath(shape);

    const QRect text = rect.adjusted(TextPadding, 3, -TextPadding, -3);
    if (text.width() < TextPadding)
        return;
    painter.save();
    painter.setClipRect(text);
    // Names and words are the user's, in whichever direction they are written.
    painter.setLayoutDirection(Qt::LayoutDirectionAuto);
    const QFont nameFont = pixelFont(font(), NamePixelSize, true);
    const QFont detailFont = pixelFont(font(), DetailPixelSize, false);
    painter.setFont(nameFont);
    painter.setPen(skin(C::Text_Icon_Primary));
    const QFontMetrics nameMetrics(nameFont);
    painter.drawText(text.topLeft() + QPoint(0, nameMetrics.ascent()),
                     nameMetrics.elidedText(clip->name(), Qt::ElideRight, text.width()));
    QString detail = offline ? tr("offline") : NxStudioClips::wordsOf(clip);
    if (detail.isEmpty())
        detail = NxStudioTimeText::tenths(clip->frameRate().framesToSecondsF(clip->length()));
    painter.setFont(detailFont);
    painter.setPen(skin(C::Text_Icon_Secondary));
    const QFontMetrics detailMetrics(detailFont);
    painter.drawText(text.bottomLeft() - QPoint(0, detailMetrics.descent()),
                     detailMetrics.elidedText(detail, Qt::ElideRight, text.width()));
    painter.restore();
}

void NxStudioTimelineView::paintPlayhead(QPainter& painter, const NxStudioTimelineGeometry& geometry) const
{
    const int x = geometry.x(m_timeline->playhead());
    const QColor colour = skin(C::VarneloX_Primary);
    painter.setPen(QPen(colour, 1));
    painter.drawLine(x, G::RulerHeight - PlayheadHandle, x, height());
    QPolygon handle;
    handle << QPoint(x - PlayheadHandle, G::RulerHeight - 2 * PlayheadHandle)
           << QPoint(x + PlayheadHandle, G::RulerHeight - 2 * PlayheadHandle) << QPoint(x, G::RulerHeight - PlayheadHandle);
    painter.setBrush(colour);
    painter.drawPolygon(handle);
}

// ---- mouse ----------------------------------------------------------------

NxTimelineClip* NxStudioTimelineView::clipAt(const QPoint& point) const
{
    // The selection is drawn on top, so it is hit first.
    QList<NxTimelineClip*> order = m_timeline->selection();
    for (NxTimelineClip* clip : m_timeline->clips())
        if (!order.contains(clip))
            order.append(clip);
    for (NxTimelineClip* clip : qAsConst(order))
        if (clipRect(clip).contains(point))
            return clip;
    return nullptr;
}

void NxStudioTimelineView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const NxStudioTimelineGeometry geometry = geometryNow();
    const QPoint point = event->pos();
    if (point.y() < G::RulerHeight) {
        m_scrubbing = true;
        m_timeline->setPlayhead(geometry.frameAt(point.x()));
        return;
    }
    if (point.x() < visibleLeft() + G::HeaderWidth)
        return; // the track names
    const bool adding = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    QList<NxTimelineClip*> selection = m_timeline->selection();
    NxTimelineClip* clip = clipAt(point);
    if (!clip) {
        if (!adding)
            m_timeline->setSelection({});
        m_timeline->setPlayhead(geometry.frameAt(point.x()));
        return;
    }
    if (adding) {
        if (selection.removeAll(clip) == 0)
            selection.append(clip);
        m_timeline->setSelection(selection);
        if (!selection.contains(clip))
            return;
    } else if (!selection.contains(clip)) {
        m_timeline->setSelection({clip});
    }
    m_current = clip;
    m_drag = std::make_unique<Drag>();
    m_drag->pressed = point;
    m_drag->clips = m_timeline->selection();
    m_drag->kind = m_timeline->sequence()->trackKind(clip->track());
}

void NxStudioTimelineView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_scrubbing) {
        m_timeline->setPlayhead(geometryNow().frameAt(event->pos().x()));
    } else if (m_drag) {
        if (!m_drag->started
            && (event->pos() - m_drag->pressed).manhattanLength() < QApplication::startDragDistance())
            return;
        m_drag->started = true;
        updateDrag(event->pos());
    }
}

void NxStudioTimelineView::updateDrag(const QPoint& point)
{
    const NxStudioTimelineGeometry geometry = geometryNow();
    const double seconds = (point.x() - m_drag->pressed.x()) / geometry.pixelsPerSecond;
    setFrameDelta(qRound64(seconds * geometry.rate.num / geometry.rate.den));

    const int fromRow = geometry.rowAt(m_drag->pressed.y());
    const int toRow = geometry.rowAt(point.y());
    const int rowDelta = fromRow < 0 || toRow < 0 ? 0 : toRow - fromRow;
    const NxSequence& sequence = *m_timeline->sequence();
    bool fits = true;
    for (const NxTimelineClip* clip : qAsConst(m_drag->clips)) {
        if (sequence.trackKind(clip->track()) != m_drag->kind)
            continue;
        const int row = geometry.rowOfTrack(clip->track()) + rowDelta;
        fits = fits && row >= 0 && row < geometry.rows.size()
               && sequence.trackKind(geometry.rows.at(row)) == sequence.trackKind(clip->track());
    }
    m_drag->rowDelta = fits ? rowDelta : 0;
    update();
}

void NxStudioTimelineView::setFrameDelta(qint64 frames)
{
    qint64 earliest = std::numeric_limits<qint64>::max();
    for (const NxTimelineClip* clip : qAsConst(m_drag->clips))
        earliest = qMin(earliest, clip->position());
    m_drag->frameDelta = qMax(frames, -earliest);
}

void NxStudioTimelineView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_scrubbing = false;
    if (m_drag && m_drag->started)
        finishDrag();
    m_drag.reset();
    update();
}

void NxStudioTimelineView::finishDrag()
{
    QVector<NxStudioTimeline::Move> moves;
    for (NxTimelineClip* clip : qAsConst(m_drag->clips))
        moves.append({clip, shownPosition(clip), shownTrack(clip)});
    if (!m_timeline->moveClips(moves))
        emit moveRefused();
}

void NxStudioTimelineView::mouseDoubleClickEvent(QMouseEvent* event)
{
    NxTimelineClip* clip = event->button() == Qt::LeftButton ? clipAt(event->pos()) : nullptr;
    if (clip && NxStudioClips::hasText(clip))
        editText(clip);
}

void NxStudioTimelineView::editText(NxTimelineClip* clip)
{
    m_drag.reset();
    bool ok = false;
    const QString old = NxStudioClips::textOf(clip);
    const QString text =
        clip->type() == INxClip::Subtitle
            ? QInputDialog::getMultiLineText(this, tr("Edit subtitle"), tr("Subtitle text:"), old, &ok)
            : QInputDialog::getText(this, tr("Edit title"), tr("Title text:"), QLineEdit::Normal, old, &ok).simplified();
    // The clip may have left the timeline while the dialog was open: editText passes it over then.
    if (ok && !text.trimmed().isEmpty())
        m_timeline->editText(clip, text);
}

// ---- keyboard ---------------------------------------------------------------

void NxStudioTimelineView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool along = key == Qt::Key_Left || key == Qt::Key_Right;
    const int direction = key == Qt::Key_Right || key == Qt::Key_Down ? 1 : -1;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool selected = !m_timeline->selection().isEmpty();
    if (along && modifiers == Qt::ControlModifier) {
        selectAlong(direction);
    } else if (along && (modifiers & ~Qt::ShiftModifier) == 0 && selected) {
        const NxRational rate = m_timeline->sequence()->frameRate();
        nudge(direction * (modifiers ? qRound64(double(rate.num) / rate.den) : 1));
    } else if ((key == Qt::Key_Up || key == Qt::Key_Down) && modifiers == Qt::NoModifier) {
        selectAcross(direction);
    } else if (key == Qt::Key_Escape && modifiers == Qt::NoModifier && selected) {
        m_timeline->setSelection({});
    } else {
        QWidget::keyPressEvent(event);
    }
}

void NxStudioTimelineView::nudge(qint64 frames)
{
    if (m_drag)
        return; // the mouse is moving them
    m_drag = std::make_unique<Drag>();
    m_drag->clips = m_timeline->selection();
    m_drag->started = true;
    setFrameDelta(frames);
    finishDrag();
    m_drag.reset();
    reveal(currentClip());
}

NxTimelineClip* NxStudioTimelineView::clipOnRow(int row, qint64 frame, int direction) const
{
    const NxStudioTimelineGeometry geometry = geometryNow();
    NxTimelineClip* nearest = nullptr;
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (NxTimelineClip* clip : m_timeline->clips()) {
        const qint64 offset = clip->position() - frame;
        if (geometry.rowOfTrack(clip->track()) != row || (direction != 0 && direction * offset <= 0))
            continue;
        // Any direction: a clip over the frame is nearest, then the one whose edge is closest.
        const qint64 end = clip->position() + clip->length();
        const qint64 distance = direction != 0 ? qAbs(offset) : offset > 0 ? offset : qMax<qint64>(0, frame - end + 1);
        if (distance < nearestDistance) {
            nearest = clip;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void NxStudioTimelineView::selectAlong(int direction)
{
    const NxStudioTimelineGeometry geometry = geometryNow();
    const NxTimelineClip* current = currentClip();
    int row = current ? geometry.rowOfTrack(current->track()) : -1;
    // With nothing selected: from the playhead, on the first track that has clips.
    for (int each = 0; row < 0 && each < geometry.rows.size(); ++each)
        if (clipOnRow(each, 0, 0))
            row = each;
    const qint64 from = current ? current->position() : m_timeline->playhead() - (direction > 0 ? 1 : 0);
    if (NxTimelineClip* clip = row < 0 ? nullptr : clipOnRow(row, from, direction))
        choose(clip);
}

void NxStudioTimelineView::selectAcross(int direction)
{
    const NxStudioTimelineGeometry geometry = geometryNow();
    const NxTimelineClip* current = currentClip();
    const qint64 frame = current ? current->position() : m_timeline->playhead();
    int row = current ? geometry.rowOfTrack(current->track()) : direction > 0 ? -1 : geometry.rows.size();
    for (row += direction; row >= 0 && row < geometry.rows.size(); row += direction) {
        if (NxTimelineClip* clip = clipOnRow(row, frame, 0)) {
            choose(clip);
            return;
        }
    }
}

NxTimelineClip* NxStudioTimelineView::currentClip() const
{
    const QList<NxTimelineClip*> selection = m_timeline->selection();
    return selection.contains(m_current) ? m_current : selection.value(0);
}

void NxStudioTimelineView::choose(NxTimelineClip* clip)
{
    m_current = clip;
    m_timeline->setSelection({clip});
    reveal(clip);
    if (hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(clipsInOrder().indexOf(clip));
        QAccessible::updateAccessibility(&event);
    }
}

void NxStudioTimelineView::reveal(const NxTimelineClip* clip)
{
    QWidget* up = parentWidget();
    while (up && !qobject_cast<QScrollArea*>(up))
        up = up->parentWidget();
    if (!clip || !up)
        return;
    // Its start clear of the track names drawn over the left edge.
    const QRect rect = clipRect(clip);
    static_cast<QScrollArea*>(up)->ensureVisible(rect.left(), rect.center().y(), G::HeaderWidth + TextPadding,
                                                 rect.height() / 2);
}

void NxStudioTimelineView::selectionChanged()
{
    update();
    // Screen readers hear of each clip whose selected state changed.
    const QList<NxTimelineClip*> selection = m_timeline->selection();
    const QList<NxTimelineClip*> order = QAccessible::isActive() ? clipsInOrder() : QList<NxTimelineClip*>();
    QAccessible::State selected;
    selected.selected = true;
    for (int index = 0; index < order.size(); ++index) {
        if (selection.contains(order.at(index)) != m_announced.contains(order.at(index))) {
            QAccessibleStateChangeEvent event(this, selected);
            event.setChild(index);
            QAccessible::updateAccessibility(&event);
        }
    }
    m_announced = selection;
}

bool NxStudioTimelineView::event(QEvent* event)
{
    // With clips selected, Left and Right move them: they are not the window's playback keys then.
    if (event->type() == QEvent::ShortcutOverride && !m_timeline->selection().isEmpty()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            event->accept();
            return true;
        }
    }
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const NxTimelineClip* clip = clipAt(help->pos());
    if (!clip) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QStringList lines{clip->name()};
    if (NxStudioClips::hasText(clip))
        lines.append(NxStudioClips::textOf(clip));
    if (NxStudioClips::isOffline(clip))
        lines.append(tr("offline: its file is missing (File \u25B8 Relink media\u2026)"));
    QToolTip::showText(help->globalPos(), lines.join(QLatin1Char('\n')), this);
    return true;
}

void NxStudioTimelineView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    zoom(event->angleDelta().y() / 120.0); // a notch of the wheel is one step
    event->accept();
}

// ---- drops from the bin ---------------------------------------------------

void NxStudioTimelineView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(NxStudioMediaBin::MimeType))
        event->acceptProposedAction();
}

void NxStudioTimelineView::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(NxStudioMediaBin::MimeType))
        event->acceptProposedAction();
}

void NxStudioTimelineView::dropEvent(QDropEvent* event)
{
    QList<int> ids;
    for (const QByteArray& text : event->mimeData()->data(NxStudioMediaBin::MimeType).split('\n')) {
        bool ok = false;
        const int id = text.toInt(&ok);
        if (ok)
            ids.append(id);
    }
    if (ids.isEmpty())
        return;
    const NxStudioTimelineGeometry geometry = geometryNow();
    event->acceptProposedAction();
    emit mediaDropped(ids, geometry.frameAt(event->pos().x()), geometry.trackAt(event->pos().y()));
}
