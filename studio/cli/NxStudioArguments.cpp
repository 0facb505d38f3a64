#include "NxStudioArguments.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// `path` from the root, as bytes: the current folder's name need not be text either.
QByteArray absolute(const QByteArray& path)
{
    if (path.startsWith('/'))
        return path;
    char* current = ::getcwd(nullptr, 0);
    if (!current)
        return QByteArray();
    const QByteArray joined = QByteArray(current) + '/' + path;
    std::free(current);
    return joined;
}
}

NxStudioArguments::NxStudioArguments(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        m_list.append(reachable(QByteArray(argv[i])));
}

NxStudioArguments::~NxStudioArguments() = default;

QString NxStudioArguments::reachable(const QByteArray& argument)
{
    const QString decoded = QFile::decodeName(argument);
    struct stat entry {};
    if (QFile::encodeName(decoded) == argument || ::stat(argument.constData(), &entry) != 0)
        return decoded;
    if (!m_links)
        m_links = std::make_unique<QTemporaryDir>();
    const QByteArray target = absolute(argument);
    // A folder for each link: two names may decode alike.
    const QString folder = m_links->filePath(QString::number(++m_linked));
    QByteArray name = argument;
    while (name.endsWith('/'))
        name.chop(1);
    const QString link = folder + QLatin1Char('/') + QFile::decodeName(name.mid(name.lastIndexOf('/') + 1));
    if (!m_links->isValid() || target.isEmpty() || !QDir().mkdir(folder)
        || ::symlink(target.constData(), QFile::encodeName(link).constData()) != 0)
        return decoded;
    return link;
}
