#include "NxRemoteSettings.h"

#include "INxBaseLog.h"
#include "NxConfig.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

const QString NxRemoteSettings::Section = QStringLiteral("RemoteSpeech");
const QString NxRemoteSettings::VoiceSection = QStringLiteral("RemoteSpeechVoices");

namespace
{
QVariant stored(const QString& section, const QString& key)
{
    const QVariant user = NxConfig::Instance().GetAppValue(section, key, false, QVariant());
    return user.isValid() ? user : NxConfig::Instance().GetAppValue(section, key, true, QVariant());
}

QString text(const QString& key, const QString& fallback)
{
    const QString value = stored(NxRemoteSettings::Section, key).toString().trimmed();
    return value.isEmpty() ? fallback : value;
}

// A count or a duration in seconds; a value that is not a number keeps the default.
double number(const QString& key, double fallback, double lowest, double highest)
{
    bool ok = false;
    const double value = stored(NxRemoteSettings::Section, key).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return fallback;
    return std::clamp(value, lowest, highest);
}

int milliseconds(const QString& key, int fallback)
{
    return int(std::lround(number(key, fallback / 1000.0, 0.05, 24 * 3600.0) * 1000.0));
}

QUrl serverUrl()
{
    const QString text = stored(NxRemoteSettings::Section, QStringLiteral("ServerUrl")).toString().trimmed();
    if (text.isEmpty())
        return {};
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        // The value may carry credentials; the line names only what was wrong.
        NX_LOG_ERROR("RemoteSpeech/ServerUrl is not an http or https URL with a host; the offline engine runs");
        return {};
    }
    return url;
}
} // namespace

NxRemoteSettings NxRemoteSettings::load()
{
    NxRemoteSettings settings;
    settings.server = serverUrl();
    settings.transcriptionModel = text(QStringLiteral("TranscriptionModel"), settings.transcriptionModel);
    settings.speechModel = text(QStringLiteral("SpeechModel"), settings.speechModel);
    settings.defaultVoice = text(QStringLiteral("DefaultVoice"), settings.defaultVoice);
    settings.uploadFormat = text(QStringLiteral("UploadFormat"), settings.uploadFormat).toLower();
    settings.apiKeyVariable = text(QStringLiteral("ApiKeyVariable"), settings.apiKeyVariable);
    settings.concurrency = int(number(QStringLiteral("Concurrency"), settings.concurrency, 1, MostConcurrency));
    settings.maxUploadBytes = qint64(number(QStringLiteral("MaxUploadBytes"), double(settings.maxUploadBytes),
                                            64.0 * 1024, 4.0 * 1024 * 1024 * 1024));
    settings.stallTimeoutMs = milliseconds(QStringLiteral("StallTimeoutSeconds"), settings.stallTimeoutMs);
    settings.answerTimeoutMs = milliseconds(QStringLiteral("AnswerTimeoutSeconds"), settings.answerTimeoutMs);
    settings.retries = int(number(QStringLiteral("Retries"), settings.retries, 0, 10));
    settings.retryDelayMs = int(std::lround(number(QStringLiteral("RetryDelaySeconds"), settings.retryDelayMs / 1000.0,
                                                   0.0, 600.0) * 1000.0));
    return settings;
}

bool NxRemoteSettings::configured()
{
    return !serverUrl().isEmpty();
}

QString NxRemoteSettings::shownServer()
{
    return serverUrl().toDisplayString(QUrl::RemoveUserInfo | QUrl::RemoveQuery | QUrl::RemoveFragment);
}

QString NxRemoteSettings::voiceFor(int catalogueId) const
{
    const QString name = stored(VoiceSection, QString::number(catalogueId)).toString().trimmed();
    return name.isEmpty() ? defaultVoice : name;
}

QByteArray NxRemoteSettings::apiKey() const
{
    return qgetenv(apiKeyVariable.toLocal8Bit().constData()).trimmed();
}

QUrl NxRemoteSettings::endpoint(const QString& path) const
{
    QUrl url = server;
    QString base = url.path();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    // Clients of these servers are often given the API's base ("…/v1")
    // rather than the server's root: both work.
    const QLatin1String version("/v1");
    const bool versioned = base.endsWith(version) && path.startsWith(version + QLatin1Char('/'));
    url.setPath(base + (versioned ? path.mid(version.size()) : path));
    return url;
}
