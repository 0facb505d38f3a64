#include "NxDataHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace NxDataHome
{

QString path()
{
    QString folder = qEnvironmentVariable(EnvironmentVariable);
    if (folder.isEmpty()) {
        // The XDG base directories are absolute: a relative $XDG_DATA_HOME is
        // to be ignored. Qt 5 takes it from the current folder instead, which
        // would give each process started elsewhere a data folder of its own.
        const QString given = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        const QString root = QDir::isAbsolutePath(given) ? given : QDir::homePath() + QStringLiteral("/.local/share");
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        // Without an application name Qt answers the bare data root, which
        // other programs share; keep our files in a folder of their own.
        if (QCoreApplication::applicationName().isEmpty() || folder.isEmpty())
            folder = root + QStringLiteral("/NxSpeechService");
        else
            folder = root + folder.mid(given.size());
    }
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    QDir().mkpath(folder);
    return folder;
}

QString filePath(const QString& name)
{
    return path() + QLatin1Char('/') + name;
}

}
