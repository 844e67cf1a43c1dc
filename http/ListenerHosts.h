#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QStringList>

// The names a request may give in its Host (and Origin) field to be
// answered: the listener's own addresses, "localhost", and the names the
// operator gave. A browser page under any other name that an attacker's DNS
// points at this machine (rebinding) is refused before any data is read.
class ListenerHosts
{
public:
    // Names to answer besides the addresses and "localhost"; any letter
    // case, a final dot ignored.
    void setNames(const QStringList &names);
    // Addresses to answer besides the one a connection arrived at (the
    // machine's interfaces when the listener is bound to all of them).
    void setAddresses(const QList<QHostAddress> &addresses) { m_addresses = addresses; }

    // The Host field's value: "name", "name:port", "192.0.2.1:9464" or
    // "[2001:db8::1]:9464". An absent Host is answered: no browser leaves it out.
    bool allowsHost(const QByteArray &host, const QHostAddress &arrivedAt) const;
    // The Origin field's value: absent, or http(s):// and an allowed host.
    bool allowsOrigin(const QByteArray &origin, const QHostAddress &arrivedAt) const;

    // A host name as --board-host takes it: letters, digits, '-' and '.'.
    static bool isName(const QString &text);

private:
    bool allowsAddress(const QHostAddress &address, const QHostAddress &arrivedAt) const;

    QStringList m_names;
    QList<QHostAddress> m_addresses;
};
