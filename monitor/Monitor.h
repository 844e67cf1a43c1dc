#pragma once

#include "session/MonitoringSession.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimeZone>

#include <functional>
#include <memory>
#include <optional>

class ClockRegistry;
class Communication;
class DevClock;
class FleetAudit;
class HttpListener;
class MonitorOutput;
class QEventLoop;
class ScheduledAudit;
class StatusBoard;
struct NotificationSettings;

// The headless equivalent of leaving the window open in the tray, on the
// same monitoring session: polls every listed clock, mails alerts by the
// notification settings, runs the value report by the report settings, saves
// the state file on a timer and when stopped, and prints one line per status
// change; serves the metrics and the status board when asked to. Refuses to
// start while another program holds the device list. zentick-cli's monitor
// command reads the options and starts it, as the window's main() composes
// the window.
class Monitor : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        std::optional<int> autosaveSeconds;
        std::optional<bool> mail; // unset: the stored setting
        // "[ADDRESS:]PORT" of the metrics listener (which serves the board
        // too), and of the board's own listener.
        std::optional<QString> metrics;
        std::optional<QString> board;
        std::optional<QString> boardTokenFile;
        // Besides those of the setting Monitor/boardHosts.
        QStringList boardHosts;
        QTimeZone siteZone; // invalid: the stored site zone
        // Made once the list is loaded; none without.
        std::function<std::unique_ptr<ScheduledAudit>()> scheduledAudit;
    };

    // Works on this list through exchanges, mailing with alerts; all three
    // outlive the monitor.
    Monitor(ClockRegistry &registry, Communication &exchanges, NotificationSettings &alerts, MonitorOutput &output,
            Options options, QObject *parent = nullptr);
    ~Monitor() override;

    // Runs until stop(); true when it stopped with the list saved.
    bool run();

    // The status as one line: the status text without its last-update part,
    // which the time column already shows.
    static QString statusWithoutUpdateTime(const DevClock &clock);

public slots:
    // Saves the list and ends run(); the signal that asked is named.
    void stop(int signalNumber);

private slots:
    void onStatusUpdated(quint64 id);

private:
    bool fail(const QString &message);
    void printChange(const DevClock &clock);
    // The findings of either audit, counted per clock for the metrics.
    void auditFinished(const FleetAudit &audit);
    bool startMetrics();
    // On the metrics listener or on its own; false, said, when it cannot.
    bool startBoard();
    void startAudits();

    ClockRegistry &m_registry;
    MonitorOutput &m_output;
    Options m_options;
    MonitoringSession m_monitoring;
    std::unique_ptr<ScheduledAudit> m_scheduledAudit;
    std::unique_ptr<HttpListener> m_metricsListener;  // only with metrics
    std::unique_ptr<StatusBoard> m_board;             // with metrics or board
    std::unique_ptr<HttpListener> m_boardListener;    // only with board
    bool m_boardOnMetrics = false;                    // without a listener of its own
    QHash<quint64, int> m_shownStatus;                // the NTP state last printed per clock id
    QEventLoop *m_loop = nullptr;
    bool m_saved = false;
};
