// The metrics listener's request parser, fed as a socket would feed it; the
// listener on loopback, against raw sockets that behave well and badly: the
// answers, and that bad peers neither stop nor clog it; the page's lines.
#include "MetricsHttpServer.h"
#include "PrometheusWriter.h"
#include "ScrapeRequestParser.h"
#include "TestRows.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>

#include <sys/resource.h>
#include <zlib.h>

namespace {

constexpr int waitMs = 10000;
const QByteArray page = "zentick_monitor_clocks 3\n";
const QByteArray scrape = "GET /metrics HTTP/1.1\r\n\r\n";

} // namespace

using State = ScrapeRequestParser::State;

class TestMetrics : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void answers_data();
    void answers();
    void slowAndSurplusPeersAreCutOff();
    void floodBeyondTheFileLimit();
    void compressedWhenAsked_data();
    void compressedWhenAsked();
    void requestHead_data();
    void requestHead();
    void exposition_data() { TestRows::add(QStringLiteral("metrics/metrics.rows")); }
    void exposition();

private:
    // Sends the bytes and reads until the server ends the stream.
    QByteArray exchange(const QByteArray &request);
    std::unique_ptr<MetricsHttpServer> m_server;
};

void TestMetrics::init()
{
    m_server = std::make_unique<MetricsHttpServer>([] { return page; });
    QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
}

QByteArray TestMetrics::exchange(const QByteArray &request)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_server->serverPort());
    // The server runs in this thread: the spy's wait spins the event loop.
    QSignalSpy closed(&socket, &QTcpSocket::disconnected);
    socket.write(request);
    return closed.wait(waitMs) ? socket.readAll() : QByteArray("not closed");
}

void TestMetrics::answers_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("answer"); // status line, blank, then the body

    const QByteArray headers = "Content-Type: text/plain; version=0.0.4; charset=utf-8\r\nContent-Length: ";
    QTest::newRow("scrape") << scrape << "HTTP/1.1 200 OK\r\n" + headers + "25\r\nConnection: close\r\n\r\n" + page;
    QTest::newRow("HEAD: the length, no body")
        << QByteArray("HEAD /metrics?x HTTP/1.0\r\n\r\n")
        << "HTTP/1.1 200 OK\r\n" + headers + "25\r\nConnection: close\r\n\r\n";
    QTest::newRow("POST") << QByteArray("POST /metrics HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc")
                          << QByteArray("HTTP/1.1 405 Method Not Allowed\r\nAllow: GET, HEAD\r\n"
                                        "Content-Length: 0\r\nConnection: close\r\n\r\n");
    QTest::newRow("1 MB header, all of it sent")
        << "GET /metrics HTTP/1.1\r\nX: " + QByteArray(1 << 20, 'a') + "\r\n\r\n"
        << QByteArray("HTTP/1.1 431 Request Header Fields Too Large\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
}

void TestMetrics::answers()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, answer);

    QCOMPARE(exchange(request), answer);
    // Whatever came before, the next scrape is served and nothing stays open.
    QVERIFY(exchange(scrape).endsWith(page));
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), 0, waitMs);
}

void TestMetrics::slowAndSurplusPeersAreCutOff()
{
    const int cap = 3;
    m_server->setMaxConnections(cap);
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < cap; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        idle.back()->connectToHost(QHostAddress::LocalHost, m_server->serverPort());
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), cap, waitMs);
    // The oldest idle peer makes way: the scrape is answered.
    QVERIFY(exchange(scrape).endsWith(page));
    QVERIFY(m_server->connectionCount() <= cap);
    idle.clear();
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), 0, waitMs);

    // A peer that never finishes its request is cut off without an answer.
    const int shortTimeoutMs = 200;
    m_server->setTimeoutMs(shortTimeoutMs);
    QTcpSocket slow;
    slow.connectToHost(QHostAddress::LocalHost, m_server->serverPort());
    slow.write("GET /metr");
    QTRY_COMPARE_WITH_TIMEOUT(slow.state(), QAbstractSocket::UnconnectedState, waitMs);
    QCOMPARE(slow.readAll(), QByteArray());
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), 0, waitMs);
    QVERIFY(exchange(scrape).endsWith(page));
}

void TestMetrics::floodBeyondTheFileLimit()
{
    // Far more connections, held open by another process, than this process
    // has file descriptors: the listener stays within its cap and answers.
    const int cap = 16;
    const rlim_t fileLimit = 64;
    m_server->setMaxConnections(cap);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = fileLimit;
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &small), 0);
    auto restore = qScopeGuard([&saved] { setrlimit(RLIMIT_NOFILE, &saved); });

    QProcess flood;
    flood.start(QStringLiteral("python3"),
                {QStringLiteral("-c"),
                 QStringLiteral("import resource, socket, sys\n"
                                "hard = resource.getrlimit(resource.RLIMIT_NOFILE)[1]\n"
                                "resource.setrlimit(resource.RLIMIT_NOFILE, (hard, hard))\n"
                                "held = [socket.create_connection(('127.0.0.1', %1)) for _ in range(600)]\n"
                                "print('held', flush=True)\n"
                                "sys.stdin.read()\n")
                     .arg(m_server->serverPort())});
    QVERIFY(flood.waitForStarted());
    QElapsedTimer held;
    held.start();
    while (!flood.canReadLine()) {
        QVERIFY(m_server->connectionCount() <= cap);
        QVERIFY2(held.elapsed() < 60000, flood.readAllStandardError().constData());
        QTest::qWait(20);
    }
    QVERIFY(exchange(scrape).endsWith(page));
    QVERIFY(m_server->connectionCount() <= cap);
    flood.closeWriteChannel();
    QVERIFY(flood.waitForFinished(waitMs));
}

void TestMetrics::compressedWhenAsked_data()
{
    QTest::addColumn<QByteArray>("acceptEncoding");
    QTest::addColumn<bool>("compressed");

    QTest::newRow("gzip") << QByteArray("gzip") << true;
    QTest::newRow("gzip among others, with a weight") << QByteArray("deflate, GZIP;q=0.5") << true;
    QTest::newRow("any coding") << QByteArray("*") << true;
    QTest::newRow("gzip refused with q=0") << QByteArray("gzip;q=0, identity") << false;
    QTest::newRow("identity only") << QByteArray("identity") << false;
    QTest::newRow("no Accept-Encoding") << QByteArray() << false;
}

void TestMetrics::compressedWhenAsked()
{
    QFETCH(QByteArray, acceptEncoding);
    QFETCH(bool, compressed);

    QByteArray large;
    for (int i = 0; i < 2000; ++i)
        large += "zentick_clock_up{name=\"Clock " + QByteArray::number(i) + "\"} 1\n";
    m_server = std::make_unique<MetricsHttpServer>([large] { return large; });
    QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
    QByteArray request = "GET /metrics HTTP/1.1\r\n";
    if (!acceptEncoding.isEmpty())
        request += "Accept-Encoding: " + acceptEncoding + "\r\n";
    const QByteArray answer = exchange(request + "\r\n");
    const int split = answer.indexOf("\r\n\r\n");
    QVERIFY(split > 0);
    const QByteArray head = answer.left(split);
    QByteArray body = answer.mid(split + 4);
    QVERIFY(head.contains("Content-Length: " + QByteArray::number(body.size()) + "\r\n"));
    QCOMPARE(head.contains("Content-Encoding: gzip"), compressed);
    if (compressed) {
        QVERIFY(body.size() < large.size() / 4);
        QByteArray plain(large.size() + 1, Qt::Uninitialized);
        z_stream stream{};
        QCOMPARE(inflateInit2(&stream, 15 + 16), Z_OK);
        stream.next_in = reinterpret_cast<Bytef *>(body.data());
        stream.avail_in = uInt(body.size());
        stream.next_out = reinterpret_cast<Bytef *>(plain.data());
        stream.avail_out = uInt(plain.size());
        const int result = inflate(&stream, Z_FINISH);
        plain.truncate(int(stream.total_out));
        inflateEnd(&stream);
        QCOMPARE(result, Z_STREAM_END);
        body = plain;
    }
    QCOMPARE(body, large);
}

void TestMetrics::requestHead_data()
{
    TestRows::add(QStringLiteral("metrics/metrics.rows"));
    QByteArrayList bytes;
    for (char c : QByteArray("GET /metrics HTTP/1.1\r\nHost: 10.0.0.1:9464\r\n\r\n"))
        bytes << QByteArray(1, c);
    QTest::newRow("scrape byte by byte") << bytes << int(State::Complete) << QByteArray("/metrics");
    QTest::newRow("1 MB header") << QByteArrayList{"GET / HTTP/1.1\r\nX: " + QByteArray(1 << 20, 'a') + "\r\n\r\n"}
                                 << int(State::TooLarge) << QByteArray();
}

void TestMetrics::requestHead()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(int, state);
    QFETCH(QByteArray, path);

    ScrapeRequestParser parser;
    for (const QByteArray &piece : pieces)
        parser.feed(piece);
    QCOMPARE(int(parser.state()), state);
    QCOMPARE(parser.path(), path);
    QVERIFY(parser.room() >= 0);
}

void TestMetrics::exposition()
{
    QFETCH(QJsonArray, labels);
    QFETCH(QString, value);
    QFETCH(QByteArray, line);

    PrometheusWriter::Labels pairs;
    for (const QJsonValue &label : labels)
        pairs.append({label[0].toString(), label[1].toString()});
    PrometheusWriter writer;
    writer.sample("m", pairs, value.toDouble());
    QCOMPARE(writer.page(), line);
}

QTEST_GUILESS_MAIN(TestMetrics)
#include "tst_metrics.moc"
