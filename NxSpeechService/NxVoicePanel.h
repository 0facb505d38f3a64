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
    // The tile the keyboard is on while the grid has focus, else null.
    NxVoiceItem* focusItem() const { return hasFocus() ? m_items.value(m_focusIndex) : nullptr; }

signals:
    void sigDoubleClicked();

protected:
    // The grid is one Tab stop; its focus rests on one tile, marked: arrow
    // keys move it, Space chooses the tile and Return or Enter previews it.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private slots:
    void slotItemDoubleClicked();
    void slotItemClicked();

private:
    void buildLayout();
    void followAnimation();
    void moveFocusTo(int index);

    QList<NxVoiceItem*> m_items;
    NxVoiceItem* m_currentItem = nullptr;
    QGridLayout* m_layout = nullptr;
    int m_focusIndex = -1; // the tile the keyboard is on
};
