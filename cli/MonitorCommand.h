#pragma once

#include "session/MonitoringSession.h"

#include <QHash>
#include <QObject>

#include <memory>

class CliSession;
struct CliInvocation;
class DailyAudit;
class DevClock;
class FleetAudit;
class MetricsHttpServer;
class StatusBoard;
class QEventLoop;

// The headless equivalent of leaving the window open in the tray, on the
// same monitoring session: polls every listed clock, mails alerts by the
// notification settings, runs the value report by the report settings, saves
// the state file on a timer and when SIGINT or SIGTERM arrives, and prints
// one line per status change. Refuses to start while another program holds
// the device list.
class MonitorCommand : public QObject
{
    Q_OBJECT

public:
    explicit MonitorCommand(CliSession &session, QObject *parent = nullptr);
    ~MonitorCommand() override;

    // Runs until a stop signal; returns the exit status.
    int run();

    // The status as one line: the status text without its last-update part,
    // which the time column already shows.
    static QString statusWithoutUpdateTime(const DevClock &clock);

public slots:
    void SlotClockStatusUpdated(quint64 id);
    void stop(int signalNumber);

private:
    void printChange(const DevClock &clock);
    // The daily audit's findings, counted per clock for the metrics.
    void auditFinished(const FleetAudit &audit);
    // --metrics: serves the session's metrics; false, with a message, when it cannot.
    bool startMetrics(const QString &listenAddress);
    // The status board, on the metrics listener or (--board) on its own;
    // false, with a message, when it cannot start.
    bool startBoard();
    void startAudits(const CliInvocation &in);

    CliSession &m_session;
    MonitoringSession m_monitoring;
    std::unique_ptr<DailyAudit> m_dailyAudit;
    std::unique_ptr<MetricsHttpServer> m_metricsServer; // only with --metrics
    std::unique_ptr<StatusBoard> m_board;                // with --metrics or --board
    std::unique_ptr<MetricsHttpServer> m_boardServer;    // only with --board
    QHash<quint64, int> m_shownStatus; // the NTP state last printed per clock id
    QEventLoop *m_loop = nullptr;
    int m_exitStatus = 0;
};
