#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

// One thing that happened to a clock. The history, the history view, the
// monitor and `zentick-cli events` all read these.
struct ClockEvent
{
    enum class Kind {
        Unreachable, // it stopped answering
        Reachable,   // it answers again
        Ntp,         // its NTP state changed (ntp)
        AlertDue,    // an alert counter reached its limit (alert)
        Mailed,      // an alert mail naming it was delivered (clocks: how many the mail named)
        MailFailed,  // an alert mail naming it was not (detail: the mail server's word)
        Recovered,   // well again after an alert (detail: for how long it was not)
        RecoveryMailed,
        Muted,       // a quiet period began (detail: until when, empty: until lifted)
        Unmuted,     // it ended (detail: "lifted" or "expired")
        // The monitoring session began or ended (no clock): time between a
        // stop and the next start is unknown to the availability report.
        MonitorStarted,
        MonitorStopped,
        Watched, // first polled in a monitoring session: on the list from here at the latest
        Changed, // an operator wrote to it (detail: an OperatorChange as JSON)
    };
    // Kinds are stored by number: new ones go at the end.
    static constexpr int kindCount = 14;

    QDateTime time; // UTC
    QString ip;
    QString name;
    QString group;
    Kind kind = Kind::Ntp;
    int ntp = -1;   // an NtpStatus, for Ntp events
    int alert = -1; // the due alert record, for AlertDue and mail events
    int clocks = 0; // how many clocks the mail named
    QString detail;

    // One line of JSON, without the line end.
    QByteArray toJson() const;
    // False for a line that is not an event (a corrupt or cut-off line).
    static bool fromJson(const QByteArray &line, ClockEvent &event);
    static QString kindName(Kind kind);
};

// Which events a read returns.
struct ClockEventFilter
{
    QString ip;      // empty: every clock
    QDateTime since; // invalid: from the start
    int limit = -1;  // the newest this many; -1: all
    int kind = -1;   // a ClockEvent::Kind; -1: every kind
};

// What one write of an operator to a clock did: who, which fields, the run
// it was part of, and whether it took. Passwords are never kept here.
struct OperatorChange
{
    struct Field
    {
        QString field;
        QString before; // empty where it is not known
        QString after;
    };
    // Longer texts are cut: an event stays one modest row.
    static constexpr int MaxFields = 64;
    static constexpr int MaxText = 256;

    QString user;
    QString host;
    QString operation; // "config", "change", "name", "network", "password", "resolveConflicts"
    QString run;       // the change run's id, if any
    QVector<Field> fields;
    bool done = false;
    QString reason; // why it failed

    QByteArray toJson() const;
    // False for a detail that is not one (an event of an older writer).
    static bool fromJson(const QByteArray &json, OperatorChange &change);
};
