#include "ExchangeSchedule.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Weight of the newest exchange in a lane's mean time: enough history to
// smooth single slow polls, short enough to follow a fleet that slows down
// within a few seconds.
constexpr double NewestWeight = 1.0 / 32;

} // namespace

ExchangeSchedule::ExchangeSchedule(int bound, int probeBound)
    : m_bound(DefaultBound)
    , m_probeBound(DefaultProbeBound)
{
    resize();
    setBound(bound);
    setProbeBound(probeBound);
}

void ExchangeSchedule::setBound(int bound)
{
    m_bound = std::clamp(bound, 1, MaxBound);
    resize();
}

void ExchangeSchedule::setProbeBound(int bound)
{
    m_probeBound = std::clamp(bound, 1, MaxBound);
    resize();
}

void ExchangeSchedule::setPollCeiling(int ceiling)
{
    m_pollCeiling = std::clamp(ceiling, 1, MaxPollCeiling);
    resize();
}

void ExchangeSchedule::setPollDemand(ExchangeLane lane, double pollsPerSecond)
{
    m_demand[laneIndex(lane)] = std::max(0.0, pollsPerSecond);
    resize();
}

int ExchangeSchedule::pollsInFlight(double pollsPerSecond, double secondsPerPoll, int floor, int ceiling)
{
    const double needed = std::ceil(2 * pollsPerSecond * secondsPerPoll);
    if (!(needed > floor)) // also when not a number
        return floor;
    return needed >= ceiling ? std::max(floor, ceiling) : int(needed);
}

void ExchangeSchedule::resize()
{
    m_laneBound[laneIndex(ExchangeLane::User)] = m_bound;
    m_laneBound[laneIndex(ExchangeLane::Probe)] = m_probeBound;
    // The ceiling holds for both lanes together: the poll lane may take what
    // the retry lane's floor leaves, the retry lane what the poll lane leaves.
    const int poll = laneIndex(ExchangeLane::Poll);
    const int retry = laneIndex(ExchangeLane::Retry);
    m_laneBound[poll] = pollsInFlight(m_demand[poll], m_meanMs[poll] / 1000, m_bound, m_pollCeiling - retryFloor());
    m_laneBound[retry] =
        pollsInFlight(m_demand[retry], m_meanMs[retry] / 1000, retryFloor(), m_pollCeiling - m_laneBound[poll]);
}

int ExchangeSchedule::totalBound() const
{
    int total = 0;
    for (const int bound : m_laneBound)
        total += bound;
    return total;
}

ExchangeSchedule::Id ExchangeSchedule::add(const Ticket &ticket)
{
    const Id id = m_nextId++;
    m_waiting[laneIndex(ticket.lane)].append({id, ticket});
    if (ticket.owner)
        ++m_waitingOf[ticket.owner];
    if (!ticket.key.isEmpty())
        ++m_waitingKeys[ticket.key];
    if (holdsKeys(ticket.lane) && ticket.owner && !ticket.key.isEmpty()) {
        m_userHolds[ticket.key].insert(ticket.owner);
        m_ownerKeys[ticket.owner].insert(ticket.key);
    }
    return id;
}

bool ExchangeSchedule::canStart(const Ticket &ticket) const
{
    if (m_running[laneIndex(ticket.lane)] >= laneBound(ticket.lane))
        return false;
    if (ticket.key.isEmpty())
        return true;
    if (m_busy.contains(ticket.key))
        return false;
    return holdsKeys(ticket.lane) || !m_userHolds.contains(ticket.key);
}

int ExchangeSchedule::waitingCount() const
{
    int count = 0;
    for (const QList<Entry> &waiting : m_waiting)
        count += waiting.size();
    return count;
}

void ExchangeSchedule::start(int lane, int waitingIndex, QVector<Id> &started)
{
    const Entry entry = m_waiting[lane].takeAt(waitingIndex);
    if (entry.ticket.owner) {
        const auto owner = m_waitingOf.find(entry.ticket.owner);
        if (owner != m_waitingOf.end() && --*owner <= 0)
            m_waitingOf.erase(owner);
    }
    forgetWaitingKey(entry.ticket.key);
    m_runningTickets.insert(entry.id, {entry.ticket, monotonicNs()});
    ++m_running[laneIndex(entry.ticket.lane)];
    if (!entry.ticket.key.isEmpty())
        m_busy.insert(entry.ticket.key);
    started.append(entry.id);
}

void ExchangeSchedule::forgetWaitingKey(const QString &key)
{
    const auto found = m_waitingKeys.find(key);
    if (found != m_waitingKeys.end() && --*found <= 0)
        m_waitingKeys.erase(found);
}

QVector<ExchangeSchedule::Id> ExchangeSchedule::takeStartable()
{
    QVector<Id> started;
    for (auto it = m_continuations.cbegin(); it != m_continuations.cend(); ++it) {
        // Most polls that end have no next exchange waiting for their clock:
        // no scan of the waiting polls for them.
        if (!m_waitingOf.contains(it.value()) || !m_waitingKeys.contains(it.key()))
            continue;
        // The owner's first waiting exchange for the key, whatever its lane.
        int foundLane = -1;
        int foundIndex = -1;
        Id foundId = 0;
        for (int lane = 0; lane < LaneCount; ++lane) {
            const QList<Entry> &waiting = m_waiting[lane];
            for (int i = 0; i < waiting.size(); ++i) {
                const Entry &entry = waiting.at(i);
                if (entry.ticket.owner == it.value() && entry.ticket.key == it.key()) {
                    if (foundLane < 0 || entry.id < foundId) {
                        foundLane = lane;
                        foundIndex = i;
                        foundId = entry.id;
                    }
                    break;
                }
            }
        }
        if (foundLane >= 0 && canStart(m_waiting[foundLane].at(foundIndex).ticket))
            start(foundLane, foundIndex, started);
    }
    m_continuations.clear();

    for (const ExchangeLane lane : {ExchangeLane::User, ExchangeLane::Probe, ExchangeLane::Poll, ExchangeLane::Retry}) {
        const int index = laneIndex(lane);
        QList<Entry> &waiting = m_waiting[index];
        for (int i = 0; i < waiting.size() && m_running[index] < laneBound(lane);) {
            if (canStart(waiting.at(i).ticket))
                start(index, i, started);
            else
                ++i;
        }
    }
    return started;
}

void ExchangeSchedule::finish(Id id)
{
    const auto found = m_runningTickets.constFind(id);
    if (found == m_runningTickets.constEnd())
        return;
    const Ticket ticket = found->ticket;
    const int lane = laneIndex(ticket.lane);
    const double tookMs = (monotonicNs() - found->startedNs) / 1e6;
    m_runningTickets.erase(found);
    --m_running[lane];
    if (ticket.lane == ExchangeLane::Poll || ticket.lane == ExchangeLane::Retry) {
        m_meanMs[lane] = m_meanMs[lane] == 0 ? tookMs : m_meanMs[lane] + NewestWeight * (tookMs - m_meanMs[lane]);
        resize();
    }
    if (ticket.key.isEmpty())
        return;
    m_busy.remove(ticket.key);
    if (ticket.owner)
        m_continuations.insert(ticket.key, ticket.owner);
}

QVector<ExchangeSchedule::Id> ExchangeSchedule::withdraw(const void *owner)
{
    QVector<Id> dropped;
    if (!owner)
        return dropped;
    if (m_waitingOf.remove(owner) > 0) {
        for (QList<Entry> &waiting : m_waiting) {
            for (int i = waiting.size() - 1; i >= 0; --i) {
                if (waiting.at(i).ticket.owner != owner)
                    continue;
                forgetWaitingKey(waiting.at(i).ticket.key);
                dropped.append(waiting.takeAt(i).id);
            }
        }
        // In the order they were added.
        std::sort(dropped.begin(), dropped.end());
    }
    const QSet<QString> keys = m_ownerKeys.take(owner);
    for (const QString &key : keys) {
        auto holders = m_userHolds.find(key);
        if (holders == m_userHolds.end())
            continue;
        holders->remove(owner);
        if (holders->isEmpty())
            m_userHolds.erase(holders);
    }
    for (auto it = m_continuations.begin(); it != m_continuations.end();) {
        if (it.value() == owner)
            it = m_continuations.erase(it);
        else
            ++it;
    }
    return dropped;
}
