#include "HttpReply.h"

#include <QtTest>

// Taking a clock's reply apart: what counts as content, which failure kind a
// reply means, and when a reply is complete without waiting for quiet.
class TestHttpReply : public QObject
{
    Q_OBJECT

private slots:
    void parseAndClassify_data();
    void parseAndClassify();
    void complete_data();
    void complete();
};

void TestHttpReply::parseAndClassify_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("hasContent");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("error");

    const QByteArray page404 = "<html><head><title>404 Not Found</title></head></html>";
    const QByteArray page404WithEmptyLine = "<html><head><title>404</title></head>\r\n\r\n<body>gone</body></html>";

    QTest::newRow("200 with matching CONTENT-LENGTH")
        << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 5\r\n\r\nabcde") << "200" << true << "abcde"
        << int(NoError);
    QTest::newRow("Content-Length spelling is no length: no content, still a success")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabcde") << "200" << false << QString()
        << int(NoError);
    QTest::newRow("declared length larger than the body")
        << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 6\r\n\r\nabcde") << "200" << false << QString()
        << int(NoError);
    QTest::newRow("no length header and an empty body counts as content")
        << QByteArray("HTTP/1.1 200 OK\r\nServer: clock\r\n\r\n") << "200" << true << QString() << int(NoError);
    QTest::newRow("length with blanks around the number")
        << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH:   3  \r\n\r\nxyz") << "200" << true << "xyz"
        << int(NoError);
    QTest::newRow("later length header replaces the earlier")
        << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 9\r\nCONTENT-LENGTH: 2\r\n\r\nok") << "200" << true
        << "ok" << int(NoError);
    QTest::newRow("header line without a colon is skipped over")
        << QByteArray("HTTP/1.1 200 OK\r\nNoColonHere\r\nCONTENT-LENGTH: 2\r\n\r\nok") << "200" << true << "ok"
        << int(NoError);
    QTest::newRow("status line only") << QByteArray("HTTP/1.1 200 OK\r\n\r\n") << "200" << true << QString()
                                      << int(NoError);
    QTest::newRow("404 page with matching length")
        << (QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: ") + QByteArray::number(page404.size()) + "\r\n\r\n"
            + page404)
        << "200" << true << QString::fromLatin1(page404) << int(PageNotFound);
    QTest::newRow("404 page without a length is a success")
        << (QByteArray("HTTP/1.1 200 OK\r\n\r\n") + page404) << "200" << false << QString() << int(NoError);
    QTest::newRow("404 page holding an empty line")
        << (QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: ") + QByteArray::number(page404WithEmptyLine.size())
            + "\r\n\r\n" + page404WithEmptyLine)
        << "200" << true << QString::fromLatin1(page404WithEmptyLine) << int(PageNotFound);
    QTest::newRow("404 text not at the start of the body")
        << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 23\r\n\r\n <html><head><title>404") << "200" << true
        << " <html><head><title>404" << int(NoError);
    QTest::newRow("401 needs credentials")
        << QByteArray("HTTP/1.1 401 Unauthorized\r\nCONTENT-LENGTH: 0\r\n\r\n") << "401" << false << QString()
        << int(AuthorizationError);
    QTest::newRow("500 reads as a connection error")
        << QByteArray("HTTP/1.1 500 Internal Server Error\r\n\r\n") << "500" << false << QString()
        << int(ConnectionError);
    QTest::newRow("302 reads as a connection error")
        << QByteArray("HTTP/1.0 302 Found\r\nLocation: /\r\n\r\n") << "302" << false << QString()
        << int(ConnectionError);
    QTest::newRow("HTTP and nothing else") << QByteArray("HTTP") << "HTTP" << false << QString()
                                           << int(ConnectionError);
    QTest::newRow("not starting with HTTP")
        << QByteArray(" HTTP/1.1 200 OK\r\n\r\n") << QString() << false << QString() << int(NoResponse);
    QTest::newRow("lower-case http") << QByteArray("http/1.1 200 OK\r\n\r\n") << QString() << false << QString()
                                     << int(NoResponse);
    QTest::newRow("binary noise") << QByteArray("\x00\xff\x10HTTP", 6) << QString() << false << QString()
                                  << int(NoResponse);
    QTest::newRow("nothing received") << QByteArray() << QString() << false << QString() << int(NoResponse);
}

void TestHttpReply::parseAndClassify()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, status);
    QFETCH(bool, hasContent);
    QFETCH(QString, content);
    QFETCH(int, error);

    const HttpReply parsed = parseHttpReply(reply);
    QCOMPARE(parsed.isHttp, !status.isNull());
    QCOMPARE(parsed.status, status);
    QCOMPARE(parsed.hasContent, hasContent);
    QCOMPARE(parsed.content, content);
    QCOMPARE(int(classifyHttpReply(reply)), error);
}

void TestHttpReply::complete_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("complete");

    QTest::newRow("body as long as declared") << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 5\r\n\r\nabcde")
                                              << true;
    QTest::newRow("body still short") << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 5\r\n\r\nabc") << false;
    QTest::newRow("body longer than declared waits for quiet")
        << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 2\r\n\r\nabc") << false;
    QTest::newRow("head not finished") << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 0\r\n") << false;
    QTest::newRow("empty body declared empty") << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 0\r\n\r\n")
                                               << true;
    QTest::newRow("no length header") << QByteArray("HTTP/1.1 200 OK\r\nServer: clock\r\n\r\nabcde") << false;
    QTest::newRow("Content-Length spelling") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabcde")
                                             << false;
    QTest::newRow("length not a number") << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: x\r\n\r\n") << false;
    QTest::newRow("length among other headers")
        << QByteArray("HTTP/1.1 200 OK\r\nA: 1\r\nCONTENT-LENGTH: 3\r\nB: 2\r\n\r\nxyz") << true;
    QTest::newRow("body bytes, not characters, are counted")
        << QByteArray("HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 2\r\n\r\n\xc3\xa9") << true;
    QTest::newRow("401 with its length") << QByteArray("HTTP/1.1 401 Unauthorized\r\nCONTENT-LENGTH: 0\r\n\r\n")
                                         << true;
    QTest::newRow("not HTTP") << QByteArray("XTTP/1.1 200 OK\r\nCONTENT-LENGTH: 0\r\n\r\n") << false;
    QTest::newRow("length header in the body does not count")
        << QByteArray("HTTP/1.1 200 OK\r\n\r\nCONTENT-LENGTH: 0\r\n\r\n") << false;
}

void TestHttpReply::complete()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, complete);
    QCOMPARE(isHttpReplyComplete(reply), complete);
}

QTEST_APPLESS_MAIN(TestHttpReply)
#include "tst_httpreply.moc"
