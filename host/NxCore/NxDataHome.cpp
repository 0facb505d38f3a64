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
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        // Without an application name Qt answers the bare data root, which
        // other programs share; keep our files in a folder of their own.
        if (QCoreApplication::applicationName().isEmpty() || folder.isEmpty())
            folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                     + QStringLiteral("/NxSpeechService");
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
