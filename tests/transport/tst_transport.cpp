#include "transport/CommandWWW.h"
#include "transport/ExchangeSchedule.h"
#include "transport/DeviceInfo.h"
#include "values/Error.h"
#include "transport/HttpReply.h"
#include "transport/NetworkCardChoices.h"
#include "transport/NetworkParameters.h"
#include "tests/support/TestRows.h"
#include "transport/WWWParameters.h"
#include "transport/Worker.h"
#include "transport/WorkerFactory.h"
#include "transport/WorkerTcp.h"
#include "transport/WorkerThread.h"
#include "transport/WorkerThreadPool.h"
#include "transport/WorkerUdp.h"
#include "transport/WorkerWWW.h"

#include <QSemaphore>
#include <QPointer>
#include <QtTest>
#include <memory>

namespace {

const QString rows = QStringLiteral("transport/http.rows");

// "name ip [mac]", netmask 255.255.255.0; the empty text is the null record.
NetworkCardData card(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    NetworkCardData data;
    if (text.isEmpty())
        return data;
    data.name = parts.at(0);
    data.ip = QHostAddress(parts.at(1));
    data.netmask = QHostAddress(QStringLiteral("255.255.255.0"));
    data.subnet = QHostAddress(data.ip.toIPv4Address() & 0xFFFFFF00u);
    data.mac = parts.value(2);
    return data;
}

// An exchange that takes a moment, so its result and its deletion are both pending.
class StepWorker : public Worker
{
public:
    void transfer() override { QThread::msleep(30); }
};

// An exchange with a clock address that stays open until told to end, so
// that a test can see which exchanges run at the same time.
class HeldWorker : public Worker
{
public:
    HeldWorker(const QString &key, QSemaphore &started, QSemaphore &release)
        : m_key(key)
        , m_started(started)
        , m_release(release)
    {
    }

    QString exchangeKey() const override { return m_key; }

    void transfer() override
    {
        m_started.release();
        // Bounded, so a fault cannot hang the suite.
        m_release.tryAcquire(1, 10000);
    }

private:
    QString m_key;
    QSemaphore &m_started;
    QSemaphore &m_release;
};

} // namespace

// From a command and a clock's connection record to the right worker; the
// clock's reply taken apart; the user texts of the error kinds; the local
// interfaces a clock may be reached by. And the worker pool: which exchanges
// may run together, each result delivered once, and no worker leaked or
// deleted too early.
class TestTransport : public QObject
{
    Q_OBJECT

private slots:
    void parseAndClassify_data() { TestRows::add(rows); }
    void parseAndClassify();
    void parameters_data() { TestRows::add(rows); }
    void parameters();
    void workerFromCommand();
    void errorText_data() { TestRows::add(rows); }
    void errorText();
    void choices_data() { TestRows::add(rows); }
    void choices();
    void schedule_data() { TestRows::add(rows); }
    void schedule();
    void scheduleKeepsLiveKeysThroughSweeps();
    void pollsInFlight_data() { TestRows::add(rows); }
    void pollsInFlight();
    void exchangesWithOneAddressNeverOverlap();
    void workerOutlivesTheReceivingSlot();

private:
    WorkerThreadPool m_workers;
};

void TestTransport::parseAndClassify()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, status);
    QFETCH(bool, hasContent);
    QFETCH(QString, content);
    QFETCH(int, error);

    const HttpReply parsed = parseHttpReply(reply);
    QCOMPARE(parsed.isHttp, !status.isNull());
    QCOMPARE(parsed.status, status);
    QCOMPARE(parsed.hasContent, hasContent);
    QCOMPARE(parsed.content, content);
    QCOMPARE(int(classifyHttpReply(reply)), error);
    QTEST(isHttpReplyComplete(reply), "complete");
}

void TestTransport::parameters()
{
    QFETCH(int, type);
    QFETCH(QString, interfaceIp);
    QFETCH(bool, made);
    QFETCH(int, port);
    QFETCH(QString, local);

    DeviceInfo info;
    info.address = QHostAddress("192.168.5.40");
    if (!interfaceIp.isEmpty()) {
        info.networkInterface.name = "eth1";
        info.networkInterface.ip = QHostAddress(interfaceIp);
    }
    const std::unique_ptr<InterfaceParameters> parameters = makeParameters(info, type, "admin", "pw", 305);
    QCOMPARE(bool(parameters), made);
    if (!made)
        return;
    const auto *network = dynamic_cast<const NetworkParameters *>(parameters.get());
    QVERIFY(network);
    QCOMPARE(network->interfaceType(), type);
    QCOMPARE(network->address(), info.address);
    QCOMPARE(int(network->port()), port);
    QCOMPARE(network->localAddress(), QHostAddress(local));
    if (const auto *www = dynamic_cast<const WWWParameters *>(network)) {
        QCOMPARE(www->user(), QString("admin"));
        QCOMPARE(www->password(), QString("pw"));
        QCOMPARE(www->firmware(), 305);
    }
}

void TestTransport::workerFromCommand()
{
    CommandWWW command(WriteName, "a=1&b=2");
    command.setHandshake(true);
    const QHostAddress clock("10.1.2.3");
    const QHostAddress local("10.1.2.1");
    const std::unique_ptr<Worker> www(createWorker(command, WWWParameters(clock, local, "u", "p", 300)));
    const std::unique_ptr<Worker> udp(createWorker(command, NetworkParameters(clock, 2101, Udp, local)));
    const std::unique_ptr<Worker> tcp(createWorker(command, NetworkParameters(clock, 2101, Tcp, local)));
    QCOMPARE(qobject_cast<WorkerWWW *>(www.get())->path(), QString("/D"));
    QCOMPARE(int(qobject_cast<WorkerUdp *>(udp.get())->port()), int(NetworkParameters::udpPort));
    QCOMPARE(int(qobject_cast<WorkerTcp *>(tcp.get())->port()), 2101);
    for (Worker *worker : {www.get(), udp.get(), tcp.get()}) {
        auto *ethernet = qobject_cast<WorkerEthernet *>(worker);
        QCOMPARE(ethernet->payload(), QByteArray("a=1&b=2"));
        QCOMPARE(ethernet->remoteAddress(), clock);
        QCOMPARE(ethernet->localAddress(), local);
    }
    QCOMPARE(qobject_cast<WorkerTcp *>(tcp.get())->command(), nullptr);
    QVERIFY(qobject_cast<WorkerTcp *>(tcp.get())->handshake());

    // An external command leaves the payload out and goes to the worker itself.
    command.setExternal(true);
    const std::unique_ptr<Worker> external(createWorker(command, NetworkParameters(clock, 2101, Tcp, local)));
    QVERIFY(qobject_cast<WorkerTcp *>(external.get())->payload().isEmpty());
    QCOMPARE(qobject_cast<WorkerTcp *>(external.get())->command(), &command);
    const std::unique_ptr<WorkerThread> thread(
        makeWorkerThread(command, std::make_unique<WWWParameters>(clock, local, "u", "p", 300)));
    QVERIFY(thread);
    QCOMPARE(thread->id(), -1);
}

void TestTransport::errorText()
{
    QFETCH(int, error);
    QFETCH(QString, text);
    QCOMPARE(ErrorText::operationFailed(error), text);
}

void TestTransport::choices()
{
    QFETCH(QStringList, cards);
    QFETCH(QString, current);
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    QFETCH(bool, unavailable);

    QList<NetworkCardData> present;
    for (const QString &text : cards)
        present << card(text);
    const NetworkCardData stored = card(current);
    NetworkCardChoices choices;
    choices.build(present, stored);
    QCOMPARE(choices.items(), items);
    QCOMPARE(choices.selectedIndex(), selected);
    QCOMPARE(choices.lastIsUnavailable(), unavailable);

    // Reading the selection back gives the record itself, the unavailable
    // one included; "Default" gives the null record.
    const NetworkCardData chosen = choices.cardAt(selected);
    QCOMPARE(chosen.isNull(), stored.isNull());
    if (!stored.isNull()) {
        QCOMPARE(chosen, stored);
        QCOMPARE(chosen.mac, unavailable ? stored.mac : present.at(selected - 1).mac);
    }
    QVERIFY(choices.cardAt(0).isNull());
    QVERIFY(choices.cardAt(items.size()).isNull());
}

void TestTransport::schedule()
{
    QFETCH(int, bound);
    QFETCH(QStringList, steps);

    ExchangeSchedule schedule(bound);
    QHash<QString, int> owners;
    for (const QString &step : steps) {
        const QStringList sides = step.split(QStringLiteral("->"));
        const QStringList words = sides.at(0).simplified().split(QLatin1Char(' '));
        const QString what = words.at(0);
        const auto owner = [&owners](const QString &name) {
            return reinterpret_cast<const void *>(quintptr(owners.insert(name, owners.value(name, owners.size() + 1)).value()));
        };
        if (what == QLatin1String("add")) {
            const QString key = words.at(1) == QLatin1String("-") ? QString() : words.at(1);
            const QStringList lanes = {"user", "poll", "probe", "retry"};
            const ExchangeLane lane = ExchangeLane(qMax(0, lanes.indexOf(words.at(2))));
            schedule.add({key, lane, owner(words.at(3))});
        } else if (what == QLatin1String("probe-bound")) {
            schedule.setProbeBound(words.at(1).toInt());
        } else if (what == QLatin1String("finish")) {
            schedule.finish(words.at(1).toULongLong());
        } else {
            schedule.withdraw(owner(words.at(1)));
        }
        QStringList started;
        for (const ExchangeSchedule::Id id : schedule.takeStartable())
            started << QString::number(id);
        QCOMPARE(started.join(QLatin1Char(',')), sides.at(1).simplified().replace(QLatin1Char(' '), QString()));
    }
}

void TestTransport::scheduleKeepsLiveKeysThroughSweeps()
{
    // Polls of more addresses than the schedule keeps idle states for make it
    // sweep them; a clock's running and waiting exchanges, and its owner's
    // next step, come through.
    ExchangeSchedule schedule;
    const auto owner = [](quintptr n) { return reinterpret_cast<const void *>(n); };
    const QString clock = QStringLiteral("192.168.0.11");
    schedule.add({clock, ExchangeLane::User, owner(1)});
    schedule.add({clock, ExchangeLane::User, owner(2)});
    schedule.add({clock, ExchangeLane::User, owner(1)});
    QCOMPARE(schedule.takeStartable(), QVector<ExchangeSchedule::Id>{1});
    for (int i = 0; i < 40000; ++i) {
        const ExchangeSchedule::Id id =
            schedule.add({QStringLiteral("10.0.%1.%2").arg(i / 200).arg(i % 200), ExchangeLane::Poll, owner(10 + i)});
        QCOMPARE(schedule.takeStartable(), QVector<ExchangeSchedule::Id>{id});
        schedule.finish(id);
        schedule.takeStartable();
    }
    QVERIFY(schedule.isBusy(clock));
    schedule.finish(1);
    QCOMPARE(schedule.takeStartable(), QVector<ExchangeSchedule::Id>{3});
    schedule.finish(3);
    QCOMPARE(schedule.takeStartable(), QVector<ExchangeSchedule::Id>{2});
}

void TestTransport::pollsInFlight()
{
    QFETCH(int, clocks);
    QFETCH(int, intervalSeconds);
    QFETCH(int, exchangeMs);
    QFETCH(int, floor);
    QFETCH(int, ceiling);
    QFETCH(int, expected);
    QCOMPARE(ExchangeSchedule::pollsInFlight(double(clocks) / intervalSeconds, exchangeMs / 1000.0, floor, ceiling),
             expected);
}

void TestTransport::exchangesWithOneAddressNeverOverlap()
{
    // Two exchanges with one address and one with another: the other runs
    // while the first is open, the second only after the first has ended.
    QSemaphore started;
    QSemaphore release;
    QList<int> finished;
    const QStringList keys = {"192.168.0.11", "192.168.0.11", "192.168.0.12"};
    for (int i = 0; i < keys.size(); ++i) {
        auto *thread = new WorkerThread(new HeldWorker(keys.at(i), started, release));
        thread->setId(i);
        connect(thread, &WorkerThread::Finished, this, [&finished](Worker *, int id) { finished << id; });
        m_workers.start(thread);
    }
    QVERIFY(started.tryAcquire(2, 10000));
    QVERIFY(!started.tryAcquire(1, 300));
    release.release(2);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 10000);
    // Waiting with events: the pool hears of an end in a call queued after
    // this test's, and only then starts the exchange that waited for it.
    QTRY_VERIFY_WITH_TIMEOUT(started.available() > 0, 10000);
    QVERIFY(started.tryAcquire(1));
    release.release(1);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 3, 10000);
    QCOMPARE(finished.last(), 1);
}

void TestTransport::workerOutlivesTheReceivingSlot()
{
    auto *worker = new StepWorker;
    QPointer<Worker> watched(worker);
    auto *thread = new WorkerThread(worker);
    QCOMPARE(worker->thread(), thread->thread());

    bool aliveInSlot = false;
    int calls = 0;
    connect(thread, &WorkerThread::Finished, this, [&](Worker *finished, int id) {
        ++calls;
        aliveInSlot = !watched.isNull() && finished == watched && id == -1;
    });
    m_workers.start(thread);
    // Both the result and the deletion are posted once the run is over; a
    // flush of deferred deletes (as QTest::qWait does) must not overtake the result.
    QVERIFY(m_workers.waitForDone(10000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(calls, 1);
    QVERIFY(aliveInSlot);
    QVERIFY(watched.isNull());

    // A thread destroyed before it ran takes its worker along.
    QPointer<Worker> neverRun(new StepWorker);
    delete new WorkerThread(neverRun);
    QVERIFY(neverRun.isNull());
}

QTEST_GUILESS_MAIN(TestTransport)
#include "tst_transport.moc"
