// The simulator's request parser and write handling in process, and the
// clock files the program refuses.
#include "ClockEndpoints.h"
#include "HttpRequestParser.h"
#include "SimClock.h"
#include "TestRows.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString rows = QStringLiteral("clocksim/core.rows");
constexpr int kExitClockFile = 2;

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
    void badClockFile_data() { TestRows::add(rows); }
    void badClockFile();
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

void TestClockSimCore::badClockFile()
{
    QFETCH(QString, content);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("clocks.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content.toUtf8());
    file.close();

    // Ports that cannot clash with anything: the file is refused before any socket opens.
    QProcess simulator;
    simulator.start(qEnvironmentVariable("ZENTICK_BINARY_DIR") + QStringLiteral("/bin/zentick-clocksim"),
                    {"--clocks", path, "--http-port", "0", "--discovery-port", "0"});
    QVERIFY(simulator.waitForFinished(30000));
    QCOMPARE(simulator.exitCode(), kExitClockFile);
    const QString errors = QString::fromUtf8(simulator.readAllStandardError());
    QVERIFY2(errors.startsWith(QStringLiteral("zentick-clocksim: ") + path + QStringLiteral(": ")), qPrintable(errors));
    QVERIFY2(errors.contains(message), qPrintable(errors));
}

QTEST_GUILESS_MAIN(TestClockSimCore)
#include "tst_clocksim_core.moc"
