#include "NxStudioEngine.h"

#include "NxRemoteSettings.h"

QString NxStudioEngine::line()
{
    const QString server = NxRemoteSettings::shownServer();
    return QStringLiteral("Speech engine: ") + (server.isEmpty() ? QStringLiteral("this computer") : server);
}
