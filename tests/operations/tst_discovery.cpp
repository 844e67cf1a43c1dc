#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "operations/DeviceFinder.h"
#include "tests/operations/OperationsTestSupport.h"

#include "transport/WorkerThreadPool.h"

#include <QtTest>

#include <algorithm>
#include <memory>

using namespace OperationsTestSupport;

namespace {

// The pc's addresses: with several links to the clocks' network every clock
// answers on each of them and is listed once per reply.
QStringList pcAddresses()
{
    const QString addresses = qEnvironmentVariable("ZENTICK_PC_ADDRESSES");
    return addresses.isEmpty() ? QStringList({ClockSimControl::pcAddress()}) : addresses.split(' ');
}

QStringList times(const QStringList &list, int count)
{
    QStringList result;
    for (const QString &item : list) {
        for (int i = 0; i < count; ++i)
            result << item;
    }
    return result;
}

struct OwnedClocks
{
    QVector<DevClock *> clocks;
    ~OwnedClocks() { qDeleteAll(clocks); }
    // Takes the finder's clocks when it ends, while it is still alive.
    std::function<void(DataSender *)> taker()
    {
        return [this](DataSender *sender) { take(static_cast<DeviceFinder *>(sender)); };
    }
    void take(DeviceFinder *finder)
    {
        clocks = finder->clocks();
        std::sort(clocks.begin(), clocks.end(),
                  [](DevClock *a, DevClock *b) { return a->network.ip < b->network.ip; });
    }
    QStringList ips() const
    {
        QStringList list;
        for (DevClock *clock : clocks)
            list << clock->network.ip;
        return list;
    }
};

} // namespace

class TestDiscovery : public SimulatorSuite
{
    Q_OBJECT

private slots:
    void findsSupportedClocksWithTheirSettings();
    void noRepliesFinishesWithAnEmptyList();
    void onlyUnsupportedClocksIsAnError();
    void cancelDuringTheClockQueries();

private:
    bool silence(const QList<int> &clocks);
};

bool TestDiscovery::silence(const QList<int> &clocks)
{
    for (int clock : clocks) {
        if (!m_sim.setFaults(clock, QJsonObject{{"noDiscovery", true}}))
            return false;
    }
    return true;
}

void TestDiscovery::findsSupportedClocksWithTheirSettings()
{
    OwnedClocks found;
    EndSpy spy(m_exchanges.findDevices("admin", "pw", *ClockRegistry::instance()), found.taker());
    QVERIFY(spy.ended());
    QCOMPARE(spy.finished.count(), 1);
    const int links = pcAddresses().size();
    // A third once every interface has been asked.
    QCOMPARE(spy.progressTexts().value(links - 1), QStringLiteral("0.333333"));
    QVERIFY(spy.progressTexts().last().toDouble() <= 1.0);

    QCOMPARE(found.ips(), times({"192.168.0.40", "192.168.0.41", "192.168.0.44"}, links));
    QStringList interfaces;
    for (const DevClock *clock : found.clocks) {
        if (!interfaces.contains(clock->networkInterface.ip.toString()))
            interfaces << clock->networkInterface.ip.toString();
    }
    interfaces.sort();
    QCOMPARE(interfaces, pcAddresses());
    // Name, model, firmware, device code, port, credentials, last error; the
    // one refusing "/D" keeps the broadcast's model and firmware.
    QStringList records;
    for (int i = 0; i < 3; ++i) {
        const DevClock *c = found.clocks.at(i * links);
        records << QStringList{c->name, c->productCode, QString::number(c->firmware), c->deviceCode,
                               QString::number(c->network.port), c->user + ':' + c->password,
                               QString::number(c->lastError)}
                       .join('|');
    }
    QCOMPARE(records, QStringList({"Hall|QM03|305|D40|2101|admin:pw|-1", "Lab|QM07|410||2102|admin:pw|-1",
                                   "Clock|QM12|102||2101|admin:pw|1"}));
    QVERIFY(!found.clocks.at(0)->networkInterface.name.isEmpty());

    // One broadcast per interface, then "/D" to every clock that answered,
    // unsupported ones included.
    const QVector<QJsonObject> log = m_sim.requestLog();
    QCOMPARE(log.first().value("kind").toString(), QString("discovery"));
    QCOMPARE(QByteArray::fromBase64(log.first().value("body").toString().toLatin1()), QByteArray("QLX?"));
    QStringList queried = loggedRequests(m_sim);
    queried.sort();
    QCOMPARE(queried, times({"/D@192.168.0.40", "/D@192.168.0.41", "/D@192.168.0.42", "/D@192.168.0.43",
                             "/D@192.168.0.44"},
                            links));
    // Each "/D" leaves by the interface its clock answered on.
    QStringList sources;
    for (const QJsonObject &request : m_sim.httpRequests()) {
        QCOMPARE(ClockSimControl::requestBytes(request), expectedRequest("/D", "admin", "pw", QByteArray()));
        const QString source = request.value("peer").toString().section(':', 0, 0);
        if (!sources.contains(source))
            sources << source;
    }
    sources.sort();
    QCOMPARE(sources, pcAddresses());
}

void TestDiscovery::noRepliesFinishesWithAnEmptyList()
{
    QVERIFY(silence({0, 1, 2, 3, 4}));
    OwnedClocks found;
    EndSpy spy(m_exchanges.findDevices("admin", "pw", *ClockRegistry::instance()), found.taker());
    QVERIFY(spy.ended());
    QCOMPARE(spy.finished.count(), 1);
    QVERIFY(found.clocks.isEmpty());
    QVERIFY(m_sim.httpRequests().isEmpty());
}

void TestDiscovery::onlyUnsupportedClocksIsAnError()
{
    QVERIFY(silence({0, 1, 4}));
    OwnedClocks found;
    EndSpy spy(m_exchanges.findDevices("admin", "pw", *ClockRegistry::instance()), found.taker());
    QVERIFY(spy.ended());
    QCOMPARE(spy.error.count(), 1);
    QVERIFY(found.clocks.isEmpty());
    QCOMPARE(m_sim.httpRequests().size(), 2 * pcAddresses().size());
}

void TestDiscovery::cancelDuringTheClockQueries()
{
    DeviceFinder *finder = m_exchanges.findDevices("admin", "pw", *ClockRegistry::instance());
    // Phase 1 ends with progress one third, just before the "/D" queries.
    connect(finder, &DataSender::updateProgress, finder, [this, finder](double progress) {
        if (qFuzzyCompare(progress, 1.0 / 3))
            m_exchanges.cancel(finder);
    });
    OwnedClocks found;
    EndSpy spy(finder, found.taker());
    QVERIFY(spy.ended());
    QCOMPARE(spy.canceled.count(), 1);
    QCOMPARE(spy.result, int(DataSender::Canceled));
    QCOMPARE(found.ips(), times({"192.168.0.40", "192.168.0.41", "192.168.0.44"}, pcAddresses().size()));
    // Nothing starts after the cancel.
    QVERIFY(m_exchanges.workers().waitForDone(10000));
    QVERIFY(m_sim.httpRequests().isEmpty());
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
