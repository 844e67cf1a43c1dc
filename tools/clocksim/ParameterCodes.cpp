#include "tools/clocksim/ParameterCodes.h"

namespace ParameterCodes {

const char* const kAddressCode = "D_000";
const char* const kNameCode = "D_006";
const char* const kMacCode = "E_000";
const char* const kAlarmSlot = "C_000";
const char* const kAlarmActive = "C_001";
const char* const kAlarmTime = "C_002";
const char* const kAlarmDuration = "C_003";
const char* const kAlarmDaysMode = "C_004";
const char* const kAlarmDayMask = "C_005";

namespace {

struct CodeDefault {
    const char* code;
    const char* value;
};

// Factory settings: NTP from pool.ntp.org, UTC+1 with European summer time
// (last Sunday of March 02:00 to last Sunday of October 03:00).
const CodeDefault kTimeDefaults[] = {
    {"A_002", "2"}, {"A_003", "15"}, {"A_004", "1"}, {"A_005", "pool.ntp.org"}, {"A_006", ""},
    {"A_007", ""}, {"A_008", ""}, {"A_009", ""}, {"A_010", "0"}, {"A_013", "0"},
    {"A_014", "1"}, {"A_015", "0"}, {"A_016", "02:00"}, {"A_017", "4"}, {"A_018", "6"},
    {"A_019", "3"}, {"A_020", "03:00"}, {"A_021", "4"}, {"A_022", "6"}, {"A_023", "10"},
};

// Brightness "Auto" (index 10) so that the status reply's brightness follows
// the simulated light level.
const CodeDefault kDisplayDefaults[] = {
    {"B_000", "1"}, {"B_001", "10"}, {"B_005", "1"}, {"B_006", "5"}, {"B_002", "1"},
    {"B_003", "5"}, {"B_004", "0"}, {"B_022", "0"}, {"B_007", "10"}, {"B_008", "0"},
    {"B_009", "0"}, {"B_010", ""}, {"B_011", ""}, {"B_014", "0"}, {"B_015", "+0.0"},
    {"B_021", "0"}, {"B_023", "0"}, {"B_016", "0"}, {"B_017", "0"}, {"B_018", "on"},
    {"B_024", "1"}, {"B_025", "1"},
};

const CodeDefault kNetworkDefaults[] = {
    {"D_001", "255.255.255.0"}, {"D_002", "192.168.0.1"}, {"D_007", "0"}, {"D_008", "1"},
    {"D_009", "8.8.8.8"}, {"D_010", "4.4.4.4"}, {"D_011", "1"}, {"D_012", "0"},
    {"D_013", "230"}, {"D_015", "5"},
};

template <size_t N>
QStringList codesOf(const CodeDefault (&table)[N])
{
    QStringList codes;
    for (const CodeDefault& entry : table)
        codes << QString::fromLatin1(entry.code);
    return codes;
}

template <size_t N>
QMap<QString, QString> defaultsOf(const CodeDefault (&table)[N])
{
    QMap<QString, QString> values;
    for (const CodeDefault& entry : table)
        values.insert(QString::fromLatin1(entry.code), QString::fromLatin1(entry.value));
    return values;
}

} // namespace

const QStringList& timeCodes()
{
    static const QStringList codes = codesOf(kTimeDefaults);
    return codes;
}

const QStringList& displayCodes()
{
    static const QStringList codes = codesOf(kDisplayDefaults);
    return codes;
}

const QStringList& networkCodes()
{
    static const QStringList codes = codesOf(kNetworkDefaults);
    return codes;
}

QMap<QString, QString> defaultTime()
{
    return defaultsOf(kTimeDefaults);
}

QMap<QString, QString> defaultDisplay()
{
    return defaultsOf(kDisplayDefaults);
}

QMap<QString, QString> defaultNetwork()
{
    return defaultsOf(kNetworkDefaults);
}

} // namespace ParameterCodes
