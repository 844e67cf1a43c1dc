#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "notify/NotificationSettings.h"
#include "persistence/ConfigurationFiles.h"
#include "persistence/OperatorRecorder.h"
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

// zentick-cli change against tests/cli/data/change.json: clocks 0..3 in group
// "Hall", whose configuration is clock 0's; 1, 2 and 3 depart from it; 4
// leaves summer time a month late; 5 accepts every configuration and keeps
// its own; 6 answers "/B" with a reply that does not decode.
class TestCliChange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void changesOnlyItsFields_data() { TestRows::add(QStringLiteral("cli/change.rows")); }
    void changesOnlyItsFields();
    void failuresAndTheStopRule_data() { TestRows::add(QStringLiteral("cli/change.rows")); }
    void failuresAndTheStopRule();
    void resumeAfterKillChangesEachClockOnce();
    void alignMakesTheAuditClean();
    void planChoosesItsListedClocks();

private:
    static constexpr int fleetSize = 7;
    static QString ip(int clock) { return QStringLiteral("192.168.0.%1").arg(20 + clock); }
    // The configuration writes each clock received, in order: "/A1", ...
    QVector<QStringList> writes() const;

    ClockSimControl m_sim;
    std::unique_ptr<CliProcess> m_cli;
};

void TestCliChange::initTestCase()
{
    QVERIFY2(m_sim.isAvailable(), "run through tests/netns/netns-run.sh");
}

void TestCliChange::init()
{
    QVERIFY2(m_sim.reset() && m_sim.clearLog(), qPrintable(m_sim.lastError()));
    m_cli = std::make_unique<CliProcess>();
    const QString reference = m_cli->filePath("reference.qlxztc");
    QCOMPARE(m_cli->run({"config", "get", ip(0), "-o", reference, "--user", "admin", "--password", "admin"}).exitCode, 0);
    const std::unique_ptr<ClockConfig> config = ConfigurationFiles::openConfiguration(reference);
    QVERIFY(config);
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
    hall.setConfig(*config);
    QVERIFY(QDir().mkpath(QFileInfo(m_cli->stateFilePath()).path()));
    QVERIFY(StateFile::save(m_cli->stateFilePath(), list, {&hall}, NotificationSettings()));
    QVERIFY(m_sim.clearLog());
}

QVector<QStringList> TestCliChange::writes() const
{
    QVector<QStringList> sent(fleetSize);
    for (const QJsonObject &request : m_sim.httpRequests()) {
        const QString path = request.value("path").toString();
        const int clock = request.value("clock").toInt();
        const bool write = path == "/A1" || path == "/B0" || (path == "/C0" && !request.value("body").toString().isEmpty());
        if (write && clock >= 0 && clock < fleetSize)
            sent[clock] << path;
    }
    return sent;
}

void TestCliChange::changesOnlyItsFields()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, written);
    QFETCH(QJsonObject, changed); // "time.A_005" or "alarms.2.time" -> the clock's value after
    const QJsonArray before = m_sim.clocks();
    const QStringList clocks{ip(0), ip(1), ip(2)};
    const CliProcess::Result result = m_cli->run(QStringList{"--json", "change", "--yes", "--canary", "1", "--wave", "1"}
                                                 + clocks + options);
    QVERIFY2(result.exitCode == 0, result.err);
    const QJsonArray after = m_sim.clocks();
    const QVector<QStringList> sent = writes();
    for (int clock = 0; clock < fleetSize; ++clock) {
        QCOMPARE(sent.at(clock), clock < clocks.size() ? written : QStringList());
        // What the clock holds now is what it held, but for the field changed.
        QJsonObject expected = before.at(clock).toObject();
        for (auto it = changed.begin(); clock < clocks.size() && it != changed.end(); ++it) {
            const QStringList key = it.key().split('.');
            if (key.size() == 2) {
                QJsonObject part = expected.value(key.at(0)).toObject();
                part.insert(key.at(1), it.value());
                expected.insert(key.at(0), part);
            } else {
                QJsonArray alarms = expected.value("alarms").toArray();
                QJsonObject slot = alarms.at(key.at(1).toInt()).toObject();
                slot.insert(key.at(2), it.value());
                alarms[key.at(1).toInt()] = slot;
                expected.insert("alarms", alarms);
            }
        }
        for (const char *part : {"time", "display", "alarms"})
            QVERIFY2(after.at(clock)[part] == expected[part], qPrintable(QStringLiteral("clock %1 %2").arg(clock).arg(part)));
    }
}

void TestCliChange::failuresAndTheStopRule()
{
    QFETCH(QList<int>, clocks);
    QFETCH(QStringList, options);
    QFETCH(QStringList, states);
    QFETCH(int, exitCode);
    QStringList arguments{"--json", "change", "--yes", "--set", "Server1=ntp.change.example"};
    for (int clock : clocks)
        arguments << ip(clock);
    const CliProcess::Result result = m_cli->run(arguments + options);
    QCOMPARE(result.exitCode, exitCode);
    QStringList found;
    for (const QJsonValue clock : result.json()["clocks"].toArray())
        found << clock["state"].toString();
    QCOMPARE(found, states);
    // Nothing goes to a clock that was not read whole or not reached.
    const QVector<QStringList> sent = writes();
    for (int i = 0; i < clocks.size(); ++i) {
        const bool sentTo = states.at(i) == "verified" || states.at(i) == "failed";
        QCOMPARE(sent.at(clocks.at(i)), sentTo ? QStringList{"/A1"} : QStringList());
    }
    if (states.contains("failed"))
        QVERIFY2(result.out.contains("not verified"), result.out);

    // Each clock sent to is in the history: who, the field, the run, the outcome.
    QStringList recorded;
    QStringList expected;
    for (int i = 0; i < clocks.size(); ++i) {
        if (states.at(i) == "verified" || states.at(i) == "failed")
            expected << ip(clocks.at(i)) + (states.at(i) == "verified" ? " done" : " failed");
    }
    const CliProcess::Result journal = m_cli->run({"--json", "events", "--changes"});
    for (const QJsonValue event : journal.json()["events"].toArray()) {
        const QJsonObject change = event["change"].toObject();
        QCOMPARE(change["run"].toString(), result.json()["id"].toString());
        QCOMPARE(change["user"].toString(), OperatorRecorder::currentUser());
        QCOMPARE(change["host"].toString(), QSysInfo::machineHostName());
        QCOMPARE(change["fields"][0]["field"].toString(), QStringLiteral("Server1"));
        QCOMPARE(change["fields"][0]["after"].toString(), QStringLiteral("ntp.change.example"));
        QVERIFY(!change["fields"][0]["before"].toString().isEmpty());
        QCOMPARE(change["outcome"].toString() == "done", change["reason"].toString().isEmpty());
        recorded << event["ip"].toString() + ' ' + change["outcome"].toString();
    }
    recorded.sort();
    expected.sort();
    QCOMPARE(recorded, expected);
}

void TestCliChange::resumeAfterKillChangesEachClockOnce()
{
    // The write lands at once, its answer comes late: killed while waiting.
    for (int clock : {2, 3})
        QVERIFY(m_sim.setFaults(clock, {{"delayMs", 3000}, {"paths", QJsonArray{"/A1"}}}));
    QProcess process;
    m_cli->start(process, {"change", "--yes", "--canary", "1", "--wave", "4", "--set", "Server1=ntp.resume.example",
                           ip(0), ip(1), ip(2), ip(3), ip(4)});
    QVERIFY(process.waitForStarted());
    const QString folder = m_cli->homePath() + "/data/QLX Devices/Zentick/changes";
    QTRY_VERIFY_WITH_TIMEOUT(writes().at(2).size() == 1 && writes().at(3).size() == 1, 20000);
    process.kill();
    process.waitForFinished();
    const QStringList runs = QDir(folder).entryList({"*.json"});
    QCOMPARE(runs.size(), 1);
    QCOMPARE(QFileInfo(folder + '/' + runs.first()).permissions(),
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
    for (int clock : {2, 3})
        QVERIFY(m_sim.setFaults(clock, {}));

    const QString id = QFileInfo(runs.first()).completeBaseName();
    const CliProcess::Result resumed = m_cli->run({"--json", "change", "--resume", id, "--yes"});
    QVERIFY2(resumed.exitCode == 0, resumed.err + resumed.out);
    for (const QJsonValue clock : resumed.json()["clocks"].toArray())
        QCOMPARE(clock["state"].toString(), QStringLiteral("verified"));
    const QVector<QStringList> sent = writes();
    for (int clock = 0; clock < 5; ++clock) {
        QCOMPARE(sent.at(clock), QStringList{"/A1"});
        QCOMPARE(m_sim.clock(clock).value("time").toObject().value("A_005").toString(), QStringLiteral("ntp.resume.example"));
    }
    QCOMPARE(m_cli->run({"change", "--resume", "20261209-000000-0000", "--yes"}).exitCode, 1);
    QCOMPARE(m_cli->run({"change", "--resume", "../../settings", "--yes"}).exitCode, 1);
}

void TestCliChange::alignMakesTheAuditClean()
{
    const QStringList audit{"audit", "--group", "Hall", "--site-zone", "Europe/Warsaw"};
    QCOMPARE(m_cli->run(audit).exitCode, 1);
    const auto changedFields = [](const CliProcess::Result &result) {
        QStringList fields;
        for (const QJsonValue clock : result.json()["clocks"].toArray()) {
            for (const QJsonValue change : clock["changes"].toArray())
                fields << clock["ip"].toString() + ' ' + change["field"].toString();
        }
        return fields;
    };
    // Some fields from the group's file: a whole alarm slot by its name.
    const CliProcess::Result taken = m_cli->run({"--json", "change", ip(2), ip(3), "--from",
                                                 m_cli->filePath("reference.qlxztc"), "--only", "Server1,Alarm3", "--yes"});
    QVERIFY2(taken.exitCode == 0, taken.err);
    QCOMPARE(changedFields(taken), QStringList({ip(2) + " Server1", ip(3) + " Alarm3.Active", ip(3) + " Alarm3.Time"}));
    QVERIFY(m_sim.clearLog());
    const CliProcess::Result planned = m_cli->run({"--json", "change", "--group", "Hall", "--align", "--site-zone", "Europe/Warsaw", "--dry-run"});
    QCOMPARE(planned.exitCode, 0);
    QCOMPARE(changedFields(planned), QStringList({ip(1) + " Alarm5.Active", ip(1) + " Alarm5.Time",
                                                 ip(3) + " QueryInterval", ip(3) + " Brightness"}));
    QVERIFY(writes() == QVector<QStringList>(fleetSize));
    const CliProcess::Result aligned = m_cli->run({"change", "--group", "Hall", "--align", "--site-zone", "Europe/Warsaw", "--yes", "--csv"});
    QVERIFY2(aligned.exitCode == 0, aligned.err);
    QVERIFY2(aligned.out.startsWith("clock,ip,fields,before,after,verified,state,error\n"), aligned.out);
    QCOMPARE(m_cli->run(audit).exitCode, 0);

    // Outside a group, only the daylight-saving rule the site's zone asks for.
    const CliProcess::Result daylight =
        m_cli->run({"--json", "change", ip(4), "--align", "--site-zone", "Europe/Warsaw", "--yes"});
    QVERIFY2(daylight.exitCode == 0, daylight.err);
    QCOMPARE(daylight.json()["clocks"][0]["changes"][0]["field"].toString(), QStringLiteral("Localization"));
    const QJsonArray findings = m_cli->run({"--json", "audit", "--site-zone", "Europe/Warsaw"}).json()["clocks"][4]["findings"].toArray();
    for (const QJsonValue finding : findings)
        QVERIFY2(finding["kind"] != "daylightSaving", qPrintable(finding["reason"].toString()));
}

void TestCliChange::planChoosesItsListedClocks()
{
    // Rows by address, one told apart by its MAC, one of a clock not listed.
    const QString plan = m_cli->filePath("plan.csv");
    QVERIFY(TestFiles::write(plan, "ip;name;mac\n" + ip(3).toUtf8() + ";Drifted;\n192.168.0.99;Spare;\n"
                                       + ip(1).toUtf8() + ";Hall 1;\n"));
    const CliProcess::Result result =
        m_cli->run({"--json", "change", "--plan", plan, ip(5), "--set", "Server1=ntp.plan.example", "--dry-run"});
    QVERIFY2(result.exitCode == 0, result.err);
    QStringList chosen;
    for (const QJsonValue clock : result.json()["clocks"].toArray())
        chosen << clock["ip"].toString();
    QCOMPARE(chosen, QStringList({ip(3), ip(1), ip(5)}));
    QVERIFY2(result.err.contains("rows naming no listed clock, left out (import lists them): 1"), result.err);
    QVERIFY(writes() == QVector<QStringList>(fleetSize));
    QCOMPARE(m_cli->run({"change", "--plan", m_cli->filePath("none.csv"), "--set", "Server1=x", "--dry-run"}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestCliChange)
#include "tst_cli_change.moc"
