#include "NxStudioTaskWatch.h"

#include "NxTaskObservers.h"

#include <QThread>

#include <algorithm>

// The observers may be called on the managers' threads: each call is handed
// to the watch, on its own thread. Each registers while it lives.
template <typename Observer>
class NxStudioTaskWatch::Follower : public Observer
{
public:
    explicit Follower(NxStudioTaskWatch* watch) : m_watch(watch) { NxTaskObservers::observe(this); }
    ~Follower() { NxTaskObservers::unobserve(this); }

    void onTaskAdded(int taskId) override { m_watch->added(taskId); }
    void onTaskRemoved(int taskId) override { m_watch->reported(taskId, NxStudioTaskState::failed(QString())); }

protected:
    NxStudioTaskWatch* m_watch;
};

class NxStudioTaskWatch::SpeechToText final : public Follower<INxSpeechToTextTaskObserver>
{
public:
    using Follower::Follower;

    void onTaskStateChanged(const NxSpeechToTextTaskInfo& info) override
    {
        m_watch->reported(info.taskId, NxStudioTaskState::ofSpeechToText(info));
    }
    void onRemainingChanged(int) override {}
    void onSubtitlesExported(int taskId, const QString& path) override
    {
        m_watch->onOwnThread([watch = m_watch, taskId, path] { watch->m_exported.insert(taskId, path); });
    }
};

class NxStudioTaskWatch::TextToSpeech final : public Follower<INxTextToSpeechTaskObserver>
{
public:
    using Follower::Follower;

    void onTaskStateChanged(const NxTextToSpeechTaskInfo& info) override
    {
        m_watch->reported(info.taskId, NxStudioTaskState::ofTextToSpeech(info));
    }
    void onRemainingChanged(int) override {}
    void onSrtTaskProductProgress(const NxSrtTaskProductInfo&) override {}
};

NxStudioTaskWatch::NxStudioTaskWatch(Service service, QObject* parent)
    : QObject(parent)
{
    if (service == Service::SpeechToText)
        m_speechToText = std::make_unique<SpeechToText>(this);
    else
        m_textToSpeech = std::make_unique<TextToSpeech>(this);
}

NxStudioTaskWatch::~NxStudioTaskWatch()
{
    // No call may start once the watch is going.
    m_speechToText.reset();
    m_textToSpeech.reset();
}

int NxStudioTaskWatch::taken(const std::function<void()>& add)
{
    // The module asks its manager on this thread, so the answer is here when add returns.
    m_taken = -1;
    add();
    return m_taken;
}

int NxStudioTaskWatch::follow(int taskId)
{
    m_ids.append(taskId);
    m_states.append(m_reported.value(taskId));
    emit changed(m_ids.size() - 1, m_states.last());
    return m_ids.size() - 1;
}

void NxStudioTaskWatch::unfollowAll()
{
    m_ids.clear();
    m_states.clear();
}

bool NxStudioTaskWatch::allEnded() const
{
    return std::all_of(m_states.begin(), m_states.end(), [](const NxStudioTaskState& state) { return state.ended(); });
}

void NxStudioTaskWatch::onOwnThread(std::function<void()> call)
{
    if (QThread::currentThread() == thread())
        call();
    else
        QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void NxStudioTaskWatch::added(int taskId)
{
    onOwnThread([this, taskId] { m_taken = taskId < 0 ? -1 : taskId; });
}

void NxStudioTaskWatch::reported(int taskId, const NxStudioTaskState& state)
{
    // Always queued, also from this thread: the module carries each report to
    // this thread before it acts on it, and a report read here must find the
    // module done with it (its file announced).
    QMetaObject::invokeMethod(this, [this, taskId, state] {
        m_reported.insert(taskId, state);
        const int task = m_ids.indexOf(taskId);
        if (task < 0 || m_states.at(task) == state)
            return;
        const bool endedBefore = allEnded();
        m_states[task] = state;
        emit changed(task, state);
        if (!endedBefore && allEnded())
            emit ended();
    }, Qt::QueuedConnection);
}
