#pragma once

#include "values/Error.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMetaType>
#include <QString>

// One thing the fleet audit found wrong with one clock. The keys are the
// stable names that machine-readable output uses; the texts are for people.
struct AuditFinding
{
    Q_DECLARE_TR_FUNCTIONS(AuditFinding)

public:
    // The same scale as a clock's NTP severity: higher is worse.
    enum class Severity { Warning = 1, Critical = 2 };
    enum class Kind {
        Unreachable,    // the configuration could not be downloaded
        Drift,          // a field differs from the group's configuration
        TimeSource,     // no time source, no server, or not synchronised
        DaylightSaving, // the clock's offset leaves the site's zone
        Firmware,       // older than the site's minimum for the model
    };

    // The clock, as listed when the audit started.
    quint64 clockId = 0;
    int clockIndex = -1;
    QString clockName;
    QString clockIp;

    Severity severity = Severity::Warning;
    Kind kind = Kind::Unreachable;
    // One line for people, translated.
    QString reason;

    // Unreachable: the kind of the failure.
    Error error = NoError;
    // Drift: the field as the configuration file names it, and both values.
    QString field;
    QString groupValue;
    QString clockValue;
    // Daylight saving: the first instant (UTC) of the disagreement and the
    // clock's offset minus the site's.
    QDateTime at;
    int differenceMinutes = 0;
    // Firmware: the model, the clock's firmware and the minimum (hundredths).
    QString model;
    int firmware = 0;
    int minimumFirmware = 0;

    static QString severityKey(Severity severity);
    static QString kindKey(Kind kind);
    static QString severityText(Severity severity);
    static QString kindText(Kind kind);
};
Q_DECLARE_METATYPE(AuditFinding)
