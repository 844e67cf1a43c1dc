#include "monitor/Monitor.h"

#include "board/StatusBoard.h"
#include "core/AppSettings.h"
#include "http/HttpListener.h"
#include "http/ListenerHosts.h"
#include "metrics/MetricsScrape.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/LogText.h"
#include "monitor/MonitorOutput.h"
#include "monitor/ScheduledAudit.h"
#include "operations/Communication.h"
#include "operations/audit/FleetAudit.h"
#include "persistence/EventJournal.h"
#include "platform/SettingsStore.h"

#include <QDateTime>
#include <QEventLoop>
#include <QJsonObject>

namespace {

const QString lineTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

} // namespace

Monitor::Monitor(ClockRegistry &registry, Communication &exchanges, NotificationSettings &alerts, MonitorOutput &output,
                 Options options, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_output(output)
    , m_options(std::move(options))
    , m_monitoring(registry, exchanges, alerts)
{
}

Monitor::~Monitor() = default;

bool Monitor::fail(const QString &message)
{
    m_output.message(message);
    return false;
}

bool Monitor::run()
{
    if (!m_monitoring.acquireLock())
        return fail(m_monitoring.readOnlyReason());
    const StateLoad::Result loaded = m_monitoring.load();
    if (loaded.outcome == StateLoad::Outcome::Unreadable)
        return fail(loaded.message);
    if (m_options.autosaveSeconds)
        m_monitoring.setAutosaveSeconds(*m_options.autosaveSeconds);

    if (m_registry.clockCount() == 0)
        m_output.message(tr("The device list is empty; nothing to poll."));

    if (m_options.metrics && !startMetrics())
        return false;
    if (!startBoard())
        return false;

    connect(&m_monitoring, &MonitoringSession::statusUpdated, this, &Monitor::onStatusUpdated);
    const bool mail = m_options.mail.value_or(AppSettings::monitorMails());
    m_monitoring.setMailEnabled(mail);
    m_monitoring.start();
    m_output.message(m_monitoring.exchanges().workers().capacityText());
    m_monitoring.setReportEnabled(AppSettings::reportSettings().enabled);
    if (m_options.scheduledAudit)
        m_scheduledAudit = m_options.scheduledAudit();
    if (m_scheduledAudit) {
        m_scheduledAudit->setMailEnabled(mail);
        connect(m_scheduledAudit.get(), &ScheduledAudit::audited, this, &Monitor::auditFinished);
        m_scheduledAudit->start();
    }
    startAudits();

    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    return m_saved;
}

void Monitor::startAudits()
{
    // The findings `list` shows beside the live status: audited at start and
    // daily (by the mailed daily audit when there is one).
    AuditSchedule &audits = m_monitoring.audits();
    if (m_options.siteZone.isValid())
        audits.setSiteZone(m_options.siteZone);
    if (m_scheduledAudit)
        audits.setIntervalMs(0);
    // The metrics count the findings of either audit.
    connect(&audits, &AuditSchedule::audited, this, &Monitor::auditFinished);
    audits.start();
}

void Monitor::onStatusUpdated(quint64 id)
{
    DevClock *clock = m_registry.clockById(id);
    if (!clock)
        return;
    const auto shown = m_shownStatus.constFind(id);
    if (shown == m_shownStatus.constEnd() || shown.value() != clock->status.NtpSynchronization) {
        m_shownStatus.insert(id, clock->status.NtpSynchronization);
        printChange(*clock);
    }
}

void Monitor::auditFinished(const FleetAudit &audit)
{
    QHash<quint64, MonitorMetrics::AuditCounts> counts;
    for (const AuditFinding &finding : audit.findings()) {
        MonitorMetrics::AuditCounts &clock = counts[finding.clockId];
        ++(finding.severity == AuditFinding::Severity::Critical ? clock.critical : clock.warning);
        clock.firmwareBelowMinimum |= finding.kind == AuditFinding::Kind::Firmware;
    }
    m_monitoring.metrics().recordAudit(counts, QDateTime::currentDateTime());
}

bool Monitor::startMetrics()
{
    QHostAddress address;
    quint16 port = 0;
    HttpListener::parseListenAddress(*m_options.metrics, address, port);
    m_metricsListener = std::make_unique<HttpListener>();
    // The board, when there is one, answers every other path.
    m_metricsListener->setHandler([this](const HttpRequestParser &request) {
        if (request.path() == MetricsScrape::path)
            return MetricsScrape::answer(m_monitoring.metrics().render(m_registry, QDateTime::currentDateTime()));
        return m_boardOnMetrics ? m_board->handle(request) : HttpListener::Response();
    });
    if (m_metricsListener->listen(address, port))
        return true;
    return fail(tr("Cannot serve metrics on %1: %2").arg(*m_options.metrics, m_metricsListener->errorString()));
}

bool Monitor::startBoard()
{
    const bool ownListener = m_options.board.has_value();
    if (!ownListener && !m_metricsListener) {
        if (!m_options.boardTokenFile)
            return true;
        return fail(tr("--board-token-file needs --board or --metrics."));
    }
    BoardAccess access;
    if (m_options.boardTokenFile) {
        QString error;
        if (!access.loadTokenFile(*m_options.boardTokenFile, &error))
            return fail(tr("Cannot read the board's token: %1").arg(error));
    }
    QStringList hosts = m_options.boardHosts;
    hosts += SettingsStore::open()->value(QStringLiteral("Monitor/boardHosts")).toStringList();
    for (const QString &host : qAsConst(hosts)) {
        if (!ListenerHosts::isName(host))
            return fail(tr("--board-host %1 is not a host name.").arg(host));
    }
    m_board = std::make_unique<StatusBoard>(m_registry, EventJournal::defaultFolder());
    m_board->setAccess(access);
    const QString listenAddress = ownListener ? *m_options.board : *m_options.metrics;
    QHostAddress address;
    quint16 port = 0;
    HttpListener::parseListenAddress(listenAddress, address, port);
    if (!address.isLoopback() && !access.requiresToken())
        m_output.message(
            tr("The status board on %1 is open to anyone who can reach it; see --board-token-file.").arg(listenAddress));
    if (m_metricsListener)
        m_metricsListener->setHostNames(hosts);
    if (!ownListener) {
        m_boardOnMetrics = true;
        return true;
    }
    m_boardListener = std::make_unique<HttpListener>();
    m_boardListener->setHostNames(hosts);
    m_boardListener->setHandler([this](const HttpRequestParser &request) { return m_board->handle(request); });
    if (m_boardListener->listen(address, port))
        return true;
    return fail(
        tr("Cannot serve the status board on %1: %2").arg(listenAddress, m_boardListener->errorString()));
}

void Monitor::printChange(const DevClock &clock)
{
    const QString time = QDateTime::currentDateTime().toString(lineTimeFormat);
    const QString status = statusWithoutUpdateTime(clock);
    if (m_output.json()) {
        m_output.jsonLine({{QStringLiteral("time"), time},
                           {QStringLiteral("name"), clock.name},
                           {QStringLiteral("ip"), clock.network.ip},
                           {QStringLiteral("NtpSynchronization"), clock.status.NtpSynchronization},
                           {QStringLiteral("status"), status}});
    } else {
        // A clock names itself: a line feed in its name must not forge a line.
        m_output.line(QStringLiteral("%1  %2  %3  %4")
                          .arg(time, LogText::escaped(clock.name), clock.network.ip, LogText::escaped(status)));
    }
}

QString Monitor::statusWithoutUpdateTime(const DevClock &clock)
{
    QStringList lines = clock.statusText().split(QLatin1Char('\n'));
    if (clock.status.lastStatusUpdate.isValid() && !lines.isEmpty())
        lines.removeLast();
    lines.removeAll(QString());
    return lines.join(QStringLiteral("; "));
}

void Monitor::stop(int signalNumber)
{
    m_scheduledAudit.reset();
    m_metricsListener.reset();
    m_boardListener.reset();
    m_monitoring.stop();
    m_saved = m_monitoring.save();
    if (!m_saved)
        m_output.message(m_monitoring.lastSaveError());
    m_output.message(m_saved ? tr("Stopped by signal %1; device list saved.").arg(signalNumber)
                             : tr("Stopped by signal %1.").arg(signalNumber));
    if (m_loop)
        m_loop->quit();
}
