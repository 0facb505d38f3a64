#include "NxModuleAccessible.h"

#include "NxTaskAccessible.h"
#include "NxTaskTableView.h"
#include "NxVoiceAccessible.h"
#include "NxVoiceItem.h"
#include "NxVoicePanel.h"

namespace
{
// Asked for each class from the most derived up: a table is met by its own
// class name before its Qt base's.
QAccessibleInterface* moduleFactory(const QString&, QObject* object)
{
    if (auto* view = qobject_cast<NxTaskTableView*>(object))
        return new NxTaskListAccessible(view);
    if (auto* item = qobject_cast<NxVoiceItem*>(object))
        return new NxVoiceItemAccessible(item);
    if (auto* grid = qobject_cast<NxVoicePanel*>(object))
        return new NxVoicePanelAccessible(grid);
    return nullptr;
}
}

void NxModuleAccessible::install()
{
    // QAccessible keeps a factory once however often it is installed.
    QAccessible::installFactory(moduleFactory);
}

namespace
{
void installAtStartup()
{
    NxModuleAccessible::install();
}
}

Q_COREAPP_STARTUP_FUNCTION(installAtStartup)
