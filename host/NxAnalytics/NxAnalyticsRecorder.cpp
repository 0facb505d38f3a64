#include "NxAnalyticsRecorder.h"

#include "INxBaseLog.h"
#include "NxDataHome.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

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
        const std::lock_guard<std::mutex> lock(m_mutex);
        // Opened once: a status change sends an event, and opening the file
        // for each one was a large share of a busy window's time.
        if (!m_file.isOpen()) {
            m_file.setFileName(NxDataHome::filePath(QStringLiteral("analytics.jsonl")));
            m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
        }
        if (!m_file.isOpen() || m_file.write(toJsonLine(event)) < 0)
            GetGlobalLogInstance()->LogError(__FILE__, __func__, __LINE__,
                                             "cannot write analytics event %s to %s",
                                             qPrintable(event.name), qPrintable(m_file.fileName()));
        listeners = m_listeners.values();
    }
    for (const auto& listener : qAsConst(listeners))
        listener(event);
}

int NxAnalyticsRecorder::addListener(NxTrackEvent::Listener listener)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_listeners.insert(m_nextHandle, std::move(listener));
    return m_nextHandle++;
}

void NxAnalyticsRecorder::removeListener(int handle)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_listeners.remove(handle);
}
