#include "NxCheckBox.h"
#include "NxComboBox.h"
#include "NxCustomRadioButton.h"
#include "NxDataColumns.h"
#include "NxPaintProbe.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxRadioButton.h"
#include "NxScreen.h"
#include "NxSkinStyle.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using namespace NxPaintProbe;

namespace {

const QStringList Speeds{"0.5x", "0.75x", "1.0x", "1.5x", "2.0x"};

// The speed slider as the text-to-speech panel sets it up.
NxPropertyNonLineSliderEx* speedSlider(QWidget* parent)
{
    auto* slider = NxPropertyNonLineSliderEx::CreatePropertyNonLineSliderEx(Speeds, parent);
    slider->setFixedSize(486, 24);
    slider->setSliderHeight(8);
    slider->setVSpace(4);
    slider->setLabelHeight(16);
    slider->setLabelFontSize(10);
    return slider;
}

QPoint at(QWidget* widget, qreal fraction)
{
    return {qRound(fraction * (widget->width() - 1)), 4};
}

// A shown, active window laying out what `make` builds; keyboard focus works in it.
struct Window
{
    std::unique_ptr<QWidget> top = std::make_unique<QWidget>();
    QHBoxLayout* layout = new QHBoxLayout(top.get());

    template <typename Widget>
    Widget* add(Widget* widget) { layout->addWidget(widget); return widget; }
    bool show()
    {
        top->show();
        QApplication::setActiveWindow(top.get());
        return QTest::qWaitForWindowActive(top.get());
    }
};

using Maker = std::function<QWidget*(QWidget*)>;

template <typename Control>
QWidget* titled(Control* control, const char* text)
{
    control->setText(text);
    return control;
}

// Every form control of the kit, made as the panels make it.
const QList<QPair<const char*, Maker>> Controls{
    {"primary button", [](QWidget* parent) { return titled(NxPushButton::CreatePrimaryButton(parent), "OK"); }},
    {"secondary button",
     [](QWidget* parent) { return titled(NxPushButton::CreateSecondaryButton(parent, NButtonSize24), "Cancel"); }},
    {"check box", [](QWidget* parent) {
         return titled(NxCheckBox::CreateCheckBox(parent), "Transcriptions are automatically matched"); }},
    {"radio button", [](QWidget* parent) { return titled(NxRadioButton::creatRadioButton(parent), "normalTone"); }},
    {"custom radio button", [](QWidget* parent) -> QWidget* {
         NxCustomRadioButton* radio = NxCustomRadioButton::createCustomRadioButton(parent);
         radio->setDisplayText("Clip selection");
         return radio; }},
    {"combo box", [](QWidget* parent) -> QWidget* {
         NxComboBox* combo = NxComboBox::CreateComboBox(parent);
         combo->addItems({"English (US)", "English (UK)", "German (Germany)"});
         combo->setFixedSize(200, 24);
         return combo; }},
    {"slider", speedSlider},
};

template <typename Control = QWidget>
Control* make(int control, QWidget* parent)
{
    return static_cast<Control*>(Controls[control].second(parent));
}
enum { Primary, Secondary, CheckBox, Radio, CustomRadio, Combo };

// What a user could have changed on a control, as one comparable text.
QString stateOf(QWidget* widget)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return QString::number(button->isChecked());
    if (auto* radio = qobject_cast<NxCustomRadioButton*>(widget))
        return QString::number(radio->isChecked());
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return QString::number(combo->currentIndex()) + QString::number(combo->view()->isVisible());
    return QString::number(qobject_cast<NxPropertyNonLineSliderEx*>(widget)->getCurIndex());
}

void addControlRows()
{
    QTest::addColumn<int>("which");
    for (int which = 0; which < Controls.size(); ++which)
        QTest::newRow(Controls[which].first) << which;
}

void addSkinRows()
{
    QTest::addColumn<int>("skin");
    QTest::newRow("dark skin") << 0;
    QTest::newRow("light skin") << 1;
}

// Columns of `row` showing `colour`, as (first, last); (-1, -1) when none.
QPair<int, int> columnsShowing(const QImage& image, int row, const QColor& colour)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (near(image.pixel(x, row), colour, 30)) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    return {first, last};
}

} // namespace

class FormControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { NxSingleton<NxSkinStyle>::instance()->SetSkinKind(0); }

    void sliderSnapsToTheNearestStep_data()
    {
        // press, then (when >= 0) drag to, as fractions of the width
        columns<qreal, qreal, int, int>({"press", "dragTo", "index", "emitted"});
        QTest::newRow("a click on the same step changes nothing") << 0.01 << -1.0 << 0 << 0;
        QTest::newRow("a click just past a step snaps back to it") << 0.30 << -1.0 << 1 << 1;
        QTest::newRow("a click just short of a step snaps on to it") << 0.44 << -1.0 << 2 << 1;
        QTest::newRow("a click at the far end takes the last step") << 1.0 << -1.0 << 4 << 1;
        QTest::newRow("a drag ends on the step nearest the pointer") << 0.26 << 0.70 << 3 << 2;
        QTest::newRow("a drag beyond the end stops at the last step") << 0.5 << 1.6 << 4 << 2;
        QTest::newRow("a drag back to the start") << 0.74 << -0.3 << 0 << 2;
    }
    void sliderSnapsToTheNearestStep()
    {
        QFETCH(qreal, press); QFETCH(qreal, dragTo); QFETCH(int, index); QFETCH(int, emitted);
        Window window;
        auto* slider = window.add(speedSlider(window.top.get()));
        QVERIFY(window.show());
        QSignalSpy changes(slider, &NxPropertyNonLineSliderEx::sigIndexChanged);
        QTest::mousePress(slider, Qt::LeftButton, {}, at(slider, press));
        if (dragTo > -1) {
            QMouseEvent move(QEvent::MouseMove, at(slider, dragTo), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(slider, &move);
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, at(slider, dragTo > -1 ? dragTo : press));
        QCOMPARE(slider->getCurIndex(), index);
        QCOMPARE(changes.count(), emitted);
        if (emitted)
            QCOMPARE(changes.last().first().toInt(), index);
    }

    void sliderFollowsKeysOneStepAtATime_data()
    {
        columns<int, int, int, bool>({"start", "key", "index", "signalled"});
        QTest::newRow("Right moves one step up") << 2 << int(Qt::Key_Right) << 3 << true;
        QTest::newRow("Up moves like Right") << 2 << int(Qt::Key_Up) << 3 << true;
        QTest::newRow("Left moves one step down") << 2 << int(Qt::Key_Left) << 1 << true;
        QTest::newRow("Down moves like Left") << 2 << int(Qt::Key_Down) << 1 << true;
        QTest::newRow("Left at the first step stays") << 0 << int(Qt::Key_Left) << 0 << false;
        QTest::newRow("Right at the last step stays") << 4 << int(Qt::Key_Right) << 4 << false;
        QTest::newRow("Home goes to the first step") << 3 << int(Qt::Key_Home) << 0 << true;
        QTest::newRow("End goes to the last step") << 1 << int(Qt::Key_End) << 4 << true;
    }
    void sliderFollowsKeysOneStepAtATime()
    {
        QFETCH(int, start); QFETCH(int, key); QFETCH(int, index); QFETCH(bool, signalled);
        Window window;
        auto* slider = window.add(speedSlider(window.top.get()));
        slider->setCurIndex(start);
        QVERIFY(window.show());
        slider->setFocus(Qt::TabFocusReason);
        QSignalSpy changes(slider, &NxPropertyNonLineSliderEx::sigIndexChanged);
        QTest::keyClick(slider, Qt::Key(key));
        QCOMPARE(slider->getCurIndex(), index);
        QCOMPARE(changes.count(), signalled ? 1 : 0);
    }

    void customRadioBehavesAsARadio_data()
    {
        // action: "click", "press outside" (released off the button), "space", "set on", "set off"
        columns<bool, QString, bool, QList<bool>>({"checked", "action", "after", "signalled"});
        QTest::newRow("a click checks an unchecked radio") << false << "click" << true << QList<bool>{true};
        QTest::newRow("a click on a checked radio does nothing") << true << "click" << true << QList<bool>{};
        QTest::newRow("a press let go outside does nothing") << false << "press outside" << false << QList<bool>{};
        QTest::newRow("Space checks it") << false << "space" << true << QList<bool>{true};
        QTest::newRow("checking by code is signalled") << false << "set on" << true << QList<bool>{true};
        QTest::newRow("unchecking by code is signalled") << true << "set off" << false << QList<bool>{false};
        QTest::newRow("setting the same state is silent") << true << "set on" << true << QList<bool>{};
    }
    void customRadioBehavesAsARadio()
    {
        QFETCH(bool, checked); QFETCH(QString, action); QFETCH(bool, after); QFETCH(QList<bool>, signalled);
        Window window;
        auto* radio = window.add(make<NxCustomRadioButton>(CustomRadio, window.top.get()));
        radio->setChecked(checked);
        QVERIFY(window.show());
        QSignalSpy changes(radio, &NxCustomRadioButton::sigStateChanged);
        if (action == "click") {
            QTest::mouseClick(radio, Qt::LeftButton);
        } else if (action == "press outside") {
            QTest::mousePress(radio, Qt::LeftButton);
            QTest::mouseRelease(radio, Qt::LeftButton, {}, QPoint(radio->width() + 20, -10));
        } else if (action == "space") {
            radio->setFocus(Qt::TabFocusReason);
            QTest::keyClick(radio, Qt::Key_Space);
        } else {
            radio->setChecked(action == "set on");
        }
        QCOMPARE(radio->isChecked(), after);
        QList<bool> seen;
        for (const QList<QVariant>& change : changes)
            seen << change.first().toBool();
        QCOMPARE(seen, signalled);
    }

    void tabReachesEveryControlInOrder()
    {
        Window window;
        QWidgetList controls;
        for (int control = 0; control < Controls.size(); ++control)
            controls << window.add(make(control, window.top.get()));
        QVERIFY(window.show());
        controls.first()->setFocus(Qt::TabFocusReason);
        QWidgetList reached{QApplication::focusWidget()};
        for (int step = 1; step < controls.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget();
        }
        QCOMPARE(reached, controls);
    }

    void disabledControlsIgnoreMouseAndKeys_data() { addControlRows(); }
    void disabledControlsIgnoreMouseAndKeys()
    {
        QFETCH(int, which);
        Window window;
        QWidget* control = window.add(make(which, window.top.get()));
        control->setEnabled(false);
        QVERIFY(window.show());
        const QString before = stateOf(control);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() * 3 / 4, 4));
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Down, Qt::Key_End})
            QTest::keyClick(control, key);
        QCOMPARE(stateOf(control), before);
        QVERIFY(!control->hasFocus());
    }

    void disabledControlsLookDimmed_data() { addControlRows(); }
    void disabledControlsLookDimmed()
    {
        QFETCH(int, which);
        std::unique_ptr<QWidget> control(make(which, nullptr));
        control->resize(control->sizeHint().expandedTo(control->size()));
        const QImage enabled = shot(control.get());
        control->setEnabled(false);
        QVERIFY(!same(shot(control.get()), enabled));
    }

    void focusRingShowsOnlyWhenTabbedTo_data() { addControlRows(); }
    void focusRingShowsOnlyWhenTabbedTo()
    {
        QFETCH(int, which);
        Window window;
        QWidget* before = window.add(make(Secondary, window.top.get()));
        QWidget* control = window.add(make(which, window.top.get()));
        QVERIFY(window.show());
        const QImage unfocused = shot(control);
        control->setFocus(Qt::MouseFocusReason);
        QVERIFY(control->hasFocus());
        QVERIFY(same(shot(control), unfocused));
        before->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control);
        QVERIFY(!same(shot(control), unfocused));
    }

    void checkMarkStaysVisibleWhileDisabled()
    {
        std::unique_ptr<NxCheckBox> box(make<NxCheckBox>(CheckBox, nullptr));
        box->setEnabled(false);
        const QImage unchecked = shot(box.get());
        box->setChecked(true);
        QVERIFY(!same(shot(box.get()), unchecked));
    }

    void primaryButtonIsFilledWithTheSkinsAccent_data() { addSkinRows(); }
    void primaryButtonIsFilledWithTheSkinsAccent()
    {
        QFETCH(int, skin);
        std::unique_ptr<QWidget> button(make(Primary, nullptr));
        button->resize(button->sizeHint());
        NxSingleton<NxSkinStyle>::instance()->SetSkinKind(skin);
        const QImage image = shot(button.get());
        QVERIFY(near(image.pixel(6, button->height() / 2), role(NxSkinColor::VarneloX_Primary), 2));
        // The secondary button is no accent block.
        std::unique_ptr<QWidget> secondary(make(Secondary, nullptr));
        secondary->resize(secondary->sizeHint());
        QVERIFY(!near(shot(secondary.get()).pixel(6, secondary->height() / 2), role(NxSkinColor::VarneloX_Primary), 60));
    }

    void sliderHandleSitsOverTheChosenStep_data()
    {
        columns<int, int>({"skin", "index"});
        for (int skin : {0, 1})
            for (int index = 0; index < Speeds.size(); ++index)
                QTest::newRow(qPrintable(QString("%1 skin, step %2").arg(skin ? "light" : "dark").arg(index)))
                    << skin << index;
    }
    void sliderHandleSitsOverTheChosenStep()
    {
        QFETCH(int, skin); QFETCH(int, index);
        NxSingleton<NxSkinStyle>::instance()->SetSkinKind(skin);
        std::unique_ptr<NxPropertyNonLineSliderEx> slider(speedSlider(nullptr));
        slider->setCurIndex(index);
        // Above the groove and the step dots only the handle is drawn.
        const auto [first, last] = columnsShowing(shot(slider.get()), 1, role(NxSkinColor::VarneloX_Primary));
        QVERIFY(first >= 0);
        const qreal centre = (first + last) / 2.0;
        const qreal stepWidth = slider->width() / qreal(Speeds.size() - 1);
        QVERIFY2(qAbs(centre - index * stepWidth) <= 8, qPrintable(QString::number(centre)));
        QVERIFY(last - first <= 8);
    }

    void comboListIsSkinned_data() { addSkinRows(); }
    void comboListIsSkinned()
    {
        QFETCH(int, skin);
        NxSingleton<NxSkinStyle>::instance()->SetSkinKind(skin);
        Window window;
        auto* combo = window.add(make<NxComboBox>(Combo, window.top.get()));
        QVERIFY(window.show());
        combo->setFocus(Qt::TabFocusReason);
        QTest::keyClick(combo, Qt::Key_F4);
        QTRY_VERIFY(combo->view()->isVisible());
        const QImage list = shot(combo->view()->viewport());
        QVERIFY(near(list.pixel(list.width() - 3, list.height() - 3), role(NxSkinColor::Varnelo_Background_Surface3), 3));
        QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QTRY_VERIFY(!combo->view()->isVisible());
        QCOMPARE(combo->currentIndex(), 1);
    }

    void screenFallsBackToItsOwnRatioWhenNoneIsSet()
    {
        NxScreen* screen = NxSingleton<NxScreen>::instance();
        screen->setDevicePixelRatio(1.25);
        QCOMPARE(screen->devicePixelRatio(), 1.25);
        screen->setDevicePixelRatio(0);
        QCOMPARE(screen->devicePixelRatio(), QGuiApplication::primaryScreen()->devicePixelRatio());
    }
};

QTEST_MAIN(FormControlsTest)
#include "tst_formcontrols.moc"
