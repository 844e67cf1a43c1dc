#pragma once

#include "persistence/EventJournal.h"

#include <QDateTime>
#include <QHash>
#include <QList>

class ClockRegistry;
class DevClock;
class DevGroup;
class HealthWriter;

// Turns what the session sees into journal events: a clock that stops or
// starts answering, an NTP state that changes, an alert that falls due, a
// mail that names it, a recovery, a quiet period that begins or ends. It
// remembers only each clock's last state; the journal keeps the history.
class ClockEventTracker
{
public:
    // Journals the clocks of this list, with the alerts their health says are due.
    ClockEventTracker(const ClockRegistry &registry, const HealthWriter &health, EventJournal &journal);

    // After every status update of a clock.
    void clockUpdated(const DevClock &clock, const QDateTime &now);
    // An alert (or recovery) mail named these clocks.
    void mailEnded(bool recovery, const QList<quint64> &clocks, bool delivered, const QString &status);
    // A quiet period of the clock, or of every clock of the group, began or was lifted.
    void quietPeriodChanged(const DevClock &clock, const QDateTime &now);

private:
    struct Seen
    {
        int ntp = -1;
        int dueAlert = -1;
        bool quiet = false;
    };

    ClockEvent eventOf(const DevClock &clock, ClockEvent::Kind kind, const QDateTime &now) const;
    int dueAlertOf(const DevClock &clock) const;

    const ClockRegistry &m_registry;
    const HealthWriter &m_health;
    EventJournal &m_journal;
    QHash<quint64, Seen> m_seen;
};
