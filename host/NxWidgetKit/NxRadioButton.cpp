#include "NxRadioButton.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QPainter>

namespace
{
constexpr int FontPixelSize = 12;
}

NxRadioButton* NxRadioButton::creatRadioButton(QWidget* parent)
{
    return new NxRadioButton(parent);
}

NxRadioButton::NxRadioButton(QWidget* parent)
    : QRadioButton(parent)
{
    QFont radioFont = font();
    radioFont.setPixelSize(FontPixelSize);
    setFont(radioFont);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this,
            qOverload<>(&QWidget::update));
}

QSize NxRadioButton::sizeHint() const
{
    return NxControlPainter::ToggleSizeHint(fontMetrics(), text());
}

QSize NxRadioButton::minimumSizeHint() const
{
    return sizeHint();
}

void NxRadioButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    NxControlPainter::ToggleState state;
    state.checked = isChecked();
    state.enabled = isEnabled();
    state.hovered = underMouse();
    state.pressed = isDown();
    state.focusRing = NxControlPainter::ShowsFocusRing(this);
    NxControlPainter::PaintToggle(painter, rect(), NxControlPainter::RadioMark, text(), state);
}

bool NxRadioButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}
