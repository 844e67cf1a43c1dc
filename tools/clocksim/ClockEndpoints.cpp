#include "tools/clocksim/ClockEndpoints.h"

#include "tools/clocksim/ParameterCodes.h"

#include <QRegularExpression>
#include <QtMath>

namespace {

constexpr int kOk = 200;
constexpr int kBadRequest = 400;
constexpr int kUnauthorized = 401;

// Drift of the measured values: slow enough to look like a room, fast enough
// that a few polls see a change.
constexpr double kTemperatureSwing = 0.8;
constexpr double kTemperaturePeriodS = 240.0;
constexpr double kBrightnessSwing = 20.0;
constexpr double kBrightnessPeriodS = 180.0;
constexpr int kAutoBrightness = 10;
constexpr int kBrightnessStep = 10; // fixed display levels 0..9 show 10..100
constexpr int kNtpMode = 2;
// NTP query intervals by index: 64 s, 5, 10, 30 and 60 min.
constexpr int kQueryIntervalsS[] = {64, 300, 600, 1800, 3600};

const QByteArray kPasswordPrefix = QByteArrayLiteral("passchange=");
const QString kPasswordSeparator = QStringLiteral("%21");

QList<QPair<QString, QString>> formFields(const QByteArray& body)
{
    QList<QPair<QString, QString>> fields;
    for (const QByteArray& fragment : body.split('&')) {
        const int equals = fragment.indexOf('=');
        if (equals <= 0)
            continue;
        fields.append({QString::fromUtf8(fragment.left(equals)), QString::fromUtf8(fragment.mid(equals + 1))});
    }
    return fields;
}

QByteArray joinCodes(const QStringList& codes, const QMap<QString, QString>& values)
{
    QStringList pairs;
    for (const QString& code : codes)
        pairs << code + QLatin1Char('=') + values.value(code);
    return pairs.join(QLatin1Char('&')).toUtf8();
}

bool isUsableAddress(const QString& text, QHostAddress* address)
{
    static const QRegularExpression dotted(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$"));
    if (!dotted.match(text).hasMatch())
        return false;
    const QHostAddress parsed(text);
    if (parsed.protocol() != QAbstractSocket::IPv4Protocol || parsed == QHostAddress(QHostAddress::AnyIPv4)
        || parsed == QHostAddress(QHostAddress::Broadcast) || parsed.isMulticast())
        return false;
    *address = parsed;
    return true;
}

} // namespace

EndpointReply ClockEndpoints::handle(SimClock& clock, const QByteArray& path, const QByteArray& body,
                                     const SimMoment& moment)
{
    EndpointReply reply;
    if (path == "/T1") {
        reply.body = statusReply(clock, moment);
    } else if (path == "/F") {
        reply.body = firmwareReply(clock);
    } else if (path == "/D") {
        // The same path reads the network settings (empty body) and renames.
        for (const auto& field : formFields(body)) {
            if (field.first == QLatin1String(ParameterCodes::kNameCode))
                clock.name = field.second;
        }
        reply.body = networkReply(clock);
    } else if (path == "/D0") {
        reply = applyNetwork(clock, body);
    } else if (path == "/D2") {
        reply = applyPassword(clock, body);
    } else if (path == "/E0") {
        reply = applyMac(clock, body);
    } else if (path == "/A") {
        reply.body = timeReply(clock);
    } else if (path == "/A1") {
        if (!clock.faults.ignoreConfigWrites)
            applySettings(clock.time, ParameterCodes::timeCodes(), body);
        reply.body = timeReply(clock);
    } else if (path == "/B") {
        reply.body = displayReply(clock);
    } else if (path == "/B0") {
        if (!clock.faults.ignoreConfigWrites)
            applySettings(clock.display, ParameterCodes::displayCodes(), body);
        reply.body = displayReply(clock);
    } else if (path == "/C0") {
        // Read and write share the path; only a body makes it a write.
        if (!body.isEmpty() && !clock.faults.ignoreConfigWrites)
            applyAlarms(clock, body);
        reply.body = alarmReply(clock);
    } else {
        reply.body = notFoundPage(path);
    }
    return reply;
}

QByteArray ClockEndpoints::statusReply(const SimClock& clock, const SimMoment& moment)
{
    const double seconds = moment.elapsedMs / 1000.0;
    double celsius = clock.status.temperature + kTemperatureSwing * qSin(2 * M_PI * seconds / kTemperaturePeriodS);
    if (clock.display.value(QStringLiteral("B_021")).toInt() != 0) {
        QString offset = clock.display.value(QStringLiteral("B_015"));
        if (offset.startsWith(QLatin1Char('+')))
            offset.remove(0, 1);
        celsius += offset.toDouble();
    }
    const bool fahrenheit = clock.display.value(QStringLiteral("B_023")).toInt() == 1;
    const double shown = fahrenheit ? celsius * 9.0 / 5.0 + 32.0 : celsius;

    bool fixedLevel = false;
    const int level = clock.display.value(QStringLiteral("B_007")).toInt(&fixedLevel);
    int brightness = 0;
    if (fixedLevel && level >= 0 && level < kAutoBrightness)
        brightness = (level + 1) * kBrightnessStep;
    else
        brightness = qMax(0, clock.status.brightness
                                 + qRound(kBrightnessSwing * qSin(2 * M_PI * seconds / kBrightnessPeriodS)));

    const int intervalIndex = clock.time.value(QStringLiteral("A_015")).toInt();
    const int intervalCount = static_cast<int>(sizeof kQueryIntervalsS / sizeof kQueryIntervalsS[0]);
    const qint64 interval = kQueryIntervalsS[intervalIndex >= 0 && intervalIndex < intervalCount ? intervalIndex : 0];
    const qint64 syncs = moment.elapsedMs / 1000 / interval; // queries made since the start

    const bool ntp = clock.time.value(QStringLiteral("A_002")).toInt() == kNtpMode;
    QString server = QStringLiteral("-");
    QString word = QStringLiteral("-");
    if (ntp || !clock.faults.ntpWord.isEmpty()) {
        // The clock asks its servers in turn, one per query interval.
        QStringList servers;
        for (const char* code : {"A_005", "A_006", "A_007", "A_008", "A_009"}) {
            const QString name = clock.time.value(QLatin1String(code));
            if (!name.isEmpty())
                servers << name;
        }
        server = servers.isEmpty() ? QString() : servers.at(static_cast<int>(syncs % servers.size()));
        word = clock.faults.ntpWord.isEmpty() ? QStringLiteral("OK") : clock.faults.ntpWord;
    }
    QString sync = QStringLiteral("-");
    if (word != QLatin1String("-")) {
        if (!clock.status.lastSync.isEmpty()) {
            sync = clock.status.lastSync;
        } else {
            const QDateTime syncedAt = moment.now.addSecs(-((moment.elapsedMs / 1000) % interval));
            sync = syncedAt.toString(QStringLiteral("dd.MM.yyyy - hh:mm:ss"));
        }
    }

    const QStringList fields = {
        moment.now.toString(QStringLiteral("hh:mm:ss")),
        moment.now.toString(QStringLiteral("dd.MM.yyyy")),
        QString::number(shown, 'f', 1),
        fahrenheit ? QStringLiteral("#176;F") : QStringLiteral("#176;C"),
        QString::number(brightness),
        clock.status.signal,
        clock.status.errorCode,
        server + QLatin1Char(' ') + word,
        sync,
        clock.status.remoteMode ? QStringLiteral("1") : QStringLiteral("0"),
    };
    return fields.join(QLatin1Char('&')).toUtf8();
}

QByteArray ClockEndpoints::firmwareReply(const SimClock& clock)
{
    // Model, device code, hardware address, hardware revision, firmware version;
    // or a tag, model, device code, hardware address, firmware version, port.
    const QStringList fields = clock.taggedInfoLayout
        ? QStringList{QStringLiteral("F"), clock.productCode, clock.deviceCode, clock.macText(), clock.firmwareText(),
                      QString::number(clock.port)}
        : QStringList{clock.productCode, clock.deviceCode, clock.macText(), QStringLiteral("1"), clock.firmwareText()};
    return fields.join(QLatin1Char('&')).toUtf8();
}

QByteArray ClockEndpoints::networkReply(const SimClock& clock)
{
    QMap<QString, QString> values = clock.network;
    values.insert(QLatin1String(ParameterCodes::kAddressCode), clock.ip.toString());
    values.insert(QLatin1String(ParameterCodes::kNameCode), clock.name);
    QStringList codes = ParameterCodes::networkCodes();
    codes.prepend(QLatin1String(ParameterCodes::kAddressCode));
    codes.insert(codes.indexOf(QStringLiteral("D_007")), QLatin1String(ParameterCodes::kNameCode));
    return joinCodes(codes, values);
}

QByteArray ClockEndpoints::timeReply(const SimClock& clock)
{
    return joinCodes(ParameterCodes::timeCodes(), clock.time);
}

QByteArray ClockEndpoints::displayReply(const SimClock& clock)
{
    return joinCodes(ParameterCodes::displayCodes(), clock.display);
}

QByteArray ClockEndpoints::alarmReply(const SimClock& clock)
{
    // Field 0 is the number of slots; each slot lists active, time, duration,
    // day mode as a word, day mask, then melody, volume and snooze, which this
    // clock keeps at 0.
    QStringList fields = {QString::number(clock.alarms.size())};
    for (const SimAlarm& alarm : clock.alarms) {
        fields << alarm.active << alarm.time << alarm.duration
               << (alarm.selectedDays ? QStringLiteral("Selected days") : QStringLiteral("All days"))
               << alarm.dayMask << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0");
    }
    return fields.join(QLatin1Char('&')).toUtf8();
}

QByteArray ClockEndpoints::notFoundPage(const QByteArray& path)
{
    // The clock's web server answers an unknown page with status 200.
    return QByteArrayLiteral("<html><head><title>404 Not Found</title></head><body><h1>Not Found</h1><p>")
        + path.toPercentEncoding("/") + QByteArrayLiteral("</p></body></html>");
}

void ClockEndpoints::applySettings(QMap<QString, QString>& settings, const QStringList& codes, const QByteArray& body)
{
    // Codes the group does not know are ignored, as the clock's form handler would.
    for (const auto& field : formFields(body)) {
        if (codes.contains(field.first))
            settings.insert(field.first, field.second);
    }
}

void ClockEndpoints::applyAlarms(SimClock& clock, const QByteArray& body)
{
    // Each group opens with its slot number; parameters before the first slot,
    // or after an impossible one, have no slot to go to.
    int slot = -1;
    for (const auto& field : formFields(body)) {
        const QString& code = field.first;
        const QString& value = field.second;
        if (code == QLatin1String(ParameterCodes::kAlarmSlot)) {
            bool ok = false;
            slot = value.toInt(&ok);
            if (!ok || slot < 0 || slot >= clock.alarms.size())
                slot = -1;
            continue;
        }
        if (slot < 0)
            continue;
        SimAlarm& alarm = clock.alarms[slot];
        if (code == QLatin1String(ParameterCodes::kAlarmActive))
            alarm.active = value;
        else if (code == QLatin1String(ParameterCodes::kAlarmTime))
            alarm.time = value;
        else if (code == QLatin1String(ParameterCodes::kAlarmDuration))
            alarm.duration = value;
        else if (code == QLatin1String(ParameterCodes::kAlarmDaysMode))
            alarm.selectedDays = value.toInt() != 0;
        else if (code == QLatin1String(ParameterCodes::kAlarmDayMask))
            alarm.dayMask = value;
    }
}

EndpointReply ClockEndpoints::applyNetwork(SimClock& clock, const QByteArray& body)
{
    EndpointReply reply;
    QHostAddress target = clock.ip;
    for (const auto& field : formFields(body)) {
        if (field.first == QLatin1String(ParameterCodes::kAddressCode)) {
            // An empty or malformed address leaves the clock where it is.
            QHostAddress parsed;
            if (isUsableAddress(field.second, &parsed))
                target = parsed;
        } else if (ParameterCodes::networkCodes().contains(field.first)) {
            clock.network.insert(field.first, field.second);
        }
    }
    reply.moves = target != clock.ip;
    reply.newAddress = target;
    // The reply already shows the address the clock is about to take.
    const QHostAddress old = clock.ip;
    clock.ip = target;
    reply.body = networkReply(clock);
    clock.ip = old;
    return reply;
}

EndpointReply ClockEndpoints::applyPassword(SimClock& clock, const QByteArray& body)
{
    EndpointReply reply;
    if (!body.startsWith(kPasswordPrefix)) {
        reply.status = kBadRequest;
        return reply;
    }
    QString rest = QString::fromUtf8(body.mid(kPasswordPrefix.size()));
    if (!rest.endsWith(kPasswordSeparator) || rest.count(kPasswordSeparator) < 2) {
        reply.status = kBadRequest;
        return reply;
    }
    rest.chop(kPasswordSeparator.size());
    const int separator = rest.indexOf(kPasswordSeparator);
    const QString oldPassword = rest.left(separator);
    const QString newPassword = rest.mid(separator + kPasswordSeparator.size());
    if (oldPassword != clock.password) {
        reply.status = kUnauthorized;
        return reply;
    }
    clock.password = newPassword;
    reply.status = kOk;
    return reply;
}

EndpointReply ClockEndpoints::applyMac(SimClock& clock, const QByteArray& body)
{
    EndpointReply reply;
    QByteArray mac;
    bool seen = false;
    for (const auto& field : formFields(body)) {
        if (field.first != QLatin1String(ParameterCodes::kMacCode))
            continue;
        seen = true;
        if (!SimClock::parseMac(field.second, &mac)) {
            reply.status = kBadRequest;
            return reply;
        }
    }
    if (!seen) {
        reply.status = kBadRequest;
        return reply;
    }
    clock.mac = mac;
    return reply;
}
