#include "DeviceInfo.h"
#include "DiscoveryDatagram.h"

#include <QtTest>

namespace {

QByteArray item(quint8 tag, const QByteArray &value)
{
    QByteArray bytes;
    bytes.append(char(tag));
    bytes.append(char(quint8(value.size())));
    return bytes + value;
}

QByteArray marker()
{
    return item(0, "QLX");
}

} // namespace

class TestDiscoveryDatagram : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void queryEchoLeavesTheRecordUntouched();
    void everyTagGoesToItsField();
};

void TestDiscoveryDatagram::parse_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("productCode");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("firmware");

    const QByteArray model = item(1, "QM03");
    const QByteArray port2101 = item(4, QByteArray::fromHex("0835"));
    const QByteArray fw305 = item(8, QByteArray::fromHex("0305"));

    QTest::newRow("complete reply of a QM03")
        << (marker() + model + port2101 + fw305) << true << true << "QM03" << 2101 << 305;
    QTest::newRow("items in any order, the later value wins")
        << (fw305 + item(1, "QM01") + marker() + port2101 + model) << true << true << "QM03" << 2101 << 305;
    QTest::newRow("unknown and ignored tags are skipped")
        << (marker() + item(2, "xx") + item(5, "") + item(200, QByteArray(255, 'z')) + model + port2101 + fw305)
        << true << true << "QM03" << 2101 << 305;
    QTest::newRow("marker of other bytes rejects, fields before it stay")
        << (model + port2101 + item(0, "ABC") + fw305) << false << true << "QM03" << 2101 << 0;
    QTest::newRow("marker shorter than three bytes rejects")
        << (model + item(0, "QL") + fw305) << false << true << "QM03" << 2101 << 0;
    QTest::newRow("marker may carry more than QLX")
        << (item(0, "QLX-2") + model) << true << true << "QM03" << 2101 << 0;
    QTest::newRow("firmware of three bytes is ignored")
        << (marker() + model + item(8, QByteArray::fromHex("030500"))) << true << true << "QM03" << 2101 << 0;
    QTest::newRow("port 80 00 reads negative and makes the record invalid")
        << (marker() + model + item(4, QByteArray::fromHex("8000"))) << true << false << "QM03" << -32768 << 0;
    QTest::newRow("port of one byte rejects")
        << (marker() + model + item(4, QByteArray::fromHex("08")) + fw305) << false << true << "QM03" << 2101 << 0;
    QTest::newRow("port of three bytes reads the first two")
        << (marker() + item(4, QByteArray::fromHex("1F90FF"))) << true << true << "" << 8080 << 0;
    QTest::newRow("value running past the end rejects")
        << (marker() + model + QByteArray::fromHex("0105") + "QM0") << false << true << "QM03" << 2101 << 0;
    QTest::newRow("datagram ending inside an item header rejects")
        << (marker() + model + QByteArray::fromHex("08")) << false << true << "QM03" << 2101 << 0;
    QTest::newRow("empty datagram is accepted with nothing read")
        << QByteArray() << true << true << "" << 2101 << 0;
}

void TestDiscoveryDatagram::parse()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, accepted);
    QFETCH(bool, valid);
    QFETCH(QString, productCode);
    QFETCH(int, port);
    QFETCH(int, firmware);

    DeviceInfo info;
    QCOMPARE(DiscoveryDatagram::parse(datagram, "192.168.0.11", info), accepted);
    QCOMPARE(info.address, QHostAddress("192.168.0.11"));
    QCOMPARE(info.isValid(), valid);
    QCOMPARE(info.productCode, productCode);
    QCOMPARE(int(info.port), port);
    QCOMPARE(info.firmware, firmware);
}

void TestDiscoveryDatagram::queryEchoLeavesTheRecordUntouched()
{
    DeviceInfo info;
    QVERIFY(!DiscoveryDatagram::parse("QLX?", "192.168.0.2", info));
    QVERIFY(info.address.isNull());
    QVERIFY(!info.isValid());
}

void TestDiscoveryDatagram::everyTagGoesToItsField()
{
    const QByteArray datagram = marker() + item(1, "QM12") + item(3, QByteArray::fromHex("02a73c0000ff"))
        + item(4, QByteArray::fromHex("0050")) + item(6, QByteArray::fromHex("c0a8000b"))
        + item(7, QByteArray::fromHex("0a000001")) + item(8, QByteArray::fromHex("0a07")) + item(9, "DC-7")
        + item(10, QByteArray::fromHex("01020304"));
    DeviceInfo info;
    QVERIFY(DiscoveryDatagram::parse(datagram, QString(), info));
    QVERIFY(info.address.isNull());
    QCOMPARE(info.productCode, QString("QM12"));
    QCOMPARE(info.mac, QString("02-A7-3C-00-00-FF"));
    QCOMPARE(int(info.port), 80);
    QCOMPARE(info.auxAddress1, QHostAddress("192.168.0.11"));
    QCOMPARE(info.auxAddress2, QHostAddress("10.0.0.1"));
    QCOMPARE(info.firmware, 1007);
    QCOMPARE(info.deviceCode, QString("DC-7"));
    QCOMPARE(info.auxNumber, quint32(0x01020304));
}

QTEST_APPLESS_MAIN(TestDiscoveryDatagram)
#include "tst_discoverydatagram.moc"
