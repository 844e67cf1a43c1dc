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
    period.to = step(kind, first, 1).startOfDay(Qt::LocalTime).toUTC();
    return period;
}

ReportPeriod ReportPeriod::lastComplete(Kind kind, const QDateTime &now)
{
    if (!now.isValid())
        return containing(kind, QDate());
    return containing(kind, step(kind, now.toLocalTime().date(), -1));
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

QDate ReportPeriod::step(Kind kind, const QDate &date, int n)
{
    const QDate first = firstDayOf(kind, date);
    switch (kind) {
    case Kind::Week:
        return first.addDays(7 * qint64(n));
    case Kind::Month:
        return first.addMonths(n);
    case Kind::Day:
        break;
    }
    return first.addDays(n);
}

QDateTime ReportPeriod::parseMoment(const QString &text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid() && text.size() == 10)
        return date.startOfDay(Qt::LocalTime).toUTC();
    // Qt reads a time with no date part as today; only whole moments count.
    if (!text.contains(QLatin1Char('T')))
        return {};
    return QDateTime::fromString(text, Qt::ISODate).toUTC();
}
