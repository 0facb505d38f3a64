#include "INxSkinEventHandler.h"
#include "NMessageDialog.h"
#include "NxCheckBox.h"
#include "NxComboBox.h"
#include "NxCustomRadioButton.h"
#include "NxDataColumns.h"
#include "NxLoadingHelper.h"
#include "NxMessageBoxWatch.h"
#include "NxPaintProbe.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxRadioButton.h"
#include "NxSingleton.h"
#include "NxSkinChangeEvent.h"
#include "NxSkinPalette.h"
#include "NxSkinStyle.h"
#include "NxWidget.h"
#include "StringOperation.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>

using namespace NxPaintProbe;
using C = NxSkinColor;

// A kit widget that re-reads one text, as every kit widget does.
class Probe : public NxWidget
{
    Q_OBJECT

public:
    using NxWidget::NxWidget;
    QLabel* label = new QLabel(this);
    int retranslated = 0, translated = 0;
    void RetranslateUi() override { ++retranslated; label->setText(tr("Hello")); }
    void TranslateText() override { ++translated; }
};

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

NxSkinStyle* style() { return NxSingleton<NxSkinStyle>::instance(); }

qreal luminance(const QColor& c)
{
    auto lin = [](qreal v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

// What a (possibly translucent) role looks like laid on the skin's panel surface.
QColor onSurface(C::NxColorType type) { return seen(role(type), role(C::Varnelo_Background_Surface2)); }

struct Recorder : INxSkinEventHandler
{
    std::function<void()> onChange;
    QList<NxSkinChangeEvent> events;
    void OnSkinChanged(NxSkinChangeEvent* event) override
    {
        events << *event;
        if (onChange)
            onChange();
    }
};

// Once a message box is the active modal window: ticks its check box `ticks`
// times, then clicks the button captioned `answer` (or presses Escape for
// "Escape"). `buttons` receives how many push buttons it has.
void answerNextBox(QObject* context, const QString& answer, int ticks = 0, int* buttons = nullptr)
{
    whenMessageBoxOpens(context, [=](NMessageDialog* box) {
        for (int tick = 0; tick < ticks; ++tick)
            QTest::mouseClick(box->findChild<QCheckBox*>(), Qt::LeftButton);
        if (buttons)
            *buttons = box->findChildren<QPushButton*>().size();
        answerBox(box, answer);
    });
}

QImage frame(const NxLoadingHelper& spinner)
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    spinner.draw(painter, image.rect());
    return image;
}

} // namespace

// The widget kit: its skins, form controls, message boxes, spinner and
// retranslation, each case starting in the dark skin.
class WidgetKitTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { style()->SetSkinKind(NxSkinPalette::DarkSkin); }

    void skinColoursReadAsIntended_data()
    {
        columns<int, bool>({"skin", "textIsLighterThanSurface"});
        QTest::newRow("dark skin: light text on dark surfaces") << int(NxSkinPalette::DarkSkin) << true;
        QTest::newRow("light skin: dark text on light surfaces") << int(NxSkinPalette::LightSkin) << false;
    }
    void skinColoursReadAsIntended()
    {
        QFETCH(int, skin); QFETCH(bool, textIsLighterThanSurface);
        style()->SetSkinKind(skin);
        for (int role = 0; role < C::ColorTypeCount; ++role)
            QVERIFY2(style()->GetColor(C::NxColorType(role)).isValid(), qPrintable(C::Name(C::NxColorType(role))));
        QVERIFY(!style()->GetColor(C::ColorTypeCount).isValid());

        for (C::NxColorType text : {C::Text_Icon_Primary, C::Text_Icon_Secondary})
            QCOMPARE(luminance(onSurface(text)) > luminance(onSurface(C::Varnelo_Background_Surface2)),
                     textIsLighterThanSurface);

        // What a skin is made of must not carry over to the other one.
        for (C::NxColorType role : {C::Varnelo_Background_Surface1, C::Varnelo_Background_Surface2,
                                    C::Varnelo_Background_Surface3, C::Text_Icon_Primary, C::Text_Icon_Quaternary,
                                    C::Component_Divider_Secondary, C::State_Hover, C::VarneloX_Primary})
            QVERIFY2(style()->GetColor(role) != NxSkinPalette::Color(1 - skin, role), qPrintable(C::Name(role)));
    }

    void resourcesResolveToSkinnedImages_data()
    {
        // size: 0: not the skin's, so handed back as given
        columns<QString, int>({"path", "size"});
        const QList<QPair<QStringList, int>> sizes{
            {{"icon24_music-normal", "icon24_videotype-normal", "icon24_allclip", "icon24_voice", "correct-normal",
              "alert-normal", "male", "female"}, 24}, {{"avatar_male", "avatar_female"}, 48}, {{"empty_tasks"}, 72}};
        for (const auto& [names, size] : sizes)
            for (const QString& name : names)
                QTest::addRow("%s is a %dpx picture", qPrintable(name), size) << ":/Resource/" + name + ".png" << size;
        for (const QString stem : {"icon24_delete", "status-refresh", "cart"})
            for (const char* look : {"-normal", "-hover", "-pressed"})
                QTest::addRow("%s%s", qPrintable(stem), look) << ":/Resource/" + stem + look + ".png" << 24;
        QTest::newRow("an unknown name passes through") << ":/Resource/no-such-icon.png" << 0;
        QTest::newRow("a path outside the resources passes through") << "/tmp/picture.png" << 0;
        QTest::newRow("an empty path passes through") << QString() << 0;
    }
    void resourcesResolveToSkinnedImages()
    {
        QFETCH(QString, path); QFETCH(int, size);
        QImage perSkin[NxSkinPalette::SkinKindCount];
        for (int skin = 0; skin < NxSkinPalette::SkinKindCount; ++skin) {
            style()->SetSkinKind(skin);
            const QString resolved = style()->FormatResourceFile(path);
            QCOMPARE(resolved == path, size == 0);
            if (size == 0)
                continue;
            perSkin[skin] = QImage(resolved);
            QCOMPARE(perSkin[skin].size(), QSize(size, size));
            // The sharp copy sits beside it, where QIcon looks for it.
            const QFileInfo info(resolved);
            QCOMPARE(QImage(info.path() + '/' + info.completeBaseName() + "@2x.png").size(), QSize(2 * size, 2 * size));
        }
        QVERIFY(size == 0 || perSkin[NxSkinPalette::DarkSkin] != perSkin[NxSkinPalette::LightSkin]);
    }

    void switchingNotifiesEachAttachedHandlerOnce()
    {
        Recorder first, twice, detached, leaver, victim, survivor;
        auto* dying = new Recorder;
        leaver.onChange = [&] {
            style()->Detach(&leaver);
            style()->Detach(&victim);
            delete dying; // a destroyed handler detaches itself
        };
        for (Recorder* handler : {&first, &twice, &twice, &detached, &leaver, &victim, dying, &survivor})
            style()->Attach(handler);
        style()->Detach(&detached);
        QSignalSpy changed(style(), &NxSkinStyle::SkinKindChanged);

        style()->SetSkinKind(NxSkinPalette::LightSkin);
        style()->SetSkinKind(NxSkinPalette::LightSkin); // already current: nothing to tell
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unknown skin kind"));
        style()->SetSkinKind(7);
        style()->SetSkinKind(NxSkinPalette::DarkSkin);

        const QList<int> told{first.events.size(), twice.events.size(), detached.events.size(),
                              leaver.events.size(), victim.events.size(), survivor.events.size()};
        QCOMPARE(told, QList<int>({2, 2, 0, 1, 0, 2}));
        QVERIFY(first.events[0].IsSkinChanged());
        QCOMPARE(first.events[0].NewSkinKind(), int(NxSkinPalette::LightSkin));
        QCOMPARE(changed.count(), 2);
        for (Recorder* handler : {&first, &twice, &survivor})
            style()->Detach(handler);
    }

    // The rest is Qt's eliding; a width taken from a narrow cell may be negative.
    void elidedTextFitsEvenANegativeWidth()
    {
        for (int width : {-10, 60}) {
            const QString elided = StringOperation::GetElidedString(QFont(), width, "Interview with the director.mp4");
            QVERIFY2(QFontMetrics(QFont()).horizontalAdvance(elided) <= qMax(0, width), qPrintable(elided));
        }
    }

    // A fixed-width button gives a long text (a voice's name) the room up to a few pixels from its
    // edges before shortening it: the ink spans as much as in a button wide enough.
    void aLongTextUsesTheButtonsWidthBeforeItIsShortened()
    {
        QWidget parent;
        auto ink = [&](int width) {
            NxPushButton* button = NxPushButton::CreatePrimaryButton(&parent, NButtonSize24);
            button->setText(QStringLiteral("Shanshan"));
            button->setFixedSize(width, NButtonSize24);
            const QImage image = shot(button);
            // Columns whose middle rows differ from the button's own fill beside the text.
            const QColor fill = image.pixelColor(4, image.height() / 2);
            int left = width, right = -1;
            for (int x = 4; x < width - 4; ++x)
                for (int y = 6; y < image.height() - 6; ++y)
                    if (!near(image.pixel(x, y), fill, 30))
                        left = std::min(left, x), right = std::max(right, x);
            return right - left + 1;
        };
        const int roomy = ink(200);
        QVERIFY(roomy > 40);
        QCOMPARE(ink(74), roomy);
    }

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
        const auto at = [slider](qreal fraction) { return QPoint(qRound(fraction * (slider->width() - 1)), 4); };
        QTest::mousePress(slider, Qt::LeftButton, {}, at(press));
        if (dragTo > -1) {
            QMouseEvent move(QEvent::MouseMove, at(dragTo), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(slider, &move);
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, at(dragTo > -1 ? dragTo : press));
        QCOMPARE(slider->getCurIndex(), index);
        QCOMPARE(changes.count(), emitted);
        if (emitted)
            QCOMPARE(changes.last().first().toInt(), index);
    }

    void customRadioBehavesAsARadio_data()
    {
        // action: "click", "press outside" (released off the button), "set on", "set off"
        columns<bool, QString, bool, QList<bool>>({"checked", "action", "after", "signalled"});
        QTest::newRow("a click checks an unchecked radio") << false << "click" << true << QList<bool>{true};
        QTest::newRow("a click on a checked radio does nothing") << true << "click" << true << QList<bool>{};
        QTest::newRow("a press let go outside does nothing") << false << "press outside" << false << QList<bool>{};
        QTest::newRow("checking by code is signalled") << false << "set on" << true << QList<bool>{true};
        QTest::newRow("unchecking by code is signalled") << true << "set off" << false << QList<bool>{false};
        QTest::newRow("setting the same state is silent") << true << "set on" << true << QList<bool>{};
    }
    void customRadioBehavesAsARadio()
    {
        QFETCH(bool, checked); QFETCH(QString, action); QFETCH(bool, after); QFETCH(QList<bool>, signalled);
        Window window;
        auto* radio = window.add(NxCustomRadioButton::createCustomRadioButton(window.top.get()));
        radio->setDisplayText("Clip selection");
        radio->setChecked(checked);
        QVERIFY(window.show());
        QSignalSpy changes(radio, &NxCustomRadioButton::sigStateChanged);
        if (action == "click") {
            QTest::mouseClick(radio, Qt::LeftButton);
        } else if (action == "press outside") {
            QTest::mousePress(radio, Qt::LeftButton);
            QTest::mouseRelease(radio, Qt::LeftButton, {}, QPoint(radio->width() + 20, -10));
        } else {
            radio->setChecked(action == "set on");
        }
        QCOMPARE(radio->isChecked(), after);
        QList<bool> seen;
        for (const QList<QVariant>& change : changes)
            seen << change.first().toBool();
        QCOMPARE(seen, signalled);
    }

    void disabledControlsLookDimmed_data()
    {
        QTest::addColumn<int>("which");
        for (int which = 0; which < Controls.size(); ++which)
            QTest::newRow(Controls[which].first) << which;
    }
    void disabledControlsLookDimmed()
    {
        QFETCH(int, which);
        std::unique_ptr<QWidget> control(Controls[which].second(nullptr));
        control->resize(control->sizeHint().expandedTo(control->size()));
        const QImage enabled = shot(control.get());
        control->setEnabled(false);
        QVERIFY(!same(shot(control.get()), enabled));
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
        style()->SetSkinKind(skin);
        std::unique_ptr<NxPropertyNonLineSliderEx> slider(speedSlider(nullptr));
        slider->setCurIndex(index);
        // Above the groove and the step dots only the handle is drawn, in the accent.
        const QImage image = shot(slider.get());
        QList<int> handle;
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixel(x, 1), role(NxSkinColor::VarneloX_Primary), 30))
                handle << x;
        const qreal centre = handle.isEmpty() ? -100 : (handle.first() + handle.last()) / 2.0;
        QVERIFY2(qAbs(centre - index * slider->width() / qreal(Speeds.size() - 1)) <= 8, qPrintable(QString::number(centre)));
        QVERIFY(handle.last() - handle.first() <= 8);
    }

    void messageBoxAnswersWithTheButtonUsed_data()
    {
        // preset: the check box's first state, -1 for a box without one
        columns<QString, int, int, int, bool>({"answer", "preset", "ticks", "code", "checked"});
        QTest::newRow("the cross answers no button") << "\u2715" << 0 << 0 << int(NoButton) << false;
        QTest::newRow("Confirm answers 2, ticked by the user") << "Confirm" << 0 << 1 << int(Confirm) << true;
        QTest::newRow("Cancel answers 3, a preset tick cleared") << "Cancel" << 1 << 1 << int(Cancel) << false;
        QTest::newRow("Escape answers no button, a preset tick kept") << "Escape" << 1 << 0 << int(NoButton) << true;
        QTest::newRow("no check box reads unticked") << "Confirm" << -1 << 0 << int(Confirm) << false;
    }
    void messageBoxAnswersWithTheButtonUsed()
    {
        QFETCH(QString, answer); QFETCH(int, preset); QFETCH(int, ticks); QFETCH(int, code); QFETCH(bool, checked);
        NMessageBoxParams params;
        params.title = QStringLiteral("Delete task tips");
        params.text = QStringLiteral("Are you sure?");
        params.buttons = {Cancel, Confirm};
        params.buttonTexts = QStringList{QStringLiteral("Confirm"), QStringLiteral("Cancel")};
        params.checkBoxText = preset < 0 ? QString() : QStringLiteral("Stop asking for now.");
        params.checkBoxChecked = preset != 0;
        NMessageDialog box;
        box.Init(params);
        answerNextBox(this, answer, ticks);
        QCOMPARE(int(box.ShowModel()), code);
        QCOMPARE(box.CheckBoxChecked(), checked);
    }

    void informationIsTrueOnlyForOk_data()
    {
        columns<QString, bool, QString, bool>({"answer", "withCancel", "confirmText", "result"});
        QTest::newRow("OK confirms") << "OK" << false << "" << true;
        QTest::newRow("its own caption confirms") << "Got it" << false << "Got it" << true;
        QTest::newRow("Cancel declines") << "Cancel" << true << "" << false;
        QTest::newRow("Escape declines") << "Escape" << false << "" << false;
    }
    void informationIsTrueOnlyForOk()
    {
        QFETCH(QString, answer); QFETCH(bool, withCancel); QFETCH(QString, confirmText); QFETCH(bool, result);
        int buttons = 0;
        answerNextBox(this, answer, 0, &buttons);
        QCOMPARE(NMessageDialog::Infomation(QStringLiteral("Saved."), nullptr, Ok, QString(), confirmText, QString(),
                                            withCancel), result);
        QCOMPARE(buttons, withCancel ? 2 : 1);
    }

    void spinnerTurnsUntilStoppedOnceOrItsIntervalEnds()
    {
        NxLoadingHelper spinner;
        QSignalSpy updates(&spinner, &NxLoadingHelper::sigUpdate);
        QSignalSpy stopped(&spinner, &NxLoadingHelper::sigStopped);
        spinner.stop(); // never started: nothing to stop
        spinner.start();
        const QImage first = frame(spinner);
        QTRY_VERIFY(updates.count() >= 4);
        QVERIFY(frame(spinner) != first);
        QVERIFY(spinner.isRuning()); // no interval: it runs until stopped
        spinner.stop();
        spinner.stop();
        QCOMPARE(stopped.count(), 1);
        QVERIFY(!spinner.isRuning());
        // Given an interval, it stops by itself once that has passed.
        spinner.setInterval(150);
        QElapsedTimer clock;
        clock.start();
        spinner.start();
        QVERIFY(stopped.wait(5000));
        QVERIFY(clock.elapsed() >= 150 && !spinner.isRuning());
        QCOMPARE(stopped.count(), 2);
    }

    // Inside a plain widget, as the module's panels are; Qt tells every widget alike.
    void widgetsRereadTextsOnLanguageChange()
    {
        QWidget window;
        auto* probe = new Probe(&window);
        NxMapTranslator translator;
        translator.texts.insert({"Probe", "Hello"}, QStringLiteral("Bonjour"));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QTRY_COMPARE(probe->label->text(), QStringLiteral("Bonjour"));
        QCOMPARE(probe->retranslated, 1);
        QCOMPARE(probe->translated, 1);
        QVERIFY(QCoreApplication::removeTranslator(&translator));
        QTRY_COMPARE(probe->label->text(), QStringLiteral("Hello"));
        QCOMPARE(probe->translated, 2);
    }
};

QTEST_MAIN(WidgetKitTest)
#include "tst_widgetkit.moc"
