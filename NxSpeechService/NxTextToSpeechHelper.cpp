#include "NxTextToSpeechHelper.h"

#include "INxAppInfo.h"
#include "INxBaseLog.h"
#include "INxClip.h"
#include "INxTextClip.h"
#include "INxTextTimelineClip.h"
#include "NxCheckedFile.h"
#include "NxDeleteQuestion.h"
#include "NxDir.h"
#include "NxFileName.h"
#include "NxOutputFolder.h"
#include "NxSpeechServiceEvents.h"
#include "NxSpeechServicePresenter.h"
#include "NxTextToSpeechParamEvent.h"
#include "NxTextToSpeechTableModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <memory>

#include <sys/stat.h>

using NxTextToSpeech::Task;
namespace Events = NxSpeechServiceEvents;

namespace
{

constexpr const char* LogSource = "NxSpeechService/NxTextToSpeechHelper";
constexpr int TitleNameLength = 25;
const QString AudioExtension = QStringLiteral(".mp3");
const QString TextExtension = QStringLiteral(".kvtxt");
// A subtitle task's name may be numbered twice: as a task ("_<n>") and as a folder (" <n>").
constexpr int SubtitleNameReserve = 2 * NxFileName::NumberBytes;
// A sentence file is "<clip name>_<n>.mp3".
const int SentenceNameReserve = NxFileName::NumberBytes + AudioExtension.size();

// Indexed by the manager's error code.
const char* const ErrorMessages[] = {
    QT_TRANSLATE_NOOP("QObject", "Unknow error"),
    QT_TRANSLATE_NOOP("QObject", "Not enough characters left"),
    QT_TRANSLATE_NOOP("QObject", "Unrecognized file content."),
    QT_TRANSLATE_NOOP("QObject", "Only 1500 characters can be transcribed in a single task."),
    QT_TRANSLATE_NOOP("QObject", "Upload failure"),
    QT_TRANSLATE_NOOP("QObject", "Network connection is broken"),
    QT_TRANSLATE_NOOP("QObject", "Transcription  failure"),
    QT_TRANSLATE_NOOP("QObject", "Login error"),
};
// Registered for translators together with the table above.
const char* const PartialFailureMessage = QT_TRANSLATE_NOOP("QObject", "Partial text transcription failed");
[[maybe_unused]] const char* const LegacyUnknownMessage = QT_TRANSLATE_NOOP("QObject", "Unkown error");

void applyErrorCode(Task& task, int code)
{
    if (code >= 0 && code < int(std::size(ErrorMessages))) {
        task.errorMessage = ErrorMessages[code];
        return;
    }
    task.errorMessage = ErrorMessages[NxTextToSpeechTaskInfo::UnknownError];
    task.errorDetail = QString::number(code);
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

// Codes that mean the text itself could not be taken override the stage.
int statusFromReport(const NxTextToSpeechTaskInfo& info)
{
    switch (info.code) {
    case NxTextToSpeechTaskInfo::UnrecognizedContent:
    case NxTextToSpeechTaskInfo::TextTooLong:
    case NxTextToSpeechTaskInfo::NetworkBroken:
        return NxTextToSpeech::ScanFailed;
    default:
        return statusFromState(info.state);
    }
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

// Characters no file name may hold on any system the host runs on. What
// this system forbids goes first: the expression matches nothing at all in
// text that holds a lone surrogate.
QString withoutIllegalCharacters(const QString& name)
{
    static const QRegularExpression illegal(QStringLiteral("[\\\\\\/\\:\\*\\?\\\"\\<\\>\\|]"));
    return NxFileName::withoutForbidden(name).remove(illegal);
}

// The first `count` characters, a character outside the basic plane
// (a surrogate pair) counting as one.
QString firstCharacters(const QString& text, int count)
{
    int end = 0;
    for (int taken = 0; taken < count && end < text.size(); ++taken)
        end += text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    return text.left(end);
}

// The text file a title task writes beside its audio.
QString textFileFor(const QString& audioPath)
{
    const QFileInfo audio(audioPath);
    return audio.absolutePath() + QLatin1Char('/') + audio.completeBaseName() + TextExtension;
}

// Whether `path` is textFileFor(`audioPath`) for a title's audio in the
// absolute output folder. Naming compares every new name with every task, so
// this builds no string.
bool isTextFileOf(const QString& path, const QString& audioPath)
{
    const QStringRef stem = audioPath.leftRef(audioPath.size() - AudioExtension.size());
    return path.size() == stem.size() + TextExtension.size() && path.startsWith(stem)
           && path.endsWith(TextExtension);
}

QString titleText(INxClip* clip)
{
    const auto* title = dynamic_cast<INxTextTimelineClip*>(clip);
    const INxTitleDocument* document = title ? title->titleDocument() : nullptr;
    if (!document)
        return QString();
    QString text;
    const QList<INxTitleElement*> elements = document->elements();
    for (INxTitleElement* element : elements) {
        if (const auto* textElement = dynamic_cast<INxTextClip*>(element))
            text += textElement->text();
    }
    return text.simplified();
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
    for (INxClip* clip : clips) {
        if (!clip)
            continue;
        auto task = std::make_unique<Task>();
        const bool subtitle = clip->type() == INxClip::Subtitle;
        const QString reservation
            = subtitle ? nameSubtitleTask(*task, clip, folder) : nameTitleTask(*task, clip, folder);

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

QString NxTextToSpeechHelper::nameTitleTask(Task& task, INxClip* clip, const NxOutputFolder& folder) const
{
    const QString text = withoutIllegalCharacters(titleText(clip));
    const QString name = withoutIllegalCharacters(clip->name()) + QStringLiteral(" - ") + text;
    const QString base = NxFileName::fitted(firstCharacters(name, TitleNameLength),
                                            NxFileName::NumberBytes + TextExtension.size());
    const QString candidate = folder.candidateName(base, base, Qt::CaseInsensitive);
    const QString ruled = NxOutputFolder::againstTasks(base, candidate, m_rows);
    // Both files of the title must be free, also of what this call has made since the folder was read.
    QString reservation;
    task.fileName = folder.reserveFreeName(base, ruled, [this, &folder](const QString& fileName) {
        const QString audio = folder.path() + fileName + AudioExtension;
        return isTakenPath(audio) || isTakenPath(textFileFor(audio));
    }, &reservation);
    task.destPath = folder.path() + task.fileName + AudioExtension;
    return reservation;
}

QString NxTextToSpeechHelper::nameSubtitleTask(Task& task, INxClip* clip, const NxOutputFolder& folder) const
{
    const QString clipName = NxFileName::fitted(clip->name(), SubtitleNameReserve);
    const auto taken = [this](const QString& name) {
        for (const Task* other : m_rows) {
            if (other->fileName == name)
                return true;
        }
        return false;
    };
    QString name = clipName;
    for (int number = 1; taken(name); ++number)
        name = clipName + QLatin1Char('_') + QString::number(number);

    // A name the output folder or its parent answers to ("", ".", "..")
    // exists already, so it is numbered like any other taken one. The folder
    // is made exclusively: one that another process made first is theirs.
    const QString base = folder.path() + name;
    QString destination = base;
    QString made;
    for (int number = 1;; ++number) {
        if (!isTakenPath(destination)) {
            if (::mkdir(QFile::encodeName(destination).constData(), 0777) == 0) {
                made = destination;
                break;
            }
            // A folder that cannot be made at all: the sentences' copies will say why.
            if (errno != EEXIST)
                break;
        }
        destination = base + QLatin1Char(' ') + QString::number(number);
    }
    task.fileName = name;
    task.destPath = destination;
    return made;
}

bool NxTextToSpeechHelper::isTakenPath(const QString& path) const
{
    if (QFileInfo::exists(path))
        return true;
    return std::any_of(m_rows.begin(), m_rows.end(), [&path](const Task* task) {
        return task->destPath == path || (!task->isSubtitle && isTextFileOf(path, task->destPath));
    });
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
    } else if (!NxCheckedFile::writeFile(textFileFor(task.destPath), local(task.text), NxCheckedFile::Commit::NewName,
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
    const QString clipName = task->clip ? NxFileName::fitted(task->clip->name(), SentenceNameReserve) : task->fileName;
    const QString target = folder + clipName + QLatin1Char('_') + QString::number(qint64(info.index) + 1) + AudioExtension;
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
