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

// The poller's own list; the process-wide one stays empty.
ClockRegistry &list()
{
    static ClockRegistry registry;
    return registry;
}

// What the poller writes of the list's clocks.
HealthWriter &health()
{
    static HealthWriter writer(list());
    return writer;
}

DevClock *addClock(const QString &ip)
{
    auto *clock = new DevClock;
    clock->network.ip = ip;
    clock->user = "admin";
    clock->password = "pw";
    static quint64 lastId = 0;
    clock->id = ++lastId;
    list().addClock(clock);
    return clock;
}

QList<quint64> ids(const QSignalSpy &spy)
{
    QList<quint64> list;
    for (const QList<QVariant> &arguments : spy)
        list << arguments.at(0).value<quint64>();
    return list;
}

} // namespace

class TestClockPoker : public SimulatorSuite
{
    Q_OBJECT

public:
    // One slot per lane: the order of the polls is the poller's alone to decide.
    TestClockPoker()
    {
        m_exchanges.workers().setBound(1);
        m_exchanges.workers().setProbeBound(1);
        m_exchanges.workers().setPollCeiling(1);
    }

private slots:
    void cleanup();
    void eachClockIsPolledOncePerDueInterval();
    void silentClocksAreTriedInTurn();
    void dueClocksFollowEachOtherWithoutWaitingForTheTick();
    void sixRefusalsReachTheNoAuthenticationLimit();
    void clockRemovedDuringItsPollGetsNoSignal();
    void clockRemovedWhileWaitingIsNotPolled();
    void pollerGoneDuringAPollHearsNothing();
};

void TestClockPoker::cleanup()
{
    // A poll of this test still running would run into the next one; the
    // poller is gone, so none still waits.
    QVERIFY(m_exchanges.workers().waitForDone(10000));
    list().clear();
}

void TestClockPoker::eachClockIsPolledOncePerDueInterval()
{
    // One clock answers, the other refuses: a failed poll counts as an update too.
    DevClock *clock = addClock("192.168.0.50");
    addClock("192.168.0.51");
    ClockPoker poker(list(), health(), m_exchanges);
    poker.setDueAfterSeconds(1);
    QSignalSpy updated(&poker, &ClockPoker::ClockStatusUpdated);
    QTRY_VERIFY_WITH_TIMEOUT(updated.count() >= 6, 20000);
    QCOMPARE(clock->lastError, NoError);
    QVERIFY(clock->status.hasTemperature());

    // More than one whole second between one poll and the next (a failed
    // poll's spacing counts from its start; its request leaves a moment later).
    QHash<QString, QDateTime> last;
    for (const QJsonObject &request : m_sim.httpRequests()) {
        QCOMPARE(ClockSimControl::requestBytes(request), expectedRequest("/T1", "admin", "pw", QByteArray()));
        const QString ip = request.value("local").toString();
        const QDateTime time = QDateTime::fromString(request.value("time").toString(), Qt::ISODateWithMs);
        if (last.contains(ip))
            QVERIFY2(last.value(ip).msecsTo(time) >= 1950, qPrintable(ip));
        last.insert(ip, time);
    }
    QCOMPARE(last.size(), 2);
}

void TestClockPoker::silentClocksAreTriedInTurn()
{
    // Always due and never answering: a poller that stuck to one of them
    // would never reach the others.
    DevClock *a = addClock("192.168.0.52");
    DevClock *b = addClock("192.168.0.53");
    DevClock *c = addClock("192.168.0.54");
    auto *poker = new ClockPoker(list(), health(), m_exchanges);
    poker->setDueAfterSeconds(-1);
    QSignalSpy updated(poker, &ClockPoker::ClockStatusUpdated);
    connect(poker, &ClockPoker::ClockStatusUpdated, this, [&] {
        if (updated.count() == 12)
            poker->deleteLater();
    });
    QTRY_VERIFY_WITH_TIMEOUT(updated.count() >= 12, 30000);
    // A failed poll moves a clock to the retry lane, beside the answering
    // clocks' lane; each is tried again in turn.
    const QList<quint64> order = ids(updated).mid(0, 12);
    for (DevClock *clock : {a, b, c})
        QVERIFY(order.count(clock->id) >= 2);
    for (DevClock *clock : {a, b, c}) {
        QCOMPARE(clock->status.NtpSynchronization, int(NtpNoConnection));
        // A failed poll leaves the clock's last error alone.
        QCOMPARE(clock->lastError, NoError);
        QVERIFY(health().of(*clock).counter(NtpNoConnection) >= 20);
    }
}

void TestClockPoker::dueClocksFollowEachOtherWithoutWaitingForTheTick()
{
    QList<quint64> all;
    for (int i = 50; i <= 54; ++i)
        all << addClock(QStringLiteral("192.168.0.%1").arg(i))->id;
    ClockPoker poker(list(), health(), m_exchanges);
    QSignalSpy updated(&poker, &ClockPoker::ClockStatusUpdated);
    QVERIFY(updated.wait(10000));
    // Only the end of one poll can start the next.
    QTRY_COMPARE_WITH_TIMEOUT(updated.count(), 5, 20000);
    QCOMPARE(ids(updated), all);
}

void TestClockPoker::sixRefusalsReachTheNoAuthenticationLimit()
{
    DevClock *clock = addClock("192.168.0.51");
    auto *poker = new ClockPoker(list(), health(), m_exchanges);
    // Always due: six polls back to back.
    poker->setDueAfterSeconds(-1);
    QSignalSpy updated(poker, &ClockPoker::ClockStatusUpdated);
    connect(poker, &ClockPoker::ClockStatusUpdated, this, [&] {
        if (updated.count() == 12)
            poker->deleteLater();
    });
    QTRY_VERIFY_WITH_TIMEOUT(updated.count() >= 12, 30000);
    QCOMPARE(health().of(*clock).firstDueAlert(), int(NtpNoAuthentication));
    QCOMPARE(clock->status.NtpSynchronization, int(NtpNoAuthentication));
    QVERIFY(clock->statusText().startsWith("No authentication"));
}

void TestClockPoker::clockRemovedDuringItsPollGetsNoSignal()
{
    QVERIFY(m_sim.setFaults(0, QJsonObject{{"delayMs", 500}}));
    const quint64 removedId = addClock("192.168.0.50")->id;
    const quint64 otherId = addClock("192.168.0.52")->id;
    ClockPoker poker(list(), health(), m_exchanges);
    QSignalSpy updated(&poker, &ClockPoker::ClockStatusUpdated);
    QTRY_VERIFY_WITH_TIMEOUT(poker.isPolling(), 5000);
    QCOMPARE(updated.count(), 0);
    QVERIFY(list().removeClock(0));

    QTRY_VERIFY_WITH_TIMEOUT(updated.count() >= 1, 10000);
    QCOMPARE(ids(updated).first(), otherId);
    QVERIFY(!ids(updated).contains(removedId));
    QCOMPARE(loggedPaths(m_sim).first(), QString("/T1"));
}

void TestClockPoker::clockRemovedWhileWaitingIsNotPolled()
{
    // All due, one slot: the end of the first poll starts the next
    // from what the poller saw before the removal.
    QVERIFY(m_sim.setFaults(0, QJsonObject{{"delayMs", 500}}));
    addClock("192.168.0.50");
    const quint64 removedId = addClock("192.168.0.52")->id;
    const quint64 lastId = addClock("192.168.0.53")->id;
    ClockPoker poker(list(), health(), m_exchanges);
    QSignalSpy updated(&poker, &ClockPoker::ClockStatusUpdated);
    QTRY_VERIFY_WITH_TIMEOUT(poker.isPolling(), 5000);
    QVERIFY(list().removeClock(1));
    // Joins the queues as it is added, behind those already waiting.
    const quint64 addedId = addClock("192.168.0.54")->id;
    QSignalSpy announced(&list(), &ClockRegistry::clockChanged);

    QTRY_COMPARE_WITH_TIMEOUT(updated.count(), 3, 10000);
    QCOMPARE(ids(updated).mid(1), (QList<quint64>{lastId, addedId}));
    QVERIFY(!ids(updated).contains(removedId));
    // Each result is announced through the list.
    QCOMPARE(announced.count(), 3);
}

void TestClockPoker::pollerGoneDuringAPollHearsNothing()
{
    // The poll outlives its poller: its end must reach nobody, and the
    // clock hears no further poll.
    QVERIFY(m_sim.setFaults(0, QJsonObject{{"delayMs", 500}}));
    addClock("192.168.0.50");
    {
        ClockPoker poker(list(), health(), m_exchanges);
        QTRY_COMPARE_WITH_TIMEOUT(loggedPaths(m_sim).size(), 1, 5000);
    }
    QVERIFY(m_exchanges.workers().waitForDone(10000));
    QTest::qWait(100);
    QCOMPARE(loggedPaths(m_sim).size(), 1);
}

QTEST_GUILESS_MAIN(TestClockPoker)
#include "tst_clockpoker.moc"
