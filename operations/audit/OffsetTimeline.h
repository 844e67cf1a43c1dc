#pragma once

#include <QDateTime>
#include <QVector>

#include <optional>

class QTimeZone;
struct ClockConfigFields;

// A UTC offset over a span of time: the offset at the start and every change
// after it. Both a clock's own settings and a zone of the time-zone database
// become one, so the two can be compared change by change instead of hour by
// hour.
class OffsetTimeline
{
public:
    struct Change
    {
        QDateTime at; // UTC
        int offsetMinutes = 0;
    };

    // The first instant at which two timelines disagree.
    struct Disagreement
    {
        QDateTime at; // UTC; the start of the span when they disagree from the outset
        int clockOffsetMinutes = 0;
        int siteOffsetMinutes = 0;
        int differenceMinutes() const { return clockOffsetMinutes - siteOffsetMinutes; }
    };

    // The zone between from and to (UTC).
    static OffsetTimeline ofZone(const QTimeZone &zone, const QDateTime &from, const QDateTime &to);
    // What a clock shows between from and to, by its time zone and summer-time
    // settings. None when a setting is outside its list of choices.
    static std::optional<OffsetTimeline> ofClock(const ClockConfigFields &config, const QDateTime &from,
                                                 const QDateTime &to);

    QDateTime from() const { return m_from; }
    QDateTime to() const { return m_to; }
    int initialOffsetMinutes() const { return m_initial; }
    const QVector<Change> &changes() const { return m_changes; }

    // None when they agree over the whole span of clock, which must lie
    // within site's.
    static std::optional<Disagreement> firstDisagreement(const OffsetTimeline &clock, const OffsetTimeline &site);

private:
    QDateTime m_from;
    QDateTime m_to;
    int m_initial = 0;
    QVector<Change> m_changes; // ascending, each a real change
};
