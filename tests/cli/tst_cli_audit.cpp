#include "model/ClockRegistry.h"
#include "tests/netns/ClockSimControl.h"
#include "cli/CliOutput.h"
#include "tests/cli/CliProcess.h"
#include "operations/Communication.h"
#include "persistence/ConfigurationFiles.h"
#include "cli/DailyAudit.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "notify/NotificationSettings.h"
#include "tests/notify/SmtpServerProcess.h"
#include "persistence/StateFile.h"
#include "tests/support/TestRows.h"

#include <QBuffer>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

#include <memory>

// zentick-cli audit against the simulated fleet of tests/cli/data/audit.json:
// one clock per planted fault, clocks 0 and 1 in group "Hall" (whose
// configuration is clock 0's), clock 0 alone in group "Quiet". The daily
// audit runs in this process, against a real SMTP server.
class TestCliAudit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void findsWhatWasPlanted_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void findsWhatWasPlanted();
    void choosesClocksAndZone_data() { TestRows::add(QStringLiteral("cli/cli.rows")); }
    void choosesClocksAndZone();
    void minimumFirmware_data() { TestRows::add(QStringLiteral("cli/audit.rows")); }
    void minimumFirmware();
    void dailyMailOnlyWhenChanged();

private:
    const char *const siteZone = "Europe/Warsaw";
    static constexpr int fleetSize = 8;

    ClockSimControl m_sim;
    std::unique_ptr<CliProcess> m_cli;
    QJsonObject m_fleetAudit; // the whole list, once per run
};

namespace {

QString clockIp(int index)
{
    return QStringLiteral("192.168.0.%1").arg(20 + index);
}

// "kind|severity|field" of every finding of one clock.
QStringList findingKeys(const QJsonObject &clock)
{
    QStringList keys;
    for (const QJsonValue &value : clock.value("findings").toArray()) {
        const QJsonObject f = value.toObject();
        keys << f.value("kind").toString() + '|' + f.value("severity").toString() + '|' + f.value("field").toString();
    }
    return keys;
}

} // namespace

void TestCliAudit::initTestCase()
{
    QVERIFY2(m_sim.isAvailable(), "run through tests/netns/netns-run.sh");
    QVERIFY2(QFile::exists(CliProcess::executable()), qPrintable(CliProcess::executable()));
}

void TestCliAudit::init()
{
    QVERIFY2(m_sim.reset(), qPrintable(m_sim.lastError()));
    m_cli = std::make_unique<CliProcess>();
    QVERIFY(m_cli->isValid());

    // The group's configuration is what the reference clock holds.
    const QString reference = m_cli->filePath("reference.qlxztc");
    const CliProcess::Result got =
        m_cli->run({"config", "get", clockIp(0), "-o", reference, "--user", "admin", "--password", "admin"});
    QVERIFY2(got.exitCode == 0, got.err);
    const std::unique_ptr<ClockConfig> config = ConfigurationFiles::openConfiguration(reference);
    QVERIFY(config);

    DevClock clocks[fleetSize];
    QList<DevClock *> list;
    for (DevClock &clock : clocks) {
        clock.network.ip = clockIp(list.size());
        clock.user = clock.password = QStringLiteral("admin");
        list << &clock;
    }
    clocks[0].productCode = clocks[1].productCode = QStringLiteral("QM01");
    clocks[0].firmware = 105;
    DevGroup hall;
    hall.setName("Hall");
    hall.setClockIndexes({0, 1});
    hall.setConfig(*config);
    DevGroup quiet;
    quiet.setName("Quiet");
    quiet.setClockIndexes({0});
    quiet.setConfig(*config);
    QVERIFY(QDir().mkpath(QFileInfo(m_cli->stateFilePath()).path()));
    QVERIFY(StateFile::save(m_cli->stateFilePath(), list, {&hall, &quiet}, NotificationSettings()));
}

void TestCliAudit::findsWhatWasPlanted()
{
    QFETCH(int, clock);
    QFETCH(QStringList, expected);
    QFETCH(QJsonObject, first);
    if (m_fleetAudit.isEmpty()) {
        const CliProcess::Result result = m_cli->run({"--json", "audit", "--site-zone", siteZone});
        QCOMPARE(result.exitCode, 1);
        m_fleetAudit = result.json().object();
        const QJsonObject summary = m_fleetAudit.value("summary").toObject();
        QCOMPARE(summary.value("clocksAudited").toInt(), fleetSize);
        QCOMPARE(summary.value("clocksWithCritical").toInt(), 4);
        QCOMPARE(summary.value("clocksWithWarnings").toInt(), 3);
        // An audit of the whole list is kept for `list`, finding for finding.
        const QJsonArray listed = m_cli->run({"--json", "list"}).json().object().value("clocks").toArray();
        const QJsonArray auditedClocks = m_fleetAudit.value("clocks").toArray();
        for (int i = 0; i < fleetSize; ++i) {
            QCOMPARE(listed.at(i).toObject().value("auditFindings").toArray().size(),
                     auditedClocks.at(i).toObject().value("findings").toArray().size());
        }
    }
    const QJsonObject audited = m_fleetAudit.value("clocks").toArray().at(clock).toObject();
    QCOMPARE(audited.value("ip").toString(), clockIp(clock));
    QCOMPARE(findingKeys(audited), expected);

    const QJsonObject found = audited.value("findings").toArray().at(0).toObject();
    for (auto it = first.begin(); it != first.end(); ++it)
        QVERIFY2(found.value(it.key()) == it.value(), qPrintable(it.key()));
    // Warsaw moves in March, the clock only in April.
    if (clock == 2)
        QCOMPARE(QDateTime::fromString(found.value("at").toString(), Qt::ISODate).date().month(), 3);
}

void TestCliAudit::choosesClocksAndZone()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(int, audited);
    QStringList zone;
    if (!arguments.contains("--site-zone"))
        zone = QStringList{"--site-zone", siteZone};
    const CliProcess::Result result = m_cli->run(QStringList{"--json", "audit"} + arguments + zone);
    QCOMPARE(result.exitCode, exitCode);
    if (audited >= 0)
        QCOMPARE(result.json().object().value("summary").toObject().value("clocksAudited").toInt(), audited);
    else
        QVERIFY2(result.out.isEmpty(), result.out);
}

void TestCliAudit::minimumFirmware()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, setting);
    QFETCH(int, exitCode);
    QFETCH(QStringList, said);
    QFile ini(m_cli->homePath() + "/config/QLX Devices/Zentick.ini");
    QVERIFY(QDir().mkpath(QFileInfo(ini).path()) && ini.open(QIODevice::WriteOnly));
    ini.write("[Audit]\nminFirmware=" + setting.toUtf8() + '\n');
    ini.close();
    const CliProcess::Result result =
        m_cli->run(QStringList{"--json", "audit", "--group", "Hall", "--site-zone", siteZone} + arguments);
    QCOMPARE(result.exitCode, exitCode);
    QStringList found;
    const QJsonArray clocks = result.json()["clocks"].toArray();
    for (int i = 0; i < clocks.size(); ++i) {
        for (const QJsonValue f : clocks.at(i)["findings"].toArray()) {
            if (f["kind"] == "firmware")
                found << QString::number(i) + '|' + f["model"].toString() + '|' + f["firmware"].toString() + '|'
                        + f["minimumFirmware"].toString();
        }
    }
    QVERIFY2(exitCode == 2 ? result.err.contains(said.value(0).toUtf8()) : found == said,
             result.err + found.join(' ').toUtf8());
}

void TestCliAudit::dailyMailOnlyWhenChanged()
{
    SmtpServerProcess server;
    QVERIFY(server.start(QStringLiteral("plain"), QString()));
    Communication exchanges;
    NotificationSettings settings;
    settings.server = QStringLiteral("127.0.0.1");
    settings.port = server.port();
    settings.from = QStringLiteral("zentick@example.org");
    settings.smtpType = 2; // no encryption
    settings.authType = 0; // no AUTH
    settings.recipients = {{QStringLiteral("ops@example.org"), false}};
    ClockRegistry::resetForTest();
    for (int index : {0, 3}) { // the reference clock and the one without a time source
        auto *clock = new DevClock;
        clock->network.ip = clockIp(index);
        clock->user = clock->password = QStringLiteral("admin");
        ClockRegistry::instance()->addClock(clock);
    }

    QBuffer out;
    QBuffer err;
    QVERIFY(out.open(QIODevice::WriteOnly) && err.open(QIODevice::WriteOnly));
    CliOutput output(&out, &err, false);
    qRegisterMetaType<DailyAudit::Outcome>();
    // A new runner each day, as after a restart of the monitor.
    auto runDay = [&](DailyAudit::Outcome expected, int mails, bool mailOn = true) {
        DailyAudit daily(*ClockRegistry::instance(), exchanges, settings, output, QTime(6, 0), QTimeZone(siteZone));
        daily.setRecordPath(m_cli->filePath("audit-mailed.json"));
        daily.setMailEnabled(mailOn);
        QSignalSpy ran(&daily, &DailyAudit::ran);
        int audited = 0;
        connect(&daily, &DailyAudit::audited, this, [&audited] { ++audited; });
        daily.runNow();
        QVERIFY(ran.wait(60000));
        QCOMPARE(ran.constFirst().constFirst().value<DailyAudit::Outcome>(), expected);
        QCOMPARE(audited, 1);
        QVERIFY(server.waitForMessages(mails));
        QCOMPARE(server.messages().size(), mails);
    };

    runDay(DailyAudit::Outcome::Mailed, 1);
    const QByteArray mail = server.messages().constFirst().data;
    QVERIFY2(mail.contains("Subject: QLX Zentick audit: 2 clocks audited: 1 with critical findings"), mail);
    QVERIFY2(mail.contains("Synchronization is \"None\""), mail);
    runDay(DailyAudit::Outcome::Unchanged, 1);
    QVERIFY(m_sim.setFaults(3, {{"refuse", true}}));
    runDay(DailyAudit::Outcome::Mailed, 2);
    QVERIFY2(server.messages().constLast().data.contains("Configuration not downloaded"),
             server.messages().constLast().data);
    runDay(DailyAudit::Outcome::Unchanged, 2);
    // Alertmanager mails for this site: changed findings are audited, not mailed.
    QVERIFY(m_sim.setFaults(3, {}));
    runDay(DailyAudit::Outcome::MailOff, 2, false);
    ClockRegistry::resetForTest();
}

QTEST_GUILESS_MAIN(TestCliAudit)
#include "tst_cli_audit.moc"
