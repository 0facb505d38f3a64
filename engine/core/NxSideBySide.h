#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Runs one piece of work per item on a few threads of its own, in the items'
// order, while the asking thread takes the results in that same order: what
// the asker reports stays in the order one thread would give, and each
// result is taken as soon as it and those before it are there. halt() (or
// the destructor), or a result that `ends` says ends the run, starts
// nothing more; work already started runs to its end.
template <typename Result>
class NxSideBySide
{
public:
    NxSideBySide(int items, int threads, std::function<Result(int item)> work,
                 std::function<bool(const Result&)> ends = {})
        : m_work(std::move(work))
        , m_ends(std::move(ends))
        , m_results(items)
    {
        for (int i = 0; i < std::min(threads, items); ++i)
            m_threads.emplace_back([this] { run(); });
    }

    ~NxSideBySide()
    {
        halt();
        for (std::thread& thread : m_threads)
            thread.join();
    }

    NxSideBySide(const NxSideBySide&) = delete;
    NxSideBySide& operator=(const NxSideBySide&) = delete;

    // Waits for `item`'s result; none when halt() came before it started.
    std::optional<Result> take(int item)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ready.wait(lock, [&] { return m_results[item] || (m_halted && item >= m_next); });
        return std::move(m_results[item]);
    }

    void halt()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_halted = true;
        m_ready.notify_all();
    }

private:
    void run()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_halted && m_next < int(m_results.size())) {
            const int item = m_next++;
            lock.unlock();
            Result result = m_work(item);
            lock.lock();
            m_halted = m_halted || (m_ends && m_ends(result));
            m_results[item] = std::move(result);
            m_ready.notify_all();
        }
    }

    const std::function<Result(int)> m_work;
    const std::function<bool(const Result&)> m_ends;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::vector<std::optional<Result>> m_results;
    int m_next = 0;
    bool m_halted = false;
    std::vector<std::thread> m_threads;
};
