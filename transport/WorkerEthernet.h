#pragma once

#include "transport/Worker.h"

#include <QHostAddress>

// A worker with a socket endpoint: the clock's (or broadcast) address and
// port, and the local interface address to bind to (null: let the system
// choose).
class WorkerEthernet : public Worker
{
    Q_OBJECT

public:
    WorkerEthernet(const QHostAddress &remoteAddress, quint16 port, const QByteArray &payload);
    ~WorkerEthernet() override;

    void setLocalAddress(const QHostAddress &address) { m_localAddress = address; }

    QHostAddress remoteAddress() const { return m_remoteAddress; }
    quint16 port() const { return m_port; }
    QHostAddress localAddress() const { return m_localAddress; }

    QString exchangeKey() const override;

    // Called by the transport's open once its socket exists.
    virtual void connectOrBind() = 0;

protected:
    // True for the null address and every wildcard address: a socket bound to
    // one of them would be no different from an unbound one.
    static bool isWildcard(const QHostAddress &address);

    QHostAddress m_remoteAddress;
    quint16 m_port = 0;
    QHostAddress m_localAddress;
};
