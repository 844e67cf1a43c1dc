#include "transport/NetworkCardChoices.h"
#include "values/NetworkCardData.h"

#include <QtTest>

// The interfaces the system offers, read from a network namespace that
// run_in_netns.sh builds: one adapter with two IPv4 addresses and an IPv6 one,
// a second end of it without an IPv4 address, a disabled adapter, one without
// carrier, and the loopback interface.
class TestNetworkInterfaces : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usableIPv4InterfacesOnly();
    void choicesOfferWhatIsPresent();
};

void TestNetworkInterfaces::initTestCase()
{
    if (qEnvironmentVariable("ZENTICK_NETNS") != QLatin1String("cards"))
        QSKIP("needs the namespace of run_in_netns.sh");
}

void TestNetworkInterfaces::usableIPv4InterfacesOnly()
{
    const QList<NetworkCardData> cards = allNetworkCards();
    QStringList read;
    for (const NetworkCardData &card : cards)
        read << QStringList{card.name, card.ip.toString(), card.netmask.toString(), card.subnet.toString()}.join(' ');
    QCOMPARE(read, QStringList({"up0 192.168.1.20 255.255.255.0 192.168.1.0", "up0 10.9.8.7 255.255.0.0 10.9.0.0"}));
    QVERIFY(!cards.at(0).mac.isEmpty());
    QCOMPARE(cards.at(1).mac, cards.at(0).mac);
}

void TestNetworkInterfaces::choicesOfferWhatIsPresent()
{
    NetworkCardData stored;
    stored.name = "dn0";
    stored.ip = QHostAddress("192.168.2.20");
    NetworkCardChoices choices;
    choices.refresh(stored);
    QCOMPARE(choices.items(), QStringList({"Default", "up0 (192.168.1.20)", "up0 (10.9.8.7)",
                                           "dn0 (192.168.2.20) - Not available"}));
    QCOMPARE(choices.selectedIndex(), 3);
}

QTEST_APPLESS_MAIN(TestNetworkInterfaces)
#include "tst_networkinterfaces.moc"
