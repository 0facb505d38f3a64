#include "INxBaseLog.h"
#include "NxConfig.h"
#include "NxDataColumns.h"
#include "NxIniDocument.h"
#include "NxLogCapture.h"
#include "NxMediaFile.h"
#include "NxOfflineSpeechToTextManager.h"
#include "NxOfflineTextToSpeechManager.h"
#include "NxReleased.h"
#include "NxTestHome.h"
#include "NxTitleClip.h"
#include "NxUsageAllowance.h"

#include <QJsonDocument>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

#include <limits>
#include <memory>
#include <mutex>

#include <sys/stat.h>

namespace
{
constexpr int Largest = std::numeric_limits<int>::max();

struct ProbeRun
{
    bool finished = false;
    int exitCode = -1;
    QString out, err;
};

// Starts nx-store-probe in `home`; with `fileBlocks`, every file it writes
// stops at that many KiB (EFBIG: the signal that would end it is ignored).
std::unique_ptr<QProcess> startProbe(const QStringList& args, const QString& home, int fileBlocks = 0)
{
    auto child = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NXSPEECH_HOME"), home);
    child->setProcessEnvironment(environment);
    if (fileBlocks)
        child->start("bash", QStringList{"-c", QString("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(fileBlocks),
                                         NX_STORE_PROBE} + args);
    else
        child->start(NX_STORE_PROBE, args);
    return child;
}

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

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

QSet<QString> entriesOf(const QString& folder)
{
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return QSet<QString>(names.begin(), names.end());
}

// QSettings keeps parsed files by path: each read gets a name of its own.
QVariant readByQSettings(const QByteArray& bytes, const QString& section, const QString& key)
{
    static int serial = 0;
    const QString path = QDir::temp().filePath(QStringLiteral("nx-datastores-%1-%2.ini").arg(QCoreApplication::applicationPid()).arg(++serial));
    writeBytes(path, bytes);
    const auto remove = qScopeGuard([&] { QFile::remove(path); });
    QSettings settings(path, QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    return settings.value(section.isEmpty() ? key : section + '/' + key);
}

QByteArray writtenByQSettings(const QString& section, const QString& key, const QVariant& value)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("written.ini"));
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        settings.setValue(section + '/' + key, value);
    }
    return bytesOf(path);
}

// The states and codes a task reported, in order, from the engine's threads.
class TaskReports final : public INxSpeechToTextTaskManagerCallBack, public INxTextToSpeechTaskManagerCallBack
{
public:
    void onTaskStateChanged(const NxSpeechToTextTaskInfo& info) override { add(info.state, info.code); }
    void onTaskStateChanged(const NxTextToSpeechTaskInfo& info) override { add(info.state, info.code); }
    void onRemainingChanged(int) override {}
    void onSrtTaskProductProgress(const NxSrtTaskProductInfo&) override {}
    QList<QPair<int, int>> all() { std::lock_guard<std::mutex> lock(m_mutex); return m_reports; }

private:
    void add(int state, int code) { std::lock_guard<std::mutex> lock(m_mutex); m_reports.append({state, code}); }
    std::mutex m_mutex;
    QList<QPair<int, int>> m_reports;
};
}

class NxDataStoresTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    QString config() const { return m_home.path() + "/config.ini"; }

private slots:
    void cleanup()
    {
        ::chmod(QFile::encodeName(config()).constData(), 0644);
        QFile::remove(config());
    }

    void aFailedWriteLeavesTheConfigurationAsItWas()
    {
        writeBytes(config(), "[RemoteSpeech]\nServerUrl=https://speech.example.org/v1\n");
        const QByteArray before = bytesOf(config());
        const QSet<QString> entries = entriesOf(m_home.path()) + QSet<QString>{"NxSpeech.log"};
        const ProbeRun run = probe({"set", "Big", "value", QString(20000, 'x')}, m_home.path(), 8);
        QVERIFY2(run.finished, qPrintable(run.err));
        QCOMPARE(run.out, QString("not saved"));
        QCOMPARE(bytesOf(config()), before);
        QVERIFY2(entries.contains(entriesOf(m_home.path())), qPrintable(entriesOf(m_home.path()).values().join(' ')));
    }

    void parallelProcessesLoseNoChargeTopUpOrValue()
    {
        constexpr int Processes = 10, Times = 15;
        writeBytes(config(), "[SpeechAllowance]\nSeconds=1000\nCharacters=2000\n");
        std::vector<std::unique_ptr<QProcess>> children;
        for (int i = 0; i < Processes; ++i)
            children.push_back(startProbe({"charge", QString("p%1").arg(i), QString::number(Times)}, m_home.path()));
        children.push_back(startProbe({"topup", "50000", "70000"}, m_home.path()));
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

    void aChangeByAnotherProcessIsReadAtOnce()
    {
        NxConfig& config = NxConfig::Instance();
        QVERIFY(config.SetAppValue("Seen", "value", "aaaa", false));
        QCOMPARE(config.GetAppValue("Seen", "value", false, QVariant()).toString(), QString("aaaa"));
        QCOMPARE(probe({"set", "Seen", "value", "bbbb"}, m_home.path()).out, QString("saved")); // the same size
        QCOMPARE(config.GetAppValue("Seen", "value", false, QVariant()).toString(), QString("bbbb"));
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
        QTest::newRow("speech-to-text, seconds not a number")
            << true << QByteArray("[SpeechAllowance]\nSeconds=abc\n") << false << "Seconds=abc is not a whole number";
        QTest::newRow("text-to-speech, read-only config.ini")
            << false << QByteArray("[SpeechAllowance]\nCharacters=500\n") << true << "Permission denied";
        QTest::newRow("text-to-speech, characters not a number")
            << false << QByteArray("[SpeechAllowance]\nCharacters=12x\n") << false << "Characters=12x is not a whole number";
    }
    void aTaskWhoseUseCannotBeRecordedFailsBeforeAnyWork()
    {
        QFETCH(bool, speechToText); QFETCH(QByteArray, stored); QFETCH(bool, readOnly); QFETCH(QString, reason);
        writeBytes(config(), stored);
        if (readOnly)
            QCOMPARE(::chmod(QFile::encodeName(config()).constData(), 0444), 0);
        const NxLogCapture log;
        TaskReports reports;
        NxMediaFile media("/nonexistent/speech.wav", INxAbstractMedia::Audio, {25, 1}, 100);
        NxTitleClip title("Intro", {25, 1}, 0, 100);
        title.addText("Hello there.");
        // The managers go before the objects their tasks read.
        NxReleased<NxOfflineSpeechToTextManager> stt(speechToText ? new NxOfflineSpeechToTextManager : nullptr);
        NxReleased<NxOfflineTextToSpeechManager> tts(speechToText ? nullptr : new NxOfflineTextToSpeechManager);
        int failedState = NxSpeechToTextTaskInfo::ScanFailed;
        if (speechToText) {
            stt->setCallBack(&reports);
            stt->addMaterialTask(&media, "en");
        } else {
            failedState = NxTextToSpeechTaskInfo::ScanFailed;
            tts->setCallBack(&reports);
            NxTextToSpeechTaskRequest request;
            request.clip = &title, request.voice = "en-US-f1";
            int id = 0, sentences = 0, characters = 0;
            QString text;
            tts->addTask(request, &id, &sentences, &characters, &text);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!reports.all().isEmpty() && reports.all().constLast().first == failedState, 20000);
        // At most "scanning" before: nothing converted, decoded or uploaded.
        const QList<QPair<int, int>> all = reports.all();
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
        QTest::newRow("negative: nothing left, a top-up counts from nothing")
            << QByteArray("-5") << 0 << false << "" << QByteArray("10");
    }
    void allowanceCountsAreReadButNeverRepaired()
    {
        QFETCH(QByteArray, stored); QFETCH(int, left); QFETCH(bool, charged); QFETCH(QString, error);
        QFETCH(QByteArray, afterTopUp);
        const QByteArray file = "[SpeechAllowance]\nSeconds=" + stored + "\n";
        writeBytes(config(), file);
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

    void theStoreAndQSettingsReadEachOthersValues_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("plain text") << QVariant("https://speech.example.org/v1");
        QTest::newRow("spaces at both ends") << QVariant("  padded  ");
        QTest::newRow("list separators and comment marks") << QVariant("a,b;c=d");
        QTest::newRow("quotes and backslashes") << QVariant(R"(say "hi" \ bye)");
        QTest::newRow("control characters before hex digits") << QVariant(QString("tab\there\x01" "4f\n"));
        QTest::newRow("non-Latin text and an emoji") << QVariant(QString::fromUtf8("Grüße 日本 😀"));
        QTest::newRow("leading at sign") << QVariant("@home");
        QTest::newRow("empty") << QVariant(QString());
        QTest::newRow("number") << QVariant(-42);
        QByteArray every;
        for (int i = 0; i < 256; ++i)
            every += char(i);
        QTest::newRow("bytes of every value") << QVariant(every);
        QTest::newRow("string list") << QVariant(QStringList{"one", "two, three", " four "});
    }
    void theStoreAndQSettingsReadEachOthersValues()
    {
        QFETCH(QVariant, value);
        const QString section = "Speech Param", key = QString::fromUtf8("key ü/sub%");
        NxIniDocument written;
        written.setValue(section, key, value);
        const QByteArray ours = written.serialize(), theirs = writtenByQSettings(section, key, value);
        const QVariant read = NxIniDocument::parse(ours).value(section, key);
        QCOMPARE(read, value); // numbers come back as text, as from QSettings
        QCOMPARE(readByQSettings(ours, section, key), read);
        // QSettings writes an emoji's two halves apart, each as "?": read as it reads them.
        QCOMPARE(NxIniDocument::parse(theirs).value(section, key), readByQSettings(theirs, section, key));
    }

    void handWrittenFilesReadAsQSettingsReadsThem_data()
    {
        columns<QByteArray, QString, QString>({"text", "section", "key"});
        QTest::newRow("comments and spaces around =")
            << QByteArray("; the lab's server\n[RemoteSpeech]\nServerUrl = https://speech.example.org/v1 ; new\n")
            << "RemoteSpeech" << "ServerUrl";
        QTest::newRow("[General] holds keys outside any section") << QByteArray("[General]\nLanguage=3\n") << "" << "Language";
        QTest::newRow("[%General] is a section called General") << QByteArray("[%General]\nLanguage=3\n") << "General" << "Language";
        QTest::newRow("byte-order mark and Windows line breaks") << QByteArray("\xEF\xBB\xBF[A]\r\nkey=value\r\n") << "A" << "key";
        QTest::newRow("quoted value over two lines") << QByteArray("[A]\nkey=\"two\nlines\"\n") << "A" << "key";
        QTest::newRow("line continued by a backslash") << QByteArray("[A]\nkey=one \\\n two\n") << "A" << "key";
        QTest::newRow("a repeated key: the last counts") << QByteArray("[A]\nkey=1\nkey=2\n") << "A" << "key";
        QTest::newRow("a section in two parts") << QByteArray("[A]\nx=1\n[B]\ny=2\n[A]\nkey=3\n") << "A" << "key";
        QTest::newRow("escaped key and sub-section") << QByteArray("[A\\b]\nmy%20key=1\n") << "A" << "b/my key";
        QTest::newRow("list with quoted parts") << QByteArray("[A]\nkey=\"x, y\", z ,\n") << "A" << "key";
        QTest::newRow("octal and hex escapes") << QByteArray("[A]\nkey=\\101\\x42C\\q\n") << "A" << "key";
    }
    void handWrittenFilesReadAsQSettingsReadsThem()
    {
        QFETCH(QByteArray, text); QFETCH(QString, section); QFETCH(QString, key);
        const QVariant expected = readByQSettings(text, section, key);
        QVERIFY(expected.isValid());
        QCOMPARE(NxIniDocument::parse(text).value(section, key), expected);
    }

    void aFullDiskNeitherEndsNorBreaksTheLogAndAnalytics()
    {
        QTemporaryDir home;
        const ProbeRun run = probe({"log", "200"}, home.path(), 8);
        QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.err.right(500)));
        QCOMPARE(run.err.count("cannot write the log"), 1);
        QCOMPARE(run.err.count("analytics events are not recorded"), 1);
        const QByteArray log = bytesOf(home.filePath("NxSpeech.log"));
        const QRegularExpression whole(QStringLiteral("^\\S+ INFO +\\S+ \\S+:\\d+ probe line \\d+ of a log that fills$"));
        QVERIFY(log.size() > 4000 && log.endsWith('\n'));
        for (const QByteArray& line : log.split('\n').mid(0, log.count('\n')))
            QVERIFY2(whole.match(QString::fromUtf8(line)).hasMatch(), line.constData());
        const QByteArray events = bytesOf(home.filePath("analytics.jsonl"));
        QVERIFY(events.size() > 4000 && events.endsWith('\n'));
        for (const QByteArray& line : events.split('\n').mid(0, events.count('\n')))
            QVERIFY2(!QJsonDocument::fromJson(line).isNull(), line.constData());
    }
};

QTEST_GUILESS_MAIN(NxDataStoresTest)
#include "tst_datastores.moc"
