#include "NxScreen.h"

#include <QGuiApplication>
#include <QScreen>

qreal NxScreen::devicePixelRatio() const
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 1.0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

NX_DEFINE_SINGLETON(NxScreen)
