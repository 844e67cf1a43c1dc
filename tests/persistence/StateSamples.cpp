#include "tests/persistence/StateSamples.h"

#include "model/ClockConfig.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "tests/support/SampleConfig.h"

#include <QHostAddress>

namespace StateSamples {

QList<DevClock *> Sample::clocks() const
{
    QList<DevClock *> list;
    for (const auto &clock : lists.clocks)
        list.append(clock.get());
    return list;
}

QList<DevGroup *> Sample::groups() const
{
    QList<DevGroup *> list;
    for (const auto &group : lists.groups)
        list.append(group.get());
    return list;
}

QByteArray Sample::serialize() const
{
    return StateFile::serialize(clocks(), groups(), settings);
}

namespace {

std::unique_ptr<DevClock> clock(const QString &name, int groupId)
{
    auto c = std::make_unique<DevClock>();
    c->name = name;
    c->groupId = groupId;
    c->user = QStringLiteral("admin");
    c->password = QStringLiteral("p&<\"ss>");
    c->firmware = 105;
    c->productCode = QStringLiteral("QM03");
    c->deviceCode = QStringLiteral("D-0042");
    return c;
}

std::unique_ptr<ClockConfig> configuration(int seed)
{
    auto config = std::make_unique<ClockConfig>();
    SampleConfig::fill(*config, seed);
    return config;
}

NetworkCardData interfaceCard(int index)
{
    NetworkCardData card;
    card.name = QStringLiteral("eth%1").arg(index);
    card.ip = QHostAddress(QStringLiteral("192.168.0.2"));
    card.netmask = QHostAddress(QStringLiteral("255.255.255.0"));
    card.subnet = QHostAddress(QStringLiteral("192.168.0.0"));
    card.mac = QStringLiteral("52:54:00:12:34:56");
    return card;
}

NotificationSettings settings(int recipientCount)
{
    NotificationSettings n;
    n.server = QStringLiteral("smtp.example.org");
    n.port = 587;
    n.username = QStringLiteral("alerts");
    n.password = QStringLiteral("zażółć gęślą €");
    n.from = QStringLiteral("clocks@example.org");
    n.ignoreSslErrors = true;
    n.resendMailTime = 2;
    n.key = QStringLiteral("key-text");
    n.cert = QStringLiteral("cert-text");
    n.errorConnection = true;
    n.errorAuth = false;
    n.errorNtpTimeout = true;
    n.authType = 1;
    n.smtpType = 2;
    for (int i = 0; i < recipientCount; ++i)
        n.recipients.append({QStringLiteral("ops%1@example.org").arg(i), i % 2 == 1});
    return n;
}

} // namespace

Sample golden()
{
    Sample s;

    auto hall = clock(QStringLiteral("Hall"), 0);
    ClockStatus &st = hall->status;
    st.NtpSynchronization = NtpSynchronized;
    st.temperature = 21.5f;
    st.temperatureUnit = QStringLiteral("C");
    st.brightness = 40;
    st.errorCode = QStringLiteral("noEr");
    st.remoteMode = true;
    st.lastNtpServer = QStringLiteral("ntp1");
    st.lastSyncTime = QStringLiteral("10:00:00");
    st.signalStrength = 3;
    st.lastStatusUpdate = QDateTime(QDate(2026, 3, 7), QTime(8, 5, 9));
    hall->network.DHCP = true;
    hall->network.ip = QStringLiteral("192.168.0.21");
    hall->network.port = 2101;
    hall->mac = QStringLiteral("02-A7-3C-00-00-21");
    hall->setConfig(*configuration(1));
    s.lists.clocks.push_back(std::move(hall));

    // Defaults everywhere else: no status yet, no configuration.
    auto lobby = clock(QStringLiteral("Lobby"), 0);
    lobby->network.ip = QStringLiteral("192.168.0.22");
    s.lists.clocks.push_back(std::move(lobby));

    auto yard = clock(QStringLiteral("Yard"), 1);
    yard->network.ip = QStringLiteral("192.168.0.23");
    yard->status.temperature = -12.25f;
    yard->networkInterface = interfaceCard(0);
    s.lists.clocks.push_back(std::move(yard));

    auto floor = std::make_unique<DevGroup>();
    floor->setName(QStringLiteral("Floor 1"));
    // Not ascending: written in the group's own order.
    floor->setClockIndexes({1, 0});
    floor->setConfig(*configuration(2));
    s.lists.groups.push_back(std::move(floor));

    auto outside = std::make_unique<DevGroup>();
    outside->setName(QStringLiteral("Outside"));
    outside->setClockIndexes({2});
    s.lists.groups.push_back(std::move(outside));

    s.settings = settings(2);
    return s;
}

Sample large(int clockCount, int groupCount, int recipientCount)
{
    Sample s;
    const int perGroup = groupCount > 0 ? (clockCount + groupCount - 1) / groupCount : 0;
    for (int i = 0; i < clockCount; ++i) {
        auto c = clock(QStringLiteral("Clock %1").arg(i), perGroup > 0 ? i / perGroup : -1);
        c->network.ip = QStringLiteral("10.0.%1.%2").arg(i / 250).arg(i % 250 + 1);
        c->status.lastStatusUpdate = QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(i);
        c->status.temperature = 20.0f + float(i % 100) / 10.0f;
        c->networkInterface = interfaceCard(i % 4);
        c->setConfig(*configuration(i));
        s.lists.clocks.push_back(std::move(c));
    }
    for (int g = 0; g < groupCount; ++g) {
        auto group = std::make_unique<DevGroup>();
        group->setName(QStringLiteral("Group %1").arg(g + 1));
        QList<int> members;
        for (int i = g * perGroup; i < qMin(clockCount, (g + 1) * perGroup); ++i)
            members.append(i);
        group->setClockIndexes(members);
        group->setConfig(*configuration(1000 + g));
        s.lists.groups.push_back(std::move(group));
    }
    s.settings = settings(recipientCount);
    return s;
}

} // namespace StateSamples
