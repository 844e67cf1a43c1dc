#include "tests/support/TestRows.h"
#include "tests/support/WorkerRun.h"
#include "transport/WorkerUdp.h"

#include <QJsonArray>
#include <QUdpSocket>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Loopback addresses of this test alone. The worker sends from the port it
// sends to, as on the clocks' network; the port is picked free per run.
const QHostAddress workerAddress(QStringLiteral("127.0.0.203"));
const QHostAddress peerAddress(QStringLiteral("127.0.0.204"));
const QHostAddress otherAddresses[] = {QHostAddress(QStringLiteral("127.0.0.205")),
                                       QHostAddress(QStringLiteral("127.0.0.206"))};

struct Outcome
{
    bool finished = false;
    bool error = false;
    QVector<DatagramPacket> packets;
    QByteArray data;
};

struct Reply
{
    int sender; // 0: the peer itself, 1 and 2: other hosts
    QByteArray bytes;
};

} // namespace

// One UDP exchange against peers on loopback: the query as sent, the replies
// collected in order, and the listening loop's ends.
class TestWorkerUdp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void replies_data() { TestRows::add(QStringLiteral("transport/http.rows")); }
    void replies();
    void listeningRule_data() { TestRows::add(QStringLiteral("transport/http.rows")); }
    void listeningRule();
    void emptyPayloadSendsNothing();
    void unboundWorkerListensOnEveryAddress();
    void floodingPeerCannotHoldTheThread();

private:
    WorkerThreadPool m_workers;
    Outcome exchange(const QByteArray &payload, const QHostAddress &local,
                     const std::function<void(WorkerUdp *)> &configure = {});

    std::unique_ptr<QUdpSocket> m_peer;
    std::unique_ptr<QUdpSocket> m_others[2];
    quint16 m_port = 0;
    QList<DatagramPacket> m_queries;
    QList<Reply> m_replies;
};

void TestWorkerUdp::init()
{
    m_queries.clear();
    m_replies.clear();
    m_peer = std::make_unique<QUdpSocket>();
    QVERIFY(m_peer->bind(peerAddress, 0));
    m_port = m_peer->localPort();
    for (int i = 0; i < 2; ++i) {
        m_others[i] = std::make_unique<QUdpSocket>();
        QVERIFY(m_others[i]->bind(otherAddresses[i], 0));
    }
    connect(m_peer.get(), &QUdpSocket::readyRead, this, [this] {
        while (m_peer->hasPendingDatagrams()) {
            QByteArray bytes(int(m_peer->pendingDatagramSize()), Qt::Uninitialized);
            QHostAddress from;
            quint16 port = 0;
            bytes.truncate(int(m_peer->readDatagram(bytes.data(), bytes.size(), &from, &port)));
            m_queries.append({from.toString(), port, bytes});
            for (const Reply &reply : qAsConst(m_replies)) {
                QUdpSocket *socket = reply.sender == 0 ? m_peer.get() : m_others[reply.sender - 1].get();
                socket->writeDatagram(reply.bytes, from, port);
            }
        }
    });
}

Outcome TestWorkerUdp::exchange(const QByteArray &payload, const QHostAddress &local,
                                const std::function<void(WorkerUdp *)> &configure)
{
    auto *worker = new WorkerUdp(peerAddress, m_port, payload);
    worker->setLocalAddress(local);
    if (configure)
        configure(worker);
    Outcome outcome;
    outcome.finished = runWorker(m_workers, new WorkerThread(worker), [&outcome](Worker *finished) {
        auto *udp = qobject_cast<WorkerUdp *>(finished);
        outcome.error = udp->error();
        outcome.packets = udp->packets();
        outcome.data = udp->data();
    });
    return outcome;
}

void TestWorkerUdp::replies()
{
    QFETCH(QJsonArray, replies);
    QFETCH(int, count);
    QFETCH(int, maxListenMs);
    for (int i = 0; i < qMax(count, replies.size()); ++i) {
        const QJsonArray reply = replies.at(i % replies.size()).toArray();
        m_replies.append({reply.at(0).toInt(), reply.at(1).toString().replace("%1", QString::number(i)).toLatin1()});
    }

    const Outcome outcome = exchange("QLX?", workerAddress, [maxListenMs](WorkerUdp *worker) {
        if (maxListenMs > 0)
            worker->setTiming({10, WorkerUdp::defaultWindowMs, maxListenMs});
    });
    QVERIFY(outcome.finished);
    QVERIFY(!outcome.error);

    // The query went out once, byte for byte, from the port it was sent to.
    QCOMPARE(m_queries.size(), 1);
    QCOMPARE(m_queries.first().data, QByteArray("QLX?"));
    QCOMPARE(m_queries.first().address, workerAddress.toString());
    QCOMPARE(m_queries.first().port, int(m_port));

    QStringList expected;
    for (const Reply &reply : qAsConst(m_replies)) {
        const QUdpSocket *socket = reply.sender == 0 ? m_peer.get() : m_others[reply.sender - 1].get();
        if (!reply.bytes.isEmpty())
            expected << QStringLiteral("%1:%2 %3").arg(socket->localAddress().toString()).arg(socket->localPort())
                            .arg(QString::fromLatin1(reply.bytes));
    }
    QStringList received;
    for (const DatagramPacket &packet : outcome.packets)
        received << QStringLiteral("%1:%2 %3").arg(packet.address).arg(packet.port).arg(QString::fromLatin1(packet.data));
    QCOMPARE(received, expected);
    QCOMPARE(outcome.data, outcome.packets.isEmpty() ? QByteArray() : outcome.packets.first().data);
}

void TestWorkerUdp::listeningRule()
{
    QFETCH(int, elapsedMs);
    QFETCH(bool, arriving);
    QFETCH(bool, goesOn);
    QCOMPARE(WorkerUdp::keepsListening(WorkerUdp::Timing(), elapsedMs, arriving), goesOn);
}

void TestWorkerUdp::emptyPayloadSendsNothing()
{
    m_replies = {{0, "should never be asked for"}};
    QTest::ignoreMessage(QtDebugMsg, "Send failed. There's no data to send.");
    const Outcome outcome = exchange(QByteArray(), workerAddress);
    QVERIFY(outcome.finished);
    QVERIFY(outcome.error);
    QVERIFY(outcome.packets.isEmpty());
    // On loopback a datagram sent is a datagram waiting: nothing more can come.
    QVERIFY(!m_peer->hasPendingDatagrams());
    QVERIFY(m_queries.isEmpty());
}

void TestWorkerUdp::unboundWorkerListensOnEveryAddress()
{
    // The worker binds the wildcard address on the port it sends to, which a
    // peer holding that port on one address would prevent: nobody answers the
    // query here, but a third host keeps writing to another local address.
    m_peer.reset();
    QUdpSocket prober;
    QVERIFY(prober.bind(otherAddresses[0], 0));
    QTimer probing;
    connect(&probing, &QTimer::timeout, this, [&prober, this] {
        prober.writeDatagram("probe", workerAddress, m_port);
    });
    probing.start(100); // slower than the worker reads, or it would never stop listening
    const Outcome outcome = exchange("QLX?", QHostAddress());
    probing.stop();
    QVERIFY(outcome.finished);
    QVERIFY(!outcome.error);
    const auto probe = std::find_if(outcome.packets.cbegin(), outcome.packets.cend(),
                                    [](const DatagramPacket &packet) { return packet.data == "probe"; });
    QVERIFY(probe != outcome.packets.cend());
    QCOMPARE(probe->address, otherAddresses[0].toString());
    QCOMPARE(probe->port, int(prober.localPort()));
}

void TestWorkerUdp::floodingPeerCannotHoldTheThread()
{
    // Datagrams that never stop arriving keep the listening going; it still
    // ends at its upper bound (shortened here).
    QTimer flood;
    connect(&flood, &QTimer::timeout, this, [this] {
        for (int i = 0; i < 5; ++i)
            m_others[0]->writeDatagram("flood", workerAddress, m_port);
    });
    flood.start(5);
    const Outcome outcome = exchange("QLX?", workerAddress, [](WorkerUdp *worker) { worker->setTiming({10, 50, 400}); });
    flood.stop();
    QVERIFY(outcome.finished);
    QVERIFY(!outcome.error);
    QVERIFY(!outcome.packets.isEmpty());
}

QTEST_GUILESS_MAIN(TestWorkerUdp)
#include "tst_workerudp.moc"
