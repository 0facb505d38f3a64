#include "NxTaskTableDelegate.h"

#include "NxLoadingHelper.h"
#include "NxSingleton.h"
#include "NxSkinChangeEvent.h"
#include "NxSkinStyle.h"
#include "StringOperation.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

namespace
{
constexpr int FontPixelSize = 13;
constexpr int SpinnerTimeoutMs = 10000;
constexpr int StatusTextReserve = 48;
constexpr int RevealSlack = 40;
constexpr int TrackRadius = 3;
constexpr int NameWidth = 155;

// The row sketched beside Positions.
namespace Geometry
{
constexpr int ShortRowHeight = 32;
constexpr int TallRowHeight = 56;
constexpr int TallRowLift = 12;
constexpr int IconSize = 24;
constexpr int Margin = 8;
constexpr int NameLeft = 40;
constexpr int IconTextLeft = 36;
constexpr int TextTop = 6;
constexpr int IconTop = 2;
constexpr int ButtonTop = 4;
constexpr int ButtonFromRight = 28;
constexpr int ProgressLeft = 12;
constexpr int TrackTop = 38;
constexpr int TrackHeight = 6;
constexpr int TrackShortening = 16;
}

const char* const ImagePaths[] = {
    ":/Resource/correct-normal.png",
    ":/Resource/alert-normal.png",
    ":/Resource/icon24_delete-normal.png",
    ":/Resource/icon24_delete-hover.png",
    ":/Resource/icon24_delete-pressed.png",
    ":/Resource/status-refresh-normal.png",
    ":/Resource/status-refresh-hover.png",
    ":/Resource/status-refresh-pressed.png",
    ":/Resource/cart-normal.png",
    ":/Resource/cart-hover.png",
    ":/Resource/cart-pressed.png",
    ":/Resource/icon24_videotype-normal.png",
    ":/Resource/icon24_allclip.png",
};

NxSkinStyle* skin()
{
    return NxSingleton<NxSkinStyle>::instance();
}
}

NxTaskTableDelegate::Positions::Positions(const QRect& r, bool tallRow)
{
    using namespace Geometry;
    const int lift = tallRow ? TallRowLift : 0;
    const QSize icon(IconSize, IconSize);
    cell = r;
    size = QSize(r.width(), tallRow ? TallRowHeight : ShortRowHeight);
    typeIcon = QRect(QPoint(r.x() + Margin, r.y() + IconTop + lift), icon);
    nameText = QPoint(r.x() + NameLeft, r.y() + TextTop + lift);
    valueText = QPoint(r.x() + Margin, r.y() + TextTop + lift);
    deleteButton = QRect(QPoint(r.x() + Margin, r.y() + ButtonTop + lift), icon);
    statusText = QPoint(r.x() + Margin, r.y() + TextTop);
    statusIcon = QRect(QPoint(r.x() + Margin, r.y() + IconTop), icon);
    iconStatusText = QPoint(r.x() + IconTextLeft, r.y() + TextTop);
    actionButton = QRect(QPoint(r.right() - ButtonFromRight, r.y() + ButtonTop), icon);
    progressText = QPoint(r.x() + ProgressLeft, r.y() + TextTop);
    progressCountRight = r.right() - Margin;
    progressTrack = QRect(r.x() + ProgressLeft, r.y() + TrackTop, r.width() - TrackShortening, TrackHeight);
}

NxTaskTableDelegate::NxTaskTableDelegate(QObject* parent, const QString& ownIcon)
    : QStyledItemDelegate(parent)
{
    m_font = QApplication::font();
    m_font.setPixelSize(FontPixelSize);
    skin()->Attach(this);
    for (const char* path : ImagePaths)
        m_imagePaths.append(QString::fromLatin1(path));
    m_imagePaths.append(ownIcon);
    loadImages();

    m_spinner = new NxLoadingHelper(this);
    m_spinner->setInterval(SpinnerTimeoutMs);
    connect(m_spinner, &NxLoadingHelper::sigUpdate, this, &NxTaskTableDelegate::repaintLoadingCell);
    connect(m_spinner, &NxLoadingHelper::sigStopped, this, [this] { m_loadingIndex = QModelIndex(); });
}

NxTaskTableDelegate::~NxTaskTableDelegate()
{
    skin()->Detach(this);
}

void NxTaskTableDelegate::loadImages()
{
    m_images.clear();
    for (const QString& path : qAsConst(m_imagePaths))
        m_images.append(QImage(skin()->FormatResourceFile(path)));
}

void NxTaskTableDelegate::OnSkinChanged(NxSkinChangeEvent* event)
{
    if (event && event->IsSkinChanged())
        loadImages();
}

void NxTaskTableDelegate::stopLoading()
{
    m_spinner->stop();
}

const QImage& NxTaskTableDelegate::buttonImage(int normal, const QModelIndex& index) const
{
    if (index == m_hoveredIndex && m_buttonState == HoverState)
        return m_images.at(normal + 1);
    if (index == m_hoveredIndex && m_buttonState == PressedState)
        return m_images.at(normal + 2);
    return m_images.at(normal);
}

bool NxTaskTableDelegate::isBusy(const QModelIndex& index) const
{
    return index == m_loadingIndex && m_spinner->isRuning();
}

QColor NxTaskTableDelegate::colour(NxSkinColor::NxColorType role)
{
    return skin()->GetColor(role);
}

NxTaskTableDelegate::ButtonAction NxTaskTableDelegate::statusButton(bool failed, bool outOfBalance,
                                                                  bool unrecognised)
{
    if (outOfBalance)
        return PurchaseAndRetry;
    return failed && !unrecognised ? RetryTask : NoButton;
}

QRect NxTaskTableDelegate::textRect(QPainter* painter, const QPoint& topLeft, const QString& text) const
{
    const QFontMetrics metrics(m_font);
    painter->setFont(m_font);
    return painter->boundingRect(QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height())),
                                 Qt::AlignLeft, text);
}

void NxTaskTableDelegate::drawText(QPainter* painter, const QRect& rect, const QString& text,
                                   const QColor& colour) const
{
    painter->setFont(m_font);
    painter->setPen(colour);
    painter->drawText(QRectF(rect), text, QTextOption());
}

void NxTaskTableDelegate::drawStatusText(QPainter* painter, const QRect& cell, const QPoint& topLeft,
                                         const QString& text, const QColor& colour) const
{
    QRect rect = textRect(painter, topLeft, text);
    QString shown = text;
    if (rect.right() + StatusTextReserve > cell.right()) {
        rect.setRight(cell.right() - StatusTextReserve);
        shown = StringOperation::GetElidedString(m_font, rect.width() - StatusTextReserve, text, Qt::ElideRight);
    }
    drawText(painter, rect, shown, colour);
}

void NxTaskTableDelegate::paintNameCell(QPainter* painter, const Positions& pos, const QImage* icon,
                                        const QString& name) const
{
    if (icon)
        painter->drawImage(pos.typeIcon, *icon);
    const QString shown = QFontMetrics(m_font).elidedText(name, Qt::ElideMiddle, NameWidth, Qt::TextShowMnemonic);
    drawText(painter, textRect(painter, pos.nameText, shown), shown, skin()->GetColor(NxSkinColor::Text_Icon_Secondary));
}

void NxTaskTableDelegate::paintValueCell(QPainter* painter, const Positions& pos, const QString& text) const
{
    drawText(painter, textRect(painter, pos.valueText, text), text, skin()->GetColor(NxSkinColor::Text_Icon_Secondary));
}

void NxTaskTableDelegate::paintDeleteCell(QPainter* painter, const Positions& pos, const QModelIndex& index) const
{
    painter->drawImage(pos.deleteButton, buttonImage(DeleteNormal, index));
}

void NxTaskTableDelegate::paintStatusWord(QPainter* painter, const Positions& pos, const QString& text,
                                          const QColor& colour) const
{
    drawStatusText(painter, pos.cell, pos.statusText, text, colour);
}

void NxTaskTableDelegate::paintCompletedCell(QPainter* painter, const Positions& pos, const QString& text,
                                             int iconDrop) const
{
    painter->drawImage(pos.statusIcon.translated(0, iconDrop), m_images.at(CompletedIcon));
    drawStatusText(painter, pos.cell, pos.iconStatusText, text, skin()->GetColor(NxSkinColor::Text_Icon_Secondary));
}

void NxTaskTableDelegate::paintFailedCell(QPainter* painter, const Positions& pos, const QModelIndex& index,
                                          const QString& failure, ButtonAction button) const
{
    painter->drawImage(pos.statusIcon, m_images.at(AlertIcon));
    drawStatusText(painter, pos.cell, pos.iconStatusText, failure, skin()->GetColor(NxSkinColor::Alert_Danger));
    if (button == PurchaseAndRetry)
        painter->drawImage(pos.actionButton, buttonImage(CartNormal, index));
    else if (button == RetryTask && isBusy(index))
        m_spinner->draw(*painter, pos.actionButton);
    else if (button == RetryTask)
        painter->drawImage(pos.actionButton, buttonImage(RetryNormal, index));
}

void NxTaskTableDelegate::paintPendingRetry(QPainter* painter, const Positions& pos, const QModelIndex& index) const
{
    if (isBusy(index))
        m_spinner->draw(*painter, pos.actionButton);
}

void NxTaskTableDelegate::paintProgressCell(QPainter* painter, const Positions& pos, const QString& text,
                                            const QColor& trackColour, int filledWidth) const
{
    const QColor accent = skin()->GetColor(NxSkinColor::VarneloX_Primary);
    drawText(painter, textRect(painter, pos.progressText, text), text, accent);
    const QRect& track = pos.progressTrack;
    painter->setPen(Qt::transparent);
    painter->setBrush(trackColour);
    painter->drawRoundedRect(track, TrackRadius, TrackRadius);
    painter->setBrush(accent);
    painter->drawRoundedRect(QRect(track.topLeft(), QSize(filledWidth, track.height())), TrackRadius, TrackRadius);
}

void NxTaskTableDelegate::paintHeaderSection(QPainter* painter, const QRect& rect, int logicalIndex)
{
    painter->save();
    painter->fillRect(rect, skin()->GetColor(NxSkinColor::Varnelo_Background_Surface2));
    QFont font = painter->font();
    font.setPixelSize(FontPixelSize);
    painter->setFont(font);
    painter->setPen(skin()->GetColor(NxSkinColor::Text_Icon_Secondary));
    painter->drawText(QPoint(rect.x() + 8, rect.bottom() + 8 - QFontMetrics(font).height()),
                      headerTitle(logicalIndex));
    painter->setPen(skin()->GetColor(NxSkinColor::Component_Divider_Secondary));
    painter->drawLine(rect.right(), rect.top() + 4, rect.right(), rect.bottom() - 4);
    painter->restore();
}

void NxTaskTableDelegate::paintBase(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
}

void NxTaskTableDelegate::handleMouse(QEvent* event, QAbstractItemModel* model, const QModelIndex& index,
                                      const Positions& pos, ButtonAction statusAction, const QString& name,
                                      const QString& path)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        leaveOtherCell(index);
        if (index.column() == StatusColumn && statusAction != NoButton)
            handleButtonEvent(event, model, index, pos.actionButton, statusAction);
        else if (index.column() == OperationColumn)
            handleButtonEvent(event, model, index, pos.deleteButton, RemoveTask);
        break;
    case QEvent::MouseButtonDblClick:
        if (index.column() == NameColumn)
            revealOnDoubleClick(event, pos.cell, name, path);
        break;
    default:
        break;
    }
}

void NxTaskTableDelegate::leaveOtherCell(const QModelIndex& index)
{
    if (m_hoveredIndex.isValid() && m_hoveredIndex != index)
        clearHover();
}

void NxTaskTableDelegate::handleButtonEvent(QEvent* event, QAbstractItemModel* model, const QModelIndex& index,
                                            const QRect& button, ButtonAction action)
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
    pressButton(model, index, action);
}

void NxTaskTableDelegate::pressButton(QAbstractItemModel* model, const QModelIndex& index, ButtonAction action)
{
    m_hoveredIndex = index;
    m_buttonState = PressedState;
    emit model->dataChanged(index, index);
    // Show the pressed button before a modal question may open.
    QCoreApplication::processEvents();
    pressButton(index, action);
}

void NxTaskTableDelegate::pressButton(const QModelIndex& index, ButtonAction action)
{
    if (action == NoButton || !index.isValid())
        return;
    // The spinner runs in the button's own cell.
    const QModelIndex cell = index.sibling(index.row(), action == RemoveTask ? OperationColumn : StatusColumn);
    if (action == RemoveTask)
        emit sigRemoveItem(cell.row());
    else
        emit sigRefreshItem(cell.row());
    // The row may be gone now.
    clearHover();
    if (action == RetryTask) {
        m_loadingIndex = cell;
        m_spinner->start();
        emit const_cast<QAbstractItemModel*>(cell.model())->dataChanged(cell, cell);
    }
}

bool NxTaskTableDelegate::pressKey(int key, QAbstractItemModel* model, int row)
{
    const QModelIndex status = model->index(row, StatusColumn);
    if (!hasTask(status))
        return false;
    if (key == Qt::Key_Delete) {
        pressButton(model, model->index(row, OperationColumn), RemoveTask);
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    const QString path = finishedPath(status);
    const ButtonAction action = statusAction(status);
    if (!path.isEmpty())
        emit sigFindMatterLocation(path);
    else if (action != NoButton)
        pressButton(model, status, action);
    else
        return false;
    return true;
}

void NxTaskTableDelegate::revealOnDoubleClick(QEvent* event, const QRect& cell, const QString& name,
                                              const QString& path)
{
    QRect hit = cell;
    hit.setWidth(QFontMetrics(m_font).horizontalAdvance(name) + RevealSlack);
    if (hit.contains(static_cast<QMouseEvent*>(event)->pos()))
        emit sigFindMatterLocation(path);
}

void NxTaskTableDelegate::clearHover()
{
    const QModelIndex old = m_hoveredIndex;
    m_hoveredIndex = QModelIndex();
    m_buttonState = NoButtonState;
    auto* model = const_cast<QAbstractItemModel*>(old.model());
    // The row may have been removed while a question was open.
    if (old.isValid() && model && old.row() < model->rowCount())
        emit model->dataChanged(old, old);
}

void NxTaskTableDelegate::repaintLoadingCell()
{
    auto* view = qobject_cast<QAbstractItemView*>(parent());
    if (m_loadingIndex.isValid() && view && view->model())
        emit view->model()->dataChanged(m_loadingIndex, m_loadingIndex);
}
