#include "operations/ClockPoker.h"

#include "health/HealthWriter.h"
#include "model/ClockRegistry.h"
#include "transport/CommandWWW.h"
#include "model/DevClock.h"
#include "operations/Communication.h"
#include "transport/WorkerThreadPool.h"
#include "transport/HttpExchange.h"

#include <QPointer>
#include <QSet>

#include <algorithm>
#include <limits>

namespace {

// A failed poll still counts as an update: the clock is retried after the due
// interval, not at once.
const int NoStatusCode = 0;
const qint64 NeverUpdated = std::numeric_limits<qint64>::min();
const qint64 NoWake = std::numeric_limits<qint64>::max();

// Retry slots unreachable clocks may hold at once: half of them while they
// merely fall due, so that clocks failing their first polls find room; up to
// three quarters for those whose status grows too old. At least one either
// way.
int unreachableLimit(int bound)
{
    return qMax(1, bound / 2);
}

int overdueUnreachableLimit(int bound)
{
    return qMax(1, bound - qMax(1, bound / 4));
}

const QString &statusPath()
{
    static const QString path = CommandWWW::path(ReadStatus);
    return path;
}

} // namespace

ClockPoker::ClockPoker(ClockRegistry &registry, HealthWriter &health, Communication &exchanges, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_health(health)
    , m_workers(exchanges.workers())
{
    // A coarse timer may fire 5 % late: half a second on an 11 s pace.
    m_wakeTimer.setSingleShot(true);
    m_wakeTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_wakeTimer, &QTimer::timeout, this, &ClockPoker::startDue);
    m_listTimer.setInterval(ListCheckMs);
    connect(&m_listTimer, &QTimer::timeout, this, [this] {
        // Counting every clock's kind after each poll cost more than the
        // poll; the lanes follow the demand within a tick.
        if (m_demandChanged)
            reportDemand();
        if (!m_held.empty())
            startDue();
    });
    m_listTimer.start();
    connect(&registry, &ClockRegistry::clockAdded, this, &ClockPoker::onClockAdded);
    connect(&registry, &ClockRegistry::clockAboutToBeRemoved, this, &ClockPoker::onListRenumbered);
    connect(&registry, &ClockRegistry::aboutToBeCleared, this, &ClockPoker::onListRenumbered);
    // After the caller's setters.
    startSoon();
}

ClockPoker::~ClockPoker()
{
    m_workers.withdraw(this);
}

void ClockPoker::setDueAfterSeconds(int seconds)
{
    m_dueAfterSeconds = seconds;
    m_demandChanged = true;
    startSoon();
}

void ClockPoker::setUnreachableMaxAgeSeconds(int seconds)
{
    m_unreachableMaxAgeSeconds = seconds;
    m_demandChanged = true;
    startSoon();
}

qint64 ClockPoker::countedMs(const DevClock &clock, Record &record)
{
    const QDateTime &last = clock.status.lastStatusUpdate;
    if (!last.isValid())
        return NeverUpdated;
    // Converting a local time asks the C library for the time zone, a file
    // lookup each time. Two local times compare without it.
    if (record.seenUpdate != last) {
        record.seenUpdate = last;
        record.countedMs = record.failed && record.failedEnded == last ? record.failedStartedMs
                                                                       : last.toMSecsSinceEpoch();
    }
    return record.countedMs;
}

ClockPoker::Kind ClockPoker::kindOf(const DevClock &clock, const Record &record) const
{
    if (m_health.of(clock).isDead())
        return Kind::Unreachable;
    return record.failed ? Kind::Failing : Kind::Answering;
}

void ClockPoker::startSoon()
{
    if (m_startQueued)
        return;
    m_startQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_startQueued = false;
        startDue();
    });
}

void ClockPoker::rebuild(const QList<DevClock *> &clocks)
{
    for (Queue &queue : m_queues)
        queue.clear();
    m_held.clear();
    QSet<quint64> listed;
    listed.reserve(clocks.size());
    for (int i = 0; i < clocks.size(); ++i) {
        DevClock *clock = clocks.at(i);
        listed.insert(clock->id);
        Record &record = m_records[clock->id];
        record.clock = clock;
        record.index = i;
        if (!record.inFlight)
            enqueue(clock->id, record);
    }
    // Records of removed clocks; one whose poll still runs goes when it ends.
    for (auto it = m_records.begin(); it != m_records.end();) {
        if (!it->inFlight && !listed.contains(it.key()))
            it = m_records.erase(it);
        else
            ++it;
    }
    m_listChanged = false;
    m_demandChanged = true;
}

void ClockPoker::onClockAdded(int index)
{
    DevClock *clock = m_registry.clockAt(index);
    if (!m_listChanged && clock && index == m_registry.clockCount() - 1) {
        Record &record = m_records[clock->id];
        record.clock = clock;
        record.index = index;
        if (!record.inFlight)
            enqueue(clock->id, record);
        m_demandChanged = true;
    } else {
        m_listChanged = true;
    }
    startSoon();
}

void ClockPoker::onListRenumbered()
{
    // Before the clocks go: from now on no record's pointer is used.
    m_listChanged = true;
    startSoon();
}

void ClockPoker::enqueue(quint64 id, Record &record)
{
    const Kind before = record.kind;
    record.kind = kindOf(*record.clock, record);
    if (record.kind != before)
        m_demandChanged = true;
    Queue &queue = m_queues[int(record.kind)];
    queue.push_back({countedMs(*record.clock, record), record.index, id});
    std::push_heap(queue.begin(), queue.end(), Later());
}

qint64 ClockPoker::dueMs(const Waiting &waiting, int minimumAge) const
{
    if (waiting.countedMs == NeverUpdated)
        return NeverUpdated;
    // More than minimumAge whole seconds: (now - counted) / 1000 > minimumAge.
    return waiting.countedMs + (qint64(minimumAge) + 1) * 1000;
}

bool ClockPoker::laneFull(Kind kind, int limit) const
{
    if (m_inFlightCount[int(kind)] >= limit)
        return true;
    if (kind == Kind::Answering)
        return false;
    const int retrying = m_inFlightCount[int(Kind::Failing)] + m_inFlightCount[int(Kind::Unreachable)];
    return retrying >= m_workers.schedule().retryBound();
}

void ClockPoker::startDue()
{
    // A changed list may have lost clocks the records point to.
    if (listChanged())
        rebuild(m_registry.clocks());
    // Clocks a user held wait their turn again.
    for (const Waiting &held : m_held) {
        Queue &queue = m_queues[int(m_records[held.id].kind)];
        queue.push_back(held);
        std::push_heap(queue.begin(), queue.end(), Later());
    }
    m_held.clear();

    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const ExchangeSchedule &schedule = m_workers.schedule();
    const int retryBound = schedule.retryBound();
    pokeDue(Kind::Unreachable, m_unreachableMaxAgeSeconds, overdueUnreachableLimit(retryBound), now);
    pokeDue(Kind::Failing, m_dueAfterSeconds, retryBound, now);
    pokeDue(Kind::Answering, m_dueAfterSeconds, schedule.laneBound(ExchangeLane::Poll), now);
    pokeDue(Kind::Unreachable, m_dueAfterSeconds, unreachableLimit(retryBound), now);
    if (m_demandChanged && m_reportedDemand[0] < 0)
        reportDemand();
    armTimer(now);
}

void ClockPoker::pokeDue(Kind kind, int minimumAge, int limit, qint64 nowMs)
{
    const ExchangeSchedule &schedule = m_workers.schedule();
    Queue &queue = m_queues[int(kind)];
    while (!queue.empty() && !laneFull(kind, limit)) {
        std::pop_heap(queue.begin(), queue.end(), Later());
        const Waiting waiting = queue.back();
        queue.pop_back();
        const auto found = m_records.find(waiting.id);
        if (found == m_records.end() || found->inFlight)
            continue;
        Record &record = *found;
        // Someone else may have updated the clock since it was queued (a
        // user's operation), or its alert fell due: queue it anew.
        if (kindOf(*record.clock, record) != kind || countedMs(*record.clock, record) != waiting.countedMs) {
            enqueue(waiting.id, record);
            continue;
        }
        if (dueMs(waiting, minimumAge) > nowMs) {
            queue.push_back(waiting);
            std::push_heap(queue.begin(), queue.end(), Later());
            return;
        }
        // A user's operation has this clock: its poll would only wait.
        seeAddress(record);
        if (schedule.isHeldForUser(record.key)) {
            m_held.push_back(waiting);
            continue;
        }
        // A round ends when a clock would be polled a second time in it.
        if (kind == Kind::Answering && record.round == m_round) {
            ++m_round;
            emit PollRoundStarted();
        }
        if (kind == Kind::Answering)
            record.round = m_round;
        poke(waiting.id, record, nowMs);
    }
}

void ClockPoker::armTimer(qint64 nowMs)
{
    const int retryBound = m_workers.schedule().retryBound();
    qint64 wake = NoWake;
    const auto consider = [&](Kind kind, int minimumAge, int limit) {
        const Queue &queue = m_queues[int(kind)];
        if (!queue.empty() && !laneFull(kind, limit))
            wake = qMin(wake, dueMs(queue.front(), minimumAge));
    };
    consider(Kind::Answering, m_dueAfterSeconds, m_workers.schedule().laneBound(ExchangeLane::Poll));
    consider(Kind::Failing, m_dueAfterSeconds, retryBound);
    if (!laneFull(Kind::Unreachable, unreachableLimit(retryBound)))
        consider(Kind::Unreachable, m_dueAfterSeconds, unreachableLimit(retryBound));
    else
        consider(Kind::Unreachable, m_unreachableMaxAgeSeconds, overdueUnreachableLimit(retryBound));
    // A full lane wakes the poller when one of its polls ends.
    if (wake == NoWake) {
        m_wakeTimer.stop();
        return;
    }
    m_wakeTimer.start(wake <= nowMs ? 0 : int(qMin<qint64>(wake - nowMs, 24 * 3600 * 1000)));
}

void ClockPoker::seeAddress(Record &record)
{
    const QString &ip = record.clock->network.ip;
    if (record.address == ip && !record.key.isNull())
        return;
    record.address = ip;
    record.remote = QHostAddress(ip);
    // The key every other exchange with this address is scheduled under.
    record.key = record.remote.toString();
}

void ClockPoker::poke(quint64 id, Record &record, qint64 nowMs)
{
    const DevClock &clock = *record.clock;
    record.inFlight = true;
    record.pollStartedMs = nowMs;
    ++m_inFlightCount[int(record.kind)];
    if (!HttpExchange::isClockAddress(record.remote, statusPath())) {
        // Ends as a poll that could not connect, later, as every poll ends.
        QMetaObject::invokeMethod(
            this, [this, id] { onPollDone(id, ConnectionError, QByteArray()); }, Qt::QueuedConnection);
        return;
    }
    if (record.request.isNull() || record.user != clock.user || record.password != clock.password) {
        if (m_lastRequest.isNull() || m_lastUser != clock.user || m_lastPassword != clock.password) {
            m_lastUser = clock.user;
            m_lastPassword = clock.password;
            m_lastRequest = HttpExchange::buildRequestHead(statusPath(), clock.user, clock.password, 0);
        }
        record.user = clock.user;
        record.password = clock.password;
        record.request = m_lastRequest;
    }
    const ExchangeLane lane = record.kind == Kind::Answering ? ExchangeLane::Poll : ExchangeLane::Retry;
    const HttpExchange::Waits waits = m_workers.waits();
    const QPointer<ClockPoker> guard(this);
    m_workers.startOnLoop(
        record.key, lane, this,
        HttpExchange::loopRequest(record.remote, clock.networkInterface.ip, record.request, waits),
        [guard, id, waits](ExchangeLoop::Outcome &&outcome) {
            if (guard)
                guard->onPollDone(id, HttpExchange::judge(outcome, waits).code, outcome.reply);
        });
}

void ClockPoker::pollEnded(Record &record)
{
    --m_inFlightCount[int(record.kind)];
    record.inFlight = false;
    // Its lane has room now: the next due clock need not wait for a timer.
    startSoon();
}

void ClockPoker::onPollDone(quint64 id, Error code, const QByteArray &reply)
{
    const auto found = m_records.find(id);
    if (found == m_records.end() || !found->inFlight)
        return;
    Record &record = *found;
    pollEnded(record);

    DevClock *clock = m_registry.clockById(id);
    if (!clock) {
        m_records.erase(found);
        return;
    }
    // One local time per poll, for the same reason as in countedMs().
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(nowMs);
    clock->status.lastStatusUpdate = now;
    PollOutcome outcome{clock->network.ip, code, -1, now};
    bool answered = false;
    if (code == NoError)
        answered = clock->parseStatus(QString::fromUtf8(reply), NoStatusCode, now, &outcome.ntpWord);
    else
        clock->status.NtpSynchronization = ClockHealth::failedPollState(code);
    m_health.pollEnded(id, outcome);
    record.failed = code != NoError;
    if (record.failed) {
        record.failedEnded = now;
        record.failedStartedMs = record.pollStartedMs;
    }
    record.seenUpdate = now;
    record.countedMs = record.failed ? record.pollStartedMs : nowMs;
    // Queued only while the list is the one its record points into; a
    // changed list queues every clock anew.
    if (!listChanged())
        enqueue(id, record);
    m_registry.announceClockChanged(clock);
    emit PollFinished(id, answered);
    emit ClockStatusUpdated(id);
}

void ClockPoker::reportDemand()
{
    m_demandChanged = false;
    int count[KindCount] = {0, 0, 0};
    for (const Record &record : qAsConst(m_records))
        ++count[int(record.kind)];
    // Polls per second each lane must start: a clock every due interval, and
    // one that stopped answering at least every unreachable limit.
    const double pace = qMax(1, m_dueAfterSeconds + 1);
    const double slowPace = qMax(1, m_unreachableMaxAgeSeconds + 1);
    const double demand[2] = {count[int(Kind::Answering)] / pace,
                              count[int(Kind::Failing)] / pace + count[int(Kind::Unreachable)] / slowPace};
    const ExchangeLane lanes[2] = {ExchangeLane::Poll, ExchangeLane::Retry};
    for (int i = 0; i < 2; ++i) {
        if (demand[i] != m_reportedDemand[i]) {
            m_reportedDemand[i] = demand[i];
            m_workers.setPollDemand(lanes[i], demand[i]);
        }
    }
}
