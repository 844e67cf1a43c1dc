#pragma once

#include "transport/ExchangeLane.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

#include <deque>
#include <unordered_map>
#include <vector>

// Decides which exchange may start now; WorkerThreadPool carries them out.
//
// Exchanges once ran one after another on a single thread, so a clock that
// accepts a connection and never answers held every other clock for its whole
// time-out. A clock still serves one exchange at a time, but the network does
// not care how many clocks we talk to at once: a silent clock must cost the
// fleet one slot, never its freshness. The rules:
// - one exchange at a time per key: a clock's address (clocks that share the
//   factory address share its key) or the discovery port;
// - at most bound() exchanges running in the user lane, probeBound() in the
//   probe lane, and laneBound() in the poll and retry lanes, which follow
//   the fleet (pollsInFlight());
// - waiting exchanges start in the order they were added, user ones first,
//   then probes (a user asked for them too), then polls and retries; a poll
//   or retry does not start on a key that a running user operation has used,
//   so a clock sees an operation's exchanges back to back (a probe queues
//   its next step as its last one ends, and the rule below keeps them
//   together; holding every address of a long range against polls would
//   starve listed clocks in it);
// - when an exchange ends, the next exchange of the same owner for the same
//   key comes before anything else waiting for that key: a stepped operation
//   keeps the clock until its last step. Not so for polls: the poller owns
//   them all, and none is the step of another.
// Exchanges with an empty key only count against the bound.
//
// The poll and retry lanes size themselves: see pollsInFlight().
class ExchangeSchedule
{
public:
    using Id = quint64;
    static constexpr int DefaultBound = 16;
    // Probes mostly wait for connections that never come; see WorkerWWW's
    // probe connect wait for why this many and no more.
    static constexpr int DefaultProbeBound = 64;
    static constexpr int MaxBound = 256;
    static constexpr int DefaultPollCeiling = 512;
    static constexpr int MaxPollCeiling = 4096;

    struct Ticket
    {
        QString key;
        ExchangeLane lane = ExchangeLane::User;
        // Who asked: a user or probe owner holds its keys against polls until
    // released.
        const void *owner = nullptr;
    };

    explicit ExchangeSchedule(int bound = DefaultBound, int probeBound = DefaultProbeBound);
    Q_DISABLE_COPY(ExchangeSchedule)

    // Clamped to 1 .. MaxBound; running exchanges are not affected.
    void setBound(int bound);
    int bound() const { return m_bound; }
    void setProbeBound(int bound);
    int probeBound() const { return m_probeBound; }
    // The poll lane's floor is bound(). The retry lane's floor is twice the
    // probe bound: when a power cut takes 300 clocks, each of them costs a
    // 2 s connect wait every 10 s, about 60 slots, and the pace that makes
    // their alerts due in time needs room beyond that before the measured
    // exchange time has caught up with the cut.
    int retryFloor() const { return 2 * m_probeBound; }
    int retryBound() const { return laneBound(ExchangeLane::Retry); }

    // How many polls a lane lets run at once. A lane must start every poll
    // when it falls due; by Little's law it then holds, on average, the polls
    // due per second times the seconds one poll takes (measured: the mean of
    // the lane's recent exchanges, from start to end). Twice that leaves room
    // for bursts, as clocks polled together fall due together, and for polls
    // that take longer than the mean. Never fewer than the floor (what a small
    // site always had), never more than the ceiling (sockets and threads, one
    // each per poll); the schedule's one exchange per address bounds it too.
    static int pollsInFlight(double pollsPerSecond, double secondsPerPoll, int floor, int ceiling);

    // The poller's demand on a lane: how many polls per second fall due.
    void setPollDemand(ExchangeLane lane, double pollsPerSecond);
    // The most polls in flight in the poll and retry lanes together (each
    // keeps its floor), clamped to 1 .. MaxPollCeiling.
    void setPollCeiling(int ceiling);
    int pollCeiling() const { return m_pollCeiling; }
    // A lane's bound as of now; the poll and retry lanes follow pollsInFlight().
    int laneBound(ExchangeLane lane) const { return m_laneBound[laneIndex(lane)]; }
    // The lane's mean exchange time so far, in milliseconds.
    double exchangeMs(ExchangeLane lane) const { return m_meanMs[laneIndex(lane)]; }
    // Sums of the lane bounds: the threads and sockets the schedule may use.
    int totalBound() const;

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
    bool isBusy(const QString &key) const;
    int runningCount(ExchangeLane lane) const { return m_running[laneIndex(lane)]; }
    int inFlight(ExchangeLane lane) const { return runningCount(lane); }
    int waitingCount() const;

private:
    // What the schedule knows of one key.
    struct KeyState
    {
        int waiting = 0; // exchanges waiting for it
        bool busy = false; // one runs
        // The owner of the exchange that just ended on it: that owner's next
        // exchange for the key goes first.
        const void *continuation = nullptr;
    };
    // Waiting and running exchanges point at their key's state (null for an
    // empty key), so a poll hashes its key once. A state with an exchange
    // waiting or running is never idle, so never swept, and an unordered
    // map's elements stay where they are as it grows. Hence no copies of
    // the schedule either.
    struct Entry
    {
        Id id;
        Ticket ticket;
        KeyState *state;
    };
    struct Running
    {
        Ticket ticket;
        qint64 startedNs;
        KeyState *state;
    };
    struct KeyHash
    {
        size_t operator()(const QString &key) const { return qHash(key); }
    };

    static constexpr int LaneCount = 4;
    // Idle key states (nothing waiting, running or continuing) are kept: a
    // fleet's clocks come back every few seconds, and a state kept costs less
    // than one made and dropped per poll. Beyond this many states the idle
    // ones are swept, once per half as many ended exchanges as there are
    // states, so the addresses of a large audit do not stay for good.
    static constexpr int KeptKeys = 16384;
    static int laneIndex(ExchangeLane lane) { return static_cast<int>(lane); }
    static bool holdsKeys(ExchangeLane lane) { return lane == ExchangeLane::User; }
    static bool isPollLane(ExchangeLane lane) { return lane == ExchangeLane::Poll || lane == ExchangeLane::Retry; }
    static bool isIdle(const KeyState &state) { return !state.waiting && !state.busy && !state.continuation; }
    void resize();
    // Null for an empty key or one the schedule has no state for.
    KeyState *keyState(const QString &key);
    bool canStart(const Ticket &ticket, const KeyState *state) const;
    void start(int lane, int waitingIndex, QVector<Id> &started);
    void sweepIdleKeys();

    int m_bound;
    int m_probeBound;
    Id m_nextId = 1;
    // Waiting exchanges per lane, in the order they were added: a fleet
    // audit queues thousands of probes, and a poll must not scan past them.
    std::deque<Entry> m_waiting[LaneCount];
    // How many exchanges each owner has waiting; most that end have none.
    QHash<const void *, int> m_waitingOf;
    std::unordered_map<QString, KeyState, KeyHash> m_keys;
    int m_endsSinceSweep = 0;
    // Keys with a continuation, in the order their exchanges ended.
    std::vector<QString> m_continued;
    std::unordered_map<Id, Running> m_runningTickets;
    int m_pollCeiling = DefaultPollCeiling;
    int m_laneBound[LaneCount] = {0, 0, 0, 0};
    double m_demand[LaneCount] = {0, 0, 0, 0};
    double m_meanMs[LaneCount] = {0, 0, 0, 0};
    int m_running[LaneCount] = {0, 0, 0, 0};
    QHash<QString, QSet<const void *>> m_userHolds;
    QHash<const void *, QSet<QString>> m_ownerKeys;
};
