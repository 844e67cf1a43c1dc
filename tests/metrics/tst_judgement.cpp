// What the monitor's page says of its own judgement: a clock's alert as the
// mails would see it due, the daily audit's findings per clock, and the
// series that describe the monitor itself.
#include "model/ClockRegistry.h"
#include "model/ClockStatus.h"
#include "model/DevClock.h"
#include "metrics/MonitorMetrics.h"
#include "tests/support/HealthPolls.h"

#include <QtTest>

namespace {

// The metrics's own list; the process-wide one stays empty.
ClockRegistry &list()
{
    static ClockRegistry registry;
    return registry;
}

DevClock *listedClock(const QString &name, const QString &ip)
{
    auto *clock = new DevClock;
    clock->name = name;
    clock->network.ip = ip;
    list().addClock(clock);
    return clock;
}

QByteArrayList linesOf(const QByteArray &page, const QByteArray &metric)
{
    QByteArrayList found;
    for (const QByteArray &line : page.split('\n')) {
        if (line.startsWith(metric + '{') || line.startsWith(metric + ' '))
            found << line;
    }
    return found;
}

} // namespace

class TestJudgement : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { list().clear(); }
    void alerting_data();
    void alerting();
    void auditAndMonitor();
};

void TestJudgement::alerting_data()
{
    QTest::addColumn<int>("ntp");
    QTest::addColumn<int>("polls");
    QTest::addColumn<QByteArrayList>("lines");
    const QByteArray prefix = "zentick_clock_alerting{name=\"Hall\",ip=\"10.0.0.5\",group=\"\",kind=";
    QTest::newRow("six polls without a connection") << int(NtpNoConnection) << 6
                                                    << QByteArrayList{prefix + "\"connection\"} 1"};
    QTest::newRow("five are not yet due") << int(NtpNoConnection) << 5 << QByteArrayList{};
    QTest::newRow("a refused password") << int(NtpNoAuthentication) << 6
                                        << QByteArrayList{prefix + "\"authentication\"} 1"};
    QTest::newRow("an NTP server that does not answer") << int(NtpTimeout) << 6
                                                        << QByteArrayList{prefix + "\"ntp_timeout\"} 1"};
    QTest::newRow("synchronised again after the alert") << int(NtpSynchronized) << 1 << QByteArrayList{};
}

void TestJudgement::alerting()
{
    QFETCH(int, ntp);
    QFETCH(int, polls);
    QFETCH(QByteArrayList, lines);

    DevClock *clock = listedClock(QStringLiteral("Hall"), QStringLiteral("10.0.0.5"));
    HealthWriter health(list());
    if (ntp == NtpSynchronized)
        pollSaw(health, *clock, NtpNoConnection, 6);
    pollSaw(health, *clock, ntp, polls);
    MonitorMetrics metrics;
    metrics.setHealth(&health);
    const QByteArray page = metrics.render(list(), QDateTime::currentDateTime());
    QCOMPARE(linesOf(page, "zentick_clock_alerting"), lines);
}

void TestJudgement::auditAndMonitor()
{
    const DevClock *drifted = listedClock(QStringLiteral("Gym"), QStringLiteral("10.0.0.6"));
    listedClock(QStringLiteral("Pool"), QStringLiteral("10.0.0.7"));
    MonitorMetrics metrics;
    metrics.recordAudit({{drifted->id, {1, 2, true}}}, QDateTime::fromSecsSinceEpoch(1796000000));
    metrics.setLaneSource([] { return MonitorMetrics::LaneCounts{{QStringLiteral("poll"), 3}}; });
    const QByteArray page = metrics.render(list(), QDateTime::currentDateTime());

    QCOMPARE(linesOf(page, "zentick_clock_audit_findings"),
             QByteArrayList({"zentick_clock_audit_findings{name=\"Gym\",ip=\"10.0.0.6\",group=\"\",severity=\"warning\"} 1",
                             "zentick_clock_audit_findings{name=\"Gym\",ip=\"10.0.0.6\",group=\"\",severity=\"critical\"} 2"}));
    QCOMPARE(linesOf(page, "zentick_clock_firmware_below_minimum"),
             QByteArrayList{"zentick_clock_firmware_below_minimum{name=\"Gym\",ip=\"10.0.0.6\",group=\"\"} 1"});
    QCOMPARE(linesOf(page, "zentick_monitor_audit_last_run_timestamp_seconds"),
             QByteArrayList{"zentick_monitor_audit_last_run_timestamp_seconds 1796000000"});
    QCOMPARE(linesOf(page, "zentick_monitor_exchanges_in_flight"),
             QByteArrayList{"zentick_monitor_exchanges_in_flight{lane=\"poll\"} 3"});
    QCOMPARE(linesOf(page, "zentick_build_info").size(), 1);
    QVERIFY(linesOf(page, "zentick_build_info").constFirst().startsWith("zentick_build_info{version=\""));
}

QTEST_GUILESS_MAIN(TestJudgement)
#include "tst_judgement.moc"
