#include "NxSpeechToTextTableDelegate.h"

#include "NxLoadingHelper.h"
#include "NxSingleton.h"
#include "NxSkinChangeEvent.h"
#include "NxSkinStyle.h"
#include "NxSpeechToTextTableModel.h"
#include "StringOperation.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>
#include <QTime>

using NxSpeechToText::Task;

namespace
{

// One row, columns left to right (r = the cell, y0 = r.top + 8, or + 20 on
// a progress row, where everything sits 12 px lower):
//
//  | [type] File name      | hh:mm:ss     | [icon] Status text    [btn] | [del] |
//  |                       |              | Stage:  45%                 |       |
//  |                       |              | [=======-------- track ---] |       |
namespace Geometry
{
constexpr int FontPixelSize = 13;
constexpr int ShortRowHeight = 32;
constexpr int ProgressRowHeight = 56;
constexpr int IconSize = 24;
constexpr int NameWidth = 155;
constexpr int RevealSlack = 40;
constexpr int StatusTextReserve = 48;
constexpr int TrackHeight = 6;
constexpr int TrackRadius = 3;
constexpr int TrackAlpha = 41;

bool isProgressRow(int status)
{
    return status == NxSpeechToText::Transcoding || status == NxSpeechToText::Uploading
           || status == NxSpeechToText::Transcribing;
}

int rowHeight(int status)
{
    return isProgressRow(status) ? ProgressRowHeight : ShortRowHeight;
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

const char* const ImagePaths[] = {
    ":/Resource/icon24_music-normal.png",
    ":/Resource/correct-normal.png",
    ":/Resource/alert-normal.png",
    ":/Resource/icon24_delete-normal.png",
    ":/Resource/icon24_delete-hover.png",
    ":/Resource/icon24_delete-pressed.png",
    ":/Resource/icon24_videotype-normal.png",
    ":/Resource/icon24_allclip.png",
    ":/Resource/status-refresh-normal.png",
    ":/Resource/status-refresh-hover.png",
    ":/Resource/status-refresh-pressed.png",
    ":/Resource/cart-normal.png",
    ":/Resource/cart-hover.png",
    ":/Resource/cart-pressed.png",
};

NxSkinStyle* skin()
{
    return NxSingleton<NxSkinStyle>::instance();
}

const Task* taskOf(const QModelIndex& index)
{
    return NxSpeechToTextTableModel::taskFromVariant(index.data(Qt::UserRole));
}

// Lays a text out from its top-left corner as wide as the font advances it.
QRect textRect(QPainter* painter, const QFont& font, const QPoint& topLeft, const QString& text)
{
    const QFontMetrics metrics(font);
    const QRect laidOut(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
    return painter->boundingRect(laidOut, Qt::AlignLeft, text);
}

void drawText(QPainter* painter, const QFont& font, const QRect& rect, const QString& text, const QColor& colour)
{
    painter->setFont(font);
    painter->setPen(colour);
    painter->drawText(QRectF(rect), text, QTextOption());
}

// Status texts stop short of the cell's end, where the button sits.
void drawLimitedText(QPainter* painter, const QFont& font, const QRect& cell, const QPoint& topLeft,
                     const QString& text, const QColor& colour)
{
    painter->setFont(font);
    QRect rect = textRect(painter, font, topLeft, text);
    QString shown = text;
    if (rect.right() + Geometry::StatusTextReserve > cell.right()) {
        rect.setRight(cell.right() - Geometry::StatusTextReserve);
        shown = StringOperation::GetElidedString(font, rect.width() - Geometry::StatusTextReserve, text,
                                                 Qt::ElideRight);
    }
    drawText(painter, font, rect, shown, colour);
}

bool hasActionButton(int status, int failReason)
{
    return failReason == NxSpeechToText::NotEnoughTime
           || (NxSpeechToText::isFailedStatus(status) && failReason != NxSpeechToText::ContentNotRecognized);
}

} // namespace

NxSpeechToTextTableDelegate::NxSpeechToTextTableDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
    m_font = QApplication::font();
    m_font.setPixelSize(Geometry::FontPixelSize);
    skin()->Attach(this);
    loadImages();

    m_spinner = new NxLoadingHelper(this);
    m_spinner->setInterval(10000);
    connect(m_spinner, &NxLoadingHelper::sigUpdate, this, &NxSpeechToTextTableDelegate::repaintLoadingCell);
    connect(m_spinner, &NxLoadingHelper::sigStopped, this, [this] { m_loadingIndex = QModelIndex(); });
}

NxSpeechToTextTableDelegate::~NxSpeechToTextTableDelegate()
{
    skin()->Detach(this);
}

void NxSpeechToTextTableDelegate::loadImages()
{
    for (int image = 0; image < ImageCount; ++image)
        m_images[image] = QImage(skin()->FormatResourceFile(QString::fromLatin1(ImagePaths[image])));
}

void NxSpeechToTextTableDelegate::OnSkinChanged(NxSkinChangeEvent* event)
{
    if (event && event->IsSkinChanged())
        loadImages();
}

const QImage& NxSpeechToTextTableDelegate::buttonImage(Image normal, const QModelIndex& index) const
{
    if (index == m_hoveredIndex && m_buttonState == HoverState)
        return m_images[normal + 1];
    if (index == m_hoveredIndex && m_buttonState == PressedState)
        return m_images[normal + 2];
    return m_images[normal];
}

QSize NxSpeechToTextTableDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const Task* task = taskOf(index);
    return {option.rect.width(), task ? Geometry::rowHeight(task->status) : Geometry::ShortRowHeight};
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
            const Image icon = kind == NxSpeechToText::VideoMedia   ? VideoIcon
                               : kind == NxSpeechToText::AudioMedia ? AudioIcon
                                                                    : SequenceIcon;
            if (kind >= NxSpeechToText::VideoMedia && kind <= NxSpeechToText::SequenceMedia)
                painter->drawImage(Geometry::typeIcon(cell, progressRow), m_images[icon]);
            const QString name = QFontMetrics(m_font).elidedText(task->fileName, Qt::ElideMiddle, Geometry::NameWidth,
                                                                 Qt::TextShowMnemonic);
            painter->setFont(m_font);
            drawText(painter, m_font, textRect(painter, m_font, Geometry::nameText(cell, progressRow), name), name,
                     secondary);
            break;
        }
        case NxSpeechToTextTableModel::DurationColumn: {
            const QString duration = QTime(0, 0, 0).addSecs(task->duration).toString(QStringLiteral("hh:mm:ss"));
            painter->setFont(m_font);
            drawText(painter, m_font, textRect(painter, m_font, Geometry::durationText(cell, progressRow), duration),
                     duration, secondary);
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

    // The model serves no display data: this paints background and selection only.
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
}

void NxSpeechToTextTableDelegate::paintStatus(QPainter* painter, const QRect& cell, const QModelIndex& index,
                                              int status, int failReason, int progress, int progressMax,
                                              const QString& failure) const
{
    // A retry puts the task back to waiting at once; the spinner stays in
    // the button's place until the manager reports.
    const bool busy = index == m_loadingIndex && m_spinner->isRuning();
    if (busy && !NxSpeechToText::isFailedStatus(status))
        m_spinner->draw(*painter, Geometry::actionButton(cell));

    switch (status) {
    case NxSpeechToText::Waiting:
        drawLimitedText(painter, m_font, cell, Geometry::plainStatusText(cell), tr("Processing"),
                        skin()->GetColor(NxSkinColor::Text_Icon_Quaternary));
        return;
    case NxSpeechToText::Scanning:
        drawLimitedText(painter, m_font, cell, Geometry::plainStatusText(cell), tr("Scanning"),
                        skin()->GetColor(NxSkinColor::VarneloX_Primary));
        return;
    case NxSpeechToText::Transcoding:
    case NxSpeechToText::Uploading:
    case NxSpeechToText::Transcribing:
        paintProgress(painter, cell, status, progress, progressMax);
        return;
    case NxSpeechToText::Completed:
        painter->drawImage(Geometry::statusIcon(cell), m_images[CompletedIcon]);
        drawLimitedText(painter, m_font, cell, Geometry::iconStatusText(cell), tr("Completed"),
                        skin()->GetColor(NxSkinColor::Text_Icon_Secondary));
        return;
    default:
        break;
    }
    if (!NxSpeechToText::isFailedStatus(status))
        return;

    painter->drawImage(Geometry::statusIcon(cell), m_images[FailedIcon]);
    drawLimitedText(painter, m_font, cell, Geometry::iconStatusText(cell), failure,
                    skin()->GetColor(NxSkinColor::Alert_Danger));
    const QRect button = Geometry::actionButton(cell);
    if (failReason == NxSpeechToText::NotEnoughTime)
        painter->drawImage(button, buttonImage(PurchaseNormal, index));
    else if (failReason != NxSpeechToText::ContentNotRecognized) {
        if (busy)
            m_spinner->draw(*painter, button);
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
    painter->setFont(m_font);
    drawText(painter, m_font, textRect(painter, m_font, Geometry::progressText(cell), text), text,
             skin()->GetColor(NxSkinColor::VarneloX_Primary));

    QRect track = Geometry::progressTrack(cell);
    QColor trackColour = skin()->GetColor(NxSkinColor::Component_Control_Stroke);
    if (status != NxSpeechToText::Transcribing)
        trackColour = QColor(255, 255, 255, Geometry::TrackAlpha);
    painter->setPen(Qt::transparent);
    painter->setBrush(trackColour);
    painter->drawRoundedRect(track, Geometry::TrackRadius, Geometry::TrackRadius);
    if (progressMax == 0)
        return;
    track.setWidth(int(qint64(cell.width() - 16) * progress / progressMax));
    painter->setBrush(skin()->GetColor(NxSkinColor::VarneloX_Primary));
    painter->drawRoundedRect(track, Geometry::TrackRadius, Geometry::TrackRadius);
}

void NxSpeechToTextTableDelegate::paintHeaderSection(QPainter* painter, const QRect& rect, int logicalIndex)
{
    static const char* const Titles[] = {
        QT_TR_NOOP("File Name"), QT_TR_NOOP("Duration"), QT_TR_NOOP("Status"), QT_TR_NOOP("Operation")};
    const QString title = logicalIndex >= 0 && logicalIndex < 4 ? tr(Titles[logicalIndex]) : QString();

    painter->save();
    painter->fillRect(rect, skin()->GetColor(NxSkinColor::Varnelo_Background_Surface2));
    QFont font = painter->font();
    font.setPixelSize(Geometry::FontPixelSize);
    painter->setFont(font);
    painter->setPen(skin()->GetColor(NxSkinColor::Text_Icon_Secondary));
    painter->drawText(QPoint(rect.x() + 8, rect.bottom() + 8 - QFontMetrics(font).height()), title);
    painter->setPen(skin()->GetColor(NxSkinColor::Component_Divider_Secondary));
    painter->drawLine(rect.right(), rect.top() + 4, rect.right(), rect.bottom() - 4);
    painter->restore();
}

bool NxSpeechToTextTableDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                              const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const Task* task = taskOf(index);
    const QEvent::Type type = event->type();
    if (task && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseMove)) {
        if (m_hoveredIndex.isValid() && m_hoveredIndex != index)
            clearHover();
        const bool progressRow = Geometry::isProgressRow(task->status);
        if (index.column() == NxSpeechToTextTableModel::StatusColumn) {
            if (hasActionButton(task->status, task->failReason))
                handleButton(event, model, index, Geometry::actionButton(option.rect), true,
                             task->failReason != NxSpeechToText::NotEnoughTime);
        } else if (index.column() == NxSpeechToTextTableModel::OperationColumn) {
            handleButton(event, model, index, Geometry::deleteButton(option.rect, progressRow), false, false);
        }
    } else if (task && type == QEvent::MouseButtonDblClick && index.column() == NxSpeechToTextTableModel::FileNameColumn) {
        QRect hit = option.rect;
        hit.setWidth(QFontMetrics(m_font).horizontalAdvance(task->fileName) + Geometry::RevealSlack);
        if (hit.contains(static_cast<QMouseEvent*>(event)->pos()))
            emit sigFindMatterLocation(task->destPath);
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

void NxSpeechToTextTableDelegate::handleButton(QEvent* event, QAbstractItemModel* model, const QModelIndex& index,
                                               const QRect& button, bool retry, bool startsSpinner)
{
    if (!button.contains(static_cast<QMouseEvent*>(event)->pos())) {
        if (m_hoveredIndex.isValid())
            clearHover();
        return;
    }
    m_hoveredIndex = index;
    if (event->type() != QEvent::MouseButtonPress) {
        m_buttonState = HoverState;
        emit model->dataChanged(index, index);
        return;
    }
    m_buttonState = PressedState;
    emit model->dataChanged(index, index);
    // Show the pressed button before a modal question may open.
    QCoreApplication::processEvents();
    const int row = index.row();
    if (retry)
        emit sigRefreshItem(row);
    else
        emit sigRemoveItem(row);
    // The row may be gone now.
    clearHover();
    if (startsSpinner) {
        m_loadingIndex = index;
        m_spinner->start();
        emit model->dataChanged(index, index);
    }
}

void NxSpeechToTextTableDelegate::clearHover()
{
    const QModelIndex old = m_hoveredIndex;
    m_hoveredIndex = QModelIndex();
    m_buttonState = NoButtonState;
    auto* model = const_cast<QAbstractItemModel*>(old.model());
    // The row may have been removed while a question was open.
    if (old.isValid() && model && old.row() < model->rowCount())
        emit model->dataChanged(old, old);
}

void NxSpeechToTextTableDelegate::repaintLoadingCell()
{
    auto* view = qobject_cast<QAbstractItemView*>(parent());
    if (m_loadingIndex.isValid() && view && view->model())
        emit view->model()->dataChanged(m_loadingIndex, m_loadingIndex);
}

void NxSpeechToTextTableDelegate::stopLoading()
{
    m_spinner->stop();
}
