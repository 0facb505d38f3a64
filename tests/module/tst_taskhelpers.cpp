#include "INxAppInfo.h"
#include "NxAppSettings.h"
#include "NxDataColumns.h"
#include "NxEventRecorder.h"
#include "NxLogCapture.h"
#include "NxMediaFile.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxSequence.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTableModel.h"
#include "NxTestFiles.h"
#include "NxTestHome.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechParamEvent.h"
#include "NxTextToSpeechTableModel.h"
#include "NxTitleClip.h"
#include "VarneloSpeechServiceEvent.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <limits>
#include <memory>
#include <type_traits>
#include <vector>

namespace
{
NGeneralSettings* settings() { return NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting(); }

constexpr int MaxNameBytes = 255;
constexpr int CompletedState = 10;

// Text Linux keeps in a file name as it is.
bool isAllowedText(const QString& text)
{
    return text.isValidUtf16() && !text.contains(QLatin1Char('/'))
           && std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Whether Linux takes `name` as one entry of a folder.
bool isFileName(const QString& name)
{
    return isAllowedText(name) && name.toUtf8().size() <= MaxNameBytes && !QStringList{"", ".", ".."}.contains(name);
}

// The part of `path` below `folder`; null when `path` is not directly in it.
QString entryIn(const QString& folder, const QString& path)
{
    const QString prefix = QDir::cleanPath(folder) + QLatin1Char('/');
    return path.startsWith(prefix) ? path.mid(prefix.size()) : QString();
}

QString repeated(uint codePoint, int count) { return QString::fromUcs4(&codePoint, 1).repeated(count); }
}

// The controllers of both services, each over its table model, with scripted managers,
// and the names of the files their tasks write.
class TaskHelpersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { NxScriptedSpeechToTextManager::install(); NxScriptedTextToSpeechManager::install(); }

    void init()
    {
        QDir(subtitleFolder()).removeRecursively();
        QDir(outputFolder()).removeRecursively();
        settings()->SetSTTDeleteTaskNoTip(false);
        settings()->SetTTSDeleteTaskNoTip(false);
        m_presenter = std::make_unique<NxSpeechServicePresenter>();
        m_stt = std::make_unique<NxSpeechToTextHelper>(m_presenter.get());
        m_sttModel = std::make_unique<NxSpeechToTextTableModel>(nullptr);
        m_tts = std::make_unique<NxTextToSpeechHelper>(m_presenter.get());
        m_ttsModel = std::make_unique<NxTextToSpeechTableModel>(nullptr);
        for (QAbstractItemModel* model : std::initializer_list<QAbstractItemModel*>{m_sttModel.get(), m_ttsModel.get()})
            m_testers.push_back(std::make_unique<QAbstractItemModelTester>(model, QAbstractItemModelTester::FailureReportingMode::QtTest));
        m_stt->setModel(m_sttModel.get());
        m_tts->setModel(m_ttsModel.get());
    }

    void cleanup()
    {
        m_stt.reset();
        m_tts.reset();
        m_testers.clear();
        m_clips.clear();
    }

    // Both services: a running and a failed state, and what a task lacks (seconds, characters).
    void purchaseTipIsRaisedOnceUntilReset_data() { services(); }
    void purchaseTipIsRaisedOnceUntilReset()
    {
        QFETCH(int, running); QFETCH(int, failed); QFETCH(int, lacking);
        onEither([&](auto* helper) {
            using Helper = std::remove_pointer_t<decltype(helper)>;
            const int id = add(helper, QStringLiteral("Intro"));
            QList<int> tips;
            connect(helper, &Helper::sigPurchaseTip, this, [&](int amount, bool& success) {
                QCOMPARE(QThread::currentThread(), thread());
                tips.append(amount);
                success = true;
            }, Qt::DirectConnection);
            QVERIFY(deliver(helper, id, running, 1)); // code 1: not enough seconds or characters
            QVERIFY(deliver(helper, id, running, 1));
            QCOMPARE(tips, QList<int>{lacking});
            QCOMPARE(managerOf(helper)->calls.filter(QStringLiteral("retryTask")).size(), 1);

            helper->resetPurchaseTip();
            QVERIFY(deliver(helper, id, failed, 1));
            QCOMPARE(tips.size(), 2);
        });
    }

    void reportsAreAppliedOnTheGuiThread_data() { services(); }
    void reportsAreAppliedOnTheGuiThread()
    {
        QFETCH(int, running);
        onEither([&](auto* helper) {
            using Helper = std::remove_pointer_t<decltype(helper)>;
            const int id = add(helper, QStringLiteral("Intro"));
            QThread* handledOn = nullptr;
            connect(helper, &Helper::sigProgress, this, [&] { handledOn = QThread::currentThread(); },
                    Qt::DirectConnection);
            managerOf(helper)->reportState(id, running, 0, 30);
            QCOMPARE(tasksOf(*modelOf(helper)).first()->progress, 0); // not touched from the worker
            QTRY_COMPARE(tasksOf(*modelOf(helper)).first()->progress, 30);
            QCOMPARE(handledOn, thread());
        });
    }

    void clearingStopsAndRemovesEverything_data() { services(); }
    void clearingStopsAndRemovesEverything()
    {
        onEither([&](auto* helper) {
            auto* manager = managerOf(helper);
            const int first = add(helper, QStringLiteral("A"));
            const int second = add(helper, QStringLiteral("B"));
            QVERIFY(helper->hasUnfinishedTasks());
            manager->unfinishedTasks.clear();
            QVERIFY(!helper->hasUnfinishedTasks());
            manager->calls.clear();
            manager->removeAnswer = false; // answers are ignored when clearing
            QSignalSpy counted(helper, SIGNAL(sigTaskCountChanged()));
            QSignalSpy dataChanged(helper, SIGNAL(sigDataChanged(QModelIndex)));
            helper->clearAllTasks();

            QCOMPARE(manager->calls, (QStringList{"stopAll", QStringLiteral("removeTask:%1").arg(first),
                                                  QStringLiteral("removeTask:%1").arg(second)}));
            QCOMPARE(helper->taskCount(), 0);
            QCOMPARE(modelOf(helper)->rowCount(), 0);
            // One repaint of the whole table.
            QCOMPARE(dataChanged.count(), 1);
            QVERIFY(!dataChanged.at(0).at(0).toModelIndex().isValid());
            QCOMPARE(counted.count(), 1);
            QVERIFY(!helper->hasUnfinishedTasks());
        });
    }

    void lateReportsForRemovedTasksOnlyAnnounceTheirId_data() { services(); }
    void lateReportsForRemovedTasksOnlyAnnounceTheirId()
    {
        QFETCH(int, running);
        onEither([&](auto* helper) {
            using Helper = std::remove_pointer_t<decltype(helper)>;
            const int removed = add(helper, QStringLiteral("Removed"));
            const int cleared = add(helper, QStringLiteral("Cleared"));
            // A report already on its way when the user deletes the running task.
            managerOf(helper)->reportState(removed, NxSpeechToTextTaskInfo::Completed, 0, 100);
            connect(helper, &Helper::sigAskDelete, this, [](bool& ret, bool&) { ret = true; }, Qt::DirectConnection);
            helper->slotRemoveTask(0);
            QCOMPARE(helper->taskCount(), 1);

            QSignalSpy announced(helper, &Helper::sigTaskStateChanged);
            QSignalSpy progress(helper, &Helper::sigProgress);
            QSignalSpy finished(helper, &Helper::sigTaskFinish);
            QTRY_COMPARE(announced.count(), 1);
            helper->clearAllTasks();
            managerOf(helper)->reportState(cleared, running, 0, 5);
            QTRY_COMPARE(announced.count(), 2);
            QCOMPARE(announced.at(1).at(0).toInt(), cleared);
            QCOMPARE(progress.count(), 0);
            QCOMPARE(finished.count(), 0);
        });
        QVERIFY(sttManager()->calls.filter(QStringLiteral("exportSubtitles")).isEmpty());
    }

    void sttReportsMapStateCodesToStatuses_data()
    {
        columns<int, int>({"state", "status"});
        QTest::newRow("1 waits") << 1 << int(NxSpeechToText::Waiting);
        for (int state = 2; state <= 10; ++state)
            QTest::addRow("%d is status %d", state, state - 1) << state << state - 1;
        QTest::newRow("11 is unknown, waits") << 11 << int(NxSpeechToText::Waiting);
        QTest::newRow("0 is unknown, waits") << 0 << int(NxSpeechToText::Waiting);
    }
    void sttReportsMapStateCodesToStatuses()
    {
        QFETCH(int, state); QFETCH(int, status);
        const int id = add(m_stt.get(), QStringLiteral("Intro"));
        deliver(m_stt.get(), id, NxSpeechToTextTaskInfo::Transcoding, 0, 10); // a known starting point
        QVERIFY(deliver(m_stt.get(), id, state, 0, 42));
        QCOMPARE(sttTask(0)->status, status);
        QCOMPARE(sttTask(0)->progress, 42);
    }

    void sttErrorCodesSetMessageReasonAndFailureEvent_data()
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
    }
    void sttErrorCodesSetMessageReasonAndFailureEvent()
    {
        QFETCH(int, state); QFETCH(int, code); QFETCH(QString, message); QFETCH(QString, detail); QFETCH(int, failReason);
        QFETCH(int, failedEvent);

        const int id = add(m_stt.get(), QStringLiteral("Intro"));
        NxEventRecorder recorder;
        QVERIFY(deliver(m_stt.get(), id, state, code));

        const NxSpeechToText::Task* task = sttTask(0);
        QCOMPARE(QString::fromStdString(task->errorMessage), message);
        QCOMPARE(task->errorDetail, detail);
        QCOMPARE(task->failReason, failReason);
        const QStringList failures = recorder.summaries().filter(QStringLiteral("audio_title_func_failed"));
        QCOMPARE(failures, failedEvent < 0 ? QStringList()
                                           : QStringList{QStringLiteral("audio_title_func_failed{func_module=STT,failed_reason=%1}")
                                                             .arg(failedEvent)});
        const QVariant tooltip = m_sttModel->index(0, NxSpeechToTextTableModel::StatusColumn).data(Qt::ToolTipRole);
        QCOMPARE(tooltip.toString(), NxSpeechToText::isFailedStatus(task->status) ? message + detail : QString());
    }

    void sttStatusChangesSendServiceEventsOnceInOrder()
    {
        m_stt->addClipTasks({clip(QStringLiteral("Intro"), INxClip::Video, 25 * 90)}, QStringLiteral("en-US"), false);
        const int id = sttManager()->addedIds.last();
        NxEventRecorder recorder;
        QSignalSpy dataChanged(m_stt.get(), &NxSpeechToTextHelper::sigDataChanged);

        for (int state : {2, 2, 4, 6, 6, 8, 10, 10})
            QVERIFY(deliver(m_stt.get(), id, state));

        QCOMPARE(recorder.summaries(), (QStringList{
            "audio_title_serve_details{func_module=STT,page_status=scan}",
            "audio_title_serve_details{func_module=STT,page_status=upload}",
            "audio_title_serve_details{func_module=STT,page_status=cloud_transfer}",
            "audio_title_serve_details{func_module=STT,page_status=download}",
            "audio_title_func_bill_details{func_module=STT,bill_quantity=90}",
        }));
        QCOMPARE(recorder.events().last().properties.last().second.userType(), int(QMetaType::Int));
        // A repeated status repaints the whole table but reports no changed row.
        QList<bool> validIndexes;
        for (const auto& arguments : qAsConst(dataChanged))
            validIndexes.append(arguments.at(0).toModelIndex().isValid());
        QCOMPARE(validIndexes, (QList<bool>{true, false, true, true, false, true, true, false}));
    }

    void sttCompletionExportsAndAnnouncesTheSubtitles_data()
    {
        columns<QString, bool, bool, bool, bool, bool>({"kind", "attachResult", "exportWrites", "expectClip", "expectTimeline", "announced"});

        QTest::newRow("attached clip") << "clip" << true << true << true << false << true;
        QTest::newRow("attached timeline") << "timeline" << true << true << false << true << true;
        QTest::newRow("clip not attached") << "clip" << false << true << false << false << true;
        QTest::newRow("attached material has neither") << "material" << true << true << false << false << true;
        QTest::newRow("no file, no announcement") << "clip" << true << false << false << false << false;
    }
    void sttCompletionExportsAndAnnouncesTheSubtitles()
    {
        QFETCH(QString, kind); QFETCH(bool, attachResult); QFETCH(bool, exportWrites); QFETCH(bool, expectClip);
        QFETCH(bool, expectTimeline); QFETCH(bool, announced);

        NxSequence sequence(QStringLiteral("Main"), {25, 1});
        INxClip* theClip = clip(QStringLiteral("Intro"));
        if (kind == QLatin1String("clip"))
            m_stt->addClipTasks({theClip}, QStringLiteral("en-US"), attachResult);
        else if (kind == QLatin1String("timeline"))
            m_stt->addTimelineTask(&sequence, QStringLiteral("en-US"), attachResult);
        else
            m_stt->addMaterialTasks({&m_interview}, QStringLiteral("en-US"), attachResult);
        sttManager()->exportWritesFile = exportWrites;
        const int id = sttManager()->addedIds.last();

        QSignalSpy generated(m_presenter.get(), &NxSpeechServicePresenter::sigSrtFileGenerate);
        QSignalSpy finished(m_stt.get(), &NxSpeechToTextHelper::sigTaskFinish);
        QVERIFY(deliver(m_stt.get(), id, NxSpeechToTextTaskInfo::Transcribing, 0, 60));
        QVERIFY(deliver(m_stt.get(), id, NxSpeechToTextTaskInfo::Completed, 0, 100));

        QCOMPARE(finished.count(), 1);
        QVERIFY(sttManager()->calls.contains(QStringLiteral("exportSubtitles:%1").arg(id)));
        QCOMPARE(generated.count(), announced ? 1 : 0);
        if (!announced)
            return;
        const QString destPath = sttTask(0)->destPath;
        QVERIFY(destPath.startsWith(subtitleFolder()));
        QCOMPARE(generated.at(0).at(0).toString(), destPath);
        QCOMPARE(generated.at(0).at(1).value<INxClip*>(), expectClip ? theClip : nullptr);
        QCOMPARE(generated.at(0).at(2).value<INxTimeline*>(), expectTimeline ? static_cast<INxTimeline*>(&sequence) : nullptr);
    }

    void sttBalanceIsPassedOnAsItComes()
    {
        QList<QThread*> reportedOn;
        QSignalSpy remaining(m_stt.get(), &NxSpeechToTextHelper::sigLastTimeChanged);
        connect(m_stt.get(), &NxSpeechToTextHelper::sigLastTimeChanged, this,
                [&] { reportedOn << QThread::currentThread(); }, Qt::DirectConnection);
        sttManager()->reportRemainingFromWorker(3600);
        QCOMPARE(remaining, QList<QVariantList>{{3600}});
        QVERIFY(reportedOn.size() == 1 && reportedOn.first() != thread());
    }

    void sttAddingSkipsRefusedTasksAndDescribesTheRest()
    {
        sttManager()->refusedNames = {QStringLiteral("Refused"), QStringLiteral("Main")};
        QSignalSpy counted(m_stt.get(), &NxSpeechToTextHelper::sigTaskCountChanged);

        NxTimelineClip* music = clip(QStringLiteral("Music"), INxClip::Audio, 25 * 61);
        NxTimelineClip ntsc(QStringLiteral("Ntsc"), INxClip::Video, {30000, 1001}, nullptr, {0, 1800, 0});
        NxTimelineClip broken(QStringLiteral("Broken"), INxClip::Video, {0, 1}, nullptr, {0, 1800, 0});
        QVERIFY(m_stt->addClipTasks({music, clip(QStringLiteral("Refused")), &ntsc, &broken}, QStringLiteral("fr-FR"), true));
        QCOMPARE(sttManager()->calls.last(), QStringLiteral("refresh:0"));
        QCOMPARE(sttManager()->calls.filter(QStringLiteral("refresh")).size(), 1);
        QVERIFY(sttManager()->calls.contains(QStringLiteral("addClipTask:Music:fr-FR")));

        NxMediaFile video(QStringLiteral("/m/v.mp4"), INxAbstractMedia::Video, {24, 1}, 24 * 5);
        NxMediaFile offline(QStringLiteral("/m/gone.wav"), INxAbstractMedia::Audio, {24, 1}, 24 * 5);
        offline.setOffline(true);
        QVERIFY(m_stt->addMaterialTasks({&video, &offline}, QStringLiteral("en-US"), false));

        NxSequence refused(QStringLiteral("Main"), {25, 1});
        QVERIFY(!m_stt->addTimelineTask(&refused, QStringLiteral("en-US"), true));
        QVERIFY(!m_stt->addTimelineTask(nullptr, QStringLiteral("en-US"), true));
        QVERIFY(m_stt->addClipTasks({clip(QStringLiteral("Refused"))}, QStringLiteral("en-US"), true));

        QStringList described;
        QList<int> ids;
        for (const NxSpeechToText::Task* task : sttTasks()) {
            const char* kind = task->mediaKind == NxSpeechToText::AudioMedia ? "audio" : task->mediaKind == NxSpeechToText::VideoMedia ? "video" : "?";
            described << QStringLiteral("%1 %2 %3s%4").arg(task->fileName, kind).arg(task->duration).arg(task->attachResult ? ", attached" : "");
            ids << task->taskId;
        }
        QCOMPARE(described, (QStringList{"Clip_Music audio 61s, attached", "Clip_Ntsc video 60s, attached", "Clip_Broken video 0s, attached",
                                         "Material_v video 5s", "Material_gone audio 0s"}));
        QCOMPARE(counted.count(), described.size());
        QCOMPARE(ids, sttManager()->addedIds);
        QCOMPARE(sttTask(0)->clip, static_cast<INxClip*>(music));
        QVERIFY(!sttTask(3)->clip && !sttTask(3)->timeline);
    }

    void ttsReportsMapToStatusesWithCodesForcingScanFailure_data()
    {
        columns<int, int, int, QString, int, bool>({"state", "code", "status", "message", "failReason", "finishes"});

        QTest::newRow("converting") << 6 << 0 << 5 << "Unknow error" << 0 << false;
        QTest::newRow("download failed") << 9 << 6 << 8 << "Transcription  failure" << 4 << true;
        QTest::newRow("code 3 on converting fails the scan") << 6 << 3 << 2
                                                             << "Only 1500 characters can be transcribed in a single task." << 4 << true;
        QTest::newRow("code 2 fails the scan as unrecognised") << 8 << 2 << 2 << "Unrecognized file content." << 3 << true;
        QTest::newRow("code 5 fails the scan as network") << 4 << 5 << 2 << "Network connection is broken" << 1 << true;
        QTest::newRow("code 4 keeps the stage") << 5 << 4 << 4 << "Upload failure" << 4 << true;
        QTest::newRow("unknown state waits") << 11 << 0 << 0 << "Unknow error" << 0 << false;
    }
    void ttsReportsMapToStatusesWithCodesForcingScanFailure()
    {
        QFETCH(int, state); QFETCH(int, code); QFETCH(int, status); QFETCH(QString, message); QFETCH(int, failReason);
        QFETCH(bool, finishes);

        const int id = add(m_tts.get(), QStringLiteral("T"));
        QSignalSpy finished(m_tts.get(), &NxTextToSpeechHelper::sigTaskFinish);
        QVERIFY(deliver(m_tts.get(), id, state, code));
        QCOMPARE(ttsTask(0)->status, status);
        QCOMPARE(QString::fromStdString(ttsTask(0)->errorMessage), message);
        QCOMPARE(ttsTask(0)->failReason, failReason);
        QCOMPARE(finished.count(), finishes ? 1 : 0);
    }

    void ttsServiceDetailsAreSentOncePerChangeIntoFourStatuses()
    {
        const int titleId = add(m_tts.get(), QStringLiteral("T"));
        NxEventRecorder recorder;
        for (int state : {1, 2, 2, 4, 6, 6, 8, 8})
            QVERIFY(deliver(m_tts.get(), titleId, state));
        QVERIFY(deliver(m_tts.get(), titleId, 7)); // a failure sends its own event only
        QCOMPARE(recorder.summaries(), (QStringList{
            "audio_title_serve_details{func_module=TTS,page_status=scan,clip_type=title}",
            "audio_title_serve_details{func_module=TTS,page_status=upload,clip_type=title}",
            "audio_title_serve_details{func_module=TTS,page_status=cloud_transfer,clip_type=title}",
            "audio_title_func_failed{func_module=TTS,failed_reason=2,clip_type=title}",
        }));

        const int subtitleId = addVoiceOver(clip(QStringLiteral("Dialog"), INxClip::Subtitle, 500));
        recorder.clear();
        QVERIFY(deliver(m_tts.get(), subtitleId, 10));
        QCOMPARE(recorder.summaries(), (QStringList{
            "audio_title_serve_details{func_module=TTS,page_status=download,clip_type=srt}",
            "audio_title_func_bill_details{func_module=TTS,bill_quantity=120}",
        }));
    }

    void ttsAddingSendsTheParameterEventAndSkipsRefusedClips()
    {
        ttsManager()->refusedClips = {QStringLiteral("Refused")};
        NxEventRecorder recorder;
        QSignalSpy counted(m_tts.get(), &NxTextToSpeechHelper::sigTaskCountChanged);
        const TextToSpeechTaskParam param{false, "en-GB", {}, -1, "Emily", 3, -2, "Emily (UK)", "High", "Slow"};
        QVERIFY(m_tts->addTasks({title(QStringLiteral("A"), {"x"}), title(QStringLiteral("Refused")),
                                 clip(QStringLiteral("S"), INxClip::Subtitle, 500)}, param));

        QCOMPARE(recorder.summaries().first(),
                 QStringLiteral("title_audio_params_setting{tone_color=british_female_voice.,tone=3,speed=slow}"));
        QCOMPARE(ttsManager()->calls.first(), QStringLiteral("addTask:A:Emily:3:-2:en-GB"));
        QCOMPARE(ttsManager()->calls.last(), QStringLiteral("refresh"));
        QCOMPARE(counted.count(), 1);
        QCOMPARE(m_ttsModel->rowCount(), 2);
        QVERIFY(!ttsTask(0)->isSubtitle);
        QVERIFY(ttsTask(1)->isSubtitle);
        QCOMPARE(ttsTask(0)->toolTip, QStringLiteral("TotalWord: 120\nVocalist: Emily (UK)\nInotation: High\nSpeakRate: Slow"));
        QCOMPARE(ttsTask(0)->text, QStringLiteral("Spoken text of A"));
    }

    void ttsCompletedTitleIsCopiedWithoutOverwritingAndItsTextKept()
    {
        NxTitleClip* clip = title(QStringLiteral("Intro"), {QStringLiteral("Welcome")});
        const int first = addVoiceOver(clip, true);
        const int second = addVoiceOver(title(QStringLiteral("Outro"), {QStringLiteral("Bye")}), false);
        QVERIFY(writeBytes(ttsTask(1)->destPath, "user's own file"));
        const QString produced = source("ID3 fresh audio");

        const NxLogCapture log;
        QSignalSpy audio(m_presenter.get(), &NxSpeechServicePresenter::sigAudioFileGenerate);
        QVERIFY(deliver(m_tts.get(), first, 10, 0, 50, produced));
        QVERIFY(deliver(m_tts.get(), second, 10, 0, 50, produced));
        QVERIFY(deliver(m_tts.get(), second, 10, 0, 50, m_storage.filePath(QStringLiteral("missing.mp3"))));

        QCOMPARE(bytesOf(ttsTask(0)->destPath), QByteArray("ID3 fresh audio"));
        QCOMPARE(bytesOf(outputFolder() + "/Intro - Welcome.kvtxt"), QByteArray("Spoken text of Intro"));

        // Only the task's own copy is announced; the other one stays the user's (see aResultThatCannotBeWritten...).
        QCOMPARE(audio.count(), 1);
        QCOMPARE(audio.at(0).at(1).value<INxClip*>(), static_cast<INxClip*>(clip));
        QStringList messages;
        for (const NxLogEntry& entry : log.entries())
            if (entry.file == QLatin1String("NxSpeechService/NxTextToSpeechHelper")) {
                QCOMPARE(entry.function, QStringLiteral("NxTextToSpeechHelper::dealTaskFinished"));
                messages.append(entry.message);
            }
        QCOMPARE(messages, (QStringList{"copy file : " + produced, "dest file : " + ttsTask(0)->destPath,
                                        "copy file : " + produced, "dest file : " + ttsTask(1)->destPath,
                                        "dest file failed!",
                                        QStringLiteral("task %1 failed: %2 already exists").arg(QString::number(second), ttsTask(1)->destPath),
                                        "copy file : " + m_storage.filePath("missing.mp3"),
                                        "dest file : " + ttsTask(1)->destPath, "not found source file"}));
    }

    void ttsSentencesAreCopiedAndOnlyTheFirstOfARunStarts()
    {
        NxTimelineClip* dialog = clip(QStringLiteral("Dialog"), INxClip::Subtitle, 500);
        const int id = addVoiceOver(dialog, true);
        const QString sentence = source("sentence audio");
        QSignalSpy products(m_presenter.get(), &NxSpeechServicePresenter::sigSrtProductFileGenerate);

        for (int index : {4, 5})
            ttsManager()->productFromWorker(id, index, 50, sentence);
        QTRY_COMPARE(products.count(), 2);
        QVERIFY(deliver(m_tts.get(), id, 7)); // a failure opens a new run
        ttsManager()->productFromWorker(id, 6, 75, sentence);
        QTRY_COMPARE(products.count(), 3);
        // A sentence made again after a retry replaces the earlier file.
        ttsManager()->productFromWorker(id, 4, 50, source("second take"));
        QTRY_COMPARE(products.count(), 4);
        const QString folder = ttsTask(0)->destPath;
        QCOMPARE(bytesOf(folder + "/Dialog_5.mp3"), QByteArray("second take"));

        QCOMPARE(products.at(0).at(0).toString(), folder + "/Dialog_5.mp3");
        QCOMPARE(products.at(0).at(1).toString(), QStringLiteral("Dialog"));
        QCOMPARE(products.at(0).at(2).value<INxClip*>(), static_cast<INxClip*>(dialog));
        QCOMPARE(products.at(0).at(3).toLongLong(), 1050); // the clip starts at frame 1000
        QList<bool> starts;
        for (const auto& product : qAsConst(products))
            starts.append(product.at(4).toBool());
        QCOMPARE(starts, (QList<bool>{true, false, true, false}));
        QVERIFY(QFile::exists(folder + "/Dialog_6.mp3"));

        const NxLogCapture log;
        ttsManager()->productFromWorker(id, 1, 0, m_storage.filePath(QStringLiteral("gone.mp3")));
        QTRY_COMPARE(log.messages(true), QStringList{"str product file no exits,path:" + m_storage.filePath("gone.mp3") + ",index:1"});
        QCOMPARE(products.count(), 4);
    }

    void ttsModelShowsTooltips()
    {
        add(m_tts.get(), QStringLiteral("T"));
        QVERIFY(deliver(m_tts.get(), add(m_tts.get(), QStringLiteral("U")), 7, 42));
        QCOMPARE(m_ttsModel->index(1, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("U - x"));
        QVERIFY(!m_ttsModel->index(1, 1).data(Qt::ToolTipRole).isValid()); // a title, not a subtitle
        QCOMPARE(m_ttsModel->index(1, 2).data(Qt::ToolTipRole).toString(), QStringLiteral("Unknow error42"));
        QVERIFY(!m_ttsModel->index(0, 2).data(Qt::ToolTipRole).isValid());
    }

    // Steps: "clip:<name>", "material:<name>", "timeline:" add a speech-to-text task,
    // "title:<name>|<text>|..." a text-to-speech one; "file:<name>" puts a file into
    // the subtitle folder (".srt") or the voice-over folder. Expected: the
    // speech-to-text names, then the text-to-speech ones.
    void outputNamesStayValidInsideAndFree_data()
    {
        columns<QStringList, QStringList>({"steps", "expected"});

        QTest::newRow("a percent sign before a number stays in every name")
            << QStringList{"clip:50%1 off", "clip:50%1 off", "clip:50%1 off", "material:%2 and %1",
                           "material:%2 and %1", "title:50%1 off|now", "title:50%1 off|now"}
            << QStringList{"Clip_50%1 off", "Clip_50%1 off_01", "Clip_50%1 off_02", "Material_%2 and %1",
                           "Material_%2 and %1_01", "50%1 off - now", "50%1 off - now_01"};
        QTest::newRow("a climb out of the folder loses its slashes, titles lose the nine illegal characters")
            << QStringList{"clip:x/../../escaped", "title:A:B|x/y", "title:A:B|x/y"}
            << QStringList{"Clip_x....escaped", "AB - xy", "AB - xy_01"};
        QTest::newRow("characters this system allows stay in subtitles")
            << QStringList{"clip:a:b*c?d\"e<f>g|h\\i"} << QStringList{"Clip_a:b*c?d\"e<f>g|h\\i"};
        QTest::newRow("control characters and NUL go")
            << QStringList{QStringLiteral("clip:a\x01") + QChar(0) + QStringLiteral("b\x7f") + QChar(0x85) + "c",
                           QStringLiteral("title:a\x07") + QChar(0) + QStringLiteral("b|c\x1b") + "d",
                           QStringLiteral("title:a\x07") + QChar(0) + QStringLiteral("b|c\x1b") + "d"}
            << QStringList{"Clip_abc", "ab - cd", "ab - cd_01"};
        QTest::newRow("a lone surrogate goes and shields no slash")
            << QStringList{QStringLiteral("clip:a") + QChar(0xD800) + QStringLiteral("/../b") + QChar(0xDC00),
                           QStringLiteral("title:") + QChar(0xDC00) + QStringLiteral("../a:b|c/d"),
                           QStringLiteral("title:") + QChar(0xDC00) + QStringLiteral("../a:b|c/d")}
            << QStringList{"Clip_a..b", "..ab - cd", "..ab - cd_01"};
        QTest::newRow("the largest 32-bit number in the folder is passed")
            << QStringList{"file:Sequence_2147483647.srt", "timeline:", "timeline:"}
            << QStringList{"Sequence_2147483648", "Sequence_2147483649"};
        QTest::newRow("the largest 64-bit number in the folder is passed")
            << QStringList{"file:Sequence_9223372036854775807.srt", "timeline:"}
            << QStringList{"Sequence_9223372036854775808"};
        QTest::newRow("a number too long to read counts as none, timelines count from 01")
            << QStringList{"file:Sequence_99999999999999999999.srt", "timeline:", "timeline:"}
            << QStringList{"Sequence_01", "Sequence_02"};
        QTest::newRow("numbered files continue after the highest")
            << QStringList{"file:Clip_Intro_07.srt", "file:Clip_Intro_03.srt", "clip:Intro", "clip:Intro",
                           "file:AB - xy_07.mp3", "title:A:B|x/y", "title:A:B|x/y"}
            << QStringList{"Clip_Intro_08", "Clip_Intro_09", "AB - xy_08", "AB - xy_09"};
        QTest::newRow("the same name in other case is taken")
            << QStringList{"file:clip_intro.srt", "clip:Intro", "clip:Intro", "file:ab - XY.mp3", "title:A:B|x/y",
                           "title:A:B|x/y"}
            << QStringList{"Clip_Intro_01", "Clip_Intro_02", "AB - xy_01", "AB - xy_02"};
        QTest::newRow("numbers count only in the exact case")
            << QStringList{"file:clip_intro_05.srt", "clip:Intro", "clip:Intro"} << QStringList{"Clip_Intro", "Clip_Intro_01"};
        QTest::newRow("words after the number count as none")
            << QStringList{"file:Clip_Intro_final.srt", "clip:Intro", "clip:Intro"} << QStringList{"Clip_Intro", "Clip_Intro_01"};
        QTest::newRow("a task's next number held by a file written since moves on")
            << QStringList{"clip:Intro", "clip:Intro", "file:Clip_Intro_02.srt", "clip:Intro"}
            << QStringList{"Clip_Intro", "Clip_Intro_01", "Clip_Intro_03"};
        QTest::newRow("title text of several boxes, simplified, cut to 25")
            << QStringList{"title:Title|  Hello   big | wide world out there "}
            << QStringList{"Title - Hello big wide wo"};
        QTest::newRow("a title without text") << QStringList{"title:Empty?", "title:Empty?"}
                                              << QStringList{"Empty - ", "Empty - _01"};
        const QString smiles = repeated(0x1F600, 20);
        QTest::newRow("a character outside the basic plane counts as one")
            << QStringList{"title:" + smiles + "|xyz"} << QStringList{smiles + " - xy"};
    }

    void outputNamesStayValidInsideAndFree()
    {
        QFETCH(QStringList, steps); QFETCH(QStringList, expected);

        QVERIFY(QDir().mkpath(subtitleFolder()) && QDir().mkpath(outputFolder()));
        NxSequence sequence(QStringLiteral("Main"), {25, 1});
        std::vector<std::unique_ptr<NxMediaFile>> materials;
        for (const QString& step : qAsConst(steps)) {
            const QString kind = step.section(QLatin1Char(':'), 0, 0);
            const QString name = step.mid(kind.size() + 1);
            if (kind == QLatin1String("file")) {
                const QString folder = name.endsWith(QLatin1String(".srt")) ? subtitleFolder() : outputFolder();
                QVERIFY(writeBytes(folder + QLatin1Char('/') + name, QByteArray()));
            } else if (kind == QLatin1String("timeline")) {
                QVERIFY(m_stt->addTimelineTask(&sequence, QStringLiteral("en-US"), false));
            } else if (kind == QLatin1String("material")) {
                materials.push_back(std::make_unique<NxMediaFile>(QStringLiteral("/media/a.wav"), INxAbstractMedia::Audio,
                                                                  NxRational{25, 1}, 25, name));
                QVERIFY(m_stt->addMaterialTasks({materials.back().get()}, QStringLiteral("en-US"), false));
            } else if (kind == QLatin1String("title")) {
                const QStringList parts = name.split(QLatin1Char('|'));
                QVERIFY(addVoiceOvers({title(parts.first(), parts.mid(1))}));
            } else {
                QVERIFY(m_stt->addClipTasks({clip(name)}, QStringLiteral("en-US"), false));
            }
        }
        QStringList names;
        for (const NxSpeechToText::Task* task : sttTasks()) {
            names.append(task->fileName);
            QCOMPARE(entryIn(subtitleFolder(), task->destPath), task->fileName + QStringLiteral(".srt"));
            QVERIFY2(isFileName(task->fileName + QStringLiteral(".srt")), qPrintable(task->fileName));
        }
        for (const NxTextToSpeech::Task* task : ttsTasks()) {
            names.append(task->fileName);
            QCOMPARE(entryIn(outputFolder(), task->destPath), task->fileName + QStringLiteral(".mp3"));
            QVERIFY2(isFileName(task->fileName + QStringLiteral(".kvtxt")), qPrintable(task->fileName));
        }
        QCOMPARE(names, expected);
    }

    void longSubtitleFileNamesAreCutBetweenWholeCharacters()
    {
        const QStringList longNames = {repeated(0x4E2D, 100), repeated(0x1F600, 100),
                                       QStringLiteral("a") + repeated(0x1F600, 70), repeated(0xE9, 200)};
        for (const QString& name : longNames) {
            m_stt->addClipTasks({clip(name), clip(name)}, QStringLiteral("en-US"), false);
            const QList<NxSpeechToText::Task*> tasks = sttTasks();
            const NxSpeechToText::Task* first = tasks.at(tasks.size() - 2);
            const NxSpeechToText::Task* second = tasks.last();
            for (const NxSpeechToText::Task* task : {first, second})
                QVERIFY(isFileName(entryIn(subtitleFolder(), task->destPath)));
            QVERIFY2(QString(QStringLiteral("Clip_") + name).startsWith(first->fileName), qPrintable(first->fileName));
            QVERIFY2(first->fileName.toUtf8().size() > MaxNameBytes - 40, "cut far more than the limit needs");
            QCOMPARE(second->fileName, first->fileName + QStringLiteral("_01"));
        }
    }

    void subtitleFoldersAndSentencesStayValidAndInside_data()
    {
        // folders: how each folder's name starts
        // sentences: the first sentence of each task
        columns<QStringList, QStringList, QStringList>({"clipNames", "folders", "sentences"});

        QTest::newRow("a climb out of the folder stays inside")
            << QStringList{"x/../../escaped"} << QStringList{"x....escaped"} << QStringList{"x....escaped_1.mp3"};
        QTest::newRow("characters this system allows stay")
            << QStringList{"A:B*?<|>"} << QStringList{"A:B*?<|>"} << QStringList{"A:B*?<|>_1.mp3"};
        QTest::newRow("names the folder itself answers to are numbered")
            << QStringList{"", ".", ".."} << QStringList{" 1", ". 1", ".. 1"}
            << QStringList{"_1.mp3", "._1.mp3", ".._1.mp3"};
        QTest::newRow("a percent sign before a number stays")
            << QStringList{"50%1", "50%1"} << QStringList{"50%1", "50%1_1"} << QStringList{"50%1_1.mp3", "50%1_1.mp3"};
        const QString longName = repeated(0x4E2D, 84); // 252 bytes
        // Cut to leave room for numbering, but not much further.
        QTest::newRow("a name of 252 bytes still takes every sentence")
            << QStringList{longName} << QStringList{longName.left(60)} << QStringList{QString()};
    }

    void subtitleFoldersAndSentencesStayValidAndInside()
    {
        QFETCH(QStringList, clipNames); QFETCH(QStringList, folders); QFETCH(QStringList, sentences);

        QList<INxClip*> clips;
        for (const QString& name : qAsConst(clipNames))
            clips.append(clip(name, INxClip::Subtitle));
        QVERIFY(addVoiceOvers(clips));
        const QList<NxTextToSpeech::Task*> tasks = ttsTasks();
        QCOMPARE(tasks.size(), clipNames.size());
        for (int i = 0; i < tasks.size(); ++i) {
            const QString folder = entryIn(outputFolder(), tasks.at(i)->destPath);
            QVERIFY2(isFileName(folder), qPrintable(folder));
            QVERIFY(QFileInfo(tasks.at(i)->destPath).isDir());
            QVERIFY2(folder.startsWith(folders.at(i)), qPrintable(folder));
            for (int index : {0, 11, std::numeric_limits<int>::max()}) {
                QSignalSpy products(m_presenter.get(), &NxSpeechServicePresenter::sigSrtProductFileGenerate);
                ttsManager()->productFromWorker(ttsManager()->addedIds.at(i), index, 0, source("sentence"));
                QVERIFY(products.wait(5000));
                const QString target = products.first().first().toString();
                const QString sentence = entryIn(tasks.at(i)->destPath, target);
                QVERIFY2(isFileName(sentence), qPrintable(sentence));
                QVERIFY(QFile::exists(target));
                if (index == 0 && !sentences.at(i).isEmpty())
                    QCOMPARE(sentence, sentences.at(i));
                QVERIFY(clipNames.at(i).startsWith(sentence.left(sentence.lastIndexOf(QLatin1Char('_'))))
                        || !isAllowedText(clipNames.at(i)));
            }
        }
    }

    void namesAreHeldOnDiskUntilWrittenOrDeleted()
    {
        // Names that tasks of another process hold.
        QVERIFY(QDir().mkpath(subtitleFolder()) && QDir().mkpath(outputFolder()));
        QVERIFY(writeBytes(subtitleFolder() + "/.Material_Interview.reserved", QByteArray()));
        QVERIFY(writeBytes(outputFolder() + "/.Intro - Welcome.reserved", QByteArray()));
        QVERIFY(m_stt->addMaterialTasks({&m_interview}, QStringLiteral("en-US"), false));
        QVERIFY(addVoiceOvers({title("Intro", {"Welcome"}), title("Intro", {"Welcome"})}));
        const NxSpeechToText::Task* subtitles = sttTasks().at(0);
        QCOMPARE(subtitles->fileName, QStringLiteral("Material_Interview_01"));
        QCOMPARE(ttsTasks().at(0)->fileName, QStringLiteral("Intro - Welcome_01"));
        QCOMPARE(ttsTasks().at(1)->fileName, QStringLiteral("Intro - Welcome_02"));

        // This process's tasks hold theirs until their files are written or they are deleted.
        const QString subtitlesHeld = subtitleFolder() + "/.Material_Interview_01.reserved";
        const QString writtenHeld = outputFolder() + "/.Intro - Welcome_01.reserved";
        const QString deletedHeld = outputFolder() + "/.Intro - Welcome_02.reserved";
        for (const QString& held : {subtitlesHeld, writtenHeld, deletedHeld})
            QVERIFY2(QFile::exists(held), qPrintable(held));
        sttManager()->reportState(sttManager()->addedIds.at(0), CompletedState, 0, 100);
        ttsManager()->reportState(ttsManager()->addedIds.at(0), CompletedState, 0, 100, source("audio"));
        ttsManager()->reportState(ttsManager()->addedIds.at(1), NxTextToSpeechTaskInfo::ConvertFailed);
        QTRY_VERIFY(!QFile::exists(subtitlesHeld));
        QTRY_VERIFY(!QFile::exists(writtenHeld));
        QVERIFY(QFile::exists(subtitles->destPath));
        QTRY_COMPARE(ttsTasks().at(1)->status, int(NxTextToSpeech::ConvertFailed));
        QVERIFY(QFile::exists(deletedHeld));
        m_tts->slotRemoveTask(1);
        QVERIFY(!QFile::exists(deletedHeld));
    }

    void aResultThatCannotBeWrittenFailsItsTaskUntilARetryWritesIt()
    {
        QVERIFY(m_stt->addMaterialTasks({&m_interview}, QStringLiteral("en-US"), false));
        QVERIFY(addVoiceOvers({title("Intro", {"Welcome"})}));
        const NxSpeechToText::Task* subtitles = sttTasks().at(0);
        const NxTextToSpeech::Task* voiceOver = ttsTasks().at(0);
        // Another program wrote where the tasks are to write.
        QVERIFY(writeBytes(subtitles->destPath, "theirs") && writeBytes(voiceOver->destPath, "theirs"));

        QSignalSpy subtitleFiles(m_presenter.get(), &NxSpeechServicePresenter::sigSrtFileGenerate);
        QSignalSpy audioFiles(m_presenter.get(), &NxSpeechServicePresenter::sigAudioFileGenerate);
        const int sttId = sttManager()->addedIds.at(0);
        sttManager()->reportState(sttId, CompletedState, 0, 100);
        ttsManager()->reportState(ttsManager()->addedIds.at(0), CompletedState, 0, 100, source("ours"));
        QTRY_COMPARE(subtitles->status, int(NxSpeechToText::TranscribeFailed));
        QTRY_COMPARE(voiceOver->status, int(NxTextToSpeech::DownloadFailed));
        QCOMPARE(subtitleFiles.count(), 0);
        QCOMPARE(audioFiles.count(), 0);
        QCOMPARE(bytesOf(subtitles->destPath), QByteArray("theirs"));
        QCOMPARE(bytesOf(voiceOver->destPath), QByteArray("theirs"));

        // Once the names are free, a retry writes what was made before; nothing is made again.
        QVERIFY(QFile::remove(subtitles->destPath) && QFile::remove(voiceOver->destPath));
        m_stt->slotRefreshTask(0);
        m_tts->slotRefreshTask(0);
        QTRY_COMPARE(subtitleFiles.count(), 1);
        QTRY_COMPARE(audioFiles.count(), 1);
        QCOMPARE(subtitles->status, int(NxSpeechToText::Completed));
        QCOMPARE(voiceOver->status, int(NxTextToSpeech::Completed));
        QCOMPARE(bytesOf(voiceOver->destPath), QByteArray("ours"));
        QVERIFY(!sttManager()->calls.contains(QStringLiteral("retryTask:%1").arg(sttId)));
    }

    // The module's events show their properties in order, once (sttStatusChangesSendServiceEventsOnceInOrder).
    void anEmptyPropertyListSendsNoEvent()
    {
        NxEventRecorder recorder;
        VarneloSpeechServiceEvent(QStringLiteral("nothing")).sendProperties({});
        QVERIFY(recorder.events().isEmpty());
    }

    // Adding tasks sends this event (ttsAddingSendsTheParameterEventAndSkipsRefusedClips).
    void parameterEventTranslatesTheRequest_data()
    {
        columns<QString, int, int, QString>({"voice", "intonation", "speed", "expected"});
        QTest::newRow("known words") << "Aida" << -1 << 2 << "tone_color=standard_male_voice,tone=lowering,speed=fast";
        QTest::newRow("a new voice is sent as it is") << "Nova" << 0 << 0 << "tone_color=Nova,tone=normal,speed=normal";
        QTest::newRow("odd steps in decimal") << "Lydia" << 1 << -1
                                              << "tone_color=billingual_female_voice,tone=resounding,speed=-1";
    }
    void parameterEventTranslatesTheRequest()
    {
        QFETCH(QString, voice); QFETCH(int, intonation); QFETCH(int, speed); QFETCH(QString, expected);
        NxEventRecorder recorder;
        NxTextToSpeechParamEvent event;
        event.setParams(voice, intonation, speed);
        event.sendEvent();
        QCOMPARE(recorder.summaries(), QStringList{QStringLiteral("title_audio_params_setting{%1}").arg(expected)});
    }

private:
    // Rows for the tests both services share.
    static void services()
    {
        columns<bool, int, int, int>({"speechToText", "running", "failed", "lacking"});
        QTest::newRow("speech-to-text") << true << int(NxSpeechToTextTaskInfo::Transcribing)
                                        << int(NxSpeechToTextTaskInfo::TranscribeFailed) << 10;
        QTest::newRow("text-to-speech") << false << int(NxTextToSpeechTaskInfo::Converting)
                                        << int(NxTextToSpeechTaskInfo::ConvertFailed) << 120;
    }
    // Runs `body` on the controller of the row's service.
    template <typename Body>
    void onEither(const Body& body)
    {
        QFETCH(bool, speechToText);
        speechToText ? body(m_stt.get()) : body(m_tts.get());
    }

    static NxScriptedSpeechToTextManager* sttManager() { return NxScriptedSpeechToTextManager::latest(); }
    static NxScriptedTextToSpeechManager* ttsManager() { return NxScriptedTextToSpeechManager::latest(); }
    static NxScriptedSpeechToTextManager* managerOf(NxSpeechToTextHelper*) { return sttManager(); }
    static NxScriptedTextToSpeechManager* managerOf(NxTextToSpeechHelper*) { return ttsManager(); }
    NxSpeechToTextTableModel* modelOf(NxSpeechToTextHelper*) const { return m_sttModel.get(); }
    NxTextToSpeechTableModel* modelOf(NxTextToSpeechHelper*) const { return m_ttsModel.get(); }
    template <typename Model>
    static auto tasksOf(const Model& model)
    {
        QList<decltype(Model::taskFromVariant(QVariant()))> tasks;
        for (int row = 0; row < model.rowCount(); ++row)
            tasks.append(Model::taskFromVariant(model.index(row, 0).data(Qt::UserRole)));
        return tasks;
    }
    NxSpeechToText::Task* sttTask(int row) const { return tasksOf(*m_sttModel).at(row); }
    NxTextToSpeech::Task* ttsTask(int row) const { return tasksOf(*m_ttsModel).at(row); }

    // Reports from the manager's thread; true once the controller has taken the report in.
    template <typename Helper, typename... Rest>
    bool deliver(Helper* helper, int taskId, int state, Rest... rest)
    {
        QSignalSpy handled(helper, &Helper::sigTaskStateChanged);
        managerOf(helper)->reportState(taskId, state, rest...);
        return handled.wait(5000);
    }

    // A task for a video clip or a title of this name; answers its id.
    int add(NxSpeechToTextHelper* helper, const QString& name)
    {
        helper->addClipTasks({clip(name)}, QStringLiteral("en-US"), false);
        return sttManager()->addedIds.last();
    }
    int add(NxTextToSpeechHelper*, const QString& name) { return addVoiceOver(title(name, {QStringLiteral("x")})); }
    bool addVoiceOvers(const QList<INxClip*>& clips, bool attachResult = true)
    {
        return m_tts->addTasks(clips, {attachResult, "en-US", {}, -1, "Andy", 0, 0, {}, {}, {}});
    }
    int addVoiceOver(INxClip* clip, bool attachResult = true)
    {
        addVoiceOvers({clip}, attachResult);
        return ttsManager()->addedIds.last();
    }
    QList<NxSpeechToText::Task*> sttTasks() const { return tasksOf(*m_sttModel); }
    QList<NxTextToSpeech::Task*> ttsTasks() const { return tasksOf(*m_ttsModel); }

    NxTimelineClip* clip(const QString& name, int type = INxClip::Video, qint64 frames = 250)
    {
        m_clips.push_back(std::make_unique<NxTimelineClip>(name, type, NxRational{25, 1}, nullptr,
                                                           NxTimelineClip::Placement{0, frames, 1000}));
        return m_clips.back().get();
    }
    NxTitleClip* title(const QString& name, const QStringList& texts = {})
    {
        auto made = std::make_unique<NxTitleClip>(name, NxRational{25, 1}, 100, 250);
        for (const QString& text : texts)
            made->addText(text);
        m_clips.push_back(std::move(made));
        return static_cast<NxTitleClip*>(m_clips.back().get());
    }

    static QString folder(int kind) { return QDir::cleanPath(INxAppInfo::getInstance()->getPath(kind)); }
    static QString subtitleFolder() { return folder(INxAppInfo::SpeechToTextSubtitleFolder); }
    static QString outputFolder() { return folder(INxAppInfo::TextToSpeechOutputFolder); }
    // A product file of the manager's storage, each with content of its own.
    QString source(const QByteArray& content)
    {
        const QString path = m_storage.filePath(QStringLiteral("product%1.mp3").arg(m_sources++));
        return writeBytes(path, content) ? path : QString();
    }

    NxTestHome m_home;
    NxMediaFile m_interview{QStringLiteral("/media/Interview.wav"), INxAbstractMedia::Audio, {25, 1}, 250};
    QTemporaryDir m_storage; // the text-to-speech manager's own storage
    std::unique_ptr<NxSpeechServicePresenter> m_presenter;
    std::unique_ptr<NxSpeechToTextTableModel> m_sttModel;
    std::unique_ptr<NxTextToSpeechTableModel> m_ttsModel;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> m_testers;
    std::unique_ptr<NxSpeechToTextHelper> m_stt;
    std::unique_ptr<NxTextToSpeechHelper> m_tts;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
    int m_sources = 0;
};

QTEST_MAIN(TaskHelpersTest)
#include "tst_taskhelpers.moc"
