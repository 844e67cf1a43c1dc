#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "operations/DeviceFinder.h"
#include "tests/operations/OperationsTestSupport.h"

#include <QtTest>

using namespace OperationsTestSupport;

// A whole /24 of clocks answering one broadcast at once.
class TestDiscoveryFleet : public SimulatorSuite
{
    Q_OBJECT

private slots:
    void findsEveryClockOfAFullNetwork();
};

void TestDiscoveryFleet::findsEveryClockOfAFullNetwork()
{
    QStringList expected; // "ip name" as the simulator holds them
    for (const QJsonValue &clock : m_sim.clocks())
        expected << clock.toObject().value("ip").toString() + ' ' + clock.toObject().value("name").toString();
    QVERIFY(expected.size() > 200);

    QStringList found;
    EndSpy spy(m_exchanges.findDevices("admin", "admin", *ClockRegistry::instance()), [&found](DataSender *sender) {
        const QVector<DevClock *> clocks = static_cast<DeviceFinder *>(sender)->clocks();
        for (const DevClock *clock : clocks)
            found << clock->network.ip + ' ' + clock->name;
        qDeleteAll(clocks);
    });
    QVERIFY(spy.ended(120000));
    QCOMPARE(spy.finished.count(), 1);
    // Each once, and each named by its own "/D" reply.
    expected.sort();
    found.sort();
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(TestDiscoveryFleet)
#include "tst_discoveryfleet.moc"
