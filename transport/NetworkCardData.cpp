#include "NetworkCardData.h"

#include <QNetworkInterface>

namespace {

QString addressText(const QHostAddress &address)
{
    return address.isNull() ? QString() : address.toString();
}

} // namespace

QString NetworkCardData::displayText() const
{
    if (name.isEmpty() || ip.isNull())
        return QString();
    return name + QStringLiteral(" (") + ip.toString() + QLatin1Char(')');
}

bool NetworkCardData::readXml(const QDomElement &parent)
{
    const QDomElement element = parent.firstChildElement(QStringLiteral("NetworkCardData"));
    if (element.isNull())
        return false;
    name = element.attribute(QStringLiteral("name"));
    ip = QHostAddress(element.attribute(QStringLiteral("ip")));
    netmask = QHostAddress(element.attribute(QStringLiteral("netmask")));
    subnet = QHostAddress(element.attribute(QStringLiteral("subnet")));
    mac = element.attribute(QStringLiteral("mac"));
    return true;
}

QDomElement NetworkCardData::writeXml(QDomDocument &document) const
{
    QDomElement element = document.createElement(QStringLiteral("NetworkCardData"));
    element.setAttribute(QStringLiteral("name"), name);
    element.setAttribute(QStringLiteral("ip"), addressText(ip));
    element.setAttribute(QStringLiteral("netmask"), addressText(netmask));
    element.setAttribute(QStringLiteral("subnet"), addressText(subnet));
    element.setAttribute(QStringLiteral("mac"), mac);
    return element;
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
