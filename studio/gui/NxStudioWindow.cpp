#include "NxStudioWindow.h"

#include "NxStudioAppearance.h"
#include "NxStudioMainWindow.h"

#include <QApplication>

int NxStudioWindow::run(QApplication& app, const QStringList& files)
{
    NxStudioAppearance::restore();
    NxStudioMainWindow window;
    window.importFiles(files);
    window.show();
    return app.exec();
}
