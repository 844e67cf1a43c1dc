#include "cli/ChangeReport.h"
#include "operations/Communication.h"
#include "operations/change/ChangeRunState.h"
#include "session/ChangeClocksFlow.h"

#include <QTemporaryDir>
#include <QtTest>

// The window's export of a change run is the CLI's --csv, byte for byte,
// whatever the cells hold, and a file only its user can read.
class TestChangeExport : public QObject
{
    Q_OBJECT

private slots:
    void sameBytesAsTheCli_data();
    void sameBytesAsTheCli();
};

void TestChangeExport::sameBytesAsTheCli_data()
{
    using S = ClockChange::State;
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("error");
    QTest::newRow("verified, empty value before") << int(S::Verified) << "Hall" << "" << "ntp.site" << "";
    QTest::newRow("a name with a comma and quotes") << int(S::Failed) << "Hall, \"east\"" << "a" << "b" << "not verified";
    QTest::newRow("a value a spreadsheet would run") << int(S::Verified) << "=HYPERLINK(1)" << "@x" << "+1" << "";
    QTest::newRow("not readable, with its reason") << int(S::Unreadable) << "Dead" << "" << "" << "no answer";
    QTest::newRow("stopped before its wave") << int(S::Stopped) << "Yard" << "1" << "2" << "";
}

void TestChangeExport::sameBytesAsTheCli()
{
    QFETCH(int, state);
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, error);
    ChangeRunState run;
    run.id = ChangeRunState::newId();
    ClockChange clock;
    clock.ip = "192.168.0.40";
    clock.name = name;
    clock.state = ClockChange::State(state);
    clock.error = error;
    if (!before.isEmpty() || !after.isEmpty())
        clock.changes = {{"Server1", before, after}, {"Brightness", "10", "4"}};
    run.clocks = {clock, ClockChange{}};
    Communication exchanges;
    ChangeClocksFlow flow(exchanges);
    flow.showRun(run, true);
    QCOMPARE(flow.resultCsv(), ChangeReport::resultCsv(run));

    QTemporaryDir folder;
    const QString path = folder.filePath("result.csv");
    QString why;
    QVERIFY2(flow.exportCsv(path, &why), qPrintable(why));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ChangeReport::resultCsv(run));
    QCOMPARE(file.permissions() & 0x0077, QFileDevice::Permissions());
}

QTEST_GUILESS_MAIN(TestChangeExport)
#include "tst_changeexport.moc"
