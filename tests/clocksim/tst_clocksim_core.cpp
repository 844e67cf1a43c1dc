// The simulator's request parser and write handling in process.
#include "ClockEndpoints.h"
#include "HttpRequestParser.h"
#include "SimClock.h"
#include "TestRows.h"

#include <QtTest>

namespace {

const QString rows = QStringLiteral("clocksim/core.rows");

} // namespace

class TestClockSimCore : public QObject
{
    Q_OBJECT

private slots:
    void requestParser_data() { TestRows::add(rows); }
    void requestParser();
    void alarmWrites_data() { TestRows::add(rows); }
    void alarmWrites();
    void networkAddress_data() { TestRows::add(rows); }
    void networkAddress();
};

void TestClockSimCore::requestParser()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(int, state);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, body);

    HttpRequestParser parser;
    for (const QByteArray &piece : pieces)
        parser.feed(piece);
    QCOMPARE(int(parser.state()), state);
    if (parser.state() == HttpRequestParser::State::Complete) {
        QCOMPARE(parser.head(), head);
        QCOMPARE(parser.body(), body);
    }
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
}

QTEST_GUILESS_MAIN(TestClockSimCore)
#include "tst_clocksim_core.moc"
