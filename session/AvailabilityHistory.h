#pragma once

#include "session/AvailabilityReport.h"

class ClockRegistry;

// The availability report from the history in a data folder: what the CLI,
// the window, the board and the monthly mail all ask. Reads the database, so
// never on the window's thread.
namespace AvailabilityHistory {

// The clocks of the list with their own and their group's weekly hours.
QList<AvailabilityReport::Clock> clocksOf(const ClockRegistry &registry);

// The figures for [from, to); problem: why the history could not be read
// (the result is then empty: figures from a history that cannot be read
// would be invented); damaged: lines of an old journal skipped.
AvailabilityReport::Result compute(const QString &folder, const QDateTime &from, const QDateTime &to,
                                   const QList<AvailabilityReport::Clock> &clocks, const QDateTime &now,
                                   QString *problem, int *damaged = nullptr);

// Only the clocks, outages and figures of one group.
AvailabilityReport::Result onlyGroup(const AvailabilityReport::Result &result, const QString &group);

} // namespace AvailabilityHistory
