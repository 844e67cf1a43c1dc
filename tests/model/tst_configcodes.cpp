#include "model/ClockConfig.h"
#include "model/ConfigCodes.h"
#include "model/ParameterText.h"
#include "tests/support/SampleConfig.h"
#include "tests/support/TestRows.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

const QString rows = QStringLiteral("model/configcodes.rows");

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

// Every field random, so that a decoder that skips a field or reads another
// one's code shows.
void randomise(ClockConfigFields &c, QRandomGenerator &random)
{
    const auto n = [&random] { return random.bounded(-100000, 100000); };
    const auto yes = [&random] { return random.bounded(2) == 1; };
    const auto time = [&random] { return random.bounded(5) ? QTime(random.bounded(24), random.bounded(60)) : QTime(); };
    const auto text = [&random] {
        static const QString alphabet = QString::fromUtf8("abcXYZ019.-_: üß");
        QString t;
        for (int i = random.bounded(20); i > 0; --i)
            t += alphabet.at(random.bounded(alphabet.size()));
        return t;
    };
    c.Localization = n(); c.TimeZone = n(); c.QueryInterval = n(); c.Mode = n();
    c.SummerTimeStartDate = n(); c.SummerTimeEndDate = n(); c.SummerTimeStartDay = n(); c.SummerTimeEndDay = n();
    c.SummerTimeStartMonth = n(); c.SummerTimeEndMonth = n();
    c.SummerTimeStartTime = time(); c.SummerTimeEndTime = time();
    c.TimeZoneActive = yes(); c.DaylightSaving = yes(); c.MasterMode = yes();
    c.Server1 = text(); c.Server2 = text(); c.Server3 = text(); c.Server4 = text(); c.Server5 = text();
    c.ShowTime = yes(); c.ShowTemp = yes(); c.ShowDate = yes(); c.TimeLeadingZeros = yes();
    c.BlinkingTimeColon = yes(); c.TemperatureOffset = yes(); c.Synchronization = yes(); c.EcoMode = yes();
    c.DurationTime = n(); c.DurationTemp = n(); c.DurationDate = n(); c.FormatDate = n(); c.FormatTime = n();
    c.Brightness = n(); c.BrightnessProfile = n(); c.TemperatureUnit = n(); c.SynchronizationMode = n();
    c.typeface = n();
    c.TemperatureOffsetValue = random.bounded(-999, 1000) / 10.0f;
    c.MasterIP = text();
    c.EcoStart = time(); c.EcoEnd = time();
    for (Alarm &a : c.alarms) {
        a.Active = yes(); a.Time = time(); a.Duration = n(); a.SelectedDaysMode = yes();
        a.setDayMask(random.bounded(128));
    }
}

} // namespace

// A configuration's travel to a clock and back: the bodies byte for byte,
// the replies and what unsafe text is refused.
class TestConfigCodes : public QObject
{
    Q_OBJECT

private slots:
    void bodies_data() { TestRows::add(rows); }
    void bodies();
    void displayFragments_data() { TestRows::add(rows); }
    void displayFragments();
    void timeReplies_data() { TestRows::add(rows); }
    void timeReplies();
    void displayReplies_data() { TestRows::add(rows); }
    void displayReplies();
    void alarmReplies_data() { TestRows::add(rows); }
    void alarmReplies();
    void roundTripOfRandomConfigurations();
    void unsafeText_data() { TestRows::add(rows); }
    void unsafeText();
};

void TestConfigCodes::bodies()
{
    QFETCH(bool, sample);
    QFETCH(QByteArray, time);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, alarms);
    ClockConfig c;
    if (sample)
        SampleConfig::fill(c, 7);
    QCOMPARE(encodeTimeConfig(c), time);
    QCOMPARE(encodeDisplayConfig(c), display);
    QCOMPARE(encodeAlarmConfig(c), alarms);
}

void TestConfigCodes::displayFragments()
{
    QFETCH(float, offset);
    QFETCH(bool, synchronization);
    QFETCH(QStringList, fragments);
    ClockConfig c;
    c.TemperatureOffsetValue = offset;
    c.Synchronization = synchronization;
    c.MasterIP = QStringLiteral("192.168.1.20");
    const QByteArray body = encodeDisplayConfig(c);
    for (const QString &fragment : fragments)
        QVERIFY2(body.contains(fragment.toUtf8()), body);
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
                          QString::number(c.SummerTimeEndMonth), c.SummerTimeStartTime.toString("hh:mm")}),
             fields);
    QVERIFY(!c.loaded);
    QCOMPARE(c.sameContent(*before), !result);
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

void TestConfigCodes::alarmReplies()
{
    QFETCH(int, fields);
    QFETCH(QString, modeWord);
    QFETCH(bool, result);
    QFETCH(bool, selectedDays);

    QStringList reply{"C0"};
    for (int slot = 0; slot < alarmCount; ++slot)
        reply << "1" << "07:45" << "30" << modeWord << "69" << "0" << "" << "";
    ClockConfig c;
    for (Alarm &a : c.alarms)
        a.SelectedDaysMode = true;
    const auto before = ClockConfig::copy(c);

    QCOMPARE(decodeAlarmConfig(c, reply.mid(0, fields).join('&')), result);
    QCOMPARE(c.loaded, result);
    QCOMPARE(c.sameContent(*before), !result);
    const Alarm expected{result, QTime(7, 45), 30, selectedDays, true, false, true, false, false, false, true};
    for (const Alarm &a : c.alarms)
        QVERIFY(!result || a == expected);
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

        const QString where = QStringLiteral("seed %1").arg(seed);
        QVERIFY2(decodeTimeConfig(received, QString::fromUtf8(encodeTimeConfig(sent))), qPrintable(where));
        QVERIFY(decodeDisplayConfig(received, QString::fromUtf8(encodeDisplayConfig(sent))));
        QVERIFY(!received.loaded);
        QVERIFY(decodeAlarmConfig(received, alarmReplyFromBody(encodeAlarmConfig(sent))));

        ClockConfigFields expected = sent;
        expected.loaded = true;
        // An unused master address goes out as "on" and comes back so.
        if (!sent.Synchronization)
            expected.MasterIP = QStringLiteral("on");
        QVERIFY2(received.sameContent(expected), qPrintable(where));
    }
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
