#include "operations/audit/ConfigDrift.h"

#include "model/ChoiceLists.h"
#include "model/ClockConfig.h"

#include <functional>

namespace ConfigDrift {

namespace {

using Fields = ClockConfigFields;
using Shown = std::function<QString(const Fields &)>;

const QString timeFormat = QStringLiteral("hh:mm");
const QString noTime = QStringLiteral("--:--");
constexpr int offsetDecimals = 1;

QString onOff(bool value)
{
    return value ? QStringLiteral("on") : QStringLiteral("off");
}

QString timeText(const QTime &time)
{
    return time.isValid() ? time.toString(timeFormat) : noTime;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString choice(int value, ChoiceLists::List list)
{
    const QString text = ChoiceLists::text(list, value);
    return text.isEmpty() ? QString::number(value) : QStringLiteral("%1 (%2)").arg(value).arg(text);
}

struct FieldRule
{
    const char *name;
    Shown shown;
};

Shown flag(bool Fields::*member)
{
    return [member](const Fields &c) { return onOff(c.*member); };
}

Shown number(int Fields::*member)
{
    return [member](const Fields &c) { return QString::number(c.*member); };
}

Shown chosen(int Fields::*member, ChoiceLists::List list)
{
    return [member, list](const Fields &c) { return choice(c.*member, list); };
}

Shown text(QString Fields::*member)
{
    return [member](const Fields &c) { return quoted(c.*member); };
}

Shown time(QTime Fields::*member)
{
    return [member](const Fields &c) { return timeText(c.*member); };
}

// In the order of the configuration file's Time and Display elements.
const QVector<FieldRule> &fieldRules()
{
    using L = ChoiceLists::List;
    static const QVector<FieldRule> rules = {
        {"Localization", chosen(&Fields::Localization, L::Localization)},
        {"TimeZoneActive", flag(&Fields::TimeZoneActive)},
        {"TimeZone", chosen(&Fields::TimeZone, L::TimeZone)},
        {"DaylightSaving", flag(&Fields::DaylightSaving)},
        {"Mode", chosen(&Fields::Mode, L::TimeSource)},
        {"Server1", text(&Fields::Server1)},
        {"Server2", text(&Fields::Server2)},
        {"Server3", text(&Fields::Server3)},
        {"Server4", text(&Fields::Server4)},
        {"Server5", text(&Fields::Server5)},
        {"MasterMode", flag(&Fields::MasterMode)},
        {"QueryInterval", chosen(&Fields::QueryInterval, L::QueryInterval)},
        {"SummerTimeStartTime", time(&Fields::SummerTimeStartTime)},
        {"SummerTimeEndTime", time(&Fields::SummerTimeEndTime)},
        {"SummerTimeStartDate", chosen(&Fields::SummerTimeStartDate, L::WeekOfMonth)},
        {"SummerTimeEndDate", chosen(&Fields::SummerTimeEndDate, L::WeekOfMonth)},
        {"SummerTimeStartDay", chosen(&Fields::SummerTimeStartDay, L::Weekday)},
        {"SummerTimeEndDay", chosen(&Fields::SummerTimeEndDay, L::Weekday)},
        {"SummerTimeStartMonth", chosen(&Fields::SummerTimeStartMonth, L::Month)},
        {"SummerTimeEndMonth", chosen(&Fields::SummerTimeEndMonth, L::Month)},
        {"ShowTime", flag(&Fields::ShowTime)},
        {"ShowTemp", flag(&Fields::ShowTemp)},
        {"ShowDate", flag(&Fields::ShowDate)},
        {"DurationTime", number(&Fields::DurationTime)},
        {"DurationTemp", number(&Fields::DurationTemp)},
        {"DurationDate", number(&Fields::DurationDate)},
        {"FormatDate", chosen(&Fields::FormatDate, L::FormatDate)},
        {"FormatTime", chosen(&Fields::FormatTime, L::FormatTime)},
        {"TimeLeadingZeros", flag(&Fields::TimeLeadingZeros)},
        {"BlinkingTimeColon", flag(&Fields::BlinkingTimeColon)},
        {"Brightness", chosen(&Fields::Brightness, L::Brightness)},
        {"BrightnessProfile", chosen(&Fields::BrightnessProfile, L::BrightnessProfile)},
        {"TemperatureUnit", chosen(&Fields::TemperatureUnit, L::TemperatureUnit)},
        {"TemperatureOffset", flag(&Fields::TemperatureOffset)},
        {"TemperatureOffsetValue",
         [](const Fields &c) { return QString::number(double(c.TemperatureOffsetValue), 'f', offsetDecimals); }},
        {"Synchronization", flag(&Fields::Synchronization)},
        {"SynchronizationMode", chosen(&Fields::SynchronizationMode, L::SynchronizationMode)},
        {"MasterIP", text(&Fields::MasterIP)},
        {"EcoMode", flag(&Fields::EcoMode)},
        {"EcoStart", time(&Fields::EcoStart)},
        {"EcoEnd", time(&Fields::EcoEnd)},
        {"typeface", chosen(&Fields::typeface, L::Typeface)},
    };
    return rules;
}

// The attributes of one alarm slot, as in the file's "Alarm" element.
QVector<QPair<QString, QString>> alarmAttributes(const Alarm &alarm)
{
    QVector<QPair<QString, QString>> attributes = {
        {QStringLiteral("Active"), onOff(alarm.Active)},
        {QStringLiteral("Time"), timeText(alarm.Time)},
        {QStringLiteral("Duration"), QString::number(alarm.Duration)},
        {QStringLiteral("SelectedDaysMode"), onOff(alarm.SelectedDaysMode)},
    };
    for (int day = 1; day <= daysPerWeek; ++day)
        attributes.append({QStringLiteral("DayActive%1").arg(day), onOff(alarm.dayActive(day))});
    return attributes;
}

} // namespace

QVector<Difference> differences(const ClockConfigFields &group, const ClockConfigFields &clock)
{
    QVector<Difference> found;
    const bool bothSynchronize = group.Synchronization && clock.Synchronization;
    for (const FieldRule &rule : fieldRules()) {
        const QString name = QLatin1String(rule.name);
        if (name == QLatin1String("MasterIP") && !bothSynchronize)
            continue;
        const QString groupValue = rule.shown(group);
        const QString clockValue = rule.shown(clock);
        if (groupValue != clockValue)
            found.append({name, groupValue, clockValue});
    }
    for (int slot = 0; slot < alarmCount; ++slot) {
        const auto groupAlarm = alarmAttributes(group.alarms.at(slot));
        const auto clockAlarm = alarmAttributes(clock.alarms.at(slot));
        QStringList groupParts;
        QStringList clockParts;
        for (int i = 0; i < groupAlarm.size(); ++i) {
            if (groupAlarm.at(i).second == clockAlarm.at(i).second)
                continue;
            groupParts << groupAlarm.at(i).first + QLatin1Char(' ') + groupAlarm.at(i).second;
            clockParts << clockAlarm.at(i).first + QLatin1Char(' ') + clockAlarm.at(i).second;
        }
        if (!groupParts.isEmpty()) {
            found.append({QStringLiteral("Alarm %1").arg(slot), groupParts.join(QStringLiteral(", ")),
                          clockParts.join(QStringLiteral(", "))});
        }
    }
    return found;
}

} // namespace ConfigDrift
