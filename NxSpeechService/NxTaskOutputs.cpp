#include "NxTaskOutputs.h"

#include "NxCheckedFile.h"

#include <QDir>
#include <QFileInfo>

void NxTaskOutputs::releasePath(const QString& path)
{
    if (path.isEmpty())
        return;
    const QFileInfo entry(path);
    if (entry.isDir() && !entry.isSymLink())
        QDir().rmdir(path); // only an empty folder goes
    else
        NxCheckedFile::releaseReservation(path);
}

void NxTaskOutputs::hold(int taskId, const QString& path)
{
    if (!path.isEmpty())
        m_held.insert(taskId, path);
}

void NxTaskOutputs::delivered(int taskId)
{
    releasePath(m_held.take(taskId));
    m_delivered.insert(taskId);
}

bool NxTaskOutputs::redeliver(int taskId)
{
    const QVector<Replay> undelivered = m_undelivered.take(taskId);
    for (const Replay& replay : undelivered)
        replay();
    return !undelivered.isEmpty();
}

void NxTaskOutputs::forget(int taskId)
{
    releasePath(m_held.take(taskId));
    m_delivered.remove(taskId);
    m_undelivered.remove(taskId);
}

void NxTaskOutputs::forgetAll()
{
    for (const QString& path : qAsConst(m_held))
        releasePath(path);
    m_held.clear();
    m_delivered.clear();
    m_undelivered.clear();
}
