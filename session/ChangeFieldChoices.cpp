#include "session/ChangeFieldChoices.h"

#include "model/ChoiceLists.h"
#include "operations/change/ConfigFieldAccess.h"

#include <QCoreApplication>
#include <QHash>

#include <iterator>

namespace ChangeFieldChoices {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ChangeFieldChoices", text);
}

// The editor's spin boxes: a display item shows 1 to 59 seconds.
constexpr int minDuration = 1;
constexpr int maxDuration = 59;
constexpr int offsetLimitTenths = 99;

struct Entry
{
    const char *name;
    const char *label;
    Kind kind;
    int list;
};

using L = ChoiceLists::List;

// Spelled out in full: lupdate does not expand macros of our own.
const Entry entries[] = {
    {"Localization", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Localization"), Kind::Choice, L::Localization},
    {"TimeZoneActive", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Time zone active"), Kind::Flag, -1},
    {"TimeZone", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Time zone"), Kind::Choice, L::TimeZone},
    {"DaylightSaving", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Daylight saving time"), Kind::Flag, -1},
    {"Mode", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Time source"), Kind::Choice, L::TimeSource},
    {"Server1", QT_TRANSLATE_NOOP("ChangeFieldChoices", "NTP server 1"), Kind::Text, -1},
    {"Server2", QT_TRANSLATE_NOOP("ChangeFieldChoices", "NTP server 2"), Kind::Text, -1},
    {"Server3", QT_TRANSLATE_NOOP("ChangeFieldChoices", "NTP server 3"), Kind::Text, -1},
    {"Server4", QT_TRANSLATE_NOOP("ChangeFieldChoices", "NTP server 4"), Kind::Text, -1},
    {"Server5", QT_TRANSLATE_NOOP("ChangeFieldChoices", "NTP server 5"), Kind::Text, -1},
    {"MasterMode", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Master mode"), Kind::Flag, -1},
    {"QueryInterval", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Query interval"), Kind::Choice, L::QueryInterval},
    {"SummerTimeStartTime", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Summer time start time"), Kind::Time, -1},
    {"SummerTimeEndTime", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Summer time end time"), Kind::Time, -1},
    {"SummerTimeStartDate", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Summer time start week"), Kind::Choice,
     L::WeekOfMonth},
    {"SummerTimeEndDate", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Summer time end week"), Kind::Choice,
     L::WeekOfMonth},
    {"SummerTimeStartDay", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Summer time start day"), Kind::Choice, L::Weekday},
    {"SummerTimeEndDay", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Summer time end day"), Kind::Choice, L::Weekday},
    {"SummerTimeStartMonth", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Summer time start month"), Kind::Choice,
     L::Month},
    {"SummerTimeEndMonth", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Summer time end month"), Kind::Choice, L::Month},
    {"ShowTime", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Show time"), Kind::Flag, -1},
    {"ShowTemp", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Show temperature"), Kind::Flag, -1},
    {"ShowDate", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Show date"), Kind::Flag, -1},
    {"DurationTime", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Time shown for [s]"), Kind::Number, -1},
    {"DurationTemp", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Temperature shown for [s]"), Kind::Number, -1},
    {"DurationDate", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Date shown for [s]"), Kind::Number, -1},
    {"FormatDate", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Date format"), Kind::Choice, L::FormatDate},
    {"FormatTime", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Time format"), Kind::Choice, L::FormatTime},
    {"TimeLeadingZeros", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Time leading zeros"), Kind::Flag, -1},
    {"BlinkingTimeColon", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Blinking colon"), Kind::Flag, -1},
    {"Brightness", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Brightness level"), Kind::Choice, L::Brightness},
    {"BrightnessProfile", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Brightness profile"), Kind::Choice,
     L::BrightnessProfile},
    {"TemperatureUnit", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Temperature unit"), Kind::Choice, L::TemperatureUnit},
    {"TemperatureOffset", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Temperature offset"), Kind::Flag, -1},
    {"TemperatureOffsetValue", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Temperature offset value"), Kind::Decimal, -1},
    {"Synchronization", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Display synchronization"), Kind::Flag, -1},
    {"SynchronizationMode", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Display synchronization mode"), Kind::Choice,
     L::SynchronizationMode},
    {"MasterIP", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Master IP"), Kind::Text, -1},
    {"EcoMode", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Eco mode"), Kind::Flag, -1},
    {"EcoStart", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Eco switch on"), Kind::Time, -1},
    {"EcoEnd", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Eco switch off"), Kind::Time, -1},
    {"typeface", QT_TRANSLATE_NOOP("ChangeFieldChoices", "Typeface"), Kind::Choice, L::Typeface},
};

const char *const alarmLabels[] = {
    QT_TRANSLATE_NOOP("ChangeFieldChoices", "Alarm %1: active"),
    QT_TRANSLATE_NOOP("ChangeFieldChoices", "Alarm %1: time"),
    QT_TRANSLATE_NOOP("ChangeFieldChoices", "Alarm %1: duration [s]"),
    QT_TRANSLATE_NOOP("ChangeFieldChoices", "Alarm %1: selected days"),
    QT_TRANSLATE_NOOP("ChangeFieldChoices", "Alarm %1: Monday"),
    QT_TRANSLATE_NOOP("ChangeFieldChoices", "Alarm %1: Tuesday"),
    QT_TRANSLATE_NOOP("ChangeFieldChoices", "Alarm %1: Wednesday"),
    QT_TRANSLATE_NOOP("ChangeFieldChoices", "Alarm %1: Thursday"),
    QT_TRANSLATE_NOOP("ChangeFieldChoices", "Alarm %1: Friday"),
    QT_TRANSLATE_NOOP("ChangeFieldChoices", "Alarm %1: Saturday"),
    QT_TRANSLATE_NOOP("ChangeFieldChoices", "Alarm %1: Sunday"),
};
constexpr Kind alarmKinds[] = {Kind::Flag, Kind::Time, Kind::Number, Kind::Flag, Kind::Flag, Kind::Flag,
                               Kind::Flag, Kind::Flag, Kind::Flag,   Kind::Flag, Kind::Flag};
constexpr int alarmFieldCount = int(std::size(alarmLabels));

Field fieldOf(const QString &name, const QString &label, Kind kind, int list)
{
    Field field{name, label, kind, list, 0, 0};
    if (kind == Kind::Number) {
        field.minimum = minDuration;
        field.maximum = maxDuration;
    } else if (kind == Kind::Decimal) {
        field.minimum = -offsetLimitTenths;
        field.maximum = offsetLimitTenths;
    } else if (kind == Kind::Choice) {
        field.maximum = ChoiceLists::count(ChoiceLists::List(list)) - 1;
    }
    return field;
}

struct Table
{
    QVector<Field> fields;
    QHash<QString, int> byName;

    Table()
    {
        QHash<QString, Field> known;
        for (const Entry &entry : entries)
            known.insert(QLatin1String(entry.name),
                         fieldOf(QLatin1String(entry.name), tr(entry.label), entry.kind, entry.list));
        // Alarm fields follow ConfigFieldAccess's order within a slot.
        for (const QString &name : ConfigFieldAccess::names()) {
            Field field;
            const auto found = known.constFind(name);
            if (found != known.constEnd()) {
                field = found.value();
            } else {
                const QStringList parts = name.mid(int(qstrlen("Alarm"))).split(QLatin1Char('.'));
                const int slot = parts.value(0).toInt();
                const int slotStart = ConfigFieldAccess::names().indexOf(QStringLiteral("Alarm%1.Active").arg(slot));
                const int at = qBound(0, ConfigFieldAccess::names().indexOf(name) - slotStart, alarmFieldCount - 1);
                // The audit counts slots from 0; the editor's table from 1.
                field = fieldOf(name, tr(alarmLabels[at]).arg(slot + 1), alarmKinds[at], -1);
            }
            byName.insert(name, fields.size());
            fields.append(field);
        }
    }
};

const Table &table()
{
    static const Table instance;
    return instance;
}

} // namespace

const QVector<Field> &fields()
{
    return table().fields;
}

const Field *find(const QString &name)
{
    const auto found = table().byName.constFind(ConfigFieldAccess::canonicalName(name));
    return found == table().byName.constEnd() ? nullptr : &table().fields.at(found.value());
}

QStringList choices(const Field &field)
{
    return field.kind == Kind::Choice ? ChoiceLists::texts(ChoiceLists::List(field.list)) : QStringList();
}

QString shown(const QString &name, const QString &value)
{
    const Field *field = find(name);
    if (!field)
        return value;
    if (field->kind == Kind::Flag)
        return value == QLatin1String("on") ? tr("on") : value == QLatin1String("off") ? tr("off") : value;
    if (field->kind == Kind::Choice) {
        bool ok = false;
        const int index = value.toInt(&ok);
        const QString text = ok ? ChoiceLists::text(ChoiceLists::List(field->list), index) : QString();
        return text.isEmpty() ? value : text;
    }
    return value;
}

} // namespace ChangeFieldChoices
