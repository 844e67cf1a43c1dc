#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The day, week (from Monday) or month in local time that the availability
// views show, as [from, to) in UTC, and the moments their requests name.
namespace AvailabilityPeriod {

enum class Kind { Day, Week, Month };

struct Range
{
    QDateTime from;
    QDateTime to;
};

// "day", "week" or "month".
bool parseKind(const QString &text, Kind *kind);
// The period holding the local date.
Range containing(Kind kind, const QDate &date);
// The last one that ended at or before now: yesterday, last week, last month.
Range lastComplete(Kind kind, const QDateTime &now);
// The first day of the period n periods after the one holding date.
QDate step(Kind kind, const QDate &date, int n);

// An ISO date (its local midnight) or an ISO date and time (local unless it
// names its offset); invalid otherwise.
QDateTime parseMoment(const QString &text);

} // namespace AvailabilityPeriod
