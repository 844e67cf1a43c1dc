#pragma once

#include <QHostAddress>
#include <QList>
#include <QMetaType>
#include <QString>

// One local IPv4 interface. The null record (no ip) means "Default": let the
// operating system choose.
struct NetworkCardData
{
    QString name;
    QHostAddress ip;
    QHostAddress netmask;
    QHostAddress subnet;
    QString mac;

    bool isNull() const { return ip.isNull(); }
    // "name (ip)"; empty when either is missing.
    QString displayText() const;

    // Name and ip only: netmask, subnet and mac are not compared.
    friend bool operator==(const NetworkCardData &a, const NetworkCardData &b)
    {
        return a.name == b.name && a.ip == b.ip;
    }
    friend bool operator!=(const NetworkCardData &a, const NetworkCardData &b) { return !(a == b); }
};
Q_DECLARE_METATYPE(NetworkCardData)

// The usable interfaces: valid, up, running, not loopback; IPv4 only.
QList<NetworkCardData> allNetworkCards();
