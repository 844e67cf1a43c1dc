#include "ClockRegistry.h"
#include "Communication.h"
#include "DevClock.h"
#include "DialogAuditFindings.h"
#include "DialogProgress.h"
#include "DialogQuestion.h"
#include "FleetAudit.h"
#include "MonitoringSession.h"
#include "OperationRunner.h"
#include "RefreshStatusSender.h"
#include "ResultSlots.h"
#include "ScriptedDialogHost.h"
#include "StandaloneServices.h"
#include "TestRows.h"

#include <QClipboard>
#include <QLabel>
#include <QTableView>
#include <QtTest>

namespace {
DevClock *listedClock(const QString &ip)
{
    auto *clock = new DevClock;
    clock->network.ip = ip;
    clock->user = QStringLiteral("admin");
    clock->password = QStringLiteral("pw");
    return clock;
}
} // namespace

// The runner with real senders against the simulated clocks of
// data/runner.json: Hall answers, Lab refuses the password, Roof is silent.
class TestOperationRunner : public QObject
{
    Q_OBJECT

private slots:
    void refresh_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void refresh();
    void audit_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void audit();
};

void TestOperationRunner::refresh()
{
    QFETCH(QString, ip);
    QFETCH(bool, cancel);
    QFETCH(QString, toast);
    QFETCH(QString, message);

    ClockRegistry::resetForTest();
    DevClock *clock = listedClock(ip);
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

void TestOperationRunner::audit()
{
    QFETCH(QString, ips);
    QFETCH(bool, cancel);
    QFETCH(QString, shown);

    ClockRegistry::resetForTest();
    for (const QString &ip : ips.split(' '))
        ClockRegistry::instance()->addClock(listedClock(ip));
    ScriptedDialogHost dialogs;
    MonitoringSession session;
    StandaloneServices alone(session, dialogs);
    if (cancel)
        dialogs.answerProgress(ScriptedDialogHost::Progress::Cancel);
    FleetAudit audit;
    audit.selectAllClocks();
    QSignalSpy canceled(&audit, &FleetAudit::canceled);
    QString seen;
    alone.services().runner->run(&audit, QStringLiteral("Checking clocks"), [&](FleetAudit *ended) {
        DialogAuditFindings findings(alone.window());
        findings.setAudit(*ended);
        // Sorted by address, the highest first; its row selected and copied.
        auto *view = findings.findChild<QTableView *>("twdFindings");
        view->sortByColumn(1, Qt::DescendingOrder);
        view->selectRow(0);
        findings.copyToClipboard();
        seen = findings.findChild<QLabel *>("lblSummary")->text().section(',', 0, 0) + '|'
            + QGuiApplication::clipboard()->text().section('\n', 1, 1).section('\t', 0, 3);
    });
    // The audit has ended by the time the dialog is gone.
    QVERIFY(!audit.isRunning());
    QCOMPARE(canceled.count(), cancel ? 1 : 0);
    QCOMPARE(dialogs.requests().constFirst().text, QString("Checking clocks"));
    QCOMPARE(seen, shown);
    ClockRegistry::resetForTest();
}

QTEST_MAIN(TestOperationRunner)
#include "tst_operationrunner.moc"
