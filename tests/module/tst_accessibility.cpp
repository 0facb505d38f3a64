#include "NMessageDialog.h"
#include "NxAppSettings.h"
#include "NxDataColumns.h"
#include "NxMessageBoxWatch.h"
#include "NxPaintProbe.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxReaderListening.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxScriptedVoiceServices.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTable.h"
#include "NxSpeechToTextWidget.h"
#include "NxTestHome.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechParamDialog.h"
#include "NxTextToSpeechParamDlg.h"
#include "NxTextToSpeechTable.h"
#include "NxTextToSpeechWidget.h"
#include "NxTitleClip.h"
#include "NxVoiceAnimationHelper.h"
#include "NxVoiceItem.h"
#include "NxVoicePanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using NxReaderListening::wasTold;

namespace
{
QAccessibleInterface* reader(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}
}

// The module's painted widgets as a screen reader reads them through Qt's accessibility.
class AccessibilityTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    std::unique_ptr<QObject> m_watch; // owns the pending box watches
    std::unique_ptr<NxSpeechServicePresenter> m_presenter;
    std::unique_ptr<NxSpeechToTextHelper> m_stt; // the one of the service under test
    std::unique_ptr<NxTextToSpeechHelper> m_tts;
    std::unique_ptr<QWidget> m_page;
    QAbstractItemView* m_table = nullptr;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;

    QStringList& calls() const
    {
        return m_stt ? NxScriptedSpeechToTextManager::latest()->calls : NxScriptedTextToSpeechManager::latest()->calls;
    }

    // The task tab of a service, shown, with one task named "Intro"; answers its id.
    int openWithTask(bool speechToText)
    {
        if (speechToText) {
            m_stt = std::make_unique<NxSpeechToTextHelper>(m_presenter.get());
            auto* page = new NxSpeechToTextWidget(m_stt.get(), nullptr);
            m_page.reset(page);
            m_table = page->table();
            m_clips.push_back(std::make_unique<NxTimelineClip>(QStringLiteral("Intro"), INxClip::Video, NxRational{25, 1},
                                                               nullptr, NxTimelineClip::Placement{0, 250, 0}));
            m_stt->addClipTasks({m_clips.back().get()}, QStringLiteral("en-US"), false);
        } else {
            m_tts = std::make_unique<NxTextToSpeechHelper>(m_presenter.get());
            auto* page = new NxTextToSpeechWidget(m_tts.get(), nullptr);
            m_page.reset(page);
            m_table = page->table();
            auto title = std::make_unique<NxTitleClip>(QStringLiteral("Intro"), NxRational{25, 1}, 0, 100);
            title->addText(QStringLiteral("words"));
            m_clips.push_back(std::move(title));
            m_tts->addTasks({m_clips.back().get()}, TextToSpeechTaskParam());
        }
        m_page->resize(890, 500);
        m_page->show();
        return speechToText ? NxScriptedSpeechToTextManager::latest()->addedIds.last()
                            : NxScriptedTextToSpeechManager::latest()->addedIds.last();
    }
    // A report from the manager's thread, once the page has taken it in.
    bool deliver(int taskId, int state, int code = 0, int progress = 0)
    {
        QSignalSpy handled(m_stt ? static_cast<QObject*>(m_stt.get()) : m_tts.get(), SIGNAL(sigTaskStateChanged(int)));
        m_stt ? NxScriptedSpeechToTextManager::latest()->reportState(taskId, state, code, progress)
              : NxScriptedTextToSpeechManager::latest()->reportState(taskId, state, code, progress);
        return handled.wait(5000);
    }
    QAccessibleInterface* row(int index) const { return reader(m_table)->child(index); }

private slots:
    void initTestCase()
    {
        NxScriptedSpeechToTextManager::install();
        NxScriptedTextToSpeechManager::install();
        NxScriptedVoiceAudition::install();
        NxScriptedVoiceQuery::install({true, {}});
        QVERIFY(NxReaderListening::start());
    }
    void init()
    {
        NxReaderListening::heard().clear();
        NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetSTTDeleteTaskNoTip(false);
        m_watch = std::make_unique<QObject>();
        m_presenter = std::make_unique<NxSpeechServicePresenter>();
    }
    void cleanup()
    {
        m_watch.reset();
        m_page.reset();
        m_stt.reset();
        m_tts.reset();
        m_presenter.reset();
        m_clips.clear();
    }

    void aTaskRowSaysWhatItShowsWhileItProgresses_data()
    {
        columns<bool, int, QString, QString>({"speechToText", "state", "name", "description"});
        QTest::newRow("speech-to-text, transcribing")
            << true << 8 << "Clip_Intro" << "Duration: 00:00:10\nStatus: In transcription:  %1%";
        QTest::newRow("text-to-speech, converting")
            << false << 6 << "Intro - words" << "Characters: 120\nStatus: In transcription:  %1%  0/120";
    }
    void aTaskRowSaysWhatItShowsWhileItProgresses()
    {
        QFETCH(bool, speechToText); QFETCH(int, state); QFETCH(QString, name); QFETCH(QString, description);
        const int id = openWithTask(speechToText);
        QCOMPARE(reader(m_table)->role(), QAccessible::List);
        QCOMPARE(reader(m_table)->childCount(), 1);
        QCOMPARE(row(0)->role(), QAccessible::ListItem);
        QCOMPARE(row(0)->text(QAccessible::Name), name);
        QVERIFY(deliver(id, state, 0, 10));
        QTRY_COMPARE(row(0)->text(QAccessible::Description), description.arg(10));

        NxReaderListening::heard().clear();
        QVERIFY(deliver(id, state, 0, 42));
        QTRY_VERIFY(wasTold(m_table, QAccessible::DescriptionChanged, 0));
        QCOMPARE(row(0)->text(QAccessible::Description), description.arg(42));
    }

    void aRowsActionsDoWhatItsButtonsDo_data()
    {
        // call: what the manager is asked, "ask" for the purchase question, "reveal" for the file
        columns<bool, int, int, QStringList, QString>({"speechToText", "state", "code", "actions", "call"});
        QTest::newRow("network failure: Retry retries") << true << 7 << 8 << QStringList{"Retry", "Delete"} << "retryTask";
        QTest::newRow("text-to-speech, upload failure: Retry retries")
            << false << 5 << 4 << QStringList{"Retry", "Delete"} << "retryTask";
        QTest::newRow("lack of time: Purchase asks to buy") << true << 9 << 1 << QStringList{"Purchase", "Delete"} << "ask";
        QTest::newRow("completed: Show in folder reveals the file")
            << true << 10 << 0 << QStringList{"Show in folder", "Delete"} << "reveal";
        QTest::newRow("running: Delete asks first, then deletes") << true << 8 << 0 << QStringList{"Delete"} << "removeTask";
    }
    void aRowsActionsDoWhatItsButtonsDo()
    {
        QFETCH(bool, speechToText); QFETCH(int, state); QFETCH(int, code); QFETCH(QStringList, actions);
        QFETCH(QString, call);
        const int id = openWithTask(speechToText);
        QVERIFY(deliver(id, state, code));
        QAccessibleActionInterface* rowActions = row(0)->actionInterface();
        QCOMPARE(rowActions->actionNames(), actions);
        int asks = 0;
        if (m_stt)
            connect(m_stt.get(), &NxSpeechToTextHelper::sigPurchaseRefresh, this, [&] { ++asks; }, Qt::DirectConnection);
        QSignalSpy revealed(m_stt ? static_cast<QObject*>(m_stt.get()) : m_tts.get(), SIGNAL(sigFindMatterLocation(QString)));
        bool asked = false;
        whenMessageBoxOpens(m_watch.get(), [&](NMessageDialog* box) {
            asked = true;
            answerBox(box, QStringLiteral("Confirm"));
        });
        calls().clear();
        rowActions->doAction(actions.first());

        QCOMPARE(asks, call == QLatin1String("ask") ? 1 : 0);
        QCOMPARE(revealed.count(), call == QLatin1String("reveal") ? 1 : 0);
        if (call == QLatin1String("reveal"))
            QVERIFY(revealed.at(0).at(0).toString().endsWith(QStringLiteral("Intro.srt")));
        QCOMPARE(asked, call == QLatin1String("removeTask")); // the question a press on the bin asks
        if (call.endsWith(QLatin1String("Task")))
            QVERIFY(calls().contains(QStringLiteral("%1:%2").arg(call).arg(id)));
        QCOMPARE(reader(m_table)->childCount(), call == QLatin1String("removeTask") ? 0 : 1);
    }

    void voiceTilesSayTheVoiceChosenAndSpeaking()
    {
        NxVoicePanel panel(nullptr);
        panel.addItem(false, QStringLiteral("Emily"), 57, QStringLiteral("en-GB-Emily"));
        panel.addItem(true, QStringLiteral("Luca"), 58, QStringLiteral("en-GB-Luca"));
        NxVoiceItem* emily = panel.items().at(0);
        NxVoiceItem* luca = panel.items().at(1);
        QCOMPARE(reader(emily)->role(), QAccessible::RadioButton);
        QCOMPARE(reader(emily)->text(QAccessible::Name), QStringLiteral("Emily"));
        QCOMPARE(reader(emily)->text(QAccessible::Description), QStringLiteral("Female"));
        QVERIFY(reader(emily)->state().checkable && !reader(emily)->state().checked);

        reader(emily)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(emily->isSelected() && reader(emily)->state().checked);
        QVERIFY(wasTold(emily, QAccessible::StateChanged));

        // Preview: chosen as by a double-click, and the grid asks for the preview.
        QSignalSpy preview(&panel, &NxVoicePanel::sigDoubleClicked);
        NxReaderListening::heard().clear();
        reader(luca)->actionInterface()->doAction(QStringLiteral("Preview"));
        QCOMPARE(preview.count(), 1);
        QCOMPARE(panel.currentItem(), luca);
        QVERIFY(reader(luca)->state().checked && !reader(emily)->state().checked);
        QVERIFY(wasTold(emily, QAccessible::StateChanged) && wasTold(luca, QAccessible::StateChanged));

        QImage frame(24, 24, QImage::Format_ARGB32);
        frame.fill(Qt::white);
        emit NxVoiceAnimationHelper::instance()->sigUpdate(frame);
        QVERIFY(reader(luca)->state().animated);
        QCOMPARE(reader(luca)->text(QAccessible::Description), QStringLiteral("Male, Speaking"));
        QVERIFY(wasTold(luca, QAccessible::DescriptionChanged));
        panel.stopAnimation();
        QVERIFY(!reader(luca)->state().animated);
        QCOMPARE(reader(luca)->text(QAccessible::Description), QStringLiteral("Male"));
    }

    void vocalistButtonsSayTheVocalistsName()
    {
        NxTextToSpeechParamDlg dialog(nullptr);
        const auto buttons = dialog.findChildren<NxPushButton*>(QStringLiteral("NxTextToSpeech_tone_btn"));
        QCOMPARE(buttons.size(), 16);
        for (NxPushButton* button : buttons) {
            const QString vocalist = button->property("id").toString();
            QCOMPARE(reader(button)->text(QAccessible::Name), vocalist);
            QCOMPARE(button->windowRole(), QStringLiteral("NxTextToSpeech_tone_btn"));
            QVERIFY(reader(button)->text(QAccessible::Description).isEmpty());
            if (vocalist != QLatin1String("Emily"))
                continue;
            // Pressed as a click: the panel shows the tips for an English-only voice.
            reader(button)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            QVERIFY(button->isChecked());
            bool tips = false;
            for (QLabel* label : dialog.findChildren<QLabel*>())
                tips = tips || label->text() == QLatin1String("tips: only Support EnglishTransfer");
            QVERIFY(tips);
        }
    }

    void listAndSlidersSayTheirLabelAndWordInTheInterfaceLanguage()
    {
        NxTextToSpeechParamDialog dialog(nullptr);
        auto* languages = dialog.findChild<QComboBox*>();
        // The list's label is its reader relation (Qt's own combo box names it by its text on Linux).
        const auto labels = reader(languages)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("What language is this title in?"));
        QCOMPARE(reader(languages)->text(QAccessible::Value), languages->currentText());
        NxPropertyNonLineSliderEx* speed = dialog.findChildren<NxPropertyNonLineSliderEx*>().at(0);
        speed->setCurIndex(4);
        QCOMPARE(reader(speed)->text(QAccessible::Name), QStringLiteral("Speed:"));
        QCOMPARE(reader(speed)->text(QAccessible::Value), QStringLiteral("fast"));
        NxMapTranslator german;
        german.texts.insert({"NxTextToSpeechParamVarneloPanel", "Speed:"}, QStringLiteral("Tempo:"));
        german.texts.insert({"NxTextToSpeechParamVarneloPanel", "fast"}, QStringLiteral("schnell"));
        QCoreApplication::installTranslator(&german);
        QTRY_COMPARE(reader(speed)->text(QAccessible::Value), QStringLiteral("schnell"));
        QCOMPARE(reader(speed)->text(QAccessible::Name), QStringLiteral("Tempo:"));
        QCOMPARE(speed->getCurIndex(), 4);
        QCoreApplication::removeTranslator(&german);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
