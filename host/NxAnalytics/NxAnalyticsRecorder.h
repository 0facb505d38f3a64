#pragma once

#include "NxTrackEvent.h"

#include <QMutex>
#include <QMap>

// Delivers sent events: the JSON-lines file and the in-process listeners.
class NxAnalyticsRecorder
{
public:
    static NxAnalyticsRecorder& instance();

    void record(const NxSentEvent& event);
    int addListener(NxTrackEvent::Listener listener);
    void removeListener(int handle);

    // The event as one line of JSON, properties in the order they were set.
    static QByteArray toJsonLine(const NxSentEvent& event);

private:
    NxAnalyticsRecorder() = default;

    QMutex m_mutex;
    QMap<int, NxTrackEvent::Listener> m_listeners;
    int m_nextHandle = 1;
};
