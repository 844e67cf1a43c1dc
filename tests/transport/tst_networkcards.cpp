#include "NetworkCardChoices.h"
#include "NetworkCardData.h"

#include <QtTest>

namespace {

NetworkCardData card(const QString &name, const QString &ip, const QString &mac = QString())
{
    NetworkCardData data;
    data.name = name;
    data.ip = QHostAddress(ip);
    data.netmask = QHostAddress(QStringLiteral("255.255.255.0"));
    data.subnet = QHostAddress(data.ip.toIPv4Address() & 0xFFFFFF00u);
    data.mac = mac;
    return data;
}

} // namespace

// The interface record as the dialogs offer it and as the state file keeps it.
class TestNetworkCards : public QObject
{
    Q_OBJECT

private slots:
    void choices_data();
    void choices();
    void writeXml();
    void readXml_data();
    void readXml();
};

void TestNetworkCards::choices_data()
{
    QTest::addColumn<QList<NetworkCardData>>("cards");
    QTest::addColumn<NetworkCardData>("current");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("unavailable");

    const NetworkCardData lan = card("LAN", "192.168.1.20", "AA:00:00:00:00:01");
    const NetworkCardData lanSecond = card("LAN", "10.0.0.5", "AA:00:00:00:00:01");
    const NetworkCardData wifi = card("Wi-Fi", "192.168.7.3");
    const QList<NetworkCardData> present = {lan, lanSecond, wifi};
    const QStringList shown = {"Default", "LAN (192.168.1.20)", "LAN (10.0.0.5)", "Wi-Fi (192.168.7.3)"};

    QTest::newRow("new clock shows Default") << present << NetworkCardData() << shown << 0 << false;
    QTest::newRow("stored interface present") << present << wifi << shown << 3 << false;
    QTest::newRow("second address of one adapter") << present << lanSecond << shown << 2 << false;
    QTest::newRow("same name and address, other mac, still matches")
        << present << card("LAN", "192.168.1.20", "BB:00:00:00:00:09") << shown << 1 << false;
    QTest::newRow("equal entries twice: the last is selected")
        << QList<NetworkCardData>{lan, wifi, lan} << lan
        << QStringList{"Default", "LAN (192.168.1.20)", "Wi-Fi (192.168.7.3)", "LAN (192.168.1.20)"} << 3 << false;
    QTest::newRow("stored interface gone")
        << present << card("USB", "172.16.0.2") << (shown + QStringList{"USB (172.16.0.2) - Not available"}) << 4
        << true;
    QTest::newRow("same name, new address is not the stored one")
        << present << card("Wi-Fi", "192.168.7.4")
        << (shown + QStringList{"Wi-Fi (192.168.7.4) - Not available"}) << 4 << true;
    QTest::newRow("no interfaces at all, stored one gone")
        << QList<NetworkCardData>() << lan << QStringList{"Default", "LAN (192.168.1.20) - Not available"} << 1
        << true;
}

void TestNetworkCards::choices()
{
    QFETCH(QList<NetworkCardData>, cards);
    QFETCH(NetworkCardData, current);
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    QFETCH(bool, unavailable);

    NetworkCardChoices choices;
    choices.build(cards, current);
    QCOMPARE(choices.items(), items);
    QCOMPARE(choices.selectedIndex(), selected);
    QCOMPARE(choices.lastIsUnavailable(), unavailable);

    // Reading the selection back gives the record itself, the unavailable
    // one included; "Default" gives the null record.
    const NetworkCardData chosen = choices.cardAt(selected);
    QCOMPARE(chosen.isNull(), current.isNull());
    if (!current.isNull()) {
        QCOMPARE(chosen, current);
        QCOMPARE(chosen.mac, unavailable ? current.mac : cards.at(selected - 1).mac);
    }
    QVERIFY(choices.cardAt(0).isNull());
    QVERIFY(choices.cardAt(items.size()).isNull());
}

void TestNetworkCards::writeXml()
{
    // Attribute order in a DOM document follows the hash seed, so the
    // attributes are compared one by one rather than as text.
    QDomDocument document;
    const QDomElement set = card("LAN", "192.168.1.20", "AA:BB:CC:00:11:22").writeXml(document);
    const QDomElement unset = NetworkCardData().writeXml(document);
    QCOMPARE(set.tagName(), QString("NetworkCardData"));
    QCOMPARE(set.attributes().count(), 5);
    QCOMPARE(set.attribute("name"), QString("LAN"));
    QCOMPARE(set.attribute("ip"), QString("192.168.1.20"));
    QCOMPARE(set.attribute("netmask"), QString("255.255.255.0"));
    QCOMPARE(set.attribute("subnet"), QString("192.168.1.0"));
    QCOMPARE(set.attribute("mac"), QString("AA:BB:CC:00:11:22"));
    QCOMPARE(unset.attributes().count(), 5);
    for (const char *name : {"name", "ip", "netmask", "subnet", "mac"}) {
        QVERIFY(unset.hasAttribute(name));
        QCOMPARE(unset.attribute(name, "missing"), QString());
    }
}

void TestNetworkCards::readXml_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("subnet");

    QTest::newRow("complete element")
        << "<Clock><NetworkCardData name=\"LAN\" ip=\"192.168.1.20\" netmask=\"255.255.255.0\" "
           "subnet=\"192.168.1.0\" mac=\"AA\"/></Clock>"
        << true << "LAN" << "192.168.1.20" << "192.168.1.0";
    QTest::newRow("no element keeps the previous record")
        << "<Clock><Other/></Clock>" << false << "previous" << "10.0.0.1" << QString();
    QTest::newRow("missing attributes read as empty and null")
        << "<Clock><NetworkCardData name=\"LAN\"/></Clock>" << true << "LAN" << QString() << QString();
    QTest::newRow("address that does not parse reads as null")
        << "<Clock><NetworkCardData name=\"LAN\" ip=\"999.1.1.1\"/></Clock>" << true << "LAN" << QString()
        << QString();
    QTest::newRow("first of two elements")
        << "<Clock><NetworkCardData name=\"A\" ip=\"10.1.1.1\"/><NetworkCardData name=\"B\" ip=\"10.2.2.2\"/></Clock>"
        << true << "A" << "10.1.1.1" << QString();
}

void TestNetworkCards::readXml()
{
    QFETCH(QString, xml);
    QFETCH(bool, found);
    QFETCH(QString, name);
    QFETCH(QString, ip);
    QFETCH(QString, subnet);

    QDomDocument document;
    QVERIFY(document.setContent(xml));
    NetworkCardData data;
    data.name = "previous";
    data.ip = QHostAddress("10.0.0.1");
    QCOMPARE(data.readXml(document.documentElement()), found);
    QCOMPARE(data.name, name);
    QCOMPARE(data.ip, ip.isEmpty() ? QHostAddress() : QHostAddress(ip));
    QCOMPARE(data.subnet, subnet.isEmpty() ? QHostAddress() : QHostAddress(subnet));
}

QTEST_APPLESS_MAIN(TestNetworkCards)
#include "tst_networkcards.moc"
