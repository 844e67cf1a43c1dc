#include "session/AvailabilityPeriod.h"

namespace AvailabilityPeriod {

namespace {

QDate firstDay(Kind kind, const QDate &date)
{
    switch (kind) {
    case Kind::Day: return date;
    case Kind::Week: return date.addDays(1 - date.dayOfWeek());
    case Kind::Month: return QDate(date.year(), date.month(), 1);
    }
    return date;
}

QDateTime localMidnight(const QDate &date)
{
    return QDateTime(date, QTime(0, 0), Qt::LocalTime).toUTC();
}

} // namespace

bool parseKind(const QString &text, Kind *kind)
{
    static const struct { const char *name; Kind kind; } kinds[] = {
        {"day", Kind::Day}, {"week", Kind::Week}, {"month", Kind::Month}};
    for (const auto &entry : kinds) {
        if (text == QLatin1String(entry.name)) {
            *kind = entry.kind;
            return true;
        }
    }
    return false;
}

QDate step(Kind kind, const QDate &date, int n)
{
    const QDate first = firstDay(kind, date);
    switch (kind) {
    case Kind::Day: return first.addDays(n);
    case Kind::Week: return first.addDays(7 * qint64(n));
    case Kind::Month: return first.addMonths(n);
    }
    return first;
}

Range containing(Kind kind, const QDate &date)
{
    return {localMidnight(firstDay(kind, date)), localMidnight(step(kind, date, 1))};
}

Range lastComplete(Kind kind, const QDateTime &now)
{
    return containing(kind, step(kind, now.toLocalTime().date(), -1));
}

QDateTime parseMoment(const QString &text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid() && text.size() == 10)
        return localMidnight(date);
    // Qt reads a time with no date part as today; only whole moments count.
    if (!text.contains(QLatin1Char('T')))
        return {};
    return QDateTime::fromString(text, Qt::ISODate).toUTC();
}

} // namespace AvailabilityPeriod
