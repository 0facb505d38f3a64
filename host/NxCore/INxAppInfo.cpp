#include "INxAppInfo.h"

#include "INxBaseLog.h"
#include "NxDataHome.h"
#include "NxDir.h"

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
        GetGlobalLogInstance()->LogError(__FILE__, __func__, __LINE__, "unknown path kind %d", kind);
        return NxDataHome::path();
    }
    const QString folder = NxDataHome::filePath(name);
    NxDir::makeSureDirExist(folder);
    return folder;
}
