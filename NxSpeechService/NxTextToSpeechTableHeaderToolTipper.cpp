#include "NxTextToSpeechTableHeaderToolTipper.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace
{
const QRect HotRect(243, 8, 16, 16);
const QRect TipValidRect(0, 0, 166, 48);
}

NxTextToSpeechTableHeaderToolTipper::NxTextToSpeechTableHeaderToolTipper(QObject* parent)
    : QObject(parent)
    , m_hotRect(HotRect)
{
}

bool NxTextToSpeechTableHeaderToolTipper::eventFilter(QObject* watched, QEvent* event)
{
    auto* view = qobject_cast<QAbstractItemView*>(watched);
    if (event->type() != QEvent::ToolTip || !view)
        return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    if (!m_hotRect.contains(help->pos())) {
        QToolTip::hideText();
        return true;
    }
    const QString text = tr("1 sentence per 100 words") + QLatin1Char('\n')
                         + tr("(Less than 100 words are calculated as 100 words)");
    QToolTip::showText(help->globalPos(), text, view, TipValidRect);
    return true;
}
