#include "NxScreen.h"

#include <QGuiApplication>
#include <QScreen>

qreal NxScreen::devicePixelRatio() const
{
    if (m_ratio > 0)
        return m_ratio;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 1.0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

void NxScreen::setDevicePixelRatio(qreal ratio)
{
    m_ratio = qMax<qreal>(ratio, 0);
}

NX_DEFINE_SINGLETON(NxScreen)
