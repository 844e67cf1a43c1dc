#include "tests/cli/CliProcess.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "session/DeviceListLock.h"
#include "persistence/EventJournal.h"
#include "notify/IncidentMailer.h"
#include "operations/Communication.h"
#include "session/MonitoringSession.h"
#include "notify/NotificationSettings.h"
#include "session/QuietRequests.h"
#include "tests/support/HealthPolls.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRows.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// Each test gives the in-process session the same folders as the tool it
// runs, so both meet at one state file and one lock.
class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowHoldsTheList_data() { TestRows::add(QStringLiteral("session/session.rows")); }
    void windowHoldsTheList();
    void monitorHoldsTheList();
    void staleLockIsTakenOver_data() { TestRows::add(QStringLiteral("session/session.rows")); }
    void staleLockIsTakenOver();
    void autosave_data() { TestRows::add(QStringLiteral("session/session.rows")); }
    void autosave();
    void readOnlyWindowStaysQuiet_data() { TestRows::add(QStringLiteral("session/session.rows")); }
    void readOnlyWindowStaysQuiet();
    void requestsAreTakenOnlyFromTheOwner_data() { TestRows::add(QStringLiteral("session/session.rows")); }
    void requestsAreTakenOnlyFromTheOwner();
    void muteWhoseHistoryCannotBeWritten();
    void writeFailuresSayWhy();

private:
    void startMonitor(QProcess &monitor);

    std::unique_ptr<CliProcess> m_cli;
    QString m_lockPath;
    // The sessions' own list; the process-wide one stays empty.
    ClockRegistry m_list;
    Communication m_exchanges;
    NotificationSettings m_alerts;
};

void TestSession::init()
{
    m_cli = std::make_unique<CliProcess>();
    QVERIFY(m_cli->isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_cli->homePath() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_cli->homePath() + QStringLiteral("/config")));
    m_lockPath = DeviceListLock::lockFilePath(m_cli->stateFilePath());
    m_list.clear();
    // One listed clock, written by the tool itself.
    QCOMPARE(m_cli->run({"add", "10.0.0.1"}).exitCode, 0);
}

void TestSession::cleanup()
{
    m_alerts = NotificationSettings();
    m_list.clear();
    m_cli.reset();
}

void TestSession::startMonitor(QProcess &monitor)
{
    m_cli->start(monitor, {"monitor"});
    QVERIFY(monitor.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_lockPath), 20000);
}

void TestSession::windowHoldsTheList()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, refused);

    MonitoringSession window{m_list, m_exchanges, m_alerts};
    const mode_t umaskBefore = ::umask(0);
    QVERIFY(window.acquireLock());
    ::umask(umaskBefore);
    QCOMPARE(QFileInfo(m_lockPath).permissions() & 0077, QFileDevice::Permissions());
    // Asking again while holding it keeps the list writable.
    QVERIFY(window.acquireLock());
    const QByteArray before = TestFiles::read(m_cli->stateFilePath());

    const CliProcess::Result result = m_cli->run(arguments);
    QVERIFY(!result.crashed);
    if (refused) {
        QCOMPARE(result.exitCode, 1);
        const QString expected = QStringLiteral("The device list is in use by %1 (process %2 on ")
                                     .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName())
                                     .arg(QCoreApplication::applicationPid());
        QVERIFY2(QString::fromUtf8(result.err).startsWith(expected), result.err.constData());
    } else {
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains("10.0.0.1"));
    }
    QCOMPARE(TestFiles::read(m_cli->stateFilePath()), before);
}

void TestSession::monitorHoldsTheList()
{
    QProcess monitor;
    startMonitor(monitor);

    MonitoringSession window{m_list, m_exchanges, m_alerts};
    QVERIFY(!window.acquireLock());
    QVERIFY(window.readOnlyReason().contains(QStringLiteral("zentick-cli (process %1 ").arg(monitor.processId())));
    // Reading works; writing does nothing to the monitor's file.
    window.load();
    QCOMPARE(m_list.clockCount(), 1);
    m_list.removeClock(0);
    QVERIFY(!window.save());
    QCOMPARE(window.lastSaveError(), window.readOnlyReason());

    monitor.terminate();
    QVERIFY(monitor.waitForFinished(20000));
    QCOMPARE(monitor.exitCode(), 0);
    QVERIFY(TestFiles::read(m_cli->stateFilePath()).contains("10.0.0.1"));
    QVERIFY(window.acquireLock());
}

void TestSession::staleLockIsTakenOver()
{
    QFETCH(bool, byWindow);

    QProcess monitor;
    startMonitor(monitor);
    // Killed outright, the monitor leaves its lock file behind.
    monitor.kill();
    QVERIFY(monitor.waitForFinished(20000));
    QVERIFY(QFile::exists(m_lockPath));

    if (byWindow) {
        MonitoringSession window{m_list, m_exchanges, m_alerts};
        QVERIFY(window.acquireLock());
        window.load();
        QVERIFY(window.isWritable());
    } else {
        QCOMPARE(m_cli->run({"add", "10.0.0.2"}).exitCode, 0);
        QVERIFY(TestFiles::read(m_cli->stateFilePath()).contains("10.0.0.2"));
    }
}

void TestSession::autosave()
{
    QFETCH(bool, written);

    const QString path = m_cli->stateFilePath();
    if (!written)
        QVERIFY(TestFiles::write(path, {}));
    const QByteArray before = TestFiles::read(path);

    MonitoringSession session{m_list, m_exchanges, m_alerts};
    QVERIFY(session.acquireLock());
    session.load();
    QCOMPARE(session.isWritable(), written);
    QSignalSpy saved(&session, &MonitoringSession::saved);
    session.setAutosaveSeconds(60);
    m_list.createGroup(QStringLiteral("Autosaved"));
    session.start();
    // Not before its time: a due timer would run in these passes.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(saved.count(), 0);
    session.setAutosaveSeconds(1);
    QVERIFY(saved.wait(10000));
    QCOMPARE(saved.constFirst().constFirst().toBool(), written);
    QCOMPARE(TestFiles::read(path).contains("Autosaved"), written);
    if (!written)
        QCOMPARE(TestFiles::read(path), before);
    session.stop();
}

// Only the window that holds the list may write reports or send alert mails;
// another program is doing so for the list already.
void TestSession::readOnlyWindowStaysQuiet()
{
    QFETCH(bool, writable);
    QFETCH(bool, mail);

    NotificationSettings &alerts = m_alerts;
    alerts.errorConnection = true;
    alerts.server = QStringLiteral("127.0.0.1");
    alerts.from = QStringLiteral("zentick@example.test");
    alerts.recipients = {Recipient{QStringLiteral("ops@example.test")}};
    auto *clock = new DevClock;
    m_list.addClock(clock);

    MonitoringSession holder{m_list, m_exchanges, m_alerts};
    QVERIFY(holder.acquireLock());
    MonitoringSession window{m_list, m_exchanges, m_alerts};
    QVERIFY(!window.acquireLock());
    MonitoringSession &tested = writable ? holder : window;
    // Six polls without a connection make its alert due.
    pollSaw(tested.health(), *clock, NtpNoConnection, 6);
    tested.setMailEnabled(mail);
    tested.start();
    tested.setReportEnabled(true);
    QCOMPARE(tested.isReportEnabled(), writable);
    tested.notifyStatusUpdated(clock->id);
    QCOMPARE(tested.mailer() && tested.mailer()->isBusy(), writable && mail);
    QCOMPARE(tested.journal() != nullptr, writable);
    tested.stop();
    if (writable) {
        const QList<ClockEvent> events = EventJournal::read(EventJournal::defaultFolder(), {});
        // The run itself is recorded around what it saw.
        QVERIFY(events.size() >= 3);
        QCOMPARE(events.constFirst().kind, ClockEvent::Kind::MonitorStarted);
        QCOMPARE(events.at(events.size() - 2).kind, ClockEvent::Kind::AlertDue);
        QCOMPARE(events.constLast().kind, ClockEvent::Kind::MonitorStopped);
    }
}

// Whoever could leave a request could mute any clock for ever: only a
// regular file of the monitor's own user, in a folder only that user can
// write, is obeyed.
void TestSession::requestsAreTakenOnlyFromTheOwner()
{
    QFETCH(QString, planted);
    QFETCH(QString, warning);
    const bool obeyed = warning.isEmpty();
    if (planted == QLatin1String("other owner") && ::geteuid() != 0)
        QSKIP("giving a file to another user needs root");
    MonitoringSession window{m_list, m_exchanges, m_alerts};
    window.load();
    QuietRequestWatcher watcher(m_list);
    QSignalSpy applied(&watcher, &QuietRequestWatcher::applied);
    QuietRequest request;
    request.ip = QStringLiteral("10.0.0.1");
    request.period = QuietPeriod::untilLifted();
    QString path;
    QVERIFY(request.leave(&path));
    const QString folder = QuietRequest::folder();
    if (planted == QLatin1String("other owner")) {
        QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    } else if (planted == QLatin1String("symbolic link")) {
        const QString elsewhere = m_cli->homePath() + QStringLiteral("/request.json");
        QVERIFY(QFile::rename(path, elsewhere));
        QVERIFY(QFile::link(elsewhere, path));
    } else if (planted == QLatin1String("open folder")) {
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    }
    if (!obeyed)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    watcher.applyWaiting();
    QCOMPARE(applied.size(), obeyed ? 1 : 0);
    QCOMPARE(m_list.clockAt(0)->quietPeriod.on, obeyed);
    QCOMPARE(QFileInfo::exists(path), planted == QLatin1String("open folder"));
    if (obeyed) {
        QCOMPARE(TestFiles::modeOf(folder), 0700);
        QCOMPARE(TestFiles::modeOf(QFileInfo(m_cli->stateFilePath()).path()), 0700);
    }
}

// The quiet period holds, but a history with a gap is not a success.
void TestSession::muteWhoseHistoryCannotBeWritten()
{
    QVERIFY(QDir().mkpath(QFileInfo(m_cli->stateFilePath()).path() + QStringLiteral("/events.sqlite")));
    const CliProcess::Result result = m_cli->run({"mute", "10.0.0.1", "--until", "2h"});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^10\\.0\\.0\\.1 is quiet until [^\n]+, but the history could not be "
                                               "written: [^\n]+events.sqlite[^\n]*$"),
                                QRegularExpression::MultilineOption)
                 .match(QString::fromUtf8(result.err))
                 .hasMatch(),
             result.err.constData());
    QVERIFY(TestFiles::read(m_cli->stateFilePath()).contains("quietUntil="));
}

// A lock file that cannot be made: the message names the cause.
void TestSession::writeFailuresSayWhy()
{
    QTemporaryDir home;
    QVERIFY(TestFiles::write(home.filePath("file"), {}));
    DeviceListLock lock(home.filePath("file/settings.xml"));
    QVERIFY(!lock.tryLock());
    QVERIFY(!lock.isHeldElsewhere());
    QVERIFY2(lock.failureText().startsWith("Cannot create the lock file")
                 && lock.failureText().endsWith(": Not a directory."),
             qPrintable(lock.failureText()));
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
