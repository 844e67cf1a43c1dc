#include "operations/change/ConfigFieldAccess.h"

#include "model/ChoiceLists.h"
#include "model/ParameterText.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <functional>

namespace ConfigFieldAccess {

namespace {

using Fields = ClockConfigFields;

const QString timeFormat = QStringLiteral("hh:mm");
constexpr int offsetDecimals = 1;
// What a clock's display can take; the editor's spin box allows less.
constexpr float maxOffset = 99.9f;
// Names, servers and addresses are far shorter; a clock would cut them.
constexpr int maxTextLength = 255;

QString tr(const char *text)
{
    return QCoreApplication::translate("ConfigFieldAccess", text);
}

struct FieldEntry
{
    QString name;
    ConfigPart part;
    std::function<QString(const Fields &)> get;
    // Returns the reason the value was refused, empty when it was taken.
    std::function<QString(Fields &, const QString &)> put;
};

QString onOff(bool value)
{
    return value ? QStringLiteral("on") : QStringLiteral("off");
}

QString readFlag(const QString &value, bool &out)
{
    const QString v = value.trimmed().toLower();
    if (v == QLatin1String("on") || v == QLatin1String("true") || v == QLatin1String("1")) {
        out = true;
        return {};
    }
    if (v == QLatin1String("off") || v == QLatin1String("false") || v == QLatin1String("0")) {
        out = false;
        return {};
    }
    return tr("expected on or off");
}

QString readTime(const QString &value, QTime &out)
{
    if (value.trimmed().isEmpty()) {
        out = QTime();
        return {};
    }
    const QTime time = QTime::fromString(value.trimmed(), timeFormat);
    if (!time.isValid())
        return tr("expected a time HH:MM");
    out = time;
    return {};
}

QString readNumber(const QString &value, int low, int high, int &out)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (!ok || number < low || number > high)
        return tr("expected a whole number from %1 to %2").arg(low).arg(high);
    out = number;
    return {};
}

QString timeText(const QTime &time)
{
    return time.isValid() ? time.toString(timeFormat) : QString();
}

FieldEntry flag(const char *name, ConfigPart part, bool Fields::*member)
{
    return {QLatin1String(name), part, [member](const Fields &c) { return onOff(c.*member); },
            [member](Fields &c, const QString &v) { return readFlag(v, c.*member); }};
}

// Durations are the clock's business (see ClockConfig); a day bounds them.
FieldEntry number(const char *name, ConfigPart part, int Fields::*member)
{
    constexpr int maxSeconds = 24 * 60 * 60;
    return {QLatin1String(name), part, [member](const Fields &c) { return QString::number(c.*member); },
            [member](Fields &c, const QString &v) { return readNumber(v, 0, maxSeconds, c.*member); }};
}

FieldEntry chosen(const char *name, ConfigPart part, int Fields::*member, ChoiceLists::List list)
{
    return {QLatin1String(name), part, [member](const Fields &c) { return QString::number(c.*member); },
            [member, list](Fields &c, const QString &v) {
                // The index first, as the file holds it: Brightness's texts are numbers too.
                const QString asNumber = readNumber(v, 0, ChoiceLists::count(list) - 1, c.*member);
                if (asNumber.isEmpty())
                    return asNumber;
                for (int i = 0; i < ChoiceLists::count(list); ++i) {
                    if (v.trimmed().compare(ChoiceLists::sourceText(list, i), Qt::CaseInsensitive) == 0) {
                        c.*member = i;
                        return QString();
                    }
                }
                return asNumber;
            }};
}

FieldEntry text(const char *name, ConfigPart part, QString Fields::*member)
{
    return {QLatin1String(name), part, [member](const Fields &c) { return c.*member; },
            [member](Fields &c, const QString &v) {
                if (!ParameterText::isSafe(v) || v.size() > maxTextLength)
                    return tr("holds \"&\", \"=\" or a control character, or is too long");
                c.*member = v;
                return QString();
            }};
}

FieldEntry time(const char *name, ConfigPart part, QTime Fields::*member)
{
    return {QLatin1String(name), part, [member](const Fields &c) { return timeText(c.*member); },
            [member](Fields &c, const QString &v) { return readTime(v, c.*member); }};
}

QVector<FieldEntry> buildEntries()
{
    using L = ChoiceLists::List;
    const ConfigPart t = ConfigPart::Time;
    const ConfigPart d = ConfigPart::Display;
    QVector<FieldEntry> entries = {
        chosen("Localization", t, &Fields::Localization, L::Localization),
        flag("TimeZoneActive", t, &Fields::TimeZoneActive),
        chosen("TimeZone", t, &Fields::TimeZone, L::TimeZone),
        flag("DaylightSaving", t, &Fields::DaylightSaving),
        chosen("Mode", t, &Fields::Mode, L::TimeSource),
        text("Server1", t, &Fields::Server1),
        text("Server2", t, &Fields::Server2),
        text("Server3", t, &Fields::Server3),
        text("Server4", t, &Fields::Server4),
        text("Server5", t, &Fields::Server5),
        flag("MasterMode", t, &Fields::MasterMode),
        chosen("QueryInterval", t, &Fields::QueryInterval, L::QueryInterval),
        time("SummerTimeStartTime", t, &Fields::SummerTimeStartTime),
        time("SummerTimeEndTime", t, &Fields::SummerTimeEndTime),
        chosen("SummerTimeStartDate", t, &Fields::SummerTimeStartDate, L::WeekOfMonth),
        chosen("SummerTimeEndDate", t, &Fields::SummerTimeEndDate, L::WeekOfMonth),
        chosen("SummerTimeStartDay", t, &Fields::SummerTimeStartDay, L::Weekday),
        chosen("SummerTimeEndDay", t, &Fields::SummerTimeEndDay, L::Weekday),
        chosen("SummerTimeStartMonth", t, &Fields::SummerTimeStartMonth, L::Month),
        chosen("SummerTimeEndMonth", t, &Fields::SummerTimeEndMonth, L::Month),
        flag("ShowTime", d, &Fields::ShowTime),
        flag("ShowTemp", d, &Fields::ShowTemp),
        flag("ShowDate", d, &Fields::ShowDate),
        number("DurationTime", d, &Fields::DurationTime),
        number("DurationTemp", d, &Fields::DurationTemp),
        number("DurationDate", d, &Fields::DurationDate),
        chosen("FormatDate", d, &Fields::FormatDate, L::FormatDate),
        chosen("FormatTime", d, &Fields::FormatTime, L::FormatTime),
        flag("TimeLeadingZeros", d, &Fields::TimeLeadingZeros),
        flag("BlinkingTimeColon", d, &Fields::BlinkingTimeColon),
        chosen("Brightness", d, &Fields::Brightness, L::Brightness),
        chosen("BrightnessProfile", d, &Fields::BrightnessProfile, L::BrightnessProfile),
        chosen("TemperatureUnit", d, &Fields::TemperatureUnit, L::TemperatureUnit),
        flag("TemperatureOffset", d, &Fields::TemperatureOffset),
        {QStringLiteral("TemperatureOffsetValue"), d,
         [](const Fields &c) { return QString::number(double(c.TemperatureOffsetValue), 'f', offsetDecimals); },
         [](Fields &c, const QString &v) {
             bool ok = false;
             const float value = v.trimmed().toFloat(&ok);
             if (!ok || value < -maxOffset || value > maxOffset)
                 return tr("expected a number from %1 to %2").arg(double(-maxOffset)).arg(double(maxOffset));
             c.TemperatureOffsetValue = value;
             return QString();
         }},
        flag("Synchronization", d, &Fields::Synchronization),
        chosen("SynchronizationMode", d, &Fields::SynchronizationMode, L::SynchronizationMode),
        text("MasterIP", d, &Fields::MasterIP),
        flag("EcoMode", d, &Fields::EcoMode),
        time("EcoStart", d, &Fields::EcoStart),
        time("EcoEnd", d, &Fields::EcoEnd),
        chosen("typeface", d, &Fields::typeface, L::Typeface),
    };
    constexpr int maxAlarmSeconds = 24 * 60 * 60;
    for (int slot = 0; slot < alarmCount; ++slot) {
        const QString prefix = QStringLiteral("Alarm%1.").arg(slot);
        const ConfigPart a = ConfigPart::Alarms;
        const auto alarm = [slot](const Fields &c) -> const Alarm & { return c.alarms.at(slot); };
        const auto alarmOf = [slot](Fields &c) -> Alarm & { return c.alarms.at(slot); };
        entries.append({prefix + QLatin1String("Active"), a, [=](const Fields &c) { return onOff(alarm(c).Active); },
                      [=](Fields &c, const QString &v) { return readFlag(v, alarmOf(c).Active); }});
        entries.append({prefix + QLatin1String("Time"), a, [=](const Fields &c) { return timeText(alarm(c).Time); },
                      [=](Fields &c, const QString &v) { return readTime(v, alarmOf(c).Time); }});
        entries.append({prefix + QLatin1String("Duration"), a,
                      [=](const Fields &c) { return QString::number(alarm(c).Duration); },
                      [=](Fields &c, const QString &v) { return readNumber(v, 0, maxAlarmSeconds, alarmOf(c).Duration); }});
        entries.append({prefix + QLatin1String("SelectedDaysMode"), a,
                      [=](const Fields &c) { return onOff(alarm(c).SelectedDaysMode); },
                      [=](Fields &c, const QString &v) { return readFlag(v, alarmOf(c).SelectedDaysMode); }});
        for (int day = 1; day <= daysPerWeek; ++day) {
            entries.append({prefix + QStringLiteral("DayActive%1").arg(day), a,
                          [=](const Fields &c) { return onOff(alarm(c).dayActive(day)); },
                          [=](Fields &c, const QString &v) {
                              bool on = false;
                              const QString why = readFlag(v, on);
                              if (why.isEmpty())
                                  alarmOf(c).setDayActive(day, on);
                              return why;
                          }});
        }
    }
    return entries;
}

struct Table
{
    QVector<FieldEntry> entries = buildEntries();
    QStringList names;
    QHash<QString, int> byLowerName;

    Table()
    {
        for (int i = 0; i < entries.size(); ++i) {
            names << entries.at(i).name;
            byLowerName.insert(entries.at(i).name.toLower(), i);
        }
    }
};

const Table &table()
{
    static const Table instance;
    return instance;
}

// "alarm 2.time" -> "alarm2.time"
QString folded(const QString &name)
{
    static const QRegularExpression alarmSpace(QStringLiteral("^alarm\\s+(\\d)"));
    QString lower = name.trimmed().toLower();
    lower.replace(alarmSpace, QStringLiteral("alarm\\1"));
    return lower;
}

const FieldEntry *find(const QString &name)
{
    const auto found = table().byLowerName.constFind(folded(name));
    return found == table().byLowerName.constEnd() ? nullptr : &table().entries.at(found.value());
}

} // namespace

const QStringList &names()
{
    return table().names;
}

QString canonicalName(const QString &name)
{
    const FieldEntry *entry = find(name);
    return entry ? entry->name : QString();
}

QStringList expand(const QString &name)
{
    if (const FieldEntry *entry = find(name))
        return {entry->name};
    static const QRegularExpression slotName(QStringLiteral("^alarm(\\d{1,2})$"));
    const QRegularExpressionMatch match = slotName.match(folded(name));
    if (!match.hasMatch() || match.captured(1).toInt() >= alarmCount)
        return {};
    const QString prefix = QStringLiteral("Alarm%1.").arg(match.captured(1).toInt());
    QStringList fields;
    for (const QString &field : names()) {
        if (field.startsWith(prefix))
            fields << field;
    }
    return fields;
}

ConfigPart partOf(const QString &name)
{
    const FieldEntry *entry = find(name);
    return entry ? entry->part : ConfigPart::None;
}

QString text(const ClockConfigFields &config, const QString &name)
{
    const FieldEntry *entry = find(name);
    return entry ? entry->get(config) : QString();
}

bool set(ClockConfigFields &config, const QString &name, const QString &value, QString *why)
{
    const FieldEntry *entry = find(name);
    if (!entry) {
        if (why)
            *why = tr("there is no field %1").arg(name);
        return false;
    }
    ClockConfigFields changed = config;
    const QString refused = entry->put(changed, value);
    if (!refused.isEmpty()) {
        if (why)
            *why = QStringLiteral("%1: %2").arg(entry->name, refused);
        return false;
    }
    config = changed;
    return true;
}

bool differs(const ClockConfigFields &a, const ClockConfigFields &b, const QString &name)
{
    return text(a, name) != text(b, name);
}

} // namespace ConfigFieldAccess
