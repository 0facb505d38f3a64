#include "NxTrackEvent.h"

#include "NxAnalyticsRecorder.h"

NxTrackEvent::NxTrackEvent(const QString& name)
{
    m_event.name = name;
}

NxTrackEvent::~NxTrackEvent() = default;

void NxTrackEvent::setProperty(const QString& key, const QVariant& value)
{
    for (auto& property : m_event.properties) {
        if (property.first == key) {
            property.second = value;
            return;
        }
    }
    m_event.properties.append({key, value});
}

void NxTrackEvent::sendEvent()
{
    m_event.time = QDateTime::currentDateTimeUtc();
    NxAnalyticsRecorder::instance().record(m_event);
}

int NxTrackEvent::addListener(Listener listener)
{
    return NxAnalyticsRecorder::instance().addListener(std::move(listener));
}

void NxTrackEvent::removeListener(int handle)
{
    NxAnalyticsRecorder::instance().removeListener(handle);
}
