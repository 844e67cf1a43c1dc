#include "metrics/MonitorMetrics.h"

#include "health/HealthWriter.h"
#include "model/ClockRegistry.h"
#include "model/ClockStatus.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "metrics/PrometheusWriter.h"
#include "model/QuietPeriod.h"
#include "values/Decimal.h"

namespace {

struct ClockSeries
{
    const DevClock *clock;
    PrometheusWriter::Labels labels;
    QByteArray text; // the labels as written
    const DevGroup *group;
};

// name, ip and group; two clocks with the same three (clocks that still share
// the factory address, for example) would be one series to Prometheus, and
// a scrape with duplicate series is refused, so a repeat gets its number.
QVector<ClockSeries> clockSeries(const ClockRegistry &registry)
{
    QVector<ClockSeries> series;
    QHash<PrometheusWriter::Labels, int> seen;
    // Each clock's group by its index, the first group listing it as with
    // groupOfClock, which would scan the list for every clock.
    const QList<DevClock *> clocks = registry.clocks();
    QVector<const DevGroup *> groupAt(clocks.size(), nullptr);
    for (const DevGroup *listed : registry.groups()) {
        for (const int index : listed->clockIndexes()) {
            if (index >= 0 && index < groupAt.size() && !groupAt[index])
                groupAt[index] = listed;
        }
    }
    series.reserve(clocks.size());
    seen.reserve(clocks.size());
    for (int i = 0; i < clocks.size(); ++i) {
        const DevClock *clock = clocks.at(i);
        const DevGroup *group = groupAt.at(i);
        PrometheusWriter::Labels labels{{QStringLiteral("name"), clock->name},
                                        {QStringLiteral("ip"), clock->network.ip},
                                        {QStringLiteral("group"), group ? group->name() : QString()}};
        const int occurrence = ++seen[labels];
        if (occurrence > 1)
            labels.append({QStringLiteral("occurrence"), QString::number(occurrence)});
        series.append({clock, labels, PrometheusWriter::labelText(labels), group});
    }
    return series;
}

constexpr double fahrenheitOffset = 32.0;
constexpr double celsiusPerFahrenheitNumerator = 5.0;
constexpr double celsiusPerFahrenheitDenominator = 9.0;

double celsius(const ClockStatus &status)
{
    const double value = Decimal::ofFloat(status.temperature);
    if (status.temperatureUnit.compare(QLatin1String("F"), Qt::CaseInsensitive) == 0)
        return (value - fahrenheitOffset) * celsiusPerFahrenheitNumerator / celsiusPerFahrenheitDenominator;
    return value;
}

// The alert records an alert mail is about, in the order of the mails' kinds.
const struct {
    int record;
    const char *kind;
} alertKinds[] = {{NtpNoConnection, "connection"}, {NtpNoAuthentication, "authentication"}, {NtpTimeout, "ntp_timeout"}};

} // namespace

QString MonitorMetrics::alertKind(int record)
{
    // An NTP state the server gave but did not name counts as a time-out, as in the mails.
    if (record == NtpOther)
        record = NtpTimeout;
    for (const auto &kind : alertKinds) {
        if (kind.record == record)
            return QLatin1String(kind.kind);
    }
    return QString();
}

void MonitorMetrics::recordAudit(const QHash<quint64, AuditCounts> &findings, const QDateTime &at)
{
    m_auditFindings = findings;
    m_lastAudit = at;
}

void MonitorMetrics::recordPoll(quint64 clockId, bool answered)
{
    ++m_counters.polls;
    if (!answered)
        ++m_counters.failedPolls;
    m_answered.insert(clockId, answered);
}

void MonitorMetrics::forgetClock(quint64 clockId)
{
    m_answered.remove(clockId);
    m_auditFindings.remove(clockId);
}

void MonitorMetrics::forgetClocks()
{
    m_answered.clear();
    m_auditFindings.clear();
}

void MonitorMetrics::recordAlertMail(bool delivered, int clocks)
{
    ++(delivered ? m_counters.alertMailsSent : m_counters.alertMailsFailed);
    if (delivered)
        m_counters.incidentClocks += quint64(qMax(0, clocks));
}

void MonitorMetrics::recordRecoveryMail(bool delivered)
{
    if (delivered)
        ++m_counters.recoveryMailsSent;
}

void MonitorMetrics::recordReportWrite(bool ok)
{
    ++(ok ? m_counters.reportWrites : m_counters.reportFailures);
}

QByteArray MonitorMetrics::render(const ClockRegistry &registry, const QDateTime &now) const
{
    const QVector<ClockSeries> series = clockSeries(registry);
    PrometheusWriter out;
    // About 90 bytes per clock and family, and twice that for the inventory.
    out.reserve(int(qMin<qint64>(qint64(series.size()) * 9 * 96 + 65536, 256 * 1024 * 1024)));

    out.family("zentick_clock_info", "gauge",
               QStringLiteral("Always 1; the clock's model, firmware, MAC and device code as labels, each empty "
                              "while the clock has not told it."));
    for (const ClockSeries &s : series) {
        const DevClock &clock = *s.clock;
        PrometheusWriter::Labels labels = s.labels;
        // An empty value is how Prometheus says that a label is not known.
        labels.append({QStringLiteral("model"), clock.productCode});
        labels.append({QStringLiteral("firmware"), clock.firmware > 0 ? clock.firmwareText() : QString()});
        labels.append({QStringLiteral("mac"), clock.mac});
        labels.append({QStringLiteral("device_code"), clock.deviceCode});
        out.sample("zentick_clock_info", labels, 1);
    }

    out.family("zentick_clock_up", "gauge",
               QStringLiteral("1 when the clock answered its last status poll with a status, 0 when it did not. "
                              "Absent until the clock was polled."));
    for (const ClockSeries &s : series) {
        const auto answered = m_answered.constFind(s.clock->id);
        if (answered != m_answered.constEnd())
            out.sampleText("zentick_clock_up", s.text, answered.value() ? 1 : 0);
    }

    out.family("zentick_clock_ntp_state", "gauge",
               QStringLiteral("NTP state: 0 synchronized, 1 timeout, 2 other, 3 no connection, 4 disabled, "
                              "5 no status, 6 no authentication."));
    for (const ClockSeries &s : series)
        out.sampleText("zentick_clock_ntp_state", s.text, s.clock->status.NtpSynchronization);

    out.family("zentick_clock_temperature_celsius", "gauge",
               QStringLiteral("Temperature the clock measured. Absent when it gave no reading."));
    for (const ClockSeries &s : series) {
        if (s.clock->status.hasTemperature())
            out.sampleText("zentick_clock_temperature_celsius", s.text, celsius(s.clock->status));
    }

    out.family("zentick_clock_brightness", "gauge",
               QStringLiteral("Display brightness the clock reported. Absent before it reported one."));
    for (const ClockSeries &s : series) {
        if (s.clock->status.hasBrightness())
            out.sampleText("zentick_clock_brightness", s.text, s.clock->status.brightness);
    }

    out.family("zentick_clock_status_age_seconds", "gauge",
               QStringLiteral("Seconds since the clock's last status update. Absent before the first one."));
    const qint64 nowMs = now.toMSecsSinceEpoch();
    QHash<quint64, QPair<QDateTime, qint64>> updateMs;
    updateMs.reserve(series.size());
    for (const ClockSeries &s : series) {
        const QDateTime &last = s.clock->status.lastStatusUpdate;
        if (!last.isValid())
            continue;
        const auto known = m_updateMs.constFind(s.clock->id);
        const qint64 lastMs = known != m_updateMs.constEnd() && known->first == last ? known->second
                                                                                      : last.toMSecsSinceEpoch();
        updateMs.insert(s.clock->id, {last, lastMs});
        out.sampleText("zentick_clock_status_age_seconds", s.text, double(nowMs - lastMs) / 1000.0);
    }
    m_updateMs.swap(updateMs);

    out.family("zentick_clock_muted", "gauge",
               QStringLiteral("1 while the clock is in a quiet period or its weekly quiet hours (its own or its group's): no mail names it."));
    int muted = 0;
    for (const ClockSeries &s : series) {
        const bool quiet = ClockRegistry::quietPeriodOf(*s.clock, s.group, now).on;
        muted += quiet ? 1 : 0;
        out.sampleText("zentick_clock_muted", s.text, quiet ? 1 : 0);
    }

    out.family("zentick_clock_alerting", "gauge",
               QStringLiteral("1 while the clock's alert of this kind is due: the failure was seen on as many polls in "
                              "a row as makes an alert mail due. Mail switches and quiet periods do not change it "
                              "(see zentick_clock_muted). Present only while due."));
    // Only the due ones: three series of zeros per clock would make a
    // thousand-clock page half as large again.
    for (const ClockSeries &s : series) {
        const QString due = m_health ? alertKind(m_health->of(*s.clock).firstDueAlert()) : QString();
        if (due.isEmpty())
            continue;
        PrometheusWriter::Labels labels = s.labels;
        labels.append({QStringLiteral("kind"), due});
        out.sample("zentick_clock_alerting", labels, 1);
    }

    out.family("zentick_clock_audit_findings", "gauge",
               QStringLiteral("Findings of the monitor's last daily audit for the clock, by severity. Absent for "
                              "clocks without findings and before the first audit."));
    for (const ClockSeries &s : series) {
        const auto found = m_auditFindings.constFind(s.clock->id);
        if (found == m_auditFindings.constEnd())
            continue;
        const QPair<const char *, int> severities[] = {{"warning", found->warning}, {"critical", found->critical}};
        for (const auto &severity : severities) {
            if (severity.second == 0)
                continue;
            PrometheusWriter::Labels labels = s.labels;
            labels.append({QStringLiteral("severity"), QLatin1String(severity.first)});
            out.sample("zentick_clock_audit_findings", labels, severity.second);
        }
    }

    out.family("zentick_clock_firmware_below_minimum", "gauge",
               QStringLiteral("1 when the monitor's last daily audit found the clock's firmware older than the "
                              "minimum set for its model (Audit/minFirmware). Absent otherwise."));
    for (const ClockSeries &s : series) {
        const auto found = m_auditFindings.constFind(s.clock->id);
        if (found != m_auditFindings.constEnd() && found->firmwareBelowMinimum)
            out.sampleText("zentick_clock_firmware_below_minimum", s.text, 1);
    }

    out.family("zentick_build_info", "gauge", QStringLiteral("Always 1; the version of the monitor as a label."));
    out.sample("zentick_build_info", {{QStringLiteral("version"), QStringLiteral(ZENTICK_VERSION)}}, 1);
    if (m_lastAudit.isValid()) {
        out.family("zentick_monitor_audit_last_run_timestamp_seconds", "gauge",
                   QStringLiteral("When the last daily audit finished, in seconds since the epoch."));
        out.sample("zentick_monitor_audit_last_run_timestamp_seconds", double(m_lastAudit.toSecsSinceEpoch()));
    }
    if (m_laneSource) {
        out.family("zentick_monitor_exchanges_in_flight", "gauge",
                   QStringLiteral("Exchanges with clocks running now, by lane: user, poll, probe, retry."));
        for (const auto &lane : m_laneSource())
            out.sample("zentick_monitor_exchanges_in_flight", {{QStringLiteral("lane"), lane.first}}, lane.second);
    }

    out.family("zentick_monitor_clocks", "gauge", QStringLiteral("Clocks on the device list."));
    out.sample("zentick_monitor_clocks", series.size());
    out.family("zentick_monitor_muted_clocks", "gauge", QStringLiteral("Clocks in a quiet period."));
    out.sample("zentick_monitor_muted_clocks", muted);

    const struct {
        const char *name;
        const char *help;
        quint64 value;
    } counters[] = {
        {"zentick_monitor_poll_rounds_total", "Passes of the status poller over the device list begun.",
         m_counters.pollRounds},
        {"zentick_monitor_polls_total", "Status polls finished.", m_counters.polls},
        {"zentick_monitor_polls_failed_total", "Status polls that got no status.", m_counters.failedPolls},
        {"zentick_monitor_alert_mails_sent_total",
         "Alert mails delivered; each names every clock that fell due within one collection window.",
         m_counters.alertMailsSent},
        {"zentick_monitor_alert_mails_failed_total", "Alert mails that could not be delivered.",
         m_counters.alertMailsFailed},
        {"zentick_monitor_alert_mail_clocks_total",
         "Clocks named by delivered alert mails; divided by the mails, the clocks per incident.",
         m_counters.incidentClocks},
        {"zentick_monitor_recovery_mails_sent_total", "Mails delivered naming clocks that are well again.",
         m_counters.recoveryMailsSent},
        {"zentick_monitor_report_writes_total", "Value report runs that saved the workbook.",
         m_counters.reportWrites},
        {"zentick_monitor_report_failures_total", "Value report runs that failed to save the workbook.",
         m_counters.reportFailures},
        {"zentick_monitor_journal_errors_total",
         "Tries to write the journal of clock events that failed; the events wait in memory meanwhile.",
         m_counters.journalErrors},
    };
    for (const auto &counter : counters) {
        out.family(counter.name, "counter", QLatin1String(counter.help));
        out.sample(counter.name, double(counter.value));
    }
    return out.page();
}
