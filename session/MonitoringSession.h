#pragma once

#include "health/HealthWriter.h"
#include "session/AuditSchedule.h"
#include "session/DeviceListLock.h"
#include "metrics/MonitorMetrics.h"
#include "session/StateLoad.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <memory>

class AvailabilityMailer;
class ClockEventTracker;
class ClockRegistry;
class Communication;
class ClockPoker;
class DevClock;
class EventJournal;
class OperatorRecorder;
struct OperatorChange;
class IncidentMailer;
class QuietRequestWatcher;
struct NotificationSettings;
class Reporter;
struct QuietRequest;

// What runs while the program watches the clocks, shared by the window and
// zentick-cli monitor: the device-list lock, the state file, the status
// poller, the alert mails (gathered into incidents) on every status update,
// the journal of clock events, quiet periods, the value report and the
// auto-save.
//
// Only the holder of the lock writes: without it the session saves nothing,
// sends no alert, keeps no journal and writes no report (the holder does all
// of it), and says why in readOnlyReason(); reading the list and polling
// still work. The holder also applies the quiet periods other programs ask
// for (QuietRequest).
class MonitoringSession : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultAutosaveSeconds = 150;
    // A save that failed is tried again after this long (and at the next
    // change, whichever comes first).
    static constexpr int defaultSaveRetryMs = 10000;

    // Monitors the clocks of this list through exchanges, and mails with the
    // settings (which the state file holds); all three outlive the session.
    MonitoringSession(ClockRegistry &registry, Communication &exchanges, NotificationSettings &alerts,
                      QObject *parent = nullptr);
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
    // switched on only when setReportEnabled asked for it. A writing session
    // also starts the alert mails, the journal and the pick-up of
    // quiet-period requests.
    void start();
    // Stops polling, reporting and the auto-save. The final save is the
    // caller's, after the last status has arrived. A later start() goes on
    // as before, the report as last asked.
    void stop();
    bool isRunning() const { return m_poller != nullptr; }

    // Writes the state file; false, with lastSaveError(), when nothing was written.
    bool save();
    QString lastSaveError() const { return m_lastSaveError; }
    // Why the device list of this writing session is not saved, with the
    // operating system's reason; empty once a save succeeded.
    QString saveProblem() const { return m_saveProblem; }
    void setSaveRetryMs(int milliseconds) { m_saveRetry.setInterval(qMax(1, milliseconds)); }

    void setAutosaveSeconds(int seconds);
    int autosaveSeconds() const { return m_autosaveSeconds; }
    bool isAutosaveActive() const { return m_autosaveTimer.isActive(); }

    // Two programs writing one workbook would lose each other's rows, so the
    // report runs in the writing session only. Kept across stop() and start().
    void setReportEnabled(bool enabled);
    bool isReportEnabled() const;

    // Off where another system (Alertmanager) mails the alerts: the session
    // then judges and journals as before but sends no alert or recovery
    // mail. Takes effect at the next start().
    void setMailEnabled(bool enabled) { m_mailWanted = enabled; }
    bool isMailEnabled() const { return m_mailWanted; }

    // Starts or lifts a quiet period, journals it and saves the list; the
    // error text when it names nothing listed or the session cannot write.
    QString applyQuietRequest(const QuietRequest &request);

    ClockRegistry &registry() const { return m_registry; }
    Communication &exchanges() const { return m_exchanges; }
    // The alert mail settings, loaded and saved with the list.
    NotificationSettings &alertSettings() const { return m_alerts; }
    ClockPoker *poller() const { return m_poller.get(); }
    IncidentMailer *mailer() const { return m_mailer.get(); }
    EventJournal *journal() const { return m_journal.get(); }
    // Writes what the user wrote to the clock at ip into the history, while
    // this session keeps one.
    void recordChange(const QString &ip, const OperatorChange &change);
    Reporter *reporter() const { return m_reporter.get(); }
    // The monthly availability mail, beside the report: in a writing session
    // that sends mail.
    AvailabilityMailer *availabilityMailer() const { return m_availabilityMailer.get(); }
    // Polls, alert mails and report runs since the session started, and each
    // clock's answer to its last poll.
    // Every listed clock's health, which the poller writes and the rest reads.
    const HealthWriter &health() const { return m_health; }
    HealthWriter &health() { return m_health; }
    const MonitorMetrics &metrics() const { return m_metrics; }
    MonitorMetrics &metrics() { return m_metrics; }
    // The background audit whose findings the device list shows; started by
    // the program (not by start()), stopped by stop().
    AuditSchedule &audits() { return m_audits; }

    // A flow of the user changed the list (added, imported, removed, moved,
    // regrouped, renamed): saved now, so that a crash right after loses
    // nothing. What the file holds is copied here, on the thread that owns
    // the clocks; a worker thread makes the text and writes it, one write
    // after the other, and save() waits for them first. A read-only session
    // saves nothing.
    void saveInBackground();
    // Until every background write has ended.
    void waitForSaves();

public slots:
    // A status update of a clock other than a poll (a refresh the user asked
    // for, a configuration read): announced through the list, then judged,
    // journaled and mailed about like a poll's.
    void notifyStatusUpdated(quint64 id);

signals:
    void statusUpdated(quint64 id);
    void saved(bool ok);
    // A quiet period began or ended for these clocks (from here or a request).
    void quietPeriodsChanged(const QList<quint64> &clocks);
    // The journal of clock events cannot be written (why), or can be again
    // (empty).
    void journalProblemChanged(const QString &problem);
    // A save of the device list failed (why), or one succeeded again (empty).
    void saveProblemChanged(const QString &problem);

private slots:
    void onAutosaveTimeout();

private:
    ClockRegistry &m_registry;
    Communication &m_exchanges;
    NotificationSettings &m_alerts;
    HealthWriter m_health;
    DeviceListLock m_lock;
    QString m_readOnlyReason;
    QString m_lastSaveError;
    QString m_saveProblem;
    // Keeps the outcome of a save of the writing session and retries a failed one.
    void saveEnded(bool ok, const QString &path, const QString &reason);
    void quietPeriodsApplied(const QList<DevClock *> &clocks);
    // Every status update, a poll's (which the poller announced) or another.
    void statusUpdatedOf(quint64 id, bool announce);

    std::unique_ptr<ClockPoker> m_poller;
    std::unique_ptr<Reporter> m_reporter;
    std::unique_ptr<AvailabilityMailer> m_availabilityMailer;
    std::unique_ptr<EventJournal> m_journal;
    std::unique_ptr<OperatorRecorder> m_operators;
    std::unique_ptr<ClockEventTracker> m_tracker;
    std::unique_ptr<IncidentMailer> m_mailer;
    std::unique_ptr<QuietRequestWatcher> m_quietRequests;
    QTimer m_autosaveTimer;
    QTimer m_saveRetry;
    int m_autosaveSeconds = defaultAutosaveSeconds;
    bool m_reportWanted = false;
    bool m_mailWanted = true;
    MonitorMetrics m_metrics;
    AuditSchedule m_audits;
    // Last: destroyed first, waiting for a write still running.
    QThreadPool m_writer;
};
