#include "NxStudioMediaBinView.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxStudioMediaBin.h"
#include "NxStudioMediaBinDelegate.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace
{
constexpr int HintMargin = 16;

// The list's keys for moving through it, which the window also gives to playback.
bool isMovingKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
}
}

NxStudioMediaBinView::NxStudioMediaBinView(NxStudioMediaBin* bin, QWidget* parent)
    : QListView(parent)
{
    setModel(bin);
    setItemDelegate(new NxStudioMediaBinDelegate(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, viewport(),
            qOverload<>(&QWidget::update));
}

QList<int> NxStudioMediaBinView::selectedIds() const
{
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QList<int> ids;
    for (const QModelIndex& row : qAsConst(rows))
        if (row.data(NxStudioMediaBin::KindRole).toInt() != NxStudioMediaBin::Reading)
            ids.append(row.data(NxStudioMediaBin::IdRole).toInt());
    return ids;
}

bool NxStudioMediaBinView::event(QEvent* event)
{
    // Claimed here, the key comes to keyPressEvent instead of a shortcut;
    // Select All in the bin selects its files, not the timeline's clips.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isMovingKey(key->key()) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QListView::event(event);
}

void NxStudioMediaBinView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        emit chosen(selectedIds());
        return;
    }
    QListView::keyPressEvent(event);
}

void NxStudioMediaBinView::focusInEvent(QFocusEvent* event)
{
    QListView::focusInEvent(event);
    viewport()->update();
}

void NxStudioMediaBinView::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    viewport()->update();
}

void NxStudioMediaBinView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    QPainter painter(viewport());
    // The panel the keys go to is framed.
    if (hasFocus())
        NxControlPainter::PaintFocusRing(painter, viewport()->rect(), 0);
    if (model()->rowCount() > 0)
        return;
    painter.setPen(NxSingleton<NxSkinStyle>::instance()->GetColor(NxSkinColor::Text_Icon_Tertiary));
    painter.drawText(viewport()->rect().adjusted(HintMargin, HintMargin, -HintMargin, -HintMargin),
                     Qt::AlignCenter | Qt::TextWordWrap, emptyHint());
}

QString NxStudioMediaBinView::emptyHint()
{
    // No-break spaces keep the menu path on one line however narrow the bin.
    return tr("Import audio and video with File\u00A0\u25B8\u00A0Import\u2026 or drop files here.");
}
