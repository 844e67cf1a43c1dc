// The simulator as a clock answers: HTTP and discovery driven over real
// sockets from the "pc" namespace, and its request parser and writes in
// process. What the client's own tests rely on.
#include "tools/clocksim/ClockEndpoints.h"
#include "tests/support/ClockRequest.h"
#include "tools/clocksim/ClockFileLoader.h"
#include "tests/netns/ClockSimControl.h"
#include "tools/clocksim/HttpRequestParser.h"
#include "tools/clocksim/SimClock.h"
#include "tests/support/TestRows.h"

#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

namespace {

const QByteArray kUnauthorized = QByteArrayLiteral(
    "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"clock\"\r\nCONTENT-LENGTH: 0\r\n\r\n");
constexpr quint16 kDiscoveryPort = 9666;
constexpr int kWaitMs = 5000;
const QString rows = QStringLiteral("clocksim/core.rows");

// The client's side of one exchange, written out by hand so that these tests
// depend on nothing but sockets: connect to port 80, write the bytes, read
// until the clock closes (closedByPeer) or the wait ends.
struct HttpResult
{
    bool connected = false;
    bool closedByPeer = false;
    QByteArray reply;
};

HttpResult exchange(const QString &address, const QByteArray &request)
{
    HttpResult result;
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(address), 80);
    if (!socket.waitForConnected(kWaitMs))
        return result;
    result.connected = true;
    socket.write(request);
    socket.flush();
    QDeadlineTimer deadline(kWaitMs);
    while (!deadline.hasExpired()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(deadline.remainingTime()))) {
            if (socket.state() != QAbstractSocket::ConnectedState) {
                result.closedByPeer = true;
                break;
            }
            continue;
        }
        result.reply += socket.readAll();
    }
    result.reply += socket.readAll();
    return result;
}

int statusOf(const QByteArray &reply)
{
    const QList<QByteArray> words = reply.left(reply.indexOf("\r\n")).split(' ');
    return words.size() >= 2 ? words.at(1).toInt() : -1;
}

} // namespace

class TestClockSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QVERIFY(m_control.reset()); }
    void conversation_data() { TestRows::add(QStringLiteral("clocksim/http.rows")); }
    void conversation();
    void replies_data() { TestRows::add(QStringLiteral("clocksim/discovery.rows")); }
    void replies();
    void macChangeShowsInDiscovery();

    void requestParser_data() { TestRows::add(rows); }
    void requestParser();
    void alarmWrites_data() { TestRows::add(rows); }
    void alarmWrites();
    void networkAddress_data() { TestRows::add(rows); }
    void networkAddress();
    void clockFile_data() { TestRows::add(rows); }
    void clockFile();

private:
    // Sends the datagram as the program does, bound to the discovery port,
    // and collects the replies the log says were sent.
    void query(const QString &destination, const QByteArray &datagram, QList<int> *answered,
               QList<QNetworkDatagram> *replies);

    ClockSimControl m_control;
};

void TestClockSim::initTestCase()
{
    QVERIFY2(m_control.isAvailable(), "run through tests/netns/netns-run.sh");
}

void TestClockSim::conversation()
{
    QFETCH(int, clock);
    QFETCH(QJsonObject, faults);
    QFETCH(QJsonObject, status);
    QFETCH(QJsonArray, steps);

    QVERIFY(m_control.setFixedTime(QDateTime(QDate(2026, 12, 6), QTime(10, 0))));
    if (clock >= 0) {
        QVERIFY(m_control.setFaults(clock, faults));
        QVERIFY2(m_control.setStatus(clock, status), qPrintable(m_control.lastError()));
    }
    for (int i = 0; i < steps.size(); ++i) {
        const QJsonArray step = steps.at(i).toArray();
        const QByteArray request = step.at(2).toString().toLatin1();
        const QByteArray body = step.at(3).toString().toLatin1();
        const int expected = step.at(4).toInt();
        const QStringList credentials = step.at(1).toString().split(QLatin1Char(':'));
        const HttpResult result = exchange(
            step.at(0).toString(), step.at(1).isNull() ? request + body
                                                        : expectedRequest(request, credentials.value(0).toUtf8(),
                                                                          credentials.value(1).toUtf8(), body));
        const QString where = QStringLiteral("step %1: ").arg(i + 1) + QString::fromLatin1(result.reply);
        QVERIFY2(result.connected == (expected != 0), qPrintable(where));
        if (expected == 0)
            continue;
        // The clock closes the line after every reply.
        QVERIFY2(result.closedByPeer, qPrintable(where));
        QVERIFY2(statusOf(result.reply) == expected, qPrintable(where));
        if (expected == 401)
            QCOMPARE(result.reply, kUnauthorized);
        if (!step.at(5).isNull()) {
            const QByteArray reply = step.at(5).toString().toLatin1();
            QCOMPARE(result.reply, "HTTP/1.1 200 OK\r\nCONTENT-LENGTH: " + QByteArray::number(reply.size())
                                       + "\r\n\r\n" + reply);
        }
    }
}

void TestClockSim::query(const QString &destination, const QByteArray &datagram, QList<int> *answered,
                             QList<QNetworkDatagram> *replies)
{
    QUdpSocket socket;
    QVERIFY(m_control.clearLog());
    QVERIFY(socket.bind(QHostAddress(ClockSimControl::pcAddress()), kDiscoveryPort));
    QCOMPARE(socket.writeDatagram(datagram, QHostAddress(destination), kDiscoveryPort), qint64(datagram.size()));
    // The simulator logs a query after it has sent every answer.
    QTRY_VERIFY_WITH_TIMEOUT(!m_control.requestLog().isEmpty(), kWaitMs);
    for (const QJsonValue &index : m_control.requestLog().constFirst().value("answered").toArray())
        *answered << index.toInt();
    const auto collect = [&] {
        while (socket.hasPendingDatagrams())
            *replies << socket.receiveDatagram();
        return replies->size();
    };
    QTRY_COMPARE_WITH_TIMEOUT(collect(), answered->size(), kWaitMs);
}

void TestClockSim::replies()
{
    QFETCH(QString, destination);
    QFETCH(QByteArray, datagram);
    QFETCH(QList<int>, answered);
    QFETCH(QStringList, senders);
    QFETCH(QStringList, datagrams);

    QList<int> logged;
    QList<QNetworkDatagram> replies;
    query(destination, datagram, &logged, &replies);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(logged, answered);
    QStringList from;
    QStringList received;
    for (const QNetworkDatagram &reply : replies) {
        from << reply.senderAddress().toString();
        received << QString::fromLatin1(reply.data().toHex());
        QCOMPARE(reply.senderPort(), int(kDiscoveryPort));
    }
    from.sort();
    QCOMPARE(from, senders);
    for (const QString &expected : datagrams)
        QVERIFY2(received.contains(expected), qPrintable(expected));
}

void TestClockSim::macChangeShowsInDiscovery()
{
    const HttpResult result = exchange(
        "192.168.0.21", expectedRequest("/E0", "admin", "admin", "&E_000=02-A7-3C-DC-00-00"));
    QCOMPARE(statusOf(result.reply), 200);
    QList<int> logged;
    QList<QNetworkDatagram> replies;
    query("192.168.0.21", "QLX?", &logged, &replies);
    QCOMPARE(replies.size(), 1);
    QVERIFY(replies.first().data().contains(QByteArray::fromHex("030602a73cdc0000")));
}

void TestClockSim::requestParser()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(int, state);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, body);

    HttpRequestParser parser;
    for (const QByteArray &piece : pieces)
        parser.feed(piece);
    QCOMPARE(int(parser.state()), state);
    if (parser.state() == HttpRequestParser::State::Complete) {
        QCOMPARE(parser.head(), head);
        QCOMPARE(parser.body(), body);
    }
}

void TestClockSim::alarmWrites()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, active);

    SimClock clock;
    ClockEndpoints::handle(clock, "/C0", body, SimMoment());
    QStringList actual;
    for (int slot = 0; slot < active.size(); ++slot)
        actual << clock.alarms.at(slot).active;
    QCOMPARE(actual, active);
    QCOMPARE(clock.alarms.size(), 30);
}

void TestClockSim::networkAddress()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, moves);
    QFETCH(QString, address);

    SimClock clock;
    clock.ip = QHostAddress(QStringLiteral("192.168.0.11"));
    const EndpointReply reply = ClockEndpoints::handle(clock, "/D0", "&D_000=" + value + "&D_001=255.0.0.0", SimMoment());
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.moves, moves);
    // The clock itself moves only when the caller has delivered the reply.
    QCOMPARE(clock.ip.toString(), QStringLiteral("192.168.0.11"));
    QVERIFY(reply.body.startsWith("D_000=" + address.toLatin1() + "&D_001=255.0.0.0&"));
}

void TestClockSim::clockFile()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error); // empty: loaded

    QVector<SimClock> clocks;
    QString why;
    QCOMPARE(ClockFileLoader::loadJson(json, &clocks, &why), error.isEmpty());
    QCOMPARE(why, error);
}

QTEST_GUILESS_MAIN(TestClockSim)
#include "tst_clocksim.moc"
