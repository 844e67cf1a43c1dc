#include "tools/uirender/SampleSite.h"

#include "session/AuditFindingsStore.h"
#include "model/ClockConfig.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "values/Error.h"
#include "notify/NotificationSettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace SampleSite {

namespace {

// Fixed, so that two runs draw the same pictures.
const QDateTime statusTime(QDate(2026, 12, 6), QTime(10, 15, 42));

struct SampleClock
{
    const char *name;
    int lastOctet;
    const char *model;
    int firmware;
    float temperature;
    int ntp; // NtpStatus
    int group; // -1 for none
};

// The demo fleet's clocks, as a search and a few polls would leave them.
const SampleClock sampleClocks[] = {
    {"Main entrance", 20, "QM05", 310, 19.5f, NtpSynchronized, 0},
    {"Reception", 21, "QM05", 310, 21.0f, NtpNoAuthentication, 0},
    {"Lobby", 22, "QM03", 305, 20.5f, NtpSynchronized, 0},
    {"Meeting room 1", 23, "QM02", 212, 22.0f, NtpSynchronized, 1},
    {"Meeting room 2", 24, "QM02", 212, 22.5f, NtpSynchronized, 1},
    {"Canteen", 25, "QM03", 305, 23.5f, NtpSynchronized, 0},
    {"Kitchen", 26, "QM03", 298, 26.0f, NtpSynchronized, -1},
    {"Corridor 1", 27, "QM02", 212, 20.0f, NtpSynchronized, 2},
    {"Corridor 2", 28, "QM02", 212, 20.0f, NtpSynchronized, 2},
    {"Workshop", 29, "QM07", 401, 17.5f, NtpSynchronized, -1},
    {"Warehouse", 30, "QM07", 401, 12.0f, NtpSynchronized, 3},
    {"Loading bay", 31, "QM12", 120, 6.5f, NtpSynchronized, 3},
    {"Car park", 32, "QM12", 120, -1.5f, NtpTimeout, 3},
    {"Boiler room", 33, "QM01", 105, 31.0f, NtpNoConnection, -1},
    {"Gym", 34, "QM05", 310, 18.5f, NtpSynchronized, -1},
    {"Library", 35, "QM03", 305, 21.0f, NtpSynchronized, -1},
    {"Server room", 36, "QM01", 105, 18.0f, NtpDisabled, -1},
};

constexpr int libraryOctet = 35;

const char *const sampleGroups[] = {"Ground floor", "Meeting rooms", "Corridors", "Outdoor and storage"};

QString siteIp(int lastOctet)
{
    return QStringLiteral("192.168.0.%1").arg(lastOctet);
}

DevClock *makeClock(const SampleClock &sample)
{
    auto *clock = new DevClock;
    clock->name = QString::fromLatin1(sample.name);
    clock->network.ip = siteIp(sample.lastOctet);
    clock->productCode = QString::fromLatin1(sample.model);
    clock->firmware = sample.firmware;
    clock->user = QStringLiteral("admin");
    clock->networkInterface = networkCard();
    clock->status.temperature = sample.temperature;
    clock->status.brightness = 60;
    clock->status.NtpSynchronization = sample.ntp;
    // The demo's "Library" uses NTP without any server and names none.
    clock->status.lastNtpServer = sample.lastOctet == libraryOctet ? QString() : QStringLiteral("pool.ntp.org");
    clock->status.lastSyncTime = QStringLiteral("10:00:00");
    clock->status.lastStatusUpdate = statusTime;
    return clock;
}

void populateNotifications(NotificationSettings &settings)
{
    settings.server = QStringLiteral("smtp.site.example");
    settings.port = 587;
    settings.authType = 2;
    settings.username = QStringLiteral("alerts@site.example");
    settings.password = QStringLiteral("not-a-real-password");
    settings.from = QStringLiteral("alerts@site.example");
    settings.smtpType = 1;
    settings.resendMailTime = 2;
    settings.errorConnection = true;
    settings.errorNtpTimeout = true;
    settings.recipients = {{QStringLiteral("facilities@site.example"), false},
                           {QStringLiteral("it-desk@site.example"), true}};
    settings.availabilityMail = true;
    settings.availabilityMailDay = 2;
    settings.availabilityRecipients = {{QStringLiteral("site-manager@site.example"), false}};
}

} // namespace

void fillConfig(ClockConfig &config)
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
    config.Server1 = QStringLiteral("pool.ntp.org");
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

NetworkCardData networkCard()
{
    NetworkCardData card;
    card.name = QStringLiteral("eth0");
    card.ip = QHostAddress(QStringLiteral("192.168.0.2"));
    card.netmask = QHostAddress(QStringLiteral("255.255.255.0"));
    card.subnet = QHostAddress(QStringLiteral("192.168.0.0"));
    card.mac = QStringLiteral("02-00-00-00-00-02");
    return card;
}

// What the audit finds on the demo fleet, in the window's language, as the
// window's own start-up audit would have kept it.
void writeAuditFindings()
{
    const auto checks = [](const char *text) { return QCoreApplication::translate("AuditChecks", text); };
    const auto finding = [](const char *severity, const char *kind, const QString &text) {
        return QJsonObject{{QStringLiteral("severity"), QLatin1String(severity)},
                           {QStringLiteral("kind"), QLatin1String(kind)},
                           {QStringLiteral("text"), text}};
    };
    const QString notDownloaded = checks("Configuration not downloaded: %1");
    const struct {
        int lastOctet;
        QJsonObject finding;
    } found[] = {
        {21, finding("critical", "unreachable",
                     notDownloaded.arg(ErrorText::kindText(AuthorizationError)))},
        {25, finding("critical", "daylightSaving",
                     checks("The clock runs %1 behind %2 now").arg(QStringLiteral("1:00"), QStringLiteral("Europe/Berlin")))},
        {32, finding("warning", "timeSource", checks("NTP not synchronized: %1").arg(QStringLiteral("Ntp server timeout")))},
        {33, finding("critical", "unreachable",
                     notDownloaded.arg(ErrorText::kindText(NoResponse)))},
        {34, finding("warning", "daylightSaving",
                     checks("From %1 (%2) the clock runs %3 behind")
                         .arg(QStringLiteral("2027-03-28 03:00"), QStringLiteral("Europe/Berlin"), QStringLiteral("1:00")))},
        {35, finding("critical", "timeSource", checks("NTP without any server"))},
        {36, finding("critical", "timeSource", checks("Synchronization is \"None\": the clock keeps time by itself"))},
    };
    QJsonArray clocks;
    for (const auto &entry : found) {
        clocks.append(QJsonObject{{QStringLiteral("ip"), siteIp(entry.lastOctet)},
                                  {QStringLiteral("findings"), QJsonArray{entry.finding}}});
    }
    QFile file(AuditFindingsStore::defaultPath());
    if (file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("clocks"), clocks}}).toJson());
}

void populate(NotificationSettings &alerts)
{
    ClockRegistry *registry = ClockRegistry::instance();
    ClockConfig config;
    fillConfig(config);
    for (const char *group : sampleGroups)
        registry->createGroup(QString::fromLatin1(group));
    for (const SampleClock &sample : sampleClocks) {
        DevClock *clock = makeClock(sample);
        clock->setConfig(config);
        registry->addClock(clock);
        if (sample.group >= 0)
            registry->setClockGroup(registry->clockCount() - 1, sample.group);
    }
    registry->groupAt(0)->setConfig(config);
    populateNotifications(alerts);
    writeAuditFindings();
}

void clear(NotificationSettings &alerts)
{
    ClockRegistry::instance()->clear();
    alerts = NotificationSettings();
    QFile::remove(AuditFindingsStore::defaultPath());
}

QVector<DevClock *> foundClocks()
{
    QVector<DevClock *> clocks;
    const struct {
        int lastOctet;
        const char *model;
        Error error;
    } found[] = {{20, "QM05", NoError},
                 {21, "QM05", AuthorizationError},
                 {11, "QM03", NoError},
                 {11, "QM03", NoError},
                 {11, "QM05", NoError}};
    for (const auto &entry : found) {
        auto *clock = new DevClock;
        clock->network.ip = siteIp(entry.lastOctet);
        clock->productCode = QString::fromLatin1(entry.model);
        clock->networkInterface = networkCard();
        clock->lastError = entry.error;
        if (entry.error == NoError && entry.lastOctet != 11)
            clock->name = QStringLiteral("Main entrance");
        clocks << clock;
    }
    return clocks;
}

} // namespace SampleSite
