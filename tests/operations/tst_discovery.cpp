#include "Communication.h"
#include "DevClock.h"
#include "DeviceFinder.h"
#include "OperationsTestSupport.h"

#include <QtTest>

#include <algorithm>
#include <memory>

using namespace OperationsTestSupport;

namespace {

const int ClockCount = 5;

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

class TestDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void findsSupportedClocksWithTheirSettings();
    void noRepliesFinishesWithAnEmptyList();
    void onlyUnsupportedClocksIsAnError();
    void cancelDuringTheClockQueries();

private:
    bool silence(const QList<int> &clocks);

    ClockSimControl m_sim;
};

void TestDiscovery::initTestCase()
{
    QVERIFY2(m_sim.isAvailable(), "run through tests/netns/netns-run.sh");
}

void TestDiscovery::init()
{
    QVERIFY2(m_sim.reset(), qPrintable(m_sim.lastError()));
    QVERIFY2(m_sim.clearLog(), qPrintable(m_sim.lastError()));
}

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
    EndSpy spy(Communication::instance()->findDevices("admin", "pw"), found.taker());
    QVERIFY(spy.ended());
    QCOMPARE(spy.finished.count(), 1);
    QVERIFY(qFuzzyCompare(spy.progressValues().first(), 1.0 / 3));
    QVERIFY(spy.progressValues().last() <= 1.0);

    QCOMPARE(found.ips(), QStringList({"192.168.0.40", "192.168.0.41", "192.168.0.44"}));
    const DevClock *hall = found.clocks.at(0);
    QCOMPARE(hall->name, QString("Hall"));
    QCOMPARE(hall->productCode, QString("QM03"));
    QCOMPARE(hall->firmware, 305);
    QCOMPARE(hall->deviceCode, QString("D40"));
    QCOMPARE(hall->network.port, 2101);
    QCOMPARE(hall->user, QString("admin"));
    QCOMPARE(hall->password, QString("pw"));
    QCOMPARE(hall->lastError, NoError);
    QCOMPARE(hall->networkInterface.ip, QHostAddress(ClockSimControl::pcAddress()));
    QVERIFY(!hall->networkInterface.name.isEmpty());

    const DevClock *lab = found.clocks.at(1);
    QCOMPARE(lab->name, QString("Lab"));
    QCOMPARE(lab->productCode, QString("QM07"));
    QCOMPARE(lab->firmware, 410);
    QCOMPARE(lab->network.port, 2102);

    // Refused "/D": kept with the broadcast's model and firmware, and the kind.
    const DevClock *locked = found.clocks.at(2);
    QCOMPARE(locked->lastError, AuthorizationError);
    QCOMPARE(locked->name, QString("Clock"));
    QCOMPARE(locked->productCode, QString("QM12"));
    QCOMPARE(locked->firmware, 102);

    // One broadcast, then "/D" to every clock that answered, unsupported ones included.
    const QVector<QJsonObject> log = m_sim.requestLog();
    QCOMPARE(log.first().value("kind").toString(), QString("discovery"));
    QCOMPARE(QByteArray::fromBase64(log.first().value("body").toString().toLatin1()), QByteArray("QLX?"));
    QStringList queried = loggedRequests(m_sim);
    queried.sort();
    QCOMPARE(queried, QStringList({"/D@192.168.0.40", "/D@192.168.0.41", "/D@192.168.0.42", "/D@192.168.0.43",
                                   "/D@192.168.0.44"}));
    const QVector<QJsonObject> requests = m_sim.httpRequests();
    for (const QJsonObject &request : requests)
        QCOMPARE(ClockSimControl::requestBytes(request), expectedRequest("/D", "admin", "pw", QByteArray()));
}

void TestDiscovery::noRepliesFinishesWithAnEmptyList()
{
    QVERIFY(silence({0, 1, 2, 3, 4}));
    OwnedClocks found;
    EndSpy spy(Communication::instance()->findDevices("admin", "pw"), found.taker());
    QVERIFY(spy.ended());
    QCOMPARE(spy.finished.count(), 1);
    QVERIFY(found.clocks.isEmpty());
    QVERIFY(m_sim.httpRequests().isEmpty());
}

void TestDiscovery::onlyUnsupportedClocksIsAnError()
{
    QVERIFY(silence({0, 1, 4}));
    OwnedClocks found;
    EndSpy spy(Communication::instance()->findDevices("admin", "pw"), found.taker());
    QVERIFY(spy.ended());
    QCOMPARE(spy.error.count(), 1);
    QVERIFY(found.clocks.isEmpty());
    QCOMPARE(m_sim.httpRequests().size(), 2);
}

void TestDiscovery::cancelDuringTheClockQueries()
{
    DeviceFinder *finder = Communication::instance()->findDevices("admin", "pw");
    // Phase 1 ends with progress one third; the first "/D" is then under way.
    connect(finder, &DataSender::updateProgress, finder, [finder] {
        if (finder->phase() == 1)
            Communication::instance()->cancel(finder);
    });
    OwnedClocks found;
    EndSpy spy(finder, found.taker());
    QVERIFY(spy.ended());
    QCOMPARE(spy.canceled.count(), 1);
    QCOMPARE(spy.result, int(DataSender::Canceled));
    QCOMPARE(found.ips(), QStringList({"192.168.0.40", "192.168.0.41", "192.168.0.44"}));
    QCOMPARE(m_sim.httpRequests().size(), 1);
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
