#include "EditorGallery.h"

#include "ClockConfig.h"
#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "MonitoringSession.h"
#include "PageConfiguration.h"
#include "WindowMain.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTabWidget>

namespace EditorGallery {

namespace {

constexpr int windowWidth = 1000;
constexpr int windowHeight = 680;
constexpr int loadDeadlineMs = 10000;

void fillSample(ClockConfig &config)
{
    config.Localization = 5;
    config.TimeZoneActive = true;
    config.TimeZone = 15;
    config.DaylightSaving = true;
    config.SummerTimeStartTime = QTime(2, 0);
    config.SummerTimeEndTime = QTime(3, 0);
    config.SummerTimeStartDate = 4;
    config.SummerTimeEndDate = 4;
    config.SummerTimeStartDay = 6;
    config.SummerTimeEndDay = 6;
    config.SummerTimeStartMonth = 2;
    config.SummerTimeEndMonth = 9;
    config.Mode = 2;
    config.Server1 = QStringLiteral("ntp1.site.example");
    config.Server2 = QStringLiteral("192.168.0.250");
    config.QueryInterval = 1;
    config.ShowTime = config.ShowDate = true;
    config.DurationTime = 20;
    config.DurationTemp = 5;
    config.DurationDate = 5;
    config.Brightness = 10;
    config.BrightnessProfile = 1;
    config.TemperatureOffset = true;
    config.TemperatureOffsetValue = -1.5f;
    config.Synchronization = true;
    config.SynchronizationMode = 1;
    config.MasterIP = QStringLiteral("192.168.0.20");
    config.EcoMode = true;
    config.EcoStart = QTime(22, 0);
    config.EcoEnd = QTime(6, 30);
    for (int i = 0; i < alarmCount; ++i) {
        Alarm &alarm = config.alarms[i];
        alarm.Active = i < 3;
        alarm.Time = QTime(7 + i % 12, (i * 5) % 60);
        alarm.Duration = 10;
        alarm.SelectedDaysMode = i % 2 == 1;
        alarm.setDayMask(alarm.SelectedDaysMode ? 0x1F : 0x7F);
    }
}

void addSite()
{
    ClockRegistry *registry = ClockRegistry::instance();
    ClockConfig config;
    fillSample(config);
    const struct {
        const char *name;
        const char *ip;
    } clocks[] = {{"Hall", "192.168.0.20"}, {"Lobby", "192.168.0.21"}, {"Canteen", "192.168.0.25"},
                  {"Gym", "192.168.0.34"}};
    for (const auto &entry : clocks) {
        auto *clock = new DevClock;
        clock->name = QString::fromLatin1(entry.name);
        clock->network.ip = QString::fromLatin1(entry.ip);
        clock->setConfig(config);
        registry->addClock(clock);
    }
    registry->createGroup(QStringLiteral("Ground floor"));
    registry->createGroup(QStringLiteral("Sports hall"));
    registry->setClockGroup(0, 0);
    registry->setClockGroup(1, 0);
    registry->setClockGroup(3, 1);
    registry->groupAt(0)->setConfig(config);
}

WindowMain *makeWindow()
{
    auto *session = new MonitoringSession;
    session->acquireLock();
    auto *window = new WindowMain(*session);
    session->setParent(window);
    window->resize(windowWidth, windowHeight);
    addSite();
    // The other scenes draw an empty list.
    QObject::connect(window, &QObject::destroyed, [] { ClockRegistry::instance()->clear(); });
    return window;
}

std::unique_ptr<QWidget> showEditor(WindowMain *window, int groupIndex, int clockIndex, int tab)
{
    window->services().OpenEditor(groupIndex, clockIndex);
    PageConfiguration *editor = window->services().editor;
    const QDeadlineTimer deadline(loadDeadlineMs);
    while (editor->isLoadingAlarms() && !deadline.hasExpired())
        QCoreApplication::processEvents();
    editor->findChild<QTabWidget *>(QStringLiteral("twdConfiguration"))->setCurrentIndex(tab);
    return std::unique_ptr<QWidget>(window);
}

} // namespace

std::unique_ptr<QWidget> editorWindow(int tab)
{
    return showEditor(makeWindow(), -1, 0, tab);
}

std::unique_ptr<QWidget> groupEditorWindow()
{
    const int sendTab = 3;
    return showEditor(makeWindow(), 0, -1, sendTab);
}

std::unique_ptr<QWidget> groupsWindow()
{
    WindowMain *window = makeWindow();
    window->findChild<QAbstractButton *>(QStringLiteral("btnGroupList"))->click();
    return std::unique_ptr<QWidget>(window);
}

} // namespace EditorGallery
