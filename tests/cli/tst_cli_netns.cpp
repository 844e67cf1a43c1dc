#include "tests/netns/ClockSimControl.h"
#include "tests/cli/CliProcess.h"
#include "persistence/ConfigurationFiles.h"
#include "persistence/OperatorRecorder.h"
#include "model/DevClock.h"
#include "notify/NotificationSettings.h"
#include "tests/notify/SmtpServerProcess.h"
#include "persistence/StateFile.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRows.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

// zentick-cli against simulated clocks (tests/cli/data/clocks.json):
//   0 192.168.0.20 Lobby, admin/secret, a configuration of its own
//   1 192.168.0.21 Hall, admin/admin, factory configuration
//   2 192.168.0.22 refuses connections and ignores discovery
//   3 192.168.0.23 refuses every credential with 401
//   4, 5 two fresh clocks sharing 192.168.0.11
//   6 Hall's twin (its MAC, admin/admin), kept out of sight at 192.168.0.50:
//     refuses connections and ignores discovery until a test clears that
class TestCliNetns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void discoverListsAndAdds();
    void moveWaitsForConfirmation_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void moveWaitsForConfirmation();
    void discoverKeepsListedCredentials();
    void statusPrintsTheRecord();
    void interfaceOption();
    void failingClock_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void failingClock();
    void configGetThenSetCopiesExactly();
    void configSetReportsEveryClock();
    void refusedBeforeAnythingIsWritten_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void refusedBeforeAnythingIsWritten();
    void renameClock_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void renameClock();
    void network_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void network();
    void passwordChange();
    void operatorChangesInHistory_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void operatorChangesInHistory();
    void credentials_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void credentials();
    void resolveConflicts();
    void resolveConflictsPartly_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void resolveConflictsPartly();
    void monitorRunsItsSchedules();
    void planRoundTripsWithSharedAddresses();

private:
    // The last logged request to path, as the bytes of its body.
    QByteArray lastBody(const QString &path) const;
    CliProcess::Result runOk(const QStringList &arguments);
    // The clocks of the device list, as "list --json" prints them.
    QJsonArray listed();
    // Each key of expected has its value in actual.
    static void compareSubset(const QJsonObject &actual, const QJsonObject &expected);

    ClockSimControl m_sim;
    std::unique_ptr<CliProcess> m_cli;
};

void TestCliNetns::initTestCase()
{
    QVERIFY2(m_sim.isAvailable(), "run through tests/netns/netns-run.sh");
    QVERIFY2(QFile::exists(CliProcess::executable()), qPrintable(CliProcess::executable()));
}

void TestCliNetns::init()
{
    QVERIFY2(m_sim.reset(), qPrintable(m_sim.lastError()));
    QVERIFY2(m_sim.clearLog(), qPrintable(m_sim.lastError()));
    m_cli = std::make_unique<CliProcess>();
    QVERIFY(m_cli->isValid());
}

QByteArray TestCliNetns::lastBody(const QString &path) const
{
    const QVector<QJsonObject> requests = m_sim.httpRequests();
    for (auto it = requests.crbegin(); it != requests.crend(); ++it) {
        if (it->value(QStringLiteral("path")).toString() == path)
            return QByteArray::fromBase64(it->value(QStringLiteral("body")).toString().toLatin1());
    }
    return QByteArray("<no request to ") + path.toLatin1() + '>';
}

CliProcess::Result TestCliNetns::runOk(const QStringList &arguments)
{
    const CliProcess::Result result = m_cli->run(arguments);
    if (result.exitCode != 0 || result.crashed)
        qWarning().noquote() << arguments.join(QLatin1Char(' ')) << "->" << result.exitCode << result.err;
    return result;
}

QJsonArray TestCliNetns::listed()
{
    return runOk({"--json", "list"}).json().object().value("clocks").toArray();
}

void TestCliNetns::compareSubset(const QJsonObject &actual, const QJsonObject &expected)
{
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QVERIFY2(actual.value(it.key()) == it.value(), qPrintable(it.key()));
}

void TestCliNetns::discoverListsAndAdds()
{
    const CliProcess::Result found = runOk({"--json", "discover", "--user", "admin", "--password", "admin"});
    QCOMPARE(found.exitCode, 0);
    QVERIFY2(!QFile::exists(m_cli->stateFilePath()), "discover without --add changed the device list");
    QStringList ips;
    for (const QJsonValue &value : found.json().object().value("clocks").toArray()) {
        const QJsonObject clock = value.toObject();
        ips << clock.value("ip").toString();
        compareSubset(clock, {{"listed", false}, {"added", false}});
        if (ips.constLast() == QLatin1String("192.168.0.21"))
            compareSubset(clock, {{"name", "Hall"}, {"productCode", "QM05"}, {"firmware", 210}}); // name from "/D"
        if (ips.constLast() == QLatin1String("192.168.0.23"))
            QCOMPARE(clock.value("lastError").toInt(), 1); // refused "/D", kept from the broadcast
    }
    ips.sort();
    QCOMPARE(ips, QStringList({"192.168.0.11", "192.168.0.11", "192.168.0.20", "192.168.0.21", "192.168.0.23"}));

    const CliProcess::Result added = runOk({"--json", "discover", "--add", "--user", "admin", "--password", "admin"});
    QCOMPARE(added.exitCode, 0);
    QCOMPARE(listed().size(), 5);
    QCOMPARE(listed().at(0).toObject().value("user").toString(), QStringLiteral("admin"));
    // The clocks that took the credentials are listed with their status.
    QHash<QString, bool> took;
    for (const QJsonValue &clock : added.json().object().value("clocks").toArray())
        took.insert(clock.toObject().value("ip").toString(), clock.toObject().value("lastError").toInt() == int(NoError));
    for (const QJsonValue &value : listed()) {
        const QJsonObject clock = value.toObject();
        const bool answered = took.value(clock.value("ip").toString());
        const QByteArray ip = clock.value("ip").toString().toLatin1();
        QVERIFY2(clock.value("lastStatusUpdate").toString().isEmpty() != answered, ip);
        QVERIFY2((clock.value("NtpSynchronization").toInt() == 5) != answered, ip);
    }

    // A second search adds nothing already listed.
    const CliProcess::Result again = runOk({"--json", "discover", "--add", "--user", "admin", "--password", "admin"});
    QCOMPARE(again.exitCode, 0);
    for (const QJsonValue &clock : again.json().object().value("clocks").toArray()) {
        QCOMPARE(clock.toObject().value("listed").toBool(), true);
        QCOMPARE(clock.toObject().value("added").toBool(), false);
    }
    QCOMPARE(listed().size(), 5);
}

// Hall's MAC heard at .41 (clock 1 itself with a new lease, or the twin):
// neither Hall's row nor its stored credentials go there unasked; the move
// is taken only when the user accepts it, and never while the old address
// still answers with that MAC.
void TestCliNetns::moveWaitsForConfirmation()
{
    QFETCH(int, heard);
    QFETCH(QJsonObject, oldAddress);
    QFETCH(QString, unaccepted);
    QFETCH(QString, accepted);
    QFETCH(QString, hallAfter);
    QCOMPARE(runOk({"discover", "--add", "--user", "admin", "--password", "admin"}).exitCode, 0);
    QVERIFY(m_sim.setFaults(1, oldAddress) && m_sim.setFaults(heard, {}));
    QVERIFY2(m_sim.moveClock(heard, QStringLiteral("192.168.0.41")), qPrintable(m_sim.lastError()));
    QVERIFY(runOk({"discover", "--add"}).out.contains("192.168.0.41  QM05   2.10      -      No status available  "
                                                      "wrong password for listed clock"));
    for (const QJsonObject &request : m_sim.httpRequests())
        QVERIFY2(request.value("local").toString() != QLatin1String("192.168.0.41")
                     || !ClockSimControl::requestBytes(request).contains(QByteArray("admin:admin").toBase64()),
                 "the listed clock's credentials went to its unproved new address");
    const auto hallAt = [this] {
        QStringList at;
        for (const QJsonValue &clock : listed()) {
            if (clock.toObject().value("mac").toString() == QLatin1String("02-A7-3C-00-10-02"))
                at << clock.toObject().value("ip").toString() + ' ' + clock.toObject().value("name").toString();
        }
        return at;
    };
    const CliProcess::Result waiting = runOk({"discover", "--add", "--user", "admin", "--password", "admin"});
    QVERIFY2(waiting.out.contains(unaccepted.toUtf8()), waiting.out);
    QCOMPARE(hallAt(), QStringList{"192.168.0.21 Hall"});
    const CliProcess::Result accepting =
        runOk({"discover", "--add", "--accept-moves", "--user", "admin", "--password", "admin"});
    QCOMPARE(accepting.exitCode, 0);
    QVERIFY2(accepting.out.contains(accepted.toUtf8()), accepting.out);
    QCOMPARE(listed().size(), 5);
    QCOMPARE(hallAt(), QStringList{hallAfter});
}

// Without --user, a listed clock is read with its own stored credentials.
void TestCliNetns::discoverKeepsListedCredentials()
{
    QCOMPARE(runOk({"add", "192.168.0.20", "--user", "admin", "--password", "secret"}).exitCode, 0);
    const CliProcess::Result found = runOk({"--json", "discover", "--add"});
    QCOMPARE(found.exitCode, 0);
    QJsonArray lobby;
    for (const QJsonValue &clock : found.json().object().value("clocks").toArray()) {
        if (clock.toObject().value("ip").toString() == QLatin1String("192.168.0.20"))
            lobby << clock;
    }
    QCOMPARE(lobby.size(), 1);
    compareSubset(lobby.at(0).toObject(), {{"name", "Lobby"}, {"lastError", -1}});
    QVERIFY(m_cli->run({"list", "--csv", "--with-passwords"}).out.contains("192.168.0.20,Lobby,,admin,secret,"));
}

void TestCliNetns::statusPrintsTheRecord()
{
    QCOMPARE(runOk({"add", "192.168.0.20", "--user", "admin", "--password", "secret"}).exitCode, 0);
    const QByteArray stateBefore = m_cli->stateBytes();

    const CliProcess::Result status = runOk({"--json", "status", "192.168.0.20"});
    QCOMPARE(status.exitCode, 0);
    const QJsonObject clock = status.json().object();
    compareSubset(clock, {{"index", 0}, {"ip", "192.168.0.20"}, {"name", "Lobby"}, {"firmware", 305},
                          {"temperature", 21.5}, {"brightness", 40}, {"signalStrength", 1},
                          {"NtpSynchronization", 0}, {"lastNtpServer", "ntp1.example.org"}});
    QVERIFY(!clock.value("lastStatusUpdate").toString().isEmpty());
    QVERIFY2(!status.out.contains("secret"), "the clock password was printed");

    // The listed clock keeps what was read, as after the window's refresh.
    QVERIFY(m_cli->stateBytes() != stateBefore);
    compareSubset(listed().at(0).toObject(), {{"NtpSynchronization", 0}, {"lastNtpServer", "ntp1.example.org"},
                                              {"lastStatusUpdate", clock.value("lastStatusUpdate")}});

    const CliProcess::Result unlisted = runOk({"status", "192.168.0.21", "--user", "admin", "--password", "admin"});
    QCOMPARE(listed().size(), 1);
    QCOMPARE(unlisted.exitCode, 0);
    QVERIFY(QRegularExpression(QStringLiteral("(?m)^name: +Hall$")).match(QString::fromUtf8(unlisted.out)).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("(?m)^firmware: +2\\.10$")).match(QString::fromUtf8(unlisted.out)).hasMatch());
}

void TestCliNetns::interfaceOption()
{
    const QString pc = ClockSimControl::pcAddress();
    QCOMPARE(runOk({"add", "192.168.0.21", "--user", "admin", "--password", "admin", "--interface", pc}).exitCode, 0);
    // As read back from the saved device list.
    compareSubset(listed().at(0).toObject().value("NetworkCardData").toObject(),
                  {{"ip", pc}, {"netmask", "255.255.255.0"}, {"subnet", "192.168.0.0"}});
    QCOMPARE(runOk({"status", "192.168.0.21"}).exitCode, 0);
    QVERIFY(m_sim.httpRequests().constLast().value("peer").toString().startsWith(pc + QLatin1Char(':')));

    const QByteArray stored = m_cli->stateBytes();
    for (const QStringList &arguments : {QStringList{"status", "192.168.0.21", "--interface", "10.9.9.9"},
                                         QStringList{"add", "192.168.0.30", "--interface", "10.9.9.9"}}) {
        const CliProcess::Result result = m_cli->run(arguments);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.err, QByteArray("No local network interface has the address 10.9.9.9.\n"));
    }
    QCOMPARE(m_cli->stateBytes(), stored);
}

void TestCliNetns::failingClock()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, silentClock);
    QFETCH(QString, message);

    if (silentClock >= 0)
        QVERIFY(m_sim.setFaults(silentClock, QJsonObject{{"silent", true}}));
    const CliProcess::Result result = m_cli->run(QStringList{"--json"} + arguments);
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(QString::fromUtf8(result.err), message + QLatin1Char('\n'));
    QCOMPARE(result.out, QByteArray());
    QVERIFY(!QFile::exists(m_cli->filePath("never.qlxztc")));
}

void TestCliNetns::configGetThenSetCopiesExactly()
{
    const QString source = m_cli->filePath("lobby.qlxztc");
    const QString before = m_cli->filePath("hall-before.qlxztc");
    const QString after = m_cli->filePath("hall-after.qlxztc");
    QCOMPARE(runOk({"add", "192.168.0.21", "--user", "admin", "--password", "admin"}).exitCode, 0);

    const CliProcess::Result got =
        runOk({"config", "get", "192.168.0.20", "-o", source, "--user", "admin", "--password", "secret"});
    QCOMPARE(got.exitCode, 0);
    QCOMPARE(QString::fromUtf8(got.out), QStringLiteral("Clock 192.168.0.20 configuration downloaded: %1\n").arg(source));
    QCOMPARE(runOk({"config", "get", "192.168.0.21", "-o", before}).exitCode, 0);

    const QByteArray sourceBytes = TestFiles::read(source);
    QVERIFY2(sourceBytes != TestFiles::read(before), "the two clocks started alike; the copy would prove nothing");
    QVERIFY(sourceBytes.contains("Server1=\"ntp1.example.org\""));

    const CliProcess::Result set = runOk({"--json", "config", "set", source, "192.168.0.21"});
    QCOMPARE(set.exitCode, 0);
    QCOMPARE(set.json().object().value("results").toArray(),
             QJsonArray({QJsonObject{{"ip", "192.168.0.21"}, {"succeeded", true}}}));

    QCOMPARE(runOk({"config", "get", "192.168.0.21", "-o", after}).exitCode, 0);
    QCOMPARE(TestFiles::read(after), sourceBytes);
}

void TestCliNetns::configSetReportsEveryClock()
{
    const QString file = m_cli->filePath("hall.qlxztc");
    QCOMPARE(runOk({"config", "get", "192.168.0.21", "-o", file, "--user", "admin", "--password", "admin"}).exitCode, 0);

    const CliProcess::Result partly =
        m_cli->run({"--json", "config", "set", file, "192.168.0.21", "192.168.0.22", "--user", "admin",
                    "--password", "admin"});
    QCOMPARE(partly.exitCode, 1);
    QCOMPARE(partly.json().object().value("results").toArray(),
             QJsonArray({QJsonObject{{"ip", "192.168.0.21"}, {"succeeded", true}},
                         QJsonObject{{"ip", "192.168.0.22"}, {"succeeded", false}, {"reason", "connection refused"}}}));
    QCOMPARE(QString::fromUtf8(partly.err), QStringLiteral("The configuration did not reach 1 of 2 clocks.\n"));

    const CliProcess::Result none =
        m_cli->run({"config", "set", file, "192.168.0.22", "--user", "admin", "--password", "admin"});
    QCOMPARE(none.exitCode, 1);
    QVERIFY2(none.err.startsWith("An error occurred: "), none.err);
    QVERIFY2(none.out.contains("192.168.0.22  failed"), none.out);
}

// A half-read download saves no file; a file that is not whole or would
// break the request is sent to no clock.
void TestCliNetns::refusedBeforeAnythingIsWritten()
{
    QFETCH(QString, command);
    QFETCH(QJsonObject, faults);
    QFETCH(QString, server2);
    QFETCH(QString, err);
    QVERIFY2(faults.isEmpty() || m_sim.setFaults(1, faults), qPrintable(m_sim.lastError()));
    const QString file = m_cli->filePath("refused.qlxztc");
    QStringList arguments = {"config", "get", "192.168.0.21", "-o", file};
    if (command == "set") {
        ClockConfig config;
        config.loaded = true;
        config.Server2 = server2;
        QVERIFY(ConfigurationFiles::saveConfiguration(file, config));
        arguments = QStringList{"config", "set", file, "192.168.0.21"};
    }
    const CliProcess::Result result = m_cli->run(arguments + QStringList{"--user", "admin", "--password", "admin"});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(QString::fromUtf8(result.err), err + QLatin1Char('\n'));
    if (command == "get")
        QVERIFY2(!QFile::exists(file), "a file of defaults would pass for the clock's configuration");
    else
        QVERIFY(m_sim.httpRequests().isEmpty());
}

void TestCliNetns::renameClock()
{
    QFETCH(QStringList, command);
    QFETCH(QByteArray, sent);

    const CliProcess::Result result = m_cli->run(command + QStringList{"--user", "admin", "--password", "admin"});
    const bool refused = m_sim.httpRequests().isEmpty();
    QCOMPARE(result.exitCode, refused ? 1 : 0);
    QCOMPARE(refused ? result.err.trimmed() : lastBody("/D"), sent);
}

// The settings sent start from the listed record (or the factory's), go to
// where the clock is, and the saved list follows it.
void TestCliNetns::network()
{
    QFETCH(bool, onList);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, sent);
    QFETCH(QString, listedAt);
    if (onList)
        QCOMPARE(runOk({"add", "192.168.0.21", "--user", "admin", "--password", "admin"}).exitCode, 0);
    QCOMPARE(runOk(QStringList{"--json", "network", "192.168.0.21"} + arguments).exitCode, 0);
    QCOMPARE(lastBody("/D0"), sent);
    QCOMPARE(m_sim.httpRequests().constLast().value("local").toString(), QStringLiteral("192.168.0.21"));
    QVERIFY2(onList == QFile::exists(m_cli->stateFilePath()), "a clock not on the list was added to it");
    if (onList) {
        QCOMPARE(runOk({"--json", "status", listedAt}).json().object().value("name").toString(), QStringLiteral("Hall"));
        compareSubset(listed().at(0).toObject(), {{"ip", listedAt}, {"dnsSecondary", "9.9.9.9"}});
    }
}

void TestCliNetns::passwordChange()
{
    QCOMPARE(runOk({"add", "192.168.0.21", "--user", "admin", "--password", "admin"}).exitCode, 0);
    // A refused change leaves the listed password as it was.
    QVERIFY(m_sim.setFaults(1, QJsonObject{{"status", 500}, {"paths", QJsonArray{"/D2"}}}));
    QCOMPARE(m_cli->run({"password", "192.168.0.21", "--old", "admin", "--new", "n3w!"}).exitCode, 1);
    QVERIFY(m_sim.setFaults(1, QJsonObject()));
    QCOMPARE(runOk({"status", "192.168.0.21"}).exitCode, 0);

    const CliProcess::Result changed = runOk({"password", "192.168.0.21", "--old", "admin", "--new", "n3w!"});
    QCOMPARE(changed.exitCode, 0);
    QCOMPARE(changed.out, QByteArray("Password changed successfully.\n"));
    QCOMPARE(lastBody("/D2"), QByteArray("passchange=admin%21n3w!%21"));
    // The saved record now authenticates with the new password.
    QCOMPARE(runOk({"status", "192.168.0.21"}).exitCode, 0);
    const CliProcess::Result old = m_cli->run({"status", "192.168.0.21", "--user", "admin", "--password", "admin"});
    QCOMPARE(old.exitCode, 1);
    QCOMPARE(old.err, QByteArray("An error occurred: Authorization error (wrong user name or password)\n"));
}

void TestCliNetns::operatorChangesInHistory()
{
    QFETCH(QStringList, command);
    QFETCH(QString, operation);
    QFETCH(QString, field);
    QFETCH(QString, after);
    QFETCH(bool, done);
    const QString file = m_cli->filePath("hall.qlxztc");
    QCOMPARE(runOk({"add", "192.168.0.21", "--user", "admin", "--password", "admin"}).exitCode, 0);
    QCOMPARE(runOk({"config", "get", "192.168.0.21", "-o", file}).exitCode, 0);
    QCOMPARE(runOk({"mute", "192.168.0.21"}).exitCode, 0);
    command.replaceInStrings(QStringLiteral("@FILE"), file);
    QCOMPARE(m_cli->run(command).exitCode, done ? 0 : 1);

    QCOMPARE(runOk({"--json", "events"}).json()["events"].toArray().size(), 2);
    const QJsonArray changes = runOk({"--json", "events", "--changes"}).json()["events"].toArray();
    QCOMPARE(changes.size(), 1);
    const QJsonObject change = changes.at(0)["change"].toObject();
    QCOMPARE(changes.at(0)["kind"].toString(), QStringLiteral("changed"));
    QCOMPARE(change["operation"].toString(), operation);
    QCOMPARE(change["user"].toString(), OperatorRecorder::currentUser());
    QCOMPARE(change["host"].toString(), QSysInfo::machineHostName());
    QCOMPARE(change["outcome"].toString(), done ? QStringLiteral("done") : QStringLiteral("failed"));
    QCOMPARE(change["reason"].toString().isEmpty(), done);
    QCOMPARE(change["fields"][0]["field"].toString(), field);
    QCOMPARE(change["fields"][0]["after"].toString(), after);
    // Not in the history's files in any form.
    QDirIterator files(m_cli->homePath(), {QStringLiteral("events.sqlite*")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        QVERIFY2(!TestFiles::read(files.next()).contains("n3w"), qPrintable(files.filePath()));
}

void TestCliNetns::credentials()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QFETCH(QString, kept);

    QCOMPARE(runOk({"add", "192.168.0.20", "--user", "admin", "--password", "admin"}).exitCode, 0);
    const CliProcess::Result result = m_cli->run(arguments, {input, {}, {}});
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(QString::fromUtf8(result.err).section(QLatin1Char('\n'), 0, 0), error);
    const QString plan = QString::fromUtf8(runOk({"list", "--csv", "--with-passwords"}).out);
    QCOMPARE(plan.section(QLatin1Char('\n'), 1, 1).section(QLatin1Char(','), 3, 4), kept);
}

void TestCliNetns::resolveConflicts()
{
    // Listed first: their rows follow them to their new addresses and MACs.
    QCOMPARE(runOk({"discover", "--add", "--user", "admin", "--password", "admin"}).exitCode, 0);
    const CliProcess::Result resolved = runOk({"--json", "resolve-conflicts", "--user", "admin", "--password",
                                               "admin", "--first-ip", "192.168.0.30", "--pause-ms", "0"});
    QCOMPARE(resolved.exitCode, 0);
    QCOMPARE(resolved.json().object().value("changed").toInt(), 2);

    QStringList readdressed;
    for (int i : {4, 5})
        readdressed << m_sim.clock(i).value("ip").toString() + ' ' + m_sim.clock(i).value("mac").toString();
    readdressed.sort();
    QCOMPARE(readdressed, QStringList({"192.168.0.30 02-A7-3C-DC-00-00", "192.168.0.31 02-A7-3C-DC-00-01"}));
    const QByteArray plan = runOk({"list", "--csv"}).out;
    QVERIFY2(plan.contains("192.168.0.30,Fresh one,,admin,,02-A7-3C-DC-00-0") && !plan.contains("192.168.0.11"), plan);
    // A later search finds them as listed.
    QCOMPARE(runOk({"discover", "--add", "--user", "admin", "--password", "admin"}).exitCode, 0);
    QCOMPARE(listed().size(), 5);

    const CliProcess::Result again =
        runOk({"resolve-conflicts", "--user", "admin", "--password", "admin", "--pause-ms", "0"});
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(again.out, QByteArray("No devices were found.\n"));
}

void TestCliNetns::resolveConflictsPartly()
{
    QFETCH(QString, firstIp);
    QFETCH(bool, secondRefuses);
    QFETCH(QByteArray, why);
    if (secondRefuses)
        QVERIFY2(m_sim.setFaults(5, QJsonObject{{"wrongCredentials", true}}), qPrintable(m_sim.lastError()));
    const CliProcess::Result resolved = m_cli->run({"resolve-conflicts", "--user", "admin", "--password", "admin",
                                                    "--first-ip", firstIp, "--pause-ms", "0"});
    QCOMPARE(resolved.exitCode, 1);
    QCOMPARE(resolved.out, QByteArray("MAC and IP address changed for 1 clock(s) out of 2 device(s) found.\n"));
    QCOMPARE(resolved.err, why);
    QCOMPARE(m_sim.clock(5).value("ip").toString(), QStringLiteral("192.168.0.11"));
}

// One run of the monitor as an operator leaves it: a line per poll, the
// report it writes at once, the device list saved on its timer, an alert
// mailed after six failed polls of the clock that refuses connections (about
// a minute), and the list saved once more on SIGTERM.
void TestCliNetns::monitorRunsItsSchedules()
{
    SmtpServerProcess server;
    QVERIFY(server.start(QStringLiteral("plain"), QString()));
    NotificationSettings settings;
    settings.server = QStringLiteral("127.0.0.1");
    settings.port = server.port();
    settings.from = QStringLiteral("zentick@example.org");
    settings.smtpType = 2; // no encryption
    settings.authType = 0; // no AUTH
    settings.errorConnection = true;
    settings.recipients = {{QStringLiteral("ops@example.org"), false}};
    DevClock lobby;
    lobby.network.ip = QStringLiteral("192.168.0.20");
    lobby.user = QStringLiteral("admin");
    lobby.password = QStringLiteral("secret");
    DevClock refusing;
    refusing.name = QStringLiteral("Back door");
    refusing.network.ip = QStringLiteral("192.168.0.22");
    QVERIFY(QDir().mkpath(QFileInfo(m_cli->stateFilePath()).path()));
    QVERIFY(StateFile::save(m_cli->stateFilePath(), {&lobby, &refusing}, {}, settings));
    const QString report = m_cli->filePath("report.xlsx");
    const QString ini = m_cli->homePath() + QStringLiteral("/config/QLX Devices/Zentick.ini");
    QVERIFY(QDir().mkpath(QFileInfo(ini).path()));
    QVERIFY(TestFiles::write(ini, "[Report]\nenabled=true\nfilepath=" + report.toUtf8() + "\ninterval=0\n"));

    QProcess monitor;
    m_cli->start(monitor, {"--json", "monitor", "--save-interval", "1"});
    QVERIFY(monitor.waitForStarted());
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += monitor.readAllStandardOutput()).count('\n') >= 2, 60000);
    QHash<QString, QJsonObject> lines;
    for (const QByteArray &line : output.split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        QVERIFY2(line.isEmpty() || object.keys() == QStringList({"NtpSynchronization", "ip", "name", "status", "time"}),
                 line);
        lines.insert(object.value("ip").toString(), object);
    }
    compareSubset(lines.value("192.168.0.22"),
                  {{"name", "Back door"}, {"NtpSynchronization", 3}, {"status", "Connection error"}});
    QVERIFY(lines.value("192.168.0.20").value("status").toString().startsWith(
        QStringLiteral("Synchronized: ntp1.example.org; Last synchronization time: ")));
    // An enabled report runs at start-up, as the window's does.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(report).size() > 0, 60000);
    QTRY_VERIFY_WITH_TIMEOUT(m_cli->stateBytes().contains("NtpSynchronization=\"3\""), 60000);
    QVERIFY(server.waitForMessages(1, 180000));
    const SmtpServerProcess::Message mail = server.messages().constFirst();
    QCOMPARE(mail.recipients, QStringList{"ops@example.org"});
    QVERIFY2(mail.data.contains("Subject: QLX Zentick alert: Back door IP: 192.168.0.22"), mail.data);
    QVERIFY2(mail.data.contains("Error code: Connection error"), mail.data);

    const QString findings = QFileInfo(m_cli->stateFilePath()).path() + QStringLiteral("/audit-findings.json");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(findings), 60000);
    monitor.terminate(); // SIGTERM
    QVERIFY(monitor.waitForFinished(30000));
    QCOMPARE(monitor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(monitor.exitCode(), 0);
    QVERIFY2(monitor.readAllStandardError().contains("device list saved"), "no word of the save");
    const QJsonArray saved = listed();
    compareSubset(saved.at(0).toObject(), {{"NtpSynchronization", 0}, {"temperature", 21.5}});
    // Audited at start-up: the findings are kept, privately, for `list`.
    QCOMPARE(QFile::permissions(findings) & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());
    const QJsonArray unreachable = saved.at(1).toObject().value("auditFindings").toArray();
    QCOMPARE(unreachable.size(), 1);
    compareSubset(unreachable.at(0).toObject(), {{"severity", "critical"}, {"kind", "unreachable"}});
    QVERIFY(!saved.at(0).toObject().value("lastStatusUpdate").toString().isEmpty());
    QVERIFY(QRegularExpression(QStringLiteral("\nlastSaveTime=\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\n"))
                .match(QString::fromUtf8(TestFiles::read(ini))).hasMatch());
}

// The list as a plan and back: clocks sharing the factory address told apart
// by MAC, hostile groups, names and passwords, byte for byte.
void TestCliNetns::planRoundTripsWithSharedAddresses()
{
    QCOMPARE(runOk({"discover", "--add", "--user", "admin", "--password", "admin"}).exitCode, 0);
    QCOMPARE(runOk({"name", "192.168.0.21", "@Hall"}).exitCode, 0);
    // The listed record takes the new name at once, not at the next read.
    QVERIFY(runOk({"list", "--csv"}).out.contains("192.168.0.21,'@Hall,"));
    QCOMPARE(runOk({"add", "192.168.0.99", "--user", "-2+3", "--password", "pa\tss&x=1"}).exitCode, 0);
    // Names the list may hold though no clock could be given them.
    const QString named = m_cli->filePath("named.csv");
    QVERIFY(TestFiles::write(named, "ip,name,mac\n192.168.0.98,\"R&D=1\nEast\",02-A7-3C-00-10-98\n"));
    QCOMPARE(m_cli->run({"import", named}).exitCode, 1); // nothing answers there
    const QString groups = m_cli->filePath("groups.csv");
    QVERIFY(TestFiles::write(groups, "ip,group,mac\n192.168.0.11,\"'=HYPERLINK(\"\"http://x\"\")\",02-A7-3C-00-10-05\n"
                                     "192.168.0.11,@SUM(1+1),02-a7-3c-00-10-06\n192.168.0.21,-2+3,\n"));
    const CliProcess::Result grouped = runOk({"import", groups, "--user", "admin", "--password", "admin"});
    QVERIFY2(grouped.exitCode == 0, grouped.out + grouped.err);
    QVERIFY2(grouped.out.contains("another clock (02-A7-3C-00-10-05) answers at this address"), grouped.out);

    const QString exported = m_cli->filePath("export.csv");
    QCOMPARE(runOk({"list", "--csv", "--with-passwords", "-o", exported}).exitCode, 0);
    const QByteArray bytes = TestFiles::read(exported);
    for (const char *row : {",\"'=HYPERLINK(\"\"http://x\"\")\",admin,admin,02-A7-3C-00-10-05\n",
                            ",'@SUM(1+1),admin,admin,02-A7-3C-00-10-06\n", "192.168.0.21,'@Hall,'-2+3,admin,admin,",
                            "192.168.0.99,Clock,,'-2+3,pa\tss&x=1,\n"})
        QVERIFY2(bytes.contains(row), bytes + "\nlacks\n" + row);
    // Into an empty list: wrong passwords (.20, .23) and no answer (.98,
    // .99) are reported and kept as the plan says.
    QVERIFY(QFile::remove(m_cli->stateFilePath()));
    const CliProcess::Result again = m_cli->run({"import", exported});
    QVERIFY2(again.exitCode == 1, again.out + again.err);
    QCOMPARE(runOk({"list", "--csv", "--with-passwords"}).out, bytes);
}

QTEST_GUILESS_MAIN(TestCliNetns)
#include "tst_cli_netns.moc"
