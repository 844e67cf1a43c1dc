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
#include "TestRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

template<typename T = QLineEdit>
T *child(QWidget &page, const char *name)
{
    return page.findChild<T *>(name);
}

void click(QWidget &page, const char *name)
{
    QTest::mouseClick(child<QPushButton>(page, name), Qt::LeftButton);
}

void addRecipients(QWidget &page, const QStringList &addresses)
{
    for (const QString &address : addresses) {
        child(page, "ledNotifRecipient")->setText(address);
        click(page, "btnAddRecipient");
    }
}

} // namespace

// The notification and report pages on their own, with a scripted dialog
// host, a real state file and settings store, and a real SMTP server.
class TestPageSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void recipients_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void recipients();
    void saveNotifications_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void saveNotifications();
    void testMail_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void testMail();
    void saveReport_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void saveReport();

private:
    std::unique_ptr<PageNotifications> notificationsPage(bool writable = true);

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

void TestPageSettings::recipients()
{
    QFETCH(QStringList, added);
    QFETCH(QList<int>, deletedRows);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, warnings);

    auto page = notificationsPage();
    addRecipients(*page, added);
    auto *table = child<QTableWidget>(*page, "twdNotifRecipients");
    for (int row : deletedRows)
        QTest::mouseClick(qobject_cast<TableItemCustom *>(table->cellWidget(row, 2))->buttons().constFirst(),
                          Qt::LeftButton);
    QStringList shown;
    for (int row = 0; row < table->rowCount(); ++row)
        shown << table->item(row, 1)->text();
    QCOMPARE(shown, listed);
    QCOMPARE(m_dialogs.questionTexts(), warnings);
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
    child(*page, "ledNotifUsername")->setText(user);
    child(*page, "ledNotifPassword")->setText(password);
    // Wider than a port: the box must not hand the mailer a truncated one.
    child<QSpinBox>(*page, "sbxNotifPort")->setValue(99999);
    child<QComboBox>(*page, "cbxNotifRecipType")->setCurrentIndex(1);
    addRecipients(*page, {"copy@x.org"});
    click(*page, "btnNotifSave");

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

void TestPageSettings::testMail()
{
    QFETCH(QString, serverUser);
    QFETCH(QString, message);
    QFETCH(int, delivered);

    SmtpServerProcess server;
    QVERIFY(server.start("plain", QString(), serverUser, "right"));
    auto page = notificationsPage();
    child(*page, "ledNotifServer")->setText("127.0.0.1");
    child<QSpinBox>(*page, "sbxNotifPort")->setValue(server.port());
    child<QComboBox>(*page, "cbxEncryptionType")->setCurrentIndex(2);
    child<QComboBox>(*page, "cbxAuthenticationType")->setCurrentIndex(serverUser.isEmpty() ? 0 : 2);
    child(*page, "ledNotifUsername")->setText(serverUser);
    child(*page, "ledNotifPassword")->setText("wrong");
    child(*page, "ledNotifFrom")->setText("zentick@x.org");
    addRecipients(*page, {"ops@x.org"});

    m_dialogs.answerQuestion(QuestionResult::Positive); // "Save and send"
    click(*page, "btnNotifTestMail");
    QVERIFY(page->isTestMailRunning());
    click(*page, "btnNotifTestMail");
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs.questionTexts().size(), 2, 15000);
    QCOMPARE(m_dialogs.questionTexts().constFirst(), QString("Save configuration before sending test e-mail?"));
    QVERIFY2(m_dialogs.questionTexts().constLast().startsWith(message), qPrintable(m_dialogs.questionTexts().last()));
    QVERIFY(server.waitForMessages(delivered));
    QCOMPARE(server.messages().size(), delivered);
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
    click(page, "btnReportChangeFile");
    enable->setChecked(enabled);
    click(page, "btnReportSave");

    QCOMPARE(m_dialogs.questionTexts(), QStringList{message});
    // What the store holds, not only the record in memory.
    AppSettings::reportSettings() = ReportSettings();
    AppSettings::loadReportSettings();
    QCOMPARE(AppSettings::reportSettings().filepath, stored ? path : QString());
    QCOMPARE(AppSettings::reportSettings().enabled, stored && enabled);
}

QTEST_MAIN(TestPageSettings)
#include "tst_pagesettings.moc"
