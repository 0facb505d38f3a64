#include "NxCheckBox.h"
#include "NxConfig.h"
#include "NxDataColumns.h"
#include "NxDialogDriver.h"
#include "NxEventRecorder.h"
#include "NxHostWindowWatch.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxRadioButton.h"
#include "NxScriptedVoiceServices.h"
#include "NxSpeechToTextParamDialog.h"
#include "NxTestHome.h"
#include "NxTextToSpeechParamDialog.h"
#include "NxTextToSpeechParamDlg.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace
{
const QString SpeechToText = QStringLiteral("speech-to-text");
const QString TextToSpeech = QStringLiteral("text-to-speech");
const QString Classic = QStringLiteral("classic text-to-speech");

// Everything the text-to-speech dialogs remember between openings.
QVariantList remembered()
{
    QVariantList values;
    for (const char* key : {"voice", "speed", "pitch"})
        values << NxConfig::Instance().GetAppValue(QStringLiteral("TextToSpeechParam"), key, false, QVariant());
    for (const char* key : {"TextAudioVocalist", "TextAudioIntonation", "TextAudioSpeakRate"})
        values << NxConfig::Instance().GetAppValue(QStringLiteral("TextAudioParam"), key, false, QVariant());
    return values;
}
}

// The three parameter dialogs a host opens, each closed every way a user can.
class ParamDialogsTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    std::unique_ptr<NxEventRecorder> m_events;
    std::unique_ptr<NxFramelessDialog> m_dialog;

    void open(const QString& dialog)
    {
        m_events = std::make_unique<NxEventRecorder>();
        if (dialog == SpeechToText)
            m_dialog = std::make_unique<NxSpeechToTextParamDialog>(nullptr);
        else if (dialog == TextToSpeech)
            m_dialog = std::make_unique<NxTextToSpeechParamDialog>(nullptr);
        else
            m_dialog = std::make_unique<NxTextToSpeechParamDlg>(nullptr);
    }
    void watchHost(QWidget* host)
    {
        if (auto* dialog = qobject_cast<NxSpeechToTextParamDialog*>(m_dialog.get()))
            dialog->setWidget(host);
        else
            qobject_cast<NxTextToSpeechParamDialog*>(m_dialog.get())->setWidget(host);
    }
    // What a user changes before changing their mind: every slider to its end,
    // another radio in each group, the check box.
    void change()
    {
        for (auto* slider : m_dialog->findChildren<NxPropertyNonLineSliderEx*>())
            QTest::keyClick(slider, Qt::Key_End);
        for (auto* radio : m_dialog->findChildren<NxRadioButton*>())
            if (!radio->isChecked())
                QTest::mouseClick(radio, Qt::LeftButton);
        for (auto* box : m_dialog->findChildren<NxCheckBox*>())
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

private slots:
    void initTestCase()
    {
        NxScriptedVoiceAudition::install();
        NxScriptedVoiceQuery::install({true, {{70, "Andy", "en-US-Andy", "en-US", true}, {71, "Emily", "en-US-Emily", "en-US", false}}});
    }
    void cleanup()
    {
        m_dialog.reset();
        m_events.reset();
    }

    void closingWithoutConfirmingRemembersAndReportsNothing_data()
    {
        columns<QString, QString, QStringList>({"dialog", "how", "events"});
        const QStringList sttPopup{"embeded_window_popup{window_name=STT_params_setting}"};
        const QStringList ttsPopup{"embeded_window_popup{window_name=TTS_params_setting}"};
        for (const QString how : {"Cancel", "Escape", "close", "Return"}) {
            QTest::addRow("%s, %s", qPrintable(SpeechToText), qPrintable(how)) << SpeechToText << how << sttPopup;
            QTest::addRow("%s, %s", qPrintable(TextToSpeech), qPrintable(how)) << TextToSpeech << how << ttsPopup;
            if (how != QLatin1String("Cancel"))
                QTest::addRow("%s, %s", qPrintable(Classic), qPrintable(how)) << Classic << how << QStringList();
        }
    }
    void closingWithoutConfirmingRemembersAndReportsNothing()
    {
        QFETCH(QString, dialog); QFETCH(QString, how); QFETCH(QStringList, events);
        const QVariantList before = remembered();
        open(dialog);
        QVariantList atClose;
        connect(m_dialog.get(), &QDialog::finished, this, [&] { atClose = remembered(); });
        whenModal(this, [&](QWidget* modal) {
            QCOMPARE(modal, m_dialog.get());
            change();
            dismissDialog(m_dialog.get(), how);
        });
        QCOMPARE(m_dialog->exec(), int(QDialog::Rejected));
        QCOMPARE(atClose, before);
        QCOMPARE(m_events->summaries(), events);
    }

    void aShownDialogBringsItsHostWindowBack_data()
    {
        columns<QString, QString, bool>({"dialog", "host", "maximised"});
        for (const QString& dialog : {SpeechToText, TextToSpeech}) {
            QTest::addRow("%s: minimised", qPrintable(dialog)) << dialog << "minimise" << false;
            QTest::addRow("%s: minimised while maximised stays maximised", qPrintable(dialog)) << dialog << "minimise" << true;
            QTest::addRow("%s: hidden", qPrintable(dialog)) << dialog << "hide" << false;
        }
    }
    void aShownDialogBringsItsHostWindowBack()
    {
        QFETCH(QString, dialog); QFETCH(QString, host); QFETCH(bool, maximised);
        QWidget window;
        auto* timelineView = new QWidget(&window);
        maximised ? window.showMaximized() : window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        open(dialog);
        watchHost(timelineView);
        m_dialog->show();
        if (host == "hide")
            window.hide();
        else
            window.setWindowState(window.windowState() | Qt::WindowMinimized);
        QTRY_VERIFY(window.isVisible() && !window.isMinimized());
        QCOMPARE(window.isMaximized(), maximised);
        QTRY_COMPARE(QApplication::activeWindow(), m_dialog.get());
    }

    void aClosedDialogLetsTheHostMinimise_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow(qPrintable(SpeechToText)) << SpeechToText;
        QTest::newRow(qPrintable(TextToSpeech)) << TextToSpeech;
    }
    void aClosedDialogLetsTheHostMinimise()
    {
        QFETCH(QString, dialog);
        QWidget window;
        window.show();
        open(dialog);
        watchHost(&window);
        QTimer* watch = nullptr;
        for (QTimer* timer : m_dialog->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
            watch = timer->interval() == NxHostWindowWatch::Interval ? timer : watch;
        QVERIFY(watch);
        QSignalSpy ticks(watch, &QTimer::timeout);
        window.showMinimized();
        QVERIFY(ticks.wait() && ticks.wait());
        QVERIFY(window.isMinimized());
    }
};

QTEST_MAIN(ParamDialogsTest)
#include "tst_paramdialogs.moc"
