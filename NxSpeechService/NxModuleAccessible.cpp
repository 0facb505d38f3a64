#include "NxModuleAccessible.h"

#include "NxRemainingAccessible.h"
#include "NxRemainingWidget.h"
#include "NxTaskAccessible.h"
#include "NxTaskTableView.h"
#include "NxVoiceAccessible.h"
#include "NxVoiceItem.h"
#include "NxVoicePanel.h"

#include <QLabel>

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
    if (auto* label = qobject_cast<QLabel*>(object)) {
        auto* line = qobject_cast<NxRemainingWidget*>(label->parentWidget());
        if (line && line->linkLabel() == label)
            return new NxRemainingLinkAccessible(label, line);
    }
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
