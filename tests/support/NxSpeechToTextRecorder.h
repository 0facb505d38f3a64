#pragma once

#include "INxSpeechToTextTaskManager.h"

#include <QList>

#include <atomic>
#include <mutex>

// Keeps every report a speech-to-text manager makes, from any thread, noting
// any made on the test's own thread.
class NxSpeechToTextRecorder final : public INxSpeechToTextTaskManagerCallBack
{
public:
    using Info = NxSpeechToTextTaskInfo;

    void onTaskStateChanged(const Info& info) override;
    void onRemainingChanged(int seconds) override { m_remaining = seconds; }

    // Each manager numbers its tasks from 1: forget the reports of the one before.
    void clear();
    int remaining() const { return m_remaining; }
    bool reportedOnTestThread() const { return m_onTestThread; }
    QList<Info> reports(int taskId) const;
    // The report that ended the task; state 0 while it runs.
    Info ending(int taskId) const;

private:
    // A std::mutex: ThreadSanitizer follows its locking, which happens
    // inside uninstrumented Qt for a contended QMutex.
    mutable std::mutex m_mutex;
    QList<Info> m_reports;
    std::atomic<int> m_remaining{-1};
    std::atomic<bool> m_onTestThread{false};
};
