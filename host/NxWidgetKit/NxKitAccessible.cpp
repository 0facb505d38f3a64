#include "NxKitAccessible.h"

#include "NxCustomRadioButton.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxTabButton.h"
#include "NxToolButton.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QTextDocumentFragment>

namespace
{

// A button's text as read aloud: mnemonic marks dropped ("&&" is a plain "&").
QString withoutMnemonics(const QString& text)
{
    QString read;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        read.append(text.at(i));
    }
    return read;
}

// Push, tab and tool buttons of the kit. A press is a click, so the action
// does all a click does (a group's buttonClicked, a tab's page switch).
class NxKitButtonAccessible : public QAccessibleWidget
{
    Q_DECLARE_TR_FUNCTIONS(NxKitButtonAccessible)

public:
    NxKitButtonAccessible(QAbstractButton* button, QAccessible::Role role)
        : QAccessibleWidget(button, role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return name();
        // A tooltip that already names the button is not said twice.
        if (t == QAccessible::Description && textName().isEmpty() && widget()->accessibleDescription().isEmpty())
            return QString();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        if (const auto* push = qobject_cast<const QPushButton*>(button()))
            state.defaultButton = push->isDefault();
        if (role() == QAccessible::PageTab) {
            state.selectable = true;
            state.selected = button()->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << clickAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == clickAction() && widget()->isEnabled())
            button()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    // A checkable button toggles, a tab is pressed like any other button.
    QString clickAction() const
    {
        return button()->isCheckable() && role() != QAccessible::PageTab ? toggleAction() : pressAction();
    }

    QString textName() const
    {
        const QString own = widget()->accessibleName();
        return own.isEmpty() ? withoutMnemonics(button()->text()) : own;
    }

    // An icon-only button is named by its tooltip, else by what its picture shows.
    QString name() const
    {
        const QString fromText = textName();
        if (!fromText.isEmpty())
            return fromText;
        const QString tip = QTextDocumentFragment::fromHtml(widget()->toolTip()).toPlainText();
        if (!tip.isEmpty())
            return tip;
        // Every tool button of the kit shows the refresh arrows.
        return qobject_cast<const NxToolButton*>(widget()) ? tr("Refresh") : QString();
    }
};

// The radio button outside any group: its displayed text, its checked state,
// and a toggle that checks it as a click does (never unchecks).
class NxCustomRadioAccessible : public QAccessibleWidget
{
public:
    explicit NxCustomRadioAccessible(NxCustomRadioButton* radio)
        : QAccessibleWidget(radio, QAccessible::RadioButton)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return radio()->displayText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = radio()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == toggleAction() && widget()->isEnabled())
            radio()->setChecked(true);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    NxCustomRadioButton* radio() const { return static_cast<NxCustomRadioButton*>(widget()); }
};

// The step slider: named by its label (a buddy or an accessible name), its
// value the word under the current step, its steps counted from 0.
class NxStepSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
    Q_DECLARE_TR_FUNCTIONS(NxStepSliderAccessible)

public:
    explicit NxStepSliderAccessible(NxPropertyNonLineSliderEx* slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? stepWord(slider()->labels(), slider()->getCurIndex())
                                       : QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return slider()->getCurIndex(); }
    void setCurrentValue(const QVariant& value) override { slider()->setCurIndex(value.toInt()); }
    QVariant maximumValue() const override { return qMax(0, slider()->labels().size() - 1); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << increaseAction() << decreaseAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        const int step = name == increaseAction() ? 1 : name == decreaseAction() ? -1 : 0;
        if (step == 0)
            QAccessibleWidget::doAction(name);
        else if (widget()->isEnabled())
            slider()->setCurIndex(slider()->getCurIndex() + step);
    }

private:
    NxPropertyNonLineSliderEx* slider() const { return static_cast<NxPropertyNonLineSliderEx*>(widget()); }

    // A step left blank reads as where it lies between its named neighbours.
    static QString stepWord(const QStringList& labels, int index)
    {
        const QString word = labels.value(index).trimmed();
        if (!word.isEmpty())
            return word;
        QString before;
        QString after;
        for (int step = index - 1; step >= 0 && before.isEmpty(); --step)
            before = labels.at(step).trimmed();
        for (int step = index + 1; step < labels.size() && after.isEmpty(); ++step)
            after = labels.at(step).trimmed();
        if (before.isEmpty() || after.isEmpty())
            return QString::number(index + 1);
        return tr("between %1 and %2").arg(before, after);
    }
};

// Asked for each class from the most derived up, so the kit's classes are
// met before the Qt classes they derive from.
QAccessibleInterface* kitFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("NxPushButton") || className == QLatin1String("NxToolButton"))
        return new NxKitButtonAccessible(static_cast<QAbstractButton*>(object), QAccessible::Button);
    if (className == QLatin1String("NxTabButton"))
        return new NxKitButtonAccessible(static_cast<QAbstractButton*>(object), QAccessible::PageTab);
    if (className == QLatin1String("NxCustomRadioButton"))
        return new NxCustomRadioAccessible(static_cast<NxCustomRadioButton*>(object));
    if (className == QLatin1String("NxPropertyNonLineSliderEx"))
        return new NxStepSliderAccessible(static_cast<NxPropertyNonLineSliderEx*>(object));
    return nullptr;
}

} // namespace

void NxKitAccessible::install()
{
    // QAccessible keeps a factory once however often it is installed.
    QAccessible::installFactory(kitFactory);
}

namespace
{
void installAtStartup()
{
    NxKitAccessible::install();
}
}

Q_COREAPP_STARTUP_FUNCTION(installAtStartup)
