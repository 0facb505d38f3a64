#include "NxControlPainter.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace
{
constexpr int MarkSize = 14;
constexpr int MarkTextGap = 8;
constexpr qreal MarkStroke = 1.2;
constexpr qreal CheckBoxRadius = 3;
constexpr qreal CheckStroke = 1.6;
constexpr qreal RadioDotRadius = 3.5;
constexpr int MarkLeft = 1; // room for the mark's smoothed edge
// Room between the text and the ring around it.
constexpr int FocusRingPadding = 3;
constexpr int FocusRingVerticalPadding = 1;

QColor colour(NxSkinColor::NxColorType role)
{
    return NxSingleton<NxSkinStyle>::instance()->GetColor(role);
}

QStringList linesOf(const QString& text)
{
    return text.split(QLatin1Char('\n'));
}

// The accent while checked, deeper while pressed, lighter under the pointer.
NxSkinColor::NxColorType accentRole(const NxControlPainter::ToggleState& state)
{
    if (!state.enabled)
        return NxSkinColor::State_Disabled;
    if (state.pressed)
        return NxSkinColor::VarneloX_Primary_Pressed;
    return state.hovered ? NxSkinColor::VarneloX_Primary_Hover : NxSkinColor::VarneloX_Primary;
}

void paintCheckMark(QPainter& painter, const QRectF& box, const NxControlPainter::ToggleState& state)
{
    if (state.checked) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour(accentRole(state)));
        painter.drawRoundedRect(box, CheckBoxRadius, CheckBoxRadius);
        // The tick, in the box's own 14-unit coordinates.
        QPainterPath tick;
        const qreal unit = box.width() / MarkSize;
        tick.moveTo(box.topLeft() + QPointF(3.5, 7.2) * unit);
        tick.lineTo(box.topLeft() + QPointF(6.0, 9.7) * unit);
        tick.lineTo(box.topLeft() + QPointF(10.6, 4.6) * unit);
        painter.setPen(QPen(colour(NxSkinColor::Text_Icon_OnAccent), CheckStroke, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
        return;
    }
    const QRectF inner = box.adjusted(MarkStroke / 2, MarkStroke / 2, -MarkStroke / 2, -MarkStroke / 2);
    painter.setBrush(state.enabled && state.hovered ? colour(NxSkinColor::State_Hover) : QColor(Qt::transparent));
    painter.setPen(QPen(colour(state.enabled && state.hovered ? accentRole(state)
                               : state.enabled                  ? NxSkinColor::Text_Icon_Tertiary
                                                                : NxSkinColor::State_Disabled),
                        MarkStroke));
    painter.drawRoundedRect(inner, CheckBoxRadius, CheckBoxRadius);
}

void paintRadioMark(QPainter& painter, const QRectF& box, const NxControlPainter::ToggleState& state)
{
    const QRectF ring = box.adjusted(MarkStroke / 2, MarkStroke / 2, -MarkStroke / 2, -MarkStroke / 2);
    const bool accent = state.checked || (state.enabled && state.hovered);
    painter.setBrush(state.enabled && state.hovered && !state.checked ? colour(NxSkinColor::State_Hover)
                                                                       : QColor(Qt::transparent));
    painter.setPen(QPen(colour(accent ? accentRole(state)
                               : state.enabled ? NxSkinColor::Text_Icon_Tertiary
                                               : NxSkinColor::State_Disabled),
                        state.checked ? 2 * MarkStroke : MarkStroke));
    painter.drawEllipse(state.checked ? ring.adjusted(MarkStroke / 2, MarkStroke / 2, -MarkStroke / 2, -MarkStroke / 2)
                                      : ring);
    if (state.checked) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour(accentRole(state)));
        painter.drawEllipse(box.center(), RadioDotRadius, RadioDotRadius);
    }
}
}

bool NxControlPainter::ShowsFocusRing(const QWidget* widget)
{
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void NxControlPainter::PaintFocusRing(QPainter& painter, const QRectF& rect, qreal radius,
                                      NxSkinColor::NxColorType role)
{
    const qreal half = NxFocusMark::Width / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour(role), NxFocusMark::Width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect.adjusted(half, half, -half, -half), radius, radius);
    painter.restore();
}

void NxControlPainter::PaintToggle(QPainter& painter, const QRect& rect, Mark mark, const QString& text,
                                   const ToggleState& state)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineCount = linesOf(text).size();
    const int textHeight = lineCount * metrics.height();
    const int textTop = rect.top() + (rect.height() - textHeight) / 2;

    // Mark: centred on the first line, inside the control.
    const int markTop = qBound(rect.top(), textTop + (metrics.height() - MarkSize) / 2, rect.bottom() + 1 - MarkSize);
    const QRectF box(rect.left() + MarkLeft, markTop, MarkSize, MarkSize);
    if (mark == CheckMark)
        paintCheckMark(painter, box, state);
    else
        paintRadioMark(painter, box, state);

    // Text
    const int textLeft = rect.left() + MarkLeft + MarkSize + MarkTextGap;
    const QRect textRect(textLeft, textTop, rect.right() - textLeft + 1, textHeight);
    painter.setPen(colour(TextRole(state.enabled, state.checked || state.hovered)));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);

    if (state.focusRing) {
        // Around the text, as far as the control reaches.
        const QRect used = metrics.boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
        const QRect ring = used.adjusted(-FocusRingPadding, -FocusRingVerticalPadding, FocusRingPadding,
                                         FocusRingVerticalPadding) & rect;
        PaintFocusRing(painter, ring);
    }
    painter.restore();
}

QSize NxControlPainter::ToggleSizeHint(const QFontMetrics& metrics, const QString& text)
{
    int textWidth = 0;
    for (const QString& line : linesOf(text))
        textWidth = qMax(textWidth, metrics.horizontalAdvance(line));
    return {MarkLeft + MarkSize + MarkTextGap + textWidth + FocusRingPadding + 1,
            qMax(MarkSize + 2, int(linesOf(text).size()) * metrics.height())};
}

NxSkinColor::NxColorType NxControlPainter::TextRole(bool enabled, bool emphasised)
{
    if (!enabled)
        return NxSkinColor::Text_Icon_Quaternary;
    return emphasised ? NxSkinColor::Text_Icon_Primary : NxSkinColor::Text_Icon_Secondary;
}

void NxControlPainter::PrepareControl(QWidget* control, int fontPixelSize)
{
    if (fontPixelSize > 0) {
        QFont font = control->font();
        font.setPixelSize(fontPixelSize);
        control->setFont(font);
    }
    control->setCursor(Qt::PointingHandCursor);
    control->setFocusPolicy(Qt::StrongFocus);
    control->setAttribute(Qt::WA_Hover);
    QObject::connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, control,
                     qOverload<>(&QWidget::update));
}
