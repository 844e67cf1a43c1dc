#include "model/AddressRange.h"
#include "model/ClockIntake.h"
#include "model/ClockRegistry.h"
#include "operations/CommissioningModel.h"
#include "operations/CommissioningSender.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "tests/operations/OperationsTestSupport.h"
#include "tests/support/TestRows.h"
#include "transport/WorkerThreadPool.h"

#include <QtTest>

using namespace OperationsTestSupport;

namespace {

const QString wholeNetwork = QStringLiteral("192.168.0.0/24");
// Unassigned addresses cost a connect wait each: short ones keep the test quick.
const int probeConnectMs = 300;

QVector<CommissioningTarget> rangeTargets(const QString &text, const QString &password)
{
    AddressRange range;
    AddressRange::parse(text, range);
    return CommissioningTarget::fromRange(range, QStringLiteral("admin"), password);
}

} // namespace

// Clocks found by asking every address of a /24 directly, with discovery
// switched off in the simulator: what the result table says, what the device
// list holds after it, and that a cancel is exact.
class TestCommissioning : public SimulatorSuite
{
    Q_OBJECT

private slots:
    void initTestCase() { m_exchanges.workers().setProbeConnectMs(probeConnectMs); }
    void cleanup();
    void rangeRuns_data() { TestRows::add(QStringLiteral("operations/commissioning.rows")); }
    void rangeRuns();
    void cancelStopsAtOnce();

private:
    // One run over the range, shown in model; its results.
    QVector<CommissionedAddress> run(const QString &password, CommissioningModel &model, bool acceptMoves);
};

void TestCommissioning::cleanup()
{
    m_exchanges.workers().setProbeBound(ExchangeSchedule::DefaultProbeBound);
    QVERIFY(m_exchanges.workers().waitForDone(20000));
    ClockRegistry::resetForTest();
}

QVector<CommissionedAddress> TestCommissioning::run(const QString &password, CommissioningModel &model,
                                                    bool acceptMoves)
{
    ClockIntake intake(*ClockRegistry::instance());
    intake.setAcceptMoves(acceptMoves);
    CommissioningSender *sender =
        m_exchanges.commission(rangeTargets(wholeNetwork, password), false, intake);
    model.clear();
    model.follow(sender, intake);
    EndSpy spy(sender);
    if (!spy.ended(60000) || spy.finished.count() != 1)
        qWarning("the run did not finish");
    return model.addresses();
}

void TestCommissioning::rangeRuns()
{
    QFETCH(QStringList, steps);
    QFETCH(QJsonObject, counts);
    QFETCH(int, listed);

    CommissioningModel model;
    QVector<CommissionedAddress> results;
    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words.at(0) == QLatin1String("move")) {
            QVERIFY2(m_sim.moveClock(words.at(1).toInt(), words.at(2)), qPrintable(m_sim.lastError()));
        } else if (words.at(0) == QLatin1String("spoof")) {
            const QString mac = m_sim.clock(words.at(2).toInt()).value("mac").toString();
            const QJsonObject faults{{"noDiscovery", true}, {"paths", QJsonArray{"/F"}},
                                     {"replyBody", QStringLiteral("QM03&DC-9&%1&1&3.05").arg(mac)}};
            QVERIFY2(m_sim.setFaults(words.at(1).toInt(), faults), qPrintable(m_sim.lastError()));
        } else {
            results = run(words.at(1), model, words.value(2) == QLatin1String("accept"));
        }
    }

    // Every address once, in the order of the range, in the table as in the results.
    AddressRange range;
    AddressRange::parse(wholeNetwork, range);
    QStringList ips;
    QJsonObject counted;
    for (const CommissionedAddress &address : qAsConst(results)) {
        ips << address.ip;
        counted.insert(address.outcomeKey(), counted.value(address.outcomeKey()).toInt() + 1);
    }
    QCOMPARE(ips, range.addresses());
    QCOMPARE(counted, counts);
    QCOMPARE(model.rowCount(), results.size());
    QCOMPARE(model.addresses().constLast().ip, results.constLast().ip);

    // The list holds exactly the clocks found, one row per MAC, each at the
    // address where the run found it, under the clock's own name.
    const ClockRegistry *registry = ClockRegistry::instance();
    QCOMPARE(registry->clockCount(), listed);
    QSet<QString> macs;
    for (const DevClock *clock : registry->clocks())
        macs.insert(clock->mac);
    QCOMPARE(macs.size(), listed);
    const QJsonArray simulated = m_sim.clocks();
    for (const CommissionedAddress &address : qAsConst(results)) {
        if (!address.isClock())
            continue;
        const DevClock *clock = registry->clockById(address.clockId);
        QVERIFY(clock);
        QCOMPARE(clock->network.ip, address.ip);
        const int index = address.ip.section(QLatin1Char('.'), 3).toInt() - 20;
        if (address.outcome != CommissionedAddress::Moved) {
            // Both layouts of the device information; a model no clock has is left empty.
            const QJsonObject sim = simulated.at(index).toObject();
            QCOMPARE(clock->mac, sim.value("mac").toString());
            QCOMPARE(clock->name, QStringLiteral("Room %1").arg(index + 1));
            const QString model = sim.value("productCode").toString();
            QCOMPARE(clock->productCode, DevClock::isKnownModelCode(model) ? model : QString());
        }
        QVERIFY(clock->status.lastStatusUpdate.isValid());
    }
    // Only direct requests: nothing was broadcast; the web server was asked
    // and never saw the password.
    int webRequests = 0;
    for (const QJsonObject &entry : m_sim.requestLog()) {
        QVERIFY(entry.value("kind").toString() != QLatin1String("discovery"));
        if (entry.value("local").toString() == QLatin1String("192.168.0.60") && entry.contains("head")) {
            ++webRequests;
            QVERIFY(!entry.value("head").toString().contains(QLatin1String("Authorization")));
        }
    }
    QVERIFY(webRequests > 0);
}

// Cancelled once 40 addresses are reported: nothing is reported after the
// cancel, no request reaches a clock after the exchanges then running, and
// the list holds exactly the clocks reported.
void TestCommissioning::cancelStopsAtOnce()
{
    const int cancelAfter = 40;
    m_exchanges.workers().setProbeBound(2);
    ClockIntake intake(*ClockRegistry::instance());
    CommissioningSender *sender =
        m_exchanges.commission(rangeTargets(wholeNetwork, "admin"), false, intake);
    CommissioningModel found;
    found.follow(sender, intake);
    int reported = 0;
    int reportedAfterCancel = 0;
    bool cancelled = false;
    connect(sender, &CommissioningSender::addressReported, this, [&](int) {
        ++reported;
        if (cancelled) {
            ++reportedAfterCancel;
        } else if (reported == cancelAfter) {
            cancelled = true;
            QVERIFY(m_exchanges.cancel(sender));
        }
    });
    EndSpy spy(sender);
    QVERIFY(spy.ended(60000));
    const QVector<CommissionedAddress> &results = found.addresses();
    QCOMPARE(spy.canceled.count(), 1);
    QCOMPARE(results.size(), cancelAfter);
    QVERIFY(m_exchanges.workers().waitForDone(20000));
    const int requestsThen = m_sim.httpRequests().size();
    // An exchange the cancel failed to take back would reach a clock within this.
    QTest::qWait(2 * probeConnectMs);
    QCOMPARE(m_sim.httpRequests().size(), requestsThen);
    QCOMPARE(reportedAfterCancel, 0);

    int clocks = 0;
    for (const CommissionedAddress &address : qAsConst(results))
        clocks += address.isClock() ? 1 : 0;
    QCOMPARE(ClockRegistry::instance()->clockCount(), clocks);
    // The addresses .1 to .40: the clocks from .20 on, .25 and .37 refusing.
    QCOMPARE(clocks, 19);
}

QTEST_GUILESS_MAIN(TestCommissioning)
#include "tst_commissioning.moc"
