#include "INxAppInfo.h"
#include "NxAppSettings.h"
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
    void initTestCase();
    void init();
    void cleanup();

    void reportsMapStateCodesToStatuses_data();
    void reportsMapStateCodesToStatuses();
    void errorCodesSetMessageReasonAndFailureEvent_data();
    void errorCodesSetMessageReasonAndFailureEvent();
    void statusChangesSendServiceEventsOnceInOrder();
    void completionExportsAndAnnouncesTheSubtitles_data();
    void completionExportsAndAnnouncesTheSubtitles();
    void reportsAreAppliedOnTheGuiThread();
    void purchaseTipIsRaisedOnceUntilReset();
    void retryFollowsTheFailureReason_data();
    void retryFollowsTheFailureReason();
    void deleteAsksOnlyForRunningTasks_data();
    void deleteAsksOnlyForRunningTasks();
    void subtitleFilesAreNamedAgainstFolderAndTasks_data();
    void subtitleFilesAreNamedAgainstFolderAndTasks();
    void addingSkipsRefusedTasksAndDescribesTheRest();
    void clearingStopsAndRemovesEverything();
    void lateReportsForRemovedTasksOnlyAnnounceTheirId();
    void destroyingTheHelperUnregistersAndReleasesTheManager();

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

void SpeechToTextHelperTest::initTestCase()
{
    NxScriptedSpeechToTextManager::install();
}

void SpeechToTextHelperTest::init()
{
    QDir folder(subtitleFolder());
    folder.removeRecursively();
    NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting()->SetSTTDeleteTaskNoTip(false);
    m_presenter = std::make_unique<NxSpeechServicePresenter>();
    m_helper = std::make_unique<NxSpeechToTextHelper>(m_presenter.get());
    m_model = std::make_unique<NxSpeechToTextTableModel>(nullptr);
    m_helper->setModel(m_model.get());
}

void SpeechToTextHelperTest::cleanup()
{
    m_helper.reset();
    m_model.reset();
    m_presenter.reset();
    m_clips.clear();
}

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

void SpeechToTextHelperTest::reportsMapStateCodesToStatuses_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("status");
    QTest::newRow("1 waits") << 1 << int(NxSpeechToText::Waiting);
    for (int state = 2; state <= 10; ++state)
        QTest::addRow("%d is status %d", state, state - 1) << state << state - 1;
    QTest::newRow("11 is unknown, waits") << 11 << int(NxSpeechToText::Waiting);
    QTest::newRow("0 is unknown, waits") << 0 << int(NxSpeechToText::Waiting);
    QTest::newRow("negative is unknown, waits") << -4 << int(NxSpeechToText::Waiting);
}

void SpeechToTextHelperTest::reportsMapStateCodesToStatuses()
{
    QFETCH(int, state);
    QFETCH(int, status);
    const int id = addClipTask(QStringLiteral("Intro"));
    deliver(id, NxSpeechToTextTaskInfo::Transcoding, 0, 10); // a known starting point
    QVERIFY(deliver(id, state, 0, 42));
    QCOMPARE(taskAt(0)->status, status);
    QCOMPARE(taskAt(0)->progress, 42);
}

void SpeechToTextHelperTest::errorCodesSetMessageReasonAndFailureEvent_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<int>("failReason");
    QTest::addColumn<int>("failedEvent"); // "failed_reason" sent, -1 for none

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

void SpeechToTextHelperTest::errorCodesSetMessageReasonAndFailureEvent()
{
    QFETCH(int, state);
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(QString, detail);
    QFETCH(int, failReason);
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

void SpeechToTextHelperTest::statusChangesSendServiceEventsOnceInOrder()
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

void SpeechToTextHelperTest::completionExportsAndAnnouncesTheSubtitles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("attachResult");
    QTest::addColumn<bool>("exportWrites");
    QTest::addColumn<bool>("expectClip");
    QTest::addColumn<bool>("expectTimeline");
    QTest::addColumn<bool>("announced");

    QTest::newRow("attached clip") << "clip" << true << true << true << false << true;
    QTest::newRow("attached timeline") << "timeline" << true << true << false << true << true;
    QTest::newRow("clip not attached") << "clip" << false << true << false << false << true;
    QTest::newRow("timeline not attached") << "timeline" << false << true << false << false << true;
    QTest::newRow("attached material has neither") << "material" << true << true << false << false << true;
    QTest::newRow("no file, no announcement") << "clip" << true << false << false << false << false;
}

void SpeechToTextHelperTest::completionExportsAndAnnouncesTheSubtitles()
{
    QFETCH(QString, kind);
    QFETCH(bool, attachResult);
    QFETCH(bool, exportWrites);
    QFETCH(bool, expectClip);
    QFETCH(bool, expectTimeline);
    QFETCH(bool, announced);

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

void SpeechToTextHelperTest::reportsAreAppliedOnTheGuiThread()
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

void SpeechToTextHelperTest::purchaseTipIsRaisedOnceUntilReset()
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

void SpeechToTextHelperTest::retryFollowsTheFailureReason_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("purchaseAnswer");
    QTest::addColumn<bool>("asksPurchase");
    QTest::addColumn<bool>("retries");

    QTest::newRow("network failure retries") << 7 << 8 << false << false << true;
    QTest::newRow("other failure retries") << 5 << 2 << false << false << true;
    QTest::newRow("unrecognised content never") << 3 << 4 << true << false << false;
    QTest::newRow("running task never") << 8 << 0 << true << false << false;
    QTest::newRow("completed task never") << 10 << 0 << true << false << false;
    QTest::newRow("lack of time, purchased") << 8 << 1 << true << true << true;
    QTest::newRow("lack of time, not purchased") << 9 << 1 << false << true << false;
}

void SpeechToTextHelperTest::retryFollowsTheFailureReason()
{
    QFETCH(int, state);
    QFETCH(int, code);
    QFETCH(bool, purchaseAnswer);
    QFETCH(bool, asksPurchase);
    QFETCH(bool, retries);

    m_helper->resetPurchaseTip();
    const int id = addClipTask(QStringLiteral("Intro"));
    QVERIFY(deliver(id, state, code));
    // The tip raised by the report itself is not what is tested here.
    manager()->calls.clear();
    int purchaseAsks = 0;
    connect(m_helper.get(), &NxSpeechToTextHelper::sigPurchaseRefresh, this,
            [&](int duration, bool& success, bool purchaseMore) {
                ++purchaseAsks;
                QCOMPARE(duration, 10);
                QVERIFY(!purchaseMore);
                success = purchaseAnswer;
            }, Qt::DirectConnection);
    const int statusBefore = taskAt(0)->status;

    m_helper->slotRefreshTask(1); // out of range: ignored
    m_helper->slotRefreshTask(-1);
    m_helper->slotRefreshTask(0);

    QCOMPARE(purchaseAsks, asksPurchase ? 1 : 0);
    QCOMPARE(manager()->calls, retries ? QStringList{QStringLiteral("retryTask:%1").arg(id)} : QStringList());
    QCOMPARE(taskAt(0)->status, retries ? int(NxSpeechToText::Waiting) : statusBefore);
}

void SpeechToTextHelperTest::deleteAsksOnlyForRunningTasks_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("noTipSetting");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<bool>("tickNoTip");
    QTest::addColumn<bool>("managerRemoves");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<bool>("noTipAfter");

    QTest::newRow("completed: removed without asking") << 10 << false << false << false << true << false << true << false;
    QTest::newRow("failed: removed without asking") << 5 << false << false << false << true << false << true << false;
    QTest::newRow("transcribing: declined stays") << 8 << false << false << false << true << true << false << false;
    QTest::newRow("transcribing: confirmed goes") << 8 << false << true << false << true << true << true << false;
    QTest::newRow("stop asking saved on confirm") << 8 << false << true << true << true << true << true << true;
    QTest::newRow("stop asking ignored on decline") << 8 << false << false << true << true << true << false << false;
    QTest::newRow("setting skips the question") << 1 << true << false << false << true << false << true << true;
    QTest::newRow("manager refusal keeps the task") << 10 << false << false << false << false << false << false << false;
}

void SpeechToTextHelperTest::deleteAsksOnlyForRunningTasks()
{
    QFETCH(int, state);
    QFETCH(bool, noTipSetting);
    QFETCH(bool, confirm);
    QFETCH(bool, tickNoTip);
    QFETCH(bool, managerRemoves);
    QFETCH(bool, asked);
    QFETCH(bool, removed);
    QFETCH(bool, noTipAfter);

    NGeneralSettings* settings = NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting();
    settings->SetSTTDeleteTaskNoTip(noTipSetting);
    addClipTask(QStringLiteral("Keep"));
    const int id = addClipTask(QStringLiteral("Target"));
    QVERIFY(deliver(id, state));
    manager()->removeAnswer = managerRemoves;
    int questions = 0;
    connect(m_helper.get(), &NxSpeechToTextHelper::sigAskDelete, this, [&](bool& ret, bool& noTip) {
        ++questions;
        ret = confirm;
        noTip = tickNoTip;
    }, Qt::DirectConnection);
    QSignalSpy counted(m_helper.get(), &NxSpeechToTextHelper::sigTaskCountChanged);
    QSignalSpy finished(m_helper.get(), &NxSpeechToTextHelper::sigTaskFinish);

    m_helper->slotRemoveTask(2);
    QCOMPARE(questions, 0);
    m_helper->slotRemoveTask(1);

    QCOMPARE(questions, asked ? 1 : 0);
    QCOMPARE(m_helper->taskCount(), removed ? 1 : 2);
    QCOMPARE(m_model->rowCount(), removed ? 1 : 2);
    QCOMPARE(taskAt(0)->fileName, QStringLiteral("Clip_Keep"));
    QCOMPARE(counted.count(), removed ? 1 : 0);
    QCOMPARE(finished.count(), removed ? 1 : 0);
    QCOMPARE(manager()->calls.contains(QStringLiteral("removeTask:%1").arg(id)), !asked || confirm);
    QCOMPARE(settings->GetSTTDeleteTaskNoTip(), noTipAfter);
}

void SpeechToTextHelperTest::subtitleFilesAreNamedAgainstFolderAndTasks_data()
{
    QTest::addColumn<QStringList>("existingFiles");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("timelines in an empty folder") << QStringList() << "timeline" << "Main"
                                                  << QStringList{"Sequence_01", "Sequence_02"};
    QTest::newRow("a material twice") << QStringList() << "material" << "Interview"
                                      << QStringList{"Material_Interview", "Material_Interview_01"};
    QTest::newRow("numbered files continue") << QStringList{"Clip_Intro_07.srt", "Clip_Intro_03.srt"}
                                             << "clip" << "Intro" << QStringList{"Clip_Intro_08", "Clip_Intro_09"};
    QTest::newRow("same name in other case") << QStringList{"clip_intro.srt"} << "clip" << "Intro"
                                             << QStringList{"Clip_Intro_01", "Clip_Intro_02"};
    QTest::newRow("numbers match the case exactly") << QStringList{"clip_intro_05.srt"} << "clip" << "Intro"
                                                    << QStringList{"Clip_Intro", "Clip_Intro_01"};
    QTest::newRow("words after the number count 0") << QStringList{"Clip_Intro_final.srt"} << "clip" << "Intro"
                                                    << QStringList{"Clip_Intro", "Clip_Intro_01"};
    QTest::newRow("a sequence file exists") << QStringList{"Sequence_01.srt"} << "timeline" << "Main"
                                            << QStringList{"Sequence_02", "Sequence_03"};
    QTest::newRow("three digits") << QStringList{"Sequence_123.srt"} << "timeline" << "Main"
                                  << QStringList{"Sequence_124", "Sequence_125"};
}

void SpeechToTextHelperTest::subtitleFilesAreNamedAgainstFolderAndTasks()
{
    QFETCH(QStringList, existingFiles);
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QStringList, expected);

    for (const QString& file : existingFiles) {
        QFile touch(subtitleFolder() + QLatin1Char('/') + file);
        QVERIFY(touch.open(QIODevice::WriteOnly));
    }
    NxSequence sequence(name, {25, 1});
    NxMediaFile media(QStringLiteral("/media/a.wav"), INxAbstractMedia::Audio, {25, 1}, 25, name);
    for (int i = 0; i < expected.size(); ++i) {
        if (kind == QLatin1String("timeline"))
            QVERIFY(m_helper->addTimelineTask(&sequence, QStringLiteral("en-US"), false));
        else if (kind == QLatin1String("material"))
            QVERIFY(m_helper->addMaterialTasks({&media}, QStringLiteral("en-US"), false));
        else
            QVERIFY(m_helper->addClipTasks({clip(name)}, QStringLiteral("en-US"), false));
    }
    QStringList names;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        names.append(taskAt(row)->fileName);
        QCOMPARE(taskAt(row)->destPath, subtitleFolder() + QLatin1Char('/') + names.last() + ".srt");
    }
    QCOMPARE(names, expected);
}

void SpeechToTextHelperTest::addingSkipsRefusedTasksAndDescribesTheRest()
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

void SpeechToTextHelperTest::clearingStopsAndRemovesEverything()
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

void SpeechToTextHelperTest::lateReportsForRemovedTasksOnlyAnnounceTheirId()
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

void SpeechToTextHelperTest::destroyingTheHelperUnregistersAndReleasesTheManager()
{
    const int id = addClipTask(QStringLiteral("A"));
    manager()->reportState(id, NxSpeechToTextTaskInfo::Transcribing, 0, 5); // still queued
    QSignalSpy progress(m_helper.get(), &NxSpeechToTextHelper::sigProgress);
    m_helper.reset();
    QVERIFY(!NxScriptedSpeechToTextManager::latest());
    QCoreApplication::processEvents(); // the queued report dies with the helper
    QCOMPARE(progress.count(), 0);
}

QTEST_MAIN(SpeechToTextHelperTest)
#include "tst_speechtotexthelper.moc"
