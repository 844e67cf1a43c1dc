#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "model/QuietHours.h"
#include "tests/support/TestRows.h"

#include <QtTest>

namespace {

const QString rows = QStringLiteral("model/quiethours.rows");

QDateTime utc(const QString &text)
{
    return QDateTime::fromString(text, Qt::ISODate).toUTC();
}

QString untilText(const QuietPeriod &period)
{
    if (!period.on)
        return QString();
    return period.until.isValid() ? period.until.toUTC().toString(Qt::ISODate) : QStringLiteral("always");
}

} // namespace

// Weekly quiet hours in their zone, and how they meet a clock's and its
// group's other quiet periods.
class TestQuietHours : public QObject
{
    Q_OBJECT

private slots:
    void periodAt_data() { TestRows::add(rows); }
    void periodAt();
    void intervalsWithin_data() { TestRows::add(rows); }
    void intervalsWithin();
    void parse_data() { TestRows::add(rows); }
    void parse();
    void ownAndGroup_data() { TestRows::add(rows); }
    void ownAndGroup();
};

void TestQuietHours::periodAt()
{
    QFETCH(QString, windows);
    QFETCH(QString, zone);
    QFETCH(QString, at);
    QFETCH(QString, until);
    const QuietHours hours = QuietHours::parse(windows, zone);
    QVERIFY(hours.isValid());
    const QuietPeriod period = hours.periodAt(utc(at));
    QCOMPARE(untilText(period), until);
    QCOMPARE(hours.isQuietAt(utc(at)), !until.isEmpty());
    // Whoever caches a row until the next change sees it at the end.
    if (period.until.isValid())
        QCOMPARE(hours.nextChange(utc(at)), period.until);
    else if (!period.on)
        QVERIFY(hours.isQuietAt(hours.nextChange(utc(at))));
}

void TestQuietHours::intervalsWithin()
{
    QFETCH(QString, windows);
    QFETCH(QString, zone);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, seconds);
    QFETCH(int, count);
    const QList<QuietHours::Interval> found = QuietHours::parse(windows, zone).intervalsWithin(utc(from), utc(to));
    qint64 total = 0;
    for (int i = 0; i < found.size(); ++i) {
        QVERIFY(found.at(i).from < found.at(i).to);
        QVERIFY(i == 0 || found.at(i - 1).to < found.at(i).from);
        total += found.at(i).from.secsTo(found.at(i).to);
    }
    QCOMPARE(total, qint64(seconds));
    QCOMPARE(found.size(), count);
}

void TestQuietHours::parse()
{
    QFETCH(QString, windows);
    QFETCH(QString, zone);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    QString error;
    const QuietHours hours = QuietHours::parse(windows, zone, &error);
    QCOMPARE(hours.isValid() ? hours.toText() : QString(), text);
    QVERIFY2(problem.isEmpty() ? error.isEmpty() : error.contains(problem), qPrintable(error));
    // What the state file holds reads back as the same hours.
    QCOMPARE(QuietHours::fromText(hours.toText()).toText(), hours.toText());
}

void TestQuietHours::ownAndGroup()
{
    QFETCH(QString, own);
    QFETCH(int, ownMuteHours);
    QFETCH(QString, group);
    QFETCH(int, groupMuteHours);
    QFETCH(QString, until);
    const QDateTime now = utc(QStringLiteral("2026-12-08T23:00:00Z"));
    ClockRegistry registry;
    auto *clock = new DevClock;
    registry.addClock(clock);
    DevGroup *wing = registry.createGroup(QStringLiteral("Wing"));
    QVERIFY(registry.setClockGroup(0, 0));
    clock->quietHours = QuietHours::fromText(own);
    wing->quietHours = QuietHours::fromText(group);
    if (ownMuteHours > 0)
        clock->quietPeriod = QuietPeriod::endingAt(now.addSecs(ownMuteHours * 3600));
    if (groupMuteHours > 0)
        wing->quietPeriod = QuietPeriod::endingAt(now.addSecs(groupMuteHours * 3600));
    QCOMPARE(untilText(registry.quietPeriodOf(*clock, now)), until);
}

QTEST_APPLESS_MAIN(TestQuietHours)
#include "tst_quiethours.moc"
