#include "NxDir.h"

#include <QDir>

QString NxDir::slash(const QString& path)
{
    if (path.isEmpty())
        return path;
    QString result = QDir::fromNativeSeparators(path);
    while (result.size() > 1 && result.endsWith(QLatin1Char('/')))
        result.chop(1);
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}

bool NxDir::makeSureDirExist(const QString& path)
{
    return !path.isEmpty() && QDir().mkpath(path);
}
