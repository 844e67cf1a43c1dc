#include "tools/clocksim/ClockFileLoader.h"

#include "tools/clocksim/ParameterCodes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

constexpr int kMaxClocks = 16384; // a large site of ten thousand, with room
constexpr int kMaxTagText = 255; // a discovery value carries at most 255 bytes
constexpr int kMaxFirmware = 255 * 100 + 99;
constexpr int kFirmwareScale = 100;
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
constexpr unsigned char kGeneratedMacPrefix[] = {0x02, 0x5A, 0x00, 0x00};
constexpr int kDefaultFirmware = 305;
constexpr quint32 kLastHostNumber = 254;
constexpr quint32 kHostMask = 0xFF;
constexpr int kMaxPort = 65535;

// Locally administered addresses, numbered from 1, for clocks without a MAC of their own.
QByteArray generatedMac(int number)
{
    QByteArray mac(reinterpret_cast<const char*>(kGeneratedMacPrefix), sizeof kGeneratedMacPrefix);
    mac.append(static_cast<char>((number >> 8) & kHostMask)).append(static_cast<char>(number & kHostMask));
    return mac;
}

// A value that the clock would list in a reply: text, a number or a flag.
bool settingText(const QJsonValue& value, QString* text)
{
    if (value.isString())
        *text = value.toString();
    else if (value.isBool())
        *text = value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    else if (value.isDouble())
        *text = QString::number(value.toDouble());
    else
        return false;
    return !text->contains(QLatin1Char('&'));
}

bool readSettings(const QJsonValue& value, const QString& group, const QStringList& codes,
                  QMap<QString, QString>* settings, QString* error)
{
    if (!value.isObject()) {
        *error = QStringLiteral("%1: expected an object of parameter codes").arg(group);
        return false;
    }
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!codes.contains(it.key())) {
            *error = QStringLiteral("%1.%2: not a parameter code of this group (known: %3)")
                         .arg(group, it.key(), codes.join(QLatin1Char(' ')));
            return false;
        }
        QString text;
        if (!settingText(it.value(), &text)) {
            *error = QStringLiteral("%1.%2: expected text without \"&\", a number or true/false")
                         .arg(group, it.key());
            return false;
        }
        settings->insert(it.key(), text);
    }
    return true;
}

bool readText(const QJsonObject& object, const QString& key, QString* out, QString* error, int maxLength = -1)
{
    if (!object.contains(key))
        return true;
    const QJsonValue value = object.value(key);
    if (!value.isString()) {
        *error = QStringLiteral("%1: expected text").arg(key);
        return false;
    }
    if (maxLength >= 0 && value.toString().toUtf8().size() > maxLength) {
        *error = QStringLiteral("%1: longer than %2 bytes").arg(key).arg(maxLength);
        return false;
    }
    *out = value.toString();
    return true;
}

bool readAlarms(const QJsonValue& value, QVector<SimAlarm>* alarms, QString* error)
{
    if (!value.isArray() || value.toArray().size() > ParameterCodes::kAlarmSlots) {
        *error = QStringLiteral("alarms: expected a list of at most %1 alarms").arg(ParameterCodes::kAlarmSlots);
        return false;
    }
    const QJsonArray array = value.toArray();
    for (int i = 0; i < array.size(); ++i) {
        const QJsonObject entry = array.at(i).toObject();
        const QString where = QStringLiteral("alarms[%1]").arg(i);
        if (!array.at(i).isObject()) {
            *error = where + QStringLiteral(": expected an object");
            return false;
        }
        int slot = i;
        if (entry.contains(QStringLiteral("slot"))) {
            const QJsonValue slotValue = entry.value(QStringLiteral("slot"));
            slot = slotValue.toInt(-1);
            if (!slotValue.isDouble() || slot < 0 || slot >= ParameterCodes::kAlarmSlots) {
                *error = where + QStringLiteral(".slot: expected 0 to %1").arg(ParameterCodes::kAlarmSlots - 1);
                return false;
            }
        }
        SimAlarm alarm;
        for (auto it = entry.begin(); it != entry.end(); ++it) {
            const QString key = it.key();
            QString text;
            if (key == QLatin1String("slot"))
                continue;
            if (key == QLatin1String("selectedDays")) {
                if (!it.value().isBool()) {
                    *error = where + QStringLiteral(".selectedDays: expected true or false");
                    return false;
                }
                alarm.selectedDays = it.value().toBool();
                continue;
            }
            if (!settingText(it.value(), &text)) {
                *error = where + QStringLiteral(".%1: expected text without \"&\", a number or true/false").arg(key);
                return false;
            }
            if (key == QLatin1String("active"))
                alarm.active = text;
            else if (key == QLatin1String("time"))
                alarm.time = text;
            else if (key == QLatin1String("duration"))
                alarm.duration = text;
            else if (key == QLatin1String("dayMask"))
                alarm.dayMask = text;
            else {
                *error = where + QStringLiteral(": unknown field \"%1\"").arg(key);
                return false;
            }
        }
        (*alarms)[slot] = alarm;
    }
    return true;
}

} // namespace

bool ClockFileLoader::readStatus(const QJsonValue& value, SimStatus* status, QString* error)
{
    if (!value.isObject()) {
        *error = QStringLiteral("status: expected an object");
        return false;
    }
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString key = it.key();
        const QJsonValue v = it.value();
        const QString where = QStringLiteral("status.") + key;
        if (key == QLatin1String("temperature") && v.isDouble())
            status->temperature = v.toDouble();
        else if (key == QLatin1String("brightness") && v.isDouble() && v.toDouble() >= 0)
            status->brightness = v.toInt();
        else if (key == QLatin1String("signal") && v.isString()
                 && QStringList({"N", "V", "A", "X"}).contains(v.toString()))
            status->signal = v.toString();
        else if (key == QLatin1String("errorCode") && v.isString() && !v.toString().contains(QLatin1Char('&')))
            status->errorCode = v.toString();
        else if (key == QLatin1String("lastSync") && v.isString() && !v.toString().contains(QLatin1Char('&')))
            status->lastSync = v.toString();
        else if (key == QLatin1String("remoteMode") && v.isBool())
            status->remoteMode = v.toBool();
        else {
            const bool known = QStringList({"temperature", "brightness", "signal", "errorCode", "lastSync",
                                            "remoteMode"})
                                   .contains(key);
            *error = known ? where + QStringLiteral(": value of the wrong kind")
                           : QStringLiteral("status: unknown field \"%1\"").arg(key);
            return false;
        }
    }
    return true;
}

namespace {

bool readFirmware(const QJsonValue& value, int* firmware)
{
    // 305 and "3.05" both mean version 3.05.
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (number != static_cast<int>(number))
            return false;
        *firmware = static_cast<int>(number);
    } else if (value.isString()) {
        const QStringList parts = value.toString().split(QLatin1Char('.'));
        bool majorOk = false;
        bool minorOk = false;
        if (parts.size() != 2 || parts.at(1).size() != 2)
            return false;
        const int major = parts.at(0).toInt(&majorOk);
        const int minor = parts.at(1).toInt(&minorOk);
        if (!majorOk || !minorOk || major < 0 || minor < 0)
            return false;
        *firmware = major * kFirmwareScale + minor;
    } else {
        return false;
    }
    return *firmware >= 0 && *firmware <= kMaxFirmware;
}

} // namespace

bool ClockFileLoader::loadFile(const QString& path, QVector<SimClock>* clocks, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot read: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > kMaxFileBytes) {
        *error = QStringLiteral("%1: larger than %2 bytes").arg(path).arg(kMaxFileBytes);
        return false;
    }
    QString inner;
    if (!loadJson(file.readAll(), clocks, &inner)) {
        *error = path + QStringLiteral(": ") + inner;
        return false;
    }
    return true;
}

bool ClockFileLoader::loadJson(const QByteArray& json, QVector<SimClock>* clocks, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull()) {
        *error = QStringLiteral("not JSON: %1 at byte %2").arg(parseError.errorString()).arg(parseError.offset);
        return false;
    }
    const QJsonValue list = document.object().value(QStringLiteral("clocks"));
    if (!document.isObject() || !list.isArray()) {
        *error = QStringLiteral("expected an object with a list \"clocks\"");
        return false;
    }
    const QJsonArray array = list.toArray();
    if (array.isEmpty() || array.size() > kMaxClocks) {
        *error = QStringLiteral("clocks: expected 1 to %1 clocks").arg(kMaxClocks);
        return false;
    }
    QVector<SimClock> result;
    for (int i = 0; i < array.size(); ++i) {
        SimClock clock;
        QString inner;
        if (!array.at(i).isObject()) {
            *error = QStringLiteral("clocks[%1]: expected an object").arg(i);
            return false;
        }
        if (!readClock(array.at(i).toObject(), i, &clock, &inner)) {
            const QString ip = array.at(i).toObject().value(QStringLiteral("ip")).toString();
            *error = QStringLiteral("clocks[%1]%2.%3")
                         .arg(i)
                         .arg(ip.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(ip), inner);
            return false;
        }
        result.append(clock);
    }
    *clocks = result;
    return true;
}

bool ClockFileLoader::readClock(const QJsonObject& object, int index, SimClock* clock, QString* error)
{
    static const QStringList known = {"ip", "mac", "productCode", "firmware", "deviceCode", "port", "user",
                                      "password", "name", "network", "status", "time", "display", "alarms",
                                      "faults", "infoLayout"};
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key())) {
            *error = QStringLiteral("%1: unknown field").arg(it.key());
            return false;
        }
    }
    const QJsonValue ip = object.value(QStringLiteral("ip"));
    clock->ip = QHostAddress(ip.toString());
    if (!ip.isString() || clock->ip.protocol() != QAbstractSocket::IPv4Protocol) {
        *error = QStringLiteral("ip: expected an IPv4 address such as 192.168.0.11");
        return false;
    }
    clock->mac = generatedMac(index + 1);
    if (object.contains(QStringLiteral("mac"))
        && !SimClock::parseMac(object.value(QStringLiteral("mac")).toString(), &clock->mac)) {
        *error = QStringLiteral("mac: expected six hexadecimal bytes such as 02-A7-3C-00-00-01");
        return false;
    }
    clock->productCode = QStringLiteral("QM01");
    clock->firmware = kDefaultFirmware;
    clock->user = QStringLiteral("admin");
    clock->name = QStringLiteral("Clock");
    if (!readText(object, QStringLiteral("productCode"), &clock->productCode, error, kMaxTagText)
        || !readText(object, QStringLiteral("deviceCode"), &clock->deviceCode, error, kMaxTagText)
        || !readText(object, QStringLiteral("user"), &clock->user, error)
        || !readText(object, QStringLiteral("password"), &clock->password, error)
        || !readText(object, QStringLiteral("name"), &clock->name, error))
        return false;
    if (object.contains(QStringLiteral("firmware"))
        && !readFirmware(object.value(QStringLiteral("firmware")), &clock->firmware)) {
        *error = QStringLiteral("firmware: expected hundredths from 0 to %1 (305) or a version text (\"3.05\")")
                     .arg(kMaxFirmware);
        return false;
    }
    if (object.contains(QStringLiteral("infoLayout"))) {
        const QString layout = object.value(QStringLiteral("infoLayout")).toString();
        if (layout != QLatin1String("plain") && layout != QLatin1String("tagged")) {
            *error = QStringLiteral("infoLayout: expected \"plain\" or \"tagged\"");
            return false;
        }
        clock->taggedInfoLayout = layout == QLatin1String("tagged");
    }
    if (object.contains(QStringLiteral("port"))) {
        const QJsonValue port = object.value(QStringLiteral("port"));
        const double number = port.toDouble(-1);
        if (!port.isDouble() || number != static_cast<int>(number) || number < 0 || number > kMaxPort) {
            *error = QStringLiteral("port: expected 0 to %1").arg(kMaxPort);
            return false;
        }
        clock->port = static_cast<quint16>(number);
    }
    if (object.contains(QStringLiteral("network"))) {
        QMap<QString, QString> values;
        if (!readSettings(object.value(QStringLiteral("network")), QStringLiteral("network"),
                          ParameterCodes::networkCodes(), &values, error))
            return false;
        for (auto it = values.begin(); it != values.end(); ++it)
            clock->network.insert(it.key(), it.value());
    }
    if (object.contains(QStringLiteral("time"))
        && !readSettings(object.value(QStringLiteral("time")), QStringLiteral("time"), ParameterCodes::timeCodes(),
                         &clock->time, error))
        return false;
    if (object.contains(QStringLiteral("display"))
        && !readSettings(object.value(QStringLiteral("display")), QStringLiteral("display"),
                         ParameterCodes::displayCodes(), &clock->display, error))
        return false;
    if (object.contains(QStringLiteral("alarms")) && !readAlarms(object.value(QStringLiteral("alarms")), &clock->alarms, error))
        return false;
    if (object.contains(QStringLiteral("status")) && !readStatus(object.value(QStringLiteral("status")), &clock->status, error))
        return false;
    if (object.contains(QStringLiteral("faults"))) {
        if (!object.value(QStringLiteral("faults")).isObject()) {
            *error = QStringLiteral("faults: expected an object");
            return false;
        }
        if (!ClockFaults::fromJson(object.value(QStringLiteral("faults")).toObject(), &clock->faults, error))
            return false;
    }
    return true;
}

bool ClockFileLoader::generate(int count, const QHostAddress& firstIp, bool sameAddress,
                               QVector<SimClock>* clocks, QString* error)
{
    constexpr int kModels = 12;
    if (count < 1 || count > kMaxClocks) {
        *error = QStringLiteral("--generate: expected 1 to %1 clocks").arg(kMaxClocks);
        return false;
    }
    if (firstIp.protocol() != QAbstractSocket::IPv4Protocol) {
        *error = QStringLiteral("--first-ip: expected an IPv4 address such as 192.168.0.10");
        return false;
    }
    if (!sameAddress && (firstIp.toIPv4Address() & kHostMask) + static_cast<quint32>(count) - 1 > kLastHostNumber) {
        *error = QStringLiteral("--generate: %1 clocks from %2 run past .254 of the network")
                     .arg(count)
                     .arg(firstIp.toString());
        return false;
    }
    QVector<SimClock> result;
    for (int i = 0; i < count; ++i) {
        SimClock clock;
        clock.ip = QHostAddress(firstIp.toIPv4Address() + (sameAddress ? 0 : static_cast<quint32>(i)));
        clock.mac = generatedMac(i + 1);
        clock.productCode = QStringLiteral("QM%1").arg(i % kModels + 1, 2, 10, QLatin1Char('0'));
        clock.firmware = kDefaultFirmware;
        clock.deviceCode = QStringLiteral("SIM-%1").arg(i + 1, 4, 10, QLatin1Char('0'));
        clock.user = QStringLiteral("admin");
        clock.password = QStringLiteral("admin");
        clock.name = QStringLiteral("Clock %1").arg(i + 1);
        result.append(clock);
    }
    *clocks = result;
    return true;
}
