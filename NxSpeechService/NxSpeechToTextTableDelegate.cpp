#include "NxSpeechToTextTableDelegate.h"

#include "NxSpeechToTextTableModel.h"

#include <QEvent>
#include <QPainter>
#include <QTime>

using NxSpeechToText::Task;

namespace
{

// The early stages run on a faint white track.
constexpr int EarlyTrackAlpha = 41;

const Task* taskOf(const QModelIndex& index)
{
    return NxSpeechToTextTableModel::taskFromVariant(index.data(Qt::UserRole));
}

// Transcoding, uploading and transcribing rows are tall, with a progress bar.
bool isProgressRow(int status)
{
    return status == NxSpeechToText::Transcoding || status == NxSpeechToText::Uploading
           || status == NxSpeechToText::Transcribing;
}

// A transcription without a reported total counts its progress against 1.
int progressDivisor(int status, int progressMax)
{
    return status == NxSpeechToText::Transcribing && progressMax == 0 ? 1 : progressMax;
}

} // namespace

NxSpeechToTextTableDelegate::NxSpeechToTextTableDelegate(QObject* parent)
    : NxTaskTableDelegate(parent, QStringLiteral(":/Resource/icon24_music-normal.png"))
{
}

NxSpeechToTextTableDelegate::~NxSpeechToTextTableDelegate() = default;

QString NxSpeechToTextTableDelegate::headerTitle(int logicalIndex) const
{
    switch (logicalIndex) {
    case 0: return tr("File Name");
    case 1: return tr("Duration");
    case 2: return tr("Status");
    case 3: return tr("Operation");
    default: return QString();
    }
}

QSize NxSpeechToTextTableDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const Task* task = taskOf(index);
    return Positions(option.rect, task && isProgressRow(task->status)).size;
}

void NxSpeechToTextTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const Task* task = taskOf(index);
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (task) {
        // Read each field once: a report may be changing the record.
        const int status = task->status;
        const Positions pos(option.rect, isProgressRow(status));

        switch (index.column()) {
        case NxSpeechToTextTableModel::FileNameColumn: {
            const int kind = task->mediaKind;
            const QImage* icon = kind == NxSpeechToText::VideoMedia      ? &image(VideoIcon)
                                 : kind == NxSpeechToText::AudioMedia    ? &image(OwnIcon)
                                 : kind == NxSpeechToText::SequenceMedia ? &image(SequenceIcon)
                                                                         : nullptr;
            paintNameCell(painter, pos, icon, task->fileName);
            break;
        }
        case NxSpeechToTextTableModel::DurationColumn:
            paintValueCell(painter, pos, durationText(task->duration));
            break;
        case NxSpeechToTextTableModel::StatusColumn:
            paintStatus(painter, pos, index, status, task->failReason, task->progress, task->progressMax,
                        task->failureText());
            break;
        case NxSpeechToTextTableModel::OperationColumn:
            paintDeleteCell(painter, pos, index);
            break;
        default:
            break;
        }
    }
    painter->restore();
    paintBase(painter, option, index);
}

void NxSpeechToTextTableDelegate::paintStatus(QPainter* painter, const Positions& pos, const QModelIndex& index,
                                              int status, int failReason, int progress, int progressMax,
                                              const QString& failure) const
{
    const bool failed = NxSpeechToText::isFailedStatus(status);
    if (!failed)
        paintPendingRetry(painter, pos, index);

    const QString text = statusText(status, progress, progressMax, failure);
    switch (status) {
    case NxSpeechToText::Waiting:
        paintStatusWord(painter, pos, text, colour(NxSkinColor::Text_Icon_Quaternary));
        break;
    case NxSpeechToText::Scanning:
        paintStatusWord(painter, pos, text, colour(NxSkinColor::VarneloX_Primary));
        break;
    case NxSpeechToText::Transcoding:
    case NxSpeechToText::Uploading:
    case NxSpeechToText::Transcribing:
        paintProgress(painter, pos, status, progress, progressMax, text);
        break;
    case NxSpeechToText::Completed:
        paintCompletedCell(painter, pos, text);
        break;
    default:
        if (failed)
            paintFailedCell(painter, pos, index, text, statusButtonOf(status, failReason));
        break;
    }
}

QString NxSpeechToTextTableDelegate::durationText(int seconds)
{
    return QTime(0, 0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss"));
}

QString NxSpeechToTextTableDelegate::statusText(int status, int progress, int progressMax, const QString& failure)
{
    switch (status) {
    case NxSpeechToText::Waiting:
        return tr("Processing");
    case NxSpeechToText::Scanning:
        return tr("Scanning");
    case NxSpeechToText::Transcoding:
    case NxSpeechToText::Uploading:
    case NxSpeechToText::Transcribing: {
        const QString stage = status == NxSpeechToText::Transcoding ? tr("Transcoding")
                              : status == NxSpeechToText::Uploading ? tr("Uploading")
                                                                    : tr("In transcription");
        progressMax = progressDivisor(status, progressMax);
        const int percent = progressMax != 0 ? int(float(progress) / float(progressMax) * 100.0f) : 0;
        return QStringLiteral("%1:  %2%").arg(stage, QString::number(percent));
    }
    case NxSpeechToText::Completed:
        return tr("Completed");
    default:
        return NxSpeechToText::isFailedStatus(status) ? failure : QString();
    }
}

NxTaskTableDelegate::ButtonAction NxSpeechToTextTableDelegate::statusButtonOf(int status, int failReason)
{
    return statusButton(NxSpeechToText::isFailedStatus(status), failReason == NxSpeechToText::NotEnoughTime,
                        failReason == NxSpeechToText::ContentNotRecognized);
}

bool NxSpeechToTextTableDelegate::hasTask(const QModelIndex& index) const
{
    return taskOf(index) != nullptr;
}

NxTaskTableDelegate::ButtonAction NxSpeechToTextTableDelegate::statusAction(const QModelIndex& index) const
{
    const Task* task = taskOf(index);
    return task ? statusButtonOf(task->status, task->failReason) : NoButton;
}

QString NxSpeechToTextTableDelegate::finishedPath(const QModelIndex& index) const
{
    const Task* task = taskOf(index);
    return task && task->status == NxSpeechToText::Completed ? task->destPath : QString();
}

void NxSpeechToTextTableDelegate::paintProgress(QPainter* painter, const Positions& pos, int status, int progress,
                                                int progressMax, const QString& text) const
{
    progressMax = progressDivisor(status, progressMax);
    const QColor track = status == NxSpeechToText::Transcribing
                             ? colour(NxSkinColor::Component_Control_Stroke)
                             : QColor(255, 255, 255, EarlyTrackAlpha);
    const int filled = progressMax != 0 ? int(qint64(pos.progressTrack.width()) * progress / progressMax) : 0;
    paintProgressCell(painter, pos, text, track, filled);
}

bool NxSpeechToTextTableDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                              const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (const Task* task = taskOf(index)) {
        const int status = task->status;
        handleMouse(event, model, index, Positions(option.rect, isProgressRow(status)),
                    statusButtonOf(status, task->failReason), task->fileName, task->destPath);
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
