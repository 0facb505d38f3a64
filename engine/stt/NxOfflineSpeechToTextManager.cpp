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
#include <optional>

using Info = NxSpeechToTextTaskInfo;

#define NX_LOG_INFO(...) GetGlobalLogInstance()->LogInfo(__FILE__, __func__, __LINE__, __VA_ARGS__)
#define NX_LOG_ERROR(...) GetGlobalLogInstance()->LogError(__FILE__, __func__, __LINE__, __VA_ARGS__)
// From a lambda, a line names the function the lambda belongs to.
#define NX_LOG_INFO_IN(function, ...) GetGlobalLogInstance()->LogInfo(__FILE__, function, __LINE__, __VA_ARGS__)
#define NX_LOG_ERROR_IN(function, ...) GetGlobalLogInstance()->LogError(__FILE__, function, __LINE__, __VA_ARGS__)

struct NxOfflineSpeechToTextManager::Task
{
    // What the task hears, copied when it was added: the host's objects
    // belong to the host's thread and may be gone by the time it runs.
    explicit Task(NxSpeechToTextJob job)
        : job(std::move(job))
    {
    }

    NxSpeechToTextJob job;
    int state = Info::Waiting;
    int code = Info::UnknownError;
    int detail = 0; // seconds of media processed, as last reported
    int reservedSeconds = 0;
    std::vector<NxSubtitleCue> cues;
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

NxOfflineSpeechToTextManager::NxOfflineSpeechToTextManager()
    : m_recognizers(NxRecognizerPool::recognizersForThisMachine())
    , m_queue(WorkerCount, Queue::Stops::Silent,
              [this] { return [this](Queue::Entry& entry) { run(entry); }; },
              [](Task& task, bool stopped) {
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

NxOfflineSpeechToTextManager::~NxOfflineSpeechToTextManager() = default;

void NxOfflineSpeechToTextManager::release()
{
    delete this;
}

void NxOfflineSpeechToTextManager::setCallBack(INxSpeechToTextTaskManagerCallBack* callBack)
{
    m_queue.setCallBack(callBack);
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
    const int sources = int(spans.size());
    const char* const function = __func__;
    return m_queue.add(std::make_unique<Task>(NxSpeechToTextJob(std::move(spans), language, timeline)), [&](int id) {
        NX_LOG_INFO_IN(function, "Speech-to-text task %d: %s with %d source(s), language \"%s\"", id, kind, sources,
                    qUtf8Printable(language));
    });
}

void NxOfflineSpeechToTextManager::run(Queue::Entry& entry)
{
    NxSpeechToTextJob::Outcome outcome = entry.task->job.run(
        m_recognizers, entry.stop,
        [this, &entry](int state, int percent, int seconds) { report(entry, state, percent, seconds); },
        [this, &entry](int seconds) { return admit(*entry.task, seconds); });
    finish(entry, std::move(outcome));
}

void NxOfflineSpeechToTextManager::report(Queue::Entry& entry, int state, int percent, int seconds)
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

bool NxOfflineSpeechToTextManager::admit(Task& task, int seconds)
{
    // Seconds admitted to a running task are held back from the others
    // until it completes and deducts them.
    return m_queue.locked([&] {
        if (seconds > NxUsageAllowance::instance().seconds() - m_reservedSeconds)
            return false;
        task.reservedSeconds = seconds;
        m_reservedSeconds += seconds;
        return true;
    });
}

void NxOfflineSpeechToTextManager::finish(Queue::Entry& entry, NxSpeechToTextJob::Outcome outcome)
{
    const char* const function = __func__;
    m_queue.finish(entry, [&](Task& task, bool removed, bool stopped) -> Queue::Delivery {
        m_reservedSeconds -= task.reservedSeconds;
        task.reservedSeconds = 0;
        if (removed)
            return {};
        if (outcome.stopped || stopped) {
            NX_LOG_INFO_IN(function, "Speech-to-text task %d stopped", entry.id);
            return {};
        }
        if (outcome.state == Info::Completed && !NxUsageAllowance::instance().consumeSeconds(outcome.seconds)) {
            outcome.state = Info::TranscribeFailed;
            outcome.code = Info::NotEnoughTime;
            outcome.reason = QStringLiteral("the allowance ran out while the task ran");
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
        const int remaining = completed ? NxUsageAllowance::instance().seconds() : -1;
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

bool NxOfflineSpeechToTextManager::removeTask(int taskId)
{
    return m_queue.remove(taskId);
}

void NxOfflineSpeechToTextManager::retryTask(int taskId)
{
    m_queue.retry(taskId, [function = __func__](int id) {
        NX_LOG_INFO_IN(function, "Speech-to-text task %d retried", id);
    });
}

bool NxOfflineSpeechToTextManager::serviceState()
{
    return NxSpeechRecognizer::modelInstalled();
}

void NxOfflineSpeechToTextManager::stopAll()
{
    // Once this returns, no stopped task reports.
    m_queue.stopAll();
}

bool NxOfflineSpeechToTextManager::isTaskFinished(int taskId)
{
    return m_queue.isFinished(taskId);
}

void NxOfflineSpeechToTextManager::exportSubtitles(int taskId, QString path)
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

void NxOfflineSpeechToTextManager::refresh(int)
{
    m_queue.deliver([](INxSpeechToTextTaskManagerCallBack* callBack) {
        if (callBack)
            callBack->onRemainingChanged(NxUsageAllowance::instance().seconds());
    });
}
