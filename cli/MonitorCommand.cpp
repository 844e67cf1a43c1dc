#include "MonitorCommand.h"

#include "AppSettings.h"
#include "CliSession.h"
#include "ClockPrinter.h"
#include "ClockRegistry.h"
#include "DailyAudit.h"
#include "DevClock.h"
#include "LogText.h"
#include "MetricsHttpServer.h"
#include "SignalWatcher.h"

#include <QDateTime>
#include <QEventLoop>
#include <QJsonObject>

namespace {

const QString lineTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

} // namespace

MonitorCommand::MonitorCommand(CliSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
}

MonitorCommand::~MonitorCommand() = default;

int MonitorCommand::run()
{
    CliOutput &out = m_session.output();
    // Watch for stop signals before the lock file appears: a service manager
    // may send SIGTERM as soon as it sees the lock, and the default action
    // would end the process without saving. A signal that arrives early waits
    // in the watcher's pipe until the event loop runs.
    SignalWatcher signals_;
    if (!signals_.isWatching())
        return out.failed(QStringLiteral("Cannot watch for SIGINT and SIGTERM."));
    connect(&signals_, &SignalWatcher::received, this, &MonitorCommand::stop);

    if (!m_monitoring.acquireLock())
        return out.failed(m_monitoring.readOnlyReason());
    const StateLoad::Result loaded = m_monitoring.load();
    if (loaded.outcome == StateLoad::Outcome::Unreadable)
        return out.failed(loaded.message);
    const CliInvocation &in = m_session.invocation();
    if (in.hasOption(QStringLiteral("save-interval")))
        m_monitoring.setAutosaveSeconds(
            in.intOption(QStringLiteral("save-interval"), MonitoringSession::defaultAutosaveSeconds));

    if (ClockRegistry::instance()->clockCount() == 0)
        out.message(QStringLiteral("The device list is empty; nothing to poll."));

    if (in.hasOption(QStringLiteral("metrics")) && !startMetrics(in.options.value(QStringLiteral("metrics"))))
        return ExitFailed;

    connect(&m_monitoring, &MonitoringSession::statusUpdated, this, &MonitorCommand::SlotClockStatusUpdated);
    m_monitoring.start();
    m_monitoring.setReportEnabled(AppSettings::reportSettings().enabled);
    m_dailyAudit = DailyAudit::fromInvocation(in, out);
    if (m_dailyAudit)
        m_dailyAudit->start();

    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    return m_exitStatus;
}

void MonitorCommand::SlotClockStatusUpdated(quint64 id)
{
    DevClock *clock = ClockRegistry::instance()->clockById(id);
    if (!clock)
        return;
    const auto shown = m_shownStatus.constFind(id);
    if (shown == m_shownStatus.constEnd() || shown.value() != clock->status.NtpSynchronization) {
        m_shownStatus.insert(id, clock->status.NtpSynchronization);
        printChange(*clock);
    }
}

bool MonitorCommand::startMetrics(const QString &listenAddress)
{
    QHostAddress address;
    quint16 port = 0;
    MetricsHttpServer::parseListenAddress(listenAddress, address, port);
    m_metricsServer = std::make_unique<MetricsHttpServer>([this] {
        return m_monitoring.metrics().render(*ClockRegistry::instance(), QDateTime::currentDateTime());
    });
    if (m_metricsServer->listen(address, port))
        return true;
    m_session.output().failed(
        QStringLiteral("Cannot serve metrics on %1: %2").arg(listenAddress, m_metricsServer->errorString()));
    return false;
}

void MonitorCommand::printChange(const DevClock &clock)
{
    const QString time = QDateTime::currentDateTime().toString(lineTimeFormat);
    const QString status = statusWithoutUpdateTime(clock);
    CliOutput &out = m_session.output();
    if (out.json()) {
        out.jsonLine({{QStringLiteral("time"), time},
                      {QStringLiteral("name"), clock.name},
                      {QStringLiteral("ip"), clock.network.ip},
                      {QStringLiteral("NtpSynchronization"), clock.status.NtpSynchronization},
                      {QStringLiteral("status"), status}});
    } else {
        // A clock names itself: a line feed in its name must not forge a line.
        out.line(QStringLiteral("%1  %2  %3  %4")
                     .arg(time, LogText::escaped(clock.name), clock.network.ip, LogText::escaped(status)));
    }
}

QString MonitorCommand::statusWithoutUpdateTime(const DevClock &clock)
{
    QStringList lines = clock.statusText().split(QLatin1Char('\n'));
    if (clock.status.lastStatusUpdate.isValid() && !lines.isEmpty())
        lines.removeLast();
    lines.removeAll(QString());
    return lines.join(QStringLiteral("; "));
}

void MonitorCommand::stop(int signalNumber)
{
    m_dailyAudit.reset();
    m_metricsServer.reset();
    m_monitoring.stop();
    const bool saved = m_monitoring.save();
    CliOutput &out = m_session.output();
    if (!saved)
        out.message(m_monitoring.lastSaveError());
    out.message(saved ? QStringLiteral("Stopped by signal %1; device list saved.").arg(signalNumber)
                      : QStringLiteral("Stopped by signal %1.").arg(signalNumber));
    m_exitStatus = saved ? ExitSuccess : ExitFailed;
    if (m_loop)
        m_loop->quit();
}
