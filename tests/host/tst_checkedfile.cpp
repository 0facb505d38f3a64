#include "NxCheckedFile.h"
#include "NxDataColumns.h"

#include <QProcess>
#include <QtTest>

#include <atomic>
#include <thread>

#include <sys/stat.h>

namespace
{
QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

int modeOf(const QString& path)
{
    struct stat entry {};
    return ::stat(QFile::encodeName(path).constData(), &entry) == 0 ? int(entry.st_mode & 07777) : -1;
}
}

class NxCheckedFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void init()
    {
        m_path = m_dir.filePath(QTest::currentDataTag() ? QTest::currentDataTag() : QTest::currentTestFunction());
    }

    void aNewNameNeverReplacesAnEntry_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("a file") << 0;
        QTest::newRow("a dangling symbolic link") << 1;
        QTest::newRow("a folder") << 2;
    }
    void aNewNameNeverReplacesAnEntry()
    {
        QFETCH(int, kind);
        const QString target = m_path + ".target";
        if (kind == 0)
            QVERIFY(NxCheckedFile::writeFile(m_path, "old", NxCheckedFile::Commit::NewName, nullptr));
        else if (kind == 1)
            QVERIFY(QFile::link(target, m_path));
        else
            QVERIFY(QDir().mkdir(m_path));
        const QStringList before = entriesOf(m_dir.path());
        QString error;
        QVERIFY(!NxCheckedFile::writeFile(m_path, "new", NxCheckedFile::Commit::NewName, &error));
        QVERIFY2(error.contains("already exists"), qPrintable(error));
        QCOMPARE(entriesOf(m_dir.path()), before); // no temporary left, the link's target not made
        if (kind == 0)
            QCOMPARE(bytesOf(m_path), QByteArray("old"));
    }

    void aFailedWriteLeavesNoFileAndNoTemporary_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("new name") << false;
        QTest::newRow("replacing a file") << true;
    }
    void aFailedWriteLeavesNoFileAndNoTemporary()
    {
        QFETCH(bool, replace);
        if (replace)
            QVERIFY(NxCheckedFile::writeFile(m_path, "old", NxCheckedFile::Commit::NewName, nullptr));
        const QStringList before = entriesOf(m_dir.path());
        QProcess child; // file sizes stop at 8 KiB: the write fails with EFBIG
        child.start("bash", {"-c", "trap '' XFSZ; ulimit -f 8; exec \"$0\" \"$@\"", NX_STORE_PROBE, "write", m_path,
                             "20000", replace ? "replace" : "new"});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitCode(), 1);
        QVERIFY2(child.readAllStandardOutput().contains("File too large"), "not told why");
        QCOMPARE(entriesOf(m_dir.path()), before);
        if (replace)
            QCOMPARE(bytesOf(m_path), QByteArray("old"));
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
        QCOMPARE(entriesOf(folder), QStringList());
        QVERIFY(NxCheckedFile::reserve(folder + "/.n0.reserved"));
    }

    void aReplacedFileIsOldOrNewToReadersAndKeepsItsPermissions()
    {
        const QByteArray small(100, 'a'), large(50000, 'b');
        QVERIFY(NxCheckedFile::writeFile(m_path, small, NxCheckedFile::Commit::NewName, nullptr));
        QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner));
        std::atomic<bool> done{false};
        std::atomic<int> torn{0}, reads{0};
        std::thread reader([&] {
            while (!done) {
                const QByteArray seen = bytesOf(m_path);
                torn += seen != small && seen != large;
                ++reads;
            }
        });
        for (int i = 0; i < 200; ++i)
            QVERIFY(NxCheckedFile::writeFile(m_path, i % 2 ? small : large, NxCheckedFile::Commit::Replace, nullptr));
        done = true;
        reader.join();
        QVERIFY(reads > 0);
        QCOMPARE(int(torn), 0);
        QCOMPARE(modeOf(m_path), 0600);
    }
};

QTEST_GUILESS_MAIN(NxCheckedFileTest)
#include "tst_checkedfile.moc"
