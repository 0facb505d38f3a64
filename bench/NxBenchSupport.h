#pragma once

#include "INxSpeechToTextTaskManager.h"
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
