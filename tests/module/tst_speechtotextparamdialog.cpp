#include "NxAppSettings.h"
#include "NxCheckBox.h"
#include "NxComboBox.h"
#include "NxCustomRadioButton.h"
#include "NxDataColumns.h"
#include "NxDialogDriver.h"
#include "NxEventRecorder.h"
#include "NxPushButton.h"
#include "NxSpeechLanguages.h"
#include "NxSpeechToTextParamDialog.h"
#include "NxTestHome.h"

#include <QSignalSpy>
#include <QTest>
#include <QScopeGuard>
#include <QTranslator>

namespace
{
// Answers the panel's texts from a table, as a loaded translation would.
class TableTranslator : public QTranslator
{
public:
    QHash<QString, QString> texts;

    // Installing a translator announces a language change only when it is not empty.
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return qstrcmp(context, "NxSpeechToTextParamPanel") == 0 ? texts.value(QString::fromUtf8(source)) : QString();
    }
};

const QString MatchText = QStringLiteral("Transcriptions are automatically matched to the timeline");
const QString Popup = QStringLiteral("embeded_window_popup{window_name=STT_params_setting}");

void setInterfaceLanguage(int language)
{
    NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetLanguage(language);
}
}

// The parameter dialog a host shows before a transcription, driven as a user would.
class SpeechToTextParamDialogTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    std::unique_ptr<NxEventRecorder> m_events;
    std::unique_ptr<NxSpeechToTextParamDialog> m_dialog;

    NxCustomRadioButton* radio(const QString& text) const
    {
        return childCaptioned<NxCustomRadioButton>(m_dialog.get(), text, &NxCustomRadioButton::displayText);
    }
    NxCustomRadioButton* clip() const { return radio(QStringLiteral("Clip selection")); }
    NxCustomRadioButton* timeline() const { return radio(QStringLiteral("The entire timeline sequence")); }
    NxCheckBox* matchBox() const { return m_dialog->findChild<NxCheckBox*>(); }
    NxComboBox* combo() const { return m_dialog->findChild<NxComboBox*>(); }
    void open(int language = 1)
    {
        setInterfaceLanguage(language);
        m_events = std::make_unique<NxEventRecorder>();
        m_dialog = std::make_unique<NxSpeechToTextParamDialog>(nullptr);
    }

private slots:
    void cleanup()
    {
        m_dialog.reset();
        m_events.reset();
    }

    void languageComboStartsOnTheInterfaceLanguage_data()
    {
        columns<int, QString, QString>({"interfaceLanguage", "shown", "code"});
        QTest::newRow("English") << 1 << "English (US)" << "en-US";
        QTest::newRow("the host's Cantonese (8) is Chinese (Cantonese)") << 8 << "Chinese (Cantonese)" << "yue-HK";
        QTest::newRow("English (UK), listed second") << 19 << "English (UK)" << "en-GB";
        QTest::newRow("18 is no language: nothing chosen") << 18 << "" << "";
        QTest::newRow("0 is no language: nothing chosen") << 0 << "" << "";
    }
    void languageComboStartsOnTheInterfaceLanguage()
    {
        QFETCH(int, interfaceLanguage); QFETCH(QString, shown); QFETCH(QString, code);
        setInterfaceLanguage(interfaceLanguage);
        std::unique_ptr<NxComboBox> combo(NxComboBox::CreateComboBox(nullptr));
        QSignalSpy changes(combo.get(), qOverload<int>(&QComboBox::currentIndexChanged));
        fillLanguageCombo(combo.get());
        QCOMPARE(changes.count(), 0);
        QCOMPARE(combo->count(), 18);
        QCOMPARE(combo->currentText(), shown);
        open(interfaceLanguage);
        QCOMPARE(m_dialog->GetParam().language, code);
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
        open();
        m_dialog->show();
        QSignalSpy clipSpy(clip(), &NxCustomRadioButton::sigStateChanged);
        QSignalSpy timelineSpy(timeline(), &NxCustomRadioButton::sigStateChanged);
        m_dialog->setTimelineRatioState(timelineChecked, timelineEnabled);
        for (const QString& click : clicks)
            QTest::mouseClick(click == "clip" ? clip() : timeline(), Qt::LeftButton);
        QCOMPARE(clip()->isChecked(), clipChecked);
        QCOMPARE(timeline()->isChecked(), timelineOn);
        QCOMPARE(m_dialog->GetParam().isClip, clipChecked);
        QCOMPARE(clipSpy.count(), clipSignals);
        QCOMPARE(timelineSpy.count(), timelineSignals);
    }

    void onlyAnEnabledCheckedBoxAttaches_data()
    {
        columns<bool, bool, bool, bool, bool>({"checked", "enabled", "click", "marked", "attach"});
        QTest::newRow("as opened") << true << true << false << true << true;
        QTest::newRow("the user unchecks it") << true << true << true << false << false;
        QTest::newRow("disabled with a mark") << true << false << false << true << false;
        QTest::newRow("disabled, clicks do nothing") << false << false << true << false << false;
    }
    void onlyAnEnabledCheckedBoxAttaches()
    {
        QFETCH(bool, checked); QFETCH(bool, enabled); QFETCH(bool, click); QFETCH(bool, marked); QFETCH(bool, attach);
        open();
        m_dialog->show();
        m_dialog->setCheckState(checked, enabled);
        if (click)
            QTest::mouseClick(matchBox(), Qt::LeftButton, {}, QPoint(8, matchBox()->height() / 2));
        QCOMPARE(matchBox()->isChecked(), marked);
        QCOMPARE(m_dialog->GetParam().attachResult, attach);
    }

    void longCheckBoxTextsBreakAfterSixtyCharacters_data()
    {
        columns<QString, QString, int>({"translation", "shown", "height"});
        const QString fifty = QString(50, 'a');
        QTest::newRow("the English text is one line") << "" << MatchText << 16;
        QTest::newRow("60 characters stay on one line") << fifty + " bbbbbbbbb" << fifty + " bbbbbbbbb" << 16;
        QTest::newRow("61 characters break at the last space")
            << fifty + " bbbb ccccc" << fifty + " bbbb\nccccc" << 32;
        QTest::newRow("blanks around the break are dropped")
            << fifty + " b   cccccc  " << fifty + " b  \ncccccc" << 32;
        QTest::newRow("no space in the first 60: one line")
            << QString(60, 'a') + " bbbb" << QString(60, 'a') + " bbbb" << 16;
        QTest::newRow("a leading space only: one line") << " " + QString(70, 'a') << " " + QString(70, 'a') << 16;
    }
    void longCheckBoxTextsBreakAfterSixtyCharacters()
    {
        QFETCH(QString, translation); QFETCH(QString, shown); QFETCH(int, height);
        TableTranslator translator;
        if (!translation.isEmpty())
            translator.texts.insert(MatchText, translation);
        QCoreApplication::installTranslator(&translator);
        const auto removed = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        open();
        m_dialog->show();
        QCOMPARE(matchBox()->text(), shown);
        QCOMPARE(matchBox()->height(), height);
        // Both lines stay inside the fixed-size dialog.
        QVERIFY(m_dialog->rect().contains(QRect(matchBox()->mapTo(m_dialog.get(), QPoint()), matchBox()->size())));
    }

    void aLanguageChangeRetranslatesTheOpenDialog()
    {
        open();
        m_dialog->show();
        const int chosen = combo()->currentIndex();
        TableTranslator translator;
        translator.texts.insert(MatchText, QString(50, 'a') + QStringLiteral(" bbbb ccccc"));
        translator.texts.insert(QStringLiteral("Clip selection"), QStringLiteral("Clip"));
        QCoreApplication::installTranslator(&translator); // windows hear of it through a posted event
        QTRY_COMPARE(matchBox()->text(), QString(50, 'a') + QStringLiteral(" bbbb\nccccc"));
        QCOMPARE(matchBox()->height(), 32);
        QVERIFY(radio(QStringLiteral("Clip")));
        QCOMPARE(combo()->currentIndex(), chosen);
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(matchBox()->text(), MatchText);
        QCOMPARE(matchBox()->height(), 16);
        QVERIFY(clip());
    }

    void okReportsTheChoiceBeforeClosing_data()
    {
        columns<int, QStringList, QString>({"interfaceLanguage", "actions", "report"});
        QTest::newRow("as opened")
            << 1 << QStringList{} << "STT_params_setting{STT_language=English (US),Select_converted=clip,is_use_check=true}";
        QTest::newRow("whole timeline, not matched") << 3 << QStringList{"timeline", "box"}
            << "STT_params_setting{STT_language=Spanish (Spain),Select_converted=sequence,is_use_check=false}";
        QTest::newRow("a disabled box reports false") << 8 << QStringList{"disable box"}
            << "STT_params_setting{STT_language=Chinese (Cantonese),Select_converted=clip,is_use_check=false}";
        QTest::newRow("no language: empty name") << 18 << QStringList{}
            << "STT_params_setting{STT_language=,Select_converted=clip,is_use_check=true}";
        QTest::newRow("no language, then the user picks the first") << 18 << QStringList{"down"}
            << "STT_params_setting{STT_language=English (US),Select_converted=clip,is_use_check=true}";
    }
    void okReportsTheChoiceBeforeClosing()
    {
        QFETCH(int, interfaceLanguage); QFETCH(QStringList, actions); QFETCH(QString, report);
        open(interfaceLanguage);
        QStringList atClose;
        connect(m_dialog.get(), &QDialog::finished, this, [&] { atClose = m_events->summaries(); });
        whenModal(this, [&](QWidget*) {
            for (const QString& action : actions) {
                if (action == "timeline")
                    QTest::mouseClick(timeline(), Qt::LeftButton);
                else if (action == "box")
                    QTest::mouseClick(matchBox(), Qt::LeftButton, {}, QPoint(8, matchBox()->height() / 2));
                else if (action == "disable box")
                    m_dialog->setCheckState(true, false);
                else if (action == "down")
                    QTest::keyClick(combo(), Qt::Key_Down);
            }
            QTest::mouseClick(childCaptioned<NxPushButton>(m_dialog.get(), "OK"), Qt::LeftButton);
        });
        QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));
        QCOMPARE(atClose, (QStringList{Popup, report}));
    }

};

QTEST_MAIN(SpeechToTextParamDialogTest)
#include "tst_speechtotextparamdialog.moc"
