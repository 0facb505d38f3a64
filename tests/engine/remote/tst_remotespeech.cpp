#include "INxBaseLog.h"
#include "NxConfig.h"
#include "NxDataColumns.h"
#include "NxFakeSpeechServer.h"
#include "NxMediaFile.h"
#include "NxMp3Encoder.h"
#include "NxOfflineSpeechToTextManager.h"
#include "NxOfflineTextToSpeechManager.h"
#include "NxReleased.h"
#include "NxRemoteSpeechToTextManager.h"
#include "NxRemoteTextToSpeechManager.h"
#include "NxSpeechToTextRecorder.h"
#include "NxSubtitleClip.h"
#include "NxTestFiles.h"
#include "NxTestHome.h"
#include "NxTextToSpeechRecorder.h"
#include "NxTitleClip.h"
#include "NxUsageAllowance.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTime>
#include <QTest>

#include <cmath>
#include <limits>

using Info = NxSpeechToTextTaskInfo;
using Spoken = NxTextToSpeechTaskInfo;
using Failure = NxFakeSpeechServer::Failure;

namespace
{
const QByteArray Key = "nx-test-key-5e0c1d9b";
const QString Section = QStringLiteral("RemoteSpeech");
constexpr NxRational Rate{100, 1};

// What the server heard in the recording: two timed lines and a pause.
struct Line { double start, end; QString text; };
const QList<Line> Heard = {{0.0, 2.4, "Hello there, this is the first line."},
                           {3.5, 5.8, "And here comes a second one."}};

QByteArray transcript(const QList<Line>& lines)
{
    QJsonArray segments;
    for (int i = 0; i < lines.size(); ++i)
        segments.append(QJsonObject{{"id", i}, {"start", lines[i].start}, {"end", lines[i].end},
                                    {"text", " " + lines[i].text}});
    return QJsonDocument(QJsonObject{{"task", "transcribe"}, {"segments", segments}}).toJson();
}

// `seconds` of noise as 16-bit PCM WAV; noise does not compress, so the upload keeps its size.
bool writeWave(const QString& path, double seconds, int rate, int channels)
{
    const quint32 bytes = quint32(seconds * rate) * 2 * channels;
    QByteArray data(int(bytes), '\0');
    QRandomGenerator(11).fillRange(reinterpret_cast<quint32*>(data.data()), data.size() / 4);
    QByteArray head("RIFF");
    const auto u32 = [&head](quint32 v) { head.append(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&head](quint16 v) { head.append(reinterpret_cast<const char*>(&v), 2); };
    u32(36 + bytes), head += "WAVEfmt ", u32(16), u16(1), u16(quint16(channels)), u32(quint32(rate));
    u32(quint32(rate * 2 * channels)), u16(quint16(2 * channels)), u16(16), head += "data", u32(bytes);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(head + data) == head.size() + data.size();
}

bool logged(const QString& text)
{
    return QString::fromUtf8(bytesOf(GetGlobalLogInstance()->filePath())).contains(text);
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}
} // namespace

class RemoteSpeechTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    QTemporaryDir m_dir;
    NxFakeSpeechServer m_server;
    NxSpeechToTextRecorder m_recorder;
    NxRemoteSpeechToTextManager* m_manager = nullptr;
    std::unique_ptr<NxMediaFile> m_speech; // 30 s of 44.1 kHz stereo
    std::unique_ptr<NxMediaFile> m_short;  // 1 s
    std::unique_ptr<NxMediaFile> m_long;   // 300 s of 16 kHz mono noise: 9.6 MB that no packing shrinks
    NxTextToSpeechRecorder m_spoken;
    NxReleased<NxRemoteTextToSpeechManager> m_speaker;
    QByteArray m_mp3; // what the server speaks

    QString file(const QString& name) const { return m_dir.filePath(name); }
    // The task's subtitles exported as out/<name>.srt, in the folders that makes, as SubRip blocks.
    QStringList exportedBlocks(int taskId, const QString& name)
    {
        const QString path = file(QStringLiteral("out/%1.srt").arg(name));
        m_manager->exportSubtitles(taskId, path);
        return QString::fromUtf8(bytesOf(path)).split("\n\n", Qt::SkipEmptyParts);
    }

    // The suite's settings, `changes` applied over them, for the manager made next.
    void configure(const QVariantMap& changes)
    {
        QVariantMap settings{{"ServerUrl", m_server.url()}, {"StallTimeoutSeconds", 2}, {"AnswerTimeoutSeconds", 2},
                             {"Retries", 2}, {"RetryDelaySeconds", 0.1}, {"Concurrency", 4}, {"UploadFormat", "flac"},
                             {"ApiKeyVariable", "NXSPEECH_API_KEY"}, {"SpeechModel", "tts-1-hd"}};
        settings.insert(changes);
        for (auto it = settings.begin(); it != settings.end(); ++it)
            NxConfig::Instance().SetAppValue(Section, it.key(), it.value(), false);
    }
    void start(const QVariantMap& changes = {})
    {
        configure(changes);
        m_recorder.clear();
        m_manager = new NxRemoteSpeechToTextManager;
        m_manager->setCallBack(&m_recorder);
    }
    void startSpeaking(const QVariantMap& changes = {})
    {
        configure(changes);
        m_spoken.clear();
        m_speaker.reset(new NxRemoteTextToSpeechManager);
        m_speaker->setCallBack(&m_spoken);
    }
    template <typename Recorder>
    static auto ending(const Recorder& recorder, int taskId)
    {
        static_cast<void>(QTest::qWaitFor([&] { return recorder.ending(taskId).state != 0; }, 20000));
        return recorder.ending(taskId);
    }
    Info ended(int taskId) { return ending(m_recorder, taskId); }
    Spoken spoken(int taskId) { return ending(m_spoken, taskId); }
    int speak(INxClip* clip, const QString& voice, int speed = 0)
    {
        NxTextToSpeechTaskRequest request;
        request.clip = clip, request.voice = voice, request.speed = speed;
        int id = -1;
        m_speaker->addTask(request, &id, nullptr, nullptr, nullptr);
        return id;
    }

private slots:
    void initTestCase()
    {
        // Nothing in this suite may leave the machine, through a proxy or otherwise.
        for (const char* variable : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(variable);
        qputenv("NXSPEECH_API_KEY", Key);
        QVERIFY(m_server.listen());
        m_server.setTranscript(transcript(Heard));
        QVERIFY(writeWave(file("speech.wav"), 30.0, 44100, 2));
        QVERIFY(writeWave(file("short.wav"), 1.0, 16000, 1));
        QVERIFY(writeWave(file("long.wav"), 300.0, 16000, 1));
        m_speech = std::make_unique<NxMediaFile>(file("speech.wav"), INxAbstractMedia::Audio, Rate, 3000);
        m_short = std::make_unique<NxMediaFile>(file("short.wav"), INxAbstractMedia::Audio, Rate, 100);
        m_long = std::make_unique<NxMediaFile>(file("long.wav"), INxAbstractMedia::Audio, Rate, 30000);
        // What the server speaks: a quarter second of a tone, made by the engine's own encoder.
        QVector<qint16> tone(4000);
        for (int i = 0; i < tone.size(); ++i)
            tone[i] = qint16(8000 * std::sin(i * 0.1));
        QVERIFY(NxMp3Encoder::encode(tone, 16000, file("tone.mp3")));
        m_mp3 = bytesOf(file("tone.mp3"));
        m_server.setSpeech(m_mp3);
        NxConfig::Instance().SetAppValue(NxRemoteSettings::VoiceSection, "70", "onyx", false);
    }
    void cleanup()
    {
        if (auto* manager = std::exchange(m_manager, nullptr))
            manager->release();
        m_speaker.reset();
        m_server.fail(Failure::None);
        m_server.letGo();
        m_server.setDelay(0);
        m_server.setTranscript(transcript(Heard));
    }

    void theOfflineEngineRunsUntilAServerIsConfigured_data()
    {
        columns<QString, bool>({"url", "remote"});
        QTest::newRow("nothing configured") << "" << false;
        QTest::newRow("not a web address") << "ftp://speech.example" << false;
        QTest::newRow("a server") << "http://127.0.0.1:9" << true;
    }
    void theOfflineEngineRunsUntilAServerIsConfigured()
    {
        QFETCH(QString, url); QFETCH(bool, remote);
        NxConfig::Instance().SetAppValue(Section, "ServerUrl", url, false);
        const NxReleased<INxSpeechToTextTaskManager> stt(INxSpeechToTextTaskManager::create());
        const NxReleased<INxTextToSpeechTaskManager> tts(INxTextToSpeechTaskManager::create());
        QVERIFY(remote ? dynamic_cast<NxRemoteSpeechToTextManager*>(stt.get()) && dynamic_cast<NxRemoteTextToSpeechManager*>(tts.get())
                       : dynamic_cast<NxOfflineSpeechToTextManager*>(stt.get()) && dynamic_cast<NxOfflineTextToSpeechManager*>(tts.get()));
        NxConfig::Instance().SetAppValue(Section, "ServerUrl", QString(), false);
    }

    void transcribesThroughTheServerIntoCues_data()
    {
        columns<QString, QByteArray, QByteArray, QString>({"format", "magic", "type", "name"});
        QTest::newRow("lossless") << "flac" << QByteArray("fLaC") << QByteArray("audio/flac") << "audio.flac";
        QTest::newRow("small") << "opus" << QByteArray("OggS") << QByteArray("audio/ogg") << "audio.ogg";
    }
    void transcribesThroughTheServerIntoCues()
    {
        QFETCH(QString, format); QFETCH(QByteArray, magic); QFETCH(QByteArray, type); QFETCH(QString, name);
        start({{"UploadFormat", format}, {"TranscriptionModel", "large-v3"}});
        const int before = m_server.requests().size();
        const int id = m_manager->addMaterialTask(m_speech.get(), QStringLiteral("en-US"));
        QCOMPARE(ended(id).state, int(Info::Completed));
        QCOMPARE(m_server.requests().size(), before + 1);
        const NxFakeSpeechServer::Request request = m_server.requests().last();
        QCOMPARE(request.path, QByteArray("/v1/audio/transcriptions"));
        QCOMPARE(request.headers.value("authorization"), "Bearer " + Key);
        QCOMPARE(QStringList({request.fields.value("model"), request.fields.value("response_format"), request.fields.value("language"),
                              request.fileName}), QStringList({"large-v3", "verbose_json", "en", name}));
        QCOMPARE(QList<QByteArray>({request.fileType, request.file.left(4)}), QList<QByteArray>({type, magic}));
        // 30 s of 44.1 kHz stereo is 5 MB as WAV; 16 kHz mono packed is far less.
        QVERIFY2(request.file.size() < QFileInfo(file("speech.wav")).size() / 4, qPrintable(QString::number(request.file.size())));

        const QStringList blocks = exportedBlocks(id, format + "/speech");
        QCOMPARE(blocks.size(), Heard.size());
        const QStringList times{"00:00:00,000 --> 00:00:02,400", "00:00:03,500 --> 00:00:05,800"}; // as heard
        for (int i = 0; i < Heard.size(); ++i) {
            const QStringList lines = blocks[i].split('\n');
            QCOMPARE(lines.value(1), times[i]);
            QCOMPARE(lines.mid(2).join(' '), Heard[i].text);
        }
    }

    // Japanese and Chinese write no spaces: cues are cut between characters, punctuation and Latin
    // names kept with theirs, in lines of at most 16 characters.
    void unspacedScriptsAreCutBetweenCharacters()
    {
        const QString japanese = QStringLiteral("今日はとても良い天気ですね。みんなで公園へ散歩に行きましょう！");
        const QString chinese = QStringLiteral("我用iPhone拍了一张照片，然后发给了我最好的朋友。");
        start();
        m_server.setTranscript(transcript({{0.0, 6.0, japanese}, {6.2, 12.0, chinese}}));
        const int id = m_manager->addMaterialTask(m_short.get(), QStringLiteral("ja"));
        QCOMPARE(ended(id).state, int(Info::Completed));
        QStringList lines;
        for (const QString& block : exportedBlocks(id, "unspaced"))
            lines += block.split('\n').mid(2);
        QVERIFY2(lines.size() >= 4, qPrintable(lines.join('|')));
        for (const QString& line : qAsConst(lines))
            QVERIFY2(line.size() <= 16 && !line.contains(' ') && !QStringLiteral("。！，").contains(line.front()),
                     qPrintable(line));
        QCOMPARE(lines.join(QString()), japanese + chinese);
        QVERIFY2(lines.join('|').contains("iPhone"), qPrintable(lines.join('|')));
    }

    // The server holds the upload at its start, then its answer, until the test has seen each reported.
    // The sockets' buffers take in some 4 MB (the system's largest send buffer): the upload is twice that.
    void eachStageIsReportedInItsTurnWithTheUploadGrowing()
    {
        start({{"StallTimeoutSeconds", 60}, {"AnswerTimeoutSeconds", 60}});
        m_server.hold(0);
        const int id = m_manager->addMaterialTask(m_long.get(), QStringLiteral("en"));
        const auto last = [&] { return m_recorder.reports(id).value(m_recorder.reports(id).size() - 1); };
        QTRY_VERIFY(last().state == Info::Uploading && last().progress > 0);
        QVERIFY2(last().progress < 100, "the whole upload went into the sockets' buffers");
        m_server.letGo(); // a read of at most 64 KB: the hold below comes before the body's end
        m_server.hold(std::numeric_limits<qint64>::max());
        QTRY_COMPARE(last().state, int(Info::Transcribing));
        m_server.letGo();
        QCOMPARE(ended(id).state, int(Info::Completed));
        QVERIFY(!m_recorder.reportedOnTestThread());
        QList<int> stages, upload;
        for (const Info& info : m_recorder.reports(id)) {
            if (stages.isEmpty() || stages.last() != info.state)
                stages.append(info.state);
            if (info.state == Info::Uploading)
                upload.append(info.progress);
        }
        QCOMPARE(stages, QList<int>({Info::Scanning, Info::Transcoding, Info::Uploading, Info::Transcribing,
                                     Info::Completed}));
        QVERIFY2(upload.size() >= 3 && upload.first() == 0 && upload.last() == 100 && std::is_sorted(upload.begin(), upload.end()),
                 qPrintable(QString::number(upload.size())));
    }

    // 300 s of noise pack to 9.6 MB; a server that takes 2 MB gets pieces side by side, and their
    // segments land on the track's time line, each offset by where its piece starts.
    void aTrackTooLargeForTheServerGoesUpInPieces()
    {
        constexpr int Limit = 2000000;
        start({{"MaxUploadBytes", Limit}, {"StallTimeoutSeconds", 30}, {"AnswerTimeoutSeconds", 30}});
        const int before = m_server.requests().size();
        const int id = m_manager->addMaterialTask(m_long.get(), QStringLiteral("en"));
        QCOMPARE(ended(id).state, int(Info::Completed));
        const QList<NxFakeSpeechServer::Request> pieces = m_server.requests().mid(before);
        QVERIFY2(pieces.size() >= 5, qPrintable(QString::number(pieces.size())));
        for (const NxFakeSpeechServer::Request& piece : pieces)
            QVERIFY2(piece.file.size() <= Limit && piece.file.startsWith("fLaC"), qPrintable(QString::number(piece.file.size())));

        const QStringList blocks = exportedBlocks(id, "pieces");
        QCOMPARE(blocks.size(), Heard.size() * pieces.size());
        QList<double> starts; // of each piece's first line
        for (int i = 0; i < blocks.size(); i += Heard.size()) {
            const QTime time = QTime::fromString(blocks[i].split('\n').value(1).left(12), QStringLiteral("hh:mm:ss,zzz"));
            starts.append(time.msecsSinceStartOfDay() / 1000.0);
        }
        const double mostSeconds = Limit / (9.6e6 / 300); // of one piece, at the noise's packing rate
        QCOMPARE(starts.first(), 0.0);
        for (int i = 1; i < starts.size(); ++i)
            QVERIFY2(starts[i] > starts[i - 1] + 1 && starts[i] - starts[i - 1] <= mostSeconds,
                     qPrintable(QString::number(starts[i] - starts[i - 1])));
        QVERIFY2(300 - starts.last() <= mostSeconds, qPrintable(QString::number(starts.last())));
        QList<int> upload;
        for (const Info& info : m_recorder.reports(id))
            if (info.state == Info::Uploading)
                upload.append(info.progress);
        QVERIFY(upload.first() == 0 && upload.last() == 100 && std::is_sorted(upload.begin(), upload.end()));
    }

    void noMoreTasksAreInFlightThanConfigured()
    {
        start({{"Concurrency", 3}});
        m_server.setDelay(300);
        QList<int> ids;
        for (int i = 0; i < 7; ++i)
            ids.append(m_manager->addMaterialTask(m_short.get(), QStringLiteral("en")));
        for (const int id : qAsConst(ids))
            QCOMPARE(ended(id).state, int(Info::Completed));
        QCOMPARE(m_server.mostAtOnce(), 3);
    }

    void failuresEndInTheStageAndCodeTheModuleShows_data()
    {
        // url: "" for the suite's server, else a template for its port; failure and status: what the
        // server does; requests: how many it gets (-1: as many as Qt sends)
        columns<QString, int, int, int, int, int, QString>(
            {"url", "failure", "status", "state", "code", "requests", "line"});
        const int none = int(Failure::None), status = int(Failure::Status), stall = int(Failure::Stall);
        const int upload = Info::UploadFailed, transcribe = Info::TranscribeFailed, network = Info::NetworkBroken;
        const int failed = Info::TranscriptionFailure;
        const QString closed = QStringLiteral("http://127.0.0.1:%1").arg(closedPort()), own;
        QTest::newRow("connection refused") << closed << none << 0 << upload << network << 0
                                            << "The speech server could not be reached (Connection refused): check the network";
        QTest::newRow("no answer") << own << stall << 0 << transcribe << network << 1 << "no answer within 2 s";
        // Qt sends a request again on a fresh connection when one closes unanswered.
        QTest::newRow("connection dropped mid-upload") << own << int(Failure::DropMidUpload) << 0 << upload << network
                                                       << -1 << "/v1/audio/transcriptions: failed";
        QTest::newRow("key refused") << own << status << 401 << upload << int(Info::LoginError) << 1
                                     << "NXSPEECH_API_KEY (HTTP 401: refused with the key Bearer ***): set the server's key there";
        QTest::newRow("upload too large") << own << status << 413 << upload << int(Info::FileTooLong) << 1
                                          << "The speech server takes no upload this large: ";
        QTest::newRow("overloaded, after the retries") << own << status << 429 << transcribe << network << 3 << "HTTP 429";
        QTest::newRow("server error, after the retries") << own << status << 500 << transcribe << network << 3 << "HTTP 500";
        QTest::newRow("unknown model") << own << status << 400 << transcribe << failed << 1 << "refused the task: HTTP 400";
        QTest::newRow("malformed answer") << own << int(Failure::Malformed) << 0 << transcribe << failed << 1 << "not JSON";
        QTest::newRow("truncated answer") << own << int(Failure::Truncated) << 0 << transcribe << failed << 1 << "was cut off";
    }
    void failuresEndInTheStageAndCodeTheModuleShows()
    {
        QFETCH(QString, url); QFETCH(int, failure); QFETCH(int, status); QFETCH(int, state); QFETCH(int, code);
        QFETCH(int, requests); QFETCH(QString, line);
        if (url.contains("%1"))
            url = url.arg(m_server.url().section(':', -1));
        start(url.isEmpty() ? QVariantMap() : QVariantMap{{"ServerUrl", url}});
        m_server.fail(Failure(failure), status);
        const int before = m_server.requests().size();
        const int id = m_manager->addMaterialTask(m_speech.get(), QStringLiteral("en"));
        const Info end = ended(id);
        QCOMPARE(QList<int>({end.state, end.code}), QList<int>({state, code}));
        QVERIFY(m_manager->isTaskFinished(id));
        if (requests >= 0)
            QCOMPARE(m_server.requests().size() - before, requests);
        QTRY_VERIFY2(logged(line), qPrintable(line));
    }

    void theAnswerIsReadAgainstTheTrackWithoutARetry_data()
    {
        // firstCue: the times of the exported file's first cue, for a task that completes
        columns<QByteArray, double, int, int, QString>({"answer", "seconds", "state", "code", "firstCue"});
        QList<Line> early = Heard;
        early[0].start = -0.08;
        // The second's file ends the cue early.
        QTest::newRow("a segment before the track starts at its start") << transcript(early) << 1.0 << int(Info::Completed)
                                                                        << int(Info::UnknownError)
                                                                        << "00:00:00,000 --> 00:00:01,000";
        QTest::newRow("no words in the answer") << transcript({}) << 1.0 << int(Info::TranscribeFailed)
                                                << int(Info::UnrecognizedContent) << "";
        // 100 samples a second keep an hour's file small.
        QTest::newRow("more than an hour of media") << transcript(Heard) << 3700.0 << int(Info::ScanFailed)
                                                    << int(Info::FileTooLong) << "";
    }
    void theAnswerIsReadAgainstTheTrackWithoutARetry()
    {
        QFETCH(QByteArray, answer); QFETCH(double, seconds); QFETCH(int, state); QFETCH(int, code); QFETCH(QString, firstCue);
        QVERIFY(writeWave(file("unheard.wav"), seconds, seconds > 60 ? 100 : 16000, 1));
        NxMediaFile media(file("unheard.wav"), INxAbstractMedia::Audio, Rate, qint64(seconds * 100));
        start();
        m_server.setTranscript(answer);
        const int before = m_server.requests().size();
        const int id = m_manager->addMaterialTask(&media, QStringLiteral("en"));
        const Info end = ended(id);
        QCOMPARE(QList<int>({end.state, end.code}), QList<int>({state, code}));
        QCOMPARE(m_server.requests().size() - before, state == Info::ScanFailed ? 0 : 1);
        QCOMPARE(exportedBlocks(id, QStringLiteral("answer/") + QTest::currentDataTag()).value(0).section('\n', 1, 1), firstCue);
    }

    // Stopping, removing and releasing set the same stop flag in the queue; a release also ends the network thread.
    void aReleaseCancelsTheRequest()
    {
        start({{"AnswerTimeoutSeconds", 60}});
        m_server.fail(Failure::Stall);
        const int abandoned = m_server.abandoned();
        const int id = m_manager->addMaterialTask(m_short.get(), QStringLiteral("en"));
        QTRY_VERIFY(!m_recorder.reports(id).isEmpty() && m_recorder.reports(id).last().state == Info::Transcribing);
        QElapsedTimer clock;
        clock.start();
        std::exchange(m_manager, nullptr)->release();
        QTRY_COMPARE(m_server.abandoned(), abandoned + 1);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }

    void refreshLooksAtTheServer()
    {
        start({{"TranscriptionModel", "no-such-model"}});
        const int before = m_server.requests().size();
        m_manager->refresh();
        QTRY_COMPARE(m_server.requests().size(), before + 1);
        QCOMPARE(m_server.requests().last().path, QByteArray("/v1/models"));
        QTRY_VERIFY(logged("The speech server offers no model \"no-such-model\"; it offers: whisper-1, tts-1"));
        QVERIFY(m_manager->serviceState());
        cleanup();

        start({{"ServerUrl", QStringLiteral("http://127.0.0.1:%1").arg(closedPort())}});
        m_manager->refresh();
        QTRY_VERIFY(!m_manager->serviceState());
    }

    void aKeyAcrossWhereAQuoteIsCutIsBlankedWhole_data()
    {
        // variable: where the key is; failure: how the server quotes it, 200 or 120 characters in
        columns<QByteArray, QByteArray, int, QString>({"variable", "key", "failure", "shown"});
        // The error "refused with the key Bearer KEY" runs past its 200 characters.
        QTest::newRow("in an error message") << QByteArray("NXTEST_LONG_KEY") << "long-key-" + QByteArray(190, 'k')
                                             << int(Failure::Status) << "refused with the key Bearer ***";
        QTest::newRow("in an answer that is not JSON") << QByteArray("NXSPEECH_API_KEY") << Key
                                                       << int(Failure::None) << "x *** and more";
    }
    void aKeyAcrossWhereAQuoteIsCutIsBlankedWhole()
    {
        QFETCH(QByteArray, variable); QFETCH(QByteArray, key); QFETCH(int, failure); QFETCH(QString, shown);
        qputenv(variable.constData(), key);
        start({{"ApiKeyVariable", QString::fromLatin1(variable)}});
        m_server.setTranscript(QByteArray(100, 'x') + ' ' + Key + " and more");
        m_server.fail(Failure(failure), 400);
        const int id = m_manager->addMaterialTask(m_short.get(), QStringLiteral("en"));
        QCOMPARE(ended(id).code, int(Info::TranscriptionFailure));
        QTRY_VERIFY2(logged(shown), qPrintable(shown));
        QVERIFY(!logged(QString::fromLatin1(key.left(12))));
    }

    void aTitleIsSpokenByTheMappedVoiceAtItsPace_data()
    {
        columns<QString, int, QString, double>({"voice", "speed", "serverVoice", "pace"});
        QTest::newRow("mapped voice, normal pace") << "en-US-m1" << 0 << "onyx" << 1.0;
        QTest::newRow("unmapped voice: the default") << "en-US-f1" << 0 << "alloy" << 1.0;
        QTest::newRow("the slowest step keeps the offline ratio") << "en-US-m1" << -2 << "onyx" << 120.0 / 175.0;
    }
    void aTitleIsSpokenByTheMappedVoiceAtItsPace()
    {
        QFETCH(QString, voice); QFETCH(int, speed); QFETCH(QString, serverVoice); QFETCH(double, pace);
        startSpeaking();
        const int characters = NxUsageAllowance::instance().characters();
        NxTitleClip clip("Intro", {25, 1}, 0, 100);
        clip.addText(QStringLiteral("Welcome to the show."));
        const int id = speak(&clip, voice, speed);
        const Spoken end = spoken(id);
        QCOMPARE(end.state, int(Spoken::Completed));
        QCOMPARE(bytesOf(end.filePath), m_mp3);
        const QJsonObject body = QJsonDocument::fromJson(m_server.requests().last().body).object();
        QCOMPARE(m_server.requests().last().path, QByteArray("/v1/audio/speech"));
        QCOMPARE(QStringList({body.value("model").toString(), body.value("input").toString(), body.value("voice").toString(),
                              body.value("response_format").toString()}), QStringList({"tts-1-hd", "Welcome to the show.", serverVoice, "mp3"}));
        QVERIFY(qFuzzyCompare(body.value("speed").toDouble(), pace));
        // The server is paid for where it runs.
        QCOMPARE(NxUsageAllowance::instance().characters(), characters);
    }

    // Qt sends six requests to a server at once; the rest wait their turn
    // before their timeouts start, however many sentences are said side by side.
    void sentencesBeyondWhatQtSendsAtOnceWaitTheirTurn()
    {
        startSpeaking({{"Concurrency", 6}, {"StallTimeoutSeconds", 1}});
        m_server.setDelay(600);
        std::vector<std::unique_ptr<NxSubtitleClip>> clips; // three tasks of six sentences at once
        QList<int> ids;
        for (int task = 0; task < 3; ++task) {
            clips.push_back(std::make_unique<NxSubtitleClip>("Talk", NxRational{25, 1}, 0, 1000));
            for (int i = 0; i < 6; ++i)
                clips.back()->addSentence(QStringLiteral("Line %1.").arg(i + 1), i * 100, i * 100 + 90);
            ids.append(speak(clips.back().get(), "en-US-m1"));
        }
        for (const int id : qAsConst(ids)) {
            QCOMPARE(spoken(id).state, int(Spoken::Completed));
            QCOMPARE(m_spoken.productsOf(id).size(), 6);
        }
        QCOMPARE(m_server.mostAtOnce(), 6);
    }

    void subtitleSentencesFailOnTheirOwnOrTogether_data()
    {
        // failure and status: what the server does to the second request on; the task completes with what it has
        columns<int, int, int, int, int>({"failure", "status", "count", "products", "requests"});
        const int status = int(Failure::Status);
        QTest::newRow("all spoken") << int(Failure::None) << 0 << 0 << 3 << 3;
        QTest::newRow("one sentence too long for the server") << status << 413 << 1 << 2 << 3;
        QTest::newRow("an answer that is not MP3") << int(Failure::Malformed) << 0 << 1 << 2 << 3;
        // A refused key or a lost server ends the task: the rest is not tried.
        QTest::newRow("key refused") << status << 401 << -1 << 1 << 2;
        QTest::newRow("overloaded, after the retries") << status << 503 << -1 << 1 << 4;
    }
    void subtitleSentencesFailOnTheirOwnOrTogether()
    {
        QFETCH(int, failure); QFETCH(int, status); QFETCH(int, count); QFETCH(int, products); QFETCH(int, requests);
        // One sentence at a time, so that the server's first answer is the first sentence's.
        startSpeaking({{"Concurrency", 1}});
        NxSubtitleClip clip("Talk", {25, 1}, 0, 500);
        clip.addSentence("First line.", 0, 40);
        clip.addSentence("Second line.", 50, 90);
        clip.addSentence("Third line.", 100, 140);
        const int before = m_server.requests().size();
        // The first sentence is answered, the next ones meet the failure.
        m_server.fail(Failure(failure), status, count, 1);
        const int id = speak(&clip, "en-US-m1");
        QCOMPARE(spoken(id).state, int(Spoken::Completed));
        QCOMPARE(m_spoken.productsOf(id).size(), products);
        QCOMPARE(m_server.requests().size() - before, requests);
        int completed = 0, failed = 0, total = 0;
        m_speaker->querySubtitleProgress(id, nullptr, nullptr, &completed, &failed, &total);
        QCOMPARE(QList<int>({completed, failed, total}), QList<int>({products, 3 - products, 3}));
    }

    void aSentenceTooLongForItsTimeIsAskedForFaster()
    {
        startSpeaking();
        // The server's speech lasts a quarter second: the first sentence has two, the last a tenth.
        NxSubtitleClip clip("Talk", {25, 1}, 0, 500);
        clip.addSentence("First line.", 0, 40);
        clip.addSentence("Second line.", 50, 52);
        const int before = m_server.requests().size();
        const int id = speak(&clip, "en-US-m1", -2);
        QCOMPARE(spoken(id).state, int(Spoken::Completed));
        QCOMPARE(m_spoken.productsOf(id).size(), 2);
        QList<int> speeds; // in thousandths
        for (const NxFakeSpeechServer::Request& request : m_server.requests().mid(before))
            speeds.append(qRound(QJsonDocument::fromJson(request.body).object().value("speed").toDouble() * 1000));
        const int pace = qRound(1000 * 120.0 / 175.0);
        QCOMPARE(speeds, QList<int>({pace, pace, qRound(1500 * 120.0 / 175.0)}));
    }

    void aTitleFailsWithTheCodeTheModuleShows_data()
    {
        // stop: stopped while its request waits for the answer
        columns<int, int, int, bool>({"failure", "status", "code", "stop"});
        QTest::newRow("key refused") << int(Failure::Status) << 403 << int(Spoken::LoginError) << false;
        QTest::newRow("overloaded, after the retries") << int(Failure::Status) << 503 << int(Spoken::NetworkBroken) << false;
        QTest::newRow("no answer") << int(Failure::Stall) << 0 << int(Spoken::NetworkBroken) << false;
        QTest::newRow("text too long for the server") << int(Failure::Status) << 413 << int(Spoken::TextTooLong) << false;
        QTest::newRow("truncated answer") << int(Failure::Truncated) << 0 << int(Spoken::TranscriptionFailure) << false;
        QTest::newRow("a stop cancels the request") << int(Failure::Stall) << 0 << int(Spoken::UnknownError) << true;
    }
    void aTitleFailsWithTheCodeTheModuleShows()
    {
        QFETCH(int, failure); QFETCH(int, status); QFETCH(int, code); QFETCH(bool, stop);
        startSpeaking({{"AnswerTimeoutSeconds", stop ? 60 : 2}});
        m_server.fail(Failure(failure), status);
        const int abandoned = m_server.abandoned();
        const int requests = m_server.requests().size();
        NxTitleClip clip("Intro", {25, 1}, 0, 100);
        clip.addText(QStringLiteral("Hello."));
        const int id = speak(&clip, "en-US-m1");
        if (stop) {
            QTRY_COMPARE(m_server.requests().size(), requests + 1);
            m_speaker->stopAll();
            QVERIFY(m_speaker->isTaskFinished(id));
            QTRY_COMPARE(m_server.abandoned(), abandoned + 1);
        }
        const Spoken end = spoken(id);
        QCOMPARE(QList<int>({end.state, end.code}), QList<int>({Spoken::ConvertFailed, code}));
    }

    // Last: every earlier case has had its chance to leak the key.
    void theKeyNeverReachesTheLogOrTheConfiguration()
    {
        start();
        m_server.fail(Failure::Status, 401);
        const int id = m_manager->addMaterialTask(m_short.get(), QStringLiteral("en"));
        QCOMPARE(ended(id).code, int(Info::LoginError));
        QVERIFY(logged(QStringLiteral("refused with the key Bearer ***"))); // the line that quotes the key is there
        int read = 0;
        for (QDirIterator files(m_home.path(), QDir::Files, QDirIterator::Subdirectories); files.hasNext(); ++read) {
            const QString path = files.next();
            QVERIFY2(!bytesOf(path).contains(Key), qPrintable(path));
        }
        QVERIFY(read >= 2); // the log and the configuration at least
    }
};

QTEST_GUILESS_MAIN(RemoteSpeechTest)
#include "tst_remotespeech.moc"
