#include "MonitoringSession.h"

#include "AlertTrigger.h"
#include "AppSettings.h"
#include "ClockPoker.h"
#include "ClockRegistry.h"
#include "DevClock.h"
#include "MailSender.h"
#include "Reporter.h"
#include "Smtp.h"
#include "StateFile.h"

#include <QDebug>

namespace {

constexpr int millisecondsPerSecond = 1000;

} // namespace

MonitoringSession::MonitoringSession(QObject *parent)
    : QObject(parent)
{
    setAutosaveSeconds(defaultAutosaveSeconds);
    connect(&m_autosaveTimer, &QTimer::timeout, this, &MonitoringSession::onAutosaveTimeout);
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
    const StateLoad::Result result = StateLoad::load();
    if (result.leftInPlace)
        m_readOnlyReason = result.message;
    return result;
}

void MonitoringSession::start()
{
    if (!m_reporter) {
        m_reporter = std::make_unique<Reporter>();
        connect(m_reporter.get(), &Reporter::reportWritten, this, [this](bool ok) { m_metrics.recordReportWrite(ok); });
        if (m_reportWanted)
            m_reporter->setEnabled(isWritable());
    }
    if (!m_poller) {
        m_poller = std::make_unique<ClockPoker>();
        connect(m_poller.get(), &ClockPoker::ClockStatusUpdated, this, &MonitoringSession::notifyStatusUpdated);
        connect(m_poller.get(), &ClockPoker::PollRoundStarted, this, [this] { m_metrics.recordPollRound(); });
        connect(m_poller.get(), &ClockPoker::PollFinished, this,
                [this](quint64 id, bool answered) { m_metrics.recordPoll(id, answered); });
    }
    m_autosaveTimer.start();
}

void MonitoringSession::stop()
{
    m_autosaveTimer.stop();
    m_poller.reset();
    m_reporter.reset();
}

bool MonitoringSession::save()
{
    if (!isWritable()) {
        m_lastSaveError = readOnlyReason();
        emit saved(false);
        return false;
    }
    const bool ok = saveSettings();
    m_lastSaveError = ok ? QString()
                         : tr("Cannot write the device list %1.").arg(AppSettings::stateFilePath());
    emit saved(ok);
    return ok;
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
    DevClock *clock = ClockRegistry::instance()->clockById(id);
    if (!clock)
        return;
    if (isWritable()) {
        sendAlertIfDue(*clock);
        // The trigger keeps the mail in flight on the clock; count how it ends.
        if (auto *mail = qobject_cast<MailSender *>(clock->alertMailSender.data()))
            connect(mail, &MailSender::SigMailSent, this, &MonitoringSession::onAlertMailSent, Qt::UniqueConnection);
    }
    emit statusUpdated(id);
}

void MonitoringSession::onAlertMailSent(const QString &status)
{
    m_metrics.recordAlertMail(status == Smtp::sentText);
}

void MonitoringSession::onAutosaveTimeout()
{
    if (!save())
        qDebug() << "Auto-save skipped:" << m_lastSaveError;
}
