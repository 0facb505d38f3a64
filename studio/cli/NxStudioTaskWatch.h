#pragma once

#include "NxStudioTaskState.h"

#include <QList>
#include <QObject>
#include <QPersistentModelIndex>
#include <QVector>

class QAbstractItemModel;

// Follows chosen rows of one of the service window's task tables. The module
// repaints a row after every report on its task; each repaint is read here,
// and a change of stage or progress is passed on.
class NxStudioTaskWatch : public QObject
{
    Q_OBJECT

public:
    using Reader = NxStudioTaskState (*)(const QModelIndex& row);

    NxStudioTaskWatch(QAbstractItemModel* model, Reader reader, QObject* parent = nullptr);

    // Follows the task in `row`; returns its number in this watch.
    int follow(int row);
    int count() const { return m_rows.size(); }
    const NxStudioTaskState& state(int task) const { return m_states.at(task); }
    bool allEnded() const;

signals:
    void changed(int task, const NxStudioTaskState& state);
    void ended();

private:
    void reread();

    QAbstractItemModel* m_model;
    Reader m_reader;
    QList<QPersistentModelIndex> m_rows;
    QVector<NxStudioTaskState> m_states;
};
