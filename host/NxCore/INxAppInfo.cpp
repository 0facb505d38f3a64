#include "INxAppInfo.h"

#include "INxBaseLog.h"
#include "NxDataHome.h"
#include "NxDir.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace
{
class NxAppInfo final : public INxAppInfo
{
};

QString folderName(int kind)
{
    switch (kind) {
    case INxAppInfo::VoiceListCacheFolder: return QStringLiteral("Cache");
    case INxAppInfo::ResourceFolder: return QStringLiteral("Resources");
    case INxAppInfo::TextToSpeechOutputFolder: return QStringLiteral("Voice-over");
    case INxAppInfo::SpeechToTextSubtitleFolder: return QStringLiteral("Subtitles");
    default: return QString();
    }
}

// Host libraries ship the data files they need beside the user's own as Qt
// resources under this prefix, mirroring the data folder's layout.
const QString ShippedDataRoot = QStringLiteral(":/NxDataHome/");

// Copies every shipped file of `name` that `folder` lacks, so data the host
// installs is present on a fresh machine and after an upgrade, while files a
// user replaced are kept. Copies land under their final name in one rename.
void installShippedData(const QString& name, const QString& folder)
{
    const QString shipped = ShippedDataRoot + name;
    int installed = 0;
    QDirIterator it(shipped, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = folder + source.mid(shipped.size());
        if (QFileInfo::exists(target))
            continue;
        NxDir::makeSureDirExist(QFileInfo(target).path());
        if (!QFile::copy(source, target)) {
            NX_LOG_ERROR("cannot install %s", target.toUtf8().constData());
            continue;
        }
        // Resource files are read-only; the user may replace their copies.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
        ++installed;
    }
    if (installed > 0)
        NX_LOG_INFO("installed %d files into %s", installed, folder.toUtf8().constData());
}
}

INxAppInfo* INxAppInfo::getInstance()
{
    static NxAppInfo info;
    return &info;
}

QString INxAppInfo::getPath(int kind) const
{
    const QString name = folderName(kind);
    if (name.isEmpty()) {
        NX_LOG_ERROR("unknown path kind %d", kind);
        return NxDataHome::path();
    }
    const QString folder = NxDataHome::filePath(name);
    NxDir::makeSureDirExist(folder);
    if (kind == ResourceFolder) {
        // Once per process; a caller racing the first one waits for it.
        static const bool installed = (installShippedData(name, folder), true);
        Q_UNUSED(installed)
    }
    return folder;
}
