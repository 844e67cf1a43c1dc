#pragma once

#include "values/Error.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class ClockRegistry;
class Communication;
class DevClock;
class HealthWriter;
class WorkerThreadPool;

// Keeps every listed clock's status fresh. A clock is due when more than the
// due interval has passed since its last update (a failed poll counts as one).
// Polls of answering clocks run in the poll lane; a clock whose last poll
// failed is polled in the retry lane, which has slots of its own, so silent
// or switched-off clocks never take an answering clock's slot, and a power cut
// of hundreds of clocks still sees each of them polled at the ordinary pace
// until its alert is due. Both lanes grow with the fleet and the time a poll
// takes (ExchangeSchedule::pollsInFlight); the poller tells the schedule how
// many polls per second fall due.
//
// Among the failing clocks, those whose connection alert is already due
// (they have stopped answering) are polled only in the retry slots the
// others leave free, and never in all of them, unless their status has grown
// older than the unreachable limit: then they go first, so that a recovery
// shows within about a minute. A clock's first failed polls, before the alert
// is due, keep the ordinary pace so that the alert is not delayed.
//
// Clocks wait in queues ordered by the moment counted for their next poll,
// one queue per kind; ties go by list order, so clocks that fall due together
// are polled round the list. A poll that ends starts the next due clock at
// once when its lane has room, and a timer wakes the poller when the next
// clock falls due: the cost is a queue step per poll, and nothing while no
// clock is due. A poll goes straight to the exchange loop, with no sender or
// worker object around it, and its request is built once per clock and
// credentials.
class ClockPoker : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultDueAfterSeconds = 10;
    static constexpr int DefaultUnreachableMaxAgeSeconds = 45;
    // How often the poller tries again a clock a user's operation held.
    static constexpr int ListCheckMs = 100;

    // Polls the clocks of the list, following its additions and removals,
    // and hands each poll's outcome to health; the polls run on the workers
    // of exchanges, which outlive the poller.
    ClockPoker(ClockRegistry &registry, HealthWriter &health, Communication &exchanges, QObject *parent = nullptr);
    // Polls still waiting for their turn never start; running ones end unheard.
    ~ClockPoker() override;

    // A clock is due when more than this many whole seconds lie between its
    // last update and now.
    void setDueAfterSeconds(int seconds);
    // An unreachable clock whose status is older than this is polled first.
    void setUnreachableMaxAgeSeconds(int seconds);

    bool isPolling() const { return pollsInFlight() > 0; }
    int pollsInFlight() const { return m_inFlightCount[0] + m_inFlightCount[1] + m_inFlightCount[2]; }

signals:
    void ClockStatusUpdated(quint64 id);
    // Before ClockStatusUpdated: whether the poll got a status that parsed.
    void PollFinished(quint64 id, bool answered);
    // A new round of answering clocks' polls: the next poll is of a clock
    // already polled in the round before (and at the first poll).
    void PollRoundStarted();

private:
    // Answering: its last poll got through. Failing: it did not, and the
    // clock is not dead yet. Unreachable: it is dead (ClockHealth::isDead).
    enum class Kind { Answering, Failing, Unreachable };
    static constexpr int KindCount = 3;

    // What the poller knows of one clock.
    struct Record
    {
        DevClock *clock = nullptr; // valid while the list is the one last seen
        int index = 0;             // its place in that list
        // The clock's last update as last seen, and the moment counted for
        // its next poll, in milliseconds since the epoch.
        QDateTime seenUpdate;
        qint64 countedMs = 0;
        // A failed poll's update is its end, but its spacing counts from its
        // start: a clock that holds each poll for its whole time-out would
        // otherwise fall behind the pace that makes its alert due in time.
        bool failed = false;
        QDateTime failedEnded;
        qint64 failedStartedMs = 0;
        bool inFlight = false;
        Kind kind = Kind::Answering; // the queue it waits in, or its poll's kind
        qint64 pollStartedMs = 0;
        quint64 round = 0; // the round of its last poll as an answering clock
        // The clock's address as last seen, what it makes (the address and
        // the schedule's key), and the status request for the credentials
        // last seen: made again only when they change.
        QString address;
        QHostAddress remote;
        QString key;
        QString user;
        QString password;
        QByteArray request;
    };

    // One waiting clock; the queue's front has the smallest (countedMs, index).
    struct Waiting
    {
        qint64 countedMs;
        int index;
        quint64 id;
    };
    struct Later
    {
        bool operator()(const Waiting &a, const Waiting &b) const
        {
            return a.countedMs != b.countedMs ? a.countedMs > b.countedMs : a.index > b.index;
        }
    };
    using Queue = std::vector<Waiting>;

    // The moment counted for the clock's next poll; the smallest number when
    // it never had one.
    static qint64 countedMs(const DevClock &clock, Record &record);
    Kind kindOf(const DevClock &clock, const Record &record) const;

    // Starts what is due and has room, then sets the timer for what falls
    // due next.
    void startDue();
    void startSoon();
    // Whether the device list is no longer the one the records point into.
    bool listChanged() const { return m_listChanged; }
    // A clock appended to the list joins the queues; any other change
    // renumbers the list, and the next pass queues every clock anew.
    void onClockAdded(int index);
    void onListRenumbered();
    // Everything anew from the list: it changed, or this is the start.
    void rebuild(const QList<DevClock *> &clocks);
    void enqueue(quint64 id, Record &record);
    // Pokes due clocks of one kind, oldest first, while fewer than limit
    // polls of that kind run and its lane has room. A clock is due when more
    // than minimumAge whole seconds lie between its counted moment and now.
    void pokeDue(Kind kind, int minimumAge, int limit, qint64 nowMs);
    bool laneFull(Kind kind, int limit) const;
    qint64 dueMs(const Waiting &waiting, int minimumAge) const;
    void armTimer(qint64 nowMs);
    // The record's address and key, brought up to date with its clock.
    static void seeAddress(Record &record);
    void poke(quint64 id, Record &record, qint64 nowMs);
    void pollEnded(Record &record);
    void onPollDone(quint64 id, Error code, const QByteArray &reply);
    // Tells the schedule how many polls per second each lane must start.
    void reportDemand();

    ClockRegistry &m_registry;
    HealthWriter &m_health;
    WorkerThreadPool &m_workers;
    QTimer m_wakeTimer;
    QTimer m_listTimer;
    bool m_startQueued = false;
    bool m_listChanged = true;
    QHash<quint64, Record> m_records;
    // The last status request built, shared by every clock with the same
    // credentials.
    QString m_lastUser;
    QString m_lastPassword;
    QByteArray m_lastRequest;
    Queue m_queues[KindCount];
    // Clocks a user's operation held at the last pass; queued again after it.
    std::vector<Waiting> m_held;
    int m_inFlightCount[KindCount] = {0, 0, 0};
    // Rounds of answering clocks' polls so far.
    quint64 m_round = 0;
    double m_reportedDemand[2] = {-1, -1};
    bool m_demandChanged = true;
    int m_dueAfterSeconds = DefaultDueAfterSeconds;
    int m_unreachableMaxAgeSeconds = DefaultUnreachableMaxAgeSeconds;
};
