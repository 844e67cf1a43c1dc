#include "transport/ExchangeSchedule.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iterator>

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
    // Sized once for the polls in flight: a fleet's polls never rehash it.
    m_runningTickets.reserve(DefaultPollCeiling);
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
    KeyState *state = ticket.key.isEmpty() ? nullptr : &m_keys[ticket.key];
    if (state)
        ++state->waiting;
    m_waiting[laneIndex(ticket.lane)].push_back({id, ticket, state});
    if (ticket.owner)
        ++m_waitingOf[ticket.owner];
    if (holdsKeys(ticket.lane) && ticket.owner && !ticket.key.isEmpty()) {
        m_userHolds[ticket.key].insert(ticket.owner);
        m_ownerKeys[ticket.owner].insert(ticket.key);
    }
    return id;
}

bool ExchangeSchedule::isBusy(const QString &key) const
{
    const auto found = m_keys.find(key);
    return found != m_keys.end() && found->second.busy;
}

ExchangeSchedule::KeyState *ExchangeSchedule::keyState(const QString &key)
{
    if (key.isEmpty())
        return nullptr;
    const auto found = m_keys.find(key);
    return found == m_keys.end() ? nullptr : &found->second;
}

bool ExchangeSchedule::canStart(const Ticket &ticket, const KeyState *state) const
{
    if (m_running[laneIndex(ticket.lane)] >= laneBound(ticket.lane))
        return false;
    if (ticket.key.isEmpty())
        return true;
    if (state && state->busy)
        return false;
    return holdsKeys(ticket.lane) || !m_userHolds.contains(ticket.key);
}

int ExchangeSchedule::waitingCount() const
{
    int count = 0;
    for (const std::deque<Entry> &waiting : m_waiting)
        count += int(waiting.size());
    return count;
}

void ExchangeSchedule::start(int lane, int waitingIndex, QVector<Id> &started)
{
    std::deque<Entry> &waiting = m_waiting[lane];
    const auto at = waiting.begin() + waitingIndex;
    Entry entry = std::move(*at);
    waiting.erase(at);
    if (entry.ticket.owner) {
        const auto owner = m_waitingOf.find(entry.ticket.owner);
        if (owner != m_waitingOf.end() && --*owner <= 0)
            m_waitingOf.erase(owner);
    }
    if (entry.state) {
        --entry.state->waiting;
        entry.state->busy = true;
    }
    ++m_running[laneIndex(entry.ticket.lane)];
    started.append(entry.id);
    m_runningTickets.emplace(entry.id, Running{std::move(entry.ticket), monotonicNs(), entry.state});
}

void ExchangeSchedule::sweepIdleKeys()
{
    for (auto it = m_keys.begin(); it != m_keys.end();)
        it = isIdle(it->second) ? m_keys.erase(it) : std::next(it);
    m_endsSinceSweep = 0;
}

QVector<ExchangeSchedule::Id> ExchangeSchedule::takeStartable()
{
    QVector<Id> started;
    for (const QString &key : m_continued) {
        KeyState *state = keyState(key);
        if (!state || !state->continuation)
            continue; // withdrawn
        const void *continuing = state->continuation;
        state->continuation = nullptr;
        // Most polls that end have no next exchange waiting for their clock:
        // no scan of the waiting polls for them.
        if (!state->waiting || !m_waitingOf.contains(continuing))
            continue;
        // The owner's first waiting exchange for the key, whatever its lane.
        int foundLane = -1;
        int foundIndex = -1;
        Id foundId = 0;
        for (int lane = 0; lane < LaneCount; ++lane) {
            const std::deque<Entry> &waiting = m_waiting[lane];
            for (int i = 0; i < int(waiting.size()); ++i) {
                const Entry &entry = waiting[size_t(i)];
                if (entry.ticket.owner == continuing && entry.ticket.key == key) {
                    if (foundLane < 0 || entry.id < foundId) {
                        foundLane = lane;
                        foundIndex = i;
                        foundId = entry.id;
                    }
                    break;
                }
            }
        }
        if (foundLane >= 0 && canStart(m_waiting[foundLane][size_t(foundIndex)].ticket, state))
            start(foundLane, foundIndex, started);
    }
    m_continued.clear();

    for (const ExchangeLane lane : {ExchangeLane::User, ExchangeLane::Probe, ExchangeLane::Poll, ExchangeLane::Retry}) {
        const int index = laneIndex(lane);
        std::deque<Entry> &waiting = m_waiting[index];
        for (int i = 0; i < int(waiting.size()) && m_running[index] < laneBound(lane);) {
            const Entry &entry = waiting[size_t(i)];
            if (canStart(entry.ticket, entry.state))
                start(index, i, started);
            else
                ++i;
        }
    }
    return started;
}

void ExchangeSchedule::finish(Id id)
{
    const auto found = m_runningTickets.find(id);
    if (found == m_runningTickets.end())
        return;
    const Ticket ticket = std::move(found->second.ticket);
    KeyState *state = found->second.state;
    const int lane = laneIndex(ticket.lane);
    const double tookMs = (monotonicNs() - found->second.startedNs) / 1e6;
    m_runningTickets.erase(found);
    --m_running[lane];
    if (isPollLane(ticket.lane)) {
        m_meanMs[lane] = m_meanMs[lane] == 0 ? tookMs : m_meanMs[lane] + NewestWeight * (tookMs - m_meanMs[lane]);
        resize();
    }
    if (!state)
        return;
    state->busy = false;
    // A poll is never a step of something longer. The poller owns every
    // poll, and two clocks that share an address must not pass a probe
    // waiting for it.
    if (ticket.owner && !isPollLane(ticket.lane)) {
        if (!state->continuation)
            m_continued.push_back(ticket.key);
        state->continuation = ticket.owner;
    }
    if (m_keys.size() > size_t(KeptKeys) && 2 * ++m_endsSinceSweep >= int(m_keys.size()))
        sweepIdleKeys();
}

QVector<ExchangeSchedule::Id> ExchangeSchedule::withdraw(const void *owner)
{
    QVector<Id> dropped;
    if (!owner)
        return dropped;
    if (m_waitingOf.remove(owner) > 0) {
        // One pass per lane: an audit withdrawn may leave thousands of probes.
        for (std::deque<Entry> &waiting : m_waiting) {
            auto kept = waiting.begin();
            for (auto it = waiting.begin(); it != waiting.end(); ++it) {
                if (it->ticket.owner == owner) {
                    if (it->state)
                        --it->state->waiting;
                    dropped.append(it->id);
                } else {
                    if (kept != it)
                        *kept = std::move(*it);
                    ++kept;
                }
            }
            waiting.erase(kept, waiting.end());
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
    for (const QString &key : m_continued) {
        KeyState *state = keyState(key);
        if (state && state->continuation == owner)
            state->continuation = nullptr;
    }
    return dropped;
}
