#pragma once

#include <QAccessible>
#include <QList>

#include <algorithm>

// A screen reader listening, for tests: the platform's accessibility is
// switched on, as an assistive technology would switch it, and every event
// it would hear is kept. The offscreen platform has a plain
// QPlatformAccessibility that only an assistive technology turns on, through
// QPA calls without public headers; these few exported names reach it (no
// class layout is assumed).
class QPlatformAccessibility
{
public:
    void setActive(bool active);
};
class QPlatformIntegration
{
public:
    QPlatformAccessibility* accessibility() const;
};
class QGuiApplicationPrivate
{
public:
    static QPlatformIntegration* platform_integration;
};

namespace NxReaderListening
{
struct Heard
{
    QObject* object;
    QAccessible::Event type;
    int child;
};

inline QList<Heard>& heard()
{
    static QList<Heard> events;
    return events;
}

inline void keep(QAccessibleEvent* event)
{
    heard().append({event->object(), event->type(), event->child()});
}

// Call once a QGuiApplication exists.
inline bool start()
{
    QAccessible::installUpdateHandler(keep);
    QGuiApplicationPrivate::platform_integration->accessibility()->setActive(true);
    return QAccessible::isActive();
}

inline bool wasTold(QObject* object, QAccessible::Event type, int child = -1)
{
    return std::any_of(heard().begin(), heard().end(), [&](const Heard& event) {
        return event.object == object && event.type == type && (child < 0 || event.child == child);
    });
}
}
