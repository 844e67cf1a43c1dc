#include "model/DevClock.h"

#include "model/ConfigCodes.h"
#include "values/MacText.h"
#include "model/ReplyParser.h"
#include "model/StatusReply.h"

#include <QRandomGenerator64>

#include <atomic>
#include <cmath>
#include <limits>

namespace {

constexpr int httpOk = 200;
constexpr int httpUnauthorized = 401;

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

bool DevClock::parseStatus(const QString &reply, int statusCode, const QDateTime &at, int *ntpWord)
{
    int word = -1;
    if (statusCode == httpUnauthorized || !StatusReply::read(reply, status, word)) {
        lastError = AuthorizationError;
        return false;
    }
    status.lastStatusUpdate = at.isValid() ? at : QDateTime::currentDateTime();
    lastError = NoError;
    if (ntpWord)
        *ntpWord = word;
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
    // The status as a whole, but still stamped when this record last parsed one.
    const QDateTime stamp = status.lastStatusUpdate;
    status = other.status;
    status.lastStatusUpdate = stamp;
}
