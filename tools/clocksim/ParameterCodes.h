#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The clock's vocabulary: which parameter codes each settings group knows, in
// the order the clock lists them in its replies, and the factory values.
namespace ParameterCodes {

// Time settings ("/A", "/A1").
const QStringList& timeCodes();
// Display settings ("/B", "/B0").
const QStringList& displayCodes();
// Network settings ("/D", "/D0") without D_000 (the address) and D_006 (the
// name), which the clock keeps as fields of their own.
const QStringList& networkCodes();

QMap<QString, QString> defaultTime();
QMap<QString, QString> defaultDisplay();
QMap<QString, QString> defaultNetwork();

extern const char* const kAddressCode; // D_000
extern const char* const kNameCode;    // D_006
extern const char* const kMacCode;     // E_000

// Alarm parameters ("/C0"): one group of six per slot, opened by the slot number.
extern const char* const kAlarmSlot;     // C_000
extern const char* const kAlarmActive;   // C_001
extern const char* const kAlarmTime;     // C_002
extern const char* const kAlarmDuration; // C_003
extern const char* const kAlarmDaysMode; // C_004
extern const char* const kAlarmDayMask;  // C_005
constexpr int kAlarmSlots = 30;

} // namespace ParameterCodes
