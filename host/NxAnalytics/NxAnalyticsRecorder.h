#pragma once

#include "NxTrackEvent.h"

#include <QMap>

#include <mutex>

// Delivers sent events: the JSON-lines file and the in-process listeners.
// Each event is one line appended in one write, so that the lines of the
// user's processes never mix. A file that cannot be opened or written, a
// FIFO under its name included, is reported once on stderr; events then
// reach the listeners alone.
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
    QString m_path; // set when the file is first opened
    int m_fd = -1;
    QMap<int, NxTrackEvent::Listener> m_listeners;
    int m_nextHandle = 1;
};
