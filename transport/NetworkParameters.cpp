#include "transport/NetworkParameters.h"

NetworkParameters::NetworkParameters(const QHostAddress &address, quint16 port, int interfaceType,
                                     const QHostAddress &localAddress)
    : m_interfaceType(interfaceType)
    , m_address(address)
    , m_port(interfaceType == Udp ? udpPort : port)
    , m_localAddress(localAddress)
{
}

NetworkParameters::~NetworkParameters() = default;
