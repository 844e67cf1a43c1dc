#include "transport/WorkerWWW.h"

#include <QCoreApplication>

WorkerWWW::WorkerWWW(const QHostAddress &remoteAddress, const QString &path, const QByteArray &payload,
                     const QString &user, const QString &password, int firmware)
    : WorkerEthernet(remoteAddress, 0, payload)
    , m_path(path)
    , m_user(user)
    , m_password(password)
    , m_firmware(firmware)
{
}

WorkerWWW::~WorkerWWW() = default;

bool WorkerWWW::prepareRequest()
{
    if (!HttpExchange::isClockAddress(m_remoteAddress, m_path)) {
        // Left unreported, this would read as a success with an empty reply.
        fail(ConnectionError, QCoreApplication::translate("Error", "not a clock address"));
        return false;
    }

    const QByteArray head =
        HttpExchange::buildRequestHead(m_path, m_user, m_password, m_payload.size(), !m_withoutCredentials);
    m_headerLength = head.size();
    m_request = head + m_payload;
    return true;
}

void WorkerWWW::connectOrBind()
{
}

void WorkerWWW::transfer()
{
    // A failure, not an empty success: whoever runs this on a thread gets
    // no exchange and must hear so.
    fail(ConnectionError, QString());
}

void WorkerWWW::fail(Error code, const QString &reason)
{
    setError(true);
    m_errorCode = code;
    m_failureReason = reason;
}

void WorkerWWW::startAsync(ExchangeLoop &loop, std::function<void()> done)
{
    m_asyncDone = std::move(done);
    if (!prepareRequest()) {
        // Later, as every other outcome: the caller may be starting others.
        QMetaObject::invokeMethod(this, [this] { endAsync(); }, Qt::QueuedConnection);
        return;
    }
    const int head = HttpExchange::sendsInTwoParts(m_payload.size(), m_firmware) ? m_headerLength : 0;
    // The worker lives until done has run: its owner deletes it from there.
    loop.submit(HttpExchange::loopRequest(m_remoteAddress, m_localAddress, m_request, m_waits, head),
                [this](ExchangeLoop::Outcome &&outcome) {
                    const HttpExchange::Verdict verdict = HttpExchange::judge(outcome, m_waits);
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
