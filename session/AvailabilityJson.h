#pragma once

#include "session/AvailabilityReport.h"

#include <QJsonObject>

// The availability figures as JSON, one shape for `report availability
// --json` and the monitor's API: shares as fractions and times in seconds,
// null where nothing was counted, so that a reader never mistakes "no data"
// for 0 %.
namespace AvailabilityJson {

QJsonObject figures(const AvailabilityReport::Figures &figures);
// {from, to, clocks, groups, site}; the bounds in UTC.
QJsonObject document(const AvailabilityReport::Result &result);

} // namespace AvailabilityJson
