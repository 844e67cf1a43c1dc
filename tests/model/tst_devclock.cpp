#include "DevClock.h"

#include <QtTest>

#include <limits>

using IntList = QList<int>;

namespace {

// A clock whose status differs from every value the replies below carry, so
// that a field left alone is told apart from one that was written.
void setKnownStatus(DevClock &clock)
{
    clock.status.NtpSynchronization = NtpNoStatus;
    clock.status.temperature = 3.5f;
    clock.status.temperatureUnit = QStringLiteral("F");
    clock.status.brightness = 77;
    clock.status.signalStrength = 2;
    clock.status.errorCode = QStringLiteral("prev");
    clock.status.lastNtpServer = QStringLiteral("prevntp");
    clock.status.lastSyncTime = QStringLiteral("prevtime");
    clock.status.remoteMode = true;
    clock.lastError = ConnectionError;
}

QStringList statusFields(const DevClock &clock)
{
    const ClockStatus &s = clock.status;
    return {QString::number(s.NtpSynchronization), QString::number(double(s.temperature)),
            s.temperatureUnit, QString::number(s.brightness), QString::number(s.signalStrength),
            s.errorCode, s.lastNtpServer, s.lastSyncTime, s.remoteMode ? "on" : "off"};
}

} // namespace

class TestDevClock : public QObject
{
    Q_OBJECT

private slots:
    void parseStatus_data();
    void parseStatus();
    void alertCounters_data();
    void alertCounters();
    void counterResetClearsMails();
    void firmwareText_data();
    void firmwareText();
    void parseFirmware_data();
    void parseFirmware();
    void knownModels_data();
    void knownModels();
    void statusText_data();
    void statusText();
    void lastErrorText_data();
    void lastErrorText();
    void parseNetworkSettings_data();
    void parseNetworkSettings();
    void updateFromKeepsIdentity();
    void configRepliesNeedStatus200_data();
    void configRepliesNeedStatus200();
};

void TestDevClock::parseStatus_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("statusCode");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("lastError");
    // NTP state, temperature, unit, brightness, signal, error code, server,
    // sync time, remote mode.
    QTest::addColumn<QStringList>("status");

    const QStringList before{"5", "3.5", "F", "77", "2", "prev", "prevntp", "prevtime", "on"};

    QTest::newRow("full reply") << "a&b&21.5&#176;C&40&V&noEr&ntp1 OK&x - 10:00:00&0" << 0 << true << -1
                                << QStringList{"0", "21.5", "C", "40", "1", "noEr", "ntp1", "10:00:00", "off"};
    QTest::newRow("full reply with status 200") << "a&b&-4&C&3&X&E02&pool -&09.03.2026 - 09:15&1" << 200
                                                << true << -1
                                                << QStringList{"4", "-4", "C", "3", "3", "E02", "pool", "09:15", "on"};
    QTest::newRow("exactly three fields") << "a&b&21.5" << 0 << true << -1
                                          << QStringList{"5", "21.5", "", "0", "2", "prev", "prevntp", "prevtime", "on"};
    QTest::newRow("time-out word with a capital") << "a&b&20&C&10&N&noEr&ntp2 Timeout" << 0 << true << -1
                                                  << QStringList{"1", "20", "C", "10", "0", "noEr", "ntp2", "prevtime", "on"};
    QTest::newRow("ok in lower case is no synchronisation") << "a&b&20&C&10&A&noEr&ntp1 ok" << 0 << true << -1
                                                            << QStringList{"5", "20", "C", "10", "2", "noEr", "ntp1", "prevtime", "on"};
    QTest::newRow("other in capitals") << "a&b&20&C&10&A&noEr&ntp1 OTHER" << 0 << true << -1
                                       << QStringList{"2", "20", "C", "10", "2", "noEr", "ntp1", "prevtime", "on"};
    QTest::newRow("NTP field without blank") << "a&b&20&C&10&A&noEr&OK" << 0 << true << -1
                                             << QStringList{"0", "20", "C", "10", "2", "noEr", "OK", "prevtime", "on"};
    QTest::newRow("temperature not a number") << "a&b&--&C" << 0 << true << -1
                                              << QStringList{"5", "-1000", "C", "0", "2", "prev", "prevntp", "prevtime", "on"};
    QTest::newRow("temperature nan is no reading") << "a&b&nan&C" << 0 << true << -1
                                                   << QStringList{"5", "-1000", "C", "0", "2", "prev", "prevntp", "prevtime", "on"};
    QTest::newRow("lower-case signal letter") << "a&b&1&C&1&v" << 0 << true << -1
                                                           << QStringList{"5", "1", "C", "1", "2", "prev", "prevntp", "prevtime", "on"};
    QTest::newRow("sync time too short") << "a&b&1&C&1&N&noEr&ntp1 OK&x" << 0 << true << -1
                                         << QStringList{"0", "1", "C", "1", "0", "noEr", "ntp1", "-", "on"};
    QTest::newRow("sync time ends at its dash") << "a&b&1&C&1&N&noEr&ntp1 OK&date -" << 0 << true << -1
                                                << QStringList{"0", "1", "C", "1", "0", "noEr", "ntp1", "", "on"};
    QTest::newRow("remote mode text is off") << "a&b&1&C&1&N&noEr&ntp1 OK&x - 1&on" << 0 << true << -1
                                             << QStringList{"0", "1", "C", "1", "0", "noEr", "ntp1", "1", "off"};
    QTest::newRow("empty reply") << "" << 0 << false << 1 << before;
    QTest::newRow("refused with 401") << "a&b&21.5&C&40&V&noEr&ntp1 OK&x - 10:00:00&0" << 401 << false << 1
                                      << before;
    QTest::newRow("two fields") << "a&b" << 200 << false << 1 << before;
}

void TestDevClock::parseStatus()
{
    QFETCH(QString, reply);
    QFETCH(int, statusCode);
    QFETCH(bool, result);
    QFETCH(int, lastError);
    QFETCH(QStringList, status);

    DevClock clock;
    setKnownStatus(clock);
    const QDateTime start = QDateTime::currentDateTime();
    QCOMPARE(clock.parseStatus(reply, statusCode), result);
    QCOMPARE(int(clock.lastError), lastError);
    QCOMPARE(statusFields(clock), status);
    if (result)
        QVERIFY(clock.status.lastStatusUpdate >= start.addSecs(-1));
    else
        QVERIFY(clock.status.lastStatusUpdate.isNull());
}

void TestDevClock::alertCounters_data()
{
    // T, K, O, D: status replies whose NTP word is Timeout, other, OK and "-";
    // C, A, S: failed polls (no connection, no authentication) and "no status".
    QTest::addColumn<QString>("events");
    QTest::addColumn<IntList>("counters");
    QTest::addColumn<int>("due");
    QTest::addColumn<int>("state");

    QTest::newRow("five time-outs are not yet due") << "TTTTT" << IntList{0, 50, 0, 0, 0, 0, 0} << 7 << 1;
    QTest::newRow("six time-outs reach the limit") << "TTTTTT" << IntList{0, 60, 0, 0, 0, 0, 0} << 1 << 1;
    QTest::newRow("a seventh stays at the limit") << "TTTTTTT" << IntList{0, 60, 0, 0, 0, 0, 0} << 1 << 1;
    QTest::newRow("a good reply drops the limit by five") << "TTTTTTO" << IntList{0, 55, 0, 0, 0, 0, 0} << 7 << 0;
    QTest::newRow("a different failure takes two") << "TTTTTTC" << IntList{0, 58, 0, 10, 0, 0, 0} << 7 << 3;
    QTest::newRow("other and no status leave the counters") << "TTKS" << IntList{0, 20, 0, 0, 0, 0, 0} << 7 << 5;
    QTest::newRow("disabled decays like a good reply") << "TTD" << IntList{0, 15, 0, 0, 0, 0, 0} << 7 << 4;
    QTest::newRow("connection lost six times") << "CCCCCC" << IntList{0, 0, 0, 60, 0, 0, 0} << 3 << 3;
    QTest::newRow("the lower index is due first") << "AAAAAACCCCCC" << IntList{0, 0, 0, 60, 0, 0, 48} << 3 << 3;
    QTest::newRow("authentication after connection") << "CCCCCCAAAAAA" << IntList{0, 0, 0, 48, 0, 0, 60} << 6 << 6;
    QTest::newRow("one good reply does not clear a small count") << "CO" << IntList{0, 0, 0, 5, 0, 0, 0} << 7 << 0;
    QTest::newRow("two good replies clear it") << "COO" << IntList{0, 0, 0, 0, 0, 0, 0} << 7 << 0;
}

void TestDevClock::alertCounters()
{
    QFETCH(QString, events);
    QFETCH(IntList, counters);
    QFETCH(int, due);
    QFETCH(int, state);

    DevClock clock;
    for (const QChar event : events) {
        switch (event.toLatin1()) {
        case 'T': QVERIFY(clock.parseStatus("a&b&1&C&1&N&noEr&ntp1 timeout", 0)); break;
        case 'K': QVERIFY(clock.parseStatus("a&b&1&C&1&N&noEr&ntp1 other", 0)); break;
        case 'O': QVERIFY(clock.parseStatus("a&b&1&C&1&N&noEr&ntp1 OK", 0)); break;
        case 'D': QVERIFY(clock.parseStatus("a&b&1&C&1&N&noEr&ntp1 -", 0)); break;
        case 'C': clock.setNtpStatus(NtpNoConnection); break;
        case 'A': clock.setNtpStatus(NtpNoAuthentication); break;
        case 'S': clock.setNtpStatus(NtpNoStatus); break;
        default: QFAIL("unknown event");
        }
    }
    IntList actual;
    for (const AlertCounter &record : clock.alertCounters)
        actual << record.counter;
    QCOMPARE(actual, counters);
    QCOMPARE(clock.firstDueAlert(), due);
    QCOMPARE(clock.status.NtpSynchronization, state);
}

void TestDevClock::counterResetClearsMails()
{
    DevClock clock;
    for (int i = 0; i < 6; ++i)
        clock.setNtpStatus(NtpTimeout);
    AlertCounter &record = clock.alertCounters[NtpTimeout];
    record.mailsSent = 2;
    record.mailDelivered = true;

    // Eleven good replies: 60 - 11 * 5 = 5, the mail bookkeeping stays.
    for (int i = 0; i < 11; ++i)
        clock.decayAlertCounters();
    QCOMPARE(record.counter, 5);
    QCOMPARE(record.mailsSent, 2);
    QVERIFY(record.mailDelivered);

    clock.setNtpStatus(NtpSynchronized);
    QCOMPARE(record.counter, 0);
    QCOMPARE(record.mailsSent, 0);
    QVERIFY(!record.mailDelivered);

    // An unknown state value decays too and is kept as it came.
    clock.setNtpStatus(NtpNoConnection);
    clock.setNtpStatus(42);
    QCOMPARE(clock.alertCounters[NtpNoConnection].counter, 5);
    QCOMPARE(clock.status.NtpSynchronization, 42);
    QCOMPARE(clock.ntpSeverity(), -1);
}

void TestDevClock::firmwareText_data()
{
    QTest::addColumn<int>("firmware");
    QTest::addColumn<QString>("text");

    QTest::newRow("hundredths only") << 7 << "0.07";
    QTest::newRow("two-digit major") << 1000 << "10.00";
    QTest::newRow("padded minor") << 105 << "1.05";
    QTest::newRow("negative keeps one sign") << -105 << "-1.05";
    QTest::newRow("smallest int") << std::numeric_limits<int>::min() << "-21474836.48";
}

void TestDevClock::firmwareText()
{
    QFETCH(int, firmware);
    QFETCH(QString, text);
    DevClock clock;
    clock.firmware = firmware;
    QCOMPARE(clock.firmwareText(), text);
}

void TestDevClock::parseFirmware_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("firmware");

    QTest::newRow("1.05 keeps its hundredth") << "a&b&c&d&1.05" << 105;
    QTest::newRow("2.1 is 210") << "a&b&c&d&2.1" << 210;
    QTest::newRow("fields after the fifth ignored") << "QM03&x&y&z&1.23&9.99" << 123;
    QTest::newRow("short reply takes the last field") << "x&y&1.5" << 150;
    QTest::newRow("not a number") << "a&b&c&d&v1" << 0;
    QTest::newRow("empty reply") << "" << 0;
    QTest::newRow("too large for an int") << "a&b&c&d&1e30" << 0;
    QTest::newRow("infinity") << "a&b&c&d&inf" << 0;
}

void TestDevClock::parseFirmware()
{
    QFETCH(QString, reply);
    QFETCH(int, firmware);
    DevClock clock;
    clock.firmware = 999;
    QVERIFY(clock.parseFirmware(reply));
    QCOMPARE(clock.firmware, firmware);
}

void TestDevClock::knownModels_data()
{
    QTest::addColumn<QString>("productCode");
    QTest::addColumn<int>("firmware");
    QTest::addColumn<bool>("known");
    QTest::addColumn<bool>("supported");

    QTest::newRow("first model") << "QM01" << 100 << true << true;
    QTest::newRow("last model") << "QM12" << 1 << true << true;
    QTest::newRow("lower case") << "qm01" << 100 << false << false;
    QTest::newRow("beyond the range") << "QM13" << 100 << false << false;
    QTest::newRow("leading blank") << " QM01" << 100 << false << false;
    QTest::newRow("known without firmware") << "QM05" << 0 << true << false;
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

void TestDevClock::statusText_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QDateTime>("lastUpdate");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("severity");

    const QDateTime never;
    QTest::newRow("synchronised") << 0 << never
                                  << "Synchronized: ntp1\nLast synchronization time: 10:00:00" << 0;
    QTest::newRow("time-out") << 1 << never << "Ntp server timeout\nLast synchronization: ntp1:10:00:00" << 1;
    QTest::newRow("other reads as time-out") << 2 << never
                                             << "Ntp server timeout\nLast synchronization: ntp1:10:00:00" << 1;
    QTest::newRow("no connection") << 3 << never << "Connection error" << 2;
    QTest::newRow("disabled") << 4 << never << "Ntp synchronization disabled" << 1;
    QTest::newRow("no status") << 5 << never << "No status available" << 1;
    QTest::newRow("no authentication") << 6 << never << "No authentication" << 2;
    QTest::newRow("unknown state") << 7 << never << "" << -1;
    QTest::newRow("with the last update") << 3 << QDateTime(QDate(2026, 3, 9), QTime(7, 5, 3))
                                          << "Connection error\nLast status update: 09.03.2026 07:05:03" << 2;
}

void TestDevClock::statusText()
{
    QFETCH(int, state);
    QFETCH(QDateTime, lastUpdate);
    QFETCH(QString, text);
    QFETCH(int, severity);
    DevClock clock;
    clock.status.NtpSynchronization = state;
    clock.status.lastNtpServer = QStringLiteral("ntp1");
    clock.status.lastSyncTime = QStringLiteral("10:00:00");
    clock.status.lastStatusUpdate = lastUpdate;
    QCOMPARE(clock.statusText(), text);
    QCOMPARE(clock.ntpSeverity(), severity);
}

void TestDevClock::lastErrorText_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("duplicate");
    QTest::addColumn<QString>("text");

    QTest::newRow("no error") << -1 << false << "OK";
    QTest::newRow("authorization") << 1 << false << "Authorization error";
    QTest::newRow("connection") << 2 << false << "Connection error";
    QTest::newRow("no response") << 3 << false << "Device is not responding";
    QTest::newRow("host not found has no text") << 4 << false << "";
    QTest::newRow("duplicate address") << -1 << true << "OK - IP duplicate found";
    QTest::newRow("duplicate without a text") << 6 << true << " - IP duplicate found";
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

void TestDevClock::parseNetworkSettings_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("statusCode");
    QTest::addColumn<bool>("dhcpBefore");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("lastError");
    // user, name, subnet, gateway, DHCP, primary DNS, secondary DNS, ip
    QTest::addColumn<QStringList>("fields");

    const QStringList untouched{"olduser", "Lobby", "255.255.255.0", "192.168.0.1", "on",
                                "8.8.8.8", "4.4.4.4", "192.168.0.30"};
    QTest::newRow("only subnet and DHCP") << "D_001=255.0.0.0&D_007=1" << 0 << false << true << -1
                                          << QStringList{"admin", "", "255.0.0.0", "", "on", "8.8.8.8", "4.4.4.4", "192.168.0.30"};
    QTest::newRow("DHCP 0") << "&D_006=Hall&D_007=0" << 200 << true << true << -1
                            << QStringList{"admin", "Hall", "", "", "off", "8.8.8.8", "4.4.4.4", "192.168.0.30"};
    QTest::newRow("DHCP text other than 1") << "D_007=yes" << 0 << true << true << -1
                                            << QStringList{"admin", "", "", "", "off", "8.8.8.8", "4.4.4.4", "192.168.0.30"};
    QTest::newRow("DHCP absent keeps it") << "D_006=Hall" << 0 << true << true << -1
                                          << QStringList{"admin", "Hall", "", "", "on", "8.8.8.8", "4.4.4.4", "192.168.0.30"};
    QTest::newRow("full reply, ip not taken")
        << "&D_000=10.0.0.9&D_001=255.255.0.0&D_002=10.0.0.1&D_006=Gate A&D_007=0&D_009=1.1.1.1&D_010=9.9.9.9"
        << 0 << true << true << -1
        << QStringList{"admin", "Gate A", "255.255.0.0", "10.0.0.1", "off", "1.1.1.1", "9.9.9.9", "192.168.0.30"};
    QTest::newRow("refused with 401") << "D_001=255.0.0.0&D_007=0" << 401 << true << false << 1 << untouched;
    QTest::newRow("no pair in the reply") << "Unauthorized" << 0 << true << false << 2 << untouched;
    QTest::newRow("empty reply") << "" << 0 << true << false << 2 << untouched;
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
    QCOMPARE((QStringList{clock.user, clock.name, n.subnet, n.gateway, n.DHCP ? "on" : "off",
                          n.dnsPrimary, n.dnsSecondary, n.ip}),
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
    for (int i = 0; i < 5; ++i)
        listed.setNtpStatus(NtpNoConnection);

    DevClock refreshed;
    refreshed.network.ip = QStringLiteral("10.0.0.1");
    refreshed.productCode = QStringLiteral("QM09");
    refreshed.name = QStringLiteral("Hall");
    refreshed.firmware = 210;
    refreshed.user = QStringLiteral("u");
    refreshed.network.dnsSecondary = QStringLiteral("9.9.9.9");
    refreshed.network.DHCP = true;
    QVERIFY(refreshed.parseStatus("a&b&19.5&C&8&X&E1&ntp9 timeout&d - 11:11&1", 0));

    listed.updateFrom(refreshed);
    QCOMPARE(listed.network.ip, QStringLiteral("192.168.0.40"));
    QCOMPARE(listed.productCode, QStringLiteral("QM04"));
    QCOMPARE(listed.status.lastStatusUpdate, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    QCOMPARE(listed.config().TimeZone, 17);
    QCOMPARE(listed.name, QStringLiteral("Hall"));
    QCOMPARE(listed.firmware, 210);
    QCOMPARE(listed.user, QStringLiteral("u"));
    QCOMPARE(listed.network.dnsSecondary, QStringLiteral("9.9.9.9"));
    QVERIFY(listed.network.DHCP);
    QCOMPARE(statusFields(listed),
             (QStringList{"1", "19.5", "C", "8", "3", "E1", "ntp9", "11:11", "on"}));
    // The copied state counts as one more poll on the listed clock's counters.
    QCOMPARE(listed.alertCounters[NtpTimeout].counter, 10);
    QCOMPARE(listed.alertCounters[NtpNoConnection].counter, 48);
}

void TestDevClock::configRepliesNeedStatus200_data()
{
    QTest::addColumn<int>("statusCode");
    QTest::addColumn<bool>("result");

    QTest::newRow("200 decodes") << 200 << true;
    QTest::newRow("0 is refused") << 0 << false;
    QTest::newRow("401 is refused") << 401 << false;
}

void TestDevClock::configRepliesNeedStatus200()
{
    QFETCH(int, statusCode);
    QFETCH(bool, result);

    QString time;
    for (int i = 0; i < 12; ++i)
        time += QStringLiteral("&A_%1=1").arg(i, 3, 10, QLatin1Char('0'));
    QString display;
    for (int i = 0; i < 19; ++i)
        display += QStringLiteral("&B_%1=1").arg(i, 3, 10, QLatin1Char('0'));
    QStringList alarmFields{"x"};
    for (int slot = 0; slot < 30; ++slot)
        alarmFields << "1" << "06:30" << "5" << "All days" << "0" << "" << "" << "";

    DevClock clock;
    QCOMPARE(clock.parseTimeConfig(time, statusCode), result);
    QCOMPARE(clock.config().MasterMode, result);
    QCOMPARE(clock.parseDisplayConfig(display, statusCode), result);
    QCOMPARE(clock.config().ShowTime, result);
    QCOMPARE(clock.parseAlarmConfig(alarmFields.join('&'), statusCode), result);
    QCOMPARE(clock.config().alarms[29].Active, result);
    QCOMPARE(clock.hasConfig(), result);
}

QTEST_GUILESS_MAIN(TestDevClock)
#include "tst_devclock.moc"
