#pragma once

#include "ExchangeLane.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVector>

// Decides which exchange may start now; WorkerThreadPool carries them out.
//
// Exchanges once ran one after another on a single thread, so a clock that
// accepts a connection and never answers held every other clock for its whole
// time-out. A clock still serves one exchange at a time, but the network does
// not care how many clocks we talk to at once: a silent clock must cost the
// fleet one slot, never its freshness. The rules:
// - one exchange at a time per key: a clock's address (clocks that share the
//   factory address share its key) or the discovery port;
// - at most bound() exchanges running in the user lane and as many in the
//   poll lane, at most probeBound() in the probe lane and retryBound() in the
//   retry lane;
// - waiting exchanges start in the order they were added, user ones first,
//   then probes (a user asked for them too), then polls and retries; a poll
//   or retry does not start on a key that a running user operation has used,
//   so a clock sees an operation's exchanges back to back (a probe queues
//   its next step as its last one ends, and the rule below keeps them
//   together; holding every address of a long range against polls would
//   starve listed clocks in it);
// - when an exchange ends, the next exchange of the same owner for the same
//   key comes before anything else waiting for that key: a stepped operation
//   keeps the clock until its last step.
// Exchanges with an empty key only count against the bound.
class ExchangeSchedule
{
public:
    using Id = quint64;
    static constexpr int DefaultBound = 16;
    // Probes mostly wait for connections that never come; see WorkerWWW's
    // probe connect wait for why this many and no more.
    static constexpr int DefaultProbeBound = 64;
    static constexpr int MaxBound = 256;

    struct Ticket
    {
        QString key;
        ExchangeLane lane = ExchangeLane::User;
        // Who asked: a user or probe owner holds its keys against polls until
    // released.
        const void *owner = nullptr;
    };

    explicit ExchangeSchedule(int bound = DefaultBound, int probeBound = DefaultProbeBound);

    // Clamped to 1 .. MaxBound; running exchanges are not affected.
    void setBound(int bound);
    int bound() const { return m_bound; }
    void setProbeBound(int bound);
    int probeBound() const { return m_probeBound; }
    // Twice the probe bound: when a power cut takes 300 clocks, each of them
    // costs a 2 s connect wait every 10 s, about 60 slots, and the pace that
    // makes their alerts due in time needs room beyond that.
    int retryBound() const { return 2 * m_probeBound; }

    Id add(const Ticket &ticket);
    // The waiting exchanges that may start now, in start order; from here on
    // they count as running.
    QVector<Id> takeStartable();
    // A running exchange ended: its key is free.
    void finish(Id id);
    // Takes the owner's waiting exchanges out (they never start) and releases
    // its keys; returns them so the caller can drop them.
    QVector<Id> withdraw(const void *owner);

    bool isHeldForUser(const QString &key) const { return m_userHolds.contains(key); }
    bool isBusy(const QString &key) const { return m_busy.contains(key); }
    int runningCount(ExchangeLane lane) const { return m_running[laneIndex(lane)]; }
    int waitingCount() const { return m_waiting.size(); }

private:
    struct Entry
    {
        Id id;
        Ticket ticket;
    };

    static constexpr int LaneCount = 4;
    static int laneIndex(ExchangeLane lane) { return static_cast<int>(lane); }
    static bool holdsKeys(ExchangeLane lane) { return lane == ExchangeLane::User; }
    int laneBound(ExchangeLane lane) const
    {
        if (lane == ExchangeLane::Retry)
            return retryBound();
        return lane == ExchangeLane::Probe ? m_probeBound : m_bound;
    }
    bool canStart(const Ticket &ticket) const;
    void start(int waitingIndex, QVector<Id> &started);

    int m_bound;
    int m_probeBound;
    Id m_nextId = 1;
    QList<Entry> m_waiting;
    QHash<Id, Ticket> m_runningTickets;
    int m_running[LaneCount] = {0, 0, 0, 0};
    QSet<QString> m_busy;
    // Keys whose last exchange just ended, with its owner: that owner's next
    // exchange for the key goes first.
    QHash<QString, const void *> m_continuations;
    QHash<QString, QSet<const void *>> m_userHolds;
    QHash<const void *, QSet<QString>> m_ownerKeys;
};
