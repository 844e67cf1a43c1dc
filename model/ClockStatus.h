#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

// The NTP state of a clock (the value of ClockStatus::NtpSynchronization);
// also the index of the clock's alert counter for that state.
enum NtpStatus : int {
    NtpSynchronized = 0,
    NtpTimeout = 1,
    NtpOther = 2,
    NtpNoConnection = 3,
    NtpDisabled = 4,
    NtpNoStatus = 5,
    NtpNoAuthentication = 6,
};
inline constexpr int ntpStatusCount = 7;

// A temperature at or below this means that the clock gave no reading.
inline constexpr float noTemperatureReading = -1000.0f;
// The brightness of a clock that never gave one.
inline constexpr int noBrightnessReading = -1;

// What every list, table and report shows for a value the clock never
// reported ("-"), and the value's text otherwise. The board's JSON gives
// null instead.
inline QString valueOrUnknown(bool known, const QString &text)
{
    return known ? text : QStringLiteral("-");
}

// What the last status reply of a clock said; copied as a whole.
struct ClockStatus
{
    int NtpSynchronization = NtpNoStatus;
    float temperature = -1000.9f;
    QString temperatureUnit = QStringLiteral("C");
    int brightness = noBrightnessReading;
    QString errorCode = QStringLiteral("noEr");
    bool remoteMode = false;
    QString lastNtpServer;
    QString lastSyncTime;
    // 0..3 from the letters N, V, A, X.
    int signalStrength = 0;
    // Local time of the last status reply that parsed; null until then.
    QDateTime lastStatusUpdate;

    bool hasTemperature() const { return temperature > noTemperatureReading; }
    bool hasBrightness() const { return brightness > noBrightnessReading; }
};
Q_DECLARE_METATYPE(ClockStatus)
