#include "NxTextToSpeechTableDelegate.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxTextToSpeechTableModel.h"

#include <QMouseEvent>
#include <QPainter>

using NxTextToSpeech::Task;

namespace
{

// One row (r = the cell; a Converting row is 56 px and its content sits
// `lift` = 12 px lower, except in the status column):
//
//  | [title] File name | 1200      | [!] Failure text          [btn] | [del] |
//  |                   |           | In transcription:  45%   60/120 |       |
//  |                   |           | [=========------- track ------] |       |
namespace Geometry
{
constexpr int ShortRowHeight = 32;
constexpr int ConvertingRowHeight = 56;
constexpr int Lift = 12;
constexpr int IconSize = 24;
constexpr int NameWidth = 155;
constexpr int TrackHeight = 6;

int lift(int status) { return status == NxTextToSpeech::Converting ? Lift : 0; }
QRect titleIcon(const QRect& r, int lift) { return {r.x() + 8, r.y() + 2 + lift, IconSize, IconSize}; }
QPoint nameText(const QRect& r, int lift) { return {r.x() + 40, r.y() + 6 + lift}; }
QPoint charactersText(const QRect& r, int lift) { return {r.x() + 8, r.y() + 6 + lift}; }
QPoint plainStatusText(const QRect& r) { return {r.x() + 8, r.y() + 6}; }
QRect completedIcon(const QRect& r) { return {r.x() + 8, r.y() + 4, IconSize, IconSize}; }
QRect alertIcon(const QRect& r) { return {r.x() + 8, r.y() + 2, IconSize, IconSize}; }
QPoint iconStatusText(const QRect& r) { return {r.x() + 36, r.y() + 6}; }
QRect actionButton(const QRect& r) { return {r.right() - 28, r.y() + 4, IconSize, IconSize}; }
QPoint progressText(const QRect& r) { return {r.x() + 12, r.y() + 6}; }
int progressCountRight(const QRect& r) { return r.right() - 8; }
QRect progressTrack(const QRect& r) { return {r.x() + 12, r.y() + 38, r.width() - 16, TrackHeight}; }
QRect deleteButton(const QRect& r, int lift) { return {r.x() + 8, r.y() + 4 + lift, IconSize, IconSize}; }
}

// Images of this delegate, after the shared ones.
enum OwnImage { TitleIcon, VideoTypeIcon, AllClipsIcon };
const QStringList OwnImagePaths{
    QStringLiteral(":/Resource/icon24_titles-old-normal.png"),
    QStringLiteral(":/Resource/icon24_videotype-normal.png"),
    QStringLiteral(":/Resource/icon24_allclip.png"),
};

NxSkinStyle* skin()
{
    return NxSingleton<NxSkinStyle>::instance();
}

const Task* taskOf(const QModelIndex& index)
{
    return NxTextToSpeechTableModel::taskFromVariant(index.data(Qt::UserRole));
}

bool hasActionButton(const Task& task)
{
    return task.failReason == NxTextToSpeech::NoBalance
           || (NxTextToSpeech::isFailedStatus(task.status) && task.failReason != NxTextToSpeech::Unrecognized);
}

} // namespace

NxTextToSpeechTableDelegate::NxTextToSpeechTableDelegate(QObject* parent)
    : NxTaskTableDelegate(parent, OwnImagePaths)
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
    const bool converting = task && task->status == NxTextToSpeech::Converting;
    return {option.rect.width(), converting ? Geometry::ConvertingRowHeight : Geometry::ShortRowHeight};
}

void NxTextToSpeechTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const Task* record = taskOf(index);
    const QRect& cell = option.rect;
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (!record) {
        if (index.column() == NxTextToSpeechTableModel::FileNameColumn)
            painter->drawImage(Geometry::titleIcon(cell, 0), image(SharedImageCount + TitleIcon));
        painter->restore();
        paintBase(painter, option, index);
        return;
    }
    // One copy per paint: a report may change the record meanwhile.
    const Task task = *record;
    const int lift = Geometry::lift(task.status);
    const QColor secondary = skin()->GetColor(NxSkinColor::Text_Icon_Secondary);

    switch (index.column()) {
    case NxTextToSpeechTableModel::FileNameColumn: {
        painter->drawImage(Geometry::titleIcon(cell, lift), image(SharedImageCount + TitleIcon));
        const QString name =
            QFontMetrics(font()).elidedText(task.fileName, Qt::ElideMiddle, Geometry::NameWidth, Qt::TextShowMnemonic);
        drawText(painter, textRect(painter, Geometry::nameText(cell, lift), name), name, secondary);
        break;
    }
    case NxTextToSpeechTableModel::CharactersColumn: {
        const bool partly = task.isSubtitle
                            && (task.status == NxTextToSpeech::ConvertFailed
                                || task.status == NxTextToSpeech::DownloadFailed);
        const QString characters = partly ? QStringLiteral("%1/%2").arg(task.completedCharacters).arg(task.characters)
                                          : QString::number(task.characters);
        drawText(painter, textRect(painter, Geometry::charactersText(cell, lift), characters), characters, secondary);
        break;
    }
    case NxTextToSpeechTableModel::StatusColumn:
        paintStatus(painter, cell, index, task);
        break;
    case NxTextToSpeechTableModel::OperationColumn:
        painter->drawImage(Geometry::deleteButton(cell, lift), buttonImage(DeleteNormal, index));
        break;
    default:
        break;
    }
    painter->restore();
    paintBase(painter, option, index);
}

void NxTextToSpeechTableDelegate::paintStatus(QPainter* painter, const QRect& cell, const QModelIndex& index,
                                              const Task& task) const
{
    // A retry puts the task back to waiting at once; the spinner stays in
    // the button's place until the manager reports.
    const bool busy = isBusy(index);
    if (busy && !NxTextToSpeech::isFailedStatus(task.status))
        drawSpinner(painter, Geometry::actionButton(cell));

    const QColor accent = skin()->GetColor(NxSkinColor::VarneloX_Primary);
    switch (task.status) {
    case NxTextToSpeech::Waiting:
        drawStatusText(painter, cell, Geometry::plainStatusText(cell), tr("Processing"),
                       skin()->GetColor(NxSkinColor::Text_Icon_Quaternary));
        return;
    case NxTextToSpeech::Scanning:
        drawStatusText(painter, cell, Geometry::plainStatusText(cell), tr("Scanning"), accent);
        return;
    case NxTextToSpeech::Uploading:
        drawStatusText(painter, cell, Geometry::plainStatusText(cell), tr("Uploading"), accent);
        return;
    case NxTextToSpeech::Converting:
        paintProgress(painter, cell, task);
        return;
    case NxTextToSpeech::Downloading:
        drawStatusText(painter, cell, Geometry::plainStatusText(cell), tr("Downloading"), accent);
        return;
    case NxTextToSpeech::Completed:
        painter->drawImage(Geometry::completedIcon(cell), image(CompletedIcon));
        drawStatusText(painter, cell, Geometry::iconStatusText(cell), tr("Completed"),
                       skin()->GetColor(NxSkinColor::Text_Icon_Secondary));
        return;
    default:
        break;
    }
    if (!NxTextToSpeech::isFailedStatus(task.status))
        return;

    painter->drawImage(Geometry::alertIcon(cell), image(AlertIcon));
    drawStatusText(painter, cell, Geometry::iconStatusText(cell), failureText(task),
                   skin()->GetColor(NxSkinColor::Alert_Danger));
    const QRect button = Geometry::actionButton(cell);
    if (task.failReason == NxTextToSpeech::NoBalance)
        painter->drawImage(button, buttonImage(CartNormal, index));
    else if (task.failReason != NxTextToSpeech::Unrecognized) {
        if (busy)
            drawSpinner(painter, button);
        else
            painter->drawImage(button, buttonImage(RetryNormal, index));
    }
}

void NxTextToSpeechTableDelegate::paintProgress(QPainter* painter, const QRect& cell, const Task& task) const
{
    const float ratio = float(task.progress) / float(task.progressMax == 0 ? 1 : task.progressMax);
    const QColor accent = skin()->GetColor(NxSkinColor::VarneloX_Primary);
    const QString stage = QStringLiteral("%1:  %2%").arg(tr("In transcription")).arg(int(ratio * 100));
    drawText(painter, textRect(painter, Geometry::progressText(cell), stage), stage, accent);

    const QString count = QStringLiteral("%1/%2").arg(task.completedCharacters).arg(task.characters);
    QRect countRect = textRect(painter, Geometry::progressText(cell), count);
    countRect.moveRight(Geometry::progressCountRight(cell));
    drawText(painter, countRect, count, accent);

    const QRect track = Geometry::progressTrack(cell);
    drawProgressBar(painter, track, skin()->GetColor(NxSkinColor::Component_Control_Stroke),
                    int(float(cell.width() - 16) * ratio));
}

bool NxTextToSpeechTableDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                              const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const Task* task = taskOf(index);
    const QEvent::Type type = event->type();
    if (task && type == QEvent::MouseButtonDblClick && index.column() == NxTextToSpeechTableModel::FileNameColumn) {
        revealOnDoubleClick(event, option.rect, task->fileName, task->destPath);
    } else if (task && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
                        || type == QEvent::MouseMove)) {
        leaveOtherCell(index);
        if (index.column() == NxTextToSpeechTableModel::StatusColumn && hasActionButton(*task)) {
            handleButtonEvent(event, model, index, Geometry::actionButton(option.rect),
                              task->failReason == NxTextToSpeech::NoBalance ? PurchaseAndRetry : RetryTask);
        } else if (index.column() == NxTextToSpeechTableModel::OperationColumn) {
            handleButtonEvent(event, model, index,
                              Geometry::deleteButton(option.rect, Geometry::lift(task->status)), RemoveTask);
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
