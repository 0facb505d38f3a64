#include "NxStudioWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList files = app.arguments();
    files.removeFirst();
    return NxStudioWindow::run(app, files);
}
