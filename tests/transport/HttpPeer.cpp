#include "HttpPeer.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

HttpPeer::HttpPeer(const QHostAddress &address)
    : m_address(address)
    , m_thread(new QThread)
{
    moveToThread(m_thread);
    m_thread->start();
}

HttpPeer::~HttpPeer()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            delete m_socket;
            delete m_server;
        },
        Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

bool HttpPeer::listen(quint16 port)
{
    bool listening = false;
    QMetaObject::invokeMethod(
        this,
        [this, port, &listening] {
            m_server = new QTcpServer;
            connect(m_server, &QTcpServer::newConnection, this, &HttpPeer::acceptConnection);
            listening = m_server->listen(m_address, port);
        },
        Qt::BlockingQueuedConnection);
    return listening;
}

void HttpPeer::setPlan(const Plan &plan)
{
    QMutexLocker locker(&m_mutex);
    m_plan = plan;
}

QByteArray HttpPeer::request() const
{
    QMutexLocker locker(&m_mutex);
    QByteArray all;
    for (const Arrival &arrival : m_arrivals)
        all += arrival.bytes;
    return all;
}

QList<HttpPeer::Arrival> HttpPeer::arrivals() const
{
    QMutexLocker locker(&m_mutex);
    return m_arrivals;
}

int HttpPeer::clientsGone() const
{
    QMutexLocker locker(&m_mutex);
    return m_clientsGone;
}

HttpPeer::Plan HttpPeer::answer(const QByteArray &reply, bool closeAfter)
{
    Plan plan;
    plan.chunks.append({0, reply});
    plan.closeAfter = closeAfter;
    return plan;
}

void HttpPeer::acceptConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        if (m_socket)
            m_socket->deleteLater();
        m_socket = socket;
        m_answered = false;
        m_clock.start();
        {
            QMutexLocker locker(&m_mutex);
            m_arrivals.clear();
        }
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this] {
            QMutexLocker locker(&m_mutex);
            ++m_clientsGone;
        });
    }
}

void HttpPeer::readRequest(QTcpSocket *socket)
{
    const qint64 at = m_clock.elapsed();
    const QByteArray bytes = socket->readAll();
    if (socket != m_socket)
        return;
    QByteArray all;
    Plan plan;
    {
        QMutexLocker locker(&m_mutex);
        m_arrivals.append({at, bytes});
        for (const Arrival &arrival : qAsConst(m_arrivals))
            all += arrival.bytes;
        plan = m_plan;
    }
    if (m_answered)
        return;
    const int headEnd = all.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    int length = 0;
    const QList<QByteArray> lines = all.left(headEnd).split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("Content-Length:"))
            length = line.mid(15).trimmed().toInt();
    }
    if (all.size() < headEnd + 4 + length)
        return;
    m_answered = true;
    sendChunk(m_socket, plan, 0);
}

void HttpPeer::sendChunk(QPointer<QTcpSocket> socket, const Plan &plan, int index)
{
    if (!socket)
        return;
    if (index >= plan.chunks.size()) {
        if (plan.closeAfter)
            socket->disconnectFromHost();
        return;
    }
    const Chunk chunk = plan.chunks.at(index);
    QTimer::singleShot(chunk.delayMs, this, [this, socket, plan, chunk, index] {
        if (!socket || socket->state() != QAbstractSocket::ConnectedState)
            return;
        if (!chunk.bytes.isEmpty())
            socket->write(chunk.bytes);
        sendChunk(socket, plan, index + 1);
    });
}
