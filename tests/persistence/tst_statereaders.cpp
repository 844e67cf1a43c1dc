#include "GoldenFile.h"
#include "StateDocumentReader.h"
#include "StateFile.h"
#include "StateSamples.h"
#include "StateStreamReader.h"

#include <QtTest>

// The stream reader must give exactly the records the DOM reader gives, and
// leave to it every document the two would read differently.

namespace {

QByteArray stateFile(const QByteArray &clocks, const QByteArray &prolog = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n")
{
    return prolog + "<QLXZentick version=\"1.00\"><ClockList>" + clocks
        + "</ClockList><NotifSet server=\"s\"><Recipients><Recipient name=\"a@x\" copy=\"1\"/></Recipients></NotifSet>"
          "</QLXZentick>";
}

using Parse = bool (*)(const QByteArray &, StateFile::Lists &, NotificationSettings &);

bool streamParse(const QByteArray &data, StateFile::Lists &lists, NotificationSettings &settings)
{
    return StateStreamReader(data).parse(lists, settings);
}

// What a reader made of the data, as the next save would write it; empty
// when it refused the data.
QByteArray records(Parse parse, const QByteArray &data)
{
    StateSamples::Sample sample;
    sample.settings.recipients = {{QStringLiteral("old@example.org"), false}};
    return parse(data, sample.lists, sample.settings) ? sample.serialize() : QByteArray();
}

} // namespace

class TestStateReaders : public QObject
{
    Q_OBJECT

private slots:
    void sameRecords_data();
    void sameRecords();
};

void TestStateReaders::sameRecords_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("streamReads");

    const QByteArray golden = GoldenFile::read(QStringLiteral("settings.xml"));
    QVERIFY(!golden.isEmpty());
    QTest::newRow("golden state file") << golden << true;
    QTest::newRow("1000 clocks with configurations") << StateSamples::large(1000, 20, 10).serialize() << true;
    QTest::newRow("written on Windows, with a comment")
        << QByteArray(golden).replace("\n", "\r\n").replace("<ClockList", "<!-- \"kept\" --><ClockList") << true;
    QTest::newRow("Latin-1 declared")
        << stateFile("<Clock><Common name=\"Caf\xe9\"/></Clock>", "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>") << true;
    QTest::newRow("greater-than sign and references in values")
        << stateFile("<Clock><Common name=\"a>b &#x9;&#65;\"/></Clock>") << true;

    // Left to the DOM reader: it loads these today.
    QTest::newRow("control character reference from an older writer")
        << stateFile("<Clock><Common name=\"A&#x1;B\"/></Clock>") << false;
    QTest::newRow("line break typed into a value") << stateFile("<Clock><Common name=\"A\nB\"/></Clock>") << false;
    QTest::newRow("tab typed into a single-quoted value") << stateFile("<Clock><Common name='A\tB'/></Clock>") << false;
    QTest::newRow("reference beyond the basic plane")
        << stateFile("<Clock><Common name=\"&#x1F550;\"/></Clock>") << false;
    QTest::newRow("document type with attribute defaults")
        << stateFile("<Clock><Common/></Clock>", "<!DOCTYPE QLXZentick [<!ATTLIST Common name CDATA \"dflt\">]>") << false;
    QTest::newRow("repeated attribute") << stateFile("<Clock><Common name=\"A\" name=\"B\"/></Clock>") << false;
    QTest::newRow("invalid UTF-8") << stateFile("<Clock><Common name=\"\xff\"/></Clock>") << false;
    QTest::newRow("UTF-16 with byte order mark")
        << QByteArray("\xff\xfe<\0A\0/\0>\0", 10) << false;
    // Found after the first clock was read: nothing of the stream reader's
    // attempt may remain beside the DOM reader's records.
    QTest::newRow("undeclared entity after a clock")
        << stateFile("<Clock><Common name=\"A\"/></Clock><Clock>&unknown;</Clock>") << false;
}

void TestStateReaders::sameRecords()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, streamReads);

    const QByteArray byDocument = records(StateDocumentReader::parse, data);
    QVERIFY(!byDocument.isEmpty());
    const QByteArray byStream = records(streamParse, data);
    QCOMPARE(!byStream.isEmpty(), streamReads);
    if (streamReads)
        QCOMPARE(byStream, byDocument);
    QCOMPARE(records(StateFile::parse, data), byDocument);
}

QTEST_GUILESS_MAIN(TestStateReaders)
#include "tst_statereaders.moc"
