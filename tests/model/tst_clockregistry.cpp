#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"

#include <QtTest>

using IndexList = QList<int>;

class TestClockRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void removeClockRenumbersMembers_data();
    void removeClockRenumbersMembers();
    void removeClockListedWithoutGroupId();
    void removeGroupMovesClocks_data();
    void removeGroupMovesClocks();
    void setClockGroup_data();
    void setClockGroup();
    void createGroupNames();
    void lookups();
    void alreadyListedComparesIpText();
    void addingTwiceKeepsOneOwner();

private:
    static ClockRegistry *registry() { return ClockRegistry::instance(); }
    static void addClocks(int count);
    static void verifyConsistent();
};

void TestClockRegistry::init()
{
    ClockRegistry::resetForTest();
}

void TestClockRegistry::cleanupTestCase()
{
    ClockRegistry::resetForTest();
}

void TestClockRegistry::addClocks(int count)
{
    for (int i = 0; i < count; ++i) {
        auto *clock = new DevClock;
        clock->name = QStringLiteral("clock %1").arg(i);
        clock->network.ip = QStringLiteral("192.168.0.%1").arg(20 + i);
        registry()->addClock(clock);
    }
}

// Every clock's groupId and every group's member list tell the same story,
// and member lists stay ascending.
void TestClockRegistry::verifyConsistent()
{
    const QList<DevClock *> clocks = registry()->clocks();
    const QList<DevGroup *> groups = registry()->groups();
    for (int g = 0; g < groups.size(); ++g) {
        const IndexList members = groups.at(g)->clockIndexes();
        IndexList sorted = members;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(members, sorted);
        for (int member : members) {
            QVERIFY2(member >= 0 && member < clocks.size(), "member index out of range");
            QCOMPARE(clocks.at(member)->groupId, g);
        }
    }
    for (int c = 0; c < clocks.size(); ++c) {
        const int groupId = clocks.at(c)->groupId;
        if (groupId == -1)
            continue;
        QVERIFY(groupId >= 0 && groupId < groups.size());
        QVERIFY(groups.at(groupId)->clockIndexes().contains(c));
    }
}

void TestClockRegistry::removeClockRenumbersMembers_data()
{
    QTest::addColumn<IndexList>("members");
    QTest::addColumn<int>("removed");
    QTest::addColumn<bool>("result");
    QTest::addColumn<IndexList>("expected");
    QTest::addColumn<QString>("nameAfterRemoved");

    QTest::newRow("member in the middle") << IndexList{1, 2, 5} << 2 << true << IndexList{1, 4} << "clock 3";
    QTest::newRow("non-member before every member") << IndexList{1, 2, 5} << 0 << true << IndexList{0, 1, 4} << "clock 1";
    QTest::newRow("non-member between members") << IndexList{1, 2, 5} << 3 << true << IndexList{1, 2, 4} << "clock 4";
    QTest::newRow("last clock, a member") << IndexList{1, 2, 6} << 6 << true << IndexList{1, 2} << "";
    QTest::newRow("index past the end") << IndexList{1, 2, 5} << 7 << false << IndexList{1, 2, 5} << "";
    QTest::newRow("negative index") << IndexList{1, 2, 5} << -1 << false << IndexList{1, 2, 5} << "clock 0";
}

void TestClockRegistry::removeClockRenumbersMembers()
{
    QFETCH(IndexList, members);
    QFETCH(int, removed);
    QFETCH(bool, result);
    QFETCH(IndexList, expected);
    QFETCH(QString, nameAfterRemoved);

    addClocks(7);
    registry()->createGroup(QString());
    for (int member : members)
        QVERIFY(registry()->setClockGroup(member, 0));

    QCOMPARE(registry()->removeClock(removed), result);
    QCOMPARE(registry()->clockCount(), result ? 6 : 7);
    QCOMPARE(registry()->groupAt(0)->clockIndexes(), expected);
    verifyConsistent();
    if (!nameAfterRemoved.isEmpty()) {
        const int at = qMax(removed, 0);
        QCOMPARE(registry()->clockAt(at)->name, nameAfterRemoved);
    }
}

void TestClockRegistry::removeClockListedWithoutGroupId()
{
    // A state file can list a clock in a group while the clock's own
    // groupId says none; removing it must not hand its place to the next clock.
    addClocks(4);
    auto *group = new DevGroup;
    group->setClockIndexes({1, 2});
    registry()->addGroup(group);
    registry()->clockAt(2)->groupId = 0;

    QVERIFY(registry()->removeClock(1));
    QCOMPARE(group->clockIndexes(), IndexList{1});
    QCOMPARE(registry()->clockAt(1)->name, QStringLiteral("clock 2"));
    QCOMPARE(registry()->groupOfClock(registry()->clockAt(0)), nullptr);
    verifyConsistent();
}

void TestClockRegistry::removeGroupMovesClocks_data()
{
    QTest::addColumn<int>("removed");
    QTest::addColumn<bool>("result");
    QTest::addColumn<IndexList>("groupIds");
    QTest::addColumn<QStringList>("groupNames");

    // Clocks 0, 1 in group 0, clock 2 in none, clocks 3, 4 in group 1, clock 5 in group 2.
    QTest::newRow("first of three") << 0 << true << IndexList{-1, -1, -1, 0, 0, 1}
                                    << QStringList{"B", "C"};
    QTest::newRow("middle of three") << 1 << true << IndexList{0, 0, -1, -1, -1, 1}
                                     << QStringList{"A", "C"};
    QTest::newRow("last of three") << 2 << true << IndexList{0, 0, -1, 1, 1, -1}
                                   << QStringList{"A", "B"};
    QTest::newRow("past the end") << 3 << false << IndexList{0, 0, -1, 1, 1, 2}
                                  << QStringList{"A", "B", "C"};
}

void TestClockRegistry::removeGroupMovesClocks()
{
    QFETCH(int, removed);
    QFETCH(bool, result);
    QFETCH(IndexList, groupIds);
    QFETCH(QStringList, groupNames);

    addClocks(6);
    registry()->createGroup(QStringLiteral("A"));
    registry()->createGroup(QStringLiteral("B"));
    registry()->createGroup(QStringLiteral("C"));
    QVERIFY(registry()->setClockGroup(0, 0));
    QVERIFY(registry()->setClockGroup(1, 0));
    QVERIFY(registry()->setClockGroup(4, 1));
    QVERIFY(registry()->setClockGroup(3, 1));
    QVERIFY(registry()->setClockGroup(5, 2));

    QCOMPARE(registry()->removeGroup(removed), result);
    IndexList actual;
    for (const DevClock *clock : registry()->clocks())
        actual << clock->groupId;
    QCOMPARE(actual, groupIds);
    QStringList names;
    for (const DevGroup *group : registry()->groups())
        names << group->name();
    QCOMPARE(names, groupNames);
    verifyConsistent();
}

void TestClockRegistry::setClockGroup_data()
{
    QTest::addColumn<int>("clockIndex");
    QTest::addColumn<int>("groupIndex");
    QTest::addColumn<bool>("result");
    QTest::addColumn<IndexList>("group0");
    QTest::addColumn<IndexList>("group1");
    QTest::addColumn<int>("groupId");

    // Before: group 0 = {0, 2, 3}, group 1 = {4}.
    QTest::newRow("move to the other group, kept ascending") << 2 << 1 << true << IndexList{0, 3}
                                                            << IndexList{2, 4} << 1;
    QTest::newRow("join from no group") << 1 << 0 << true << IndexList{0, 1, 2, 3} << IndexList{4}
                                        << 0;
    QTest::newRow("same group again, listed once") << 3 << 0 << true << IndexList{0, 2, 3}
                                                   << IndexList{4} << 0;
    QTest::newRow("leave with -1") << 0 << -1 << false << IndexList{2, 3} << IndexList{4} << -1;
    QTest::newRow("group past the end leaves the group") << 3 << 2 << false << IndexList{0, 2}
                                                         << IndexList{4} << -1;
    QTest::newRow("clock past the end changes nothing") << 5 << 1 << false << IndexList{0, 2, 3}
                                                        << IndexList{4} << -2;
}

void TestClockRegistry::setClockGroup()
{
    QFETCH(int, clockIndex);
    QFETCH(int, groupIndex);
    QFETCH(bool, result);
    QFETCH(IndexList, group0);
    QFETCH(IndexList, group1);
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

void TestClockRegistry::createGroupNames()
{
    registry()->createGroup(QString());
    registry()->createGroup(QStringLiteral("Hall"));
    registry()->createGroup(QString());
    QVERIFY(registry()->removeGroup(0));
    registry()->createGroup(QString());

    QStringList names;
    for (const DevGroup *group : registry()->groups())
        names << group->name();
    // The number follows the count, not the highest number in use.
    QCOMPARE(names, (QStringList{"Hall", "Group 3", "Group 3"}));
    QVERIFY(registry()->renameGroup(2, QStringLiteral("Lobby")));
    QVERIFY(!registry()->renameGroup(3, QStringLiteral("nowhere")));
    QCOMPARE(registry()->groupAt(2)->name(), QStringLiteral("Lobby"));
}

void TestClockRegistry::lookups()
{
    addClocks(3);
    registry()->createGroup(QString());
    QVERIFY(registry()->setClockGroup(1, 0));
    DevClock *second = registry()->clockAt(1);
    DevClock *third = registry()->clockAt(2);
    const quint64 secondId = second->id;

    QCOMPARE(registry()->clockById(third->id), third);
    QCOMPARE(registry()->groupOfClock(second), registry()->groupAt(0));
    QCOMPARE(registry()->groupOfClock(third), nullptr);
    QCOMPARE(registry()->clockAt(3), nullptr);
    QCOMPARE(registry()->clockAt(-1), nullptr);
    QCOMPARE(registry()->groupAt(1), nullptr);

    DevClock unregistered;
    QCOMPARE(registry()->groupOfClock(&unregistered), nullptr);
    QCOMPARE(registry()->groupOfClock(nullptr), nullptr);

    QVERIFY(registry()->removeClock(1));
    QCOMPARE(registry()->clockById(secondId), nullptr);
    // The clock that moved into index 1 is not a member of the group.
    QCOMPARE(registry()->groupOfClock(registry()->clockAt(1)), nullptr);
}

void TestClockRegistry::alreadyListedComparesIpText()
{
    addClocks(2); // 192.168.0.20 and .21
    const auto candidate = [](const char *ip) {
        auto *clock = new DevClock;
        clock->network.ip = QString::fromLatin1(ip);
        return clock;
    };
    const QList<DevClock *> candidates{candidate("192.168.0.21"), candidate("192.168.0.2"),
                                       candidate("192.168.0.210"), candidate("192.168.000.20"),
                                       candidate("192.168.0.20")};
    QCOMPARE(registry()->alreadyListed(candidates), (QList<bool>{true, false, false, false, true}));
    qDeleteAll(candidates);
}

void TestClockRegistry::addingTwiceKeepsOneOwner()
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

QTEST_GUILESS_MAIN(TestClockRegistry)
#include "tst_clockregistry.moc"
