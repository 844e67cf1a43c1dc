#include "ConfigurationXml.h"

#include "ClockConfig.h"
#include "XmlFile.h"
#include "XmlWriter.h"

namespace ConfigurationXml {

namespace {

const QString timeFormat = QStringLiteral("hh:mm");

const QString tagTime = QStringLiteral("Time");
const QString tagDisplay = QStringLiteral("Display");
const QString tagAlarms = QStringLiteral("Alarms");
const QString tagAlarm = QStringLiteral("Alarm");

void writeTime(XmlWriter &w, const ClockConfigFields &c)
{
    w.startElement("Time");
    w.attribute("Localization", c.Localization);
    w.attribute("TimeZoneActive", c.TimeZoneActive);
    w.attribute("TimeZone", c.TimeZone);
    w.attribute("DaylightSaving", c.DaylightSaving);
    w.attribute("Mode", c.Mode);
    w.attribute("Server1", c.Server1);
    w.attribute("Server2", c.Server2);
    w.attribute("Server3", c.Server3);
    w.attribute("Server4", c.Server4);
    w.attribute("Server5", c.Server5);
    w.attribute("MasterMode", c.MasterMode);
    w.attribute("QueryInterval", c.QueryInterval);
    w.attribute("SummerTimeStartTime", timeText(c.SummerTimeStartTime));
    w.attribute("SummerTimeEndTime", timeText(c.SummerTimeEndTime));
    w.attribute("SummerTimeStartDate", c.SummerTimeStartDate);
    w.attribute("SummerTimeEndDate", c.SummerTimeEndDate);
    w.attribute("SummerTimeStartDay", c.SummerTimeStartDay);
    w.attribute("SummerTimeEndDay", c.SummerTimeEndDay);
    w.attribute("SummerTimeStartMonth", c.SummerTimeStartMonth);
    w.attribute("SummerTimeEndMonth", c.SummerTimeEndMonth);
    w.endElement();
}

void writeDisplay(XmlWriter &w, const ClockConfigFields &c)
{
    w.startElement("Display");
    w.attribute("ShowTime", c.ShowTime);
    w.attribute("ShowTemp", c.ShowTemp);
    w.attribute("ShowDate", c.ShowDate);
    w.attribute("DurationTime", c.DurationTime);
    w.attribute("DurationTemp", c.DurationTemp);
    w.attribute("DurationDate", c.DurationDate);
    w.attribute("FormatDate", c.FormatDate);
    w.attribute("FormatTime", c.FormatTime);
    w.attribute("TimeLeadingZeros", c.TimeLeadingZeros);
    w.attribute("BlinkingTimeColon", c.BlinkingTimeColon);
    w.attribute("Brightness", c.Brightness);
    w.attribute("BrightnessProfile", c.BrightnessProfile);
    w.attribute("TemperatureUnit", c.TemperatureUnit);
    w.attribute("TemperatureOffset", c.TemperatureOffset);
    w.attribute("TemperatureOffsetValue", c.TemperatureOffsetValue);
    w.attribute("Synchronization", c.Synchronization);
    w.attribute("SynchronizationMode", c.SynchronizationMode);
    w.attribute("MasterIP", c.MasterIP);
    w.attribute("EcoMode", c.EcoMode);
    w.attribute("EcoStart", timeText(c.EcoStart));
    w.attribute("EcoEnd", timeText(c.EcoEnd));
    w.attribute("typeface", c.typeface);
    w.endElement();
}

void writeAlarms(XmlWriter &w, const ClockConfigFields &c)
{
    static const char *const dayNames[daysPerWeek] = {"DayActive1", "DayActive2", "DayActive3", "DayActive4",
                                                      "DayActive5", "DayActive6", "DayActive7"};
    w.startElement("Alarms");
    w.attribute("size", alarmCount);
    for (int slot = 0; slot < alarmCount; ++slot) {
        const Alarm &alarm = c.alarms[slot];
        w.startElement("Alarm");
        w.attribute("index", slot);
        w.attribute("Active", alarm.Active);
        w.attribute("Time", timeText(alarm.Time));
        w.attribute("Duration", alarm.Duration);
        w.attribute("SelectedDaysMode", alarm.SelectedDaysMode);
        for (int day = 1; day <= daysPerWeek; ++day)
            w.attribute(dayNames[day - 1], alarm.dayActive(day));
        w.endElement();
    }
    w.endElement();
}

void readTimeFields(const QDomElement &e, ClockConfigFields &c)
{
    using namespace XmlFile;
    c.Localization = intAttribute(e, QStringLiteral("Localization"));
    c.TimeZoneActive = nonZeroAttribute(e, QStringLiteral("TimeZoneActive"));
    c.TimeZone = intAttribute(e, QStringLiteral("TimeZone"));
    c.DaylightSaving = nonZeroAttribute(e, QStringLiteral("DaylightSaving"));
    c.Mode = intAttribute(e, QStringLiteral("Mode"));
    c.Server1 = e.attribute(QStringLiteral("Server1"));
    c.Server2 = e.attribute(QStringLiteral("Server2"));
    c.Server3 = e.attribute(QStringLiteral("Server3"));
    c.Server4 = e.attribute(QStringLiteral("Server4"));
    c.Server5 = e.attribute(QStringLiteral("Server5"));
    c.MasterMode = nonZeroAttribute(e, QStringLiteral("MasterMode"));
    c.QueryInterval = intAttribute(e, QStringLiteral("QueryInterval"));
    c.SummerTimeStartTime = readTime(e, QStringLiteral("SummerTimeStartTime"));
    c.SummerTimeEndTime = readTime(e, QStringLiteral("SummerTimeEndTime"));
    c.SummerTimeStartDate = intAttribute(e, QStringLiteral("SummerTimeStartDate"));
    c.SummerTimeEndDate = intAttribute(e, QStringLiteral("SummerTimeEndDate"));
    c.SummerTimeStartDay = intAttribute(e, QStringLiteral("SummerTimeStartDay"));
    c.SummerTimeEndDay = intAttribute(e, QStringLiteral("SummerTimeEndDay"));
    c.SummerTimeStartMonth = intAttribute(e, QStringLiteral("SummerTimeStartMonth"));
    c.SummerTimeEndMonth = intAttribute(e, QStringLiteral("SummerTimeEndMonth"));
}

void readDisplayFields(const QDomElement &e, ClockConfigFields &c)
{
    using namespace XmlFile;
    c.ShowTime = nonZeroAttribute(e, QStringLiteral("ShowTime"));
    c.ShowTemp = nonZeroAttribute(e, QStringLiteral("ShowTemp"));
    c.ShowDate = nonZeroAttribute(e, QStringLiteral("ShowDate"));
    c.DurationTime = intAttribute(e, QStringLiteral("DurationTime"));
    c.DurationTemp = intAttribute(e, QStringLiteral("DurationTemp"));
    c.DurationDate = intAttribute(e, QStringLiteral("DurationDate"));
    c.FormatDate = intAttribute(e, QStringLiteral("FormatDate"));
    c.FormatTime = intAttribute(e, QStringLiteral("FormatTime"));
    c.TimeLeadingZeros = nonZeroAttribute(e, QStringLiteral("TimeLeadingZeros"));
    c.BlinkingTimeColon = nonZeroAttribute(e, QStringLiteral("BlinkingTimeColon"));
    c.Brightness = intAttribute(e, QStringLiteral("Brightness"));
    c.BrightnessProfile = intAttribute(e, QStringLiteral("BrightnessProfile"));
    c.TemperatureUnit = intAttribute(e, QStringLiteral("TemperatureUnit"));
    c.TemperatureOffset = nonZeroAttribute(e, QStringLiteral("TemperatureOffset"));
    c.TemperatureOffsetValue = floatAttribute(e, QStringLiteral("TemperatureOffsetValue"));
    c.Synchronization = nonZeroAttribute(e, QStringLiteral("Synchronization"));
    c.SynchronizationMode = intAttribute(e, QStringLiteral("SynchronizationMode"));
    c.MasterIP = e.attribute(QStringLiteral("MasterIP"));
    c.EcoMode = nonZeroAttribute(e, QStringLiteral("EcoMode"));
    c.EcoStart = readTime(e, QStringLiteral("EcoStart"));
    c.EcoEnd = readTime(e, QStringLiteral("EcoEnd"));
    c.typeface = intAttribute(e, QStringLiteral("typeface"));
}

void readAlarms(const QDomElement &alarms, ClockConfigFields &c)
{
    int slot = 0;
    for (QDomElement e = alarms.firstChildElement(tagAlarm); !e.isNull() && slot < alarmCount;
         e = e.nextSiblingElement(), ++slot) {
        Alarm &alarm = c.alarms[slot];
        alarm.Active = XmlFile::nonZeroAttribute(e, QStringLiteral("Active"));
        alarm.Time = readTime(e, QStringLiteral("Time"));
        alarm.Duration = XmlFile::intAttribute(e, QStringLiteral("Duration"));
        alarm.SelectedDaysMode = XmlFile::nonZeroAttribute(e, QStringLiteral("SelectedDaysMode"));
        for (int day = 1; day <= daysPerWeek; ++day)
            alarm.setDayActive(day, XmlFile::nonZeroAttribute(e, QStringLiteral("DayActive") + QString::number(day)));
    }
}

} // namespace

QString timeText(const QTime &time)
{
    return time.isValid() ? time.toString(timeFormat) : QString();
}

QTime readTime(const QDomElement &element, const QString &name)
{
    return QTime::fromString(element.attribute(name), timeFormat);
}

void write(XmlWriter &writer, const ClockConfigFields &config)
{
    writer.startElement("Configuration");
    writeTime(writer, config);
    writeDisplay(writer, config);
    writeAlarms(writer, config);
    writer.endElement();
}

std::unique_ptr<ClockConfig> read(const QDomElement &element)
{
    auto config = std::make_unique<ClockConfig>();
    readTimeFields(element.firstChildElement(tagTime), *config);
    readDisplayFields(element.firstChildElement(tagDisplay), *config);
    readAlarms(element.firstChildElement(tagAlarms), *config);
    config->loaded = true;
    return config;
}

} // namespace ConfigurationXml
