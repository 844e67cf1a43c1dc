#pragma once

#include <QString>
#include <QStringList>

// The fixed lists of choices behind the numeric configuration fields. Only
// the index is stored and sent; the texts are what the editor and the
// command-line tool show. One table, so no list is written twice.
namespace ChoiceLists {

enum List {
    Localization,        // Localization
    TimeZone,            // TimeZone
    WeekOfMonth,         // SummerTimeStartDate, SummerTimeEndDate
    Weekday,             // SummerTimeStartDay, SummerTimeEndDay
    Month,               // SummerTimeStartMonth, SummerTimeEndMonth
    TimeSource,          // Mode
    QueryInterval,       // QueryInterval
    FormatTime,          // FormatTime
    FormatDate,          // FormatDate
    Brightness,          // Brightness
    BrightnessProfile,   // BrightnessProfile
    TemperatureUnit,     // TemperatureUnit
    SynchronizationMode, // SynchronizationMode
    Typeface,            // typeface
};
inline constexpr int listCount = Typeface + 1;

// The translation context of every choice text.
inline constexpr const char *translationContext = "ChoiceLists";

// The Localization index under which the summer-time fields apply.
inline constexpr int localizationOther = 5;

int count(List list);
// The translated text of one choice; empty for an index outside the list.
QString text(List list, int index);
// Every choice of a list in index order, translated.
QStringList texts(List list);
// The untranslated source text (for lookups that must not depend on the
// language); empty outside the list.
QString sourceText(List list, int index);

// The UTC offset in minutes of a TimeZone index, read from its own entry
// ("UTC - 9:30" is -570), so the offsets are never written twice; false
// outside the list.
bool timeZoneOffsetMinutes(int index, int &minutes);

} // namespace ChoiceLists
