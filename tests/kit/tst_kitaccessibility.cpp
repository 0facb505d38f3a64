#include "NxCustomRadioButton.h"
#include "NxPaintProbe.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxReaderListening.h"
#include "NxTabButton.h"
#include "NxToolButton.h"
#include "NxTopLevelWindowTitleBar.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

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

    // By their text, else their tooltip, else what they show, in the interface
    // language; a press is a click.
    void buttonsSayTheirNameAndClickWhenPressed()
    {
        QWidget window;
        auto* ok = NxPushButton::CreatePrimaryButton(&window);
        ok->setText(QStringLiteral("&OK"));
        auto* add = NxPushButton::CreateSecondaryButton(&window);
        add->setToolTip(QStringLiteral("Add a voice"));
        QCOMPARE(reader(ok)->role(), QAccessible::Button);
        QCOMPARE(reader(ok)->text(QAccessible::Name), QStringLiteral("OK"));
        QCOMPARE(reader(add)->text(QAccessible::Name), QStringLiteral("Add a voice")); // icon only: its tooltip
        QVERIFY(reader(add)->text(QAccessible::Description).isEmpty());                // not said twice
        QCOMPARE(reader(NxToolButton::CreateToolButton(&window, QStringLiteral("NxRemainingRefreshButton_btn")))->text(QAccessible::Name),
                 QStringLiteral("Refresh"));
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

        // A checkable button of a group: toggling it is a click, which the group hears.
        QButtonGroup group;
        auto* aida = NxPushButton::CreateSecondaryButton(&window);
        aida->setCheckable(true);
        group.addButton(aida);
        int clicked = 0;
        connect(&group, qOverload<QAbstractButton*>(&QButtonGroup::buttonClicked), this, [&] { ++clicked; });
        reader(aida)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(clicked, 1);
        QVERIFY(reader(aida)->state().checked);
        QVERIFY(wasTold(aida, QAccessible::StateChanged));
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
        QCOMPARE(read->valueInterface()->maximumValue().toInt(), 4);
        read->valueInterface()->setCurrentValue(4);
        QCOMPARE(slider->getCurIndex(), 4);
        QCOMPARE(read->text(QAccessible::Value), QStringLiteral("fast"));
        QVERIFY(wasTold(slider, QAccessible::ValueChanged));
        read->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
        QCOMPARE(slider->getCurIndex(), 3);
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
