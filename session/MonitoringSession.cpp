#include "session/MonitoringSession.h"

#include "core/AppSettings.h"
#include "session/AvailabilityMailer.h"
#include "session/ClockEventTracker.h"
#include "operations/ClockPoker.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "persistence/EventJournal.h"
#include "persistence/OperatorRecorder.h"
#include "notify/IncidentMailer.h"
#include "session/QuietRequests.h"
#include "notify/Reporter.h"
#include "persistence/StateFile.h"
#include "persistence/StateSnapshot.h"
#include "operations/Communication.h"
#include "persistence/XmlFile.h"

#include <QDebug>

#include <memory>

namespace {

constexpr int millisecondsPerSecond = 1000;

ClockEvent monitorEvent(ClockEvent::Kind kind)
{
    ClockEvent event;
    event.time = QDateTime::currentDateTimeUtc();
    event.kind = kind;
    return event;
}

} // namespace

MonitoringSession::MonitoringSession(ClockRegistry &registry, Communication &exchanges, NotificationSettings &alerts,
                                     QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_exchanges(exchanges)
    , m_alerts(alerts)
    , m_health(registry)
    , m_audits(registry, exchanges)
{
    m_metrics.setHealth(&m_health);
    setAutosaveSeconds(defaultAutosaveSeconds);
    connect(&m_autosaveTimer, &QTimer::timeout, this, &MonitoringSession::onAutosaveTimeout);
    m_saveRetry.setSingleShot(true);
    m_saveRetry.setInterval(defaultSaveRetryMs);
    // In the background: a full disk must not freeze the window every few seconds.
    connect(&m_saveRetry, &QTimer::timeout, this, &MonitoringSession::saveInBackground);
    // The metrics keep per-clock answers only while the clock is listed.
    connect(&registry, &ClockRegistry::clockAboutToBeRemoved, this, [this](int index) {
        if (const DevClock *clock = m_registry.clockAt(index))
            m_metrics.forgetClock(clock->id);
    });
    connect(&registry, &ClockRegistry::aboutToBeCleared, this, [this] { m_metrics.forgetClocks(); });
    m_metrics.setLaneSource([this] {
        const ExchangeSchedule &schedule = m_exchanges.workers().schedule();
        return MonitorMetrics::LaneCounts{{QStringLiteral("user"), schedule.runningCount(ExchangeLane::User)},
                                          {QStringLiteral("poll"), schedule.runningCount(ExchangeLane::Poll)},
                                          {QStringLiteral("probe"), schedule.runningCount(ExchangeLane::Probe)},
                                          {QStringLiteral("retry"), schedule.runningCount(ExchangeLane::Retry)}};
    });
}

MonitoringSession::~MonitoringSession() = default;

bool MonitoringSession::acquireLock()
{
    return m_lock.tryLock();
}

QString MonitoringSession::readOnlyReason() const
{
    if (!m_readOnlyReason.isEmpty())
        return m_readOnlyReason;
    if (!m_lock.isLocked()) {
        const QString failure = m_lock.failureText();
        return failure.isEmpty() ? tr("The device list is not locked for writing.") : failure;
    }
    return QString();
}

StateLoad::Result MonitoringSession::load()
{
    AppSettings::loadRegistrySettings();
    const StateLoad::Result result = StateLoad::load(m_registry, m_alerts);
    if (result.leftInPlace)
        m_readOnlyReason = result.message;
    return result;
}

void MonitoringSession::start()
{
    if (!m_reporter) {
        m_reporter = std::make_unique<Reporter>(m_registry);
        connect(m_reporter.get(), &Reporter::reportWritten, this, [this](bool ok) { m_metrics.recordReportWrite(ok); });
        if (m_reportWanted)
            m_reporter->setEnabled(isWritable());
    }
    if (!m_poller) {
        m_poller = std::make_unique<ClockPoker>(m_registry, m_health, m_exchanges);
        connect(m_poller.get(), &ClockPoker::ClockStatusUpdated, this,
                [this](quint64 id) { statusUpdatedOf(id, false); });
        connect(m_poller.get(), &ClockPoker::PollRoundStarted, this, [this] { m_metrics.recordPollRound(); });
        connect(m_poller.get(), &ClockPoker::PollFinished, this,
                [this](quint64 id, bool answered) { m_metrics.recordPoll(id, answered); });
    }
    if (isWritable() && !m_tracker) {
        m_journal = std::make_unique<EventJournal>(EventJournal::defaultFolder());
        m_tracker = std::make_unique<ClockEventTracker>(m_registry, m_health, *m_journal);
        m_operators = std::make_unique<OperatorRecorder>(*m_journal);
        connect(m_journal.get(), &EventJournal::writeFailed, this, [this] { m_metrics.recordJournalError(); });
        connect(m_journal.get(), &EventJournal::problemChanged, this, &MonitoringSession::journalProblemChanged);
        // Without a record of the runs, time nobody watched would pass for available.
        m_journal->append(monitorEvent(ClockEvent::Kind::MonitorStarted));
    }
    if (isWritable() && m_mailWanted && !m_mailer) {
        m_mailer = std::make_unique<IncidentMailer>(m_registry, m_health, m_alerts);
        connect(m_mailer.get(), &IncidentMailer::mailSent, this,
                [this](IncidentMailer::Kind kind, const QList<quint64> &clocks, bool delivered, const QString &status) {
                    const bool recovery = kind == IncidentMailer::Kind::Recovery;
                    if (recovery)
                        m_metrics.recordRecoveryMail(delivered);
                    else
                        m_metrics.recordAlertMail(delivered, int(clocks.size()));
                    m_tracker->mailEnded(recovery, clocks, delivered, status);
                });
    }
    if (isWritable() && m_mailWanted && !m_availabilityMailer) {
        m_availabilityMailer = std::make_unique<AvailabilityMailer>(m_registry, m_alerts, EventJournal::defaultFolder());
        // The month mailed is kept at once: a crash must not mail it twice.
        connect(m_availabilityMailer.get(), &AvailabilityMailer::mailed, this, [this](const QDate &, bool delivered) {
            if (delivered)
                save();
        });
        m_availabilityMailer->start();
    }
    if (isWritable() && !m_quietRequests) {
        m_quietRequests = std::make_unique<QuietRequestWatcher>(m_registry);
        connect(m_quietRequests.get(), &QuietRequestWatcher::applied, this,
                [this](const QuietRequest &, const QList<DevClock *> &clocks) { quietPeriodsApplied(clocks); });
        // Requests left while nobody held the list.
        m_quietRequests->applyWaiting();
    }
    m_autosaveTimer.start();
    if (!m_saveProblem.isEmpty())
        m_saveRetry.start();
}

void MonitoringSession::stop()
{
    m_autosaveTimer.stop();
    m_saveRetry.stop();
    m_audits.stop();
    m_poller.reset();
    m_reporter.reset();
    m_availabilityMailer.reset();
    m_quietRequests.reset();
    m_mailer.reset();
    m_tracker.reset();
    if (m_journal)
        m_journal->append(monitorEvent(ClockEvent::Kind::MonitorStopped));
    m_operators.reset();
    m_journal.reset();
}

void MonitoringSession::recordChange(const QString &ip, const OperatorChange &change)
{
    if (!m_operators)
        return;
    const DevClock *clock = nullptr;
    for (const DevClock *listed : m_registry.clocks()) {
        if (listed->network.ip == ip)
            clock = listed;
    }
    m_operators->record(ip, clock ? clock->name : QString(), clock ? m_registry.groupNameOf(*clock) : QString(), change);
}

QString MonitoringSession::applyQuietRequest(const QuietRequest &request)
{
    if (!isWritable())
        return readOnlyReason();
    const QuietRequest::Outcome outcome = request.apply(m_registry, QDateTime::currentDateTime());
    if (!outcome.error.isEmpty())
        return outcome.error;
    quietPeriodsApplied(outcome.clocks);
    return QString();
}

void MonitoringSession::quietPeriodsApplied(const QList<DevClock *> &clocks)
{
    const QDateTime now = QDateTime::currentDateTime();
    QList<quint64> ids;
    for (DevClock *clock : clocks) {
        ids << clock->id;
        if (m_tracker)
            m_tracker->quietPeriodChanged(*clock, now);
        // Lifted from a clock whose alert is due: it is mailed now.
        if (m_mailer)
            m_mailer->clockUpdated(*clock, now);
        m_registry.announceClockChanged(clock);
    }
    // Kept at once: a quiet period that a crash forgot would mail a wing
    // under maintenance.
    save();
    emit quietPeriodsChanged(ids);
}

bool MonitoringSession::save()
{
    waitForSaves();
    if (!isWritable()) {
        m_lastSaveError = readOnlyReason();
        emit saved(false);
        return false;
    }
    QString reason;
    const bool ok = saveDeviceList(m_registry, m_alerts, &reason);
    saveEnded(ok, AppSettings::stateFilePath(), reason);
    return ok;
}

void MonitoringSession::saveEnded(bool ok, const QString &path, const QString &reason)
{
    m_lastSaveError = ok ? QString() : tr("Cannot write the device list %1: %2.").arg(path, reason);
    // Retried only while the session runs: after the final save nothing may write.
    if (ok)
        m_saveRetry.stop();
    else if (isRunning() && !m_saveRetry.isActive())
        m_saveRetry.start();
    const bool changed = m_saveProblem != m_lastSaveError;
    m_saveProblem = m_lastSaveError;
    emit saved(ok);
    if (changed)
        emit saveProblemChanged(m_saveProblem);
}

void MonitoringSession::setAutosaveSeconds(int seconds)
{
    m_autosaveSeconds = qMax(1, seconds);
    m_autosaveTimer.setInterval(m_autosaveSeconds * millisecondsPerSecond);
}

void MonitoringSession::setReportEnabled(bool enabled)
{
    m_reportWanted = enabled;
    if (m_reporter)
        m_reporter->setEnabled(enabled && isWritable());
}

bool MonitoringSession::isReportEnabled() const
{
    return m_reporter && m_reporter->isEnabled();
}

void MonitoringSession::notifyStatusUpdated(quint64 id)
{
    statusUpdatedOf(id, true);
}

void MonitoringSession::statusUpdatedOf(quint64 id, bool announce)
{
    DevClock *clock = m_registry.clockById(id);
    if (!clock)
        return;
    if (announce)
        m_registry.announceClockChanged(clock);
    if (isWritable() && m_tracker) {
        // The poll that just ended stamped the clock; asking for the local
        // time again would cost a time-zone lookup per poll.
        const QDateTime now = clock->status.lastStatusUpdate.isValid() ? clock->status.lastStatusUpdate
                                                                       : QDateTime::currentDateTime();
        m_tracker->clockUpdated(*clock, now);
        if (m_mailer)
            m_mailer->clockUpdated(*clock, now);
    }
    emit statusUpdated(id);
}

void MonitoringSession::onAutosaveTimeout()
{
    if (!save())
        qDebug() << "Auto-save skipped:" << m_lastSaveError;
}

void MonitoringSession::saveInBackground()
{
    if (!isWritable())
        return;
    // One writer, so that writes land in the order they were asked for.
    m_writer.setMaxThreadCount(1);
    auto snapshot = std::make_shared<const StateSnapshot>(m_registry.clocks(), m_registry.groups(), m_alerts);
    const QString path = AppSettings::stateFilePath();
    m_writer.start(QRunnable::create([this, snapshot, path] {
        QString reason;
        const bool ok = XmlFile::write(path, snapshot->serialize(), XmlFile::Access::OwnerOnly, &reason);
        // Queued to this object: dropped should the session be gone by then.
        QMetaObject::invokeMethod(
            this, [this, ok, path, reason] { saveEnded(ok, path, reason); }, Qt::QueuedConnection);
    }));
}

void MonitoringSession::waitForSaves()
{
    m_writer.waitForDone();
}
