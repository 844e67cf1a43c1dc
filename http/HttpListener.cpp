#include "http/HttpListener.h"

#include "http/HttpGzip.h"
#include "http/HttpRequestParser.h"

#include <QNetworkInterface>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

#include <algorithm>

namespace {

// Unread bytes are dropped in pieces of this size once the answer is out.
constexpr qint64 drainChunk = 4096;
constexpr int acceptRetryMs = 100;
// A large page (a big fleet's list) is compressed off the listener's thread.
constexpr int gzipElsewhereFromBytes = 64 * 1024;
constexpr int workThreads = 2;

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
    case 421: return "Misdirected Request";
    case 431: return "Request Header Fields Too Large";
    case 503: return "Service Unavailable";
    default: return "Error";
    }
}

} // namespace

HttpListener::HttpListener(QObject *parent)
    : QObject(parent)
{
    m_workPool.setMaxThreadCount(workThreads);
    m_compressPool.setMaxThreadCount(workThreads);
    connect(&m_server, &QTcpServer::newConnection, this, &HttpListener::onNewConnection);
    connect(&m_server, &QTcpServer::acceptError, this, &HttpListener::onAcceptError);
}

HttpListener::~HttpListener()
{
    m_server.close();
    // Work still running posts its result to this object: let it end first.
    m_workPool.waitForDone();
    m_compressPool.waitForDone();
    for (Connection *connection : qAsConst(m_open)) {
        connection->socket->disconnect(this);
        delete connection->socket;
        delete connection;
    }
    m_open.clear();
}

bool HttpListener::listen(const QHostAddress &address, quint16 port)
{
    if (!m_server.listen(address, port))
        return false;
    // Bound to every interface, a peer may name any of the machine's addresses.
    if (address == QHostAddress::Any || address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6)
        m_hosts.setAddresses(QNetworkInterface::allAddresses());
    return true;
}

QByteArray HttpListener::securityHeaders()
{
    return "Content-Security-Policy: default-src 'none'; script-src 'self'; style-src 'self'; "
           "connect-src 'self'; img-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'\r\n"
           "X-Content-Type-Options: nosniff\r\n"
           "X-Frame-Options: DENY\r\n"
           "Referrer-Policy: no-referrer\r\n";
}

bool HttpListener::parseListenAddress(const QString &text, QHostAddress &address, quint16 &port)
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

HttpListener::Connection *HttpListener::find(quint64 id) const
{
    for (Connection *connection : m_open) {
        if (connection->id == id)
            return connection;
    }
    return nullptr;
}

void HttpListener::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        if (m_open.size() >= m_maxConnections)
            makeRoom();
        auto *connection = new Connection;
        connection->id = m_nextId++;
        connection->socket = socket;
        connection->peer = socket->peerAddress();
        m_open.append(connection);
        const quint64 id = connection->id;
        connect(socket, &QTcpSocket::disconnected, this, [this, id] {
            if (Connection *gone = find(id))
                drop(gone);
        });
        // The time-out covers the whole life of the connection, so a peer
        // that trickles bytes or never reads the answer is cut off as well.
        auto *deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, this, [this, id] {
            if (Connection *late = find(id))
                drop(late);
        });
        deadline->start(m_timeoutMs);
        // Qt reads ahead into its own buffer only this far.
        socket->setReadBufferSize(HttpRequestParser::DefaultMaxHeadBytes);
        connect(socket, &QTcpSocket::readyRead, this, [this, id] {
            if (Connection *reading = find(id))
                onReadyRead(reading);
        });
        if (socket->bytesAvailable() > 0)
            onReadyRead(connection);
    }
}

void HttpListener::makeRoom()
{
    // A peer whose answer is wholly out only has to close; dropped first,
    // it loses nothing. Then the oldest: whatever an idle peer does, a
    // newer one takes its place.
    auto idle = std::find_if(m_open.cbegin(), m_open.cend(), [](const Connection *open) {
        return open->phase == Phase::Answered && open->socket->bytesToWrite() == 0;
    });
    if (idle == m_open.cend())
        idle = std::find_if(m_open.cbegin(), m_open.cend(),
                            [](const Connection *open) { return open->phase != Phase::Working; });
    if (idle != m_open.cend())
        drop(*idle);
    else if (!m_open.isEmpty())
        drop(m_open.first());
}

void HttpListener::drop(Connection *connection)
{
    // Closed and out of the count now; the socket goes when control returns.
    m_open.removeOne(connection);
    connection->socket->abort();
    connection->socket->deleteLater();
    delete connection;
}

int HttpListener::busyOf(const QHostAddress &peer) const
{
    return int(std::count_if(m_open.cbegin(), m_open.cend(), [&peer](const Connection *open) {
        return (open->phase == Phase::Working || open->phase == Phase::HeldBack) && open->peer == peer;
    }));
}

void HttpListener::onAcceptError()
{
    // Out of file descriptors, most likely: QTcpServer stops accepting after
    // an error. Give one back and try again shortly; the peers wait in the
    // kernel's backlog meanwhile.
    if (!m_open.isEmpty())
        makeRoom();
    QTimer::singleShot(acceptRetryMs, this, [this] { m_server.resumeAccepting(); });
}

void HttpListener::onReadyRead(Connection *connection)
{
    QTcpSocket *socket = connection->socket;
    if (connection->phase != Phase::Reading) {
        // Whatever follows the request is dropped, so that closing does not
        // reset the connection before the peer has read the answer.
        char sink[drainChunk];
        while (socket->read(sink, sizeof sink) > 0) {
        }
        return;
    }
    HttpRequestParser &parser = connection->parser;
    char buffer[HttpRequestParser::DefaultMaxHeadBytes];
    while (parser.state() == HttpRequestParser::State::Incomplete && socket->bytesAvailable() > 0) {
        const qint64 read = socket->read(buffer, std::min<qint64>(sizeof buffer, parser.room()));
        if (read <= 0)
            break;
        parser.feed(buffer, read);
    }

    switch (parser.state()) {
    case HttpRequestParser::State::Incomplete:
        return;
    case HttpRequestParser::State::Malformed:
        respond(connection, 400);
        return;
    case HttpRequestParser::State::TooLarge:
        respond(connection, 431);
        return;
    case HttpRequestParser::State::Complete:
        answer(connection);
        return;
    }
}

void HttpListener::answer(Connection *connection)
{
    const HttpRequestParser &request = connection->parser;
    // Before anything is read for it: a page under a name that only points
    // here (a rebinding attack) learns nothing, not even whether a path exists.
    const QHostAddress arrivedAt = connection->socket->localAddress();
    if (!m_hosts.allowsHost(request.header("Host"), arrivedAt)
        || !m_hosts.allowsOrigin(request.header("Origin"), arrivedAt)) {
        respond(connection, 421);
        return;
    }
    const QByteArray method = request.method();
    if (method != "GET" && method != "HEAD") {
        respond(connection, 405, QByteArray(), "Allow: GET, HEAD\r\n");
        return;
    }
    connection->headOnly = method == "HEAD";
    connection->gzip = HttpGzip::accepted(request.header("Accept-Encoding"));
    const bool token = !request.header("Authorization").isEmpty();
    if (token && busyOf(connection->peer) >= maxBusyPerPeer) {
        tooBusy(connection);
        return;
    }
    const int wait = token ? m_failures.reserve(connection->peer) : 0;
    if (wait <= 0) {
        evaluate(connection);
        return;
    }
    connection->phase = Phase::HeldBack;
    const quint64 id = connection->id;
    QTimer::singleShot(wait, connection->socket, [this, id] {
        if (Connection *waited = find(id))
            evaluate(waited);
    });
}

void HttpListener::evaluate(Connection *connection)
{
    const HttpRequestParser &request = connection->parser;
    Response response;
    if (m_handler)
        response = m_handler(request);
    if (response.status == 401 && !request.header("Authorization").isEmpty())
        m_failures.record(connection->peer);
    if (response.work && !response.shared && busyOf(connection->peer) >= maxBusyPerPeer)
        tooBusy(connection);
    else if (response.work)
        runElsewhere(connection, std::move(response.work), response.priority, true);
    else
        deliver(connection, std::move(response));
}

void HttpListener::runElsewhere(Connection *connection, std::function<Continuation()> work, int priority,
                                bool thenDeliver)
{
    connection->phase = Phase::Working;
    const quint64 id = connection->id;
    // Compression is short: it never queues behind a slow file read.
    QThreadPool &pool = thenDeliver ? m_workPool : m_compressPool;
    const auto job = [this, id, work = std::move(work), thenDeliver] {
        Continuation next = work();
        // Queued to this object, which waits for the pool before it goes;
        // a connection dropped meanwhile is simply not found.
        QMetaObject::invokeMethod(
            this,
            [this, id, next = std::move(next), thenDeliver] {
                Connection *connection = find(id);
                if (!connection)
                    return;
                if (thenDeliver)
                    deliver(connection, next());
                else
                    send(connection, next());
            },
            Qt::QueuedConnection);
    };
    pool.start(job, priority);
}

void HttpListener::deliver(Connection *connection, Response response)
{
    if (connection->headOnly) {
        // The length of the page a GET would get, without the page.
        respond(connection, response.status, QByteArray(),
                response.headers + "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n");
        return;
    }
    // An answer that comes compressed (a board's list, compressed once for
    // many) goes as it is.
    if (response.status != 200 || response.body.size() < HttpGzip::worthFromBytes || !connection->gzip
        || response.headers.contains("Content-Encoding:")) {
        send(connection, response);
        return;
    }
    const auto compress = [](Response plain) {
        const QByteArray compressed = HttpGzip::compressed(plain.body);
        if (!compressed.isEmpty()) {
            plain.body = compressed;
            plain.headers += "Content-Encoding: gzip\r\nVary: Accept-Encoding\r\n";
        }
        return plain;
    };
    if (response.body.size() < gzipElsewhereFromBytes) {
        send(connection, compress(std::move(response)));
        return;
    }
    const int priority = response.priority;
    runElsewhere(
        connection,
        [compress, response]() -> Continuation {
            const Response compressed = compress(response);
            return [compressed] { return compressed; };
        },
        priority, false);
}

void HttpListener::tooBusy(Connection *connection)
{
    // Said at once: the peer has enough waiting already.
    respond(connection, 503, QByteArray(), "Retry-After: 1\r\n");
}

void HttpListener::send(Connection *connection, const Response &response)
{
    respond(connection, response.status, response.body, response.headers);
}

void HttpListener::respond(Connection *connection, int status, const QByteArray &body,
                                const QByteArray &extraHeaders)
{
    connection->phase = Phase::Answered;
    QTcpSocket *socket = connection->socket;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    head += extraHeaders;
    head += securityHeaders();
    if (!extraHeaders.contains("Content-Length:"))
        head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    socket->write(body);
    if (socket->bytesToWrite() == 0) {
        finish(connection);
        return;
    }
    const quint64 id = connection->id;
    connect(socket, &QTcpSocket::bytesWritten, this, [this, id] {
        Connection *writing = find(id);
        if (writing && !writing->finished && writing->socket->bytesToWrite() == 0)
            finish(writing);
    });
}

void HttpListener::finish(Connection *connection)
{
    // Half-close: the peer reads the answer and the end of the stream, then
    // closes; its unread request bytes are drained meanwhile. A peer that
    // does neither is cut off after the linger.
    QTcpSocket *socket = connection->socket;
    connection->finished = true;
    ::shutdown(int(socket->socketDescriptor()), SHUT_WR);
    auto *linger = new QTimer(socket);
    linger->setSingleShot(true);
    const quint64 id = connection->id;
    connect(linger, &QTimer::timeout, this, [this, id] {
        if (Connection *lingering = find(id))
            drop(lingering);
    });
    linger->start(m_lingerMs);
    onReadyRead(connection);
}
