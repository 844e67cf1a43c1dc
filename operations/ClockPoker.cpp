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

// Slots unreachable clocks may hold at once: half of them while they merely
// fall due, so that answering clocks due together find room; up to three
// quarters for those whose status grows too old. At least one either way.
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

qint64 ClockPoker::age(const DevClock &clock, const QDateTime &now) const
{
    QDateTime last = clock.status.lastStatusUpdate;
    if (!last.isValid())
        return -1;
    const auto failed = m_failedPolls.constFind(clock.id);
    if (failed != m_failedPolls.constEnd() && failed->ended == last)
        last = failed->started;
    return last.secsTo(now);
}

void ClockPoker::onClockTimeout()
{
    const int bound = WorkerThreadPool::instance()->bound();
    if (m_inFlight.size() >= bound)
        return;
    const QList<DevClock *> clocks = ClockRegistry::instance()->clocks();
    if (clocks.isEmpty())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    pokeDue(clocks, true, m_unreachableMaxAgeSeconds, overdueUnreachableLimit(bound), m_unreachableCursor, now);
    pokeDue(clocks, false, m_dueAfterSeconds, bound, m_cursor, now);
    pokeDue(clocks, true, m_dueAfterSeconds, unreachableLimit(bound), m_unreachableCursor, now);
}

void ClockPoker::pokeDue(const QList<DevClock *> &clocks, bool unreachable, int minimumAge, int limit,
                         int &cursor, const QDateTime &now)
{
    const int bound = WorkerThreadPool::instance()->bound();
    const ExchangeSchedule &schedule = WorkerThreadPool::instance()->schedule();
    const int n = clocks.size();
    if (cursor >= n)
        cursor = NoClockPolled;
    // The search starts after the clock polled last, which comes last: when
    // several clocks fall due together, none is polled twice in a row.
    const int start = cursor;
    for (int i = 1; i <= n; ++i) {
        if (m_inFlight.size() >= bound || (unreachable && m_unreachableInFlight >= limit))
            return;
        const int k = (start + i) % n;
        DevClock *clock = clocks.at(k);
        if (isUnreachable(*clock) != unreachable || m_inFlight.contains(clock->id))
            continue;
        const qint64 seconds = age(*clock, now);
        if (seconds >= 0 && seconds <= minimumAge)
            continue;
        // A user's operation has this clock: its poll would only wait.
        if (schedule.isHeldForUser(QHostAddress(clock->network.ip).toString()))
            continue;
        if (!unreachable && (k <= cursor || cursor == NoClockPolled))
            emit PollRoundStarted();
        cursor = k;
        poke(clock, unreachable);
    }
}

void ClockPoker::poke(DevClock *clock, bool unreachable)
{
    m_inFlight.insert(clock->id, QDateTime::currentDateTime());
    m_inFlightUnreachable.insert(clock->id, unreachable);
    if (unreachable)
        ++m_unreachableInFlight;
    DataSender *sender = Communication::instance()->getStatus({SenderTarget::fromClock(*clock)});
    sender->setLane(ExchangeLane::Poll);
    connect(sender, &DataSender::finished, this, &ClockPoker::onPokeFinished);
    connect(sender, &DataSender::error, this, &ClockPoker::onPokeFinished);
    // A poll someone cancels says nothing about the clock, but must not leave
    // the poller waiting for it for ever.
    connect(sender, &DataSender::canceled, this, &ClockPoker::onPokeCanceled);
}

void ClockPoker::onPokeCanceled(DataSender *sender)
{
    const quint64 id = sender->clockId(0);
    m_inFlight.remove(id);
    if (m_inFlightUnreachable.take(id))
        --m_unreachableInFlight;
    QTimer::singleShot(0, this, &ClockPoker::onClockTimeout);
}

void ClockPoker::onPokeFinished(DataSender *sender)
{
    const quint64 id = sender->clockId(0);
    const QDateTime started = m_inFlight.take(id);
    if (m_inFlightUnreachable.take(id))
        --m_unreachableInFlight;
    // With many clocks, waiting for the next tick would cap polling at ten
    // clocks a second although each answers in about a millisecond.
    QTimer::singleShot(0, this, &ClockPoker::onClockTimeout);

    DevClock *clock = ClockRegistry::instance()->clockById(id);
    if (!clock) {
        m_failedPolls.remove(id);
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
