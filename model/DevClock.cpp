#include "model/DevClock.h"

#include "model/ConfigCodes.h"
#include "values/MacText.h"
#include "model/ReplyParser.h"

#include <QRandomGenerator64>

#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int httpOk = 200;
constexpr int httpUnauthorized = 401;

// Status reply fields (0-based); fields 0 and 1 are not used.
constexpr int statusMinFields = 3;
constexpr int fieldTemperature = 2;
constexpr int fieldUnit = 3;
constexpr int fieldBrightness = 4;
constexpr int fieldSignal = 5;
constexpr int fieldErrorCode = 6;
constexpr int fieldNtp = 7;
constexpr int fieldSyncTime = 8;
constexpr int fieldRemote = 9;
constexpr int statusFieldCount = fieldRemote + 1;
// A sync-time field shorter than this carries no time.
constexpr int syncTimeMinLength = 4;
// "date - time": the time starts this far after the "-".
constexpr int syncTimeOffset = 2;

// The device-information reply's firmware field; the model and the MAC are
// found by their look wherever they stand.
constexpr int fieldFirmware = 4;
// Keeps versions such as 1.05, which a float holds as 1.0499999, from losing
// a hundredth when scaled.
constexpr float firmwareRounding = 0.009f;
constexpr int firmwareScale = 100;

const char *const knownModels[] = {
    "QM01", "QM02", "QM03", "QM04", "QM05", "QM06",
    "QM07", "QM08", "QM09", "QM10", "QM11", "QM12",
};

const char *const signalLetters = "NVAX";

// The NTP words other than "OK" are read in any letter case.
bool isNtpWordLength(int size)
{
    return size == int(sizeof "timeout") - 1 || size == int(sizeof "other") - 1 || size == int(sizeof "-") - 1;
}

// Copies the piece only when the text differs, a null piece giving a null text.
void assignChanged(QString &target, const QStringRef &value)
{
    if (target.isNull() != value.isNull() || target != value)
        target = value.toString();
}

const QString statusTimeFormat = QStringLiteral("dd.MM.yyyy hh:mm:ss");

// Ids follow each other from a random start: drawn at random, two of ten
// thousand clocks would share one about once in a hundred runs, and the
// poller would then keep one of them stale.
quint64 nextClockId()
{
    static std::atomic<quint64> next{QRandomGenerator64::global()->generate()};
    return next.fetch_add(1) & 0xFFFFFFFFu;
}

} // namespace

DevClock::DevClock(QObject *parent)
    : QObject(parent)
    , id(nextClockId())
    , m_config(std::make_unique<ClockConfig>())
{
}

DevClock::~DevClock() = default;

void DevClock::setConfig(const ClockConfig &config)
{
    // Copy first: the source may be our own configuration.
    auto copy = ClockConfig::copy(config);
    copy->loaded = true;
    m_config = std::move(copy);
}

void DevClock::copyConfigFrom(const DevClock &other)
{
    setConfig(other.config());
}

bool DevClock::isKnownModel() const
{
    return isKnownModelCode(productCode);
}

bool DevClock::isKnownModelCode(const QString &code)
{
    for (const char *model : knownModels) {
        if (code == QLatin1String(model))
            return true;
    }
    return false;
}

void DevClock::learnIdentity(const QStringList &values)
{
    for (const QString &value : values) {
        if (productCode.isEmpty() && isKnownModelCode(value))
            productCode = value;
        if (mac.isEmpty())
            mac = MacText::canonical(value);
    }
}

bool DevClock::isSupported() const
{
    return isKnownModel() && firmware > 0;
}

QString DevClock::firmwareText(int firmware)
{
    if (firmware <= 0)
        return valueOrUnknown(false, QString());
    return QString::number(firmware / firmwareScale) + QLatin1Char('.')
        + QStringLiteral("%1").arg(firmware % firmwareScale, 2, 10, QLatin1Char('0'));
}

int DevClock::ntpSeverity() const
{
    switch (status.NtpSynchronization) {
    case NtpSynchronized:
        // A clock that names no server cannot say where its time came from.
        return status.lastNtpServer.isEmpty() ? 1 : 0;
    case NtpTimeout:
    case NtpOther:
    case NtpDisabled:
    case NtpNoStatus:
        return 1;
    case NtpNoConnection:
    case NtpNoAuthentication:
        return 2;
    default:
        return -1;
    }
}

QString DevClock::statusText(const TextCatalogue &texts) const
{
    // The words of the catalogue asked for, which need not be the installed one.
    const auto tr = [&texts](const char *sourceText) { return texts.translate("DevClock", sourceText); };
    const QString separator = QStringLiteral(": ");
    QString text;
    switch (status.NtpSynchronization) {
    case NtpSynchronized:
        text = (status.lastNtpServer.isEmpty() ? tr("Synchronized (no server named)")
                                               : tr("Synchronized") + separator + status.lastNtpServer)
            + QLatin1Char('\n') + tr("Last synchronization time") + separator + status.lastSyncTime;
        break;
    case NtpTimeout:
    case NtpOther:
        text = tr("Ntp server timeout") + QLatin1Char('\n') + tr("Last synchronization") + separator
            + status.lastNtpServer + QLatin1Char(':') + status.lastSyncTime;
        break;
    case NtpNoConnection:
        text = tr("Connection error");
        break;
    case NtpDisabled:
        text = tr("Ntp synchronization disabled");
        break;
    case NtpNoStatus:
        text = tr("No status available");
        break;
    case NtpNoAuthentication:
        text = tr("No authentication");
        break;
    default:
        break;
    }
    if (!status.lastStatusUpdate.isNull()) {
        text += QLatin1Char('\n') + tr("Last status update") + separator
            + status.lastStatusUpdate.toString(statusTimeFormat);
    }
    return text;
}

QString DevClock::lastErrorText(bool ipDuplicate) const
{
    QString text;
    switch (lastError) {
    case NoError:
        text = tr("OK");
        break;
    case AuthorizationError:
        text = tr("Authorization error");
        break;
    case ConnectionError:
        text = tr("Connection error");
        break;
    case NoResponse:
        text = tr("Device is not responding");
        break;
    default:
        break;
    }
    if (ipDuplicate)
        text += tr(" - IP duplicate found");
    return text;
}

bool DevClock::parseStatus(const QString &reply, int statusCode, const QDateTime &at)
{
    if (statusCode == httpUnauthorized || reply.isEmpty()) {
        lastError = AuthorizationError;
        return false;
    }
    // Pieces of the reply, no copies: the poller reads one reply per clock
    // every few seconds, and most fields say what they said the last time.
    QStringRef fields[statusFieldCount];
    const int count = splitReplyFieldRefs(reply, fields, statusFieldCount);
    if (count < statusMinFields) {
        lastError = AuthorizationError;
        return false;
    }
    // A field the reply lacks stays a null piece, read as a null text.

    bool ok = false;
    const float temperature = fields[fieldTemperature].toFloat(&ok);
    // "nan" and "inf" parse as floats but are no reading.
    status.temperature = ok && std::isfinite(temperature) ? temperature : noTemperatureReading;

    const QStringRef &unit = fields[fieldUnit];
    const int semicolon = unit.indexOf(QLatin1Char(';'));
    assignChanged(status.temperatureUnit, semicolon < 0 ? unit : unit.mid(semicolon + 1));

    status.brightness = fields[fieldBrightness].toInt();

    if (count > fieldSignal) {
        const QStringRef &letter = fields[fieldSignal];
        if (letter.size() == 1) {
            const char *found = std::strchr(signalLetters, letter.at(0).toLatin1());
            if (found && *found)
                status.signalStrength = static_cast<int>(found - signalLetters);
        }
    }

    if (count > fieldErrorCode)
        assignChanged(status.errorCode, fields[fieldErrorCode]);

    if (count > fieldNtp) {
        const QStringRef &ntp = fields[fieldNtp];
        const int blank = ntp.indexOf(QLatin1Char(' '));
        assignChanged(status.lastNtpServer, blank < 0 ? ntp : ntp.left(blank));
        const QStringRef word = blank < 0 ? ntp : ntp.mid(blank + 1);
        if (word == QLatin1String("OK")) {
            decayAlertCounters();
            status.NtpSynchronization = NtpSynchronized;
        } else if (isNtpWordLength(word.size())) {
            // Lower-cased only when it can match: a letter that lower-cases
            // to more than one character never gives one of these words.
            const QString lower = word.toString().toLower();
            if (lower == QLatin1String("timeout")) {
                setNtpStatus(NtpTimeout);
            } else if (lower == QLatin1String("other")) {
                status.NtpSynchronization = NtpOther;
            } else if (lower == QLatin1String("-")) {
                decayAlertCounters();
                status.NtpSynchronization = NtpDisabled;
            }
        }
    }

    if (count > fieldSyncTime) {
        const QStringRef &sync = fields[fieldSyncTime];
        if (sync.size() < syncTimeMinLength) {
            if (status.lastSyncTime != QLatin1String("-"))
                status.lastSyncTime = QStringLiteral("-");
        } else {
            assignChanged(status.lastSyncTime, sync.mid(sync.indexOf(QLatin1Char('-')) + syncTimeOffset));
        }
    }

    if (count > fieldRemote)
        status.remoteMode = fields[fieldRemote].toInt() != 0;

    status.lastStatusUpdate = at.isValid() ? at : QDateTime::currentDateTime();
    lastError = NoError;
    return true;
}

bool DevClock::parseNetworkSettings(const QString &reply, int statusCode, const QString &user,
                                    const QString &password)
{
    if (statusCode == httpUnauthorized) {
        lastError = AuthorizationError;
        return false;
    }
    const QMap<QString, QString> map = parseReplyMap(reply);
    if (map.isEmpty()) {
        lastError = ConnectionError;
        return false;
    }
    // The credentials that just worked.
    this->user = user;
    this->password = password;
    network.subnet = map.value(QStringLiteral("D_001"));
    network.gateway = map.value(QStringLiteral("D_002"));
    name = map.value(QStringLiteral("D_006"));
    const auto dhcp = map.constFind(QStringLiteral("D_007"));
    if (dhcp != map.constEnd())
        network.DHCP = *dhcp == QLatin1String("1");
    const auto dns1 = map.constFind(QStringLiteral("D_009"));
    if (dns1 != map.constEnd())
        network.dnsPrimary = *dns1;
    const auto dns2 = map.constFind(QStringLiteral("D_010"));
    if (dns2 != map.constEnd())
        network.dnsSecondary = *dns2;
    lastError = NoError;
    return true;
}

bool DevClock::parseFirmware(const QString &reply)
{
    const QStringList fields = splitReplyFields(reply);
    const QString text = fields.at(qMin(fieldFirmware, fields.size() - 1));
    bool ok = false;
    float version = text.toFloat(&ok);
    if (!ok)
        version = 0.0f;
    const float scaled = (version + firmwareRounding) * firmwareScale;
    // A version no int can hold is garbage, not a huge firmware.
    if (!std::isfinite(scaled) || scaled >= static_cast<float>(std::numeric_limits<int>::max())
        || scaled <= static_cast<float>(std::numeric_limits<int>::min()))
        firmware = 0;
    else
        firmware = static_cast<int>(scaled);
    return true;
}

bool DevClock::parseDeviceInformation(const QString &reply)
{
    const QString lineBreak = QStringLiteral("\r\n");
    const int lastBreak = reply.lastIndexOf(lineBreak);
    const QString body = lastBreak < 0 ? reply : reply.mid(lastBreak + lineBreak.size());
    const QStringList fields = splitReplyFields(body);
    // Only the firmware's place is fixed; clocks order the other fields
    // differently, so the model and the MAC are known by their look.
    productCode.clear();
    deviceCode.clear();
    mac.clear();
    learnIdentity(fields);
    // The device code follows the model, unless the MAC or the firmware does.
    const int model = productCode.isEmpty() ? -1 : int(fields.indexOf(productCode));
    const int next = model + 1;
    if (model >= 0 && next < fields.size() && next != fieldFirmware && MacText::canonical(fields.at(next)).isEmpty())
        deviceCode = fields.at(next);
    parseFirmware(body);
    return firmware > 0;
}

bool DevClock::parseTimeConfig(const QString &reply, int statusCode)
{
    return statusCode == httpOk && decodeTimeConfig(*m_config, reply);
}

bool DevClock::parseDisplayConfig(const QString &reply, int statusCode)
{
    return statusCode == httpOk && decodeDisplayConfig(*m_config, reply);
}

bool DevClock::parseAlarmConfig(const QString &reply, int statusCode)
{
    return statusCode == httpOk && decodeAlarmConfig(*m_config, reply);
}

void DevClock::setNtpStatus(int value)
{
    switch (value) {
    case NtpTimeout:
    case NtpNoConnection:
    case NtpNoAuthentication:
        // The failure seen rises; every other kind fades a little.
        for (int i = 0; i < ntpStatusCount; ++i)
            alertCounters[i].adjust(i == value ? alertStep : -(alertStep / 5));
        if (!failingSince.isValid())
            failingSince = QDateTime::currentDateTime();
        break;
    case NtpOther:
    case NtpNoStatus:
        break;
    default:
        decayAlertCounters();
        break;
    }
    status.NtpSynchronization = value;
}

void DevClock::decayAlertCounters()
{
    for (AlertCounter &record : alertCounters)
        record.adjust(-(alertStep / 2));
    // Only a good state decays the counters: the failure episode is over.
    failingSince = QDateTime();
}

bool DevClock::isDead() const
{
    return !answers(status.NtpSynchronization) && alertCounters[NtpNoConnection].isDue();
}

int DevClock::firstDueAlert() const
{
    for (int i = 0; i < ntpStatusCount; ++i) {
        if (alertCounters[i].isDue() && (i != NtpNoConnection || isDead()))
            return i;
    }
    return ntpStatusCount;
}

void DevClock::updateFrom(const DevClock &other)
{
    firmware = other.firmware;
    user = other.user;
    password = other.password;
    name = other.name;
    network.subnet = other.network.subnet;
    network.gateway = other.network.gateway;
    network.DHCP = other.network.DHCP;
    network.dnsPrimary = other.network.dnsPrimary;
    network.dnsSecondary = other.network.dnsSecondary;
    status.temperature = other.status.temperature;
    status.temperatureUnit = other.status.temperatureUnit;
    status.brightness = other.status.brightness;
    status.signalStrength = other.status.signalStrength;
    status.errorCode = other.status.errorCode;
    status.lastNtpServer = other.status.lastNtpServer;
    status.lastSyncTime = other.status.lastSyncTime;
    status.remoteMode = other.status.remoteMode;
    setNtpStatus(other.status.NtpSynchronization);
}
