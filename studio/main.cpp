#include "NxFFmpegLog.h"
#include "NxStudioArguments.h"
#include "NxStudioCli.h"
#include "NxStudioWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace
{
// Qt finds a screen through one of these; without any there is none to open a window on.
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
}

int main(int argc, char* argv[])
{
    // Decided before Qt starts: a run without a window needs the offscreen platform.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const bool display = hasDisplay();
    const bool headless = NxStudioCli::handles(arguments, display);
    if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Without XDG_RUNTIME_DIR, QStandardPaths warns on stderr and falls back
    // to a shared /tmp folder: a private one of this run's own (mode 0700)
    // stands in, removed at the end.
    std::optional<QTemporaryDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime.emplace(QDir::tempPath() + QStringLiteral("/nx-studio-runtime-XXXXXX"));
        if (runtime->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    }

    QApplication app(argc, argv);
    // The data folder is named after the application: ~/.local/share/nx-studio.
    QApplication::setApplicationName(QStringLiteral("nx-studio"));
    // Before MLT, the media probe or the export open anything through FFmpeg.
    NxFFmpegLog::route();
    // Read again once Qt has taken its own options out of argv; kept for the
    // whole run, as it may hold links to the files named.
    const NxStudioArguments named(argc, argv);
    if (headless)
        return NxStudioCli::run(named.list());
    return NxStudioWindow::run(app, named.list());
}
