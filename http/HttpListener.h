#pragma once

#include "http/FailedAttempts.h"
#include "http/ListenerHosts.h"
#include "http/HttpRequestParser.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QThreadPool>

#include <functional>

class QTcpSocket;

// A small listener for plain HTTP/1.x GET and HEAD, one request per
// connection, each answered by a handler (the monitor's metrics and its
// board). Every connection is bounded: the request head by a size limit, its
// life by a time-out, their number by a cap. At the cap a new connection takes the place of the oldest
// idle one (still sending its request, or answered and not yet closed), so no
// set of peers can lock a scrape out; an answered connection is closed after
// a short linger whatever the peer does. Only requests naming an allowed host
// are answered (421 otherwise). Slow work runs on threads of the listener's
// own, at most a few requests of one peer at a time, so the thread it lives
// on never waits for a file or for a large answer's compression.
class HttpListener : public QObject
{
    Q_OBJECT

public:
    struct Response;
    // Runs back on the listener's thread once the slow part is done; gives the answer.
    using Continuation = std::function<Response()>;
    struct Response
    {
        int status = 404;
        QByteArray body;
        QByteArray headers; // whole lines, each ending in CRLF
        // Set instead of the fields above for an answer that needs slow work:
        // it runs on another thread, touching nothing the listener's thread uses.
        std::function<Continuation()> work;
        // Large answers of higher priority are compressed first (a scrape
        // before a board's list, so that Prometheus is not kept waiting).
        int priority = 0;
        // Work that is cheap after the first ask (a board's complete list,
        // built once for every board that loads it meanwhile): not held to
        // the peer's limit, or boards behind one proxy that load at once
        // would be turned away.
        bool shared = false;
    };
    // Answers a complete GET or HEAD request; the listener drops the body of HEAD.
    // A 401 to a request that carried an Authorization field counts as a
    // failed attempt: the peer's next tokens are checked ever more slowly.
    using Handler = std::function<Response(const HttpRequestParser &request)>;

    static constexpr int DefaultTimeoutMs = 10 * 1000;
    static constexpr int DefaultLingerMs = 2000;
    static constexpr int DefaultMaxConnections = 16;
    // Requests of one peer address being worked on or waiting for a token
    // check at once; more are answered 503. Quick answers are not limited.
    static constexpr int maxBusyPerPeer = 4;

    // Without a handler every request is answered 404.
    explicit HttpListener(QObject *parent = nullptr);
    ~HttpListener() override;

    // false, with errorString(), when the address cannot be bound.
    bool listen(const QHostAddress &address, quint16 port);
    QString errorString() const { return m_server.errorString(); }
    quint16 serverPort() const { return m_server.serverPort(); }

    // From accept to close, whatever the peer does.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    // From the last byte of the answer handed to the system to close.
    void setLingerMs(int ms) { m_lingerMs = ms; }
    void setMaxConnections(int count) { m_maxConnections = count; }
    int connectionCount() const { return int(m_open.size()); }
    void setHandler(Handler handler) { m_handler = std::move(handler); }
    // Host names answered besides the listener's own addresses and "localhost".
    void setHostNames(const QStringList &names) { m_hosts.setNames(names); }
    void setFailureDelays(int firstMs, int maxMs) { m_failures.setDelays(firstMs, maxMs); }

    // The headers every answer carries: no framing, no sniffing, no
    // referrer, and a policy that lets a page run only its own script and style.
    static QByteArray securityHeaders();

    // "[ADDRESS:]PORT", the address IPv4 or bracketed IPv6; without an
    // address only the loopback interface (127.0.0.1) is bound.
    static bool parseListenAddress(const QString &text, QHostAddress &address, quint16 &port);

private slots:
    void onNewConnection();
    void onAcceptError();

private:
    enum class Phase {
        Reading,  // the request has not arrived yet
        Working,  // its answer is being made on another thread
        HeldBack, // a token waiting for its address's turn to be checked
        Answered, // the answer is out; the peer reads and closes
    };
    struct Connection
    {
        quint64 id = 0;
        QTcpSocket *socket = nullptr;
        HttpRequestParser parser;
        Phase phase = Phase::Reading;
        QHostAddress peer;
        bool headOnly = false;
        bool gzip = false;
        bool finished = false; // all of the answer handed to the system
    };

    // Makes room for one more connection, closing the oldest idle one (or,
    // when every one is being worked on, the oldest).
    void makeRoom();
    void drop(Connection *connection);
    Connection *find(quint64 id) const;
    int busyOf(const QHostAddress &peer) const;
    void onReadyRead(Connection *connection);
    void answer(Connection *connection);
    void evaluate(Connection *connection);
    void deliver(Connection *connection, Response response);
    void respond(Connection *connection, int status, const QByteArray &body = QByteArray(),
                 const QByteArray &extraHeaders = QByteArray());
    void finish(Connection *connection);
    // Then deliver() (which may compress), or straight to the peer.
    void runElsewhere(Connection *connection, std::function<Continuation()> work, int priority, bool thenDeliver);
    void send(Connection *connection, const Response &response);
    void tooBusy(Connection *connection);

    QTcpServer m_server;
    Handler m_handler;
    ListenerHosts m_hosts;
    FailedAttempts m_failures;
    int m_timeoutMs = DefaultTimeoutMs;
    int m_lingerMs = DefaultLingerMs;
    int m_maxConnections = DefaultMaxConnections;
    quint64 m_nextId = 1;
    QList<Connection *> m_open; // oldest first
    QThreadPool m_workPool;     // the handlers' slow work
    QThreadPool m_compressPool; // large answers' compression
};
