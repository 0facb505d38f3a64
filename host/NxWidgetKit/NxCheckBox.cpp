#include "NxCheckBox.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QPainter>

namespace
{
constexpr int FontPixelSize = 12;
}

NxCheckBox* NxCheckBox::CreateCheckBox(QWidget* parent)
{
    return new NxCheckBox(parent);
}

NxCheckBox::NxCheckBox(QWidget* parent)
    : QCheckBox(parent)
{
    QFont boxFont = font();
    boxFont.setPixelSize(FontPixelSize);
    setFont(boxFont);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this,
            qOverload<>(&QWidget::update));
}

QSize NxCheckBox::sizeHint() const
{
    return NxControlPainter::ToggleSizeHint(fontMetrics(), text());
}

QSize NxCheckBox::minimumSizeHint() const
{
    return sizeHint();
}

void NxCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    NxControlPainter::ToggleState state;
    state.checked = checkState() != Qt::Unchecked;
    state.enabled = isEnabled();
    state.hovered = underMouse();
    state.pressed = isDown();
    state.focusRing = NxControlPainter::ShowsFocusRing(this);
    NxControlPainter::PaintToggle(painter, rect(), NxControlPainter::CheckMark, text(), state);
}

bool NxCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}
