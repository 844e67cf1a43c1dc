#pragma once

#include "values/TextCatalogue.h"

#include <QList>
#include <QString>

class DevClock;

// How the listed clocks stand, counted by their status severity: the one
// line above the device table that follows every status update.
struct FleetSummary
{
    int total = 0;
    int synchronized = 0; // severity 0
    int warning = 0;      // severity 1
    int critical = 0;     // severity 2
    int unknown = 0;      // a state no clock reports
    // Clocks whose latest audit found something critical; the caller counts
    // them (the findings are kept outside the model).
    int auditCritical = 0;

    static FleetSummary of(const QList<DevClock *> &clocks);
    // "Clocks: 20 (15 synchronized, 3 warning, 2 critical)"; clocks in a
    // state no clock reports, and on a second line clocks with critical audit
    // findings ("5 with critical audit findings"), only when there are any.
    QString text(const TextCatalogue &texts = TextCatalogue()) const;
};
