#include "session/AvailabilityReport.h"

#include <QtTest>

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

} // namespace

class TestAvailability : public QObject
{
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
};

void TestAvailability::figures_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("hours");
    // answering, synchronised, down, quiet, unknown, incidents, longest (minutes)
    QTest::addColumn<QList<int>>("minutes");
    const int day = 24 * 60;
    const QString running = QStringLiteral("2026-02-01T00:00 start; 2026-02-01T00:00 watch;");

    QTest::newRow("well all along") << 2 << running << QString() << QList<int>{2 * day, 2 * day, 0, 0, 0, 0, 0};
    QTest::newRow("outage across midnight")
        << 2 << running + "2026-03-01T23:00 down; 2026-03-02T01:00 up" << QString()
        << QList<int>{2 * day - 120, 2 * day - 120, 120, 0, 0, 1, 120};
    QTest::newRow("outages across the period's edges")
        << 2 << running + "2026-02-28T22:00 down; 2026-03-01T02:00 up; 2026-03-02T23:00 down; 2026-03-05T00:00 up"
        << QString() << QList<int>{2 * day - 180, 2 * day - 180, 180, 0, 0, 2, 120};
    QTest::newRow("not synchronised for six hours")
        << 2 << running + "2026-03-01T06:00 ntp:1; 2026-03-01T12:00 ntp:0" << QString()
        << QList<int>{2 * day, 2 * day - 360, 0, 0, 0, 0, 0};
    // Nights 22:00-06:00: 6 h, 8 h and 2 h of the two days.
    QTest::newRow("outage inside quiet hours")
        << 2 << running + "2026-03-01T23:00 down; 2026-03-02T01:00 up" << QStringLiteral("Mon-Sun 22:00-06:00 (UTC)")
        << QList<int>{2 * day - 960, 2 * day - 960, 0, 960, 0, 0, 0};
    QTest::newRow("outage leaving quiet hours")
        << 2 << running + "2026-03-01T05:00 down; 2026-03-01T07:00 up" << QStringLiteral("Mon-Sun 22:00-06:00 (UTC)")
        << QList<int>{2 * day - 1020, 2 * day - 1020, 60, 960, 0, 1, 60};
    QTest::newRow("quiet period across midnight")
        << 2 << running + "2026-03-01T20:00 mute; 2026-03-01T20:30 down; 2026-03-02T04:00 unmute; 2026-03-02T05:00 up"
        << QString() << QList<int>{2 * day - 540, 2 * day - 540, 60, 480, 0, 1, 60};
    QTest::newRow("clock added mid-month")
        << 31 << "2026-02-01T00:00 start; 2026-03-16T00:00 watch; 2026-03-16T00:00 down; 2026-03-16T01:00 up"
        << QString() << QList<int>{16 * day - 60, 16 * day - 60, 60, 0, 0, 1, 60};
    QTest::newRow("monitor down for six hours, clock down meanwhile")
        << 2 << running + "2026-03-01T10:00 down; 2026-03-01T12:00 stop; 2026-03-01T18:00 start" << QString()
        << QList<int>{2 * day - 480, 2 * day - 480, 120, 0, 360, 1, 120};
    QTest::newRow("monitor crashed: unknown from its last event to the next start")
        << 2 << running + "2026-03-01T10:00 down; 2026-03-01T11:00 up; 2026-03-02T00:00 start" << QString()
        << QList<int>{2 * day - 840, 2 * day - 840, 60, 0, 780, 1, 60};
    QTest::newRow("no record of the monitor: unknown, not available")
        << 2 << QStringLiteral("2026-02-01T00:00 down; 2026-02-01T01:00 up") << QString()
        << QList<int>{0, 0, 0, 0, 2 * day, 0, 0};
}

void TestAvailability::figures()
{
    QFETCH(int, days);
    QFETCH(QString, events);
    QFETCH(QString, hours);
    QFETCH(QList<int>, minutes);

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
    QCOMPARE(result.groups.size(), 1);
    QCOMPARE(result.groups.first().downSecs, f.downSecs);
    QCOMPARE(result.site.answeringSecs, f.answeringSecs);
}

QTEST_GUILESS_MAIN(TestAvailability)
#include "tst_availability.moc"
