#include "NxStudioWindow.h"

#include "NxStudioAppearance.h"
#include "NxStudioMainWindow.h"
#include "NxStudioProject.h"

#include <QApplication>

int NxStudioWindow::run(QApplication& app, const QStringList& files)
{
    NxStudioAppearance::restore();
    NxStudioMainWindow window;
    window.show();
    QStringList media;
    QString project;
    for (const QString& file : files) {
        if (file.endsWith(QLatin1Char('.') + QLatin1String(NxStudioProject::Suffix)) && project.isEmpty())
            project = file;
        else
            media.append(file);
    }
    // A project named is what the user asked for; work left by an editor that
    // ended without closing waits for a start without one.
    if (project.isEmpty())
        window.offerAutosaves();
    else
        window.openProject(project);
    window.importFiles(media);
    return app.exec();
}
