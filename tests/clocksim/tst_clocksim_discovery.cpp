// The simulator's discovery answers as a clock gives them, heard from the
// "pc" namespace.
#include "ClockSimControl.h"
#include "RawHttpClient.h"
#include "TestRows.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>

namespace {

constexpr quint16 kDiscoveryPort = 9666;
constexpr int kWaitMs = 5000;

} // namespace

class TestClockSimDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void replies_data() { TestRows::add(QStringLiteral("clocksim/discovery.rows")); }
    void replies();
    void macChangeShowsInDiscovery();

private:
    // Sends the datagram as the program does, bound to the discovery port,
    // and collects the replies the log says were sent.
    void query(const QString &destination, const QByteArray &datagram, QList<int> *answered,
               QList<QNetworkDatagram> *replies);

    ClockSimControl m_control;
};

void TestClockSimDiscovery::initTestCase()
{
    QVERIFY2(m_control.isAvailable(), "run through tests/netns/netns-run.sh");
}

void TestClockSimDiscovery::query(const QString &destination, const QByteArray &datagram, QList<int> *answered,
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

void TestClockSimDiscovery::replies()
{
    QFETCH(QString, destination);
    QFETCH(QByteArray, datagram);
    QFETCH(QList<int>, answered);
    QFETCH(QStringList, senders);
    QFETCH(QStringList, datagrams);

    QVERIFY(m_control.reset());
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

void TestClockSimDiscovery::macChangeShowsInDiscovery()
{
    QVERIFY(m_control.reset());
    const auto result = RawHttpClient::exchange(
        "192.168.0.21", RawHttpClient::post("/E0", "&E_000=02-A7-3C-DC-00-00", "admin", "admin"));
    QCOMPARE(RawHttpClient::statusOf(result.reply), 200);
    QList<int> logged;
    QList<QNetworkDatagram> replies;
    query("192.168.0.21", "QLX?", &logged, &replies);
    QCOMPARE(replies.size(), 1);
    QVERIFY(replies.first().data().contains(QByteArray::fromHex("030602a73cdc0000")));
}

QTEST_GUILESS_MAIN(TestClockSimDiscovery)
#include "tst_clocksim_discovery.moc"
