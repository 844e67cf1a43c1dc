#include "operations/audit/DaylightRule.h"

#include "model/ChoiceLists.h"
#include "model/ClockConfig.h"

namespace {

using Base = DaylightRule::Base;
using Transition = DaylightRule::Transition;

constexpr int Sunday = 7;
constexpr int Friday = 5;
constexpr int March = 3;
constexpr int April = 4;
constexpr int October = 10;
constexpr int November = 11;
constexpr int minutesPerHour = 60;
constexpr int secondsPerMinute = 60;
constexpr int daysPerWeekCount = 7;

// Localization indexes, in the order of the editor's list.
enum Localization { Europe = 0, Australia = 1, UnitedStates = 2, Canada = 3, Israel = 4 };

constexpr int at(int hours)
{
    return hours * minutesPerHour;
}

// The weekday of the week-th week of a month; the last one for lastWeek.
QDate nthWeekday(int year, int month, int week, int weekday)
{
    if (week == DaylightRule::lastWeek) {
        const QDate last(year, month, QDate(year, month, 1).daysInMonth());
        return last.addDays(-((last.dayOfWeek() - weekday + daysPerWeekCount) % daysPerWeekCount));
    }
    const QDate first(year, month, 1);
    const int toWeekday = (weekday - first.dayOfWeek() + daysPerWeekCount) % daysPerWeekCount;
    return first.addDays(toWeekday + (week - 1) * daysPerWeekCount);
}

int minutesOf(const QTime &time)
{
    // An unset time reads as midnight, as the clock gets it: an empty field.
    return time.isValid() ? time.hour() * minutesPerHour + time.minute() : 0;
}

} // namespace

std::optional<DaylightRule> DaylightRule::preset(int localization)
{
    DaylightRule rule;
    switch (localization) {
    case Europe:
        // Last Sunday of March to last Sunday of October, both at 01:00 UTC.
        rule.start = {March, lastWeek, Sunday, 0, at(1), Base::Utc};
        rule.end = {October, lastWeek, Sunday, 0, at(1), Base::Utc};
        return rule;
    case Australia:
        // First Sunday of October to first Sunday of April, at 02:00 standard
        // time both ways (03:00 summer time at the end).
        rule.start = {October, 1, Sunday, 0, at(2), Base::Standard};
        rule.end = {April, 1, Sunday, 0, at(2), Base::Standard};
        return rule;
    case UnitedStates:
    case Canada:
        // Second Sunday of March to first Sunday of November, at 02:00 local
        // time (standard time at the start, summer time at the end).
        rule.start = {March, 2, Sunday, 0, at(2), Base::Standard};
        rule.end = {November, 1, Sunday, 0, at(2), Base::Daylight};
        return rule;
    case Israel:
        // The Friday before the last Sunday of March to the last Sunday of
        // October, at 02:00 local time.
        rule.start = {March, lastWeek, Sunday, Friday - Sunday, at(2), Base::Standard};
        rule.end = {October, lastWeek, Sunday, 0, at(2), Base::Daylight};
        return rule;
    default:
        return std::nullopt;
    }
}

std::optional<DaylightRule> DaylightRule::ofConfig(const ClockConfigFields &config)
{
    if (!config.DaylightSaving)
        return std::nullopt;
    if (config.Localization != ChoiceLists::localizationOther)
        return preset(config.Localization);
    // Each time is read on the clock's face just before the change: standard
    // time at the start, summer time at the end. Indexes: week 0..4 with 4
    // the last, weekday 0 Monday, month 0 January.
    DaylightRule rule;
    rule.start = {config.SummerTimeStartMonth + 1, config.SummerTimeStartDate + 1, config.SummerTimeStartDay + 1, 0,
                  minutesOf(config.SummerTimeStartTime), Base::Standard};
    rule.end = {config.SummerTimeEndMonth + 1, config.SummerTimeEndDate + 1, config.SummerTimeEndDay + 1, 0,
                minutesOf(config.SummerTimeEndTime), Base::Daylight};
    return rule;
}

QDateTime DaylightRule::instant(const Transition &transition, int year, int standardOffsetMinutes) const
{
    const bool known = transition.month >= 1 && transition.month <= 12 && transition.week >= 1
        && transition.week <= lastWeek && transition.weekday >= 1 && transition.weekday <= daysPerWeekCount;
    if (!known)
        return QDateTime();
    const QDate day = nthWeekday(year, transition.month, transition.week, transition.weekday)
                          .addDays(transition.dayShift);
    int offset = 0;
    if (transition.base == Base::Standard)
        offset = standardOffsetMinutes;
    else if (transition.base == Base::Daylight)
        offset = standardOffsetMinutes + saveMinutes;
    const QDateTime wall(day, QTime(0, 0), Qt::UTC);
    return wall.addSecs(qint64(transition.minutes - offset) * secondsPerMinute);
}
