#include "values/NetworkCardData.h"

#include <QNetworkInterface>

QString NetworkCardData::displayText() const
{
    if (name.isEmpty() || ip.isNull())
        return QString();
    return name + QStringLiteral(" (") + ip.toString() + QLatin1Char(')');
}

QList<NetworkCardData> allNetworkCards()
{
    QList<NetworkCardData> cards;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (!interface.isValid() || !flags.testFlag(QNetworkInterface::IsUp)
            || !flags.testFlag(QNetworkInterface::IsRunning) || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        const QList<QNetworkAddressEntry> entries = interface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            NetworkCardData card;
            card.name = interface.humanReadableName();
            card.ip = entry.ip();
            card.netmask = entry.netmask();
            card.subnet = QHostAddress(entry.ip().toIPv4Address() & entry.netmask().toIPv4Address());
            card.mac = interface.hardwareAddress();
            cards.append(card);
        }
    }
    return cards;
}
