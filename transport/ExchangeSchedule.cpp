#include "ExchangeSchedule.h"

#include <algorithm>

ExchangeSchedule::ExchangeSchedule(int bound, int probeBound)
    : m_bound(DefaultBound)
    , m_probeBound(DefaultProbeBound)
{
    setBound(bound);
    setProbeBound(probeBound);
}

void ExchangeSchedule::setBound(int bound)
{
    m_bound = std::clamp(bound, 1, MaxBound);
}

void ExchangeSchedule::setProbeBound(int bound)
{
    m_probeBound = std::clamp(bound, 1, MaxBound);
}

ExchangeSchedule::Id ExchangeSchedule::add(const Ticket &ticket)
{
    const Id id = m_nextId++;
    m_waiting.append({id, ticket});
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

void ExchangeSchedule::start(int waitingIndex, QVector<Id> &started)
{
    const Entry entry = m_waiting.takeAt(waitingIndex);
    m_runningTickets.insert(entry.id, entry.ticket);
    ++m_running[laneIndex(entry.ticket.lane)];
    if (!entry.ticket.key.isEmpty())
        m_busy.insert(entry.ticket.key);
    started.append(entry.id);
}

QVector<ExchangeSchedule::Id> ExchangeSchedule::takeStartable()
{
    QVector<Id> started;
    for (auto it = m_continuations.cbegin(); it != m_continuations.cend(); ++it) {
        for (int i = 0; i < m_waiting.size(); ++i) {
            const Ticket &ticket = m_waiting.at(i).ticket;
            if (ticket.key == it.key() && ticket.owner == it.value()) {
                if (canStart(ticket))
                    start(i, started);
                break;
            }
        }
    }
    m_continuations.clear();

    for (const ExchangeLane lane : {ExchangeLane::User, ExchangeLane::Probe, ExchangeLane::Poll, ExchangeLane::Retry}) {
        for (int i = 0; i < m_waiting.size() && m_running[laneIndex(lane)] < laneBound(lane);) {
            const Ticket &ticket = m_waiting.at(i).ticket;
            if (ticket.lane == lane && canStart(ticket))
                start(i, started);
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
    const Ticket ticket = found.value();
    m_runningTickets.erase(found);
    --m_running[laneIndex(ticket.lane)];
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
    for (int i = m_waiting.size() - 1; i >= 0; --i) {
        if (m_waiting.at(i).ticket.owner == owner)
            dropped.prepend(m_waiting.takeAt(i).id);
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
