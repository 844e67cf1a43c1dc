#include "model/ClockRegistry.h"
#include "tests/netns/ClockSimControl.h"
#include "model/DevClock.h"
#include "ui/dialogs/DialogQuestion.h"
#include "notify/NotificationSettings.h"
#include "operations/Communication.h"
#include "session/MonitoringSession.h"
#include "ui/pages/PageConflict.h"
#include "ui/dialogs/ScriptedDialogHost.h"
#include "tests/ui/StandaloneServices.h"
#include "tests/support/TestRows.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The conflict page against three simulated clocks that share the factory
// address, with the authentication dialog and the progress dialog scripted.
class TestPageConflict : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void resolve_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void resolve();

private:
    ClockSimControl m_sim;
};

void TestPageConflict::init()
{
    QVERIFY2(m_sim.reset() && m_sim.clearLog(), qPrintable(m_sim.lastError()));
}

void TestPageConflict::resolve()
{
    QFETCH(QString, mac);
    QFETCH(QString, ip);
    QFETCH(int, credentials);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(QStringList, rows);

    // Rows "ip mac" listed before, as a search leaves them.
    for (const QString &row : qAsConst(rows)) {
        auto *clock = new DevClock;
        clock->network.ip = QStringLiteral("192.168.0.11");
        clock->mac = row.section(QLatin1Char(' '), 1);
        ClockRegistry::instance()->addClock(clock);
    }
    ScriptedDialogHost dialogs;
    Communication exchanges;
    NotificationSettings alerts;
    MonitoringSession session{*ClockRegistry::instance(), exchanges, alerts};
    StandaloneServices alone(session, dialogs);
    PageConflict page(alone.services());
    page.setPauseMs(200);
    page.findChild<QLineEdit *>("ledConflictMac")->setText(mac);
    page.findChild<QLineEdit *>("ledConflictIp")->setText(ip);
    if (credentials != -1) {
        dialogs.answerDialog([&](QDialog &dialog) {
            dialog.findChild<QLineEdit *>("ledUser")->setText("admin");
            dialog.findChild<QLineEdit *>("ledPassword")->setText(password);
            return credentials;
        });
    }
    if (!message.isEmpty())
        dialogs.answerQuestion(QuestionResult::Positive);

    // Returns once the progress dialog has closed and the result was shown.
    QTest::mouseClick(page.findChild<QPushButton *>("btnResolveConflict"), Qt::LeftButton);
    QCOMPARE(dialogs.pendingAnswers(), 0);
    QCOMPARE(dialogs.questionTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    const bool resolved = credentials == QDialog::Accepted;
    QCOMPARE(dialogs.requests().size(), resolved ? 3 : 1);
    if (resolved)
        QCOMPARE(dialogs.requests().at(1).text, QString("Resolving conflicts"));
    else
        QVERIFY(m_sim.httpRequests().isEmpty());
    // The rows followed their clocks: "ip mac" of each, in list order.
    QStringList after;
    for (const DevClock *clock : ClockRegistry::instance()->clocks())
        after << clock->network.ip + ' ' + clock->mac;
    ClockRegistry::instance()->clear();
    QTEST(after, "after");
}

QTEST_MAIN(TestPageConflict)
#include "tst_pageconflict.moc"
