#pragma once

#include "model/ClockConfig.h"

#include <QByteArray>
#include <QString>

// The numbered parameters by which a configuration travels to and from a
// clock: A (time), B (display) and C (alarms). Request bodies are
// "&code=value" in a fixed order, values unencoded.

QByteArray encodeTimeConfig(const ClockConfig &config);
QByteArray encodeDisplayConfig(const ClockConfig &config);
QByteArray encodeAlarmConfig(const ClockConfig &config);

// Decoders of the clock's replies. A decoder that returns false has changed
// nothing. Only a successful alarm decode marks the configuration loaded.
bool decodeTimeConfig(ClockConfig &config, const QString &reply);
bool decodeDisplayConfig(ClockConfig &config, const QString &reply);
bool decodeAlarmConfig(ClockConfig &config, const QString &reply);

namespace ConfigCodes {

// Replies with fewer keys (A, B) or fields (C) than these are refused.
inline constexpr int timeReplyMinKeys = 12;
inline constexpr int displayReplyMinKeys = 19;
// Field 0, then eight fields per alarm slot of which the last slot's final
// three may be missing.
inline constexpr int alarmFieldsPerSlot = 8;
inline constexpr int alarmReplyFields = 1 + alarmCount * alarmFieldsPerSlot - 3;

// The word by which a clock reports an alarm that sounds every day.
inline constexpr const char *everyDayWord = "All days";

} // namespace ConfigCodes
