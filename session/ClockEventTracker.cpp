#include "session/ClockEventTracker.h"

#include "health/HealthWriter.h"
#include "model/ClockRegistry.h"
#include "model/ClockStatus.h"
#include "model/DevClock.h"

ClockEventTracker::ClockEventTracker(const ClockRegistry &registry, const HealthWriter &health, EventJournal &journal)
    : m_registry(registry)
    , m_health(health)
    , m_journal(journal)
{
}

int ClockEventTracker::dueAlertOf(const DevClock &clock) const
{
    const int due = m_health.of(clock).firstDueAlert();
    return due >= 0 && due < ntpStatusCount ? due : -1;
}

ClockEvent ClockEventTracker::eventOf(const DevClock &clock, ClockEvent::Kind kind, const QDateTime &now) const
{
    ClockEvent event;
    event.time = now.toUTC();
    event.ip = clock.network.ip;
    event.name = clock.name;
    event.group = m_registry.groupNameOf(clock);
    event.kind = kind;
    return event;
}

void ClockEventTracker::clockUpdated(const DevClock &clock, const QDateTime &now)
{
    const auto found = m_seen.constFind(clock.id);
    // Before its first update a clock is taken as well: only trouble is news.
    const Seen before = found != m_seen.constEnd() ? found.value() : Seen{NtpSynchronized, -1, false};
    // Tells the availability report from when a clock that never failed was watched.
    if (found == m_seen.constEnd())
        m_journal.append(eventOf(clock, ClockEvent::Kind::Watched, now));
    Seen after;
    after.ntp = clock.status.NtpSynchronization;
    after.dueAlert = dueAlertOf(clock);
    after.quiet = m_registry.quietPeriodOf(clock, now).on;
    m_seen.insert(clock.id, after);

    if (ClockHealth::answers(before.ntp) && !ClockHealth::answers(after.ntp)) {
        m_journal.append(eventOf(clock, ClockEvent::Kind::Unreachable, now));
    } else if (after.ntp != before.ntp) {
        if (!ClockHealth::answers(before.ntp))
            m_journal.append(eventOf(clock, ClockEvent::Kind::Reachable, now));
        ClockEvent event = eventOf(clock, ClockEvent::Kind::Ntp, now);
        event.ntp = after.ntp;
        m_journal.append(event);
    }
    if (after.dueAlert >= 0 && after.dueAlert != before.dueAlert) {
        ClockEvent event = eventOf(clock, ClockEvent::Kind::AlertDue, now);
        event.alert = after.dueAlert;
        m_journal.append(event);
    }
    if (before.dueAlert >= 0 && after.ntp == NtpSynchronized && before.ntp != NtpSynchronized) {
        ClockEvent event = eventOf(clock, ClockEvent::Kind::Recovered, now);
        event.alert = before.dueAlert;
        m_journal.append(event);
    }
    if (before.quiet && !after.quiet) {
        ClockEvent event = eventOf(clock, ClockEvent::Kind::Unmuted, now);
        event.detail = QStringLiteral("expired");
        m_journal.append(event);
    }
}

void ClockEventTracker::mailEnded(bool recovery, const QList<quint64> &clocks, bool delivered, const QString &status)
{
    const QDateTime now = QDateTime::currentDateTime();
    for (quint64 id : clocks) {
        const DevClock *clock = m_registry.clockById(id);
        if (!clock)
            continue;
        const ClockEvent::Kind kind = !delivered ? ClockEvent::Kind::MailFailed
            : recovery                           ? ClockEvent::Kind::RecoveryMailed
                                                 : ClockEvent::Kind::Mailed;
        ClockEvent event = eventOf(*clock, kind, now);
        event.clocks = int(clocks.size());
        event.alert = recovery ? -1 : dueAlertOf(*clock);
        if (!delivered)
            event.detail = status;
        m_journal.append(event);
    }
}

void ClockEventTracker::quietPeriodChanged(const DevClock &clock, const QDateTime &now)
{
    const QuietPeriod period = m_registry.quietPeriodOf(clock, now);
    Seen &seen = m_seen[clock.id];
    ClockEvent event = eventOf(clock, period.on ? ClockEvent::Kind::Muted : ClockEvent::Kind::Unmuted, now);
    if (period.on)
        event.detail = period.until.isValid() ? period.until.toUTC().toString(Qt::ISODate) : QString();
    else
        event.detail = QStringLiteral("lifted");
    seen.quiet = period.on;
    m_journal.append(event);
}
