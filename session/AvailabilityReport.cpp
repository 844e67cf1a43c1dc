#include "session/AvailabilityReport.h"

#include "model/ClockStatus.h"

#include <QMap>
#include <QVersionNumber>

#include <algorithm>

namespace {

// Milliseconds since the epoch: a month of a large site is millions of
// stretches, too many to add up as QDateTime.
struct Span
{
    qint64 from;
    qint64 to;
};

// The weekly stretches of every set of hours, sorted and joined.
QVector<Span> quietStretches(const QList<QuietHours> &hours, const QDateTime &from, const QDateTime &to)
{
    QVector<Span> all;
    for (const QuietHours &one : hours) {
        if (!one.isValid())
            continue;
        for (const QuietHours::Interval &interval : one.intervalsWithin(from, to))
            all.append({interval.from.toMSecsSinceEpoch(), interval.to.toMSecsSinceEpoch()});
    }
    std::sort(all.begin(), all.end(), [](const Span &a, const Span &b) { return a.from < b.from; });
    QVector<Span> joined;
    for (const Span &next : qAsConst(all)) {
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

// One clock while the history goes by: its state, the time counted so far
// and the stretch it has not answered for.
struct Track
{
    AvailabilityReport::Clock clock;
    bool fromHistory = false; // not on the list
    bool seenInPeriod = false;
    bool present = false;
    // Without any event before the period a clock counts from its start,
    // unless an event of its own turns up later: it counts from there.
    bool provisional = false;
    bool answering = true;
    bool synchronised = true;
    bool muted = false;
    qint64 since = 0; // counted up to here
    QVector<Span> quiet;
    int stretch = 0; // the first quiet stretch not yet behind
    qint64 answeringMs = 0, synchronisedMs = 0, downMs = 0, quietMs = 0, unknownMs = 0, longestMs = 0;
    int incidents = 0;
    // The stretch not answering: from its start, counted once it holds time
    // that is neither quiet nor unknown.
    bool inRun = false;
    bool counted = false;
    qint64 runStart = 0, runEnd = 0, runDownMs = 0;
    QVector<AvailabilityReport::Outage> outages;

    void resetCounts()
    {
        answeringMs = synchronisedMs = downMs = quietMs = unknownMs = longestMs = 0;
        incidents = 0;
        inRun = false;
        outages.clear();
    }
};

QDateTime utcOf(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

} // namespace

struct AvailabilityReport::Tally::Data
{
    QDateTime from, to;
    qint64 fromMs = 0, toMs = 0, knownMs = 0;
    bool valid = false;
    bool monitoring = false;
    bool written = false;
    qint64 lastWrittenMs = 0;
    std::vector<Track> tracks;
    QHash<QString, int> indexOf;

    void closeRun(Track &t, bool ongoing)
    {
        if (t.inRun && t.counted) {
            t.outages.append(Outage{t.clock.ip, t.clock.name, t.clock.group, utcOf(t.runStart), utcOf(t.runEnd),
                                    ongoing});
        }
        t.inRun = false;
    }

    // Not answering over [a, b), monitored, known.
    void notAnswering(Track &t, qint64 a, qint64 b, bool quiet)
    {
        if (!t.inRun) {
            t.inRun = true;
            t.counted = false;
            t.runStart = a;
            t.runDownMs = 0;
        }
        t.runEnd = b;
        if (quiet)
            return;
        if (!t.counted) {
            t.counted = true;
            ++t.incidents;
        }
        t.runDownMs += b - a;
        t.downMs += b - a;
        t.longestMs = std::max(t.longestMs, t.runDownMs);
    }

    // Counts the clock's time up to until in the state it has now.
    void account(Track &t, qint64 until)
    {
        // A stretch not answering ends where the clock answers again, through
        // quiet and unknown time.
        if (t.answering)
            closeRun(t, false);
        qint64 a = std::max(t.since, fromMs);
        const qint64 b = std::min(until, toMs);
        t.since = std::max(t.since, until);
        if (b <= a || !t.present)
            return;
        if (!monitoring || a >= knownMs) {
            t.unknownMs += b - a;
            return;
        }
        const qint64 knownEnd = std::min(b, knownMs);
        while (a < knownEnd) {
            while (t.stretch < t.quiet.size() && t.quiet[t.stretch].to <= a)
                ++t.stretch;
            const bool quietNow = t.stretch < t.quiet.size() && t.quiet[t.stretch].from <= a;
            qint64 next = knownEnd;
            if (t.stretch < t.quiet.size())
                next = std::min(next, quietNow ? t.quiet[t.stretch].to : t.quiet[t.stretch].from);
            const qint64 ms = next - a;
            if (t.muted || quietNow) {
                t.quietMs += ms;
                if (!t.answering)
                    notAnswering(t, a, next, true);
            } else if (t.answering) {
                t.answeringMs += ms;
                if (t.synchronised)
                    t.synchronisedMs += ms;
            } else {
                notAnswering(t, a, next, false);
            }
            a = next;
        }
        if (knownEnd < b)
            t.unknownMs += b - knownEnd;
    }

    void accountAll(qint64 until)
    {
        for (Track &t : tracks)
            account(t, until);
    }

    Track &trackOf(const ClockEvent &event)
    {
        auto found = indexOf.constFind(event.ip);
        if (found != indexOf.constEnd())
            return tracks[size_t(*found)];
        // Gone from the list since: still part of the period.
        indexOf.insert(event.ip, int(tracks.size()));
        tracks.emplace_back();
        Track &t = tracks.back();
        t.clock = Clock{event.ip, event.name, event.group, {}};
        t.fromHistory = true;
        t.since = fromMs;
        return t;
    }
};

AvailabilityReport::Tally::Tally(const QDateTime &from, const QDateTime &to, const QList<Clock> &clocks,
                                 const QDateTime &now)
    : d(new Data)
{
    d->from = from;
    d->to = to;
    d->valid = from.isValid() && to.isValid() && from < to;
    if (!d->valid)
        return;
    d->fromMs = from.toMSecsSinceEpoch();
    d->toMs = to.toMSecsSinceEpoch();
    d->knownMs = now.isValid() ? std::min(now.toMSecsSinceEpoch(), d->toMs) : d->toMs;
    d->tracks.reserve(size_t(clocks.size()));
    for (const Clock &clock : clocks) {
        if (d->indexOf.contains(clock.ip))
            continue;
        d->indexOf.insert(clock.ip, int(d->tracks.size()));
        d->tracks.emplace_back();
        Track &t = d->tracks.back();
        t.clock = clock;
        t.present = true;
        t.provisional = true;
        t.since = d->fromMs;
        t.quiet = quietStretches(clock.quietHours, from, to);
    }
}

AvailabilityReport::Tally::~Tally() = default;

void AvailabilityReport::Tally::add(const ClockEvent &event)
{
    if (!d->valid)
        return;
    const qint64 ms = event.time.toMSecsSinceEpoch();
    if (ms >= d->toMs)
        return;
    // A run that ended without a word (a crash, a power cut) ended, as far
    // as anyone knows, with the last thing it wrote.
    if (event.kind == ClockEvent::Kind::MonitorStarted && d->monitoring && d->written) {
        d->accountAll(d->lastWrittenMs);
        d->monitoring = false;
    }
    d->written = true;
    d->lastWrittenMs = ms;
    if (isMonitorKind(event.kind)) {
        d->accountAll(ms);
        d->monitoring = event.kind == ClockEvent::Kind::MonitorStarted;
        if (d->monitoring) {
            // A new session takes every clock as well until a poll says otherwise.
            for (Track &t : d->tracks)
                t.answering = t.synchronised = true;
        }
        return;
    }
    if (event.ip.isEmpty())
        return;
    Track &t = d->trackOf(event);
    t.seenInPeriod = t.seenInPeriod || ms >= d->fromMs;
    d->account(t, ms);
    if (t.fromHistory) {
        t.clock.name = event.name;
        t.clock.group = event.group;
    }
    if (t.provisional) {
        // Its history begins here: nothing before counts.
        t.resetCounts();
        t.provisional = false;
    }
    t.present = true;
    switch (event.kind) {
    case ClockEvent::Kind::Unreachable:
        t.answering = false;
        break;
    case ClockEvent::Kind::Reachable:
        t.answering = true;
        break;
    case ClockEvent::Kind::Ntp:
        t.synchronised = event.ntp == NtpSynchronized;
        break;
    case ClockEvent::Kind::Muted:
        t.muted = true;
        break;
    case ClockEvent::Kind::Unmuted:
        t.muted = false;
        break;
    default:
        break;
    }
}

AvailabilityReport::Result AvailabilityReport::Tally::result()
{
    Result result;
    result.from = d->from;
    result.to = d->to;
    if (!d->valid)
        return result;
    // The listed clocks in their order, then the others by address.
    std::vector<Track *> tracks;
    tracks.reserve(d->tracks.size());
    for (Track &t : d->tracks) {
        // A clock gone from the list before the period has no figures in
        // it: from its last state, a restart of the monitor would make it
        // answer for ever.
        if (!t.fromHistory || t.seenInPeriod)
            tracks.push_back(&t);
    }
    const auto firstOfHistory
        = std::stable_partition(tracks.begin(), tracks.end(), [](const Track *t) { return !t->fromHistory; });
    std::sort(firstOfHistory, tracks.end(), [](const Track *a, const Track *b) {
        const int byNumber = QVersionNumber::compare(QVersionNumber::fromString(a->clock.ip),
                                                     QVersionNumber::fromString(b->clock.ip));
        return byNumber != 0 ? byNumber < 0 : a->clock.ip < b->clock.ip;
    });
    QMap<QString, Figures> groups;
    for (Track *track : tracks) {
        Track &t = *track;
        // Counting on to the end changes nothing a second time.
        d->account(t, d->toMs);
        if (t.inRun)
            d->closeRun(t, t.runEnd >= d->knownMs);
        Figures figures;
        figures.clocks = 1;
        figures.name = t.clock.name;
        figures.ip = t.clock.ip;
        figures.group = t.clock.group;
        figures.answeringSecs = t.answeringMs / 1000;
        figures.synchronisedSecs = t.synchronisedMs / 1000;
        figures.downSecs = t.downMs / 1000;
        figures.quietSecs = t.quietMs / 1000;
        figures.unknownSecs = t.unknownMs / 1000;
        figures.incidents = t.incidents;
        figures.longestIncidentSecs = t.longestMs / 1000;
        result.clocks.append(figures);
        Figures &group = groups[t.clock.group];
        group.name = t.clock.group;
        group.add(figures);
        result.site.add(figures);
        for (const Outage &outage : qAsConst(t.outages))
            result.outages.append(outage);
    }
    std::stable_sort(result.outages.begin(), result.outages.end(),
                     [](const Outage &a, const Outage &b) { return a.start < b.start; });
    result.groups = groups.values();
    return result;
}

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
    Tally tally(from, to, clocks, now);
    for (const ClockEvent &event : events)
        tally.add(event);
    return tally.result();
}
