#include "NxStudioFreeName.h"

#include <QDir>
#include <QFile>

QString NxStudioFreeName::copy(const QString& source, const QString& folder, const QString& base,
                               const QString& suffix)
{
    const QDir dir(folder);
    for (quint64 number = 0;; ++number) {
        const QString numbering =
            number == 0 ? QString() : QLatin1Char('_') + QString::number(number).rightJustified(2, QLatin1Char('0'));
        const QString target = dir.filePath(base + numbering + suffix);
        // QFile::copy never replaces a file; one that appeared meanwhile moves the name on.
        if (QFile::exists(target))
            continue;
        if (QFile::copy(source, target))
            return target;
        if (!QFile::exists(target))
            return QString();
    }
}
