#include "operations/audit/OffsetTimeline.h"

#include "model/ChoiceLists.h"
#include "model/ClockConfig.h"
#include "operations/audit/DaylightRule.h"

#include <QTimeZone>

#include <algorithm>

namespace {

constexpr int secondsPerMinute = 60;

} // namespace

OffsetTimeline OffsetTimeline::ofZone(const QTimeZone &zone, const QDateTime &from, const QDateTime &to)
{
    OffsetTimeline timeline;
    timeline.m_from = from;
    timeline.m_to = to;
    timeline.m_initial = zone.offsetFromUtc(from) / secondsPerMinute;
    int current = timeline.m_initial;
    const QTimeZone::OffsetDataList transitions = zone.transitions(from.addSecs(1), to);
    for (const QTimeZone::OffsetData &transition : transitions) {
        const int offset = transition.offsetFromUtc / secondsPerMinute;
        // The database also lists changes of name or of the summer-time flag alone.
        if (offset == current)
            continue;
        timeline.m_changes.append(Change{transition.atUtc.toUTC(), offset});
        current = offset;
    }
    return timeline;
}

std::optional<OffsetTimeline> OffsetTimeline::ofClock(const ClockConfigFields &config, const QDateTime &from,
                                                      const QDateTime &to)
{
    // "TimeZoneActive" off: the clock applies no offset and keeps UTC as its
    // standard time.
    int standard = 0;
    if (config.TimeZoneActive && !ChoiceLists::timeZoneOffsetMinutes(config.TimeZone, standard))
        return std::nullopt;

    OffsetTimeline timeline;
    timeline.m_from = from;
    timeline.m_to = to;
    timeline.m_initial = standard;
    const std::optional<DaylightRule> rule = DaylightRule::ofConfig(config);
    if (!rule)
        return timeline;

    // From the year before, so that the state at the start is known in either
    // hemisphere.
    QVector<Change> events;
    for (int year = from.date().year() - 1; year <= to.date().year(); ++year) {
        const QDateTime start = rule->instant(rule->start, year, standard);
        const QDateTime end = rule->instant(rule->end, year, standard);
        if (!start.isValid() || !end.isValid())
            return std::nullopt;
        events.append(Change{start, standard + rule->saveMinutes});
        events.append(Change{end, standard});
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const Change &a, const Change &b) { return a.at < b.at; });

    int current = standard;
    for (const Change &event : qAsConst(events)) {
        if (event.at <= from) {
            current = event.offsetMinutes;
            timeline.m_initial = current;
        } else if (event.at <= to && event.offsetMinutes != current) {
            timeline.m_changes.append(event);
            current = event.offsetMinutes;
        }
    }
    return timeline;
}

std::optional<OffsetTimeline::Disagreement> OffsetTimeline::firstDisagreement(const OffsetTimeline &clock,
                                                                              const OffsetTimeline &site)
{
    int clockOffset = clock.m_initial;
    int siteOffset = site.m_initial;
    if (clockOffset != siteOffset)
        return Disagreement{clock.m_from, clockOffset, siteOffset};

    int c = 0;
    int s = 0;
    const QVector<Change> &cc = clock.m_changes;
    const QVector<Change> &sc = site.m_changes;
    while (c < cc.size() || s < sc.size()) {
        // Everything that happens at the next instant, on both sides, before comparing.
        QDateTime next;
        if (c < cc.size())
            next = cc.at(c).at;
        if (s < sc.size() && (!next.isValid() || sc.at(s).at < next))
            next = sc.at(s).at;
        if (next > clock.m_to)
            break;
        while (c < cc.size() && cc.at(c).at == next)
            clockOffset = cc.at(c++).offsetMinutes;
        while (s < sc.size() && sc.at(s).at == next)
            siteOffset = sc.at(s++).offsetMinutes;
        if (clockOffset != siteOffset)
            return Disagreement{next, clockOffset, siteOffset};
    }
    return std::nullopt;
}
