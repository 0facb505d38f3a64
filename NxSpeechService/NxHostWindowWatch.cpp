#include "NxHostWindowWatch.h"

#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace NxHostWindowWatch
{

bool isHostWindowShown(const QWidget* host)
{
    const QWidget* window = host->window();
    return window->isVisible() && !window->isMinimized();
}

void check(QWidget* host, QWidget* dialog)
{
    // A dialog that is not up (before exec() or after it returned) must not
    // stop the user from minimising the host.
    if (!host || !dialog->isVisible() || isHostWindowShown(host))
        return;

    QWidget* window = host->window();
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();

    if (QWindow* dialogWindow = dialog->window()->windowHandle()) {
        dialogWindow->raise();
        dialogWindow->requestActivate();
    }
}

void start(QWidget* dialog, std::function<QWidget*()> host)
{
    auto* timer = new QTimer(dialog);
    QObject::connect(timer, &QTimer::timeout, dialog, [dialog, host = std::move(host)] { check(host(), dialog); });
    timer->start(Interval);
}

}
