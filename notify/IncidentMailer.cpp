#include "notify/IncidentMailer.h"

#include "health/HealthWriter.h"
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
    const QDateTime &failingSince = m_health.of(clock).failingSince();
    entry.since = failingSince.isValid() ? failingSince : clock.status.lastStatusUpdate;
    return entry;
}

int IncidentMailer::mailableKind(quint64 id, const DevClock &clock, bool quiet, const QDateTime &now)
{
    const ClockHealth &health = m_health.of(clock);
    m_books.reopenAfterResend(id, health, m_settings, now);
    return m_books.mailable(id, health, quiet, m_settings);
}

IncidentMailer::IncidentMailer(ClockRegistry &registry, const HealthWriter &health,
                               const NotificationSettings &settings, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_health(health)
    , m_settings(settings)
    , m_mailTimeoutMs(MailSender::mailTimeoutMs)
{
    connect(&registry, &ClockRegistry::clockAboutToBeRemoved, this, [this](int index) {
        if (const DevClock *clock = m_registry.clockAt(index))
            m_books.forget(clock->id);
    });
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

void IncidentMailer::clockUpdated(const DevClock &clock, const QDateTime &now)
{
    const quint64 id = clock.id;
    const bool quiet = m_registry.quietPeriodOf(clock, now).on;
    if (mailableKind(id, clock, quiet, now) >= 0 && !m_alerts.inFlightClocks.contains(id))
        gather(m_alerts, id);

    const auto awaiting = m_awaitingRecovery.constFind(id);
    if (awaiting == m_awaitingRecovery.constEnd() || clock.status.NtpSynchronization != NtpSynchronized)
        return;
    const QDateTime since = awaiting.value();
    m_awaitingRecovery.erase(awaiting);
    // A clock nobody wants mail about says nothing when it comes back either.
    if (!m_settings.recoveryMails || quiet)
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
        const int seconds = qBound(0, m_settings.collectionWindowSeconds,
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
    QList<int> kinds;
    QList<IncidentMail::Entry> entries;
    for (quint64 id : ids) {
        DevClock *clock = m_registry.clockById(id);
        const bool quiet = clock && m_registry.quietPeriodOf(*clock, now).on;
        const int kind = clock ? mailableKind(id, *clock, quiet, now) : -1;
        if (kind < 0)
            continue;
        clocks << clock;
        kinds << kind;
        entries << entryOf(*clock, kind);
    }
    if (clocks.isEmpty())
        return;

    auto *sender = new MailSender(m_settings, this);
    sender->setTimeout(m_mailTimeoutMs);
    IncidentMail::sort(entries);
    const bool started = sender->sendMessage(IncidentMail::alertSubject(entries), IncidentMail::alertBody(entries));
    QList<quint64> listed;
    for (int i = 0; i < clocks.size(); ++i) {
        DevClock *clock = clocks.at(i);
        listed << clock->id;
        if (started)
            m_books.sent(clock->id, kinds.at(i), m_health.of(*clock));
    }
    start(Kind::Alert, sender, listed, kinds, started);
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
    auto *sender = new MailSender(m_settings, this);
    sender->setTimeout(m_mailTimeoutMs);
    const bool started =
        sender->sendMessage(IncidentMail::recoverySubject(entries), IncidentMail::recoveryBody(entries));
    start(Kind::Recovery, sender, listed, {}, started);
}

void IncidentMailer::start(Kind kind, MailSender *sender, const QList<quint64> &ids, const QList<int> &kinds,
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
    w.inFlightKinds = kinds;
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
    const QList<int> kinds = w.inFlightKinds;
    w.inFlightClocks.clear();
    w.inFlightKinds.clear();
    const bool delivered = status == Smtp::sentText;
    if (kind == Kind::Alert && delivered) {
        const QDateTime now = QDateTime::currentDateTime();
        for (int i = 0; i < ids.size(); ++i) {
            const quint64 id = ids.at(i);
            DevClock *clock = m_registry.clockById(id);
            if (!clock)
                continue;
            m_books.delivered(id, kinds.value(i, -1), now);
            const QDateTime &failingSince = m_health.of(*clock).failingSince();
            m_awaitingRecovery.insert(id, failingSince.isValid() ? failingSince : now);
        }
    }
    emit mailSent(kind, ids, delivered, status);
}
