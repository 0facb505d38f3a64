#pragma once

#include "INxTaskbarList3.h"

#include <QString>

// Publishes taskbar progress the way KDE Plasma and GNOME docks read it:
// the launcher-entry "Update" signal on the session bus, naming the
// application's desktop file.
class NxLauncherEntryTaskbar final : public INxTaskbarList3
{
public:
    static constexpr const char* Interface = "com.canonical.Unity.LauncherEntry";

    // The application URI docks match: "application://<desktop file>".
    static QString applicationUri();

    void Release() override;
    bool SetProgressState(WId window, NxTaskbarProgressState state) override;
    bool SetProgressValue(WId window, quint64 completed, quint64 total) override;

private:
    bool publish();

    double m_progress = 0.0;
    bool m_visible = false;
};
