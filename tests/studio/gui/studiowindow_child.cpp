// An editor that leaves unsaved work behind: it adds a title with the text
// it is given, autosaves, says where, and waits to be killed.
#include "NxStudioClips.h"
#include "NxStudioMainWindow.h"
#include "NxStudioTimeline.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    NxStudioMainWindow window;
    NxStudioTimeline* timeline = window.timeline();
    timeline->addClips(NxStudioClips::title(QString::fromLocal8Bit(argc > 1 ? argv[1] : ""), 0, *timeline),
                       QStringLiteral("Add title"));
    window.autosave();
    std::printf("%s\n", qPrintable(window.autosavePath()));
    std::fflush(stdout);
    return app.exec();
}
