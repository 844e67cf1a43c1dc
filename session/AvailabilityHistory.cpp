#include "session/AvailabilityHistory.h"

#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "persistence/EventJournal.h"

namespace AvailabilityHistory {

QList<AvailabilityReport::Clock> clocksOf(const ClockRegistry &registry)
{
    QList<AvailabilityReport::Clock> clocks;
    for (const DevClock *clock : registry.clocks()) {
        AvailabilityReport::Clock entry{clock->network.ip, clock->name, registry.groupNameOf(*clock), {}};
        entry.quietHours.append(clock->quietHours);
        if (const DevGroup *own = registry.groupOfClock(clock))
            entry.quietHours.append(own->quietHours);
        clocks.append(entry);
    }
    return clocks;
}

AvailabilityReport::Result compute(const QString &folder, const QDateTime &from, const QDateTime &to,
                                   const QList<AvailabilityReport::Clock> &clocks, const QDateTime &now,
                                   QString *problem, int *damaged)
{
    // Only what each clock's state at from follows from, and the period, are
    // read: a year of a large site is ten million events.
    AvailabilityReport::Tally tally(from, to, clocks, now);
    QString why;
    EventJournal::eachOfPeriod(folder, from, to, [&tally](const ClockEvent &event) { tally.add(event); }, damaged,
                               &why);
    if (problem)
        *problem = why;
    if (!why.isEmpty())
        return {};
    return tally.result();
}

AvailabilityReport::Result onlyGroup(const AvailabilityReport::Result &result, const QString &group)
{
    AvailabilityReport::Result only;
    only.from = result.from;
    only.to = result.to;
    for (const AvailabilityReport::Figures &f : result.clocks) {
        if (f.group == group) {
            only.clocks.append(f);
            only.site.add(f);
        }
    }
    for (const AvailabilityReport::Figures &f : result.groups) {
        if (f.name == group)
            only.groups.append(f);
    }
    for (const AvailabilityReport::Outage &o : result.outages) {
        if (o.group == group)
            only.outages.append(o);
    }
    return only;
}

} // namespace AvailabilityHistory
