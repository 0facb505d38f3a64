#include "NxDataColumns.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

// nx-studio runs that share one data folder, as the runs of one user do, and
// runs whose writes fail.
namespace
{

const QString Speech = QStringLiteral(NXTEST_POCKETSPHINX_DATA)
                       + QStringLiteral("/librivox/sense_and_sensibility_01_austen_64kb-0880.wav");
constexpr int RunTimeout = 240000;
constexpr int ParallelRuns = 3;

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

class Studio
{
public:
    explicit Studio(const QString& home)
    {
        m_environment = QProcessEnvironment::systemEnvironment();
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            m_environment.remove(QLatin1String(display));
        m_environment.insert(QStringLiteral("NXSPEECH_HOME"), home);
    }

    // Started at once; finished() waits.
    void start(const QStringList& arguments, qint64 fileSizeLimit = 0)
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(m_environment);
        if (fileSizeLimit > 0) {
            // A file grown past the limit fails its write with EFBIG, as on a full disk.
            process->start(QStringLiteral("bash"),
                           QStringList{"-c", "trap '' XFSZ; exec prlimit --fsize=$0 -- \"$@\"",
                                       QString::number(fileSizeLimit), QStringLiteral(NXTEST_STUDIO)}
                               + arguments);
        } else {
            process->start(QStringLiteral(NXTEST_STUDIO), arguments);
        }
        m_processes.push_back(std::move(process));
    }

    QVector<Run> finished()
    {
        QVector<Run> runs;
        for (const auto& process : m_processes) {
            Run run;
            if (process->waitForFinished(RunTimeout) && process->exitStatus() == QProcess::NormalExit)
                run.exitCode = process->exitCode();
            run.out = QString::fromUtf8(process->readAllStandardOutput()).trimmed();
            run.err = QString::fromUtf8(process->readAllStandardError());
            runs.append(run);
        }
        m_processes.clear();
        return runs;
    }

private:
    QProcessEnvironment m_environment;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

QByteArray contentOf(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString& folder, const QString& pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class tst_SharedFolder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        if (!QFile::exists(Speech))
            QSKIP("pocketsphinx-testdata is not installed");
    }

    void init()
    {
        QDir(m_home.filePath("Voice-over")).removeRecursively();
        QDir(m_home.filePath("Subtitles")).removeRecursively();
    }

    void speakRunsDeliverEachTheirOwnVoiceOver()
    {
        // The voice-overs' names agree: the title's name and the texts' first 17 characters.
        QStringList texts;
        for (int i = 0; i < ParallelRuns; ++i)
            texts.append(QStringLiteral("Every run shares this opening, then says %1.").arg(i + 1));
        QTemporaryDir out;
        Studio studio(m_home.path());
        for (int i = 0; i < ParallelRuns; ++i)
            studio.start({"speak", texts.at(i), "--out", out.filePath(QStringLiteral("run%1.mp3").arg(i))});
        const QVector<Run> runs = studio.finished();

        const QString voiceOver = m_home.filePath("Voice-over");
        QCOMPARE(entries(voiceOver, "*.mp3").size(), ParallelRuns);
        QCOMPARE(entries(voiceOver, "*").size(), 2 * ParallelRuns); // no reservation left behind
        for (int i = 0; i < ParallelRuns; ++i) {
            QVERIFY2(runs.at(i).exitCode == 0, qPrintable(runs.at(i).err));
            // The copy is of the voice-over whose text file holds this run's text.
            QString own;
            for (const QString& text : entries(voiceOver, "*.kvtxt")) {
                if (contentOf(voiceOver + '/' + text) == texts.at(i).toLocal8Bit())
                    own = voiceOver + '/' + text.chopped(6) + ".mp3";
            }
            QVERIFY2(!own.isEmpty(), qPrintable(texts.at(i)));
            QCOMPARE(runs.at(i).out, out.filePath(QStringLiteral("run%1.mp3").arg(i)));
            QCOMPARE(contentOf(runs.at(i).out), contentOf(own));
        }
    }

    void transcribeRunsKeepEverySubtitleFile()
    {
        Studio studio(m_home.path());
        for (int i = 0; i < ParallelRuns; ++i)
            studio.start({"transcribe", Speech});
        const QVector<Run> runs = studio.finished();

        QSet<QString> printed;
        for (const Run& run : runs) {
            QVERIFY2(run.exitCode == 0, qPrintable(run.err));
            QVERIFY2(!contentOf(run.out).isEmpty(), qPrintable(run.out));
            printed.insert(run.out);
        }
        QCOMPARE(printed.size(), ParallelRuns);
        QCOMPARE(entries(m_home.filePath("Subtitles"), "*").size(), ParallelRuns);
    }

    void aWriteThatFailsDeliversNothing_data()
    {
        columns<QStringList, QString>({"arguments", "folder"});
        QTest::newRow("subtitles") << QStringList{"transcribe", Speech} << "Subtitles";
        QTest::newRow("voice-over") << QStringList{"speak", "Hi."} << "Voice-over";
    }
    void aWriteThatFailsDeliversNothing()
    {
        QFETCH(QStringList, arguments); QFETCH(QString, folder);
        Studio studio(m_home.path());
        // Less room than the shortest result takes.
        studio.start(arguments, 40);
        const Run run = studio.finished().value(0);

        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(QLatin1String("File too large")), qPrintable(run.err));
        QCOMPARE(entries(m_home.filePath(folder), "*"), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_SharedFolder)
#include "tst_sharedfolder.moc"
