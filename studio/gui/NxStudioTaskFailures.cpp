#include "NxStudioTaskFailures.h"

#include "NxTaskFailures.h"
#include "NxTaskObservers.h"

#include <utility>

// Registered while it lives; reports may come on the managers' threads and
// are carried to the owner's.
template <typename Observer>
class NxStudioTaskFailures::Follower : public Observer
{
public:
    Follower(NxStudioTaskFailures* owner, Service service)
        : m_owner(owner)
        , m_service(service)
    {
        NxTaskObservers::observe(this);
    }
    ~Follower() { NxTaskObservers::unobserve(this); }

    // Added on the asking thread, the owner's.
    void onTaskAdded(int taskId) override { m_owner->added(m_service, taskId); }
    void onTaskRemoved(int) override {}
    void onRemainingChanged(int) override {}

protected:
    template <typename Info>
    void report(const Info& info, bool failing)
    {
        QMetaObject::invokeMethod(
            m_owner,
            [owner = m_owner, service = m_service, taskId = info.taskId, failing, reason = info.reason] {
                owner->reported(service, taskId, failing, reason);
            },
            Qt::QueuedConnection);
    }

private:
    NxStudioTaskFailures* m_owner;
    Service m_service;
};

class NxStudioTaskFailures::SpeechToTextFollower final : public Follower<INxSpeechToTextTaskObserver>
{
public:
    explicit SpeechToTextFollower(NxStudioTaskFailures* owner) : Follower(owner, SpeechToText) {}
    void onTaskStateChanged(const NxSpeechToTextTaskInfo& info) override
    {
        report(info, NxTaskFailures::failsSpeechToText(info));
    }
    void onSubtitlesExported(int, const QString&) override {}
};

class NxStudioTaskFailures::TextToSpeechFollower final : public Follower<INxTextToSpeechTaskObserver>
{
public:
    explicit TextToSpeechFollower(NxStudioTaskFailures* owner) : Follower(owner, TextToSpeech) {}
    void onTaskStateChanged(const NxTextToSpeechTaskInfo& info) override
    {
        report(info, NxTaskFailures::failsTextToSpeech(info));
    }
    void onSrtTaskProductProgress(const NxSrtTaskProductInfo&) override {}
};

class NxStudioTaskFailures::AuditionFollower final : public INxAuditionObserver
{
public:
    explicit AuditionFollower(NxStudioTaskFailures* owner) : m_owner(owner) { NxTaskObservers::observe(this); }
    ~AuditionFollower() { NxTaskObservers::unobserve(this); }

    void onAuditionRefused(const QString& reason) override
    {
        QMetaObject::invokeMethod(
            m_owner, [owner = m_owner, reason] { emit owner->previewRefused(reason); }, Qt::QueuedConnection);
    }

private:
    NxStudioTaskFailures* m_owner;
};

NxStudioTaskFailures::NxStudioTaskFailures(QObject* parent)
    : QObject(parent)
    , m_speechToText(std::make_unique<SpeechToTextFollower>(this))
    , m_textToSpeech(std::make_unique<TextToSpeechFollower>(this))
    , m_audition(std::make_unique<AuditionFollower>(this))
{
}

NxStudioTaskFailures::~NxStudioTaskFailures() = default;

void NxStudioTaskFailures::adding(Service service, const QStringList& names, const std::function<void()>& add)
{
    m_addingService = service;
    m_adding = names;
    add();
    m_adding.clear();
}

void NxStudioTaskFailures::added(Service service, int taskId)
{
    if (service != m_addingService || m_adding.isEmpty())
        return;
    const QString name = m_adding.takeFirst();
    if (taskId >= 0)
        m_names.insert({service, taskId}, name);
}

void NxStudioTaskFailures::reported(Service service, int taskId, bool failing, const QString& reason)
{
    const QPair<int, int> key(service, taskId);
    if (!failing) {
        m_failed.remove(key);
        return;
    }
    if (reason.isEmpty() || !m_names.contains(key) || m_failed.contains(key))
        return;
    m_failed.insert(key);
    emit failed(service, m_names.value(key), reason);
}
