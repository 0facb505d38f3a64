#include "NxVoicePanel.h"

#include "NxControlPainter.h"
#include "NxKeyNavigation.h"
#include "NxVoiceAnimationHelper.h"
#include "NxVoiceItem.h"

#include <QAccessible>
#include <QGridLayout>
#include <QKeyEvent>
#include <QScrollArea>

namespace
{
// Four 136 px tiles with 12 px between them fill the 580 px width; each
// row of 40 px tiles takes 52 px with its spacing, the first one 46 px with
// the top margin of 3.
constexpr int Columns = 4;
constexpr int Spacing = 12;
constexpr int TopMargin = 3;
constexpr int PanelWidth = 580;
constexpr int RowHeight = 52;
constexpr int FirstRowHeight = 46;
constexpr int EmptyHeight = 6;
}

NxVoicePanel::NxVoicePanel(QWidget* parent)
    : NxWidget(parent)
{
    buildLayout();
    setMinimumSize(PanelWidth, EmptyHeight);
    followAnimation();
}

void NxVoicePanel::buildLayout()
{
    m_layout = new QGridLayout(this);
    m_layout->setContentsMargins(0, TopMargin, 0, 0);
    m_layout->setHorizontalSpacing(Spacing);
    m_layout->setVerticalSpacing(Spacing);
    // Tiles keep their size; when the panel is larger they stay packed in the top left corner.
    m_layout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void NxVoicePanel::followAnimation()
{
    connect(NxVoiceAnimationHelper::instance(), &NxVoiceAnimationHelper::sigUpdate, this, [this](const QImage& image) {
        if (m_currentItem)
            m_currentItem->setFrame(image);
    });
}

void NxVoicePanel::addItem(bool male, const QString& showName, int id, const QString& code)
{
    const int count = m_items.size();
    auto* item = new NxVoiceItem(male, showName, id, code, this);
    m_layout->addWidget(item, count / Columns, count % Columns);
    m_items.append(item);
    connect(item, &NxVoiceItem::sigDoubleClicked, this, &NxVoicePanel::slotItemDoubleClicked);
    connect(item, &NxVoiceItem::sigClicked, this, &NxVoicePanel::slotItemClicked);
    setMinimumSize(PanelWidth, RowHeight * (count / Columns) + FirstRowHeight);
    // Reached with Tab once there is a voice to choose; a click never takes focus.
    setFocusPolicy(Qt::TabFocus);
}

void NxVoicePanel::clearItems()
{
    stopAnimation();
    // Forgotten first, so no frame can reach a deleted tile.
    m_currentItem = nullptr;
    qDeleteAll(m_items);
    m_items.clear();
    m_focusIndex = -1;
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(PanelWidth, EmptyHeight);
}

void NxVoicePanel::stopAnimation()
{
    NxVoiceAnimationHelper::instance()->stop();
    for (NxVoiceItem* item : qAsConst(m_items))
        item->setFrame(QImage());
}

void NxVoicePanel::selectItem(NxVoiceItem* item)
{
    for (NxVoiceItem* tile : qAsConst(m_items))
        tile->setSelected(tile == item);
}

void NxVoicePanel::slotItemClicked()
{
    if (auto* item = qobject_cast<NxVoiceItem*>(sender()))
        selectItem(item);
}

void NxVoicePanel::slotItemDoubleClicked()
{
    auto* item = qobject_cast<NxVoiceItem*>(sender());
    if (!item)
        return;
    selectItem(item);
    m_currentItem = item;
    emit sigDoubleClicked();
}

void NxVoicePanel::keyPressEvent(QKeyEvent* event)
{
    NxVoiceItem* tile = m_items.value(m_focusIndex);
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        moveFocusTo(NxKeyNavigation::Step({m_items.cbegin(), m_items.cend()}, m_focusIndex, Columns, event->key()));
        break;
    case Qt::Key_Space:
        if (tile)
            tile->choose();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Taken here, so the dialog does not take it for its own.
        if (tile)
            tile->preview();
        break;
    default:
        NxWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

// Tab comes back to the chosen voice.
void NxVoicePanel::focusInEvent(QFocusEvent* event)
{
    NxWidget::focusInEvent(event);
    int chosen = 0;
    for (int index = 0; index < m_items.size(); ++index)
        if (m_items.at(index)->isSelected())
            chosen = index;
    moveFocusTo(chosen);
}

void NxVoicePanel::focusOutEvent(QFocusEvent* event)
{
    NxWidget::focusOutEvent(event);
    for (NxVoiceItem* tile : qAsConst(m_items))
        tile->setFocusMarked(false);
}

void NxVoicePanel::moveFocusTo(int index)
{
    m_focusIndex = index;
    const bool shown = NxControlPainter::ShowsFocusRing(this);
    for (int other = 0; other < m_items.size(); ++other)
        m_items.at(other)->setFocusMarked(shown && other == index);
    if (QAccessible::isActive() && focusItem()) {
        QAccessibleEvent event(focusItem(), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
    // The grid scrolls inside the dialog's voice list.
    auto* area = qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr);
    if (area && m_items.value(index))
        area->ensureWidgetVisible(m_items.at(index), 0, Spacing);
}
