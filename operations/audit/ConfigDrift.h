#pragma once

#include <QString>
#include <QVector>

struct ClockConfigFields;

// Where a clock's configuration departs from its group's, field by field,
// under the names of the configuration file. Values are compared as the clock
// is told them: times to the minute, the temperature offset to one decimal,
// and the master address only where both synchronise (otherwise the clock is
// sent "on" in its place). Alarms are compared slot by slot.
namespace ConfigDrift {

struct Difference
{
    QString field;      // "Brightness", "Alarm 2"
    QString groupValue; // as shown: "10 (Auto)", "on", "\"pool.ntp.org\"", "Time 07:30"
    QString clockValue;
};

QVector<Difference> differences(const ClockConfigFields &group, const ClockConfigFields &clock);

} // namespace ConfigDrift
