#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// A calendar period of a report: a day, a week (Monday to Sunday) or a month
// in local time, as [from, to). The bounds are local midnights: a day across
// a change of summer time is 23 or 25 hours long. Pure: no clock of its own.
struct ReportPeriod
{
    enum class Kind { Day, Week, Month };

    Kind kind = Kind::Day;
    QDateTime from; // UTC
    QDateTime to;   // UTC, not included

    bool isValid() const { return from.isValid() && to.isValid() && from < to; }

    // The last period that ended at or before now: yesterday, last week, last
    // month.
    static ReportPeriod lastComplete(Kind kind, const QDateTime &now);
    // The period that holds the local date.
    static ReportPeriod containing(Kind kind, const QDate &date);
    // "day", "week" or "month".
    static bool parseKind(const QString &text, Kind *kind);
    static QString kindName(Kind kind);
    // The first day of the period n periods after the one holding date.
    static QDate step(Kind kind, const QDate &date, int n);
    // An ISO date (its local start) or an ISO date and time (local unless it
    // names its offset), in UTC; invalid otherwise.
    static QDateTime parseMoment(const QString &text);
};
