#include "NxTaskTableHeader.h"

#include "NxTaskTableDelegate.h"

NxTaskTableHeader::NxTaskTableHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
}

NxTaskTableHeader::~NxTaskTableHeader() = default;

void NxTaskTableHeader::setDelegate(NxTaskTableDelegate* delegate)
{
    m_delegate = delegate;
}

void NxTaskTableHeader::enterEvent(QEvent* event)
{
    emit sigEnter();
    QHeaderView::enterEvent(event);
}

void NxTaskTableHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (m_delegate)
        m_delegate->paintHeaderSection(painter, rect, logicalIndex);
}
