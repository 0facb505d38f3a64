#pragma once

#include "NxRetiredRecords.h"

#include <QList>
#include <QPointer>

#include <utility>

// A controller's task records and the table rows that show them, kept in
// step in this one place: the list holds the records in the order they were
// added and owns them; the model, when set, holds the same records in the
// same order as its rows.
//
// The page owns the model and may go first, hence the guarded pointer. A
// record taken out is retired, not freed, because repaints posted for it
// may still be waiting. The records left are freed with this object, after
// the model has let go of their rows: a table that outlives the controller
// still lays out and paints its rows while its window is torn down. The
// controller unregisters from its task manager before this object goes, so
// no report reaches a record being freed.
template <typename Task, typename Model>
class NxTaskRows
{
public:
    explicit NxTaskRows(QObject* owner) : m_retired(owner) {}
    NxTaskRows(const NxTaskRows&) = delete;
    NxTaskRows& operator=(const NxTaskRows&) = delete;
    ~NxTaskRows()
    {
        if (m_model)
            m_model->clearTasks();
        qDeleteAll(m_tasks);
    }

    // The tasks added so far become the model's rows, in list order.
    void setModel(Model* model)
    {
        m_model = model;
        if (!m_model)
            return;
        for (Task* task : qAsConst(m_tasks))
            m_model->appendTask(task);
    }

    Model* model() const { return m_model; }

    // Takes the record over as the last row.
    void append(Task* task)
    {
        m_tasks.append(task);
        if (m_model)
            m_model->appendTask(task);
    }

    // Takes out the task of `taskId` wherever it stands now; false when it
    // has gone already.
    bool remove(int taskId)
    {
        const int row = indexOf(taskId);
        if (row < 0)
            return false;
        if (m_model)
            m_model->takeTask(row);
        m_retired.retire({m_tasks.takeAt(row)});
        return true;
    }

    void clear()
    {
        if (m_model)
            m_model->clearTasks();
        m_retired.retire(std::exchange(m_tasks, {}));
    }

    // The way back to a task after anything that may have run a modal loop:
    // rows move and go meanwhile, and a record taken out may be freed by then.
    Task* find(int taskId) const
    {
        const int row = indexOf(taskId);
        return row < 0 ? nullptr : m_tasks.at(row);
    }

    int indexOf(int taskId) const
    {
        for (int row = 0; row < m_tasks.size(); ++row) {
            if (m_tasks.at(row)->taskId == taskId)
                return row;
        }
        return -1;
    }

    // Whether `task` is still a row. Records taken out are freed only later,
    // so the address is compared, never followed.
    bool contains(const Task* task) const { return m_tasks.contains(const_cast<Task*>(task)); }

    // The task of a table row; null for a row outside the list.
    Task* at(int row) const { return row >= 0 && row < m_tasks.size() ? m_tasks.at(row) : nullptr; }

    int size() const { return m_tasks.size(); }
    bool isEmpty() const { return m_tasks.isEmpty(); }
    const QList<Task*>& tasks() const { return m_tasks; }
    typename QList<Task*>::const_iterator begin() const { return m_tasks.cbegin(); }
    typename QList<Task*>::const_iterator end() const { return m_tasks.cend(); }

private:
    QList<Task*> m_tasks;
    QPointer<Model> m_model;
    NxRetiredRecords<Task> m_retired;
};
