#include "ClockRegistry.h"
#include "Communication.h"
#include "DevClock.h"
#include "DialogProgress.h"
#include "DialogQuestion.h"
#include "MonitoringSession.h"
#include "OperationRunner.h"
#include "RefreshStatusSender.h"
#include "ResultSlots.h"
#include "ScriptedDialogHost.h"
#include "StandaloneServices.h"

#include <QtTest>

// The runner with real senders against the simulated clocks of
// data/runner.json: Hall answers, Lab refuses the password, Roof is silent.
class TestOperationRunner : public QObject
{
    Q_OBJECT

private slots:
    void refresh_data();
    void refresh();
};

void TestOperationRunner::refresh_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("toast");
    QTest::addColumn<QString>("message");

    QTest::newRow("success refreshes the clock") << "192.168.0.20" << false << "Clock Hall data refreshed" << "";
    QTest::newRow("failure reports the kind") << "192.168.0.21" << false << ""
                                             << "An error occured: Authorization error";
    // The running exchange times out after the cancel: that is no news.
    QTest::newRow("cancel from the dialog shows nothing") << "192.168.0.22" << true << "" << "";
}

void TestOperationRunner::refresh()
{
    QFETCH(QString, ip);
    QFETCH(bool, cancel);
    QFETCH(QString, toast);
    QFETCH(QString, message);

    ClockRegistry::resetForTest();
    auto *clock = new DevClock;
    clock->network.ip = ip;
    clock->user = QStringLiteral("admin");
    clock->password = QStringLiteral("pw");
    ClockRegistry::instance()->addClock(clock);

    ScriptedDialogHost dialogs;
    MonitoringSession session;
    StandaloneServices alone(session, dialogs);
    const PageServices &services = alone.services();
    QSignalSpy updated(&session, &MonitoringSession::statusUpdated);
    if (cancel)
        dialogs.answerProgress(ScriptedDialogHost::Progress::Cancel);
    if (!message.isEmpty())
        dialogs.answerQuestion(QuestionResult::Positive);

    bool ended = false;
    bool cancelRequested = false;
    services.runner->run(Communication::instance()->refreshStatus(SenderTarget::fromClock(*clock)),
                         QStringLiteral("Updating device"), [&](DataSender *sender) {
                             // The dialog is finished before the result is read; a
                             // cancelled one is gone by the time the exchange ends.
                             const DialogProgress *dialog = services.runner->progressDialog();
                             QVERIFY(cancel ? !dialog : dialog && dialog->result() == QDialog::Accepted);
                             cancelRequested = sender->isCancelRequested();
                             services.results->onStatusRefreshFinished(sender);
                             ended = true;
                         });
    QVERIFY(!services.runner->progressDialog());
    QTRY_VERIFY_WITH_TIMEOUT(ended, 30000);

    const auto requests = dialogs.requests();
    QCOMPARE(requests.constFirst().kind, ScriptedDialogHost::Kind::Progress);
    QCOMPARE(requests.constFirst().title, QString("Please wait..."));
    QCOMPARE(requests.constFirst().text, QString("Updating device"));
    QCOMPARE(cancelRequested, cancel);
    QCOMPARE(alone.toasts(), toast.isEmpty() ? QStringList() : QStringList{toast});
    QCOMPARE(dialogs.questionTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(updated.count(), toast.isEmpty() ? 0 : 1);
    if (!toast.isEmpty())
        QCOMPARE(clock->name, QString("Hall"));
    ClockRegistry::resetForTest();
}

QTEST_MAIN(TestOperationRunner)
#include "tst_operationrunner.moc"
