#pragma once

#include "NxWidget.h"

#include <QList>

class NxVoiceItem;
class QGridLayout;

// The voice grid: voice tiles four to a row, exactly one of them chosen by
// a click. A double-click also makes the tile the one that shows the
// speaking animation and asks for a preview with sigDoubleClicked.
class NxVoicePanel : public NxWidget
{
    Q_OBJECT

public:
    explicit NxVoicePanel(QWidget* parent);

    void addItem(bool male, const QString& showName, int id, const QString& code);
    // Stops the animation and deletes every tile.
    void clearItems();
    // Stops the animation and brings back every tile's speaker icon.
    void stopAnimation();

    // Marks `item` chosen and every other tile not.
    void selectItem(NxVoiceItem* item);

    // The tiles in the order they were added.
    const QList<NxVoiceItem*>& items() const { return m_items; }
    // The tile double-clicked last, which shows the animation; null when none.
    NxVoiceItem* currentItem() const { return m_currentItem; }

signals:
    void sigDoubleClicked();

private slots:
    void slotItemDoubleClicked();
    void slotItemClicked();

private:
    void buildLayout();
    void followAnimation();

    QList<NxVoiceItem*> m_items;
    NxVoiceItem* m_currentItem = nullptr;
    QGridLayout* m_layout = nullptr;
};
