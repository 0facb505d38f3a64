#include "NxStudioWindow.h"

#include <QApplication>
#include <QMainWindow>

// Placeholder until the editor window lands.
int NxStudioWindow::run(QApplication& app, const QStringList&)
{
    QMainWindow window;
    window.show();
    return app.exec();
}
