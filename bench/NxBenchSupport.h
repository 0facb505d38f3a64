#pragma once

#include "INxSpeechToTextTaskManager.h"
#include "NxDataHome.h"
#include "NxTimelineClip.h"

#include <QList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace NxBench
{
// Waits on the bench's thread for the report that ends a task; each wait
// takes one ending, so one waiter serves task after task.
class SpeechToTextCompletion final : public INxSpeechToTextTaskManagerCallBack
{
    using Info = NxSpeechToTextTaskInfo;

public:
    void onTaskStateChanged(const Info& info) override
    {
        if (info.state != Info::Completed && info.state != Info::ScanFailed && info.state != Info::TranscodeFailed
            && info.state != Info::TranscribeFailed)
            return;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state = info.state;
        m_wake.notify_all();
    }
    void onRemainingChanged(int) override {}

    int wait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait(lock, [this] { return m_state != 0; });
        return std::exchange(m_state, 0);
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    int m_state = 0;
};

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// Points the host's data folder at a fresh temporary folder, so a run never
// touches the user's files. Create it before anything reads the data folder.
class Home
{
public:
    Home() { qputenv(NxDataHome::EnvironmentVariable, m_dir.path().toLocal8Bit()); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// A manager that accepts every task at no cost and keeps the callback, so the
// harness can report from a thread of its own exactly as an engine does.
class SpeechToTextManager final : public INxSpeechToTextTaskManager
{
public:
    static SpeechToTextManager*& latest()
    {
        static SpeechToTextManager* manager = nullptr;
        return manager;
    }
    static void install()
    {
        setFactory([] { return latest() = new SpeechToTextManager; });
    }

    INxSpeechToTextTaskManagerCallBack* callBack() const { return m_callBack; }
    const std::vector<int>& taskIds() const { return m_taskIds; }

    void release() override
    {
        if (latest() == this)
            latest() = nullptr;
        delete this;
    }
    void setCallBack(INxSpeechToTextTaskManagerCallBack* callBack) override { m_callBack = callBack; }
    int addMaterialTask(INxAbstractMedia*, QString) override { return accept(); }
    int addTimelineTask(INxTimeline*, QString) override { return accept(); }
    int addClipTask(INxClip*, QString) override { return accept(); }
    bool removeTask(int) override { return true; }
    void retryTask(int) override {}
    bool serviceState() override { return true; }
    void stopAll() override {}
    bool isTaskFinished(int) override { return true; }
    void exportSubtitles(int, QString) override {}
    void refresh(int) override {}

private:
    int accept()
    {
        m_taskIds.push_back(m_nextId);
        return m_nextId++;
    }

    INxSpeechToTextTaskManagerCallBack* m_callBack = nullptr;
    std::vector<int> m_taskIds;
    int m_nextId = 1;
};

// `count` ten-second video clips named "Take0", "Take1"...
class Clips
{
public:
    explicit Clips(int count)
    {
        for (int i = 0; i < count; ++i) {
            m_clips.push_back(std::make_unique<NxTimelineClip>(QStringLiteral("Take%1").arg(i), INxClip::Video,
                                                               NxRational{25, 1}, nullptr,
                                                               NxTimelineClip::Placement{0, 250, 250 * i}));
            m_list.append(m_clips.back().get());
        }
    }
    const QList<INxClip*>& list() const { return m_list; }

private:
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
    QList<INxClip*> m_list;
};
}
