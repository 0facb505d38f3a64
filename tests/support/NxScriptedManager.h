#pragma once

#include "NxCallBackLine.h"

#include <QSet>
#include <QStringList>

#include <thread>

// What both scripted task managers share: install() makes `Manager` what the
// interface's create() returns, tasks are numbered from `FirstId`, and reports
// reach the callback from real threads of the manager's own.
template <typename Manager, typename Interface, typename CallBack, int FirstId>
class NxScriptedManager : public Interface
{
public:
    static void install() { Interface::setFactory([] { return s_latest = new Manager; }); }
    static void uninstall() { Interface::setFactory({}); }
    // The manager created last, null once it was released.
    static Manager* latest() { return s_latest; }

    // For tests that report from threads of their own, several at once.
    NxSharedCallBackLine<CallBack> line() const { return m_line; }

    // What the test decides.
    bool removeAnswer = true;
    QSet<int> unfinishedTasks;

    // What happened, in order: the adds, "removeTask:<id>", "retryTask:<id>", "stopAll", ...
    QStringList calls;
    QList<int> addedIds;
    QList<int> finishedQueries; // ids asked about with isTaskFinished, in order

    void release() override
    {
        if (s_latest == this)
            s_latest = nullptr;
        delete static_cast<Manager*>(this);
    }
    void setCallBack(CallBack* callBack) override { m_line->setCallBack(callBack); }
    bool removeTask(int taskId) override
    {
        calls.append(QStringLiteral("removeTask:%1").arg(taskId));
        return removeAnswer;
    }
    void retryTask(int taskId) override { calls.append(QStringLiteral("retryTask:%1").arg(taskId)); }
    bool serviceState() override { return true; }
    void stopAll() override { calls.append(QStringLiteral("stopAll")); }
    bool isTaskFinished(int taskId) override
    {
        finishedQueries.append(taskId);
        return !unfinishedTasks.contains(taskId);
    }

protected:
    // Calls `report` with the callback on a thread that is not the caller's; returns once it has.
    template <typename Report>
    void fromWorker(Report report)
    {
        std::thread worker([this, report] { m_line->deliver(report); });
        worker.join();
    }
    // A new task's id, noted as added and unfinished.
    int nextTask()
    {
        const int id = m_nextId++;
        addedIds.append(id);
        unfinishedTasks.insert(id);
        return id;
    }

private:
    inline static Manager* s_latest = nullptr;
    NxSharedCallBackLine<CallBack> m_line = std::make_shared<NxCallBackLine<CallBack>>();
    int m_nextId = FirstId;
};
