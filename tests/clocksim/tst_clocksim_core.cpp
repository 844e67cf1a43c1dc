// The simulator's request parser and write handling, in process.
#include "ClockEndpoints.h"
#include "HttpRequestParser.h"
#include "SimClock.h"

#include <QtTest>

Q_DECLARE_METATYPE(HttpRequestParser::State)

class TestClockSimCore : public QObject
{
    Q_OBJECT

private slots:
    void requestParser_data();
    void requestParser();
    void alarmWrites_data();
    void alarmWrites();
    void networkAddress_data();
    void networkAddress();
    void statusDrift_data();
    void statusDrift();
};

void TestClockSimCore::requestParser_data()
{
    using State = HttpRequestParser::State;
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<State>("state");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("body");

    const QByteArray head = "POST /A1 HTTP/1.1\r\nContent-Length: 5\r\n\r\n";
    QTest::newRow("body one byte short") << QList<QByteArray>{head + "&A=1"} << State::Incomplete << QByteArray()
                                           << QByteArray();
    QTest::newRow("head and body in one piece") << QList<QByteArray>{head + "&A_02"} << State::Complete << head
                                                << QByteArray("&A_02");
    QList<QByteArray> bytes;
    for (char c : head + "12345")
        bytes << QByteArray(1, c);
    QTest::newRow("byte by byte") << bytes << State::Complete << head << QByteArray("12345");
    QTest::newRow("body arrives later") << QList<QByteArray>{head, "12", "345"} << State::Complete << head
                                        << QByteArray("12345");
    QTest::newRow("bytes after the body are ignored") << QList<QByteArray>{head + "12345POST /F", "more"}
                                                      << State::Complete << head << QByteArray("12345");
    const QByteArray noLength = "POST /D HTTP/1.1\r\nAuthorization: Basic x\r\n\r\n";
    QTest::newRow("no length means no body") << QList<QByteArray>{noLength + "junk"} << State::Complete << noLength
                                             << QByteArray();
    QTest::newRow("endless head") << QList<QByteArray>{"POST /F HTTP/1.1\r\nX: " + QByteArray(9000, 'a')}
                                  << State::TooLarge << QByteArray() << QByteArray();
    QTest::newRow("head ends just past the limit")
        << QList<QByteArray>{"POST /F HTTP/1.1\r\nX: " + QByteArray(8200, 'a') + "\r\n\r\n"} << State::TooLarge
        << QByteArray() << QByteArray();
    QTest::newRow("declared body over the limit")
        << QList<QByteArray>{"POST /C0 HTTP/1.1\r\nContent-Length: 65537\r\n\r\n"} << State::TooLarge << QByteArray()
        << QByteArray();
    QTest::newRow("length of twenty digits")
        << QList<QByteArray>{"POST /C0 HTTP/1.1\r\nContent-Length: 18446744073709551617\r\n\r\n"} << State::TooLarge
        << QByteArray() << QByteArray();
    QTest::newRow("negative length") << QList<QByteArray>{"POST /F HTTP/1.1\r\nContent-Length: -1\r\n\r\n"}
                                     << State::Invalid << QByteArray() << QByteArray();
    QTest::newRow("path without slash") << QList<QByteArray>{"POST F HTTP/1.1\r\n\r\n"} << State::Invalid
                                        << QByteArray() << QByteArray();
    QTest::newRow("bare line feeds never end the head") << QList<QByteArray>{"POST /F HTTP/1.1\n\n"}
                                                        << State::Incomplete << QByteArray() << QByteArray();
}

void TestClockSimCore::requestParser()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(HttpRequestParser::State, state);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, body);

    HttpRequestParser parser;
    for (const QByteArray& piece : pieces)
        parser.feed(piece);
    QCOMPARE(parser.state(), state);
    if (state == HttpRequestParser::State::Complete) {
        QCOMPARE(parser.head(), head);
        QCOMPARE(parser.body(), body);
    }
}

void TestClockSimCore::alarmWrites_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("active"); // slots 0..3

    QTest::newRow("parameters before the first slot have no slot")
        << QByteArray("&C_001=1&C_000=1&C_001=1") << QStringList{"0", "1", "0", "0"};
    QTest::newRow("an impossible slot drops its group")
        << QByteArray("&C_000=30&C_001=1&C_000=x&C_001=1&C_000=-1&C_001=1") << QStringList{"0", "0", "0", "0"};
    QTest::newRow("a later value wins") << QByteArray("&C_000=3&C_001=1&C_001=2") << QStringList{"0", "0", "0", "2"};
    QTest::newRow("fragments without a value are skipped")
        << QByteArray("&&C_000=2&C_001&=5&C_001=1") << QStringList{"0", "0", "1", "0"};
}

void TestClockSimCore::alarmWrites()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, active);

    SimClock clock;
    ClockEndpoints::handle(clock, "/C0", body, SimMoment());
    QStringList actual;
    for (int slot = 0; slot < active.size(); ++slot)
        actual << clock.alarms.at(slot).active;
    QCOMPARE(actual, active);
    QCOMPARE(clock.alarms.size(), 30);
}

void TestClockSimCore::networkAddress_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<QString>("address");

    QTest::newRow("next address") << QByteArray("192.168.0.12") << true << "192.168.0.12";
    QTest::newRow("same address") << QByteArray("192.168.0.11") << false << "192.168.0.11";
    QTest::newRow("empty, as after .254") << QByteArray() << false << "192.168.0.11";
    QTest::newRow("number over 255") << QByteArray("192.168.0.300") << false << "192.168.0.11";
    QTest::newRow("three numbers") << QByteArray("192.168.12") << false << "192.168.0.11";
    QTest::newRow("limited broadcast") << QByteArray("255.255.255.255") << false << "192.168.0.11";
    QTest::newRow("any address") << QByteArray("0.0.0.0") << false << "192.168.0.11";
    QTest::newRow("multicast") << QByteArray("224.0.0.1") << false << "192.168.0.11";
}

void TestClockSimCore::networkAddress()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, moves);
    QFETCH(QString, address);

    SimClock clock;
    clock.ip = QHostAddress(QStringLiteral("192.168.0.11"));
    const EndpointReply reply = ClockEndpoints::handle(clock, "/D0", "&D_000=" + value + "&D_001=255.0.0.0", SimMoment());
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.moves, moves);
    // The clock itself moves only when the caller has delivered the reply.
    QCOMPARE(clock.ip.toString(), QStringLiteral("192.168.0.11"));
    QVERIFY(reply.body.startsWith("D_000=" + address.toLatin1() + "&D_001=255.0.0.0&"));
    QCOMPARE(clock.network.value(QStringLiteral("D_001")), QStringLiteral("255.0.0.0"));
}

void TestClockSimCore::statusDrift_data()
{
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<QString>("interval"); // A_015
    QTest::addColumn<QString>("fields");   // temperature, brightness, server and word, sync time

    QTest::newRow("at the start") << qint64(0) << "0" << "21.5|50|a.example OK|06.12.2026 - 10:00:00";
    QTest::newRow("second query goes to the second server")
        << qint64(74000) << "0" << "22.2|61|b.example OK|06.12.2026 - 09:59:50";
    QTest::newRow("servers taken in turn") << qint64(128000) << "0" << "21.3|31|a.example OK|06.12.2026 - 10:00:00";
    QTest::newRow("five-minute interval") << qint64(70000) << "1" << "22.3|63|a.example OK|06.12.2026 - 09:58:50";
}

void TestClockSimCore::statusDrift()
{
    QFETCH(qint64, elapsedMs);
    QFETCH(QString, interval);
    QFETCH(QString, fields);

    SimClock clock;
    clock.time.insert(QStringLiteral("A_005"), QStringLiteral("a.example"));
    clock.time.insert(QStringLiteral("A_007"), QStringLiteral("b.example")); // gaps are skipped
    clock.time.insert(QStringLiteral("A_015"), interval);
    SimMoment moment;
    moment.now = QDateTime(QDate(2026, 12, 6), QTime(10, 0));
    moment.elapsedMs = elapsedMs;
    const QStringList reply = QString::fromUtf8(ClockEndpoints::statusReply(clock, moment)).split(QLatin1Char('&'));
    QCOMPARE(reply.size(), 10);
    QCOMPARE(QStringList({reply.at(2), reply.at(4), reply.at(7), reply.at(8)}).join(QLatin1Char('|')), fields);
}

QTEST_APPLESS_MAIN(TestClockSimCore)
#include "tst_clocksim_core.moc"
