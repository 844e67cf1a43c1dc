#pragma once

#include "values/Error.h"
#include "transport/ExchangeLoop.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QHostAddress>
#include <QString>

// One HTTP/1.1 POST to a clock's port 80 over a fresh connection, as the
// exchange loop carries it: the request (the clocks want exactly these
// headers), the loop's request with its waits, and what the loop's outcome
// means as an Error kind and in words. Every HTTP exchange with a clock goes
// through here: a worker's (WorkerWWW) and the status poller's.
class HttpExchange
{
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
    // Reading ends after so many empty waits: for the first byte, and after
    // each later one.
    static constexpr int emptyWaitsToStop = 20;
    // Real replies are a few kilobytes; a peer that keeps talking past this is
    // not a clock answering a request.
    static constexpr int maxReplySize = 1024 * 1024;

    // The waits of one exchange. Only tests shorten them: per worker, or on
    // the pool for every exchange started afterwards.
    struct Waits
    {
        int connectMs = defaultConnectTimeoutMs;
        int firstDataMs = defaultFirstDataWaitMs;
        int quietMs = defaultQuietWaitMs;
    };

    struct Verdict
    {
        Error code = NoError;
        // Why, in words, when code is not NoError.
        QString reason;
    };

    // The request head for these credentials and payload length; without
    // the Authorization line when withCredentials is false.
    static QByteArray buildRequestHead(const QString &path, const QString &user, const QString &password,
                                       int payloadLength, bool withCredentials = true);
    // False for an address that makes no URL with this path: no request
    // goes there.
    static bool isClockAddress(const QHostAddress &remote, const QString &path);
    static bool sendsInTwoParts(int payloadSize, int firmware);
    // The loop's request for the complete request bytes; with headLength
    // set, those first bytes go alone and the rest splitPauseMs later.
    static ExchangeLoop::Request loopRequest(const QHostAddress &remote, const QHostAddress &local,
                                             const QByteArray &bytes, const Waits &waits, int headLength = 0);
    static Verdict judge(const ExchangeLoop::Outcome &outcome, const Waits &waits);

private:
    static Verdict connectVerdict(QAbstractSocket::SocketError error, const QString &errorText, const Waits &waits);
    static Verdict replyVerdict(const QByteArray &reply, const Waits &waits);
};
