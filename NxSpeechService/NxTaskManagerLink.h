#pragma once

#include <QList>

// A controller's hold on its task manager: obtained from the model library
// and registered with the controller's callback on construction, released
// after unregistering (which waits for a report in flight) on unlink() or
// destruction. It also carries the list walks both controllers make on the
// manager's behalf.
template <typename Manager>
class NxTaskManagerLink
{
public:
    template <typename CallBack>
    explicit NxTaskManagerLink(CallBack* callBack)
        : m_manager(Manager::create())
    {
        if (m_manager)
            m_manager->setCallBack(callBack);
    }
    NxTaskManagerLink(const NxTaskManagerLink&) = delete;
    NxTaskManagerLink& operator=(const NxTaskManagerLink&) = delete;
    ~NxTaskManagerLink() { unlink(); }

    void unlink()
    {
        if (!m_manager)
            return;
        m_manager->setCallBack(nullptr);
        m_manager->release();
        m_manager = nullptr;
    }

    Manager* operator->() const { return m_manager; }
    explicit operator bool() const { return m_manager != nullptr; }

    bool serviceState() const { return m_manager && m_manager->serviceState(); }

    // True as soon as the manager holds one of `tasks` unfinished.
    template <typename Task>
    bool hasUnfinished(const QList<Task*>& tasks) const
    {
        if (!m_manager)
            return false;
        for (const Task* task : tasks) {
            if (!m_manager->isTaskFinished(task->taskId))
                return true;
        }
        return false;
    }

    // Stops everything, then removes each of `tasks` (answers ignored).
    template <typename Task>
    void stopAndRemove(const QList<Task*>& tasks) const
    {
        if (!m_manager)
            return;
        m_manager->stopAll();
        for (const Task* task : tasks)
            m_manager->removeTask(task->taskId);
    }

private:
    Manager* m_manager;
};
