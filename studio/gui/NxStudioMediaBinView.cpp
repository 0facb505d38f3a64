#include "NxStudioMediaBinView.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxStudioMediaBin.h"
#include "NxStudioMediaBinDelegate.h"

#include <QPainter>

#include <algorithm>

namespace
{
constexpr int HintMargin = 16;
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

void NxStudioMediaBinView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    if (model()->rowCount() > 0)
        return;
    QPainter painter(viewport());
    painter.setPen(NxSingleton<NxSkinStyle>::instance()->GetColor(NxSkinColor::Text_Icon_Tertiary));
    painter.drawText(viewport()->rect().adjusted(HintMargin, HintMargin, -HintMargin, -HintMargin),
                     Qt::AlignCenter | Qt::TextWordWrap, emptyHint());
}

QString NxStudioMediaBinView::emptyHint()
{
    // No-break spaces keep the menu path on one line however narrow the bin.
    return tr("Import audio and video with File\u00A0\u25B8\u00A0Import\u2026 or drop files here.");
}
