#pragma once

#include <QAccessibleWidget>

class NxRemainingWidget;
class QLabel;

// A balance line's purchase link as readers see it: a link named by its
// words and described by the balance before them; Press follows it as a
// click does.
class NxRemainingLinkAccessible : public QAccessibleWidget
{
public:
    NxRemainingLinkAccessible(QLabel* label, NxRemainingWidget* line);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;

private:
    NxRemainingWidget* m_line;
};
