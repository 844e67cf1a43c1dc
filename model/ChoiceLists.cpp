#include "ChoiceLists.h"

#include <QCoreApplication>

#include <iterator>

namespace ChoiceLists {

namespace {

#define CHOICE(text) QT_TRANSLATE_NOOP("ChoiceLists", text)

const char *const localizations[] = {
    CHOICE("Europe"), CHOICE("Australia"), CHOICE("United States"),
    CHOICE("Canada"), CHOICE("Israel"),    CHOICE("Other"),
};

const char *const timeZones[] = {
    CHOICE("UTC - 12:00"), CHOICE("UTC - 11:00"), CHOICE("UTC - 10:00"), CHOICE("UTC - 9:30"),
    CHOICE("UTC - 9:00"),  CHOICE("UTC - 8:00"),  CHOICE("UTC - 7:00"),  CHOICE("UTC - 6:00"),
    CHOICE("UTC - 5:00"),  CHOICE("UTC - 4:00"),  CHOICE("UTC - 3:30"),  CHOICE("UTC - 3:00"),
    CHOICE("UTC - 2:00"),  CHOICE("UTC - 1:00"),  CHOICE("UTC 0:00"),    CHOICE("UTC + 1:00"),
    CHOICE("UTC + 2:00"),  CHOICE("UTC + 3:00"),  CHOICE("UTC + 3:30"),  CHOICE("UTC + 4:00"),
    CHOICE("UTC + 4:30"),  CHOICE("UTC + 5:00"),  CHOICE("UTC + 5:30"),  CHOICE("UTC + 5:45"),
    CHOICE("UTC + 6:00"),  CHOICE("UTC + 6:30"),  CHOICE("UTC + 7:00"),  CHOICE("UTC + 8:00"),
    CHOICE("UTC + 8:30"),  CHOICE("UTC + 8:45"),  CHOICE("UTC + 9:00"),  CHOICE("UTC + 9:30"),
    CHOICE("UTC + 10:00"), CHOICE("UTC + 10:30"), CHOICE("UTC + 11:00"), CHOICE("UTC + 11:30"),
    CHOICE("UTC + 12:00"), CHOICE("UTC + 12:45"), CHOICE("UTC + 13:00"), CHOICE("UTC + 14:00"),
};

const char *const weeksOfMonth[] = {
    CHOICE("1st"), CHOICE("2nd"), CHOICE("3rd"), CHOICE("4th"), CHOICE("Last"),
};

const char *const weekdays[] = {
    CHOICE("Monday"), CHOICE("Tuesday"),  CHOICE("Wednesday"), CHOICE("Thursday"),
    CHOICE("Friday"), CHOICE("Saturday"), CHOICE("Sunday"),
};

const char *const months[] = {
    CHOICE("January"), CHOICE("February"), CHOICE("March"),     CHOICE("April"),
    CHOICE("May"),     CHOICE("June"),     CHOICE("July"),      CHOICE("August"),
    CHOICE("September"), CHOICE("October"), CHOICE("November"), CHOICE("December"),
};

const char *const timeSources[] = {
    CHOICE("None"), CHOICE("GPS"), CHOICE("NTP"),
};

const char *const queryIntervals[] = {
    CHOICE("64s"), CHOICE("5 min"), CHOICE("10 min"), CHOICE("30 min"), CHOICE("60 min"),
};

const char *const timeFormats[] = {
    CHOICE("24h"), CHOICE("12h"),
};

// D day, N month, Y year, in the order shown.
const char *const dateFormats[] = {
    CHOICE("DNY"), CHOICE("NDY"), CHOICE("YND"), CHOICE("YDN"), CHOICE("DN"), CHOICE("ND"),
};

const char *const brightnessLevels[] = {
    CHOICE("1"), CHOICE("2"), CHOICE("3"), CHOICE("4"), CHOICE("5"), CHOICE("6"),
    CHOICE("7"), CHOICE("8"), CHOICE("9"), CHOICE("10"), CHOICE("Auto"),
};

const char *const brightnessProfiles[] = {
    CHOICE("Indoor standard"), CHOICE("Indoor dynamic"),
    CHOICE("Outdoor standard"), CHOICE("Outdoor dynamic"),
};

const char *const temperatureUnits[] = {
    CHOICE("Celcius [°C]"), CHOICE("Fahrenheit [°F]"),
};

const char *const synchronizationModes[] = {
    CHOICE("Master mode"), CHOICE("Slave basic mode"), CHOICE("Slave full mode"),
};

const char *const typefaces[] = {
    CHOICE("Round"), CHOICE("Sharp"),
};

#undef CHOICE

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

} // namespace ChoiceLists
