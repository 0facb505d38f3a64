#include "NxAnalyticsRecorder.h"

#include "NxCheckedFile.h"
#include "NxDataHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

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
        QString error;
        if (m_path.isEmpty()) {
            m_path = NxDataHome::filePath(QStringLiteral("analytics.jsonl"));
            m_fd = NxCheckedFile::openRegular(m_path, O_WRONLY | O_APPEND | O_CREAT, &error);
            if (m_fd < 0)
                std::fprintf(stderr, "NxSpeechService: %s; analytics events are not recorded.%s\n",
                             qUtf8Printable(error), NxCheckedFile::isSpecialFile(m_path) ? " Remove or rename it." : "");
        }
        const QByteArray line = toJsonLine(event);
        if (m_fd >= 0 && !NxCheckedFile::appendWhole(m_fd, line)) {
            error = qt_error_string(errno);
            std::fprintf(stderr, "NxSpeechService: cannot write %s: %s; analytics events are not recorded.\n",
                         qUtf8Printable(m_path), qUtf8Printable(error));
            ::close(m_fd);
            m_fd = -1;
        }
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
