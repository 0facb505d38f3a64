#include "INxTaskbarList3.h"
#include "NMessageDialog.h"
#include "NxDataColumns.h"
#include "NxEventRecorder.h"
#include "NxMessageBoxWatch.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxSpeechServiceDialog.h"
#include "NxSpeechServicePanel.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTable.h"
#include "NxSpeechToTextTableModel.h"
#include "NxSpeechToTextWidget.h"
#include "NxTabButton.h"
#include "NxTestHome.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechTable.h"
#include "NxTextToSpeechTableModel.h"
#include "NxTextToSpeechWidget.h"
#include "NxTitleClip.h"
#include "NxTopLevelWindowTitleBar.h"

#include <QApplication>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <vector>

// The service window as the host uses it, on a desktop without a session bus
// (so without taskbar progress).
class ServiceWindowTest : public QObject
{
    Q_OBJECT

    NxScriptedSpeechToTextManager* stt() const { return NxScriptedSpeechToTextManager::latest(); }
    NxScriptedTextToSpeechManager* tts() const { return NxScriptedTextToSpeechManager::latest(); }
    NxSpeechServicePanel* panel() const { return m_dialog->findChild<NxSpeechServicePanel*>(); }
    auto* presenter() const { return dynamic_cast<NxSpeechServicePresenter*>(m_dialog->presenter()); }
    // Rows of both lists; each test keeps at most one task a list.
    int rows() const
    {
        return panel()->speechToTextPage()->table()->taskModel()->rowCount() + panel()->textToSpeechPage()->table()->taskModel()->rowCount();
    }

    int addTask(bool speechToText, const QString& name)
    {
        if (speechToText) {
            m_clips.push_back(std::make_unique<NxTimelineClip>(name, INxClip::Video, NxRational{25, 1}, nullptr,
                                                               NxTimelineClip::Placement{0, 250, 0})); // 10 s
            m_dialog->presenter()->addClipTasks({m_clips.back().get()}, QStringLiteral("en-US"), true);
            return stt()->addedIds.last();
        }
        m_clips.push_back(std::make_unique<NxTitleClip>(name, NxRational{25, 1}, 100, 250));
        TextToSpeechTaskParam param;
        param.attachResult = true;
        m_dialog->presenter()->addTextToSpeechTasks({m_clips.back().get()}, param);
        return tts()->addedIds.last();
    }
    void report(bool speechToText, int taskId, int state, int code = 0)
    {
        speechToText ? stt()->reportState(taskId, state, code) : tts()->reportState(taskId, state, code, 0, QString());
    }
    // A host's handlers of the purchase signals, answering `bought`.
    void handlePurchases(bool bought)
    {
        const auto handler = [this, bought](const char* service) {
            return [this, bought, service](int amount, bool& success, bool purchaseMore) {
                m_requests << QStringLiteral("%1:%2:%3").arg(service).arg(amount).arg(purchaseMore);
                success = bought;
            };
        };
        connect(m_dialog.get(), &NxSpeechServiceDialog::sigSTTPurchaseRefresh, m_watch.get(), handler("STT"));
        connect(m_dialog.get(), &NxSpeechServiceDialog::sigTTSPurchaseRefresh, m_watch.get(), handler("TTS"));
    }
    NxTabButton* tab(int page) const { return panel()->findChildren<NxTabButton*>("NSpeechServicePanel_Tab").value(page); }

    NxTestHome m_home;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
    std::unique_ptr<QObject> m_watch; // owns the pending box watches
    std::unique_ptr<NxEventRecorder> m_events;
    std::unique_ptr<NxSpeechServiceDialog> m_dialog;
    QStringList m_boxes;    // titles of the message boxes that opened
    QStringList m_requests; // purchase requests as "service:amount:purchaseMore"

private slots:
    void initTestCase()
    {
        QVERIFY2(!INxTaskbarList3::create(), "a session bus answers; these tests need a desktop without one");
        NxScriptedSpeechToTextManager::install();
        NxScriptedTextToSpeechManager::install();
    }
    void init()
    {
        m_boxes.clear();
        m_requests.clear();
        m_watch = std::make_unique<QObject>();
        m_dialog = std::make_unique<NxSpeechServiceDialog>(nullptr);
        m_events = std::make_unique<NxEventRecorder>();
    }
    void cleanup()
    {
        m_watch.reset();
        m_dialog.reset();
        m_clips.clear();
    }

    // Asked directly by the host or closed by the user, the window asks
    // only while a task runs; closing clears both lists and stops every task.
    // Escape only hides it.
    void closingAsksOnlyWhileATaskRuns_data()
    {
        columns<QString, QString, QString, bool>({"how", "running", "answer", "closes"});
        QTest::newRow("nothing runs: no question, both lists cleared") << "checkCanClose" << "" << "No" << true;
        QTest::newRow("speech-to-text runs, No keeps both lists") << "checkCanClose" << "stt" << "No" << false;
        QTest::newRow("speech-to-text runs, Yes clears both lists") << "checkCanClose" << "stt" << "Yes" << true;
        QTest::newRow("text-to-speech runs, No keeps both lists") << "checkCanClose" << "tts" << "No" << false;
        QTest::newRow("close(), No stays open") << "close" << "stt tts" << "No" << false;
        QTest::newRow("title bar's close, Yes closes") << "title bar" << "stt tts" << "Yes" << true;
        QTest::newRow("Escape hides without asking") << "Escape" << "stt tts" << "No" << false;
    }
    void closingAsksOnlyWhileATaskRuns()
    {
        QFETCH(QString, how); QFETCH(QString, running); QFETCH(QString, answer); QFETCH(bool, closes);
        // A window kept open with tasks on both tabs is later destroyed while
        // shown (cleanup): its tables must not reach the freed records.
        addTask(true, QStringLiteral("Intro"));
        addTask(false, QStringLiteral("Title"));
        if (!running.contains("stt"))
            stt()->unfinishedTasks.clear();
        if (!running.contains("tts"))
            tts()->unfinishedTasks.clear();
        whenMessageBoxOpens(m_watch.get(), [&](NMessageDialog* box) {
            m_boxes << box->windowTitle();
            answerBox(box, answer);
        });
        if (how == QLatin1String("checkCanClose")) {
            QCOMPARE(m_dialog->checkCanClose(), closes);
        } else {
            m_dialog->show();
            if (how == QLatin1String("title bar"))
                QTest::mouseClick(m_dialog->GetTitleBar()->button(NxTopLevelWindowTitleBar::CloseButton), Qt::LeftButton);
            else if (how == QLatin1String("Escape"))
                QTest::keyClick(m_dialog->focusWidget() ? m_dialog->focusWidget() : m_dialog.get(), Qt::Key_Escape);
            else
                m_dialog->close();
            QCOMPARE(m_dialog->isVisible(), !closes && how != QLatin1String("Escape"));
        }
        QCOMPARE(m_boxes.size(), running.isEmpty() || how == QLatin1String("Escape") ? 0 : 1);
        QCOMPARE(rows(), closes ? 0 : 2);
        QCOMPARE(stt()->calls.count("stopAll") + tts()->calls.count("stopAll"), closes ? 2 : 0);
        if (closes)
            return;
        // Tasks kept run on; the window hears them, hidden or not.
        QSignalSpy finished(m_dialog.get(), &NxSpeechServiceDialog::sigTaskFinish);
        report(true, stt()->addedIds.first(), NxSpeechToTextTaskInfo::Completed);
        QTRY_COMPARE(finished.count(), 1);
    }

    // A tab shown by the host (an unknown type is speech-to-text) is
    // reported; a clicked one is not. Either refreshes its own balance only.
    void tabsShowTheirPageAndRefreshTheBalance_data()
    {
        columns<bool, int, int>({"click", "type", "page"});
        QTest::newRow("showTab(TextToSpeech)") << false << 1 << 1;
        QTest::newRow("showTab(7) is speech-to-text") << false << 7 << 0;
        QTest::newRow("clicking Text-to-Speech is not reported") << true << 1 << 1;
    }
    void tabsShowTheirPageAndRefreshTheBalance()
    {
        QFETCH(bool, click); QFETCH(int, type); QFETCH(int, page);
        m_dialog->showTab(NxSpeechServiceDialog::TabType(1 - page)); // start on the other page
        m_dialog->show();
        stt()->calls.clear();
        tts()->calls.clear();
        m_events->clear();
        if (click)
            QTest::mouseClick(tab(page), Qt::LeftButton);
        else
            m_dialog->showTab(NxSpeechServiceDialog::TabType(type));
        QCOMPARE(panel()->currentTab(), page);
        QVERIFY(tab(page)->isChecked() && !tab(1 - page)->isChecked());
        QCOMPARE(stt()->calls, page == 0 ? QStringList{"refresh:0"} : QStringList());
        QCOMPARE(tts()->calls, page == 1 ? QStringList{"refresh"} : QStringList());
        const QString shown = QStringLiteral("embeded_window_popup{window_name=%1_List_view}").arg(page == 1 ? "TTS" : "STT");
        QCOMPARE(m_events->summaries(), click ? QStringList() : QStringList{shown});
    }

    void purchaseTipHoldsBackTaskEndsAndPassesTheAnswerOn_data()
    {
        columns<bool, bool, bool, QStringList>({"speechToText", "purchase", "bought", "requests"});
        // requests: the task's seconds or characters
        QTest::newRow("speech-to-text: Purchase more, bought: retried") << true << true << true << QStringList{"STT:10:0"};
        QTest::newRow("speech-to-text: Cancel asks for no purchase") << true << false << true << QStringList();
        QTest::newRow("text-to-speech: Purchase more, not bought") << false << true << false << QStringList{"TTS:120:0"};
    }
    void purchaseTipHoldsBackTaskEndsAndPassesTheAnswerOn()
    {
        QFETCH(bool, speechToText); QFETCH(bool, purchase); QFETCH(bool, bought); QFETCH(QStringList, requests);
        const QString service = speechToText ? "STT" : "TTS";
        handlePurchases(bought);
        const int lacking = addTask(speechToText, QStringLiteral("Lacking"));
        const int other = addTask(speechToText, QStringLiteral("Other"));
        QObject* helper = speechToText ? static_cast<QObject*>(presenter()->speechToTextHelper())
                                       : static_cast<QObject*>(presenter()->textToSpeechHelper());
        QSignalSpy finished(m_dialog.get(), &NxSpeechServiceDialog::sigTaskFinish);
        bool otherEndedWhileOpen = false, answered = false;
        whenMessageBoxOpens(m_watch.get(), [&](NMessageDialog* box) {
            m_boxes << box->windowTitle();
            QSignalSpy handled(helper, SIGNAL(sigTaskStateChanged(int)));
            report(speechToText, other, NxSpeechToTextTaskInfo::Completed);
            otherEndedWhileOpen = handled.wait(5000);
            answerBox(box, purchase ? "Purchase more" : "Cancel");
            answered = true;
        });
        report(speechToText, lacking, speechToText ? 8 : 6, 1); // transcribing / converting, not enough balance
        QTRY_VERIFY(answered);
        QCOMPARE(m_boxes, QStringList{speechToText ? "Speech-to-Text Charging Tips" : "Text-to-Speech Charging Tips"});
        QVERIFY(otherEndedWhileOpen);
        QCOMPARE(finished.count(), 0);
        QCOMPARE(m_requests, requests);
        const QStringList& calls = speechToText ? stt()->calls : tts()->calls;
        QCOMPARE(calls.contains(QStringLiteral("retryTask:%1").arg(lacking)), purchase && bought);
        const QString window = QStringLiteral("window_name=%1_purchase_tip").arg(service);
        QCOMPARE(m_events->summaries().filter(window),
                 (QStringList{QStringLiteral("embeded_window_popup{%1}").arg(window),
                              QStringLiteral("embed_window_btn_click{%1,btn_name=%2}")
                                  .arg(window, purchase ? "Buy_Now" : "Cancel")}));
        report(speechToText, lacking, NxSpeechToTextTaskInfo::Completed); // the tip is gone: ends pass again
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);

        // moc's clone of the signal for its default argument (invalid when missing) asks for
        // no purchase more; the handler's answer reaches the emitter.
        m_requests.clear();
        const QByteArray clone = "sig" + service.toLatin1() + "PurchaseRefresh(int,bool&)";
        bool success = !bought;
        QVERIFY(m_dialog->metaObject()->method(m_dialog->metaObject()->indexOfSignal(clone))
                    .invoke(m_dialog.get(), Qt::DirectConnection, Q_ARG(int, 42), Q_ARG(bool&, success)));
        QCOMPARE(m_requests, QStringList{service + ":42:0"});
        QCOMPARE(success, bought);
    }
};

int main(int argc, char** argv)
{
    // No desktop session: the window must do without taskbar progress.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent-nxspeech-bus");
    QApplication app(argc, argv);
    ServiceWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_servicewindow.moc"
