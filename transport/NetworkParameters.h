#pragma once

#include "transport/InterfaceParameters.h"

#include <QHostAddress>

// Transport, clock (or broadcast) address and port, and the local interface
// address to bind to.
class NetworkParameters : public InterfaceParameters
{
public:
    // Every UDP exchange (discovery query and its replies) uses this port.
    static constexpr quint16 udpPort = 9666;

    // For Udp the port given is replaced by udpPort.
    NetworkParameters(const QHostAddress &address, quint16 port, int interfaceType, const QHostAddress &localAddress);
    ~NetworkParameters() override;

    int interfaceType() const { return m_interfaceType; }
    QHostAddress address() const { return m_address; }
    quint16 port() const { return m_port; }
    QHostAddress localAddress() const { return m_localAddress; }

private:
    int m_interfaceType;
    QHostAddress m_address;
    quint16 m_port;
    QHostAddress m_localAddress;
};
