#include "WorkerWWW.h"

#include "ExchangeLoop.h"
#include "HttpReply.h"

#include <QCoreApplication>
#include <QMutex>
#include <QTcpSocket>
#include <QThread>
#include <QUrl>

namespace {

QMutex defaultWaitsMutex;
WorkerWWW::Waits sharedDefaultWaits;
int sharedProbeConnectMs = WorkerWWW::defaultProbeConnectTimeoutMs;

} // namespace

WorkerWWW::WorkerWWW(const QHostAddress &remoteAddress, const QString &path, const QByteArray &payload,
                     const QString &user, const QString &password, int firmware)
    : WorkerEthernet(remoteAddress, 0, payload)
    , m_path(path)
    , m_user(user)
    , m_password(password)
    , m_firmware(firmware)
    , m_waits(defaultWaits())
{
}

WorkerWWW::~WorkerWWW()
{
    deleteSocket();
}

void WorkerWWW::setDefaultWaits(const Waits &waits)
{
    QMutexLocker locker(&defaultWaitsMutex);
    sharedDefaultWaits = waits;
}

WorkerWWW::Waits WorkerWWW::defaultWaits()
{
    QMutexLocker locker(&defaultWaitsMutex);
    return sharedDefaultWaits;
}

WorkerWWW::Waits WorkerWWW::probeWaits()
{
    QMutexLocker locker(&defaultWaitsMutex);
    Waits waits = sharedDefaultWaits;
    waits.connectMs = sharedProbeConnectMs;
    return waits;
}

void WorkerWWW::setProbeConnectMs(int ms)
{
    QMutexLocker locker(&defaultWaitsMutex);
    sharedProbeConnectMs = ms;
}

QByteArray WorkerWWW::buildRequestHead(const QString &path, const QString &user, const QString &password,
                                       int payloadLength, bool withCredentials)
{
    const QByteArray credentials = (user + QLatin1Char(':') + password).toLocal8Bit().toBase64();
    // No Host and no User-Agent: the clocks expect exactly these lines.
    QByteArray head;
    head += "POST " + path.toUtf8() + " HTTP/1.1\r\n";
    if (withCredentials)
        head += "Authorization: Basic " + credentials + "\r\n";
    head += "Content-Length: " + QByteArray::number(payloadLength) + "\r\n";
    head += "Connection: Keep-Alive\r\n";
    head += "Accept-Encoding: gzip, deflate\r\n";
    head += "Content-Type: application/x-www-form-urlencoded\r\n";
    head += "\r\n";
    return head;
}

void WorkerWWW::open()
{
    connectOrBind();
}

bool WorkerWWW::prepareRequest()
{
    // An IPv4 address always makes a URL with our paths; building one for
    // every poll would cost more than the rest of the request.
    const bool fits = m_remoteAddress.protocol() == QAbstractSocket::IPv4Protocol
        || QUrl(QStringLiteral("http://") + m_remoteAddress.toString() + m_path, QUrl::TolerantMode).isValid();
    if (!fits) {
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
        failToConnect(m_socket->error(), m_socket->errorString());
        deleteSocket();
    }
}

void WorkerWWW::failToConnect(QAbstractSocket::SocketError error, const QString &errorText)
{
    QString reason;
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        reason = QCoreApplication::translate("Error", "connection refused");
        break;
    case QAbstractSocket::NetworkError:
    case QAbstractSocket::HostNotFoundError:
        reason = QCoreApplication::translate("Error", "no route to the clock");
        break;
    case QAbstractSocket::SocketTimeoutError:
        reason = QCoreApplication::translate("Error", "no connection within %1 s").arg(m_waits.connectMs / 1000.0);
        break;
    default:
        reason = errorText;
        break;
    }
    fail(ConnectionError, reason);
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
    classifyReply();
}

void WorkerWWW::classifyReply()
{
    const Error code = classifyHttpReply(m_response);
    if (code == NoError)
        return;
    QString reason;
    if (code == AuthorizationError) {
        reason = QCoreApplication::translate("Error", "wrong user name or password");
    } else if (code == NoResponse && m_response.isEmpty()) {
        const int waitedMs = m_waits.firstDataMs * emptyWaitsToStop;
        reason = QCoreApplication::translate("Error", "no answer within %1 s").arg(waitedMs / 1000.0);
    } else if (code == NoResponse) {
        reason = QCoreApplication::translate("Error", "the answer is not an HTTP reply");
    } else if (code == ConnectionError) {
        reason = QCoreApplication::translate("Error", "the clock answered with HTTP status %1")
                     .arg(parseHttpReply(m_response).status);
    } else if (code == PageNotFound) {
        reason = QCoreApplication::translate("Error", "the clock does not know this request");
    }
    fail(code, reason);
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
    ExchangeLoop::Request request;
    request.remote = m_remoteAddress;
    request.port = httpPort;
    if (!isWildcard(m_localAddress))
        request.local = m_localAddress;
    request.bytes = m_request;
    request.connectMs = m_waits.connectMs;
    // As the blocking read: so many empty waits for the first byte, and after
    // each later one.
    request.firstByteMs = emptyWaitsToStop * m_waits.firstDataMs;
    request.quietMs = emptyWaitsToStop * m_waits.quietMs;
    request.maxReply = maxReplySize;
    // The worker lives until done has run: its owner deletes it from there.
    loop.submit(std::move(request), [this](ExchangeLoop::Outcome &&outcome) {
        if (!outcome.connected) {
            failToConnect(outcome.connectError, outcome.connectErrorText);
        } else {
            m_response = std::move(outcome.reply);
            if (m_response.size() > maxReplySize)
                fail(NoResponse, QCoreApplication::translate("Error", "the answer does not end"));
        }
        endAsync();
    });
}

void WorkerWWW::endAsync()
{
    if (!m_asyncDone)
        return;
    if (!error())
        classifyReply();
    const std::function<void()> done = std::move(m_asyncDone);
    m_asyncDone = nullptr;
    done();
}
