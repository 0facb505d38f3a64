#include "INxTaskbarList3.h"
#include "NxDataColumns.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxSpeechServicePanel.h"
#include "NxSpeechServicePresenter.h"
#include "NxTestHome.h"
#include "NxTimelineClip.h"

#include <QApplication>
#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>
#include <memory>

namespace
{
const QString Uri = QStringLiteral("application://org.nxspeech.tests.desktop");
using Taskbar = std::unique_ptr<INxTaskbarList3, void (*)(INxTaskbarList3*)>;
Taskbar createTaskbar() { return Taskbar(INxTaskbarList3::create(), [](INxTaskbarList3* t) { if (t) t->Release(); }); }
}

// Taskbar progress as docks read it: launcher-entry signals on a private session bus.
class TaskbarTest : public QObject
{
    Q_OBJECT

public slots: // the dock's side, not a test function
    void update(const QString& uri, const QVariantMap& properties)
    {
        m_updates << (uri != Uri ? "for " + uri
                                 : QStringLiteral("%1 %2").arg(properties.value(QStringLiteral("progress")).toDouble())
                                       .arg(properties.value(QStringLiteral("progress-visible")).toBool() ? "shown" : "hidden"));
    }

private:
    NxTestHome m_home;
    QProcess m_daemon;
    QDBusConnection m_observer{QStringLiteral("observer")};
    QStringList m_updates; // as "progress shown|hidden", or "for <uri>" when another application's

private slots:
    void initTestCase()
    {
        QGuiApplication::setDesktopFileName(QStringLiteral("org.nxspeech.tests"));
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            QFAIL("dbus-daemon is not installed (Debian packages dbus-daemon and dbus-bin)");
        m_daemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                QStringLiteral("--print-address=1")});
        QVERIFY(m_daemon.waitForStarted(10000));
        while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) {}
        const QString address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
        QVERIFY2(address.startsWith(QLatin1String("unix:")), m_daemon.readAllStandardError().constData());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toLocal8Bit()); // before the first sessionBus()
        m_observer = QDBusConnection::connectToBus(address, QStringLiteral("observer"));
        QVERIFY(m_observer.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                   QStringLiteral("Update"), this, SLOT(update(QString,QVariantMap))));
        NxScriptedSpeechToTextManager::install();
    }
    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("observer"));
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    void init()
    {
        m_updates.clear();
    }

    void taskbarPublishesProgressForTheApplication_data()
    {
        // stateAfter: -1: none
        columns<qulonglong, qulonglong, int, QString>({"completed", "total", "stateAfter", "update"});
        QTest::newRow("no progress state hides the bar") << 40ull << 100ull << int(TBPF_NOPROGRESS) << "0.4 hidden";
        QTest::newRow("paused state keeps it shown") << 40ull << 100ull << int(TBPF_PAUSED) << "0.4 shown";
        QTest::newRow("beyond the total is full") << 150ull << 100ull << -1 << "1 shown";
        QTest::newRow("a zero total is empty") << 5ull << 0ull << -1 << "0 shown";
    }
    void taskbarPublishesProgressForTheApplication()
    {
        QFETCH(qulonglong, completed); QFETCH(qulonglong, total); QFETCH(int, stateAfter); QFETCH(QString, update);
        const Taskbar taskbar = createTaskbar();
        QVERIFY2(taskbar, "no taskbar although the session bus is there");
        QVERIFY(taskbar->SetProgressValue(1, completed, total));
        if (stateAfter >= 0)
            QVERIFY(taskbar->SetProgressState(1, NxTaskbarProgressState(stateAfter)));
        // Changes made in one go reach the dock as one update.
        QTRY_COMPARE(m_updates.size(), 1);
        QCOMPARE(m_updates.last(), update);
    }

    void panelMirrorsTaskProgressUntilTheTaskEnds()
    {
        NxSpeechServicePresenter presenter;
        NxSpeechServicePanel panel(&presenter, nullptr);
        NxTimelineClip clip(QStringLiteral("Intro"), INxClip::Video, NxRational{25, 1}, nullptr, {0, 250, 0});
        QVERIFY(presenter.addClipTasks({&clip}, QStringLiteral("en-US"), false));
        NxScriptedSpeechToTextManager* manager = NxScriptedSpeechToTextManager::latest();
        manager->reportState(manager->addedIds.last(), NxSpeechToTextTaskInfo::Transcribing, 0, 40);
        QTRY_COMPARE(m_updates.value(m_updates.size() - 1), QStringLiteral("0.4 shown"));
        QVERIFY2(!m_updates.join(',').contains(QStringLiteral("hidden")), "the bar flickered off and on");
        manager->reportState(manager->addedIds.last(), NxSpeechToTextTaskInfo::Completed, 0, 100);
        QTRY_COMPARE(m_updates.value(m_updates.size() - 1), QStringLiteral("1 hidden"));
    }

    void withoutABusThereIsNoTaskbarAndThePanelStillWorks()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--without-bus")});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("taskbar: none"));
    }
};

// The child: a session whose bus address leads nowhere.
static int runWithoutBus(int argc, char** argv)
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent-nxspeech-bus");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    NxTestHome home;
    const Taskbar taskbar = createTaskbar();
    NxSpeechServicePresenter presenter;
    NxSpeechServicePanel panel(&presenter, nullptr);
    panel.slotProgress(40);
    panel.slotFinish();
    std::printf("taskbar: %s\n", taskbar ? "present" : "none");
    return 0;
}

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--without-bus") == 0)
        return runWithoutBus(argc, argv);
    QApplication app(argc, argv);
    TaskbarTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_taskbar.moc"
