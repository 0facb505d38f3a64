#include "NxLauncherEntryTaskbar.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QVariantMap>

QString NxLauncherEntryTaskbar::applicationUri()
{
    QString desktopFile = QGuiApplication::desktopFileName();
    if (desktopFile.isEmpty())
        desktopFile = QCoreApplication::applicationName();
    if (!desktopFile.endsWith(QLatin1String(".desktop")))
        desktopFile += QLatin1String(".desktop");
    return QStringLiteral("application://") + desktopFile;
}

void NxLauncherEntryTaskbar::Release()
{
    delete this;
}

bool NxLauncherEntryTaskbar::SetProgressState(WId, NxTaskbarProgressState state)
{
    m_visible = state != TBPF_NOPROGRESS;
    return schedulePublish();
}

bool NxLauncherEntryTaskbar::SetProgressValue(WId, quint64 completed, quint64 total)
{
    m_progress = total == 0 ? 0.0 : qBound(0.0, double(completed) / double(total), 1.0);
    m_visible = true;
    return schedulePublish();
}

bool NxLauncherEntryTaskbar::schedulePublish()
{
    if (!m_publishPending) {
        m_publishPending = true;
        // Queued on this object: a release before it runs cancels it.
        QMetaObject::invokeMethod(this, [this] { publish(); }, Qt::QueuedConnection);
    }
    return true;
}

void NxLauncherEntryTaskbar::publish()
{
    m_publishPending = false;
    // One object path per application, as the convention asks.
    const QString uri = applicationUri();
    const QByteArray id = QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex();
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/com/canonical/unity/launcherentry/")
                                                         + QString::fromLatin1(id),
                                                     QString::fromLatin1(Interface), QStringLiteral("Update"));
    QVariantMap properties;
    properties.insert(QStringLiteral("progress"), m_progress);
    properties.insert(QStringLiteral("progress-visible"), m_visible);
    signal << uri << properties;
    QDBusConnection::sessionBus().send(signal);
}
