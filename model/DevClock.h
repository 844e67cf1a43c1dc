#pragma once

#include "model/ClockConfig.h"
#include "model/ClockNetworkSettings.h"
#include "model/ClockStatus.h"
#include "values/Error.h"
#include "values/NetworkCardData.h"
#include "values/TextCatalogue.h"
#include "model/QuietHours.h"
#include "model/QuietPeriod.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

// One networked LED wall clock on the device list. Fields are grouped as the
// state file groups them (Common, Status, Network) plus run-time fields that
// are never stored. Used on the GUI thread only.
class DevClock : public QObject
{
    Q_OBJECT

public:
    explicit DevClock(QObject *parent = nullptr);
    ~DevClock() override;

    // Common
    int groupId = -1; // index in ClockRegistry::groups(), -1 for none
    QString name = QStringLiteral("Clock");
    QString user;
    QString password;
    int firmware = 0; // hundredths: 105 is 1.05; 0 while the clock never told it
    QString productCode;
    QString deviceCode;

    ClockStatus status;
    ClockNetworkSettings network;
    // "02-A7-3C-DC-00-00"; empty while unknown. What tells a clock that
    // moved to another address from a new one (see ClockMerge); stored with
    // the Network group.
    QString mac;

    // Run-time and other fields
    NetworkCardData networkInterface; // the null record means "Default"
    Error lastError = NoError;
    // Identity for the status poller during this run only; never stored.
    quint64 id = 0;
    // No mail about the clock while it lasts; kept in the state file.
    QuietPeriod quietPeriod;
    // No mail either in these weekly windows; kept in the state file.
    QuietHours quietHours;

    ClockConfig &config() { return *m_config; }
    const ClockConfig &config() const { return *m_config; }
    // Replaces the configuration by a copy of the given one, marked loaded.
    void setConfig(const ClockConfig &config);
    bool hasConfig() const { return m_config->loaded; }

    // Exact letter case: "QM01" .. "QM12".
    bool isKnownModel() const { return isKnownModelCode(productCode); }
    static bool isKnownModelCode(const QString &code);
    // Takes the first value that is a known model code and the first that
    // is a MAC, for whichever of productCode and mac is still empty.
    void learnIdentity(const QStringList &values);
    bool isSupported() const { return isKnownModel() && firmware > 0; }
    // 105 gives "1.05".
    QString firmwareText() const { return firmwareText(firmware); }
    // "1.05"; "-" for a firmware never read (0 or less).
    static QString firmwareText(int firmware);
    // 0 good, 1 warning, 2 critical, -1 for an unknown state.
    int ntpSeverity() const;
    QString statusText(const TextCatalogue &texts = TextCatalogue()) const;
    QString lastErrorText(bool ipDuplicate = false) const;

    // Reply parsers: a reply that does not parse sets lastError, returns
    // false and leaves the other fields as they were.
    // A status that parses is stamped at `at`, or now when that is invalid,
    // and gives in ntpWord the NTP state its reply named (-1 for a word it
    // does not know, which leaves the state as it was). What the state means
    // for the clock's health is HealthWriter's to say.
    bool parseStatus(const QString &reply, int statusCode, const QDateTime &at = QDateTime(),
                     int *ntpWord = nullptr);
    bool parseNetworkSettings(const QString &reply, int statusCode, const QString &user,
                              const QString &password);
    bool parseFirmware(const QString &reply);
    // The device-information reply ("/F"); only the body after the last line
    // break is read. The firmware is field 4; the model and the MAC are the
    // fields shaped like them (a known model code, six hexadecimal bytes)
    // wherever they stand, empty when none is; the device code is the field
    // after the model. False when the reply has no firmware: whatever
    // answered is not a clock.
    bool parseDeviceInformation(const QString &reply);
    // A, B and C replies into config(); false, and nothing changed, unless
    // statusCode is 200 and the decoder accepts the reply.
    bool parseTimeConfig(const QString &reply, int statusCode);
    bool parseDisplayConfig(const QString &reply, int statusCode);
    bool parseAlarmConfig(const QString &reply, int statusCode);

    // Takes the credentials, name, network addresses and status of a freshly
    // refreshed record; ip, codes, interface, lastStatusUpdate and config stay.
    void updateFrom(const DevClock &other);

    Q_DISABLE_COPY(DevClock)

private:
    std::unique_ptr<ClockConfig> m_config;
};
