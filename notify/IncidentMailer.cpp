#include "notify/IncidentMailer.h"

#include "notify/AlertTrigger.h"
#include "model/ClockRegistry.h"
#include "model/ClockStatus.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "notify/IncidentMail.h"
#include "notify/MailSender.h"
#include "notify/NotificationSettings.h"
#include "model/QuietPeriod.h"
#include "notify/Smtp.h"

#include <QCoreApplication>

namespace {

constexpr int millisecondsPerSecond = 1000;
// A window whose previous mail is still under way waits this long again.
constexpr int busyRetryMs = 1000;

} // namespace

IncidentMail::Entry IncidentMailer::entryOf(const DevClock &clock, int kind) const
{
    const QString group = m_registry.groupNameOf(clock);
    IncidentMail::Entry entry;
    entry.name = clock.name;
    entry.ip = clock.network.ip;
    entry.group = group.isEmpty() ? QCoreApplication::translate("MailSender", "None") : group;
    entry.kind = kind;
    entry.since = clock.failingSince.isValid() ? clock.failingSince : clock.status.lastStatusUpdate;
    return entry;
}

IncidentMailer::IncidentMailer(ClockRegistry &registry, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_mailTimeoutMs(MailSender::mailTimeoutMs)
{
    qRegisterMetaType<IncidentMailer::Kind>("IncidentMailer::Kind");
    for (Kind kind : {Kind::Alert, Kind::Recovery}) {
        QTimer &timer = window(kind).timer;
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, this, [this, kind] { close(kind); });
    }
}

IncidentMailer::~IncidentMailer() = default;

bool IncidentMailer::isBusy() const
{
    return !m_alerts.clocks.isEmpty() || m_alerts.inFlight || !m_recoveries.clocks.isEmpty()
        || m_recoveries.inFlight;
}

bool IncidentMailer::isMailing() const
{
    return m_alerts.inFlight || m_recoveries.inFlight;
}

void IncidentMailer::clockUpdated(DevClock &clock, const QDateTime &now)
{
    const quint64 id = clock.id;
    const bool quiet = m_registry.quietPeriodOf(clock, now).on;
    if (AlertTrigger::mailableRecord(clock, quiet, now) >= 0 && !m_alerts.inFlightClocks.contains(id))
        gather(m_alerts, id);

    const auto awaiting = m_awaitingRecovery.constFind(id);
    if (awaiting == m_awaitingRecovery.constEnd() || clock.status.NtpSynchronization != NtpSynchronized)
        return;
    const QDateTime since = awaiting.value();
    m_awaitingRecovery.erase(awaiting);
    // A clock nobody wants mail about says nothing when it comes back either.
    if (!notificationSettings().recoveryMails || quiet)
        return;
    m_recovered.insert(id, {since, now});
    gather(m_recoveries, id);
}

void IncidentMailer::gather(Window &window, quint64 id)
{
    if (window.clocks.contains(id))
        return;
    window.clocks.append(id);
    if (!window.timer.isActive()) {
        const int seconds = qBound(0, notificationSettings().collectionWindowSeconds,
                                   NotificationSettings::maxCollectionWindowSeconds);
        window.timer.start(seconds * millisecondsPerSecond);
    }
}

void IncidentMailer::close(Kind kind)
{
    Window &w = window(kind);
    // One mail of a kind at a time; the next waits until it is over.
    if (w.inFlight) {
        w.timer.start(busyRetryMs);
        return;
    }
    const QList<quint64> ids = w.clocks;
    w.clocks.clear();
    if (kind == Kind::Alert)
        sendAlerts(ids);
    else
        sendRecoveries(ids);
}

void IncidentMailer::sendAlerts(const QList<quint64> &ids)
{
    // What may still be mailed now: a clock may have come back, been removed
    // or been muted while the window was open.
    const QDateTime now = QDateTime::currentDateTime();
    QList<DevClock *> clocks;
    QList<IncidentMail::Entry> entries;
    for (quint64 id : ids) {
        DevClock *clock = m_registry.clockById(id);
        const bool quiet = clock && m_registry.quietPeriodOf(*clock, now).on;
        const int record = clock ? AlertTrigger::mailableRecord(*clock, quiet, now) : -1;
        if (record < 0)
            continue;
        clocks << clock;
        entries << entryOf(*clock, record);
    }
    if (clocks.isEmpty())
        return;

    auto *sender = new MailSender(this);
    sender->setTimeout(m_mailTimeoutMs);
    bool started = false;
    if (clocks.size() == 1) {
        started = sender->sendAlert(*clocks.first(), m_registry);
    } else {
        IncidentMail::sort(entries);
        started = sender->sendMessage(IncidentMail::alertSubject(entries), IncidentMail::alertBody(entries));
    }
    QList<quint64> listed;
    QList<int> records;
    for (DevClock *clock : clocks) {
        listed << clock->id;
        records << clock->firstDueAlert();
        if (started) {
            ++clock->alertCounters[std::size_t(records.last())].mailsSent;
            m_registry.announceClockChanged(clock);
        }
    }
    start(Kind::Alert, sender, listed, records, started);
}

void IncidentMailer::sendRecoveries(const QList<quint64> &ids)
{
    QList<IncidentMail::Entry> entries;
    QList<quint64> listed;
    for (quint64 id : ids) {
        const Recovery recovery = m_recovered.take(id);
        const DevClock *clock = m_registry.clockById(id);
        if (!clock)
            continue;
        IncidentMail::Entry entry = entryOf(*clock, -1);
        entry.since = recovery.since;
        entry.recovered = recovery.at;
        entries << entry;
        listed << id;
    }
    if (entries.isEmpty())
        return;
    IncidentMail::sort(entries);
    auto *sender = new MailSender(this);
    sender->setTimeout(m_mailTimeoutMs);
    const bool started =
        sender->sendMessage(IncidentMail::recoverySubject(entries), IncidentMail::recoveryBody(entries));
    start(Kind::Recovery, sender, listed, {}, started);
}

void IncidentMailer::start(Kind kind, MailSender *sender, const QList<quint64> &ids, const QList<int> &records,
                           bool started)
{
    if (!started) {
        delete sender;
        emit mailNotSent(kind, ids);
        return;
    }
    Window &w = window(kind);
    w.inFlight = sender;
    w.inFlightClocks = ids;
    w.inFlightRecords = records;
    connect(sender, &MailSender::SigMailSent, this, [this, kind](const QString &status) { finished(kind, status); });
}

void IncidentMailer::finished(Kind kind, const QString &status)
{
    Window &w = window(kind);
    if (!w.inFlight)
        return; // a second status of the same mail (an error, then a disconnect)
    w.inFlight->deleteLater();
    w.inFlight = nullptr;
    const QList<quint64> ids = w.inFlightClocks;
    const QList<int> records = w.inFlightRecords;
    w.inFlightClocks.clear();
    w.inFlightRecords.clear();
    const bool delivered = status == Smtp::sentText;
    if (kind == Kind::Alert && delivered) {
        const QDateTime now = QDateTime::currentDateTime();
        for (int i = 0; i < ids.size(); ++i) {
            const quint64 id = ids.at(i);
            DevClock *clock = m_registry.clockById(id);
            if (!clock)
                continue;
            const int record = records.value(i, -1);
            if (record >= 0 && record < ntpStatusCount)
                clock->alertCounters[std::size_t(record)].mailDelivered = true;
            clock->lastAlertMail = now;
            m_awaitingRecovery.insert(id, clock->failingSince.isValid() ? clock->failingSince : now);
            m_registry.announceClockChanged(clock);
        }
    }
    emit mailSent(kind, ids, delivered, status);
}
