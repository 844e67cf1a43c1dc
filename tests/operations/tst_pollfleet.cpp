#include "health/HealthWriter.h"
#include "operations/ClockPoker.h"
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "tests/operations/OperationsTestSupport.h"
#include "operations/SenderPool.h"
#include "transport/WorkerThreadPool.h"

#include <QtTest>

using namespace OperationsTestSupport;

namespace {

// The generated fleet: 240 clocks from 192.168.0.10.
const int FleetSize = 240;

} // namespace

// A fleet of slow clocks the fixed bound of old could not keep pace with:
// 240 clocks due every 2 s, each answering after 200-300 ms, need about 30
// polls in flight, and 16 start only about 64 polls a second.
class TestPollFleet : public SimulatorSuite
{
    Q_OBJECT

private slots:
    void pollLaneFollowsTheFleet();

private:
    bool setDelay(const QJsonValue &delay);
};

bool TestPollFleet::setDelay(const QJsonValue &delay)
{
    for (int i = 0; i < FleetSize; ++i) {
        if (!m_sim.setFaults(i, QJsonObject{{"delayMs", delay}}))
            return false;
    }
    return true;
}

void TestPollFleet::pollLaneFollowsTheFleet()
{
    QVERIFY(setDelay(QJsonArray{200, 300}));
    for (int i = 0; i < FleetSize; ++i) {
        auto *clock = new DevClock;
        clock->network.ip = QStringLiteral("192.168.0.%1").arg(10 + i);
        clock->user = clock->password = QStringLiteral("admin");
        clock->id = quint64(i + 1);
        ClockRegistry::instance()->addClock(clock);
    }
    const ExchangeSchedule &schedule = m_exchanges.workers().schedule();
    const int floor = schedule.bound();
    QCOMPARE(floor, ExchangeSchedule::DefaultBound);

    HealthWriter health(*ClockRegistry::instance());
    ClockPoker poker(*ClockRegistry::instance(), health, m_exchanges);
    poker.setDueAfterSeconds(1);
    QHash<quint64, int> polls;
    int widest = 0;
    int most = 0;
    bool fair = true;
    connect(&poker, &ClockPoker::PollFinished, this, [&](quint64 id, bool answered) {
        QVERIFY(answered);
        // A third poll of one clock only after every clock's second.
        if (++polls[id] == 3 && fair) {
            for (quint64 other = 1; other <= quint64(FleetSize); ++other)
                fair = fair && polls.value(other) >= 2;
        }
        widest = qMax(widest, schedule.laneBound(ExchangeLane::Poll));
        most = qMax(most, schedule.inFlight(ExchangeLane::Poll));
    });
    QTRY_VERIFY_WITH_TIMEOUT(polls.size() == FleetSize && std::all_of(polls.cbegin(), polls.cend(), [](int n) {
        return n >= 3;
    }), 60000);
    QVERIFY(fair);
    QVERIFY2(widest > floor, qPrintable(QString::number(widest)));
    QVERIFY2(most > floor, qPrintable(QString::number(most)));

    // Clocks that answer at once need no more than the floor again.
    QVERIFY(setDelay(0));
    QTRY_COMPARE_WITH_TIMEOUT(schedule.laneBound(ExchangeLane::Poll), floor, 30000);

    // Never two exchanges with one address at once, however wide the lane.
    QHash<QString, QVector<Connection>> byAddress;
    for (const Connection &connection : connections(m_sim))
        byAddress[connection.local] << connection;
    QCOMPARE(byAddress.size(), FleetSize);
    for (QVector<Connection> &list : byAddress) {
        std::sort(list.begin(), list.end(), [](const Connection &a, const Connection &b) { return a.opened < b.opened; });
        for (int i = 1; i < list.size(); ++i)
            QVERIFY2(!overlap(list.at(i - 1), list.at(i)), qPrintable(list.at(i).local));
    }
    poker.disconnect(this);
}

QTEST_GUILESS_MAIN(TestPollFleet)
#include "tst_pollfleet.moc"
