#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>

class NxVoiceItem;
class NxVoicePanel;

// The voice grid: a list of tiles, the focus on the tile the keyboard is on.
class NxVoicePanelAccessible : public QAccessibleWidget
{
public:
    explicit NxVoicePanelAccessible(NxVoicePanel* panel);

    QAccessibleInterface* focusChild() const override;
};

// A voice tile as readers see it: a radio button named after the voice,
// described by its gender and, while its preview plays, as speaking. Press
// chooses the voice as a click does; "Preview" also plays it, as a
// double-click does.
class NxVoiceItemAccessible : public QAccessibleWidget
{
    Q_DECLARE_TR_FUNCTIONS(NxVoiceItemAccessible)

public:
    explicit NxVoiceItemAccessible(NxVoiceItem* item);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    QString localizedActionName(const QString& name) const override;
    QString localizedActionDescription(const QString& name) const override;
    void doAction(const QString& name) override;

    // Tell readers that the tile was chosen or let go, or began or stopped speaking.
    static void notifyChosen(NxVoiceItem* item);
    static void notifySpeaking(NxVoiceItem* item);

private:
    NxVoiceItem* item() const;
};
