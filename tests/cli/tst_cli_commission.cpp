#include "tests/netns/ClockSimControl.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestRows.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <memory>

namespace {

const QString rows = QStringLiteral("cli/commission.rows");
const int planSize = 40;
// Clocks of plan.json whose password is "other".
const QList<int> otherPassword = {7, 23};

// The plan of the site: names of its own, four floors, the password only
// where it is not the one given on the command line.
QByteArray plan(bool withAllPasswords, bool withOtherPasswords)
{
    QByteArray text = "ip,name,group,user,password\n";
    for (int i = 0; i < planSize; ++i) {
        const bool other = otherPassword.contains(i);
        const QByteArray password = other ? (withOtherPasswords ? "other" : "") : (withAllPasswords ? "admin" : "");
        text += "192.168.0." + QByteArray::number(20 + i) + ",Office " + QByteArray::number(i + 1) + ",Floor "
            + QByteArray::number(i / 10 + 1) + ",admin," + password + '\n';
    }
    return text;
}

} // namespace

// Commissioning from the command line, with discovery switched off in the
// simulator so that only direct requests find clocks: a plan with groups and
// names, its export, the exit status and every kind of bad input.
class TestCliCommission : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void planWithGroupsAndNames();
    void badInput_data() { TestRows::add(rows); }
    void badInput();
    void exitStatus_data() { TestRows::add(rows); }
    void exitStatus();
    void stopKeepsTheClocksFound();
    void planCredentials_data() { TestRows::add(rows); }
    void planCredentials();

private:
    static QJsonArray results(const CliProcess::Result &result)
    {
        return result.json().object().value("results").toArray();
    }
    // What became of each address, in the order of the run.
    static QStringList outcomes(const CliProcess::Result &result)
    {
        QStringList outcomes;
        for (const QJsonValue &value : results(result))
            outcomes << value.toObject().value("result").toString();
        return outcomes;
    }

    ClockSimControl m_sim;
    std::unique_ptr<CliProcess> m_cli;
};

void TestCliCommission::initTestCase()
{
    QVERIFY2(m_sim.isAvailable(), "run through tests/netns/netns-run.sh");
    QVERIFY2(QFile::exists(CliProcess::executable()), qPrintable(CliProcess::executable()));
}

void TestCliCommission::init()
{
    QVERIFY2(m_sim.reset(), qPrintable(m_sim.lastError()));
    QVERIFY2(m_sim.clearLog(), qPrintable(m_sim.lastError()));
    m_cli = std::make_unique<CliProcess>();
    QVERIFY(m_cli->isValid());
}

void TestCliCommission::planWithGroupsAndNames()
{
    const QString path = m_cli->filePath("site.csv");
    QVERIFY(TestFiles::write(path, plan(false, true)));

    // Without --rename the clocks keep their names; the groups are made.
    const CliProcess::Result first = m_cli->run({"--json", "import", path, "--password", "admin"});
    QCOMPARE(first.exitCode, 0);
    const QStringList added = outcomes(first);
    QVERIFY2(added.size() == planSize && added.count("added") == planSize, qPrintable(added.join(',')));
    const QJsonObject list = m_cli->run({"--json", "list"}).json().object();
    QStringList groups;
    for (const QJsonValue &group : list.value("groups").toArray())
        groups << group.toObject().value("name").toString() + QLatin1Char(':')
                + QString::number(group.toObject().value("clockIndexes").toArray().size());
    QCOMPARE(groups, QStringList({"Floor 1:10", "Floor 2:10", "Floor 3:10", "Floor 4:10"}));
    QCOMPARE(list.value("clocks").toArray().at(7).toObject().value("name").toString(), QStringLiteral("Room 8"));
    // Each address asked once without credentials, then "/F", "/D" and "/T1".
    QCOMPARE(m_sim.httpRequests().size(), 4 * planSize);

    // With --rename the clocks take the plan's names, on the clock and on the list.
    const CliProcess::Result renamed = m_cli->run({"--json", "import", path, "--password", "admin", "--rename"});
    QCOMPARE(renamed.exitCode, 0);
    for (const QJsonValue &result : results(renamed)) {
        QCOMPARE(result.toObject().value("result").toString(), QStringLiteral("alreadyListed"));
        QCOMPARE(result.toObject().value("renamed").toBool(), true);
    }
    QCOMPARE(m_sim.clock(23).value("name").toString(), QStringLiteral("Office 24"));

    // The export is the plan again, with each clock's MAC: without passwords,
    // or with those that work.
    const auto withMacs = [this](const QByteArray &text) {
        QList<QByteArray> lines = text.split('\n');
        lines[0] += ",mac";
        for (int i = 1; i <= planSize; ++i)
            lines[i] += ',' + m_sim.clock(i - 1).value("mac").toString().toLatin1();
        return lines.join('\n');
    };
    QCOMPARE(m_cli->run({"list", "--csv"}).out, withMacs(plan(false, false)));
    QCOMPARE(m_cli->run({"list", "--csv", "--with-passwords"}).out, withMacs(plan(true, true)));
    // A second import of the same plan changes nothing.
    // (The state file's size is no measure: the clocks' status values change between reads.)
    QCOMPARE(m_cli->run({"import", path, "--password", "admin", "--rename"}).exitCode, 0);
    QCOMPARE(m_cli->run({"list", "--csv"}).out, withMacs(plan(false, false)));
    QCOMPARE(m_cli->run({"--json", "list"}).json().object().value("clocks").toArray().size(), planSize);
}

void TestCliCommission::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(QString, message);

    QCOMPARE(m_cli->run({"add", "192.168.0.20", "--user", "admin", "--password", "admin"}).exitCode, 0);
    const QByteArray before = m_cli->stateBytes();
    const QString path = m_cli->filePath("plan.csv");
    QVERIFY(file.isNull() || TestFiles::write(path, file.toLatin1()));
    arguments.replaceInStrings(QStringLiteral("PLAN"), path);

    const CliProcess::Result result = m_cli->run(arguments);
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(QString::fromUtf8(result.err), QString(message).replace(QStringLiteral("PLAN"), path) + QLatin1Char('\n'));
    QCOMPARE(result.out, QByteArray());
    QVERIFY(m_sim.httpRequests().isEmpty());
    QCOMPARE(m_cli->stateBytes(), before);
}

void TestCliCommission::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, results);

    const CliProcess::Result result =
        m_cli->run(QStringList{"--json"} + arguments + QStringList{"--user", "admin", "--password", "admin"});
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(outcomes(result), results);
}

// Stopped while probes wait for empty addresses (.100 on holds nothing), the
// run saves the clocks it found and ends normally once those waits are over.
void TestCliCommission::stopKeepsTheClocksFound()
{
    QProcess process;
    m_cli->start(process, {"--json", "add-range", "192.168.0.20-192.168.0.254", "--user", "admin", "--password",
                           "admin"});
    QVERIFY(process.waitForStarted());
    // Every clock asked: four requests each, two where the password is refused.
    const int requests = 4 * (planSize - otherPassword.size()) + 2 * otherPassword.size();
    QTRY_VERIFY_WITH_TIMEOUT(m_sim.httpRequests().size() >= requests, 30000);
    process.terminate();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().startsWith("Stopped by signal 15 after "));
    const QJsonObject report = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    QCOMPARE(report.value("complete").toBool(), false);
    int added = 0;
    for (const QJsonValue &result : report.value("results").toArray())
        added += result.toObject().value("result").toString() == QLatin1String("added") ? 1 : 0;
    QCOMPARE(added, planSize - otherPassword.size());
    QCOMPARE(m_cli->run({"--json", "list"}).json().object().value("clocks").toArray().size(), added);
}

void TestCliCommission::planCredentials()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, results);

    QCOMPARE(m_cli->run({"add", "192.168.0.27", "--user", "admin", "--password", "other"}).exitCode, 0);
    const QString path = m_cli->filePath("plan.csv");
    QVERIFY(TestFiles::write(path, "ip,name,group\n192.168.0.26,Desk,Hall\n192.168.0.27,Door,Hall\n"
                                   "192.168.0.100,Boiler,Cellar\n"));
    const CliProcess::Result result = m_cli->run(QStringList{"--json", "import", path} + arguments);
    QTEST(result.exitCode, "exitCode");
    QCOMPARE(outcomes(result), results);
    QTEST(QString::fromUtf8(m_cli->run({"list", "--csv", "--with-passwords"}).out), "list");
}

QTEST_GUILESS_MAIN(TestCliCommission)
#include "tst_cli_commission.moc"
