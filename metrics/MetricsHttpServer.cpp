#include "MetricsHttpServer.h"

#include "ScrapeRequestParser.h"
#include "PrometheusWriter.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

#include <algorithm>

namespace {

// Per-connection state, kept on the socket itself so it dies with it.
const char parserProperty[] = "zentickRequestParser";
const char answeredProperty[] = "zentickAnswered";

// Unread bytes are dropped in pieces of this size once the answer is out.
constexpr qint64 drainChunk = 4096;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 431: return "Request Header Fields Too Large";
    case 503: return "Service Unavailable";
    default: return "Error";
    }
}

ScrapeRequestParser *parserOf(QTcpSocket *socket)
{
    return static_cast<ScrapeRequestParser *>(socket->property(parserProperty).value<void *>());
}

} // namespace

MetricsHttpServer::MetricsHttpServer(PageProvider page, QObject *parent)
    : QObject(parent)
    , m_page(std::move(page))
{
    connect(&m_server, &QTcpServer::newConnection, this, &MetricsHttpServer::onNewConnection);
}

MetricsHttpServer::~MetricsHttpServer()
{
    // Open connections go first, while the count they update still exists.
    m_server.close();
    qDeleteAll(m_server.findChildren<QTcpSocket *>());
}

bool MetricsHttpServer::listen(const QHostAddress &address, quint16 port)
{
    return m_server.listen(address, port);
}

bool MetricsHttpServer::parseListenAddress(const QString &text, QHostAddress &address, quint16 &port)
{
    static const QRegularExpression form(QStringLiteral("^(?:(\\[[0-9A-Fa-f:.]+\\]|[0-9.]+):)?([0-9]{1,5})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    const uint number = match.captured(2).toUInt();
    if (number == 0 || number > 65535)
        return false;
    QString host = match.captured(1);
    if (host.isEmpty()) {
        address = QHostAddress(QHostAddress::LocalHost);
    } else {
        if (host.startsWith(QLatin1Char('[')))
            host = host.mid(1, host.size() - 2);
        if (!address.setAddress(host))
            return false;
    }
    port = quint16(number);
    return true;
}

void MetricsHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        ++m_connections;
        connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // The time-out covers the whole life of the connection, so a peer
        // that trickles bytes or never reads the answer is cut off as well.
        auto *deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        deadline->start(m_timeoutMs);
        // Qt reads ahead into its own buffer only this far.
        socket->setReadBufferSize(ScrapeRequestParser::DefaultMaxHeadBytes);

        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        if (m_connections > m_maxConnections) {
            respond(socket, 503);
            continue;
        }
        auto *parser = new ScrapeRequestParser;
        socket->setProperty(parserProperty, QVariant::fromValue<void *>(parser));
        connect(socket, &QObject::destroyed, this, [parser] { delete parser; });
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void MetricsHttpServer::onReadyRead(QTcpSocket *socket)
{
    if (socket->property(answeredProperty).toBool()) {
        // Whatever follows the answer is dropped, so that closing does not
        // reset the connection before the peer has read the answer.
        char sink[drainChunk];
        while (socket->read(sink, sizeof sink) > 0) {
        }
        return;
    }
    ScrapeRequestParser *parser = parserOf(socket);
    char buffer[ScrapeRequestParser::DefaultMaxHeadBytes];
    while (parser->state() == ScrapeRequestParser::State::Incomplete && socket->bytesAvailable() > 0) {
        const qint64 read = socket->read(buffer, std::min<qint64>(sizeof buffer, parser->room()));
        if (read <= 0)
            break;
        parser->feed(buffer, read);
    }

    switch (parser->state()) {
    case ScrapeRequestParser::State::Incomplete:
        return;
    case ScrapeRequestParser::State::Malformed:
        respond(socket, 400);
        return;
    case ScrapeRequestParser::State::TooLarge:
        respond(socket, 431);
        return;
    case ScrapeRequestParser::State::Complete:
        break;
    }
    if (parser->path() != metricsPath) {
        respond(socket, 404);
        return;
    }
    const QByteArray method = parser->method();
    if (method != "GET" && method != "HEAD") {
        respond(socket, 405, QByteArray(), "Allow: GET, HEAD\r\n");
        return;
    }
    const QByteArray page = m_page ? m_page() : QByteArray();
    const QByteArray headers = "Content-Type: " + QByteArray(PrometheusWriter::contentType) + "\r\n";
    if (method == "HEAD") {
        // The length of the page a GET would get, without the page.
        respond(socket, 200, QByteArray(), headers + "Content-Length: " + QByteArray::number(page.size()) + "\r\n");
        return;
    }
    respond(socket, 200, page, headers);
}

void MetricsHttpServer::respond(QTcpSocket *socket, int status, const QByteArray &body, const QByteArray &extraHeaders)
{
    socket->setProperty(answeredProperty, true);
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    head += extraHeaders;
    if (!extraHeaders.contains("Content-Length:"))
        head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    socket->write(body);
    if (socket->bytesToWrite() == 0)
        finish(socket);
    else
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] {
            if (socket->bytesToWrite() == 0)
                finish(socket);
        });
}

void MetricsHttpServer::finish(QTcpSocket *socket)
{
    // Half-close: the peer reads the answer and the end of the stream, then
    // closes; its unread request bytes are drained meanwhile. The deadline
    // still ends a peer that never closes.
    ::shutdown(int(socket->socketDescriptor()), SHUT_WR);
    onReadyRead(socket);
}
