#pragma once

#include <QList>

class QButtonGroup;
class QWidget;

// Arrow keys among the items of a group laid out in reading order, `columns`
// to a row: Left and Right step to the item beside (as the items are seen,
// so a mirrored layout is followed), Up and Down a row up or down (in a
// single row, back and forth), Home and End to the ends. Focus moves; what
// an item means is chosen with Space, as with a click.
namespace NxKeyNavigation
{
// The item `key` moves to from `current`; `current` when the key moves nowhere.
int Step(const QList<QWidget*>& items, int current, int columns, int key);

// Makes the buttons of `group` one Tab stop, the checked button, among which
// the arrow keys move focus.
void LinkGroup(QButtonGroup* group, int columns);

// Focus moved by a key shows its mark, as when Tab moved it.
void FocusByKey(QWidget* widget);

// Tab visits `widgets` in this order: for children placed by hand.
void SetTabOrder(const QList<QWidget*>& widgets);
}
