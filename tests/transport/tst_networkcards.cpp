#include "NetworkCardChoices.h"
#include "NetworkCardData.h"
#include "TestRows.h"

#include <QtTest>

namespace {

const QString rows = QStringLiteral("transport/cards.rows");

// "name ip [mac]", netmask 255.255.255.0; the empty text is the null record.
NetworkCardData card(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    NetworkCardData data;
    if (text.isEmpty())
        return data;
    data.name = parts.at(0);
    data.ip = QHostAddress(parts.at(1));
    data.netmask = QHostAddress(QStringLiteral("255.255.255.0"));
    data.subnet = QHostAddress(data.ip.toIPv4Address() & 0xFFFFFF00u);
    data.mac = parts.value(2);
    return data;
}

} // namespace

// The interface record as the dialogs offer it and as the state file keeps it.
class TestNetworkCards : public QObject
{
    Q_OBJECT

private slots:
    void choices_data() { TestRows::add(rows); }
    void choices();
    void readXml_data() { TestRows::add(rows); }
    void readXml();
};

void TestNetworkCards::choices()
{
    QFETCH(QStringList, cards);
    QFETCH(QString, current);
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    QFETCH(bool, unavailable);

    QList<NetworkCardData> present;
    for (const QString &text : cards)
        present << card(text);
    const NetworkCardData stored = card(current);
    NetworkCardChoices choices;
    choices.build(present, stored);
    QCOMPARE(choices.items(), items);
    QCOMPARE(choices.selectedIndex(), selected);
    QCOMPARE(choices.lastIsUnavailable(), unavailable);

    // Reading the selection back gives the record itself, the unavailable
    // one included; "Default" gives the null record.
    const NetworkCardData chosen = choices.cardAt(selected);
    QCOMPARE(chosen.isNull(), stored.isNull());
    if (!stored.isNull()) {
        QCOMPARE(chosen, stored);
        QCOMPARE(chosen.mac, unavailable ? stored.mac : present.at(selected - 1).mac);
    }
    QVERIFY(choices.cardAt(0).isNull());
    QVERIFY(choices.cardAt(items.size()).isNull());
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
    NetworkCardData data = card(QStringLiteral("previous 10.0.0.1"));
    data.subnet = QHostAddress();
    QCOMPARE(data.readXml(document.documentElement()), found);
    QCOMPARE(data.name, name);
    QCOMPARE(data.ip, QHostAddress(ip));
    QCOMPARE(data.subnet, QHostAddress(subnet));
}

QTEST_APPLESS_MAIN(TestNetworkCards)
#include "tst_networkcards.moc"
