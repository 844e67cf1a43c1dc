#pragma once

#include "monitor/ScheduledAudit.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTime>
#include <QTimeZone>
#include <QTimer>

#include <memory>

class CliOutput;
class ClockRegistry;
class Communication;
struct CliInvocation;
class QJsonArray;
class FleetAudit;
class MailSender;
struct NotificationSettings;

// The monitor's audit once a day: at a time of day it audits every listed
// clock and mails the findings to the alert recipients, but only when they
// differ from what was mailed last. What was mailed is kept in a file, so a
// restart does not mail the same findings again; it is written only after
// the server took the mail, so a failed mail is tried again the next day.
class DailyAudit : public ScheduledAudit
{
    Q_OBJECT

public:
    // What became of one run.
    enum class Outcome { Mailed, Unchanged, MailFailed, Canceled, MailOff };
    Q_ENUM(Outcome)

    // Audits the clocks of registry through exchanges, mailing with alerts.
    DailyAudit(ClockRegistry &registry, Communication &exchanges, const NotificationSettings &alerts,
               CliOutput &output, const QTime &at, const QTimeZone &siteZone, QObject *parent = nullptr);
    ~DailyAudit() override;

    // The daily audit that --audit-daily and --site-zone ask for; none
    // without --audit-daily.
    static std::unique_ptr<DailyAudit> fromInvocation(ClockRegistry &registry, Communication &exchanges,
                                                      const NotificationSettings &alerts,
                                                      const CliInvocation &invocation, CliOutput &output);

    // "audit-mailed.json" in the data folder unless set.
    void setRecordPath(const QString &path) { m_recordPath = path; }
    QString recordPath() const { return m_recordPath; }

    // Off (monitor --mail off): audits and reports, mails nothing.
    void setMailEnabled(bool enabled) override { m_mailEnabled = enabled; }

    // Waits for the next time of day, runs, and waits again.
    void start() override;
    // The instant of the next run after now (local time).
    static QDateTime nextRun(const QDateTime &now, const QTime &at);

    // A fingerprint of what the findings say (not of their wording), the one
    // thing kept in the record.
    static QByteArray fingerprint(const FleetAudit &audit);

public slots:
    void runNow();

signals:
    void ran(DailyAudit::Outcome outcome);

private slots:
    void onAuditFinished();
    void onAuditCanceled();
    void onMailSent(const QString &status);

private:
    static QByteArray fingerprintOf(const QJsonArray &clocksWithFindings);
    void schedule();
    void finish(Outcome outcome, const QString &note);
    QByteArray mailedFingerprint() const;
    bool writeRecord(const QByteArray &fingerprint) const;

    ClockRegistry &m_registry;
    Communication &m_exchanges;
    const NotificationSettings &m_alerts;
    CliOutput &m_output;
    QTime m_at;
    QTimeZone m_siteZone;
    QString m_recordPath;
    QTimer m_timer;
    std::unique_ptr<FleetAudit> m_audit;
    std::unique_ptr<MailSender> m_mail;
    QByteArray m_pendingFingerprint;
    QString m_summary;
    bool m_mailEnabled = true;
};
