#include "NxKeyNavigation.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>

namespace
{
// Seen from the first row: does the second item sit right of the first?
bool readsRightward(const QList<QWidget*>& items)
{
    return items.size() < 2 || items.at(1)->x() >= items.at(0)->x();
}

// Watches the buttons of one group for arrow keys.
class GroupKeys : public QObject
{
public:
    GroupKeys(QButtonGroup* group, int columns)
        : QObject(group)
        , m_group(group)
        , m_columns(columns)
    {
        for (QAbstractButton* button : group->buttons())
            button->installEventFilter(this);
        connect(group, qOverload<QAbstractButton*, bool>(&QButtonGroup::buttonToggled), this,
                &GroupKeys::keepTabStopOnChecked);
        keepTabStopOnChecked();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down
            && key != Qt::Key_Home && key != Qt::Key_End)
            return false;
        QList<QWidget*> items;
        for (QAbstractButton* button : m_group->buttons())
            items.append(button);
        const int current = items.indexOf(static_cast<QWidget*>(watched));
        NxKeyNavigation::FocusByKey(items.value(NxKeyNavigation::Step(items, current, m_columns, key)));
        return true;
    }

private:
    // Tab reaches the group at its checked button; the others are reached by the arrows.
    void keepTabStopOnChecked()
    {
        QAbstractButton* checked = m_group->checkedButton();
        for (QAbstractButton* button : m_group->buttons()) {
            const bool stop = !checked || button == checked || button->hasFocus();
            const int policy = button->focusPolicy();
            button->setFocusPolicy(Qt::FocusPolicy(stop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
        }
    }

    QButtonGroup* m_group;
    int m_columns;
};
}

int NxKeyNavigation::Step(const QList<QWidget*>& items, int current, int columns, int key)
{
    const int count = items.size();
    if (current < 0 || current >= count)
        return current;
    const int forward = readsRightward(items) ? 1 : -1;
    const int row = columns < count ? columns : 1;
    int next = current;
    switch (key) {
    case Qt::Key_Right: next = current + forward; break;
    case Qt::Key_Left: next = current - forward; break;
    case Qt::Key_Down: next = current + row; break;
    case Qt::Key_Up: next = current - row; break;
    case Qt::Key_Home: next = 0; break;
    case Qt::Key_End: next = count - 1; break;
    default: break;
    }
    return next >= 0 && next < count ? next : current;
}

void NxKeyNavigation::LinkGroup(QButtonGroup* group, int columns)
{
    new GroupKeys(group, columns);
}

void NxKeyNavigation::FocusByKey(QWidget* widget)
{
    if (!widget)
        return;
    widget->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    widget->setFocus(Qt::OtherFocusReason);
}

void NxKeyNavigation::SetTabOrder(const QList<QWidget*>& widgets)
{
    for (int index = 1; index < widgets.size(); ++index)
        QWidget::setTabOrder(widgets.at(index - 1), widgets.at(index));
}
