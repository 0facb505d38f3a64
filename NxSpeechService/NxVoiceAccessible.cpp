#include "NxVoiceAccessible.h"

#include "NxVoiceItem.h"
#include "NxVoicePanel.h"

namespace
{
const char* const PreviewAction = QT_TRANSLATE_NOOP("NxVoiceItemAccessible", "Preview");

void notifyState(NxVoiceItem* item, void (*mark)(QAccessible::State&))
{
    QAccessible::State changed;
    mark(changed);
    QAccessibleStateChangeEvent event(item, changed);
    QAccessible::updateAccessibility(&event);
}
}

NxVoicePanelAccessible::NxVoicePanelAccessible(NxVoicePanel* panel)
    : QAccessibleWidget(panel, QAccessible::List)
{
}

QAccessibleInterface* NxVoicePanelAccessible::focusChild() const
{
    NxVoiceItem* tile = static_cast<NxVoicePanel*>(widget())->focusItem();
    return tile ? QAccessible::queryAccessibleInterface(tile) : nullptr;
}

NxVoiceItemAccessible::NxVoiceItemAccessible(NxVoiceItem* item)
    : QAccessibleWidget(item, QAccessible::RadioButton)
{
}

NxVoiceItem* NxVoiceItemAccessible::item() const
{
    return static_cast<NxVoiceItem*>(widget());
}

QString NxVoiceItemAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return item()->showName();
    if (t != QAccessible::Description)
        return QAccessibleWidget::text(t);
    QStringList words{item()->isMale() ? tr("Male") : tr("Female")};
    if (item()->isSpeaking())
        words << tr("Speaking");
    return words.join(QStringLiteral(", "));
}

QAccessible::State NxVoiceItemAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = item()->isSelected();
    // The speaker icon turns into the speaking animation.
    state.animated = item()->isSpeaking();
    auto* grid = qobject_cast<NxVoicePanel*>(item()->parentWidget());
    state.focusable = grid != nullptr;
    state.focused = grid && grid->focusItem() == item();
    return state;
}

QStringList NxVoiceItemAccessible::actionNames() const
{
    QStringList names;
    if (widget()->isEnabled())
        names << pressAction() << QLatin1String(PreviewAction);
    return names + QAccessibleWidget::actionNames();
}

QString NxVoiceItemAccessible::localizedActionName(const QString& name) const
{
    return name == QLatin1String(PreviewAction) ? tr(PreviewAction) : QAccessibleWidget::localizedActionName(name);
}

QString NxVoiceItemAccessible::localizedActionDescription(const QString& name) const
{
    return name == QLatin1String(PreviewAction) ? tr(PreviewAction)
                                                : QAccessibleWidget::localizedActionDescription(name);
}

void NxVoiceItemAccessible::doAction(const QString& name)
{
    if (!widget()->isEnabled())
        return;
    // The tile's own signals, as its mouse handlers send them.
    if (name == pressAction())
        emit item()->sigClicked();
    else if (name == QLatin1String(PreviewAction))
        emit item()->sigDoubleClicked();
    else
        QAccessibleWidget::doAction(name);
}

void NxVoiceItemAccessible::notifyChosen(NxVoiceItem* item)
{
    notifyState(item, [](QAccessible::State& state) { state.checked = true; });
}

void NxVoiceItemAccessible::notifySpeaking(NxVoiceItem* item)
{
    notifyState(item, [](QAccessible::State& state) { state.animated = true; });
    QAccessibleEvent event(item, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}
