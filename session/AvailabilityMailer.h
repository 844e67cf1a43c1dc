#pragma once

#include "session/AvailabilityReport.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <memory>

class ClockRegistry;
class MailSender;
struct NotificationSettings;

// Mails the availability report of the previous month, with its workbook
// attached, once a month on the day the notification settings name
// (AvailabilityMailSchedule decides). The figures come from the history in
// SQLite and are computed on a thread of its own; only the mail is sent from
// the owner's thread. A failure (the history cannot be read, the server
// refuses) is tried again after the retry wait. A delivered month is noted
// in the settings (availabilityLastMonth) and announced through mailed(), so
// that the owner saves the state file.
class AvailabilityMailer : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultCheckIntervalMs = 10 * 60 * 1000;
    static constexpr int defaultRetrySecs = 60 * 60;

    // The list, the settings and the history folder outlive the mailer.
    AvailabilityMailer(const ClockRegistry &registry, NotificationSettings &settings, const QString &historyFolder,
                       QObject *parent = nullptr);
    ~AvailabilityMailer() override;

    void setCheckIntervalMs(int ms);
    void setRetrySecs(int secs) { m_retrySecs = secs; }
    void setMailTimeoutMs(int ms) { m_mailTimeoutMs = ms; }

    // A check from the event loop, then one every interval.
    void start();
    void stop();
    bool isBusy() const { return m_computing || m_sender; }

    // The mail's subject and text for a month's figures.
    static QString subject(const QDate &month);
    static QString body(const AvailabilityReport::Result &result);
    static QString fileName(const QDate &month);

public slots:
    void checkNow();

signals:
    // An attempt for month ended; status: the server's answer or why there was no mail.
    void mailed(const QDate &month, bool delivered, const QString &status);

private:
    void computed(const QDate &month, const AvailabilityReport::Result &result, const QByteArray &workbook,
                  const QString &problem);
    void ended(const QDate &month, bool delivered, const QString &status);

    const ClockRegistry &m_registry;
    NotificationSettings &m_settings;
    QString m_folder;
    QTimer m_timer;
    int m_retrySecs = defaultRetrySecs;
    int m_mailTimeoutMs;
    QDateTime m_lastFailure;
    bool m_computing = false;
    std::unique_ptr<MailSender> m_sender;
    // Last: destroyed first, waiting for a computation still running.
    QThreadPool m_worker;
};
