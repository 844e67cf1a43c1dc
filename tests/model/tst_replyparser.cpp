#include "ReplyParser.h"

#include <QtTest>

using StringMap = QMap<QString, QString>;
Q_DECLARE_METATYPE(StringMap)

class TestReplyParser : public QObject
{
    Q_OBJECT

private slots:
    void splitFields_data();
    void splitFields();
    void replyMap_data();
    void replyMap();
};

void TestReplyParser::splitFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("three plain fields") << "a&b&c" << QStringList{"a", "b", "c"};
    QTest::newRow("no separator") << "abc" << QStringList{"abc"};
    QTest::newRow("empty text") << "" << QStringList{""};
    QTest::newRow("trailing separator keeps an empty last field") << "a&" << QStringList{"a", ""};
    QTest::newRow("empty field between two more kept") << "a&&b&c" << QStringList{"a", "", "b", "c"};
    QTest::newRow("doubled separator before the last field drops the empty one")
        << "a&&b" << QStringList{"a", "b"};
    QTest::newRow("leading separator, single field") << "&x" << QStringList{"x"};
    QTest::newRow("leading separator, several fields") << "&x&y" << QStringList{"", "x", "y"};
    QTest::newRow("lone separator") << "&" << QStringList{""};
    QTest::newRow("two separators") << "&&" << QStringList{"", ""};
    QTest::newRow("entity in a status reply") << "a&b&21.5&#176;C&40"
                                              << QStringList{"a", "b", "21.5", "#176;C", "40"};
}

void TestReplyParser::splitFields()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    QCOMPARE(splitReplyFields(text), fields);
}

void TestReplyParser::replyMap_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<StringMap>("map");

    QTest::newRow("pairs after a leading separator")
        << "&A_002=1&A_003=15" << StringMap{{"A_002", "1"}, {"A_003", "15"}};
    QTest::newRow("doubled separator") << "&B_003=5&&B_004=2" << StringMap{{"B_003", "5"}, {"B_004", "2"}};
    QTest::newRow("only the text after the last line break")
        << "HTTP/1.1 200 OK\r\nX=y\r\n\r\nA=1&B=2" << StringMap{{"A", "1"}, {"B", "2"}};
    QTest::newRow("later key overwrites") << "A=1&A=2" << StringMap{{"A", "2"}};
    QTest::newRow("value holding an equals sign") << "K=a=b&L=c" << StringMap{{"K", "a=b"}, {"L", "c"}};
    QTest::newRow("empty value") << "K=&L=2" << StringMap{{"K", ""}, {"L", "2"}};
    QTest::newRow("empty key") << "=1" << StringMap{{"", "1"}};
    QTest::newRow("trailing separator") << "K=1&" << StringMap{{"K", "1"}};
    QTest::newRow("word without value before a pair") << "junk&K=1" << StringMap{{"K", "1"}};
    QTest::newRow("word without value at the end") << "K=1&L" << StringMap{{"K", "1"}};
    QTest::newRow("no pair at all") << "hello" << StringMap{};
    QTest::newRow("empty text") << "" << StringMap{};
    QTest::newRow("line break at the very end") << "A=1\r\n" << StringMap{};
    QTest::newRow("text value with blanks") << "D_006=Main hall&D_007=1"
                                            << StringMap{{"D_006", "Main hall"}, {"D_007", "1"}};
}

void TestReplyParser::replyMap()
{
    QFETCH(QString, text);
    QFETCH(StringMap, map);
    QCOMPARE(parseReplyMap(text), map);
}

QTEST_APPLESS_MAIN(TestReplyParser)
#include "tst_replyparser.moc"
