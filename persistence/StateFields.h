#pragma once

#include "model/DevClock.h"
#include "values/MacText.h"
#include "notify/NotificationSettings.h"
#include "persistence/XmlFile.h"

#include <QDateTime>
#include <QHostAddress>

// The fields of the state file's elements, read from a QDomElement or from
// XmlFile::StreamAttributes: both readers of the state file share them, so
// they cannot drift apart. A missing attribute reads as "".
namespace StateFields {

inline const QString statusTimeFormat = QStringLiteral("dd.MM.yyyy hh:mm:ss");

// As QDateTime::fromString with statusTimeFormat, without its parser on the
// usual form: that parser asks the C library for the time zone several times
// per call, a quarter of the load time of a long device list. Whatever the
// direct reading cannot take as a valid time goes to the parser still.
inline QDateTime parseStatusTime(const QString &text)
{
    constexpr char shape[] = "00.00.0000 00:00:00";
    constexpr int length = int(sizeof shape) - 1;
    bool usual = text.size() == length;
    for (int i = 0; usual && i < length; ++i) {
        const QChar c = text.at(i);
        usual = shape[i] == '0' ? c >= QLatin1Char('0') && c <= QLatin1Char('9') : c == QLatin1Char(shape[i]);
    }
    if (usual) {
        const auto number = [&text](int at, int digits) {
            int value = 0;
            for (int i = at; i < at + digits; ++i)
                value = value * 10 + (text.at(i).unicode() - '0');
            return value;
        };
        const QDateTime when(QDate(number(6, 4), number(3, 2), number(0, 2)),
                             QTime(number(11, 2), number(14, 2), number(17, 2)));
        if (when.isValid())
            return when;
    }
    return QDateTime::fromString(text, statusTimeFormat);
}

template <class Element>
void readCommon(const Element &e, DevClock &clock)
{
    using namespace XmlFile;
    clock.groupId = intAttribute(e, QStringLiteral("groupId"));
    clock.name = textAttribute(e, QStringLiteral("name"));
    clock.user = textAttribute(e, QStringLiteral("user"));
    clock.password = textAttribute(e, QStringLiteral("password"));
    clock.firmware = intAttribute(e, QStringLiteral("firmware"));
    clock.productCode = textAttribute(e, QStringLiteral("productCode"));
    clock.deviceCode = textAttribute(e, QStringLiteral("deviceCode"));
    clock.quietPeriod = QuietPeriod::fromText(textAttribute(e, QStringLiteral("quietUntil")));
    clock.quietHours = QuietHours::fromText(textAttribute(e, QStringLiteral("quietHours")));
}

template <class Element>
void readStatus(const Element &e, ClockStatus &s)
{
    using namespace XmlFile;
    s.NtpSynchronization = intAttribute(e, QStringLiteral("NtpSynchronization"));
    s.temperature = floatAttribute(e, QStringLiteral("temperature"));
    s.temperatureUnit = textAttribute(e, QStringLiteral("temperatureUnit"));
    s.brightness = intAttribute(e, QStringLiteral("brightness"));
    s.errorCode = textAttribute(e, QStringLiteral("errorCode"));
    s.remoteMode = nonZeroAttribute(e, QStringLiteral("remoteMode"));
    s.lastNtpServer = textAttribute(e, QStringLiteral("lastNtpServer"));
    s.lastSyncTime = textAttribute(e, QStringLiteral("lastSyncTime"));
    s.signalStrength = intAttribute(e, QStringLiteral("signalStrength"));
    s.lastStatusUpdate = parseStatusTime(textAttribute(e, QStringLiteral("lastStatusUpdate")));
}

// Files written before the MAC was kept read as an unknown MAC.
template <class Element>
void readNetwork(const Element &e, ClockNetworkSettings &n, QString &mac)
{
    using namespace XmlFile;
    mac = MacText::canonical(textAttribute(e, QStringLiteral("mac")));
    n.DHCP = oneAttribute(e, QStringLiteral("DHCP"));
    n.ip = textAttribute(e, QStringLiteral("ip"));
    n.port = intAttribute(e, QStringLiteral("port"));
    n.subnet = textAttribute(e, QStringLiteral("subnet"));
    n.gateway = textAttribute(e, QStringLiteral("gateway"));
    n.dnsPrimary = textAttribute(e, QStringLiteral("dnsPrimary"));
    n.dnsSecondary = textAttribute(e, QStringLiteral("dnsSecondary"));
}

template <class Element>
void readInterface(const Element &e, NetworkCardData &card)
{
    using namespace XmlFile;
    card.name = textAttribute(e, QStringLiteral("name"));
    card.ip = QHostAddress(textAttribute(e, QStringLiteral("ip")));
    card.netmask = QHostAddress(textAttribute(e, QStringLiteral("netmask")));
    card.subnet = QHostAddress(textAttribute(e, QStringLiteral("subnet")));
    card.mac = textAttribute(e, QStringLiteral("mac"));
}

// Every field but the recipients.
template <class Element>
void readNotificationSettings(const Element &e, NotificationSettings &n)
{
    using namespace XmlFile;
    n.server = textAttribute(e, QStringLiteral("server"));
    n.port = intAttribute(e, QStringLiteral("port"));
    n.username = textAttribute(e, QStringLiteral("username"));
    n.password = QString::fromUtf8(QByteArray::fromBase64(textAttribute(e, QStringLiteral("password")).toUtf8()));
    n.from = textAttribute(e, QStringLiteral("from"));
    n.ignoreSslErrors = oneAttribute(e, QStringLiteral("ignoreSslErrors"));
    n.resendMailTime = intAttribute(e, QStringLiteral("resendMailTime"));
    n.key = textAttribute(e, QStringLiteral("key"));
    n.cert = textAttribute(e, QStringLiteral("cert"));
    n.authType = intAttribute(e, QStringLiteral("authType"));
    n.smtpType = intAttribute(e, QStringLiteral("smtpType"));
    n.errorConnection = oneAttribute(e, QStringLiteral("errorConnection"));
    n.errorAuth = oneAttribute(e, QStringLiteral("errorAuth"));
    n.errorNtpTimeout = oneAttribute(e, QStringLiteral("errorNtpTimeout"));
    // Missing in files from before incident mails: their defaults, not zero.
    const QString window = textAttribute(e, QStringLiteral("collectionWindow"));
    n.collectionWindowSeconds = window.isEmpty() ? NotificationSettings::defaultCollectionWindowSeconds
                                                 : intAttribute(e, QStringLiteral("collectionWindow"));
    const QString recovery = textAttribute(e, QStringLiteral("recoveryMails"));
    n.recoveryMails = recovery.isEmpty() || oneAttribute(e, QStringLiteral("recoveryMails"));
    n.availabilityMail = oneAttribute(e, QStringLiteral("availabilityMail"));
    n.availabilityMailDay = qBound(NotificationSettings::minAvailabilityMailDay,
                                   intAttribute(e, QStringLiteral("availabilityMailDay")),
                                   NotificationSettings::maxAvailabilityMailDay);
    n.availabilityRecipients.clear();
    const QStringList addresses = textAttribute(e, QStringLiteral("availabilityRecipients")).split(QLatin1Char(','));
    for (const QString &address : addresses) {
        if (!address.trimmed().isEmpty())
            n.availabilityRecipients.append(Recipient{address.trimmed(), false});
    }
    n.availabilityLastMonth = textAttribute(e, QStringLiteral("availabilityLastMonth"));
}

template <class Element>
Recipient readRecipient(const Element &e)
{
    return {XmlFile::textAttribute(e, QStringLiteral("name")), XmlFile::oneAttribute(e, QStringLiteral("copy"))};
}

} // namespace StateFields
