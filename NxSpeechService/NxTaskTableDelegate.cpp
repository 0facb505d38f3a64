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

const char* const SharedImagePaths[] = {
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
};

NxSkinStyle* skin()
{
    return NxSingleton<NxSkinStyle>::instance();
}
}

NxTaskTableDelegate::NxTaskTableDelegate(QObject* parent, const QStringList& ownImages)
    : QStyledItemDelegate(parent)
{
    m_font = QApplication::font();
    m_font.setPixelSize(FontPixelSize);
    skin()->Attach(this);
    for (const char* path : SharedImagePaths)
        m_imagePaths.append(QString::fromLatin1(path));
    m_imagePaths.append(ownImages);
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

void NxTaskTableDelegate::drawSpinner(QPainter* painter, const QRect& rect) const
{
    m_spinner->draw(*painter, rect);
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

void NxTaskTableDelegate::drawProgressBar(QPainter* painter, const QRect& track, const QColor& trackColour,
                                          int filledWidth) const
{
    painter->setPen(Qt::transparent);
    painter->setBrush(trackColour);
    painter->drawRoundedRect(track, TrackRadius, TrackRadius);
    painter->setBrush(skin()->GetColor(NxSkinColor::VarneloX_Primary));
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
    m_buttonState = PressedState;
    emit model->dataChanged(index, index);
    // Show the pressed button before a modal question may open.
    QCoreApplication::processEvents();
    if (action == RemoveTask)
        emit sigRemoveItem(index.row());
    else
        emit sigRefreshItem(index.row());
    // The row may be gone now.
    clearHover();
    if (action == RetryTask) {
        m_loadingIndex = index;
        m_spinner->start();
        emit model->dataChanged(index, index);
    }
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
