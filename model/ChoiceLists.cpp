#include "model/ChoiceLists.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace ChoiceLists {

namespace {

// Spelled out in full each time: lupdate does not expand macros of our own.
const char *const localizations[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "Europe"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Australia"),
    QT_TRANSLATE_NOOP("ChoiceLists", "United States"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Canada"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Israel"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Other"),
};

const char *const timeZones[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 12:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 11:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 10:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 9:30"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 9:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 8:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 7:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 6:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 5:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 4:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 3:30"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 3:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 2:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC - 1:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC 0:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 1:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 2:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 3:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 3:30"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 4:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 4:30"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 5:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 5:30"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 5:45"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 6:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 6:30"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 7:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 8:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 8:30"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 8:45"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 9:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 9:30"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 10:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 10:30"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 11:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 11:30"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 12:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 12:45"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 13:00"),
    QT_TRANSLATE_NOOP("ChoiceLists", "UTC + 14:00"),
};

const char *const weeksOfMonth[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "1st"),
    QT_TRANSLATE_NOOP("ChoiceLists", "2nd"),
    QT_TRANSLATE_NOOP("ChoiceLists", "3rd"),
    QT_TRANSLATE_NOOP("ChoiceLists", "4th"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Last"),
};

const char *const weekdays[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "Monday"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Tuesday"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Wednesday"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Thursday"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Friday"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Saturday"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Sunday"),
};

const char *const months[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "January"),
    QT_TRANSLATE_NOOP("ChoiceLists", "February"),
    QT_TRANSLATE_NOOP("ChoiceLists", "March"),
    QT_TRANSLATE_NOOP("ChoiceLists", "April"),
    QT_TRANSLATE_NOOP("ChoiceLists", "May"),
    QT_TRANSLATE_NOOP("ChoiceLists", "June"),
    QT_TRANSLATE_NOOP("ChoiceLists", "July"),
    QT_TRANSLATE_NOOP("ChoiceLists", "August"),
    QT_TRANSLATE_NOOP("ChoiceLists", "September"),
    QT_TRANSLATE_NOOP("ChoiceLists", "October"),
    QT_TRANSLATE_NOOP("ChoiceLists", "November"),
    QT_TRANSLATE_NOOP("ChoiceLists", "December"),
};

const char *const timeSources[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "None"),
    QT_TRANSLATE_NOOP("ChoiceLists", "GPS"),
    QT_TRANSLATE_NOOP("ChoiceLists", "NTP"),
};

const char *const queryIntervals[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "64s"),
    QT_TRANSLATE_NOOP("ChoiceLists", "5 min"),
    QT_TRANSLATE_NOOP("ChoiceLists", "10 min"),
    QT_TRANSLATE_NOOP("ChoiceLists", "30 min"),
    QT_TRANSLATE_NOOP("ChoiceLists", "60 min"),
};

const char *const timeFormats[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "24h"),
    QT_TRANSLATE_NOOP("ChoiceLists", "12h"),
};

// D day, N month, Y year, in the order shown.
const char *const dateFormats[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "DNY"),
    QT_TRANSLATE_NOOP("ChoiceLists", "NDY"),
    QT_TRANSLATE_NOOP("ChoiceLists", "YND"),
    QT_TRANSLATE_NOOP("ChoiceLists", "YDN"),
    QT_TRANSLATE_NOOP("ChoiceLists", "DN"),
    QT_TRANSLATE_NOOP("ChoiceLists", "ND"),
};

const char *const brightnessLevels[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "1"),
    QT_TRANSLATE_NOOP("ChoiceLists", "2"),
    QT_TRANSLATE_NOOP("ChoiceLists", "3"),
    QT_TRANSLATE_NOOP("ChoiceLists", "4"),
    QT_TRANSLATE_NOOP("ChoiceLists", "5"),
    QT_TRANSLATE_NOOP("ChoiceLists", "6"),
    QT_TRANSLATE_NOOP("ChoiceLists", "7"),
    QT_TRANSLATE_NOOP("ChoiceLists", "8"),
    QT_TRANSLATE_NOOP("ChoiceLists", "9"),
    QT_TRANSLATE_NOOP("ChoiceLists", "10"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Auto"),
};

const char *const brightnessProfiles[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "Indoor standard"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Indoor dynamic"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Outdoor standard"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Outdoor dynamic"),
};

const char *const temperatureUnits[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "Celcius [°C]"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Fahrenheit [°F]"),
};

const char *const synchronizationModes[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "Master mode"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Slave basic mode"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Slave full mode"),
};

const char *const typefaces[] = {
    QT_TRANSLATE_NOOP("ChoiceLists", "Round"),
    QT_TRANSLATE_NOOP("ChoiceLists", "Sharp"),
};

struct Table
{
    const char *const *texts;
    int size;
};

template<std::size_t N>
constexpr Table table(const char *const (&texts)[N])
{
    return Table{texts, static_cast<int>(N)};
}

// Indexed by List.
const Table tables[listCount] = {
    table(localizations),  table(timeZones),      table(weeksOfMonth),       table(weekdays),
    table(months),         table(timeSources),    table(queryIntervals),     table(timeFormats),
    table(dateFormats),    table(brightnessLevels), table(brightnessProfiles), table(temperatureUnits),
    table(synchronizationModes), table(typefaces),
};

const char *source(List list, int index)
{
    if (list < 0 || list >= listCount)
        return nullptr;
    const Table &t = tables[list];
    if (index < 0 || index >= t.size)
        return nullptr;
    return t.texts[index];
}

} // namespace

int count(List list)
{
    if (list < 0 || list >= listCount)
        return 0;
    return tables[list].size;
}

QString text(List list, int index)
{
    const char *s = source(list, index);
    return s ? QCoreApplication::translate(translationContext, s) : QString();
}

QStringList texts(List list)
{
    QStringList result;
    const int n = count(list);
    result.reserve(n);
    for (int i = 0; i < n; ++i)
        result << text(list, i);
    return result;
}

QString sourceText(List list, int index)
{
    const char *s = source(list, index);
    return s ? QString::fromUtf8(s) : QString();
}

bool timeZoneOffsetMinutes(int index, int &minutes)
{
    static const QRegularExpression entry(QStringLiteral("^UTC(?: ([+-]))? (\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch match = entry.match(sourceText(TimeZone, index));
    if (!match.hasMatch())
        return false;
    const int magnitude = match.captured(2).toInt() * 60 + match.captured(3).toInt();
    minutes = match.captured(1) == QLatin1String("-") ? -magnitude : magnitude;
    return true;
}

} // namespace ChoiceLists
