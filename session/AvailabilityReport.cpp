#include "session/AvailabilityReport.h"

#include "model/ClockStatus.h"

#include <QMap>

#include <algorithm>
#include <list>

namespace {

using Interval = QuietHours::Interval;

// The weekly stretches of every set of hours, sorted and joined.
QList<Interval> quietStretches(const QList<QuietHours> &hours, const QDateTime &from, const QDateTime &to)
{
    QList<Interval> all;
    for (const QuietHours &one : hours) {
        if (one.isValid())
            all += one.intervalsWithin(from, to);
    }
    std::sort(all.begin(), all.end(), [](const Interval &a, const Interval &b) { return a.from < b.from; });
    QList<Interval> joined;
    for (const Interval &next : all) {
        if (!joined.isEmpty() && next.from <= joined.last().to)
            joined.last().to = std::max(joined.last().to, next.to);
        else
            joined.append(next);
    }
    return joined;
}

bool isMonitorKind(ClockEvent::Kind kind)
{
    return kind == ClockEvent::Kind::MonitorStarted || kind == ClockEvent::Kind::MonitorStopped;
}

struct ClockState
{
    bool present = false;
    bool answering = true;
    bool synchronised = true;
    bool muted = false;
};

void apply(const ClockEvent &event, ClockState &state, bool &monitoring)
{
    switch (event.kind) {
    case ClockEvent::Kind::MonitorStarted:
        monitoring = true;
        // A new session takes every clock as well until a poll says otherwise.
        state.answering = true;
        state.synchronised = true;
        return;
    case ClockEvent::Kind::MonitorStopped:
        monitoring = false;
        return;
    case ClockEvent::Kind::Unreachable:
        state.answering = false;
        break;
    case ClockEvent::Kind::Reachable:
        state.answering = true;
        break;
    case ClockEvent::Kind::Ntp:
        state.synchronised = event.ntp == NtpSynchronized;
        break;
    case ClockEvent::Kind::Muted:
        state.muted = true;
        break;
    case ClockEvent::Kind::Unmuted:
        state.muted = false;
        break;
    default:
        break;
    }
    state.present = true;
}

// One clock's figures: its own events and the monitor's, oldest first.
AvailabilityReport::Figures figuresOf(const QDateTime &from, const QDateTime &to, const QDateTime &known,
                                      const QList<const ClockEvent *> &events, const QList<Interval> &quiet,
                                      bool presentAtStart)
{
    AvailabilityReport::Figures figures;
    figures.clocks = 1;
    ClockState state;
    state.present = presentAtStart;
    bool monitoring = false;
    int next = 0;
    while (next < events.size() && events[next]->time <= from)
        apply(*events[next++], state, monitoring);

    QList<QDateTime> edges{from, to};
    if (known > from && known < to)
        edges.append(known);
    for (int i = next; i < events.size() && events[i]->time < to; ++i)
        edges.append(events[i]->time);
    for (const Interval &stretch : quiet)
        edges << stretch.from << stretch.to;
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    bool inOutage = false;
    qint64 outage = 0;
    int stretch = 0;
    for (int i = 0; i + 1 < edges.size(); ++i) {
        const QDateTime &start = edges[i];
        while (next < events.size() && events[next]->time <= start)
            apply(*events[next++], state, monitoring);
        // An outage runs from not answering to answering again, through quiet or
        // unknown time.
        if (state.answering)
            inOutage = false;
        const qint64 secs = start.secsTo(edges[i + 1]);
        if (!state.present || secs <= 0)
            continue;
        while (stretch < quiet.size() && quiet[stretch].to <= start)
            ++stretch;
        const bool quietNow = stretch < quiet.size() && quiet[stretch].from <= start;
        if (!monitoring || start >= known) {
            figures.unknownSecs += secs;
        } else if (state.muted || quietNow) {
            figures.quietSecs += secs;
        } else if (state.answering) {
            figures.answeringSecs += secs;
            if (state.synchronised)
                figures.synchronisedSecs += secs;
        } else {
            if (!inOutage) {
                inOutage = true;
                outage = 0;
                ++figures.incidents;
            }
            outage += secs;
            figures.downSecs += secs;
            figures.longestIncidentSecs = std::max(figures.longestIncidentSecs, outage);
        }
    }
    return figures;
}

} // namespace

double AvailabilityReport::Figures::answeringShare() const
{
    return countedSecs() > 0 ? double(answeringSecs) / double(countedSecs()) : -1.0;
}

double AvailabilityReport::Figures::synchronisedShare() const
{
    return countedSecs() > 0 ? double(synchronisedSecs) / double(countedSecs()) : -1.0;
}

void AvailabilityReport::Figures::add(const Figures &other)
{
    clocks += other.clocks;
    answeringSecs += other.answeringSecs;
    synchronisedSecs += other.synchronisedSecs;
    downSecs += other.downSecs;
    quietSecs += other.quietSecs;
    unknownSecs += other.unknownSecs;
    incidents += other.incidents;
    longestIncidentSecs = std::max(longestIncidentSecs, other.longestIncidentSecs);
}

AvailabilityReport::Result AvailabilityReport::compute(const QDateTime &from, const QDateTime &to,
                                                       const QList<Clock> &clocks, const QList<ClockEvent> &events,
                                                       const QDateTime &now)
{
    Result result;
    result.from = from;
    result.to = to;
    if (!from.isValid() || !to.isValid() || to <= from)
        return result;
    QList<Clock> all = clocks;
    QHash<QString, int> indexOf;
    for (int i = 0; i < all.size(); ++i)
        indexOf.insert(all[i].ip, i);
    // Each clock's events with the monitor's woven in, in time order.
    QList<const ClockEvent *> monitor;
    QHash<QString, QList<const ClockEvent *>> own;
    // A run that ended without a word (a crash, a power cut) ended, as far as
    // anyone knows, with the last thing it wrote.
    std::list<ClockEvent> unrecordedStops;
    bool running = false;
    QDateTime lastWritten;
    for (const ClockEvent &event : events) {
        if (event.time >= to)
            continue;
        if (event.kind == ClockEvent::Kind::MonitorStarted && running && lastWritten.isValid()) {
            ClockEvent stop;
            stop.time = lastWritten;
            stop.kind = ClockEvent::Kind::MonitorStopped;
            unrecordedStops.push_back(stop);
            monitor.append(&unrecordedStops.back());
        }
        lastWritten = event.time;
        if (isMonitorKind(event.kind)) {
            running = event.kind == ClockEvent::Kind::MonitorStarted;
            monitor.append(&event);
            continue;
        }
        if (event.ip.isEmpty())
            continue;
        if (!indexOf.contains(event.ip)) {
            // Gone from the list since: still part of the period.
            indexOf.insert(event.ip, int(all.size()));
            all.append(Clock{event.ip, event.name, event.group, {}});
        }
        own[event.ip].append(&event);
    }
    const QDateTime known = std::min(now, to);
    QMap<QString, Figures> groups;
    for (const Clock &clock : all) {
        QList<const ClockEvent *> merged = own.value(clock.ip);
        const bool withoutHistory = merged.isEmpty();
        merged += monitor;
        std::stable_sort(merged.begin(), merged.end(),
                         [](const ClockEvent *a, const ClockEvent *b) { return a->time < b->time; });
        Figures figures
            = figuresOf(from, to, known, merged, quietStretches(clock.quietHours, from, to), withoutHistory);
        figures.name = clock.name;
        figures.ip = clock.ip;
        figures.group = clock.group;
        result.clocks.append(figures);
        Figures &group = groups[clock.group];
        group.name = clock.group;
        group.add(figures);
        result.site.add(figures);
    }
    result.groups = groups.values();
    return result;
}
