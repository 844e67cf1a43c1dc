// The simulator's discovery answers, heard from the "pc" namespace.
#include "ClockSimControl.h"
#include "RawHttpClient.h"

#include <QJsonArray>
#include <QMap>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>

namespace {

constexpr quint16 kDiscoveryPort = 9666;
constexpr int kWaitMs = 5000;
const QByteArray kQuery = QByteArrayLiteral("QLX?");

// The fields a reply carries, read with a decoder of our own.
struct Decoded
{
    bool ok = false;
    QByteArray marker;
    QString model;
    QString mac;
    int port = -1;
    int firmware = -1;
    QString deviceCode;
};

Decoded decode(const QByteArray& datagram)
{
    Decoded decoded;
    int position = 0;
    while (position + 2 <= datagram.size()) {
        const int tag = static_cast<unsigned char>(datagram.at(position));
        const int length = static_cast<unsigned char>(datagram.at(position + 1));
        if (position + 2 + length > datagram.size())
            return decoded;
        const QByteArray value = datagram.mid(position + 2, length);
        switch (tag) {
        case 0: decoded.marker = value; break;
        case 1: decoded.model = QString::fromLatin1(value); break;
        case 3: decoded.mac = QString::fromLatin1(value.toHex('-').toUpper()); break;
        case 4:
            decoded.port = length == 2 ? (static_cast<unsigned char>(value.at(0)) << 8) | static_cast<unsigned char>(value.at(1))
                                       : -1;
            break;
        case 8:
            decoded.firmware = length == 2 ? static_cast<unsigned char>(value.at(0)) * 100 + static_cast<unsigned char>(value.at(1))
                                           : -1;
            break;
        case 9: decoded.deviceCode = QString::fromLatin1(value); break;
        default: break;
        }
        position += 2 + length;
    }
    decoded.ok = position == datagram.size();
    return decoded;
}

QByteArray clockReply(const char* model, const QByteArray& mac, quint16 port, int major, int minor, const char* code)
{
    QByteArray datagram("\x00\x03QLX", 5);
    datagram += '\x01' + QByteArray(1, static_cast<char>(qstrlen(model))) + model;
    datagram += QByteArray("\x03\x06", 2) + QByteArray::fromHex(mac);
    datagram += QByteArray("\x04\x02", 2) + static_cast<char>(port >> 8) + static_cast<char>(port & 0xFF);
    datagram += QByteArray("\x08\x02", 2) + static_cast<char>(major) + static_cast<char>(minor);
    datagram += '\x09' + QByteArray(1, static_cast<char>(qstrlen(code))) + code;
    return datagram;
}

} // namespace

class TestClockSimDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void replies_data();
    void replies();
    void replyDecodesToTheClockFields();
    void macChangeShowsInDiscovery();
    void replacedDiscoveryReply();
    void everyPcAddressHearsEveryClock();

private:
    // Sends the datagram to the destination and collects the replies the log says were sent.
    // QTRY_* returns from the function on failure, so this one returns nothing.
    void query(const QString& destination, const QByteArray& datagram, QList<int>* answered,
               QList<QNetworkDatagram>* replies, const QString& source = ClockSimControl::pcAddress());

    ClockSimControl m_control;
};

void TestClockSimDiscovery::initTestCase()
{
    QVERIFY2(m_control.isAvailable(), "run through tests/netns/netns-run.sh");
}

void TestClockSimDiscovery::init()
{
    QVERIFY(m_control.reset());
    QVERIFY(m_control.clearLog());
}

void TestClockSimDiscovery::query(const QString& destination, const QByteArray& datagram, QList<int>* answered,
                                  QList<QNetworkDatagram>* replies, const QString& source)
{
    QUdpSocket socket;
    // As the program does: bound to the interface address and the discovery port.
    QVERIFY(socket.bind(QHostAddress(source), kDiscoveryPort));
    QCOMPARE(socket.writeDatagram(datagram, QHostAddress(destination), kDiscoveryPort), qint64(datagram.size()));
    // The simulator logs a query after it has sent every answer, so the log says how many to expect.
    QJsonArray indexes;
    QTRY_VERIFY_WITH_TIMEOUT(!m_control.requestLog().isEmpty(), kWaitMs);
    indexes = m_control.requestLog().last().value("answered").toArray();
    for (const QJsonValue& index : indexes)
        answered->append(index.toInt());
    auto collect = [&] {
        while (socket.hasPendingDatagrams())
            replies->append(socket.receiveDatagram());
        return replies->size();
    };
    QTRY_COMPARE_WITH_TIMEOUT(collect(), indexes.size(), kWaitMs);
}

void TestClockSimDiscovery::replies_data()
{
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QList<int>>("answered");
    QTest::addColumn<QStringList>("senders");

    const QStringList all = {"192.168.0.11", "192.168.0.11", "192.168.0.20", "192.168.0.21"};
    QTest::newRow("broadcast reaches every clock but the hidden one")
        << "255.255.255.255" << kQuery << QList<int>{0, 1, 2, 3} << all;
    QTest::newRow("directed broadcast") << "192.168.0.255" << kQuery << QList<int>{0, 1, 2, 3} << all;
    QTest::newRow("query to the shared address") << "192.168.0.11" << kQuery << QList<int>{0, 1}
                                                 << QStringList{"192.168.0.11", "192.168.0.11"};
    QTest::newRow("query to an address without clock") << "192.168.0.50" << kQuery << QList<int>() << QStringList();
    QTest::newRow("query to the hidden clock") << "192.168.0.22" << kQuery << QList<int>() << QStringList();
    QTest::newRow("other datagram") << "255.255.255.255" << QByteArray("QLX!") << QList<int>() << QStringList();
    QTest::newRow("query with a trailing byte") << "255.255.255.255" << QByteArray("QLX?\0", 5) << QList<int>()
                                                << QStringList();
}

void TestClockSimDiscovery::replies()
{
    QFETCH(QString, destination);
    QFETCH(QByteArray, datagram);
    QFETCH(QList<int>, answered);
    QFETCH(QStringList, senders);

    QList<int> logged;
    QList<QNetworkDatagram> replies;
    query(destination, datagram, &logged, &replies);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(logged, answered);
    QStringList from;
    for (const QNetworkDatagram& reply : replies) {
        from << reply.senderAddress().toString();
        QCOMPARE(reply.senderPort(), int(kDiscoveryPort));
    }
    from.sort();
    QCOMPARE(from, senders);
    const QJsonObject entry = m_control.requestLog().last();
    QCOMPARE(entry.value("kind").toString(), QStringLiteral("discovery"));
    QCOMPARE(QByteArray::fromBase64(entry.value("body").toString().toLatin1()), datagram);
    QCOMPARE(entry.value("peer").toString(), ClockSimControl::pcAddress() + QStringLiteral(":9666"));
}

void TestClockSimDiscovery::replyDecodesToTheClockFields()
{
    QList<int> logged;
    QList<QNetworkDatagram> replies;
    query("255.255.255.255", kQuery, &logged, &replies);
    if (QTest::currentTestFailed())
        return;
    QMap<QString, QByteArray> byMac;
    for (const QNetworkDatagram& reply : replies) {
        const Decoded decoded = decode(reply.data());
        QVERIFY(decoded.ok);
        QVERIFY(decoded.marker.startsWith("QLX"));
        byMac.insert(decoded.mac, reply.data());
    }
    QCOMPARE(byMac.size(), 4);
    QCOMPARE(byMac.value("02-A7-3C-00-00-01"), clockReply("QM03", "02A73C000001", 2101, 3, 5, "DC-0001"));
    QCOMPARE(byMac.value("02-A7-3C-00-00-02"), clockReply("QM05", "02A73C000002", 2101, 2, 10, "DC-0002"));
    // Port 32768 is sent as it is; the client's reading of it is the client's business.
    QCOMPARE(byMac.value("02-A7-3C-00-00-03"), clockReply("QM12", "02A73C000003", 32768, 0, 99, "DC-0003"));
    const Decoded hall = decode(byMac.value("02-A7-3C-00-00-03"));
    QCOMPARE(hall.model, QStringLiteral("QM12"));
    QCOMPARE(hall.port, 32768);
    QCOMPARE(hall.firmware, 99);
    QCOMPARE(hall.deviceCode, QStringLiteral("DC-0003"));
}

void TestClockSimDiscovery::macChangeShowsInDiscovery()
{
    const auto result = RawHttpClient::exchange(
        "192.168.0.21", RawHttpClient::post("/E0", "&E_000=02-A7-3C-DC-00-00", "admin", "admin"));
    QCOMPARE(RawHttpClient::statusOf(result.reply), 200);
    QVERIFY(m_control.clearLog());
    QList<int> logged;
    QList<QNetworkDatagram> replies;
    query("192.168.0.21", kQuery, &logged, &replies);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(replies.size(), 1);
    QCOMPARE(decode(replies.first().data()).mac, QStringLiteral("02-A7-3C-DC-00-00"));
}

void TestClockSimDiscovery::replacedDiscoveryReply()
{
    // A marker the client must reject, then a port that does not fit in 15 bits.
    QVERIFY(m_control.setFaults(3, QJsonObject{{"discoveryReplyHex", "0003514c5904028000"}}));
    QList<int> logged;
    QList<QNetworkDatagram> replies;
    query("192.168.0.21", kQuery, &logged, &replies);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(replies.size(), 1);
    QCOMPARE(replies.first().data(), QByteArray::fromHex("0003514c5904028000"));
    QCOMPARE(replies.first().senderAddress().toString(), QStringLiteral("192.168.0.21"));
}

void TestClockSimDiscovery::everyPcAddressHearsEveryClock()
{
    // With several links (netns-run.sh --pc-links), each pc interface reaches
    // every clock, which is how a client sees one clock twice.
    const QStringList sources = qEnvironmentVariable("ZENTICK_PC_ADDRESSES").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVERIFY(!sources.isEmpty());
    for (const QString& source : sources) {
        QVERIFY(m_control.clearLog());
        QList<int> logged;
        QList<QNetworkDatagram> replies;
        query("255.255.255.255", kQuery, &logged, &replies, source);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(logged, QList<int>({0, 1, 2, 3}));
        QCOMPARE(replies.size(), 4);
        QCOMPARE(m_control.requestLog().last().value("peer").toString(), source + QStringLiteral(":9666"));
    }
}

QTEST_GUILESS_MAIN(TestClockSimDiscovery)
#include "tst_clocksim_discovery.moc"
