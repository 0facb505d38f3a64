#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

// The task bookkeeping every task manager shares, offline and remote, through
// NxSpeechToTextQueueManager and NxTextToSpeechQueueManager: ids, a
// first-in first-out queue run by a fixed number of worker threads (started
// with the first task), stop, remove and retry, and the delivery of reports
// to the one registered callback.
//
// Reports are delivered under a delivery lock: setCallBack, stopAll and
// remove wait for a report in flight, and once they return the old callback,
// a stopped (when stops are silent) or a removed task reports nothing more.
// The lock is recursive, so a callback may call back into its manager.
//
// A task's own state may be read and written under the queue's lock
// (locked()); settle functions passed to report() and finish() run under it
// and return what to deliver, which runs after it with the delivery lock
// still held.
template <class Task, class CallBack>
class NxTaskQueue
{
public:
    enum class Stops {
        // A stopped task reports nothing more: a queued one ends at once and
        // is never run, a running one ends when its job notices.
        Silent,
        // A stopped task still goes through its job, which reports how it
        // ended; it counts as finished at once, and a retry made meanwhile
        // runs it again once it has.
        Reported
    };

    class Entry
    {
    public:
        explicit Entry(int id, std::unique_ptr<Task> task)
            : id(id)
            , task(std::move(task))
        {
        }

        const int id;
        const std::unique_ptr<Task> task;
        std::atomic<bool> stop{false};

    private:
        friend class NxTaskQueue;
        enum class Phase { Queued, Running, Done };

        Phase phase = Phase::Queued;
        bool removed = false;
        bool stopped = false; // ended by a stop, as far as a retry is concerned
        bool retryPending = false;
    };

    // What to deliver; the callback is null when none is registered.
    using Delivery = std::function<void(CallBack* callBack)>;
    // Runs one task to its end on a worker thread.
    using Runner = std::function<void(Entry& entry)>;
    // Made once on each worker thread as it starts, so a runner may keep
    // what its thread needs between tasks.
    using MakeRunner = std::function<Runner()>;
    // Readies a finished task for another run under the lock; false when it
    // has nothing to run again.
    using Rearm = std::function<bool(Task& task, bool stopped)>;

    NxTaskQueue(int workers, Stops stops, MakeRunner makeRunner, Rearm rearm)
        : m_workerCount(workers)
        , m_stops(stops)
        , m_makeRunner(std::move(makeRunner))
        , m_rearm(std::move(rearm))
    {
    }
    NxTaskQueue(const NxTaskQueue&) = delete;
    NxTaskQueue& operator=(const NxTaskQueue&) = delete;
    ~NxTaskQueue() { release(); }

    // Stops every task, drops the queue and the callback, and joins the workers.
    void release()
    {
        {
            std::lock_guard<std::recursive_mutex> delivery(m_deliveryMutex);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_shuttingDown = true;
            m_callBack = nullptr;
            for (auto& [id, entry] : m_entries)
                entry->stop = true;
            m_pending.clear();
            m_chores.clear();
        }
        m_wake.notify_all();
        for (std::thread& worker : m_workers)
            worker.join();
        m_workers.clear();
    }

    void setCallBack(CallBack* callBack)
    {
        std::lock_guard<std::recursive_mutex> delivery(m_deliveryMutex);
        m_callBack = callBack;
    }

    // Queues the task under the next id (ids start at 1); `announce` runs
    // once the id is known and before a worker can take the task.
    int add(std::unique_ptr<Task> task, const std::function<void(int id)>& announce = {})
    {
        std::shared_ptr<Entry> entry;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            entry = std::make_shared<Entry>(m_nextId++, std::move(task));
            m_entries[entry->id] = entry;
        }
        if (announce)
            announce(entry->id);
        enqueue(entry);
        return entry->id;
    }

    // Forgets the task and stops it. `forget` runs under the lock with the
    // task and whether its job is running.
    bool remove(int id, const std::function<void(Task& task, bool running)>& forget = {})
    {
        std::lock_guard<std::recursive_mutex> delivery(m_deliveryMutex);
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_entries.find(id);
        if (found == m_entries.end())
            return false;
        const std::shared_ptr<Entry> entry = found->second;
        m_entries.erase(found);
        m_pending.erase(std::remove(m_pending.begin(), m_pending.end(), entry), m_pending.end());
        entry->removed = true;
        entry->stop = true;
        if (forget)
            forget(*entry->task, entry->phase == Entry::Phase::Running);
        return true;
    }

    // Runs a finished task again under its id, when Rearm agrees; `announce`
    // runs before it is queued.
    void retry(int id, const std::function<void(int id)>& announce = {})
    {
        std::shared_ptr<Entry> entry;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            const auto found = m_entries.find(id);
            if (found == m_entries.end())
                return;
            entry = found->second;
            if (!rearm(*entry))
                return;
        }
        if (announce)
            announce(id);
        enqueue(entry);
    }

    void stopAll()
    {
        std::lock_guard<std::recursive_mutex> delivery(m_deliveryMutex);
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto& [id, entry] : m_entries) {
            if (entry->phase == Entry::Phase::Done)
                continue;
            entry->stop = true;
            entry->retryPending = false;
            if (m_stops == Stops::Silent && entry->phase == Entry::Phase::Queued) {
                entry->phase = Entry::Phase::Done;
                entry->stopped = true;
            }
        }
        if (m_stops == Stops::Silent)
            m_pending.clear();
    }

    // An unknown task is finished.
    bool isFinished(int id)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_entries.find(id);
        if (found == m_entries.end() || found->second->phase == Entry::Phase::Done)
            return true;
        return m_stops == Stops::Reported && found->second->stop && !found->second->retryPending;
    }

    // Calls `read` under the lock with the task, or with null when unknown.
    template <class Read>
    auto withTask(int id, Read read)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_entries.find(id);
        return read(found == m_entries.end() ? nullptr : found->second->task.get());
    }

    template <class Step>
    auto locked(Step step)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return step();
    }

    // A report on the way: `settle` runs under the lock unless the task was
    // removed (or stopped, when stops are silent) and returns what to deliver.
    void report(Entry& entry, const std::function<Delivery(Task& task)>& settle)
    {
        std::lock_guard<std::recursive_mutex> delivery(m_deliveryMutex);
        Delivery deliver;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (entry.removed || (m_stops == Stops::Silent && entry.stop))
                return;
            deliver = settle(*entry.task);
        }
        if (deliver)
            deliver(m_callBack);
    }

    // The task's last report: it counts as finished from here on. `settle`
    // runs under the lock whether the task was removed or stopped or not.
    void finish(Entry& entry, const std::function<Delivery(Task& task, bool removed, bool stopped)>& settle)
    {
        std::lock_guard<std::recursive_mutex> delivery(m_deliveryMutex);
        Delivery deliver;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            entry.phase = Entry::Phase::Done;
            entry.stopped = entry.stop;
            deliver = settle(*entry.task, entry.removed, entry.stop);
        }
        if (deliver)
            deliver(m_callBack);
    }

    // Delivers from the calling thread.
    void deliver(const Delivery& deliver)
    {
        std::lock_guard<std::recursive_mutex> delivery(m_deliveryMutex);
        deliver(m_callBack);
    }

    // Has a worker run `chore` before the next task (or when a running job
    // calls runPosted()).
    void post(std::function<void()> chore)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_shuttingDown)
                return;
            m_chores.push_back(std::move(chore));
            startWorkers();
        }
        m_wake.notify_one();
    }

    void runPosted()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_chores.empty()) {
            const std::function<void()> chore = std::move(m_chores.front());
            m_chores.pop_front();
            lock.unlock();
            chore();
            lock.lock();
        }
    }

private:
    // Under the lock.
    bool rearm(Entry& entry)
    {
        if (entry.phase != Entry::Phase::Done) {
            // Still stopping: run again once it has.
            if (m_stops == Stops::Reported && entry.stop)
                entry.retryPending = true;
            return false;
        }
        if (!m_rearm(*entry.task, entry.stopped))
            return false;
        entry.phase = Entry::Phase::Queued;
        entry.stop = false;
        entry.stopped = false;
        return true;
    }

    void enqueue(const std::shared_ptr<Entry>& entry)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_shuttingDown)
                return;
            m_pending.push_back(entry);
            startWorkers();
        }
        m_wake.notify_one();
    }

    // Under the lock. Threads start with the first task, so a manager nobody
    // uses costs nothing.
    void startWorkers()
    {
        while (int(m_workers.size()) < m_workerCount)
            m_workers.emplace_back([this] { work(); });
    }

    void work()
    {
        const Runner run = m_makeRunner();
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_shuttingDown || !m_chores.empty() || !m_pending.empty(); });
            if (m_shuttingDown)
                return;
            if (!m_chores.empty()) {
                lock.unlock();
                runPosted();
                lock.lock();
                continue;
            }
            const std::shared_ptr<Entry> entry = m_pending.front();
            m_pending.pop_front();
            if (entry->removed || entry->phase != Entry::Phase::Queued)
                continue;
            entry->phase = Entry::Phase::Running;
            lock.unlock();
            run(*entry);
            lock.lock();
            entry->phase = Entry::Phase::Done;
            if (std::exchange(entry->retryPending, false) && !entry->removed && rearm(*entry)
                && !m_shuttingDown) {
                m_pending.push_back(entry);
                m_wake.notify_one();
            }
        }
    }

    const int m_workerCount;
    const Stops m_stops;
    const MakeRunner m_makeRunner;
    const Rearm m_rearm;

    std::recursive_mutex m_deliveryMutex;
    CallBack* m_callBack = nullptr;

    // Guards everything below and the tasks' own state; taken after the
    // delivery lock, never before.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::map<int, std::shared_ptr<Entry>> m_entries;
    std::deque<std::shared_ptr<Entry>> m_pending;
    std::deque<std::function<void()>> m_chores;
    std::vector<std::thread> m_workers;
    bool m_shuttingDown = false;
    int m_nextId = 1;
};
