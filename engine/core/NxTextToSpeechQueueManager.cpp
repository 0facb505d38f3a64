#include "NxTextToSpeechQueueManager.h"

#include "NxDataHome.h"
#include "NxUsageAllowance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <memory>

namespace
{
// Products are copied by the host as soon as they are reported; older
// leftovers of earlier sessions are only clutter.
constexpr qint64 StaleSeconds = 24 * 60 * 60;

using Info = NxTextToSpeechTaskInfo;
using State = NxTextToSpeechState;
using Failure = NxTextToSpeechFailure;

void purgeStale(const QString& folder)
{
    const QDateTime limit = QDateTime::currentDateTimeUtc().addSecs(-StaleSeconds);
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.lastModified().toUTC() < limit)
            NxTextToSpeechJob::removeProducts({entry.absoluteFilePath()});
    }
}
} // namespace

NxTextToSpeechQueueManager::NxTextToSpeechQueueManager(int workers, NxTextToSpeechJob::Engine engine)
    : m_queue(workers, Queue::Stops::Reported,
              [this] {
                  purgeStale(storagePath());
                  return [this](Queue::Entry& entry) { run(entry); };
              },
              [](NxTextToSpeechJob& job, bool) { return job.rearm(); })
    , m_engine(std::move(engine))
{
}

NxTextToSpeechQueueManager::~NxTextToSpeechQueueManager() = default;

void NxTextToSpeechQueueManager::stopWorkers()
{
    m_queue.release();
}

QString NxTextToSpeechQueueManager::storagePath()
{
    return NxDataHome::filePath(QStringLiteral("EngineStorage/tts"));
}

void NxTextToSpeechQueueManager::release()
{
    delete this;
}

void NxTextToSpeechQueueManager::setCallBack(INxTextToSpeechTaskManagerCallBack* callBack)
{
    m_queue.setCallBack(callBack);
}

void NxTextToSpeechQueueManager::addTask(const NxTextToSpeechTaskRequest& request, int* taskId, int* sentences,
                                           int* characters, QString* text)
{
    auto job = std::make_unique<NxTextToSpeechJob>(request);
    if (sentences)
        *sentences = job->sentenceCount();
    if (characters)
        *characters = job->characters();
    if (text)
        *text = job->text();
    const int id = job->sentenceCount() > 0 ? m_queue.add(std::move(job)) : -1;
    if (taskId)
        *taskId = id;
}

bool NxTextToSpeechQueueManager::removeTask(int taskId)
{
    QStringList products;
    // A running task may still add products; it drops them when it stops.
    const bool removed = m_queue.remove(taskId, [&](NxTextToSpeechJob& job, bool running) {
        if (!running)
            products = job.takeProducts();
    });
    NxTextToSpeechJob::removeProducts(products);
    return removed;
}

void NxTextToSpeechQueueManager::retryTask(int taskId)
{
    m_queue.retry(taskId);
}

void NxTextToSpeechQueueManager::stopAll()
{
    m_queue.stopAll();
}

bool NxTextToSpeechQueueManager::isTaskFinished(int taskId)
{
    // A stopped task is over for the caller even before the worker has noticed.
    return m_queue.isFinished(taskId);
}

void NxTextToSpeechQueueManager::refresh()
{
    // Answered by the worker; refreshes asked meanwhile are answered once.
    if (!m_refreshPending.exchange(true))
        m_queue.post([this] {
            if (m_refreshPending.exchange(false))
                reportRemaining();
        });
}

void NxTextToSpeechQueueManager::querySubtitleProgress(int taskId, int* completedCharacters,
                                                         int* totalCharacters, int* completedSentences,
                                                         int* failedSentences, int* totalSentences)
{
    const NxTextToSpeechJob::Progress progress = m_queue.withTask(taskId, [](const NxTextToSpeechJob* job) {
        return job ? job->progress() : NxTextToSpeechJob::Progress();
    });
    if (completedCharacters)
        *completedCharacters = progress.completedCharacters;
    if (totalCharacters)
        *totalCharacters = progress.totalCharacters;
    if (completedSentences)
        *completedSentences = progress.completedSentences;
    if (failedSentences)
        *failedSentences = progress.failedSentences;
    if (totalSentences)
        *totalSentences = progress.totalSentences;
}

void NxTextToSpeechQueueManager::run(Queue::Entry& entry)
{
    NxTextToSpeechJob::Reports reports;
    reports.state = [this, &entry](State state, int progress) { reportState(entry, state, progress); };
    reports.product = [this, &entry](const NxSrtTaskProductInfo& product) { reportProduct(entry, product); };
    reports.finish = [this, &entry](State state, Failure code, const QString& filePath, const QString& reason) {
        finish(entry, state, code, filePath, reason);
    };
    reports.remaining = [this] { reportRemaining(); };
    reports.between = [this] { m_queue.runPosted(); };
    entry.task->run(entry.id, storagePath(), m_engine, entry.stop, reports);
}

void NxTextToSpeechQueueManager::reportState(Queue::Entry& entry, State state, int progress)
{
    m_queue.report(entry, [&](NxTextToSpeechJob&) -> Queue::Delivery {
        Info info;
        info.taskId = entry.id;
        info.state = reported(state);
        info.progress = progress;
        return [info](INxTextToSpeechTaskManagerCallBack* callBack) {
            if (callBack)
                callBack->onTaskStateChanged(info);
        };
    });
}

void NxTextToSpeechQueueManager::reportProduct(Queue::Entry& entry, const NxSrtTaskProductInfo& product)
{
    m_queue.report(entry, [&](NxTextToSpeechJob&) -> Queue::Delivery {
        if (entry.stop)
            return {};
        return [product](INxTextToSpeechTaskManagerCallBack* callBack) {
            if (callBack)
                callBack->onSrtTaskProductProgress(product);
        };
    });
}

void NxTextToSpeechQueueManager::finish(Queue::Entry& entry, State state, Failure code, const QString& filePath,
                                        const QString& reason)
{
    QStringList products;
    m_queue.finish(entry, [&](NxTextToSpeechJob& job, bool removed, bool) -> Queue::Delivery {
        if (removed) {
            products = job.takeProducts();
            return {};
        }
        Info info;
        info.taskId = entry.id;
        info.state = reported(state);
        info.code = reported(code);
        info.progress = state == State::Completed ? 100 : 0;
        info.filePath = filePath;
        info.reason = reason;
        return [info](INxTextToSpeechTaskManagerCallBack* callBack) {
            if (callBack)
                callBack->onTaskStateChanged(info);
        };
    });
    NxTextToSpeechJob::removeProducts(products);
}

void NxTextToSpeechQueueManager::reportRemaining()
{
    const int characters = NxUsageAllowance::instance().characters();
    m_queue.deliver([characters](INxTextToSpeechTaskManagerCallBack* callBack) {
        if (callBack)
            callBack->onRemainingChanged(characters);
    });
}
