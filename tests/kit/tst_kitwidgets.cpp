#include "NMessageDialog.h"
#include "NxDataColumns.h"
#include "NxLoadingHelper.h"
#include "NxMessageBoxWatch.h"
#include "NxWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <memory>

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

class HelloTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return qstrcmp(context, "Probe") == 0 && qstrcmp(source, "Hello") == 0 ? QStringLiteral("Bonjour") : QString();
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

class KitWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxAnswersWithTheButtonUsed_data()
    {
        // preset: the check box's first state, -1 for a box without one
        columns<QString, int, int, int, bool>({"answer", "preset", "ticks", "code", "checked"});
        QTest::newRow("Confirm answers 2") << "Confirm" << 0 << 0 << int(Confirm) << false;
        QTest::newRow("Cancel answers 3") << "Cancel" << 0 << 0 << int(Cancel) << false;
        QTest::newRow("Escape answers no button") << "Escape" << 0 << 0 << int(NoButton) << false;
        QTest::newRow("the cross answers no button") << "\u2715" << 0 << 0 << int(NoButton) << false;
        QTest::newRow("ticked by the user") << "Confirm" << 0 << 1 << int(Confirm) << true;
        QTest::newRow("ticked, then unticked") << "Confirm" << 0 << 2 << int(Confirm) << false;
        QTest::newRow("preset tick cleared") << "Cancel" << 1 << 1 << int(Cancel) << false;
        QTest::newRow("preset tick kept on Escape") << "Escape" << 1 << 0 << int(NoButton) << true;
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
        QTest::newRow("OK beside Cancel confirms") << "OK" << true << "" << true;
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

    void spinnerTurnsUntilStoppedOnce()
    {
        NxLoadingHelper spinner;
        QSignalSpy updates(&spinner, &NxLoadingHelper::sigUpdate);
        QSignalSpy stopped(&spinner, &NxLoadingHelper::sigStopped);
        spinner.stop(); // never started: nothing to stop
        QVERIFY(!spinner.isRuning());
        spinner.start();
        QVERIFY(spinner.isRuning());
        const QImage first = frame(spinner);
        QTRY_VERIFY(updates.count() >= 4);
        QVERIFY(frame(spinner) != first);
        QVERIFY(spinner.isRuning()); // no interval: it runs until stopped
        spinner.stop();
        spinner.stop();
        QCOMPARE(stopped.count(), 1);
        QVERIFY(!spinner.isRuning());
    }

    void spinnerStopsByItselfAfterItsInterval()
    {
        NxLoadingHelper spinner;
        spinner.setInterval(150);
        QSignalSpy stopped(&spinner, &NxLoadingHelper::sigStopped);
        QElapsedTimer clock;
        clock.start();
        spinner.start();
        QVERIFY(stopped.wait(5000));
        QVERIFY(clock.elapsed() >= 150);
        QCOMPARE(stopped.count(), 1);
        QVERIFY(!spinner.isRuning());
    }

    void widgetsRereadTextsOnLanguageChange_data()
    {
        QTest::addColumn<bool>("child");
        QTest::newRow("a window") << false;
        QTest::newRow("inside a plain widget") << true;
    }
    void widgetsRereadTextsOnLanguageChange()
    {
        QFETCH(bool, child);
        QWidget window;
        Probe* probe = child ? new Probe(&window) : new Probe;
        std::unique_ptr<Probe> owned(child ? nullptr : probe);
        HelloTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QTRY_COMPARE(probe->label->text(), QStringLiteral("Bonjour"));
        QCOMPARE(probe->retranslated, 1);
        QCOMPARE(probe->translated, 1);
        QVERIFY(QCoreApplication::removeTranslator(&translator));
        QTRY_COMPARE(probe->label->text(), QStringLiteral("Hello"));
        QCOMPARE(probe->translated, 2);
    }
};

QTEST_MAIN(KitWidgetsTest)
#include "tst_kitwidgets.moc"
