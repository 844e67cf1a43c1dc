#include "ClockNetworkSettings.h"
#include "CommandBodies.h"
#include "ConflictResolver.h"

#include <QtTest>

class TestCommandBodies : public QObject
{
    Q_OBJECT

private slots:
    void bodies_data();
    void bodies();
    void nextAddress_data();
    void nextAddress();
    void macPlus_data();
    void macPlus();
};

void TestCommandBodies::bodies_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("rename to ab") << CommandBodies::name("ab") << QByteArray("&D_006=ab");
    QTest::newRow("name with form syntax goes out unescaped")
        << CommandBodies::name("a&D_000=1") << QByteArray("&D_006=a&D_000=1");
    QTest::newRow("name in UTF-8") << CommandBodies::name(QString::fromUtf8("Zegar łazienka"))
                                   << QByteArray("&D_006=Zegar \xc5\x82" "azienka");
    QTest::newRow("password change") << CommandBodies::password("old", "new")
                                     << QByteArray("passchange=old%21new%21");
    QTest::newRow("password change from an empty password")
        << CommandBodies::password("", "s3cret") << QByteArray("passchange=%21s3cret%21");

    ClockNetworkSettings dhcp;
    dhcp.DHCP = true;
    QTest::newRow("network with DHCP on and defaults otherwise")
        << CommandBodies::network(dhcp)
        << QByteArray("&D_000=192.168.0.11&D_001=255.255.255.0&D_002=192.168.0.1&D_007=1&D_008=1&D_011=1&D_012=0"
                      "&D_013=230&D_015=5&D_009=8.8.8.8&D_010=4.4.4.4");
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
    QTest::newRow("network with every field changed")
        << CommandBodies::network(fixed)
        << QByteArray("&D_000=10.1.2.3&D_001=255.0.0.0&D_002=10.0.0.1&D_007=0&D_008=0&D_011=0&D_012=1"
                      "&D_013=224&D_015=15&D_009=10.0.0.53&D_010=");
    QTest::newRow("conflict address change")
        << CommandBodies::conflictAddress("192.168.0.12")
        << QByteArray("&D_000=192.168.0.12&D_001=255.255.255.0&D_002=192.168.0.1&D_007=0");
    QTest::newRow("conflict address change past the last address")
        << CommandBodies::conflictAddress("") << QByteArray("&D_000=&D_001=255.255.255.0&D_002=192.168.0.1&D_007=0");
    QTest::newRow("MAC change") << CommandBodies::mac("02-A7-3C-DC-00-01") << QByteArray("&E_000=02-A7-3C-DC-00-01");
}

void TestCommandBodies::bodies()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, expected);
    QCOMPARE(body, expected);
}

void TestCommandBodies::nextAddress_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("expected");
    QTest::newRow("counts up the last number") << "192.168.0.12" << "192.168.0.13";
    QTest::newRow("253 gives 254") << "192.168.0.253" << "192.168.0.254";
    QTest::newRow("254 gives the empty address") << "192.168.0.254" << "";
    QTest::newRow("empty stays empty") << "" << "";
    QTest::newRow("three numbers are no address") << "192.168.0" << "";
    QTest::newRow("a word is no number") << "192.168.0.x" << "";
}

void TestCommandBodies::nextAddress()
{
    QFETCH(QString, ip);
    QFETCH(QString, expected);
    QCOMPARE(ConflictResolver::nextAddress(ip), expected);
}

void TestCommandBodies::macPlus_data()
{
    QTest::addColumn<QString>("mac");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first clock keeps the first MAC") << "02-A7-3C-DC-00-00" << 0 << "02-A7-3C-DC-00-00";
    QTest::newRow("third clock") << "02-A7-3C-DC-00-00" << 2 << "02-A7-3C-DC-00-02";
    QTest::newRow("FF carries into the next group") << "02-A7-3C-DC-00-FF" << 1 << "02-A7-3C-DC-01-00";
    QTest::newRow("carry through several groups") << "02-A7-3C-FF-FF-FF" << 1 << "02-A7-3D-00-00-00";
    QTest::newRow("lower-case input, upper-case output") << "02-a7-3c-dc-00-0a" << 1 << "02-A7-3C-DC-00-0B";
    QTest::newRow("wraps at 48 bits") << "FF-FF-FF-FF-FF-FF" << 1 << "00-00-00-00-00-00";
    QTest::newRow("five groups are no MAC") << "02-A7-3C-DC-00" << 0 << "";
    QTest::newRow("a group of three digits is no MAC") << "02-A7-3C-DC-00-000" << 0 << "";
    QTest::newRow("colons are no MAC") << "02:A7:3C:DC:00:00" << 0 << "";
}

void TestCommandBodies::macPlus()
{
    QFETCH(QString, mac);
    QFETCH(int, offset);
    QFETCH(QString, expected);
    QCOMPARE(ConflictResolver::macPlus(mac, offset), expected);
}

QTEST_APPLESS_MAIN(TestCommandBodies)
#include "tst_commandbodies.moc"
