#include "NxStudioFreeName.h"

#include "NxCheckedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace
{
// Whether any entry has the name, without following a link.
bool taken(const QString& path)
{
    struct stat entry {};
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0;
}

QString withoutControls(QString name)
{
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    return name;
}
}

QString NxStudioFreeName::unwritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return folder + QStringLiteral(" is not a folder");
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make the folder ") + folder;
    // Made as a copy would be, and removed again.
    NxCheckedFile probe(QDir(folder).filePath(QStringLiteral("nx-studio")));
    return probe.open() ? QString() : probe.errorString();
}

QString NxStudioFreeName::copy(const QString& source, const QString& folder, const QString& base,
                               const QString& suffix, QString* error)
{
    const QDir dir(folder);
    const QString name = withoutControls(base);
    const QString ending = withoutControls(suffix);
    for (quint64 number = 0;; ++number) {
        const QString numbering =
            number == 0 ? QString() : QLatin1Char('_') + QString::number(number).rightJustified(2, QLatin1Char('0'));
        const QString target = dir.filePath(name + numbering + ending);
        if (taken(target))
            continue;
        if (NxCheckedFile::copyFile(source, target, NxCheckedFile::Commit::NewName, error))
            return target;
        // Taken meanwhile by another process, which moves the name on; anything else ends the copy.
        if (!taken(target))
            return QString();
    }
}
