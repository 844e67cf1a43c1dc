#include "transport/ExchangeLoop.h"

#include "transport/HttpReply.h"

#include <QMutexLocker>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <map>

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr qint64 pacingMs = 5;

qint64 nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// How a failed connect reads, in the terms a Qt socket would have used.
QAbstractSocket::SocketError socketErrorOf(int error)
{
    switch (error) {
    case ECONNREFUSED:
        return QAbstractSocket::ConnectionRefusedError;
    case ENETUNREACH:
    case EHOSTUNREACH:
    case ENETDOWN:
    case EHOSTDOWN:
        return QAbstractSocket::NetworkError;
    case ETIMEDOUT:
        return QAbstractSocket::SocketTimeoutError;
    case EACCES:
    case EPERM:
        return QAbstractSocket::SocketAccessError;
    case EMFILE:
    case ENFILE:
    case ENOBUFS:
    case ENOMEM:
        return QAbstractSocket::SocketResourceError;
    default:
        return QAbstractSocket::UnknownSocketError;
    }
}

bool toSocketAddress(const QHostAddress &address, quint16 port, sockaddr_storage *storage, socklen_t *length)
{
    std::memset(storage, 0, sizeof(*storage));
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        auto *in = reinterpret_cast<sockaddr_in *>(storage);
        in->sin_family = AF_INET;
        in->sin_port = htons(port);
        in->sin_addr.s_addr = htonl(address.toIPv4Address());
        *length = sizeof(sockaddr_in);
        return true;
    }
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        auto *in6 = reinterpret_cast<sockaddr_in6 *>(storage);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&in6->sin6_addr, bytes.c, sizeof(bytes.c));
        const QString scope = address.scopeId();
        if (!scope.isEmpty()) {
            bool numeric = false;
            in6->sin6_scope_id = scope.toUInt(&numeric);
            if (!numeric)
                in6->sin6_scope_id = if_nametoindex(scope.toLatin1().constData());
        }
        *length = sizeof(sockaddr_in6);
        return true;
    }
    return false;
}

} // namespace

struct ExchangeLoop::Exchange
{
    using Deadlines = std::multimap<qint64, Exchange *>;

    Request request;
    Done done;
    Outcome outcome;
    sockaddr_storage remote{};
    socklen_t remoteLength = 0;
    sockaddr_storage local{};
    socklen_t localLength = 0;
    int fd = -1;
    int written = 0;
    // What may go out before the pause: the head of a split request, else everything.
    int sendUpTo = 0;
    bool pausing = false;
    Deadlines::iterator deadline;
};

// The loop's own state, on its thread only.
class ExchangeLoop::Carrier
{
public:
    using Finished = std::vector<std::pair<Done, Outcome>>;

    Carrier(int epoll, QAtomicInt &pending)
        : m_epoll(epoll)
        , m_pending(pending)
    {
    }

    ~Carrier()
    {
        for (auto &entry : m_deadlines) {
            if (entry.second->fd >= 0)
                ::close(entry.second->fd);
            delete entry.second;
        }
    }

    // How long the loop may sleep: until the first deadline, or forever.
    int timeoutMs() const
    {
        if (m_deadlines.empty())
            return -1;
        return int(std::clamp<qint64>(m_deadlines.begin()->first - nowMs(), 0, INT_MAX));
    }

    void start(Exchange *exchange)
    {
        const int family = exchange->remote.ss_family;
        exchange->fd = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        // Every live exchange holds a deadline: the loop's only list of them.
        exchange->deadline = m_deadlines.emplace(nowMs() + exchange->request.connectMs, exchange);
        if (exchange->fd < 0)
            return failConnect(exchange, errno);
        epoll_event event{};
        event.events = EPOLLOUT;
        event.data.ptr = exchange;
        if (epoll_ctl(m_epoll, EPOLL_CTL_ADD, exchange->fd, &event) != 0)
            return failConnect(exchange, errno);
        if (exchange->localLength > 0)
            (void)::bind(exchange->fd, reinterpret_cast<const sockaddr *>(&exchange->local), exchange->localLength);
        if (::connect(exchange->fd, reinterpret_cast<const sockaddr *>(&exchange->remote), exchange->remoteLength) == 0)
            return connected(exchange);
        if (errno != EINPROGRESS)
            failConnect(exchange, errno);
    }

    void ready(Exchange *exchange, uint32_t events)
    {
        if (!exchange->outcome.connected) {
            int error = 0;
            socklen_t length = sizeof(error);
            if (getsockopt(exchange->fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
                error = errno;
            if (error != 0)
                return failConnect(exchange, error);
            // A hang-up without an error or a writable line would otherwise
            // wake the loop on every turn.
            if (!(events & EPOLLOUT))
                return failConnect(exchange, ECONNRESET);
            return connected(exchange);
        }
        if ((events & EPOLLOUT) && !send(exchange))
            return;
        if (events & (EPOLLIN | EPOLLHUP | EPOLLERR))
            read(exchange);
    }

    void expire()
    {
        const qint64 now = nowMs();
        while (!m_deadlines.empty() && m_deadlines.begin()->first <= now) {
            Exchange *exchange = m_deadlines.begin()->second;
            if (!exchange->outcome.connected)
                failConnect(exchange, ETIMEDOUT);
            else if (exchange->pausing)
                resume(exchange);
            else
                finish(exchange);
        }
    }

    Finished takeFinished() { return std::move(m_finished); }

private:
    void setDeadline(Exchange *exchange, int ms)
    {
        m_deadlines.erase(exchange->deadline);
        exchange->deadline = m_deadlines.emplace(nowMs() + ms, exchange);
    }

    void connected(Exchange *exchange)
    {
        exchange->outcome.connected = true;
        setDeadline(exchange, exchange->request.firstByteMs);
        send(exchange);
    }

    // The body of a split request, once its pause is over; the wait for the
    // reply begins when it is out, as it would after a request in one piece.
    void resume(Exchange *exchange)
    {
        exchange->pausing = false;
        exchange->sendUpTo = exchange->request.bytes.size();
        setDeadline(exchange, exchange->request.firstByteMs);
        send(exchange);
    }

    // False when the exchange ended.
    bool send(Exchange *exchange)
    {
        const QByteArray &bytes = exchange->request.bytes;
        while (exchange->written < exchange->sendUpTo) {
            const ssize_t sent = ::send(exchange->fd, bytes.constData() + exchange->written,
                                        size_t(exchange->sendUpTo - exchange->written), MSG_NOSIGNAL);
            if (sent > 0) {
                exchange->written += int(sent);
                continue;
            }
            if (sent < 0 && errno == EINTR)
                continue;
            if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                break;
            // A line that fails once connected ends the exchange with what came.
            finish(exchange);
            return false;
        }
        epoll_event event{};
        if (exchange->written == exchange->sendUpTo && exchange->written < bytes.size()) {
            // The head is out and the body waits for the pause; a reply that
            // comes meanwhile is read once the body is out.
            exchange->pausing = true;
            setDeadline(exchange, exchange->request.pauseMs);
            event.events = 0;
        } else {
            event.events = EPOLLIN | (exchange->written < exchange->sendUpTo ? uint32_t(EPOLLOUT) : 0u);
        }
        event.data.ptr = exchange;
        epoll_ctl(m_epoll, EPOLL_CTL_MOD, exchange->fd, &event);
        return true;
    }

    void read(Exchange *exchange)
    {
        QByteArray &reply = exchange->outcome.reply;
        const int limit = exchange->request.maxReply + 1;
        bool arrived = false;
        for (;;) {
            // Through a buffer of the loop's: a reply sized for the largest
            // read would keep that size until the poller is done with it.
            const int room = std::min<int>(limit - reply.size(), sizeof(m_buffer));
            if (room <= 0)
                return finish(exchange);
            const ssize_t got = ::recv(exchange->fd, m_buffer, size_t(room), 0);
            if (got > 0) {
                reply.append(m_buffer, int(got));
                arrived = true;
                continue;
            }
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                break;
            // Closed by the peer, or failed: nothing more comes.
            return finish(exchange);
        }
        if (!arrived)
            return;
        // A length header that says the reply is complete ends it at once: a
        // clock honouring Keep-Alive would otherwise hold it for the quiet wait.
        if (isHttpReplyComplete(reply))
            return finish(exchange);
        setDeadline(exchange, exchange->request.quietMs);
    }

    void failConnect(Exchange *exchange, int error)
    {
        exchange->outcome.connectError = socketErrorOf(error);
        exchange->outcome.connectErrorText = qt_error_string(error);
        finish(exchange);
    }

    void finish(Exchange *exchange)
    {
        // Closing takes the socket out of the epoll set.
        if (exchange->fd >= 0)
            ::close(exchange->fd);
        m_deadlines.erase(exchange->deadline);
        m_finished.emplace_back(std::move(exchange->done), std::move(exchange->outcome));
        delete exchange;
        m_pending.deref();
    }

    int m_epoll;
    QAtomicInt &m_pending;
    Exchange::Deadlines m_deadlines;
    Finished m_finished;
    char m_buffer[64 * 1024];
};

ExchangeLoop::ExchangeLoop(QObject *home)
    : m_home(home)
{
    setObjectName(QStringLiteral("Exchanges"));
    m_epoll = epoll_create1(EPOLL_CLOEXEC);
    m_wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.ptr = nullptr;
    if (m_epoll >= 0 && m_wakeFd >= 0)
        epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_wakeFd, &event);
}

ExchangeLoop::~ExchangeLoop()
{
    m_stopping.storeRelease(1);
    const quint64 one = 1;
    if (m_wakeFd >= 0)
        (void)::write(m_wakeFd, &one, sizeof(one));
    wait();
    for (Exchange *exchange : m_submitted)
        delete exchange;
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    if (m_epoll >= 0)
        ::close(m_epoll);
}

void ExchangeLoop::submit(Request request, Done done)
{
    auto *exchange = new Exchange;
    if (!toSocketAddress(request.remote, request.port, &exchange->remote, &exchange->remoteLength)) {
        // Fails at once, on the loop, like any other failed connect.
        exchange->remote.ss_family = AF_UNSPEC;
        exchange->remoteLength = sizeof(sockaddr);
    }
    if (request.local.protocol() == request.remote.protocol())
        toSocketAddress(request.local, 0, &exchange->local, &exchange->localLength);
    const bool split = request.pauseMs > 0 && request.headLength > 0 && request.headLength < request.bytes.size();
    exchange->sendUpTo = split ? request.headLength : request.bytes.size();
    exchange->request = std::move(request);
    exchange->done = std::move(done);
    m_pending.ref();

    bool wakeLoop = false;
    {
        QMutexLocker locker(&m_mutex);
        m_submitted.push_back(exchange);
        wakeLoop = !m_wakePending;
        m_wakePending = true;
    }
    if (!isRunning())
        start();
    if (wakeLoop)
        wake();
}

void ExchangeLoop::wake()
{
    const quint64 one = 1;
    (void)::write(m_wakeFd, &one, sizeof(one));
}

void ExchangeLoop::run()
{
    Carrier carrier(m_epoll, m_pending);
    std::vector<epoll_event> events(256);
    std::vector<Exchange *> arrived;
    qint64 lastTurnMs = 0;
    while (!m_stopping.loadAcquire()) {
        // The loop turns at most every pacingMs: what becomes ready meanwhile
        // is handled in one turn, and the home thread wakes once for all that
        // ended. Thousands of exchanges a minute otherwise cost a wake-up of
        // both threads per step of each; a step that waits 5 ms more is far
        // inside every wait of an exchange.
        const qint64 sinceTurnMs = nowMs() - lastTurnMs;
        if (sinceTurnMs < pacingMs) {
            const timespec pause{0, long(pacingMs - sinceTurnMs) * 1000000};
            nanosleep(&pause, nullptr);
        }
        const int count = epoll_wait(m_epoll, events.data(), int(events.size()), carrier.timeoutMs());
        lastTurnMs = nowMs();
        for (int i = 0; i < count; ++i) {
            if (events[i].data.ptr) {
                carrier.ready(static_cast<Exchange *>(events[i].data.ptr), events[i].events);
                continue;
            }
            quint64 wakes = 0;
            (void)::read(m_wakeFd, &wakes, sizeof(wakes));
            QMutexLocker locker(&m_mutex);
            arrived.insert(arrived.end(), m_submitted.begin(), m_submitted.end());
            m_submitted.clear();
            m_wakePending = false;
        }
        carrier.expire();
        for (Exchange *exchange : arrived)
            carrier.start(exchange);
        arrived.clear();

        auto finished = carrier.takeFinished();
        if (finished.empty())
            continue;
        bool post = false;
        {
            QMutexLocker locker(&m_mutex);
            post = m_finished.empty();
            std::move(finished.begin(), finished.end(), std::back_inserter(m_finished));
        }
        // One call carries every exchange that ended meanwhile.
        if (post)
            QMetaObject::invokeMethod(m_home, [this] { deliver(); }, Qt::QueuedConnection);
    }
}

void ExchangeLoop::deliver()
{
    std::vector<std::pair<Done, Outcome>> finished;
    {
        QMutexLocker locker(&m_mutex);
        finished.swap(m_finished);
    }
    for (auto &entry : finished)
        entry.first(std::move(entry.second));
}
