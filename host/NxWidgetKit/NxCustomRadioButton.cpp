#include "NxCustomRadioButton.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace
{
constexpr int FontPixelSize = 13;
}

NxCustomRadioButton* NxCustomRadioButton::createCustomRadioButton(QWidget* parent)
{
    return new NxCustomRadioButton(parent);
}

NxCustomRadioButton::NxCustomRadioButton(QWidget* parent)
    : QWidget(parent)
{
    NxControlPainter::PrepareControl(this, FontPixelSize);
}

void NxCustomRadioButton::setDisplayText(const QString& text)
{
    m_text = text;
    updateGeometry();
    update();
}

QString NxCustomRadioButton::displayText() const
{
    return m_text;
}

void NxCustomRadioButton::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    update();
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    emit sigStateChanged(m_checked);
}

bool NxCustomRadioButton::isChecked() const
{
    return m_checked;
}

QSize NxCustomRadioButton::sizeHint() const
{
    return NxControlPainter::ToggleSizeHint(fontMetrics(), m_text);
}

QSize NxCustomRadioButton::minimumSizeHint() const
{
    return sizeHint();
}

void NxCustomRadioButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    NxControlPainter::ToggleState state;
    state.checked = m_checked;
    state.enabled = isEnabled();
    state.hovered = underMouse();
    state.pressed = m_pressed;
    state.focusRing = NxControlPainter::ShowsFocusRing(this);
    NxControlPainter::PaintToggle(painter, rect(), NxControlPainter::RadioMark, m_text, state);
}

void NxCustomRadioButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setPressed(true);
}

void NxCustomRadioButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return QWidget::mouseReleaseEvent(event);
    setPressed(false);
    // Letting go outside the button takes the press back.
    if (rect().contains(event->pos()))
        setChecked(true);
}

void NxCustomRadioButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        setChecked(true);
    else
        QWidget::keyPressEvent(event);
}

void NxCustomRadioButton::setPressed(bool pressed)
{
    m_pressed = pressed;
    update();
}
