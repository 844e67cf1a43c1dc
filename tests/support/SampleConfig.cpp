#include "tests/support/SampleConfig.h"

#include "model/ClockConfig.h"

namespace SampleConfig {

void fill(ClockConfigFields &c, int seed)
{
    c.Localization = 5;
    c.TimeZoneActive = true;
    c.TimeZone = (15 + seed) % 40;
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
    c.Server1 = QStringLiteral("ntp%1.example.org").arg(seed);
    c.Server2 = QStringLiteral("192.168.0.250");
    c.Server3 = QStringLiteral("time & \"more\" <x>");
    c.Server4 = QString();
    c.Server5 = QStringLiteral("ntp5");
    c.MasterMode = true;

    c.ShowTime = true;
    c.ShowTemp = true;
    c.ShowDate = false;
    c.DurationTime = 10 + seed % 50;
    c.DurationTemp = 3;
    c.DurationDate = 4;
    c.FormatDate = 5;
    c.FormatTime = 1;
    c.TimeLeadingZeros = true;
    c.BlinkingTimeColon = true;
    c.Brightness = 10;
    c.BrightnessProfile = 3;
    c.TemperatureUnit = 1;
    c.TemperatureOffset = true;
    c.TemperatureOffsetValue = -1.5f;
    c.Synchronization = true;
    c.SynchronizationMode = 2;
    c.MasterIP = QStringLiteral("192.168.0.20");
    c.EcoMode = true;
    c.EcoStart = QTime(22, 0);
    c.EcoEnd = QTime(6, 15);
    c.typeface = 1;

    for (int slot = 0; slot < alarmCount; ++slot) {
        Alarm &a = c.alarms[slot];
        a.Active = (slot + seed) % 3 != 0;
        a.Time = QTime((slot + seed) % 24, (slot * 7) % 60);
        a.Duration = slot * 5;
        a.SelectedDaysMode = slot % 2 == 1;
        a.setDayMask((slot * 37 + seed) & 0x7F);
    }
    // An alarm never set: no time at all.
    c.alarms[alarmCount - 2] = Alarm();
    c.loaded = true;
}

} // namespace SampleConfig
