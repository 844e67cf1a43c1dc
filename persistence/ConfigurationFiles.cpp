#include "persistence/ConfigurationFiles.h"

#include "model/ClockConfig.h"
#include "persistence/ConfigurationXml.h"
#include "persistence/XmlFile.h"
#include "persistence/XmlWriter.h"

#include <cmath>

namespace ConfigurationFiles {

namespace {

constexpr char fileVersion[] = "1.00";
constexpr char modeAllDays[] = "All days";
constexpr char modeSelectedDays[] = "Selected days";

using Parser = std::unique_ptr<ClockConfig> (*)(const QByteArray &, QString *);

std::unique_ptr<ClockConfig> readFile(const QString &path, Parser parser, QString *why)
{
    QByteArray data;
    if (!XmlFile::readData(path, data, why, XmlFile::maxConfigurationFileSize))
        return nullptr;
    return parser(data, why);
}

QString alarmTag(int slot)
{
    return QStringLiteral("ALARM") + QString::number(slot + 1);
}

void readDisplayConfig(const QDomElement &display, ClockConfigFields &c)
{
    using namespace XmlFile;
    const QDomElement format = display.firstChildElement(QStringLiteral("Format"));
    c.ShowTime = nonZeroAttribute(format, QStringLiteral("ShowTime"));
    c.DurationTime = intAttribute(format, QStringLiteral("TimeDuration"));
    c.ShowTemp = nonZeroAttribute(format, QStringLiteral("ShowTemp"));
    c.DurationTemp = intAttribute(format, QStringLiteral("TempDuration"));
    c.ShowDate = nonZeroAttribute(format, QStringLiteral("ShowDate"));
    c.DurationDate = intAttribute(format, QStringLiteral("DateDuration"));
    c.BlinkingTimeColon = nonZeroAttribute(format, QStringLiteral("BlinkingTimeColon"));
    c.FormatDate = intAttribute(format, QStringLiteral("DateFormat"));
    c.FormatTime = intAttribute(format, QStringLiteral("TimeFormat"));
    c.TimeLeadingZeros = nonZeroAttribute(format, QStringLiteral("TimeLeadingZero"));

    const QDomElement bright = display.firstChildElement(QStringLiteral("Bright"));
    c.Brightness = intAttribute(bright, QStringLiteral("Brightness"));
    c.BrightnessProfile = intAttribute(bright, QStringLiteral("BrightProfile"));

    const QDomElement thermometer = display.firstChildElement(QStringLiteral("Thermometer"));
    c.TemperatureUnit = intAttribute(thermometer, QStringLiteral("TempUnit"));
    c.TemperatureOffset = nonZeroAttribute(thermometer, QStringLiteral("TempOffsetActive"));
    c.TemperatureOffsetValue = floatAttribute(thermometer, QStringLiteral("TempOffsetValue"));

    const QDomElement sync = display.firstChildElement(QStringLiteral("DisplaySync"));
    c.Synchronization = nonZeroAttribute(sync, QStringLiteral("SyncActive"));
    c.SynchronizationMode = intAttribute(sync, QStringLiteral("SyncMode"));
    c.MasterIP = sync.attribute(QStringLiteral("SyncIp"));

    const QDomElement eco = display.firstChildElement(QStringLiteral("Eco"));
    c.EcoMode = nonZeroAttribute(eco, QStringLiteral("EcoActive"));
    c.EcoStart = ConfigurationXml::readTime(eco, QStringLiteral("EcoSwitchOn"));
    c.EcoEnd = ConfigurationXml::readTime(eco, QStringLiteral("EcoSwitchOff"));

    const QDomElement font = display.firstChildElement(QStringLiteral("FontType"));
    c.typeface = intAttribute(font, QStringLiteral("Font"));
}

void readAlarm(const QDomElement &e, Alarm &alarm)
{
    alarm.Active = XmlFile::nonZeroAttribute(e, QStringLiteral("Active"));
    alarm.Duration = XmlFile::intAttribute(e, QStringLiteral("Duration"));
    alarm.Time = ConfigurationXml::readTime(e, QStringLiteral("Time"));
    // Exact and case-sensitive, as the clocks' own tools write it.
    alarm.SelectedDaysMode = e.attribute(QStringLiteral("Mode")) == QLatin1String(modeSelectedDays);
    for (int day = 1; day <= daysPerWeek; ++day)
        alarm.setDayActive(day, XmlFile::nonZeroAttribute(e, QStringLiteral("Weekday") + QString::number(day)));
}

} // namespace

QString temperatureOffsetText(float value)
{
    if (value >= 0) // -0.0 included: it is written as +0.0
        return QLatin1Char('+') + QString::number(std::fabs(double(value)), 'f', 1);
    return QString::number(double(value), 'f', 1);
}

QByteArray ownFileData(const ClockConfigFields &config)
{
    XmlWriter w;
    w.startElement("QLXZentickConf");
    w.attribute("version", QString::fromLatin1(fileVersion));
    ConfigurationXml::write(w, config);
    w.endElement();
    return w.data();
}

std::unique_ptr<ClockConfig> parseOwnFile(const QByteArray &data)
{
    return parseOwnFile(data, nullptr);
}

std::unique_ptr<ClockConfig> parseOwnFile(const QByteArray &data, QString *why)
{
    QDomDocument document;
    const QDomElement root = XmlFile::parse(data, document, why);
    if (root.isNull())
        return nullptr;
    return ConfigurationXml::read(root.firstChildElement(QStringLiteral("Configuration")));
}

bool saveConfiguration(const QString &path, const ClockConfigFields &config)
{
    return XmlFile::write(path, ownFileData(config));
}

std::unique_ptr<ClockConfig> openConfiguration(const QString &path, QString *why)
{
    return readFile(path, parseOwnFile, why);
}

QByteArray displayFileData(const ClockConfigFields &c)
{
    XmlWriter w;
    w.startElement("DisplayXmlProper");
    w.attribute("IsProper", true);
    w.startElement("DisplayConfig");

    w.startElement("Format");
    w.attribute("ShowTime", c.ShowTime);
    w.attribute("TimeDuration", c.DurationTime);
    w.attribute("ShowTemp", c.ShowTemp);
    w.attribute("TempDuration", c.DurationTemp);
    w.attribute("ShowDate", c.ShowDate);
    w.attribute("DateDuration", c.DurationDate);
    w.attribute("BlinkingTimeColon", c.BlinkingTimeColon);
    w.attribute("DateFormat", c.FormatDate);
    w.attribute("TimeFormat", c.FormatTime);
    w.attribute("TimeLeadingZero", c.TimeLeadingZeros);
    w.endElement();

    w.startElement("Bright");
    w.attribute("Brightness", c.Brightness);
    w.attribute("BrightProfile", c.BrightnessProfile);
    w.endElement();

    w.startElement("Thermometer");
    w.attribute("TempUnit", c.TemperatureUnit);
    w.attribute("TempOffsetActive", c.TemperatureOffset);
    w.attribute("TempOffsetValue", temperatureOffsetText(c.TemperatureOffsetValue));
    w.endElement();

    w.startElement("DisplaySync");
    w.attribute("SyncActive", c.Synchronization);
    w.attribute("SyncMode", c.SynchronizationMode);
    w.attribute("SyncIp", c.MasterIP);
    w.endElement();

    w.startElement("Eco");
    w.attribute("EcoActive", c.EcoMode);
    w.attribute("EcoSwitchOn", ConfigurationXml::timeText(c.EcoStart));
    w.attribute("EcoSwitchOff", ConfigurationXml::timeText(c.EcoEnd));
    w.endElement();

    w.startElement("FontType");
    w.attribute("Font", c.typeface);
    w.endElement();

    w.endElement();
    w.endElement();
    return w.data();
}

std::unique_ptr<ClockConfig> parseDisplayFile(const QByteArray &data)
{
    return parseDisplayFile(data, nullptr);
}

std::unique_ptr<ClockConfig> parseDisplayFile(const QByteArray &data, QString *why)
{
    QDomDocument document;
    const QDomElement root = XmlFile::parse(data, document, why);
    if (root.isNull())
        return nullptr;
    auto config = std::make_unique<ClockConfig>();
    readDisplayConfig(root.firstChildElement(QStringLiteral("DisplayConfig")), *config);
    return config;
}

bool exportDisplay(const QString &path, const ClockConfigFields &config)
{
    return XmlFile::write(path, displayFileData(config));
}

std::unique_ptr<ClockConfig> importDisplay(const QString &path, QString *why)
{
    return readFile(path, parseDisplayFile, why);
}

QByteArray alarmsFileData(const ClockConfigFields &c)
{
    static const char *const weekdayNames[daysPerWeek] = {"Weekday1", "Weekday2", "Weekday3", "Weekday4",
                                                          "Weekday5", "Weekday6", "Weekday7"};
    XmlWriter w;
    w.startElement("DisplayXmlProper");
    w.attribute("State", 0);
    w.startElement("AlarmsConfig");
    for (int slot = 0; slot < alarmCount; ++slot) {
        const Alarm &alarm = c.alarms[slot];
        w.startElement(alarmTag(slot).toLatin1());
        w.attribute("Active", alarm.Active);
        w.attribute("Time", ConfigurationXml::timeText(alarm.Time));
        w.attribute("Duration", alarm.Duration);
        w.attribute("Mode", QString::fromLatin1(alarm.SelectedDaysMode ? modeSelectedDays : modeAllDays));
        for (int day = 1; day <= daysPerWeek; ++day)
            w.attribute(weekdayNames[day - 1], alarm.dayActive(day));
        w.endElement();
    }
    w.endElement();
    w.endElement();
    return w.data();
}

std::unique_ptr<ClockConfig> parseAlarmsFile(const QByteArray &data)
{
    return parseAlarmsFile(data, nullptr);
}

std::unique_ptr<ClockConfig> parseAlarmsFile(const QByteArray &data, QString *why)
{
    QDomDocument document;
    const QDomElement root = XmlFile::parse(data, document, why);
    if (root.isNull())
        return nullptr;
    auto config = std::make_unique<ClockConfig>();
    const QDomElement alarms = root.firstChildElement(QStringLiteral("AlarmsConfig"));
    for (int slot = 0; slot < alarmCount; ++slot) {
        const QDomElement e = alarms.firstChildElement(alarmTag(slot));
        if (!e.isNull())
            readAlarm(e, config->alarms[slot]);
    }
    return config;
}

bool exportAlarms(const QString &path, const ClockConfigFields &config)
{
    return XmlFile::write(path, alarmsFileData(config));
}

std::unique_ptr<ClockConfig> importAlarms(const QString &path, QString *why)
{
    return readFile(path, parseAlarmsFile, why);
}

} // namespace ConfigurationFiles
