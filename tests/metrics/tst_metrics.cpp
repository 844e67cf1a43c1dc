// The request-head parser and the metrics page, without a network.
#include "ClockRegistry.h"
#include "DevClock.h"
#include "ScrapeRequestParser.h"
#include "MetricsHttpServer.h"
#include "MonitorMetrics.h"

#include <QtTest>

using State = ScrapeRequestParser::State;
Q_DECLARE_METATYPE(ScrapeRequestParser::State)

class TestMetrics : public QObject
{
    Q_OBJECT

private slots:
    void requestHead_data();
    void requestHead();
    void listenAddress_data();
    void listenAddress();
    void page();
};

void TestMetrics::requestHead_data()
{
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::addColumn<State>("state");
    QTest::addColumn<QByteArray>("path");

    const QByteArray scrape = "GET /metrics HTTP/1.1\r\nHost: 10.0.0.1:9464\r\nAccept: text/plain\r\n\r\n";
    QTest::newRow("scrape in one piece") << QByteArrayList{scrape} << State::Complete << QByteArray("/metrics");
    QByteArrayList bytes;
    for (char c : scrape)
        bytes << QByteArray(1, c);
    QTest::newRow("scrape byte by byte") << bytes << State::Complete << QByteArray("/metrics");
    QTest::newRow("CRLF split across pieces") << QByteArrayList{"GET /metrics HTTP/1.0\r\n\r", "\n"}
                                              << State::Complete << QByteArray("/metrics");
    QTest::newRow("bare line feeds, query dropped") << QByteArrayList{"GET /metrics?name[]=up HTTP/1.1\n\n"}
                                                    << State::Complete << QByteArray("/metrics");
    QTest::newRow("empty lines before the request") << QByteArrayList{"\r\n\r\nHEAD / HTTP/1.1\r\n\r\n"}
                                                    << State::Complete << QByteArray("/");
    QTest::newRow("head not ended yet") << QByteArrayList{"GET /metrics HTTP/1.1\r\nHost: x\r\n"}
                                        << State::Incomplete << QByteArray();
    QTest::newRow("garbage") << QByteArrayList{"\x16\x03\x01\x02\xfc\x03\x03\n\n"} << State::Malformed
                             << QByteArray();
    QTest::newRow("two blanks in the request line") << QByteArrayList{"GET  /metrics HTTP/1.1\r\n\r\n"}
                                                    << State::Malformed << QByteArray();
    QTest::newRow("absolute target") << QByteArrayList{"GET http://a/metrics HTTP/1.1\r\n\r\n"} << State::Malformed
                                     << QByteArray();
    QTest::newRow("HTTP/2 preface") << QByteArrayList{"PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n"} << State::Malformed
                                    << QByteArray();
    QTest::newRow("blank before the colon") << QByteArrayList{"GET / HTTP/1.1\r\nHost : x\r\n\r\n"}
                                            << State::Malformed << QByteArray();
    QTest::newRow("folded header line") << QByteArrayList{"GET / HTTP/1.1\r\nA: b\r\n c\r\n\r\n"}
                                        << State::Malformed << QByteArray();
    QTest::newRow("NUL in a header value") << QByteArrayList{QByteArray("GET / HTTP/1.1\r\nA: b\0c\r\n\r\n", 26)}
                                           << State::Malformed << QByteArray();
    QTest::newRow("1 MB header") << QByteArrayList{"GET / HTTP/1.1\r\nX: " + QByteArray(1 << 20, 'a') + "\r\n\r\n"}
                                 << State::TooLarge << QByteArray();
}

void TestMetrics::requestHead()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(State, state);
    QFETCH(QByteArray, path);

    ScrapeRequestParser parser;
    for (const QByteArray &piece : pieces)
        parser.feed(piece);
    QCOMPARE(parser.state(), state);
    QCOMPARE(parser.path(), path);
    QVERIFY(parser.room() >= 0);
}

void TestMetrics::listenAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address"); // "" when refused
    QTest::addColumn<int>("port");

    QTest::newRow("port alone binds loopback only") << "9464" << "127.0.0.1" << 9464;
    QTest::newRow("every interface") << "0.0.0.0:9464" << "0.0.0.0" << 9464;
    QTest::newRow("bracketed IPv6") << "[::1]:9100" << "::1" << 9100;
    QTest::newRow("port beyond 65535") << "70000" << "" << 0;
    QTest::newRow("address out of range") << "300.1.1.1:80" << "" << 0;
}

void TestMetrics::listenAddress()
{
    QFETCH(QString, text);
    QFETCH(QString, address);
    QFETCH(int, port);

    QHostAddress parsedAddress;
    quint16 parsedPort = 0;
    QCOMPARE(MetricsHttpServer::parseListenAddress(text, parsedAddress, parsedPort), !address.isEmpty());
    if (!address.isEmpty()) {
        QCOMPARE(parsedAddress, QHostAddress(address));
        QCOMPARE(int(parsedPort), port);
    }
}

void TestMetrics::page()
{
    ClockRegistry::resetForTest();
    ClockRegistry *registry = ClockRegistry::instance();
    const QDateTime now = QDateTime::currentDateTime();
    const auto addClock = [registry](const QString &name, const QString &ip, quint64 id) {
        auto *clock = new DevClock;
        clock->name = name;
        clock->network.ip = ip;
        clock->id = id;
        registry->addClock(clock);
        return clock;
    };
    DevClock *odd = addClock("Hall \"A\"\\\n2", "192.168.0.20", 1);
    odd->status.temperature = 212.0f;
    odd->status.temperatureUnit = "F";
    odd->status.lastStatusUpdate = now.addMSecs(-2500);
    addClock("Fresh one", "192.168.0.11", 2);
    addClock("Fresh one", "192.168.0.11", 3);
    registry->createGroup("Floor 1");
    registry->setClockGroup(1, 0);
    registry->setClockGroup(2, 0);

    MonitorMetrics metrics;
    metrics.recordPollRound();
    metrics.recordPoll(1, true);
    metrics.recordPoll(2, false);
    metrics.recordAlertMail(false);
    const QByteArray page = metrics.render(*registry, now);

    const QByteArray odds = R"({name="Hall \"A\"\\\n2",ip="192.168.0.20",group=""})";
    const QByteArray fresh = R"({name="Fresh one",ip="192.168.0.11",group="Floor 1")";
    for (const QByteArray &line : {"zentick_clock_up" + odds + " 1\n", "zentick_clock_up" + fresh + "} 0\n",
                                   "zentick_clock_ntp_state" + fresh + ",occurrence=\"2\"} 5\n",
                                   "zentick_clock_temperature_celsius" + odds + " 100\n",
                                   "zentick_clock_status_age_seconds" + odds + " 2.5\n",
                                   QByteArray("zentick_monitor_polls_failed_total 1\n"),
                                   QByteArray("zentick_monitor_alert_mails_failed_total 1\n")})
        QVERIFY2(page.contains(line), line.constData());
    // Never polled, never read: no up, temperature or age sample at all.
    QCOMPARE(page.count("zentick_clock_up{"), 2);
    QCOMPARE(page.count("zentick_clock_temperature_celsius{"), 1);
    QCOMPARE(page.count("zentick_clock_status_age_seconds{"), 1);
    ClockRegistry::resetForTest();
}

QTEST_APPLESS_MAIN(TestMetrics)
#include "tst_metrics.moc"
