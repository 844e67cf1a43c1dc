#pragma once

#include <QJsonObject>
#include <QString>

struct ClockConfigFields;

// How zentick-cli shows a clock configuration: every field under its
// attribute name of the "Configuration" element, grouped as there (Time,
// Display, Alarms), with the choice text of every field that indexes a list.
namespace ConfigPrinter {

// {"Time": {...}, "Display": {...}, "Alarms": [30 objects],
//  "choiceTexts": {"TimeZone": "UTC + 1:00", ...}}. Times are "hh:mm" or ""
// when unset.
QJsonObject configJson(const ClockConfigFields &config);

// One line per field ("TimeZone  15  UTC + 1:00") under section headers,
// then one line per alarm.
QString configText(const ClockConfigFields &config);

} // namespace ConfigPrinter
