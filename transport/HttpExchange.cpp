#include "transport/HttpExchange.h"

#include "transport/HttpReply.h"

#include <QCoreApplication>
#include <QUrl>

namespace {

// A socket bound to one of these would be no different from an unbound one.
bool isWildcard(const QHostAddress &address)
{
    return address.isNull() || address == QHostAddress(QHostAddress::Any)
        || address == QHostAddress(QHostAddress::AnyIPv4) || address == QHostAddress(QHostAddress::AnyIPv6);
}

} // namespace

QByteArray HttpExchange::buildRequestHead(const QString &path, const QString &user, const QString &password,
                                          int payloadLength, bool withCredentials)
{
    // No Host and no User-Agent: the clocks expect exactly these lines.
    QByteArray head;
    head.reserve(256 + path.size() + 2 * (user.size() + password.size()));
    head += "POST ";
    head += path.toUtf8();
    head += " HTTP/1.1\r\n";
    if (withCredentials) {
        head += "Authorization: Basic ";
        head += (user + QLatin1Char(':') + password).toLocal8Bit().toBase64();
        head += "\r\n";
    }
    head += "Content-Length: ";
    head += QByteArray::number(payloadLength);
    head += "\r\n"
            "Connection: Keep-Alive\r\n"
            "Accept-Encoding: gzip, deflate\r\n"
            "Content-Type: application/x-www-form-urlencoded\r\n"
            "\r\n";
    return head;
}

bool HttpExchange::isClockAddress(const QHostAddress &remote, const QString &path)
{
    // An IPv4 address always makes a URL with our paths; building one for
    // every poll would cost more than the rest of the request.
    return remote.protocol() == QAbstractSocket::IPv4Protocol
        || QUrl(QStringLiteral("http://") + remote.toString() + path, QUrl::TolerantMode).isValid();
}

bool HttpExchange::sendsInTwoParts(int payloadSize, int firmware)
{
    return payloadSize > splitPayloadSize && firmware >= splitMinFirmware;
}

ExchangeLoop::Request HttpExchange::loopRequest(const QHostAddress &remote, const QHostAddress &local,
                                                const QByteArray &bytes, const Waits &waits, int headLength)
{
    ExchangeLoop::Request request;
    request.remote = remote;
    request.port = httpPort;
    if (!isWildcard(local))
        request.local = local;
    request.bytes = bytes;
    if (headLength > 0) {
        request.headLength = headLength;
        request.pauseMs = splitPauseMs;
    }
    request.connectMs = waits.connectMs;
    request.firstByteMs = emptyWaitsToStop * waits.firstDataMs;
    request.quietMs = emptyWaitsToStop * waits.quietMs;
    request.maxReply = maxReplySize;
    return request;
}

HttpExchange::Verdict HttpExchange::judge(const ExchangeLoop::Outcome &outcome, const Waits &waits)
{
    if (!outcome.connected)
        return connectVerdict(outcome.connectError, outcome.connectErrorText, waits);
    if (outcome.reply.size() > maxReplySize)
        return {NoResponse, QCoreApplication::translate("Error", "the answer does not end")};
    return replyVerdict(outcome.reply, waits);
}

HttpExchange::Verdict HttpExchange::connectVerdict(QAbstractSocket::SocketError error, const QString &errorText,
                                                   const Waits &waits)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return {ConnectionError, QCoreApplication::translate("Error", "connection refused")};
    case QAbstractSocket::NetworkError:
    case QAbstractSocket::HostNotFoundError:
        return {ConnectionError, QCoreApplication::translate("Error", "no route to the clock")};
    case QAbstractSocket::SocketTimeoutError:
        return {ConnectionError,
                QCoreApplication::translate("Error", "no connection within %1 s").arg(waits.connectMs / 1000.0)};
    default:
        return {ConnectionError, errorText};
    }
}

HttpExchange::Verdict HttpExchange::replyVerdict(const QByteArray &reply, const Waits &waits)
{
    const Error code = classifyHttpReply(reply);
    switch (code) {
    case NoError:
        return {};
    case AuthorizationError:
        return {code, QCoreApplication::translate("Error", "wrong user name or password")};
    case NoResponse:
        if (reply.isEmpty()) {
            const int waitedMs = waits.firstDataMs * emptyWaitsToStop;
            return {code, QCoreApplication::translate("Error", "no answer within %1 s").arg(waitedMs / 1000.0)};
        }
        return {code, QCoreApplication::translate("Error", "the answer is not an HTTP reply")};
    case ConnectionError:
        return {code, QCoreApplication::translate("Error", "the clock answered with HTTP status %1")
                          .arg(parseHttpReply(reply).status)};
    case PageNotFound:
        return {code, QCoreApplication::translate("Error", "the clock does not know this request")};
    default:
        return {code, QString()};
    }
}
