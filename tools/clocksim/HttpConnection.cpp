#include "tools/clocksim/HttpConnection.h"

namespace {

constexpr int kDefaultRequestTimeoutMs = 30000;
constexpr qint64 kEndlessChunk = 16 * 1024;
constexpr qint64 kEndlessBacklog = 64 * 1024; // keep memory flat while the peer reads slowly

int g_requestTimeoutMs = kDefaultRequestTimeoutMs;

} // namespace

HttpConnection::HttpConnection(QTcpSocket* socket, Simulator* simulator, QObject* parent)
    : QObject(parent)
    , m_socket(socket)
    , m_simulator(simulator)
    , m_local(socket->localAddress())
    , m_peer(socket->peerAddress())
    , m_peerPort(socket->peerPort())
    , m_opened(QDateTime::currentDateTime())
{
    m_socket->setParent(this);
    m_timer.setSingleShot(true);
    // Gaps and delays are what a test measures; a coarse timer may fire 5 % early.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpConnection::onReadyRead);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &HttpConnection::onBytesWritten);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpConnection::finish);
    connect(&m_timer, &QTimer::timeout, this, &HttpConnection::onTimer);
    // A peer that never completes its request does not hold the connection forever.
    m_timer.start(g_requestTimeoutMs);
    onReadyRead();
}

void HttpConnection::setRequestTimeoutMs(int ms)
{
    g_requestTimeoutMs = ms;
}

void HttpConnection::onReadyRead()
{
    const QByteArray data = m_socket->readAll();
    if (m_answered || !m_simulator)
        return; // after the request everything is ignored, as the clock does
    const HttpRequestParser::State state = m_parser.feed(data);
    if (state == HttpRequestParser::State::Incomplete)
        return;
    m_answered = true;
    m_timer.stop();
    const QHostAddress local = m_socket->localAddress();
    const QHostAddress peer = m_socket->peerAddress();
    const quint16 peerPort = m_socket->peerPort();
    if (state == HttpRequestParser::State::Complete)
        deliver(m_simulator->handleHttp(local, peer, peerPort, m_parser));
    else
        deliver(m_simulator->handleBadRequest(local, peer, peerPort, state));
}

void HttpConnection::deliver(const HttpDecision& decision)
{
    switch (decision.delivery) {
    case HttpDecision::Delivery::Close:
        m_socket->abort();
        finish();
        return;
    case HttpDecision::Delivery::Silent:
        return; // keeps the connection open until the peer gives up
    case HttpDecision::Delivery::Drop:
        m_socket->disconnectFromHost();
        return;
    case HttpDecision::Delivery::Endless:
        m_endless = true;
        m_socket->write(decision.reply);
        onBytesWritten();
        return;
    case HttpDecision::Delivery::Normal:
        break;
    }
    m_pending = decision.reply;
    m_piecesLeft = decision.trickleGapMs > 0 ? qMax(1, decision.tricklePieces) : 1;
    m_gapMs = decision.trickleGapMs;
    if (decision.delayMs > 0)
        m_timer.start(decision.delayMs);
    else
        writeNextPiece();
}

void HttpConnection::writeNextPiece()
{
    const int size = m_piecesLeft <= 1 ? m_pending.size()
                                       : (m_pending.size() + m_piecesLeft - 1) / m_piecesLeft;
    m_socket->write(m_pending.left(size));
    m_pending.remove(0, size);
    --m_piecesLeft;
    if (m_piecesLeft > 0 && !m_pending.isEmpty()) {
        m_socket->flush();
        m_timer.start(m_gapMs);
        return;
    }
    // The clock closes the connection after every reply, whatever the request asked.
    m_socket->disconnectFromHost();
}

void HttpConnection::onTimer()
{
    if (!m_answered) {
        m_socket->abort();
        finish();
        return;
    }
    writeNextPiece();
}

void HttpConnection::onBytesWritten()
{
    if (!m_endless || m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    if (m_socket->bytesToWrite() < kEndlessBacklog)
        m_socket->write(QByteArray(kEndlessChunk, 'x'));
}

void HttpConnection::finish()
{
    if (!m_finished && m_simulator)
        m_simulator->logConnection(m_local, m_peer, m_peerPort, m_opened);
    m_finished = true;
    m_timer.stop();
    m_endless = false;
    deleteLater();
}
