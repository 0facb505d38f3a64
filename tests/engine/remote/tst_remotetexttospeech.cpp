#include "INxBaseLog.h"
#include "NxConfig.h"
#include "NxDataColumns.h"
#include "NxFakeSpeechServer.h"
#include "NxMp3Encoder.h"
#include "NxReleased.h"
#include "NxRemoteTextToSpeechManager.h"
#include "NxSubtitleClip.h"
#include "NxTestHome.h"
#include "NxTextToSpeechRecorder.h"
#include "NxTitleClip.h"
#include "NxUsageAllowance.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using Info = NxTextToSpeechTaskInfo;
using Failure = NxFakeSpeechServer::Failure;

namespace
{
const QString Section = QStringLiteral("RemoteSpeech");

using Recorder = NxTextToSpeechRecorder;

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString logText()
{
    return QString::fromUtf8(contents(GetGlobalLogInstance()->filePath()));
}
} // namespace

class RemoteTextToSpeechTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    QTemporaryDir m_dir;
    NxFakeSpeechServer m_server;
    QByteArray m_mp3;
    Recorder m_recorder;
    NxReleased<NxRemoteTextToSpeechManager> m_manager;

    void start(const QVariantMap& changes = {})
    {
        QVariantMap settings{{"ServerUrl", m_server.url()}, {"StallTimeoutSeconds", 2}, {"AnswerTimeoutSeconds", 2},
                             {"Retries", 1}, {"RetryDelaySeconds", 0.05}, {"SpeechModel", "tts-1-hd"}};
        for (auto it = changes.begin(); it != changes.end(); ++it)
            settings.insert(it.key(), it.value());
        for (auto it = settings.begin(); it != settings.end(); ++it)
            NxConfig::Instance().SetAppValue(Section, it.key(), it.value(), false);
        m_recorder.clear();
        m_manager.reset(new NxRemoteTextToSpeechManager);
        m_manager->setCallBack(&m_recorder);
    }
    int add(INxClip* clip, const QString& voice, int speed = 0)
    {
        NxTextToSpeechTaskRequest request;
        request.clip = clip, request.voice = voice, request.speed = speed;
        int id = -1;
        m_manager->addTask(request, &id, nullptr, nullptr, nullptr);
        return id;
    }
    Info ended(int taskId)
    {
        static_cast<void>(QTest::qWaitFor([&] { return m_recorder.ending(taskId).state != 0; }, 20000));
        return m_recorder.ending(taskId);
    }
    QJsonObject lastBody() const { return QJsonDocument::fromJson(m_server.requests().last().body).object(); }

private slots:
    void initTestCase()
    {
        for (const char* variable : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(variable);
        QVERIFY(m_server.listen());
        // What the server speaks: a quarter second of a tone, made by the engine's own encoder.
        QVector<qint16> tone(4000);
        for (int i = 0; i < tone.size(); ++i)
            tone[i] = qint16(8000 * std::sin(i * 0.1));
        QVERIFY(NxMp3Encoder::encode(tone, 16000, m_dir.filePath("tone.mp3")));
        m_mp3 = contents(m_dir.filePath("tone.mp3"));
        m_server.setSpeech(m_mp3);
        NxConfig::Instance().SetAppValue(NxRemoteSettings::VoiceSection, "70", "onyx", false);
    }
    void cleanup()
    {
        m_manager.reset();
        m_server.fail(Failure::None);
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
        start();
        const int characters = NxUsageAllowance::instance().characters();
        NxTitleClip clip("Intro", {25, 1}, 0, 100);
        clip.addText(QStringLiteral("Welcome to the show."));
        const int id = add(&clip, voice, speed);
        const Info end = ended(id);
        QCOMPARE(end.state, int(Info::Completed));
        QCOMPARE(contents(end.filePath), m_mp3);
        const QJsonObject body = lastBody();
        QCOMPARE(m_server.requests().last().path, QByteArray("/v1/audio/speech"));
        QCOMPARE(body.value("model").toString(), QStringLiteral("tts-1-hd"));
        QCOMPARE(body.value("input").toString(), QStringLiteral("Welcome to the show."));
        QCOMPARE(body.value("voice").toString(), serverVoice);
        QCOMPARE(body.value("response_format").toString(), QStringLiteral("mp3"));
        QVERIFY(qFuzzyCompare(body.value("speed").toDouble(), pace));
        // The server is paid for where it runs.
        QCOMPARE(NxUsageAllowance::instance().characters(), characters);
    }

    void subtitleSentencesFailOnTheirOwnOrTogether_data()
    {
        // failure and status: what the server does to the second request on
        columns<int, int, int, int, int, int>({"failure", "status", "count", "state", "products", "requests"});
        QTest::newRow("all spoken") << int(Failure::None) << 0 << 0 << int(Info::Completed) << 3 << 3;
        QTest::newRow("one sentence too long for the server")
            << int(Failure::Status) << 413 << 1 << int(Info::Completed) << 2 << 3;
        QTest::newRow("an answer that is not MP3") << int(Failure::Malformed) << 0 << 1 << int(Info::Completed) << 2 << 3;
        // A refused key or a lost server ends the task: the rest is not tried.
        QTest::newRow("key refused") << int(Failure::Status) << 401 << -1 << int(Info::Completed) << 1 << 2;
        QTest::newRow("overloaded, after a retry") << int(Failure::Status) << 503 << -1 << int(Info::Completed) << 1 << 3;
    }
    void subtitleSentencesFailOnTheirOwnOrTogether()
    {
        QFETCH(int, failure); QFETCH(int, status); QFETCH(int, count); QFETCH(int, state); QFETCH(int, products);
        QFETCH(int, requests);
        start();
        NxSubtitleClip clip("Talk", {25, 1}, 0, 500);
        clip.addSentence("First line.", 0, 40);
        clip.addSentence("Second line.", 50, 90);
        clip.addSentence("Third line.", 100, 140);
        const int before = m_server.requests().size();
        // The first sentence is answered, the next ones meet the failure.
        m_server.fail(Failure(failure), status, count, 1);
        const int id = add(&clip, "en-US-m1");
        QCOMPARE(ended(id).state, state);
        QCOMPARE(m_recorder.productsOf(id).size(), products);
        QCOMPARE(m_server.requests().size() - before, requests);
        int completed = 0, failed = 0, total = 0;
        m_manager->querySubtitleProgress(id, nullptr, nullptr, &completed, &failed, &total);
        QCOMPARE(QList<int>({completed, failed, total}), QList<int>({products, 3 - products, 3}));
    }

    void aSentenceTooLongForItsTimeIsAskedForFaster()
    {
        start();
        // The server's speech lasts a quarter second: the first sentence has two, the last a tenth.
        NxSubtitleClip clip("Talk", {25, 1}, 0, 500);
        clip.addSentence("First line.", 0, 40);
        clip.addSentence("Second line.", 50, 52);
        const int before = m_server.requests().size();
        const int id = add(&clip, "en-US-m1", -2);
        QCOMPARE(ended(id).state, int(Info::Completed));
        QCOMPARE(m_recorder.productsOf(id).size(), 2);
        QList<double> speeds;
        for (const NxFakeSpeechServer::Request& request : m_server.requests().mid(before))
            speeds.append(QJsonDocument::fromJson(request.body).object().value("speed").toDouble());
        const double pace = 120.0 / 175.0;
        QCOMPARE(speeds.size(), 3);
        const bool paced = qFuzzyCompare(speeds[0], pace) && qFuzzyCompare(speeds[1], pace)
                           && qFuzzyCompare(speeds[2], pace * 1.5);
        QVERIFY2(paced, qPrintable(QString("%1, %2, %3").arg(speeds[0]).arg(speeds[1]).arg(speeds[2])));
        // Still a quarter second at the limit: the log names the sentence and its overrun.
        const QRegularExpression line(QStringLiteral("task %1: sentences that overrun their time even spoken 1.5 "
                                                     "times as fast: 2 by ([\\d.]+) s").arg(id));
        QRegularExpressionMatch overrun;
        QTRY_VERIFY((overrun = line.match(logText())).hasMatch());
        QVERIFY2(std::abs(overrun.captured(1).toDouble() - 0.17) < 0.03, qPrintable(overrun.captured(0)));
    }

    void aTitleFailsWithTheCodeTheModuleShows_data()
    {
        // stop: stopped while its request waits for the answer
        columns<int, int, int, bool>({"failure", "status", "code", "stop"});
        QTest::newRow("key refused") << int(Failure::Status) << 403 << int(Info::LoginError) << false;
        QTest::newRow("overloaded, after the retries") << int(Failure::Status) << 503 << int(Info::NetworkBroken) << false;
        QTest::newRow("no answer") << int(Failure::Stall) << 0 << int(Info::NetworkBroken) << false;
        QTest::newRow("text too long for the server") << int(Failure::Status) << 413 << int(Info::TextTooLong) << false;
        QTest::newRow("truncated answer") << int(Failure::Truncated) << 0 << int(Info::TranscriptionFailure) << false;
        QTest::newRow("a stop cancels the request") << int(Failure::Stall) << 0 << int(Info::UnknownError) << true;
    }
    void aTitleFailsWithTheCodeTheModuleShows()
    {
        QFETCH(int, failure); QFETCH(int, status); QFETCH(int, code); QFETCH(bool, stop);
        start({{"AnswerTimeoutSeconds", stop ? 60 : 2}});
        m_server.fail(Failure(failure), status);
        const int abandoned = m_server.abandoned();
        const int requests = m_server.requests().size();
        NxTitleClip clip("Intro", {25, 1}, 0, 100);
        clip.addText(QStringLiteral("Hello."));
        const int id = add(&clip, "en-US-m1");
        if (stop) {
            QTRY_COMPARE(m_server.requests().size(), requests + 1);
            m_manager->stopAll();
            QVERIFY(m_manager->isTaskFinished(id));
            QTRY_COMPARE(m_server.abandoned(), abandoned + 1);
        }
        const Info end = ended(id);
        QCOMPARE(QList<int>({end.state, end.code}), QList<int>({Info::ConvertFailed, code}));
    }
};

QTEST_GUILESS_MAIN(RemoteTextToSpeechTest)
#include "tst_remotetexttospeech.moc"
