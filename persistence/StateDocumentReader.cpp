#include "persistence/StateDocumentReader.h"

#include "model/ClockConfig.h"
#include "persistence/ConfigurationXml.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "persistence/StateFields.h"
#include "persistence/XmlFile.h"

#include <QDomDocument>

namespace StateDocumentReader {

namespace {

const QString tagClockList = QStringLiteral("ClockList");
const QString tagClock = QStringLiteral("Clock");
const QString tagGroupList = QStringLiteral("GroupList");
const QString tagGroup = QStringLiteral("Group");
const QString tagClockIndex = QStringLiteral("ClockIndex");
const QString tagConfiguration = QStringLiteral("Configuration");
const QString tagNotifSet = QStringLiteral("NotifSet");
const QString tagRecipients = QStringLiteral("Recipients");
const QString tagRecipient = QStringLiteral("Recipient");

std::unique_ptr<DevClock> readClock(const QDomElement &e)
{
    auto clock = std::make_unique<DevClock>();
    StateFields::readCommon(e.firstChildElement(QStringLiteral("Common")), *clock);
    StateFields::readStatus(e.firstChildElement(QStringLiteral("Status")), clock->status);
    StateFields::readNetwork(e.firstChildElement(QStringLiteral("Network")), clock->network, clock->mac);
    const QDomElement card = e.firstChildElement(QStringLiteral("NetworkCardData"));
    if (!card.isNull())
        StateFields::readInterface(card, clock->networkInterface);
    const QDomElement config = e.firstChildElement(tagConfiguration);
    if (!config.isNull())
        clock->setConfig(*ConfigurationXml::read(config));
    return clock;
}

std::unique_ptr<DevGroup> readGroup(const QDomElement &e)
{
    auto group = std::make_unique<DevGroup>();
    group->setName(e.attribute(QStringLiteral("name")));
    group->quietPeriod = QuietPeriod::fromText(e.attribute(QStringLiteral("quietUntil")));
    group->quietHours = QuietHours::fromText(e.attribute(QStringLiteral("quietHours")));
    QList<int> members;
    const QDomElement list = e.firstChildElement(tagClockList);
    for (QDomElement m = list.firstChildElement(tagClockIndex); !m.isNull(); m = m.nextSiblingElement())
        members.append(XmlFile::intAttribute(m, QStringLiteral("index")));
    group->setClockIndexes(members);
    const QDomElement config = e.firstChildElement(tagConfiguration);
    if (!config.isNull())
        group->setConfig(*ConfigurationXml::read(config));
    return group;
}

void readNotificationSettings(const QDomElement &e, NotificationSettings &n)
{
    StateFields::readNotificationSettings(e, n);
    n.recipients.clear();
    const QDomElement list = e.firstChildElement(tagRecipients);
    for (QDomElement r = list.firstChildElement(tagRecipient); !r.isNull(); r = r.nextSiblingElement())
        n.recipients.append(StateFields::readRecipient(r));
}

} // namespace

bool parse(const QByteArray &data, StateFile::Lists &lists, NotificationSettings &settings)
{
    return parse(data, lists, settings, nullptr);
}

bool parse(const QByteArray &data, StateFile::Lists &lists, NotificationSettings &settings, QString *why)
{
    QDomDocument document;
    // Any root name and any version: older and newer files load alike.
    const QDomElement root = XmlFile::parse(data, document, why, XmlFile::maxStateFileSize);
    if (root.isNull())
        return false;

    // The first "Clock" and every sibling after it, whatever its name.
    const QDomElement clockList = root.firstChildElement(tagClockList);
    for (QDomElement e = clockList.firstChildElement(tagClock); !e.isNull(); e = e.nextSiblingElement())
        lists.clocks.push_back(readClock(e));
    const QDomElement groupList = root.firstChildElement(tagGroupList);
    for (QDomElement e = groupList.firstChildElement(tagGroup); !e.isNull(); e = e.nextSiblingElement())
        lists.groups.push_back(readGroup(e));

    const QDomElement notifSet = root.firstChildElement(tagNotifSet);
    if (!notifSet.isNull())
        readNotificationSettings(notifSet, settings);
    return true;
}

} // namespace StateDocumentReader
