#include "ClockNetworkSettings.h"
#include "CommandBodies.h"
#include "ConflictResolver.h"
#include "DeviceInfo.h"
#include "DiscoveryDatagram.h"
#include "TestRows.h"

#include <QtTest>

namespace {

const QString rows = QStringLiteral("operations/units.rows");

} // namespace

// The bodies of the clock commands, the resolver's address and MAC
// arithmetic, and the discovery replies taken apart.
class TestCommandBodies : public QObject
{
    Q_OBJECT

private slots:
    void bodies_data() { TestRows::add(rows); }
    void bodies();
    void networkBodyNamesEveryField();
    void nextAddress_data() { TestRows::add(rows); }
    void nextAddress();
    void macPlus_data() { TestRows::add(rows); }
    void macPlus();
    void parse_data() { TestRows::add(rows); }
    void parse();
    void everyTag_data() { TestRows::add(rows); }
    void everyTag();
};

void TestCommandBodies::bodies()
{
    QFETCH(QString, command);
    QFETCH(QString, argument1);
    QFETCH(QString, argument2);
    QFETCH(QByteArray, body);
    if (command == QLatin1String("name"))
        QCOMPARE(CommandBodies::name(argument1), body);
    else if (command == QLatin1String("password"))
        QCOMPARE(CommandBodies::password(argument1, argument2), body);
    else if (command == QLatin1String("conflictAddress"))
        QCOMPARE(CommandBodies::conflictAddress(argument1), body);
    else
        QCOMPARE(CommandBodies::mac(argument1), body);
}

void TestCommandBodies::networkBodyNamesEveryField()
{
    ClockNetworkSettings fixed;
    fixed.ip = "10.1.2.3";
    fixed.subnet = "255.0.0.0";
    fixed.gateway = "10.0.0.1";
    fixed.dhcpOpt42 = false;
    fixed.dhcpOptPrivate = false;
    fixed.disableRemoteAccess = true;
    fixed.dhcpPrivateOptNumber = 224;
    fixed.webPanelTimeout = 15;
    fixed.dnsPrimary = "10.0.0.53";
    fixed.dnsSecondary = "";
    QCOMPARE(CommandBodies::network(fixed),
             QByteArray("&D_000=10.1.2.3&D_001=255.0.0.0&D_002=10.0.0.1&D_007=0&D_008=0&D_011=0&D_012=1"
                        "&D_013=224&D_015=15&D_009=10.0.0.53&D_010="));
}

void TestCommandBodies::nextAddress()
{
    QFETCH(QString, ip);
    QFETCH(QString, expected);
    QCOMPARE(ConflictResolver::nextAddress(ip), expected);
}

void TestCommandBodies::macPlus()
{
    QFETCH(QString, mac);
    QFETCH(int, offset);
    QFETCH(QString, expected);
    QCOMPARE(ConflictResolver::macPlus(mac, offset), expected);
}

void TestCommandBodies::parse()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, accepted);
    QFETCH(bool, valid);
    QFETCH(QString, productCode);
    QFETCH(int, port);
    QFETCH(int, firmware);

    DeviceInfo info;
    QCOMPARE(DiscoveryDatagram::parse(datagram, "192.168.0.11", info), accepted);
    // Our own query, heard back, leaves the record alone.
    QCOMPARE(info.address, datagram == "QLX?" ? QHostAddress() : QHostAddress("192.168.0.11"));
    QCOMPARE(info.isValid(), valid);
    QCOMPARE(info.productCode, productCode);
    QCOMPARE(int(info.port), port);
    QCOMPARE(info.firmware, firmware);
}

void TestCommandBodies::everyTag()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QStringList, fields);
    DeviceInfo info;
    QVERIFY(DiscoveryDatagram::parse(datagram, QString(), info));
    QVERIFY(info.address.isNull());
    QCOMPARE((QStringList{info.productCode, info.mac, QString::number(info.port), info.auxAddress1.toString(),
                          info.auxAddress2.toString(), QString::number(info.firmware), info.deviceCode,
                          QString::number(info.auxNumber)}),
             fields);
}

QTEST_APPLESS_MAIN(TestCommandBodies)
#include "tst_commandbodies.moc"
