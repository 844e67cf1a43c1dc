#include "transport/WorkerTcp.h"

#include "transport/GeneralException.h"

#include <QDebug>
#include <QTcpSocket>

WorkerTcp::WorkerTcp(const QHostAddress &remoteAddress, quint16 port, const QByteArray &payload)
    : WorkerEthernet(remoteAddress, port, payload)
{
}

WorkerTcp::~WorkerTcp()
{
    deleteSocket();
}

void WorkerTcp::setExternal(bool external, Command *command)
{
    m_external = external;
    m_command = external ? command : nullptr;
}

void WorkerTcp::setTimeouts(int connectTimeoutMs, int readTimeoutMs)
{
    m_connectTimeout = connectTimeoutMs;
    m_readTimeout = readTimeoutMs;
}

void WorkerTcp::open()
{
    m_socket = new QTcpSocket();
    // Direct: the worker object belongs to the creating thread, but the socket
    // lives and dies on the worker thread; a queued call could reach the
    // socket from the wrong thread, or after it is gone.
    connect(m_socket, &QTcpSocket::disconnected, this, &WorkerTcp::disconnected, Qt::DirectConnection);
    connectOrBind();
}

void WorkerTcp::connectOrBind()
{
    if (!isWildcard(m_localAddress))
        m_socket->bind(m_localAddress, 0);
}

void WorkerTcp::transfer()
{
    if (!m_socket)
        return;
    try {
        connectToPeer();
        if (!m_handshake) {
            send(m_payload);
            receive(m_expectedLength);
            return;
        }
        send(m_payload.left(handshakeHeadSize));
        receive(handshakeReplySize);
        if (m_received.size() < handshakeReplySize || m_received.at(0) != handshakeAccept
            || m_received.at(1) != handshakeAccept)
            return; // the peer declined: not an error
        send(m_payload.mid(handshakeHeadSize));
        receive(m_expectedLength);
    } catch (const GeneralException &exception) {
        qDebug().noquote() << exception.message();
        setError(true);
    }
}

void WorkerTcp::close()
{
    // Deleted here, on the thread that created and used it.
    deleteSocket();
}

void WorkerTcp::disconnected()
{
    if (m_socket)
        m_socket->close();
}

void WorkerTcp::connectToPeer()
{
    m_socket->connectToHost(m_remoteAddress, m_port, QIODevice::ReadWrite);
    if (!m_socket->waitForConnected(m_connectTimeout))
        throw GeneralException(tr("Failed to connect."));
}

void WorkerTcp::send(const QByteArray &block)
{
    if (block.isEmpty())
        throw GeneralException(tr("Send failed. There's no data to send."));
    const qint64 written = m_socket->write(block);
    m_socket->waitForBytesWritten(m_writeWait);
    if (written <= 0)
        throw GeneralException(tr("Send failed. Unable to send any data."));
    if (written < block.size())
        throw GeneralException(tr("Send failed. Only %1 of %2 bytes sent.").arg(written).arg(block.size()));
}

void WorkerTcp::receive(int wantedLength)
{
    m_elapsed = 0;
    while (m_socket->isOpen()) {
        if (wantedLength >= 0 && m_received.size() >= wantedLength)
            break;
        if (m_elapsed >= m_readTimeout)
            break;
        m_socket->waitForReadyRead(m_pollInterval);
        if (m_socket->bytesAvailable() > 0)
            m_received += m_socket->readAll();
        m_elapsed += m_pollInterval;
    }
}

void WorkerTcp::deleteSocket()
{
    if (!m_socket)
        return;
    disconnect(m_socket, nullptr, this, nullptr);
    m_socket->close();
    delete m_socket;
    m_socket = nullptr;
}
