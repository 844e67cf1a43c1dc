#pragma once

#include "notify/AlertBooks.h"
#include "notify/IncidentMail.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class ClockRegistry;
class DevClock;
class HealthWriter;
class MailSender;

// Gathers alerts into incidents. On a site of hundreds of clocks a power cut,
// a switch that restarts or an NTP server that fails makes many clocks due
// within the same minute; one mail per clock would bury the one that matters.
// So the first alert that falls due opens a collection window (the
// notification settings' collectionWindowSeconds) and every clock that falls
// due before it closes goes into the same mail. A window with one clock sends
// that clock's alert mail exactly as it has always looked. The per-clock
// rules stay (AlertBooks, the mailer's own): a clock's books count the
// attempt, take the delivery, wait for the resend interval and open again
// when its counter in the clock's health decays; a failed mail is tried
// again, in a later window, until the kind has used its attempts. The
// clocks' health is only read here.
//
// Clocks whose alert was delivered and that are well again (answering and
// synchronised) are gathered the same way into a recovery mail, unless the
// settings switch those off.
class IncidentMailer : public QObject
{
    Q_OBJECT

public:
    enum class Kind { Alert, Recovery };

    // Mails about the clocks of this list, as their health says, with these
    // settings as they are at each mail; all three outlive the mailer.
    IncidentMailer(ClockRegistry &registry, const HealthWriter &health, const NotificationSettings &settings,
                   QObject *parent = nullptr);
    ~IncidentMailer() override;

    // After every status update of a clock: gathers it when its alert may be
    // mailed now, or when it is back after a delivered alert.
    void clockUpdated(const DevClock &clock, const QDateTime &now = QDateTime::currentDateTime());
    // What was mailed about each clock.
    const AlertBooks &books() const { return m_books; }
    // The SMTP time-out of the mails (tests shorten it).
    void setMailTimeout(int ms) { m_mailTimeoutMs = ms; }

    // Clocks gathered and not yet mailed, or in a mail under way.
    bool isBusy() const;
    // A mail is under way.
    bool isMailing() const;

signals:
    // A mail went out: which clocks it named (ids), whether it was delivered,
    // and the mail server's last word.
    void mailSent(IncidentMailer::Kind kind, const QList<quint64> &clocks, bool delivered, const QString &status);
    // A mail that could not even be started: no recipient.
    void mailNotSent(IncidentMailer::Kind kind, const QList<quint64> &clocks);

private:
    struct Window
    {
        QTimer timer;
        QList<quint64> clocks; // in the order they fell due
        QPointer<MailSender> inFlight;
        QList<quint64> inFlightClocks;
        QList<int> inFlightKinds; // alerts: the kind each clock was mailed for
    };
    struct Recovery
    {
        QDateTime since;
        QDateTime at;
    };

    void gather(Window &window, quint64 id);
    void close(Kind kind);
    void sendAlerts(const QList<quint64> &ids);
    void sendRecoveries(const QList<quint64> &ids);
    void start(Kind kind, MailSender *sender, const QList<quint64> &ids, const QList<int> &kinds, bool started);
    void finished(Kind kind, const QString &status);
    Window &window(Kind kind) { return kind == Kind::Alert ? m_alerts : m_recoveries; }

    // The kind of the clock's alert that may be mailed now, or -1.
    int mailableKind(quint64 id, const DevClock &clock, bool quiet, const QDateTime &now);
    // One entry of an alert or recovery mail.
    IncidentMail::Entry entryOf(const DevClock &clock, int kind) const;

    ClockRegistry &m_registry;
    const HealthWriter &m_health;
    const NotificationSettings &m_settings;
    AlertBooks m_books;
    Window m_alerts;
    Window m_recoveries;
    // Clocks whose alert was delivered, waiting to be well again: the start
    // of their episode.
    QHash<quint64, QDateTime> m_awaitingRecovery;
    QHash<quint64, Recovery> m_recovered;
    int m_mailTimeoutMs;
};

Q_DECLARE_METATYPE(IncidentMailer::Kind)
