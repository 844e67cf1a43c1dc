#pragma once

#include <QDateTime>

#include <optional>

struct ClockConfigFields;

// When a clock moves into and out of summer time, as its settings tell it:
// a localization preset or the custom rule ("Nth weekday of a month at a
// time"). The clock's firmware is taken to apply the public rules of the
// preset regions; these are written down here and nowhere else.
struct DaylightRule
{
    // The wall clock a transition time is read on.
    enum class Base {
        Utc,      // the same instant everywhere in the region
        Standard, // local standard time, as the clock shows it before the start
        Daylight, // local summer time, as the clock shows it before the end
    };

    struct Transition
    {
        int month = 1;     // 1 = January
        int week = 1;      // 1..4, or lastWeek
        int weekday = 7;   // 1 = Monday .. 7 = Sunday
        int dayShift = 0;  // days added to the weekday found
        int minutes = 0;   // time of day
        Base base = Base::Standard;
    };

    static constexpr int lastWeek = 5;
    static constexpr int defaultSaveMinutes = 60;

    Transition start;
    Transition end;
    int saveMinutes = defaultSaveMinutes;

    // The rule of a Localization preset; none for "Other" or an unknown index.
    static std::optional<DaylightRule> preset(int localization);
    // The rule the clock applies; none when it keeps standard time all year.
    static std::optional<DaylightRule> ofConfig(const ClockConfigFields &config);

    // The instant (UTC) of a transition in a year, for a clock whose standard
    // time is standardOffsetMinutes from UTC. Invalid when the month has no
    // such day.
    QDateTime instant(const Transition &transition, int year, int standardOffsetMinutes) const;
};
