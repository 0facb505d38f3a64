#include "NxSpeechToTextQueueManager.h"

#include "INxBaseLog.h"
#include "NxSrtWriter.h"
#include "NxUsageAllowance.h"

#include <optional>

using Info = NxSpeechToTextTaskInfo;

#define NX_LOG_ERROR(...) GetGlobalLogInstance()->LogError(__FILE__, __func__, __LINE__, __VA_ARGS__)
// From a lambda, a line names the function the lambda belongs to.
#define NX_LOG_INFO_IN(function, ...) GetGlobalLogInstance()->LogInfo(__FILE__, function, __LINE__, __VA_ARGS__)
#define NX_LOG_ERROR_IN(function, ...) GetGlobalLogInstance()->LogError(__FILE__, function, __LINE__, __VA_ARGS__)

namespace
{
bool isFailedState(int state)
{
    return state == Info::ScanFailed || state == Info::TranscodeFailed || state == Info::UploadFailed
           || state == Info::TranscribeFailed;
}
} // namespace

NxSpeechToTextQueueManager::NxSpeechToTextQueueManager(int workers, Queue::MakeRunner makeRunner)
    : m_queue(workers, Queue::Stops::Silent, std::move(makeRunner), [](Task& task, bool stopped) {
        if (!stopped && !isFailedState(task.state))
            return false;
        task.state = Info::Waiting;
        task.code = Info::UnknownError;
        task.detail = 0;
        task.cues.clear();
        return true;
    })
{
}

NxSpeechToTextQueueManager::~NxSpeechToTextQueueManager() = default;

void NxSpeechToTextQueueManager::stopWorkers()
{
    m_queue.release();
}

void NxSpeechToTextQueueManager::release()
{
    delete this;
}

void NxSpeechToTextQueueManager::setCallBack(INxSpeechToTextTaskManagerCallBack* callBack)
{
    m_queue.setCallBack(callBack);
}

int NxSpeechToTextQueueManager::addMaterialTask(INxAbstractMedia* media, QString language)
{
    return media ? addTask(NxMediaSpan::ofMaterial(media), language, false, "material") : -1;
}

int NxSpeechToTextQueueManager::addClipTask(INxClip* clip, QString language)
{
    return clip ? addTask(NxMediaSpan::ofClip(clip), language, false, "clip") : -1;
}

int NxSpeechToTextQueueManager::addTimelineTask(INxTimeline* timeline, QString language)
{
    return timeline ? addTask(NxMediaSpan::ofTimeline(timeline), language, true, "timeline") : -1;
}

int NxSpeechToTextQueueManager::addTask(std::vector<NxMediaSpan> spans, const QString& language, bool timeline,
                                        const char* kind)
{
    const int sources = int(spans.size());
    const char* const function = __func__;
    return m_queue.add(std::make_unique<Task>(NxSpeechToTextJob(std::move(spans), language, timeline)), [&](int id) {
        NX_LOG_INFO_IN(function, "Speech-to-text task %d: %s with %d source(s), language \"%s\"", id, kind, sources,
                       qUtf8Printable(language));
    });
}

void NxSpeechToTextQueueManager::report(Queue::Entry& entry, int state, int percent, int seconds)
{
    m_queue.report(entry, [&](Task& task) -> Queue::Delivery {
        task.state = state;
        task.detail = seconds;
        NxSpeechToTextTaskInfo info;
        info.taskId = entry.id;
        info.state = state;
        info.progress = percent;
        info.detail = seconds;
        return [info](INxSpeechToTextTaskManagerCallBack* callBack) {
            if (callBack)
                callBack->onTaskStateChanged(info);
        };
    });
}

int NxSpeechToTextQueueManager::settle(Task&, NxSpeechToTextJob::Outcome&, bool)
{
    return -1;
}

void NxSpeechToTextQueueManager::finish(Queue::Entry& entry, NxSpeechToTextJob::Outcome outcome)
{
    const char* const function = __func__;
    m_queue.finish(entry, [&](Task& task, bool removed, bool stopped) -> Queue::Delivery {
        const bool ended = !removed && !stopped && !outcome.stopped;
        const int remaining = settle(task, outcome, ended);
        if (removed)
            return {};
        if (!ended) {
            NX_LOG_INFO_IN(function, "Speech-to-text task %d stopped", entry.id);
            return {};
        }
        const bool completed = outcome.state == Info::Completed;
        task.state = outcome.state;
        task.code = outcome.code;
        task.cues = completed ? std::move(outcome.cues) : std::vector<NxSubtitleCue>();
        NxSpeechToTextTaskInfo info;
        info.taskId = entry.id;
        info.state = task.state;
        info.code = task.code;
        info.progress = completed ? 100 : 0;
        info.detail = completed ? outcome.seconds : task.detail;
        const int cues = int(task.cues.size());
        return [function, info, remaining, cues, seconds = outcome.seconds,
                reason = outcome.reason](INxSpeechToTextTaskManagerCallBack* callBack) {
            if (info.state == Info::Completed)
                NX_LOG_INFO_IN(function, "Speech-to-text task %d completed: %d cue(s) from %d s of audio",
                               info.taskId, cues, seconds);
            else
                NX_LOG_ERROR_IN(function, "Speech-to-text task %d failed (state %d, code %d): %s", info.taskId,
                                info.state, info.code, qUtf8Printable(reason));
            if (!callBack)
                return;
            callBack->onTaskStateChanged(info);
            if (remaining >= 0)
                callBack->onRemainingChanged(remaining);
        };
    });
}

bool NxSpeechToTextQueueManager::removeTask(int taskId)
{
    return m_queue.remove(taskId);
}

void NxSpeechToTextQueueManager::retryTask(int taskId)
{
    m_queue.retry(taskId, [function = __func__](int id) {
        NX_LOG_INFO_IN(function, "Speech-to-text task %d retried", id);
    });
}

void NxSpeechToTextQueueManager::stopAll()
{
    // Once this returns, no stopped task reports.
    m_queue.stopAll();
}

bool NxSpeechToTextQueueManager::isTaskFinished(int taskId)
{
    return m_queue.isFinished(taskId);
}

void NxSpeechToTextQueueManager::exportSubtitles(int taskId, QString path)
{
    const std::optional<std::vector<NxSubtitleCue>> cues = m_queue.withTask(taskId, [](const Task* task) {
        return task && task->state == Info::Completed ? std::make_optional(task->cues) : std::nullopt;
    });
    if (!cues) {
        NX_LOG_ERROR("Speech-to-text task %d has no subtitles to export", taskId);
        return;
    }
    QString error;
    if (!NxSrtWriter::write(path, *cues, &error))
        NX_LOG_ERROR("Cannot write subtitles to \"%s\": %s", qUtf8Printable(path), qUtf8Printable(error));
}

void NxSpeechToTextQueueManager::refresh(int)
{
    m_queue.deliver([](INxSpeechToTextTaskManagerCallBack* callBack) {
        if (callBack)
            callBack->onRemainingChanged(NxUsageAllowance::instance().seconds());
    });
}
