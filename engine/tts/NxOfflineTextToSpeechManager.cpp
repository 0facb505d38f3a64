#include "NxOfflineTextToSpeechManager.h"

#include "INxBaseLog.h"
#include "INxClip.h"
#include "INxSubtitleClip.h"
#include "INxTextClip.h"
#include "INxTextTimelineClip.h"
#include "NxDataHome.h"
#include "NxMp3Encoder.h"
#include "NxSpeechSynthesizer.h"
#include "NxUsageAllowance.h"
#include "NxVoiceCatalogue.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringList>
#include <QUuid>

#include <algorithm>
#include <atomic>

namespace
{
constexpr const char* LogSource = "engine/tts/NxOfflineTextToSpeechManager";
// Products are copied by the host as soon as they are reported; older
// leftovers of earlier sessions are only clutter.
constexpr qint64 StaleSeconds = 24 * 60 * 60;

using Info = NxTextToSpeechTaskInfo;

QByteArray local(const QString& text)
{
    return text.toLocal8Bit();
}

// Separate text boxes are separate phrases; joined bare, their words would run together.
QString titleText(INxClip* clip)
{
    const auto* title = dynamic_cast<INxTextTimelineClip*>(clip);
    const INxTitleDocument* document = title ? title->titleDocument() : nullptr;
    if (!document)
        return QString();
    QStringList parts;
    for (INxTitleElement* element : document->elements()) {
        if (const auto* text = dynamic_cast<INxTextClip*>(element))
            parts.append(text->text());
    }
    return parts.join(QLatin1Char('\n')).simplified();
}

void removeProducts(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
}

void purgeStale(const QString& folder)
{
    const QDateTime limit = QDateTime::currentDateTimeUtc().addSecs(-StaleSeconds);
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.lastModified().toUTC() < limit)
            removeProducts({entry.absoluteFilePath()});
    }
}
}

struct NxOfflineTextToSpeechManager::Task
{
    struct Sentence
    {
        QString text;
        qint64 start = 0;
        int index = 0;
        int characters = 0;
    };

    // Fixed once added.
    int id = 0;
    bool subtitle = false;
    QString voice;
    int speed = 0;
    int intonation = 0;
    QList<Sentence> sentences;
    int characters = 0;

    std::atomic<bool> cancel{false};
    // Worker only: sentences already delivered, which a retry skips.
    QVector<bool> produced;
    // Guarded by the manager's mutex.
    bool finished = false;
    bool succeeded = false;
    bool removed = false;
    bool retryAfterStop = false;
    int completedSentences = 0;
    int failedSentences = 0;
    int completedCharacters = 0;
    int chargedCharacters = 0; // so that a retry never charges a sentence twice
    QStringList products;
};

NxOfflineTextToSpeechManager::NxOfflineTextToSpeechManager() = default;

NxOfflineTextToSpeechManager::~NxOfflineTextToSpeechManager()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
        for (auto& [id, task] : m_tasks)
            task->cancel = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

QString NxOfflineTextToSpeechManager::storagePath()
{
    return NxDataHome::filePath(QStringLiteral("EngineStorage/tts"));
}

int NxOfflineTextToSpeechManager::countCharacters(const QString& text)
{
    const QVector<uint> codePoints = text.toUcs4();
    return int(std::count_if(codePoints.begin(), codePoints.end(), [](uint c) { return !QChar::isSpace(c); }));
}

void NxOfflineTextToSpeechManager::release()
{
    delete this;
}

void NxOfflineTextToSpeechManager::setCallBack(INxTextToSpeechTaskManagerCallBack* callBack)
{
    std::lock_guard<std::recursive_mutex> lock(m_callBackMutex);
    m_callBack = callBack;
}

void NxOfflineTextToSpeechManager::addTask(const NxTextToSpeechTaskRequest& request, int* taskId, int* sentences,
                                           int* characters, QString* text)
{
    auto task = std::make_shared<Task>();
    task->voice = request.voice;
    task->speed = request.speed;
    task->intonation = request.intonation;
    QStringList spoken;
    if (request.clip && request.clip->type() == INxClip::Title) {
        const QString title = titleText(request.clip);
        if (!title.isEmpty())
            task->sentences.append({title, 0, 0, countCharacters(title)});
    } else if (const auto* subtitle = request.clip && request.clip->type() == INxClip::Subtitle
                                          ? dynamic_cast<INxSubtitleClip*>(request.clip)
                                          : nullptr) {
        task->subtitle = true;
        const QList<NxSubtitleSentence> clipSentences = subtitle->sentences();
        for (int index = 0; index < clipSentences.size(); ++index) {
            const QString sentence = clipSentences.at(index).text.simplified();
            // An empty sentence has nothing to say; the others keep the clip's numbering.
            if (!sentence.isEmpty())
                task->sentences.append({sentence, clipSentences.at(index).start, index, countCharacters(sentence)});
        }
    }
    for (const Task::Sentence& sentence : qAsConst(task->sentences)) {
        task->characters += sentence.characters;
        spoken.append(sentence.text);
    }
    task->produced.fill(false, task->sentences.size());

    int id = -1;
    if (!task->sentences.isEmpty()) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            id = task->id = m_nextId++;
            m_tasks[id] = task;
            m_queue.push_back(task);
        }
        ensureWorker();
        m_wake.notify_all();
    }
    if (taskId)
        *taskId = id;
    if (sentences)
        *sentences = task->sentences.size();
    if (characters)
        *characters = task->characters;
    if (text)
        *text = spoken.join(QLatin1Char('\n'));
}

bool NxOfflineTextToSpeechManager::removeTask(int taskId)
{
    QStringList products;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_tasks.find(taskId);
        if (found == m_tasks.end())
            return false;
        const TaskPointer task = found->second;
        m_tasks.erase(found);
        const auto queued = std::remove(m_queue.begin(), m_queue.end(), task);
        // A running task may still add products; the worker drops them when it stops.
        if (task->finished || queued != m_queue.end())
            products = std::exchange(task->products, {});
        m_queue.erase(queued, m_queue.end());
        task->cancel = true;
        task->removed = true;
    }
    removeProducts(products);
    return true;
}

void NxOfflineTextToSpeechManager::retryTask(int taskId)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_tasks.find(taskId);
        if (found == m_tasks.end())
            return;
        Task& task = *found->second;
        if (!task.finished) {
            // Still stopping: run again once it has.
            if (task.cancel)
                task.retryAfterStop = true;
            return;
        }
        // A completed subtitle task may retry the sentences that failed.
        if (task.succeeded && task.failedSentences == 0)
            return;
        task.finished = task.succeeded = false;
        task.cancel = false;
        task.failedSentences = 0;
        m_queue.push_back(found->second);
    }
    ensureWorker();
    m_wake.notify_all();
}

bool NxOfflineTextToSpeechManager::serviceState()
{
    // Nothing remote to reach: the engine is always in service.
    return true;
}

void NxOfflineTextToSpeechManager::stopAll()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto& [id, task] : m_tasks) {
        if (!task->finished) {
            task->cancel = true;
            task->retryAfterStop = false;
        }
    }
}

bool NxOfflineTextToSpeechManager::isTaskFinished(int taskId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_tasks.find(taskId);
    // A stopped task is over for the caller even before the worker has noticed.
    return found == m_tasks.end() || found->second->finished
           || (found->second->cancel && !found->second->retryAfterStop);
}

void NxOfflineTextToSpeechManager::refresh()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_refreshPending = true;
    }
    ensureWorker();
    m_wake.notify_all();
}

void NxOfflineTextToSpeechManager::querySubtitleProgress(int taskId, int* completedCharacters,
                                                         int* totalCharacters, int* completedSentences,
                                                         int* failedSentences, int* totalSentences)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_tasks.find(taskId);
    const Task* task = found == m_tasks.end() ? nullptr : found->second.get();
    if (completedCharacters)
        *completedCharacters = task ? task->completedCharacters : 0;
    if (totalCharacters)
        *totalCharacters = task ? task->characters : 0;
    if (completedSentences)
        *completedSentences = task ? task->completedSentences : 0;
    if (failedSentences)
        *failedSentences = task ? task->failedSentences : 0;
    if (totalSentences)
        *totalSentences = task ? task->sentences.size() : 0;
}

void NxOfflineTextToSpeechManager::ensureWorker()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_worker.joinable())
        m_worker = std::thread(&NxOfflineTextToSpeechManager::run, this);
}

void NxOfflineTextToSpeechManager::run()
{
    purgeStale(storagePath());
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || m_refreshPending || !m_queue.empty(); });
        if (m_quit)
            return;
        if (m_refreshPending || m_queue.empty()) {
            m_refreshPending = false;
            lock.unlock();
            reportRemaining();
            lock.lock();
            continue;
        }
        const TaskPointer task = m_queue.front();
        m_queue.pop_front();
        lock.unlock();
        process(task);
        lock.lock();
    }
}

void NxOfflineTextToSpeechManager::process(const TaskPointer& task)
{
    if (task->cancel) {
        finishStopped(task);
        return;
    }
    reportState(task, Info::Scanning, 0);
    const NxCatalogueVoice* voice = NxVoiceCatalogue::instance().byCode(task->voice);
    if (!voice) {
        GetGlobalLogInstance()->LogError(LogSource, __func__, __LINE__, "task %d: no voice \"%s\"", task->id,
                                         local(task->voice).constData());
        finishFailed(task, Info::ScanFailed, Info::UnrecognizedContent);
        return;
    }
    if (!task->subtitle && task->characters > MaxCharacters) {
        finishFailed(task, Info::ScanFailed, Info::TextTooLong);
        return;
    }
    // Checked before the work and charged after it, when it has succeeded.
    int needed = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        needed = task->characters - task->completedCharacters;
    }
    if (NxUsageAllowance::instance().characters() < needed) {
        finishFailed(task, Info::ScanFailed, Info::NotEnoughCharacters);
        return;
    }
    reportState(task, Info::Converting, 0);
    const NxSpeechSynthesizer synthesizer(voice->espeakVoice, task->speed, task->intonation);
    if (task->subtitle)
        speakSubtitle(task, synthesizer);
    else
        speakTitle(task, synthesizer);
}

void NxOfflineTextToSpeechManager::speakTitle(const TaskPointer& task, const NxSpeechSynthesizer& synthesizer)
{
    QVector<qint16> samples;
    QString error;
    const QString path = storagePath() + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::Id128)
                         + QStringLiteral(".mp3");
    const bool spoken = synthesizer.synthesize(task->sentences.constFirst().text, &samples, &task->cancel, &error);
    if (task->cancel) {
        finishStopped(task);
        return;
    }
    if (spoken)
        reportState(task, Info::Converting, 80);
    if (!spoken || !NxMp3Encoder::encode(samples, NxSpeechSynthesizer::SampleRate, path, &error)) {
        GetGlobalLogInstance()->LogError(LogSource, __func__, __LINE__, "task %d: %s", task->id,
                                         local(error).constData());
        finishFailed(task, Info::ConvertFailed, Info::TranscriptionFailure);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        task->products.append(path);
        task->completedSentences = 1;
        task->completedCharacters = task->characters;
    }
    finishCompleted(task, path);
}

void NxOfflineTextToSpeechManager::speakSubtitle(const TaskPointer& task, const NxSpeechSynthesizer& synthesizer)
{
    const QString folder = storagePath() + QLatin1Char('/') + QUuid::createUuid().toString(QUuid::Id128);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        task->products.append(folder);
    }
    const int total = task->sentences.size();
    int lastCode = Info::TranscriptionFailure;
    for (int i = 0; i < total && !task->cancel; ++i) {
        if (task->produced.at(i))
            continue;
        const Task::Sentence& sentence = task->sentences.at(i);
        const QString path = folder + QStringLiteral("/%1.mp3").arg(sentence.index + 1);
        QVector<qint16> samples;
        QString error;
        bool spoken = false;
        if (sentence.characters > MaxCharacters) {
            lastCode = Info::TextTooLong;
            error = QStringLiteral("sentence %1 has over %2 characters").arg(sentence.index).arg(MaxCharacters);
        } else {
            spoken = synthesizer.synthesize(sentence.text, &samples, &task->cancel, &error)
                     && NxMp3Encoder::encode(samples, NxSpeechSynthesizer::SampleRate, path, &error);
            lastCode = spoken ? lastCode : int(Info::TranscriptionFailure);
        }
        if (task->cancel)
            break;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (spoken) {
                ++task->completedSentences;
                task->completedCharacters += sentence.characters;
                task->produced[i] = true;
            } else {
                ++task->failedSentences;
            }
        }
        if (spoken) {
            NxSrtTaskProductInfo product;
            product.taskId = task->id;
            product.index = sentence.index;
            product.position = sentence.start;
            product.filePath = path;
            std::lock_guard<std::recursive_mutex> lock(m_callBackMutex);
            if (m_callBack && !task->cancel)
                m_callBack->onSrtTaskProductProgress(product);
        } else {
            GetGlobalLogInstance()->LogError(LogSource, __func__, __LINE__, "task %d: %s", task->id,
                                             local(error).constData());
        }
        reportState(task, Info::Converting, (i + 1) * 100 / total);
        reportRefreshIfAsked();
    }
    if (task->cancel) {
        finishStopped(task);
        return;
    }
    int completedSentences = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        completedSentences = task->completedSentences;
    }
    if (completedSentences == 0)
        finishFailed(task, Info::ConvertFailed, lastCode);
    else
        finishCompleted(task, folder);
}

void NxOfflineTextToSpeechManager::finishFailed(const TaskPointer& task, int state, int code)
{
    QStringList products;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        task->finished = true;
        task->succeeded = false;
        products = std::exchange(task->products, {});
        // Its products are gone: a retry speaks (and delivers) everything again.
        task->completedSentences = task->completedCharacters = 0;
        task->produced.fill(false);
    }
    removeProducts(products);
    reportState(task, state, 0, code);
}

void NxOfflineTextToSpeechManager::finishCompleted(const TaskPointer& task, const QString& filePath)
{
    int charge = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        charge = task->completedCharacters - task->chargedCharacters;
    }
    if (task->cancel) {
        finishStopped(task);
        return;
    }
    // Another task may have used the allowance up since the check.
    if (!NxUsageAllowance::instance().consumeCharacters(charge)) {
        finishFailed(task, Info::ConvertFailed, Info::NotEnoughCharacters);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        task->finished = true;
        task->succeeded = true;
        task->chargedCharacters += charge;
    }
    reportState(task, Info::Completed, 100, Info::UnknownError, filePath);
    reportRemaining();
}

void NxOfflineTextToSpeechManager::finishStopped(const TaskPointer& task)
{
    bool again = false;
    QStringList products;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        task->finished = true;
        task->succeeded = false;
        if (task->removed)
            products = std::exchange(task->products, {});
        again = std::exchange(task->retryAfterStop, false) && !task->removed && !m_quit;
    }
    removeProducts(products);
    reportState(task, Info::ConvertFailed, 0, Info::UnknownError);
    if (again)
        retryTask(task->id);
}

void NxOfflineTextToSpeechManager::reportState(const TaskPointer& task, int state, int progress, int code,
                                               const QString& filePath)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (task->removed)
            return;
    }
    Info info;
    info.taskId = task->id;
    info.state = state;
    info.code = code;
    info.progress = progress;
    info.filePath = filePath;
    std::lock_guard<std::recursive_mutex> lock(m_callBackMutex);
    if (m_callBack)
        m_callBack->onTaskStateChanged(info);
}

void NxOfflineTextToSpeechManager::reportRemaining()
{
    const int characters = NxUsageAllowance::instance().characters();
    std::lock_guard<std::recursive_mutex> lock(m_callBackMutex);
    if (m_callBack)
        m_callBack->onRemainingChanged(characters);
}

void NxOfflineTextToSpeechManager::reportRefreshIfAsked()
{
    bool asked = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        asked = std::exchange(m_refreshPending, false);
    }
    if (asked)
        reportRemaining();
}
