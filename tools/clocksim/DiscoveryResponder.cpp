#include "tools/clocksim/DiscoveryResponder.h"

#include <QNetworkDatagram>
#include <QSet>
#include <QTextStream>

#include <cstring>

#include <netinet/in.h>
#include <sys/socket.h>

namespace {

const QByteArray kQuery = QByteArrayLiteral("QLX?");
constexpr qint64 kMaxDatagram = 2048;
const QAbstractSocket::BindMode kShared = QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint;
// From this many clocks on, the wildcard socket alone hears every query and
// sends each reply from its clock's address (the datagram's sender): the
// event loop watches every socket on each turn, and ten thousand of them
// were most of the simulator's work.
constexpr int kOneSocketFrom = 1024;

// A datagram from one of the host's addresses through a socket bound to all
// of them: the kernel takes the source from IP_PKTINFO's ipi_spec_dst, which
// QUdpSocket does not fill.
bool sendFrom(QUdpSocket& socket, const QByteArray& data, const QHostAddress& from, const QHostAddress& to,
              quint16 port)
{
    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    destination.sin_port = htons(port);
    destination.sin_addr.s_addr = htonl(to.toIPv4Address());
    iovec part{const_cast<char*>(data.constData()), size_t(data.size())};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    msghdr message{};
    message.msg_name = &destination;
    message.msg_namelen = sizeof(destination);
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof(control);
    cmsghdr* header = CMSG_FIRSTHDR(&message);
    header->cmsg_level = IPPROTO_IP;
    header->cmsg_type = IP_PKTINFO;
    header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
    in_pktinfo info{};
    info.ipi_spec_dst.s_addr = htonl(from.toIPv4Address());
    std::memcpy(CMSG_DATA(header), &info, sizeof(info));
    return ::sendmsg(int(socket.socketDescriptor()), &message, 0) == data.size();
}

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
    m_oneSocket = m_simulator->clocks().size() >= kOneSocketFrom;
    if (m_oneSocket) {
        qDeleteAll(m_addressSockets);
        m_addressSockets.clear();
        return;
    }
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
                const QHostAddress from = m_simulator->clocks().at(index).ip;
                const QByteArray reply = m_simulator->discoveryReply(index);
                const quint16 port = static_cast<quint16>(query.senderPort());
                QUdpSocket* sender = m_addressSockets.value(from.toString(), &m_broadcastSocket);
                const bool sent = m_oneSocket ? sendFrom(m_broadcastSocket, reply, from, query.senderAddress(), port)
                                              : sender->writeDatagram(reply, query.senderAddress(), port) > 0;
                if (sent)
                    answered.append(index);
            }
        }
        m_simulator->logDiscovery(destination, query.senderAddress(), static_cast<quint16>(query.senderPort()),
                                  query.data(), answered);
    }
}
