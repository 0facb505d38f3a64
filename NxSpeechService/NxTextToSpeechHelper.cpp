#include "NxTextToSpeechHelper.h"

#include "INxAppInfo.h"
#include "INxBaseLog.h"
#include "INxClip.h"
#include "NxCheckedFile.h"
#include "NxDeleteQuestion.h"
#include "NxDir.h"
#include "NxOutputFolder.h"
#include "NxSpeechServiceEvents.h"
#include "NxSpeechServicePresenter.h"
#include "NxTaskFailures.h"
#include "NxTextToSpeechOutputNames.h"
#include "NxTextToSpeechParamEvent.h"
#include "NxTextToSpeechTableModel.h"

#include <QDir>
#include <QFile>

#include <memory>

using NxTextToSpeech::Task;
namespace Events = NxSpeechServiceEvents;

namespace
{

constexpr const char* LogSource = "NxSpeechService/NxTextToSpeechHelper";

// A subtitle task some of whose sentences failed. Registered for translators
// beside it: the old spelling of the unknown error.
const char* const PartialFailureMessage = QT_TRANSLATE_NOOP("QObject", "Partial text transcription failed");
[[maybe_unused]] const char* const LegacyUnknownMessage = QT_TRANSLATE_NOOP("QObject", "Unkown error");

void applyErrorCode(Task& task, int code)
{
    const NxTaskFailures::Words words = NxTaskFailures::ofTextToSpeech(code);
    task.errorMessage = words.message;
    if (!words.detail.isEmpty())
        task.errorDetail = words.detail;
}

int statusFromState(int state)
{
    switch (state) {
    case NxTextToSpeechTaskInfo::Scanning: return NxTextToSpeech::Scanning;
    case NxTextToSpeechTaskInfo::ScanFailed: return NxTextToSpeech::ScanFailed;
    case NxTextToSpeechTaskInfo::Uploading: return NxTextToSpeech::Uploading;
    case NxTextToSpeechTaskInfo::UploadFailed: return NxTextToSpeech::UploadFailed;
    case NxTextToSpeechTaskInfo::Converting: return NxTextToSpeech::Converting;
    case NxTextToSpeechTaskInfo::ConvertFailed: return NxTextToSpeech::ConvertFailed;
    case NxTextToSpeechTaskInfo::Downloading: return NxTextToSpeech::Downloading;
    case NxTextToSpeechTaskInfo::DownloadFailed: return NxTextToSpeech::DownloadFailed;
    case NxTextToSpeechTaskInfo::Completed: return NxTextToSpeech::Completed;
    default: return NxTextToSpeech::Waiting;
    }
}

int statusFromReport(const NxTextToSpeechTaskInfo& info)
{
    return NxTaskFailures::failsTextToSpeechScan(info.code) ? NxTextToSpeech::ScanFailed : statusFromState(info.state);
}

int failReasonFor(int status, int code)
{
    switch (code) {
    case NxTextToSpeechTaskInfo::NotEnoughCharacters: return NxTextToSpeech::NoBalance;
    case NxTextToSpeechTaskInfo::UnrecognizedContent: return NxTextToSpeech::Unrecognized;
    case NxTextToSpeechTaskInfo::NetworkBroken: return NxTextToSpeech::Network;
    default: return NxTextToSpeech::isFailedStatus(status) ? NxTextToSpeech::Other : NxTextToSpeech::None;
    }
}

// The analytics value of a failure.
int failedReasonValue(int code)
{
    switch (code) {
    case NxTextToSpeechTaskInfo::NetworkBroken: return 3;
    case NxTextToSpeechTaskInfo::UnrecognizedContent: return 1;
    case NxTextToSpeechTaskInfo::NotEnoughCharacters: return 4;
    case NxTextToSpeechTaskInfo::UnknownError:
    case NxTextToSpeechTaskInfo::UploadFailure: return 2;
    default: return 5;
    }
}

QString clipType(const Task& task)
{
    return task.isSubtitle ? QStringLiteral("srt") : QStringLiteral("title");
}

void sendServeDetails(int status, const Task& task)
{
    QString page;
    switch (status) {
    case NxTextToSpeech::Scanning: page = Events::PageScan; break;
    case NxTextToSpeech::Uploading: page = Events::PageUpload; break;
    case NxTextToSpeech::Downloading: page = Events::PageCloudTransfer; break;
    case NxTextToSpeech::Completed: page = Events::PageDownload; break;
    default: return;
    }
    Events::sendServeDetails(Events::TextToSpeech, page, clipType(task));
}

QByteArray local(const QString& text)
{
    return text.toLocal8Bit();
}

} // namespace

NxTextToSpeechHelper::NxTextToSpeechHelper(NxSpeechServicePresenter* presenter)
    : QObject(nullptr)
    , NxTextToSpeechCallBackRelay(this)
    , m_presenter(presenter)
{
    qRegisterMetaType<NxTextToSpeechTaskInfo>("NxTextToSpeechTaskInfo");
    qRegisterMetaType<NxSrtTaskProductInfo>("NxSrtTaskProductInfo");
    connect(this, &NxTextToSpeechHelper::sigCallbackPurchaseTip, this,
            &NxTextToSpeechHelper::slotCallbackPurchaseTip);
}

NxTextToSpeechHelper::~NxTextToSpeechHelper()
{
    // Unregistered before the rows go: no report may reach a record being freed.
    m_manager.unlink();
}

bool NxTextToSpeechHelper::addTasks(const QList<INxClip*>& clips, const TextToSpeechTaskParam& param)
{
    NxTextToSpeechParamEvent event;
    event.setParams(param.voiceCode, param.intonation, param.speed);
    event.sendEvent();
    if (!m_manager)
        return false;

    const NxOutputFolder folder(INxAppInfo::getInstance()->getPath(INxAppInfo::TextToSpeechOutputFolder));
    const NxTextToSpeechOutputNames names(folder, m_rows.tasks());
    for (INxClip* clip : clips) {
        if (!clip)
            continue;
        auto task = std::make_unique<Task>();
        const bool subtitle = clip->type() == INxClip::Subtitle;
        const QString reservation
            = subtitle ? names.nameSubtitleTask(*task, clip) : names.nameTitleTask(*task, clip);

        NxTextToSpeechTaskRequest request;
        request.clip = clip;
        request.voice = param.voiceCode;
        request.intonation = param.intonation;
        request.speed = param.speed;
        request.language = param.languageCode;
        m_manager->addTask(request, &task->taskId, &task->sentences, &task->characters, &task->text);
        if (task->taskId < 0) {
            NxTaskOutputs::releasePath(reservation);
            continue;
        }
        m_outputs.hold(task->taskId, reservation);

        task->attachResult = param.attachResult;
        task->clip = clip;
        task->isSubtitle = subtitle;
        task->reserved = 0;
        task->toolTip = tr("TotalWord: ") + QString::number(task->characters) + QLatin1Char('\n')
                        + tr("Vocalist: ") + param.voiceName + QLatin1Char('\n') + tr("Inotation: ")
                        + param.intonationName + QLatin1Char('\n') + tr("SpeakRate: ") + param.speedName;
        m_rows.append(task.release());
    }
    emit sigTaskCountChanged();
    m_manager->refresh();
    return true;
}

int NxTextToSpeechHelper::taskCount() const
{
    return m_rows.size();
}

void NxTextToSpeechHelper::setModel(NxTextToSpeechTableModel* model)
{
    m_rows.setModel(model);
}

void NxTextToSpeechHelper::clearAllTasks()
{
    if (m_rows.isEmpty())
        return;
    m_manager.stopAndRemove(m_rows.tasks());
    m_rows.clear();
    m_outputs.forgetAll();
    emit sigTaskCountChanged();
    emit sigDataChanged(QModelIndex());
}

bool NxTextToSpeechHelper::hasUnfinishedTasks()
{
    return m_manager.hasUnfinished(m_rows.tasks());
}

void NxTextToSpeechHelper::activateTab(int)
{
    refresh();
}

void NxTextToSpeechHelper::refresh()
{
    if (m_manager)
        m_manager->refresh();
}

bool NxTextToSpeechHelper::serviceState()
{
    return m_manager.serviceState();
}

void NxTextToSpeechHelper::setCheckState(bool checked)
{
    m_checkState = checked;
}

void NxTextToSpeechHelper::resetPurchaseTip()
{
    m_purchaseTipPending = true;
}

void NxTextToSpeechHelper::onRemainingChanged(int characters)
{
    emit sigLastTimeChanged(characters);
}

void NxTextToSpeechHelper::onTaskStateChanged(NxTextToSpeechTaskInfo info)
{
    emit sigTaskStateChanged(info.taskId);
    Task* task = m_rows.find(info.taskId);
    if (!task)
        return;

    const int status = statusFromReport(info);
    const bool statusChanged = status != task->status;
    if (statusChanged)
        sendServeDetails(status, *task);

    task->progress = info.progress;
    task->status = status;
    applyErrorCode(*task, info.code);

    int failedSentences = 0;
    if (task->isSubtitle && m_manager) {
        m_manager->querySubtitleProgress(task->taskId, &task->completedCharacters, nullptr,
                                         &task->completedSentences, &failedSentences, nullptr);
        task->succeededSentences = task->sentences - failedSentences;
    }

    task->failReason = failReasonFor(status, info.code);
    if (task->failReason != NxTextToSpeech::None)
        Events::sendFuncFailed(Events::TextToSpeech, failedReasonValue(info.code), clipType(*task));
    task->detail = info.detail;

    if (NxTextToSpeechTableModel* model = m_rows.model()) {
        model->updateTask(task);
        emit sigDataChanged(statusChanged ? model->indexOfTask(task) : QModelIndex());
    }
    emit sigProgress(info.progress);
    if (!m_rows.contains(task))
        return;

    if (status == NxTextToSpeech::Completed) {
        task->productStart = true;
        dealTaskFinished(info, task);
        if (!m_rows.contains(task))
            return;
        // Sentences spoken but not copied fail like sentences not spoken; a retry copies them again.
        const int uncopied = task->isSubtitle ? m_outputs.undeliveredCount(task->taskId) : 0;
        if (uncopied > 0)
            m_outputs.addUndelivered(task->taskId, [this, info] { NxTextToSpeechCallBackRelay::onTaskStateChanged(info); });
        failedSentences += uncopied;
        if (failedSentences < 1)
            return;
        if (NxTextToSpeechTableModel* model = m_rows.model()) {
            task->errorMessage = PartialFailureMessage;
            task->status = NxTextToSpeech::ConvertFailed;
            model->updateTask(task);
            emit sigDataChanged(model->indexOfTask(task));
        }
        if (m_rows.contains(task) && task->failReason == NxTextToSpeech::None)
            Events::sendFuncFailed(Events::TextToSpeech, failedReasonValue(info.code), clipType(*task));
    } else if (info.code == NxTextToSpeechTaskInfo::NotEnoughCharacters) {
        task->productStart = true;
        if (m_purchaseTipPending) {
            emit sigCallbackPurchaseTip(task->characters, task->taskId);
            m_purchaseTipPending = false;
        }
    } else if (NxTextToSpeech::isFailedStatus(status)) {
        task->productStart = true;
        // The manager speaks the task again on a retry, and delivers every sentence again.
        m_outputs.dropUndelivered(task->taskId);
        emit sigTaskFinish();
    }
}

void NxTextToSpeechHelper::dealTaskFinished(const NxTextToSpeechTaskInfo& info, Task* task)
{
    emit sigTaskFinish();
    if (!task || !m_rows.contains(task) || !task->clip)
        return;

    if (!task->isSubtitle && !m_outputs.hasDelivered(task->taskId)) {
        if (!deliverTitle(info, *task)) {
            failDelivery(info, task);
        } else {
            m_outputs.delivered(task->taskId);
            if (m_presenter)
                emit m_presenter->sigAudioFileGenerate(task->destPath, task->attachResult ? task->clip : nullptr);
        }
    }
    if (m_rows.contains(task))
        Events::sendBillDetails(Events::TextToSpeech, task->characters);
}

bool NxTextToSpeechHelper::deliverTitle(const NxTextToSpeechTaskInfo& info, const Task& task)
{
    INxBaseLog* log = GetGlobalLogInstance();
    log->LogInfo(LogSource, "NxTextToSpeechHelper::dealTaskFinished", __LINE__, "copy file : %s",
                 local(info.filePath).constData());
    log->LogInfo(LogSource, "NxTextToSpeechHelper::dealTaskFinished", __LINE__, "dest file : %s",
                 local(task.destPath).constData());
    if (!QFile::exists(info.filePath)) {
        log->LogInfo(LogSource, "NxTextToSpeechHelper::dealTaskFinished", __LINE__, "not found source file");
        return false;
    }
    // Neither file replaces one that is there: a file there is not this task's.
    QString error;
    if (!NxCheckedFile::copyFile(info.filePath, task.destPath, NxCheckedFile::Commit::NewName, &error)) {
        log->LogInfo(LogSource, "NxTextToSpeechHelper::dealTaskFinished", __LINE__, "dest file failed!");
    } else if (!NxCheckedFile::writeFile(NxTextToSpeechOutputNames::textFileFor(task.destPath), local(task.text), NxCheckedFile::Commit::NewName,
                                         &error)) {
        // The audio alone is no result; it is this task's own, just made.
        QFile::remove(task.destPath);
    } else {
        return true;
    }
    log->LogError(LogSource, "NxTextToSpeechHelper::dealTaskFinished", __LINE__, "task %d failed: %s", task.taskId,
                  local(error).constData());
    return false;
}

void NxTextToSpeechHelper::failDelivery(const NxTextToSpeechTaskInfo& info, Task* task)
{
    m_outputs.addUndelivered(task->taskId, [this, info] { NxTextToSpeechCallBackRelay::onTaskStateChanged(info); });
    task->status = NxTextToSpeech::DownloadFailed;
    applyErrorCode(*task, NxTextToSpeechTaskInfo::UnknownError);
    task->failReason = NxTextToSpeech::Other;
    Events::sendFuncFailed(Events::TextToSpeech, failedReasonValue(NxTextToSpeechTaskInfo::UnknownError),
                           clipType(*task));
    if (NxTextToSpeechTableModel* model = m_rows.model()) {
        model->updateTask(task);
        emit sigDataChanged(model->indexOfTask(task));
    }
}

void NxTextToSpeechHelper::onSrtTaskProductProgress(NxSrtTaskProductInfo info)
{
    Task* task = m_rows.find(info.taskId);
    if (!task)
        return;
    INxBaseLog* log = GetGlobalLogInstance();
    if (!QFile::exists(info.filePath)) {
        log->LogError(LogSource, "NxTextToSpeechHelper::onSrtTaskProductProgress", __LINE__,
                      "str product file no exits,path:%s,index:%d", local(info.filePath).constData(), info.index);
        return;
    }
    const QString folder = NxDir::slash(task->destPath);
    NxDir::makeSureDirExist(folder);
    const QString target = NxTextToSpeechOutputNames::sentenceFile(folder, *task, info.index);
    log->LogInfo(LogSource, "NxTextToSpeechHelper::onSrtTaskProductProgress", __LINE__,
                 "copy file path:%s destPath:%s", local(info.filePath).constData(), local(target).constData());
    // In the folder made for the task a sentence delivered again replaces its earlier copy whole; in any
    // other folder nothing is replaced.
    const auto how = m_outputs.holds(task->taskId) ? NxCheckedFile::Commit::Replace : NxCheckedFile::Commit::NewName;
    QString error;
    if (!NxCheckedFile::copyFile(info.filePath, target, how, &error)) {
        log->LogError(LogSource, "NxTextToSpeechHelper::onSrtTaskProductProgress", __LINE__, "copy product file error");
        log->LogError(LogSource, "NxTextToSpeechHelper::onSrtTaskProductProgress", __LINE__, "%s",
                      local(error).constData());
        m_outputs.addUndelivered(task->taskId,
                                 [this, info] { NxTextToSpeechCallBackRelay::onSrtTaskProductProgress(info); });
        return;
    }

    INxClip* clip = task->attachResult ? task->clip : nullptr;
    const qlonglong position = clip ? clip->timelinePosition(info.position) : 0;
    const bool start = task->productStart;
    task->productStart = false;
    if (m_presenter)
        emit m_presenter->sigSrtProductFileGenerate(target, QDir(folder).dirName(), clip, position, start);
}

void NxTextToSpeechHelper::slotRemoveTask(int index)
{
    if (!m_manager)
        return;
    const std::optional<int> taskId
        = NxDeleteQuestion::confirm(m_rows, index, NxDeleteQuestion::TextToSpeech, NxTextToSpeech::isFinished,
                                    [this](bool& ret, bool& noTip) { emit sigAskDelete(ret, noTip); });
    // The question's modal loop may have removed the task.
    if (!taskId || !m_rows.find(*taskId) || !m_manager->removeTask(*taskId))
        return;
    m_outputs.forget(*taskId);
    m_rows.remove(*taskId);
    emit sigDataChanged(QModelIndex());
    emit sigTaskFinish();
    emit sigTaskCountChanged();
    m_manager->refresh();
}

void NxTextToSpeechHelper::slotRefreshTask(int index)
{
    const Task* task = m_rows.at(index);
    if (!task)
        return;
    const int taskId = task->taskId;
    if (task->failReason == NxTextToSpeech::NoBalance) {
        bool ok = false;
        emit sigPurchaseRefresh(task->characters, ok, false);
        if (!ok)
            return;
    } else if (!NxTextToSpeech::isFailedStatus(task->status) || task->failReason == NxTextToSpeech::Unrecognized) {
        return;
    }
    // The purchase may have run a modal loop in which the task went away.
    Task* again = m_rows.find(taskId);
    if (!again || !m_manager)
        return;
    again->status = NxTextToSpeech::Waiting;
    // What was made but not delivered is delivered again; the manager has nothing to redo.
    if (!m_outputs.redeliver(taskId))
        m_manager->retryTask(taskId);
}

void NxTextToSpeechHelper::slotCallbackPurchaseTip(int characters, int taskId)
{
    bool ok = false;
    emit sigPurchaseTip(characters, ok);
    if (ok && m_manager)
        m_manager->retryTask(taskId);
}
