#include "ClockConfig.h"
#include "ConfigCodes.h"
#include "ParameterText.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// The alarm reply a clock gives for a configuration: field 0, then per slot
// active, time, duration, mode word, day mask and three unused fields.
QStringList alarmReplyFields(const ClockConfig &c)
{
    QStringList fields{QStringLiteral("C0")};
    for (const Alarm &a : c.alarms) {
        fields << QString::number(a.Active ? 1 : 0) << a.Time.toString(QStringLiteral("hh:mm"))
               << QString::number(a.Duration)
               << (a.SelectedDaysMode ? QStringLiteral("Selected days") : QStringLiteral("All days"))
               << QString::number(a.dayMask()) << QStringLiteral("0") << QString() << QString();
    }
    return fields;
}

// What the clock would echo for the alarm body we sent it: the C body is
// key=value with repeating codes, the reply a plain list of fields.
QString alarmReplyFromBody(const QByteArray &body)
{
    const QList<QByteArray> parameters = body.mid(1).split('&');
    QStringList fields{QStringLiteral("C0")};
    for (int i = 0; i + 5 < parameters.size(); i += 6) {
        const auto value = [&](int k) {
            const QByteArray &p = parameters.at(i + k);
            return QString::fromUtf8(p.mid(p.indexOf('=') + 1));
        };
        fields << value(1) << value(2) << value(3)
               << (value(4) == QLatin1String("1") ? QStringLiteral("Selected days") : QStringLiteral("All days"))
               << value(5) << QString() << QString() << QString();
    }
    return fields.join(QLatin1Char('&'));
}

QTime randomTime(QRandomGenerator &random)
{
    if (random.bounded(5) == 0)
        return QTime();
    return QTime(random.bounded(24), random.bounded(60));
}

QString randomText(QRandomGenerator &random)
{
    static const QString alphabet = QString::fromUtf8("abcXYZ019.-_: üß");
    QString text;
    const int length = random.bounded(20);
    for (int i = 0; i < length; ++i)
        text += alphabet.at(random.bounded(alphabet.size()));
    return text;
}

void randomise(ClockConfig &c, QRandomGenerator &random)
{
    const auto number = [&random] { return random.bounded(-100000, 100000); };
    const auto yes = [&random] { return random.bounded(2) == 1; };
    c.Localization = number();
    c.TimeZoneActive = yes();
    c.TimeZone = number();
    c.DaylightSaving = yes();
    c.SummerTimeStartTime = randomTime(random);
    c.SummerTimeEndTime = randomTime(random);
    c.SummerTimeStartDate = number();
    c.SummerTimeEndDate = number();
    c.SummerTimeStartDay = number();
    c.SummerTimeEndDay = number();
    c.SummerTimeStartMonth = number();
    c.SummerTimeEndMonth = number();
    c.QueryInterval = number();
    c.Mode = number();
    for (int i = 0; i < 5; ++i)
        c.setServer(i, randomText(random));
    c.MasterMode = yes();
    c.ShowTime = yes();
    c.ShowTemp = yes();
    c.ShowDate = yes();
    c.DurationTime = number();
    c.DurationTemp = number();
    c.DurationDate = number();
    c.FormatDate = number();
    c.FormatTime = number();
    c.TimeLeadingZeros = yes();
    c.BlinkingTimeColon = yes();
    c.Brightness = number();
    c.BrightnessProfile = number();
    c.TemperatureUnit = number();
    c.TemperatureOffset = yes();
    c.TemperatureOffsetValue = random.bounded(-999, 1000) / 10.0f;
    c.Synchronization = yes();
    c.SynchronizationMode = number();
    c.MasterIP = randomText(random);
    c.EcoMode = yes();
    c.EcoStart = randomTime(random);
    c.EcoEnd = randomTime(random);
    c.typeface = number();
    for (Alarm &a : c.alarms) {
        a.Active = yes();
        a.Time = randomTime(random);
        a.Duration = number();
        a.SelectedDaysMode = yes();
        a.setDayMask(random.bounded(128));
    }
}

QString timeReply(int keys)
{
    QStringList pairs;
    for (int i = 0; i < keys; ++i)
        pairs << QStringLiteral("A_%1=1").arg(i, 3, 10, QLatin1Char('0'));
    return pairs.join(QLatin1Char('&'));
}

} // namespace

class TestConfigCodes : public QObject
{
    Q_OBJECT

private slots:
    void emptyConfigurationBodies();
    void filledTimeBody();
    void displayBodyFragments_data();
    void displayBodyFragments();
    void alarmBody();
    void timeReplies_data();
    void timeReplies();
    void displayReplies_data();
    void displayReplies();
    void alarmReplies_data();
    void alarmReplies();
    void roundTripOfRandomConfigurations();
    void unsafeText_data();
    void unsafeText();
};

void TestConfigCodes::emptyConfigurationBodies()
{
    const ClockConfig c;
    QCOMPARE(encodeTimeConfig(c),
             QByteArray("&A_002=0&A_003=0&A_004=0&A_005=&A_006=&A_007=&A_008=&A_009=&A_010=0&A_013=0"
                        "&A_014=0&A_015=0&A_016=&A_017=0&A_018=0&A_019=1&A_020=&A_021=0&A_022=0&A_023=1"));
    QCOMPARE(encodeDisplayConfig(c),
             QByteArray("&B_000=0&B_001=0&B_005=0&B_006=0&B_002=0&B_003=0&&B_004=0&B_022=0&&B_007=0"
                        "&B_008=0&B_009=0&B_010=&B_011=&B_014=0&B_015=+0.0&B_021=0&B_023=0&B_016=0"
                        "&B_017=0&B_018=on&B_024=0&B_025=0"));
}

void TestConfigCodes::filledTimeBody()
{
    ClockConfig c;
    c.Mode = 2;
    c.TimeZone = 15;
    c.DaylightSaving = true;
    c.Server1 = QStringLiteral("pool.ntp.example");
    c.Server5 = QString::fromUtf8("zeit-ü");
    c.MasterMode = true;
    c.Localization = 5;
    c.TimeZoneActive = true;
    c.QueryInterval = 4;
    c.SummerTimeStartTime = QTime(2, 0);
    c.SummerTimeStartDate = 4;
    c.SummerTimeStartDay = 6;
    c.SummerTimeStartMonth = 2;
    c.SummerTimeEndTime = QTime(23, 59);
    c.SummerTimeEndDate = -1;
    c.SummerTimeEndDay = 6;
    c.SummerTimeEndMonth = 11;
    QCOMPARE(encodeTimeConfig(c),
             QByteArray("&A_002=2&A_003=15&A_004=1&A_005=pool.ntp.example&A_006=&A_007=&A_008="
                        "&A_009=zeit-\xc3\xbc&A_010=1&A_013=5&A_014=1&A_015=4&A_016=02:00&A_017=4"
                        "&A_018=6&A_019=3&A_020=23:59&A_021=-1&A_022=6&A_023=12"));
}

void TestConfigCodes::displayBodyFragments_data()
{
    QTest::addColumn<float>("offset");
    QTest::addColumn<bool>("synchronization");
    QTest::addColumn<QByteArray>("offsetFragment");
    QTest::addColumn<QByteArray>("masterFragment");

    QTest::newRow("positive offset, master unused") << 2.5f << false << QByteArray("&B_015=+2.5&")
                                                    << QByteArray("&B_018=on&");
    QTest::newRow("negative offset, master address sent") << -0.5f << true << QByteArray("&B_015=-0.5&")
                                                          << QByteArray("&B_018=192.168.1.20&");
    QTest::newRow("two decimals rounded to one") << 12.34f << true << QByteArray("&B_015=+12.3&")
                                                 << QByteArray("&B_018=192.168.1.20&");
    QTest::newRow("small negative rounds to plus zero") << -0.04f << false << QByteArray("&B_015=+0.0&")
                                                        << QByteArray("&B_018=on&");
    QTest::newRow("negative zero") << -0.0f << false << QByteArray("&B_015=+0.0&")
                                   << QByteArray("&B_018=on&");
}

void TestConfigCodes::displayBodyFragments()
{
    QFETCH(float, offset);
    QFETCH(bool, synchronization);
    QFETCH(QByteArray, offsetFragment);
    QFETCH(QByteArray, masterFragment);

    ClockConfig c;
    c.TemperatureOffsetValue = offset;
    c.Synchronization = synchronization;
    c.MasterIP = QStringLiteral("192.168.1.20");
    c.FormatDate = 3;
    c.Brightness = 10;
    c.EcoStart = QTime(22, 0);
    c.EcoEnd = QTime(6, 5);
    const QByteArray body = encodeDisplayConfig(c);
    QVERIFY2(body.contains(offsetFragment), body);
    QVERIFY2(body.contains(masterFragment), body);
    QVERIFY2(body.contains("&B_003=0&&B_004=3&B_022=0&&B_007=10&B_008=0&B_009=0&B_010=22:00&B_011=06:05&"), body);
    QCOMPARE(body.count('='), 22);
}

void TestConfigCodes::alarmBody()
{
    ClockConfig c;
    Alarm &first = c.alarms[0];
    first.Active = true;
    first.Time = QTime(6, 30);
    first.Duration = 45;
    first.SelectedDaysMode = true;
    first.DayActive1 = first.DayActive3 = first.DayActive7 = true;
    Alarm &last = c.alarms[29];
    last.Time = QTime(23, 5);
    last.Duration = -3;
    last.setDayMask(127);

    const QByteArray body = encodeAlarmConfig(c);
    QVERIFY2(body.startsWith("&C_000=0&C_001=1&C_002=06:30&C_003=45&C_004=1&C_005=69"
                             "&C_000=1&C_001=0&C_002=&C_003=0&C_004=0&C_005=0&C_000=2&"),
             body);
    QVERIFY2(body.endsWith("&C_000=28&C_001=0&C_002=&C_003=0&C_004=0&C_005=0"
                           "&C_000=29&C_001=0&C_002=23:05&C_003=-3&C_004=0&C_005=127"),
             body);
    QCOMPARE(body.count('='), 180);
    QCOMPARE(body.count("&C_000="), 30);
}

void TestConfigCodes::timeReplies_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("result");
    // Mode, TimeZone, Server1, QueryInterval, start month, end month, start time
    QTest::addColumn<QStringList>("fields");

    const QStringList before{"1", "7", "old", "3", "4", "9", "01:00"};
    QTest::newRow("eleven keys refused") << timeReply(11) << false << before;
    QTest::newRow("twelve keys without the summer-time rule keep it")
        << timeReply(12) << true << QStringList{"1", "1", "1", "3", "4", "9", "01:00"};
    QTest::newRow("full reply, months back to 0-based")
        << timeReply(12) + "&A_015=2&A_016=03:30&A_019=1&A_023=12" << true
        << QStringList{"1", "1", "1", "2", "0", "11", "03:30"};
    QTest::newRow("missing always-read keys read as zero and empty")
        << "&A_100=1&A_101=1&A_102=1&A_103=1&A_104=1&A_105=1&A_106=1&A_107=1&A_108=1&A_109=1&A_110=1&A_015=x"
        << true << QStringList{"0", "0", "", "0", "4", "9", "01:00"};
    QTest::newRow("bad time and month texts")
        << timeReply(12) + "&A_016=3:3:3&A_019=March&A_023=-2147483648" << true
        << QStringList{"1", "1", "1", "3", "-1", "-2147483648", ""};
    QTest::newRow("reply after headers") << "HTTP/1.1 200 OK\r\n\r\n" + timeReply(12) << true
                                         << QStringList{"1", "1", "1", "3", "4", "9", "01:00"};
}

void TestConfigCodes::timeReplies()
{
    QFETCH(QString, reply);
    QFETCH(bool, result);
    QFETCH(QStringList, fields);

    ClockConfig c;
    c.Mode = 1;
    c.TimeZone = 7;
    c.Server1 = QStringLiteral("old");
    c.QueryInterval = 3;
    c.SummerTimeStartMonth = 4;
    c.SummerTimeEndMonth = 9;
    c.SummerTimeStartTime = QTime(1, 0);
    const auto before = ClockConfig::copy(c);

    QCOMPARE(decodeTimeConfig(c, reply), result);
    QCOMPARE((QStringList{QString::number(c.Mode), QString::number(c.TimeZone), c.Server1,
                          QString::number(c.QueryInterval), QString::number(c.SummerTimeStartMonth),
                          QString::number(c.SummerTimeEndMonth),
                          c.SummerTimeStartTime.toString(QStringLiteral("hh:mm"))}),
             fields);
    QVERIFY(!c.loaded);
    if (!result)
        QVERIFY(c.sameContent(*before));
}

void TestConfigCodes::displayReplies_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("result");
    QTest::addColumn<float>("offset");
    QTest::addColumn<bool>("blinking");
    QTest::addColumn<QString>("masterIp");

    QString base;
    for (int i = 0; i < 18; ++i)
        base += QStringLiteral("&B_%1=1").arg(100 + i);
    QTest::newRow("eighteen keys refused") << base << false << 1.5f << true << "10.0.0.5";
    QTest::newRow("missing B_025 keeps the old value") << base + "&B_015=+2.5" << true << 2.5f << true << "";
    QTest::newRow("B_025 off") << base + "&B_025=0&B_018=192.168.1.20" << true << 0.0f << false
                               << "192.168.1.20";
    QTest::newRow("offset not a number") << base + "&B_015=warm" << true << 0.0f << true << "";
    QTest::newRow("offset nan") << base + "&B_015=nan" << true << 0.0f << true << "";
    QTest::newRow("negative offset") << base + "&B_015=-0.5" << true << -0.5f << true << "";
}

void TestConfigCodes::displayReplies()
{
    QFETCH(QString, reply);
    QFETCH(bool, result);
    QFETCH(float, offset);
    QFETCH(bool, blinking);
    QFETCH(QString, masterIp);

    ClockConfig c;
    c.TemperatureOffsetValue = 1.5f;
    c.BlinkingTimeColon = true;
    c.MasterIP = QStringLiteral("10.0.0.5");
    c.ShowDate = true;
    c.EcoStart = QTime(22, 0);

    QCOMPARE(decodeDisplayConfig(c, reply), result);
    QCOMPARE(c.TemperatureOffsetValue, offset);
    QCOMPARE(c.BlinkingTimeColon, blinking);
    QCOMPARE(c.MasterIP, masterIp);
    // Always-read keys that are missing read as false and invalid.
    QCOMPARE(c.ShowDate, !result);
    QCOMPARE(c.EcoStart.isValid(), !result);
    QVERIFY(!c.loaded);
}

void TestConfigCodes::alarmReplies_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("selectedDays");

    ClockConfig sample;
    for (Alarm &a : sample.alarms) {
        a.Active = true;
        a.Time = QTime(7, 45);
        a.Duration = 30;
        a.setDayMask(69);
    }
    const QStringList complete = alarmReplyFields(sample);
    QCOMPARE(complete.size(), 241);
    const QStringList exact = complete.mid(0, ConfigCodes::alarmReplyFields);

    QTest::newRow("complete reply, every day") << complete.join('&') << true << false;
    QTest::newRow("last slot without its unused fields") << exact.join('&') << true << false;
    QTest::newRow("one field short refused") << exact.mid(0, 237).join('&') << false << true;
    QTest::newRow("first two slots only refused") << complete.mid(0, 19).join('&') << false << true;
    QTest::newRow("eighteen fields refused") << complete.mid(0, 18).join('&') << false << true;
    QTest::newRow("empty reply refused") << "" << false << true;
    QStringList lower = complete;
    for (int slot = 0; slot < alarmCount; ++slot)
        lower[4 + 8 * slot] = QStringLiteral("all days");
    QTest::newRow("all days in lower case means selected days") << lower.join('&') << true << true;
}

void TestConfigCodes::alarmReplies()
{
    QFETCH(QString, reply);
    QFETCH(bool, result);
    QFETCH(bool, selectedDays);

    ClockConfig c;
    for (Alarm &a : c.alarms)
        a.SelectedDaysMode = true;
    const auto before = ClockConfig::copy(c);

    QCOMPARE(decodeAlarmConfig(c, reply), result);
    QCOMPARE(c.loaded, result);
    if (!result) {
        QVERIFY(c.sameContent(*before));
        return;
    }
    for (const Alarm &a : c.alarms) {
        QVERIFY(a.Active);
        QCOMPARE(a.Time, QTime(7, 45));
        QCOMPARE(a.Duration, 30);
        QCOMPARE(a.SelectedDaysMode, selectedDays);
        QCOMPARE(a.dayMask(), 69);
    }
}

void TestConfigCodes::roundTripOfRandomConfigurations()
{
    for (quint32 seed = 1; seed <= 500; ++seed) {
        QRandomGenerator random(seed);
        ClockConfig sent;
        randomise(sent, random);
        // The decoders must assign every field, so start from other values.
        ClockConfig received;
        randomise(received, random);

        QVERIFY2(decodeTimeConfig(received, QString::fromUtf8(encodeTimeConfig(sent))),
                 qPrintable(QStringLiteral("seed %1").arg(seed)));
        QVERIFY(decodeDisplayConfig(received, QString::fromUtf8(encodeDisplayConfig(sent))));
        QVERIFY(!received.loaded);
        QVERIFY(decodeAlarmConfig(received, alarmReplyFromBody(encodeAlarmConfig(sent))));

        ClockConfig expected;
        static_cast<ClockConfigFields &>(expected) = sent;
        expected.loaded = true;
        // An unused master address goes out as "on" and comes back so.
        if (!sent.Synchronization)
            expected.MasterIP = QStringLiteral("on");
        QVERIFY2(received.sameContent(expected), qPrintable(QStringLiteral("seed %1").arg(seed)));
    }
}

void TestConfigCodes::unsafeText_data()
{
    QTest::addColumn<int>("server"); // 1..5, or 0 for the master address
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("synchronization");
    QTest::addColumn<QString>("refused");

    QTest::newRow("host names and addresses pass") << 1 << "pool.ntp.org" << true << "";
    QTest::newRow("letters beyond ASCII pass") << 2 << QString::fromUtf8("zeit.bü.de") << true << "";
    QTest::newRow("ampersand adds a parameter") << 2 << "ntp.example&A_003=5" << false << "Server2";
    QTest::newRow("equals sign") << 5 << "a=b" << false << "Server5";
    QTest::newRow("line feed") << 3 << "ntp\nA_003" << false << "Server3";
    QTest::newRow("carriage return") << 4 << "ntp\r" << false << "Server4";
    QTest::newRow("other control character") << 1 << QString(QChar(0x7F)) << false << "Server1";
    QTest::newRow("master address while synchronised") << 0 << "10.0.0.9&B_007=0" << true << "MasterIP";
    QTest::newRow("master address unused, so not sent") << 0 << "10.0.0.9&B_007=0" << false << "";
}

void TestConfigCodes::unsafeText()
{
    QFETCH(int, server);
    QFETCH(QString, text);
    QFETCH(bool, synchronization);
    QFETCH(QString, refused);
    ClockConfig config;
    config.Synchronization = synchronization;
    if (server > 0)
        config.setServer(server - 1, text);
    else
        config.MasterIP = text;
    QCOMPARE(ParameterText::firstUnsafeField(config), refused);
}

QTEST_APPLESS_MAIN(TestConfigCodes)
#include "tst_configcodes.moc"
