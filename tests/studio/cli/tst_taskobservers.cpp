#include "NxMediaFile.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxTaskObservers.h"

#include <QtTest>

#include <future>
#include <memory>
#include <mutex>
#include <thread>

// What a host observes of the task managers create() makes, and that the
// module's callback sees its reports as before.
namespace
{

// One log for the module's callback and an observer, in the order of the calls.
struct Log
{
    std::mutex mutex;
    QStringList lines;
    QList<std::thread::id> threads;

    void add(const QString& line)
    {
        std::lock_guard<std::mutex> lock(mutex);
        lines.append(line);
        threads.append(std::this_thread::get_id());
    }
};

class CallBack : public INxSpeechToTextTaskManagerCallBack
{
public:
    explicit CallBack(Log& log) : m_log(log) {}
    void onTaskStateChanged(const NxSpeechToTextTaskInfo& info) override
    {
        m_log.add(QStringLiteral("module:%1:%2").arg(info.taskId).arg(info.state));
        if (block)
            block(info);
    }
    void onRemainingChanged(int seconds) override { m_log.add(QStringLiteral("module:left %1").arg(seconds)); }
    std::function<void(const NxSpeechToTextTaskInfo&)> block;

private:
    Log& m_log;
};

class Observer : public INxSpeechToTextTaskObserver
{
public:
    explicit Observer(Log& log) : m_log(log) { NxTaskObservers::observe(this); }
    ~Observer() { NxTaskObservers::unobserve(this); }
    void onTaskStateChanged(const NxSpeechToTextTaskInfo& info) override
    {
        m_log.add(QStringLiteral("host:%1:%2:%3:%4").arg(info.taskId).arg(info.state).arg(info.code).arg(info.progress));
    }
    void onRemainingChanged(int seconds) override { m_log.add(QStringLiteral("host:left %1").arg(seconds)); }
    void onTaskAdded(int taskId) override { m_log.add(QStringLiteral("host:added %1").arg(taskId)); }
    void onTaskRemoved(int taskId) override { m_log.add(QStringLiteral("host:removed %1").arg(taskId)); }
    void onSubtitlesExported(int taskId, const QString& path) override
    {
        m_log.add(QStringLiteral("host:exported %1 %2").arg(QString::number(taskId), path));
    }

private:
    Log& m_log;
};

class TextToSpeechObserver : public INxTextToSpeechTaskObserver
{
public:
    TextToSpeechObserver() { NxTaskObservers::observe(this); }
    ~TextToSpeechObserver() { NxTaskObservers::unobserve(this); }
    void onTaskStateChanged(const NxTextToSpeechTaskInfo& info) override
    {
        lines.append(QStringLiteral("report %1:%2").arg(info.taskId).arg(info.state));
    }
    void onRemainingChanged(int characters) override { lines.append(QStringLiteral("left %1").arg(characters)); }
    void onSrtTaskProductProgress(const NxSrtTaskProductInfo& info) override
    {
        lines.append(QStringLiteral("sentence %1:%2").arg(info.taskId).arg(info.index));
    }
    void onTaskAdded(int taskId) override { lines.append(QStringLiteral("added %1").arg(taskId)); }
    void onTaskRemoved(int taskId) override { lines.append(QStringLiteral("removed %1").arg(taskId)); }
    QStringList lines; // written on the worker threads the scripted manager joins
};

class NullCallBack : public INxTextToSpeechTaskManagerCallBack
{
    void onTaskStateChanged(const NxTextToSpeechTaskInfo&) override {}
    void onRemainingChanged(int) override {}
    void onSrtTaskProductProgress(const NxSrtTaskProductInfo&) override {}
};

} // namespace

class tst_TaskObservers : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        NxScriptedSpeechToTextManager::install();
        NxScriptedTextToSpeechManager::install();
    }
    void cleanup()
    {
        NxScriptedSpeechToTextManager::uninstall();
        NxScriptedTextToSpeechManager::uninstall();
    }

    void anObserverSeesEachReportRightAfterTheModule()
    {
        Log log;
        CallBack callBack(log);
        auto observer = std::make_unique<Observer>(log);
        INxSpeechToTextTaskManager* manager = INxSpeechToTextTaskManager::create();
        NxScriptedSpeechToTextManager* scripted = NxScriptedSpeechToTextManager::latest();
        manager->setCallBack(&callBack);
        NxMediaFile talk(QStringLiteral("/media/talk.wav"), INxAbstractMedia::Audio, {1000, 1}, 5000,
                         QStringLiteral("talk"));
        NxMediaFile silent(QStringLiteral("/media/silent.wav"), INxAbstractMedia::Audio, {1000, 1}, 5000,
                           QStringLiteral("silent"));
        scripted->refusedNames.insert(QStringLiteral("silent"));
        const int taskId = manager->addMaterialTask(&talk, QStringLiteral("en-US"));
        QCOMPARE(manager->addMaterialTask(&silent, QStringLiteral("en-US")), -1);
        scripted->reportState(taskId, NxSpeechToTextTaskInfo::Transcribing, 0, 40);
        scripted->reportRemainingFromWorker(30);
        manager->exportSubtitles(taskId, QStringLiteral("/out/talk.srt"));
        QVERIFY(manager->removeTask(taskId));
        const QString id = QString::number(taskId);
        QCOMPARE(log.lines, QStringList({"host:added " + id, "host:added -1", "module:" + id + ":8",
                                         "host:" + id + ":8:0:40", "module:left 30", "host:left 30",
                                         "host:exported " + id + " /out/talk.srt", "host:removed " + id}));
        // Each report reaches both on the manager's thread.
        QCOMPARE(log.threads.at(2), log.threads.at(3));
        QVERIFY(log.threads.at(2) != std::this_thread::get_id());

        // Once nobody observes, the module alone hears, and new managers come as made.
        observer.reset();
        scripted->reportState(taskId, NxSpeechToTextTaskInfo::Completed);
        QCOMPARE(log.lines.last(), "module:" + id + ":10");
        manager->setCallBack(nullptr);
        manager->release();
        INxSpeechToTextTaskManager* unobserved = INxSpeechToTextTaskManager::create();
        QCOMPARE(unobserved, static_cast<INxSpeechToTextTaskManager*>(NxScriptedSpeechToTextManager::latest()));
        unobserved->release();
    }

    void unregisteringWaitsForAReportInFlight()
    {
        Log log;
        CallBack callBack(log);
        Log observed;
        const Observer observer(observed);
        INxSpeechToTextTaskManager* manager = INxSpeechToTextTaskManager::create();
        NxScriptedSpeechToTextManager* scripted = NxScriptedSpeechToTextManager::latest();
        manager->setCallBack(&callBack);
        std::promise<void> entered;
        std::promise<void> leave;
        callBack.block = [&](const NxSpeechToTextTaskInfo&) {
            entered.set_value();
            leave.get_future().wait();
        };
        std::thread reporter([&] { scripted->reportState(7, NxSpeechToTextTaskInfo::Uploading); });
        entered.get_future().wait();
        auto unregistered = std::async(std::launch::async, [&] { manager->setCallBack(nullptr); });
        QCOMPARE(unregistered.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
        leave.set_value();
        unregistered.wait();
        reporter.join();
        callBack.block = nullptr;
        scripted->reportState(7, NxSpeechToTextTaskInfo::Completed);
        QCOMPARE(log.lines, QStringList{"module:7:6"});
        manager->release();
    }

    void textToSpeechReportsAndIdsPassThrough()
    {
        NullCallBack callBack;
        TextToSpeechObserver observer;
        INxTextToSpeechTaskManager* manager = INxTextToSpeechTaskManager::create();
        NxScriptedTextToSpeechManager* scripted = NxScriptedTextToSpeechManager::latest();
        manager->setCallBack(&callBack);
        int taskId = -1, sentences = 0, characters = 0;
        QString text;
        manager->addTask(NxTextToSpeechTaskRequest(), &taskId, &sentences, &characters, &text);
        QCOMPARE(taskId, scripted->addedIds.value(0));
        QCOMPARE(characters, scripted->charactersPerTask);
        scripted->reportState(taskId, NxTextToSpeechTaskInfo::Converting);
        scripted->productFromWorker(taskId, 2, 0, QString());
        const QString id = QString::number(taskId);
        QCOMPARE(observer.lines, QStringList({"added " + id, "report " + id + ":6", "sentence " + id + ":2"}));
        manager->setCallBack(nullptr);
        manager->release();
    }
};

QTEST_GUILESS_MAIN(tst_TaskObservers)
#include "tst_taskobservers.moc"
