#pragma once

#include <QObject>
#include <QString>
#include <QTime>

#include <array>
#include <memory>

// One of the thirty alarm slots of a clock.
struct Alarm
{
    bool Active = false;
    QTime Time;
    int Duration = 0;
    // false: every day; true: only the days marked below.
    bool SelectedDaysMode = false;
    bool DayActive1 = false; // Monday
    bool DayActive2 = false;
    bool DayActive3 = false;
    bool DayActive4 = false;
    bool DayActive5 = false;
    bool DayActive6 = false;
    bool DayActive7 = false; // Sunday

    // day 1 (Monday) .. 7 (Sunday); false / no change for any other day.
    bool dayActive(int day) const;
    void setDayActive(int day, bool active);
    // Bit 0 for day 1 .. bit 6 for day 7; higher bits are ignored.
    int dayMask() const;
    void setDayMask(int mask);

    bool operator==(const Alarm &other) const;
    bool operator!=(const Alarm &other) const { return !(*this == other); }
};

inline constexpr int alarmCount = 30;
inline constexpr int daysPerWeek = 7;

// The three parts a configuration travels in to and from a clock.
enum class ConfigPart { None, Time, Display, Alarms };

namespace ConfigParts {

// "display part" and so on, in the user's language.
QString name(ConfigPart part);
// "Configuration not read completely: display part": a download one of whose
// replies did not decode.
QString notReadText(ConfigPart part);
// Why a configuration that is not whole is not sent.
QString notWholeText(ConfigPart part);

} // namespace ConfigParts

// The plain fields of a clock configuration. Kept apart from the QObject so
// that a copy can never forget a field.
struct ClockConfigFields
{
    // Time
    int Localization = 0;
    bool TimeZoneActive = false;
    int TimeZone = 0;
    bool DaylightSaving = false;
    QTime SummerTimeStartTime;
    QTime SummerTimeEndTime;
    int SummerTimeStartDate = 0;
    int SummerTimeEndDate = 0;
    int SummerTimeStartDay = 0;
    int SummerTimeEndDay = 0;
    int SummerTimeStartMonth = 0; // 0 = January .. 11 = December
    int SummerTimeEndMonth = 0;
    int QueryInterval = 0;
    int Mode = 0;
    QString Server1;
    QString Server2;
    QString Server3;
    QString Server4;
    QString Server5;
    bool MasterMode = false;

    // Display
    bool ShowTime = false;
    bool ShowTemp = false;
    bool ShowDate = false;
    int DurationTime = 0;
    int DurationTemp = 0;
    int DurationDate = 0;
    int FormatDate = 0;
    int FormatTime = 0;
    bool TimeLeadingZeros = false;
    bool BlinkingTimeColon = false;
    int Brightness = 0;
    int BrightnessProfile = 0;
    int TemperatureUnit = 0;
    bool TemperatureOffset = false;
    float TemperatureOffsetValue = 0.0f;
    bool Synchronization = false;
    int SynchronizationMode = 0;
    QString MasterIP;
    bool EcoMode = false;
    QTime EcoStart;
    QTime EcoEnd;
    int typeface = 0;

    std::array<Alarm, alarmCount> alarms{};

    // The record holds real content: read from a clock, set as a whole or
    // read from a file.
    bool loaded = false;

    // Every field, alarms and loaded included; floats compared exactly.
    bool sameContent(const ClockConfigFields &other) const;

    // The part that keeps the record from being a clock's whole
    // configuration; None when it may be sent. A record never loaded lacks
    // at least its alarms (only they mark it loaded). One that shows nothing
    // on the display is what a display reply that did not decode leaves: no
    // clock shows nothing, and the editor keeps one item shown.
    ConfigPart incompletePart() const;
};

// Everything a clock can be told about keeping and showing time.
class ClockConfig : public QObject, public ClockConfigFields
{
    Q_OBJECT

public:
    explicit ClockConfig(QObject *parent = nullptr);
    ~ClockConfig() override;

    // The only way a configuration is duplicated: every field, loaded included.
    static std::unique_ptr<ClockConfig> copy(const ClockConfig &source);
    // Server1 .. Server5 by index 0..4; an empty string outside that range.
    QString server(int index) const;
    void setServer(int index, const QString &name);

    Q_DISABLE_COPY(ClockConfig)
};
