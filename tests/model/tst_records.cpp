#include "model/ChoiceLists.h"
#include "model/ClockConfig.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "tests/support/SampleConfig.h"
#include "tests/support/TestRows.h"

#include <QTranslator>
#include <QtTest>

namespace {

const QString rows = QStringLiteral("model/records.rows");

// Marks every text it translates with its context, so a test sees which
// texts went through the translation function and under which context.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("<%1>%2").arg(QString::fromLatin1(context), QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

ClockRegistry *registry()
{
    return ClockRegistry::instance();
}

void addClocks(int count)
{
    for (int i = 0; i < count; ++i) {
        auto *clock = new DevClock;
        clock->name = QStringLiteral("clock %1").arg(i);
        clock->network.ip = QStringLiteral("192.168.0.%1").arg(20 + i);
        registry()->addClock(clock);
    }
}

QStringList groupNames()
{
    QStringList names;
    for (const DevGroup *group : registry()->groups())
        names << group->name();
    return names;
}

// Every clock's groupId and every group's member list tell the same story,
// and member lists stay ascending.
void verifyConsistent()
{
    const QList<DevClock *> clocks = registry()->clocks();
    const QList<DevGroup *> groups = registry()->groups();
    for (int g = 0; g < groups.size(); ++g) {
        const QList<int> members = groups.at(g)->clockIndexes();
        QVERIFY(std::is_sorted(members.cbegin(), members.cend()));
        for (int member : members) {
            QVERIFY(registry()->clockAt(member));
            QCOMPARE(registry()->clockAt(member)->groupId, g);
        }
    }
    for (int c = 0; c < clocks.size(); ++c) {
        const int groupId = clocks.at(c)->groupId;
        QVERIFY(groupId == -1 || registry()->groupAt(groupId)->clockIndexes().contains(c));
    }
}

} // namespace

// Configuration records and their choice texts; the registry that owns
// every clock and group and keeps group membership consistent.
class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void init() { ClockRegistry::resetForTest(); }
    void cleanupTestCase() { ClockRegistry::resetForTest(); }
    void copiesAreDeepAndMarkedLoaded();
    void dayMask_data() { TestRows::add(rows); }
    void dayMask();
    void choiceTexts_data() { TestRows::add(rows); }
    void choiceTexts();
    void choiceTextsAreTranslated();
    void removeClock_data() { TestRows::add(rows); }
    void removeClock();
    void removeClockListedWithoutGroupId();
    void removeGroup_data() { TestRows::add(rows); }
    void removeGroup();
    void setClockGroup_data() { TestRows::add(rows); }
    void setClockGroup();
    void groupNamesAndLookups();
    void alreadyListedComparesIpText();
    void addingTwiceKeepsOneOwner();
};

void TestRecords::copiesAreDeepAndMarkedLoaded()
{
    ClockConfig source;
    SampleConfig::fill(source, 1);
    const auto copy = ClockConfig::copy(source);
    QVERIFY(copy->sameContent(source));
    copy->alarms[29].DayActive7 = !source.alarms[29].DayActive7;
    QVERIFY(!copy->sameContent(source));

    source.loaded = false;
    DevClock clock;
    clock.setConfig(source);
    QVERIFY(clock.hasConfig());
    QVERIFY(!source.loaded);
    source.TimeZone = 1;
    QCOMPARE(clock.config().TimeZone, 16);
    // Setting a clock's own configuration again must not read freed memory.
    clock.setConfig(clock.config());
    QCOMPARE(clock.config().MasterIP, QStringLiteral("192.168.0.20"));

    DevClock other;
    other.setConfig(clock.config());
    QVERIFY(other.config().sameContent(clock.config()));
    QVERIFY(&other.config() != &clock.config());

    DevGroup group;
    QVERIFY(group.setConfig(source));
    QVERIFY(group.config()->loaded);
    QVERIFY(group.setConfig(*group.config()));
    QCOMPARE(group.config()->TimeZone, 1);
}

void TestRecords::dayMask()
{
    QFETCH(QList<int>, days);
    QFETCH(int, mask);
    QFETCH(int, readBack);

    Alarm fromMask;
    fromMask.setDayMask(mask);
    QCOMPARE(fromMask.dayMask(), readBack);
    Alarm fromDays;
    for (int day : days)
        fromDays.setDayActive(day, true);
    QCOMPARE(fromDays.dayMask(), readBack);
    for (int day = 1; day <= daysPerWeek; ++day)
        QCOMPARE(fromMask.dayActive(day), days.contains(day));
}

void TestRecords::choiceTexts()
{
    QFETCH(int, list);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(QString, text);
    const auto l = static_cast<ChoiceLists::List>(list);
    QCOMPARE(ChoiceLists::count(l), count);
    QCOMPARE(ChoiceLists::texts(l).size(), count);
    QCOMPARE(ChoiceLists::text(l, index), text);
    QCOMPARE(ChoiceLists::sourceText(l, index), text);
}

void TestRecords::choiceTextsAreTranslated()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString translated = ChoiceLists::text(ChoiceLists::Month, 0);
    const QStringList all = ChoiceLists::texts(ChoiceLists::BrightnessProfile);
    const QString source = ChoiceLists::sourceText(ChoiceLists::Month, 0);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(translated, QStringLiteral("<ChoiceLists>January"));
    QCOMPARE(all.first(), QStringLiteral("<ChoiceLists>Indoor standard"));
    QCOMPARE(source, QStringLiteral("January"));
}

void TestRecords::removeClock()
{
    QFETCH(QList<int>, members);
    QFETCH(int, removed);
    QFETCH(bool, result);
    QFETCH(QList<int>, expected);
    QFETCH(QString, nameAfterRemoved);

    addClocks(7);
    registry()->createGroup(QString());
    for (int member : members)
        QVERIFY(registry()->setClockGroup(member, 0));

    QCOMPARE(registry()->removeClock(removed), result);
    QCOMPARE(registry()->clockCount(), result ? 6 : 7);
    QCOMPARE(registry()->groupAt(0)->clockIndexes(), expected);
    verifyConsistent();
    if (!nameAfterRemoved.isEmpty())
        QCOMPARE(registry()->clockAt(qMax(removed, 0))->name, nameAfterRemoved);
}

void TestRecords::removeClockListedWithoutGroupId()
{
    // A state file can list a clock in a group while the clock's own
    // groupId says none; removing it must not hand its place to the next clock.
    addClocks(4);
    auto *group = new DevGroup;
    group->setClockIndexes({1, 2});
    registry()->addGroup(group);
    registry()->clockAt(2)->groupId = 0;
    QCOMPARE(registry()->groupOfClock(registry()->clockAt(1)), group);

    QVERIFY(registry()->removeClock(1));
    QCOMPARE(group->clockIndexes(), QList<int>{1});
    QCOMPARE(registry()->clockAt(1)->name, QStringLiteral("clock 2"));
    QCOMPARE(registry()->groupOfClock(registry()->clockAt(0)), nullptr);
    verifyConsistent();
}

void TestRecords::removeGroup()
{
    QFETCH(int, removed);
    QFETCH(bool, result);
    QFETCH(QList<int>, groupIds);
    QFETCH(QStringList, groupNames);

    addClocks(6);
    for (const char *name : {"A", "B", "C"})
        registry()->createGroup(QString::fromLatin1(name));
    const int memberships[][2] = {{0, 0}, {1, 0}, {4, 1}, {3, 1}, {5, 2}};
    for (const auto &m : memberships)
        QVERIFY(registry()->setClockGroup(m[0], m[1]));

    QCOMPARE(registry()->removeGroup(removed), result);
    QList<int> actual;
    for (const DevClock *clock : registry()->clocks())
        actual << clock->groupId;
    QCOMPARE(actual, groupIds);
    QCOMPARE(::groupNames(), groupNames);
    verifyConsistent();
}

void TestRecords::setClockGroup()
{
    QFETCH(int, clockIndex);
    QFETCH(int, groupIndex);
    QFETCH(bool, result);
    QFETCH(QList<int>, group0);
    QFETCH(QList<int>, group1);
    QFETCH(int, groupId);

    addClocks(5);
    registry()->createGroup(QString());
    registry()->createGroup(QString());
    for (int c : {3, 0, 2})
        QVERIFY(registry()->setClockGroup(c, 0));
    QVERIFY(registry()->setClockGroup(4, 1));

    QCOMPARE(registry()->setClockGroup(clockIndex, groupIndex), result);
    QCOMPARE(registry()->groupAt(0)->clockIndexes(), group0);
    QCOMPARE(registry()->groupAt(1)->clockIndexes(), group1);
    if (groupId != -2)
        QCOMPARE(registry()->clockAt(clockIndex)->groupId, groupId);
    verifyConsistent();
}

void TestRecords::groupNamesAndLookups()
{
    registry()->createGroup(QString());
    registry()->createGroup(QStringLiteral("Hall"));
    registry()->createGroup(QString());
    QVERIFY(registry()->removeGroup(0));
    registry()->createGroup(QString());
    // The number follows the count, not the highest number in use.
    QCOMPARE(groupNames(), (QStringList{"Hall", "Group 3", "Group 3"}));
    QVERIFY(registry()->renameGroup(2, QStringLiteral("Lobby")));
    QVERIFY(!registry()->renameGroup(3, QStringLiteral("nowhere")));
    QCOMPARE(registry()->groupAt(2)->name(), QStringLiteral("Lobby"));

    addClocks(3);
    QVERIFY(registry()->setClockGroup(1, 0));
    DevClock *second = registry()->clockAt(1);
    DevClock *third = registry()->clockAt(2);
    const quint64 secondId = second->id;
    QCOMPARE(registry()->clockById(third->id), third);
    QCOMPARE(registry()->groupOfClock(second), registry()->groupAt(0));
    QCOMPARE(registry()->groupOfClock(third), nullptr);
    DevClock unregistered;
    QCOMPARE(registry()->groupOfClock(&unregistered), nullptr);

    // An id given after listing and one shared by two clocks are still found,
    // also once the clock found first has gone.
    third->id = 7;
    registry()->clockAt(0)->id = secondId;
    QCOMPARE(registry()->clockById(7), third);
    QVERIFY(registry()->removeClock(1));
    QCOMPARE(registry()->clockById(secondId), registry()->clockAt(0));
    registry()->clockAt(0)->id = 8;
    QCOMPARE(registry()->clockById(secondId), nullptr);
    // The clock that moved into index 1 is not a member of the group.
    QCOMPARE(registry()->groupOfClock(registry()->clockAt(1)), nullptr);
}

void TestRecords::alreadyListedComparesIpText()
{
    addClocks(2); // 192.168.0.20 and .21
    QList<DevClock *> candidates;
    for (const char *ip : {"192.168.0.21", "192.168.0.2", "192.168.0.210", "192.168.000.20", "192.168.0.20"}) {
        candidates << new DevClock;
        candidates.last()->network.ip = QString::fromLatin1(ip);
    }
    QCOMPARE(registry()->alreadyListed(candidates), (QList<bool>{true, false, false, false, true}));
    qDeleteAll(candidates);
}

void TestRecords::addingTwiceKeepsOneOwner()
{
    // A second append would make the registry delete the clock twice.
    auto *clock = new DevClock;
    registry()->addClock(clock);
    registry()->addClock(clock);
    registry()->addClock(nullptr);
    auto *group = new DevGroup;
    registry()->addGroup(group);
    registry()->addGroup(group);
    QCOMPARE(registry()->clockCount(), 1);
    QCOMPARE(registry()->groupCount(), 1);
    ClockRegistry::resetForTest();
    QCOMPARE(registry()->clockCount(), 0);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
