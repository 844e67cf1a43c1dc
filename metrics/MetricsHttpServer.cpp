#include "MetricsHttpServer.h"

#include "ScrapeRequestParser.h"
#include "PrometheusWriter.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>
#include <zlib.h>

#include <algorithm>

namespace {

// Per-connection state, kept on the socket itself so it dies with it.
const char parserProperty[] = "zentickRequestParser";
const char answeredProperty[] = "zentickAnswered";

// Unread bytes are dropped in pieces of this size once the answer is out.
constexpr qint64 drainChunk = 4096;
constexpr int acceptRetryMs = 100;
// Smaller answers are not worth compressing. A scrape of a large fleet is
// hundreds of kilobytes of repetitive text that gzip brings down to a tenth,
// and Prometheus always asks for it.
constexpr int gzipFromBytes = 1024;

bool acceptsGzip(const QByteArray &acceptEncoding)
{
    for (const QByteArray &item : acceptEncoding.split(',')) {
        const QList<QByteArray> parts = item.split(';');
        const QByteArray coding = parts.first().trimmed().toLower();
        if (coding != "gzip" && coding != "*")
            continue;
        bool refused = false;
        for (int i = 1; i < parts.size(); ++i) {
            const QByteArray parameter = parts.at(i).trimmed().toLower();
            if (parameter.startsWith("q=") && parameter.mid(2).toDouble() <= 0)
                refused = true;
        }
        return !refused;
    }
    return false;
}

// An empty result means the body could not be compressed; it is then sent as it is.
QByteArray gzipped(const QByteArray &body)
{
    z_stream stream{};
    // The fastest level: repeated labels compress nearly as well with it,
    // and a large fleet's page takes a fraction of the default's time.
    // 15 window bits plus 16: a gzip wrapper rather than zlib's own.
    if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return QByteArray();
    QByteArray out(int(deflateBound(&stream, uLong(body.size()))) + 32, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(body.constData()));
    stream.avail_in = uInt(body.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, Z_FINISH);
    const uLong written = stream.total_out;
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        return QByteArray();
    out.truncate(int(written));
    return out;
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
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
    connect(&m_server, &QTcpServer::acceptError, this, &MetricsHttpServer::onAcceptError);
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
        if (!makeRoom()) {
            // Every open connection is being answered: this one is closed at
            // once rather than kept, so the count never passes the cap.
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_open.append(socket);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_open.removeOne(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // The time-out covers the whole life of the connection, so a peer
        // that trickles bytes or never reads the answer is cut off as well.
        auto *deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, this, [this, socket] { drop(socket); });
        deadline->start(m_timeoutMs);
        // Qt reads ahead into its own buffer only this far.
        socket->setReadBufferSize(ScrapeRequestParser::DefaultMaxHeadBytes);

        auto *parser = new ScrapeRequestParser;
        socket->setProperty(parserProperty, QVariant::fromValue<void *>(parser));
        connect(socket, &QObject::destroyed, this, [parser] { delete parser; });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

bool MetricsHttpServer::makeRoom()
{
    if (m_open.size() < m_maxConnections)
        return true;
    for (QTcpSocket *socket : qAsConst(m_open)) {
        if (!socket->property(answeredProperty).toBool()) {
            drop(socket);
            return true;
        }
    }
    return false;
}

void MetricsHttpServer::drop(QTcpSocket *socket)
{
    // Closed and out of the count now; the object goes when control returns.
    m_open.removeOne(socket);
    socket->abort();
    socket->deleteLater();
}

void MetricsHttpServer::onAcceptError()
{
    // Out of file descriptors, most likely: QTcpServer stops accepting after
    // an error. Give one back and try again shortly; the peers wait in the
    // kernel's backlog meanwhile.
    for (QTcpSocket *socket : qAsConst(m_open)) {
        if (!socket->property(answeredProperty).toBool()) {
            drop(socket);
            break;
        }
    }
    QTimer::singleShot(acceptRetryMs, this, [this] { m_server.resumeAccepting(); });
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
    const QByteArray method = parser->method();
    if (method != "GET" && method != "HEAD") {
        respond(socket, 405, QByteArray(), "Allow: GET, HEAD\r\n");
        return;
    }
    Response response;
    if (m_page && parser->path() == metricsPath) {
        response.status = 200;
        response.body = m_page();
        response.headers = "Content-Type: " + QByteArray(PrometheusWriter::contentType) + "\r\n";
    } else if (m_handler) {
        response = m_handler(*parser);
    }
    if (method == "HEAD") {
        // The length of the page a GET would get, without the page.
        respond(socket, response.status, QByteArray(),
                response.headers + "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n");
        return;
    }
    if (response.status == 200 && response.body.size() >= gzipFromBytes
        && acceptsGzip(parser->header("Accept-Encoding"))) {
        const QByteArray compressed = gzipped(response.body);
        if (!compressed.isEmpty()) {
            response.body = compressed;
            response.headers += "Content-Encoding: gzip\r\nVary: Accept-Encoding\r\n";
        }
    }
    respond(socket, response.status, response.body, response.headers);
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
