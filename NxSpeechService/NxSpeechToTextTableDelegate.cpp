#include "NxSpeechToTextTableDelegate.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxSpeechToTextTableModel.h"

#include <QEvent>
#include <QPainter>
#include <QTime>

using NxSpeechToText::Task;

namespace
{

// One row, columns left to right (r = the cell, y0 = r.top + 8, or + 20 on
// a progress row, where the name, duration and delete button sit lower):
//
//  | [type] File name      | hh:mm:ss     | [icon] Status text    [btn] | [del] |
//  |                       |              | Stage:  45%                 |       |
//  |                       |              | [=======-------- track ---] |       |
namespace Geometry
{
constexpr int ShortRowHeight = 32;
constexpr int ProgressRowHeight = 56;
constexpr int IconSize = 24;
constexpr int NameWidth = 155;
constexpr int TrackHeight = 6;
constexpr int TrackAlpha = 41;

bool isProgressRow(int status)
{
    return status == NxSpeechToText::Transcoding || status == NxSpeechToText::Uploading
           || status == NxSpeechToText::Transcribing;
}

int textBaseY(const QRect& r, bool progressRow) { return r.y() + (progressRow ? 20 : 8); }
QRect typeIcon(const QRect& r, bool progressRow) { return {r.x() + 8, r.y() + (progressRow ? 14 : 2), IconSize, IconSize}; }
QPoint nameText(const QRect& r, bool progressRow) { return {r.x() + 40, textBaseY(r, progressRow) - 2}; }
QPoint durationText(const QRect& r, bool progressRow) { return {r.x() + 8, textBaseY(r, progressRow) - 2}; }
QPoint plainStatusText(const QRect& r) { return {r.x() + 8, r.y() + 6}; }
QRect statusIcon(const QRect& r) { return {r.x() + 8, r.y() + 2, IconSize, IconSize}; }
QPoint iconStatusText(const QRect& r) { return {r.x() + 36, r.y() + 6}; }
QRect actionButton(const QRect& r) { return {r.right() - 28, r.y() + 4, IconSize, IconSize}; }
QPoint progressText(const QRect& r) { return {r.x() + 12, r.y() + 6}; }
QRect progressTrack(const QRect& r) { return {r.x() + 12, r.y() + 38, r.width() - 16, TrackHeight}; }
QRect deleteButton(const QRect& r, bool progressRow) { return {r.x() + 8, r.y() + (progressRow ? 16 : 4), IconSize, IconSize}; }
}

// Images of this delegate, after the shared ones.
enum OwnImage { AudioIcon, VideoIcon, SequenceIcon };
const QStringList OwnImagePaths{
    QStringLiteral(":/Resource/icon24_music-normal.png"),
    QStringLiteral(":/Resource/icon24_videotype-normal.png"),
    QStringLiteral(":/Resource/icon24_allclip.png"),
};

NxSkinStyle* skin()
{
    return NxSingleton<NxSkinStyle>::instance();
}

const Task* taskOf(const QModelIndex& index)
{
    return NxSpeechToTextTableModel::taskFromVariant(index.data(Qt::UserRole));
}

bool hasActionButton(int status, int failReason)
{
    return failReason == NxSpeechToText::NotEnoughTime
           || (NxSpeechToText::isFailedStatus(status) && failReason != NxSpeechToText::ContentNotRecognized);
}

} // namespace

NxSpeechToTextTableDelegate::NxSpeechToTextTableDelegate(QObject* parent)
    : NxTaskTableDelegate(parent, OwnImagePaths)
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
    const bool progressRow = task && Geometry::isProgressRow(task->status);
    return {option.rect.width(), progressRow ? Geometry::ProgressRowHeight : Geometry::ShortRowHeight};
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
        const bool progressRow = Geometry::isProgressRow(status);
        const QRect& cell = option.rect;
        const QColor secondary = skin()->GetColor(NxSkinColor::Text_Icon_Secondary);

        switch (index.column()) {
        case NxSpeechToTextTableModel::FileNameColumn: {
            const int kind = task->mediaKind;
            if (kind >= NxSpeechToText::VideoMedia && kind <= NxSpeechToText::SequenceMedia) {
                const int icon = kind == NxSpeechToText::VideoMedia   ? VideoIcon
                                 : kind == NxSpeechToText::AudioMedia ? AudioIcon
                                                                      : SequenceIcon;
                painter->drawImage(Geometry::typeIcon(cell, progressRow), image(SharedImageCount + icon));
            }
            const QString name = QFontMetrics(font()).elidedText(task->fileName, Qt::ElideMiddle,
                                                                 Geometry::NameWidth, Qt::TextShowMnemonic);
            drawText(painter, textRect(painter, Geometry::nameText(cell, progressRow), name), name, secondary);
            break;
        }
        case NxSpeechToTextTableModel::DurationColumn: {
            const QString duration = QTime(0, 0, 0).addSecs(task->duration).toString(QStringLiteral("hh:mm:ss"));
            drawText(painter, textRect(painter, Geometry::durationText(cell, progressRow), duration), duration,
                     secondary);
            break;
        }
        case NxSpeechToTextTableModel::StatusColumn:
            paintStatus(painter, cell, index, status, task->failReason, task->progress, task->progressMax,
                        task->failureText());
            break;
        case NxSpeechToTextTableModel::OperationColumn:
            painter->drawImage(Geometry::deleteButton(cell, progressRow), buttonImage(DeleteNormal, index));
            break;
        default:
            break;
        }
    }
    painter->restore();
    paintBase(painter, option, index);
}

void NxSpeechToTextTableDelegate::paintStatus(QPainter* painter, const QRect& cell, const QModelIndex& index,
                                              int status, int failReason, int progress, int progressMax,
                                              const QString& failure) const
{
    // A retry puts the task back to waiting at once; the spinner stays in
    // the button's place until the manager reports.
    const bool busy = isBusy(index);
    if (busy && !NxSpeechToText::isFailedStatus(status))
        drawSpinner(painter, Geometry::actionButton(cell));

    switch (status) {
    case NxSpeechToText::Waiting:
        drawStatusText(painter, cell, Geometry::plainStatusText(cell), tr("Processing"),
                       skin()->GetColor(NxSkinColor::Text_Icon_Quaternary));
        return;
    case NxSpeechToText::Scanning:
        drawStatusText(painter, cell, Geometry::plainStatusText(cell), tr("Scanning"),
                       skin()->GetColor(NxSkinColor::VarneloX_Primary));
        return;
    case NxSpeechToText::Transcoding:
    case NxSpeechToText::Uploading:
    case NxSpeechToText::Transcribing:
        paintProgress(painter, cell, status, progress, progressMax);
        return;
    case NxSpeechToText::Completed:
        painter->drawImage(Geometry::statusIcon(cell), image(CompletedIcon));
        drawStatusText(painter, cell, Geometry::iconStatusText(cell), tr("Completed"),
                       skin()->GetColor(NxSkinColor::Text_Icon_Secondary));
        return;
    default:
        break;
    }
    if (!NxSpeechToText::isFailedStatus(status))
        return;

    painter->drawImage(Geometry::statusIcon(cell), image(AlertIcon));
    drawStatusText(painter, cell, Geometry::iconStatusText(cell), failure, skin()->GetColor(NxSkinColor::Alert_Danger));
    const QRect button = Geometry::actionButton(cell);
    if (failReason == NxSpeechToText::NotEnoughTime)
        painter->drawImage(button, buttonImage(CartNormal, index));
    else if (failReason != NxSpeechToText::ContentNotRecognized) {
        if (busy)
            drawSpinner(painter, button);
        else
            painter->drawImage(button, buttonImage(RetryNormal, index));
    }
}

void NxSpeechToTextTableDelegate::paintProgress(QPainter* painter, const QRect& cell, int status, int progress,
                                                int progressMax) const
{
    const QString stage = status == NxSpeechToText::Transcoding ? tr("Transcoding")
                          : status == NxSpeechToText::Uploading ? tr("Uploading")
                                                                : tr("In transcription");
    if (status == NxSpeechToText::Transcribing && progressMax == 0)
        progressMax = 1;
    const int percent = progressMax != 0 ? int(float(progress) / float(progressMax) * 100.0f) : 0;
    const QString text = QStringLiteral("%1:  %2%").arg(stage).arg(percent);
    drawText(painter, textRect(painter, Geometry::progressText(cell), text), text,
             skin()->GetColor(NxSkinColor::VarneloX_Primary));

    // The early stages run on a faint white track, transcription on the skin's.
    const QColor track = status == NxSpeechToText::Transcribing
                             ? skin()->GetColor(NxSkinColor::Component_Control_Stroke)
                             : QColor(255, 255, 255, Geometry::TrackAlpha);
    const int filled = progressMax != 0 ? int(qint64(cell.width() - 16) * progress / progressMax) : 0;
    drawProgressBar(painter, Geometry::progressTrack(cell), track, filled);
}

bool NxSpeechToTextTableDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                              const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const Task* task = taskOf(index);
    const QEvent::Type type = event->type();
    if (task && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseMove)) {
        leaveOtherCell(index);
        if (index.column() == NxSpeechToTextTableModel::StatusColumn && hasActionButton(task->status, task->failReason)) {
            handleButtonEvent(event, model, index, Geometry::actionButton(option.rect),
                              task->failReason == NxSpeechToText::NotEnoughTime ? PurchaseAndRetry : RetryTask);
        } else if (index.column() == NxSpeechToTextTableModel::OperationColumn) {
            handleButtonEvent(event, model, index,
                              Geometry::deleteButton(option.rect, Geometry::isProgressRow(task->status)), RemoveTask);
        }
    } else if (task && type == QEvent::MouseButtonDblClick && index.column() == NxSpeechToTextTableModel::FileNameColumn) {
        revealOnDoubleClick(event, option.rect, task->fileName, task->destPath);
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
