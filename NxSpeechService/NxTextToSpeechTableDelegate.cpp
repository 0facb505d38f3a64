#include "NxTextToSpeechTableDelegate.h"

#include "NxTextToSpeechTableModel.h"

#include <QEvent>
#include <QPainter>

using NxTextToSpeech::Task;

namespace
{

// This tab's tick sits 2 px lower than its alert icon.
constexpr int CompletedIconDrop = 2;

const Task* taskOf(const QModelIndex& index)
{
    return NxTextToSpeechTableModel::taskFromVariant(index.data(Qt::UserRole));
}

// Only a converting row is tall, with a progress bar.
bool isConvertingRow(int status)
{
    return status == NxTextToSpeech::Converting;
}

float progressRatio(const Task& task)
{
    return float(task.progress) / float(task.progressMax == 0 ? 1 : task.progressMax);
}

} // namespace

NxTextToSpeechTableDelegate::NxTextToSpeechTableDelegate(QObject* parent)
    : NxTaskTableDelegate(parent, QStringLiteral(":/Resource/icon24_titles-old-normal.png"))
{
}

NxTextToSpeechTableDelegate::~NxTextToSpeechTableDelegate() = default;

QString NxTextToSpeechTableDelegate::failureText(const Task& task)
{
    return task.failureText();
}

QString NxTextToSpeechTableDelegate::headerTitle(int logicalIndex) const
{
    switch (logicalIndex) {
    case 0: return tr("File Name");
    case 1: return tr("Characters");
    case 2: return tr("Status");
    case 3: return tr("Operation");
    default: return QString();
    }
}

QSize NxTextToSpeechTableDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const Task* task = taskOf(index);
    return Positions(option.rect, task && isConvertingRow(task->status)).size;
}

void NxTextToSpeechTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const Task* record = taskOf(index);
    const QImage& titleIcon = image(OwnIcon);
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (!record) {
        if (index.column() == NxTextToSpeechTableModel::FileNameColumn)
            painter->drawImage(Positions(option.rect, false).typeIcon, titleIcon);
        painter->restore();
        paintBase(painter, option, index);
        return;
    }
    // One copy per paint: a report may change the record meanwhile.
    const Task task = *record;
    const Positions pos(option.rect, isConvertingRow(task.status));

    switch (index.column()) {
    case NxTextToSpeechTableModel::FileNameColumn:
        paintNameCell(painter, pos, &titleIcon, task.fileName);
        break;
    case NxTextToSpeechTableModel::CharactersColumn:
        paintValueCell(painter, pos, charactersText(task));
        break;
    case NxTextToSpeechTableModel::StatusColumn:
        paintStatus(painter, pos, index, task);
        break;
    case NxTextToSpeechTableModel::OperationColumn:
        paintDeleteCell(painter, pos, index);
        break;
    default:
        break;
    }
    painter->restore();
    paintBase(painter, option, index);
}

void NxTextToSpeechTableDelegate::paintStatus(QPainter* painter, const Positions& pos, const QModelIndex& index,
                                              const Task& task) const
{
    const bool failed = NxTextToSpeech::isFailedStatus(task.status);
    if (!failed)
        paintPendingRetry(painter, pos, index);

    const QString text = statusText(task);
    const QColor accent = colour(NxSkinColor::VarneloX_Primary);
    switch (task.status) {
    case NxTextToSpeech::Waiting:
        paintStatusWord(painter, pos, text, colour(NxSkinColor::Text_Icon_Quaternary));
        break;
    case NxTextToSpeech::Scanning:
    case NxTextToSpeech::Uploading:
    case NxTextToSpeech::Downloading:
        paintStatusWord(painter, pos, text, accent);
        break;
    case NxTextToSpeech::Converting:
        paintProgress(painter, pos, task, text);
        break;
    case NxTextToSpeech::Completed:
        paintCompletedCell(painter, pos, text, CompletedIconDrop);
        break;
    default:
        if (failed)
            paintFailedCell(painter, pos, index, text, statusButtonOf(task));
        break;
    }
}

QString NxTextToSpeechTableDelegate::charactersText(const Task& task)
{
    const bool partly = task.isSubtitle
                        && (task.status == NxTextToSpeech::ConvertFailed || task.status == NxTextToSpeech::DownloadFailed);
    return partly ? progressCount(task) : QString::number(task.characters);
}

QString NxTextToSpeechTableDelegate::statusText(const Task& task)
{
    switch (task.status) {
    case NxTextToSpeech::Waiting: return tr("Processing");
    case NxTextToSpeech::Scanning: return tr("Scanning");
    case NxTextToSpeech::Uploading: return tr("Uploading");
    case NxTextToSpeech::Converting:
        return QStringLiteral("%1:  %2%").arg(tr("In transcription"), QString::number(int(progressRatio(task) * 100)));
    case NxTextToSpeech::Downloading: return tr("Downloading");
    case NxTextToSpeech::Completed: return tr("Completed");
    default: return NxTextToSpeech::isFailedStatus(task.status) ? failureText(task) : QString();
    }
}

QString NxTextToSpeechTableDelegate::progressCount(const Task& task)
{
    return QStringLiteral("%1/%2").arg(QString::number(task.completedCharacters), QString::number(task.characters));
}

void NxTextToSpeechTableDelegate::paintProgress(QPainter* painter, const Positions& pos, const Task& task,
                                                const QString& text) const
{
    paintProgressCell(painter, pos, text, colour(NxSkinColor::Component_Control_Stroke),
                      int(float(pos.progressTrack.width()) * progressRatio(task)));

    // The characters done so far, right-aligned on the stage's line.
    const QString count = progressCount(task);
    QRect countRect = textRect(painter, pos.progressText, count);
    countRect.moveRight(pos.progressCountRight);
    drawText(painter, countRect, count, colour(NxSkinColor::VarneloX_Primary));
}

NxTaskTableDelegate::ButtonAction NxTextToSpeechTableDelegate::statusButtonOf(const Task& task)
{
    return statusButton(NxTextToSpeech::isFailedStatus(task.status), task.failReason == NxTextToSpeech::NoBalance,
                        task.failReason == NxTextToSpeech::Unrecognized);
}

bool NxTextToSpeechTableDelegate::hasTask(const QModelIndex& index) const
{
    return taskOf(index) != nullptr;
}

NxTaskTableDelegate::ButtonAction NxTextToSpeechTableDelegate::statusAction(const QModelIndex& index) const
{
    const Task* task = taskOf(index);
    return task ? statusButtonOf(*task) : NoButton;
}

QString NxTextToSpeechTableDelegate::finishedPath(const QModelIndex& index) const
{
    const Task* task = taskOf(index);
    return task && task->status == NxTextToSpeech::Completed ? task->destPath : QString();
}

bool NxTextToSpeechTableDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                              const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (const Task* task = taskOf(index)) {
        handleMouse(event, model, index, Positions(option.rect, isConvertingRow(task->status)),
                    statusButtonOf(*task), task->fileName, task->destPath);
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
