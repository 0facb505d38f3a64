#include "NxLoadingHelper.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QPainter>
#include <QPen>

namespace
{
constexpr int FrameMs = 40;       // 25 frames a second
constexpr int DegreesPerFrame = 30;
constexpr int ArcDegrees = 100;
constexpr qreal StrokeRatio = 0.12; // of the rectangle's side
}

NxLoadingHelper::NxLoadingHelper(QObject* parent)
    : QObject(parent)
{
    m_frameTimer.setInterval(FrameMs);
    connect(&m_frameTimer, &QTimer::timeout, this, &NxLoadingHelper::advance);
}

void NxLoadingHelper::setInterval(int milliseconds)
{
    m_interval = qMax(0, milliseconds);
}

void NxLoadingHelper::start()
{
    m_angle = 0;
    m_running.start();
    m_frameTimer.start();
    emit sigUpdate();
}

void NxLoadingHelper::stop()
{
    if (!m_frameTimer.isActive())
        return;
    m_frameTimer.stop();
    m_running.invalidate();
    emit sigStopped();
    emit sigUpdate();
}

bool NxLoadingHelper::isRuning() const
{
    return m_frameTimer.isActive();
}

void NxLoadingHelper::advance()
{
    if (m_interval > 0 && m_running.hasExpired(m_interval)) {
        stop();
        return;
    }
    m_angle = (m_angle + DegreesPerFrame) % 360;
    emit sigUpdate();
}

void NxLoadingHelper::draw(QPainter& painter, const QRect& rect) const
{
    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    const qreal side = qMin(rect.width(), rect.height());
    const qreal stroke = qMax<qreal>(2.0, side * StrokeRatio);
    const QRectF circle(rect.center().x() + 1 - side / 2 + stroke, rect.center().y() + 1 - side / 2 + stroke,
                        side - 2 * stroke, side - 2 * stroke);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(skin->GetColor(NxSkinColor::Component_Control_Stroke), stroke, Qt::SolidLine, Qt::RoundCap));
    painter.drawEllipse(circle);
    painter.setPen(QPen(skin->GetColor(NxSkinColor::VarneloX_Primary), stroke, Qt::SolidLine, Qt::RoundCap));
    // Qt angles run counter-clockwise in sixteenths of a degree; turn clockwise.
    painter.drawArc(circle, -m_angle * 16, ArcDegrees * 16);
    painter.restore();
}
