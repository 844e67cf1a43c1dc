#include "AppSettings.h"
#include "ClockRegistry.h"
#include "DialogQuestion.h"
#include "MonitoringSession.h"
#include "NotificationSettings.h"
#include "PageNotifications.h"
#include "PageReport.h"
#include "PushButtonFlat.h"
#include "ScriptedDialogHost.h"
#include "SettingsStore.h"
#include "SmtpServerProcess.h"
#include "StandaloneServices.h"
#include "TableItemCustom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The notification and report pages on their own, with a scripted dialog
// host, a real state file and settings store, and a real SMTP server.
class TestPageSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addRecipient_data();
    void addRecipient();
    void deleteRecipients_data();
    void deleteRecipients();
    void saveNotifications_data();
    void saveNotifications();
    void testMail_data();
    void testMail();
    void saveReport_data();
    void saveReport();

private:
    template<typename T> T *child(QWidget &page, const char *name) { return page.findChild<T *>(name); }
    std::unique_ptr<PageNotifications> notificationsPage(bool writable = true);
    void addRecipients(PageNotifications &page, const QStringList &addresses);

    ScriptedDialogHost m_dialogs;
    std::unique_ptr<MonitoringSession> m_session;
    std::unique_ptr<StandaloneServices> m_alone;
};

void TestPageSettings::init()
{
    ClockRegistry::resetForTest();
    QFile::remove(AppSettings::stateFilePath());
    SettingsStore::open()->clear();
    DialogHost::install(&m_dialogs);
}

void TestPageSettings::cleanup()
{
    m_alone.reset();
    m_session.reset();
    notificationSettings() = NotificationSettings();
    AppSettings::reportSettings() = ReportSettings();
    DialogHost::install(nullptr);
    m_dialogs.reset();
}

std::unique_ptr<PageNotifications> TestPageSettings::notificationsPage(bool writable)
{
    m_session = std::make_unique<MonitoringSession>();
    if (writable)
        m_session->acquireLock();
    m_alone = std::make_unique<StandaloneServices>(*m_session, m_dialogs);
    auto page = std::make_unique<PageNotifications>(m_alone->services());
    page->LoadNotificationWidgets();
    return page;
}

void TestPageSettings::addRecipients(PageNotifications &page, const QStringList &addresses)
{
    for (const QString &address : addresses) {
        child<QLineEdit>(page, "ledNotifRecipient")->setText(address);
        QTest::mouseClick(child<QPushButton>(page, "btnAddRecipient"), Qt::LeftButton);
    }
}

void TestPageSettings::addRecipient_data()
{
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("warnings");

    const QString invalid = "Recipient e-mail is not valid.";
    QTest::newRow("three characters with @ refused") << QStringList{"a@b"} << 0 << QStringList{invalid};
    QTest::newRow("four characters with @ accepted") << QStringList{"a@bc"} << 1 << QStringList{};
    QTest::newRow("long text without @ refused") << QStringList{"alerts.example.com"} << 0 << QStringList{invalid};
    QTest::newRow("the eleventh refused") << QStringList(QVector<QString>(11, "ops@example.com").toList()) << 10
                                         << QStringList{"You can add up to 10 recipients."};
}

void TestPageSettings::addRecipient()
{
    QFETCH(QStringList, addresses);
    QFETCH(int, rows);
    QFETCH(QStringList, warnings);

    auto page = notificationsPage();
    addRecipients(*page, addresses);
    QCOMPARE(child<QTableWidget>(*page, "twdNotifRecipients")->rowCount(), rows);
    QCOMPARE(m_dialogs.questionTexts(), warnings);
}

void TestPageSettings::deleteRecipients_data()
{
    QTest::addColumn<QList<int>>("clickedRows");
    QTest::addColumn<QString>("left");

    QTest::newRow("first, then the last of what is left") << QList<int>{0, 1} << "b@x.org";
    QTest::newRow("last, then first") << QList<int>{2, 0} << "b@x.org";
    QTest::newRow("middle, then the new middle") << QList<int>{1, 1} << "a@x.org";
}

void TestPageSettings::deleteRecipients()
{
    QFETCH(QList<int>, clickedRows);
    QFETCH(QString, left);

    auto page = notificationsPage();
    addRecipients(*page, {"a@x.org", "b@x.org", "c@x.org"});
    auto *table = child<QTableWidget>(*page, "twdNotifRecipients");
    for (int row : clickedRows) {
        auto *cell = qobject_cast<TableItemCustom *>(table->cellWidget(row, 2));
        QVERIFY(cell);
        QTest::mouseClick(cell->buttons().constFirst(), Qt::LeftButton);
    }
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 1)->text(), left);
}

void TestPageSettings::saveNotifications_data()
{
    QTest::addColumn<int>("authType");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("message"); // "" for the read-only reason
    QTest::addColumn<bool>("written");

    QTest::newRow("None accepts empty credentials") << 0 << "" << "" << true << "Notification configuration saved."
                                                    << true;
    QTest::newRow("Basic needs a user name") << 1 << "" << "pw" << true << "Username cannot be empty" << false;
    QTest::newRow("Login needs a password") << 2 << "alerts" << "" << true << "Password cannot be empty" << false;
    QTest::newRow("read-only window says why") << 2 << "alerts" << "pw" << false << "" << false;
}

void TestPageSettings::saveNotifications()
{
    QFETCH(int, authType);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, writable);
    QFETCH(QString, message);
    QFETCH(bool, written);

    auto page = notificationsPage(writable);
    child<QComboBox>(*page, "cbxAuthenticationType")->setCurrentIndex(authType);
    child<QLineEdit>(*page, "ledNotifUsername")->setText(user);
    child<QLineEdit>(*page, "ledNotifPassword")->setText(password);
    // Wider than a port: the box must not hand the mailer a truncated one.
    child<QSpinBox>(*page, "sbxNotifPort")->setValue(99999);
    child<QComboBox>(*page, "cbxNotifRecipType")->setCurrentIndex(1);
    addRecipients(*page, {"copy@x.org"});
    QTest::mouseClick(child<QPushButton>(*page, "btnNotifSave"), Qt::LeftButton);

    QCOMPARE(m_dialogs.questionTexts(), QStringList{message.isEmpty() ? m_session->readOnlyReason() : message});
    QCOMPARE(QFile::exists(AppSettings::stateFilePath()), written);
    const bool refused = message.endsWith("cannot be empty");
    const NotificationSettings &stored = notificationSettings();
    QCOMPARE(stored.recipients.isEmpty(), refused);
    if (!refused) {
        QCOMPARE(stored.authType, authType);
        QCOMPARE(stored.port, 65535);
        QVERIFY(stored.recipients.constFirst().copy);
    }
}

void TestPageSettings::testMail_data()
{
    QTest::addColumn<QString>("serverUser");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("delivered");

    QTest::newRow("delivered, a second click in flight does nothing")
        << "" << "Test e-mail has been sent successfully." << 1;
    QTest::newRow("login refused") << "alerts" << "Test e-mail sent failed:\n535" << 0;
}

void TestPageSettings::testMail()
{
    QFETCH(QString, serverUser);
    QFETCH(QString, message);
    QFETCH(int, delivered);

    SmtpServerProcess server;
    QVERIFY(server.start("plain", QString(), serverUser, "right"));
    auto page = notificationsPage();
    child<QLineEdit>(*page, "ledNotifServer")->setText("127.0.0.1");
    child<QSpinBox>(*page, "sbxNotifPort")->setValue(server.port());
    child<QComboBox>(*page, "cbxEncryptionType")->setCurrentIndex(2);
    child<QComboBox>(*page, "cbxAuthenticationType")->setCurrentIndex(serverUser.isEmpty() ? 0 : 2);
    child<QLineEdit>(*page, "ledNotifUsername")->setText(serverUser);
    child<QLineEdit>(*page, "ledNotifPassword")->setText("wrong");
    child<QLineEdit>(*page, "ledNotifFrom")->setText("zentick@x.org");
    addRecipients(*page, {"ops@x.org"});

    const QString question = "Save configuration before sending test e-mail?";
    m_dialogs.answerQuestion(QuestionResult::Positive);
    auto *button = child<QPushButton>(*page, "btnNotifTestMail");
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(page->isTestMailRunning());
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs.questionTexts().size(), 2, 15000);
    QCOMPARE(m_dialogs.questionTexts().constFirst(), question);
    QVERIFY2(m_dialogs.questionTexts().constLast().startsWith(message), qPrintable(m_dialogs.questionTexts().last()));
    QVERIFY(!page->isTestMailRunning());
    QVERIFY(server.waitForMessages(delivered));
    QCOMPARE(server.messages().size(), delivered);
}

void TestPageSettings::saveReport_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("file"); // under the temporary folder
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("stored");

    QTest::newRow("enabled in a missing folder") << true << "missing/report.xlsx" << "Invalid report filepath."
                                                 << false;
    QTest::newRow("enabled in an existing folder") << true << "report.xlsx" << "Report configuration saved" << true;
    QTest::newRow("disabled goes unchecked") << false << "missing/report.xlsx" << "Report configuration saved"
                                             << true;
}

void TestPageSettings::saveReport()
{
    QFETCH(bool, enabled);
    QFETCH(QString, file);
    QFETCH(QString, message);
    QFETCH(bool, stored);

    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    m_session = std::make_unique<MonitoringSession>();
    m_alone = std::make_unique<StandaloneServices>(*m_session, m_dialogs);
    PageReport page(m_alone->services());
    page.LoadReportWidgets();
    auto *enable = child<QCheckBox>(page, "cbxReportEnable");
    enable->setChecked(true);
    m_dialogs.answerFile(path);
    QTest::mouseClick(child<QPushButton>(page, "btnReportChangeFile"), Qt::LeftButton);
    enable->setChecked(enabled);
    QTest::mouseClick(child<QPushButton>(page, "btnReportSave"), Qt::LeftButton);

    QCOMPARE(m_dialogs.questionTexts(), QStringList{message});
    // What the store holds, not only the record in memory.
    AppSettings::reportSettings() = ReportSettings();
    AppSettings::loadReportSettings();
    QCOMPARE(AppSettings::reportSettings().filepath, stored ? path : QString());
    QCOMPARE(AppSettings::reportSettings().enabled, stored && enabled);
}

QTEST_MAIN(TestPageSettings)
#include "tst_pagesettings.moc"
