#pragma once

#include "INxTaskbarList3.h"

#include <QObject>
#include <QString>

// Publishes taskbar progress the way KDE Plasma and GNOME docks read it:
// the launcher-entry "Update" signal on the session bus, naming the
// application's desktop file.
//
// Changes made in one go (a state and then a value) are published once, on
// the next turn of the event loop, so docks do not flicker.
class NxLauncherEntryTaskbar final : public QObject, public INxTaskbarList3
{
public:
    static constexpr const char* Interface = "com.canonical.Unity.LauncherEntry";

    // The application URI docks match: "application://<desktop file>".
    static QString applicationUri();

    void Release() override;
    bool SetProgressState(WId window, NxTaskbarProgressState state) override;
    bool SetProgressValue(WId window, quint64 completed, quint64 total) override;

private:
    bool schedulePublish();
    void publish();

    double m_progress = 0.0;
    bool m_visible = false;
    bool m_publishPending = false;
};
