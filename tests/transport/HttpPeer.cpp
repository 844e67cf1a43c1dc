#include "tests/transport/HttpPeer.h"

#include <QTimer>

bool HttpPeer::listen(quint16 port)
{
    connect(&m_server, &QTcpServer::newConnection, this, &HttpPeer::acceptConnection);
    return m_server.listen(m_address, port);
}

QByteArray HttpPeer::request() const
{
    QByteArray all;
    for (const Arrival &arrival : m_arrivals)
        all += arrival.bytes;
    return all;
}

void HttpPeer::acceptConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        if (m_socket)
            m_socket->deleteLater();
        m_socket = socket;
        m_answered = false;
        m_clock.start();
        m_arrivals.clear();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this] { ++m_clientsGone; });
    }
}

void HttpPeer::readRequest(QTcpSocket *socket)
{
    const qint64 at = m_clock.elapsed();
    const QByteArray bytes = socket->readAll();
    if (socket != m_socket || m_answered)
        return;
    m_arrivals.append({at, bytes});
    const QByteArray all = request();
    const int headEnd = all.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    int length = 0;
    for (const QByteArray &line : all.left(headEnd).split('\n')) {
        if (line.startsWith("Content-Length:"))
            length = line.mid(15).trimmed().toInt();
    }
    if (all.size() < headEnd + 4 + length)
        return;
    m_answered = true;
    sendChunk(m_socket, 0);
}

void HttpPeer::sendChunk(QPointer<QTcpSocket> socket, int index)
{
    const Plan plan = m_plan;
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return;
    if (index >= plan.chunks.size()) {
        if (plan.endless && !plan.chunks.isEmpty())
            return sendChunk(socket, plan.chunks.size() - 1);
        if (plan.closeAfter)
            socket->disconnectFromHost();
        return;
    }
    QTimer::singleShot(plan.chunks.at(index).delayMs, this, [this, socket, plan, index] {
        if (socket && socket->state() == QAbstractSocket::ConnectedState)
            socket->write(plan.chunks.at(index).bytes);
        sendChunk(socket, index + 1);
    });
}
