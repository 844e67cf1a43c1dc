// The metrics listener on loopback, against raw sockets that behave well and
// badly: every answer, and that bad peers neither stop nor clog it.
#include "MetricsHttpServer.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>

namespace {

constexpr int answerTimeoutMs = 10000;
const QByteArray page = "zentick_monitor_clocks 3\n";

} // namespace

class TestMetricsServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_server.reset(); }
    void answers_data();
    void answers();
    void slowPeerIsCutOff();
    void connectionCapRefusesThenRecovers();

private:
    // Sends the bytes and reads until the server ends the stream.
    QByteArray exchange(const QByteArray &request);
    std::unique_ptr<MetricsHttpServer> m_server;
};

void TestMetricsServer::init()
{
    m_server = std::make_unique<MetricsHttpServer>([] { return page; });
    QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
}

QByteArray TestMetricsServer::exchange(const QByteArray &request)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_server->serverPort());
    if (!socket.waitForConnected(answerTimeoutMs))
        return "no connection";
    // The server runs in this thread: the spy's wait spins the event loop.
    QSignalSpy closed(&socket, &QTcpSocket::disconnected);
    socket.write(request);
    if (!closed.wait(answerTimeoutMs))
        return "not closed";
    return socket.readAll();
}

void TestMetricsServer::answers_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("statusLine");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("scrape") << QByteArray("GET /metrics HTTP/1.1\r\nHost: x\r\n\r\n") << QByteArray("HTTP/1.1 200 OK")
                            << page;
    QTest::newRow("HEAD gets no body") << QByteArray("HEAD /metrics HTTP/1.1\r\n\r\n") << QByteArray("HTTP/1.1 200 OK")
                                       << QByteArray();
    QTest::newRow("another path") << QByteArray("GET /metrics/../etc HTTP/1.1\r\n\r\n")
                                  << QByteArray("HTTP/1.1 404 Not Found") << QByteArray();
    QTest::newRow("POST") << QByteArray("POST /metrics HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc")
                          << QByteArray("HTTP/1.1 405 Method Not Allowed") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x16\x03\x01 hello\r\n\r\n") << QByteArray("HTTP/1.1 400 Bad Request")
                             << QByteArray();
    QTest::newRow("1 MB header, all of it sent")
        << "GET /metrics HTTP/1.1\r\nX: " + QByteArray(1 << 20, 'a') + "\r\n\r\n"
        << QByteArray("HTTP/1.1 431 Request Header Fields Too Large") << QByteArray();
}

void TestMetricsServer::answers()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, statusLine);
    QFETCH(QByteArray, body);

    const QByteArray answer = exchange(request);
    QVERIFY2(answer.startsWith(statusLine + "\r\n"), answer.left(200).constData());
    const int headEnd = answer.indexOf("\r\n\r\n");
    QCOMPARE(answer.mid(headEnd + 4), body);
    if (body == page)
        QVERIFY(answer.contains("Content-Type: text/plain; version=0.0.4; charset=utf-8\r\n"));
    // Whatever came before, the next scrape is served.
    QVERIFY(exchange("GET /metrics HTTP/1.0\r\n\r\n").endsWith(page));
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), 0, answerTimeoutMs);
}

void TestMetricsServer::slowPeerIsCutOff()
{
    const int shortTimeoutMs = 200;
    m_server->setTimeoutMs(shortTimeoutMs);
    QTcpSocket slow;
    slow.connectToHost(QHostAddress::LocalHost, m_server->serverPort());
    QVERIFY(slow.waitForConnected(answerTimeoutMs));
    slow.write("GET /metr");
    QSignalSpy closed(&slow, &QTcpSocket::disconnected);
    QVERIFY(closed.wait(answerTimeoutMs));
    QCOMPARE(slow.readAll(), QByteArray());
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), 0, answerTimeoutMs);
}

void TestMetricsServer::connectionCapRefusesThenRecovers()
{
    const int cap = 3;
    m_server->setMaxConnections(cap);
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < cap; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        idle.back()->connectToHost(QHostAddress::LocalHost, m_server->serverPort());
        QVERIFY(idle.back()->waitForConnected(answerTimeoutMs));
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), cap, answerTimeoutMs);
    QVERIFY(exchange("GET /metrics HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 503 "));
    idle.clear();
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), 0, answerTimeoutMs);
    QVERIFY(exchange("GET /metrics HTTP/1.1\r\n\r\n").endsWith(page));
}

QTEST_GUILESS_MAIN(TestMetricsServer)
#include "tst_metricsserver.moc"
