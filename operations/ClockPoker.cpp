#include "ClockPoker.h"

#include "ClockRegistry.h"
#include "Communication.h"
#include "DevClock.h"
#include "GetStatusSender.h"
#include "SenderTarget.h"
#include "WorkerThreadPool.h"

#include <QHostAddress>

namespace {

// A failed poll still counts as an update: the clock is retried after the due
// interval, not at once.
const int NoStatusCode = 0;
// The cursor before the first poll, so that the first search starts at clock 0.
const int NoClockPolled = -1;

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

} // namespace

ClockPoker::ClockPoker(QObject *parent)
    : QObject(parent)
{
    m_pollTimer.setInterval(DefaultTickMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &ClockPoker::onClockTimeout);
    m_pollTimer.start();
}

bool ClockPoker::isUnreachable(const DevClock &clock)
{
    return clock.status.NtpSynchronization == NtpNoConnection && clock.alertCounters[NtpNoConnection].isDue();
}

qint64 ClockPoker::age(const DevClock &clock, qint64 nowMs) const
{
    QDateTime last = clock.status.lastStatusUpdate;
    if (!last.isValid())
        return -1;
    const auto failed = m_failedPolls.constFind(clock.id);
    if (failed != m_failedPolls.constEnd() && failed->ended == last)
        last = failed->started;
    // Converting a local time asks the C library for the time zone, a file
    // lookup each time; a scan of a thousand clocks ten times a second made
    // that a quarter of a core. Two local times compare without it.
    LastUpdate &seen = m_lastUpdates[clock.id];
    if (seen.at != last)
        seen = {last, last.toMSecsSinceEpoch()};
    return (nowMs - seen.epochMs) / 1000;
}

ClockPoker::Kind ClockPoker::kindOf(const DevClock &clock) const
{
    if (isUnreachable(clock))
        return Kind::Unreachable;
    return m_failedPolls.contains(clock.id) ? Kind::Failing : Kind::Answering;
}

void ClockPoker::onClockTimeout()
{
    const QList<DevClock *> clocks = ClockRegistry::instance()->clocks();
    if (clocks.isEmpty())
        return;
    const int bound = WorkerThreadPool::instance()->bound();
    const int retryBound = WorkerThreadPool::instance()->schedule().retryBound();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    // Each clock's kind and age once per scan: with a thousand clocks the
    // four passes would otherwise convert local times four thousand times.
    QVector<Candidate> candidates;
    candidates.reserve(clocks.size());
    for (DevClock *clock : clocks) {
        if (m_inFlight.contains(clock->id))
            candidates.append({clock, Kind::Answering, 0, true});
        else
            candidates.append({clock, kindOf(*clock), age(*clock, now), false});
    }
    pokeDue(candidates, Kind::Unreachable, m_unreachableMaxAgeSeconds, overdueUnreachableLimit(retryBound),
            m_unreachableCursor);
    pokeDue(candidates, Kind::Failing, m_dueAfterSeconds, retryBound, m_failingCursor);
    pokeDue(candidates, Kind::Answering, m_dueAfterSeconds, bound, m_cursor);
    pokeDue(candidates, Kind::Unreachable, m_dueAfterSeconds, unreachableLimit(retryBound), m_unreachableCursor);
}

void ClockPoker::pokeDue(QVector<Candidate> &candidates, Kind kind, int minimumAge, int limit, int &cursor)
{
    const ExchangeSchedule &schedule = WorkerThreadPool::instance()->schedule();
    const int retryBound = schedule.retryBound();
    const auto full = [&] {
        const int failing = m_inFlightCount[int(Kind::Failing)] + m_inFlightCount[int(Kind::Unreachable)];
        return m_inFlightCount[int(kind)] >= limit || (kind != Kind::Answering && failing >= retryBound);
    };
    const int n = candidates.size();
    if (cursor >= n)
        cursor = NoClockPolled;
    // The search starts after the clock polled last, which comes last: when
    // several clocks fall due together, none is polled twice in a row.
    const int start = cursor;
    for (int i = 1; i <= n; ++i) {
        if (full())
            return;
        const int k = (start + i) % n;
        Candidate &candidate = candidates[k];
        if (candidate.inFlight || candidate.kind != kind)
            continue;
        if (candidate.age >= 0 && candidate.age <= minimumAge)
            continue;
        // A user's operation has this clock: its poll would only wait.
        if (schedule.isHeldForUser(QHostAddress(candidate.clock->network.ip).toString()))
            continue;
        if (kind == Kind::Answering && (k <= cursor || cursor == NoClockPolled))
            emit PollRoundStarted();
        cursor = k;
        candidate.inFlight = true;
        poke(candidate.clock, kind);
    }
}

void ClockPoker::poke(DevClock *clock, Kind kind)
{
    m_inFlight.insert(clock->id, QDateTime::currentDateTime());
    m_inFlightKind.insert(clock->id, kind);
    ++m_inFlightCount[int(kind)];
    DataSender *sender = Communication::instance()->getStatus({SenderTarget::fromClock(*clock)});
    sender->setLane(kind == Kind::Answering ? ExchangeLane::Poll : ExchangeLane::Retry);
    connect(sender, &DataSender::finished, this, &ClockPoker::onPokeFinished);
    connect(sender, &DataSender::error, this, &ClockPoker::onPokeFinished);
    // A poll someone cancels says nothing about the clock, but must not leave
    // the poller waiting for it for ever.
    connect(sender, &DataSender::canceled, this, &ClockPoker::onPokeCanceled);
}

bool ClockPoker::pollEnded(quint64 id)
{
    const auto kind = m_inFlightKind.constFind(id);
    if (kind == m_inFlightKind.constEnd())
        return false;
    const bool answering = kind.value() == Kind::Answering;
    const int inLane = answering
        ? m_inFlightCount[int(Kind::Answering)]
        : m_inFlightCount[int(Kind::Failing)] + m_inFlightCount[int(Kind::Unreachable)];
    const int laneBound = answering ? WorkerThreadPool::instance()->bound()
                                    : WorkerThreadPool::instance()->schedule().retryBound();
    --m_inFlightCount[int(kind.value())];
    m_inFlightKind.erase(kind);
    return inLane >= laneBound;
}

void ClockPoker::onPokeCanceled(DataSender *sender)
{
    const quint64 id = sender->clockId(0);
    m_inFlight.remove(id);
    if (pollEnded(id))
        QTimer::singleShot(0, this, &ClockPoker::onClockTimeout);
}

void ClockPoker::onPokeFinished(DataSender *sender)
{
    const quint64 id = sender->clockId(0);
    const QDateTime started = m_inFlight.take(id);
    // A full lane may hold back due clocks: waiting for the next tick would
    // cap polling at ten lanes' worth a second although each clock answers in
    // about a millisecond. Otherwise every due clock already started, and
    // the tick finds the next ones.
    if (pollEnded(id))
        QTimer::singleShot(0, this, &ClockPoker::onClockTimeout);

    DevClock *clock = ClockRegistry::instance()->clockById(id);
    if (!clock) {
        m_failedPolls.remove(id);
        m_lastUpdates.remove(id);
        return;
    }
    clock->status.lastStatusUpdate = QDateTime::currentDateTime();
    auto *status = qobject_cast<GetStatusSender *>(sender);
    bool answered = false;
    if (status && status->result() == DataSender::Succeeded && !status->replies().isEmpty()) {
        answered = clock->parseStatus(QString::fromUtf8(status->replies().constFirst()), NoStatusCode);
    } else {
        const QVector<Error> errors = status ? status->errors() : QVector<Error>();
        const bool refused = !errors.isEmpty() && errors.constFirst() == AuthorizationError;
        clock->setNtpStatus(refused ? NtpNoAuthentication : NtpNoConnection);
    }
    if (status && status->result() == DataSender::Succeeded)
        m_failedPolls.remove(id);
    else
        m_failedPolls.insert(id, {started, clock->status.lastStatusUpdate});
    emit PollFinished(id, answered);
    emit ClockStatusUpdated(id);
}
