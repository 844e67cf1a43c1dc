#include "tools/clocksim/SimClock.h"

#include "tools/clocksim/ParameterCodes.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace {

constexpr int kMacBytes = 6;
constexpr int kFirmwareScale = 100;

QJsonObject mapToJson(const QMap<QString, QString>& values)
{
    QJsonObject object;
    for (auto it = values.begin(); it != values.end(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

} // namespace

SimClock::SimClock()
    : mac(kMacBytes, '\0')
    , network(ParameterCodes::defaultNetwork())
    , time(ParameterCodes::defaultTime())
    , display(ParameterCodes::defaultDisplay())
    , alarms(ParameterCodes::kAlarmSlots)
{
}

QString SimClock::macText() const
{
    return QString::fromLatin1(mac.toHex('-').toUpper());
}

QString SimClock::firmwareText() const
{
    return QStringLiteral("%1.%2")
        .arg(firmware / kFirmwareScale)
        .arg(firmware % kFirmwareScale, 2, 10, QLatin1Char('0'));
}

QJsonObject SimClock::toJson() const
{
    QJsonObject object;
    object.insert(QStringLiteral("ip"), ip.toString());
    object.insert(QStringLiteral("mac"), macText());
    object.insert(QStringLiteral("productCode"), productCode);
    object.insert(QStringLiteral("firmware"), firmware);
    object.insert(QStringLiteral("deviceCode"), deviceCode);
    object.insert(QStringLiteral("port"), port);
    if (taggedInfoLayout)
        object.insert(QStringLiteral("infoLayout"), QStringLiteral("tagged"));
    object.insert(QStringLiteral("user"), user);
    object.insert(QStringLiteral("password"), password);
    object.insert(QStringLiteral("name"), name);
    object.insert(QStringLiteral("network"), mapToJson(network));
    object.insert(QStringLiteral("time"), mapToJson(time));
    object.insert(QStringLiteral("display"), mapToJson(display));
    QJsonArray alarmArray;
    for (const SimAlarm& alarm : alarms) {
        QJsonObject entry;
        entry.insert(QStringLiteral("active"), alarm.active);
        entry.insert(QStringLiteral("time"), alarm.time);
        entry.insert(QStringLiteral("duration"), alarm.duration);
        entry.insert(QStringLiteral("selectedDays"), alarm.selectedDays);
        entry.insert(QStringLiteral("dayMask"), alarm.dayMask);
        alarmArray.append(entry);
    }
    object.insert(QStringLiteral("alarms"), alarmArray);
    QJsonObject statusObject;
    statusObject.insert(QStringLiteral("temperature"), status.temperature);
    statusObject.insert(QStringLiteral("brightness"), status.brightness);
    statusObject.insert(QStringLiteral("signal"), status.signal);
    statusObject.insert(QStringLiteral("errorCode"), status.errorCode);
    statusObject.insert(QStringLiteral("lastSync"), status.lastSync);
    statusObject.insert(QStringLiteral("remoteMode"), status.remoteMode);
    object.insert(QStringLiteral("status"), statusObject);
    object.insert(QStringLiteral("faults"), faults.toJson());
    return object;
}

bool SimClock::parseMac(const QString& text, QByteArray* mac)
{
    // Either separator is taken, in either letter case; the clock always
    // reports its address with "-" in upper case.
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9A-Fa-f]{2})([-:][0-9A-Fa-f]{2}){5}$"));
    if (!pattern.match(text).hasMatch())
        return false;
    QString digits = text;
    digits.remove(QLatin1Char('-')).remove(QLatin1Char(':'));
    *mac = QByteArray::fromHex(digits.toLatin1());
    return mac->size() == kMacBytes;
}
