#pragma once

#include "tools/clocksim/Simulator.h"

#include <QHash>
#include <QObject>
#include <QUdpSocket>

// Answers the discovery query: every clock the query reaches sends one
// datagram from its own address back to the querier's address and port.
// A wildcard socket hears broadcasts; one socket per clock address sends the
// replies from that address (and hears queries sent straight to it), or, in
// a large fleet, the wildcard socket does all of it.
class DiscoveryResponder : public QObject
{
    Q_OBJECT

public:
    DiscoveryResponder(Simulator* simulator, QObject* parent = nullptr);

    bool listen(quint16 port, QString* error);
    quint16 port() const { return m_broadcastSocket.localPort(); }

private:
    void onReadyRead(QUdpSocket* socket);
    void syncSockets();

    Simulator* m_simulator;
    QUdpSocket m_broadcastSocket;
    QHash<QString, QUdpSocket*> m_addressSockets;
    bool m_oneSocket = false;
};
