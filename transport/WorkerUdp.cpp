#include "transport/WorkerUdp.h"

#include "transport/GeneralException.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QThread>
#include <QUdpSocket>

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#include <sys/stat.h>
#endif

namespace {

QMutex defaultTimingMutex;
WorkerUdp::Timing sharedDefaultTiming;

// The system's count of datagrams dropped on the socket, from its line in
// /proc/net/udp (found by the socket's inode); -1 when there is none.
int droppedDatagrams(qintptr descriptor)
{
#ifdef Q_OS_LINUX
    struct stat info = {};
    if (descriptor < 0 || ::fstat(int(descriptor), &info) != 0)
        return -1;
    QFile table(QStringLiteral("/proc/net/udp"));
    if (!table.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray inode = QByteArray::number(quint64(info.st_ino));
    // The table is small and bounded by the sockets open on the machine.
    for (int lines = 0; lines < 100000 && !table.atEnd(); ++lines) {
        const QList<QByteArray> fields = table.readLine(4096).simplified().split(' ');
        // sl local remote st queues timer retransmits uid timeout inode ref pointer drops
        if (fields.size() >= 13 && fields.at(9) == inode) {
            bool ok = false;
            const int drops = fields.at(12).toInt(&ok);
            return ok ? drops : -1;
        }
    }
#else
    Q_UNUSED(descriptor)
#endif
    return -1;
}

} // namespace

WorkerUdp::WorkerUdp(const QHostAddress &remoteAddress, quint16 port, const QByteArray &payload)
    : WorkerEthernet(remoteAddress, port, payload)
    , m_timing(defaultTiming())
{
}

QString WorkerUdp::exchangeKey() const
{
    // The query and its replies use this port on every interface: one
    // broadcast at a time keeps the replies apart.
    return QStringLiteral("udp:%1").arg(m_port);
}

WorkerUdp::~WorkerUdp()
{
    deleteSocket();
}

QByteArray WorkerUdp::data() const
{
    return m_packets.isEmpty() ? QByteArray() : m_packets.first().data;
}

void WorkerUdp::setDefaultTiming(const Timing &timing)
{
    QMutexLocker locker(&defaultTimingMutex);
    sharedDefaultTiming = timing;
}

WorkerUdp::Timing WorkerUdp::defaultTiming()
{
    QMutexLocker locker(&defaultTimingMutex);
    return sharedDefaultTiming;
}

void WorkerUdp::open()
{
    m_socket = new QUdpSocket();
    connectOrBind();
}

void WorkerUdp::connectOrBind()
{
    // Replies come back to the port the query went to; a failed bind (port in
    // use) only means that no reply is received.
    const QHostAddress local = m_localAddress.isNull() ? QHostAddress(QHostAddress::AnyIPv4) : m_localAddress;
    if (m_socket->bind(local, m_port))
        raiseReceiveBuffer();
}

void WorkerUdp::raiseReceiveBuffer()
{
    // A fleet answers the broadcast at once, and the system's default buffer
    // holds a few hundred replies. Past the system's ceiling only a
    // privileged process may go; others get what the ceiling allows.
#ifdef Q_OS_LINUX
    const int bytes = receiveBufferBytes;
    if (::setsockopt(int(m_socket->socketDescriptor()), SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes) == 0)
        return;
#endif
    m_socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, receiveBufferBytes);
}

void WorkerUdp::transfer()
{
    if (!m_socket)
        return;
    try {
        send();
    } catch (const GeneralException &exception) {
        qDebug().noquote() << exception.message();
        setError(true);
        return;
    }
    listen();
}

void WorkerUdp::close()
{
    // Deleted here, on the thread that created and used it.
    deleteSocket();
}

void WorkerUdp::send()
{
    if (m_payload.isEmpty())
        throw GeneralException(tr("Send failed. There's no data to send."));
    const qint64 written = m_socket->writeDatagram(m_payload, m_remoteAddress, m_port);
    if (written <= 0)
        throw GeneralException(tr("Send failed. Unable to send any data."));
    if (written < m_payload.size())
        throw GeneralException(tr("Send failed. Only %1 of %2 bytes sent.").arg(written).arg(m_payload.size()));
}

bool WorkerUdp::keepsListening(const Timing &timing, int elapsedMs, bool datagramsArriving)
{
    if (elapsedMs >= timing.maxListenMs)
        return false;
    return datagramsArriving || elapsedMs <= timing.windowMs;
}

void WorkerUdp::listen()
{
    QElapsedTimer timer;
    timer.start();
    const int droppedBefore = droppedDatagrams(m_socket->socketDescriptor());
    m_elapsed = 0;
    bool arrived = false;
    while (keepsListening(m_timing, m_elapsed, arrived || m_socket->hasPendingDatagrams())) {
        // Woken by the first datagram, not after a fixed pause: replies leave
        // the socket as they come, before its buffer fills. An unbound socket
        // would not wait at all.
        if (m_socket->state() == QAbstractSocket::BoundState)
            m_socket->waitForReadyRead(m_timing.stepMs);
        else
            QThread::msleep(m_timing.stepMs);
        arrived = readPendingDatagrams() > 0;
        m_elapsed = int(timer.elapsed());
    }
    const int droppedAfter = droppedDatagrams(m_socket->socketDescriptor());
    m_lost = droppedBefore < 0 || droppedAfter < 0 ? -1 : droppedAfter - droppedBefore;
}

int WorkerUdp::readPendingDatagrams()
{
    int count = 0;
    while (count < maxDatagramsPerStep && m_socket->hasPendingDatagrams()) {
        // An empty datagram is read and dropped too: left pending, it would
        // keep the loop going for ever.
        const qint64 size = m_socket->pendingDatagramSize();
        if (size < 0)
            break;
        ++count;
        QByteArray buffer(static_cast<int>(size), Qt::Uninitialized);
        QHostAddress sender;
        quint16 senderPort = 0;
        const qint64 read = m_socket->readDatagram(buffer.data(), size, &sender, &senderPort);
        if (read <= 0)
            continue;
        buffer.truncate(static_cast<int>(read));
        m_packets.append({sender.toString(), senderPort, buffer});
    }
    return count;
}

void WorkerUdp::deleteSocket()
{
    if (!m_socket)
        return;
    m_socket->close();
    delete m_socket;
    m_socket = nullptr;
}
