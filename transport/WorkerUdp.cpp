#include "transport/WorkerUdp.h"

#include "transport/GeneralException.h"

#include <QDebug>
#include <QMutex>
#include <QThread>
#include <QUdpSocket>

namespace {

QMutex defaultTimingMutex;
WorkerUdp::Timing sharedDefaultTiming;

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
    m_socket->bind(local, m_port);
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
    QThread::msleep(m_timing.stepMs);
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
    m_elapsed = 0;
    bool arrived = false;
    while (keepsListening(m_timing, m_elapsed, arrived || m_socket->hasPendingDatagrams())) {
        m_elapsed += m_timing.stepMs;
        QThread::msleep(m_timing.stepMs);
        arrived = readPendingDatagrams() > 0;
    }
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
