#include "model/AddressPlan.h"
#include "model/AddressRange.h"
#include "model/ClockMerge.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "tests/support/TestRows.h"

#include <QJsonArray>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

const QString rows = QStringLiteral("model/addressplan.rows");

QJsonArray rowsJson(const QVector<PlanRow> &planRows)
{
    QJsonArray array;
    for (const PlanRow &row : planRows)
        array.append(QJsonArray{row.line, row.ip, row.name, row.group, row.user, row.password, row.mac});
    return array;
}

QVector<PlanRow> planRows(const QJsonArray &array)
{
    QVector<PlanRow> result;
    for (const QJsonValue &value : array) {
        const QJsonArray row = value.toArray();
        result.append({row.at(0).toInt(), row.at(1).toString(), row.at(2).toString(), row.at(3).toString(),
                       row.at(4).toString(), row.at(5).toString(), row.at(6).toString()});
    }
    return result;
}

std::unique_ptr<DevClock> clockAt(const QString &ip, const QString &mac)
{
    auto clock = std::make_unique<DevClock>();
    clock->network.ip = ip;
    clock->mac = mac;
    return clock;
}

} // namespace

// Ranges and plans as typed and as written by spreadsheets, the plan the
// device list exports, and how a clock found at an address meets the list.
class TestAddressPlan : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ClockRegistry::resetForTest(); }
    void range_data() { TestRows::add(rows); }
    void range();
    void planRead_data() { TestRows::add(rows); }
    void planRead();
    void planRefused_data() { TestRows::add(rows); }
    void planRefused();
    void planWrite_data() { TestRows::add(rows); }
    void planWrite();
    void listExportsAsAPlan();
    void hugePlanRefusedWhileReading();
    void merge_data() { TestRows::add(rows); }
    void merge();
    void movedClockFollowsWithItsRecord();
};

void TestAddressPlan::range()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, error);
    AddressRange range;
    QString why;
    QCOMPARE(AddressRange::parse(text, range, &why), error.isEmpty());
    QCOMPARE(why, error);
    QCOMPARE(range.count(), count);
    QTEST(range.first(), "first");
    QTEST(range.last(), "last");
    QTEST(range.needsConfirmation(), "confirm");
    const QStringList addresses = range.addresses();
    QCOMPARE(addresses.size(), count);
    if (count > 0)
        QCOMPARE(addresses.constLast(), range.last());
}

void TestAddressPlan::planRead()
{
    QFETCH(QByteArray, data);
    QFETCH(QJsonArray, rows);
    const AddressPlan::Parsed parsed = AddressPlan::parse(data);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(rowsJson(parsed.rows), rows);
}

void TestAddressPlan::planRefused()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, error);
    const AddressPlan::Parsed parsed = AddressPlan::parse(data);
    QCOMPARE(parsed.error, error);
    QVERIFY(parsed.rows.isEmpty());
}

void TestAddressPlan::planWrite()
{
    QFETCH(QJsonArray, rows);
    QFETCH(QByteArray, data);
    QCOMPARE(AddressPlan::write(planRows(rows)), data);
    const AddressPlan::Parsed reread = AddressPlan::parse(data);
    QVERIFY2(reread.ok(), qPrintable(reread.error));
    QJsonArray withLines;
    for (int i = 0; i < reread.rows.size(); ++i) {
        QJsonArray row = rows.at(i).toArray();
        row[0] = reread.rows.at(i).line;
        withLines.append(row);
    }
    QCOMPARE(rowsJson(reread.rows), withLines);
}

void TestAddressPlan::listExportsAsAPlan()
{
    ClockRegistry *registry = ClockRegistry::instance();
    for (const QString &name : {QStringLiteral("Hall"), QStringLiteral("Yard")}) {
        auto clock = clockAt(QStringLiteral("10.0.0.%1").arg(registry->clockCount() + 1), QString());
        clock->name = name;
        clock->user = QStringLiteral("admin");
        clock->password = QStringLiteral("pw") + name;
        registry->addClock(clock.release());
    }
    registry->createGroup(QStringLiteral("Outside"));
    registry->setClockGroup(1, 0);

    QCOMPARE(AddressPlan::write(AddressPlan::fromClocks(*registry, false)),
             QByteArray("ip,name,group,user,password,mac\n10.0.0.1,Hall,,admin,,\n10.0.0.2,Yard,Outside,admin,,\n"));
    QCOMPARE(AddressPlan::write(AddressPlan::fromClocks(*registry, true)),
             QByteArray("ip,name,group,user,password,mac\n10.0.0.1,Hall,,admin,pwHall,\n10.0.0.2,Yard,Outside,admin,pwYard,\n"));
}

// The cap holds while reading: the first fault, or the row past the cap, ends
// the read (bench_plan_import measures time and memory of the 16 MB file).
void TestAddressPlan::hugePlanRefusedWhileReading()
{
    const QByteArray oneCharacterRows = "ip\n" + QByteArray("1\n").repeated(AddressPlan::MaxBytes / 2 - 2);
    QCOMPARE(AddressPlan::parse(oneCharacterRows).error, QStringLiteral("line 2: \"1\" is not an IPv4 address"));
    QByteArray tooMany = "ip\n";
    for (int i = 0; i <= AddressPlan::MaxRows; ++i)
        tooMany += QByteArray("10.") + QByteArray::number(i >> 16) + '.' + QByteArray::number((i >> 8) & 255) + '.'
            + QByteArray::number(i & 255) + '\n';
    const AddressPlan::Parsed parsed = AddressPlan::parse(tooMany);
    QCOMPARE(parsed.error, QStringLiteral("the plan lists more than %1 addresses").arg(AddressPlan::MaxRows));
    QVERIFY(parsed.rows.isEmpty());
}

void TestAddressPlan::merge()
{
    QFETCH(QJsonArray, listed);
    QFETCH(QString, found);
    QFETCH(QList<int>, claimed);
    QFETCH(QString, match);

    std::vector<std::unique_ptr<DevClock>> owned;
    QList<DevClock *> clocks;
    for (const QJsonValue &value : listed) {
        owned.push_back(clockAt(value.toArray().at(0).toString(), value.toArray().at(1).toString()));
        clocks.append(owned.back().get());
    }
    QSet<quint64> claimedIds;
    for (int index : claimed)
        claimedIds.insert(clocks.at(index)->id);
    const QStringList words = found.split(QLatin1Char(' '));
    const auto candidate = clockAt(words.at(0), words.at(1));

    const ClockMerge::Finding finding = ClockMerge::find(clocks, *candidate, claimedIds);
    const char *const names[] = {"new", "listed", "moved", "conflict"};
    QCOMPARE(QString::fromLatin1(names[int(finding.match)]), match);
    QTEST(finding.index, "index");
    QTEST(finding.movedFrom, "movedFrom");
}

// The record of a moved clock takes its new address and what the clock told;
// it keeps its place, its group, its credentials and, when the search read no
// status, its status.
void TestAddressPlan::movedClockFollowsWithItsRecord()
{
    ClockRegistry *registry = ClockRegistry::instance();
    auto listed = clockAt(QStringLiteral("10.0.0.1"), QString());
    listed->name = QStringLiteral("Hall");
    listed->password = QStringLiteral("stored");
    listed->status.temperature = 20.5f;
    listed->status.lastStatusUpdate = QDateTime(QDate(2026, 12, 1), QTime(8, 0));
    DevClock *record = listed.get();
    registry->addClock(listed.release());
    registry->setClockGroup(0, ClockMerge::groupNamed(*registry, QStringLiteral("Floor 1")));
    QCOMPARE(ClockMerge::groupNamed(*registry, QStringLiteral("Floor 1")), 0);
    QCOMPARE(ClockMerge::groupNamed(*registry, QString()), -1);

    // A search that read the name but no status.
    auto searched = clockAt(QStringLiteral("10.0.0.7"), QStringLiteral("02-00-00-00-00-07"));
    searched->name = QStringLiteral("Hall east");
    searched->user = QStringLiteral("admin");
    searched->password = QStringLiteral("given");
    ClockMerge::update(*record, *searched, ClockMerge::Match::Moved);
    QCOMPARE(record->network.ip, QStringLiteral("10.0.0.7"));
    QCOMPARE(record->mac, QStringLiteral("02-00-00-00-00-07"));
    QCOMPARE(record->name, QStringLiteral("Hall east"));
    QCOMPARE(record->user, QString());
    QCOMPARE(record->password, QStringLiteral("stored"));
    QCOMPARE(record->status.temperature, 20.5f);
    QCOMPARE(registry->groupOfClock(record)->name(), QStringLiteral("Floor 1"));

    // A probe that read a status.
    auto probed = clockAt(QStringLiteral("10.0.0.8"), QStringLiteral("02-00-00-00-00-07"));
    probed->name = QStringLiteral("Hall east");
    probed->status.temperature = 22.0f;
    probed->status.lastStatusUpdate = QDateTime(QDate(2026, 12, 2), QTime(9, 0));
    ClockMerge::update(*record, *probed, ClockMerge::Match::Moved);
    QCOMPARE(record->status.temperature, 22.0f);
    QCOMPARE(record->status.lastStatusUpdate, probed->status.lastStatusUpdate);
    QCOMPARE(registry->clockCount(), 1);
}

QTEST_APPLESS_MAIN(TestAddressPlan)
#include "tst_addressplan.moc"
