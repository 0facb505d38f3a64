#pragma once

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <functional>

// One usage event as it was sent.
struct NxSentEvent
{
    QString name;
    QList<QPair<QString, QVariant>> properties; // in the order they were set
    QDateTime time;
};

// Base of the host's analytics events: built with a name, given properties,
// then sent. Sending appends one JSON line to "analytics.jsonl" in the data
// folder and tells the in-process listeners.
class NxTrackEvent
{
public:
    using Listener = std::function<void(const NxSentEvent&)>;

    explicit NxTrackEvent(const QString& name);
    virtual ~NxTrackEvent();

    virtual void sendEvent();

    // Observes every event sent from now on, on the sending thread.
    // Returns a handle for removeListener.
    static int addListener(Listener listener);
    static void removeListener(int handle);

protected:
    // Setting a key again replaces its value in place.
    void setProperty(const QString& key, const QVariant& value);

private:
    NxSentEvent m_event;
};
