#include "model/ClockConfig.h"
#include "model/DevGroup.h"
#include "operations/ClockPoker.h"
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "health/HealthWriter.h"
#include "operations/audit/FleetAudit.h"
#include "operations/GetConfigurationSender.h"
#include "operations/GetStatusSender.h"
#include "tests/operations/OperationsTestSupport.h"
#include "tests/support/HealthPolls.h"
#include "operations/SenderPool.h"
#include "operations/SetConfigurationSender.h"
#include "transport/WorkerThreadPool.h"
#include "transport/HttpExchange.h"

#include <QtTest>

using namespace OperationsTestSupport;

namespace {

// The fleet of data/parallel.json: three new clocks sharing the factory
// address, three silent ones, and answering ones after them.
const int SharedCount = 3;
const int FirstSilent = 3;
const int SilentCount = 3;
const int FleetSize = 23;

QString ipOf(int index)
{
    return index < SharedCount ? QStringLiteral("192.168.0.11") : QStringLiteral("192.168.0.%1").arg(57 + index);
}

int pollsOf(const QSignalSpy &finished, quint64 id)
{
    int count = 0;
    for (const QList<QVariant> &arguments : finished)
        count += arguments.at(0).value<quint64>() == id;
    return count;
}

} // namespace

// Exchanges with different clocks in parallel, against the simulator: what a
// clock sees, what a silent clock costs the others, and that user operations
// and cancels keep their promises.
class TestParallel : public SimulatorSuite
{
    Q_OBJECT

private slots:
    void cleanup();
    void oneAddressNeverServesTwoExchangesAtOnce();
    void silentClocksCostOneSlotEach();
    void unreachableClocksLeaveSlotsToAnsweringOnes();
    void downloadStartsBeforeTheNextPoll();
    void downloadStartsBeforeABackgroundAudit();
    void groupSendReportsItsSilentClocks();
    void cancelDuringAGroupSend();
    void exchangesOfTheirOwnShareNothing_data();
    void exchangesOfTheirOwnShareNothing();
    void auditGoesThroughAWindow_data();
    void auditGoesThroughAWindow();

private:
    QList<DevClock *> listFleet(const QList<int> &indexes);
    QList<SenderTarget> targets(const QList<int> &indexes) const;
};

void TestParallel::cleanup()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_exchanges.pool()->senders().isEmpty(), 20000);
    QVERIFY(m_exchanges.workers().waitForDone(20000));
    QCoreApplication::processEvents();
    ClockRegistry::resetForTest();
    m_exchanges.workers().setBound(ExchangeSchedule::DefaultBound);
    m_exchanges.workers().setProbeBound(ExchangeSchedule::DefaultProbeBound);
    m_exchanges.workers().setPollCeiling(ExchangeSchedule::DefaultPollCeiling);
    m_exchanges.workers().setWaits(HttpExchange::Waits());
}

QList<DevClock *> TestParallel::listFleet(const QList<int> &indexes)
{
    QList<DevClock *> clocks;
    for (int i : indexes) {
        auto *clock = new DevClock;
        clock->network.ip = ipOf(i);
        clock->user = QStringLiteral("admin");
        clock->password = QStringLiteral("pw");
        clock->id = quint64(i + 1);
        ClockRegistry::instance()->addClock(clock);
        clocks << clock;
    }
    return clocks;
}

QList<SenderTarget> TestParallel::targets(const QList<int> &indexes) const
{
    QList<SenderTarget> list;
    for (int index : indexes)
        list << target(ipOf(index), "admin", "pw", quint64(index + 1));
    return list;
}

void TestParallel::oneAddressNeverServesTwoExchangesAtOnce()
{
    // Polls of every clock (the three at the factory address among them) and
    // a group send to all, at once. Every clock answers here, some slowly, so
    // that the simulator alone ends each connection and its log is exact.
    QList<int> all;
    for (int i = 0; i < FleetSize; ++i) {
        QVERIFY(m_sim.setFaults(i, i % 2 ? QJsonObject{{"delayMs", 40}} : QJsonObject()));
        all << i;
    }
    const QList<DevClock *> fleet = listFleet(all);
    HealthWriter health(*ClockRegistry::instance());
    ClockPoker poker(*ClockRegistry::instance(), health, m_exchanges);
    poker.setDueAfterSeconds(-1);
    QSignalSpy polled(&poker, &ClockPoker::PollFinished);
    EndSpy send(m_exchanges.setConfiguration(ClockConfig(), targets(all)));
    QVERIFY(send.ended(30000));
    QCOMPARE(send.finished.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(pollsOf(polled, fleet.at(2)->id) >= 3 && pollsOf(polled, fleet.last()->id) >= 3, 30000);

    const QVector<Connection> seen = connections(m_sim);
    QVERIFY(seen.size() > 3 * all.size());
    int parallel = 0;
    for (int i = 0; i < seen.size(); ++i) {
        for (int j = i + 1; j < seen.size(); ++j) {
            if (!overlap(seen.at(i), seen.at(j)))
                continue;
            QVERIFY2(seen.at(i).local != seen.at(j).local, qPrintable(seen.at(i).local));
            ++parallel;
        }
    }
    QVERIFY(parallel > 0);
}

void TestParallel::silentClocksCostOneSlotEach()
{
    // A third of the fleet silent: each answering clock is polled at least
    // twice before any silent one has ended its first poll.
    m_exchanges.workers().setWaits({HttpExchange::defaultConnectTimeoutMs, 50, HttpExchange::defaultQuietWaitMs});
    QList<int> indexes;
    for (int i = FirstSilent; i < FirstSilent + 3 * SilentCount; ++i)
        indexes << i;
    const QList<DevClock *> fleet = listFleet(indexes);
    HealthWriter health(*ClockRegistry::instance());
    ClockPoker poker(*ClockRegistry::instance(), health, m_exchanges);
    poker.setDueAfterSeconds(-1);
    QMap<quint64, int> answers;
    QMap<quint64, int> answersAtFirstFailure;
    QSet<quint64> failed;
    connect(&poker, &ClockPoker::PollFinished, this, [&](quint64 id, bool answered) {
        if (answered) {
            ++answers[id];
            return;
        }
        if (failed.isEmpty())
            answersAtFirstFailure = answers;
        failed.insert(id);
    });
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), SilentCount, 20000);
    for (const DevClock *clock : fleet.mid(SilentCount))
        QVERIFY2(answersAtFirstFailure.value(clock->id) >= 2, qPrintable(clock->network.ip));

    // An answering clock turns silent: its alert falls due with its sixth
    // failed poll, not before and not later.
    DevClock *dying = fleet.last();
    QVERIFY(m_sim.setFaults(indexes.last(), QJsonObject{{"silent", true}}));
    QList<bool> dueAfter;
    connect(&poker, &ClockPoker::PollFinished, this, [&](quint64 id, bool answered) {
        if (id == dying->id && !answered)
            dueAfter << health.of(*dying).isDue(NtpNoConnection);
    });
    QTRY_VERIFY_WITH_TIMEOUT(dueAfter.size() >= 6, 60000);
    QCOMPARE(dueAfter.mid(0, 6), QList<bool>({false, false, false, false, false, true}));
}

void TestParallel::unreachableClocksLeaveSlotsToAnsweringOnes()
{
    // Five silent clocks whose alerts are due, four retry slots, every clock
    // always due: the unreachable ones never hold more than three of them at
    // once, and the answering clocks go on in slots of their own.
    m_exchanges.workers().setBound(4);
    m_exchanges.workers().setProbeBound(2); // four retry slots,
    m_exchanges.workers().setPollCeiling(4); // however slow the silent clocks
    m_exchanges.workers().setWaits({HttpExchange::defaultConnectTimeoutMs, 25, HttpExchange::defaultQuietWaitMs});
    QList<int> indexes;
    QStringList deadIps;
    for (int i = FirstSilent; i < FirstSilent + 10; ++i)
        indexes << i;
    const QList<DevClock *> fleet = listFleet(indexes);
    HealthWriter health(*ClockRegistry::instance());
    for (int k = 0; k < 5; ++k) {
        QVERIFY(m_sim.setFaults(indexes.at(k), QJsonObject{{"silent", true}}));
        DevClock *dead = fleet.at(k);
        pollSaw(health, *dead, NtpNoConnection, 6);
        QVERIFY(health.of(*dead).isDead());
        deadIps << dead->network.ip;
    }
    ClockPoker poker(*ClockRegistry::instance(), health, m_exchanges);
    poker.setDueAfterSeconds(-1);
    poker.setUnreachableMaxAgeSeconds(-1);
    QSignalSpy polled(&poker, &ClockPoker::PollFinished);
    QTRY_VERIFY_WITH_TIMEOUT(pollsOf(polled, fleet.at(0)->id) >= 2 && pollsOf(polled, fleet.at(4)->id) >= 2, 30000);
    for (const DevClock *clock : fleet.mid(5))
        QVERIFY2(pollsOf(polled, clock->id) >= 4, qPrintable(clock->network.ip));

    // The most connections to unreachable clocks open at one moment.
    QVector<QPair<QDateTime, int>> edges;
    for (const Connection &connection : connections(m_sim)) {
        if (deadIps.contains(connection.local))
            // The simulator sees a close a moment after the poller gave up
            // and may already have opened the next connection.
            edges << qMakePair(connection.opened, 1) << qMakePair(connection.closed.addMSecs(-50), -1);
    }
    std::sort(edges.begin(), edges.end(), [](const auto &a, const auto &b) {
        return a.first < b.first || (a.first == b.first && a.second < b.second);
    });
    int open = 0;
    int most = 0;
    for (const auto &edge : qAsConst(edges))
        most = qMax(most, open += edge.second);
    QCOMPARE(most, 3);
}

void TestParallel::downloadStartsBeforeTheNextPoll()
{
    // Two poll slots, both held by silent clocks: the user's download goes
    // out at once, before any further poll.
    m_exchanges.workers().setBound(2);
    // The silent clocks first, so that they are polled first.
    listFleet({FirstSilent, FirstSilent + 1, FirstSilent + SilentCount, FirstSilent + SilentCount + 1});
    HealthWriter health(*ClockRegistry::instance());
    ClockPoker poker(*ClockRegistry::instance(), health, m_exchanges);
    QTRY_COMPARE_WITH_TIMEOUT(m_sim.httpRequests().size(), 2, 10000);
    EndSpy download(m_exchanges.getConfiguration(target(ipOf(FleetSize - 1))));
    QVERIFY(download.ended(3000));
    QCOMPARE(download.finished.count(), 1);
    const QStringList logged = loggedRequests(m_sim);
    QCOMPARE(logged.mid(2, 3), QStringList({"/A@" + ipOf(FleetSize - 1), "/B@" + ipOf(FleetSize - 1),
                                            "/C0@" + ipOf(FleetSize - 1)}));
}

void TestParallel::downloadStartsBeforeABackgroundAudit()
{
    // An audit nobody waits for, its slots held by silent clocks and one
    // more waiting: the user's download still goes out at once.
    m_exchanges.workers().setBound(2);
    m_exchanges.workers().setProbeBound(2);
    listFleet({FirstSilent, FirstSilent + 1, FirstSilent + 2});
    FleetAudit audit(m_exchanges);
    audit.setLane(ExchangeLane::Probe);
    audit.selectAllClocks(*ClockRegistry::instance());
    audit.start();
    QTRY_COMPARE_WITH_TIMEOUT(m_sim.httpRequests().size(), 2, 10000);
    EndSpy download(m_exchanges.getConfiguration(target(ipOf(FleetSize - 1))));
    QVERIFY(download.ended(3000));
    QCOMPARE(download.finished.count(), 1);
    audit.cancel();
}

void TestParallel::groupSendReportsItsSilentClocks()
{
    m_exchanges.workers().setWaits({HttpExchange::defaultConnectTimeoutMs, 50, HttpExchange::defaultQuietWaitMs});
    QList<int> group;
    for (int i = FleetSize - 20; i < FleetSize; ++i)
        group << i;
    QVector<bool> succeeded;
    EndSpy send(m_exchanges.setConfiguration(ClockConfig(), targets(group)),
                [&](DataSender *s) { succeeded = static_cast<SetConfigurationSender *>(s)->succeeded(); });
    QVERIFY(send.ended(30000));
    QCOMPARE(send.finished.count(), 1);
    QVector<bool> expected(group.size(), true);
    for (int k = 0; k < group.size(); ++k)
        expected[k] = group.at(k) < FirstSilent || group.at(k) >= FirstSilent + SilentCount;
    QCOMPARE(succeeded, expected);

    QVector<Connection> silent;
    for (const Connection &connection : connections(m_sim)) {
        for (int i = FirstSilent; i < FirstSilent + SilentCount; ++i) {
            if (connection.local == ipOf(i))
                silent << connection;
        }
    }
    QCOMPARE(silent.size(), SilentCount);
    for (int i = 0; i < silent.size(); ++i) {
        for (int j = i + 1; j < silent.size(); ++j)
            QVERIFY(overlap(silent.at(i), silent.at(j)));
    }
}

void TestParallel::cancelDuringAGroupSend()
{
    m_exchanges.workers().setBound(2);
    QList<int> group;
    for (int i = FirstSilent + SilentCount; i < FleetSize; ++i) {
        QVERIFY(m_sim.setFaults(i, QJsonObject{{"delayMs", 300}}));
        group << i;
    }
    SetConfigurationSender *send = m_exchanges.setConfiguration(ClockConfig(), targets(group));
    connect(send, &DataSender::updateProgress, send, [this, send] { m_exchanges.cancel(send); });
    EndSpy spy(send);
    QVERIFY(spy.ended());
    QCOMPARE(spy.canceled.count(), 1);
    QVERIFY(m_exchanges.workers().waitForDone(10000));
    QCoreApplication::processEvents();
    // The two exchanges under way end; nothing else starts, nothing more is reported.
    QCOMPARE(m_sim.httpRequests().size(), 2);
    QCOMPARE(spy.progress.count(), 1);
    QCOMPARE(spy.count(), 1);
}

void TestParallel::exchangesOfTheirOwnShareNothing_data()
{
    QTest::addColumn<QString>("user");
    QTest::newRow("sender") << "sender";
    QTest::newRow("poller") << "poller";
    QTest::newRow("audit") << "audit";
}

// Two programs' exchanges: the one slot of the first, held by a silent
// clock, holds nothing of the second's, and neither books the other's work.
void TestParallel::exchangesOfTheirOwnShareNothing()
{
    QFETCH(QString, user);
    const ExchangeLane lane = user == "poller" ? ExchangeLane::Poll
        : user == "audit"                      ? ExchangeLane::Probe
                                               : ExchangeLane::User;
    Communication other;
    Communication *exchanges[2] = {&m_exchanges, &other};
    for (Communication *each : exchanges) {
        each->workers().setBound(1);
        each->workers().setProbeBound(1);
    }
    // The silent clock holds its slot for eight seconds.
    m_exchanges.workers().setWaits({HttpExchange::defaultConnectTimeoutMs, 400, HttpExchange::defaultQuietWaitMs});
    ClockRegistry lists[2];
    bool done[2] = {false, false};
    QObject listener; // whatever ends after the row reports to nobody
    std::vector<std::unique_ptr<QObject>> owned;
    DataSender *blocker = nullptr;
    for (int i = 0; i < 2; ++i) {
        auto *clock = new DevClock;
        clock->network.ip = ipOf(i ? FleetSize - 1 : FirstSilent);
        clock->user = QStringLiteral("admin");
        clock->password = QStringLiteral("pw");
        lists[i].addClock(clock);
        bool *flag = &done[i];
        if (user == "sender") {
            DataSender *sender = exchanges[i]->getStatus({SenderTarget::fromClock(*lists[i].clockAt(0))});
            connect(sender, &DataSender::finished, &listener, [flag] { *flag = true; });
            blocker = blocker ? blocker : sender;
        } else if (user == "poller") {
            auto *poker = new ClockPoker(lists[i], *new HealthWriter(lists[i], &listener), *exchanges[i]);
            owned.emplace_back(poker);
            connect(poker, &ClockPoker::PollFinished, &listener, [flag](quint64, bool answered) { *flag = answered; });
        } else {
            auto *audit = new FleetAudit(*exchanges[i]);
            owned.emplace_back(audit);
            audit->setLane(ExchangeLane::Probe);
            audit->selectAllClocks(lists[i]);
            connect(audit, &FleetAudit::finished, &listener, [flag] { *flag = true; });
            audit->start();
        }
        if (i == 0) {
            QTRY_COMPARE_WITH_TIMEOUT(m_exchanges.workers().schedule().runningCount(lane), 1, 10000);
            QCOMPARE(other.workers().schedule().runningCount(lane), 0);
        }
    }
    QTRY_VERIFY_WITH_TIMEOUT(done[1], 5000);
    QVERIFY(!done[0]);
    QCOMPARE(m_exchanges.workers().schedule().runningCount(lane), 1);
    if (blocker) {
        QCOMPARE(m_exchanges.pool()->senders(), QList<DataSender *>{blocker});
        QVERIFY(other.pool()->senders().isEmpty() && !other.cancel(blocker));
    }
}

void TestParallel::auditGoesThroughAWindow_data()
{
    QTest::addColumn<int>("window");
    QTest::newRow("a fleet five times the window") << 4;
    QTest::newRow("a window wider than the fleet") << int(FleetAudit::DefaultWindow);
}

// Clocks audited as they answer, out of list order here (replies take
// different times): the findings still come as one clock at a time gives
// them, and no more clocks are under way than the window holds.
void TestParallel::auditGoesThroughAWindow()
{
    QFETCH(int, window);
    QList<int> fleet{0, 1, 2}; // three clocks at one address
    for (int i = FirstSilent + SilentCount; i < FleetSize; ++i) {
        fleet << i;
        const QJsonObject delayed{{"delayMs", i % 3 * 30}};
        QVERIFY(m_sim.setFaults(i, i == FleetSize - 3 ? QJsonObject{{"status", 500}} : delayed));
    }
    listFleet(fleet);
    DevGroup *hall = ClockRegistry::instance()->createGroup(QStringLiteral("Hall"));
    hall->setClockIndexes({1, 4, 5, 6, 12});
    hall->setConfig(ClockConfig()); // far from the simulator's: many fields drift
    QStringList found[2];
    for (const int clocksAtOnce : {window, 1}) {
        FleetAudit audit(m_exchanges);
        audit.selectAllClocks(*ClockRegistry::instance());
        audit.setWindow(clocksAtOnce);
        QSignalSpy finished(&audit, &FleetAudit::finished);
        int senders = 0;
        connect(&audit, &FleetAudit::updateProgress, this,
                [&] { senders = std::max(senders, int(m_exchanges.pool()->senders().size())); });
        audit.start();
        QVERIFY(finished.wait(30000));
        QCOMPARE(audit.mostClocksInFlight(), std::min(clocksAtOnce, int(fleet.size())));
        QVERIFY2(senders <= clocksAtOnce, qPrintable(QString::number(senders)));
        for (const AuditFinding &f : audit.findings())
            found[clocksAtOnce == 1] << f.clockIp + ' ' + AuditFinding::kindKey(f.kind) + ' ' + f.reason;
    }
    QVERIFY(found[0].filter(QStringLiteral(" drift ")).size() > 5);
    QCOMPARE(found[0], found[1]);

    // A download taken back elsewhere (the window's cancel): what is left
    // would be no audit of the list, and the rest of the window goes too.
    FleetAudit audit(m_exchanges);
    audit.selectAllClocks(*ClockRegistry::instance());
    QSignalSpy canceled(&audit, &FleetAudit::canceled);
    audit.start();
    QVERIFY(m_exchanges.cancel(m_exchanges.pool()->senders().constFirst()));
    QCOMPARE(canceled.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_exchanges.pool()->senders().isEmpty(), 10000);
}

QTEST_GUILESS_MAIN(TestParallel)
#include "tst_parallel.moc"
