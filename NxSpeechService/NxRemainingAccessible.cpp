#include "NxRemainingAccessible.h"

#include "NxRemainingWidget.h"

#include <QLabel>

NxRemainingLinkAccessible::NxRemainingLinkAccessible(QLabel* label, NxRemainingWidget* line)
    : QAccessibleWidget(label, QAccessible::Link)
    , m_line(line)
{
}

QString NxRemainingLinkAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return m_line->linkText();
    if (t == QAccessible::Description)
        return m_line->balanceText();
    return QAccessibleWidget::text(t);
}

QStringList NxRemainingLinkAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void NxRemainingLinkAccessible::doAction(const QString& name)
{
    if (name == pressAction())
        m_line->followLink();
    else
        QAccessibleWidget::doAction(name);
}
