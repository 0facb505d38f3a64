#include "NxAnalyticsRecorder.h"

#include "INxBaseLog.h"
#include "NxDataHome.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QMutexLocker>

namespace
{
// QJsonObject sorts its keys; the record keeps the order the sender chose, so
// the object is assembled from individually encoded values.
QByteArray encode(const QJsonValue& value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}
}

NxAnalyticsRecorder& NxAnalyticsRecorder::instance()
{
    static NxAnalyticsRecorder recorder;
    return recorder;
}

QByteArray NxAnalyticsRecorder::toJsonLine(const NxSentEvent& event)
{
    QByteArray properties;
    for (const auto& property : event.properties) {
        if (!properties.isEmpty())
            properties += ',';
        properties += encode(property.first) + ':' + encode(QJsonValue::fromVariant(property.second));
    }
    return "{\"event\":" + encode(event.name) + ",\"time\":"
           + encode(event.time.toString(Qt::ISODateWithMs)) + ",\"properties\":{" + properties + "}}\n";
}

void NxAnalyticsRecorder::record(const NxSentEvent& event)
{
    QList<NxTrackEvent::Listener> listeners;
    {
        QMutexLocker lock(&m_mutex);
        QFile file(NxDataHome::filePath(QStringLiteral("analytics.jsonl")));
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write(toJsonLine(event));
        else
            GetGlobalLogInstance()->LogError(__FILE__, __func__, __LINE__,
                                             "cannot write analytics event %s to %s",
                                             qPrintable(event.name), qPrintable(file.fileName()));
        listeners = m_listeners.values();
    }
    for (const auto& listener : qAsConst(listeners))
        listener(event);
}

int NxAnalyticsRecorder::addListener(NxTrackEvent::Listener listener)
{
    QMutexLocker lock(&m_mutex);
    m_listeners.insert(m_nextHandle, std::move(listener));
    return m_nextHandle++;
}

void NxAnalyticsRecorder::removeListener(int handle)
{
    QMutexLocker lock(&m_mutex);
    m_listeners.remove(handle);
}
