#include "cli/MonitorCommand.h"

#include "core/AppSettings.h"
#include "cli/CliCommandLine.h"
#include "cli/CliSession.h"
#include "cli/ClockPrinter.h"
#include "model/ClockRegistry.h"
#include "cli/DailyAudit.h"
#include "model/DevClock.h"
#include "persistence/EventJournal.h"
#include "operations/audit/FleetAudit.h"
#include "metrics/ListenerHosts.h"
#include "model/LogText.h"
#include "metrics/MetricsHttpServer.h"
#include "platform/SettingsStore.h"
#include "cli/SignalWatcher.h"
#include "board/StatusBoard.h"
#include "transport/WorkerThreadPool.h"

#include <QDateTime>
#include <QEventLoop>
#include <QJsonObject>
#include <QTimeZone>

namespace {

const QString lineTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

} // namespace

MonitorCommand::MonitorCommand(CliSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_monitoring(session.registry())
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

    if (m_session.registry().clockCount() == 0)
        out.message(QStringLiteral("The device list is empty; nothing to poll."));

    if (in.hasOption(QStringLiteral("metrics")) && !startMetrics(in.options.value(QStringLiteral("metrics"))))
        return ExitFailed;
    if (!startBoard())
        return ExitFailed;

    connect(&m_monitoring, &MonitoringSession::statusUpdated, this, &MonitorCommand::SlotClockStatusUpdated);
    const bool mail = in.hasOption(QStringLiteral("mail")) ? in.option(QStringLiteral("mail")) == QLatin1String("on")
                                                            : AppSettings::monitorMails();
    m_monitoring.setMailEnabled(mail);
    m_monitoring.start();
    out.message(WorkerThreadPool::instance()->capacityText());
    m_monitoring.setReportEnabled(AppSettings::reportSettings().enabled);
    m_dailyAudit = DailyAudit::fromInvocation(m_session.registry(), in, out);
    if (m_dailyAudit) {
        m_dailyAudit->setMailEnabled(mail);
        connect(m_dailyAudit.get(), &DailyAudit::audited, this, &MonitorCommand::auditFinished);
        m_dailyAudit->start();
    }
    startAudits(in);

    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    return m_exitStatus;
}

void MonitorCommand::startAudits(const CliInvocation &in)
{
    // The findings `list` shows beside the live status: audited at start and
    // daily (by the mailed daily audit when there is one).
    AuditSchedule &audits = m_monitoring.audits();
    if (in.hasOption(QStringLiteral("site-zone")))
        audits.setSiteZone(QTimeZone(in.option(QStringLiteral("site-zone")).toUtf8()));
    if (m_dailyAudit)
        audits.setIntervalMs(0);
    // The metrics count the findings of either audit.
    connect(&audits, &AuditSchedule::audited, this, &MonitorCommand::auditFinished);
    audits.start();
}

void MonitorCommand::SlotClockStatusUpdated(quint64 id)
{
    DevClock *clock = m_session.registry().clockById(id);
    if (!clock)
        return;
    const auto shown = m_shownStatus.constFind(id);
    if (shown == m_shownStatus.constEnd() || shown.value() != clock->status.NtpSynchronization) {
        m_shownStatus.insert(id, clock->status.NtpSynchronization);
        printChange(*clock);
    }
}

void MonitorCommand::auditFinished(const FleetAudit &audit)
{
    QHash<quint64, MonitorMetrics::AuditCounts> counts;
    for (const AuditFinding &finding : audit.findings()) {
        MonitorMetrics::AuditCounts &clock = counts[finding.clockId];
        ++(finding.severity == AuditFinding::Severity::Critical ? clock.critical : clock.warning);
    }
    m_monitoring.metrics().recordAudit(counts, QDateTime::currentDateTime());
}

bool MonitorCommand::startMetrics(const QString &listenAddress)
{
    QHostAddress address;
    quint16 port = 0;
    MetricsHttpServer::parseListenAddress(listenAddress, address, port);
    m_metricsServer = std::make_unique<MetricsHttpServer>([this] {
        return m_monitoring.metrics().render(m_session.registry(), QDateTime::currentDateTime());
    });
    if (m_metricsServer->listen(address, port))
        return true;
    m_session.output().failed(
        QStringLiteral("Cannot serve metrics on %1: %2").arg(listenAddress, m_metricsServer->errorString()));
    return false;
}

bool MonitorCommand::startBoard()
{
    const CliInvocation &in = m_session.invocation();
    const bool ownListener = in.hasOption(QStringLiteral("board"));
    if (!ownListener && !m_metricsServer) {
        if (!in.hasOption(QStringLiteral("board-token-file")))
            return true;
        m_session.output().failed(QStringLiteral("--board-token-file needs --board or --metrics."));
        return false;
    }
    BoardAccess access;
    if (in.hasOption(QStringLiteral("board-token-file"))) {
        QString error;
        if (!access.loadTokenFile(in.options.value(QStringLiteral("board-token-file")), &error)) {
            m_session.output().failed(QStringLiteral("Cannot read the board's token: %1").arg(error));
            return false;
        }
    }
    QStringList hosts = in.option(QStringLiteral("board-host")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    hosts += SettingsStore::open()->value(QStringLiteral("Monitor/boardHosts")).toStringList();
    for (const QString &host : qAsConst(hosts)) {
        if (!ListenerHosts::isName(host)) {
            m_session.output().failed(QStringLiteral("--board-host %1 is not a host name.").arg(host));
            return false;
        }
    }
    m_board = std::make_unique<StatusBoard>(m_session.registry(), EventJournal::defaultFolder());
    m_board->setAccess(access);
    const auto handler = [this](const ScrapeRequestParser &request) { return m_board->handle(request); };
    const QString listenAddress = in.options.value(ownListener ? QStringLiteral("board") : QStringLiteral("metrics"));
    QHostAddress address;
    quint16 port = 0;
    MetricsHttpServer::parseListenAddress(listenAddress, address, port);
    if (!address.isLoopback() && !access.requiresToken())
        m_session.output().message(QStringLiteral(
            "The status board on %1 is open to anyone who can reach it; see --board-token-file.").arg(listenAddress));
    if (m_metricsServer)
        m_metricsServer->setHostNames(hosts);
    if (!ownListener) {
        m_metricsServer->setHandler(handler);
        return true;
    }
    m_boardServer = std::make_unique<MetricsHttpServer>(nullptr);
    m_boardServer->setHostNames(hosts);
    m_boardServer->setHandler(handler);
    if (m_boardServer->listen(address, port))
        return true;
    m_session.output().failed(
        QStringLiteral("Cannot serve the status board on %1: %2").arg(listenAddress, m_boardServer->errorString()));
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
    m_boardServer.reset();
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
