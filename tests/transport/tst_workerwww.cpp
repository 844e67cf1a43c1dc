#include "health/HealthWriter.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "operations/ClockPoker.h"
#include "operations/Communication.h"
#include "tests/support/ClockRequest.h"
#include "transport/CommandWWW.h"
#include "tests/transport/HttpPeer.h"
#include "tests/support/TestRows.h"
#include "transport/WWWParameters.h"
#include "transport/WorkerFactory.h"
#include "tests/support/WorkerRun.h"
#include "transport/WorkerWWW.h"

#include <QtTest>

#include <QSignalSpy>

namespace {

// A loopback address of this test alone, so parallel test runs never meet.
const QHostAddress peerAddress(QStringLiteral("127.0.0.201"));

struct Outcome
{
    bool finished = false;
    int code = NoError;
    QByteArray data;
    QString reason;
};

QByteArray withLength(const QByteArray &status, const QByteArray &body)
{
    return status + "\r\nCONTENT-LENGTH: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

HttpPeer::Plan plan(const QList<HttpPeer::Chunk> &chunks, bool closeAfter)
{
    HttpPeer::Plan plan;
    plan.chunks = chunks;
    plan.closeAfter = closeAfter;
    return plan;
}

} // namespace

// One HTTP exchange with a scripted peer on port 80 for what no clock of the
// simulator does: what goes on the wire and when, and when reading stops on
// a line that trickles, pauses, stays open or never stops talking (on every
// path an exchange takes, the status poller's included). The reply's
// classification is tst_transport's subject.
class TestWorkerWWW : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void requestOnTheWire_data() { TestRows::add(QStringLiteral("transport/http.rows")); }
    void requestOnTheWire();
    void reading_data();
    void reading();
    void replyPastTheCapFails_data();
    void replyPastTheCapFails();
    void unboundLocalAddressStillExchanges();
    void failedConnectionSaysWhy_data();
    void failedConnectionSaysWhy();

private:
    WorkerThreadPool m_workers;
    Outcome exchange(const QByteArray &payload, int firmware, const QHostAddress &local = QHostAddress(),
                     const QHostAddress &peer = peerAddress);

    std::unique_ptr<HttpPeer> m_peer;
};

void TestWorkerWWW::initTestCase()
{
    m_peer = std::make_unique<HttpPeer>(peerAddress);
    QVERIFY2(m_peer->listen(), "port 80 on 127.0.0.201 needs root");
}

Outcome TestWorkerWWW::exchange(const QByteArray &payload, int firmware, const QHostAddress &local,
                               const QHostAddress &peer)
{
    CommandWWW command(ReadNetwork, payload);
    WorkerThread *thread =
        makeWorkerThread(command, std::make_unique<WWWParameters>(peer, local, "user", "pass", firmware));
    Outcome outcome;
    outcome.finished = runWorker(m_workers, thread, [&outcome](Worker *worker) {
        outcome.code = worker->error() ? qobject_cast<WorkerWWW *>(worker)->errorCode() : NoError;
        outcome.data = worker->data();
        outcome.reason = qobject_cast<WorkerWWW *>(worker)->failureReason();
    });
    return outcome;
}

void TestWorkerWWW::requestOnTheWire()
{
    QFETCH(int, payloadSize);
    QFETCH(int, firmware);
    QFETCH(bool, split);

    QByteArray payload;
    for (int i = 0; i < payloadSize; ++i)
        payload += char('a' + i % 26);
    const QByteArray reply = withLength("HTTP/1.1 200 OK", "ok");
    m_peer->setPlan(HttpPeer::answer(reply));

    const Outcome outcome = exchange(payload, firmware);
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.code, int(NoError));
    QCOMPARE(outcome.data, reply);

    const QByteArray request = expectedRequest("/D", "user", "pass", payload);
    const QByteArray head = request.chopped(payloadSize);
    QCOMPARE(m_peer->request(), request);
    const QList<HttpPeer::Arrival> arrivals = m_peer->arrivals();
    QCOMPARE(arrivals.first().bytes, split ? head : head + payload);
    // A lower bound only: a busy machine makes the pause longer, never shorter.
    if (split)
        QVERIFY2(arrivals.at(1).atMs - arrivals.first().atMs >= 90, "no pause between head and body");
}

void TestWorkerWWW::reading_data()
{
    QTest::addColumn<HttpPeer::Plan>("plan");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("trickle with gaps under a second is collected")
        << plan({{0, "HTTP/1.1 200 OK\r\n"}, {300, "Server: clock\r\n\r\n"}, {300, "N=Cl"}, {300, "ock"}, {300, " 1"}},
                true)
        << int(NoError) << QByteArray("HTTP/1.1 200 OK\r\nServer: clock\r\n\r\nN=Clock 1");
    const QByteArray tenOfFive = "HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 10\r\n\r\nabcde";
    QTest::newRow("a gap of a second ends the reply") << plan({{0, tenOfFive}, {1800, "fghij"}}, true)
                                                      << int(NoError) << tenOfFive;
    QTest::newRow("peer closes without a word") << plan({}, true) << int(NoResponse) << QByteArray();
    const QByteArray unauthorized = withLength("HTTP/1.1 401 Unauthorized", "");
    QTest::newRow("401 is the worker's failure") << plan({{0, unauthorized}}, true) << int(AuthorizationError)
                                                 << unauthorized;
    // The body's length has seven digits whichever it is.
    const int bodyOfMax = HttpExchange::maxReplySize - int(withLength("HTTP/1.1 200 OK", "").size()) - 6;
    const QByteArray exactlyMax = withLength("HTTP/1.1 200 OK", QByteArray(bodyOfMax, 'x'));
    QTest::newRow("reply of exactly 1 MiB") << plan({{0, exactlyMax}}, true) << int(NoError) << exactlyMax;
    // A clock that talks without end is cut off, not read on.
    const QByteArray overMax = withLength("HTTP/1.1 200 OK", QByteArray(bodyOfMax + 1, 'x'));
    QTest::newRow("reply one byte over 1 MiB") << plan({{0, overMax}}, false) << int(NoResponse) << overMax;

    // The peer keeps the line open and sends a stray line later, well inside
    // the quiet period: only a worker still reading can see it.
    const QByteArray withItsLength = withLength("HTTP/1.1 200 OK", "V=305");
    QTest::newRow("CONTENT-LENGTH ends the exchange at once")
        << plan({{0, withItsLength}, {500, "LATE"}}, false) << int(NoError) << withItsLength;
    QTest::newRow("no length header waits for quiet")
        << plan({{0, "HTTP/1.1 200 OK\r\n\r\nV=305"}, {500, "LATE"}}, false) << int(NoError)
        << QByteArray("HTTP/1.1 200 OK\r\n\r\nV=305LATE");
    QTest::newRow("Content-Length spelling waits for quiet")
        << plan({{0, "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nV=305"}, {500, "LATE"}}, false) << int(NoError)
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nV=305LATE");
}

void TestWorkerWWW::reading()
{
    QFETCH(HttpPeer::Plan, plan);
    QFETCH(int, code);
    QFETCH(QByteArray, data);

    m_peer->setPlan(plan);
    const int goneBefore = m_peer->clientsGone();
    const Outcome outcome = exchange("a=1", 305);
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.code, code);
    QCOMPARE(outcome.data, data);
    // The worker never leaves a line open behind it.
    QTRY_COMPARE_WITH_TIMEOUT(m_peer->clientsGone(), goneBefore + 1, 5000);
}

void TestWorkerWWW::replyPastTheCapFails_data()
{
    QTest::addColumn<QByteArray>("payload"); // null: a status poll
    QTest::newRow("worker on the exchange loop") << QByteArray("a=1");
    QTest::newRow("status poller") << QByteArray();
}

void TestWorkerWWW::replyPastTheCapFails()
{
    QFETCH(QByteArray, payload);
    // Only the cap ends this reply: it never goes quiet and never completes.
    HttpPeer::Plan endless = plan({{0, "HTTP/1.1 200 OK\r\n\r\n"}, {5, QByteArray(16 * 1024, 'x')}}, false);
    endless.endless = true;
    m_peer->setPlan(endless);
    const int goneBefore = m_peer->clientsGone();
    if (payload.isNull()) {
        ClockRegistry list;
        HealthWriter health(list);
        Communication exchanges;
        auto *clock = new DevClock;
        clock->network.ip = peerAddress.toString();
        list.addClock(clock);
        ClockPoker poker(list, health, exchanges);
        QSignalSpy polled(&poker, &ClockPoker::PollFinished);
        QVERIFY(polled.wait(20000));
        // What a poll that got no status leaves.
        QCOMPARE(clock->status.NtpSynchronization, int(NtpNoConnection));
    } else {
        const Outcome outcome = exchange(payload, 305);
        QVERIFY(outcome.finished);
        QCOMPARE(outcome.code, int(NoResponse));
        QCOMPARE(outcome.reason, QStringLiteral("the answer does not end"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_peer->clientsGone(), goneBefore + 1, 5000);
}

void TestWorkerWWW::unboundLocalAddressStillExchanges()
{
    // An interface address that went away (a laptop off its dock) cannot be
    // bound: the exchange goes out from the default address, as it always did.
    const QByteArray reply = withLength("HTTP/1.1 200 OK", "V=305");
    m_peer->setPlan(plan({{0, reply}}, false));
    const Outcome outcome = exchange("a=1", 305, QHostAddress(QStringLiteral("192.0.2.77")));
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.code, int(NoError));
    QCOMPARE(outcome.data, reply);
}

void TestWorkerWWW::failedConnectionSaysWhy_data()
{
    QTest::addColumn<QString>("peer");
    QTest::addColumn<QString>("reason");
    // Nothing listens on this loopback address.
    QTest::newRow("refused") << "127.0.0.202" << "connection refused";
    // One that does not fit into a URL without brackets gets no socket.
    QTest::newRow("no URL with this address") << "::1" << "not a clock address";
}

void TestWorkerWWW::failedConnectionSaysWhy()
{
    QFETCH(QString, peer);
    const Outcome outcome = exchange("a=1", 305, QHostAddress(), QHostAddress(peer));
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.code, int(ConnectionError));
    QTEST(outcome.reason, "reason");
}

QTEST_GUILESS_MAIN(TestWorkerWWW)
#include "tst_workerwww.moc"
