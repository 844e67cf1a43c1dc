#include "DiscoveryResponder.h"

#include <QNetworkDatagram>
#include <QSet>
#include <QTextStream>

namespace {

const QByteArray kQuery = QByteArrayLiteral("QLX?");
constexpr qint64 kMaxDatagram = 2048;
const QAbstractSocket::BindMode kShared = QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint;

} // namespace

DiscoveryResponder::DiscoveryResponder(Simulator* simulator, QObject* parent)
    : QObject(parent)
    , m_simulator(simulator)
{
    connect(&m_broadcastSocket, &QUdpSocket::readyRead, this, [this] { onReadyRead(&m_broadcastSocket); });
    connect(m_simulator, &Simulator::addressesChanged, this, &DiscoveryResponder::syncSockets);
}

bool DiscoveryResponder::listen(quint16 port, QString* error)
{
    if (!m_broadcastSocket.bind(QHostAddress::AnyIPv4, port, kShared)) {
        *error = QStringLiteral("cannot listen for discovery on UDP port %1: %2")
                     .arg(port)
                     .arg(m_broadcastSocket.errorString());
        return false;
    }
    syncSockets();
    return true;
}

void DiscoveryResponder::syncSockets()
{
    if (m_broadcastSocket.state() != QAbstractSocket::BoundState)
        return;
    QSet<QString> wanted;
    for (const SimClock& clock : m_simulator->clocks()) {
        const QString key = clock.ip.toString();
        wanted.insert(key);
        if (m_addressSockets.contains(key))
            continue;
        auto* socket = new QUdpSocket(this);
        if (!socket->bind(clock.ip, m_broadcastSocket.localPort(), kShared)) {
            // Replies then leave from the namespace's first address; say so once.
            QTextStream(stderr) << "zentick-clocksim: cannot bind discovery to " << key << ": "
                                << socket->errorString() << '\n';
            delete socket;
            continue;
        }
        connect(socket, &QUdpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        m_addressSockets.insert(key, socket);
    }
    for (auto it = m_addressSockets.begin(); it != m_addressSockets.end();) {
        if (wanted.contains(it.key())) {
            ++it;
            continue;
        }
        it.value()->close();
        it.value()->deleteLater();
        it = m_addressSockets.erase(it);
    }
}

void DiscoveryResponder::onReadyRead(QUdpSocket* socket)
{
    while (socket->hasPendingDatagrams()) {
        const QNetworkDatagram query = socket->receiveDatagram(kMaxDatagram);
        if (!query.isValid())
            continue;
        // A socket bound to one address only hears queries sent to that address.
        QHostAddress destination = query.destinationAddress();
        if (socket != &m_broadcastSocket)
            destination = socket->localAddress();
        QList<int> answered;
        if (query.data() == kQuery) {
            for (int index : m_simulator->discoveryAnswerers(destination)) {
                const QString from = m_simulator->clocks().at(index).ip.toString();
                QUdpSocket* sender = m_addressSockets.value(from, &m_broadcastSocket);
                const QByteArray reply = m_simulator->discoveryReply(index);
                if (sender->writeDatagram(reply, query.senderAddress(), static_cast<quint16>(query.senderPort())) > 0)
                    answered.append(index);
            }
        }
        m_simulator->logDiscovery(destination, query.senderAddress(), static_cast<quint16>(query.senderPort()),
                                  query.data(), answered);
    }
}
