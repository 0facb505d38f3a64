#include "NxStudioTaskWatch.h"

#include <QAbstractItemModel>

#include <algorithm>

NxStudioTaskWatch::NxStudioTaskWatch(QAbstractItemModel* model, Reader reader, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_reader(reader)
{
    // Rows that move or go away are found again through their persistent indexes.
    connect(model, &QAbstractItemModel::dataChanged, this, &NxStudioTaskWatch::reread);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &NxStudioTaskWatch::reread);
    connect(model, &QAbstractItemModel::modelReset, this, &NxStudioTaskWatch::reread);
}

int NxStudioTaskWatch::follow(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    m_rows.append(index);
    m_states.append(m_reader(index));
    emit changed(m_rows.size() - 1, m_states.last());
    return m_rows.size() - 1;
}

bool NxStudioTaskWatch::allEnded() const
{
    return std::all_of(m_states.begin(), m_states.end(), [](const NxStudioTaskState& state) { return state.ended(); });
}

void NxStudioTaskWatch::reread()
{
    const bool endedBefore = allEnded();
    for (int task = 0; task < m_rows.size(); ++task) {
        const NxStudioTaskState now = m_reader(m_rows.at(task));
        if (now == m_states.at(task))
            continue;
        m_states[task] = now;
        emit changed(task, now);
    }
    if (!endedBefore && allEnded())
        emit ended();
}
