#pragma once

#include "NxControlPainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

// What the kit's check box and radio button share: a mark of the kit (tick
// or dot) beside a text that may run over several lines ("\n"), the whole
// control taking the click, and a repaint on every skin switch. `Base` is
// the Qt button whose behaviour the control keeps.
template <typename Base, NxControlPainter::Mark mark>
class NxToggleButton : public Base
{
public:
    explicit NxToggleButton(QWidget* parent)
        : Base(parent)
    {
        NxControlPainter::PrepareControl(this, FontPixelSize);
    }

    QSize sizeHint() const override { return NxControlPainter::ToggleSizeHint(this->fontMetrics(), this->text()); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        NxControlPainter::ToggleState state;
        state.checked = this->isChecked();
        state.enabled = this->isEnabled();
        state.hovered = this->underMouse();
        state.pressed = this->isDown();
        state.focusRing = NxControlPainter::ShowsFocusRing(this);
        NxControlPainter::PaintToggle(painter, this->rect(), mark, this->text(), state);
    }

    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }

private:
    static constexpr int FontPixelSize = 12;
};
