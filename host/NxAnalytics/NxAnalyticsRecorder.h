#pragma once

#include "NxTrackEvent.h"

#include <QFile>
#include <QMap>

#include <mutex>

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

    // A std::mutex, which ThreadSanitizer follows (a contended QMutex locks inside Qt).
    std::mutex m_mutex;
    QFile m_file;
    QMap<int, NxTrackEvent::Listener> m_listeners;
    int m_nextHandle = 1;
};
