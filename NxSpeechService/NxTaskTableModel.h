#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QMetaObject>

// Rows of a task tab, one per task record, in the controller's order. The
// records belong to the controller; the model only points to them, hands
// them out under Qt::UserRole and repaints their rows. The delegate paints
// every cell, so no display data is served.
//
// A derived model carries the meta-object: it declares
// `Q_INVOKABLE void invoke_update(QVariant)` and forwards it to repaintTask.
template <typename Task>
class NxTaskTableModel : public QAbstractTableModel
{
public:
    enum { ColumnCount = 4 };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_tasks.size();
    }

    int columnCount(const QModelIndex& = QModelIndex()) const override { return ColumnCount; }

    void appendTask(Task* task)
    {
        const int row = m_tasks.size();
        beginInsertRows(QModelIndex(), row, row);
        m_tasks.append(task);
        endInsertRows();
    }

    // Repaints the task's row later on the model's thread; callable from any thread.
    void updateTask(Task* task)
    {
        QMetaObject::invokeMethod(this, "invoke_update", Qt::QueuedConnection,
                                  Q_ARG(QVariant, addressOf(task)));
    }

    QModelIndex indexOfTask(Task* task) const
    {
        const int row = m_tasks.indexOf(task);
        return row < 0 ? QModelIndex() : index(row, 0);
    }

    Task* takeTask(const int& row)
    {
        if (row < 0 || row >= m_tasks.size())
            return nullptr;
        beginRemoveRows(QModelIndex(), row, row);
        Task* task = m_tasks.takeAt(row);
        endRemoveRows();
        // The row that moved into this place repaints.
        if (row < m_tasks.size())
            repaintRow(row);
        return task;
    }

    void clearTasks()
    {
        if (m_tasks.isEmpty())
            return;
        beginRemoveRows(QModelIndex(), 0, m_tasks.size() - 1);
        m_tasks.clear();
        endRemoveRows();
    }

    // The record behind a Qt::UserRole value (null when there is none).
    static Task* taskFromVariant(const QVariant& value)
    {
        const qulonglong address = value.userType() == QMetaType::ULongLong ? value.value<qulonglong>()
                                                                              : value.toULongLong();
        return reinterpret_cast<Task*>(quintptr(address));
    }

    static QVariant addressOf(const Task* task) { return QVariant::fromValue(qulonglong(quintptr(task))); }

protected:
    // The record of a valid index; null otherwise.
    Task* taskAt(const QModelIndex& index) const
    {
        return index.isValid() && index.row() < m_tasks.size() ? m_tasks.at(index.row()) : nullptr;
    }

    // The body of invoke_update. The record may have been removed since the
    // update was posted: it is only compared by address, never followed.
    void repaintTask(const QVariant& var)
    {
        const int row = m_tasks.indexOf(taskFromVariant(var));
        if (row >= 0)
            repaintRow(row);
    }

private:
    void repaintRow(int row) { emit dataChanged(index(row, 0), index(row, ColumnCount - 1), {}); }

    QList<Task*> m_tasks;
};
