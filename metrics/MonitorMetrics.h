#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>

#include <functional>

class ClockRegistry;
class HealthWriter;

// What the monitor has counted since it started, and each clock's answer to
// its last poll, rendered with the clocks' status as a Prometheus page.
class MonitorMetrics
{
public:
    struct Counters
    {
        quint64 pollRounds = 0;
        quint64 polls = 0;
        quint64 failedPolls = 0;
        quint64 alertMailsSent = 0;
        quint64 alertMailsFailed = 0;
        quint64 incidentClocks = 0; // clocks named by delivered alert mails
        quint64 recoveryMailsSent = 0;
        quint64 reportWrites = 0;
        quint64 reportFailures = 0;
        quint64 journalErrors = 0; // failed tries to write the journal
    };

    void recordPollRound() { ++m_counters.pollRounds; }
    void recordPoll(quint64 clockId, bool answered);
    // One alert mail (an incident), naming this many clocks.
    void recordAlertMail(bool delivered, int clocks = 1);
    void recordRecoveryMail(bool delivered);
    void recordReportWrite(bool ok);
    void recordJournalError() { ++m_counters.journalErrors; }
    // A clock left the list: what was kept of it goes (all without an id).
    void forgetClock(quint64 clockId);
    void forgetClocks();

    const Counters &counters() const { return m_counters; }

    // Findings of the last audit, by clock id: warnings and critical ones,
    // and whether one of them is a firmware below the model's minimum.
    struct AuditCounts
    {
        int warning = 0;
        int critical = 0;
        bool firmwareBelowMinimum = false;
    };
    void recordAudit(const QHash<quint64, AuditCounts> &findings, const QDateTime &at);

    // Exchanges running per lane ("poll", "retry", ...), asked at each scrape.
    using LaneCounts = QVector<QPair<QString, int>>;
    void setLaneSource(std::function<LaneCounts()> source) { m_laneSource = std::move(source); }

    // The clocks' health, for zentick_clock_alerting; without it no alert shows.
    void setHealth(const HealthWriter *health) { m_health = health; }

    // The kind label of zentick_clock_alerting for an alert record (an
    // NtpStatus); empty for a record that no alert mail is about.
    static QString alertKind(int record);

    // Every listed clock (labels name, ip, group; zentick_clock_info adds
    // model, firmware, mac and device_code) and the monitor's counters.
    QByteArray render(const ClockRegistry &registry, const QDateTime &now) const;

private:
    Counters m_counters;
    QHash<quint64, bool> m_answered; // by clock id: did its last poll get a status?
    // By clock id: its last update and that moment in milliseconds since the
    // epoch. Converting a local time asks the C library for the time zone (a
    // file check) each time: once per update, not per clock and scrape.
    mutable QHash<quint64, QPair<QDateTime, qint64>> m_updateMs;
    QHash<quint64, AuditCounts> m_auditFindings;
    QDateTime m_lastAudit;
    std::function<LaneCounts()> m_laneSource;
    const HealthWriter *m_health = nullptr;
};
