#pragma once

#include "NxTrackEvent.h"

#include <QMutex>
#include <QStringList>

// Collects the analytics events sent while it lives.
class NxEventRecorder
{
public:
    NxEventRecorder();
    ~NxEventRecorder();

    QList<NxSentEvent> events() const;
    QStringList names() const;
    // "name{key=value,key=value}" per event, in sending order.
    QStringList summaries() const;
    void clear();

private:
    mutable QMutex m_mutex;
    QList<NxSentEvent> m_events;
    int m_handle;
};
