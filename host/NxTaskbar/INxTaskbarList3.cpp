#include "INxTaskbarList3.h"

#include "NxLauncherEntryTaskbar.h"

#include <QDBusConnection>

INxTaskbarList3* INxTaskbarList3::create()
{
    if (!QDBusConnection::sessionBus().isConnected())
        return nullptr;
    return new NxLauncherEntryTaskbar;
}
