#include "NxSpeechToTextHelper.h"

#include "INxAbstractMedia.h"
#include "INxAbstractMediaItem.h"
#include "INxAppInfo.h"
#include "INxBaseLog.h"
#include "INxClip.h"
#include "INxMediaObject.h"
#include "INxTimeline.h"
#include "NxDeleteQuestion.h"
#include "NxFileName.h"
#include "NxOutputFolder.h"
#include "NxSpeechServiceEvents.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextTableModel.h"
#include "NxTaskFailures.h"

#include <QFileInfo>

#include <algorithm>
#include <memory>

using NxSpeechToText::Task;
namespace Events = NxSpeechServiceEvents;

namespace
{

constexpr const char* LogSource = "NxSpeechService/NxSpeechToTextHelper";
const QString SubtitleExtension = QStringLiteral(".srt");

// The analytics value of a failure, indexed by the manager's error code.
const int FailedReasons[] = {5, 4, 2, 5, 1, 2, 5, 2, 3};
constexpr int KnownErrorCodes = int(sizeof(FailedReasons) / sizeof(FailedReasons[0]));

int failedReasonOf(int code)
{
    return FailedReasons[code >= 0 && code < KnownErrorCodes ? code : 0];
}

int statusFromState(int state)
{
    return state >= NxSpeechToTextTaskInfo::Scanning && state <= NxSpeechToTextTaskInfo::Completed
               ? state - 1
               : NxSpeechToText::Waiting;
}

int failReasonFor(int status, int code)
{
    switch (code) {
    case NxSpeechToTextTaskInfo::NotEnoughTime: return NxSpeechToText::NotEnoughTime;
    case NxSpeechToTextTaskInfo::UnrecognizedContent: return NxSpeechToText::ContentNotRecognized;
    case NxSpeechToTextTaskInfo::NetworkBroken: return NxSpeechToText::NetworkBroken;
    default:
        return NxSpeechToText::isFailedStatus(status) ? NxSpeechToText::OtherFailure : NxSpeechToText::NoFailure;
    }
}

void applyErrorCode(Task& task, int code)
{
    const NxTaskFailures::Words words = NxTaskFailures::ofSpeechToText(code);
    task.errorMessage = words.message;
    if (!words.detail.isEmpty())
        task.errorDetail = words.detail;
}

void sendStatusEvents(int status, int duration)
{
    switch (status) {
    case NxSpeechToText::Scanning:
        Events::sendServeDetails(Events::SpeechToText, Events::PageScan);
        break;
    case NxSpeechToText::Uploading:
        Events::sendServeDetails(Events::SpeechToText, Events::PageUpload);
        break;
    case NxSpeechToText::Completed:
        Events::sendServeDetails(Events::SpeechToText, Events::PageCloudTransfer);
        Events::sendServeDetails(Events::SpeechToText, Events::PageDownload);
        Events::sendBillDetails(Events::SpeechToText, duration);
        break;
    default:
        break;
    }
}

int secondsOf(NxRational rate, qint64 frames)
{
    return int(rate.framesToSeconds(frames));
}

} // namespace

NxSpeechToTextHelper::NxSpeechToTextHelper(NxSpeechServicePresenter* presenter)
    : QObject(nullptr)
    , m_presenter(presenter)
{
    connect(this, &NxSpeechToTextHelper::sigCallbackPurchaseTip, this,
            &NxSpeechToTextHelper::slotCallbackPurchaseTip);
}

NxSpeechToTextHelper::~NxSpeechToTextHelper()
{
    // Unregistered before the rows go: no report may reach a record being freed.
    m_manager.unlink();
}

bool NxSpeechToTextHelper::addMaterialTasks(const QList<INxAbstractMedia*>& materials, QString language,
                                            bool attachResult)
{
    if (!m_manager)
        return false;
    const NxOutputFolder folder(INxAppInfo::getInstance()->getPath(INxAppInfo::SpeechToTextSubtitleFolder));
    for (INxAbstractMedia* media : materials) {
        if (!media)
            continue;
        const QString base = QStringLiteral("%1_%2").arg(tr("Material"), media->displayName());
        addTask(folder, base, QString(), [&] { return m_manager->addMaterialTask(media, language); },
                attachResult, [media](Task& task) {
                    task.mediaKind = media->mediaType() == INxAbstractMedia::Audio ? NxSpeechToText::AudioMedia
                                                                                   : NxSpeechToText::VideoMedia;
                    const auto* item = dynamic_cast<INxAbstractMediaItem*>(media);
                    const INxMediaObject* object = item ? item->media() : nullptr;
                    task.duration = object ? secondsOf(object->frameRate(), object->length()) : 0;
                });
    }
    m_manager->refresh();
    return true;
}

bool NxSpeechToTextHelper::addClipTasks(const QList<INxClip*>& clips, QString language, bool attachResult)
{
    if (!m_manager)
        return false;
    const NxOutputFolder folder(INxAppInfo::getInstance()->getPath(INxAppInfo::SpeechToTextSubtitleFolder));
    for (INxClip* clip : clips) {
        if (!clip)
            continue;
        const QString base = QStringLiteral("%1_%2").arg(tr("Clip"), clip->name());
        addTask(folder, base, QString(), [&] { return m_manager->addClipTask(clip, language); }, attachResult,
                [clip](Task& task) {
                    task.mediaKind = clip->type() == INxClip::Audio ? NxSpeechToText::AudioMedia
                                                                    : NxSpeechToText::VideoMedia;
                    task.clip = clip;
                    task.duration = secondsOf(clip->frameRate(), clip->length());
                });
    }
    m_manager->refresh();
    return true;
}

bool NxSpeechToTextHelper::addTimelineTask(INxTimeline* timeline, QString language, bool attachResult)
{
    if (!m_manager || !timeline)
        return false;
    const NxOutputFolder folder(INxAppInfo::getInstance()->getPath(INxAppInfo::SpeechToTextSubtitleFolder));
    const bool added = addTask(folder, tr("Sequence"), QStringLiteral("_01"),
                               [&] { return m_manager->addTimelineTask(timeline, language); }, attachResult,
                               [timeline](Task& task) {
                                   task.mediaKind = NxSpeechToText::SequenceMedia;
                                   task.timeline = timeline;
                                   task.duration = secondsOf(timeline->frameRate(), timeline->length());
                               });
    if (!added)
        return false;
    m_manager->refresh();
    return true;
}

bool NxSpeechToTextHelper::addTask(const NxOutputFolder& folder, const QString& base, const QString& suffix,
                                   const std::function<int()>& requestTask, bool attachResult,
                                   const Describe& describe)
{
    auto task = std::make_unique<Task>();
    const QString reservation = nameTask(*task, folder, base, suffix);
    task->taskId = requestTask();
    if (task->taskId < 0) {
        NxTaskOutputs::releasePath(reservation);
        return false;
    }
    m_outputs.hold(task->taskId, reservation);
    task->attachResult = attachResult;
    describe(*task);

    m_rows.append(task.release());
    emit sigTaskCountChanged();
    return true;
}

QString NxSpeechToTextHelper::nameTask(Task& task, const NxOutputFolder& folder, const QString& base,
                                       const QString& suffix) const
{
    // Room stays for the number or suffix and the extension added below.
    const QString fileBase = NxFileName::fitted(base, NxFileName::NumberBytes + SubtitleExtension.size());
    const QString candidate = folder.candidateName(fileBase, fileBase + suffix, Qt::CaseSensitive);
    const QString ruled = NxOutputFolder::againstTasks(fileBase, candidate, m_rows);
    QString reservation;
    task.fileName = folder.reserveFreeName(fileBase, ruled, [this, &folder](const QString& name) {
        return QFileInfo::exists(folder.path() + name + SubtitleExtension)
               || std::any_of(m_rows.begin(), m_rows.end(), [&](const Task* other) { return other->fileName == name; });
    }, &reservation);
    task.destPath = folder.path() + task.fileName + SubtitleExtension;
    return reservation;
}

void NxSpeechToTextHelper::setModel(NxSpeechToTextTableModel* model)
{
    m_rows.setModel(model);
}

int NxSpeechToTextHelper::taskCount() const
{
    return m_rows.size();
}

bool NxSpeechToTextHelper::hasUnfinishedTasks()
{
    return m_manager.hasUnfinished(m_rows.tasks());
}

void NxSpeechToTextHelper::clearAllTasks()
{
    if (m_rows.isEmpty())
        return;
    m_manager.stopAndRemove(m_rows.tasks());
    m_rows.clear();
    m_outputs.forgetAll();
    emit sigDataChanged(QModelIndex());
    emit sigTaskCountChanged();
}

void NxSpeechToTextHelper::refresh()
{
    if (m_manager)
        m_manager->refresh();
}

void NxSpeechToTextHelper::activateTab(int tab)
{
    if (m_manager)
        m_manager->refresh(tab);
}

void NxSpeechToTextHelper::resetPurchaseTip()
{
    m_purchaseTipArmed = true;
}

bool NxSpeechToTextHelper::serviceState()
{
    return m_manager.serviceState();
}

void NxSpeechToTextHelper::onTaskStateChanged(const NxSpeechToTextTaskInfo& info)
{
    // Called on the manager's thread: only the copy of the report crosses.
    QMetaObject::invokeMethod(this, [this, info] { handleTaskState(info); }, Qt::QueuedConnection);
}

void NxSpeechToTextHelper::onRemainingChanged(int seconds)
{
    emit sigLastTimeChanged(seconds);
}

void NxSpeechToTextHelper::handleTaskState(const NxSpeechToTextTaskInfo& info)
{
    emit sigTaskStateChanged(info.taskId);
    const int row = m_rows.indexOf(info.taskId);
    Task* task = m_rows.at(row);
    if (!task)
        return;

    const int status = statusFromState(info.state);
    const bool statusChanged = status != task->status;
    if (statusChanged)
        sendStatusEvents(status, task->duration);

    task->progress = info.progress;
    task->status = status;
    applyErrorCode(*task, info.code);
    task->failReason = failReasonFor(status, info.code);
    if (task->failReason != NxSpeechToText::NoFailure)
        Events::sendFuncFailed(Events::SpeechToText, failedReasonOf(info.code));
    task->detail = info.detail;

    // Receivers below may run modal boxes and remove the task meanwhile:
    // from here on only this copy is read.
    const Task reported = *task;
    if (NxSpeechToTextTableModel* model = m_rows.model()) {
        model->updateTask(task);
        emit sigDataChanged(statusChanged ? model->index(row, 0) : QModelIndex());
    }
    emit sigProgress(info.progress);

    if (status == NxSpeechToText::Completed) {
        emit sigTaskFinish();
        exportSubtitles(info, reported);
    } else if (info.code == NxSpeechToTextTaskInfo::NotEnoughTime && m_purchaseTipArmed) {
        emit sigCallbackPurchaseTip(reported.duration, reported.taskId);
        m_purchaseTipArmed = false;
    }
    if (NxSpeechToText::isFailedStatus(status))
        emit sigTaskFinish();
}

void NxSpeechToTextHelper::exportSubtitles(const NxSpeechToTextTaskInfo& info, const Task& task)
{
    // Only a file this task's export made is its subtitles; a repeated
    // completion finds its own file there and announces it again.
    if (!m_outputs.hasDelivered(task.taskId) && QFileInfo::exists(task.destPath)) {
        failDelivery(info, task.destPath + QStringLiteral(" is there already"));
        return;
    }
    m_manager->exportSubtitles(task.taskId, task.destPath);
    if (!QFileInfo::exists(task.destPath)) {
        failDelivery(info, QStringLiteral("the subtitles were not written to ") + task.destPath);
        return;
    }
    m_outputs.delivered(task.taskId);
    if (!m_presenter)
        return;
    INxClip* clip = task.attachResult ? task.clip : nullptr;
    INxTimeline* timeline = task.attachResult && !task.clip ? task.timeline : nullptr;
    emit m_presenter->sigSrtFileGenerate(task.destPath, clip, timeline);
}

void NxSpeechToTextHelper::failDelivery(const NxSpeechToTextTaskInfo& info, const QString& why)
{
    GetGlobalLogInstance()->LogError(LogSource, "NxSpeechToTextHelper::exportSubtitles", __LINE__,
                                     "task %d failed: %s", info.taskId, why.toLocal8Bit().constData());
    // The receivers of sigTaskFinish may have removed the task.
    const int row = m_rows.indexOf(info.taskId);
    Task* task = m_rows.at(row);
    if (!task)
        return;
    m_outputs.addUndelivered(info.taskId, [this, info] { onTaskStateChanged(info); });
    task->status = NxSpeechToText::TranscribeFailed;
    applyErrorCode(*task, NxSpeechToTextTaskInfo::UnknownError);
    task->failReason = NxSpeechToText::OtherFailure;
    Events::sendFuncFailed(Events::SpeechToText, failedReasonOf(NxSpeechToTextTaskInfo::UnknownError));
    if (NxSpeechToTextTableModel* model = m_rows.model()) {
        model->updateTask(task);
        emit sigDataChanged(model->index(row, 0));
    }
}

void NxSpeechToTextHelper::slotCallbackPurchaseTip(int duration, int taskId)
{
    bool success = false;
    emit sigPurchaseTip(duration, success);
    if (success && m_manager)
        m_manager->retryTask(taskId);
}

void NxSpeechToTextHelper::slotRefreshTask(int index)
{
    const Task* task = m_rows.at(index);
    if (!task)
        return;
    const int taskId = task->taskId;

    if (task->failReason == NxSpeechToText::NotEnoughTime) {
        bool success = false;
        emit sigPurchaseRefresh(task->duration, success, false);
        if (!success)
            return;
    } else if (!NxSpeechToText::isFailedStatus(task->status)
               || task->failReason == NxSpeechToText::ContentNotRecognized) {
        return;
    }

    // The purchase may have run a modal loop in which the task went away.
    Task* again = m_rows.find(taskId);
    if (!again || !m_manager)
        return;
    again->status = NxSpeechToText::Waiting;
    // Subtitles that were made but not written are written again; the manager has nothing to redo.
    if (!m_outputs.redeliver(taskId))
        m_manager->retryTask(taskId);
}

void NxSpeechToTextHelper::slotRemoveTask(int index)
{
    if (!m_manager)
        return;
    const std::optional<int> taskId
        = NxDeleteQuestion::confirm(m_rows, index, NxDeleteQuestion::SpeechToText, NxSpeechToText::hasEnded,
                                    [this](bool& ret, bool& noTip) { emit sigAskDelete(ret, noTip); });
    if (!taskId || !m_manager->removeTask(*taskId))
        return;
    m_outputs.forget(*taskId);
    if (m_rows.remove(*taskId)) {
        emit sigDataChanged(QModelIndex());
        emit sigTaskFinish();
    }
    m_manager->refresh();
    emit sigTaskCountChanged();
}
