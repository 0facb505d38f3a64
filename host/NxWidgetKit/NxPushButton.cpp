#include "NxPushButton.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QPainter>
#include <QtMath>

namespace
{
constexpr qreal CornerRadius = 4;
constexpr qreal StrokeWidth = 1;
// The ring stays inside the fill or the outline: apart from a checked
// button's accent outline, and on the accent in the text's ink.
constexpr int FocusInset = 2;
// Per height: the font, the room left and right of the text, the narrowest button.
constexpr int SmallFontPixelSize = 12;
constexpr int SmallPadding = 12;
constexpr int SmallMinimumWidth = 56;
constexpr int LargeFontPixelSize = 13;
constexpr int LargePadding = 16;
constexpr int LargeMinimumWidth = 80;
// A text too long for the padding of a fixed-width button may come this
// close to the edges before it is shortened.
constexpr int TightPadding = 6;

int heightOf(int sizeKind)
{
    return sizeKind == NButtonSize24 ? NButtonSize24 : NButtonSize32;
}

bool isSmall(int height)
{
    return height == NButtonSize24;
}

QColor colour(NxSkinColor::NxColorType role)
{
    return NxSingleton<NxSkinStyle>::instance()->GetColor(role);
}
}

NxPushButton* NxPushButton::CreatePrimaryButton(QWidget* parent, int sizeKind)
{
    return new NxPushButton(parent, Primary, sizeKind);
}

NxPushButton* NxPushButton::CreateSecondaryButton(QWidget* parent, int sizeKind)
{
    return new NxPushButton(parent, Secondary, sizeKind);
}

NxPushButton::NxPushButton(QWidget* parent, Emphasis emphasis, int sizeKind)
    : QPushButton(parent)
    , m_emphasis(emphasis)
    , m_height(heightOf(sizeKind))
{
    NxControlPainter::PrepareControl(this, isSmall(m_height) ? SmallFontPixelSize : LargeFontPixelSize);
    setFixedHeight(m_height);
}

QSize NxPushButton::sizeHint() const
{
    const int padding = isSmall(m_height) ? SmallPadding : LargePadding;
    const int minimum = isSmall(m_height) ? SmallMinimumWidth : LargeMinimumWidth;
    // Whole pixels rounded up: the text must not be elided at its own size.
    const int textWidth = qCeil(QFontMetricsF(font()).horizontalAdvance(text()));
    return {qMax(minimum, textWidth + 2 * padding), m_height};
}

QSize NxPushButton::minimumSizeHint() const
{
    return sizeHint();
}

// What the button shows in its current state.
NxPushButton::Look NxPushButton::look() const
{
    Look look;
    if (m_emphasis == Primary) {
        look.fill = !isEnabled()    ? colour(NxSkinColor::State_Disabled)
                    : isDown()      ? colour(NxSkinColor::VarneloX_Primary_Pressed)
                    : underMouse()  ? colour(NxSkinColor::VarneloX_Primary_Hover)
                                    : colour(NxSkinColor::VarneloX_Primary);
        look.text = isEnabled() ? NxSkinColor::Text_Icon_OnAccent : NxSkinColor::Text_Icon_Tertiary;
        // On the accent, the ring takes the text's ink and sits inside the fill.
        look.ring = NxSkinColor::Text_Icon_OnAccent;
        return look;
    }
    // A checked secondary button wears the accent.
    const bool accent = isChecked() && isEnabled();
    look.fill = !isEnabled()             ? QColor(Qt::transparent)
                : isDown()               ? colour(NxSkinColor::State_Pressed)
                : underMouse() || accent ? colour(NxSkinColor::State_Hover)
                                         : QColor(Qt::transparent);
    // A disabled choice still shows whether it was the chosen one.
    look.outline = !isEnabled()   ? colour(isChecked() ? NxSkinColor::State_Disabled
                                                       : NxSkinColor::Component_Divider_Secondary)
                   : accent       ? colour(NxSkinColor::VarneloX_Primary)
                   : underMouse() ? colour(NxSkinColor::Text_Icon_Quaternary)
                                  : colour(NxSkinColor::Component_Control_Stroke);
    look.text = accent ? NxSkinColor::VarneloX_Primary : NxControlPainter::TextRole(isEnabled(), true);
    return look;
}

void NxPushButton::paintEvent(QPaintEvent*)
{
    const Look shown = look();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // Fill and outline
    const qreal half = shown.outline.isValid() ? StrokeWidth / 2 : 0;
    painter.setBrush(shown.fill);
    painter.setPen(shown.outline.isValid() ? QPen(shown.outline, StrokeWidth) : QPen(Qt::NoPen));
    painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), CornerRadius, CornerRadius);

    // Text
    const int padding = isSmall(m_height) ? SmallPadding : LargePadding;
    const bool roomy = fontMetrics().horizontalAdvance(text()) + 2 * padding <= width();
    const int inset = roomy ? padding : TightPadding;
    const QRect textRect = rect().adjusted(inset, 0, -inset, 0);
    painter.setPen(colour(shown.text));
    painter.drawText(textRect, Qt::AlignCenter, fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));

    // Focus
    if (NxControlPainter::ShowsFocusRing(this)) {
        NxControlPainter::PaintFocusRing(painter,
                                         QRectF(rect()).adjusted(FocusInset, FocusInset, -FocusInset, -FocusInset),
                                         CornerRadius - FocusInset / 2.0, shown.ring);
    }
}
