#include "cli/ConfigPrinter.h"

#include "model/ChoiceLists.h"
#include "model/ClockConfig.h"
#include "cli/ClockPrinter.h"

#include <QJsonArray>
#include <QVector>

namespace ConfigPrinter {

namespace {

const QString timeFormat = QStringLiteral("hh:mm");

QString timeText(const QTime &time)
{
    return time.isValid() ? time.toString(timeFormat) : QString();
}

// One field of a section: its JSON value, the value as shown and, for a
// choice field, the text of the chosen entry.
struct Field
{
    QString name;
    QJsonValue value;
    QString shown;
    bool isChoice = false;
    QString choiceText;
};

class Section
{
public:
    void addBool(const char *name, bool value)
    {
        add(name, value, value ? QStringLiteral("on") : QStringLiteral("off"));
    }
    void addInt(const char *name, int value) { add(name, value, QString::number(value)); }
    void addChoice(const char *name, int value, ChoiceLists::List list)
    {
        add(name, value, QString::number(value), true, ChoiceLists::text(list, value));
    }
    void addText(const char *name, const QString &value) { add(name, value, value); }
    void addTime(const char *name, const QTime &value) { add(name, timeText(value), timeText(value)); }
    void addFloat(const char *name, float value)
    {
        const QString text = QString::number(double(value), 'g', 6);
        add(name, text.toDouble(), text);
    }
    const QVector<Field> &fields() const { return m_fields; }

private:
    void add(const char *name, const QJsonValue &value, const QString &shown, bool isChoice = false,
             const QString &choiceText = QString())
    {
        m_fields.append({QLatin1String(name), value, shown, isChoice, choiceText});
    }

    QVector<Field> m_fields;
};

Section timeSection(const ClockConfigFields &c)
{
    Section s;
    s.addChoice("Localization", c.Localization, ChoiceLists::Localization);
    s.addBool("TimeZoneActive", c.TimeZoneActive);
    s.addChoice("TimeZone", c.TimeZone, ChoiceLists::TimeZone);
    s.addBool("DaylightSaving", c.DaylightSaving);
    s.addChoice("Mode", c.Mode, ChoiceLists::TimeSource);
    s.addText("Server1", c.Server1);
    s.addText("Server2", c.Server2);
    s.addText("Server3", c.Server3);
    s.addText("Server4", c.Server4);
    s.addText("Server5", c.Server5);
    s.addBool("MasterMode", c.MasterMode);
    s.addChoice("QueryInterval", c.QueryInterval, ChoiceLists::QueryInterval);
    s.addTime("SummerTimeStartTime", c.SummerTimeStartTime);
    s.addTime("SummerTimeEndTime", c.SummerTimeEndTime);
    s.addChoice("SummerTimeStartDate", c.SummerTimeStartDate, ChoiceLists::WeekOfMonth);
    s.addChoice("SummerTimeEndDate", c.SummerTimeEndDate, ChoiceLists::WeekOfMonth);
    s.addChoice("SummerTimeStartDay", c.SummerTimeStartDay, ChoiceLists::Weekday);
    s.addChoice("SummerTimeEndDay", c.SummerTimeEndDay, ChoiceLists::Weekday);
    s.addChoice("SummerTimeStartMonth", c.SummerTimeStartMonth, ChoiceLists::Month);
    s.addChoice("SummerTimeEndMonth", c.SummerTimeEndMonth, ChoiceLists::Month);
    return s;
}

Section displaySection(const ClockConfigFields &c)
{
    Section s;
    s.addBool("ShowTime", c.ShowTime);
    s.addBool("ShowTemp", c.ShowTemp);
    s.addBool("ShowDate", c.ShowDate);
    s.addInt("DurationTime", c.DurationTime);
    s.addInt("DurationTemp", c.DurationTemp);
    s.addInt("DurationDate", c.DurationDate);
    s.addChoice("FormatDate", c.FormatDate, ChoiceLists::FormatDate);
    s.addChoice("FormatTime", c.FormatTime, ChoiceLists::FormatTime);
    s.addBool("TimeLeadingZeros", c.TimeLeadingZeros);
    s.addBool("BlinkingTimeColon", c.BlinkingTimeColon);
    s.addChoice("Brightness", c.Brightness, ChoiceLists::Brightness);
    s.addChoice("BrightnessProfile", c.BrightnessProfile, ChoiceLists::BrightnessProfile);
    s.addChoice("TemperatureUnit", c.TemperatureUnit, ChoiceLists::TemperatureUnit);
    s.addBool("TemperatureOffset", c.TemperatureOffset);
    s.addFloat("TemperatureOffsetValue", c.TemperatureOffsetValue);
    s.addBool("Synchronization", c.Synchronization);
    s.addChoice("SynchronizationMode", c.SynchronizationMode, ChoiceLists::SynchronizationMode);
    s.addText("MasterIP", c.MasterIP);
    s.addBool("EcoMode", c.EcoMode);
    s.addTime("EcoStart", c.EcoStart);
    s.addTime("EcoEnd", c.EcoEnd);
    s.addChoice("typeface", c.typeface, ChoiceLists::Typeface);
    return s;
}

QJsonObject alarmJson(const Alarm &alarm, int index)
{
    QJsonObject object{{QStringLiteral("index"), index},
                       {QStringLiteral("Active"), alarm.Active},
                       {QStringLiteral("Time"), timeText(alarm.Time)},
                       {QStringLiteral("Duration"), alarm.Duration},
                       {QStringLiteral("SelectedDaysMode"), alarm.SelectedDaysMode}};
    for (int day = 1; day <= daysPerWeek; ++day)
        object.insert(QStringLiteral("DayActive%1").arg(day), alarm.dayActive(day));
    return object;
}

QString alarmDaysText(const Alarm &alarm)
{
    if (!alarm.SelectedDaysMode)
        return QStringLiteral("every day");
    QStringList days;
    for (int day = 1; day <= daysPerWeek; ++day) {
        if (alarm.dayActive(day))
            days << ChoiceLists::text(ChoiceLists::Weekday, day - 1).left(3);
    }
    return days.isEmpty() ? QStringLiteral("no day") : days.join(QLatin1Char(' '));
}

void appendSection(QList<QStringList> &rows, const QString &title, const Section &section)
{
    rows.append({title});
    for (const Field &field : section.fields()) {
        QStringList row = {QStringLiteral("  ") + field.name, field.shown};
        if (field.isChoice)
            row << (field.choiceText.isEmpty() ? QStringLiteral("(not in the list)") : field.choiceText);
        rows.append(row);
    }
}

} // namespace

QJsonObject configJson(const ClockConfigFields &config)
{
    QJsonObject choiceTexts;
    auto sectionJson = [&choiceTexts](const Section &section) {
        QJsonObject object;
        for (const Field &field : section.fields()) {
            object.insert(field.name, field.value);
            if (field.isChoice)
                choiceTexts.insert(field.name, field.choiceText);
        }
        return object;
    };
    QJsonArray alarms;
    for (int i = 0; i < alarmCount; ++i)
        alarms.append(alarmJson(config.alarms.at(i), i));

    QJsonObject object;
    object.insert(QStringLiteral("Time"), sectionJson(timeSection(config)));
    object.insert(QStringLiteral("Display"), sectionJson(displaySection(config)));
    object.insert(QStringLiteral("Alarms"), alarms);
    object.insert(QStringLiteral("choiceTexts"), choiceTexts);
    return object;
}

QString configText(const ClockConfigFields &config)
{
    QList<QStringList> rows;
    appendSection(rows, QStringLiteral("Time"), timeSection(config));
    appendSection(rows, QStringLiteral("Display"), displaySection(config));
    QString text = ClockPrinter::formatTable(rows);

    QList<QStringList> alarmRows = {{QStringLiteral("Alarms")}};
    for (int i = 0; i < alarmCount; ++i) {
        const Alarm &alarm = config.alarms.at(i);
        alarmRows.append({QStringLiteral("  %1").arg(i + 1), alarm.Active ? QStringLiteral("on") : QStringLiteral("off"),
                          alarm.Time.isValid() ? timeText(alarm.Time) : QStringLiteral("--:--"),
                          QStringLiteral("%1 s").arg(alarm.Duration), alarmDaysText(alarm)});
    }
    return text + ClockPrinter::formatTable(alarmRows);
}

} // namespace ConfigPrinter
