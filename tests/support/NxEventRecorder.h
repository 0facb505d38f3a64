#pragma once

#include "NxTrackEvent.h"

#include <QMutex>
#include <QStringList>

// Collects the analytics events sent while it lives.
class NxEventRecorder
{
public:
    NxEventRecorder()
    {
        m_handle = NxTrackEvent::addListener([this](const NxSentEvent& event) {
            QMutexLocker lock(&m_mutex);
            m_events.append(event);
        });
    }
    ~NxEventRecorder() { NxTrackEvent::removeListener(m_handle); }

    QList<NxSentEvent> events() const
    {
        QMutexLocker lock(&m_mutex);
        return m_events;
    }
    QStringList names() const { return describe([](const NxSentEvent& event) { return event.name; }); }
    // "name{key=value,key=value}" per event, in sending order.
    QStringList summaries() const
    {
        return describe([](const NxSentEvent& event) {
            QStringList properties;
            for (const auto& property : event.properties)
                properties.append(property.first + QLatin1Char('=') + property.second.toString());
            return event.name + QLatin1Char('{') + properties.join(QLatin1Char(',')) + QLatin1Char('}');
        });
    }
    void clear()
    {
        QMutexLocker lock(&m_mutex);
        m_events.clear();
    }

private:
    template <typename Describe>
    QStringList describe(Describe describe) const
    {
        QStringList result;
        for (const NxSentEvent& event : events())
            result.append(describe(event));
        return result;
    }

    mutable QMutex m_mutex;
    QList<NxSentEvent> m_events;
    int m_handle;
};
