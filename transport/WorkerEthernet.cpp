#include "transport/WorkerEthernet.h"

WorkerEthernet::WorkerEthernet(const QHostAddress &remoteAddress, quint16 port, const QByteArray &payload)
    : Worker(payload)
    , m_remoteAddress(remoteAddress)
    , m_port(port)
{
}

WorkerEthernet::~WorkerEthernet() = default;

bool WorkerEthernet::isWildcard(const QHostAddress &address)
{
    return address.isNull() || address == QHostAddress(QHostAddress::Any)
        || address == QHostAddress(QHostAddress::AnyIPv4) || address == QHostAddress(QHostAddress::AnyIPv6);
}

QString WorkerEthernet::exchangeKey() const
{
    // A clock serves one exchange at a time; clocks sharing an address share it.
    return m_remoteAddress.toString();
}
