#include "HttpFrontEnd.h"

#include "HttpConnection.h"

#include <QSet>
#include <QTcpSocket>
#include <QTextStream>

HttpFrontEnd::HttpFrontEnd(Simulator* simulator, quint16 port, QObject* parent)
    : QObject(parent)
    , m_simulator(simulator)
    , m_port(port)
{
    connect(m_simulator, &Simulator::addressesChanged, this, &HttpFrontEnd::onAddressesChanged);
}

bool HttpFrontEnd::sync(QString* error)
{
    QSet<QString> wanted;
    bool ok = true;
    for (const QHostAddress& address : m_simulator->listeningAddresses()) {
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
    while (QTcpSocket* socket = server->nextPendingConnection())
        new HttpConnection(socket, m_simulator, this);
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
