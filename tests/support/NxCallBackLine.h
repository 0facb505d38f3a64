#pragma once

#include <memory>
#include <mutex>
#include <shared_mutex>

// The wire between a scripted manager and the callback registered with it.
// Any number of threads may report through it at once; setting the callback
// waits for every report in flight, so once the callback is unregistered no
// report reaches it, as a real manager guarantees. A test's threads hold the
// line through a shared pointer, so it outlives the manager's release.
template <typename CallBack>
class NxCallBackLine
{
public:
    void setCallBack(CallBack* callBack)
    {
        std::unique_lock<std::shared_mutex> lock(m_mutex);
        m_callBack = callBack;
    }

    // Calls `report` with the registered callback on the calling thread;
    // false (and no call) when none is registered.
    template <typename Report>
    bool deliver(Report report)
    {
        std::shared_lock<std::shared_mutex> lock(m_mutex);
        if (!m_callBack)
            return false;
        report(m_callBack);
        return true;
    }

private:
    std::shared_mutex m_mutex;
    CallBack* m_callBack = nullptr;
};

template <typename CallBack>
using NxSharedCallBackLine = std::shared_ptr<NxCallBackLine<CallBack>>;
