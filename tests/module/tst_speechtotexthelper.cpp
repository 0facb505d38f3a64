#include "INxAppInfo.h"
#include "NxAppSettings.h"
#include "NxDataColumns.h"
#include "NxEventRecorder.h"
#include "NxMediaFile.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxSequence.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTableModel.h"
#include "NxTestHome.h"
#include "NxTimelineClip.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <memory>
#include <vector>

using NxSpeechToText::Task;

class SpeechToTextHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        NxScriptedSpeechToTextManager::install();
    }

    void init()
    {
        QDir folder(subtitleFolder());
        folder.removeRecursively();
        NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetSTTDeleteTaskNoTip(false);
        m_presenter = std::make_unique<NxSpeechServicePresenter>();
        m_helper = std::make_unique<NxSpeechToTextHelper>(m_presenter.get());
        m_model = std::make_unique<NxSpeechToTextTableModel>(nullptr);
        m_helper->setModel(m_model.get());
    }

    void cleanup()
    {
        m_helper.reset();
        m_model.reset();
        m_presenter.reset();
        m_clips.clear();
    }

    void reportsMapStateCodesToStatuses_data()
    {
        columns<int, int>({"state", "status"});
        QTest::newRow("1 waits") << 1 << int(NxSpeechToText::Waiting);
        for (int state = 2; state <= 10; ++state)
            QTest::addRow("%d is status %d", state, state - 1) << state << state - 1;
        QTest::newRow("11 is unknown, waits") << 11 << int(NxSpeechToText::Waiting);
        QTest::newRow("0 is unknown, waits") << 0 << int(NxSpeechToText::Waiting);
        QTest::newRow("negative is unknown, waits") << -4 << int(NxSpeechToText::Waiting);
    }

    void reportsMapStateCodesToStatuses()
    {
        QFETCH(int, state); QFETCH(int, status);
        const int id = addClipTask(QStringLiteral("Intro"));
        deliver(id, NxSpeechToTextTaskInfo::Transcoding, 0, 10); // a known starting point
        QVERIFY(deliver(id, state, 0, 42));
        QCOMPARE(taskAt(0)->status, status);
        QCOMPARE(taskAt(0)->progress, 42);
    }

    void errorCodesSetMessageReasonAndFailureEvent_data()
    {
        // failedEvent: "failed_reason" sent, -1 for none
        columns<int, int, QString, QString, int, int>({"state", "code", "message", "detail", "failReason", "failedEvent"});

        QTest::newRow("0 on a failure") << 3 << 0 << "Unknow error" << "" << 4 << 5;
        QTest::newRow("0 while running sends nothing") << 8 << 0 << "Unknow error" << "" << 0 << -1;
        QTest::newRow("1 while running is lack of time") << 8 << 1 << "Not enough hours left" << "" << 2 << 4;
        QTest::newRow("2 transcode failure") << 5 << 2 << "Transcode failure" << "" << 4 << 2;
        QTest::newRow("3 file too long") << 3 << 3 << "Only 1 hour file can be transcribed in a single task." << "" << 4 << 5;
        QTest::newRow("4 even while running is unrecognised") << 8 << 4 << "Unrecognized file content." << "" << 3 << 1;
        QTest::newRow("5 upload failure") << 7 << 5 << "Upload failure" << "" << 4 << 2;
        QTest::newRow("6 login error") << 9 << 6 << "Login error" << "" << 4 << 5;
        QTest::newRow("7 keeps its two blanks") << 9 << 7 << "Transcription  failure" << "" << 4 << 2;
        QTest::newRow("8 is the network") << 6 << 8 << "Network connection is broken" << "" << 1 << 3;
        QTest::newRow("42 is unknown with its code") << 9 << 42 << "Unknow error" << "42" << 4 << 5;
        QTest::newRow("42 while running only keeps the code") << 8 << 42 << "Unknow error" << "42" << 0 << -1;
        QTest::newRow("negative code") << 3 << -7 << "Unknow error" << "-7" << 4 << 5;
    }

    void errorCodesSetMessageReasonAndFailureEvent()
    {
        QFETCH(int, state); QFETCH(int, code); QFETCH(QString, message); QFETCH(QString, detail); QFETCH(int, failReason);
        QFETCH(int, failedEvent);

        const int id = addClipTask(QStringLiteral("Intro"));
        NxEventRecorder recorder;
        QVERIFY(deliver(id, state, code));

        const Task* task = taskAt(0);
        QCOMPARE(QString::fromStdString(task->errorMessage), message);
        QCOMPARE(task->errorDetail, detail);
        QCOMPARE(task->failReason, failReason);
        const QStringList failures = recorder.summaries().filter(QStringLiteral("audio_title_func_failed"));
        if (failedEvent < 0)
            QVERIFY(failures.isEmpty());
        else
            QCOMPARE(failures, QStringList{QStringLiteral("audio_title_func_failed{func_module=STT,failed_reason=%1}")
                                               .arg(failedEvent)});
        const QVariant tooltip = m_model->index(0, NxSpeechToTextTableModel::StatusColumn).data(Qt::ToolTipRole);
        QCOMPARE(tooltip.toString(), NxSpeechToText::isFailedStatus(task->status) ? message + detail : QString());
    }

    void statusChangesSendServiceEventsOnceInOrder()
    {
        m_helper->addClipTasks({clip(QStringLiteral("Intro"), INxClip::Video, 25 * 90)}, QStringLiteral("en-US"), false);
        const int id = manager()->addedIds.last();
        NxEventRecorder recorder;
        QSignalSpy dataChanged(m_helper.get(), &NxSpeechToTextHelper::sigDataChanged);

        for (int state : {2, 2, 4, 6, 6, 8, 10, 10})
            QVERIFY(deliver(id, state));

        QCOMPARE(recorder.summaries(), (QStringList{
            "audio_title_serve_details{func_module=STT,page_status=scan}",
            "audio_title_serve_details{func_module=STT,page_status=upload}",
            "audio_title_serve_details{func_module=STT,page_status=cloud_transfer}",
            "audio_title_serve_details{func_module=STT,page_status=download}",
            "audio_title_func_bill_details{func_module=STT,bill_quantity=90}",
        }));
        QCOMPARE(recorder.events().last().properties.last().second.userType(), int(QMetaType::Int));
        // A repeated status repaints the row but reports no changed row.
        QList<bool> validIndexes;
        for (const auto& arguments : qAsConst(dataChanged))
            validIndexes.append(arguments.at(0).toModelIndex().isValid());
        QCOMPARE(validIndexes, (QList<bool>{true, false, true, true, false, true, true, false}));
    }

    void completionExportsAndAnnouncesTheSubtitles_data()
    {
        columns<QString, bool, bool, bool, bool, bool>({"kind", "attachResult", "exportWrites", "expectClip", "expectTimeline", "announced"});

        QTest::newRow("attached clip") << "clip" << true << true << true << false << true;
        QTest::newRow("attached timeline") << "timeline" << true << true << false << true << true;
        QTest::newRow("clip not attached") << "clip" << false << true << false << false << true;
        QTest::newRow("timeline not attached") << "timeline" << false << true << false << false << true;
        QTest::newRow("attached material has neither") << "material" << true << true << false << false << true;
        QTest::newRow("no file, no announcement") << "clip" << true << false << false << false << false;
    }

    void completionExportsAndAnnouncesTheSubtitles()
    {
        QFETCH(QString, kind); QFETCH(bool, attachResult); QFETCH(bool, exportWrites); QFETCH(bool, expectClip);
        QFETCH(bool, expectTimeline); QFETCH(bool, announced);

        NxSequence sequence(QStringLiteral("Main"), {25, 1});
        NxMediaFile media(QStringLiteral("/media/Interview.wav"), INxAbstractMedia::Audio, {25, 1}, 250);
        INxClip* theClip = clip(QStringLiteral("Intro"));
        if (kind == QLatin1String("clip"))
            m_helper->addClipTasks({theClip}, QStringLiteral("en-US"), attachResult);
        else if (kind == QLatin1String("timeline"))
            m_helper->addTimelineTask(&sequence, QStringLiteral("en-US"), attachResult);
        else
            m_helper->addMaterialTasks({&media}, QStringLiteral("en-US"), attachResult);
        manager()->exportWritesFile = exportWrites;
        const int id = manager()->addedIds.last();

        QSignalSpy generated(m_presenter.get(), &NxSpeechServicePresenter::sigSrtFileGenerate);
        QSignalSpy finished(m_helper.get(), &NxSpeechToTextHelper::sigTaskFinish);
        QVERIFY(deliver(id, NxSpeechToTextTaskInfo::Transcribing, 0, 60));
        QVERIFY(deliver(id, NxSpeechToTextTaskInfo::Completed, 0, 100));

        QCOMPARE(finished.count(), 1);
        QVERIFY(manager()->calls.contains(QStringLiteral("exportSubtitles:%1").arg(id)));
        QCOMPARE(generated.count(), announced ? 1 : 0);
        if (!announced)
            return;
        const QString destPath = taskAt(0)->destPath;
        QVERIFY(destPath.startsWith(subtitleFolder()));
        QCOMPARE(generated.at(0).at(0).toString(), destPath);
        QCOMPARE(generated.at(0).at(1).value<INxClip*>() == theClip, expectClip);
        QCOMPARE(generated.at(0).at(1).value<INxClip*>() == nullptr, !expectClip);
        QCOMPARE(generated.at(0).at(2).value<INxTimeline*>() == &sequence, expectTimeline);
        QCOMPARE(generated.at(0).at(2).value<INxTimeline*>() == nullptr, !expectTimeline);
    }

    void reportsAreAppliedOnTheGuiThread()
    {
        const int id = addClipTask(QStringLiteral("Intro"));
        QThread* stateThread = nullptr;
        QThread* remainingThread = nullptr;
        connect(m_helper.get(), &NxSpeechToTextHelper::sigProgress, this,
                [&] { stateThread = QThread::currentThread(); }, Qt::DirectConnection);
        connect(m_helper.get(), &NxSpeechToTextHelper::sigLastTimeChanged, this,
                [&] { remainingThread = QThread::currentThread(); }, Qt::DirectConnection);

        manager()->reportState(id, NxSpeechToTextTaskInfo::Transcribing, 0, 30);
        QCOMPARE(taskAt(0)->progress, 0); // not touched from the worker
        QTRY_COMPARE(taskAt(0)->progress, 30);
        QCOMPARE(stateThread, thread());

        // The balance is passed on as it comes, on the reporting thread.
        QSignalSpy remaining(m_helper.get(), &NxSpeechToTextHelper::sigLastTimeChanged);
        manager()->reportRemainingFromWorker(3600);
        QCOMPARE(remaining.count(), 1);
        QCOMPARE(remaining.at(0).at(0).toInt(), 3600);
        QVERIFY(remainingThread && remainingThread != thread());
    }

    void purchaseTipIsRaisedOnceUntilReset()
    {
        const int id = addClipTask(QStringLiteral("Intro"));
        QList<int> tipDurations;
        connect(m_helper.get(), &NxSpeechToTextHelper::sigPurchaseTip, this, [&](int duration, bool& success) {
            QCOMPARE(QThread::currentThread(), thread());
            tipDurations.append(duration);
            success = true;
        }, Qt::DirectConnection);

        QVERIFY(deliver(id, NxSpeechToTextTaskInfo::Transcribing, NxSpeechToTextTaskInfo::NotEnoughTime));
        QVERIFY(deliver(id, NxSpeechToTextTaskInfo::Transcribing, NxSpeechToTextTaskInfo::NotEnoughTime));
        QCOMPARE(tipDurations, QList<int>{10});
        QCOMPARE(manager()->calls.filter(QStringLiteral("retryTask")).size(), 1);

        m_helper->resetPurchaseTip();
        QVERIFY(deliver(id, NxSpeechToTextTaskInfo::TranscribeFailed, NxSpeechToTextTaskInfo::NotEnoughTime));
        QCOMPARE(tipDurations.size(), 2);
    }

    void addingSkipsRefusedTasksAndDescribesTheRest()
    {
        manager()->refusedNames = {QStringLiteral("Refused"), QStringLiteral("Main")};
        QSignalSpy counted(m_helper.get(), &NxSpeechToTextHelper::sigTaskCountChanged);

        NxTimelineClip* music = clip(QStringLiteral("Music"), INxClip::Audio, 25 * 61);
        NxTimelineClip ntsc(QStringLiteral("Ntsc"), INxClip::Video, {30000, 1001}, nullptr, {0, 1800, 0});
        NxTimelineClip broken(QStringLiteral("Broken"), INxClip::Video, {0, 1}, nullptr, {0, 1800, 0});
        QVERIFY(m_helper->addClipTasks({music, clip(QStringLiteral("Refused")), &ntsc, &broken},
                                       QStringLiteral("fr-FR"), true));
        QCOMPARE(manager()->calls.last(), QStringLiteral("refresh:0"));
        QCOMPARE(manager()->calls.filter(QStringLiteral("refresh")).size(), 1);
        QVERIFY(manager()->calls.contains(QStringLiteral("addClipTask:Music:fr-FR")));

        NxMediaFile video(QStringLiteral("/m/v.mp4"), INxAbstractMedia::Video, {24, 1}, 24 * 5);
        NxMediaFile offline(QStringLiteral("/m/gone.wav"), INxAbstractMedia::Audio, {24, 1}, 24 * 5);
        offline.setOffline(true);
        QVERIFY(m_helper->addMaterialTasks({&video, &offline}, QStringLiteral("en-US"), false));

        NxSequence refused(QStringLiteral("Main"), {25, 1});
        QVERIFY(!m_helper->addTimelineTask(&refused, QStringLiteral("en-US"), true));
        QVERIFY(!m_helper->addTimelineTask(nullptr, QStringLiteral("en-US"), true));
        QVERIFY(m_helper->addClipTasks({clip(QStringLiteral("Refused"))}, QStringLiteral("en-US"), true));

        struct Expected { QString name; int kind; int duration; bool attach; };
        const QList<Expected> expected{
            {"Clip_Music", NxSpeechToText::AudioMedia, 61, true},
            {"Clip_Ntsc", NxSpeechToText::VideoMedia, 60, true},
            {"Clip_Broken", NxSpeechToText::VideoMedia, 0, true},
            {"Material_v", NxSpeechToText::VideoMedia, 5, false},
            {"Material_gone", NxSpeechToText::AudioMedia, 0, false},
        };
        QCOMPARE(m_model->rowCount(), expected.size());
        QCOMPARE(counted.count(), expected.size());
        for (int row = 0; row < expected.size(); ++row) {
            const Task* task = taskAt(row);
            QCOMPARE(task->fileName, expected[row].name);
            QCOMPARE(task->mediaKind, expected[row].kind);
            QCOMPARE(task->duration, expected[row].duration);
            QCOMPARE(task->attachResult, expected[row].attach);
            QCOMPARE(task->taskId, manager()->addedIds.at(row));
        }
        QCOMPARE(taskAt(0)->clip, static_cast<INxClip*>(music));
        QVERIFY(!taskAt(3)->clip && !taskAt(3)->timeline);
    }

    void clearingStopsAndRemovesEverything()
    {
        QSignalSpy dataChanged(m_helper.get(), &NxSpeechToTextHelper::sigDataChanged);
        m_helper->clearAllTasks();
        QCOMPARE(dataChanged.count(), 0);
        QVERIFY(manager()->calls.isEmpty());

        const int first = addClipTask(QStringLiteral("A"));
        const int second = addClipTask(QStringLiteral("B"));
        QVERIFY(m_helper->hasUnfinishedTasks());
        manager()->unfinishedTasks.clear();
        QVERIFY(!m_helper->hasUnfinishedTasks());
        manager()->calls.clear();
        manager()->removeAnswer = false; // answers are ignored when clearing
        QSignalSpy counted(m_helper.get(), &NxSpeechToTextHelper::sigTaskCountChanged);

        m_helper->clearAllTasks();

        QCOMPARE(manager()->calls, (QStringList{"stopAll", QStringLiteral("removeTask:%1").arg(first),
                                                QStringLiteral("removeTask:%1").arg(second)}));
        QCOMPARE(m_helper->taskCount(), 0);
        QCOMPARE(m_model->rowCount(), 0);
        QCOMPARE(dataChanged.count(), 1);
        QVERIFY(!dataChanged.at(0).at(0).toModelIndex().isValid());
        QCOMPARE(counted.count(), 1);
        QVERIFY(!m_helper->hasUnfinishedTasks());
    }

    void lateReportsForRemovedTasksOnlyAnnounceTheirId()
    {
        const int removed = addClipTask(QStringLiteral("Removed"));
        const int cleared = addClipTask(QStringLiteral("Cleared"));
        // A report already on its way when the user deletes the running task.
        manager()->reportState(removed, NxSpeechToTextTaskInfo::Completed, 0, 100);
        connect(m_helper.get(), &NxSpeechToTextHelper::sigAskDelete, this,
                [](bool& ret, bool&) { ret = true; }, Qt::DirectConnection);
        m_helper->slotRemoveTask(0);
        QCOMPARE(m_helper->taskCount(), 1);

        QSignalSpy announced(m_helper.get(), &NxSpeechToTextHelper::sigTaskStateChanged);
        QSignalSpy progress(m_helper.get(), &NxSpeechToTextHelper::sigProgress);
        QSignalSpy finished(m_helper.get(), &NxSpeechToTextHelper::sigTaskFinish);
        QTRY_COMPARE(announced.count(), 1);
        m_helper->clearAllTasks();
        manager()->reportState(cleared, NxSpeechToTextTaskInfo::Transcribing, 0, 5);
        QTRY_COMPARE(announced.count(), 2);
        QCOMPARE(announced.at(1).at(0).toInt(), cleared);
        QCOMPARE(progress.count(), 0);
        QCOMPARE(finished.count(), 0);
        QVERIFY(!manager()->calls.contains(QStringLiteral("exportSubtitles:%1").arg(removed)));
    }

    void destroyingTheHelperUnregistersAndReleasesTheManager()
    {
        const int id = addClipTask(QStringLiteral("A"));
        manager()->reportState(id, NxSpeechToTextTaskInfo::Transcribing, 0, 5); // still queued
        QSignalSpy progress(m_helper.get(), &NxSpeechToTextHelper::sigProgress);
        m_helper.reset();
        QVERIFY(!NxScriptedSpeechToTextManager::latest());
        QCoreApplication::processEvents(); // the queued report dies with the helper
        QCOMPARE(progress.count(), 0);
    }

private:
    NxScriptedSpeechToTextManager* manager() const { return NxScriptedSpeechToTextManager::latest(); }
    NxTimelineClip* clip(const QString& name, int type = INxClip::Video, qint64 frames = 250);
    int addClipTask(const QString& name, bool attachResult = false);
    bool deliver(int taskId, int state, int code = 0, int progress = 0);
    Task* taskAt(int row) const;
    QString subtitleFolder() const;

    NxTestHome m_home;
    std::unique_ptr<NxSpeechServicePresenter> m_presenter;
    std::unique_ptr<NxSpeechToTextTableModel> m_model;
    std::unique_ptr<NxSpeechToTextHelper> m_helper;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
};

NxTimelineClip* SpeechToTextHelperTest::clip(const QString& name, int type, qint64 frames)
{
    m_clips.push_back(std::make_unique<NxTimelineClip>(name, type, NxRational{25, 1}, nullptr,
                                                       NxTimelineClip::Placement{0, frames, 0}));
    return m_clips.back().get();
}

int SpeechToTextHelperTest::addClipTask(const QString& name, bool attachResult)
{
    m_helper->addClipTasks({clip(name)}, QStringLiteral("en-US"), attachResult);
    return manager()->addedIds.last();
}

bool SpeechToTextHelperTest::deliver(int taskId, int state, int code, int progress)
{
    QSignalSpy handled(m_helper.get(), &NxSpeechToTextHelper::sigTaskStateChanged);
    manager()->reportState(taskId, state, code, progress);
    return handled.wait(5000);
}

Task* SpeechToTextHelperTest::taskAt(int row) const
{
    return NxSpeechToTextTableModel::taskFromVariant(m_model->index(row, 0).data(Qt::UserRole));
}

QString SpeechToTextHelperTest::subtitleFolder() const
{
    return INxAppInfo::getInstance()->getPath(INxAppInfo::SpeechToTextSubtitleFolder);
}

QTEST_MAIN(SpeechToTextHelperTest)
#include "tst_speechtotexthelper.moc"
