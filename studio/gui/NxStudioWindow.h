#pragma once

#include <QStringList>

class QApplication;

namespace NxStudioWindow
{
// Shows the editor's main window with `files` imported into its media bin (a
// .nxproj among them opened as the project; without one, work an editor left
// unsaved is offered back) and runs the event loop until the window closes;
// returns the exit code.
int run(QApplication& app, const QStringList& files);
}
