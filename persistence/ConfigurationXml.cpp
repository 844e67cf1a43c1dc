#include "persistence/ConfigurationXml.h"

#include "model/ClockConfig.h"
#include "persistence/XmlFile.h"
#include "persistence/XmlScanner.h"
#include "persistence/XmlWriter.h"

#include <type_traits>
#include <utility>

namespace ConfigurationXml {

namespace {

const QString tagTime = QStringLiteral("Time");
const QString tagDisplay = QStringLiteral("Display");
const QString tagAlarms = QStringLiteral("Alarms");
const QString tagAlarm = QStringLiteral("Alarm");

// As timeText, without a string per time: a long device list holds 34 times
// per clock.
void writeTimeAttribute(XmlWriter &w, const char *name, const QTime &time)
{
    if (!time.isValid()) {
        w.attribute(name, QLatin1String());
        return;
    }
    const int hours = time.hour();
    const int minutes = time.minute();
    const char text[] = {char('0' + hours / 10), char('0' + hours % 10), ':', char('0' + minutes / 10),
                         char('0' + minutes % 10)};
    w.attribute(name, QLatin1String(text, int(sizeof text)));
}

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
    writeTimeAttribute(w, "SummerTimeStartTime", c.SummerTimeStartTime);
    writeTimeAttribute(w, "SummerTimeEndTime", c.SummerTimeEndTime);
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
    writeTimeAttribute(w, "EcoStart", c.EcoStart);
    writeTimeAttribute(w, "EcoEnd", c.EcoEnd);
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
        writeTimeAttribute(w, "Time", alarm.Time);
        w.attribute("Duration", alarm.Duration);
        w.attribute("SelectedDaysMode", alarm.SelectedDaysMode);
        for (int day = 1; day <= daysPerWeek; ++day)
            w.attribute(dayNames[day - 1], alarm.dayActive(day));
        w.endElement();
    }
    w.endElement();
}

template <class Element>
void readTimeFields(const Element &e, ClockConfigFields &c)
{
    using namespace XmlFile;
    c.Localization = intAttribute(e, QStringLiteral("Localization"));
    c.TimeZoneActive = nonZeroAttribute(e, QStringLiteral("TimeZoneActive"));
    c.TimeZone = intAttribute(e, QStringLiteral("TimeZone"));
    c.DaylightSaving = nonZeroAttribute(e, QStringLiteral("DaylightSaving"));
    c.Mode = intAttribute(e, QStringLiteral("Mode"));
    c.Server1 = textAttribute(e, QStringLiteral("Server1"));
    c.Server2 = textAttribute(e, QStringLiteral("Server2"));
    c.Server3 = textAttribute(e, QStringLiteral("Server3"));
    c.Server4 = textAttribute(e, QStringLiteral("Server4"));
    c.Server5 = textAttribute(e, QStringLiteral("Server5"));
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

template <class Element>
void readDisplayFields(const Element &e, ClockConfigFields &c)
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
    c.MasterIP = textAttribute(e, QStringLiteral("MasterIP"));
    c.EcoMode = nonZeroAttribute(e, QStringLiteral("EcoMode"));
    c.EcoStart = readTime(e, QStringLiteral("EcoStart"));
    c.EcoEnd = readTime(e, QStringLiteral("EcoEnd"));
    c.typeface = intAttribute(e, QStringLiteral("typeface"));
}

template <class Element>
void readAlarm(const Element &e, Alarm &alarm)
{
    static const QString dayNames[daysPerWeek] = {
        QStringLiteral("DayActive1"), QStringLiteral("DayActive2"), QStringLiteral("DayActive3"),
        QStringLiteral("DayActive4"), QStringLiteral("DayActive5"), QStringLiteral("DayActive6"),
        QStringLiteral("DayActive7")};
    alarm.Active = XmlFile::nonZeroAttribute(e, QStringLiteral("Active"));
    alarm.Time = readTime(e, QStringLiteral("Time"));
    alarm.Duration = XmlFile::intAttribute(e, QStringLiteral("Duration"));
    alarm.SelectedDaysMode = XmlFile::nonZeroAttribute(e, QStringLiteral("SelectedDaysMode"));
    for (int day = 1; day <= daysPerWeek; ++day)
        alarm.setDayActive(day, XmlFile::nonZeroAttribute(e, dayNames[day - 1]));
}

// The first "Alarm" and every sibling after it, whatever its name.
void readAlarms(const QDomElement &alarms, ClockConfigFields &c)
{
    int slot = 0;
    for (QDomElement e = alarms.firstChildElement(tagAlarm); !e.isNull() && slot < alarmCount;
         e = e.nextSiblingElement(), ++slot)
        readAlarm(e, c.alarms[slot]);
}

template <class Reader>
void readAlarms(Reader &reader, ClockConfigFields &c)
{
    int slot = 0;
    XmlFile::forEachChild(reader, [&](const auto &name) {
        if ((slot > 0 || name == tagAlarm) && slot < alarmCount)
            readAlarm(XmlFile::attributesOf(reader), c.alarms[slot++]);
        return false;
    });
}

template <class Reader>
std::unique_ptr<ClockConfig> readStream(Reader &reader)
{
    using Attributes = std::decay_t<decltype(XmlFile::attributesOf(std::declval<Reader &>()))>;
    auto config = std::make_unique<ClockConfig>();
    // Missing elements read like elements without attributes.
    Attributes time;
    Attributes display;
    XmlFile::FirstChild firstTime(tagTime);
    XmlFile::FirstChild firstDisplay(tagDisplay);
    XmlFile::FirstChild firstAlarms(tagAlarms);
    XmlFile::forEachChild(reader, [&](const auto &name) {
        if (firstTime(name)) {
            time = XmlFile::attributesOf(reader);
        } else if (firstDisplay(name)) {
            display = XmlFile::attributesOf(reader);
        } else if (firstAlarms(name)) {
            readAlarms(reader, *config);
            return true;
        }
        return false;
    });
    readTimeFields(time, *config);
    readDisplayFields(display, *config);
    config->loaded = true;
    return config;
}

} // namespace

QString timeText(const QTime &time)
{
    return time.isValid() ? time.toString(timeFormat) : QString();
}

QTime parseTime(const QString &text)
{
    // The toolkit's parser asks the C library for the local time zone, which
    // stats /etc/localtime on every call: a third of the load time of a long
    // device list. The common form is read directly.
    constexpr int length = 5;
    constexpr int hoursPerDay = 24;
    constexpr int minutesPerHour = 60;
    const auto digit = [&text](int i) { return text.at(i).unicode() - '0'; };
    const auto isDigit = [&text](int i) { return text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); };
    if (text.size() == length && isDigit(0) && isDigit(1) && text.at(2) == QLatin1Char(':') && isDigit(3) && isDigit(4)) {
        const int hours = digit(0) * 10 + digit(1);
        const int minutes = digit(3) * 10 + digit(4);
        if (hours < hoursPerDay && minutes < minutesPerHour)
            return QTime(hours, minutes);
    }
    return QTime::fromString(text, timeFormat);
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

std::unique_ptr<ClockConfig> read(QXmlStreamReader &reader)
{
    return readStream(reader);
}

std::unique_ptr<ClockConfig> read(XmlScanner &reader)
{
    return readStream(reader);
}

} // namespace ConfigurationXml
