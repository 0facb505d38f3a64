#pragma once

#include <QStringList>

class QApplication;

namespace NxStudioWindow
{
// Shows the editor's main window with `files` imported into its media bin and
// runs the event loop until the window closes; returns the exit code.
int run(QApplication& app, const QStringList& files);
}
