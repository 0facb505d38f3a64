#include "INxAppInfo.h"
#include "INxBaseLog.h"
#include "NxAppSettings.h"
#include "NxConfig.h"
#include "NxDataColumns.h"
#include "NxDataHome.h"
#include "NxDir.h"
#include "NxEventRecorder.h"
#include "NxLogCapture.h"
#include "NxOfflineSpeechToTextManager.h"
#include "NxOfflineTextToSpeechAudition.h"
#include "NxOfflineTextToSpeechManager.h"
#include "NxReleased.h"
#include "NxTestHome.h"
#include "NxTrackEvent.h"
#include "NxUnavailableServices.h"

#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace
{
const QString PrintConfig = QStringLiteral("--print-config"); // <section> <key>
const QString PrintGeneral = QStringLiteral("--print-general");

// The restarted process: reads back, through the host classes, what the test
// process stored in the data folder it passed on.
int printStored(const QStringList& args)
{
    const auto shown = [](const QVariant& value) { return value.isValid() ? value.toString() : QStringLiteral("<missing>"); };
    const NxConfig& config = NxConfig::Instance();
    const NGeneralSettings* general = NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting();
    const QString text = args.at(1) == PrintConfig
        ? QStringLiteral("user=%1\nmachine=%2").arg(shown(config.GetAppValue(args.value(2), args.value(3), false, {})),
                                                    shown(config.GetAppValue(args.value(2), args.value(3), true, {})))
        : QStringLiteral("%1 %2 %3").arg(general->GetLanguage()).arg(int(general->GetSTTDeleteTaskNoTip()))
              .arg(int(general->GetTTSDeleteTaskNoTip()));
    std::fputs(text.toUtf8().constData(), stdout);
    return 0;
}

QString runRestarted(const QStringList& arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return "<restart failed: " + QString::fromUtf8(child.readAllStandardError()) + '>';
    return QString::fromUtf8(child.readAllStandardOutput());
}

QStringList linesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts) : QStringList();
}

struct NxProbeEvent : NxTrackEvent
{
    using NxTrackEvent::NxTrackEvent;
    using NxTrackEvent::setProperty;
};

// The custom product lives on the stack: the default factory can never answer its address.
template <typename Interface, typename Product>
void checkFactorySlot()
{
    Product custom;
    Interface::setFactory([&custom] { return &custom; });
    Interface* served = Interface::create();
    Interface::setFactory({});
    Interface* restored = Interface::create();
    const bool restoredIsDefault = restored && restored != &custom;
    if (restoredIsDefault)
        restored->release();
    QCOMPARE(served, static_cast<Interface*>(&custom));
    QVERIFY2(restoredIsDefault, "clearing the factory did not bring the default back");
}
}

class NxHostServicesTest : public QObject
{
    Q_OBJECT

public:
    explicit NxHostServicesTest(const QString& home) : m_home(QDir::cleanPath(home)) {}

private slots:
    void dataFolderFollowsTheHomeVariable_data()
    {
        columns<QString, QString>({"variable", "expected"});
        QTest::newRow("a folder not made yet is made") << m_home + "/fresh/nested" << m_home + "/fresh/nested";
        QTest::newRow("dot segments are cleaned away") << m_home + "/a/../b/." << m_home + "/b";
    }
    void dataFolderFollowsTheHomeVariable()
    {
        QFETCH(QString, variable); QFETCH(QString, expected);
        const QByteArray previous = qgetenv(NxDataHome::EnvironmentVariable);
        const auto restore = qScopeGuard([&] { qputenv(NxDataHome::EnvironmentVariable, previous); });
        qputenv(NxDataHome::EnvironmentVariable, variable.toLocal8Bit());
        QCOMPARE(NxDataHome::path(), expected);
        QCOMPARE(NxDataHome::filePath("x.ini"), expected + "/x.ini");
        QVERIFY(QFileInfo(expected).isDir());
    }

    void pathKindAnswersAFolderOfItsOwnOrTheDataFolderWithAnError_data()
    {
        columns<int, bool>({"kind", "known"});
        QTest::newRow("voice list cache") << 15 << true;
        QTest::newRow("resources") << 35 << true;
        QTest::newRow("text-to-speech output") << 53 << true;
        QTest::newRow("speech-to-text subtitles") << 54 << true;
        QTest::newRow("unknown: between known kinds") << 16 << false;
    }
    void pathKindAnswersAFolderOfItsOwnOrTheDataFolderWithAnError()
    {
        QFETCH(int, kind); QFETCH(bool, known);
        INxAppInfo* info = INxAppInfo::getInstance();
        if (known)
            QDir(info->getPath(kind)).removeRecursively(); // made again when asked for
        const NxLogCapture log;
        const QString path = info->getPath(kind);
        const QList<NxLogEntry> entries = log.entries();
        QVERIFY2(QFileInfo(path).isDir(), qPrintable(path));
        QCOMPARE(path, known ? m_home + '/' + QFileInfo(path).fileName() : m_home);
        for (int other : {15, 35, 53, 54})
            QVERIFY(other == kind || info->getPath(other) != path);
        QCOMPARE(entries.size(), known ? 0 : 1);
        if (!known)
            QVERIFY2(entries[0].level == NxLogEntry::Error && entries[0].message.contains(QString::number(kind)),
                     qPrintable(entries[0].message));
    }

    void missingConfigKeyAnswersTheDefault()
    {
        for (const bool machineWide : {false, true})
            QCOMPARE(NxConfig::Instance().GetAppValue("Speech", "neverStored", machineWide, 42), QVariant(42));
    }

    void configValueSurvivesARestartInItsOwnReadableStore_data()
    {
        columns<bool, QString>({"machineWide", "fileName"});
        QTest::newRow("user value") << false << "config.ini";
        QTest::newRow("machine-wide value") << true << "system.ini";
    }
    void configValueSurvivesARestartInItsOwnReadableStore()
    {
        QFETCH(bool, machineWide); QFETCH(QString, fileName);
        const QString key = machineWide ? "machineKey" : "userKey";
        const QString value = "Grüße aus " + fileName;
        NxConfig::Instance().SetAppValue("Speech", key, value, machineWide);
        const QString missing = "<missing>";
        QCOMPARE(runRestarted({PrintConfig, "Speech", key}),
                 QString("user=%1\nmachine=%2").arg(machineWide ? missing : value, machineWide ? value : missing));
        const QStringList lines = linesOf(NxDataHome::filePath(fileName));
        QVERIFY2(lines.contains("[Speech]") && lines.contains(key + '=' + value), qPrintable(lines.join('\n')));
    }

    void generalSettingsSurviveARestart_data()
    {
        columns<bool, int, bool, bool>({"store", "language", "sttNoTip", "ttsNoTip"});
        QTest::newRow("nothing stored yet answers the defaults") << false << 1 << false << false;
        QTest::newRow("speech-to-text flag alone") << true << 3 << true << false;
        QTest::newRow("text-to-speech flag alone") << true << 7 << false << true;
    }
    void generalSettingsSurviveARestart()
    {
        QFETCH(bool, store); QFETCH(int, language); QFETCH(bool, sttNoTip); QFETCH(bool, ttsNoTip);
        NGeneralSettings* general = NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting();
        if (store) {
            general->SetLanguage(language);
            general->SetSTTDeleteTaskNoTip(sttNoTip);
            general->SetTTSDeleteTaskNoTip(ttsNoTip);
        }
        QCOMPARE(runRestarted({PrintGeneral}), QString("%1 %2 %3").arg(language).arg(int(sttNoTip)).arg(int(ttsNoTip)));
    }

    void logEntryCarriesSourcePositionAndMessage_data()
    {
        QTest::addColumn<bool>("error");
        QTest::newRow("info") << false;
        QTest::newRow("error") << true;
    }
    void logEntryCarriesSourcePositionAndMessage()
    {
        QFETCH(bool, error);
        INxBaseLog* log = GetGlobalLogInstance();
        QCOMPARE(QFileInfo(log->filePath()).absolutePath(), m_home);
        const NxLogCapture capture;
        const QByteArray subject = QByteArray("queue-") + QTest::currentDataTag();
        const int line = __LINE__;
        if (error)
            log->LogError(__FILE__, __func__, line, "%s has %d items", subject.constData(), 7);
        else
            log->LogInfo(__FILE__, __func__, line, "%s has %d items", subject.constData(), 7);
        const QString message = subject + " has 7 items", function = __func__;
        const QList<NxLogEntry> entries = capture.entries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].level, error ? NxLogEntry::Error : NxLogEntry::Info);
        QCOMPARE(QStringList({entries[0].file, entries[0].function, QString::number(entries[0].line), entries[0].message}),
                 QStringList({__FILE__, function, QString::number(line), message}));
        const QStringList written = linesOf(log->filePath()).filter(message);
        QCOMPARE(written.size(), 1);
        QVERIFY2(written[0].contains(error ? " ERROR " : " INFO ")
                     && written[0].endsWith(QString(" %1 %2:%3 %4").arg(__FILE__, function).arg(line).arg(message)),
                 qPrintable(written[0]));
    }

    void entriesFromConcurrentThreadsStayWholeLines()
    {
        constexpr int Threads = 4, EntriesPerThread = 500;
        const QByteArray padding(200, 'x');
        std::atomic<bool> go{false}; // released together, so that the entries overlap
        std::vector<std::thread> writers;
        for (int t = 0; t < Threads; ++t)
            writers.emplace_back([t, &padding, &go] {
                while (!go)
                    std::this_thread::yield();
                for (int n = 0; n < EntriesPerThread; ++n)
                    GetGlobalLogInstance()->LogInfo(__FILE__, __func__, __LINE__, "burst t%d n%d %s", t, n, padding.constData());
            });
        go = true;
        for (std::thread& writer : writers)
            writer.join();

        const QStringList lines = linesOf(GetGlobalLogInstance()->filePath()).filter("burst");
        const QRegularExpression whole(QStringLiteral("^\\S+ INFO +\\S+ \\S+:\\d+ burst t\\d+ n\\d+ x{200}$"));
        QSet<QString> distinct;
        for (const QString& line : lines) {
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
            distinct.insert(line.mid(line.indexOf("burst")));
        }
        QCOMPARE(lines.size(), Threads * EntriesPerThread);
        QCOMPARE(distinct.size(), Threads * EntriesPerThread);
    }

    void analyticsLineKeepsPropertiesInTheOrderSet()
    {
        NxEventRecorder heard;
        NxProbeEvent event(QStringLiteral("probe"));
        event.setProperty("zeta", "z1");
        event.setProperty("alpha", "a");
        event.setProperty("mid", "m");
        event.setProperty("zeta", "z2"); // set again: keeps its place, with the new value
        event.sendEvent();
        QCOMPARE(heard.summaries(), QStringList{"probe{zeta=z2,alpha=a,mid=m}"});

        const QStringList lines = linesOf(NxDataHome::filePath("analytics.jsonl")).filter(R"("event":"probe")");
        QCOMPARE(lines.size(), 1);
        QJsonParseError error;
        QJsonDocument::fromJson(lines[0].toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(lines[0]));
        // QJsonObject would sort the keys; the line keeps them in the order set.
        QVERIFY2(lines[0].contains(R"("properties":{"zeta":"z2","alpha":"a","mid":"m"})"), qPrintable(lines[0]));
    }

    void defaultServicesAreTheOfflineEngine()
    {
        const NxReleased<INxSpeechToTextTaskManager> stt(INxSpeechToTextTaskManager::create());
        QVERIFY(dynamic_cast<NxOfflineSpeechToTextManager*>(stt.get()));
        QVERIFY(stt->serviceState()); // the English model is installed
        const NxReleased<INxTextToSpeechTaskManager> tts(INxTextToSpeechTaskManager::create());
        QVERIFY(dynamic_cast<NxOfflineTextToSpeechManager*>(tts.get()));
        const NxReleased<INxTextToSpeechAudition> audition(INxTextToSpeechAudition::create());
        QVERIFY(dynamic_cast<NxOfflineTextToSpeechAudition*>(audition.get()));
        const NxReleased<INxTextToSpeechQuery> query(INxTextToSpeechQuery::create());
        QList<NxTextToSpeechVoiceInfo> voices;
        QVERIFY(query->getVoiceList(voices) && !voices.isEmpty());
    }

    void installedFactoryServesCreateUntilCleared_data()
    {
        QTest::addColumn<int>("service");
        QTest::newRow("speech-to-text manager") << 0;
        QTest::newRow("text-to-speech manager") << 1;
        QTest::newRow("voice query") << 2;
        QTest::newRow("voice audition") << 3;
    }
    void installedFactoryServesCreateUntilCleared()
    {
        QFETCH(int, service);
        switch (service) {
        case 0: return checkFactorySlot<INxSpeechToTextTaskManager, NxUnavailableSpeechToTextTaskManager>();
        case 1: return checkFactorySlot<INxTextToSpeechTaskManager, NxUnavailableTextToSpeechTaskManager>();
        case 2: return checkFactorySlot<INxTextToSpeechQuery, NxUnavailableTextToSpeechQuery>();
        default: return checkFactorySlot<INxTextToSpeechAudition, NxUnavailableTextToSpeechAudition>();
        }
    }

    void slashEndsAPathWithExactlyOneSeparator_data()
    {
        columns<QString, QString>({"path", "expected"});
        QTest::newRow("empty stays empty") << "" << "";
        QTest::newRow("a bare name gains one") << "a" << "a/";
        QTest::newRow("many collapse") << "a///" << "a/";
        QTest::newRow("the root stays the root") << "/" << "/";
    }
    void slashEndsAPathWithExactlyOneSeparator()
    {
        QFETCH(QString, path); QFETCH(QString, expected);
        QCOMPARE(NxDir::slash(path), expected);
    }

private:
    const QString m_home;
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1 && (args[1] == PrintConfig || args[1] == PrintGeneral))
        return printStored(args); // keeps the data folder it inherited

    NxTestHome home;
    NxHostServicesTest test(home.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostservices.moc"
