#pragma once

#include "INxSpeechToTextTaskManager.h"

#include <QCoreApplication>
#include <QList>
#include <QThread>

#include <atomic>
#include <mutex>

// Keeps every report a speech-to-text manager makes, from any thread, noting
// any made on the test's own thread.
class NxSpeechToTextRecorder final : public INxSpeechToTextTaskManagerCallBack
{
public:
    using Info = NxSpeechToTextTaskInfo;

    void onTaskStateChanged(const Info& info) override
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_reports.append(info);
        m_onTestThread = m_onTestThread || QThread::currentThread() == QCoreApplication::instance()->thread();
    }
    void onRemainingChanged(int seconds) override { m_remaining = seconds; }

    // Each manager numbers its tasks from 1: forget the reports of the one before.
    void clear()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_reports.clear();
    }
    int remaining() const { return m_remaining; }
    bool reportedOnTestThread() const { return m_onTestThread; }
    QList<Info> reports(int taskId) const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        QList<Info> result;
        for (const Info& info : m_reports)
            if (info.taskId == taskId)
                result.append(info);
        return result;
    }
    // The report that ended the task; state 0 while it runs.
    Info ending(int taskId) const
    {
        const QList<Info> all = reports(taskId);
        Info last = all.isEmpty() ? Info() : all.last();
        static const QList<int> ends{Info::ScanFailed, Info::TranscodeFailed, Info::UploadFailed,
                                     Info::TranscribeFailed, Info::Completed};
        last.state = ends.contains(last.state) ? last.state : 0;
        return last;
    }

private:
    // A std::mutex: ThreadSanitizer follows its locking, which happens
    // inside uninstrumented Qt for a contended QMutex.
    mutable std::mutex m_mutex;
    QList<Info> m_reports;
    std::atomic<int> m_remaining{-1};
    std::atomic<bool> m_onTestThread{false};
};
