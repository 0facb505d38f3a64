#include "NxVoicePanel.h"

#include "NxVoiceAnimationHelper.h"
#include "NxVoiceItem.h"

#include <QGridLayout>

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
}

void NxVoicePanel::clearItems()
{
    stopAnimation();
    // Forgotten first, so no frame can reach a deleted tile.
    m_currentItem = nullptr;
    qDeleteAll(m_items);
    m_items.clear();
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
