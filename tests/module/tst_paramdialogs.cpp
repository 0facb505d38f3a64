#include "NMessageDialog.h"
#include "NxAppSettings.h"
#include "NxCheckBox.h"
#include "NxComboBox.h"
#include "NxConfig.h"
#include "NxCustomRadioButton.h"
#include "NxDataColumns.h"
#include "NxDialogDriver.h"
#include "NxEventRecorder.h"
#include "NxHostWindowWatch.h"
#include "NxMatchCheckBox.h"
#include "NxMessageBoxWatch.h"
#include "NxPaintProbe.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxRadioButton.h"
#include "NxScriptedVoiceServices.h"
#include "NxSpeechLanguages.h"
#include "NxSpeechToTextParamDialog.h"
#include "NxTestHome.h"
#include "NxTextToSpeechParamDialog.h"
#include "NxTextToSpeechParamDlg.h"
#include "NxVoiceItem.h"
#include "NxVoicePanel.h"

#include <QApplication>
#include <QLabel>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace
{
const QString SpeechToText = QStringLiteral("speech-to-text");
const QString TextToSpeech = QStringLiteral("text-to-speech");
const QString Classic = QStringLiteral("classic text-to-speech");
const QString MatchText = QStringLiteral("Transcriptions are automatically matched to the timeline");
const QString SttPopup = QStringLiteral("embeded_window_popup{window_name=STT_params_setting}");
const QString TtsPopup = QStringLiteral("embeded_window_popup{window_name=TTS_params_setting}");

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

// The three parameter dialogs a host opens: what they share, and the
// speech-to-text dialog's own choices.
class ParamDialogsTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    std::unique_ptr<NxEventRecorder> m_events;
    std::unique_ptr<NxFramelessDialog> m_dialog;

    void open(const QString& dialog, int interfaceLanguage = 1)
    {
        NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetLanguage(interfaceLanguage);
        m_events = std::make_unique<NxEventRecorder>();
        if (dialog == SpeechToText)
            m_dialog = std::make_unique<NxSpeechToTextParamDialog>(nullptr);
        else if (dialog == TextToSpeech)
            m_dialog = std::make_unique<NxTextToSpeechParamDialog>(nullptr);
        else
            m_dialog = std::make_unique<NxTextToSpeechParamDlg>(nullptr);
    }
    NxSpeechToTextParamDialog* stt() const { return static_cast<NxSpeechToTextParamDialog*>(m_dialog.get()); }
    void watchHost(QWidget* host)
    {
        if (auto* dialog = qobject_cast<NxSpeechToTextParamDialog*>(m_dialog.get()))
            dialog->setWidget(host);
        else
            qobject_cast<NxTextToSpeechParamDialog*>(m_dialog.get())->setWidget(host);
    }
    NxCustomRadioButton* radio(const QString& text) const
    {
        return childCaptioned<NxCustomRadioButton>(m_dialog.get(), text, &NxCustomRadioButton::displayText);
    }
    NxCustomRadioButton* clip() const { return radio(QStringLiteral("Clip selection")); }
    NxCustomRadioButton* timeline() const { return radio(QStringLiteral("The entire timeline sequence")); }
    NxCheckBox* matchBox() const { return m_dialog->findChild<NxCheckBox*>(); }
    NxComboBox* combo() const { return m_dialog->findChild<NxComboBox*>(); }
    void clickMatchBox() { QTest::mouseClick(matchBox(), Qt::LeftButton, {}, QPoint(8, matchBox()->height() / 2)); }
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
        for (const QString how : {"Cancel", "Escape", "close", "Return"}) {
            QTest::addRow("%s, %s", qPrintable(SpeechToText), qPrintable(how)) << SpeechToText << how << QStringList{SttPopup};
            QTest::addRow("%s, %s", qPrintable(TextToSpeech), qPrintable(how)) << TextToSpeech << how << QStringList{TtsPopup};
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
            QTest::addRow("%s: closed, the host may minimise", qPrintable(dialog)) << dialog << "closed" << false;
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
        if (host == "closed") {
            // The watch goes on ticking while the dialog exists; it leaves a closed dialog's host alone.
            QTimer* watch = nullptr;
            for (QTimer* timer : m_dialog->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
                watch = timer->interval() == NxHostWindowWatch::Interval ? timer : watch;
            QVERIFY(watch);
            QSignalSpy ticks(watch, &QTimer::timeout);
            window.showMinimized();
            QVERIFY(ticks.wait() && ticks.wait());
            QVERIFY(window.isMinimized());
            return;
        }
        m_dialog->show();
        if (host == "hide")
            window.hide();
        else
            window.setWindowState(window.windowState() | Qt::WindowMinimized);
        QTRY_VERIFY(window.isVisible() && !window.isMinimized());
        QCOMPARE(window.isMaximized(), maximised);
        QTRY_COMPARE(QApplication::activeWindow(), m_dialog.get());
    }

    void theMatchBoxBreaksAfterSixtyCharacters_data()
    {
        columns<QString, QString, int>({"text", "shown", "height"});
        const QString fifty(50, 'a');
        QTest::newRow("the English text is one line") << MatchText << MatchText << 16;
        QTest::newRow("60 characters stay on one line") << fifty + " bbbbbbbbb" << fifty + " bbbbbbbbb" << 16;
        QTest::newRow("61 characters break at the last space") << fifty + " bbbb ccccc" << fifty + " bbbb\nccccc" << 32;
        QTest::newRow("blanks around the break are dropped") << fifty + " b   cccccc  " << fifty + " b  \ncccccc" << 32;
        QTest::newRow("no space in the first 60: one line") << QString(60, 'a') + " bbbb" << QString(60, 'a') + " bbbb" << 16;
        QTest::newRow("a leading space only: one line") << " " + QString(70, 'a') << " " + QString(70, 'a') << 16;
    }
    void theMatchBoxBreaksAfterSixtyCharacters()
    {
        QFETCH(QString, text); QFETCH(QString, shown); QFETCH(int, height);
        std::unique_ptr<NxCheckBox> box(createMatchCheckBox(nullptr));
        box->setText(text);
        wrapCheckBoxText(box.get());
        QCOMPARE(box->text(), shown);
        QCOMPARE(box->height(), height);
    }

    void aLanguageChangeRetranslatesTheOpenDialog_data()
    {
        columns<QString, QByteArray>({"dialog", "context"});
        QTest::newRow(qPrintable(SpeechToText)) << SpeechToText << QByteArray("NxSpeechToTextParamPanel");
        QTest::newRow(qPrintable(TextToSpeech)) << TextToSpeech << QByteArray("NxTextToSpeechParamVarneloPanel");
    }
    void aLanguageChangeRetranslatesTheOpenDialog()
    {
        QFETCH(QString, dialog); QFETCH(QByteArray, context);
        open(dialog);
        m_dialog->show();
        const int chosen = combo()->currentIndex();
        NxMapTranslator translator;
        translator.texts.insert({context, MatchText.toUtf8()}, QString(50, 'a') + QStringLiteral(" bbbb ccccc"));
        translator.texts.insert({context, "OK"}, QStringLiteral("Gut"));
        QCoreApplication::installTranslator(&translator); // windows hear of it through a posted event
        const auto removed = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        QTRY_COMPARE(matchBox()->text(), QString(50, 'a') + QStringLiteral(" bbbb\nccccc"));
        QCOMPARE(matchBox()->height(), 32);
        // Both lines stay inside the fixed-size dialog.
        QVERIFY(m_dialog->rect().contains(QRect(matchBox()->mapTo(m_dialog.get(), QPoint()), matchBox()->size())));
        QVERIFY(childCaptioned<NxPushButton>(m_dialog.get(), QStringLiteral("Gut")));
        QCOMPARE(combo()->currentIndex(), chosen);
    }

    // Text-to-speech previews: the voice-list dialog on a double-clicked
    // tile, the classic one on its button.
    void aPreviewThatCannotStartSaysSo_data()
    {
        columns<QString, bool, bool, QString, bool>({"dialog", "plays", "networkError", "box", "asked"});
        const QString network = QStringLiteral("Network error, please check network settings or try again.");
        const QString failed = QStringLiteral("Network Failed Please Try");
        QTest::newRow("voice list: a network error is explained") << TextToSpeech << false << true << network << true;
        QTest::newRow("voice list: another failure says nothing") << TextToSpeech << false << false << "" << true;
        QTest::newRow("voice list: a preview that plays asks nothing more") << TextToSpeech << true << true << "" << false;
        QTest::newRow("classic: playing shows nothing") << Classic << true << false << "" << false;
        QTest::newRow("classic: not playing") << Classic << false << false << failed << false;
        QTest::newRow("classic: a network error") << Classic << false << true << failed << false;
    }
    void aPreviewThatCannotStartSaysSo()
    {
        QFETCH(QString, dialog); QFETCH(bool, plays); QFETCH(bool, networkError); QFETCH(QString, box);
        QFETCH(bool, asked);
        open(dialog);
        m_dialog->show();
        NxScriptedVoiceAudition::latest()->script(plays, networkError);
        QStringList shown;
        QObject watch;
        whenMessageBoxOpens(&watch, [&](NMessageDialog* message) {
            for (auto* text : message->findChildren<QLabel*>())
                if (!text->text().isEmpty())
                    shown << text->text();
            answerBox(message, QStringLiteral("OK"));
        });
        if (dialog == Classic)
            QTest::mouseClick(childCaptioned<NxPushButton>(m_dialog.get(), "Try Listen"), Qt::LeftButton);
        else
            QTest::mouseDClick(m_dialog->findChild<NxVoicePanel*>()->items().at(0), Qt::LeftButton);
        QCOMPARE(shown.contains(box), !box.isEmpty());
        QCOMPARE(NxScriptedVoiceAudition::latest()->calls().contains("isNetworkError"), asked);
        QVERIFY(m_dialog->isVisible());
    }

    void fillingTheLanguageComboListsEighteenSilently()
    {
        std::unique_ptr<NxComboBox> combo(NxComboBox::CreateComboBox(nullptr));
        QSignalSpy changes(combo.get(), qOverload<int>(&QComboBox::currentIndexChanged));
        fillLanguageCombo(combo.get());
        QCOMPARE(changes.count(), 0);
        QCOMPARE(combo->count(), 18);
    }

    void radiosStayExclusiveWithoutFeedback_data()
    {
        columns<bool, bool, QStringList, bool, bool, int, int>(
            {"timelineChecked", "timelineEnabled", "clicks", "clipChecked", "timelineOn", "clipSignals", "timelineSignals"});
        QTest::newRow("clicking the timeline unchecks the clip")
            << false << true << QStringList{"timeline"} << false << true << 0 << 1;
        QTest::newRow("clicking the clip again unchecks the timeline")
            << false << true << QStringList{"timeline", "clip"} << true << false << 1 << 1;
        QTest::newRow("clicking the checked clip changes nothing") << false << true << QStringList{"clip"} << true << false << 0 << 0;
        QTest::newRow("the host checks the timeline") << true << true << QStringList{} << false << true << 0 << 1;
        QTest::newRow("a disabled timeline cannot be clicked")
            << false << false << QStringList{"timeline"} << true << false << 0 << 0;
        QTest::newRow("a checked, disabled timeline: clicking the clip leaves it alone")
            << true << false << QStringList{"clip"} << true << true << 1 << 1;
    }
    void radiosStayExclusiveWithoutFeedback()
    {
        QFETCH(bool, timelineChecked); QFETCH(bool, timelineEnabled); QFETCH(QStringList, clicks);
        QFETCH(bool, clipChecked); QFETCH(bool, timelineOn); QFETCH(int, clipSignals); QFETCH(int, timelineSignals);
        open(SpeechToText);
        m_dialog->show();
        QSignalSpy clipSpy(clip(), &NxCustomRadioButton::sigStateChanged);
        QSignalSpy timelineSpy(timeline(), &NxCustomRadioButton::sigStateChanged);
        stt()->setTimelineRatioState(timelineChecked, timelineEnabled);
        for (const QString& click : clicks)
            QTest::mouseClick(click == "clip" ? clip() : timeline(), Qt::LeftButton);
        QCOMPARE(clip()->isChecked(), clipChecked);
        QCOMPARE(timeline()->isChecked(), timelineOn);
        QCOMPARE(stt()->GetParam().isClip, clipChecked);
        QCOMPARE(clipSpy.count(), clipSignals);
        QCOMPARE(timelineSpy.count(), timelineSignals);
    }

    // The report names the language; the record carries its code.
    void okReportsTheTranscriptionChoiceBeforeClosing_data()
    {
        columns<int, QStringList, QString, QString>({"interfaceLanguage", "actions", "code", "report"});
        QTest::newRow("as opened: the clip, matched")
            << 1 << QStringList{} << "en-US" << "STT_language=English (US),Select_converted=clip,is_use_check=true";
        QTest::newRow("whole timeline, the user unchecks the box") << 3 << QStringList{"timeline", "box"} << "es-ES"
            << "STT_language=Spanish (Spain),Select_converted=sequence,is_use_check=false";
        QTest::newRow("the host's Cantonese (8); a disabled box reports false despite its mark") << 8 << QStringList{"disable box"}
            << "yue-HK" << "STT_language=Chinese (Cantonese),Select_converted=clip,is_use_check=false";
        QTest::newRow("English (UK), listed second")
            << 19 << QStringList{} << "en-GB" << "STT_language=English (UK),Select_converted=clip,is_use_check=true";
        QTest::newRow("18 is no language") << 18 << QStringList{} << "" << "STT_language=,Select_converted=clip,is_use_check=true";
        QTest::newRow("0 is no language") << 0 << QStringList{} << "" << "STT_language=,Select_converted=clip,is_use_check=true";
        QTest::newRow("no language, then the user picks the first")
            << 18 << QStringList{"down"} << "en-US" << "STT_language=English (US),Select_converted=clip,is_use_check=true";
    }
    void okReportsTheTranscriptionChoiceBeforeClosing()
    {
        QFETCH(int, interfaceLanguage); QFETCH(QStringList, actions); QFETCH(QString, code); QFETCH(QString, report);
        open(SpeechToText, interfaceLanguage);
        QStringList atClose;
        connect(m_dialog.get(), &QDialog::finished, this, [&] { atClose = m_events->summaries(); });
        whenModal(this, [&](QWidget*) {
            if (actions.contains("timeline"))
                QTest::mouseClick(timeline(), Qt::LeftButton);
            if (actions.contains("box"))
                clickMatchBox();
            if (actions.contains("disable box"))
                stt()->setCheckState(true, false);
            if (actions.contains("down"))
                QTest::keyClick(combo(), Qt::Key_Down);
            QTest::mouseClick(childCaptioned<NxPushButton>(m_dialog.get(), "OK"), Qt::LeftButton);
        });
        QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));
        QCOMPARE(atClose, (QStringList{SttPopup, "STT_params_setting{" + report + "}"}));
        QCOMPARE(stt()->GetParam().language, code);
    }
};

QTEST_MAIN(ParamDialogsTest)
#include "tst_paramdialogs.moc"
