#pragma once

#include <QAbstractItemModel>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QVector>

class NxTaskTableDelegate;
class NxTaskTableView;

// A task table as readers see it: a list with one item per task. The
// delegate paints whole rows, so a reader says a row at once: the task's
// name, then each further column's words under the column's title, with the
// row's painted buttons as its actions.
class NxTaskListAccessible : public QAccessibleWidget
{
public:
    explicit NxTaskListAccessible(NxTaskTableView* view);
    ~NxTaskListAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    // While the list has focus, its current row has it.
    QAccessibleInterface* focusChild() const override;

private:
    NxTaskTableView* view() const;
    void followModel() const;
    // Rows whose words changed say so, once per change.
    void announceChanges(int first, int last) const;

    mutable QVector<QAccessible::Id> m_rows; // the row items made so far
    mutable QPointer<QAbstractItemModel> m_followed;
};

// One task row. It follows its task while rows come and go above it, and is
// no longer valid once the task's row is gone.
class NxTaskRowAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
    Q_DECLARE_TR_FUNCTIONS(NxTaskRowAccessible)

public:
    NxTaskRowAccessible(NxTaskTableView* view, const QModelIndex& index);

    int row() const { return m_index.row(); }
    // The description differs from the one last taken.
    bool takeDescriptionChange();

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    QString localizedActionName(const QString& name) const override;
    QString localizedActionDescription(const QString& name) const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    NxTaskTableDelegate* delegate() const;
    QString cellText(int column) const;
    QString description() const;

    QPointer<NxTaskTableView> m_view;
    QPersistentModelIndex m_index;
    QString m_description; // as last taken
};
