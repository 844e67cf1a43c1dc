#include "core/AppSettings.h"
#include "model/ClockConfig.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "operations/Communication.h"
#include "session/DeviceListLock.h"
#include "ui/dialogs/DialogAvailability.h"
#include "ui/dialogs/DialogQuestion.h"
#include "core/Language.h"
#include "ui/widgets/MenuPopup.h"
#include "ui/widgets/PushButtonFlat.h"
#include "session/MonitoringSession.h"
#include "notify/NotificationSettings.h"
#include "ui/pages/PageNotifications.h"
#include "ui/pages/PageReport.h"
#include "ui/dialogs/ScriptedDialogHost.h"
#include "platform/SettingsStore.h"
#include "tests/notify/SmtpServerProcess.h"
#include "tests/ui/StandaloneServices.h"
#include "ui/services/StatusPixmaps.h"
#include "ui/window/Startup.h"
#include "ui/widgets/TableItemCustom.h"
#include "tests/support/TestRows.h"
#include "ui/services/Toasts.h"
#include "ui/widgets/ToolButtonMenu.h"
#include "ui/window/WindowMain.h"
#include "ui/window/WindowTray.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QAccessible>
#include <QtTest>

#include <memory>

namespace {

const QString rows = QStringLiteral("ui/windowmain.rows");

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

// The shell and its notification and report pages on the offscreen
// platform, with a real state file and settings store, a real SMTP server
// and a scripted dialog host so that no test ever waits on a modal dialog.
class TestWindowMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void navigation_data() { TestRows::add(rows); }
    void navigation();
    void closeSequence_data() { TestRows::add(rows); }
    void closeSequence();
    void closingWithTheEditorOpenStoresAndSaves();
    void failedSaveIsShownUntilASaveSucceeds();
    void tray_data() { TestRows::add(rows); }
    void tray();
    void geometryRoundTrip();
    void themeSwitchRetintsStatusIcons_data() { TestRows::add(rows); }
    void themeSwitchRetintsStatusIcons();
    void lockedDeviceList_data() { TestRows::add(rows); }
    void lockedDeviceList();
    void startLanguage_data() { TestRows::add(rows); }
    void startLanguage();
    void languageChosenFromTheTray();
    void recipients_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void recipients();
    void saveNotifications_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void saveNotifications();
    void monthlyMailByKeyboard();
    void testMail_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void testMail();
    void saveQuestionOnlyWhenChanged_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void saveQuestionOnlyWhenChanged();
    void saveReport_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void reportOpensAvailability();
    void saveReport();

private:
    std::unique_ptr<WindowMain> makeWindow();
    std::unique_ptr<PageNotifications> notificationsPage(bool writable = true);

    ScriptedDialogHost m_dialogs;
    Communication m_exchanges;
    NotificationSettings m_alerts;
    std::unique_ptr<MonitoringSession> m_session;
    std::unique_ptr<StandaloneServices> m_alone;
};

void TestWindowMain::init()
{
    // The texts as the program shows them: it loads the English catalogue at start.
    LanguageManager::installCatalogue(Language::English);
    ClockRegistry::resetForTest();
    // Each test starts from an empty device list.
    QFile::remove(AppSettings::stateFilePath());
    SettingsStore::open()->clear();
    m_session = std::make_unique<MonitoringSession>(*ClockRegistry::instance(), m_exchanges, m_alerts);
    QVERIFY(m_session->acquireLock());
}

void TestWindowMain::cleanup()
{
    m_alerts = NotificationSettings();
    AppSettings::reportSettings() = ReportSettings();
    WindowTray::clearAvailabilityForTest();
    m_alone.reset();
    m_session.reset();
    m_dialogs.reset();
    ClockRegistry::resetForTest();
}

std::unique_ptr<WindowMain> TestWindowMain::makeWindow()
{
    // As the program starts: the list loaded and the session started first,
    // then the window shown.
    Startup(*m_session, m_dialogs).startSession();
    if (!m_alone)
        m_alone = std::make_unique<StandaloneServices>(*m_session, m_dialogs);
    auto window = std::make_unique<WindowMain>(m_alone->services());
    window->show();
    return window;
}

void TestWindowMain::navigation()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, page);

    auto window = makeWindow();
    for (const QString &name : clicks)
        QTest::mouseClick(window->findChild<ToolButtonMenu *>(name), Qt::LeftButton);

    const auto *pages = window->findChild<QStackedWidget *>("swdDevices");
    QCOMPARE(pages->currentWidget()->objectName(), page);
    int selected = 0;
    for (const ToolButtonMenu *button : window->findChildren<ToolButtonMenu *>())
        selected += button->isSelected() ? 1 : 0;
    QCOMPARE(selected, 1);
    QVERIFY(m_dialogs.requests().isEmpty());
}

void TestWindowMain::closeSequence()
{
    QFETCH(bool, alerts);
    QFETCH(bool, report);
    QFETCH(QList<int>, answers);
    QFETCH(QString, outcome);
    QFETCH(QStringList, asked);
    QFETCH(bool, unwritable);

    WindowTray::setAvailabilityForTest(true);
    auto window = makeWindow();
    // Switched on after start-up, so the reporter never writes a workbook here.
    m_alerts.errorNtpTimeout = alerts;
    AppSettings::reportSettings().enabled = report;
    for (int answer : answers)
        m_dialogs.answerQuestion(QuestionResult(answer));
    QSignalSpy saved(m_session.get(), &MonitoringSession::saved);
    // Nothing may poll, mail or report after the final save.
    bool pollingAtSave = false;
    connect(m_session.get(), &MonitoringSession::saved, window.get(),
            [this, &pollingAtSave] { pollingAtSave = pollingAtSave || m_session->isRunning(); });
    // A folder where the state file should be: the save cannot replace it.
    QVERIFY(!unwritable || QDir().mkpath(AppSettings::stateFilePath()));

    const bool closed = window->close();

    QVERIFY(!unwritable || QDir().rmdir(AppSettings::stateFilePath()));
    QCOMPARE(closed, outcome == "closed");
    QCOMPARE(window->tray().isHiddenToTray(), outcome == "hidden");
    QCOMPARE(window->isVisible(), outcome == "refused");
    QCOMPARE(saved.count(), closed || unwritable ? 1 : 0);
    QVERIFY(!pollingAtSave);
    // A window that stays goes on watching the clocks.
    QCOMPARE(m_session->isRunning(), !closed);
    const QStringList texts = m_dialogs.questionTexts();
    QCOMPARE(texts.size(), asked.size());
    for (int i = 0; i < asked.size(); ++i) {
        QVERIFY2(texts.at(i).startsWith(asked.at(i)), qPrintable(texts.at(i)));
        const bool saveFailed = asked.at(i).startsWith("Cannot write");
        QVERIFY(saveFailed || texts.at(i).contains("close QLX Zentick?"));
        QCOMPARE(m_dialogs.requests().at(i).buttons,
                 saveFailed ? QStringList({"Close application", "Cancel"})
                            : QStringList({"Minimize to tray", "Close application", "Cancel"}));
    }
    QCOMPARE(m_dialogs.pendingAnswers(), 0);
}

void TestWindowMain::closingWithTheEditorOpenStoresAndSaves()
{
    auto *clock = new DevClock;
    ClockConfig config;
    config.Server1 = QStringLiteral("ntp.example");
    clock->setConfig(config);
    ClockRegistry::instance()->addClock(clock);
    ClockRegistry::instance()->createGroup(QStringLiteral("Hall"));

    auto window = makeWindow();
    // The member clock's configuration, edited for its group.
    window->openEditor(EditTarget::groupFromClock(0, 0));
    QCOMPARE(window->findChild<QStackedWidget *>("swdMain")->currentWidget()->objectName(),
             QString("pageConfiguration"));
    QSignalSpy saved(m_session.get(), &MonitoringSession::saved);

    QVERIFY(window->close());
    const DevGroup *group = ClockRegistry::instance()->groupAt(0);
    QVERIFY(group->hasConfig());
    QCOMPARE(group->config()->Server1, QStringLiteral("ntp.example"));
    QCOMPARE(saved.count(), 1);
    QVERIFY(saved.constFirst().constFirst().toBool());
    QFile file(AppSettings::stateFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("ntp.example"));
}

void TestWindowMain::failedSaveIsShownUntilASaveSucceeds()
{
    auto window = makeWindow();
    m_session->setSaveRetryMs(20);
    const auto *title = window->findChild<QLabel *>("lblTitle");
    QSignalSpy toasts(&m_alone->services().toasts(), &Toasts::shown);
    QSignalSpy saved(m_session.get(), &MonitoringSession::saved);
    // The data folder below a regular file: the system refuses every write.
    QTemporaryDir home;
    QFile(home.filePath("file")).open(QIODevice::WriteOnly);
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.filePath("file").toUtf8());

    // A change through a dialog: the new group is saved in the background.
    m_dialogs.answerDialog(QDialog::Accepted);
    QTest::mouseClick(window->findChild<ToolButtonMenu *>("btnGroupList"), Qt::LeftButton);
    click(*window, "btnGroupAdd");
    QTRY_COMPARE(toasts.count(), 1);
    const QString shown = toasts.constFirst().constFirst().toString();
    QVERIFY2(shown.startsWith("Cannot write the device list") && shown.contains("Not a directory"), qPrintable(shown));
    QVERIFY(title->text().contains("(not saved)"));
    QCOMPARE(title->toolTip(), shown);
    // Retried without a word more while it fails, saved once it can be.
    QTRY_VERIFY(saved.count() >= 3);
    QCOMPARE(toasts.count(), 1);
    qputenv("XDG_DATA_HOME", dataHome);
    QTRY_COMPARE(title->text(), QString("QLX Zentick"));
    QVERIFY(saved.constLast().constFirst().toBool());
    QVERIFY(m_session->saveProblem().isEmpty());
    QVERIFY(m_dialogs.requests().size() == 1);
    QVERIFY(QFile(AppSettings::stateFilePath()).size() > 0);
}

void TestWindowMain::tray()
{
    QFETCH(bool, available);
    QFETCH(QString, action);
    QFETCH(QList<int>, answers);
    QFETCH(QString, state);
    QFETCH(QStringList, menu);

    WindowTray::setAvailabilityForTest(available);
    auto window = makeWindow();
    QTRY_VERIFY(window->tray().icon());
    for (int answer : answers)
        m_dialogs.answerQuestion(QuestionResult(answer));
    QSystemTrayIcon *icon = window->tray().icon();
    const auto trigger = [&window](const char *name) { window->findChild<QAction *>(name)->trigger(); };
    if (action == "click") {
        emit icon->activated(QSystemTrayIcon::Trigger);
    } else if (action.startsWith("double click")) {
        emit icon->activated(QSystemTrayIcon::DoubleClick);
        if (action == "double click twice")
            emit icon->activated(QSystemTrayIcon::DoubleClick);
    } else if (action == "hide button") {
        window->findChild<QAbstractButton *>("btnNotifications")->click();
        window->findChild<QPushButton *>("btnHideToTray")->click();
    } else if (action.startsWith("hide")) {
        trigger("actionHideWindow");
        if (action == "hide, show action")
            trigger("actionShowWindow");
    } else if (action == "close with alerts") {
        m_alerts.errorConnection = true;
        QVERIFY(!window->close());
    }

    QCOMPARE(window->tray().isHiddenToTray(), state == "hidden");
    QCOMPARE(window->isVisible(), state != "hidden");
    QCOMPARE(window->isMinimized(), state == "minimized");
    const auto menuTexts = [&window] {
        QStringList texts;
        for (const QAction *entry : window->tray().menu()->actions()) {
            if (!entry->isSeparator())
                texts.append(entry->text());
        }
        return texts;
    };
    QTRY_COMPARE(menuTexts(), menu);
    QCOMPARE(m_dialogs.pendingAnswers(), 0);
}

void TestWindowMain::geometryRoundTrip()
{
    const QRect geometry(40, 50, 930, 610);
    QList<int> notifSizes;
    {
        auto window = makeWindow();
        window->setGeometry(geometry);
        window->findChild<QAbstractButton *>("btnNotifications")->click();
        auto *splitter = window->findChild<QSplitter *>("splitterNotif");
        QTRY_VERIFY(splitter->width() > 300);
        splitter->setSizes({200, splitter->width() - 200});
        notifSizes = splitter->sizes();
    }
    auto window = makeWindow();
    window->findChild<QAbstractButton *>("btnNotifications")->click();
    QCOMPARE(window->geometry(), geometry);
    QTRY_COMPARE(window->findChild<QSplitter *>("splitterNotif")->sizes(), notifSizes);
}

void TestWindowMain::themeSwitchRetintsStatusIcons()
{
    QFETCH(int, severity);
    QFETCH(QString, colourName);
    const QColor colour(colourName);

    ThemeManager::setCurrentTheme(Theme::Dark);
    auto window = makeWindow();
    QTRY_VERIFY(window->tray().icon()); // the deferred start-up has run
    window->SetTheme(Theme::Light);

    const QImage icon = window->services().statusPixmaps().pixmap(severity).toImage();
    QCOMPARE(icon.isNull(), !colour.isValid());
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            if (qAlpha(icon.pixel(x, y)) == 255) {
                QCOMPARE(QColor(icon.pixel(x, y)), colour);
                return;
            }
        }
    }
    QVERIFY(!colour.isValid());
}

void TestWindowMain::lockedDeviceList()
{
    QFETCH(bool, heldElsewhere);
    QFETCH(int, answer);
    QFETCH(bool, opened);
    QFETCH(bool, writable);

    m_session.reset(); // lets go of the lock init() took
    DeviceListLock other;
    if (heldElsewhere) {
        QVERIFY(other.tryLock());
        m_dialogs.answerQuestion(QuestionResult(answer));
    }
    MonitoringSession session{*ClockRegistry::instance(), m_exchanges, m_alerts};
    QCOMPARE(Startup(session, m_dialogs).openDeviceList(), opened);
    QCOMPARE(session.isWritable(), writable);
    QCOMPARE(m_dialogs.questionTexts().size(), heldElsewhere ? 1 : 0);
    if (heldElsewhere) {
        QVERIFY(m_dialogs.questionTexts().constFirst().startsWith("The device list is in use by tst_windowmain"));
        QCOMPARE(m_dialogs.requests().constFirst().buttons, QStringList({"Open read-only", "Quit"}));
    }
}

void TestWindowMain::startLanguage()
{
    QFETCH(QString, chosen);
    QFETCH(int, appLanguage);
    QFETCH(int, language);

    if (!chosen.isEmpty())
        SettingsStore::open()->setValue("Common/chosenLanguage", chosen);
    SettingsStore::open()->setValue("Common/appLanguage", appLanguage);
    LanguageManager::setupAtStartup();
    auto window = makeWindow();
    QCOMPARE(int(LanguageManager::currentLanguage()), language);
    // What reads the stored number sees the language the window runs in.
    QCOMPARE(SettingsStore::open()->value("Common/appLanguage").toInt(), language);
}

void TestWindowMain::languageChosenFromTheTray()
{
    WindowTray::setAvailabilityForTest(true);
    auto window = makeWindow();
    QTRY_VERIFY(window->tray().menu());
    QSignalSpy toasts(&window->services().toasts(), &Toasts::shown);
    const auto pick = [&window](const QString &name) {
        for (QAction *entry : window->tray().menu()->actions()) {
            if (!entry->menu())
                continue;
            for (QAction *language : entry->menu()->actions()) {
                if (language->text() == name)
                    language->trigger();
            }
        }
    };
    pick("Deutsch");
    // Kept for the next start; this window stays in its language.
    QCOMPARE(SettingsStore::open()->value("Common/chosenLanguage").toString(), QString("DE"));
    QCOMPARE(LanguageManager::currentLanguage(), Language::English);
    QCOMPARE(toasts.size(), 1);
    QVERIFY(toasts.at(0).at(0).toString().contains("Deutsch"));
    pick("Deutsch");
    QCOMPARE(toasts.size(), 1);

    window.reset();
    window = makeWindow();
    QCOMPARE(LanguageManager::currentLanguage(), Language::German);
}

std::unique_ptr<PageNotifications> TestWindowMain::notificationsPage(bool writable)
{
    if (!writable)
        m_session = std::make_unique<MonitoringSession>(*ClockRegistry::instance(), m_exchanges, m_alerts);
    m_alone = std::make_unique<StandaloneServices>(*m_session, m_dialogs);
    auto page = std::make_unique<PageNotifications>(m_alone->services());
    page->LoadNotificationWidgets();
    return page;
}

void TestWindowMain::recipients()
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
    // Taken, the address leaves the field; refused, it stays to be mended.
    QCOMPARE(child(*page, "ledNotifRecipient")->text().isEmpty(), warnings.isEmpty());
    // The remove button's column has no title: its name says whom it removes.
    for (int row = 0; row < table->rowCount(); ++row) {
        QCOMPARE(qobject_cast<TableItemCustom *>(table->cellWidget(row, 2))->buttons().constFirst()->accessibleName(),
                 QStringLiteral("Remove recipient ") + listed.at(row));
    }
}

void TestWindowMain::saveQuestionOnlyWhenChanged()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, button);
    QFETCH(bool, asked);

    // A closed port on this machine: a test mail sent unasked fails at once.
    NotificationSettings &stored = m_alerts;
    stored.server = QStringLiteral("127.0.0.1");
    stored.port = 1;
    stored.authType = 0;
    auto page = notificationsPage();
    for (const QString &edit : edits) {
        if (edit == QLatin1String("server"))
            child(*page, "ledNotifServer")->setText("127.0.0.2");
        else if (edit == QLatin1String("recipient"))
            addRecipients(*page, {"ops@x.org"});
        else
            click(*page, "btnNotifSave");
    }
    m_dialogs.reset();
    m_dialogs.answerQuestion(QuestionResult::Neutral); // "Cancel", when asked
    child<QPushButton>(*page, qPrintable(button))->click();
    QCOMPARE(m_dialogs.questionTexts().value(0).startsWith("Save configuration before"), asked);
    QTRY_VERIFY(!page->isTestMailRunning());
}

void TestWindowMain::monthlyMailByKeyboard()
{
    m_alerts.authType = 0;
    m_alerts.availabilityLastMonth = QStringLiteral("2026-10");
    auto page = notificationsPage();
    page->show();
    auto *mail = child<QCheckBox>(*page, "cbxAvailabilityMail");
    auto *day = child<QSpinBox>(*page, "sbxAvailabilityMailDay");
    auto *others = child(*page, "ledAvailabilityRecipients");
    // Each input is named for a screen reader by its label.
    for (QWidget *input : {static_cast<QWidget *>(day), static_cast<QWidget *>(others)})
        QVERIFY(!QAccessible::queryAccessibleInterface(input)->text(QAccessible::Name).isEmpty());
    QVERIFY(!day->isEnabled());

    QTest::keyClick(mail, Qt::Key_Space);
    QVERIFY(mail->isChecked() && day->isEnabled() && others->isEnabled());
    // Tab goes from the switch to the day to the recipients.
    const auto tabFrom = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || w->focusProxy());
        return w;
    };
    QCOMPARE(tabFrom(mail), day);
    QCOMPARE(tabFrom(day), others);
    day->selectAll();
    QTest::keyClicks(day, "15");
    QTest::keyClicks(others, "reports@x.org, nobody");
    QVERIFY(!page->SaveNotificationSettings(false));
    QVERIFY(!m_alerts.availabilityMail);
    QCOMPARE(m_dialogs.questionTexts().value(0), QStringLiteral("Report recipient nobody is not a valid e-mail address."));

    others->setText(QStringLiteral("reports@x.org, boss@x.org"));
    QVERIFY(page->SaveNotificationSettings(false));
    QVERIFY(m_alerts.availabilityMail);
    QCOMPARE(m_alerts.availabilityMailDay, 15);
    QCOMPARE(m_alerts.availabilityMailRecipients().size(), 2);
    QCOMPARE(m_alerts.availabilityLastMonth, QStringLiteral("2026-10"));
    // The mail noting its month is no edit of the form.
    m_alerts.availabilityLastMonth = QStringLiteral("2026-11");
    QVERIFY(!page->hasUnsavedChanges());
}

void TestWindowMain::saveNotifications()
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
    const NotificationSettings &stored = m_alerts;
    QCOMPARE(stored.recipients.isEmpty(), refused);
    if (!refused) {
        QCOMPARE(stored.authType, authType);
        QCOMPARE(stored.port, 65535);
        QVERIFY(stored.recipients.constFirst().copy);
    }
}

void TestWindowMain::testMail()
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

void TestWindowMain::saveReport()
{
    QFETCH(bool, enabled);
    QFETCH(QString, file);
    QFETCH(QString, message);
    QFETCH(bool, stored);

    QTemporaryDir folder;
    const QString path = folder.filePath(file);
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

void TestWindowMain::reportOpensAvailability()
{
    m_alone = std::make_unique<StandaloneServices>(*m_session, m_dialogs);
    PageReport page(m_alone->services());
    QString shown;
    m_dialogs.answerDialog([&shown](QDialog &dialog) {
        auto *availability = qobject_cast<DialogAvailability *>(&dialog);
        if (availability && availability->isComputing())
            QSignalSpy(availability, &DialogAvailability::figuresShown).wait(10000);
        if (availability)
            shown = dialog.findChild<QLabel *>(QStringLiteral("lblAvailabilityStatus"))->text();
        return int(QDialog::Accepted);
    });
    click(page, "btnReportAvailability");
    // This month's figures of the session's list, read from its history.
    QCOMPARE(shown, QStringLiteral("Figures of %1 clocks.").arg(m_session->registry().clockCount()));
}

QTEST_MAIN(TestWindowMain)
#include "tst_windowmain.moc"
