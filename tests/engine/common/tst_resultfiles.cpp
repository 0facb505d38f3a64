#include "NxMp3Encoder.h"
#include "NxSrtWriter.h"
#include "NxTestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// The engine's result files: written whole or not at all, and a subtitle
// file never over another file.
namespace
{

// Lowers this process's file-size limit for its lifetime. With SIGXFSZ
// ignored, a write past the limit fails with EFBIG, as a full disk fails a
// write with ENOSPC; no root is needed to lower the soft limit and raise it
// again.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
        : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit lowered = m_before;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_before{};
    void (*m_handler)(int);
};

bool writeResult(const QString& kind, const QString& path, QString* error)
{
    if (kind == QLatin1String("srt"))
        return NxSrtWriter::write(path, {{0.5, 2.0, {QStringLiteral("A line of subtitles")}}}, error);
    return NxMp3Encoder::encode(QVector<qint16>(22050, 0), 22050, path, error);
}

} // namespace

class tst_ResultFiles : public QObject
{
    Q_OBJECT

private slots:
    void aFailedWriteLeavesNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("subtitles") << "srt";
        QTest::newRow("mp3") << "mp3";
    }
    void aFailedWriteLeavesNoFile()
    {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath("result." + kind);
        QString error;
        bool written = false;
        {
            // Less room than either result takes.
            FileSizeLimit limit(40);
            written = writeResult(kind, path, &error);
        }
        QVERIFY(!written);
        QVERIFY2(error.contains(QLatin1String("File too large")), qPrintable(error));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());

        // With room, the same write gives the whole file.
        QVERIFY2(writeResult(kind, path, &error), qPrintable(error));
        QVERIFY(QFileInfo(path).size() > 40);
    }

    void subtitlesNeverReplaceAFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("taken.srt");
        QVERIFY(writeBytes(path, "theirs"));
        QString error;
        QVERIFY(!writeResult(QStringLiteral("srt"), path, &error));
        QVERIFY2(error.contains(QLatin1String("already exists")), qPrintable(error));
        QCOMPARE(bytesOf(path), QByteArray("theirs"));
    }
};

QTEST_GUILESS_MAIN(tst_ResultFiles)
#include "tst_resultfiles.moc"
