#include "persistence/StateFile.h"

#include "core/AppSettings.h"
#include "model/ClockConfig.h"
#include "model/ClockRegistry.h"
#include "persistence/ConfigurationXml.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "notify/NotificationSettings.h"
#include "persistence/StateDocumentReader.h"
#include "persistence/StateFields.h"
#include "persistence/StateStreamReader.h"
#include "persistence/XmlFile.h"
#include "persistence/XmlWriter.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace StateFile {

namespace {

constexpr char fileVersion[] = "1.00";
// About what a clock takes in the file, with and without a configuration.
constexpr int clockBytes = 1200;
constexpr int configurationBytes = 6400;

QString addressText(const QHostAddress &address)
{
    return address.isNull() ? QString() : address.toString();
}

// As QDateTime::toString with the status time format, which asks the C
// library for the time zone on every call; other years go to it still.
void writeStatusTime(XmlWriter &w, const QDateTime &when)
{
    const QDate date = when.date();
    constexpr int firstYear = 1000;
    constexpr int lastYear = 9999;
    if (!when.isValid() || date.year() < firstYear || date.year() > lastYear) {
        w.attribute("lastStatusUpdate", when.toString(StateFields::statusTimeFormat));
        return;
    }
    const QTime time = when.time();
    char text[sizeof "dd.MM.yyyy hh:mm:ss"];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", date.day(), date.month(), date.year(),
                  time.hour(), time.minute(), time.second());
    w.attribute("lastStatusUpdate", QLatin1String(text));
}

void writeClock(XmlWriter &w, const DevClock &clock, int index, const QDateTime &now)
{
    w.startElement("Clock");
    w.attribute("index", index);

    w.startElement("Common");
    w.attribute("groupId", clock.groupId);
    w.attribute("name", clock.name);
    w.attribute("user", clock.user);
    // In clear: existing files and users rely on it.
    w.attribute("password", clock.password);
    w.attribute("firmware", clock.firmware);
    w.attribute("productCode", clock.productCode);
    w.attribute("deviceCode", clock.deviceCode);
    // Only while one lasts: files without quiet periods stay as they were.
    if (clock.quietPeriod.isActive(now))
        w.attribute("quietUntil", clock.quietPeriod.toText());
    // New and optional, like quietUntil: older versions pass over it.
    if (!clock.quietHours.isEmpty())
        w.attribute("quietHours", clock.quietHours.toText());
    w.endElement();

    const ClockStatus &s = clock.status;
    w.startElement("Status");
    w.attribute("NtpSynchronization", s.NtpSynchronization);
    w.attribute("temperature", s.temperature);
    w.attribute("temperatureUnit", s.temperatureUnit);
    w.attribute("brightness", s.brightness);
    w.attribute("errorCode", s.errorCode);
    w.attribute("remoteMode", s.remoteMode);
    w.attribute("lastNtpServer", s.lastNtpServer);
    w.attribute("lastSyncTime", s.lastSyncTime);
    w.attribute("signalStrength", s.signalStrength);
    writeStatusTime(w, s.lastStatusUpdate);
    w.endElement();

    const ClockNetworkSettings &n = clock.network;
    w.startElement("Network");
    w.attribute("DHCP", n.DHCP);
    w.attribute("ip", n.ip);
    w.attribute("port", n.port);
    w.attribute("subnet", n.subnet);
    w.attribute("gateway", n.gateway);
    w.attribute("dnsPrimary", n.dnsPrimary);
    w.attribute("dnsSecondary", n.dnsSecondary);
    // Last, and new: a reader that does not know it passes over it.
    w.attribute("mac", clock.mac);
    w.endElement();

    const NetworkCardData &card = clock.networkInterface;
    w.startElement("NetworkCardData");
    w.attribute("name", card.name);
    w.attribute("ip", addressText(card.ip));
    w.attribute("netmask", addressText(card.netmask));
    w.attribute("subnet", addressText(card.subnet));
    w.attribute("mac", card.mac);
    w.endElement();

    if (clock.hasConfig())
        ConfigurationXml::write(w, clock.config());
    w.endElement();
}

void writeGroup(XmlWriter &w, const DevGroup &group, int index, const QDateTime &now)
{
    w.startElement("Group");
    w.attribute("index", index);
    w.attribute("name", group.name());
    if (group.quietPeriod.isActive(now))
        w.attribute("quietUntil", group.quietPeriod.toText());
    if (!group.quietHours.isEmpty())
        w.attribute("quietHours", group.quietHours.toText());
    const QList<int> &members = group.clockIndexes();
    w.startElement("ClockList");
    w.attribute("size", members.size());
    for (int member : members) {
        w.startElement("ClockIndex");
        w.attribute("index", member);
        w.endElement();
    }
    w.endElement();
    if (const ClockConfig *config = group.config())
        ConfigurationXml::write(w, *config);
    w.endElement();
}

void writeNotificationSettings(XmlWriter &w, const NotificationSettings &n)
{
    w.startElement("NotifSet");
    w.attribute("server", n.server);
    w.attribute("port", n.port);
    w.attribute("username", n.username);
    // Base64 of the UTF-8 bytes: an encoding kept for existing files, not a
    // protection; the file's permissions are.
    w.attribute("password", QString::fromLatin1(n.password.toUtf8().toBase64()));
    w.attribute("from", n.from);
    w.attribute("ignoreSslErrors", n.ignoreSslErrors);
    w.attribute("resendMailTime", n.resendMailTime);
    w.attribute("key", n.key);
    w.attribute("cert", n.cert);
    w.attribute("authType", n.authType);
    w.attribute("smtpType", n.smtpType);
    w.attribute("errorConnection", n.errorConnection);
    w.attribute("errorAuth", n.errorAuth);
    w.attribute("errorNtpTimeout", n.errorNtpTimeout);
    w.attribute("collectionWindow", n.collectionWindowSeconds);
    w.attribute("recoveryMails", n.recoveryMails);
    // Only once used, so that the files of those who never use the monthly
    // mail stay as they were.
    const NotificationSettings unused;
    if (n.availabilityMail || n.availabilityMailDay != unused.availabilityMailDay
        || !n.availabilityRecipients.isEmpty() || !n.availabilityLastMonth.isEmpty()) {
        w.attribute("availabilityMail", n.availabilityMail);
        w.attribute("availabilityMailDay", n.availabilityMailDay);
        QStringList addresses;
        for (const Recipient &recipient : n.availabilityRecipients)
            addresses << recipient.name;
        w.attribute("availabilityRecipients", addresses.join(QLatin1String(", ")));
        w.attribute("availabilityLastMonth", n.availabilityLastMonth);
    }
    w.startElement("Recipients");
    w.attribute("size", n.recipients.size());
    for (const Recipient &recipient : n.recipients) {
        w.startElement("Recipient");
        w.attribute("name", recipient.name);
        w.attribute("copy", recipient.copy);
        w.endElement();
    }
    w.endElement();
    w.endElement();
}

} // namespace

QByteArray serialize(const QList<DevClock *> &clocks, const QList<DevGroup *> &groups,
                     const NotificationSettings &settings)
{
    XmlWriter w;
    qint64 expected = 4096;
    for (const DevClock *clock : clocks)
        expected += clockBytes + (clock->hasConfig() ? configurationBytes : 0);
    w.reserve(int(std::min(expected, XmlFile::maxStateFileSize)));
    w.startElement("QLXZentick");
    w.attribute("version", QString::fromLatin1(fileVersion));

    w.startElement("ClockList");
    w.attribute("size", clocks.size());
    // Asked once: every call consults the C library's time zone.
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < clocks.size(); ++i)
        writeClock(w, *clocks.at(i), i, now);
    w.endElement();

    w.startElement("GroupList");
    w.attribute("size", groups.size());
    for (int i = 0; i < groups.size(); ++i)
        writeGroup(w, *groups.at(i), i, now);
    w.endElement();

    writeNotificationSettings(w, settings);
    w.endElement();
    return w.data();
}

bool parse(const QByteArray &data, Lists &lists, NotificationSettings &settings)
{
    return parse(data, lists, settings, nullptr);
}

bool parse(const QByteArray &data, Lists &lists, NotificationSettings &settings, QString *why)
{
    return StateStreamReader::parsePlain(data, lists, settings) || StateStreamReader(data).parse(lists, settings)
        || StateDocumentReader::parse(data, lists, settings, why);
}

bool save(const QString &path, const QList<DevClock *> &clocks, const QList<DevGroup *> &groups,
          const NotificationSettings &settings, QString *why)
{
    return XmlFile::write(path, serialize(clocks, groups, settings), XmlFile::Access::OwnerOnly, why);
}

} // namespace StateFile

bool saveDeviceList(const ClockRegistry &registry, const NotificationSettings &settings, QString *why)
{
    return StateFile::save(AppSettings::stateFilePath(), registry.clocks(), registry.groups(), settings, why);
}

namespace {

// A state file that cannot be loaded would be replaced by the first save
// after start-up, and with it every clock the user ever added. Keep it
// under another name so it can still be mended by hand.
void keepUnloadableFile(const QString &path)
{
    const QString kept = path + QStringLiteral(".unreadable-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    if (QFile::rename(path, kept))
        qDebug().noquote() << "State file could not be loaded; kept as" << kept;
}

} // namespace

bool loadDeviceList(ClockRegistry &registry, NotificationSettings &settings, QString *why)
{
    const QString path = AppSettings::stateFilePath();
    QByteArray data;
    if (!XmlFile::readData(path, data, why, XmlFile::maxStateFileSize)) {
        if (QFileInfo(path).size() > XmlFile::maxStateFileSize)
            keepUnloadableFile(path);
        return false;
    }
    StateFile::Lists lists;
    if (!StateFile::parse(data, lists, settings, why)) {
        if (!data.isEmpty())
            keepUnloadableFile(path);
        return false;
    }
    for (auto &clock : lists.clocks)
        registry.addClock(clock.release());
    for (auto &group : lists.groups)
        registry.addGroup(group.release());
    return true;
}
