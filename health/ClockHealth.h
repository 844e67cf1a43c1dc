#pragma once

#include "model/ClockStatus.h"
#include "values/Error.h"

#include <QDateTime>

#include <array>

// What the polls of one clock say about it: a counter per NTP state that
// debounces its alert, the NTP state of the last poll, and since when the
// clock fails. A failure must be seen on several polls in a row before its
// counter reaches the limit and its alert is due; good polls let the counters
// decay. Only HealthWriter moves it; everyone else reads it.
class ClockHealth
{
public:
    static constexpr int limit = 60;
    // What one poll adds to the counter of the failure it saw; the other
    // counters fade by a fifth of it, and a good poll takes half of it off
    // every counter. Six failed polls in a row make an alert due.
    static constexpr int step = 10;

    // The NTP state of a poll that got no status.
    static int failedPollState(Error code) { return code == AuthorizationError ? NtpNoAuthentication : NtpNoConnection; }
    // Whether a clock in this NTP state answered its poll.
    static bool answers(int ntpState) { return ntpState != NtpNoConnection; }

    // One poll's NTP state. A failure (NTP time-out, no connection, no
    // authentication) rises and starts an episode (failingSince = at); the
    // states that say nothing (other, no status) move nothing; any other
    // state is good, decays every counter and ends the episode.
    void apply(int ntpState, const QDateTime &at);
    // All well, as never polled; an alert that was due ends its episode.
    void restart();

    int counter(int kind) const { return inRange(kind) ? m_counters[std::size_t(kind)] : 0; }
    bool isDue(int kind) const { return counter(kind) == limit; }
    // How often the kind's counter fell back to 0: each time a new episode
    // of that alert begins, and what was mailed about the last one is done.
    quint32 episode(int kind) const { return inRange(kind) ? m_episodes[std::size_t(kind)] : 0; }
    int ntpState() const { return m_ntp; }
    // The first failed poll of the episode; invalid while the clock is well.
    const QDateTime &failingSince() const { return m_failingSince; }

    // The one rule of a dead clock: it has stopped answering. Its polls got
    // no connection as many times in a row as make the connection alert due,
    // and the last one still got none. Only then is the connection alert due
    // (firstDueAlert: mailed, journaled, shown by the metrics) and the poller
    // spaces the clock's polls. A single failed poll is news for the journal,
    // not death; a clock that answers again, even with another failure, is
    // alive although its connection counter still stands at the limit.
    bool isDead() const { return !answers(m_ntp) && isDue(NtpNoConnection); }
    // The first kind whose counter is at its limit, the connection counter
    // only while the clock is dead; ntpStatusCount when none.
    int firstDueAlert() const;
    bool hasDueAlert() const { return firstDueAlert() < ntpStatusCount; }

    friend bool operator==(const ClockHealth &a, const ClockHealth &b)
    {
        return a.m_counters == b.m_counters && a.m_episodes == b.m_episodes && a.m_ntp == b.m_ntp
            && a.m_failingSince == b.m_failingSince;
    }
    friend bool operator!=(const ClockHealth &a, const ClockHealth &b) { return !(a == b); }

private:
    static bool inRange(int kind) { return kind >= 0 && kind < ntpStatusCount; }
    // At or below 0 the counter starts afresh, above the limit it stays there.
    void adjust(int kind, int delta);

    std::array<int, ntpStatusCount> m_counters{};
    std::array<quint32, ntpStatusCount> m_episodes{};
    int m_ntp = NtpNoStatus;
    QDateTime m_failingSince;
};
