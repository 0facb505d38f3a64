#include "INxAppInfo.h"
#include "INxBaseLog.h"
#include "NxAppSettings.h"
#include "NxCheckedFile.h"
#include "NxConfig.h"
#include "NxDataColumns.h"
#include "NxDataHome.h"
#include "NxIniDocument.h"
#include "NxLogCapture.h"
#include "NxMediaFile.h"
#include "NxOfflineSpeechToTextManager.h"
#include "NxOfflineTextToSpeechAudition.h"
#include "NxOfflineTextToSpeechManager.h"
#include "NxOfflineTextToSpeechQuery.h"
#include "NxReleased.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxScriptedVoiceServices.h"
#include "NxSpeechToTextRecorder.h"
#include "NxTestFiles.h"
#include "NxTestHome.h"
#include "NxTextToSpeechRecorder.h"
#include "NxTitleClip.h"
#include "NxTrackEvent.h"
#include "NxUsageAllowance.h"

#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

#include <atomic>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace
{
constexpr int Largest = std::numeric_limits<int>::max();

// Starts nx-store-probe in `home`, which is also its working folder; with
// `fileBlocks`, every file it writes stops at that many KiB (EFBIG: the signal
// that would end it is ignored).
std::unique_ptr<QProcess> startProbe(const QStringList& args, const QString& home, int fileBlocks = 0)
{
    auto child = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NXSPEECH_HOME"), home);
    child->setProcessEnvironment(environment);
    child->setWorkingDirectory(home);
    const QString blocks = fileBlocks ? QString::number(fileBlocks) : QStringLiteral("unlimited");
    child->start("bash", QStringList{"-c", QString("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(blocks), NX_STORE_PROBE} + args);
    return child;
}

struct ProbeRun
{
    bool finished = false;
    int exitCode = -1;
    QString out, err;
};

// A probe that does not end in time is a hang: killed and reported unfinished.
ProbeRun finish(QProcess& child)
{
    ProbeRun run;
    run.finished = child.waitForFinished(20000) && child.exitStatus() == QProcess::NormalExit;
    if (!run.finished) {
        child.kill();
        child.waitForFinished();
    }
    run.exitCode = child.exitCode();
    run.out = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    run.err = QString::fromUtf8(child.readAllStandardError());
    return run;
}

ProbeRun probe(const QStringList& args, const QString& home, int fileBlocks = 0)
{
    return finish(*startProbe(args, home, fileBlocks));
}

QStringList linesOf(const QString& path)
{
    return QString::fromUtf8(bytesOf(path)).split('\n', Qt::SkipEmptyParts);
}

QSet<QString> entriesOf(const QString& folder)
{
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return QSet<QString>(names.begin(), names.end());
}

// QSettings keeps parsed files by path: each read gets a folder of its own.
QVariant readByQSettings(const QByteArray& bytes, const QString& section, const QString& key)
{
    const QTemporaryDir folder;
    writeBytes(folder.filePath("read.ini"), bytes);
    QSettings settings(folder.filePath("read.ini"), QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    return settings.value(section.isEmpty() ? key : section + '/' + key);
}

struct NxProbeEvent : NxTrackEvent
{
    using NxTrackEvent::NxTrackEvent;
    using NxTrackEvent::setProperty;
};

// The installed factory's product, then the offline engine once the factory is cleared.
template <typename Interface, typename Scripted, typename Offline>
void checkFactorySlot(void (*install)())
{
    install();
    const NxReleased<Interface> served(Interface::create());
    Interface::setFactory({});
    const NxReleased<Interface> restored(Interface::create());
    QVERIFY2(dynamic_cast<Scripted*>(served.get()), "the installed factory was passed over");
    QVERIFY2(dynamic_cast<Offline*>(restored.get()), "clearing the factory did not bring the offline engine back");
}
}

// The host's services: the data folder and its stores shared with other
// processes, checked files, the log, analytics and the service factories.
class NxHostServicesTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    QString home() const { return QDir::cleanPath(m_home.path()); }
    QString config() const { return home() + "/config.ini"; }

private slots:
    void cleanup()
    {
        ::chmod(QFile::encodeName(config()).constData(), 0644);
        QFile::remove(config());
    }

    void dataFolderFollowsTheHomeVariable()
    {
        const QString expected = home() + "/fresh/nested";
        const QByteArray previous = qgetenv(NxDataHome::EnvironmentVariable);
        const auto restore = qScopeGuard([&] { qputenv(NxDataHome::EnvironmentVariable, previous); });
        qputenv(NxDataHome::EnvironmentVariable, QFile::encodeName(home() + "/fresh/a/../nested/."));
        QCOMPARE(NxDataHome::path(), expected);
        QVERIFY(QFileInfo(expected).isDir());
    }

    void pathKindAnswersAFolderOfItsOwnOrTheDataFolder()
    {
        INxAppInfo* info = INxAppInfo::getInstance();
        const NxLogCapture log;
        QSet<QString> folders;
        for (int kind : {15, 35, 53, 54}) { // voice list cache, resources, text-to-speech output, subtitles
            QDir(info->getPath(kind)).removeRecursively(); // made again when asked for
            const QString path = info->getPath(kind);
            QVERIFY2(QFileInfo(path).isDir() && QFileInfo(path).absolutePath() == home(), qPrintable(path));
            folders.insert(path);
        }
        QCOMPARE(folders.size(), 4);
        QVERIFY(log.messages(true).isEmpty()); // the shipped resources' installation is news, not an error
        QCOMPARE(info->getPath(16), home()); // unknown: between known kinds, with an error that names it
        const QStringList errors = log.messages(true);
        QVERIFY2(errors.size() == 1 && errors.first().contains(QStringLiteral("16")), qPrintable(errors.join('\n')));
    }

    void settingsReachOtherProcessesEachInItsOwnReadableStore()
    {
        NxConfig& config = NxConfig::Instance();
        for (const bool machineWide : {false, true}) {
            const QString fileName = machineWide ? "system.ini" : "config.ini", value = "Grüße aus " + fileName;
            QVERIFY(config.SetAppValue("Speech", fileName, value, machineWide));
            QCOMPARE(config.GetAppValue("Speech", fileName, !machineWide, 42), QVariant(42)); // the other store has none
            QCOMPARE(probe({"get", "Speech", fileName, machineWide ? "machine" : "user"}, home()).out, value);
            const QStringList lines = linesOf(home() + '/' + fileName);
            QVERIFY2(lines.contains("[Speech]") && lines.contains(fileName + '=' + value), qPrintable(lines.join('\n')));
        }
        // Another process's change of the same size is read at once.
        QCOMPARE(probe({"set", "Speech", "config.ini", "Grüße aus CONFIG.INI"}, home()).out, QString("saved"));
        QCOMPARE(config.GetAppValue("Speech", "config.ini", false, QVariant()).toString(), QString("Grüße aus CONFIG.INI"));

        // The general settings too, each flag alone.
        NGeneralSettings* general = NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting();
        QCOMPARE(probe({"general"}, home()).out, QString("1 0 0")); // nothing stored yet: the defaults
        for (const bool stt : {true, false}) {
            general->SetLanguage(stt ? 3 : 7);
            general->SetSTTDeleteTaskNoTip(stt);
            general->SetTTSDeleteTaskNoTip(!stt);
            QCOMPARE(probe({"general"}, home()).out, QString("%1 %2 %3").arg(stt ? 3 : 7).arg(int(stt)).arg(int(!stt)));
        }
    }

    void parallelProcessesLoseNoChargeTopUpOrValue()
    {
        constexpr int Processes = 10, Times = 15;
        QVERIFY(writeBytes(config(), "[SpeechAllowance]\nSeconds=1000\nCharacters=2000\n"));
        std::vector<std::unique_ptr<QProcess>> children;
        for (int i = 0; i < Processes; ++i)
            children.push_back(startProbe({"charge", QString("p%1").arg(i), QString::number(Times)}, home()));
        children.push_back(startProbe({"topup", "50000", "70000"}, home()));
        for (const auto& child : children) {
            const ProbeRun run = finish(*child);
            QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.out + run.err));
        }
        NxUsageAllowance& allowance = NxUsageAllowance::instance();
        QCOMPARE(allowance.seconds(), 1000 - Processes * Times + 50000);
        QCOMPARE(allowance.characters(), 2000 - 2 * Processes * Times + 70000);
        for (int i = 0; i < Processes; ++i)
            QCOMPARE(NxConfig::Instance().GetAppValue("Marks", QString("p%1").arg(i), false, QVariant()).toInt(), Times);
    }

    void aWriteCutShortLeavesTheFolderAsItWas_data()
    {
        columns<QStringList, QString>({"args", "told"});
        QTest::newRow("a checked file under a new name") << QStringList{"write", "new.bin", "20000", "new"} << "File too large";
        QTest::newRow("a checked file replacing one") << QStringList{"write", "config.ini", "20000", "replace"} << "File too large";
        QTest::newRow("a configuration value") << QStringList{"set", "Big", "value", QString(20000, 'x')} << "not saved";
    }
    void aWriteCutShortLeavesTheFolderAsItWas()
    {
        QFETCH(QStringList, args); QFETCH(QString, told);
        QVERIFY(writeBytes(config(), "[RemoteSpeech]\nServerUrl=https://speech.example.org/v1\n"));
        const QByteArray before = bytesOf(config());
        const QSet<QString> entries = entriesOf(home()) + QSet<QString>{"NxSpeech.log"};
        const ProbeRun run = probe(args, home(), 8);
        QVERIFY2(run.finished && run.exitCode == 1 && run.out.contains(told), qPrintable(run.out + run.err));
        QCOMPARE(bytesOf(config()), before);
        QVERIFY2(entries.contains(entriesOf(home())), qPrintable(entriesOf(home()).values().join(' ')));
    }

    // Over a file: tst_resultfiles' subtitlesNeverReplaceAFile.
    void aNewNameNeverReplacesAnEntry()
    {
        const QTemporaryDir folder;
        const QString link = folder.filePath("dangling link"), dir = folder.filePath("folder");
        QVERIFY(QFile::link(folder.filePath("target"), link) && QDir().mkdir(dir));
        const QSet<QString> before = entriesOf(folder.path());
        for (const QString& taken : {link, dir}) {
            QString error;
            QVERIFY(!NxCheckedFile::writeFile(taken, "new", NxCheckedFile::Commit::NewName, &error));
            QVERIFY2(error.contains("already exists"), qPrintable(error));
        }
        QCOMPARE(entriesOf(folder.path()), before); // no temporary left, the link's target not made
    }

    void aNameIsReservedOnceUntilReleasedAndLeavesNothingBehind()
    {
        const QTemporaryDir own;
        const QString folder = own.path();
        // Racing threads stand for processes: every name goes to exactly one of them.
        constexpr int Names = 50;
        std::atomic<int> won{0};
        std::vector<std::thread> racers;
        for (int i = 0; i < 4; ++i)
            racers.emplace_back([&] {
                for (int n = 0; n < Names; ++n)
                    won += NxCheckedFile::reserve(folder + QStringLiteral("/.n%1.reserved").arg(n)) ? 1 : 0;
            });
        for (std::thread& racer : racers)
            racer.join();
        QCOMPARE(won.load(), Names);

        QString error = QStringLiteral("unset");
        QVERIFY(!NxCheckedFile::reserve(folder + "/.n0.reserved", &error));
        QVERIFY2(error.isEmpty(), qPrintable(error)); // merely taken
        QVERIFY(NxCheckedFile::writeFile(folder + "/kept", "content", NxCheckedFile::Commit::NewName, nullptr));
        NxCheckedFile::releaseReservation(folder + "/kept");
        QCOMPARE(bytesOf(folder + "/kept"), QByteArray("content"));
        QFile::remove(folder + "/kept");

        for (int n = 0; n < Names; ++n)
            NxCheckedFile::releaseReservation(folder + QStringLiteral("/.n%1.reserved").arg(n));
        QCOMPARE(entriesOf(folder), QSet<QString>());
        QVERIFY(NxCheckedFile::reserve(folder + "/.n0.reserved"));
    }

    void aReplacedFileIsOldOrNewToReadersAndKeepsItsPermissions()
    {
        const QTemporaryDir folder;
        const QString path = folder.filePath("replaced");
        const QByteArray small(100, 'a'), large(50000, 'b');
        QVERIFY(NxCheckedFile::writeFile(path, small, NxCheckedFile::Commit::NewName, nullptr));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        std::atomic<bool> done{false};
        std::atomic<int> torn{0}, reads{0};
        std::thread reader([&] {
            while (!done) {
                const QByteArray seen = bytesOf(path);
                torn += seen != small && seen != large;
                ++reads;
            }
        });
        for (int i = 0; i < 200; ++i)
            QVERIFY(NxCheckedFile::writeFile(path, i % 2 ? small : large, NxCheckedFile::Commit::Replace, nullptr));
        done = true;
        reader.join();
        QVERIFY(reads > 0);
        QCOMPARE(int(torn), 0);
        QCOMPARE(QFile::permissions(path) & 0x7077, QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner));
    }

    void aSpecialFileInPlaceOfAStoreIsRefusedWithoutWaiting_data()
    {
        columns<QString, QStringList, int>({"name", "args", "exitCode"});
        QTest::newRow("log") << "NxSpeech.log" << QStringList{"log", "1"} << 0;
        QTest::newRow("analytics") << "analytics.jsonl" << QStringList{"log", "1"} << 0;
        QTest::newRow("configuration: not saved") << "config.ini" << QStringList{"set", "A", "b", "c"} << 1;
        QTest::newRow("general settings: the defaults") << "settings.ini" << QStringList{"general"} << 0;
    }
    void aSpecialFileInPlaceOfAStoreIsRefusedWithoutWaiting()
    {
        QFETCH(QString, name); QFETCH(QStringList, args); QFETCH(int, exitCode);
        QTemporaryDir home;
        const QString path = home.filePath(name);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const ProbeRun run = probe(args, home.path());
        QVERIFY2(run.finished, "the probe waited on the FIFO");
        QCOMPARE(run.exitCode, exitCode);
        const QStringList told = run.err.split('\n').filter(path).filter("Remove or rename it");
        QVERIFY2(told.size() == 1 && told[0].contains("not a regular file"), qPrintable(run.err));
        struct stat entry {};
        QVERIFY(::lstat(QFile::encodeName(path).constData(), &entry) == 0 && S_ISFIFO(entry.st_mode));
    }

    void aTaskWhoseUseCannotBeRecordedFailsBeforeAnyWork_data()
    {
        columns<bool, QByteArray, bool, QString>({"speechToText", "stored", "readOnly", "reason"});
        QTest::newRow("speech-to-text, read-only config.ini")
            << true << QByteArray("[SpeechAllowance]\nSeconds=500\n") << true << "Permission denied";
        QTest::newRow("text-to-speech, characters not a number")
            << false << QByteArray("[SpeechAllowance]\nCharacters=12x\n") << false << "Characters=12x is not a whole number";
    }
    void aTaskWhoseUseCannotBeRecordedFailsBeforeAnyWork()
    {
        QFETCH(bool, speechToText); QFETCH(QByteArray, stored); QFETCH(bool, readOnly); QFETCH(QString, reason);
        QVERIFY(writeBytes(config(), stored));
        if (readOnly)
            QCOMPARE(::chmod(QFile::encodeName(config()).constData(), 0444), 0);
        const NxLogCapture log;
        NxSpeechToTextRecorder sttReports;
        NxTextToSpeechRecorder ttsReports;
        NxMediaFile media("/nonexistent/speech.wav", INxAbstractMedia::Audio, {25, 1}, 100);
        NxTitleClip title("Intro", {25, 1}, 0, 100);
        title.addText("Hello there.");
        // The managers go before the objects their tasks read.
        NxReleased<NxOfflineSpeechToTextManager> stt(speechToText ? new NxOfflineSpeechToTextManager : nullptr);
        NxReleased<NxOfflineTextToSpeechManager> tts(speechToText ? nullptr : new NxOfflineTextToSpeechManager);
        QList<QPair<int, int>> all; // the states and codes reported, in order
        if (speechToText) {
            stt->setCallBack(&sttReports);
            const int id = stt->addMaterialTask(&media, "en");
            QTRY_COMPARE_WITH_TIMEOUT(sttReports.ending(id).state, int(NxSpeechToTextTaskInfo::ScanFailed), 20000);
            for (const NxSpeechToTextTaskInfo& info : sttReports.reports(id))
                all.append({info.state, info.code});
        } else {
            tts->setCallBack(&ttsReports);
            NxTextToSpeechTaskRequest request;
            request.clip = &title, request.voice = "en-US-f1";
            int id = 0;
            tts->addTask(request, &id, nullptr, nullptr, nullptr);
            QTRY_COMPARE_WITH_TIMEOUT(ttsReports.ending(id).state, int(NxTextToSpeechTaskInfo::ScanFailed), 20000);
            for (const NxTextToSpeechTaskInfo& info : qAsConst(ttsReports.states))
                all.append({info.state, info.code});
        }
        // At most "scanning" before: nothing converted, decoded or uploaded.
        QVERIFY2(all.size() <= 2 && all.constLast().second == 0, qPrintable(QString::number(all.size())));
        const QStringList named = log.messages(true).filter(config()).filter(reason);
        QVERIFY2(named.size() == 1, qPrintable(log.messages(true).join('\n')));
        QCOMPARE(bytesOf(config()), stored);
    }

    void allowanceCountsAreReadButNeverRepaired_data()
    {
        columns<QByteArray, int, bool, QString, QByteArray>({"stored", "left", "charged", "error", "afterTopUp"});
        QTest::newRow("not a number: charging and topping up fail, the file stays")
            << QByteArray("abc") << 0 << false << "Seconds=abc is not a whole number" << QByteArray("abc");
        QTest::newRow("beyond the largest int: the largest, and charged")
            << QByteArray("99999999999") << Largest << true << "" << QByteArray::number(Largest);
        QTest::newRow("negative: nothing left, a top-up counts from nothing") << QByteArray("-5") << 0 << false << "" << QByteArray("10");
    }
    void allowanceCountsAreReadButNeverRepaired()
    {
        QFETCH(QByteArray, stored); QFETCH(int, left); QFETCH(bool, charged); QFETCH(QString, error);
        QFETCH(QByteArray, afterTopUp);
        const QByteArray file = "[SpeechAllowance]\nSeconds=" + stored + "\n";
        QVERIFY(writeBytes(config(), file));
        NxUsageAllowance& allowance = NxUsageAllowance::instance();
        QCOMPARE(allowance.seconds(), left);
        QString why;
        QCOMPARE(allowance.consumeSeconds(5, &why), charged);
        QVERIFY2(error.isEmpty() ? why.isEmpty() : why.contains(error) && why.contains(config()), qPrintable(why));
        if (!charged)
            QCOMPARE(bytesOf(config()), file);
        QCOMPARE(allowance.topUp(10, 0), error.isEmpty());
        QCOMPARE(NxConfig::Instance().GetAppValue("SpeechAllowance", "Seconds", false, QVariant()).toByteArray(), afterTopUp);
    }

    void theStoreReadsAndWritesWhatQSettingsDoes_data()
    {
        // Rows with a value: written by the store; rows with a text: written by hand.
        columns<QByteArray, QString, QString, QVariant>({"text", "section", "key", "value"});
        const auto value = [](const char* name, const QVariant& stored) {
            QTest::newRow(name) << QByteArray() << "Speech Param" << QString::fromUtf8("key ü/sub%") << stored;
        };
        value("spaces at both ends", "  padded  ");
        value("list separators and comment marks", "a,b;c=d");
        value("quotes and backslashes", R"(say "hi" \ bye)");
        value("control characters before hex digits", QString("tab\there\x01" "4f\n"));
        value("non-Latin text and an emoji", QString::fromUtf8("Grüße 日本 😀"));
        value("leading at sign, as a marker would be", "@ByteArray(home)");
        value("empty", QString());
        value("number", -42);
        QByteArray every;
        for (int i = 0; i < 256; ++i)
            every += char(i);
        value("bytes of every value", every);
        value("string list", QStringList{"one", "two, three", " four "});
        const auto text = [](const char* name, const QByteArray& text, const QString& section, const QString& key) {
            QTest::newRow(name) << text << section << key << QVariant();
        };
        text("comments and spaces around =",
             "; the lab's server\n[RemoteSpeech]\nServerUrl = https://speech.example.org/v1 ; new\n", "RemoteSpeech", "ServerUrl");
        text("[General] holds keys outside any section", "[General]\nLanguage=3\n", "", "Language");
        text("[%General] is a section called General", "[%General]\nLanguage=3\n", "General", "Language");
        text("byte-order mark and Windows line breaks", "\xEF\xBB\xBF[A]\r\nkey=value\r\n", "A", "key");
        text("quoted value over two lines", "[A]\nkey=\"two\nlines\"\n", "A", "key");
        text("line continued by a backslash", "[A]\nkey=one \\\n two\n", "A", "key");
        text("a repeated key: the last counts", "[A]\nkey=1\nkey=2\n", "A", "key");
        text("a section in two parts", "[A]\nx=1\n[B]\ny=2\n[A]\nkey=3\n", "A", "key");
        text("escaped key and sub-section", "[A\\b]\nmy%20key=1\n", "A", "b/my key");
        text("list with quoted parts", "[A]\nkey=\"x, y\", z ,\n", "A", "key");
        text("octal and hex escapes", "[A]\nkey=\\101\\x42C\\q\n", "A", "key");
    }
    void theStoreReadsAndWritesWhatQSettingsDoes()
    {
        QFETCH(QByteArray, text); QFETCH(QString, section); QFETCH(QString, key); QFETCH(QVariant, value);
        if (text.isEmpty()) {
            NxIniDocument written;
            written.setValue(section, key, value);
            text = written.serialize();
        } else {
            value = readByQSettings(text, section, key);
            QVERIFY(value.isValid());
        }
        QCOMPARE(NxIniDocument::parse(text).value(section, key), value); // numbers come back as text, as from QSettings
        QCOMPARE(readByQSettings(text, section, key), value);
        // QSettings writes an emoji's two halves apart, each as "?": read as it reads them.
        const QTemporaryDir folder;
        {
            QSettings settings(folder.filePath("written.ini"), QSettings::IniFormat);
            settings.setIniCodec("UTF-8");
            settings.setValue(section + '/' + key, value);
        }
        const QByteArray theirs = bytesOf(folder.filePath("written.ini"));
        QCOMPARE(NxIniDocument::parse(theirs).value(section, key), readByQSettings(theirs, section, key));
    }

    void logEntryCarriesSourcePositionAndMessage()
    {
        INxBaseLog* log = GetGlobalLogInstance();
        QCOMPARE(QFileInfo(log->filePath()).absolutePath(), home());
        for (const bool error : {false, true}) {
            const NxLogCapture capture;
            const QByteArray subject = error ? "queue-error" : "queue-info";
            const int line = __LINE__;
            (log->*(error ? &INxBaseLog::LogError : &INxBaseLog::LogInfo))(__FILE__, __func__, line, "%s has %d items",
                                                                          subject.constData(), 7);
            const QString message = subject + " has 7 items", function = __func__;
            const QList<NxLogEntry> entries = capture.entries();
            QCOMPARE(entries.size(), 1);
            QCOMPARE(entries[0].message, message);
            QCOMPARE(entries[0].level, error ? NxLogEntry::Error : NxLogEntry::Info);
            const QStringList written = linesOf(log->filePath()).filter(message);
            QVERIFY2(written.size() == 1 && written[0].contains(error ? " ERROR " : " INFO ")
                         && written[0].endsWith(QString(" %1 %2:%3 %4").arg(__FILE__, function, QString::number(line), message)),
                     qPrintable(written.join('\n')));
        }
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

    void aFullDiskNeitherEndsNorBreaksTheLogAndAnalytics()
    {
        QTemporaryDir home;
        const ProbeRun run = probe({"log", "200"}, home.path(), 8);
        QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.err.right(500)));
        QCOMPARE(run.err.count("cannot write the log"), 1);
        QCOMPARE(run.err.count("analytics events are not recorded"), 1);
        const QRegularExpression whole(QStringLiteral("^\\S+ INFO +\\S+ \\S+:\\d+ probe line \\d+ of a log that fills$"));
        for (const QString name : {"NxSpeech.log", "analytics.jsonl"}) {
            const QByteArray lines = bytesOf(home.filePath(name));
            QVERIFY2(lines.size() > 4000 && lines.endsWith('\n'), qPrintable(name));
            for (const QByteArray& line : lines.split('\n').mid(0, lines.count('\n')))
                QVERIFY2(name.endsWith(".log") ? whole.match(QString::fromUtf8(line)).hasMatch()
                                               : !QJsonDocument::fromJson(line).isNull(), line.constData());
        }
    }

    void analyticsLineKeepsPropertiesInTheOrderSet()
    {
        NxProbeEvent event(QStringLiteral("probe"));
        event.setProperty("zeta", "z1");
        event.setProperty("alpha", "a");
        event.setProperty("mid", "m");
        event.setProperty("zeta", "z2"); // set again: keeps its place, with the new value
        event.sendEvent();
        const QStringList lines = linesOf(NxDataHome::filePath("analytics.jsonl")).filter(R"("event":"probe")");
        QCOMPARE(lines.size(), 1);
        QVERIFY2(!QJsonDocument::fromJson(lines[0].toUtf8()).isNull(), qPrintable(lines[0]));
        // QJsonObject would sort the keys; the line keeps them in the order set.
        QVERIFY2(lines[0].contains(R"("properties":{"zeta":"z2","alpha":"a","mid":"m"})"), qPrintable(lines[0]));
    }

    void createServesAnInstalledFactoryThenTheOfflineEngine()
    {
        checkFactorySlot<INxSpeechToTextTaskManager, NxScriptedSpeechToTextManager, NxOfflineSpeechToTextManager>(
            NxScriptedSpeechToTextManager::install);
        checkFactorySlot<INxTextToSpeechTaskManager, NxScriptedTextToSpeechManager, NxOfflineTextToSpeechManager>(
            NxScriptedTextToSpeechManager::install);
        checkFactorySlot<INxTextToSpeechQuery, NxScriptedVoiceQuery, NxOfflineTextToSpeechQuery>(
            [] { NxScriptedVoiceQuery::install({}); });
        checkFactorySlot<INxTextToSpeechAudition, NxScriptedVoiceAudition, NxOfflineTextToSpeechAudition>(
            NxScriptedVoiceAudition::install);
    }
};

QTEST_GUILESS_MAIN(NxHostServicesTest)
#include "tst_hostservices.moc"
