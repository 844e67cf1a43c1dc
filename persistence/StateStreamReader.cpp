#include "persistence/StateStreamReader.h"

#include "model/ClockConfig.h"
#include "persistence/ConfigurationXml.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "persistence/StateFields.h"
#include "persistence/XmlScanner.h"

#include <cstring>
#include <type_traits>
#include <utility>

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
const QString tagCommon = QStringLiteral("Common");
const QString tagStatus = QStringLiteral("Status");
const QString tagNetwork = QStringLiteral("Network");
const QString tagNetworkCardData = QStringLiteral("NetworkCardData");

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

// The records of the document from either reader, the reader at the root's
// start tag.
template <class Reader>
class StateReading
{
public:
    explicit StateReading(Reader &reader) : m_xml(reader) {}

    void readRoot(StateFile::Lists &lists, NotificationSettings &settings, bool &hasSettings);

private:
    using Attributes = std::decay_t<decltype(XmlFile::attributesOf(std::declval<Reader &>()))>;

    void readClockList(StateFile::Lists &lists);
    std::unique_ptr<DevClock> readClock();
    void readGroupList(StateFile::Lists &lists);
    std::unique_ptr<DevGroup> readGroup();
    QList<int> readMembers();
    void readNotificationSettings(NotificationSettings &settings);
    // The scanner's own attributes, not a copy of them.
    decltype(auto) attributes() const { return XmlFile::attributesOf(m_xml); }

    Reader &m_xml;
};

// Any root name and any version: older and newer files load alike.
template <class Reader>
void StateReading<Reader>::readRoot(StateFile::Lists &lists, NotificationSettings &settings, bool &hasSettings)
{
    XmlFile::FirstChild clockList(tagClockList);
    XmlFile::FirstChild groupList(tagGroupList);
    XmlFile::FirstChild notifSet(tagNotifSet);
    XmlFile::forEachChild(m_xml, [&](const auto &name) {
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
template <class Reader>
void StateReading<Reader>::readClockList(StateFile::Lists &lists)
{
    XmlFile::forEachChild(m_xml, [&](const auto &name) {
        if (lists.clocks.empty() && name != tagClock)
            return false;
        lists.clocks.push_back(readClock());
        return true;
    });
}

template <class Reader>
std::unique_ptr<DevClock> StateReading<Reader>::readClock()
{
    auto clock = std::make_unique<DevClock>();
    // A missing element reads like one without attributes.
    Attributes common;
    Attributes status;
    Attributes network;
    XmlFile::FirstChild firstCommon(tagCommon);
    XmlFile::FirstChild firstStatus(tagStatus);
    XmlFile::FirstChild firstNetwork(tagNetwork);
    XmlFile::FirstChild firstCard(tagNetworkCardData);
    XmlFile::FirstChild firstConfig(tagConfiguration);
    XmlFile::forEachChild(m_xml, [&](const auto &name) {
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
template <class Reader>
void StateReading<Reader>::readGroupList(StateFile::Lists &lists)
{
    XmlFile::forEachChild(m_xml, [&](const auto &name) {
        if (lists.groups.empty() && name != tagGroup)
            return false;
        lists.groups.push_back(readGroup());
        return true;
    });
}

template <class Reader>
std::unique_ptr<DevGroup> StateReading<Reader>::readGroup()
{
    auto group = std::make_unique<DevGroup>();
    group->setName(XmlFile::textAttribute(attributes(), QStringLiteral("name")));
    group->quietPeriod = QuietPeriod::fromText(XmlFile::textAttribute(attributes(), QStringLiteral("quietUntil")));
    group->quietHours = QuietHours::fromText(XmlFile::textAttribute(attributes(), QStringLiteral("quietHours")));
    QList<int> members;
    XmlFile::FirstChild firstList(tagClockList);
    XmlFile::FirstChild firstConfig(tagConfiguration);
    XmlFile::forEachChild(m_xml, [&](const auto &name) {
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
template <class Reader>
QList<int> StateReading<Reader>::readMembers()
{
    QList<int> members;
    XmlFile::forEachChild(m_xml, [&](const auto &name) {
        if (!members.isEmpty() || name == tagClockIndex)
            members.append(XmlFile::intAttribute(attributes(), QStringLiteral("index")));
        return false;
    });
    return members;
}

template <class Reader>
void StateReading<Reader>::readNotificationSettings(NotificationSettings &settings)
{
    StateFields::readNotificationSettings(attributes(), settings);
    settings.recipients.clear();
    XmlFile::FirstChild firstList(tagRecipients);
    XmlFile::forEachChild(m_xml, [&](const auto &name) {
        if (!firstList(name))
            return false;
        // The first "Recipient" and every sibling after it, whatever its name.
        XmlFile::forEachChild(m_xml, [&](const auto &entry) {
            if (!settings.recipients.isEmpty() || entry == tagRecipient)
                settings.recipients.append(StateFields::readRecipient(attributes()));
            return false;
        });
        return true;
    });
}

// Nothing reaches the caller unless the reader found the whole document
// well-formed (and, for the scanner, plain).
template <class Reader, class Finish>
bool readInto(Reader &reader, Finish finish, StateFile::Lists &lists, NotificationSettings &settings)
{
    StateFile::Lists read;
    NotificationSettings readSettings = settings;
    bool hasSettings = false;
    StateReading<Reader>(reader).readRoot(read, readSettings, hasSettings);
    if (!finish())
        return false;
    for (auto &clock : read.clocks)
        lists.clocks.push_back(std::move(clock));
    for (auto &group : read.groups)
        lists.groups.push_back(std::move(group));
    if (hasSettings)
        settings = readSettings;
    return true;
}

} // namespace

StateStreamReader::StateStreamReader(const QByteArray &data) : m_data(data) {}

bool StateStreamReader::parse(StateFile::Lists &lists, NotificationSettings &settings)
{
    if (!readsAlike(m_data) || !XmlFile::withinLimits(m_data, XmlFile::maxStateFileSize))
        return false;
    QXmlStreamReader xml(m_data);
    xml.setNamespaceProcessing(false);
    while (!xml.atEnd() && !xml.isStartElement()) {
        if (xml.readNext() == QXmlStreamReader::DTD)
            return false;
    }
    if (!xml.isStartElement())
        return false;
    return readInto(
        xml,
        [&xml] {
            while (!xml.atEnd())
                xml.readNext();
            return !xml.hasError();
        },
        lists, settings);
}

bool StateStreamReader::parsePlain(const QByteArray &data, StateFile::Lists &lists, NotificationSettings &settings)
{
    XmlScanner scanner(data);
    if (!scanner.readRootElement())
        return false;
    return readInto(scanner, [&scanner] { return scanner.finish(); }, lists, settings);
}
