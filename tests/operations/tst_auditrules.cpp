#include "AuditChecks.h"
#include "AuditFindingsModel.h"
#include "AuditedClock.h"
#include "ConfigDrift.h"
#include "OffsetTimeline.h"

#include <QTimeZone>
#include <QtTest>

Q_DECLARE_METATYPE(ClockConfigFields)
Q_DECLARE_METATYPE(AuditedClock)

// The audit's rules on records, without clocks: daylight saving against the
// time-zone database, drift from a group, the time-source checks and the
// findings table.
class TestAuditRules : public QObject
{
    Q_OBJECT

private slots:
    void daylightSaving_data();
    void daylightSaving();
    void drift_data();
    void drift();
    void timeSource_data();
    void timeSource();
    void tableSortsAndCopies();
};

namespace {

const QDateTime auditStart(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
const int horizonMonths = 24;

// Time zone indexes of the editor's list.
enum Zone { Minus5 = 8, Minus3h30 = 10, Utc = 14, Plus1 = 15, Plus2 = 16, Plus5h30 = 22, Plus9 = 30,
            Plus9h30 = 31, Plus10 = 32 };
enum Localization { Europe, Australia, UnitedStates, Canada, Israel, Other };

struct Rule
{
    int localization;
    int zone;
    bool daylightSaving = true;
    bool zoneActive = true;
};

ClockConfigFields timeConfig(const Rule &rule)
{
    ClockConfigFields c;
    c.Localization = rule.localization;
    c.TimeZone = rule.zone;
    c.TimeZoneActive = rule.zoneActive;
    c.DaylightSaving = rule.daylightSaving;
    return c;
}

// "Other": start week/day/month, end week/day/month by the editor's indexes.
ClockConfigFields customRule(int zone, int startWeek, int startMonth, const QTime &startTime, int endWeek,
                             int endMonth, const QTime &endTime)
{
    ClockConfigFields c = timeConfig({Other, zone});
    const int sunday = 6;
    c.SummerTimeStartDate = startWeek;
    c.SummerTimeStartDay = sunday;
    c.SummerTimeStartMonth = startMonth;
    c.SummerTimeStartTime = startTime;
    c.SummerTimeEndDate = endWeek;
    c.SummerTimeEndDay = sunday;
    c.SummerTimeEndMonth = endMonth;
    c.SummerTimeEndTime = endTime;
    return c;
}

QDateTime utc(const char *iso)
{
    QDateTime t = QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
    t.setTimeSpec(Qt::UTC);
    return t;
}

ClockConfigFields groupConfig()
{
    ClockConfigFields group;
    group.Brightness = 10;
    group.Server1 = QStringLiteral("pool.ntp.org");
    group.SummerTimeStartTime = QTime(2, 0);
    group.TemperatureOffsetValue = 0.5f;
    group.MasterIP = QStringLiteral("192.168.0.50");
    group.alarms[2].Active = true;
    group.alarms[2].Time = QTime(7, 30);
    return group;
}

AuditFinding findingOf(const char *name, const char *ip, AuditFinding::Severity severity)
{
    AuditFinding f;
    f.clockName = QString::fromLatin1(name);
    f.clockIp = QString::fromLatin1(ip);
    f.severity = severity;
    f.reason = QStringLiteral("reason\tof %1").arg(QLatin1String(name));
    return f;
}

} // namespace

void TestAuditRules::daylightSaving_data()
{
    QTest::addColumn<ClockConfigFields>("config");
    QTest::addColumn<QString>("site");
    QTest::addColumn<QDateTime>("firstDisagreement"); // invalid: none
    QTest::addColumn<int>("differenceMinutes");

    const QDateTime none;
    QTest::newRow("Europe preset in Warsaw") << timeConfig({Europe, Plus1}) << "Europe/Warsaw" << none << 0;
    QTest::newRow("Europe preset in London") << timeConfig({Europe, Utc}) << "Europe/London" << none << 0;
    QTest::newRow("United States preset in New York")
        << timeConfig({UnitedStates, Minus5}) << "America/New_York" << none << 0;
    QTest::newRow("Canada preset in half-hour St. John's")
        << timeConfig({Canada, Minus3h30}) << "America/St_Johns" << none << 0;
    QTest::newRow("Australia preset in Sydney, in summer at the start")
        << timeConfig({Australia, Plus10}) << "Australia/Sydney" << none << 0;
    QTest::newRow("Australia preset in half-hour Adelaide")
        << timeConfig({Australia, Plus9h30}) << "Australia/Adelaide" << none << 0;
    QTest::newRow("Israel preset in Jerusalem") << timeConfig({Israel, Plus2}) << "Asia/Jerusalem" << none << 0;
    QTest::newRow("no summer time in Tokyo") << timeConfig({Europe, Plus9, false}) << "Asia/Tokyo" << none << 0;
    QTest::newRow("zone switched off keeps UTC")
        << timeConfig({Europe, Plus9, true, false}) << "Europe/London" << none << 0;
    QTest::newRow("custom rule written like Europe's")
        << customRule(Plus1, 4, 2, QTime(2, 0), 4, 9, QTime(3, 0)) << "Europe/Warsaw" << none << 0;

    QTest::newRow("Europe preset in New York: the United States start first")
        << timeConfig({Europe, Minus5}) << "America/New_York" << utc("2026-03-08T07:00:00") << -60;
    QTest::newRow("United States preset in Warsaw: an hour early in March")
        << timeConfig({UnitedStates, Plus1}) << "Europe/Warsaw" << utc("2026-03-08T01:00:00") << 60;
    QTest::newRow("Israel preset in Athens: the Friday before")
        << timeConfig({Israel, Plus2}) << "Europe/Athens" << utc("2026-03-27T00:00:00") << 60;
    QTest::newRow("Europe preset in Sydney: southern summer from the start")
        << timeConfig({Europe, Plus10}) << "Australia/Sydney" << auditStart << -60;
    QTest::newRow("custom rule one week late in New York")
        << customRule(Minus5, 2, 2, QTime(2, 0), 0, 10, QTime(2, 0)) << "America/New_York"
        << utc("2026-03-08T07:00:00") << -60;
    QTest::newRow("half-hour zone in a quarter-hour one")
        << timeConfig({Europe, Plus5h30, false}) << "Asia/Kathmandu" << auditStart << -15;
}

void TestAuditRules::daylightSaving()
{
    QFETCH(ClockConfigFields, config);
    QFETCH(QString, site);
    QFETCH(QDateTime, firstDisagreement);
    QFETCH(int, differenceMinutes);

    const QTimeZone zone(site.toLatin1());
    QVERIFY2(zone.isValid(), qPrintable(site));
    const QDateTime end = auditStart.addMonths(horizonMonths);
    const std::optional<OffsetTimeline> clock = OffsetTimeline::ofClock(config, auditStart, end);
    QVERIFY(clock);
    const auto off = OffsetTimeline::firstDisagreement(*clock, OffsetTimeline::ofZone(zone, auditStart, end));
    if (!firstDisagreement.isValid()) {
        QVERIFY2(!off, qPrintable(off ? off->at.toString(Qt::ISODate) : QString()));
        return;
    }
    QVERIFY(off);
    QCOMPARE(off->at, firstDisagreement);
    QCOMPARE(off->differenceMinutes(), differenceMinutes);
}

void TestAuditRules::drift_data()
{
    QTest::addColumn<ClockConfigFields>("clock");
    QTest::addColumn<QStringList>("expected"); // field|group value|clock value

    const ClockConfigFields group = groupConfig();
    QTest::newRow("same configuration") << group << QStringList();

    ClockConfigFields c = group;
    c.Brightness = 4;
    c.Server2 = QStringLiteral("ntp2.example.org");
    QTest::newRow("brightness and a second server")
        << c << QStringList{"Server2|\"\"|\"ntp2.example.org\"", "Brightness|10 (Auto)|4 (5)"};
    c = group;
    c.SummerTimeStartTime = QTime(3, 0, 59);
    c.TemperatureOffsetValue = 0.50001f;
    QTest::newRow("times to the minute, offset to one decimal")
        << c << QStringList{"SummerTimeStartTime|02:00|03:00"};
    c = group;
    c.MasterIP = QStringLiteral("on");
    QTest::newRow("master address not compared without synchronization") << c << QStringList();
    ClockConfigFields synchronized = group;
    synchronized.Synchronization = true;
    c = synchronized;
    c.MasterIP = QStringLiteral("192.168.0.51");
    QTest::newRow("master address compared when both synchronize")
        << c << QStringList{"MasterIP|\"192.168.0.50\"|\"192.168.0.51\""};
    c = group;
    c.alarms[2].Active = false;
    c.alarms[2].Time = QTime(8, 0);
    c.alarms[29].setDayMask(0x40);
    QTest::newRow("alarm slots compared one by one")
        << c << QStringList{"Alarm 2|Active on, Time 07:30|Active off, Time 08:00", "Alarm 29|DayActive7 off|DayActive7 on"};
}

void TestAuditRules::drift()
{
    QFETCH(ClockConfigFields, clock);
    QFETCH(QStringList, expected);
    ClockConfigFields group = groupConfig();
    group.Synchronization = clock.Synchronization;

    QStringList found;
    for (const ConfigDrift::Difference &d : ConfigDrift::differences(group, clock))
        found << d.field + '|' + d.groupValue + '|' + d.clockValue;
    QCOMPARE(found, expected);
}

void TestAuditRules::timeSource_data()
{
    QTest::addColumn<AuditedClock>("clock");
    QTest::addColumn<QStringList>("expected"); // severity|kind of each finding

    AuditedClock clock;
    clock.downloaded = true;
    clock.config = timeConfig({Europe, Plus1});
    clock.config.Mode = 2;
    clock.config.Server3 = QStringLiteral("ntp.example.org");
    clock.statusAsked = true;
    clock.status.NtpSynchronization = NtpSynchronized;
    QTest::newRow("NTP with a server, synchronized") << clock << QStringList();

    AuditedClock c = clock;
    c.config.Server3 = QStringLiteral("  ");
    QTest::newRow("NTP with blank servers only") << c << QStringList{"critical|timeSource"};
    c = clock;
    c.status.NtpSynchronization = NtpTimeout;
    QTest::newRow("fresh status with an NTP time-out") << c << QStringList{"warning|timeSource"};
    c = clock;
    c.config.Mode = 0;
    QTest::newRow("synchronization None") << c << QStringList{"critical|timeSource"};
    c = clock;
    c.config.Mode = 1;
    c.status.NtpSynchronization = NtpDisabled;
    QTest::newRow("GPS: the NTP state does not matter") << c << QStringList();
    c = clock;
    c.downloaded = false;
    c.error = AuthorizationError;
    QTest::newRow("not reachable: nothing else is judged") << c << QStringList{"critical|unreachable"};
}

void TestAuditRules::timeSource()
{
    QFETCH(AuditedClock, clock);
    QFETCH(QStringList, expected);
    const QDateTime end = auditStart.addMonths(horizonMonths);
    const AuditChecks::Site site{QStringLiteral("Europe/Warsaw"),
                                 OffsetTimeline::ofZone(QTimeZone("Europe/Warsaw"), auditStart, end)};
    QStringList found;
    for (const AuditFinding &f : AuditChecks::check(clock, site))
        found << AuditFinding::severityKey(f.severity) + '|' + AuditFinding::kindKey(f.kind);
    QCOMPARE(found, expected);
}

void TestAuditRules::tableSortsAndCopies()
{
    AuditFindingsModel model;
    model.setFindings({findingOf("Hall", "192.168.0.100", AuditFinding::Severity::Warning),
                       findingOf("Lobby", "192.168.0.9", AuditFinding::Severity::Critical),
                       findingOf("Annex", "192.168.0.20", AuditFinding::Severity::Warning)});
    const QPersistentModelIndex lobby = model.index(1, AuditFindingsModel::ClockColumn);

    model.sort(AuditFindingsModel::IpColumn, Qt::AscendingOrder);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Lobby")); // .9 before .20 before .100
    QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("Hall"));
    QCOMPARE(lobby.row(), 0);

    model.sort(AuditFindingsModel::SeverityColumn, Qt::DescendingOrder);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Lobby"));
    QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Annex")); // stable within equal severity

    const QStringList lines = model.copyText({2}).split('\n');
    QCOMPARE(lines.size(), 3); // header, the row, the final line break
    QCOMPARE(lines.at(1), QStringLiteral("Hall\t192.168.0.100\tWarning\tNot reachable\treason of Hall"));
}

QTEST_GUILESS_MAIN(TestAuditRules)
#include "tst_auditrules.moc"
