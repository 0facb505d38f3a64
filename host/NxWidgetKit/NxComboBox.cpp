#include "NxComboBox.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>

namespace
{
constexpr int FontPixelSize = 13;
constexpr qreal CornerRadius = 4;
constexpr qreal StrokeWidth = 1;
constexpr int TextPadding = 8;
constexpr int ChevronAreaWidth = 28;
constexpr qreal ChevronHalfWidth = 4;
constexpr qreal ChevronHeight = 4;
constexpr qreal ChevronStroke = 1.5;
constexpr int ItemHeight = 28;
constexpr int ItemInset = 4; // between the list's edge and an item's highlight

QColor colour(NxSkinColor::NxColorType role)
{
    return NxSingleton<NxSkinStyle>::instance()->GetColor(role);
}

// Items of the popup list: the item under the pointer or the keyboard is
// highlighted, the combo's current item is written in the accent.
class ItemDelegate : public QAbstractItemDelegate
{
public:
    explicit ItemDelegate(QComboBox* combo)
        : QAbstractItemDelegate(combo)
        , m_combo(combo)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (option.state & (QStyle::State_Selected | QStyle::State_MouseOver)) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(colour(NxSkinColor::State_Hover));
            painter->drawRoundedRect(QRectF(option.rect).adjusted(ItemInset, 1, -ItemInset, -1), CornerRadius,
                                     CornerRadius);
        }
        const bool current = index.row() == m_combo->currentIndex();
        const bool enabled = option.state & QStyle::State_Enabled;
        painter->setPen(colour(current && enabled ? NxSkinColor::VarneloX_Primary
                                                  : NxControlPainter::TextRole(enabled, true)));
        painter->setFont(m_combo->font());
        const QRect textRect = option.rect.adjusted(ItemInset + TextPadding, 0, -(ItemInset + TextPadding), 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight,
                                                            textRect.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        return {m_combo->fontMetrics().horizontalAdvance(index.data().toString()) + 2 * (ItemInset + TextPadding),
                ItemHeight};
    }

private:
    QComboBox* m_combo;
};

void paintChevron(QPainter& painter, const QPointF& centre, const QColor& ink, bool up)
{
    const qreal direction = up ? -1 : 1;
    QPainterPath chevron;
    chevron.moveTo(centre + QPointF(-ChevronHalfWidth, -direction * ChevronHeight / 2));
    chevron.lineTo(centre + QPointF(0, direction * ChevronHeight / 2));
    chevron.lineTo(centre + QPointF(ChevronHalfWidth, -direction * ChevronHeight / 2));
    painter.setPen(QPen(ink, ChevronStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(chevron);
}
}

NxComboBox* NxComboBox::CreateComboBox(QWidget* parent)
{
    return new NxComboBox(parent);
}

NxComboBox::NxComboBox(QWidget* parent)
    : QComboBox(parent)
{
    NxControlPainter::PrepareControl(this, FontPixelSize);
    setItemDelegate(new ItemDelegate(this));
    // The list drops below the field rather than covering it.
    setStyleSheet(QStringLiteral("QComboBox{combobox-popup:0;}"));
    applyPopupSkin();
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this,
            &NxComboBox::applyPopupSkin);
}

void NxComboBox::showPopup()
{
    m_popupShown = true;
    update();
    QComboBox::showPopup();
}

void NxComboBox::hidePopup()
{
    QComboBox::hidePopup();
    m_popupShown = false;
    update();
}

void NxComboBox::applyPopupSkin()
{
    // The list's frame belongs to a private container the style draws; a
    // style sheet on the view reaches it and the scroll bar alike.
    view()->setStyleSheet(
        QStringLiteral("QAbstractItemView{background:%1;border:1px solid %2;outline:none;padding:4px 0;}"
                       "QScrollBar:vertical{background:transparent;width:8px;margin:2px;}"
                       "QScrollBar::handle:vertical{background:%3;border-radius:2px;min-height:24px;}"
                       "QScrollBar::add-line,QScrollBar::sub-line{height:0;}"
                       "QScrollBar::add-page,QScrollBar::sub-page{background:transparent;}")
            .arg(colour(NxSkinColor::Varnelo_Background_Surface3).name(QColor::HexArgb),
                 colour(NxSkinColor::Component_Control_Stroke).name(QColor::HexArgb),
                 colour(NxSkinColor::Text_Icon_Quaternary).name(QColor::HexArgb)));
}

void NxComboBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(StrokeWidth / 2, StrokeWidth / 2, -StrokeWidth / 2, -StrokeWidth / 2);

    // Field
    const NxSkinColor::NxColorType outline = !isEnabled()   ? NxSkinColor::Component_Divider_Secondary
                                             : m_popupShown ? NxSkinColor::VarneloX_Primary
                                             : underMouse() ? NxSkinColor::Text_Icon_Quaternary
                                                            : NxSkinColor::Component_Control_Stroke;
    painter.setBrush(colour(isEnabled() ? NxSkinColor::Varnelo_Background_Surface3
                                        : NxSkinColor::Varnelo_Background_Surface2));
    painter.setPen(QPen(colour(outline), StrokeWidth));
    painter.drawRoundedRect(frame, CornerRadius, CornerRadius);

    // Current text
    const QRect textRect = rect().adjusted(TextPadding, 0, -ChevronAreaWidth, 0);
    painter.setPen(colour(NxControlPainter::TextRole(isEnabled(), true)));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(currentText(), Qt::ElideRight, textRect.width()));

    // Chevron: points up while the list is open.
    paintChevron(painter, QPointF(width() - ChevronAreaWidth / 2.0, height() / 2.0),
                 colour(isEnabled() ? NxSkinColor::Text_Icon_Secondary : NxSkinColor::Text_Icon_Quaternary),
                 m_popupShown);

    if (NxControlPainter::ShowsFocusRing(this))
        NxControlPainter::PaintFocusRing(painter, rect(), CornerRadius);
}
