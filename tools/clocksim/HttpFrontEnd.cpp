#include "tools/clocksim/HttpFrontEnd.h"

#include "tools/clocksim/HttpConnection.h"

#include <QSet>
#include <QTcpSocket>
#include <QTextStream>

#include <sys/socket.h>

HttpFrontEnd::HttpFrontEnd(Simulator* simulator, quint16 port, QObject* parent)
    : QObject(parent)
    , m_simulator(simulator)
    , m_port(port)
{
    connect(m_simulator, &Simulator::addressesChanged, this, &HttpFrontEnd::onAddressesChanged);
}

namespace {

// From this many addresses on, one socket listens on all of them: the event
// loop watches every listening socket on each turn, and ten thousand of them
// were most of the simulator's work.
constexpr int kOneListenerFrom = 1024;

// Qt listens with a queue of 50 connections. A monitor polling ten thousand
// clocks opens a thousand a second, more in bursts: while the loop is busy
// the queue overflows, the kernel drops the connection request and the
// monitor sends it again a second later, which no real clock would cause.
// Listening again on a listening socket only changes its queue.
void widenQueue(QTcpServer* server)
{
    ::listen(int(server->socketDescriptor()), SOMAXCONN);
}

} // namespace

bool HttpFrontEnd::syncOneListener(const QList<QHostAddress>& addresses, QString* error)
{
    m_listening.clear();
    for (const QHostAddress& address : addresses)
        m_listening.insert(address.toIPv4Address());
    if (m_anyAddress)
        return true;
    qDeleteAll(m_servers);
    m_servers.clear();
    m_anyAddress = new QTcpServer(this);
    if (!m_anyAddress->listen(QHostAddress::AnyIPv4, m_port)) {
        *error = QStringLiteral("cannot listen on port %1: %2").arg(m_port).arg(m_anyAddress->errorString());
        return false;
    }
    widenQueue(m_anyAddress);
    connect(m_anyAddress, &QTcpServer::newConnection, this, [this] { onNewConnection(m_anyAddress); });
    return true;
}

bool HttpFrontEnd::sync(QString* error)
{
    const QList<QHostAddress> addresses = m_simulator->listeningAddresses();
    if (m_anyAddress || addresses.size() >= kOneListenerFrom)
        return syncOneListener(addresses, error);
    QSet<QString> wanted;
    bool ok = true;
    for (const QHostAddress& address : addresses) {
        const QString key = address.toString();
        wanted.insert(key);
        if (m_servers.contains(key))
            continue;
        auto* server = new QTcpServer(this);
        if (!server->listen(address, m_port)) {
            if (ok)
                *error = QStringLiteral("cannot listen on %1 port %2: %3").arg(key).arg(m_port).arg(server->errorString());
            ok = false;
            delete server;
            continue;
        }
        widenQueue(server);
        connect(server, &QTcpServer::newConnection, this, [this, server] { onNewConnection(server); });
        m_servers.insert(key, server);
    }
    for (auto it = m_servers.begin(); it != m_servers.end();) {
        if (wanted.contains(it.key())) {
            ++it;
            continue;
        }
        // Connections already accepted live on; only new ones are refused.
        it.value()->close();
        it.value()->deleteLater();
        it = m_servers.erase(it);
    }
    return ok;
}

void HttpFrontEnd::onNewConnection(QTcpServer* server)
{
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        // No clock listens there: as near to a refused connection as an
        // accepted one gets.
        if (server == m_anyAddress && !m_listening.contains(socket->localAddress().toIPv4Address())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        new HttpConnection(socket, m_simulator, this);
    }
}

void HttpFrontEnd::onAddressesChanged()
{
    QString error;
    if (!sync(&error)) {
        // A clock moved to an address this machine does not have: it is then
        // unreachable, as a real clock would be.
        QTextStream(stderr) << "zentick-clocksim: " << error << '\n';
    }
}
