#include "NMessageDialog.h"
#include "NxAppSettings.h"
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
#include "NxTestHome.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechTable.h"
#include "NxTextToSpeechTableModel.h"
#include "NxTextToSpeechWidget.h"
#include "NxTitleClip.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>

#include <atomic>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace
{

// A fixed seed: every run plays the same user script and the same report streams.
constexpr unsigned Seed = 20240611;

constexpr int Workers = 2;
constexpr int InFlight = 8; // reports a thread may run ahead of the GUI thread
constexpr int TasksPerTab = 30;
constexpr int Steps = 24;
constexpr int ReportsPerStep = 60; // at least, between two user actions
// Every task id the script can give out, with room for unknown ids on both sides.
constexpr int IdSpan = 2 * TasksPerTab + Steps * 8;

enum Tab { SpeechToText = 0, TextToSpeech = 1 };
constexpr int StatusColumn = NxSpeechToTextTableModel::StatusColumn; // both tabs number their columns alike
constexpr int OperationColumn = NxSpeechToTextTableModel::OperationColumn;

NGeneralSettings* settings() { return NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting(); }

// A task report of the given fields to either service.
template <typename Info, typename Line>
bool reportTask(const Line& line, int taskId, int state, int code, int progress, Info info)
{
    info.taskId = taskId;
    info.state = state;
    info.code = code;
    info.progress = progress;
    return line->deliver([&info](auto* callBack) { callBack->onTaskStateChanged(info); });
}

} // namespace

// The service window with many tasks on both tabs while the managers report
// from other threads and the user deletes, retries, clears and adds tasks.
class ThreadStressTest : public QObject
{
    Q_OBJECT

    NxSpeechServicePanel* panel() const { return m_dialog->findChild<NxSpeechServicePanel*>(); }
    auto* presenter() const { return dynamic_cast<NxSpeechServicePresenter*>(m_dialog->presenter()); }
    QTableView* table(Tab tab) const
    {
        return tab == SpeechToText ? static_cast<QTableView*>(panel()->speechToTextPage()->table())
                                   : panel()->textToSpeechPage()->table();
    }
    NxScriptedSpeechToTextManager* stt() const { return NxScriptedSpeechToTextManager::latest(); }
    NxScriptedTextToSpeechManager* tts() const { return NxScriptedTextToSpeechManager::latest(); }
    QStringList& managerCalls(Tab tab) const { return tab == SpeechToText ? stt()->calls : tts()->calls; }

    // Adds video and audio clips' tasks, or titles' and subtitles' in turn from an even
    // offset, so that subtitle tasks have odd ones. A few names recur, so that numbered
    // names are handed out too.
    void addTasks(Tab tab, int count)
    {
        QList<INxClip*> clips;
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("Take %1").arg(m_script() % 40);
            if (tab == TextToSpeech && i % 2 == 0) {
                auto title = std::make_unique<NxTitleClip>(name, NxRational{25, 1}, 100, 250);
                title->addText(QStringLiteral("Spoken words %1").arg(i));
                m_clips.push_back(std::move(title));
            } else {
                const int type = tab == TextToSpeech ? INxClip::Subtitle : i % 3 ? INxClip::Video : INxClip::Audio;
                m_clips.push_back(std::make_unique<NxTimelineClip>(name, type, NxRational{25, 1}, nullptr,
                                                                   NxTimelineClip::Placement{0, 500, 1000}));
            }
            clips << m_clips.back().get();
        }
        QList<int>& added = tab == SpeechToText ? stt()->addedIds : tts()->addedIds;
        const int before = added.size();
        const TextToSpeechTaskParam param{true, "en-US", {}, -1, "Andy", 0, 0, {}, {}, {}};
        QVERIFY(tab == SpeechToText ? presenter()->addClipTasks(clips, param.languageCode, true)
                                    : presenter()->addTextToSpeechTasks(clips, param));
        m_expected[tab] << added.mid(before);
    }

    // Clicks the row's delete button (OperationColumn) or its retry or purchase
    // button (StatusColumn), on short and tall rows alike; answers the manager's
    // calls made meanwhile that start with `call`.
    QStringList clickButton(Tab tab, int row, int column, const QString& call)
    {
        m_dialog->showTab(NxSpeechServiceDialog::TabType(tab));
        QTableView* view = table(tab);
        const QModelIndex index = view->model()->index(row, column);
        view->scrollTo(index);
        const QRect cell = view->visualRect(index);
        const QPoint at = column == OperationColumn ? cell.topLeft() + QPoint(20, 20) : cell.topRight() + QPoint(-16, 16);
        if (!view->viewport()->rect().contains(at))
            QTest::qFail("the button is out of sight", __FILE__, __LINE__);
        const int callsBefore = managerCalls(tab).size();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        return managerCalls(tab).mid(callsBefore).filter(call);
    }

    void deleteRow(Tab tab, int row)
    {
        const bool managerRemoves = m_script() % 8 != 0;
        (tab == SpeechToText ? stt()->removeAnswer : tts()->removeAnswer) = managerRemoves;
        m_deleteAnswer.clear();

        const QStringList removals = clickButton(tab, row, OperationColumn, QStringLiteral("removeTask:"));
        const bool declined = m_deleteAnswer == QLatin1String("Cancel");
        QCOMPARE(removals, declined ? QStringList() : QStringList{QStringLiteral("removeTask:%1").arg(m_expected[tab].at(row))});
        if (!declined && managerRemoves)
            m_expected[tab].removeAt(row);
    }

    // The model's rows are the tasks the user's actions leave, in order, and the controllers
    // count them; a row standing for another task shows when the user deletes it (deleteRow).
    void checkRowsFollowTasks()
    {
        for (Tab tab : {SpeechToText, TextToSpeech}) {
            QAbstractItemModel* model = table(tab)->model();
            QList<int> rows;
            for (int row = 0; row < model->rowCount(); ++row) {
                const QVariant record = model->index(row, 0).data(Qt::UserRole);
                rows << (tab == SpeechToText ? NxSpeechToTextTableModel::taskFromVariant(record)->taskId
                                             : NxTextToSpeechTableModel::taskFromVariant(record)->taskId);
            }
            QCOMPARE(rows, m_expected[tab]);
        }
        QCOMPARE(presenter()->speechToTextHelper()->taskCount(), m_expected[SpeechToText].size());
        QCOMPARE(presenter()->textToSpeechHelper()->taskCount(), m_expected[TextToSpeech].size());
    }

    // Answers every message box as it opens, also one opened inside another's modal loop.
    void answerEveryBox()
    {
        whenMessageBoxOpens(m_watch.get(), [this](NMessageDialog* box) {
            const QString title = box->windowTitle();
            if (title == QLatin1String("Delete task tips")) {
                const unsigned choice = m_answers() % 4;
                // Now and then stop asking: later deletions go straight to the manager.
                if (auto* check = box->findChild<QCheckBox*>(); check && choice == 0)
                    QTest::mouseClick(check, Qt::LeftButton);
                m_deleteAnswer = choice == 3 ? QStringLiteral("Cancel") : QStringLiteral("Confirm");
                answerBox(box, m_deleteAnswer);
            } else if (title.endsWith(QLatin1String("Charging Tips"))) {
                answerBox(box, QStringLiteral("Purchase more"));
            } else {
                answerBox(box, QStringLiteral("Yes"));
            }
            answerEveryBox();
        });
    }

    NxTestHome m_home;
    QTemporaryDir m_storage; // the text-to-speech manager's own storage
    std::mt19937 m_script{Seed};
    std::mt19937 m_answers{Seed + 1};
    std::unique_ptr<QObject> m_watch; // owns the box watch
    std::unique_ptr<NxSpeechServiceDialog> m_dialog;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> m_testers;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
    QList<int> m_expected[2]; // task ids of the rows, as the user's actions leave them
    QString m_deleteAnswer;   // how the last delete question was answered; empty when none opened
    int m_purchaseRequests = 0;

private slots:
    void initTestCase() { NxScriptedSpeechToTextManager::install(); NxScriptedTextToSpeechManager::install(); }
    void rowsStayTheControllersTasksWhileOtherThreadsReport()
    {
        QFile voice(m_storage.filePath(QStringLiteral("voice.mp3")));
        QVERIFY(voice.open(QIODevice::WriteOnly) && voice.write("ID3 voice") > 0);
        voice.close();
        settings()->SetSTTDeleteTaskNoTip(false);
        settings()->SetTTSDeleteTaskNoTip(false);

        m_watch = std::make_unique<QObject>();
        m_dialog = std::make_unique<NxSpeechServiceDialog>(nullptr);
        for (Tab tab : {SpeechToText, TextToSpeech})
            m_testers.push_back(std::make_unique<QAbstractItemModelTester>(
                table(tab)->model(), QAbstractItemModelTester::FailureReportingMode::QtTest));
        const auto purchase = [this](int, bool& success, bool) { success = ++m_purchaseRequests % 2 == 0; };
        connect(m_dialog.get(), &NxSpeechServiceDialog::sigSTTPurchaseRefresh, m_watch.get(), purchase);
        connect(m_dialog.get(), &NxSpeechServiceDialog::sigTTSPurchaseRefresh, m_watch.get(), purchase);
        QSignalSpy subtitles(m_dialog.get(), &NxSpeechServiceDialog::sigSrtFileGenerate);
        QSignalSpy sentences(m_dialog.get(), &NxSpeechServiceDialog::sigSrtProductFileGenerate);
        m_dialog->resize(900, 600);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        answerEveryBox();

        tts()->failedSentences = 1; // completed subtitle tasks end partly failed
        addTasks(SpeechToText, TasksPerTab);
        addTasks(TextToSpeech, TasksPerTab);
        checkRowsFollowTasks();

        std::atomic<bool> closed{false};
        std::atomic<int> delivered{0};
        std::atomic<int> running{Workers};
        // Task reports of any state and error code (two states and one code unknown to both
        // services), sentence products and balances, for live, deleted and unknown task ids
        // alike, until both managers have unregistered their callbacks.
        const auto report = [&closed, &delivered, &running, sttLine = stt()->line(), ttsLine = tts()->line(),
                             sttFirst = m_expected[SpeechToText].first(), ttsFirst = m_expected[TextToSpeech].first(),
                             voice = voice.fileName(), gone = m_storage.filePath(QStringLiteral("gone.mp3"))](unsigned seed) {
            std::mt19937 random(seed);
            const auto anyId = [&random](int first) { return first - 2 + int(random() % unsigned(IdSpan + 4)); };
            bool on[2] = {true, true};
            for (int step = 1; (on[SpeechToText] || on[TextToSpeech]) && !closed; ++step) {
                const unsigned kind = random() % 8;
                const int state = int(random() % 12);
                const int code = int(random() % 10);
                bool& reporting = on[kind < 4 ? SpeechToText : TextToSpeech];
                if (!reporting)
                    continue;
                if (kind < 3) {
                    NxSpeechToTextTaskInfo info;
                    info.detail = step;
                    reporting = reportTask(sttLine, anyId(sttFirst), state, code, int(random() % 101), info);
                } else if (kind == 3 || kind == 7) {
                    const auto balance = [left = state * 3000](auto* callBack) { callBack->onRemainingChanged(left); };
                    reporting = kind == 3 ? sttLine->deliver(balance) : ttsLine->deliver(balance);
                } else if (kind == 6) {
                    // Sentence products go to subtitle tasks, which have odd offsets (see addTasks).
                    NxSrtTaskProductInfo info;
                    info.taskId = ttsFirst + (anyId(0) | 1);
                    info.index = code % 6;
                    info.position = qint64(random() % 500);
                    info.filePath = code % 4 ? voice : gone;
                    reporting = ttsLine->deliver([&info](auto* callBack) { callBack->onSrtTaskProductProgress(info); });
                } else {
                    NxTextToSpeechTaskInfo info;
                    info.filePath = voice;
                    reporting = reportTask(ttsLine, anyId(ttsFirst), state, code, int(random() % 101), info);
                }
                if (reporting)
                    ++delivered;
                // Now and then wait until the GUI thread has handled everything posted so far.
                if (step % InFlight == 0)
                    QMetaObject::invokeMethod(qApp, [] {}, Qt::BlockingQueuedConnection);
            }
            --running;
        };
        std::vector<std::thread> threads;
        for (int i = 0; i < Workers; ++i)
            threads.emplace_back(report, Seed + 2 + i);
        // Whatever fails below, the threads are let go and joined.
        const auto stop = qScopeGuard([&] {
            closed = true;
            (void)QTest::qWaitFor([&] { return running == 0; }, 30000);
            for (std::thread& thread : threads)
                thread.join();
        });

        for (int step = 0; step < Steps; ++step) {
            const int target = delivered + ReportsPerStep;
            QTRY_VERIFY_WITH_TIMEOUT(delivered >= target, 30000);
            const Tab tab = Tab(m_script() % 2);
            const unsigned action = m_script() % 10;
            if (step == Steps / 2) {
                QVERIFY(m_dialog->checkCanClose()); // the question about running tasks is answered Yes
                m_expected[SpeechToText].clear();
                m_expected[TextToSpeech].clear();
                addTasks(SpeechToText, TasksPerTab);
                addTasks(TextToSpeech, TasksPerTab);
            } else if (action < 5 && !m_expected[tab].isEmpty()) {
                deleteRow(tab, int(m_script() % unsigned(m_expected[tab].size())));
            } else if (action < 7 && !m_expected[tab].isEmpty()) {
                // Only the row clicked is retried or bought for, if it has a button.
                const int row = int(m_script() % unsigned(m_expected[tab].size()));
                const QStringList retries = clickButton(tab, row, StatusColumn, QStringLiteral("retryTask:"));
                QVERIFY(retries.isEmpty() || retries == QStringList{QStringLiteral("retryTask:%1").arg(m_expected[tab].at(row))});
            } else if (action < 9) {
                addTasks(tab, 4);
            } else {
                // The user turns the delete question back on.
                settings()->SetSTTDeleteTaskNoTip(false);
                settings()->SetTTSDeleteTaskNoTip(false);
            }
            if (!QTest::currentTestFailed())
                checkRowsFollowTasks();
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(subtitles.count() > 0 && sentences.count() > 0);

        // Closing the window unregisters both controllers while the threads still report;
        // their queued reports die with the controllers, and they stop once no one listens.
        m_dialog.reset();
        QVERIFY(!stt() && !tts()); // the controllers released their managers
        QTRY_COMPARE_WITH_TIMEOUT(running.load(), 0, 30000);
        m_testers.clear();
        m_watch.reset();
    }
};

int main(int argc, char** argv)
{
    // No desktop session: the window does without taskbar progress.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent-nxspeech-bus");
    QApplication app(argc, argv);
    ThreadStressTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_threadstress.moc"
