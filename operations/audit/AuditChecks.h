#pragma once

#include "operations/audit/AuditFinding.h"
#include "operations/audit/OffsetTimeline.h"

#include <QVector>

struct AuditedClock;

// The findings for one audited clock. Pure: no network, no registry, so every
// rule can be tried on a record.
namespace AuditChecks {

// The site's real zone over the audited span.
struct Site
{
    QString zoneId;
    OffsetTimeline timeline;
};

QVector<AuditFinding> check(const AuditedClock &clock, const Site &site);

// "1:00", "0:30": a difference of offsets for people.
QString offsetText(int minutes);

} // namespace AuditChecks
