#include "NxSpeechToTextHelper.h"

#include "INxAbstractMedia.h"
#include "INxAbstractMediaItem.h"
#include "INxAppInfo.h"
#include "INxClip.h"
#include "INxMediaObject.h"
#include "INxTimeline.h"
#include "NxAppSettings.h"
#include "NxFileName.h"
#include "NxOutputFolder.h"
#include "NxSpeechServiceEvents.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextTableModel.h"

#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <utility>

using NxSpeechToText::Task;
namespace Events = NxSpeechServiceEvents;

namespace
{

const QString SubtitleExtension = QStringLiteral(".srt");

struct ErrorCodeInfo
{
    const char* message;
    int failedReason; // the analytics value
};

// Indexed by the manager's error code.
const ErrorCodeInfo ErrorCodes[] = {
    {QT_TRANSLATE_NOOP("QObject", "Unknow error"), 5},
    {QT_TRANSLATE_NOOP("QObject", "Not enough hours left"), 4},
    {QT_TRANSLATE_NOOP("QObject", "Transcode failure"), 2},
    {QT_TRANSLATE_NOOP("QObject", "Only 1 hour file can be transcribed in a single task."), 5},
    {QT_TRANSLATE_NOOP("QObject", "Unrecognized file content."), 1},
    {QT_TRANSLATE_NOOP("QObject", "Upload failure"), 2},
    {QT_TRANSLATE_NOOP("QObject", "Login error"), 5},
    {QT_TRANSLATE_NOOP("QObject", "Transcription  failure"), 2},
    {QT_TRANSLATE_NOOP("QObject", "Network connection is broken"), 3},
};
constexpr int KnownErrorCodes = int(sizeof(ErrorCodes) / sizeof(ErrorCodes[0]));

bool isKnownCode(int code)
{
    return code >= 0 && code < KnownErrorCodes;
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
    if (isKnownCode(code)) {
        task.errorMessage = ErrorCodes[code].message;
        return;
    }
    task.errorMessage = ErrorCodes[NxSpeechToTextTaskInfo::UnknownError].message;
    task.errorDetail = QString::number(code);
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
    // Unregistered first: no report may reach a record being freed. The
    // rows go before the records: a table that outlives this controller
    // still lays out and paints its rows while its window is torn down.
    m_manager.unlink();
    if (m_model)
        m_model->clearTasks();
    qDeleteAll(m_tasks);
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
    nameTask(*task, folder, base, suffix);
    task->taskId = requestTask();
    if (task->taskId < 0)
        return false;
    task->attachResult = attachResult;
    describe(*task);

    m_tasks.append(task.get());
    if (m_model)
        m_model->appendTask(task.get());
    task.release();
    emit sigTaskCountChanged();
    return true;
}

void NxSpeechToTextHelper::nameTask(Task& task, const NxOutputFolder& folder, const QString& base,
                                    const QString& suffix) const
{
    // Room stays for the number or suffix and the extension added below.
    const QString fileBase = NxFileName::fitted(base, NxFileName::NumberBytes + SubtitleExtension.size());
    const QString candidate = folder.candidateName(fileBase, fileBase + suffix, Qt::CaseSensitive);
    const QString ruled = NxOutputFolder::againstTasks(fileBase, candidate, m_tasks);
    task.fileName = folder.freeName(fileBase, ruled, [this](const QString& name) {
        return std::any_of(m_tasks.cbegin(), m_tasks.cend(), [&](const Task* other) { return other->fileName == name; });
    });
    task.destPath = folder.path() + task.fileName + SubtitleExtension;
}

void NxSpeechToTextHelper::setModel(NxSpeechToTextTableModel* model)
{
    m_model = model;
    if (!m_model)
        return;
    for (Task* task : qAsConst(m_tasks))
        m_model->appendTask(task);
}

int NxSpeechToTextHelper::taskCount() const
{
    return m_tasks.size();
}

bool NxSpeechToTextHelper::hasUnfinishedTasks()
{
    return m_manager.hasUnfinished(m_tasks);
}

void NxSpeechToTextHelper::clearAllTasks()
{
    if (m_tasks.isEmpty())
        return;
    m_manager.stopAndRemove(m_tasks);
    if (m_model)
        m_model->clearTasks();
    m_retired.retire(std::exchange(m_tasks, {}));
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
    const int row = rowOfTask(info.taskId);
    if (row < 0)
        return;
    Task* task = m_tasks.at(row);

    const int status = statusFromState(info.state);
    const bool statusChanged = status != task->status;
    if (statusChanged)
        sendStatusEvents(status, task->duration);

    task->progress = info.progress;
    task->status = status;
    applyErrorCode(*task, info.code);
    task->failReason = failReasonFor(status, info.code);
    if (task->failReason != NxSpeechToText::NoFailure)
        Events::sendFuncFailed(Events::SpeechToText,
                               ErrorCodes[isKnownCode(info.code) ? info.code : 0].failedReason);
    task->detail = info.detail;

    // Receivers below may run modal boxes and remove the task meanwhile:
    // from here on only this copy is read.
    const Task reported = *task;
    if (m_model) {
        m_model->updateTask(task);
        emit sigDataChanged(statusChanged ? m_model->index(row, 0) : QModelIndex());
    }
    emit sigProgress(info.progress);

    if (status == NxSpeechToText::Completed) {
        emit sigTaskFinish();
        exportSubtitles(reported);
    } else if (info.code == NxSpeechToTextTaskInfo::NotEnoughTime && m_purchaseTipArmed) {
        emit sigCallbackPurchaseTip(reported.duration, reported.taskId);
        m_purchaseTipArmed = false;
    }
    if (NxSpeechToText::isFailedStatus(status))
        emit sigTaskFinish();
}

void NxSpeechToTextHelper::exportSubtitles(const Task& task)
{
    m_manager->exportSubtitles(task.taskId, task.destPath);
    if (!QFileInfo::exists(task.destPath) || !m_presenter)
        return;
    INxClip* clip = task.attachResult ? task.clip : nullptr;
    INxTimeline* timeline = task.attachResult && !task.clip ? task.timeline : nullptr;
    emit m_presenter->sigSrtFileGenerate(task.destPath, clip, timeline);
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
    if (index < 0 || index >= m_tasks.size())
        return;
    const Task* task = m_tasks.at(index);
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
    const int row = rowOfTask(taskId);
    if (row < 0 || !m_manager)
        return;
    m_tasks.at(row)->status = NxSpeechToText::Waiting;
    m_manager->retryTask(taskId);
}

void NxSpeechToTextHelper::slotRemoveTask(int index)
{
    if (index < 0 || index >= m_tasks.size() || !m_manager)
        return;
    const Task* task = m_tasks.at(index);
    const int taskId = task->taskId;

    NGeneralSettings* settings = NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting();
    if (!settings->GetSTTDeleteTaskNoTip() && !NxSpeechToText::hasEnded(task->status)) {
        bool ret = false;
        bool noTip = false;
        emit sigAskDelete(ret, noTip);
        if (!ret)
            return;
        if (noTip)
            settings->SetSTTDeleteTaskNoTip(true);
    }

    if (!m_manager->removeTask(taskId))
        return;
    // The question's modal loop may have moved the row.
    const int row = rowOfTask(taskId);
    if (row >= 0) {
        if (m_model)
            m_model->takeTask(row);
        m_retired.retire({m_tasks.takeAt(row)});
        emit sigDataChanged(QModelIndex());
        emit sigTaskFinish();
    }
    m_manager->refresh();
    emit sigTaskCountChanged();
}

int NxSpeechToTextHelper::rowOfTask(int taskId) const
{
    for (int row = 0; row < m_tasks.size(); ++row) {
        if (m_tasks.at(row)->taskId == taskId)
            return row;
    }
    return -1;
}
