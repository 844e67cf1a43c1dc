#include "model/ClockConfig.h"
#include "tests/cli/CliProcess.h"
#include "persistence/ConfigurationFiles.h"
#include "persistence/HistoryDatabase.h"
#include "model/DevClock.h"
#include "notify/NotificationSettings.h"
#include "tests/notify/SmtpServerProcess.h"
#include "persistence/StateFile.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>

// zentick-cli commands that need no clock: bad usage, the device list, the
// configuration file display and the test mail (to a real SMTP server on
// loopback).
class TestCliLocal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badUsage_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void badUsage();
    void helpGoesToStandardOutput();
    void addListRemove();
    void sharedAddressNeedsAHandle_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void sharedAddressNeedsAHandle();
    void quietPeriodWhileTheMonitorHoldsTheList();
    void eventsAreStreamed();
    void availabilityOfAPeriod();
    void listShowsQuietAndAudit_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void listShowsQuietAndAudit();
    void unmuteOfAClockNotMuted();
    void unreadableStateFileIsLeftAlone_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void unreadableStateFileIsLeftAlone();
    void configShow();
    void testMail_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void testMail();
    void passwordSources_data() { TestRows::add(QStringLiteral("cli/plans.rows")); }
    void passwordSources();
    void planExportIsExactAndPrivate();
    void dataFolderOnlyForWriters_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void dataFolderOnlyForWriters();
};

void TestCliLocal::initTestCase()
{
    QVERIFY2(QFile::exists(CliProcess::executable()), qPrintable(CliProcess::executable()));
}

void TestCliLocal::passwordSources()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, environment);
    QFETCH(QByteArray, password);
    QFETCH(int, exit);
    CliProcess cli;
    QVERIFY(TestFiles::write(cli.filePath(QStringLiteral("FILE")), file));
    const CliProcess::Result result = cli.run(QStringList{"add", "10.0.0.1"} + arguments, {input, environment, {}});
    QCOMPARE(result.exitCode, exit);
    QTEST(QString::fromUtf8(result.err).section(QLatin1Char('\n'), 0, 0), "error");
    if (exit == 0)
        QCOMPARE(cli.run({"list", "--csv", "--with-passwords"}).out, "ip,name,group,user,password,mac\n10.0.0.1,Clock,,," + password + ",\n");
}

// What goes to a file or a pipe is the plan as it is; with passwords, a file
// is the owner's only, whichever way it is written; never through a link.
void TestCliLocal::planExportIsExactAndPrivate()
{
    CliProcess cli;
    QCOMPARE(cli.run({"add", "10.0.0.1", "--user", "=1+2", "--password", "pa\tss&x=1"}).exitCode, 0);
    const QByteArray plan = "ip,name,group,user,password,mac\n10.0.0.1,Clock,,'=1+2,pa\tss&x=1,\n";
    QCOMPARE(cli.run({"list", "--csv", "--with-passwords"}).out, plan);

    const mode_t umaskBefore = ::umask(0);
    const QString redirected = cli.filePath(QStringLiteral("redirected.csv"));
    CliProcess::Result result = cli.run({"list", "--csv", "--with-passwords"}, {{}, {}, redirected});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(TestFiles::read(redirected), plan);
    QCOMPARE(QFileInfo(redirected).permissions() & 0077, QFileDevice::Permissions());
    const QString written = cli.filePath(QStringLiteral("written.csv"));
    QCOMPARE(cli.run({"list", "--csv", "--with-passwords", "-o", written}).exitCode, 0);
    ::umask(umaskBefore);
    QCOMPARE(TestFiles::read(written), plan);
    QCOMPARE(QFileInfo(written).permissions() & 0077, QFileDevice::Permissions());

    const QString link = cli.filePath(QStringLiteral("link.csv"));
    QVERIFY(QFile::link(redirected, link));
    result = cli.run({"list", "--csv", "-o", link});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("symbolic link"), result.err);
    QCOMPARE(TestFiles::read(redirected), plan);
}

void TestCliLocal::dataFolderOnlyForWriters()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(bool, created);
    CliProcess cli;
    const QString fresh = cli.filePath(QStringLiteral("fresh"));
    const CliProcess::Result result =
        cli.run(arguments, {{}, {"XDG_DATA_HOME=" + fresh + "/data", "XDG_CONFIG_HOME=" + fresh + "/config"}, {}});
    QVERIFY2(result.exitCode == exitCode, result.err);
    QCOMPARE(QFileInfo::exists(fresh + "/config"), false);
    QCOMPARE(QFileInfo::exists(fresh), created);
    // Every level made is the user's alone.
    for (const char *level : {"", "/data", "/data/QLX Devices", "/data/QLX Devices/Zentick"})
        QVERIFY2(!created || TestFiles::modeOf(fresh + level) == 0700, level);
}

void TestCliLocal::badUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QFETCH(QString, help);

    CliProcess cli;
    // A zone that puts its clocks forward, for the times that do not exist.
    const CliProcess::Result result = cli.run(arguments, {{}, {"TZ=Europe/Berlin"}, {}});
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(QString::fromUtf8(result.err), reason + QLatin1Char('\n') + help + QLatin1Char('\n'));
    QVERIFY(!QFile::exists(cli.stateFilePath()));
}

void TestCliLocal::helpGoesToStandardOutput()
{
    CliProcess cli;
    const CliProcess::Result result = cli.run({"--help"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.startsWith("Usage: zentick-cli [--json] <command> [arguments]\n"));
    QCOMPARE(result.err, QByteArray());

    // Nothing asked: every command, as a usage error; and the version.
    const CliProcess::Result nothing = cli.run({});
    QCOMPARE(nothing.exitCode, 2);
    QVERIFY2(nothing.err.startsWith("Usage: zentick-cli [--json] <command> [arguments]\n"), nothing.err);
    QVERIFY(nothing.err.contains("\n  credentials IP|N [--mac MAC] --user U --password P [--check]\n"));
    QVERIFY(QRegularExpression(QStringLiteral("^zentick-cli \\d+\\.\\d+")).match(QString::fromUtf8(cli.run({"--version"}).out)).hasMatch());

    // A command's own help, wherever --help stands among its arguments.
    const CliProcess::Result audit = cli.run({"audit", "--group", "Hall", "--help"});
    QCOMPARE(audit.exitCode, 0);
    QVERIFY2(audit.out.startsWith("Usage: zentick-cli [--json] audit [--group NAME]"), audit.out);
    QVERIFY(audit.out.contains("--parallel N"));
    QVERIFY(!audit.out.contains("config get"));
    QVERIFY(!QFile::exists(cli.stateFilePath()));
}

void TestCliLocal::addListRemove()
{
    CliProcess cli;
    CliProcess::Result result = cli.run({"list"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("The device list is empty.\n"));
    QCOMPARE(cli.run({"--json", "list"}).json().object(),
             QJsonObject({{"clocks", QJsonArray()}, {"groups", QJsonArray()}}));

    result = cli.run({"add", "192.168.0.20", "--user", "admin", "--password", "s&cret"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("Clock 192.168.0.20 added to the device list as number 0.\n"));
    const QByteArray state = cli.stateBytes();
    QVERIFY2(state.contains("ip=\"192.168.0.20\""), state);
    QVERIFY2(state.contains("user=\"admin\" password=\"s&amp;cret\""), state);

    // The same address again, written differently: refused, file untouched.
    result = cli.run({"add", "192.168.000.020"});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err, QByteArray("A clock with the address 192.168.0.20 is already on the device list.\n"));
    QCOMPARE(cli.stateBytes(), state);

    QCOMPARE(cli.run({"--json", "add", "192.168.0.21"}).json().object().value("added").toObject().value("index").toInt(),
             1);

    // "index ip user" of each listed clock.
    const auto listed = [&cli] {
        QStringList rows;
        for (const QJsonValue &clock : cli.run({"--json", "list"}).json().object().value("clocks").toArray())
            rows << QString::number(clock["index"].toInt()) + ' ' + clock["ip"].toString() + ' ' + clock["user"].toString();
        return rows;
    };
    QCOMPARE(listed(), QStringList({"0 192.168.0.20 admin", "1 192.168.0.21 "}));
    QVERIFY2(!cli.run({"--json", "list"}).out.contains("cret"), "a clock password was printed");

    result = cli.run({"list"});
    const QStringList lines = QString::fromUtf8(result.out).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0).simplified(), QStringLiteral("# Name IP Model Firmware Group Status Quiet until Audit"));
    QCOMPARE(lines.value(1).simplified(), QStringLiteral("0 Clock 192.168.0.20 - - - No status available - -"));

    result = cli.run({"remove", "192.168.0.20"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("Clock Clock (IP: 192.168.0.20) removed from the device list.\n"));
    QCOMPARE(listed(), QStringList{"0 192.168.0.21 "});
}

// Two clocks at the factory address and one of its own ("ip name" after).
void TestCliLocal::sharedAddressNeedsAHandle()
{
    QFETCH(QStringList, command);
    QFETCH(int, exitCode);
    QFETCH(QStringList, after);
    CliProcess cli;
    DevClock clocks[3];
    const char *const names[] = {"One", "Two", "Lobby"};
    for (int i = 0; i < 3; ++i) {
        clocks[i].name = names[i];
        clocks[i].network.ip = i < 2 ? QStringLiteral("192.168.0.11") : QStringLiteral("192.168.0.20");
        clocks[i].mac = QStringLiteral("02-A7-3C-00-10-0%1").arg(i + 5);
    }
    QVERIFY(QDir().mkpath(QFileInfo(cli.stateFilePath()).path()));
    QVERIFY(StateFile::save(cli.stateFilePath(), {&clocks[0], &clocks[1], &clocks[2]}, {}, NotificationSettings()));
    const CliProcess::Result result = cli.run(command);
    QVERIFY2(result.exitCode == exitCode, result.err);
    if (exitCode == 2)
        QVERIFY2(result.err.contains("1  02-A7-3C-00-10-06  Two"), result.err);
    QStringList listed;
    for (const QJsonValue &clock : cli.run({"--json", "list"}).json().object().value("clocks").toArray())
        listed << clock.toObject().value("ip").toString() + ' ' + clock.toObject().value("name").toString();
    QCOMPARE(listed, after);
}

void TestCliLocal::listShowsQuietAndAudit()
{
    QFETCH(QStringList, mute);
    QFETCH(QByteArray, findings);
    QFETCH(QString, cells);
    QFETCH(QString, quietUntil);
    QFETCH(QString, severity);

    CliProcess cli;
    QCOMPARE(cli.run({"add", "192.168.0.20"}).exitCode, 0);
    if (!mute.isEmpty())
        QCOMPARE(cli.run(mute).exitCode, 0);
    QVERIFY(TestFiles::write(QFileInfo(cli.stateFilePath()).path() + QStringLiteral("/audit-findings.json"), findings));

    const CliProcess::Result table = cli.run({"list"});
    QCOMPARE(table.exitCode, 0);
    const QString row = QString::fromUtf8(table.out).split(QLatin1Char('\n')).value(1).simplified();
    QVERIFY2(row.endsWith(QStringLiteral("No status available ") + cells), qPrintable(row));

    const QJsonObject clock = cli.run({"--json", "list"}).json().object().value("clocks").toArray().at(0).toObject();
    QCOMPARE(clock.value("quietUntil").toString(), quietUntil);
    QCOMPARE(clock.value("auditFindings").toArray().at(0).toObject().value("severity").toString(), severity);
}

void TestCliLocal::unmuteOfAClockNotMuted()
{
    CliProcess cli;
    QCOMPARE(cli.run({"add", "192.168.0.20"}).exitCode, 0);
    const QByteArray state = cli.stateBytes();
    const CliProcess::Result result = cli.run({"unmute", "192.168.0.20"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("192.168.0.20 is not muted; nothing changed.\n"));
    QCOMPARE(cli.stateBytes(), state);
    QCOMPARE(cli.run({"events"}).out, QByteArray("No events.\n"));
}

void TestCliLocal::unreadableStateFileIsLeftAlone()
{
    QFETCH(QByteArray, content);
    QFETCH(int, nesting);
    QFETCH(QStringList, arguments);
    QFETCH(bool, setAside);
    QFETCH(QString, reason);

    CliProcess cli;
    const QString path = cli.stateFilePath();
    content += QByteArray("<a>").repeated(nesting) + QByteArray("</a>").repeated(nesting);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()) && TestFiles::write(path, content));
    const CliProcess::Result result = cli.run(arguments);
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());

    // Nothing was saved: the bytes are where the message says they are.
    const QStringList kept = QDir(QFileInfo(path).path()).entryList({"settings.xml.unreadable-*"}, QDir::Files);
    if (setAside) {
        QCOMPARE(kept.size(), 1);
        const QString keptPath = QFileInfo(path).path() + QLatin1Char('/') + kept.constFirst();
        QCOMPARE(QString::fromUtf8(result.err),
                 QStringLiteral("Cannot read the device list %1; it was kept as %2. (%3)\n").arg(path, keptPath, reason));
        QCOMPARE(TestFiles::read(keptPath), content);
        QVERIFY(!QFile::exists(path));
    } else {
        QVERIFY(kept.isEmpty());
        QCOMPARE(QString::fromUtf8(result.err),
                 QStringLiteral("Cannot read the device list %1; it was left as it is. (%2)\n").arg(path, reason));
        QCOMPARE(TestFiles::read(path), content);
    }
}

void TestCliLocal::quietPeriodWhileTheMonitorHoldsTheList()
{
    // A loopback address: the monitor's polls stay on this machine.
    CliProcess cli;
    QCOMPARE(cli.run({"add", "127.0.0.2"}).exitCode, 0);
    QProcess monitor;
    cli.start(monitor, {"monitor"});
    QVERIFY(monitor.waitForStarted());
    // The monitor holds the list once it says so on its first line.
    QTRY_VERIFY_WITH_TIMEOUT(monitor.canReadLine() || monitor.state() != QProcess::Running, 20000);
    QCOMPARE(monitor.state(), QProcess::Running);

    // Left for the monitor, which applies it, journals it and keeps it.
    const CliProcess::Result muted = cli.run({"mute", "127.0.0.2", "--until", "2h"});
    QCOMPARE(muted.exitCode, 0);
    QVERIFY2(muted.out.startsWith("127.0.0.2 is quiet until "), muted.out);
    QVERIFY(cli.stateBytes().contains(" quietUntil=\""));
    QCOMPARE(cli.run({"unmute", "--group", "Nobody"}).exitCode, 1);
    monitor.terminate();
    QVERIFY(monitor.waitForFinished(20000));

    const CliProcess::Result events = cli.run({"--json", "events", "--clock", "127.0.0.2"});
    QCOMPARE(events.exitCode, 0);
    QStringList kinds;
    for (const QJsonValue &event : events.json().object().value("events").toArray())
        kinds << event.toObject().value("kind").toString();
    QVERIFY2(kinds.contains("muted"), qPrintable(kinds.join(',')));
    QVERIFY(cli.stateBytes().contains(" quietUntil=\""));

    // The run is in the history: after the monitor stopped, time is unknown, not available.
    const CliProcess::Result report
        = cli.run({"--json", "report", "availability", "--from", "1h", "--to", "2099-01-01"});
    QCOMPARE(report.exitCode, 0);
    const QJsonObject figures = report.json().object().value("clocks").toArray().at(0).toObject();
    QCOMPARE(figures.value("ip").toString(), QStringLiteral("127.0.0.2"));
    QVERIFY2(figures.value("unknownSeconds").toDouble() > 1e9, report.out);
    QCOMPARE(report.json().object().value("site").toObject().value("clocks").toInt(), 1);
    QCOMPARE(cli.run({"report", "availability", "--from", "2026-12-02", "--to", "2026-12-01"}).exitCode, 2);
}

// Written as they are read, in the table and the document the whole list
// made: columns as wide as their widest cell, QJsonDocument's indentation.
void TestCliLocal::eventsAreStreamed()
{
    CliProcess cli;
    const QByteArray emptyJson = QJsonDocument(QJsonObject{{"events", QJsonArray()}}).toJson(QJsonDocument::Indented);
    QCOMPARE(cli.run({"events"}).out, QByteArray("No events.\n"));
    QCOMPARE(cli.run({"--json", "events"}).out, emptyJson);

    QList<ClockEvent> history;
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-3);
    for (int i = 0; i < 3000; ++i) {
        ClockEvent e;
        e.time = start.addSecs(i * 60);
        e.ip = QStringLiteral("10.0.%1.%2").arg(i % 7).arg(i % 250 + 1);
        e.name = i == 2999 ? QStringLiteral("Zegar \u0141\u00f3d\u017a \u0007 long name at the end") : QString("C%1").arg(i % 13);
        e.kind = ClockEvent::Kind(i % 3);
        e.ntp = 1;
        history.append(e);
    }
    {
        HistoryDatabase db;
        QString why, aside;
        bool damaged = false;
        QVERIFY(db.openForWriting(cli.homePath() + "/data/QLX Devices/Zentick", &why, &aside));
        QVERIFY2(db.importJournal({}, "none", &why) && db.insert(history, &why, &damaged), qPrintable(why));
    }
    const CliProcess::Result text = cli.run({"events"});
    QCOMPARE(text.exitCode, 0);
    const QStringList lines = QString::fromUtf8(text.out).split('\n');
    QCOMPARE(lines.size(), 3000 + 2);
    QCOMPARE(lines.last(), QString());
    const int ipColumn = lines.first().indexOf("IP");
    QVERIFY(lines.first().startsWith("Time") && ipColumn > 0);
    for (int i = 1; i <= 3000; ++i) {
        QVERIFY2(lines[i].mid(ipColumn).startsWith(history[i - 1].ip + ' '), qPrintable(lines[i]));
        QVERIFY(!lines[i].endsWith(' '));
    }
    // The control character is shown as "?", as every text is.
    QVERIFY(lines[3000].contains(QStringLiteral("\u017a ? long name")));

    const CliProcess::Result json = cli.run({"--json", "events"});
    QCOMPARE(json.exitCode, 0);
    const QJsonArray events = json.json().object().value("events").toArray();
    QCOMPARE(events.size(), 3000);
    QCOMPARE(events.last().toObject().value("name").toString(), history.last().name);
    QCOMPARE(json.out, json.json().toJson(QJsonDocument::Indented));
    QCOMPARE(cli.run({"--json", "events", "--clock", "10.0.9.9"}).out, emptyJson);
}

void TestCliLocal::availabilityOfAPeriod()
{
    CliProcess cli;
    const CliProcess::Result report
        = cli.run({"--json", "report", "availability", "--period", "month", "--at", "2026-11-15"});
    QCOMPARE(report.exitCode, 0);
    const QJsonObject document = report.json().object();
    QCOMPARE(document.value("from").toString(), QDate(2026, 11, 1).startOfDay().toUTC().toString(Qt::ISODate));
    QCOMPARE(document.value("to").toString(), QDate(2026, 12, 1).startOfDay().toUTC().toString(Qt::ISODate));
    QCOMPARE(cli.run({"report", "availability", "--period", "day"}).exitCode, 0);
}

// The printers' texts are checked in process (tst_cli) and the human form in
// docs/cli.md's session; here, that the command reads the file it is given.
void TestCliLocal::configShow()
{
    CliProcess cli;
    ClockConfig config;
    config.TimeZone = 15;
    const QString path = cli.filePath("hall.qlxztc");
    QVERIFY(ConfigurationFiles::saveConfiguration(path, config));
    CliProcess::Result result = cli.run({"config", "show", path, "--json"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.json().object().value("choiceTexts").toObject().value("TimeZone").toString(),
             QStringLiteral("UTC + 1:00"));

    // A file that does not open says why.
    const QString garbage = cli.filePath("garbage.qlxztc");
    QVERIFY(TestFiles::write(garbage, "\x89PNG\r\n"));
    result = cli.run({"config", "show", garbage});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.startsWith("Configuration load failed: " + garbage.toUtf8() + " (not an XML file: "),
             result.err);
    QVERIFY2(result.err.endsWith("(line 1, column 1))\n"), result.err);
}

void TestCliLocal::testMail()
{
    QFETCH(bool, withRecipient);
    QFETCH(QString, clientPassword);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    CliProcess cli;
    SmtpServerProcess server;
    QVERIFY(server.start(QStringLiteral("plain"), QString(), QStringLiteral("mailer"), QStringLiteral("mail-pass")));

    NotificationSettings settings;
    settings.server = QStringLiteral("127.0.0.1");
    settings.port = server.port();
    settings.username = QStringLiteral("mailer");
    settings.password = clientPassword;
    settings.from = QStringLiteral("zentick@example.org");
    settings.smtpType = 2;  // no encryption
    settings.authType = 1;  // AUTH PLAIN
    if (withRecipient)
        settings.recipients = {{QStringLiteral("ops@example.org"), false}};
    QDir().mkpath(QFileInfo(cli.stateFilePath()).path());
    QVERIFY(StateFile::save(cli.stateFilePath(), {}, {}, settings));

    const CliProcess::Result result = cli.run({"test-mail"});
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode == 0) {
        QCOMPARE(QString::fromUtf8(result.out), message + QLatin1Char('\n'));
        QVERIFY(server.waitForMessages(1));
        const SmtpServerProcess::Message mail = server.messages().constFirst();
        QCOMPARE(mail.recipients, QStringList{"ops@example.org"});
        QVERIFY2(mail.data.contains("Subject: QLX Zentick Notification Test"), mail.data);
        QVERIFY2(mail.data.contains("This is QLX Zentick notification test e-mail."), mail.data);
    } else {
        QVERIFY2(QString::fromUtf8(result.err).startsWith(message), result.err);
        QVERIFY(server.messages().isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestCliLocal)
#include "tst_cli_local.moc"
