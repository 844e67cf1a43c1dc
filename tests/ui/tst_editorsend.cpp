#include "ClockConfig.h"
#include "ClockRegistry.h"
#include "ClockSimControl.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "MonitoringSession.h"
#include "PageConfiguration.h"
#include "ScriptedDialogHost.h"
#include "StandaloneServices.h"
#include "TestRows.h"

#include <QLineEdit>
#include <QtTest>

// The editor's send against the simulated clocks of data/editor.json:
// North, South and East answer, Dead refuses connections. Every clock is
// listed with Server1 "ntp.stored"; group G holds the members of each row,
// in that order.
class TestEditorSend : public QObject
{
    Q_OBJECT

private slots:
    void send_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void send();

private:
    void listClocks(const QList<int> &members);

    ClockSimControl m_sim;
    ScriptedDialogHost m_dialogs;
    MonitoringSession m_session;
    StandaloneServices m_alone{m_session, m_dialogs};
};

void TestEditorSend::listClocks(const QList<int> &members)
{
    QVERIFY(m_sim.reset() && m_sim.clearLog());
    m_dialogs.reset();
    ClockRegistry::resetForTest();
    ClockRegistry *registry = ClockRegistry::instance();
    ClockConfig stored;
    stored.Server1 = "ntp.stored";
    for (const QJsonValue entry : m_sim.clocks()) {
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

void TestEditorSend::send()
{
    QFETCH(QList<int>, members);
    QFETCH(int, clock);
    QFETCH(int, answer);
    QFETCH(QList<int>, reached);
    QFETCH(QString, asked);

    listClocks(members);
    PageConfiguration editor(m_alone.services());
    QVERIFY(editor.OpenConfigEditor(clock < 0 ? 0 : -1, clock));
    QTRY_VERIFY(!editor.isLoadingAlarms());
    QTest::keyClicks(editor.findChild<QLineEdit *>("ledRemoteServer1"), "x");
    if (answer != 0)
        m_dialogs.answerQuestion(answer);
    m_dialogs.answerQuestion(1);

    QTest::mouseClick(editor.findChild<QWidget *>("btnSendConfiguration"), Qt::LeftButton);

    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs.questionTexts().join(""), asked, 60000);
    QStringList sent;
    for (const QJsonObject &entry : m_sim.httpRequests())
        sent << entry.value("path").toString() + QString::number(entry.value("clock").toInt());
    QStringList expected;
    for (const QString path : {"/A1", "/B0", "/C0"}) {
        for (int index : reached)
            expected << path + QString::number(index);
    }
    QCOMPARE(sent, expected);
    for (int index : reached)
        QCOMPARE(m_sim.clock(index).value("time").toObject().value("A_005").toString(), QString("ntp.storedx"));
    // Sending never stores.
    QCOMPARE(ClockRegistry::instance()->groupAt(0)->config()->Server1, QString("ntp.stored"));
    QCOMPARE(ClockRegistry::instance()->clockAt(0)->config().Server1, QString("ntp.stored"));
}

QTEST_MAIN(TestEditorSend)
#include "tst_editorsend.moc"
