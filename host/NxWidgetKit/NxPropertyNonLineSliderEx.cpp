#include "NxPropertyNonLineSliderEx.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace
{
constexpr int DefaultSliderHeight = 12;
constexpr int DefaultVSpace = 4;
constexpr int DefaultLabelHeight = 16;
constexpr int DefaultLabelFontSize = 12;
constexpr int MinimumHandleDiameter = 8;
constexpr qreal DotShare = 0.55;    // a step's dot, against the handle
constexpr qreal GrooveShare = 0.25; // the groove, against the band
constexpr qreal MinimumGroove = 2;
constexpr int LabelGap = 8; // between neighbouring labels in the size hint

QColor colour(NxSkinColor::NxColorType role)
{
    return NxSingleton<NxSkinStyle>::instance()->GetColor(role);
}
}

NxPropertyNonLineSliderEx* NxPropertyNonLineSliderEx::CreatePropertyNonLineSliderEx(const QStringList& labels,
                                                                                     QWidget* parent)
{
    return new NxPropertyNonLineSliderEx(labels, parent);
}

NxPropertyNonLineSliderEx::NxPropertyNonLineSliderEx(const QStringList& labels, QWidget* parent)
    : QWidget(parent)
    , m_labels(labels)
    , m_sliderHeight(DefaultSliderHeight)
    , m_vSpace(DefaultVSpace)
    , m_labelHeight(DefaultLabelHeight)
    , m_labelFontSize(DefaultLabelFontSize)
{
    // The labels take their own pixel size when painted.
    NxControlPainter::PrepareControl(this, 0);
}

void NxPropertyNonLineSliderEx::setSliderHeight(int height)
{
    changeGeometry(m_sliderHeight, height);
}

void NxPropertyNonLineSliderEx::setVSpace(int space)
{
    changeGeometry(m_vSpace, space);
}

void NxPropertyNonLineSliderEx::setLabelHeight(int height)
{
    changeGeometry(m_labelHeight, height);
}

void NxPropertyNonLineSliderEx::setLabelFontSize(int pixelSize)
{
    changeGeometry(m_labelFontSize, pixelSize);
}

void NxPropertyNonLineSliderEx::changeGeometry(int& field, int value)
{
    field = qMax(0, value);
    updateGeometry();
    update();
}

void NxPropertyNonLineSliderEx::setLabels(const QStringList& labels)
{
    m_labels = labels;
    m_index = qBound(0, m_index, qMax(0, m_labels.size() - 1));
    updateGeometry();
    update();
    // The word read for the step may be new.
    QAccessibleValueChangeEvent event(this, m_index);
    QAccessible::updateAccessibility(&event);
}

void NxPropertyNonLineSliderEx::setCurIndex(int index)
{
    if (index < 0 || index >= m_labels.size() || index == m_index)
        return;
    m_index = index;
    update();
    QAccessibleValueChangeEvent event(this, m_index);
    QAccessible::updateAccessibility(&event);
    emit sigIndexChanged(m_index);
}

int NxPropertyNonLineSliderEx::getCurIndex() const
{
    return m_index;
}

QSize NxPropertyNonLineSliderEx::sizeHint() const
{
    const QFontMetrics metrics(labelFont());
    int width = 0;
    for (const QString& label : m_labels)
        width += metrics.horizontalAdvance(label) + LabelGap;
    return {qMax(width, 4 * m_sliderHeight), m_sliderHeight + m_vSpace + m_labelHeight};
}

QFont NxPropertyNonLineSliderEx::labelFont() const
{
    QFont font = this->font();
    font.setPixelSize(qMax(1, m_labelFontSize));
    return font;
}

NxPropertyNonLineSliderEx::Shape NxPropertyNonLineSliderEx::shape() const
{
    Shape shape;
    shape.handleRadius = qMax(m_sliderHeight, MinimumHandleDiameter) / 2.0;
    shape.dotRadius = shape.handleRadius * DotShare;
    shape.grooveThickness = qMax(MinimumGroove, m_sliderHeight * GrooveShare);
    shape.bandCentreY = m_sliderHeight / 2.0;
    shape.labelBand = QRect(0, m_sliderHeight + m_vSpace, width(), m_labelHeight);
    // The end steps sit a handle's radius in, so the handle is never cut.
    const qreal first = shape.handleRadius + 1;
    const qreal span = width() - 2 * first;
    const int steps = m_labels.size();
    for (int step = 0; step < steps; ++step)
        shape.stepX.append(steps == 1 ? width() / 2.0 : first + span * step / (steps - 1));
    return shape;
}

int NxPropertyNonLineSliderEx::nearestStep(int x) const
{
    const QVector<qreal> stepX = shape().stepX;
    int nearest = 0;
    for (int step = 1; step < stepX.size(); ++step)
        if (std::abs(stepX[step] - x) < std::abs(stepX[nearest] - x))
            nearest = step;
    return nearest;
}

// Centred under its step, but kept inside the slider so end labels show whole.
QRect NxPropertyNonLineSliderEx::labelRect(const Shape& shape, int step) const
{
    const int labelWidth = QFontMetrics(labelFont()).horizontalAdvance(m_labels[step]);
    const int left = qBound(0, qRound(shape.stepX[step] - labelWidth / 2.0), qMax(0, width() - labelWidth));
    return {left, shape.labelBand.top(), labelWidth, shape.labelBand.height()};
}

void NxPropertyNonLineSliderEx::paintEvent(QPaintEvent*)
{
    if (m_labels.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Shape shape = this->shape();
    paintBand(painter, shape);
    paintLabels(painter, shape);
}

void NxPropertyNonLineSliderEx::paintBand(QPainter& painter, const Shape& shape)
{
    const bool enabled = isEnabled();
    const QColor passed = colour(enabled ? NxSkinColor::VarneloX_Primary : NxSkinColor::State_Disabled);
    const QColor ahead = colour(enabled ? NxSkinColor::Text_Icon_Quaternary : NxSkinColor::State_Disabled);
    const qreal handleX = shape.stepX[m_index];
    const qreal y = shape.bandCentreY;

    // Groove: the accent up to the handle, the neutral ink after it.
    const qreal groove = shape.grooveThickness;
    const auto grooveRun = [&](qreal from, qreal to, const QColor& ink) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawRoundedRect(QRectF(from, y - groove / 2, to - from, groove), groove / 2, groove / 2);
    };
    grooveRun(shape.stepX.first(), handleX, passed);
    grooveRun(handleX, shape.stepX.last(), ahead);

    // Step dots
    for (int step = 0; step < shape.stepX.size(); ++step) {
        painter.setBrush(step <= m_index ? passed : ahead);
        painter.drawEllipse(QPointF(shape.stepX[step], y), shape.dotRadius, shape.dotRadius);
    }

    // Handle: solid accent; with keyboard focus it opens into a ring around
    // a light centre.
    const QColor handle = colour(!enabled                    ? NxSkinColor::State_Disabled
                                 : m_dragging                ? NxSkinColor::VarneloX_Primary_Pressed
                                 : underMouse()              ? NxSkinColor::VarneloX_Primary_Hover
                                                             : NxSkinColor::VarneloX_Primary);
    painter.setBrush(handle);
    painter.drawEllipse(QPointF(handleX, y), shape.handleRadius, shape.handleRadius);
    if (NxControlPainter::ShowsFocusRing(this)) {
        const qreal inner = qMax<qreal>(1, shape.handleRadius - NxFocusMark::Width);
        painter.setBrush(colour(NxSkinColor::Text_Icon_OnAccent));
        painter.drawEllipse(QPointF(handleX, y), inner, inner);
    }
}

void NxPropertyNonLineSliderEx::paintLabels(QPainter& painter, const Shape& shape)
{
    painter.setFont(labelFont());
    const bool focusShown = NxControlPainter::ShowsFocusRing(this);
    for (int step = 0; step < m_labels.size(); ++step) {
        const bool current = step == m_index;
        painter.setPen(colour(current && focusShown && isEnabled() ? NxSkinColor::VarneloX_Primary
                              : isEnabled() && !current            ? NxSkinColor::Text_Icon_Tertiary
                                                                   : NxControlPainter::TextRole(isEnabled(), true)));
        painter.drawText(labelRect(shape, step), Qt::AlignHCenter | Qt::AlignTop, m_labels[step]);
    }
}

void NxPropertyNonLineSliderEx::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_labels.isEmpty())
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    update();
    setCurIndex(nearestStep(event->pos().x()));
}

void NxPropertyNonLineSliderEx::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    setCurIndex(nearestStep(event->pos().x()));
}

void NxPropertyNonLineSliderEx::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    update();
}

void NxPropertyNonLineSliderEx::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        setCurIndex(m_index - 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        setCurIndex(m_index + 1);
        break;
    case Qt::Key_Home:
        setCurIndex(0);
        break;
    case Qt::Key_End:
        setCurIndex(m_labels.size() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
