#include "NxTaskObservers.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

namespace
{

template <typename Observer>
class Registry
{
public:
    static Registry& instance()
    {
        static Registry registry;
        return registry;
    }

    void add(Observer* observer)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_observers.push_back(observer);
    }

    void remove(Observer* observer)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
    }

    bool isEmpty()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_observers.empty();
    }

    template <typename Call>
    void each(const Call& call)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (Observer* observer : m_observers)
            call(observer);
    }

private:
    std::mutex m_mutex;
    std::vector<Observer*> m_observers;
};

// A manager's stand-in: every call goes to the manager, which reports to the
// stand-in; the stand-in hands each report to the module's callback first,
// then to the observers, so that both get it on the reporting thread.
template <typename Manager, typename CallBack, typename Observer>
class Tee : public Manager, public CallBack
{
public:
    explicit Tee(Manager* manager) : m_manager(manager) {}

    void release() override
    {
        // The manager may still report while it winds down: this goes last.
        m_manager->release();
        delete this;
    }

    void setCallBack(CallBack* callBack) override
    {
        if (callBack) {
            m_callBack.store(callBack);
            m_manager->setCallBack(this);
            return;
        }
        // The manager waits for a report in flight, which ends in the callback.
        m_manager->setCallBack(nullptr);
        m_callBack.store(nullptr);
    }

    bool removeTask(int taskId) override
    {
        const bool removed = m_manager->removeTask(taskId);
        if (removed)
            observers().each([taskId](Observer* observer) { observer->onTaskRemoved(taskId); });
        return removed;
    }

    void retryTask(int taskId) override { m_manager->retryTask(taskId); }
    bool serviceState() override { return m_manager->serviceState(); }
    void stopAll() override { m_manager->stopAll(); }
    bool isTaskFinished(int taskId) override { return m_manager->isTaskFinished(taskId); }

protected:
    // Destroyed only through release().
    virtual ~Tee() = default;

    static Registry<Observer>& observers() { return Registry<Observer>::instance(); }

    int added(int taskId)
    {
        observers().each([taskId](Observer* observer) { observer->onTaskAdded(taskId); });
        return taskId;
    }

    // Calls `report` on the module's callback, then on each observer.
    template <typename Report>
    void tee(const Report& report)
    {
        if (CallBack* callBack = m_callBack.load())
            report(callBack);
        observers().each([&report](Observer* observer) { report(observer); });
    }

    Manager* const m_manager;

private:
    std::atomic<CallBack*> m_callBack{nullptr};
};

class SpeechToTextTee final
    : public Tee<INxSpeechToTextTaskManager, INxSpeechToTextTaskManagerCallBack, INxSpeechToTextTaskObserver>
{
public:
    using Tee::Tee;

    int addMaterialTask(INxAbstractMedia* media, QString language) override
    {
        return added(m_manager->addMaterialTask(media, language));
    }
    int addTimelineTask(INxTimeline* timeline, QString language) override
    {
        return added(m_manager->addTimelineTask(timeline, language));
    }
    int addClipTask(INxClip* clip, QString language) override { return added(m_manager->addClipTask(clip, language)); }
    void exportSubtitles(int taskId, QString path) override
    {
        m_manager->exportSubtitles(taskId, path);
        observers().each([taskId, &path](INxSpeechToTextTaskObserver* observer) {
            observer->onSubtitlesExported(taskId, path);
        });
    }
    void refresh(int tab) override { m_manager->refresh(tab); }

    void onTaskStateChanged(const NxSpeechToTextTaskInfo& info) override
    {
        tee([&info](INxSpeechToTextTaskManagerCallBack* to) { to->onTaskStateChanged(info); });
    }
    void onRemainingChanged(int seconds) override
    {
        tee([seconds](INxSpeechToTextTaskManagerCallBack* to) { to->onRemainingChanged(seconds); });
    }
};

class TextToSpeechTee final
    : public Tee<INxTextToSpeechTaskManager, INxTextToSpeechTaskManagerCallBack, INxTextToSpeechTaskObserver>
{
public:
    using Tee::Tee;

    void addTask(const NxTextToSpeechTaskRequest& request, int* taskId, int* sentences, int* characters,
                 QString* text) override
    {
        int id = -1;
        m_manager->addTask(request, &id, sentences, characters, text);
        if (taskId)
            *taskId = id;
        added(id);
    }
    void refresh() override { m_manager->refresh(); }
    void querySubtitleProgress(int taskId, int* completedCharacters, int* totalCharacters, int* completedSentences,
                               int* failedSentences, int* totalSentences) override
    {
        m_manager->querySubtitleProgress(taskId, completedCharacters, totalCharacters, completedSentences,
                                         failedSentences, totalSentences);
    }

    void onTaskStateChanged(const NxTextToSpeechTaskInfo& info) override
    {
        tee([&info](INxTextToSpeechTaskManagerCallBack* to) { to->onTaskStateChanged(info); });
    }
    void onRemainingChanged(int characters) override
    {
        tee([characters](INxTextToSpeechTaskManagerCallBack* to) { to->onRemainingChanged(characters); });
    }
    void onSrtTaskProductProgress(const NxSrtTaskProductInfo& info) override
    {
        tee([&info](INxTextToSpeechTaskManagerCallBack* to) { to->onSrtTaskProductProgress(info); });
    }
};

template <typename Observer>
void add(Observer* observer)
{
    Registry<Observer>::instance().add(observer);
}

template <typename Observer>
void remove(Observer* observer)
{
    Registry<Observer>::instance().remove(observer);
}

} // namespace

namespace NxTaskObservers
{

void observe(INxSpeechToTextTaskObserver* observer) { add(observer); }
void unobserve(INxSpeechToTextTaskObserver* observer) { remove(observer); }
void observe(INxTextToSpeechTaskObserver* observer) { add(observer); }
void unobserve(INxTextToSpeechTaskObserver* observer) { remove(observer); }
void observe(INxAuditionObserver* observer) { add(observer); }
void unobserve(INxAuditionObserver* observer) { remove(observer); }

void auditionRefused(const QString& reason)
{
    Registry<INxAuditionObserver>::instance().each(
        [&reason](INxAuditionObserver* observer) { observer->onAuditionRefused(reason); });
}

INxSpeechToTextTaskManager* observed(INxSpeechToTextTaskManager* manager)
{
    if (!manager || Registry<INxSpeechToTextTaskObserver>::instance().isEmpty())
        return manager;
    return new SpeechToTextTee(manager);
}

INxTextToSpeechTaskManager* observed(INxTextToSpeechTaskManager* manager)
{
    if (!manager || Registry<INxTextToSpeechTaskObserver>::instance().isEmpty())
        return manager;
    return new TextToSpeechTee(manager);
}

} // namespace NxTaskObservers
