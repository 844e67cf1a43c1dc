#include "ChoiceLists.h"
#include "ClockConfig.h"
#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"

#include <QTranslator>
#include <QtTest>

namespace {

// Marks every text it translates with its context, so a test sees which
// texts went through the translation function and under which context.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("<%1>%2").arg(QString::fromLatin1(context), QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

void fillEveryField(ClockConfig &c)
{
    c.Localization = 5;
    c.TimeZoneActive = true;
    c.TimeZone = 23;
    c.DaylightSaving = true;
    c.SummerTimeStartTime = QTime(2, 0);
    c.SummerTimeEndTime = QTime(3, 0);
    c.SummerTimeStartDate = 4;
    c.SummerTimeEndDate = 4;
    c.SummerTimeStartDay = 6;
    c.SummerTimeEndDay = 6;
    c.SummerTimeStartMonth = 2;
    c.SummerTimeEndMonth = 9;
    c.QueryInterval = 3;
    c.Mode = 2;
    for (int i = 0; i < 5; ++i)
        c.setServer(i, QStringLiteral("ntp%1.example").arg(i));
    c.MasterMode = true;
    c.ShowTime = c.ShowTemp = c.ShowDate = true;
    c.DurationTime = 7;
    c.DurationTemp = 3;
    c.DurationDate = 2;
    c.FormatDate = 5;
    c.FormatTime = 1;
    c.TimeLeadingZeros = c.BlinkingTimeColon = true;
    c.Brightness = 10;
    c.BrightnessProfile = 3;
    c.TemperatureUnit = 1;
    c.TemperatureOffset = true;
    c.TemperatureOffsetValue = -1.5f;
    c.Synchronization = true;
    c.SynchronizationMode = 2;
    c.MasterIP = QStringLiteral("192.168.1.20");
    c.EcoMode = true;
    c.EcoStart = QTime(22, 30);
    c.EcoEnd = QTime(6, 15);
    c.typeface = 1;
    for (int i = 0; i < alarmCount; ++i) {
        Alarm &a = c.alarms[i];
        a.Active = i % 2;
        a.Time = QTime(i % 24, i);
        a.Duration = i * 3;
        a.SelectedDaysMode = i % 3;
        a.setDayMask(i * 5);
    }
    c.loaded = true;
}

} // namespace

class TestClockConfig : public QObject
{
    Q_OBJECT

private slots:
    void copyIsDeepAndComplete();
    void holdersKeepLoadedCopies();
    void dayMask_data();
    void dayMask();
    void choiceTexts_data();
    void choiceTexts();
    void choiceTextsAreTranslated();
};

void TestClockConfig::copyIsDeepAndComplete()
{
    ClockConfig source;
    fillEveryField(source);
    const auto copy = ClockConfig::copy(source);
    QVERIFY(copy->sameContent(source));
    QVERIFY(copy->loaded);

    // Changing the copy, alarms included, leaves the source alone.
    copy->alarms[29].DayActive7 = !source.alarms[29].DayActive7;
    copy->Server5.append(QLatin1Char('x'));
    QVERIFY(!copy->sameContent(source));
    QCOMPARE(source.Server5, QStringLiteral("ntp4.example"));

    // A copy of a fresh record stays not loaded.
    ClockConfig fresh;
    QVERIFY(!ClockConfig::copy(fresh)->loaded);
}

void TestClockConfig::holdersKeepLoadedCopies()
{
    ClockConfig source;
    fillEveryField(source);
    source.loaded = false;

    DevClock clock;
    QVERIFY(!clock.hasConfig());
    clock.setConfig(source);
    QVERIFY(clock.hasConfig());
    QVERIFY(!source.loaded);
    source.TimeZone = 1;
    QCOMPARE(clock.config().TimeZone, 23);

    // Setting a clock's own configuration again must not read freed memory.
    clock.setConfig(clock.config());
    QCOMPARE(clock.config().MasterIP, QStringLiteral("192.168.1.20"));

    DevClock other;
    other.copyConfigFrom(clock);
    QVERIFY(other.config().sameContent(clock.config()));
    QVERIFY(&other.config() != &clock.config());

    DevGroup group;
    QVERIFY(!group.hasConfig());
    QVERIFY(group.setConfig(source));
    QVERIFY(group.config()->loaded);
    QVERIFY(group.setConfig(*group.config()));
    QCOMPARE(group.config()->TimeZone, 1);
}

void TestClockConfig::dayMask_data()
{
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("readBack");

    QTest::newRow("Monday, Wednesday, Sunday") << QList<int>{1, 3, 7} << 69 << 69;
    QTest::newRow("no day") << QList<int>{} << 0 << 0;
    QTest::newRow("every day") << QList<int>{1, 2, 3, 4, 5, 6, 7} << 127 << 127;
    QTest::newRow("bit 7 set by the clock is ignored") << QList<int>{1, 2, 3, 4, 5, 6, 7} << 255 << 127;
    QTest::newRow("negative mask keeps its low bits") << QList<int>{2, 3, 4, 5, 6, 7} << -2 << 126;
    QTest::newRow("day numbers outside 1..7 change nothing") << QList<int>{0, 8} << 0 << 0;
}

void TestClockConfig::dayMask()
{
    QFETCH(QList<int>, days);
    QFETCH(int, mask);
    QFETCH(int, readBack);

    Alarm fromMask;
    fromMask.setDayMask(mask);
    QCOMPARE(fromMask.dayMask(), readBack);

    Alarm fromDays;
    for (int day : days)
        fromDays.setDayActive(day, true);
    QCOMPARE(fromDays.dayMask(), readBack);
    for (int day = 1; day <= daysPerWeek; ++day)
        QCOMPARE(fromMask.dayActive(day), days.contains(day));
}

void TestClockConfig::choiceTexts_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    using namespace ChoiceLists;
    QTest::newRow("time zone quarter hour") << int(TimeZone) << 40 << 23 << "UTC + 5:45";
    QTest::newRow("last time zone") << int(TimeZone) << 40 << 39 << "UTC + 14:00";
    QTest::newRow("month 11 is December") << int(Month) << 12 << 11 << "December";
    QTest::newRow("brightness 10 is the ninth") << int(Brightness) << 11 << 9 << "10";
    QTest::newRow("automatic brightness") << int(Brightness) << 11 << 10 << "Auto";
    QTest::newRow("unit with degree sign") << int(TemperatureUnit) << 2 << 0 << QString::fromUtf8("Celcius [°C]");
    QTest::newRow("sharp typeface") << int(Typeface) << 2 << 1 << "Sharp";
    QTest::newRow("index past the list") << int(Typeface) << 2 << 2 << "";
    QTest::newRow("negative index") << int(TimeZone) << 40 << -1 << "";
    QTest::newRow("unknown list") << listCount << 0 << 0 << "";
}

void TestClockConfig::choiceTexts()
{
    QFETCH(int, list);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(QString, text);

    const auto l = static_cast<ChoiceLists::List>(list);
    QCOMPARE(ChoiceLists::count(l), count);
    QCOMPARE(ChoiceLists::texts(l).size(), count);
    QCOMPARE(ChoiceLists::text(l, index), text);
    QCOMPARE(ChoiceLists::sourceText(l, index), text);
}

void TestClockConfig::choiceTextsAreTranslated()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString translated = ChoiceLists::text(ChoiceLists::Month, 0);
    const QStringList all = ChoiceLists::texts(ChoiceLists::BrightnessProfile);
    const QString source = ChoiceLists::sourceText(ChoiceLists::Month, 0);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(translated, QStringLiteral("<ChoiceLists>January"));
    QCOMPARE(all.first(), QStringLiteral("<ChoiceLists>Indoor standard"));
    QCOMPARE(source, QStringLiteral("January"));
}

QTEST_GUILESS_MAIN(TestClockConfig)
#include "tst_clockconfig.moc"
