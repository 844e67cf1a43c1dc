#pragma once

#include "values/Error.h"
#include "transport/ExchangeLoop.h"
#include "transport/WorkerEthernet.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QString>

#include <functional>

class QTcpSocket;

// One HTTP/1.1 POST to a clock's port 80 over a fresh connection: builds the
// request itself (the clocks want exactly these headers), reads the reply
// until it is complete or the line goes quiet, and classifies the outcome
// into an Error kind. The body is not interpreted; data is the raw reply.
class WorkerWWW : public WorkerEthernet
{
    Q_OBJECT

public:
    static constexpr quint16 httpPort = 80;
    // Longer bodies go to firmware 3.00 and later as head, pause, body: those
    // clocks lose a request whose body does not fit one segment with the head.
    static constexpr int splitPayloadSize = 1460;
    static constexpr int splitMinFirmware = 300;
    static constexpr int splitPauseMs = 100;
    static constexpr int defaultConnectTimeoutMs = 2000;
    // A probed address that holds nothing costs its whole connect wait, and
    // most addresses of a range hold nothing. A connection across a routed
    // site network is made within a few hundred milliseconds; 1.5 s still
    // covers one lost SYN, which the system sends again after 1 s. With 64
    // probes at once (ExchangeSchedule) a /24 of empty addresses then takes
    // about 6 s, and the site's routers see no more half-open connections
    // than a busy workstation makes.
    static constexpr int defaultProbeConnectTimeoutMs = 1500;
    static constexpr int defaultFirstDataWaitMs = 200;
    static constexpr int defaultQuietWaitMs = 50;
    static constexpr int emptyWaitsToStop = 20;
    // Real replies are a few kilobytes; a peer that keeps talking past this is
    // not a clock answering a request.
    static constexpr int maxReplySize = 1024 * 1024;

    WorkerWWW(const QHostAddress &remoteAddress, const QString &path, const QByteArray &payload,
              const QString &user, const QString &password, int firmware);
    ~WorkerWWW() override;

    QByteArray data() const override { return m_response; }
    void open() override;
    void connectOrBind() override;
    void transfer() override;
    void close() override;

    // The same exchange without a thread of its own: the loop carries it,
    // with the same waits and the same outcome. done runs once, on the loop's
    // home thread, after the socket is closed. A thread blocked in each poll
    // costs a thread, its wake-up descriptor and two switches per wait;
    // thousands of polls a minute need none of that.
    void startAsync(ExchangeLoop &loop, std::function<void()> done);
    // Whether startAsync can carry this exchange: a body sent as head, pause,
    // body needs the blocking path.
    bool canRunAsync() const { return !sendsInTwoParts(); }

    Error errorCode() const { return m_errorCode; }
    // Why the exchange failed, in words, where the kind alone does not say
    // (refused, no route, no answer within the wait, the HTTP status); empty
    // after a success.
    QString failureReason() const { return m_failureReason; }
    QString path() const { return m_path; }
    // The complete request (head and body) and the length of its head; set
    // once the exchange has begun.
    QByteArray request() const { return m_request; }
    int headerLength() const { return m_headerLength; }

    // The blocking waits of one exchange. Only tests shorten them: per worker,
    // or on the pool for every exchange started afterwards (a test that drives
    // workers through a client never sees the worker before it runs).
    struct Waits
    {
        int connectMs = defaultConnectTimeoutMs;
        int firstDataMs = defaultFirstDataWaitMs;
        int quietMs = defaultQuietWaitMs;
    };
    void setWaits(const Waits &waits) { m_waits = waits; }

    // Leaves the Authorization header out: the request asks whether a clock
    // answers at an address before its password goes there.
    void setWithoutCredentials(bool without) { m_withoutCredentials = without; }

    // The request head for these credentials and payload length; without
    // the Authorization line when withCredentials is false.
    static QByteArray buildRequestHead(const QString &path, const QString &user, const QString &password,
                                       int payloadLength, bool withCredentials = true);

    // The exchange without a worker, for a caller that makes thousands a
    // minute (the status poller): the loop's request for the complete
    // request bytes, and what the loop's outcome means, exactly as a worker
    // carried by startAsync would report it.
    struct Verdict
    {
        Error code = NoError;
        // Why, in words, when code is not NoError.
        QString reason;
    };
    static bool isClockAddress(const QHostAddress &remote, const QString &path);
    static ExchangeLoop::Request loopRequest(const QHostAddress &remote, const QHostAddress &local,
                                             const QByteArray &bytes, const Waits &waits);
    static Verdict judge(const ExchangeLoop::Outcome &outcome, const Waits &waits);

private:
    void fail(Error code, const QString &reason);
    void fail(const Verdict &verdict) { fail(verdict.code, verdict.reason); }
    static Verdict connectVerdict(QAbstractSocket::SocketError error, const QString &errorText, const Waits &waits);
    static Verdict replyVerdict(const QByteArray &reply, const Waits &waits);
    // The request for this exchange; false (and failed) when the address is no clock's.
    bool prepareRequest();
    bool sendsInTwoParts() const;
    void endAsync();
    void writeRequest();
    void readUntilQuiet();
    void deleteSocket();

    QString m_path;
    QString m_user;
    QString m_password;
    int m_firmware;
    bool m_withoutCredentials = false;
    int m_headerLength = 0;
    Error m_errorCode = NoError;
    QString m_failureReason;
    QTcpSocket *m_socket = nullptr;
    QByteArray m_request;
    QByteArray m_response;
    Waits m_waits;
    std::function<void()> m_asyncDone;
};
