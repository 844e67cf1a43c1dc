#include "persistence/EventJournal.h"
#include "persistence/HistoryDatabase.h"
#include "session/AvailabilityHistory.h"
#include "session/AvailabilityReport.h"
#include "session/ReportPeriod.h"

#include <QtTest>

#include <algorithm>

#include <ctime>

namespace {

const QDateTime march1(QDate(2026, 3, 1), QTime(0, 0), Qt::UTC);
const QString clockIp = QStringLiteral("10.0.0.7");

// "2026-03-01T23:00 down; 2026-03-02T01:00 up": start and stop are the
// monitor's, watch its first poll of the clock, down/up answering, ntp:N its
// NTP state, mute/unmute a quiet period.
QList<ClockEvent> eventsOf(const QString &text)
{
    QList<ClockEvent> events;
    for (const QString &item : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = item.trimmed().split(QLatin1Char(' '));
        ClockEvent event;
        event.time = QDateTime::fromString(parts[0], Qt::ISODate);
        event.time.setTimeSpec(Qt::UTC);
        const QString kind = parts[1];
        event.ip = clockIp;
        if (kind == QLatin1String("start") || kind == QLatin1String("stop")) {
            event.ip.clear();
            event.kind
                = kind == QLatin1String("start") ? ClockEvent::Kind::MonitorStarted : ClockEvent::Kind::MonitorStopped;
        } else if (kind.startsWith(QLatin1String("ntp:"))) {
            event.kind = ClockEvent::Kind::Ntp;
            event.ntp = kind.mid(4).toInt();
        } else {
            const QHash<QString, ClockEvent::Kind> kinds{{"down", ClockEvent::Kind::Unreachable},
                                                         {"up", ClockEvent::Kind::Reachable},
                                                         {"mute", ClockEvent::Kind::Muted},
                                                         {"watch", ClockEvent::Kind::Watched},
                                                         {"unmute", ClockEvent::Kind::Unmuted}};
            event.kind = kinds.value(kind);
        }
        events.append(event);
    }
    return events;
}

// A history of six clocks over 60 days from February: flaps, NTP, quiet
// periods, the monitor stopping and crashing, events sharing a millisecond,
// a kind of a later version. Clocks 4 and 5 are not on the list; their names
// change.
QList<ClockEvent> randomHistory(quint32 seed)
{
    QRandomGenerator random(seed);
    QList<ClockEvent> events;
    QDateTime t(QDate(2026, 2, 1), QTime(0, 0), Qt::UTC);
    const QDateTime end = t.addDays(60);
    while (t < end) {
        const int roll = random.bounded(100);
        ClockEvent e;
        e.time = t;
        const int clock = random.bounded(6);
        e.ip = QStringLiteral("10.0.0.%1").arg(clock + 1);
        e.name = QStringLiteral("Clock %1 %2").arg(clock).arg(t.date().day());
        e.group = QStringLiteral("G%1").arg(clock % 2);
        const ClockEvent::Kind kinds[] = {ClockEvent::Kind::Unreachable, ClockEvent::Kind::Reachable,
                                          ClockEvent::Kind::Ntp,         ClockEvent::Kind::Muted,
                                          ClockEvent::Kind::Unmuted,     ClockEvent::Kind::Watched,
                                          ClockEvent::Kind::AlertDue,    ClockEvent::Kind(40)};
        if (roll < 8) {
            e.ip.clear();
            e.kind = roll < 5 ? ClockEvent::Kind::MonitorStarted : ClockEvent::Kind::MonitorStopped;
        } else {
            // Mostly flaps; now and then the rest.
            e.kind = kinds[roll < 70 ? roll % 2 : roll < 85 ? 2 : 3 + roll % 5];
            e.ntp = int(random.bounded(2));
        }
        events.append(e);
        // A tenth share their millisecond with the next.
        if (random.bounded(10) > 0)
            t = t.addMSecs(qint64(random.bounded(1, 900)) * 60000 + random.bounded(1000));
    }
    return events;
}

QString describe(const AvailabilityReport::Result &r)
{
    QString text;
    for (const AvailabilityReport::Figures &f : r.clocks + r.groups + QList<AvailabilityReport::Figures>{r.site}) {
        text += QStringLiteral("%1 %2 %3: %4 %5 %6 %7 %8 %9 %10\n")
                    .arg(f.ip, f.name, f.group)
                    .arg(f.answeringSecs)
                    .arg(f.synchronisedSecs)
                    .arg(f.downSecs)
                    .arg(f.quietSecs)
                    .arg(f.unknownSecs)
                    .arg(f.incidents)
                    .arg(f.longestIncidentSecs);
    }
    for (const AvailabilityReport::Outage &o : r.outages)
        text += QStringLiteral("%1 %2 %3 %4\n").arg(o.ip, o.start.toString(Qt::ISODateWithMs),
                                                    o.end.toString(Qt::ISODateWithMs), o.ongoing ? "+" : "");
    return text;
}

} // namespace

class TestAvailability : public QObject
{
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
    void goneClocks_data();
    void goneClocks();
    void rangeReadMatchesWholeHistory_data();
    void rangeReadMatchesWholeHistory();
    void periods_data();
    void periods();
};

void TestAvailability::figures_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("hours");
    // answering, synchronised, down, quiet, unknown, incidents, longest (minutes)
    QTest::addColumn<QList<int>>("minutes");
    // "day hh:mm-day hh:mm", "+" when ongoing, in March
    QTest::addColumn<QString>("outages");
    const int day = 24 * 60;
    const QString running = QStringLiteral("2026-02-01T00:00 start; 2026-02-01T00:00 watch;");

    QTest::newRow("well all along") << 2 << running << QString() << QList<int>{2 * day, 2 * day, 0, 0, 0, 0, 0} << QString();
    QTest::newRow("outage across midnight")
        << 2 << running + "2026-03-01T23:00 down; 2026-03-02T01:00 up" << QString()
        << QList<int>{2 * day - 120, 2 * day - 120, 120, 0, 0, 1, 120} << QStringLiteral("1 23:00-2 01:00");
    QTest::newRow("outages across the period's edges")
        << 2 << running + "2026-02-28T22:00 down; 2026-03-01T02:00 up; 2026-03-02T23:00 down; 2026-03-05T00:00 up"
        << QString() << QList<int>{2 * day - 180, 2 * day - 180, 180, 0, 0, 2, 120} << QStringLiteral("1 00:00-1 02:00, 2 23:00-3 00:00+");
    QTest::newRow("not synchronised for six hours")
        << 2 << running + "2026-03-01T06:00 ntp:1; 2026-03-01T12:00 ntp:0" << QString()
        << QList<int>{2 * day, 2 * day - 360, 0, 0, 0, 0, 0} << QString();
    // Nights 22:00-06:00: 6 h, 8 h and 2 h of the two days.
    QTest::newRow("outage inside quiet hours")
        << 2 << running + "2026-03-01T23:00 down; 2026-03-02T01:00 up" << QStringLiteral("Mon-Sun 22:00-06:00 (UTC)")
        << QList<int>{2 * day - 960, 2 * day - 960, 0, 960, 0, 0, 0} << QString();
    QTest::newRow("outage leaving quiet hours")
        << 2 << running + "2026-03-01T05:00 down; 2026-03-01T07:00 up" << QStringLiteral("Mon-Sun 22:00-06:00 (UTC)")
        << QList<int>{2 * day - 1020, 2 * day - 1020, 60, 960, 0, 1, 60} << QStringLiteral("1 05:00-1 07:00");
    QTest::newRow("quiet period across midnight")
        << 2 << running + "2026-03-01T20:00 mute; 2026-03-01T20:30 down; 2026-03-02T04:00 unmute; 2026-03-02T05:00 up"
        << QString() << QList<int>{2 * day - 540, 2 * day - 540, 60, 480, 0, 1, 60} << QStringLiteral("1 20:30-2 05:00");
    QTest::newRow("clock added mid-month")
        << 31 << "2026-02-01T00:00 start; 2026-03-16T00:00 watch; 2026-03-16T00:00 down; 2026-03-16T01:00 up"
        << QString() << QList<int>{16 * day - 60, 16 * day - 60, 60, 0, 0, 1, 60} << QStringLiteral("16 00:00-16 01:00");
    QTest::newRow("monitor down for six hours, clock down meanwhile")
        << 2 << running + "2026-03-01T10:00 down; 2026-03-01T12:00 stop; 2026-03-01T18:00 start" << QString()
        << QList<int>{2 * day - 480, 2 * day - 480, 120, 0, 360, 1, 120} << QStringLiteral("1 10:00-1 12:00");
    QTest::newRow("monitor crashed: unknown from its last event to the next start")
        << 2 << running + "2026-03-01T10:00 down; 2026-03-01T11:00 up; 2026-03-02T00:00 start" << QString()
        << QList<int>{2 * day - 840, 2 * day - 840, 60, 0, 780, 1, 60} << QStringLiteral("1 10:00-1 11:00");
    QTest::newRow("no record of the monitor: unknown, not available")
        << 2 << QStringLiteral("2026-02-01T00:00 down; 2026-02-01T01:00 up") << QString()
        << QList<int>{0, 0, 0, 0, 2 * day, 0, 0} << QString();
}

void TestAvailability::figures()
{
    QFETCH(int, days);
    QFETCH(QString, events);
    QFETCH(QString, hours);
    QFETCH(QList<int>, minutes);
    QFETCH(QString, outages);

    AvailabilityReport::Clock clock{clockIp, QStringLiteral("Hall"), QStringLiteral("North"), {}};
    if (!hours.isEmpty()) {
        QString error;
        clock.quietHours.append(QuietHours::fromText(hours, &error));
        QVERIFY2(clock.quietHours.first().isValid(), qPrintable(error));
    }
    const QDateTime to = march1.addDays(days);
    const AvailabilityReport::Result result
        = AvailabilityReport::compute(march1, to, {clock}, eventsOf(events), to.addDays(10));
    QCOMPARE(result.clocks.size(), 1);
    const AvailabilityReport::Figures &f = result.clocks.first();
    QCOMPARE((QList<int>{int(f.answeringSecs / 60), int(f.synchronisedSecs / 60), int(f.downSecs / 60),
                         int(f.quietSecs / 60), int(f.unknownSecs / 60), f.incidents, int(f.longestIncidentSecs / 60)}),
             minutes);
    QStringList stretches;
    for (const AvailabilityReport::Outage &o : result.outages) {
        QCOMPARE(o.ip, clockIp);
        stretches << o.start.toString("d hh:mm-") + o.end.toString("d hh:mm") + (o.ongoing ? "+" : "");
    }
    QCOMPARE(stretches.join(", "), outages);
    QCOMPARE(result.groups.size(), 1);
    QCOMPARE(result.groups.first().downSecs, f.downSecs);
    QCOMPARE(result.site.answeringSecs, f.answeringSecs);
}

void TestAvailability::goneClocks_data()
{
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("downMinutes"); // -1: not in the report
    const QString running = QStringLiteral("2026-02-01T00:00 start; 2026-02-01T00:00 watch;");
    QTest::newRow("gone before, last seen down") << running + "2026-02-10T00:00 down" << -1;
    QTest::newRow("gone before, the monitor restarted since")
        << running + "2026-02-10T00:00 up; 2026-02-20T00:00 start" << -1;
    QTest::newRow("gone during the period") << running + "2026-03-01T10:00 down; 2026-03-01T11:00 stop" << 60;
}

void TestAvailability::goneClocks()
{
    QFETCH(QString, events);
    QFETCH(int, downMinutes);
    const QString gone = QStringLiteral("10.0.0.9");
    QList<ClockEvent> history = eventsOf(events);
    for (ClockEvent &event : history) {
        if (!event.ip.isEmpty())
            event.ip = gone;
    }
    const AvailabilityReport::Clock listed{clockIp, QStringLiteral("Hall"), QString(), {}};
    const QDateTime to = march1.addDays(2);
    const AvailabilityReport::Result result = AvailabilityReport::compute(march1, to, {listed}, history, to);
    const auto found = std::find_if(result.clocks.cbegin(), result.clocks.cend(),
                                    [&gone](const AvailabilityReport::Figures &f) { return f.ip == gone; });
    QCOMPARE(found == result.clocks.cend() ? -1 : int(found->downSecs / 60), downMinutes);
}

void TestAvailability::rangeReadMatchesWholeHistory_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("fromDay"); // from 2026-02-01
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("nowDay");
    QTest::newRow("ten days in the middle") << 1 << 20 << 10 << 90;
    QTest::newRow("a month, now inside it") << 2 << 25 << 31 << 40;
    QTest::newRow("from before the history") << 3 << -5 << 20 << 90;
    QTest::newRow("past the history's end") << 4 << 50 << 30 << 100;
    QTest::newRow("one day late in the history") << 5 << 58 << 1 << 90;
    QTest::newRow("one hour") << 6 << 33 << 0 << 90;
}

void TestAvailability::rangeReadMatchesWholeHistory()
{
    QFETCH(int, seed);
    QFETCH(int, fromDay);
    QFETCH(int, days);
    QFETCH(int, nowDay);
    QTemporaryDir folder;
    const QList<ClockEvent> history = randomHistory(quint32(seed));
    {
        HistoryDatabase db;
        QString why, aside;
        bool damaged = false;
        QVERIFY(db.openForWriting(folder.path(), &why, &aside));
        QVERIFY2(db.importJournal({}, "none", &why) && db.insert(history, &why, &damaged), qPrintable(why));
    }
    const QDateTime start(QDate(2026, 2, 1), QTime(0, 0), Qt::UTC);
    const QDateTime from = start.addDays(fromDay).addSecs(3 * 3600 + 17);
    const QDateTime to = days > 0 ? from.addDays(days) : from.addSecs(3600);
    QList<AvailabilityReport::Clock> clocks;
    for (int i = 0; i < 4; ++i)
        clocks.append({QStringLiteral("10.0.0.%1").arg(i + 1), QStringLiteral("Listed %1").arg(i), "G", {}});
    clocks[1].quietHours.append(QuietHours::fromText("Mon-Fri 20:00-07:00, Sun (Europe/Warsaw)"));
    const QDateTime now = start.addDays(nowDay);

    QString problem;
    const AvailabilityReport::Result range
        = AvailabilityHistory::compute(folder.path(), from, to, clocks, now, &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const QList<ClockEvent> all = EventJournal::read(folder.path(), {}, nullptr, &problem);
    // The later version's kind is passed over by both.
    QCOMPARE(all.size(), int(std::count_if(history.begin(), history.end(),
                                           [](const ClockEvent &e) { return int(e.kind) < ClockEvent::kindCount; })));
    const AvailabilityReport::Result whole = AvailabilityReport::compute(from, to, clocks, all, now);
    QVERIFY(!whole.outages.isEmpty() || days <= 1);
    QCOMPARE(describe(range), describe(whole));
}

void TestAvailability::periods_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("now"); // a local date and time: the last complete period; a date: the one holding it
    QTest::addColumn<QString>("from"); // local
    QTest::addColumn<int>("hours");
    const QString warsaw = QStringLiteral("Europe/Warsaw");
    QTest::newRow("yesterday") << warsaw << "day" << "2026-03-10T08:00" << "2026-03-09T00:00" << 24;
    QTest::newRow("last week from its Monday midnight") << warsaw << "week" << "2026-03-09T00:00"
                                                        << "2026-03-02T00:00" << 168;
    QTest::newRow("last week on a Sunday night") << warsaw << "week" << "2026-03-15T23:59" << "2026-03-02T00:00"
                                                 << 168;
    QTest::newRow("last month across the new year") << warsaw << "month" << "2026-01-15T12:00"
                                                    << "2025-12-01T00:00" << 744;
    QTest::newRow("the day summer time begins") << warsaw << "day" << "2026-03-29" << "2026-03-29T00:00" << 23;
    QTest::newRow("the month summer time ends") << warsaw << "month" << "2026-10-15" << "2026-10-01T00:00" << 745;
    QTest::newRow("the week of a Sunday the first") << warsaw << "week" << "2026-03-01" << "2026-02-23T00:00" << 168;
    QTest::newRow("a day whose midnight is skipped") << "America/Santiago" << "day" << "2026-09-06"
                                                     << "2026-09-06T01:00" << 23;
    QTest::newRow("February of a leap year") << "UTC" << "month" << "2028-02-29" << "2028-02-01T00:00" << 696;
}

void TestAvailability::periods()
{
    QFETCH(QString, zone);
    QFETCH(QString, kind);
    QFETCH(QString, now);
    QFETCH(QString, from);
    QFETCH(int, hours);
    qputenv("TZ", zone.toUtf8());
    tzset();
    ReportPeriod::Kind k;
    QVERIFY(ReportPeriod::parseKind(kind, &k));
    QCOMPARE(ReportPeriod::kindName(k), kind);
    const ReportPeriod period = now.contains('T')
        ? ReportPeriod::lastComplete(k, QDateTime::fromString(now, Qt::ISODate))
        : ReportPeriod::containing(k, QDate::fromString(now, Qt::ISODate));
    QVERIFY(period.isValid());
    QCOMPARE(period.from.toLocalTime().toString(Qt::ISODate).left(16), from);
    QCOMPARE(period.from.secsTo(period.to), hours * 3600);
    QVERIFY(!ReportPeriod::parseKind("Month", &k) && !ReportPeriod::parseKind(QString(), &k));
    qunsetenv("TZ");
    tzset();
}

QTEST_GUILESS_MAIN(TestAvailability)
#include "tst_availability.moc"
