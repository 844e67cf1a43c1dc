#pragma once

#include "notify/IncidentMail.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class ClockRegistry;
class DevClock;
class MailSender;

// Gathers alerts into incidents. On a site of hundreds of clocks a power cut,
// a switch that restarts or an NTP server that fails makes many clocks due
// within the same minute; one mail per clock would bury the one that matters.
// So the first alert that falls due opens a collection window (the
// notification settings' collectionWindowSeconds) and every clock that falls
// due before it closes goes into the same mail. A window with one clock sends
// that clock's alert mail exactly as it has always looked. The per-clock
// rules stay (AlertTrigger::mailableRecord): a listed clock's record counts
// the attempt, takes the delivery, waits for its resend interval and re-arms
// when its counter decays; a failed mail is tried again, in a later window,
// until the record has used its attempts.
//
// Clocks whose alert was delivered and that are well again (answering and
// synchronised) are gathered the same way into a recovery mail, unless the
// settings switch those off.
class IncidentMailer : public QObject
{
    Q_OBJECT

public:
    enum class Kind { Alert, Recovery };

    // Mails about the clocks of this list.
    explicit IncidentMailer(ClockRegistry &registry, QObject *parent = nullptr);
    ~IncidentMailer() override;

    // After every status update of a clock: gathers it when its alert may be
    // mailed now, or when it is back after a delivered alert.
    void clockUpdated(DevClock &clock, const QDateTime &now = QDateTime::currentDateTime());
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
        QList<int> inFlightRecords; // alerts: the record each clock was mailed for
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
    void start(Kind kind, MailSender *sender, const QList<quint64> &ids, const QList<int> &records, bool started);
    void finished(Kind kind, const QString &status);
    Window &window(Kind kind) { return kind == Kind::Alert ? m_alerts : m_recoveries; }

    // One entry of an incident mail.
    IncidentMail::Entry entryOf(const DevClock &clock, int kind) const;

    ClockRegistry &m_registry;
    Window m_alerts;
    Window m_recoveries;
    // Clocks whose alert was delivered, waiting to be well again: the start
    // of their episode.
    QHash<quint64, QDateTime> m_awaitingRecovery;
    QHash<quint64, Recovery> m_recovered;
    int m_mailTimeoutMs;
};

Q_DECLARE_METATYPE(IncidentMailer::Kind)
