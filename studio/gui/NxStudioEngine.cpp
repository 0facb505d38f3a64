#include "NxStudioEngine.h"

#include "NxRemoteSettings.h"
#include "NxSpeechToTextJob.h"

#include <QCoreApplication>

QString NxStudioEngine::line()
{
    const QString server = NxRemoteSettings::shownServer();
    return server.isEmpty() ? QCoreApplication::translate("NxStudioEngine", "Speech engine: this computer")
                            : QCoreApplication::translate("NxStudioEngine", "Speech engine: %1").arg(server);
}

QString NxStudioEngine::refusal(const QString& language)
{
    if (NxRemoteSettings::configured() || NxSpeechToTextJob::isEnglish(language))
        return QString();
    return QCoreApplication::translate("NxStudioEngine",
                                       "This computer transcribes English only; set a speech server for %1 (see README)")
        .arg(NxSpeechToTextJob::languageName(language));
}
