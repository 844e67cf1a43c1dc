#include "CommandWWW.h"
#include "HttpPeer.h"
#include "WWWParameters.h"
#include "WorkerFactory.h"
#include "WorkerThread.h"
#include "WorkerThreadPool.h"
#include "WorkerWWW.h"

#include <QtTest>

#include <QTcpServer>

namespace {

// Loopback addresses of this test alone, so parallel test runs never meet.
const QHostAddress peerAddress(QStringLiteral("127.0.0.201"));
const QHostAddress deadAddress(QStringLiteral("127.0.0.202"));

struct Outcome
{
    bool finished = false;
    bool error = false;
    int code = NoError;
    QByteArray data;
    QByteArray request;
};

QByteArray expectedHead(int length)
{
    return "POST /D HTTP/1.1\r\n"
           "Authorization: Basic dXNlcjpwYXNz\r\n"
           "Content-Length: "
        + QByteArray::number(length)
        + "\r\n"
          "Connection: Keep-Alive\r\n"
          "Accept-Encoding: gzip, deflate\r\n"
          "Content-Type: application/x-www-form-urlencoded\r\n"
          "\r\n";
}

QByteArray withLength(const QByteArray &status, const QByteArray &body)
{
    return status + "\r\nCONTENT-LENGTH: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

} // namespace

// One HTTP exchange with a scripted peer on port 80: what goes on the wire,
// when reading stops, and which failure kind each reply means.
class TestWorkerWWW : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void requestOnTheWire_data();
    void requestOnTheWire();
    void replyClassification_data();
    void replyClassification();
    void completeReplyOnAnOpenLine_data();
    void completeReplyOnAnOpenLine();
    void unparseableUrlTouchesNoSocket();

private:
    Outcome exchange(const QHostAddress &address, const QByteArray &payload, int firmware);

    std::unique_ptr<HttpPeer> m_peer;
};

void TestWorkerWWW::initTestCase()
{
    m_peer = std::make_unique<HttpPeer>(peerAddress);
    QVERIFY2(m_peer->listen(), "port 80 on 127.0.0.201 needs root");
}

Outcome TestWorkerWWW::exchange(const QHostAddress &address, const QByteArray &payload, int firmware)
{
    CommandWWW command(ReadNetwork, payload);
    WorkerThread *thread =
        makeWorkerThread(command, std::make_unique<WWWParameters>(address, QHostAddress(), "user", "pass", firmware));
    Outcome outcome;
    if (!thread)
        return outcome;
    QEventLoop loop;
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    connect(thread, &WorkerThread::Finished, &loop, [&outcome, &loop](Worker *worker, int) {
        auto *www = qobject_cast<WorkerWWW *>(worker);
        outcome.finished = true;
        outcome.error = worker->error();
        outcome.code = www->errorCode();
        outcome.data = www->data();
        outcome.request = www->request();
        loop.quit();
    });
    WorkerThreadPool::start(thread);
    loop.exec();
    return outcome;
}

void TestWorkerWWW::requestOnTheWire_data()
{
    QTest::addColumn<int>("payloadSize");
    QTest::addColumn<int>("firmware");
    QTest::addColumn<bool>("split");

    QTest::newRow("empty payload") << 0 << 305 << false;
    QTest::newRow("1461 bytes to firmware 3.00: head, pause, body") << 1461 << 300 << true;
    QTest::newRow("1461 bytes to firmware 2.99: one piece") << 1461 << 299 << false;
    QTest::newRow("1460 bytes to firmware 3.00: one piece") << 1460 << 300 << false;
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

    const Outcome outcome = exchange(peerAddress, payload, firmware);
    QVERIFY(outcome.finished);
    QVERIFY(!outcome.error);
    QCOMPARE(outcome.data, reply);

    const QByteArray head = expectedHead(payloadSize);
    QCOMPARE(m_peer->request(), head + payload);
    const QList<HttpPeer::Arrival> arrivals = m_peer->arrivals();
    if (split) {
        QVERIFY(arrivals.size() >= 2);
        QCOMPARE(arrivals.first().bytes, head);
        QVERIFY2(arrivals.at(1).atMs - arrivals.first().atMs >= 90,
                 qPrintable(QString("body %1 ms after the head").arg(arrivals.at(1).atMs - arrivals.first().atMs)));
    } else {
        QCOMPARE(arrivals.first().bytes, head + payload);
    }
}

void TestWorkerWWW::replyClassification_data()
{
    QTest::addColumn<HttpPeer::Plan>("plan");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("checkData");

    const QByteArray ok = withLength("HTTP/1.1 200 OK", "N=Clock 1&V=305");
    const QByteArray mixedCase = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabcde";
    const QByteArray page404 = "<html><head><title>404 Not Found</title></head><body></body></html>";
    const QByteArray notFound = withLength("HTTP/1.1 200 OK", page404);
    const QByteArray notFoundNoLength = "HTTP/1.1 200 OK\r\n\r\n" + page404;
    const QByteArray unauthorized = withLength("HTTP/1.1 401 Unauthorized", "");
    const QByteArray serverError = "HTTP/1.1 500 Internal Server Error\r\n\r\n";
    const QByteArray notHttp = "SSH-2.0-something\r\n";

    QTest::newRow("200 with matching CONTENT-LENGTH") << HttpPeer::answer(ok) << true << int(NoError) << ok << true;
    QTest::newRow("Content-Length spelling still succeeds")
        << HttpPeer::answer(mixedCase) << true << int(NoError) << mixedCase << true;
    QTest::newRow("404 page with matching length")
        << HttpPeer::answer(notFound) << true << int(PageNotFound) << notFound << true;
    QTest::newRow("404 page without a length succeeds")
        << HttpPeer::answer(notFoundNoLength) << true << int(NoError) << notFoundNoLength << true;
    QTest::newRow("401 needs credentials")
        << HttpPeer::answer(unauthorized) << true << int(AuthorizationError) << unauthorized << true;
    QTest::newRow("500 reads as a connection error")
        << HttpPeer::answer(serverError) << true << int(ConnectionError) << serverError << true;
    QTest::newRow("not starting with HTTP") << HttpPeer::answer(notHttp) << true << int(NoResponse) << notHttp << true;
    QTest::newRow("peer closes without a word") << HttpPeer::Plan() << true << int(NoResponse) << QByteArray() << true;
    HttpPeer::Plan silent;
    silent.closeAfter = false;
    QTest::newRow("peer stays silent for four seconds") << silent << true << int(NoResponse) << QByteArray() << true;
    QTest::newRow("connection refused") << HttpPeer::Plan() << false << int(ConnectionError) << QByteArray() << true;

    HttpPeer::Plan trickle;
    trickle.chunks = {{0, "HTTP/1.1 200 OK\r\n"}, {400, "Server: clock\r\n\r\n"}, {400, "N=Cl"}, {400, "ock 1"}};
    QTest::newRow("trickle with gaps under a second is collected")
        << trickle << true << int(NoError) << QByteArray("HTTP/1.1 200 OK\r\nServer: clock\r\n\r\nN=Clock 1") << true;
    HttpPeer::Plan gap;
    gap.chunks = {{0, "HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 10\r\n\r\nabcde"}, {1800, "fghij"}};
    QTest::newRow("a gap of a second ends the reply")
        << gap << true << int(NoError) << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 10\r\n\r\nabcde") << true;

    const int maxSize = WorkerWWW::maxReplySize;
    // The body's length has seven digits whichever it is.
    const int bodyOfMax = maxSize - int(withLength("HTTP/1.1 200 OK", "").size()) - 6;
    const QByteArray exactlyMax = withLength("HTTP/1.1 200 OK", QByteArray(bodyOfMax, 'x'));
    QTest::newRow("reply of exactly 1 MiB") << HttpPeer::answer(exactlyMax) << true << int(NoError) << exactlyMax << true;
    const QByteArray overMax = "HTTP/1.1 200 OK\r\n\r\n" + QByteArray(maxSize, 'x');
    QTest::newRow("reply over 1 MiB fails") << HttpPeer::answer(overMax) << true << int(NoResponse) << QByteArray() << false;
}

void TestWorkerWWW::replyClassification()
{
    QFETCH(HttpPeer::Plan, plan);
    QFETCH(bool, reachable);
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    QFETCH(bool, checkData);

    m_peer->setPlan(plan);
    const Outcome outcome = exchange(reachable ? peerAddress : deadAddress, "a=1", 305);
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.code, code);
    QCOMPARE(outcome.error, code != NoError);
    if (checkData)
        QCOMPARE(outcome.data, data);
}

void TestWorkerWWW::completeReplyOnAnOpenLine_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("waitsForQuiet");

    QTest::newRow("CONTENT-LENGTH ends the exchange at once") << withLength("HTTP/1.1 200 OK", "V=305") << false;
    QTest::newRow("401 with its length ends it at once") << withLength("HTTP/1.1 401 Unauthorized", "") << false;
    QTest::newRow("no length header waits for quiet") << QByteArray("HTTP/1.1 200 OK\r\n\r\nV=305") << true;
    QTest::newRow("Content-Length spelling waits for quiet")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nV=305") << true;
}

void TestWorkerWWW::completeReplyOnAnOpenLine()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, waitsForQuiet);

    // The peer keeps the line open and sends a stray line later, well inside
    // the quiet period: only a worker still reading can see it.
    HttpPeer::Plan plan;
    plan.chunks = {{0, reply}, {300, "LATE"}};
    plan.closeAfter = false;
    m_peer->setPlan(plan);
    const int goneBefore = m_peer->clientsGone();

    const Outcome outcome = exchange(peerAddress, QByteArray(), 305);
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.data, waitsForQuiet ? reply + "LATE" : reply);
    QTRY_COMPARE_WITH_TIMEOUT(m_peer->clientsGone(), goneBefore + 1, 5000);
}

void TestWorkerWWW::unparseableUrlTouchesNoSocket()
{
    // An address that does not fit into a URL without brackets.
    QTcpServer listener;
    const bool listening = listener.listen(QHostAddress::LocalHostIPv6, 80);

    WorkerWWW worker(QHostAddress::LocalHostIPv6, "/D", "a=1", "user", "pass", 305);
    worker.execute();
    QVERIFY(worker.error());
    QCOMPARE(int(worker.errorCode()), int(ConnectionError));
    QVERIFY(worker.request().isEmpty());
    QVERIFY(worker.data().isEmpty());
    if (listening)
        QVERIFY(!listener.waitForNewConnection(200));
}

QTEST_GUILESS_MAIN(TestWorkerWWW)
#include "tst_workerwww.moc"
