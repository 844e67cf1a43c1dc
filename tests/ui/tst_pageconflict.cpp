#include "ClockSimControl.h"
#include "DialogQuestion.h"
#include "MonitoringSession.h"
#include "PageConflict.h"
#include "ScriptedDialogHost.h"
#include "StandaloneServices.h"

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
    void initTestCase();
    void init();
    void resolve_data();
    void resolve();

private:
    ClockSimControl m_sim;
};

void TestPageConflict::initTestCase()
{
    QVERIFY2(m_sim.isAvailable(), "run through tests/netns/netns-run.sh");
}

void TestPageConflict::init()
{
    QVERIFY2(m_sim.reset(), qPrintable(m_sim.lastError()));
    QVERIFY2(m_sim.clearLog(), qPrintable(m_sim.lastError()));
}

void TestPageConflict::resolve_data()
{
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<int>("credentials"); // the dialog's result; -1: not asked
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");

    const QString changed = "MAC and IP address changed for %1 clocks(s) out of 3 device(s) found.";
    QTest::newRow("three clocks count up from the first address")
        << "02-A7-3C-DC-00-00" << "192.168.0.12" << int(QDialog::Accepted) << "pw" << changed.arg(3);
    QTest::newRow("addresses run out after .254")
        << "02-A7-3C-DC-00-00" << "192.168.0.253" << int(QDialog::Accepted) << "pw"
        << changed.arg(2) + "\n1 of 3 clocks found were left unchanged: no address is left after .254.";
    QTest::newRow("every clock refuses the password")
        << "02-A7-3C-DC-00-00" << "192.168.0.12" << int(QDialog::Accepted) << "wrong"
        << changed.arg(0) + "\n3 of 3 clocks found did not take their new addresses.";
    QTest::newRow("credentials cancelled") << "02-A7-3C-DC-00-00" << "192.168.0.12" << int(QDialog::Rejected)
                                           << "pw" << "";
    QTest::newRow("incomplete MAC, asked nothing") << "02-A7-3C" << "192.168.0.12" << -1 << "pw"
                                                   << "The new MAC of the first device is incomplete.";
    QTest::newRow("incomplete IP, asked nothing") << "02-A7-3C-DC-00-00" << "192.168." << -1 << "pw"
                                                  << "The new IP of the first device is not a full address.";
}

void TestPageConflict::resolve()
{
    QFETCH(QString, mac);
    QFETCH(QString, ip);
    QFETCH(int, credentials);
    QFETCH(QString, password);
    QFETCH(QString, message);

    ScriptedDialogHost dialogs;
    DialogHost::install(&dialogs);
    MonitoringSession session;
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
    DialogHost::install(nullptr);
}

QTEST_MAIN(TestPageConflict)
#include "tst_pageconflict.moc"
