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
#include <QLineEdit>
#include <QtTest>

#include <memory>

// The configuration editor alone, on clock 0, with a scripted dialog host.
// "file" is tests/data/configuration.qlxztc, which sets nearly every field.
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
    void leavingStoresWhereEdited_data();
    void leavingStoresWhereEdited();
    void closingWhileAlarmsLoadKeepsThem();
    void unsafeText_data();
    void unsafeText();

private:
    // "defaults", "file" or "unshowable" (the file with values no widget can show).
    static std::unique_ptr<ClockConfig> config(const QString &name);
    void open(const ClockConfig &config);
    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        T *widget = m_page->findChild<T *>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    TableItemCustom *alarmCell(int row, int column) const
    {
        return qobject_cast<TableItemCustom *>(find<AlarmTable>("twdAlarmList")->cellWidget(row, column));
    }

    ScriptedDialogHost m_dialogs;
    std::unique_ptr<MonitoringSession> m_session;
    std::unique_ptr<StandaloneServices> m_alone;
    std::unique_ptr<PageConfiguration> m_page;
};

std::unique_ptr<ClockConfig> TestEditor::config(const QString &name)
{
    if (name == "defaults")
        return std::make_unique<ClockConfig>();
    auto c = ConfigurationFiles::openConfiguration(qEnvironmentVariable("ZENTICK_SOURCE_DIR")
                                                   + "/tests/data/configuration.qlxztc");
    if (c && name == "unshowable") {
        c->TimeZone = 40;
        c->Brightness = -1;
        c->DurationTime = 0;
        c->DurationDate = 75;
        c->TemperatureOffsetValue = 12.5f;
        c->MasterIP = "1.2.3.4&B_016=0";
        c->EcoStart = QTime(25, 0);
        c->alarms[3].Duration = 0;
        c->alarms[4].Time = QTime(6, 0, 30);
    }
    return c;
}

void TestEditor::init()
{
    ClockRegistry::resetForTest();
    DialogHost::install(&m_dialogs);
    m_session = std::make_unique<MonitoringSession>();
    m_alone = std::make_unique<StandaloneServices>(*m_session, m_dialogs);
    m_page = std::make_unique<PageConfiguration>(m_alone->services());
    ClockRegistry::instance()->addClock(new DevClock);
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
    // Actions "click:box", "index:box:n", "fill:name"; then +shown -hidden ^enabled _disabled.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Other with daylight saving shows the rule")
        << "index:cbxLocalization:5 click:cbxDaylightSaving" << "+wdtSummerTime";
    QTest::newRow("Europe with daylight saving hides it")
        << "index:cbxLocalization:5 click:cbxDaylightSaving index:cbxLocalization:0" << "-wdtSummerTime";
    QTest::newRow("Other without daylight saving hides it") << "index:cbxLocalization:5" << "-wdtSummerTime";
    QTest::newRow("time zone active shows the zone") << "click:cbxTimeZone" << "+lblTimezone +cbxTimezone";
    QTest::newRow("NTP shows the servers, GPS hides them")
        << "index:cbxSynchronizationMode:2 index:cbxSynchronizationMode:1" << "-wdtNtpServers";
    QTest::newRow("Auto brightness enables the profile") << "index:cbxBrightness:10" << "^cbxBrightnessProfile";
    QTest::newRow("a level disables it") << "index:cbxBrightness:10 index:cbxBrightness:9" << "_cbxBrightnessProfile";
    QTest::newRow("temperature offset shows its value") << "click:cbxTempOffset" << "+lblTempOffset +dsbTempOffset";
    QTest::newRow("synchronised master needs no master address")
        << "click:cbxSync index:cbxSyncMode:0" << "+lblSyncMode +cbxSyncMode -lblMasterIp -ledSyncMasterIp";
    QTest::newRow("synchronised slave shows it") << "click:cbxSync index:cbxSyncMode:1" << "+lblMasterIp +ledSyncMasterIp";
    QTest::newRow("slave without synchronisation hides it") << "index:cbxSyncMode:2" << "-cbxSyncMode -ledSyncMasterIp";
    QTest::newRow("eco mode shows its times") << "click:cbxEcoMode" << "+wdtEco";
    QTest::newRow("time and temperature off: date is locked")
        << "click:cbxFormatTime click:cbxFormatTemp" << "^cbxFormatTime ^cbxFormatTemp _cbxFormatDate";
    QTest::newRow("temperature and date off: time is locked")
        << "click:cbxFormatTemp click:cbxFormatDate" << "_cbxFormatTime ^cbxFormatTemp ^cbxFormatDate";
    QTest::newRow("time and date off: temperature is locked")
        << "click:cbxFormatDate click:cbxFormatTime" << "^cbxFormatTime _cbxFormatTemp ^cbxFormatDate";
    QTest::newRow("a second one back on releases the lock")
        << "click:cbxFormatTime click:cbxFormatTemp click:cbxFormatTime" << "^cbxFormatTime ^cbxFormatDate";
    QTest::newRow("filling applies every rule")
        << "fill:file" << "+wdtSummerTime +cbxTimezone +wdtNtpServers +dsbTempOffset +ledSyncMasterIp +wdtEco "
                          "^cbxBrightnessProfile ^cbxFormatTime ^cbxFormatTemp";
    QTest::newRow("filling again resets every rule")
        << "fill:file fill:defaults" << "-wdtSummerTime -cbxTimezone -wdtNtpServers -dsbTempOffset -cbxSyncMode "
                                        "-wdtEco _cbxBrightnessProfile ^cbxFormatTime";
}

void TestEditor::visibilityRules()
{
    QFETCH(QString, actions);
    QFETCH(QString, expected);

    ClockConfig base;
    base.ShowTime = base.ShowTemp = base.ShowDate = true;
    open(base);
    for (const QString &action : actions.split(' ')) {
        const QStringList part = action.split(':');
        if (part.at(0) == "click")
            find<QCheckBox>(part.at(1))->click();
        else if (part.at(0) == "index")
            find<QComboBox>(part.at(1))->setCurrentIndex(part.at(2).toInt());
        else
            open(*config(part.at(1)));
    }
    for (const QString &expectation : expected.split(' ')) {
        const QWidget *widget = find(expectation.mid(1));
        const bool ok = QString("+-^_").indexOf(expectation.at(0)) < 2
            ? widget->isHidden() == (expectation.at(0) == '-')
            : widget->isEnabled() == (expectation.at(0) == '^');
        QVERIFY2(ok, qPrintable(expectation));
    }
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
    const int value = action.section(':', 1).toInt();
    if (action.startsWith("mode"))
        alarmCell(7, AlarmTable::ModeColumn)->comboBoxes().constFirst()->setCurrentIndex(value);
    else
        alarmCell(7, AlarmTable::FirstDayColumn + value - 1)->checkBoxes().constFirst()->click();

    const Alarm alarm = m_page->ReadConfigFromWidgets()->alarms[7];
    QCOMPARE(alarm.SelectedDaysMode, selectedDaysAfter);
    QCOMPARE(alarm.dayMask(), daysAfter);
    QCOMPARE(alarmCell(7, AlarmTable::ModeColumn)->comboIndex(0), selectedDaysAfter ? 1 : 0);
}

void TestEditor::fillThenRead_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("edit"); // "type:line:text", "retype:line:text", "step:box:n", "index:box:n"
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value"); // of the field after the edit

    QTest::newRow("defaults") << "defaults" << "" << "" << QVariant();
    QTest::newRow("own file from tests/data") << "file" << "" << "" << QVariant();
    QTest::newRow("values the widgets cannot show") << "unshowable" << "" << "" << QVariant();
    QTest::newRow("a typed server name") << "unshowable" << "type:ledRemoteServer2:x" << "Server2"
                                         << QVariant("192.168.0.250x");
    QTest::newRow("a master address cleared") << "unshowable" << "retype:ledSyncMasterIp:" << "MasterIP" << QVariant("");
    QTest::newRow("a master address typed anew")
        << "unshowable" << "retype:ledSyncMasterIp:192.168.1.5" << "MasterIP" << QVariant("192.168.1.5");
    QTest::newRow("a duration moved off its limit")
        << "unshowable" << "step:sbxDurationTimeDur:1" << "DurationTime" << QVariant(2);
    QTest::newRow("an offset moved by a step")
        << "unshowable" << "step:dsbTempOffset:-1" << "TemperatureOffsetValue" << QVariant(9.8f);
    QTest::newRow("a choice made in an empty box") << "unshowable" << "index:cbxTimezone:3" << "TimeZone" << QVariant(3);
}

void TestEditor::fillThenRead()
{
    QFETCH(QString, source);
    QFETCH(QString, edit);
    QFETCH(QString, field);
    QFETCH(QVariant, value);

    const auto expected = config(source);
    expected->loaded = true;
    // Something else first, so that no widget passes by keeping a leftover.
    auto other = config("file");
    other->Mode = 1;
    other->Server2 = "other";
    open(*other);
    open(*expected);
    const QStringList part = edit.split(':');
    if (part.at(0).endsWith("type")) {
        auto *line = find<QLineEdit>(part.at(1));
        line->end(false);
        if (part.at(0) == "retype") {
            line->selectAll();
            QTest::keyClick(line, Qt::Key_Delete);
            line->home(false);
        }
        QTest::keyClicks(line, part.at(2));
    } else if (part.at(0) == "step") {
        find<QAbstractSpinBox>(part.at(1))->stepBy(part.at(2).toInt());
    } else if (part.at(0) == "index") {
        find<QComboBox>(part.at(1))->setCurrentIndex(part.at(2).toInt());
    }
    expected->Server2 = field == "Server2" ? value.toString() : expected->Server2;
    expected->MasterIP = field == "MasterIP" ? value.toString() : expected->MasterIP;
    expected->DurationTime = field == "DurationTime" ? value.toInt() : expected->DurationTime;
    expected->TemperatureOffsetValue = field == "TemperatureOffsetValue" ? value.toFloat()
                                                                         : expected->TemperatureOffsetValue;
    expected->TimeZone = field == "TimeZone" ? value.toInt() : expected->TimeZone;

    QVERIFY(m_page->ReadConfigFromWidgets()->sameContent(*expected));
}

void TestEditor::leavingStoresWhereEdited_data()
{
    QTest::addColumn<int>("groupIndex");
    QTest::addColumn<int>("clockIndex");
    QTest::addColumn<bool>("clockChanged");

    QTest::newRow("a clock") << -1 << 0 << true;
    QTest::newRow("a group") << 0 << -1 << false;
    QTest::newRow("a member clock shown for its group") << 0 << 0 << false;
}

void TestEditor::leavingStoresWhereEdited()
{
    QFETCH(int, groupIndex);
    QFETCH(int, clockIndex);
    QFETCH(bool, clockChanged);

    ClockRegistry *registry = ClockRegistry::instance();
    registry->clockAt(0)->setConfig(ClockConfig());
    registry->createGroup("Hall")->setConfig(ClockConfig());
    registry->setClockGroup(0, 0);
    QVERIFY(m_page->OpenConfigEditor(groupIndex, clockIndex));
    QTRY_VERIFY(find("btnConfigBack")->isEnabled());
    QTest::keyClicks(find<QLineEdit>("ledRemoteServer1"), "ntp.changed");
    QSignalSpy left(m_page.get(), &PageConfiguration::SigLeaveEditor);

    QTest::mouseClick(find("btnConfigBack"), Qt::LeftButton);

    QCOMPARE(left.count(), 1);
    QVERIFY(!m_page->isEditing());
    QCOMPARE(registry->clockAt(0)->config().Server1 == "ntp.changed", clockChanged);
    QCOMPARE(registry->groupAt(0)->config()->Server1 == "ntp.changed", !clockChanged);
}

void TestEditor::closingWhileAlarmsLoadKeepsThem()
{
    open(*config("file"));
    ClockConfig second;
    second.alarms[29] = {true, QTime(6, 45), 12, true};
    ClockRegistry::instance()->clockAt(0)->setConfig(second);

    QVERIFY(m_page->OpenConfigEditor(-1, 0));
    QVERIFY(!find("btnConfigBack")->isEnabled());
    QVERIFY(!find("btnSendConfiguration")->isEnabled());
    // What closing the program does while the table still shows the first alarms.
    m_page->StoreEditedConfiguration();

    QVERIFY(ClockRegistry::instance()->clockAt(0)->config().alarms == second.alarms);
    QTRY_VERIFY(find("btnConfigBack")->isEnabled());
    QVERIFY(find("btnSendConfiguration")->isEnabled());
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
        QVERIFY(!find("lblServerRefused")->isHidden());
        return;
    }

    QTest::mouseClick(find("btnSendConfiguration"), Qt::LeftButton);

    QCOMPARE(m_dialogs.questionTexts(), QStringList{ParameterText::refusalText(field)});
    QCOMPARE(m_dialogs.requests().constFirst().icon, int(QuestionIcon::Critical));
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
