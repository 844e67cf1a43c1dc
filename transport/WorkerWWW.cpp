#include "transport/WorkerWWW.h"

#include "transport/ExchangeLoop.h"
#include "transport/HttpReply.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QThread>
#include <QUrl>

WorkerWWW::WorkerWWW(const QHostAddress &remoteAddress, const QString &path, const QByteArray &payload,
                     const QString &user, const QString &password, int firmware)
    : WorkerEthernet(remoteAddress, 0, payload)
    , m_path(path)
    , m_user(user)
    , m_password(password)
    , m_firmware(firmware)
{
}

WorkerWWW::~WorkerWWW()
{
    deleteSocket();
}

QByteArray WorkerWWW::buildRequestHead(const QString &path, const QString &user, const QString &password,
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

bool WorkerWWW::isClockAddress(const QHostAddress &remote, const QString &path)
{
    // An IPv4 address always makes a URL with our paths; building one for
    // every poll would cost more than the rest of the request.
    return remote.protocol() == QAbstractSocket::IPv4Protocol
        || QUrl(QStringLiteral("http://") + remote.toString() + path, QUrl::TolerantMode).isValid();
}

ExchangeLoop::Request WorkerWWW::loopRequest(const QHostAddress &remote, const QHostAddress &local,
                                             const QByteArray &bytes, const Waits &waits)
{
    ExchangeLoop::Request request;
    request.remote = remote;
    request.port = httpPort;
    if (!isWildcard(local))
        request.local = local;
    request.bytes = bytes;
    request.connectMs = waits.connectMs;
    // As the blocking read: so many empty waits for the first byte, and after
    // each later one.
    request.firstByteMs = emptyWaitsToStop * waits.firstDataMs;
    request.quietMs = emptyWaitsToStop * waits.quietMs;
    request.maxReply = maxReplySize;
    return request;
}

WorkerWWW::Verdict WorkerWWW::judge(const ExchangeLoop::Outcome &outcome, const Waits &waits)
{
    if (!outcome.connected)
        return connectVerdict(outcome.connectError, outcome.connectErrorText, waits);
    if (outcome.reply.size() > maxReplySize)
        return {NoResponse, QCoreApplication::translate("Error", "the answer does not end")};
    return replyVerdict(outcome.reply, waits);
}

void WorkerWWW::open()
{
    connectOrBind();
}

bool WorkerWWW::prepareRequest()
{
    if (!isClockAddress(m_remoteAddress, m_path)) {
        // Left unreported, this would read as a success with an empty reply.
        fail(ConnectionError, QCoreApplication::translate("Error", "not a clock address"));
        return false;
    }

    const QByteArray head = buildRequestHead(m_path, m_user, m_password, m_payload.size(), !m_withoutCredentials);
    m_headerLength = head.size();
    m_request = head + m_payload;
    return true;
}

void WorkerWWW::connectOrBind()
{
    if (!prepareRequest())
        return;
    m_socket = new QTcpSocket();
    if (!isWildcard(m_localAddress))
        m_socket->bind(m_localAddress, 0);
    m_socket->connectToHost(m_remoteAddress, httpPort, QIODevice::ReadWrite);
    if (!m_socket->waitForConnected(m_waits.connectMs)) {
        fail(connectVerdict(m_socket->error(), m_socket->errorString(), m_waits));
        deleteSocket();
    }
}

WorkerWWW::Verdict WorkerWWW::connectVerdict(QAbstractSocket::SocketError error, const QString &errorText,
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

void WorkerWWW::transfer()
{
    if (error() || !m_socket)
        return;

    writeRequest();
    readUntilQuiet();
    deleteSocket();
    if (error())
        return;
    const Verdict verdict = replyVerdict(m_response, m_waits);
    if (verdict.code != NoError)
        fail(verdict);
}

WorkerWWW::Verdict WorkerWWW::replyVerdict(const QByteArray &reply, const Waits &waits)
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

void WorkerWWW::close()
{
    deleteSocket();
}

void WorkerWWW::fail(Error code, const QString &reason)
{
    setError(true);
    m_errorCode = code;
    m_failureReason = reason;
}

bool WorkerWWW::sendsInTwoParts() const
{
    return m_payload.size() > splitPayloadSize && m_firmware >= splitMinFirmware;
}

void WorkerWWW::writeRequest()
{
    if (sendsInTwoParts()) {
        m_socket->write(m_request.left(m_headerLength));
        m_socket->flush();
        QThread::msleep(splitPauseMs);
        m_socket->write(m_request.mid(m_headerLength));
        m_socket->flush();
    } else {
        m_socket->write(m_request);
        m_socket->flush();
    }
}

void WorkerWWW::readUntilQuiet()
{
    // Reading stops early once a length header says the reply is complete: a
    // clock honouring Keep-Alive would otherwise hold every exchange for the
    // whole quiet period.
    m_socket->setReadBufferSize(maxReplySize + 1);
    int wait = m_waits.firstDataMs;
    int emptyWaits = 0;
    while (emptyWaits < emptyWaitsToStop) {
        const bool ready = m_socket->waitForReadyRead(wait);
        if (m_socket->bytesAvailable() > 0) {
            m_response += m_socket->readAll();
            wait = m_waits.quietMs;
            emptyWaits = 0;
            if (m_response.size() > maxReplySize) {
                fail(NoResponse, QCoreApplication::translate("Error", "the answer does not end"));
                return;
            }
            if (isHttpReplyComplete(m_response))
                return;
            continue;
        }
        // A peer that has closed the line sends nothing more.
        if (!ready && m_socket->state() == QAbstractSocket::UnconnectedState)
            return;
        ++emptyWaits;
    }
}

void WorkerWWW::deleteSocket()
{
    if (!m_socket)
        return;
    m_socket->close();
    delete m_socket;
    m_socket = nullptr;
}

void WorkerWWW::startAsync(ExchangeLoop &loop, std::function<void()> done)
{
    m_asyncDone = std::move(done);
    if (!prepareRequest()) {
        // Later, as every other outcome: the caller may be starting others.
        QMetaObject::invokeMethod(this, [this] { endAsync(); }, Qt::QueuedConnection);
        return;
    }
    // The worker lives until done has run: its owner deletes it from there.
    loop.submit(loopRequest(m_remoteAddress, m_localAddress, m_request, m_waits),
                [this](ExchangeLoop::Outcome &&outcome) {
                    const Verdict verdict = judge(outcome, m_waits);
                    m_response = std::move(outcome.reply);
                    if (verdict.code != NoError)
                        fail(verdict);
                    endAsync();
                });
}

void WorkerWWW::endAsync()
{
    if (!m_asyncDone)
        return;
    const std::function<void()> done = std::move(m_asyncDone);
    m_asyncDone = nullptr;
    done();
}
