// The request-head parser of the metrics listener, fed as a socket would feed it.
#include "ScrapeRequestParser.h"

#include <QtTest>

using State = ScrapeRequestParser::State;
Q_DECLARE_METATYPE(ScrapeRequestParser::State)

class TestMetrics : public QObject
{
    Q_OBJECT

private slots:
    void requestHead_data();
    void requestHead();
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
    QTest::newRow("bare line feeds, query dropped") << QByteArrayList{"GET /metrics?name[]=up HTTP/1.1\n\n"}
                                                    << State::Complete << QByteArray("/metrics");
    QTest::newRow("head not ended yet") << QByteArrayList{"GET /metrics HTTP/1.1\r\nHost: x\r\n"}
                                        << State::Incomplete << QByteArray();
    QTest::newRow("garbage") << QByteArrayList{"\x16\x03\x01\x02\xfc\x03\x03\n\n"} << State::Malformed
                             << QByteArray();
    QTest::newRow("two blanks in the request line") << QByteArrayList{"GET  /metrics HTTP/1.1\r\n\r\n"}
                                                    << State::Malformed << QByteArray();
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

QTEST_APPLESS_MAIN(TestMetrics)
#include "tst_metrics.moc"
