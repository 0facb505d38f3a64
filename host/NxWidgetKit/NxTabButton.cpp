#include "NxTabButton.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QPainter>

namespace
{
constexpr int FontPixelSize = 14;
constexpr int HorizontalPadding = 4;
constexpr int UnderlineHeight = 2;
}

NxTabButton* NxTabButton::CreateTabButton(QWidget* parent, const QString& text, int)
{
    return new NxTabButton(parent, text);
}

NxTabButton::NxTabButton(QWidget* parent, const QString& text)
    : QPushButton(parent)
{
    // Set once the tab is whole: a reader told of the text meets a tab, not a plain button.
    setText(text);
    QFont tabFont = font();
    tabFont.setPixelSize(FontPixelSize);
    setFont(tabFont);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab, never focused by a click.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this,
            qOverload<>(&QWidget::update));
}

QSize NxTabButton::sizeHint() const
{
    QFont bold = font();
    bold.setBold(true);
    return {QFontMetrics(bold).horizontalAdvance(text()) + 2 * HorizontalPadding, 30};
}

void NxTabButton::paintEvent(QPaintEvent*)
{
    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont textFont = font();
    textFont.setBold(isChecked());
    painter.setFont(textFont);
    const QColor colour = isChecked() ? skin->GetColor(NxSkinColor::Text_Icon_Primary)
                          : underMouse() ? skin->GetColor(NxSkinColor::Text_Icon_Primary)
                                         : skin->GetColor(NxSkinColor::Text_Icon_Tertiary);
    painter.setPen(colour);
    painter.drawText(rect().adjusted(0, 0, 0, -UnderlineHeight), Qt::AlignCenter, text());
    if (isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(skin->GetColor(NxSkinColor::VarneloX_Primary));
        const int lineWidth = QFontMetrics(textFont).horizontalAdvance(text());
        painter.drawRoundedRect(QRectF((width() - lineWidth) / 2.0, height() - UnderlineHeight, lineWidth,
                                       UnderlineHeight), 1, 1);
    }
    if (NxControlPainter::ShowsFocusRing(this))
        NxControlPainter::PaintFocusRing(painter, rect().adjusted(0, 0, 0, -UnderlineHeight));
}
