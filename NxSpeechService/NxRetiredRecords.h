#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>

// Task records removed from a controller. They are freed by a call queued
// behind every repaint already posted for them, so no posted repaint
// outlives its record and no address is reused under one; whatever is still
// waiting when the owner goes is freed with it.
template <typename Task>
class NxRetiredRecords
{
public:
    explicit NxRetiredRecords(QObject* owner) : m_owner(owner) {}
    NxRetiredRecords(const NxRetiredRecords&) = delete;
    NxRetiredRecords& operator=(const NxRetiredRecords&) = delete;
    ~NxRetiredRecords() { qDeleteAll(m_records); }

    void retire(const QList<Task*>& tasks)
    {
        m_records.append(tasks);
        QMetaObject::invokeMethod(m_owner, [this, tasks] {
            for (Task* task : tasks) {
                m_records.removeOne(task);
                delete task;
            }
        }, Qt::QueuedConnection);
    }

private:
    QObject* m_owner;
    QList<Task*> m_records;
};
