#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

// Where nx-studio keeps its data folder (configuration and log included) by
// the XDG base directories: in $XDG_DATA_HOME/nx-studio, or ~/.local/share
// when that is unset or not absolute, and nowhere else under HOME or the
// current folder.
class TestXdgPaths : public QObject
{
    Q_OBJECT

private slots:
    void dataFolderFollowsXdg_data();
    void dataFolderFollowsXdg();
};

void TestXdgPaths::dataFolderFollowsXdg_data()
{
    QTest::addColumn<QString>("xdgDataHome");  // "@/" stands for a scratch folder; empty: unset
    QTest::addColumn<QString>("expected");

    QTest::newRow("XDG_DATA_HOME holds it") << "@/data" << "@/data/nx-studio";
    QTest::newRow("without XDG_DATA_HOME, ~/.local/share") << "" << "@/home/.local/share/nx-studio";
    QTest::newRow("a relative XDG_DATA_HOME is ignored") << "data" << "@/home/.local/share/nx-studio";
}

void TestXdgPaths::dataFolderFollowsXdg()
{
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, expected);
    const QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const auto inScratch = [&](QString path) { return path.replace(QStringLiteral("@"), scratch.path()); };
    QVERIFY(QDir().mkpath(inScratch(QStringLiteral("@/home"))) && QDir().mkpath(inScratch(QStringLiteral("@/work"))));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("NXSPEECH_HOME"));
    environment.insert(QStringLiteral("HOME"), inScratch(QStringLiteral("@/home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), inScratch(QStringLiteral("@/config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), inScratch(QStringLiteral("@/cache")));
    if (xdgDataHome.isEmpty())
        environment.remove(QStringLiteral("XDG_DATA_HOME"));
    else
        environment.insert(QStringLiteral("XDG_DATA_HOME"), inScratch(xdgDataHome));
    QProcess studio;
    studio.setProcessEnvironment(environment);
    studio.setWorkingDirectory(inScratch(QStringLiteral("@/work")));
    studio.start(QStringLiteral(NX_STUDIO), {QStringLiteral("voices")});
    QVERIFY(studio.waitForFinished(60000));
    QCOMPARE(studio.exitCode(), 0);

    const QString folder = inScratch(expected);
    QVERIFY2(QFileInfo(folder + QStringLiteral("/NxSpeech.log")).isFile(), qPrintable(folder));
    // Qt and fontconfig may keep their own files in the configuration and cache folders.
    const QStringList allowed{folder + QLatin1Char('/'), inScratch(QStringLiteral("@/config/")),
                              inScratch(QStringLiteral("@/cache/"))};
    QDirIterator files(scratch.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        QVERIFY2(std::any_of(allowed.cbegin(), allowed.cend(), [&](const QString& place) { return file.startsWith(place); }),
                 qPrintable(file + QStringLiteral(" lies outside ") + folder));
    }
}

QTEST_GUILESS_MAIN(TestXdgPaths)
#include "tst_xdgpaths.moc"
