#pragma once

#include <QDateTime>
#include <QString>

// The texts of the value report: sheet names, header titles, value and date
// cells. Made on the GUI thread when a run starts.
namespace ReportFormat {

enum ValueType { Temperature = 0, Brightness = 1 };

// Temperatures below this are the clock's markers for "no reading".
inline constexpr double lowestTemperature = -256.0;
// A workbook refuses longer sheet names.
inline constexpr int maxSheetNameLength = 31;

// "Name (ip)", with the translated "Clock" for an empty name. A name the
// workbook format refuses (too long, or holding : \ / ? * [ ], a control
// character or an apostrophe at either end) becomes a valid one that is the
// same on every run and differs between clocks: the cleaned name, a short
// digest of the original and the address.
QString sheetName(const QString &clockName, const QString &ip);
bool isValidSheetName(const QString &name);

QString headerTitle(int valueType);
QString dateText(const QDateTime &time);
// The value text, e.g. "21.5°C", "Invalid", "40%"; "" for an unknown type.
QString valueText(int valueType, double temperature, const QString &unit, int brightness);

} // namespace ReportFormat
