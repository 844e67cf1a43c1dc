#include "ClockConfig.h"
#include "ClockRegistry.h"
#include "ClockSimControl.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "GroupTree.h"
#include "MonitoringSession.h"
#include "PageConfiguration.h"
#include "PageGroupList.h"
#include "PushButtonFlat.h"
#include "ScriptedDialogHost.h"
#include "StandaloneServices.h"
#include "TableItemCustom.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

// Sending from the editor to the simulated clocks of data/editor.json:
// North, South and East answer, Dead refuses connections. Group G holds
// the members of each row, in that order.
class TestEditorSend : public QObject
{
    Q_OBJECT

private slots:
    void send_data();
    void send();
    void checkClocksOfAGroup();

private:
    // Every simulated clock, with a stored configuration; group G of the members.
    static void listClocks(const QList<int> &members);
};

void TestEditorSend::listClocks(const QList<int> &members)
{
    ClockSimControl sim;
    QVERIFY(sim.reset() && sim.clearLog());
    ClockRegistry::resetForTest();
    ClockRegistry *registry = ClockRegistry::instance();
    ClockConfig stored;
    stored.Server1 = "ntp.stored";
    for (const QJsonValue entry : sim.clocks()) {
        auto *listed = new DevClock;
        listed->name = entry.toObject().value("name").toString();
        listed->network.ip = entry.toObject().value("ip").toString();
        listed->user = "admin";
        listed->password = "pw";
        listed->setConfig(stored);
        registry->addClock(listed);
    }
    registry->createGroup("G")->setConfig(stored);
    registry->groupAt(0)->setClockIndexes(members);
    for (int member : members)
        registry->clockAt(member)->groupId = 0;
}

void TestEditorSend::send_data()
{
    QTest::addColumn<QList<int>>("members");
    QTest::addColumn<int>("clock");  // edited clock; -1 edits the group
    QTest::addColumn<int>("answer"); // to the group-member question
    QTest::addColumn<QList<int>>("reached");
    QTest::addColumn<QString>("message");

    QTest::newRow("a group send reaches every member in membership order")
        << QList<int>{2, 0, 1} << -1 << 0 << QList<int>{2, 0, 1} << "Configuration was sent successfully.";
    QTest::newRow("a member that was not reached is named")
        << QList<int>{3, 0} << -1 << 0 << QList<int>{0}
        << "The configuration was sent to 1 of 2 clocks. Not sent to: Dead";
    QTest::newRow("a group member sent alone after the question")
        << QList<int>{1, 0} << 0 << 1 << QList<int>{0} << "Configuration was sent successfully.";
    QTest::newRow("a group member not sent when the question is cancelled")
        << QList<int>{1, 0} << 0 << -1 << QList<int>{} << "";
}

void TestEditorSend::send()
{
    QFETCH(QList<int>, members);
    QFETCH(int, clock);
    QFETCH(int, answer);
    QFETCH(QList<int>, reached);
    QFETCH(QString, message);

    listClocks(members);
    ClockSimControl sim;
    ClockRegistry *registry = ClockRegistry::instance();

    ScriptedDialogHost dialogs;
    MonitoringSession session;
    StandaloneServices alone(session, dialogs);
    PageConfiguration editor(alone.services());
    QVERIFY(editor.OpenConfigEditor(clock < 0 ? 0 : -1, clock));
    QTRY_VERIFY(!editor.isLoadingAlarms());
    QTest::keyClicks(editor.findChild<QLineEdit *>("ledRemoteServer1"), "x");
    if (answer != 0)
        dialogs.answerQuestion(answer);
    dialogs.answerQuestion(1);

    QTest::mouseClick(editor.findChild<QWidget *>("btnSendConfiguration"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.pendingAnswers(), message.isEmpty() ? 1 : 0, 60000);

    const QString question = answer != 0 ? "Clock North is in group G. Send configuration anyway?" : "";
    QCOMPARE(dialogs.questionTexts().join(""), question + message);
    QStringList sent;
    for (const QJsonObject &entry : sim.httpRequests())
        sent << entry.value("path").toString() + ":" + QString::number(entry.value("clock").toInt());
    QStringList expected;
    for (const QString path : {"/A1", "/B0", "/C0"}) {
        for (int index : reached)
            expected << path + ":" + QString::number(index);
    }
    QCOMPARE(sent, expected);
    for (int index : reached)
        QCOMPARE(sim.clock(index).value("time").toObject().value("A_005").toString(), QString("ntp.storedx"));
    // Sending never stores.
    QCOMPARE(registry->groupAt(0)->config()->Server1, QString("ntp.stored"));
    for (int index = 0; index < registry->clockCount(); ++index)
        QCOMPARE(registry->clockAt(index)->config().Server1, QString("ntp.stored"));
}

void TestEditorSend::checkClocksOfAGroup()
{
    listClocks({3, 0});
    ScriptedDialogHost dialogs;
    MonitoringSession session;
    StandaloneServices alone(session, dialogs);
    PageGroupList page(alone.services());
    page.BuildGroupTree();
    QString summary;
    dialogs.answerDialog([&summary](QDialog &findings) {
        summary = findings.findChild<QLabel *>("lblSummary")->text();
        return int(QDialog::Accepted);
    });
    auto *tree = page.findChild<GroupTree *>("twdGroupList");

    qobject_cast<TableItemCustom *>(tree->itemWidget(tree->topLevelItem(0), 1))
        ->buttons()
        .at(GroupTree::CheckClocks)
        ->click();

    QCOMPARE(dialogs.requests().constFirst().text, QString("Checking clocks"));
    // The group's two of the four clocks.
    QVERIFY2(summary.startsWith("2 clocks audited: "), qPrintable(summary));
}

QTEST_MAIN(TestEditorSend)
#include "tst_editorsend.moc"
