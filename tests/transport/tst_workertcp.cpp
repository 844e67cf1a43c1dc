#include "tests/support/WorkerRun.h"
#include "tests/support/TestRows.h"
#include "transport/WorkerTcp.h"

#include <QtTest>

#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

namespace {

// A loopback address of this test alone.
const QHostAddress peerAddress(QStringLiteral("127.0.0.207"));

struct Outcome
{
    bool finished = false;
    bool error = false;
    QByteArray data;
};

// How the peer answers what it has received so far.
enum Script {
    AnswerTenThenMore,
    AnswerInTwoParts,
    AcceptHandshake,
    DeclineHandshake,
    AnswerAndHangUp,
};

} // namespace

// One raw TCP exchange against a scripted peer: when reading stops, what the
// handshake sends, and how failures show.
class TestWorkerTcp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_arrivals.clear(); m_answered = m_closed = 0; }
    void exchanges_data() { TestRows::add(QStringLiteral("transport/http.rows")); }
    void exchanges();
    void failures_data() { TestRows::add(QStringLiteral("transport/http.rows")); }
    void failures();

private:
    WorkerThreadPool m_workers;
    Outcome exchange(quint16 port, const QByteArray &payload, int expectedLength, bool handshake);
    void react(QTcpSocket *socket);

    QTcpServer m_server;
    Script m_script = AnswerTenThenMore;
    QList<QByteArray> m_arrivals;
    int m_answered = 0;
    int m_closed = 0;
};

void TestWorkerTcp::initTestCase()
{
    QVERIFY(m_server.listen(peerAddress, 0));
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { react(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this] { ++m_closed; });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

void TestWorkerTcp::react(QTcpSocket *socket)
{
    m_arrivals.append(socket->readAll());
    const QPointer<QTcpSocket> guarded(socket);
    const auto later = [this, guarded](int ms, const QByteArray &bytes) {
        QTimer::singleShot(ms, this, [guarded, bytes] {
            if (guarded && guarded->state() == QAbstractSocket::ConnectedState)
                guarded->write(bytes);
        });
    };
    ++m_answered;
    switch (m_script) {
    case AnswerTenThenMore:
        socket->write("0123456789");
        later(300, "LATE");
        break;
    case AnswerInTwoParts:
        socket->write("part");
        later(200, "more");
        break;
    case AcceptHandshake:
        socket->write(m_answered == 1 ? QByteArray("\xAA\xAA") : QByteArray("OK"));
        break;
    case DeclineHandshake:
        socket->write(QByteArray("\xAA\x00", 2));
        break;
    case AnswerAndHangUp:
        socket->write("bye!!");
        socket->disconnectFromHost();
        break;
    }
}

Outcome TestWorkerTcp::exchange(quint16 port, const QByteArray &payload, int expectedLength, bool handshake)
{
    auto *worker = new WorkerTcp(peerAddress, port, payload);
    worker->setExpectedLength(expectedLength);
    worker->setHandshake(handshake);
    // Reads without a length last the read time-out; one second keeps the
    // test short and still far above the peer's 200 ms pause.
    worker->setTimeouts(WorkerTcp::defaultConnectTimeoutMs, 1000);
    Outcome outcome;
    outcome.finished = runWorker(m_workers, new WorkerThread(worker), [&outcome](Worker *finished) {
        outcome.error = finished->error();
        outcome.data = finished->data();
    });
    return outcome;
}

void TestWorkerTcp::exchanges()
{
    QFETCH(int, script);
    QFETCH(QByteArray, payload);
    QFETCH(int, expectedLength);
    QFETCH(bool, handshake);
    QFETCH(QByteArrayList, arrivals);
    QFETCH(QByteArray, data);

    m_script = Script(script);
    const Outcome outcome = exchange(m_server.serverPort(), payload, expectedLength, handshake);
    QVERIFY(outcome.finished);
    QVERIFY(!outcome.error);
    QCOMPARE(outcome.data, data);
    // Whatever the worker sent arrives before the end of its connection.
    QTRY_COMPARE_WITH_TIMEOUT(m_closed, 1, 5000);
    QCOMPARE(m_arrivals, arrivals);
}

void TestWorkerTcp::failures()
{
    QFETCH(bool, portOpen);
    QFETCH(QByteArray, payload);
    QFETCH(QString, message);

    quint16 port = m_server.serverPort();
    if (!portOpen) {
        QTcpServer closed;
        QVERIFY(closed.listen(peerAddress, 0));
        port = closed.serverPort();
    }
    QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
    const Outcome outcome = exchange(port, payload, -1, false);
    QVERIFY(outcome.finished);
    QVERIFY(outcome.error);
    QVERIFY(outcome.data.isEmpty());
    QVERIFY(m_arrivals.isEmpty());
}

QTEST_GUILESS_MAIN(TestWorkerTcp)
#include "tst_workertcp.moc"
