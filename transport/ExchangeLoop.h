#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QHostAddress>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <vector>

// One thread that carries every HTTP exchange with a clock at once: plain
// non-blocking sockets on one epoll set, one ordered set of deadlines.
//
// A Qt socket per exchange on an event loop costs what thousands of polls a
// minute cannot pay: the loop asks the kernel about every open socket on each
// wake-up, and each exchange makes and destroys a socket object, its
// notifiers and a timer. Here a wake-up costs the sockets that are ready, and
// an exchange costs its own system calls.
class ExchangeLoop : public QThread
{
    Q_OBJECT

public:
    struct Request
    {
        QHostAddress remote;
        quint16 port = 80;
        // Bound first when set; a local address that cannot be bound leaves
        // the choice to the system, as a Qt socket does.
        QHostAddress local;
        QByteArray bytes;
        // With pauseMs set, the first headLength bytes go alone and the rest
        // pauseMs after them; nothing is read in between.
        int headLength = 0;
        int pauseMs = 0;
        int connectMs = 2000;
        // The line's silence that ends the read before the first byte, and
        // after each later one.
        int firstByteMs = 4000;
        int quietMs = 1000;
        // Read at most one byte beyond this.
        int maxReply = 1024 * 1024;
    };

    struct Outcome
    {
        bool connected = false;
        // Why the connection was not made (connected false).
        QAbstractSocket::SocketError connectError = QAbstractSocket::UnknownSocketError;
        QString connectErrorText;
        // What came before the reply was complete, the line went quiet or
        // closed, or the peer sent more than maxReply.
        QByteArray reply;
    };

    using Done = std::function<void(Outcome &&)>;

    // Every done runs on home's thread, from its event loop; home outlives
    // the loop.
    explicit ExchangeLoop(QObject *home);
    ~ExchangeLoop() override;

    // From home's thread. The thread starts with the first exchange.
    void submit(Request request, Done done);
    // Exchanges submitted and not yet delivered.
    int pending() const { return m_pending.loadAcquire(); }

protected:
    void run() override;

private:
    struct Exchange;
    class Carrier;
    void wake();
    void deliver();

    QObject *m_home;
    int m_epoll = -1;
    int m_wakeFd = -1;
    QAtomicInt m_pending = 0;
    QAtomicInt m_stopping = 0;

    QMutex m_mutex;
    // Guarded by m_mutex: handed over from home to the loop, and back.
    std::vector<Exchange *> m_submitted;
    std::vector<std::pair<Done, Outcome>> m_finished;
    bool m_wakePending = false;
};
