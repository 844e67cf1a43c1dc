#include "model/DevClock.h"
#include "model/LogText.h"
#include "model/ReplyParser.h"
#include "tests/support/TestRows.h"

#include <QtTest>

namespace {

const QString rows = QStringLiteral("model/devclock.rows");

QStringList statusFields(const DevClock &clock)
{
    const ClockStatus &s = clock.status;
    return {QString::number(s.NtpSynchronization), QString::number(double(s.temperature)),
            s.temperatureUnit, QString::number(s.brightness), QString::number(s.signalStrength),
            s.errorCode, s.lastNtpServer, s.lastSyncTime, s.remoteMode ? "on" : "off"};
}

} // namespace

// A clock's record: the replies it is read from and the texts it shows.
class TestDevClock : public QObject
{
    Q_OBJECT

private slots:
    void splitFields_data() { TestRows::add(rows); }
    void splitFields();
    void replyMap_data() { TestRows::add(rows); }
    void replyMap();
    void parseStatus_data() { TestRows::add(rows); }
    void parseStatus();
    void firmware_data() { TestRows::add(rows); }
    void firmware();
    void deviceInformation_data() { TestRows::add(rows); }
    void deviceInformation();
    void knownModels_data() { TestRows::add(rows); }
    void knownModels();
    void statusText_data() { TestRows::add(rows); }
    void statusText();
    void lastErrorText_data() { TestRows::add(rows); }
    void lastErrorText();
    void logText_data() { TestRows::add(rows); }
    void logText();
    void parseNetworkSettings_data() { TestRows::add(rows); }
    void parseNetworkSettings();
    void updateFromKeepsIdentity();
    void configRepliesNeedStatus200();
};

void TestDevClock::splitFields()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    QCOMPARE(splitReplyFields(text), fields);
}

void TestDevClock::replyMap()
{
    QFETCH(QString, text);
    QFETCH(QStringList, pairs);
    QStringList actual;
    const QMap<QString, QString> map = parseReplyMap(text);
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        actual << it.key() + QLatin1Char('=') + it.value();
    QCOMPARE(actual, pairs);
}

void TestDevClock::parseStatus()
{
    QFETCH(QString, reply);
    QFETCH(int, statusCode);
    QFETCH(bool, result);
    QFETCH(int, lastError);
    QFETCH(QStringList, status);

    // Every field away from what the replies carry, so that one left alone shows.
    DevClock clock;
    clock.status = {NtpNoStatus, 3.5f, "F", 77, "prev", true, "prevntp", "prevtime", 2, QDateTime()};
    clock.lastError = ConnectionError;
    const QDateTime start = QDateTime::currentDateTime();
    int word = -2;
    QCOMPARE(clock.parseStatus(reply, statusCode, QDateTime(), &word), result);
    QCOMPARE(int(clock.lastError), lastError);
    QCOMPARE(statusFields(clock), status);
    // The state the reply named, for the clock's health; none leaves it.
    if (result)
        QCOMPARE(word, clock.status.NtpSynchronization == NtpNoStatus ? -1 : clock.status.NtpSynchronization);
    QCOMPARE(clock.status.lastStatusUpdate >= start.addSecs(-1), result);
}

void TestDevClock::firmware()
{
    QFETCH(QString, reply);
    QFETCH(int, firmware);
    QFETCH(QString, text);
    DevClock clock;
    clock.firmware = reply.isNull() ? firmware : 999;
    if (!reply.isNull())
        QVERIFY(clock.parseFirmware(reply));
    QCOMPARE(clock.firmware, firmware);
    QCOMPARE(clock.firmwareText(), text);
}

void TestDevClock::deviceInformation()
{
    QFETCH(QString, reply);
    QFETCH(bool, clock);
    DevClock parsed;
    QCOMPARE(parsed.parseDeviceInformation(reply), clock);
    QTEST(parsed.productCode, "productCode");
    QTEST(parsed.deviceCode, "deviceCode");
    QTEST(parsed.mac, "mac");
    QTEST(parsed.firmware, "firmware");
}

void TestDevClock::knownModels()
{
    QFETCH(QString, productCode);
    QFETCH(int, firmware);
    QFETCH(bool, known);
    QFETCH(bool, supported);
    DevClock clock;
    clock.productCode = productCode;
    clock.firmware = firmware;
    QCOMPARE(clock.isKnownModel(), known);
    QCOMPARE(clock.isSupported(), supported);
}

void TestDevClock::statusText()
{
    QFETCH(int, state);
    QFETCH(QString, server);
    QFETCH(QString, lastUpdate);
    QFETCH(QString, text);
    QFETCH(int, severity);
    DevClock clock;
    clock.status.NtpSynchronization = state;
    clock.status.lastNtpServer = server;
    clock.status.lastSyncTime = QStringLiteral("10:00:00");
    clock.status.lastStatusUpdate = QDateTime::fromString(lastUpdate, Qt::ISODate);
    QCOMPARE(clock.statusText(), text);
    QCOMPARE(clock.ntpSeverity(), severity);
}

void TestDevClock::lastErrorText()
{
    QFETCH(int, error);
    QFETCH(bool, duplicate);
    QFETCH(QString, text);
    DevClock clock;
    clock.lastError = static_cast<Error>(error);
    QCOMPARE(clock.lastErrorText(duplicate), text);
}

void TestDevClock::parseNetworkSettings()
{
    QFETCH(QString, reply);
    QFETCH(int, statusCode);
    QFETCH(bool, dhcpBefore);
    QFETCH(bool, result);
    QFETCH(int, lastError);
    QFETCH(QStringList, fields);

    DevClock clock;
    clock.user = QStringLiteral("olduser");
    clock.name = QStringLiteral("Lobby");
    clock.network.ip = QStringLiteral("192.168.0.30");
    clock.network.DHCP = dhcpBefore;
    QCOMPARE(clock.parseNetworkSettings(reply, statusCode, "admin", "secret"), result);
    QCOMPARE(int(clock.lastError), lastError);
    const ClockNetworkSettings &n = clock.network;
    QCOMPARE((QStringList{clock.user, clock.name, n.subnet, n.gateway, n.DHCP ? "on" : "off", n.dnsPrimary,
                          n.dnsSecondary, n.ip}),
             fields);
    QCOMPARE(clock.password, result ? QStringLiteral("secret") : QString());
}

void TestDevClock::updateFromKeepsIdentity()
{
    DevClock listed;
    listed.network.ip = QStringLiteral("192.168.0.40");
    listed.productCode = QStringLiteral("QM04");
    listed.status.lastStatusUpdate = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5));
    listed.config().TimeZone = 17;

    DevClock refreshed;
    refreshed.network.ip = QStringLiteral("10.0.0.1");
    refreshed.productCode = QStringLiteral("QM09");
    QVERIFY(refreshed.parseNetworkSettings("D_001=255.0.0.0&D_002=10.0.0.1&D_006=Hall&D_007=1&D_009=1.1.1.1"
                                           "&D_010=9.9.9.9",
                                           0, "u", "p"));
    refreshed.firmware = 210;
    QVERIFY(refreshed.parseStatus("a&b&19.5&C&8&X&E1&ntp9 timeout&d - 11:11&1", 0));

    listed.updateFrom(refreshed);
    QCOMPARE(listed.network.ip, QStringLiteral("192.168.0.40"));
    QCOMPARE(listed.productCode, QStringLiteral("QM04"));
    QCOMPARE(listed.status.lastStatusUpdate, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    QCOMPARE(listed.config().TimeZone, 17);
    QCOMPARE((QStringList{listed.name, listed.firmwareText(), listed.user, listed.password, listed.network.subnet,
                          listed.network.gateway, listed.network.DHCP ? "on" : "off", listed.network.dnsPrimary,
                          listed.network.dnsSecondary}),
             (QStringList{"Hall", "2.10", "u", "p", "255.0.0.0", "10.0.0.1", "on", "1.1.1.1", "9.9.9.9"}));
    QCOMPARE(statusFields(listed), (QStringList{"1", "19.5", "C", "8", "3", "E1", "ntp9", "11:11", "on"}));
}

void TestDevClock::configRepliesNeedStatus200()
{
    QString time;
    for (int i = 0; i < 12; ++i)
        time += QStringLiteral("&A_%1=1").arg(i, 3, 10, QLatin1Char('0'));
    QString display;
    for (int i = 0; i < 19; ++i)
        display += QStringLiteral("&B_%1=1").arg(i, 3, 10, QLatin1Char('0'));
    const QString alarms = QStringLiteral("x") + QStringLiteral("&1&06:30&5&All days&0&&&").repeated(alarmCount);

    for (const int statusCode : {200, 0, 401}) {
        DevClock clock;
        const bool decodes = statusCode == 200;
        QCOMPARE(clock.parseTimeConfig(time, statusCode), decodes);
        QCOMPARE(clock.config().MasterMode, decodes);
        QCOMPARE(clock.parseDisplayConfig(display, statusCode), decodes);
        QCOMPARE(clock.config().ShowTime, decodes);
        QCOMPARE(clock.parseAlarmConfig(alarms, statusCode), decodes);
        QCOMPARE(clock.config().alarms[29].Active, decodes);
        QCOMPARE(clock.hasConfig(), decodes);
    }
}

void TestDevClock::logText()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(LogText::escaped(text), escaped);
}

QTEST_GUILESS_MAIN(TestDevClock)
#include "tst_devclock.moc"
