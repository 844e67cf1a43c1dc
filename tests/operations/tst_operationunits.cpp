#include "operations/audit/AuditChecks.h"
#include "operations/audit/AuditFindingsModel.h"
#include "operations/audit/AuditedClock.h"
#include "model/ClockNetworkSettings.h"
#include "operations/CommandBodies.h"
#include "transport/CommandWWW.h"
#include "operations/ConflictResolver.h"
#include "operations/DataSender.h"
#include "transport/DeviceInfo.h"
#include "operations/DiscoveryDatagram.h"
#include "operations/audit/OffsetTimeline.h"
#include "operations/SenderPool.h"
#include "operations/SimpleSender.h"
#include "tests/support/TestRows.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>
#include <QSignalSpy>
#include <QStringList>
#include <QTimeZone>
#include <QtTest>

namespace {

const QString rows = QStringLiteral("operations/units.rows");

// A sender whose end the test decides, logging when it starts and ends.
class ScriptedSender : public DataSender
{
public:
    enum Ending { EndFinished, EndError, EndCanceled };

    ScriptedSender(const QString &name, QStringList *log)
        : m_name(name)
        , m_log(log)
    {
    }

    void end(Ending ending)
    {
        m_log->append(m_name + " ends");
        ending == EndFinished ? emitFinished() : ending == EndError ? fail() : markCanceled();
    }
    int runs = 0;

protected:
    void run() override
    {
        ++runs;
        m_log->append(m_name + " starts");
    }

private:
    QString m_name;
    QStringList *m_log;
};

} // namespace

// The sender pool and simple senders on scripted senders; the bodies of the
// clock commands, the resolver's address and MAC arithmetic, discovery
// replies taken apart; and the audit's rules on records: daylight saving
// against the time-zone database, drift from a group, the time-source
// checks and the findings table.
class TestOperationUnits : public QObject
{
    Q_OBJECT

private slots:
    void init() { log.clear(); }
    void cleanup();
    void sendersStartTogetherFromTheEventLoop_data() { TestRows::add(rows); }
    void sendersStartTogetherFromTheEventLoop();
    void cancelEndsASenderAtOnce_data() { TestRows::add(rows); }
    void cancelEndsASenderAtOnce();
    void aSenderEndsOnlyOnce();
    void simpleSenderWithNothingToDo_data() { TestRows::add(rows); }
    void simpleSenderWithNothingToDo();
    void simpleSenderClockIdOutsideTheTargets_data() { TestRows::add(rows); }
    void simpleSenderClockIdOutsideTheTargets();
    void bodies_data() { TestRows::add(rows); }
    void bodies();
    void addressArithmetic_data() { TestRows::add(rows); }
    void addressArithmetic();
    void parse_data() { TestRows::add(rows); }
    void parse();
    void everyTag_data() { TestRows::add(rows); }
    void everyTag();
    void daylightSaving_data() { TestRows::add(rows); }
    void daylightSaving();
    void drift_data() { TestRows::add(rows); }
    void drift();
    void timeSource_data() { TestRows::add(rows); }
    void timeSource();
    void tableSortsAndCopies();
private:
    // A member, so senders deleted after a failed check still have somewhere to write.
    QStringList log;
};

void TestOperationUnits::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestOperationUnits::sendersStartTogetherFromTheEventLoop()
{
    QFETCH(int, ending);
    SenderPool pool;
    QPointer<ScriptedSender> a = new ScriptedSender("a", &log);
    QPointer<ScriptedSender> b = new ScriptedSender("b", &log);
    pool.add(a);
    pool.add(b);
    // Not before the creator, back from add, has connected.
    QCOMPARE(a->runs + b->runs, 0);
    QTRY_COMPARE_WITH_TIMEOUT(a->runs + b->runs, 2, 2000);
    QCOMPARE(pool.senders(), QList<DataSender *>({a.data(), b.data()}));
    a->end(ScriptedSender::Ending(ending));
    QTRY_VERIFY_WITH_TIMEOUT(a.isNull(), 2000);
    QCOMPARE(pool.senders(), QList<DataSender *>({b.data()}));
    b->end(ScriptedSender::EndFinished);
    QTRY_VERIFY_WITH_TIMEOUT(b.isNull(), 2000);
}

void TestOperationUnits::cancelEndsASenderAtOnce()
{
    QFETCH(bool, started);
    SenderPool pool;
    QPointer<ScriptedSender> victim = new ScriptedSender("victim", &log);
    pool.add(victim);
    if (started)
        QTRY_COMPARE_WITH_TIMEOUT(victim->runs, 1, 2000);

    QSignalSpy canceled(victim.data(), &DataSender::canceled);
    QSignalSpy finished(victim.data(), &DataSender::finished);
    QVERIFY(pool.remove(victim));
    // At once, not from the event loop, and only once.
    QCOMPARE(canceled.count(), 1);
    QCOMPARE(victim->result(), int(DataSender::Canceled));
    QVERIFY(victim->isCancelRequested());
    QVERIFY(!pool.remove(victim));
    // A result of a running exchange that comes in later changes nothing.
    victim->end(ScriptedSender::EndFinished);
    QTRY_VERIFY_WITH_TIMEOUT(victim.isNull(), 2000);

    QCOMPARE(canceled.count(), 1);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(log.count("victim starts"), started ? 1 : 0);
}

void TestOperationUnits::aSenderEndsOnlyOnce()
{
    ScriptedSender sender("a", &log);
    QSignalSpy finished(&sender, &DataSender::finished);
    QSignalSpy error(&sender, &DataSender::error);
    QSignalSpy canceled(&sender, &DataSender::canceled);
    sender.start();
    sender.end(ScriptedSender::EndFinished);
    sender.end(ScriptedSender::EndError);
    sender.cancel();
    QCOMPARE((QList<int>{finished.count(), error.count(), canceled.count()}), (QList<int>{1, 0, 0}));
    QCOMPARE(sender.result(), int(DataSender::Succeeded));
    // An ended sender is never run again.
    sender.start();
    QCOMPARE(sender.runs, 1);
}

void TestOperationUnits::simpleSenderWithNothingToDo()
{
    QFETCH(bool, withCommand);
    QFETCH(bool, withTarget);
    QFETCH(int, result);
    SenderPool pool;
    QPointer<SimpleSender> sender =
        new SimpleSender(withTarget ? QList<SenderTarget>{SenderTarget()} : QList<SenderTarget>());
    if (withCommand)
        sender->setCommand(std::make_unique<CommandWWW>(ReadStatus, QByteArray()));
    pool.add(sender);
    int ended = -1;
    for (auto signal : {&DataSender::finished, &DataSender::error})
        connect(sender.data(), signal, this, [&](DataSender *s) { ended = s->result(); });
    QTRY_COMPARE_WITH_TIMEOUT(ended, result, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(sender.isNull(), 2000);
}

void TestOperationUnits::simpleSenderClockIdOutsideTheTargets()
{
    QFETCH(int, index);
    QFETCH(int, expected);
    SenderTarget first;
    SenderTarget second;
    first.clockId = 11;
    second.clockId = 22;
    SimpleSender sender({first, second});
    QCOMPARE(sender.clockId(index), expected < 0 ? ~quint64(0) : quint64(expected));
}

void TestOperationUnits::bodies()
{
    QFETCH(QString, command);
    QFETCH(QString, argument1);
    QFETCH(QString, argument2);
    QFETCH(QByteArray, body);
    if (command == QLatin1String("name"))
        QCOMPARE(CommandBodies::name(argument1), body);
    else if (command == QLatin1String("password"))
        QCOMPARE(CommandBodies::password(argument1, argument2), body);
    else if (command == QLatin1String("conflictAddress"))
        QCOMPARE(CommandBodies::conflictAddress(argument1), body);
    else
        QCOMPARE(CommandBodies::mac(argument1), body);
}

void TestOperationUnits::addressArithmetic()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(QString, expected);
    QCOMPARE(offset < 0 ? ConflictResolver::nextAddress(text) : ConflictResolver::macPlus(text, offset), expected);
}

void TestOperationUnits::parse()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, accepted);
    QFETCH(bool, valid);
    QFETCH(QString, productCode);
    QFETCH(int, port);
    QFETCH(int, firmware);

    DeviceInfo info;
    QCOMPARE(DiscoveryDatagram::parse(datagram, "192.168.0.11", info), accepted);
    // Our own query, heard back, leaves the record alone.
    QCOMPARE(info.address, datagram == "QLX?" ? QHostAddress() : QHostAddress("192.168.0.11"));
    QCOMPARE(info.isValid(), valid);
    QCOMPARE(info.productCode, productCode);
    QCOMPARE(int(info.port), port);
    QCOMPARE(info.firmware, firmware);
}

void TestOperationUnits::everyTag()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QStringList, fields);
    DeviceInfo info;
    QVERIFY(DiscoveryDatagram::parse(datagram, QString(), info));
    QVERIFY(info.address.isNull());
    QCOMPARE((QStringList{info.productCode, info.mac, QString::number(info.port), info.auxAddress1.toString(),
                          info.auxAddress2.toString(), QString::number(info.firmware), info.deviceCode,
                          QString::number(info.auxNumber)}),
             fields);
}

namespace {

const QDateTime auditStart(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
const int horizonMonths = 24;
const int other = 5;

// Localization and zone by the editor's indexes.
ClockConfigFields timeConfig(int localization, int zone)
{
    ClockConfigFields c;
    c.Localization = localization;
    c.TimeZone = zone;
    c.TimeZoneActive = true;
    c.DaylightSaving = true;
    return c;
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

// The findings of a clock's audit at a site: "severity|kind" of every one, or
// "severity|reason" of those of one kind.
QStringList audit(const AuditedClock &clock, const QString &zone, std::optional<AuditFinding::Kind> kind = {})
{
    const QDateTime end = auditStart.addMonths(horizonMonths);
    const AuditChecks::Site site{zone, OffsetTimeline::ofZone(QTimeZone(zone.toLatin1()), auditStart, end)};
    QStringList found;
    for (const AuditFinding &f : AuditChecks::check(clock, site)) {
        if (!kind || f.kind == *kind)
            found << AuditFinding::severityKey(f.severity) + '|' + (kind ? f.reason : AuditFinding::kindKey(f.kind));
    }
    return found;
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

void TestOperationUnits::daylightSaving()
{
    QFETCH(int, localization);
    QFETCH(int, zone);
    QFETCH(bool, daylightSaving);
    QFETCH(bool, zoneActive);
    QFETCH(QList<int>, rule); // "Other": start week, month, hour, end week, month, hour; Sundays
    QFETCH(QString, site);
    QFETCH(QString, finding); // severity|reason; empty: the clock agrees with the site

    AuditedClock clock;
    clock.downloaded = true;
    ClockConfigFields &config = clock.config;
    config = timeConfig(rule.isEmpty() ? localization : other, zone);
    config.DaylightSaving = daylightSaving;
    config.TimeZoneActive = zoneActive;
    if (!rule.isEmpty()) {
        const int sunday = 6;
        config.SummerTimeStartDate = rule.at(0);
        config.SummerTimeStartMonth = rule.at(1);
        config.SummerTimeStartTime = QTime(rule.at(2), 0);
        config.SummerTimeEndDate = rule.at(3);
        config.SummerTimeEndMonth = rule.at(4);
        config.SummerTimeEndTime = QTime(rule.at(5), 0);
        config.SummerTimeStartDay = config.SummerTimeEndDay = sunday;
    }
    QVERIFY2(QTimeZone(site.toLatin1()).isValid(), qPrintable(site));
    QCOMPARE(audit(clock, site, AuditFinding::Kind::DaylightSaving),
             finding.isEmpty() ? QStringList() : QStringList{finding});
}

void TestOperationUnits::drift()
{
    QFETCH(QJsonObject, changes);
    QFETCH(QStringList, expected);
    ClockConfigFields clock = groupConfig();
    clock.Brightness = changes.value("Brightness").toInt(clock.Brightness);
    clock.Server2 = changes.value("Server2").toString(clock.Server2);
    clock.MasterIP = changes.value("MasterIP").toString(clock.MasterIP);
    clock.Synchronization = changes.value("Synchronization").toBool(clock.Synchronization);
    clock.TemperatureOffsetValue = float(changes.value("TemperatureOffsetValue").toDouble(clock.TemperatureOffsetValue));
    if (changes.contains("SummerTimeStartTime"))
        clock.SummerTimeStartTime = QTime::fromString(changes.value("SummerTimeStartTime").toString(), "hh:mm:ss");
    for (const QJsonValue &value : changes.value("alarms").toArray()) {
        const QJsonArray slot = value.toArray();
        Alarm &alarm = clock.alarms[slot.at(0).toInt()];
        alarm.Active = slot.at(1).toBool();
        alarm.Time = QTime::fromString(slot.at(2).toString(), "hh:mm");
        alarm.setDayMask(slot.at(3).toInt());
    }
    AuditedClock audited;
    audited.downloaded = true;
    audited.config = clock;
    audited.groupConfig = groupConfig();
    audited.groupConfig->Synchronization = clock.Synchronization;
    audited.groupName = QStringLiteral("Hall");
    QStringList reasons;
    for (const QString &found : audit(audited, QStringLiteral("Europe/Warsaw"), AuditFinding::Kind::Drift))
        reasons << found.section('|', 1);
    QCOMPARE(reasons, expected);
}

void TestOperationUnits::timeSource()
{
    QFETCH(int, mode);
    QFETCH(QString, server3);
    QFETCH(int, ntp);
    QFETCH(int, error); // -1: downloaded
    QFETCH(QStringList, expected); // severity|kind of each finding

    AuditedClock clock;
    clock.downloaded = error == NoError;
    clock.error = Error(error);
    clock.config = timeConfig(0, 15);
    clock.config.Mode = mode;
    clock.config.Server3 = server3;
    clock.statusAsked = true;
    clock.status.NtpSynchronization = ntp;
    QCOMPARE(audit(clock, QStringLiteral("Europe/Warsaw")), expected);
}

void TestOperationUnits::tableSortsAndCopies()
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

QTEST_GUILESS_MAIN(TestOperationUnits)
#include "tst_operationunits.moc"
