#include "model/ClockConfig.h"

#include <QCoreApplication>

namespace {

// Shared by the const and non-const callers.
template<typename A>
auto dayField(A &alarm, int day) -> decltype(&alarm.DayActive1)
{
    switch (day) {
    case 1: return &alarm.DayActive1;
    case 2: return &alarm.DayActive2;
    case 3: return &alarm.DayActive3;
    case 4: return &alarm.DayActive4;
    case 5: return &alarm.DayActive5;
    case 6: return &alarm.DayActive6;
    case 7: return &alarm.DayActive7;
    default: return nullptr;
    }
}

template<typename C>
auto serverField(C &config, int index) -> decltype(&config.Server1)
{
    switch (index) {
    case 0: return &config.Server1;
    case 1: return &config.Server2;
    case 2: return &config.Server3;
    case 3: return &config.Server4;
    case 4: return &config.Server5;
    default: return nullptr;
    }
}

} // namespace

bool Alarm::dayActive(int day) const
{
    const bool *field = dayField(*this, day);
    return field && *field;
}

void Alarm::setDayActive(int day, bool active)
{
    if (bool *field = dayField(*this, day))
        *field = active;
}

int Alarm::dayMask() const
{
    int mask = 0;
    for (int day = 1; day <= daysPerWeek; ++day) {
        if (dayActive(day))
            mask |= 1 << (day - 1);
    }
    return mask;
}

void Alarm::setDayMask(int mask)
{
    const unsigned bits = static_cast<unsigned>(mask);
    for (int day = 1; day <= daysPerWeek; ++day)
        setDayActive(day, (bits >> (day - 1)) & 1u);
}

bool Alarm::operator==(const Alarm &other) const
{
    return Active == other.Active && Time == other.Time && Duration == other.Duration
        && SelectedDaysMode == other.SelectedDaysMode && dayMask() == other.dayMask();
}

bool ClockConfigFields::sameContent(const ClockConfigFields &o) const
{
    return Localization == o.Localization && TimeZoneActive == o.TimeZoneActive
        && TimeZone == o.TimeZone && DaylightSaving == o.DaylightSaving
        && SummerTimeStartTime == o.SummerTimeStartTime && SummerTimeEndTime == o.SummerTimeEndTime
        && SummerTimeStartDate == o.SummerTimeStartDate && SummerTimeEndDate == o.SummerTimeEndDate
        && SummerTimeStartDay == o.SummerTimeStartDay && SummerTimeEndDay == o.SummerTimeEndDay
        && SummerTimeStartMonth == o.SummerTimeStartMonth && SummerTimeEndMonth == o.SummerTimeEndMonth
        && QueryInterval == o.QueryInterval && Mode == o.Mode
        && Server1 == o.Server1 && Server2 == o.Server2 && Server3 == o.Server3
        && Server4 == o.Server4 && Server5 == o.Server5 && MasterMode == o.MasterMode
        && ShowTime == o.ShowTime && ShowTemp == o.ShowTemp && ShowDate == o.ShowDate
        && DurationTime == o.DurationTime && DurationTemp == o.DurationTemp
        && DurationDate == o.DurationDate && FormatDate == o.FormatDate && FormatTime == o.FormatTime
        && TimeLeadingZeros == o.TimeLeadingZeros && BlinkingTimeColon == o.BlinkingTimeColon
        && Brightness == o.Brightness && BrightnessProfile == o.BrightnessProfile
        && TemperatureUnit == o.TemperatureUnit && TemperatureOffset == o.TemperatureOffset
        && TemperatureOffsetValue == o.TemperatureOffsetValue
        && Synchronization == o.Synchronization && SynchronizationMode == o.SynchronizationMode
        && MasterIP == o.MasterIP && EcoMode == o.EcoMode && EcoStart == o.EcoStart
        && EcoEnd == o.EcoEnd && typeface == o.typeface && alarms == o.alarms && loaded == o.loaded;
}

ClockConfig::ClockConfig(QObject *parent)
    : QObject(parent)
{
}

ClockConfig::~ClockConfig() = default;

std::unique_ptr<ClockConfig> ClockConfig::copy(const ClockConfig &source)
{
    auto result = std::make_unique<ClockConfig>();
    static_cast<ClockConfigFields &>(*result) = source;
    return result;
}

QString ClockConfig::server(int index) const
{
    const QString *field = serverField(*this, index);
    return field ? *field : QString();
}

void ClockConfig::setServer(int index, const QString &name)
{
    if (QString *field = serverField(*this, index))
        *field = name;
}

ConfigPart ClockConfigFields::incompletePart() const
{
    if (!loaded)
        return ConfigPart::Alarms;
    if (!ShowTime && !ShowTemp && !ShowDate)
        return ConfigPart::Display;
    return ConfigPart::None;
}

namespace ConfigParts {

QString name(ConfigPart part)
{
    switch (part) {
    case ConfigPart::Time:
        return QCoreApplication::translate("ConfigParts", "time part");
    case ConfigPart::Display:
        return QCoreApplication::translate("ConfigParts", "display part");
    case ConfigPart::Alarms:
        return QCoreApplication::translate("ConfigParts", "alarm part");
    case ConfigPart::None:
        break;
    }
    return QString();
}

QString notReadText(ConfigPart part)
{
    return QCoreApplication::translate("ConfigParts", "Configuration not read completely: %1").arg(name(part));
}

QString notWholeText(ConfigPart part)
{
    return QCoreApplication::translate("ConfigParts", "Configuration not complete (%1); nothing was sent.")
        .arg(name(part));
}

} // namespace ConfigParts
