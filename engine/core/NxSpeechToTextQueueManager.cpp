#include "NxSpeechToTextQueueManager.h"

#include "INxAbstractMedia.h"
#include "INxAbstractMediaItem.h"
#include "INxBaseLog.h"
#include "INxClip.h"
#include "INxMediaObject.h"
#include "INxTimeline.h"
#include "NxSrtWriter.h"
#include "NxUsageAllowance.h"

#include <optional>

using State = NxSpeechToTextState;
using Failure = NxSpeechToTextFailure;

namespace
{
bool isFailedState(State state)
{
    return state == State::ScanFailed || state == State::TranscodeFailed || state == State::UploadFailed
           || state == State::TranscribeFailed;
}
} // namespace

NxSpeechToTextQueueManager::NxSpeechToTextQueueManager(int workers, NxSpeechToTextJob::Engine engine)
    : m_engine(std::move(engine))
    , m_queue(workers, Queue::Stops::Silent, [this] { return [this](Queue::Entry& entry) { run(entry); }; },
              [](Task& task, bool stopped) {
                  if (!stopped && !isFailedState(task.state))
                      return false;
                  task.state = State::Waiting;
                  task.code = Failure::UnknownError;
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
    const auto* item = dynamic_cast<const INxAbstractMediaItem*>(media);
    const INxMediaObject* object = item ? item->media() : nullptr;
    const int stated = object ? int(object->frameRate().framesToSeconds(object->length())) : 0;
    return media ? addTask(NxMediaSpan::ofMaterial(media), stated, language, false, "material") : -1;
}

int NxSpeechToTextQueueManager::addClipTask(INxClip* clip, QString language)
{
    return clip ? addTask(NxMediaSpan::ofClip(clip), int(clip->frameRate().framesToSeconds(clip->length())), language,
                          false, "clip")
                : -1;
}

int NxSpeechToTextQueueManager::addTimelineTask(INxTimeline* timeline, QString language)
{
    return timeline ? addTask(NxMediaSpan::ofTimeline(timeline),
                              int(timeline->frameRate().framesToSeconds(timeline->length())), language, true,
                              "timeline")
                    : -1;
}

int NxSpeechToTextQueueManager::addTask(std::vector<NxMediaSpan> spans, int statedSeconds, const QString& language,
                                        bool timeline, const char* kind)
{
    const int sources = int(spans.size());
    auto task = std::make_unique<Task>(NxSpeechToTextJob(std::move(spans), language, timeline), statedSeconds);
    return m_queue.add(std::move(task), [&](int id) {
        NX_LOG_INFO("Speech-to-text task %d: %s with %d source(s), language \"%s\"", id, kind, sources,
                    qUtf8Printable(language));
    });
}

void NxSpeechToTextQueueManager::report(Queue::Entry& entry, State state, int percent, int seconds)
{
    m_queue.report(entry, [&](Task& task) -> Queue::Delivery {
        task.state = state;
        task.detail = seconds;
        NxSpeechToTextTaskInfo info;
        info.taskId = entry.id;
        info.state = reported(state);
        info.progress = percent;
        info.detail = seconds;
        return [info](INxSpeechToTextTaskManagerCallBack* callBack) {
            if (callBack)
                callBack->onTaskStateChanged(info);
        };
    });
}

void NxSpeechToTextQueueManager::run(Queue::Entry& entry)
{
    // A task whose seconds could not be deducted would be free: it is
    // refused before any work.
    QString error;
    if (m_engine.charged && !NxUsageAllowance::instance().canChargeSeconds(&error)) {
        finish(entry, NxSpeechToTextJob::failed(State::ScanFailed, Failure::UnknownError, error));
        return;
    }
    NxSpeechToTextJob::Admit admitTask;
    if (m_engine.charged)
        admitTask = [this, &entry](int seconds) { return admit(*entry.task, seconds); };
    NxSpeechToTextJob::Outcome outcome = m_engine.transcribe(
        entry.task->job, entry.stop,
        [this, &entry](State state, int percent, int seconds) { report(entry, state, percent, seconds); }, admitTask);
    finish(entry, std::move(outcome));
}

bool NxSpeechToTextQueueManager::admit(Task& task, int seconds)
{
    return m_queue.locked([&] {
        const int billed = task.billed(seconds);
        if (billed > NxUsageAllowance::instance().seconds() - m_reservedSeconds)
            return false;
        task.reservedSeconds = billed;
        m_reservedSeconds += billed;
        return true;
    });
}

int NxSpeechToTextQueueManager::settle(Task& task, NxSpeechToTextJob::Outcome& outcome, bool ended)
{
    m_reservedSeconds -= task.reservedSeconds;
    task.reservedSeconds = 0;
    if (!m_engine.charged || !ended || outcome.state != State::Completed)
        return -1;
    QString error;
    if (!NxUsageAllowance::instance().consumeSeconds(task.billed(outcome.seconds), &error)) {
        outcome.state = State::TranscribeFailed;
        outcome.code = error.isEmpty() ? Failure::NotEnoughTime : Failure::UnknownError;
        outcome.reason = error.isEmpty() ? QStringLiteral("the allowance ran out while the task ran") : error;
        return -1;
    }
    return NxUsageAllowance::instance().seconds();
}

void NxSpeechToTextQueueManager::finish(Queue::Entry& entry, NxSpeechToTextJob::Outcome outcome)
{
    m_queue.finish(entry, [&](Task& task, bool removed, bool stopped) -> Queue::Delivery {
        const bool ended = !removed && !stopped && !outcome.stopped;
        const int remaining = settle(task, outcome, ended);
        if (removed)
            return {};
        if (!ended) {
            NX_LOG_INFO("Speech-to-text task %d stopped", entry.id);
            return {};
        }
        const bool completed = outcome.state == State::Completed;
        task.state = outcome.state;
        task.code = outcome.code;
        task.cues = completed ? std::move(outcome.cues) : std::vector<NxSubtitleCue>();
        NxSpeechToTextTaskInfo info;
        info.taskId = entry.id;
        info.state = reported(task.state);
        info.code = reported(task.code);
        info.progress = completed ? 100 : 0;
        info.detail = completed ? outcome.seconds : task.detail;
        info.reason = completed ? QString() : outcome.reason;
        const int cues = int(task.cues.size());
        return [info, remaining, cues, seconds = outcome.seconds,
                reason = outcome.reason](INxSpeechToTextTaskManagerCallBack* callBack) {
            if (info.state == reported(State::Completed))
                NX_LOG_INFO("Speech-to-text task %d completed: %d cue(s) from %d s of audio", info.taskId, cues,
                            seconds);
            else
                NX_LOG_ERROR("Speech-to-text task %d failed (state %d, code %d): %s", info.taskId, info.state,
                             info.code, qUtf8Printable(reason));
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
    m_queue.retry(taskId, [](int id) {
        NX_LOG_INFO("Speech-to-text task %d retried", id);
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
        return task && task->state == State::Completed ? std::make_optional(task->cues) : std::nullopt;
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
