#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

#include <functional>

// What a controller's tasks hold in their output folder, and what a task
// could not deliver there.
//
// A task holds its name from the moment it is added: a reservation entry
// beside its future file (NxOutputFolder), or the sentence folder made for
// it. A reservation is let go once the task's files are written, or when the
// task goes; a folder only when the task goes. Either is removed only while
// it is empty, so nothing written is ever lost.
//
// A result that could not be written (a full disk, a name taken meanwhile)
// fails its task; the reports that carried it are kept, and a retry hands
// them to the controller again instead of making the task again.
class NxTaskOutputs
{
public:
    using Replay = std::function<void()>;

    NxTaskOutputs() = default;
    NxTaskOutputs(const NxTaskOutputs&) = delete;
    NxTaskOutputs& operator=(const NxTaskOutputs&) = delete;
    ~NxTaskOutputs() { forgetAll(); }

    // Lets go of a reservation no task holds (the task was refused).
    static void releasePath(const QString& path);

    // `path` is held for the task until delivered(taskId) or forget(taskId);
    // an empty path holds nothing.
    void hold(int taskId, const QString& path);
    bool holds(int taskId) const { return m_held.contains(taskId); }
    // The task's files are written and hold its name themselves; they are
    // its result, which a repeated report does not deliver again.
    void delivered(int taskId);
    bool hasDelivered(int taskId) const { return m_delivered.contains(taskId); }

    void addUndelivered(int taskId, Replay replay) { m_undelivered[taskId].append(std::move(replay)); }
    int undeliveredCount(int taskId) const { return m_undelivered.value(taskId).size(); }
    // Hands the task's undelivered reports over again, in the order they
    // came; false when there were none.
    bool redeliver(int taskId);
    // The reports describe products that are gone.
    void dropUndelivered(int taskId) { m_undelivered.remove(taskId); }

    // The task is gone: its reservation and what it did not deliver.
    void forget(int taskId);
    void forgetAll();

private:
    QHash<int, QString> m_held;
    QSet<int> m_delivered;
    QHash<int, QVector<Replay>> m_undelivered;
};
