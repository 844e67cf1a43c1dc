#include "AlarmTable.h"
#include "ClockConfig.h"
#include "ClockRegistry.h"
#include "ConfigurationFiles.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "DialogQuestion.h"
#include "MonitoringSession.h"
#include "PageConfiguration.h"
#include "ParameterText.h"
#include "ScriptedDialogHost.h"
#include "StandaloneServices.h"
#include "TableItemCustom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <memory>

// The configuration editor alone, with a scripted dialog host.
class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void visibilityRules_data();
    void visibilityRules();
    void alarmModeAndDays_data();
    void alarmModeAndDays();
    void fillThenRead_data();
    void fillThenRead();
    void editsAreRead_data();
    void editsAreRead();
    void leavingStoresWhereEdited_data();
    void leavingStoresWhereEdited();
    void closingWhileAlarmsLoadKeepsThem();
    void unsafeText_data();
    void unsafeText();

private:
    // Opens clock 0 with the configuration and waits for its alarms.
    void open(const ClockConfig &config);
    template<typename T>
    T *find(const QString &name) const
    {
        T *widget = m_page->findChild<T *>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }

    ScriptedDialogHost m_dialogs;
    std::unique_ptr<MonitoringSession> m_session;
    std::unique_ptr<StandaloneServices> m_alone;
    std::unique_ptr<PageConfiguration> m_page;
};

namespace {

// Every field away from its default, and differing between its twins.
void fillEveryField(ClockConfig &c)
{
    c.Localization = 5;
    c.TimeZoneActive = c.DaylightSaving = c.MasterMode = true;
    c.TimeZone = 39;
    c.SummerTimeStartTime = QTime(1, 30);
    c.SummerTimeEndTime = QTime(23, 59);
    c.SummerTimeStartDate = 1;
    c.SummerTimeEndDate = 4;
    c.SummerTimeStartDay = 2;
    c.SummerTimeEndDay = 6;
    c.SummerTimeStartMonth = 2;
    c.SummerTimeEndMonth = 11;
    c.QueryInterval = 4;
    c.Mode = 2;
    for (int i = 0; i < 5; ++i)
        c.setServer(i, QStringLiteral("ntp%1.example").arg(i + 1));
    c.ShowTime = c.ShowDate = true;
    c.DurationTime = 59;
    c.DurationTemp = 1;
    c.DurationDate = 30;
    c.FormatDate = 5;
    c.FormatTime = 1;
    c.TimeLeadingZeros = c.BlinkingTimeColon = c.TemperatureOffset = c.Synchronization = c.EcoMode = true;
    c.Brightness = 10;
    c.BrightnessProfile = 3;
    c.TemperatureUnit = 1;
    c.TemperatureOffsetValue = -9.9f;
    c.SynchronizationMode = 2;
    c.MasterIP = QStringLiteral("10.0.0.254");
    c.EcoStart = QTime(22, 15);
    c.EcoEnd = QTime(5, 45);
    c.typeface = 1;
    for (int i = 0; i < alarmCount; ++i) {
        c.alarms[i] = {i % 3 == 0, QTime(i % 24, i), 1 + i, i % 2 == 1};
        c.alarms[i].setDayMask(i * 5);
    }
}

// What neither the lists nor the ranges of the widgets can show.
void fillUnshowable(ClockConfig &c)
{
    c.TimeZone = 40;
    c.Mode = -1;
    c.Brightness = 99;
    c.DurationTime = 0;
    c.DurationDate = 75;
    c.TemperatureOffsetValue = 12.5f;
    c.MasterIP = QStringLiteral("1.2.3.4&B_016=0");
    c.EcoStart = QTime(6, 0, 30);
    c.alarms[3].Duration = 0;
    c.alarms[4].Time = QTime(25, 0);
}

std::unique_ptr<ClockConfig> fromFile(const QString &name)
{
    return ConfigurationFiles::openConfiguration(qEnvironmentVariable("ZENTICK_SOURCE_DIR") + "/tests/data/" + name);
}

TableItemCustom *alarmCell(AlarmTable *table, int row, int column)
{
    return qobject_cast<TableItemCustom *>(table->cellWidget(row, column));
}

} // namespace

void TestEditor::init()
{
    ClockRegistry::resetForTest();
    DialogHost::install(&m_dialogs);
    m_session = std::make_unique<MonitoringSession>();
    m_alone = std::make_unique<StandaloneServices>(*m_session, m_dialogs);
    m_page = std::make_unique<PageConfiguration>(m_alone->services());
    auto *clock = new DevClock;
    clock->name = QStringLiteral("Hall");
    ClockConfig loaded;
    clock->setConfig(loaded);
    ClockRegistry::instance()->addClock(clock);
}

void TestEditor::cleanup()
{
    m_page.reset();
    m_alone.reset();
    m_session.reset();
    DialogHost::install(nullptr);
    m_dialogs.reset();
    ClockRegistry::resetForTest();
}

void TestEditor::open(const ClockConfig &config)
{
    ClockRegistry::instance()->clockAt(0)->setConfig(config);
    QVERIFY(m_page->OpenConfigEditor(-1, 0));
    QTRY_VERIFY(!m_page->isLoadingAlarms());
}

void TestEditor::visibilityRules_data()
{
    QTest::addColumn<QStringList>("actions"); // "click:box", "index:box:n", "fill:every field"
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("disabled");

    QTest::newRow("Other with daylight saving shows the rule")
        << QStringList{"index:cbxLocalization:5", "click:cbxDaylightSaving"} << QStringList{"wdtSummerTime"}
        << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("Europe with daylight saving hides it")
        << QStringList{"index:cbxLocalization:5", "click:cbxDaylightSaving", "index:cbxLocalization:0"}
        << QStringList{} << QStringList{"wdtSummerTime"} << QStringList{} << QStringList{};
    QTest::newRow("Other without daylight saving hides it") << QStringList{"index:cbxLocalization:5"}
                                                            << QStringList{} << QStringList{"wdtSummerTime"}
                                                            << QStringList{} << QStringList{};
    QTest::newRow("time zone active shows the zone")
        << QStringList{"click:cbxTimeZone"} << QStringList{"lblTimezone", "cbxTimezone"} << QStringList{}
        << QStringList{} << QStringList{};
    QTest::newRow("NTP shows the servers, GPS hides them")
        << QStringList{"index:cbxSynchronizationMode:2", "index:cbxSynchronizationMode:1"} << QStringList{}
        << QStringList{"wdtNtpServers"} << QStringList{} << QStringList{};
    QTest::newRow("Auto brightness enables the profile")
        << QStringList{"index:cbxBrightness:10"} << QStringList{} << QStringList{}
        << QStringList{"cbxBrightnessProfile"} << QStringList{};
    QTest::newRow("a level disables the profile")
        << QStringList{"index:cbxBrightness:10", "index:cbxBrightness:9"} << QStringList{} << QStringList{}
        << QStringList{} << QStringList{"cbxBrightnessProfile"};
    QTest::newRow("temperature offset shows its value")
        << QStringList{"click:cbxTempOffset"} << QStringList{"lblTempOffset", "dsbTempOffset"} << QStringList{}
        << QStringList{} << QStringList{};
    QTest::newRow("synchronised master needs no master address")
        << QStringList{"click:cbxSync", "index:cbxSyncMode:0"} << QStringList{"lblSyncMode", "cbxSyncMode"}
        << QStringList{"lblMasterIp", "ledSyncMasterIp"} << QStringList{} << QStringList{};
    QTest::newRow("synchronised slave shows the master address")
        << QStringList{"click:cbxSync", "index:cbxSyncMode:1"} << QStringList{"lblMasterIp", "ledSyncMasterIp"}
        << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("slave mode without synchronisation hides it")
        << QStringList{"index:cbxSyncMode:2"} << QStringList{}
        << QStringList{"cbxSyncMode", "lblMasterIp", "ledSyncMasterIp"} << QStringList{} << QStringList{};
    QTest::newRow("eco mode shows its times") << QStringList{"click:cbxEcoMode"} << QStringList{"wdtEco"}
                                              << QStringList{} << QStringList{} << QStringList{};
    const QStringList formats{"cbxFormatTime", "cbxFormatTemp", "cbxFormatDate"};
    QTest::newRow("time and temperature off: date is locked")
        << QStringList{"click:cbxFormatTime", "click:cbxFormatTemp"} << QStringList{} << QStringList{}
        << QStringList{"cbxFormatTime", "cbxFormatTemp"} << QStringList{"cbxFormatDate"};
    QTest::newRow("temperature and date off: time is locked")
        << QStringList{"click:cbxFormatTemp", "click:cbxFormatDate"} << QStringList{} << QStringList{}
        << QStringList{"cbxFormatTemp", "cbxFormatDate"} << QStringList{"cbxFormatTime"};
    QTest::newRow("time and date off: temperature is locked")
        << QStringList{"click:cbxFormatDate", "click:cbxFormatTime"} << QStringList{} << QStringList{}
        << QStringList{"cbxFormatTime", "cbxFormatDate"} << QStringList{"cbxFormatTemp"};
    QTest::newRow("a second item back on releases the lock")
        << QStringList{"click:cbxFormatTime", "click:cbxFormatTemp", "click:cbxFormatTime"} << QStringList{}
        << QStringList{} << formats << QStringList{};
    QTest::newRow("filling applies every rule")
        << QStringList{"fill:every field"}
        << QStringList{"wdtSummerTime", "cbxTimezone", "wdtNtpServers", "dsbTempOffset", "ledSyncMasterIp", "wdtEco"}
        << QStringList{} << QStringList{"cbxBrightnessProfile", "cbxFormatTime", "cbxFormatDate"}
        << QStringList{};
    QTest::newRow("filling again resets every rule")
        << QStringList{"fill:every field", "fill:defaults"} << QStringList{}
        << QStringList{"wdtSummerTime", "cbxTimezone", "wdtNtpServers", "dsbTempOffset", "cbxSyncMode", "wdtEco"}
        << formats << QStringList{"cbxBrightnessProfile"};
}

void TestEditor::visibilityRules()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, disabled);

    ClockConfig base;
    base.ShowTime = base.ShowTemp = base.ShowDate = true;
    open(base);
    for (const QString &action : actions) {
        const QStringList part = action.split(':');
        if (part.at(0) == "click") {
            find<QCheckBox>(part.at(1))->click();
        } else if (part.at(0) == "index") {
            find<QComboBox>(part.at(1))->setCurrentIndex(part.at(2).toInt());
        } else {
            ClockConfig config;
            config.ShowTime = config.ShowTemp = config.ShowDate = true;
            if (part.at(1) == "every field")
                fillEveryField(config);
            open(config);
        }
    }
    for (const QString &name : shown)
        QVERIFY2(!find<QWidget>(name)->isHidden(), qPrintable(name));
    for (const QString &name : hidden)
        QVERIFY2(find<QWidget>(name)->isHidden(), qPrintable(name));
    for (const QString &name : enabled)
        QVERIFY2(find<QWidget>(name)->isEnabled(), qPrintable(name));
    for (const QString &name : disabled)
        QVERIFY2(!find<QWidget>(name)->isEnabled(), qPrintable(name));
}

void TestEditor::alarmModeAndDays_data()
{
    QTest::addColumn<bool>("selectedDays");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("action"); // "mode:n" or "day:1..7"
    QTest::addColumn<bool>("selectedDaysAfter");
    QTest::addColumn<int>("daysAfter");

    QTest::newRow("Everyday checks all seven days") << true << 0x05 << "mode:0" << false << 0x7F;
    QTest::newRow("Selected days keeps the days") << false << 0x7F << "mode:1" << true << 0x7F;
    QTest::newRow("unchecking a day shows Selected days") << false << 0x7F << "day:3" << true << 0x7B;
    QTest::newRow("the seventh day checked shows Everyday") << true << 0x3F << "day:7" << false << 0x7F;
    QTest::newRow("a day short of seven stays Selected days") << true << 0x01 << "day:2" << true << 0x03;
}

void TestEditor::alarmModeAndDays()
{
    QFETCH(bool, selectedDays);
    QFETCH(int, days);
    QFETCH(QString, action);
    QFETCH(bool, selectedDaysAfter);
    QFETCH(int, daysAfter);

    ClockConfig config;
    config.alarms[7].SelectedDaysMode = selectedDays;
    config.alarms[7].setDayMask(days);
    open(config);
    auto *table = find<AlarmTable>("twdAlarmList");
    const int value = action.section(':', 1).toInt();
    if (action.startsWith("mode"))
        alarmCell(table, 7, AlarmTable::ModeColumn)->comboBoxes().constFirst()->setCurrentIndex(value);
    else
        alarmCell(table, 7, AlarmTable::FirstDayColumn + value - 1)->checkBoxes().constFirst()->click();

    const Alarm alarm = m_page->ReadConfigFromWidgets()->alarms[7];
    QCOMPARE(alarm.SelectedDaysMode, selectedDaysAfter);
    QCOMPARE(alarm.dayMask(), daysAfter);
    QCOMPARE(alarmCell(table, 7, AlarmTable::ModeColumn)->comboIndex(0), selectedDaysAfter ? 1 : 0);
}

void TestEditor::fillThenRead_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("defaults") << "defaults";
    QTest::newRow("every field set") << "every field";
    QTest::newRow("values the widgets cannot show") << "unshowable";
    QTest::newRow("own file from tests/data") << "configuration.qlxztc";
}

void TestEditor::fillThenRead()
{
    QFETCH(QString, source);

    auto config = std::make_unique<ClockConfig>();
    if (source == "every field" || source == "unshowable")
        fillEveryField(*config);
    if (source == "unshowable")
        fillUnshowable(*config);
    if (source.endsWith(".qlxztc"))
        config = fromFile(source);
    QVERIFY(config);
    config->loaded = true;
    // Another configuration first, so nothing passes for a widget's leftover.
    ClockConfig other;
    fillEveryField(other);
    other.Mode = 1;
    open(other);
    open(*config);

    QVERIFY(m_page->ReadConfigFromWidgets()->sameContent(*config));
}

void TestEditor::editsAreRead_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("a typed server name") << "type:ledRemoteServer2:x" << "Server2" << QVariant("ntp2.examplex");
    QTest::newRow("a master address cleared") << "clear:ledSyncMasterIp" << "MasterIP" << QVariant("");
    QTest::newRow("a master address typed anew") << "retype:ledSyncMasterIp:192.168.1.5" << "MasterIP"
                                                 << QVariant("192.168.1.5");
    QTest::newRow("a duration moved off its limit") << "step:sbxDurationTimeDur:-1" << "DurationTime" << QVariant(58);
    QTest::newRow("an offset moved by a step") << "step:dsbTempOffset:1" << "TemperatureOffsetValue"
                                               << QVariant(-9.8);
    QTest::newRow("a choice made in an empty box") << "index:cbxTypeface:0" << "typeface" << QVariant(0);
}

void TestEditor::editsAreRead()
{
    QFETCH(QString, edit);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);

    ClockConfig config;
    fillEveryField(config);
    config.typeface = 7;
    open(config);
    const QStringList part = edit.split(':');
    if (part.at(0) == "type" || part.at(0) == "retype" || part.at(0) == "clear") {
        auto *line = find<QLineEdit>(part.at(1));
        line->end(false);
        if (part.at(0) != "type") {
            line->selectAll();
            QTest::keyClick(line, Qt::Key_Delete);
            line->home(false);
        }
        QTest::keyClicks(line, part.value(2));
    } else if (part.at(0) == "step") {
        find<QAbstractSpinBox>(part.at(1))->stepBy(part.at(2).toInt());
    } else {
        find<QComboBox>(part.at(1))->setCurrentIndex(part.at(2).toInt());
    }

    const auto read = m_page->ReadConfigFromWidgets();
    const QVariantMap values{{"Server2", read->Server2},
                           {"MasterIP", read->MasterIP},
                           {"DurationTime", read->DurationTime},
                           {"TemperatureOffsetValue", qRound(read->TemperatureOffsetValue * 10) / 10.0},
                           {"typeface", read->typeface}};
    QCOMPARE(values.value(field), expected);
}

void TestEditor::leavingStoresWhereEdited_data()
{
    QTest::addColumn<int>("groupIndex");
    QTest::addColumn<int>("clockIndex");
    QTest::addColumn<bool>("clockChanged");
    QTest::addColumn<bool>("groupChanged");

    QTest::newRow("a clock") << -1 << 0 << true << false;
    QTest::newRow("a group") << 0 << -1 << false << true;
    QTest::newRow("a member clock shown for its group") << 0 << 0 << false << true;
}

void TestEditor::leavingStoresWhereEdited()
{
    QFETCH(int, groupIndex);
    QFETCH(int, clockIndex);
    QFETCH(bool, clockChanged);
    QFETCH(bool, groupChanged);

    ClockRegistry *registry = ClockRegistry::instance();
    registry->createGroup(QStringLiteral("Hall"))->setConfig(registry->clockAt(0)->config());
    registry->setClockGroup(0, 0);
    QVERIFY(m_page->OpenConfigEditor(groupIndex, clockIndex));
    QTRY_VERIFY(find<QWidget>("btnConfigBack")->isEnabled());
    QTest::keyClicks(find<QLineEdit>("ledRemoteServer1"), "ntp.changed");
    QSignalSpy left(m_page.get(), &PageConfiguration::SigLeaveEditor);

    QTest::mouseClick(find<QWidget>("btnConfigBack"), Qt::LeftButton);

    QCOMPARE(left.count(), 1);
    QVERIFY(!m_page->isEditing());
    QCOMPARE(registry->clockAt(0)->config().Server1 == "ntp.changed", clockChanged);
    QCOMPARE(registry->groupAt(0)->config()->Server1 == "ntp.changed", groupChanged);
}

void TestEditor::closingWhileAlarmsLoadKeepsThem()
{
    ClockConfig first;
    fillEveryField(first);
    open(first);
    ClockConfig second;
    second.alarms[29] = {true, QTime(6, 45), 12, true};
    second.alarms[29].setDayMask(0x41);
    ClockRegistry::instance()->clockAt(0)->setConfig(second);

    QVERIFY(m_page->OpenConfigEditor(-1, 0));
    QVERIFY(!find<QWidget>("btnConfigBack")->isEnabled());
    QVERIFY(!find<QWidget>("btnSendConfiguration")->isEnabled());
    // What closing the program does while the table still shows the first alarms.
    m_page->StoreEditedConfiguration();

    QVERIFY(ClockRegistry::instance()->clockAt(0)->config().alarms == second.alarms);
    QTRY_VERIFY(find<QWidget>("btnConfigBack")->isEnabled());
    QVERIFY(find<QWidget>("btnSendConfiguration")->isEnabled());
}

void TestEditor::unsafeText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");

    QTest::newRow("an ampersand typed into a server") << "Server1" << "a&b" << true;
    QTest::newRow("an equals sign typed into a server") << "Server5" << "a=b" << true;
    QTest::newRow("a server from a file with an ampersand") << "Server3" << "time & more" << false;
    QTest::newRow("a server from a file with a line break") << "Server1" << "a\nb" << false;
    QTest::newRow("a master address from a file with an equals sign") << "MasterIP" << "1.2.3.4=5" << false;
}

void TestEditor::unsafeText()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, typed);

    ClockConfig config;
    config.Synchronization = true;
    if (!typed && field == "MasterIP")
        config.MasterIP = text;
    else if (!typed)
        config.setServer(field.right(1).toInt() - 1, text);
    open(config);
    if (typed) {
        auto *line = find<QLineEdit>("ledRemoteServer" + field.right(1));
        QTest::keyClicks(line, text);
        QCOMPARE(line->text(), QString(text).remove(QRegularExpression("[&=]")));
        QVERIFY(!find<QWidget>("lblServerRefused")->isHidden());
        return;
    }
    m_dialogs.answerQuestion(QuestionResult::Positive);

    QTest::mouseClick(find<QWidget>("btnSendConfiguration"), Qt::LeftButton);

    QCOMPARE(m_dialogs.questionTexts(), QStringList{ParameterText::refusalText(field)});
    QCOMPARE(m_dialogs.requests().constFirst().icon, int(QuestionIcon::Critical));
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
