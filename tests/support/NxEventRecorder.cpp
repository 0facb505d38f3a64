#include "NxEventRecorder.h"

NxEventRecorder::NxEventRecorder()
{
    m_handle = NxTrackEvent::addListener([this](const NxSentEvent& event) {
        QMutexLocker lock(&m_mutex);
        m_events.append(event);
    });
}

NxEventRecorder::~NxEventRecorder()
{
    NxTrackEvent::removeListener(m_handle);
}

QList<NxSentEvent> NxEventRecorder::events() const
{
    QMutexLocker lock(&m_mutex);
    return m_events;
}

QStringList NxEventRecorder::names() const
{
    QStringList result;
    for (const NxSentEvent& event : events())
        result.append(event.name);
    return result;
}

QStringList NxEventRecorder::summaries() const
{
    QStringList result;
    for (const NxSentEvent& event : events()) {
        QStringList properties;
        for (const auto& property : event.properties)
            properties.append(property.first + QLatin1Char('=') + property.second.toString());
        result.append(event.name + QLatin1Char('{') + properties.join(QLatin1Char(',')) + QLatin1Char('}'));
    }
    return result;
}

void NxEventRecorder::clear()
{
    QMutexLocker lock(&m_mutex);
    m_events.clear();
}
