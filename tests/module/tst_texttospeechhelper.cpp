#include "INxAppInfo.h"
#include "INxBaseLog.h"
#include "NxAppSettings.h"
#include "NxDataColumns.h"
#include "NxEventRecorder.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxSpeechServicePresenter.h"
#include "NxTestHome.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechTableModel.h"
#include "NxTitleClip.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <vector>

using NxTextToSpeech::Task;

class TextToSpeechHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        NxScriptedTextToSpeechManager::install();
    }

    void init()
    {
        QDir(outputFolder()).removeRecursively();
        NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetTTSDeleteTaskNoTip(false);
        m_presenter = std::make_unique<NxSpeechServicePresenter>();
        m_helper = std::make_unique<NxTextToSpeechHelper>(m_presenter.get());
        m_model = std::make_unique<NxTextToSpeechTableModel>(nullptr);
        m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_helper->setModel(m_model.get());
    }

    void cleanup()
    {
        m_helper.reset();
        m_tester.reset();
        m_model.reset();
        m_presenter.reset();
        m_clips.clear();
    }

    void reportsMapToStatusesWithCodesForcingScanFailure_data()
    {
        columns<int, int, int, QString, int, bool>({"state", "code", "status", "message", "failReason", "finishes"});

        QTest::newRow("waiting") << 1 << 0 << 0 << "Unknow error" << 0 << false;
        QTest::newRow("converting") << 6 << 0 << 5 << "Unknow error" << 0 << false;
        QTest::newRow("download failed") << 9 << 6 << 8 << "Transcription  failure" << 4 << true;
        QTest::newRow("code 3 on converting fails the scan") << 6 << 3 << 2
                                                             << "Only 1500 characters can be transcribed in a single task." << 4 << true;
        QTest::newRow("code 2 fails the scan as unrecognised") << 8 << 2 << 2 << "Unrecognized file content." << 3 << true;
        QTest::newRow("code 5 fails the scan as network") << 4 << 5 << 2 << "Network connection is broken" << 1 << true;
        QTest::newRow("code 4 keeps the stage") << 5 << 4 << 4 << "Upload failure" << 4 << true;
        QTest::newRow("unknown state waits") << 11 << 0 << 0 << "Unknow error" << 0 << false;
    }

    void reportsMapToStatusesWithCodesForcingScanFailure()
    {
        QFETCH(int, state); QFETCH(int, code); QFETCH(int, status); QFETCH(QString, message); QFETCH(int, failReason);
        QFETCH(bool, finishes);

        const int id = add(title(QStringLiteral("T"), {QStringLiteral("hello")}));
        QSignalSpy finished(m_helper.get(), &NxTextToSpeechHelper::sigTaskFinish);
        QVERIFY(deliver(id, state, code));
        QCOMPARE(taskAt(0)->status, status);
        QCOMPARE(QString::fromStdString(taskAt(0)->errorMessage), message);
        QCOMPARE(taskAt(0)->failReason, failReason);
        QCOMPARE(finished.count(), finishes ? 1 : 0);
    }

    void serviceDetailsAreSentOncePerChangeIntoFourStatuses()
    {
        const int titleId = add(title(QStringLiteral("T"), {QStringLiteral("hello")}));
        NxEventRecorder recorder;
        for (int state : {1, 2, 2, 4, 6, 6, 8, 8})
            QVERIFY(deliver(titleId, state));
        QVERIFY(deliver(titleId, 7, 0)); // a failure sends its own event only
        QCOMPARE(recorder.summaries(), (QStringList{
            "audio_title_serve_details{func_module=TTS,page_status=scan,clip_type=title}",
            "audio_title_serve_details{func_module=TTS,page_status=upload,clip_type=title}",
            "audio_title_serve_details{func_module=TTS,page_status=cloud_transfer,clip_type=title}",
            "audio_title_func_failed{func_module=TTS,failed_reason=2,clip_type=title}",
        }));

        const int subtitleId = add(subtitle(QStringLiteral("Dialog")));
        recorder.clear();
        QVERIFY(deliver(subtitleId, 10));
        QCOMPARE(recorder.summaries(), (QStringList{
            "audio_title_serve_details{func_module=TTS,page_status=download,clip_type=srt}",
            "audio_title_func_bill_details{func_module=TTS,bill_quantity=120}",
        }));
    }

    void addingSendsTheParameterEventAndSkipsRefusedClips()
    {
        manager()->refusedClips = {QStringLiteral("Refused")};
        NxEventRecorder recorder;
        QSignalSpy counted(m_helper.get(), &NxTextToSpeechHelper::sigTaskCountChanged);
        TextToSpeechTaskParam param;
        param.languageCode = QStringLiteral("en-GB");
        param.voiceCode = QStringLiteral("Emily");
        param.intonation = 3;
        param.speed = -2;
        param.voiceName = QStringLiteral("Emily (UK)");
        param.intonationName = QStringLiteral("High");
        param.speedName = QStringLiteral("Slow");
        QVERIFY(m_helper->addTasks({title(QStringLiteral("A"), {"x"}), title(QStringLiteral("Refused")),
                                    subtitle(QStringLiteral("S"))}, param));

        QCOMPARE(recorder.summaries().first(),
                 QStringLiteral("title_audio_params_setting{tone_color=british_female_voice.,tone=3,speed=slow}"));
        QCOMPARE(manager()->calls.first(), QStringLiteral("addTask:A:Emily:3:-2:en-GB"));
        QCOMPARE(manager()->calls.last(), QStringLiteral("refresh"));
        QCOMPARE(counted.count(), 1);
        QCOMPARE(m_model->rowCount(), 2);
        QVERIFY(!taskAt(0)->isSubtitle);
        QVERIFY(taskAt(1)->isSubtitle);
        QCOMPARE(taskAt(0)->toolTip, QStringLiteral("TotalWord: 120\nVocalist: Emily (UK)\nInotation: High\nSpeakRate: Slow"));
        QCOMPARE(taskAt(0)->text, QStringLiteral("Spoken text of A"));
    }

    void completedTitleIsCopiedWithoutOverwritingAndItsTextKept()
    {
        NxTitleClip* clip = title(QStringLiteral("Intro"), {QStringLiteral("Welcome")});
        const int first = add(clip, true);
        const int second = add(title(QStringLiteral("Outro"), {QStringLiteral("Bye")}), false);
        QFile occupied(taskAt(1)->destPath);
        QVERIFY(occupied.open(QIODevice::WriteOnly));
        occupied.write("user's own file");
        occupied.close();
        const QString produced = writeFile(QStringLiteral("produced.mp3"), "ID3 fresh audio");

        QList<NxLogEntry> log;
        const int handle = GetGlobalLogInstance()->addListener([&](const NxLogEntry& entry) {
            if (entry.file == QLatin1String("NxSpeechService/NxTextToSpeechHelper"))
                log.append(entry);
        });
        QSignalSpy audio(m_presenter.get(), &NxSpeechServicePresenter::sigAudioFileGenerate);
        QVERIFY(deliver(first, 10, 0, produced));
        QVERIFY(deliver(second, 10, 0, produced));
        QVERIFY(deliver(second, 10, 0, m_storage.filePath(QStringLiteral("missing.mp3"))));
        GetGlobalLogInstance()->removeListener(handle);

        QFile copied(taskAt(0)->destPath);
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), QByteArray("ID3 fresh audio"));
        QFile text(outputFolder() + "/Intro - Welcome.kvtxt");
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(text.readAll()), QStringLiteral("Spoken text of Intro"));
        QVERIFY(occupied.open(QIODevice::ReadOnly));
        QCOMPARE(occupied.readAll(), QByteArray("user's own file"));

        // Only the task's own copy is announced; the other task failed.
        QCOMPARE(audio.count(), 1);
        QCOMPARE(audio.at(0).at(1).value<INxClip*>(), static_cast<INxClip*>(clip));
        QCOMPARE(taskAt(1)->status, int(NxTextToSpeech::DownloadFailed));
        QStringList messages;
        for (const NxLogEntry& entry : log) {
            QCOMPARE(entry.function, QStringLiteral("NxTextToSpeechHelper::dealTaskFinished"));
            messages.append(entry.message);
        }
        QCOMPARE(messages, (QStringList{"copy file : " + produced, "dest file : " + taskAt(0)->destPath,
                                        "copy file : " + produced, "dest file : " + taskAt(1)->destPath,
                                        "dest file failed!",
                                        QStringLiteral("task %1 failed: %2 already exists").arg(QString::number(second), taskAt(1)->destPath),
                                        "copy file : " + m_storage.filePath("missing.mp3"),
                                        "dest file : " + taskAt(1)->destPath, "not found source file"}));
    }

    void sentencesAreCopiedAndOnlyTheFirstOfARunStarts()
    {
        NxTimelineClip* clip = subtitle(QStringLiteral("Dialog"));
        const int id = add(clip, true);
        const QString sentence = writeFile(QStringLiteral("s.mp3"), "sentence audio");
        QSignalSpy products(m_presenter.get(), &NxSpeechServicePresenter::sigSrtProductFileGenerate);

        for (int index : {4, 5})
            manager()->productFromWorker(id, index, 50, sentence);
        QTRY_COMPARE(products.count(), 2);
        QVERIFY(deliver(id, 7, 0)); // a failure opens a new run
        manager()->productFromWorker(id, 6, 75, sentence);
        QTRY_COMPARE(products.count(), 3);
        // A sentence made again after a retry replaces the earlier file.
        const QString again = writeFile(QStringLiteral("again.mp3"), "second take");
        manager()->productFromWorker(id, 4, 50, again);
        QTRY_COMPARE(products.count(), 4);
        QFile replaced(taskAt(0)->destPath + "/Dialog_5.mp3");
        QVERIFY(replaced.open(QIODevice::ReadOnly));
        QCOMPARE(replaced.readAll(), QByteArray("second take"));

        const QString folder = taskAt(0)->destPath;
        QCOMPARE(products.at(0).at(0).toString(), folder + "/Dialog_5.mp3");
        QCOMPARE(products.at(0).at(1).toString(), QStringLiteral("Dialog"));
        QCOMPARE(products.at(0).at(2).value<INxClip*>(), static_cast<INxClip*>(clip));
        QCOMPARE(products.at(0).at(3).toLongLong(), 1050); // the clip starts at frame 1000
        QList<bool> starts;
        for (const auto& product : qAsConst(products))
            starts.append(product.at(4).toBool());
        QCOMPARE(starts, (QList<bool>{true, false, true, false}));
        QVERIFY(QFile::exists(folder + "/Dialog_6.mp3"));

        QList<NxLogEntry> log;
        const int handle = GetGlobalLogInstance()->addListener([&](const NxLogEntry& entry) { log.append(entry); });
        manager()->productFromWorker(id, 1, 0, m_storage.filePath(QStringLiteral("gone.mp3")));
        QTRY_VERIFY(!log.isEmpty());
        GetGlobalLogInstance()->removeListener(handle);
        QCOMPARE(log.first().level, NxLogEntry::Error);
        QCOMPARE(log.first().message, QStringLiteral("str product file no exits,path:%1,index:1")
                                          .arg(m_storage.filePath(QStringLiteral("gone.mp3"))));
        QCOMPARE(products.count(), 4);
    }

    void partlyFailedSubtitleTaskEndsAsConvertFailed()
    {
        manager()->sentencesPerTask = 4;
        manager()->failedSentences = 1;
        const int id = add(subtitle(QStringLiteral("Dialog")));
        NxEventRecorder recorder;
        QVERIFY(deliver(id, 10));
        const Task* task = taskAt(0);
        QCOMPARE(task->status, int(NxTextToSpeech::ConvertFailed));
        QCOMPARE(QString::fromStdString(task->errorMessage), QStringLiteral("Partial text transcription failed"));
        QCOMPARE(task->succeededSentences, 3);
        QCOMPARE(task->completedCharacters, 60);
        QVERIFY(recorder.names().contains(QStringLiteral("audio_title_func_failed")));
        QCOMPARE(m_model->index(0, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("Completed/TotalWord"));
    }

    void purchaseTipIsRaisedOnceUntilReset()
    {
        const int id = add(title(QStringLiteral("T"), {"x"}));
        int tips = 0;
        connect(m_helper.get(), &NxTextToSpeechHelper::sigPurchaseTip, this, [&](int characters, bool& ok) {
            QCOMPARE(characters, 120);
            ++tips;
            ok = true;
        }, Qt::DirectConnection);
        QVERIFY(deliver(id, 6, 1));
        QVERIFY(deliver(id, 6, 1));
        QCOMPARE(tips, 1);
        QCOMPARE(manager()->calls.filter(QStringLiteral("retryTask")).size(), 1);
        m_helper->resetPurchaseTip();
        QVERIFY(deliver(id, 7, 1));
        QCOMPARE(tips, 2);
    }

    void reportsFromAnotherThreadAreAppliedOnTheGuiThread()
    {
        const int id = add(title(QStringLiteral("T"), {"x"}));
        QThread* handledOn = nullptr;
        connect(m_helper.get(), &NxTextToSpeechHelper::sigProgress, this,
                [&] { handledOn = QThread::currentThread(); }, Qt::DirectConnection);
        manager()->reportState(id, 6, 0, 45);
        QCOMPARE(taskAt(0)->progress, 0);
        QTRY_COMPARE(taskAt(0)->progress, 45);
        QCOMPARE(handledOn, thread());
    }

    void deleteAsksOnlyForUnfinishedTasks_data()
    {
        columns<int, bool, bool, bool, bool, bool>({"state", "confirm", "tickNoTip", "asked", "removed", "noTipSaved"});

        QTest::newRow("completed goes without a question") << 10 << false << false << false << true << false;
        QTest::newRow("failed goes without a question") << 9 << false << false << false << true << false;
        QTest::newRow("running, confirmed and stop asking") << 6 << true << true << true << true << true;
        QTest::newRow("running, cancelled with stop asking ticked") << 6 << false << true << true << false << false;
    }

    void deleteAsksOnlyForUnfinishedTasks()
    {
        QFETCH(int, state); QFETCH(bool, confirm); QFETCH(bool, tickNoTip); QFETCH(bool, asked); QFETCH(bool, removed);
        QFETCH(bool, noTipSaved);

        const int id = add(title(QStringLiteral("T"), {"x"}));
        QVERIFY(deliver(id, state));
        int questions = 0;
        connect(m_helper.get(), &NxTextToSpeechHelper::sigAskDelete, this, [&](bool& ret, bool& noTip) {
            ++questions;
            ret = confirm;
            noTip = tickNoTip;
        }, Qt::DirectConnection);
        m_helper->slotRemoveTask(0);
        QCOMPARE(questions, asked ? 1 : 0);
        QCOMPARE(m_helper->taskCount(), removed ? 0 : 1);
        QCOMPARE(m_model->rowCount(), removed ? 0 : 1);
        QCOMPARE(NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->GetTTSDeleteTaskNoTip(), noTipSaved);
    }

    void retryFollowsTheFailureReason_data()
    {
        columns<int, int, bool>({"state", "code", "retries"});
        QTest::newRow("unrecognised text never") << 6 << 2 << false;
        QTest::newRow("network failure") << 6 << 5 << true;
        QTest::newRow("download failure") << 9 << 0 << true;
        QTest::newRow("still converting") << 6 << 0 << false;
    }

    void retryFollowsTheFailureReason()
    {
        QFETCH(int, state); QFETCH(int, code); QFETCH(bool, retries);
        const int id = add(title(QStringLiteral("T"), {"x"}));
        QVERIFY(deliver(id, state, code));
        manager()->calls.clear();
        m_helper->slotRefreshTask(0);
        QCOMPARE(manager()->calls, retries ? QStringList{QStringLiteral("retryTask:%1").arg(id)} : QStringList());
        QCOMPARE(taskAt(0)->status == NxTextToSpeech::Waiting, retries);
    }

    void clearingStopsRemovesAndEmptiesTheModel()
    {
        const int first = add(title(QStringLiteral("A"), {"x"}));
        const int second = add(subtitle(QStringLiteral("S")));
        QVERIFY(m_helper->hasUnfinishedTasks());
        manager()->calls.clear();
        QSignalSpy changed(m_helper.get(), &NxTextToSpeechHelper::sigDataChanged);
        m_helper->clearAllTasks();
        QCOMPARE(manager()->calls, (QStringList{"stopAll", QStringLiteral("removeTask:%1").arg(first),
                                                QStringLiteral("removeTask:%1").arg(second)}));
        QCOMPARE(m_model->rowCount(), 0);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!m_helper->hasUnfinishedTasks());
        // A late report for a cleared task only announces its id.
        QSignalSpy progress(m_helper.get(), &NxTextToSpeechHelper::sigProgress);
        QVERIFY(deliver(first, 6));
        QCOMPARE(progress.count(), 0);
    }

    void modelShowsTooltipsAndNoDisplayText()
    {
        add(title(QStringLiteral("T"), {"x"}));
        const int id = add(title(QStringLiteral("U"), {"y"}));
        QVERIFY(deliver(id, 7, 42));
        for (int column = 0; column < 4; ++column)
            QVERIFY(!m_model->index(1, column).data(Qt::DisplayRole).isValid());
        QCOMPARE(m_model->index(1, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("U - y"));
        QVERIFY(!m_model->index(1, 1).data(Qt::ToolTipRole).isValid()); // a title, not a subtitle
        QCOMPARE(m_model->index(1, 2).data(Qt::ToolTipRole).toString(), QStringLiteral("Unknow error42"));
        QVERIFY(!m_model->index(0, 2).data(Qt::ToolTipRole).isValid());
    }

private:
    NxScriptedTextToSpeechManager* manager() const { return NxScriptedTextToSpeechManager::latest(); }
    NxTitleClip* title(const QString& name, const QStringList& texts = {});
    NxTimelineClip* subtitle(const QString& name);
    int add(INxClip* clip, bool attachResult = true);
    bool deliver(int taskId, int state, int code = 0, const QString& filePath = QString());
    Task* taskAt(int row) const;
    QString outputFolder() const;
    QString writeFile(const QString& name, const QByteArray& content);

    NxTestHome m_home;
    QTemporaryDir m_storage; // the manager's own storage
    std::unique_ptr<NxSpeechServicePresenter> m_presenter;
    std::unique_ptr<NxTextToSpeechTableModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    std::unique_ptr<NxTextToSpeechHelper> m_helper;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
};

NxTitleClip* TextToSpeechHelperTest::title(const QString& name, const QStringList& texts)
{
    auto clip = std::make_unique<NxTitleClip>(name, NxRational{25, 1}, 100, 250);
    for (const QString& text : texts)
        clip->addText(text);
    NxTitleClip* raw = clip.get();
    m_clips.push_back(std::move(clip));
    return raw;
}

NxTimelineClip* TextToSpeechHelperTest::subtitle(const QString& name)
{
    m_clips.push_back(std::make_unique<NxTimelineClip>(name, INxClip::Subtitle, NxRational{25, 1}, nullptr,
                                                       NxTimelineClip::Placement{0, 500, 1000}));
    return m_clips.back().get();
}

int TextToSpeechHelperTest::add(INxClip* clip, bool attachResult)
{
    TextToSpeechTaskParam param;
    param.attachResult = attachResult;
    param.languageCode = QStringLiteral("en-US");
    param.voiceCode = QStringLiteral("Andy");
    m_helper->addTasks({clip}, param);
    return manager()->addedIds.last();
}

bool TextToSpeechHelperTest::deliver(int taskId, int state, int code, const QString& filePath)
{
    QSignalSpy handled(m_helper.get(), &NxTextToSpeechHelper::sigTaskStateChanged);
    manager()->reportState(taskId, state, code, 50, filePath);
    return handled.wait(5000);
}

Task* TextToSpeechHelperTest::taskAt(int row) const
{
    return NxTextToSpeechTableModel::taskFromVariant(m_model->index(row, 0).data(Qt::UserRole));
}

QString TextToSpeechHelperTest::outputFolder() const
{
    return INxAppInfo::getInstance()->getPath(INxAppInfo::TextToSpeechOutputFolder);
}

QString TextToSpeechHelperTest::writeFile(const QString& name, const QByteArray& content)
{
    const QString path = m_storage.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    return path;
}

QTEST_MAIN(TextToSpeechHelperTest)
#include "tst_texttospeechhelper.moc"
