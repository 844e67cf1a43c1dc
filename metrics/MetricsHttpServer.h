#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

#include <functional>

#include <QList>

class QTcpSocket;
class ScrapeRequestParser;

// Serves the metrics on GET or HEAD /metrics over plain HTTP/1.x, and any
// other path through a handler, one request per connection. Every connection
// is bounded: the request head by a size limit, its life by a time-out, their
// number by a cap; a peer that sends garbage, sends slowly or sends a huge
// head costs a fixed amount. At the cap a new connection takes the place of
// the oldest one still waiting for its request, so idle peers cannot lock a
// scrape out, and the open connections never pass the cap.
class MetricsHttpServer : public QObject
{
    Q_OBJECT

public:
    using PageProvider = std::function<QByteArray()>;

    struct Response
    {
        int status = 404;
        QByteArray body;
        QByteArray headers; // whole lines, each ending in CRLF
    };
    // Answers a complete GET or HEAD request for a path other than /metrics
    // (every path without a page provider); the server drops the body of HEAD.
    using Handler = std::function<Response(const ScrapeRequestParser &request)>;

    static constexpr char metricsPath[] = "/metrics";
    static constexpr int DefaultTimeoutMs = 10 * 1000;
    static constexpr int DefaultMaxConnections = 16;

    // A null page leaves /metrics to the handler.
    explicit MetricsHttpServer(PageProvider page, QObject *parent = nullptr);
    ~MetricsHttpServer() override;

    // false, with errorString(), when the address cannot be bound.
    bool listen(const QHostAddress &address, quint16 port);
    QString errorString() const { return m_server.errorString(); }
    quint16 serverPort() const { return m_server.serverPort(); }

    // From accept to close, whatever the peer does.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    void setMaxConnections(int count) { m_maxConnections = count; }
    int connectionCount() const { return int(m_open.size()); }
    void setHandler(Handler handler) { m_handler = std::move(handler); }

    // "[ADDRESS:]PORT", the address IPv4 or bracketed IPv6; without an
    // address only the loopback interface (127.0.0.1) is bound.
    static bool parseListenAddress(const QString &text, QHostAddress &address, quint16 &port);

private slots:
    void onNewConnection();
    void onAcceptError();

private:
    // Makes room for one more connection: false when every open one is busy.
    bool makeRoom();
    void drop(QTcpSocket *socket);
    void onReadyRead(QTcpSocket *socket);
    void respond(QTcpSocket *socket, int status, const QByteArray &body = QByteArray(),
                 const QByteArray &extraHeaders = QByteArray());
    void finish(QTcpSocket *socket);

    QTcpServer m_server;
    PageProvider m_page;
    Handler m_handler;
    int m_timeoutMs = DefaultTimeoutMs;
    int m_maxConnections = DefaultMaxConnections;
    QList<QTcpSocket *> m_open; // oldest first
};
