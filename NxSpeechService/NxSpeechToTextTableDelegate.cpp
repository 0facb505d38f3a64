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
            paintValueCell(painter, pos, QTime(0, 0, 0).addSecs(task->duration).toString(QStringLiteral("hh:mm:ss")));
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

    switch (status) {
    case NxSpeechToText::Waiting:
        paintStatusWord(painter, pos, tr("Processing"), colour(NxSkinColor::Text_Icon_Quaternary));
        break;
    case NxSpeechToText::Scanning:
        paintStatusWord(painter, pos, tr("Scanning"), colour(NxSkinColor::VarneloX_Primary));
        break;
    case NxSpeechToText::Transcoding:
    case NxSpeechToText::Uploading:
    case NxSpeechToText::Transcribing:
        paintProgress(painter, pos, status, progress, progressMax);
        break;
    case NxSpeechToText::Completed:
        paintCompletedCell(painter, pos, tr("Completed"));
        break;
    default:
        if (failed)
            paintFailedCell(painter, pos, index, failure, statusButtonOf(status, failReason));
        break;
    }
}

NxTaskTableDelegate::ButtonAction NxSpeechToTextTableDelegate::statusButtonOf(int status, int failReason)
{
    return statusButton(NxSpeechToText::isFailedStatus(status), failReason == NxSpeechToText::NotEnoughTime,
                        failReason == NxSpeechToText::ContentNotRecognized);
}

void NxSpeechToTextTableDelegate::paintProgress(QPainter* painter, const Positions& pos, int status, int progress,
                                                int progressMax) const
{
    const QString stage = status == NxSpeechToText::Transcoding ? tr("Transcoding")
                          : status == NxSpeechToText::Uploading ? tr("Uploading")
                                                                : tr("In transcription");
    if (status == NxSpeechToText::Transcribing && progressMax == 0)
        progressMax = 1;
    const int percent = progressMax != 0 ? int(float(progress) / float(progressMax) * 100.0f) : 0;
    const QColor track = status == NxSpeechToText::Transcribing
                             ? colour(NxSkinColor::Component_Control_Stroke)
                             : QColor(255, 255, 255, EarlyTrackAlpha);
    const int filled = progressMax != 0 ? int(qint64(pos.progressTrack.width()) * progress / progressMax) : 0;
    paintProgressCell(painter, pos, QStringLiteral("%1:  %2%").arg(stage).arg(percent), track, filled);
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

NxTaskTableDelegate::RowKeys NxSpeechToTextTableDelegate::rowKeys(const QModelIndex& index) const
{
    const Task* task = taskOf(index);
    if (!task)
        return {};
    // Read once: a report may be changing the record.
    const int status = task->status;
    return {true, statusButtonOf(status, task->failReason), status == NxSpeechToText::Completed, task->destPath};
}
