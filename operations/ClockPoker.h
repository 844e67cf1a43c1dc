#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <QVector>

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

    bool isPolling() const { return !m_inFlight.isEmpty(); }
    int pollsInFlight() const { return m_inFlight.size(); }

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
    struct FailedPoll
    {
        QDateTime started;
        QDateTime ended;
    };

    // Seconds since the clock's last update counted for its next poll; -1
    // when it never had one.
    qint64 age(const DevClock &clock, qint64 nowMs) const;
    // Answering: its last poll got through. Failing: it did not, and its
    // connection alert is not due yet. Unreachable: the alert is due.
    enum class Kind { Answering, Failing, Unreachable };
    Kind kindOf(const DevClock &clock) const;
    struct Candidate
    {
        DevClock *clock;
        Kind kind;
        qint64 age;
        bool inFlight;
    };
    // Pokes clocks of one kind older than minimumAge, round the list from
    // after cursor, while fewer than limit polls of that kind run and its
    // lane has room; cursor follows the last one poked.
    void pokeDue(QVector<Candidate> &candidates, Kind kind, int minimumAge, int limit, int &cursor);
    void poke(DevClock *clock, Kind kind);
    // Whether its lane was full until it ended.
    bool pollEnded(quint64 id);

    QTimer m_pollTimer;
    int m_cursor = -1; // the answering clock polled last
    int m_failingCursor = -1;
    int m_unreachableCursor = -1;
    // Poll start per clock id in flight, and the kind it was polled as.
    QHash<quint64, QDateTime> m_inFlight;
    QHash<quint64, Kind> m_inFlightKind;
    int m_inFlightCount[3] = {0, 0, 0};
    // A failed poll's update is its end, but its spacing counts from its
    // start: a clock that holds each poll for its whole time-out would
    // otherwise fall behind the pace that makes its alert due in time.
    QHash<quint64, FailedPoll> m_failedPolls;
    // Each clock's last update as counted, and the same in milliseconds
    // since the epoch.
    struct LastUpdate
    {
        QDateTime at;
        qint64 epochMs = 0;
    };
    mutable QHash<quint64, LastUpdate> m_lastUpdates;
    int m_dueAfterSeconds = DefaultDueAfterSeconds;
    int m_unreachableMaxAgeSeconds = DefaultUnreachableMaxAgeSeconds;
};
