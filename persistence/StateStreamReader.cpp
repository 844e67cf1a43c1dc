#include "StateStreamReader.h"

#include "ClockConfig.h"
#include "ConfigurationXml.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "StateFields.h"

#include <cstring>

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

constexpr uint lastBasicPlaneCharacter = 0xFFFF;

bool startsWith(const QByteArray &data, int at, const char *text)
{
    const int length = int(std::strlen(text));
    return at + length <= data.size() && std::memcmp(data.constData() + at, text, size_t(length)) == 0;
}

// The code point of the character reference at data[at] ("&#...;"), capped
// just above the last Unicode code point.
uint referencedCharacter(const QByteArray &data, int at)
{
    constexpr uint cap = 0x110000;
    int i = at + 2;
    const bool hex = i < data.size() && data.at(i) == 'x';
    if (hex)
        ++i;
    uint value = 0;
    for (; i < data.size(); ++i) {
        const char c = data.at(i);
        const char lower = char(c | 0x20);
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && lower >= 'a' && lower <= 'f')
            digit = lower - 'a' + 10;
        else
            break;
        value = qMin(cap, value * (hex ? 16 : 10) + uint(digit));
    }
    return value;
}

// True unless the two readers would read the document differently: the DOM
// reader keeps a literal tab or line break in an attribute value where the
// stream reader (rightly) turns it into a space, cuts character references
// beyond U+FFFF to 16 bits, ignores the attribute defaults of a DTD and
// decodes UTF-16 and UTF-32, which this byte scan cannot follow. Malformed
// markup also gives false; the DOM reader then refuses it as before.
bool readsAlike(const QByteArray &data)
{
    if (data.contains('\0'))
        return false;
    int at = data.indexOf('<');
    while (at >= 0) {
        int next;
        if (startsWith(data, at, "<!--")) {
            next = data.indexOf("-->", at + 4);
        } else if (startsWith(data, at, "<![CDATA[")) {
            next = data.indexOf("]]>", at + 9);
        } else if (startsWith(data, at, "<!")) {
            return false;
        } else if (startsWith(data, at, "<?")) {
            next = data.indexOf("?>", at + 2);
        } else {
            // A tag: quotes delimit its attribute values.
            char quote = 0;
            for (next = at + 1; next < data.size(); ++next) {
                const char c = data.at(next);
                if (quote == 0 && c == '>')
                    break;
                if (quote == 0 && (c == '"' || c == '\''))
                    quote = c;
                else if (c == quote)
                    quote = 0;
                else if (quote != 0 && (c == '\t' || c == '\n' || c == '\r'))
                    return false;
                else if (quote != 0 && startsWith(data, next, "&#") && referencedCharacter(data, next) > lastBasicPlaneCharacter)
                    return false;
            }
            if (next == data.size())
                return false;
        }
        if (next < 0)
            return false;
        at = data.indexOf('<', next + 1);
    }
    return true;
}

} // namespace

StateStreamReader::StateStreamReader(const QByteArray &data) : m_data(data), m_xml(data)
{
    m_xml.setNamespaceProcessing(false);
}

bool StateStreamReader::parse(StateFile::Lists &lists, NotificationSettings &settings)
{
    if (!readsAlike(m_data))
        return false;
    while (!m_xml.atEnd() && !m_xml.isStartElement()) {
        if (m_xml.readNext() == QXmlStreamReader::DTD)
            return false;
    }
    if (!m_xml.isStartElement())
        return false;

    // Nothing reaches the caller unless the whole document is well-formed.
    StateFile::Lists read;
    NotificationSettings readSettings = settings;
    bool hasSettings = false;
    readRoot(read, readSettings, hasSettings);
    while (!m_xml.atEnd())
        m_xml.readNext();
    if (m_xml.hasError())
        return false;

    for (auto &clock : read.clocks)
        lists.clocks.push_back(std::move(clock));
    for (auto &group : read.groups)
        lists.groups.push_back(std::move(group));
    if (hasSettings)
        settings = readSettings;
    return true;
}

// Any root name and any version: older and newer files load alike.
void StateStreamReader::readRoot(StateFile::Lists &lists, NotificationSettings &settings, bool &hasSettings)
{
    XmlFile::FirstChild clockList(tagClockList);
    XmlFile::FirstChild groupList(tagGroupList);
    XmlFile::FirstChild notifSet(tagNotifSet);
    XmlFile::forEachChild(m_xml, [&](const QStringRef &name) {
        if (clockList(name)) {
            readClockList(lists);
        } else if (groupList(name)) {
            readGroupList(lists);
        } else if (notifSet(name)) {
            hasSettings = true;
            readNotificationSettings(settings);
        } else {
            return false;
        }
        return true;
    });
}

// The first "Clock" and every sibling after it, whatever its name.
void StateStreamReader::readClockList(StateFile::Lists &lists)
{
    XmlFile::forEachChild(m_xml, [&](const QStringRef &name) {
        if (lists.clocks.empty() && name != tagClock)
            return false;
        lists.clocks.push_back(readClock());
        return true;
    });
}

std::unique_ptr<DevClock> StateStreamReader::readClock()
{
    auto clock = std::make_unique<DevClock>();
    // A missing element reads like one without attributes.
    XmlFile::StreamAttributes common;
    XmlFile::StreamAttributes status;
    XmlFile::StreamAttributes network;
    XmlFile::FirstChild firstCommon(QStringLiteral("Common"));
    XmlFile::FirstChild firstStatus(QStringLiteral("Status"));
    XmlFile::FirstChild firstNetwork(QStringLiteral("Network"));
    XmlFile::FirstChild firstCard(QStringLiteral("NetworkCardData"));
    XmlFile::FirstChild firstConfig(tagConfiguration);
    XmlFile::forEachChild(m_xml, [&](const QStringRef &name) {
        if (firstCommon(name)) {
            common = attributes();
        } else if (firstStatus(name)) {
            status = attributes();
        } else if (firstNetwork(name)) {
            network = attributes();
        } else if (firstCard(name)) {
            StateFields::readInterface(attributes(), clock->networkInterface);
        } else if (firstConfig(name)) {
            clock->setConfig(*ConfigurationXml::read(m_xml));
            return true;
        }
        return false;
    });
    StateFields::readCommon(common, *clock);
    StateFields::readStatus(status, clock->status);
    StateFields::readNetwork(network, clock->network, clock->mac);
    return clock;
}

// The first "Group" and every sibling after it, whatever its name.
void StateStreamReader::readGroupList(StateFile::Lists &lists)
{
    XmlFile::forEachChild(m_xml, [&](const QStringRef &name) {
        if (lists.groups.empty() && name != tagGroup)
            return false;
        lists.groups.push_back(readGroup());
        return true;
    });
}

std::unique_ptr<DevGroup> StateStreamReader::readGroup()
{
    auto group = std::make_unique<DevGroup>();
    group->setName(XmlFile::textAttribute(attributes(), QStringLiteral("name")));
    group->quietPeriod = QuietPeriod::fromText(XmlFile::textAttribute(attributes(), QStringLiteral("quietUntil")));
    QList<int> members;
    XmlFile::FirstChild firstList(tagClockList);
    XmlFile::FirstChild firstConfig(tagConfiguration);
    XmlFile::forEachChild(m_xml, [&](const QStringRef &name) {
        if (firstList(name))
            members = readMembers();
        else if (firstConfig(name))
            group->setConfig(*ConfigurationXml::read(m_xml));
        else
            return false;
        return true;
    });
    group->setClockIndexes(members);
    return group;
}

// The first "ClockIndex" and every sibling after it, whatever its name.
QList<int> StateStreamReader::readMembers()
{
    QList<int> members;
    XmlFile::forEachChild(m_xml, [&](const QStringRef &name) {
        if (!members.isEmpty() || name == tagClockIndex)
            members.append(XmlFile::intAttribute(attributes(), QStringLiteral("index")));
        return false;
    });
    return members;
}

void StateStreamReader::readNotificationSettings(NotificationSettings &settings)
{
    StateFields::readNotificationSettings(attributes(), settings);
    settings.recipients.clear();
    XmlFile::FirstChild firstList(tagRecipients);
    XmlFile::forEachChild(m_xml, [&](const QStringRef &name) {
        if (!firstList(name))
            return false;
        // The first "Recipient" and every sibling after it, whatever its name.
        XmlFile::forEachChild(m_xml, [&](const QStringRef &entry) {
            if (!settings.recipients.isEmpty() || entry == tagRecipient)
                settings.recipients.append(StateFields::readRecipient(attributes()));
            return false;
        });
        return true;
    });
}

XmlFile::StreamAttributes StateStreamReader::attributes() const
{
    return XmlFile::StreamAttributes(m_xml.attributes());
}
