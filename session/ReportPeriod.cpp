#include "session/ReportPeriod.h"

namespace {

QDate firstDayOf(ReportPeriod::Kind kind, const QDate &date)
{
    switch (kind) {
    case ReportPeriod::Kind::Week:
        return date.addDays(1 - date.dayOfWeek());
    case ReportPeriod::Kind::Month:
        return QDate(date.year(), date.month(), 1);
    case ReportPeriod::Kind::Day:
        break;
    }
    return date;
}

QDate nextFirstDay(ReportPeriod::Kind kind, const QDate &first)
{
    switch (kind) {
    case ReportPeriod::Kind::Week:
        return first.addDays(7);
    case ReportPeriod::Kind::Month:
        return first.addMonths(1);
    case ReportPeriod::Kind::Day:
        break;
    }
    return first.addDays(1);
}

} // namespace

ReportPeriod ReportPeriod::containing(Kind kind, const QDate &date)
{
    ReportPeriod period;
    period.kind = kind;
    if (!date.isValid())
        return period;
    const QDate first = firstDayOf(kind, date);
    // startOfDay, not 00:00: where summer time begins at midnight, the day
    // begins at 01:00.
    period.from = first.startOfDay(Qt::LocalTime).toUTC();
    period.to = nextFirstDay(kind, first).startOfDay(Qt::LocalTime).toUTC();
    return period;
}

ReportPeriod ReportPeriod::lastComplete(Kind kind, const QDateTime &now)
{
    if (!now.isValid())
        return containing(kind, QDate());
    const QDate current = firstDayOf(kind, now.toLocalTime().date());
    return containing(kind, kind == Kind::Month ? current.addMonths(-1)
                                : kind == Kind::Week ? current.addDays(-7)
                                                     : current.addDays(-1));
}

bool ReportPeriod::parseKind(const QString &text, Kind *kind)
{
    for (Kind each : {Kind::Day, Kind::Week, Kind::Month}) {
        if (text == kindName(each)) {
            *kind = each;
            return true;
        }
    }
    return false;
}

QString ReportPeriod::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Week:
        return QStringLiteral("week");
    case Kind::Month:
        return QStringLiteral("month");
    case Kind::Day:
        break;
    }
    return QStringLiteral("day");
}
