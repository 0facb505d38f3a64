#include "NxMediaFile.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxTaskObservers.h"

#include <QtTest>

#include <functional>
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

// The module's callback, or as "host" an observer of both services while it lives; writes "<who>:<what>".
class Listener final : public INxSpeechToTextTaskObserver, public INxTextToSpeechTaskObserver
{
public:
    Listener(Log& log, const QString& who) : m_log(log), m_who(who), m_observes(who == "host")
    {
        if (m_observes)
            NxTaskObservers::observe(stt()), NxTaskObservers::observe(tts());
    }
    ~Listener()
    {
        if (m_observes)
            NxTaskObservers::unobserve(stt()), NxTaskObservers::unobserve(tts());
    }
    void onTaskStateChanged(const NxSpeechToTextTaskInfo& info) override
    {
        state(info);
        if (block)
            block();
    }
    void onTaskStateChanged(const NxTextToSpeechTaskInfo& info) override { state(info); }
    void onRemainingChanged(int left) override { add(QStringLiteral("left %1").arg(left)); }
    void onSrtTaskProductProgress(const NxSrtTaskProductInfo& info) override
    {
        add(QStringLiteral("sentence %1:%2").arg(info.taskId).arg(info.index));
    }
    void onTaskAdded(int taskId) override { add(QStringLiteral("added %1").arg(taskId)); }
    void onTaskRemoved(int taskId) override { add(QStringLiteral("removed %1").arg(taskId)); }
    void onSubtitlesExported(int taskId, const QString& path) override
    {
        add(QStringLiteral("exported %1 %2").arg(QString::number(taskId), path));
    }
    std::function<void()> block; // runs inside a speech-to-text report

private:
    template <typename Info>
    void state(const Info& info)
    {
        add(QStringLiteral("%1:%2:%3:%4").arg(info.taskId).arg(info.state).arg(info.code).arg(info.progress));
    }
    void add(const QString& line) { m_log.add(m_who + ':' + line); }
    INxSpeechToTextTaskObserver* stt() { return this; }
    INxTextToSpeechTaskObserver* tts() { return this; }
    Log& m_log;
    const QString m_who;
    const bool m_observes;
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
        Listener callBack(log, "module");
        auto observer = std::make_unique<Listener>(log, "host");
        INxSpeechToTextTaskManager* manager = INxSpeechToTextTaskManager::create();
        NxScriptedSpeechToTextManager* scripted = NxScriptedSpeechToTextManager::latest();
        manager->setCallBack(&callBack);
        NxMediaFile talk("/media/talk.wav", INxAbstractMedia::Audio, {1000, 1}, 5000, "talk");
        NxMediaFile silent("/media/silent.wav", INxAbstractMedia::Audio, {1000, 1}, 5000, "silent");
        scripted->refusedNames.insert("silent");
        const int taskId = manager->addMaterialTask(&talk, "en-US");
        QCOMPARE(manager->addMaterialTask(&silent, "en-US"), -1);
        scripted->reportState(taskId, NxSpeechToTextTaskInfo::Transcribing, 0, 40);
        scripted->reportRemainingFromWorker(30);
        manager->exportSubtitles(taskId, "/out/talk.srt");
        QVERIFY(manager->removeTask(taskId));
        const QString id = QString::number(taskId);
        QCOMPARE(log.lines, QStringList({"host:added " + id, "host:added -1", "module:" + id + ":8:0:40",
                                         "host:" + id + ":8:0:40", "module:left 30", "host:left 30",
                                         "host:exported " + id + " /out/talk.srt", "host:removed " + id}));
        // Each report reaches both on the manager's thread.
        QCOMPARE(log.threads.at(2), log.threads.at(3));
        QVERIFY(log.threads.at(2) != std::this_thread::get_id());

        // Once nobody observes, the module alone hears, and new managers come as made.
        observer.reset();
        scripted->reportState(taskId, NxSpeechToTextTaskInfo::Completed);
        QCOMPARE(log.lines.last(), "module:" + id + ":10:0:0");
        manager->setCallBack(nullptr);
        manager->release();
        INxSpeechToTextTaskManager* unobserved = INxSpeechToTextTaskManager::create();
        QCOMPARE(unobserved, static_cast<INxSpeechToTextTaskManager*>(NxScriptedSpeechToTextManager::latest()));
        unobserved->release();
    }

    void unregisteringWaitsForAReportInFlight()
    {
        Log log, observed;
        Listener callBack(log, "module");
        const Listener observer(observed, "host");
        INxSpeechToTextTaskManager* manager = INxSpeechToTextTaskManager::create();
        NxScriptedSpeechToTextManager* scripted = NxScriptedSpeechToTextManager::latest();
        manager->setCallBack(&callBack);
        std::promise<void> entered, leave;
        callBack.block = [&] {
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
        QCOMPARE(log.lines, QStringList{"module:7:6:0:0"});
        manager->release();
    }

    void textToSpeechReportsAndIdsPassThrough()
    {
        Log log;
        Listener callBack(log, "module");
        const Listener observer(log, "host");
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
        QCOMPARE(log.lines, QStringList({"host:added " + id, "module:" + id + ":6:0:0", "host:" + id + ":6:0:0",
                                         "module:sentence " + id + ":2", "host:sentence " + id + ":2"}));
        manager->setCallBack(nullptr);
        manager->release();
    }
};

QTEST_GUILESS_MAIN(tst_TaskObservers)
#include "tst_taskobservers.moc"
