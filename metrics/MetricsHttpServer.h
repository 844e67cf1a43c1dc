#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// Serves one page, the metrics, on GET or HEAD /metrics over plain HTTP/1.x,
// one request per connection. Every connection is bounded: the request head
// by a size limit, its life by a time-out, their number by a cap; a peer that
// sends garbage, sends slowly or sends a huge head costs a fixed amount.
class MetricsHttpServer : public QObject
{
    Q_OBJECT

public:
    using PageProvider = std::function<QByteArray()>;

    static constexpr char metricsPath[] = "/metrics";
    static constexpr int DefaultTimeoutMs = 10 * 1000;
    static constexpr int DefaultMaxConnections = 16;

    explicit MetricsHttpServer(PageProvider page, QObject *parent = nullptr);
    ~MetricsHttpServer() override;

    // false, with errorString(), when the address cannot be bound.
    bool listen(const QHostAddress &address, quint16 port);
    QString errorString() const { return m_server.errorString(); }
    quint16 serverPort() const { return m_server.serverPort(); }

    // From accept to close, whatever the peer does.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    void setMaxConnections(int count) { m_maxConnections = count; }
    int connectionCount() const { return m_connections; }

    // "[ADDRESS:]PORT", the address IPv4 or bracketed IPv6; without an
    // address only the loopback interface (127.0.0.1) is bound.
    static bool parseListenAddress(const QString &text, QHostAddress &address, quint16 &port);

private slots:
    void onNewConnection();

private:
    void onReadyRead(QTcpSocket *socket);
    void respond(QTcpSocket *socket, int status, const QByteArray &body = QByteArray(),
                 const QByteArray &extraHeaders = QByteArray());
    void finish(QTcpSocket *socket);

    QTcpServer m_server;
    PageProvider m_page;
    int m_timeoutMs = DefaultTimeoutMs;
    int m_maxConnections = DefaultMaxConnections;
    int m_connections = 0;
};
