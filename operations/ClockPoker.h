#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QTimer>

#include <vector>

class DataSender;
class DevClock;

// Keeps every listed clock's status fresh. A clock is due when more than the
// due interval has passed since its last update (a failed poll counts as one);
// the search for due clocks goes round the list from the clock after the one
// polled last. Up to the worker pool's bound of polls of answering clocks run
// at once, in the poll lane; a clock whose last poll failed is polled in the
// retry lane, which has slots of its own (twice the probe bound), so silent or
// switched-off clocks never take an answering clock's slot, and a power cut
// of hundreds of clocks still sees each of them polled at the ordinary pace
// until its alert is due.
//
// Among the failing clocks, those whose connection alert is already due
// (they have stopped answering) are polled only in the retry slots the
// others leave free, and never in all of them, unless their status has grown
// older than the unreachable limit: then they go first, so that a recovery
// shows within about a minute. A clock's first failed polls, before the alert
// is due, keep the ordinary pace so that the alert is not delayed.
class ClockPoker : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTickMs = 100;
    static constexpr int DefaultDueAfterSeconds = 10;
    static constexpr int DefaultUnreachableMaxAgeSeconds = 45;

    explicit ClockPoker(QObject *parent = nullptr);

    // A clock is due when more than this many whole seconds lie between its
    // last update and now.
    void setDueAfterSeconds(int seconds) { m_dueAfterSeconds = seconds; }
    void setTickInterval(int ms) { m_pollTimer.setInterval(ms); }
    // An unreachable clock whose status is older than this is polled first.
    void setUnreachableMaxAgeSeconds(int seconds) { m_unreachableMaxAgeSeconds = seconds; }

    bool isPolling() const { return pollsInFlight() > 0; }
    int pollsInFlight() const { return m_inFlightCount[0] + m_inFlightCount[1] + m_inFlightCount[2]; }

    // Has stopped answering: its connection alert is due.
    static bool isUnreachable(const DevClock &clock);

signals:
    void ClockStatusUpdated(quint64 id);
    // Before ClockStatusUpdated: whether the poll got a status that parsed.
    void PollFinished(quint64 id, bool answered);
    // The search for answering clocks starts again from the top of the list
    // (and at the first poll).
    void PollRoundStarted();

private slots:
    void onClockTimeout();
    void onPokeFinished(DataSender *sender);
    void onPokeCanceled(DataSender *sender);

private:
    // Answering: its last poll got through. Failing: it did not, and its
    // connection alert is not due yet. Unreachable: the alert is due.
    enum class Kind { Answering, Failing, Unreachable };

    // What the poller knows of one clock.
    struct Record
    {
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
        Kind pollKind = Kind::Answering;
        qint64 pollStartedMs = 0;
    };

    struct Candidate
    {
        DevClock *clock;
        Kind kind;
        qint64 age; // whole seconds since the moment counted; -1 for never
        bool inFlight;
    };

    // Seconds since the clock's last update counted for its next poll; -1
    // when it never had one.
    static qint64 age(const DevClock &clock, Record &record, qint64 nowMs);
    static Kind kindOf(const DevClock &clock, const Record &record);

    // Every clock's kind and age as of now.
    void takeSnapshot(const QList<DevClock *> &clocks);
    void scan(bool freshSnapshot);
    // Pokes clocks of one kind older than minimumAge, round the list from
    // after cursor, while fewer than limit polls of that kind run and its
    // lane has room; cursor follows the last one poked.
    void pokeDue(Kind kind, int minimumAge, int limit, int &cursor);
    void poke(Candidate &candidate);
    // Whether its lane was full until it ended.
    bool pollEnded(Record &record);
    void scanSoon();

    QTimer m_pollTimer;
    int m_cursor = -1; // the answering clock polled last
    int m_failingCursor = -1;
    int m_unreachableCursor = -1;
    QHash<quint64, Record> m_records;
    int m_inFlightCount[3] = {0, 0, 0};
    // The last tick's snapshot and the list it was taken of.
    std::vector<Candidate> m_candidates;
    QList<DevClock *> m_snapshotClocks;
    // Candidates of each kind in it that may be due and not started yet.
    int m_dueCount[3] = {0, 0, 0};
    bool m_scanQueued = false;
    int m_dueAfterSeconds = DefaultDueAfterSeconds;
    int m_unreachableMaxAgeSeconds = DefaultUnreachableMaxAgeSeconds;
};
