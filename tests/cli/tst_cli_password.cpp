#include "model/AddressPlan.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "notify/NotificationSettings.h"
#include "operations/change/NewPasswords.h"
#include "persistence/StateFile.h"
#include "tests/cli/CliProcess.h"
#include "tests/netns/ClockSimControl.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRows.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QtTest>

#include <memory>

// zentick-cli password for many clocks against tests/cli/data/password.json:
// clocks 0..3 in group "Hall", all listed with admin/admin; clock 4 listed so
// too, but given another password by hand.
class TestCliPassword : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void rotationWithRefusals_data() { TestRows::add(QStringLiteral("cli/password.rows")); }
    void rotationWithRefusals();
    void generatedPasswordsGoOnlyToTheirFile();
    void newFileGivesOneForAllOrOnePerClock();

private:
    static constexpr int fleetSize = 5;
    static QString ip(int clock) { return QStringLiteral("192.168.0.%1").arg(20 + clock); }
    static QString original(int clock) { return clock == 4 ? QStringLiteral("changed-by-hand") : QStringLiteral("admin"); }
    // The passwords the device list keeps, by address.
    QHash<QString, QString> stored() const;
    int passwordCommandsSent() const;

    ClockSimControl m_sim;
    std::unique_ptr<CliProcess> m_cli;
};

void TestCliPassword::initTestCase()
{
    QVERIFY2(m_sim.isAvailable(), "run through tests/netns/netns-run.sh");
}

void TestCliPassword::init()
{
    QVERIFY2(m_sim.reset() && m_sim.clearLog(), qPrintable(m_sim.lastError()));
    m_cli = std::make_unique<CliProcess>();
    DevClock clocks[fleetSize];
    QList<DevClock *> list;
    for (DevClock &clock : clocks) {
        clock.network.ip = ip(list.size());
        clock.name = QStringLiteral("Clock %1").arg(list.size());
        clock.user = clock.password = QStringLiteral("admin");
        list << &clock;
    }
    DevGroup hall;
    hall.setName("Hall");
    hall.setClockIndexes({0, 1, 2, 3});
    QVERIFY(QDir().mkpath(QFileInfo(m_cli->stateFilePath()).path()));
    QVERIFY(StateFile::save(m_cli->stateFilePath(), list, {&hall}, NotificationSettings()));
}

QHash<QString, QString> TestCliPassword::stored() const
{
    const CliProcess::Result listed = m_cli->run({"list", "--csv", "--with-passwords"});
    QHash<QString, QString> passwords;
    for (const PlanRow &row : AddressPlan::parse(listed.out).rows)
        passwords.insert(row.ip, row.password);
    return passwords;
}

int TestCliPassword::passwordCommandsSent() const
{
    int sent = 0;
    for (const QJsonObject &request : m_sim.httpRequests())
        sent += request.value("path").toString() == "/D2" ? 1 : 0;
    return sent;
}

void TestCliPassword::rotationWithRefusals()
{
    QFETCH(QList<int>, clocks);
    QFETCH(QJsonObject, faults);
    QFETCH(QStringList, options);
    QFETCH(QStringList, states);
    QFETCH(QStringList, now);
    QFETCH(int, exitCode);
    for (auto it = faults.begin(); it != faults.end(); ++it)
        QVERIFY(m_sim.setFaults(it.key().toInt(), it.value().toObject()));
    QStringList arguments{"--json", "password", "--yes"};
    for (int clock : clocks)
        arguments << ip(clock);
    const CliProcess::Result result = m_cli->run(arguments + options);
    QCOMPARE(result.exitCode, exitCode);
    QStringList found;
    for (const QJsonValue clock : result.json()["clocks"].toArray())
        found << clock["state"].toString();
    QCOMPARE(found, states);

    // What each clock answers to now is what the list keeps for it.
    const QString fresh = options.at(options.indexOf("--new") + 1);
    const QHash<QString, QString> kept = stored();
    QStringList expected;
    for (int i = 0; i < clocks.size(); ++i) {
        const int clock = clocks.at(i);
        const QString password = now.at(i) == "new" ? fresh : original(clock);
        QCOMPARE(m_sim.clock(clock)["password"].toString(), password);
        QCOMPARE(kept.value(ip(clock)), now.at(i) == "new" ? fresh : QStringLiteral("admin"));
        if (states.at(i) != "stopped")
            expected << ip(clock) + (states.at(i) == "verified" ? " done" : " failed");
    }

    // Each clock sent to is in the history with the run and the outcome, never the password.
    const CliProcess::Result journal = m_cli->run({"--json", "events", "--changes"});
    QVERIFY(!journal.out.contains(fresh.toUtf8()));
    QStringList recorded;
    for (const QJsonValue event : journal.json()["events"].toArray()) {
        const QJsonObject change = event["change"].toObject();
        QCOMPARE(change["operation"].toString(), QStringLiteral("password"));
        QCOMPARE(change["run"].toString(), result.json()["id"].toString());
        QVERIFY(change["fields"].toArray().isEmpty());
        recorded << event["ip"].toString() + ' ' + change["outcome"].toString();
    }
    recorded.sort();
    expected.sort();
    QCOMPARE(recorded, expected);
}

void TestCliPassword::generatedPasswordsGoOnlyToTheirFile()
{
    const QString file = m_cli->filePath("hall-passwords.csv");
    const CliProcess::Result result =
        m_cli->run({"password", "--group", "Hall", "--generate", "-o", file, "--yes", "--wave", "3"});
    QVERIFY2(result.exitCode == 0, result.err + result.out);
    QCOMPARE(QFileInfo(file).permissions(),
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
    const NewPasswords::Parsed written = NewPasswords::parse(TestFiles::read(file));
    QCOMPARE(written.addresses, QStringList({ip(0), ip(1), ip(2), ip(3)}));
    const QByteArray history = m_cli->run({"--json", "events", "--changes"}).out;
    const QHash<QString, QString> kept = stored();
    QSet<QString> distinct;
    for (int clock = 0; clock < 4; ++clock) {
        const QString password = written.byAddress.value(ip(clock));
        QVERIFY(QRegularExpression("^[A-Za-z2-9]{16}$").match(password).hasMatch());
        distinct.insert(password);
        QCOMPARE(m_sim.clock(clock)["password"].toString(), password);
        QCOMPARE(kept.value(ip(clock)), password);
        for (const QByteArray &seen : {result.out, result.err, history})
            QVERIFY(!seen.contains(password.toUtf8()));
    }
    QCOMPARE(distinct.size(), 4);
    QCOMPARE(m_sim.clock(4)["password"].toString(), original(4));

    // Never through a link: nothing is sent when the file cannot be written.
    QVERIFY(m_sim.clearLog());
    const QString link = m_cli->filePath("link.csv");
    QVERIFY(QFile::link(m_cli->filePath("elsewhere.csv"), link));
    QCOMPARE(m_cli->run({"password", ip(0), "--generate", "-o", link, "--yes"}).exitCode, 1);
    QVERIFY(!QFileInfo::exists(m_cli->filePath("elsewhere.csv")));
    QCOMPARE(passwordCommandsSent(), 0);
}

void TestCliPassword::newFileGivesOneForAllOrOnePerClock()
{
    // A list alone names the clocks, each with its own password.
    const QString list = m_cli->filePath("list.csv");
    QVERIFY(TestFiles::write(list, "ip;password\r\n" + ip(0).toUtf8() + ";First,1\r\n" + ip(1).toUtf8() + ";Second;2\r\n"));
    CliProcess::Result result = m_cli->run({"password", "--new-file", list, "--yes"});
    QVERIFY2(result.exitCode == 0, result.err + result.out);
    QCOMPARE(m_sim.clock(0)["password"].toString(), QStringLiteral("First,1"));
    QCOMPARE(m_sim.clock(1)["password"].toString(), QStringLiteral("Second;2"));
    QCOMPARE(m_sim.clock(2)["password"].toString(), QStringLiteral("admin"));

    // One line for all; the old passwords are the ones the list now keeps.
    const QString single = m_cli->filePath("single.txt");
    QVERIFY(TestFiles::write(single, "Shared-3\n"));
    result = m_cli->run({"password", ip(0), ip(1), ip(2), "--new-file", single, "--yes", "--wave", "2", "--csv"});
    QVERIFY2(result.exitCode == 0, result.err + result.out);
    QVERIFY2(result.out.startsWith("clock,ip,state,verified,stored,error\nClock 0,192.168.0.20,verified,yes,new,\n"),
             result.out);
    for (int clock = 0; clock < 3; ++clock)
        QCOMPARE(m_sim.clock(clock)["password"].toString(), QStringLiteral("Shared-3"));

    // A clock the list has no password for, or a dry run: nothing is sent.
    QVERIFY(m_sim.clearLog());
    QCOMPARE(m_cli->run({"password", ip(3), "--new-file", list, "--yes"}).exitCode, 2);
    result = m_cli->run({"--json", "password", "--all", "--new", "Later-4", "--dry-run"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.json()["clocks"].toArray().size(), fleetSize);
    QCOMPARE(passwordCommandsSent(), 0);
}

QTEST_GUILESS_MAIN(TestCliPassword)
#include "tst_cli_password.moc"
