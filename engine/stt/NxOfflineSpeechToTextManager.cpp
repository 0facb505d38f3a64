#include "NxOfflineSpeechToTextManager.h"

#include "INxAbstractMedia.h"
#include "INxAbstractMediaItem.h"
#include "INxBaseLog.h"
#include "INxClip.h"
#include "INxMediaObject.h"
#include "INxTimeline.h"
#include "NxSpeechRecognizer.h"
#include "NxSrtWriter.h"
#include "NxUsageAllowance.h"

#include <algorithm>

using Info = NxSpeechToTextTaskInfo;

#define NX_LOG_INFO(...) GetGlobalLogInstance()->LogInfo(__FILE__, __func__, __LINE__, __VA_ARGS__)
#define NX_LOG_ERROR(...) GetGlobalLogInstance()->LogError(__FILE__, __func__, __LINE__, __VA_ARGS__)

struct NxOfflineSpeechToTextManager::Task
{
    enum Phase { Queued, Running, Done };

    int id = 0;
    // What the task hears, copied when it was added: the host's objects
    // belong to the host's thread and may be gone by the time it runs.
    std::vector<NxMediaSpan> spans;
    QString language;
    bool timeline = false;

    Phase phase = Queued;
    int state = Info::Waiting;
    int code = Info::UnknownError;
    int detail = 0; // seconds of media processed, as last reported
    bool removed = false;
    bool stopped = false;
    int reservedSeconds = 0;
    std::vector<NxSubtitleCue> cues;
    std::atomic<bool> stop{false};
};

namespace
{
bool isFailedState(int state)
{
    return state == Info::ScanFailed || state == Info::TranscodeFailed || state == Info::UploadFailed
           || state == Info::TranscribeFailed;
}

bool hasSound(const INxClip* clip)
{
    return clip->media() && (clip->type() == INxClip::Video || clip->type() == INxClip::Audio);
}

// Clip values are in frames of the clip's rate; a clip without one borrows
// the rate of what it sits on.
NxRational rateOf(const INxClip* clip, NxRational fallback)
{
    return clip->frameRate().isValid() ? clip->frameRate() : fallback;
}
} // namespace

NxOfflineSpeechToTextManager::NxOfflineSpeechToTextManager() = default;

NxOfflineSpeechToTextManager::~NxOfflineSpeechToTextManager()
{
    {
        std::lock_guard<std::recursive_mutex> delivery(m_callBackMutex);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_shuttingDown = true;
        m_callBack = nullptr;
        for (auto& [id, task] : m_tasks)
            task->stop = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
}

void NxOfflineSpeechToTextManager::release()
{
    delete this;
}

void NxOfflineSpeechToTextManager::setCallBack(INxSpeechToTextTaskManagerCallBack* callBack)
{
    std::lock_guard<std::recursive_mutex> delivery(m_callBackMutex);
    m_callBack = callBack;
}

int NxOfflineSpeechToTextManager::addMaterialTask(INxAbstractMedia* media, QString language)
{
    if (!media)
        return -1;
    // An offline material has no media object: its task fails as a missing file.
    const auto* item = dynamic_cast<const INxAbstractMediaItem*>(media);
    const INxMediaObject* object = item ? item->media() : nullptr;
    NxMediaSpan span;
    span.filePath = object ? object->filePath() : QString();
    return addTask({span}, language, false, "material");
}

int NxOfflineSpeechToTextManager::addClipTask(INxClip* clip, QString language)
{
    if (!clip)
        return -1;
    std::vector<NxMediaSpan> spans;
    if (hasSound(clip)) {
        const NxRational rate = rateOf(clip, clip->media()->frameRate());
        NxMediaSpan span;
        span.filePath = clip->media()->filePath();
        span.in = rate.framesToSecondsF(clip->inPoint());
        span.out = std::max(span.in, rate.framesToSecondsF(clip->outPoint()));
        spans.push_back(span);
    }
    return addTask(std::move(spans), language, false, "clip");
}

int NxOfflineSpeechToTextManager::addTimelineTask(INxTimeline* timeline, QString language)
{
    if (!timeline)
        return -1;
    std::vector<NxMediaSpan> spans;
    for (const INxClip* clip : timeline->clips()) {
        if (!clip || !hasSound(clip))
            continue;
        const NxRational rate = rateOf(clip, timeline->frameRate());
        NxMediaSpan span;
        span.filePath = clip->media()->filePath();
        span.in = rate.framesToSecondsF(clip->inPoint());
        span.out = std::max(span.in, rate.framesToSecondsF(clip->outPoint()));
        span.at = rate.framesToSecondsF(clip->position());
        spans.push_back(span);
    }
    return addTask(std::move(spans), language, true, "timeline");
}

int NxOfflineSpeechToTextManager::addTask(std::vector<NxMediaSpan> spans, const QString& language, bool timeline,
                                          const char* kind)
{
    auto task = std::make_shared<Task>();
    task->spans = std::move(spans);
    task->language = language;
    task->timeline = timeline;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        task->id = m_nextId++;
        m_tasks[task->id] = task;
    }
    NX_LOG_INFO("Speech-to-text task %d: %s with %d source(s), language \"%s\"", task->id, kind,
                int(task->spans.size()), qUtf8Printable(language));
    enqueue(task);
    return task->id;
}

void NxOfflineSpeechToTextManager::enqueue(const std::shared_ptr<Task>& task)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_shuttingDown)
            return;
        m_queue.push_back(task);
        // Threads start with the first task, so a manager nobody uses costs nothing.
        while (int(m_workers.size()) < WorkerCount)
            m_workers.emplace_back([this] { work(); });
    }
    m_wake.notify_one();
}

void NxOfflineSpeechToTextManager::work()
{
    NxSpeechRecognizer recognizer; // loads its models on this worker's first task
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_shuttingDown || !m_queue.empty(); });
        if (m_shuttingDown)
            return;
        const std::shared_ptr<Task> task = m_queue.front();
        m_queue.erase(m_queue.begin());
        if (task->removed || task->phase != Task::Queued)
            continue;
        task->phase = Task::Running;
        NxSpeechToTextJob job(task->spans, task->language, task->timeline);
        lock.unlock();

        NxSpeechToTextJob::Outcome outcome = job.run(
            recognizer, task->stop,
            [this, &task](int state, int percent, int seconds) { report(*task, state, percent, seconds); },
            [this, &task](int seconds) { return admit(*task, seconds); });
        finish(*task, std::move(outcome));
        lock.lock();
    }
}

void NxOfflineSpeechToTextManager::report(Task& task, int state, int percent, int seconds)
{
    std::lock_guard<std::recursive_mutex> delivery(m_callBackMutex);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (task.removed || task.stop)
            return;
        task.state = state;
        task.detail = seconds;
    }
    if (!m_callBack)
        return;
    NxSpeechToTextTaskInfo info;
    info.taskId = task.id;
    info.state = state;
    info.progress = percent;
    info.detail = seconds;
    m_callBack->onTaskStateChanged(info);
}

bool NxOfflineSpeechToTextManager::admit(Task& task, int seconds)
{
    // Seconds admitted to a running task are held back from the others
    // until it completes and deducts them.
    std::lock_guard<std::mutex> lock(m_mutex);
    if (seconds > NxUsageAllowance::instance().seconds() - m_reservedSeconds)
        return false;
    task.reservedSeconds = seconds;
    m_reservedSeconds += seconds;
    return true;
}

void NxOfflineSpeechToTextManager::finish(Task& task, NxSpeechToTextJob::Outcome outcome)
{
    std::lock_guard<std::recursive_mutex> delivery(m_callBackMutex);
    NxSpeechToTextTaskInfo info;
    int remaining = -1;
    int cues = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_reservedSeconds -= task.reservedSeconds;
        task.reservedSeconds = 0;
        task.phase = Task::Done;
        if (task.removed)
            return;
        if (outcome.stopped || task.stop) {
            task.stopped = true;
            NX_LOG_INFO("Speech-to-text task %d stopped", task.id);
            return;
        }
        if (outcome.state == Info::Completed && !NxUsageAllowance::instance().consumeSeconds(outcome.seconds)) {
            outcome.state = Info::TranscribeFailed;
            outcome.code = Info::NotEnoughTime;
            outcome.reason = QStringLiteral("the allowance ran out while the task ran");
        }
        task.state = outcome.state;
        task.code = outcome.code;
        task.cues = outcome.state == Info::Completed ? std::move(outcome.cues) : std::vector<NxSubtitleCue>();
        cues = int(task.cues.size());
        info.taskId = task.id;
        info.state = task.state;
        info.code = task.code;
        info.progress = task.state == Info::Completed ? 100 : 0;
        info.detail = task.state == Info::Completed ? outcome.seconds : task.detail;
        if (task.state == Info::Completed)
            remaining = NxUsageAllowance::instance().seconds();
    }
    if (info.state == Info::Completed)
        NX_LOG_INFO("Speech-to-text task %d completed: %d cue(s) from %d s of audio", info.taskId, cues,
                    outcome.seconds);
    else
        NX_LOG_ERROR("Speech-to-text task %d failed (state %d, code %d): %s", info.taskId, info.state, info.code,
                     qUtf8Printable(outcome.reason));
    if (!m_callBack)
        return;
    m_callBack->onTaskStateChanged(info);
    if (remaining >= 0)
        m_callBack->onRemainingChanged(remaining);
}

bool NxOfflineSpeechToTextManager::removeTask(int taskId)
{
    std::lock_guard<std::recursive_mutex> delivery(m_callBackMutex);
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_tasks.find(taskId);
    if (found == m_tasks.end())
        return false;
    found->second->removed = true;
    found->second->stop = true;
    m_tasks.erase(found);
    return true;
}

void NxOfflineSpeechToTextManager::retryTask(int taskId)
{
    std::shared_ptr<Task> task;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_tasks.find(taskId);
        if (found == m_tasks.end())
            return;
        task = found->second;
        if (task->phase != Task::Done || !(task->stopped || isFailedState(task->state)))
            return;
        task->phase = Task::Queued;
        task->state = Info::Waiting;
        task->code = Info::UnknownError;
        task->detail = 0;
        task->stopped = false;
        task->stop = false;
        task->cues.clear();
    }
    NX_LOG_INFO("Speech-to-text task %d retried", taskId);
    enqueue(task);
}

bool NxOfflineSpeechToTextManager::serviceState()
{
    return NxSpeechRecognizer::modelInstalled();
}

void NxOfflineSpeechToTextManager::stopAll()
{
    // Under the delivery lock: once this returns, no stopped task reports.
    std::lock_guard<std::recursive_mutex> delivery(m_callBackMutex);
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto& [id, task] : m_tasks) {
        if (task->phase == Task::Done)
            continue;
        task->stop = true;
        if (task->phase == Task::Queued) {
            task->phase = Task::Done;
            task->stopped = true;
        }
    }
    m_queue.clear();
}

bool NxOfflineSpeechToTextManager::isTaskFinished(int taskId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_tasks.find(taskId);
    return found == m_tasks.end() || found->second->phase == Task::Done;
}

void NxOfflineSpeechToTextManager::exportSubtitles(int taskId, QString path)
{
    std::vector<NxSubtitleCue> cues;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_tasks.find(taskId);
        if (found == m_tasks.end() || found->second->state != Info::Completed) {
            NX_LOG_ERROR("Speech-to-text task %d has no subtitles to export", taskId);
            return;
        }
        cues = found->second->cues;
    }
    QString error;
    if (!NxSrtWriter::write(path, cues, &error))
        NX_LOG_ERROR("Cannot write subtitles to \"%s\": %s", qUtf8Printable(path), qUtf8Printable(error));
}

void NxOfflineSpeechToTextManager::refresh(int)
{
    std::lock_guard<std::recursive_mutex> delivery(m_callBackMutex);
    if (m_callBack)
        m_callBack->onRemainingChanged(NxUsageAllowance::instance().seconds());
}
