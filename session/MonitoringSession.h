#pragma once

#include "DeviceListLock.h"
#include "MonitorMetrics.h"
#include "StateLoad.h"

#include <QObject>
#include <QTimer>

#include <memory>

class ClockPoker;
class Reporter;

// What runs while the program watches the clocks, shared by the window and
// zentick-cli monitor: the device-list lock, the state file, the status
// poller, the alert trigger on every status update, the value report and the
// auto-save.
//
// Only the holder of the lock writes: without it the session saves nothing,
// sends no alert and writes no report (the holder does all three), and says
// why in readOnlyReason(); reading the list and polling still work.
class MonitoringSession : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultAutosaveSeconds = 150;

    explicit MonitoringSession(QObject *parent = nullptr);
    ~MonitoringSession() override;

    // Takes the lock. False when another writer holds it; readOnlyReason()
    // then names the holder.
    bool acquireLock();
    // Reads the last path, the report settings and the state file. A file
    // that could not be read and was left in place makes the session
    // read-only, so that no save replaces it with an empty list.
    StateLoad::Result load();

    bool isWritable() const { return m_readOnlyReason.isEmpty() && m_lock.isLocked(); }
    QString readOnlyReason() const;

    // Starts the poller and the auto-save; the reporter exists from here on,
    // switched on only when setReportEnabled asked for it.
    void start();
    // Stops polling, reporting and the auto-save. The final save is the
    // caller's, after the last status has arrived. A later start() goes on
    // as before, the report as last asked.
    void stop();
    bool isRunning() const { return m_poller != nullptr; }

    // Writes the state file; false, with lastSaveError(), when nothing was written.
    bool save();
    QString lastSaveError() const { return m_lastSaveError; }

    void setAutosaveSeconds(int seconds);
    int autosaveSeconds() const { return m_autosaveSeconds; }
    bool isAutosaveActive() const { return m_autosaveTimer.isActive(); }

    // Two programs writing one workbook would lose each other's rows, so the
    // report runs in the writing session only. Kept across stop() and start().
    void setReportEnabled(bool enabled);
    bool isReportEnabled() const;

    ClockPoker *poller() const { return m_poller.get(); }
    Reporter *reporter() const { return m_reporter.get(); }
    // Polls, alert mails and report runs since the session started, and each
    // clock's answer to its last poll.
    const MonitorMetrics &metrics() const { return m_metrics; }

public slots:
    // Every status update of a clock, from a poll or a refresh the user
    // asked for, goes through here.
    void notifyStatusUpdated(quint64 id);

signals:
    void statusUpdated(quint64 id);
    void saved(bool ok);

private slots:
    void onAutosaveTimeout();
    void onAlertMailSent(const QString &status);

private:
    DeviceListLock m_lock;
    QString m_readOnlyReason;
    QString m_lastSaveError;
    std::unique_ptr<ClockPoker> m_poller;
    std::unique_ptr<Reporter> m_reporter;
    QTimer m_autosaveTimer;
    int m_autosaveSeconds = defaultAutosaveSeconds;
    bool m_reportWanted = false;
    MonitorMetrics m_metrics;
};
