// The listener's request parser, fed as a socket would feed it; the
// listener on loopback, against raw sockets that behave well and badly: the
// answers, and that bad peers neither stop nor clog it.
#include "http/HttpListener.h"
#include "http/HttpRequestParser.h"
#include "tests/support/TestRows.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>
#include <zlib.h>

namespace {

constexpr int waitMs = 10000;
const QByteArray page = "zentick_monitor_clocks 3\n";
const QByteArray scrape = "GET /metrics HTTP/1.1\r\n\r\n";
const QByteArray token = "0123456789abcdef";
const QByteArray pageType = "Content-Type: text/plain; version=0.0.4; charset=utf-8\r\n";
const QString rows = QStringLiteral("http/http.rows");

// A peer that sends its bytes and then neither reads nor closes until it
// goes. A QTcpSocket would not do: it closes as soon as it sees the
// listener's end of the stream.
class SilentPeer
{
public:
    SilentPeer(quint16 port, const QByteArray &bytes)
        : m_fd(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (m_fd >= 0 && ::connect(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0)
            m_sent = ::write(m_fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    ~SilentPeer()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    SilentPeer(const SilentPeer &) = delete;
    SilentPeer &operator=(const SilentPeer &) = delete;
    bool sent() const { return m_sent; }

private:
    int m_fd;
    bool m_sent = false;
};

// A scrape at /metrics as the monitor serves it, and a guarded board beside it.
HttpListener::Handler handlerOf(const QByteArray &metrics, bool board = false)
{
    return [metrics, board](const HttpRequestParser &request) -> HttpListener::Response {
        if (request.path() == "/metrics")
            return {200, metrics, pageType, {}, 1};
        if (!board)
            return {};
        if (request.header("Authorization") != "Bearer " + token)
            return {401, QByteArray(), "WWW-Authenticate: Bearer\r\n", {}};
        return {request.path() == "/board" ? 200 : 404, "board", {}, {}};
    };
}

} // namespace

using State = HttpRequestParser::State;

class TestHttp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void answers_data();
    void answers();
    void lockOut_data() { TestRows::add(rows); }
    void lockOut();
    void deadlinesEndSilentPeers();
    void workLeavesTheListenerFree();
    void wrongTokensAreSlowed();
    void floodBeyondTheFileLimit();
    void compressedWhenAsked_data() { TestRows::add(rows); }
    void compressedWhenAsked();
    void requestHead_data();
    void requestHead();

private:
    // Sends the bytes and reads until the server ends the stream.
    QByteArray exchange(const QByteArray &request);
    std::unique_ptr<HttpListener> m_server;
};

void TestHttp::init()
{
    m_server = std::make_unique<HttpListener>();
    m_server->setHandler(handlerOf(page));
    QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
}

QByteArray TestHttp::exchange(const QByteArray &request)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_server->serverPort());
    // The server runs in this thread: the spy's wait spins the event loop.
    QSignalSpy closed(&socket, &QTcpSocket::disconnected);
    socket.write(request);
    return closed.wait(waitMs) ? socket.readAll() : QByteArray("not closed");
}

void TestHttp::answers_data()
{
    TestRows::add(rows);
    QTest::newRow("1 MB header, all of it sent")
        << "GET /metrics HTTP/1.1\r\nX: " + QByteArray(1 << 20, 'a') + "\r\n\r\n"
        << QByteArray("HTTP/1.1 431 Request Header Fields Too Large\r\n{secure}Content-Length: 0\r\n"
                      "Connection: close\r\n\r\n");
}

void TestHttp::answers()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, answer);

    m_server->setHostNames({QStringLiteral("board.site.example")});
    answer.replace("{secure}", HttpListener::securityHeaders()).replace("{type}", pageType).replace("{page}", page);
    QCOMPARE(exchange(request.replace("{port}", QByteArray::number(m_server->serverPort()))), answer);
    // Whatever came before, the next scrape is served and nothing stays open.
    QVERIFY(exchange(scrape).endsWith(page));
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), 0, waitMs);
}

void TestHttp::lockOut()
{
    QFETCH(QByteArray, held);
    const int cap = HttpListener::DefaultMaxConnections;
    // Longer than the test: only replacement can let the scrape in.
    m_server->setLingerMs(10 * waitMs);
    m_server->setHandler(handlerOf(page, true));
    std::vector<std::unique_ptr<SilentPeer>> holders(cap);
    for (auto &holder : holders) {
        holder = std::make_unique<SilentPeer>(m_server->serverPort(), held);
        QVERIFY(holder->sent());
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), cap, waitMs);
    QVERIFY(exchange(scrape).endsWith(page));
    QVERIFY(exchange("GET /board HTTP/1.1\r\nAuthorization: Bearer " + token + "\r\n\r\n").endsWith("board"));
    QVERIFY(m_server->connectionCount() <= cap);
}

void TestHttp::deadlinesEndSilentPeers()
{
    // A peer that never finishes its request is cut off by the time-out; one
    // that got its answer and neither reads nor closes, by the linger.
    for (const QByteArray &sent : {QByteArray("GET /metr"), scrape}) {
        m_server->setTimeoutMs(sent == scrape ? 10 * waitMs : 200);
        m_server->setLingerMs(sent == scrape ? 200 : 10 * waitMs);
        QTcpSocket silent;
        silent.setReadBufferSize(1);
        silent.connectToHost(QHostAddress::LocalHost, m_server->serverPort());
        silent.write(sent);
        QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), 1, waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), 0, waitMs);
    }
}

void TestHttp::workLeavesTheListenerFree()
{
    // The history request's work waits until the scrape has been answered:
    // were it run on the listener's thread, neither would ever finish.
    QSemaphore scraped;
    m_server->setHandler([&scraped, scrapes = handlerOf(page)](const HttpRequestParser &request) {
        if (request.path() == "/metrics")
            return scrapes(request);
        return HttpListener::Response{404, {}, {}, [&scraped]() -> HttpListener::Continuation {
            const bool released = scraped.tryAcquire(1, waitMs);
            return [released] { return HttpListener::Response{released ? 200 : 500, "history", {}, {}}; };
        }};
    });
    // Whatever fails, the work ends before the semaphore goes.
    auto release = qScopeGuard([this, &scraped] {
        scraped.release(HttpListener::maxBusyPerPeer);
        m_server.reset();
    });
    std::vector<std::unique_ptr<QTcpSocket>> history(HttpListener::maxBusyPerPeer);
    for (auto &socket : history) {
        socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, m_server->serverPort());
        socket->write("GET /api/v1/clocks/10.0.0.1/events HTTP/1.1\r\n\r\n");
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connectionCount(), HttpListener::maxBusyPerPeer, waitMs);
    QTest::qWait(50);
    QVERIFY(exchange(scrape).endsWith(page));
    // One peer's requests beyond the few being worked on wait for nothing.
    QVERIFY(exchange("GET /api/v1/summary HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 503 "));
    scraped.release(HttpListener::maxBusyPerPeer);
    release.dismiss();
    for (auto &socket : history) {
        QTRY_VERIFY_WITH_TIMEOUT(socket->state() == QAbstractSocket::UnconnectedState, waitMs);
        QVERIFY(socket->readAll().endsWith("\r\n\r\nhistory"));
    }
}

void TestHttp::wrongTokensAreSlowed()
{
    const int delayMs = 300;
    m_server->setHandler(handlerOf(page, true));
    m_server->setFailureDelays(delayMs, delayMs);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("wrong token from 127.0.0.1 \\(1 ")));
    const QByteArray guess = "GET /board HTTP/1.1\r\nAuthorization: Bearer guess\r\n\r\n";
    QVERIFY(exchange(guess).startsWith("HTTP/1.1 401 "));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(exchange(guess).startsWith("HTTP/1.1 401 "));
    QVERIFY(timer.elapsed() >= delayMs - 20);
    // The right token waits its turn as well, then gets through.
    QVERIFY(exchange("GET /board HTTP/1.1\r\nAuthorization: Bearer " + token + "\r\n\r\n").endsWith("board"));
    QVERIFY(timer.elapsed() >= 2 * delayMs - 20);
}

void TestHttp::floodBeyondTheFileLimit()
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

void TestHttp::compressedWhenAsked()
{
    QFETCH(QByteArray, acceptEncoding);
    QFETCH(bool, compressed);

    QByteArray large;
    for (int i = 0; i < 2000; ++i)
        large += "zentick_clock_up{name=\"Clock " + QByteArray::number(i) + "\"} 1\n";
    m_server = std::make_unique<HttpListener>();
    m_server->setHandler(handlerOf(large));
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

void TestHttp::requestHead_data()
{
    TestRows::add(rows);
    QByteArrayList bytes;
    for (char c : QByteArray("GET /metrics HTTP/1.1\r\nHost: 10.0.0.1:9464\r\n\r\n"))
        bytes << QByteArray(1, c);
    QTest::newRow("scrape byte by byte") << bytes << int(State::Complete) << QByteArray("/metrics");
}

void TestHttp::requestHead()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(int, state);
    QFETCH(QByteArray, path);

    HttpRequestParser parser;
    for (const QByteArray &piece : pieces)
        parser.feed(piece);
    QCOMPARE(int(parser.state()), state);
    QCOMPARE(parser.path(), path);
    QVERIFY(parser.room() >= 0);
}

QTEST_GUILESS_MAIN(TestHttp)
#include "tst_http.moc"
