#include "NxCustomRadioButton.h"
#include "NxPaintProbe.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxReaderListening.h"
#include "NxTabButton.h"
#include "NxToolButton.h"
#include "NxTopLevelWindowTitleBar.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QFormLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using NxReaderListening::wasTold;

namespace
{
QAccessibleInterface* reader(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}
}

// The kit's controls as a screen reader reads them through Qt's accessibility.
class KitAccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(NxReaderListening::start()); }
    void init() { NxReaderListening::heard().clear(); }

    void buttonsSayTheirNameAndClickWhenPressed()
    {
        QWidget window;
        auto* ok = NxPushButton::CreatePrimaryButton(&window);
        ok->setText(QStringLiteral("&OK"));
        auto* add = NxPushButton::CreateSecondaryButton(&window);
        add->setToolTip(QStringLiteral("Add a voice"));
        auto* refresh = NxToolButton::CreateToolButton(&window, QStringLiteral("NxRemainingRefreshButton_btn"));
        QCOMPARE(reader(ok)->text(QAccessible::Name), QStringLiteral("OK"));
        QCOMPARE(reader(ok)->role(), QAccessible::Button);
        QCOMPARE(reader(add)->text(QAccessible::Name), QStringLiteral("Add a voice")); // icon only: its tooltip
        QVERIFY(reader(add)->text(QAccessible::Description).isEmpty());                // not said twice
        QCOMPARE(reader(refresh)->text(QAccessible::Name), QStringLiteral("Refresh"));

        // A checkable button of a group: toggling it is a click, which the group hears.
        QButtonGroup group;
        auto* first = NxPushButton::CreateSecondaryButton(&window);
        first->setText(QStringLiteral("Aida"));
        first->setCheckable(true);
        group.addButton(first);
        int clicked = 0;
        connect(&group, qOverload<QAbstractButton*>(&QButtonGroup::buttonClicked), this, [&] { ++clicked; });
        QAccessibleActionInterface* actions = reader(first)->actionInterface();
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        actions->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(clicked, 1);
        QVERIFY(reader(first)->state().checked);
        QVERIFY(wasTold(first, QAccessible::StateChanged));
    }

    void tabsAreTabsThatSaySelected()
    {
        QWidget window;
        auto* tab = NxTabButton::CreateTabButton(&window, QStringLiteral("Text to speech"), 0);
        tab->setCheckable(true);
        QSignalSpy clicked(tab, &QAbstractButton::clicked);
        QCOMPARE(reader(tab)->role(), QAccessible::PageTab);
        QCOMPARE(reader(tab)->text(QAccessible::Name), QStringLiteral("Text to speech"));
        QVERIFY(!reader(tab)->state().selected);
        reader(tab)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 1);
        QVERIFY(reader(tab)->state().selected);
    }

    void titleBarButtonsSayWhatTheyDoInTheInterfaceLanguage()
    {
        QWidget window;
        NxTopLevelWindowTitleBar bar(&window);
        bar.SetButtons(NxTopLevelWindowTitleBar::CloseButton | NxTopLevelWindowTitleBar::MinimizeButton);
        QCOMPARE(reader(bar.button(NxTopLevelWindowTitleBar::CloseButton))->text(QAccessible::Name),
                 QStringLiteral("Close")); // not its symbol
        NxMapTranslator german;
        german.texts.insert({"NxTopLevelWindowTitleBar", "Minimize"}, QStringLiteral("Minimieren"));
        QCoreApplication::installTranslator(&german);
        QTRY_COMPARE(reader(bar.button(NxTopLevelWindowTitleBar::MinimizeButton))->text(QAccessible::Name),
                     QStringLiteral("Minimieren"));
        QCoreApplication::removeTranslator(&german);
    }

    void anUngroupedRadioSaysItsTextAndState()
    {
        NxCustomRadioButton radio;
        radio.setDisplayText(QStringLiteral("Clip selection"));
        QAccessibleInterface* read = reader(&radio);
        QCOMPARE(read->role(), QAccessible::RadioButton);
        QCOMPARE(read->text(QAccessible::Name), QStringLiteral("Clip selection"));
        QVERIFY(read->state().checkable && !read->state().checked);
        QSignalSpy changed(&radio, &NxCustomRadioButton::sigStateChanged);
        read->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        read->actionInterface()->doAction(QAccessibleActionInterface::toggleAction()); // a click never unchecks
        QCOMPARE(changed.count(), 1);
        QVERIFY(read->state().checked);
        QVERIFY(wasTold(&radio, QAccessible::StateChanged));
    }

    void theStepSliderSaysTheWordOfItsStep()
    {
        QWidget form;
        auto* layout = new QFormLayout(&form);
        const QString blank = QStringLiteral(" ");
        auto* slider = NxPropertyNonLineSliderEx::CreatePropertyNonLineSliderEx(
            {QStringLiteral("slow"), blank, QStringLiteral("normal"), blank, QStringLiteral("fast")}, &form);
        auto* label = new QLabel(QStringLiteral("Speed:"));
        label->setBuddy(slider);
        layout->addRow(label, slider);
        QAccessibleInterface* read = reader(slider);
        QCOMPARE(read->role(), QAccessible::Slider);
        QCOMPARE(read->text(QAccessible::Name), QStringLiteral("Speed:"));
        QAccessibleValueInterface* value = read->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->maximumValue().toInt(), 4);

        value->setCurrentValue(4);
        QCOMPARE(slider->getCurIndex(), 4);
        QCOMPARE(read->text(QAccessible::Value), QStringLiteral("fast"));
        QVERIFY(wasTold(slider, QAccessible::ValueChanged));
        read->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
        QCOMPARE(value->currentValue().toInt(), 3);
        QCOMPARE(read->text(QAccessible::Value), QStringLiteral("between normal and fast"));

        // New words, as a new interface language brings them, are read at once.
        NxReaderListening::heard().clear();
        slider->setLabels({QStringLiteral("lent"), blank, QStringLiteral("normal"), blank, QStringLiteral("rapide")});
        QCOMPARE(read->text(QAccessible::Value), QStringLiteral("between normal and rapide"));
        QVERIFY(wasTold(slider, QAccessible::ValueChanged));
    }
};

QTEST_MAIN(KitAccessibilityTest)
#include "tst_kitaccessibility.moc"
