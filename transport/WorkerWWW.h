#pragma once

#include "values/Error.h"
#include "transport/ExchangeLoop.h"
#include "transport/HttpExchange.h"
#include "transport/WorkerEthernet.h"

#include <QByteArray>
#include <QString>

#include <functional>

// A sender's HTTP exchange with a clock (see HttpExchange), carried by the
// exchange loop: the worker holds the request's parts and the outcome, and
// classifies it into an Error kind. The body is not interpreted; data is the
// raw reply. It has no thread of its own: WorkerThreadPool starts it on the
// loop.
class WorkerWWW : public WorkerEthernet
{
    Q_OBJECT

public:
    WorkerWWW(const QHostAddress &remoteAddress, const QString &path, const QByteArray &payload,
              const QString &user, const QString &password, int firmware);
    ~WorkerWWW() override;

    QByteArray data() const override { return m_response; }
    // Not on a thread: an exchange executed there fails at once, touching no socket.
    void connectOrBind() override;
    void transfer() override;

    // The exchange on the loop. done runs once, on the loop's home thread,
    // after the socket is closed. A thread blocked in each exchange costs a
    // thread, its wake-up descriptor and two switches per wait; thousands of
    // exchanges a minute need none of that.
    void startAsync(ExchangeLoop &loop, std::function<void()> done);

    Error errorCode() const { return m_errorCode; }
    // Why the exchange failed, in words, where the kind alone does not say
    // (refused, no route, no answer within the wait, the HTTP status); empty
    // after a success.
    QString failureReason() const { return m_failureReason; }
    QString path() const { return m_path; }
    // The complete request (head and body); set once the exchange has begun.
    QByteArray request() const { return m_request; }

    void setWaits(const HttpExchange::Waits &waits) { m_waits = waits; }

    // Leaves the Authorization header out: the request asks whether a clock
    // answers at an address before its password goes there.
    void setWithoutCredentials(bool without) { m_withoutCredentials = without; }

private:
    void fail(Error code, const QString &reason);
    void fail(const HttpExchange::Verdict &verdict) { fail(verdict.code, verdict.reason); }
    // The request for this exchange; false (and failed) when the address is no clock's.
    bool prepareRequest();
    void endAsync();

    QString m_path;
    QString m_user;
    QString m_password;
    int m_firmware;
    bool m_withoutCredentials = false;
    int m_headerLength = 0;
    Error m_errorCode = NoError;
    QString m_failureReason;
    QByteArray m_request;
    QByteArray m_response;
    HttpExchange::Waits m_waits;
    std::function<void()> m_asyncDone;
};
