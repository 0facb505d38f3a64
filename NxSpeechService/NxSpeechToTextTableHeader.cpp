#include "NxSpeechToTextTableHeader.h"

#include "NxSpeechToTextTableDelegate.h"

NxSpeechToTextTableHeader::NxSpeechToTextTableHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
}

NxSpeechToTextTableHeader::~NxSpeechToTextTableHeader() = default;

void NxSpeechToTextTableHeader::setDelegate(NxSpeechToTextTableDelegate* delegate)
{
    m_delegate = delegate;
}

void NxSpeechToTextTableHeader::enterEvent(QEvent* event)
{
    emit sigEnter();
    QHeaderView::enterEvent(event);
}

void NxSpeechToTextTableHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (m_delegate)
        m_delegate->paintHeaderSection(painter, rect, logicalIndex);
}
