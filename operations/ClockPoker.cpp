#include "ClockPoker.h"

#include "ClockRegistry.h"
#include "Communication.h"
#include "DevClock.h"
#include "GetStatusSender.h"
#include "SenderTarget.h"
#include "WorkerThreadPool.h"

#include <QHostAddress>
#include <QSet>
#include <QVector>

#include <algorithm>
#include <iterator>

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

qint64 ClockPoker::age(const DevClock &clock, Record &record, qint64 nowMs)
{
    const QDateTime &last = clock.status.lastStatusUpdate;
    if (!last.isValid())
        return -1;
    // Converting a local time asks the C library for the time zone, a file
    // lookup each time; a scan of a thousand clocks ten times a second made
    // that a quarter of a core. Two local times compare without it.
    if (record.seenUpdate != last) {
        record.seenUpdate = last;
        record.countedMs = record.failed && record.failedEnded == last ? record.failedStartedMs
                                                                       : last.toMSecsSinceEpoch();
    }
    return (nowMs - record.countedMs) / 1000;
}

ClockPoker::Kind ClockPoker::kindOf(const DevClock &clock, const Record &record)
{
    if (isUnreachable(clock))
        return Kind::Unreachable;
    return record.failed ? Kind::Failing : Kind::Answering;
}

void ClockPoker::onClockTimeout()
{
    scan(true);
}

void ClockPoker::scanSoon()
{
    if (m_scanQueued)
        return;
    m_scanQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_scanQueued = false;
        scan(false);
    });
}

void ClockPoker::takeSnapshot(const QList<DevClock *> &clocks)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const int dueAfter = qMin(m_dueAfterSeconds, m_unreachableMaxAgeSeconds);
    m_candidates.clear();
    m_candidates.reserve(clocks.size());
    std::fill(std::begin(m_dueCount), std::end(m_dueCount), 0);
    for (DevClock *clock : clocks) {
        Record &record = m_records[clock->id];
        if (record.inFlight) {
            m_candidates.push_back({clock, record.pollKind, 0, true});
            continue;
        }
        const Candidate candidate{clock, kindOf(*clock, record), age(*clock, record, now), false};
        if (candidate.age < 0 || candidate.age > dueAfter)
            ++m_dueCount[int(candidate.kind)];
        m_candidates.push_back(candidate);
    }
    m_snapshotClocks = clocks;

    // Records of removed clocks; one whose poll still runs goes when it ends.
    if (m_records.size() > clocks.size() + pollsInFlight()) {
        QSet<quint64> listed;
        listed.reserve(clocks.size());
        for (const DevClock *clock : clocks)
            listed.insert(clock->id);
        for (auto it = m_records.begin(); it != m_records.end();) {
            if (!it->inFlight && !listed.contains(it.key()))
                it = m_records.erase(it);
            else
                ++it;
        }
    }
}

void ClockPoker::scan(bool freshSnapshot)
{
    const QList<DevClock *> clocks = ClockRegistry::instance()->clocks();
    if (clocks.isEmpty())
        return;
    // Polls end in bursts, as clocks polled together fall due together, and
    // each end in a full lane asks for a scan. Those scans share the tick's
    // snapshot: a clock that falls due in between waits for the next tick,
    // as it would with room in its lane. A changed list may have lost clocks
    // the snapshot points to.
    if (freshSnapshot || clocks != m_snapshotClocks)
        takeSnapshot(clocks);
    const int bound = WorkerThreadPool::instance()->bound();
    const int retryBound = WorkerThreadPool::instance()->schedule().retryBound();
    pokeDue(Kind::Unreachable, m_unreachableMaxAgeSeconds, overdueUnreachableLimit(retryBound), m_unreachableCursor);
    pokeDue(Kind::Failing, m_dueAfterSeconds, retryBound, m_failingCursor);
    pokeDue(Kind::Answering, m_dueAfterSeconds, bound, m_cursor);
    pokeDue(Kind::Unreachable, m_dueAfterSeconds, unreachableLimit(retryBound), m_unreachableCursor);
}

void ClockPoker::pokeDue(Kind kind, int minimumAge, int limit, int &cursor)
{
    const ExchangeSchedule &schedule = WorkerThreadPool::instance()->schedule();
    const int retryBound = schedule.retryBound();
    const auto full = [&] {
        const int failing = m_inFlightCount[int(Kind::Failing)] + m_inFlightCount[int(Kind::Unreachable)];
        return m_inFlightCount[int(kind)] >= limit || (kind != Kind::Answering && failing >= retryBound);
    };
    const int n = int(m_candidates.size());
    if (cursor >= n)
        cursor = NoClockPolled;
    // Most scans between ticks find nothing of most kinds due.
    if (m_dueCount[int(kind)] == 0)
        return;
    // The search starts after the clock polled last, which comes last: when
    // several clocks fall due together, none is polled twice in a row.
    const int start = cursor;
    for (int i = 1; i <= n; ++i) {
        if (full())
            return;
        const int k = (start + i) % n;
        Candidate &candidate = m_candidates[k];
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
        poke(candidate);
    }
}

void ClockPoker::poke(Candidate &candidate)
{
    DevClock *clock = candidate.clock;
    candidate.inFlight = true;
    --m_dueCount[int(candidate.kind)];
    Record &record = m_records[clock->id];
    record.inFlight = true;
    record.pollKind = candidate.kind;
    record.pollStartedMs = QDateTime::currentMSecsSinceEpoch();
    ++m_inFlightCount[int(candidate.kind)];
    DataSender *sender = Communication::instance()->getStatus({SenderTarget::fromClock(*clock)});
    sender->setLane(candidate.kind == Kind::Answering ? ExchangeLane::Poll : ExchangeLane::Retry);
    connect(sender, &DataSender::finished, this, &ClockPoker::onPokeFinished);
    connect(sender, &DataSender::error, this, &ClockPoker::onPokeFinished);
    // A poll someone cancels says nothing about the clock, but must not leave
    // the poller waiting for it for ever.
    connect(sender, &DataSender::canceled, this, &ClockPoker::onPokeCanceled);
}

bool ClockPoker::pollEnded(Record &record)
{
    if (!record.inFlight)
        return false;
    const bool answering = record.pollKind == Kind::Answering;
    const int inLane = answering
        ? m_inFlightCount[int(Kind::Answering)]
        : m_inFlightCount[int(Kind::Failing)] + m_inFlightCount[int(Kind::Unreachable)];
    const int laneBound = answering ? WorkerThreadPool::instance()->bound()
                                    : WorkerThreadPool::instance()->schedule().retryBound();
    --m_inFlightCount[int(record.pollKind)];
    record.inFlight = false;
    return inLane >= laneBound;
}

void ClockPoker::onPokeCanceled(DataSender *sender)
{
    const auto record = m_records.find(sender->clockId(0));
    if (record != m_records.end() && pollEnded(*record))
        scanSoon();
}

void ClockPoker::onPokeFinished(DataSender *sender)
{
    const quint64 id = sender->clockId(0);
    const auto found = m_records.find(id);
    if (found == m_records.end())
        return;
    Record &record = *found;
    // A full lane may hold back due clocks: waiting for the next tick would
    // cap polling at ten lanes' worth a second although each clock answers in
    // about a millisecond. Otherwise every due clock already started, and
    // the tick finds the next ones.
    if (pollEnded(record))
        scanSoon();

    DevClock *clock = ClockRegistry::instance()->clockById(id);
    if (!clock) {
        m_records.erase(found);
        return;
    }
    // One local time per poll, for the same reason as in age().
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(nowMs);
    clock->status.lastStatusUpdate = now;
    auto *status = qobject_cast<GetStatusSender *>(sender);
    bool answered = false;
    if (status && status->result() == DataSender::Succeeded && !status->replies().isEmpty()) {
        answered = clock->parseStatus(QString::fromUtf8(status->replies().constFirst()), NoStatusCode, now);
    } else {
        const QVector<Error> errors = status ? status->errors() : QVector<Error>();
        const bool refused = !errors.isEmpty() && errors.constFirst() == AuthorizationError;
        clock->setNtpStatus(refused ? NtpNoAuthentication : NtpNoConnection);
    }
    record.failed = !(status && status->result() == DataSender::Succeeded);
    if (record.failed) {
        record.failedEnded = now;
        record.failedStartedMs = record.pollStartedMs;
    }
    record.seenUpdate = now;
    record.countedMs = record.failed ? record.pollStartedMs : nowMs;
    emit PollFinished(id, answered);
    emit ClockStatusUpdated(id);
}
