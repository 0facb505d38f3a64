#pragma once

#include <QtGui/qwindowdefs.h>

// Progress on a window's taskbar button, in the shape of the Windows shell's
// taskbar list: a state and a value out of a total.
enum NxTaskbarProgressState {
    TBPF_NOPROGRESS = 0,
    TBPF_INDETERMINATE = 0x1,
    TBPF_NORMAL = 0x2,
    TBPF_ERROR = 0x4,
    TBPF_PAUSED = 0x8,
};

class INxTaskbarList3
{
public:
    // The desktop's taskbar, or null when there is none to talk to (no
    // session bus); callers then simply show no taskbar progress.
    static INxTaskbarList3* create();

    virtual void Release() = 0;
    virtual bool SetProgressState(WId window, NxTaskbarProgressState state) = 0;
    // Shows the bar at completed / total (switching it on when it was off).
    virtual bool SetProgressValue(WId window, quint64 completed, quint64 total) = 0;

protected:
    ~INxTaskbarList3() = default;
};
