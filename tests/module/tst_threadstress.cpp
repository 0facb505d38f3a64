#include "NMessageDialog.h"
#include "NxAppSettings.h"
#include "NxMessageBoxWatch.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxSequence.h"
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
#include <QTest>

#include <QScopeGuard>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <climits>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace
{

// Fixed seeds: every run plays the same user script and the same report streams.
constexpr unsigned ScriptSeed = 20240611;
constexpr unsigned AnswerSeed = 7;
constexpr unsigned WorkerSeed = 1000;

constexpr int Workers = 4;
constexpr int InFlightPerWorker = 8;
// Each worker's stream walks every pair of state code 0..11 (two outside the
// managers' range) and error code 0..9 (the last unknown to both services).
constexpr int StateCodes = 12;
constexpr int ErrorCodes = 10;
constexpr int Pairs = StateCodes * ErrorCodes;
// Of every eight reports of a stream: three task reports per service, a
// sentence product and a balance, to each service in turn.
constexpr int StreamPeriod = 8;
constexpr int CoveringReports = Pairs / 3 * StreamPeriod;

constexpr int TasksPerTab = 120;
constexpr int Steps = 40;
constexpr int ReportsPerStep = 60; // at least, between two user actions
// Every task id the script can give out, with room for unknown ids on both sides.
constexpr int IdSpan = 2 * TasksPerTab + Steps * 8;

enum Tab { SpeechToText = 0, TextToSpeech = 1 };
// Both tabs number their columns alike.
static_assert(int(NxSpeechToTextTableModel::StatusColumn) == int(NxTextToSpeechTableModel::StatusColumn)
              && int(NxSpeechToTextTableModel::OperationColumn) == int(NxTextToSpeechTableModel::OperationColumn));
constexpr int StatusColumn = NxSpeechToTextTableModel::StatusColumn;
constexpr int OperationColumn = NxSpeechToTextTableModel::OperationColumn;

// Whether the row shows a retry or purchase button.
bool retriable(const NxSpeechToText::Task* task)
{
    return task->failReason == NxSpeechToText::NotEnoughTime
           || (NxSpeechToText::isFailedStatus(task->status) && task->failReason != NxSpeechToText::ContentNotRecognized);
}

bool retriable(const NxTextToSpeech::Task* task)
{
    return task->failReason == NxTextToSpeech::NoBalance
           || (NxTextToSpeech::isFailedStatus(task->status) && task->failReason != NxTextToSpeech::Unrecognized);
}

NGeneralSettings* settings()
{
    return NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting();
}

// Keeps a reporting thread at most a few reports ahead of the GUI thread. A
// report counts as taken in when a call queued right behind it has run on
// the GUI thread, which by then has handled everything posted before it.
class ReportGate : public QObject
{
public:
    // False once closed.
    bool enter()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_free.wait(lock, [this] { return !m_open || m_inFlight < InFlightPerWorker; });
        if (!m_open)
            return false;
        ++m_inFlight;
        return true;
    }

    // On the reporting thread, right after reporting.
    void queueTakenIn()
    {
        QMetaObject::invokeMethod(this, [this] {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                --m_inFlight;
                ++m_takenIn;
            }
            m_free.notify_all();
        }, Qt::QueuedConnection);
    }

    void close()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_open = false;
        }
        m_free.notify_all();
    }

    int takenIn()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_takenIn;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_free;
    int m_inFlight = 0;
    int m_takenIn = 0;
    bool m_open = true;
};

// What one reporting thread needs; it writes only `delivered` and `done`.
struct Stream
{
    int index = 0;
    NxSharedCallBackLine<INxSpeechToTextTaskManagerCallBack> speechToText;
    NxSharedCallBackLine<INxTextToSpeechTaskManagerCallBack> textToSpeech;
    int firstSpeechToTextId = 0;
    int firstTextToSpeechId = 0;
    QString voiceFile;  // a produced audio file in the manager's storage
    QString missingFile;
    ReportGate* gate = nullptr;
    int delivered = 0;
    std::atomic<bool> done{false};
};

// Reports until both managers have unregistered their callbacks: task ids of
// live, deleted and unknown tasks alike.
void report(Stream& stream)
{
    std::mt19937 random(WorkerSeed + stream.index);
    const auto anyId = [&random](int first) { return first - 2 + int(random() % unsigned(IdSpan + 4)); };
    bool speechToTextOn = true;
    bool textToSpeechOn = true;
    int speechToTextPair = 0;
    int textToSpeechPair = 0;
    for (int step = 0; (speechToTextOn || textToSpeechOn) && stream.gate->enter(); ++step) {
        const int kind = step % StreamPeriod;
        const bool toSpeechToText = kind == 7 ? step / StreamPeriod % 2 == 0 : kind % 2 == 0 && kind < 6;
        bool& on = toSpeechToText ? speechToTextOn : textToSpeechOn;
        // A task report, or the balance every eighth report, the next state and error code pair.
        const auto sendTo = [&](auto& line, auto info, int firstId, int& pair) {
            info.taskId = anyId(firstId);
            info.state = pair % StateCodes;
            info.code = pair / StateCodes % ErrorCodes;
            info.progress = int(random() % 101);
            const int balance = int(random() % 36000);
            if (kind != 7)
                ++pair;
            return line->deliver([&](auto* callBack) {
                if (kind == 7)
                    callBack->onRemainingChanged(balance);
                else
                    callBack->onTaskStateChanged(info);
            });
        };
        if (on && toSpeechToText) {
            NxSpeechToTextTaskInfo info;
            info.detail = step;
            on = sendTo(stream.speechToText, info, stream.firstSpeechToTextId, speechToTextPair);
        } else if (on && kind == 6) {
            // Sentence products go to subtitle tasks, which have odd offsets (see addTextToSpeech).
            NxSrtTaskProductInfo info;
            info.taskId = stream.firstTextToSpeechId + (anyId(0) | 1);
            info.index = int(random() % 6);
            info.position = qint64(random() % 500);
            info.filePath = random() % 4 ? stream.voiceFile : stream.missingFile;
            on = stream.textToSpeech->deliver([&info](INxTextToSpeechTaskManagerCallBack* callBack) {
                callBack->onSrtTaskProductProgress(info);
            });
        } else if (on) {
            NxTextToSpeechTaskInfo info;
            info.filePath = stream.voiceFile;
            on = sendTo(stream.textToSpeech, info, stream.firstTextToSpeechId, textToSpeechPair);
        }
        if (on)
            ++stream.delivered;
        stream.gate->queueTakenIn();
    }
    stream.done = true;
}

} // namespace

// The service window with hundreds of tasks on both tabs while the managers
// report from several threads at once and the user deletes, retries, clears
// and adds tasks.
class ThreadStressTest : public QObject
{
    Q_OBJECT

    NxSpeechServicePanel* panel() const { return m_dialog->findChild<NxSpeechServicePanel*>(); }
    NxSpeechServicePresenter* presenter() const
    {
        return dynamic_cast<NxSpeechServicePresenter*>(m_dialog->presenter());
    }
    QTableView* table(Tab tab) const
    {
        if (tab == SpeechToText)
            return panel()->speechToTextPage()->table();
        return panel()->textToSpeechPage()->table();
    }
    NxScriptedSpeechToTextManager* stt() const { return NxScriptedSpeechToTextManager::latest(); }
    NxScriptedTextToSpeechManager* tts() const { return NxScriptedTextToSpeechManager::latest(); }
    QStringList& managerCalls(Tab tab) const { return tab == SpeechToText ? stt()->calls : tts()->calls; }

    void addSpeechToText(int count);
    void addTextToSpeech(int count);
    QStringList clickButton(Tab tab, int row, int column, const QString& call);
    void deleteRow(Tab tab, int row);
    void retryAFailedTask(Tab tab);
    void clearBothLists();
    void checkRowsFollowTasks();
    void answerEveryBox();

    NxTestHome m_home;
    QTemporaryDir m_storage; // the text-to-speech manager's own storage
    std::mt19937 m_script{ScriptSeed};
    std::mt19937 m_answers{AnswerSeed};
    std::unique_ptr<QObject> m_watch; // owns the box watch
    std::unique_ptr<NxSpeechServiceDialog> m_dialog;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> m_testers;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
    std::unique_ptr<NxSequence> m_sequence;
    QList<int> m_expected[2]; // task ids of the rows, as the user's actions leave them
    QString m_deleteAnswer;   // how the last delete question was answered; empty when none opened
    int m_purchaseRequests = 0;

private slots:
    void initTestCase();
    void rowsStayTheControllersTasksWhileManyThreadsReport();
};

void ThreadStressTest::initTestCase()
{
    NxScriptedSpeechToTextManager::install();
    NxScriptedTextToSpeechManager::install();
}

void ThreadStressTest::addSpeechToText(int count)
{
    QList<INxClip*> clips;
    for (int i = 0; i < count; ++i) {
        // A few names recur, so that numbered names are handed out too.
        m_clips.push_back(std::make_unique<NxTimelineClip>(QStringLiteral("Take %1").arg(m_script() % 40),
                                                           i % 3 ? INxClip::Video : INxClip::Audio,
                                                           NxRational{25, 1}, nullptr,
                                                           NxTimelineClip::Placement{0, 250, 0}));
        clips << m_clips.back().get();
    }
    const int before = stt()->addedIds.size();
    QVERIFY(presenter()->addClipTasks(clips, QStringLiteral("en-US"), true));
    QVERIFY(presenter()->addTimelineTask(m_sequence.get(), QStringLiteral("en-US"), true));
    m_expected[SpeechToText] << stt()->addedIds.mid(before);
}

void ThreadStressTest::addTextToSpeech(int count)
{
    // Titles and subtitles alternate from an even offset: subtitle tasks have odd ones.
    QList<INxClip*> clips;
    for (int i = 0; i < count * 2; ++i) {
        const QString name = QStringLiteral("Line %1").arg(m_script() % 40);
        if (i % 2 == 0) {
            auto title = std::make_unique<NxTitleClip>(name, NxRational{25, 1}, 100, 250);
            title->addText(QStringLiteral("Spoken words %1").arg(i));
            m_clips.push_back(std::move(title));
        } else {
            m_clips.push_back(std::make_unique<NxTimelineClip>(name, INxClip::Subtitle, NxRational{25, 1}, nullptr,
                                                               NxTimelineClip::Placement{0, 500, 1000}));
        }
        clips << m_clips.back().get();
    }
    const int before = tts()->addedIds.size();
    TextToSpeechTaskParam param;
    param.attachResult = true;
    param.languageCode = QStringLiteral("en-US");
    param.voiceCode = QStringLiteral("Andy");
    QVERIFY(presenter()->addTextToSpeechTasks(clips, param));
    m_expected[TextToSpeech] << tts()->addedIds.mid(before);
}

// Clicks the row's delete button (OperationColumn) or its retry or purchase
// button (StatusColumn), on short and tall rows alike; answers the manager's
// calls made meanwhile that start with `call`.
QStringList ThreadStressTest::clickButton(Tab tab, int row, int column, const QString& call)
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

void ThreadStressTest::deleteRow(Tab tab, int row)
{
    const int taskId = m_expected[tab].at(row);
    const bool managerRemoves = m_script() % 8 != 0;
    (tab == SpeechToText ? stt()->removeAnswer : tts()->removeAnswer) = managerRemoves;
    m_deleteAnswer.clear();

    const QStringList removals = clickButton(tab, row, OperationColumn, QStringLiteral("removeTask:"));
    const bool declined = m_deleteAnswer == QLatin1String("Cancel");
    QCOMPARE(removals, declined ? QStringList() : QStringList{QStringLiteral("removeTask:%1").arg(taskId)});
    if (!declined && managerRemoves)
        m_expected[tab].removeAt(row);
}

void ThreadStressTest::retryAFailedTask(Tab tab)
{
    QAbstractItemModel* model = table(tab)->model();
    const int start = int(m_script() % unsigned(qMax(1, model->rowCount())));
    for (int i = 0; i < model->rowCount(); ++i) {
        const int row = (start + i) % model->rowCount();
        const QVariant record = model->index(row, 0).data(Qt::UserRole);
        if (tab == SpeechToText ? !retriable(NxSpeechToTextTableModel::taskFromVariant(record))
                                : !retriable(NxTextToSpeechTableModel::taskFromVariant(record)))
            continue;
        // Only the row clicked is retried, if any.
        const QStringList retries = clickButton(tab, row, StatusColumn, QStringLiteral("retryTask:"));
        QVERIFY(retries.isEmpty() || retries == QStringList{QStringLiteral("retryTask:%1").arg(m_expected[tab].at(row))});
        return;
    }
}

void ThreadStressTest::clearBothLists()
{
    QVERIFY(m_dialog->checkCanClose()); // the question about running tasks is answered Yes
    m_expected[SpeechToText].clear();
    m_expected[TextToSpeech].clear();
}

// The model's rows are the controller's records, in the controller's order;
// the controller's order is read from the manager's view of its list walk.
void ThreadStressTest::checkRowsFollowTasks()
{
    const auto controllerOrder = [](auto* manager, auto* helper) {
        manager->finishedQueries.clear();
        const auto unfinished = std::exchange(manager->unfinishedTasks, {});
        helper->hasUnfinishedTasks(); // asks about every task when none runs
        manager->unfinishedTasks = unfinished;
        return manager->finishedQueries;
    };
    const QList<int> controllers[2] = {controllerOrder(stt(), presenter()->speechToTextHelper()),
                                       controllerOrder(tts(), presenter()->textToSpeechHelper())};
    for (Tab tab : {SpeechToText, TextToSpeech}) {
        QAbstractItemModel* model = table(tab)->model();
        QList<int> rows;
        QSet<quintptr> records;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QVariant record = model->index(row, 0).data(Qt::UserRole);
            records.insert(quintptr(record.toULongLong()));
            rows << (tab == SpeechToText ? NxSpeechToTextTableModel::taskFromVariant(record)->taskId
                                         : NxTextToSpeechTableModel::taskFromVariant(record)->taskId);
        }
        QCOMPARE(records.size(), model->rowCount());
        QCOMPARE(rows, controllers[tab]);
        QCOMPARE(rows, m_expected[tab]);
    }
    QCOMPARE(presenter()->speechToTextHelper()->taskCount(), m_expected[SpeechToText].size());
    QCOMPARE(presenter()->textToSpeechHelper()->taskCount(), m_expected[TextToSpeech].size());
}

// Answers every message box as it opens, also one opened inside another's modal loop.
void ThreadStressTest::answerEveryBox()
{
    whenMessageBoxOpens(m_watch.get(), [this](NMessageDialog* box) {
        const QString title = box->windowTitle();
        if (title == QLatin1String("Delete task tips")) {
            const unsigned choice = m_answers() % 4;
            if (choice == 0) {
                // Stop asking: later deletions go straight to the manager.
                if (auto* check = box->findChild<QCheckBox*>())
                    QTest::mouseClick(check, Qt::LeftButton);
            }
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

void ThreadStressTest::rowsStayTheControllersTasksWhileManyThreadsReport()
{
    QFile voice(m_storage.filePath(QStringLiteral("voice.mp3")));
    QVERIFY(voice.open(QIODevice::WriteOnly) && voice.write("ID3 voice") > 0);
    voice.close();
    settings()->SetSTTDeleteTaskNoTip(false);
    settings()->SetTTSDeleteTaskNoTip(false);

    m_watch = std::make_unique<QObject>();
    m_dialog = std::make_unique<NxSpeechServiceDialog>(nullptr);
    m_sequence = std::make_unique<NxSequence>(QStringLiteral("Main"), NxRational{25, 1});
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
    addSpeechToText(TasksPerTab);
    addTextToSpeech(TasksPerTab / 2);
    checkRowsFollowTasks();

    ReportGate gates[Workers];
    Stream streams[Workers];
    std::vector<std::thread> threads;
    for (int i = 0; i < Workers; ++i) {
        Stream& stream = streams[i];
        stream.index = i;
        stream.speechToText = stt()->line();
        stream.textToSpeech = tts()->line();
        stream.firstSpeechToTextId = m_expected[SpeechToText].first();
        stream.firstTextToSpeechId = m_expected[TextToSpeech].first();
        stream.voiceFile = voice.fileName();
        stream.missingFile = m_storage.filePath(QStringLiteral("gone.mp3"));
        stream.gate = &gates[i];
    }
    for (Stream& stream : streams)
        threads.emplace_back(report, std::ref(stream));
    const auto takenIn = [&gates] {
        int least = INT_MAX;
        for (ReportGate& gate : gates)
            least = qMin(least, gate.takenIn());
        return least;
    };
    // Whatever fails below, the threads are let go and joined.
    const auto stop = qScopeGuard([&] {
        for (ReportGate& gate : gates)
            gate.close();
        for (std::thread& thread : threads)
            thread.join();
    });

    for (int step = 0; step < Steps; ++step) {
        const int target = takenIn() + ReportsPerStep / Workers;
        QTRY_VERIFY_WITH_TIMEOUT(takenIn() >= target, 30000);
        const Tab tab = Tab(m_script() % 2);
        const unsigned action = m_script() % 10;
        if (step == Steps / 2) {
            clearBothLists();
            addSpeechToText(TasksPerTab);
            addTextToSpeech(TasksPerTab / 2);
        } else if (action < 5 && !m_expected[tab].isEmpty()) {
            deleteRow(tab, int(m_script() % unsigned(m_expected[tab].size())));
        } else if (action < 7) {
            retryAFailedTask(tab);
        } else if (action < 9) {
            if (tab == SpeechToText)
                addSpeechToText(3);
            else
                addTextToSpeech(2);
        } else {
            // The user turns the delete question back on.
            settings()->SetSTTDeleteTaskNoTip(false);
            settings()->SetTTSDeleteTaskNoTip(false);
        }
        if (QTest::currentTestFailed())
            return;
        checkRowsFollowTasks();
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY2(m_expected[SpeechToText].size() > 100 && m_expected[TextToSpeech].size() > 100,
             "both tabs keep hundreds of tasks");
    // Every stream has walked all its state and error codes while the managers listened.
    QTRY_VERIFY_WITH_TIMEOUT(takenIn() >= CoveringReports, 30000);
    QVERIFY(subtitles.count() > 0 && sentences.count() > 0);

    // Closing the window unregisters both controllers while the threads
    // still report; they stop once the managers no longer listen.
    m_dialog.reset();
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(std::begin(streams), std::end(streams),
                                         [](const Stream& stream) { return stream.done.load(); }),
                             30000);
    for (const Stream& stream : streams)
        QVERIFY(stream.delivered >= CoveringReports);
    m_testers.clear();
    m_watch.reset();
}

int main(int argc, char** argv)
{
    // No desktop session: the window does without taskbar progress.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent-nxspeech-bus");
    QApplication app(argc, argv);
    ThreadStressTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_threadstress.moc"
