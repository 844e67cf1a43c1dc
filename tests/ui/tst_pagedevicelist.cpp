#include "core/AppSettings.h"
#include "tests/netns/ClockSimControl.h"
#include "operations/Communication.h"
#include "ui/dialogs/DialogAuditFindings.h"
#include "ui/dialogs/DialogHistory.h"
#include "ui/dialogs/DialogProgress.h"
#include "ui/dialogs/DialogQuestion.h"
#include "persistence/EventJournal.h"
#include "persistence/OperatorRecorder.h"
#include "session/ClockEventText.h"
#include "operations/audit/FleetAudit.h"
#include "ui/widgets/ClockTableView.h"
#include "ui/services/OperationRunner.h"
#include "operations/RefreshStatusSender.h"
#include "operations/SenderPool.h"
#include "tests/support/TestRows.h"
#include "tests/ui/DeviceListPage.h"
#include "ui/window/WindowMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QAccessible>
#include <QtTest>

#include <algorithm>

namespace {

// Opens the context menu of the current row from the keyboard and picks the
// entry (none: the first), when a menu opens.
void chooseFromMenu(QWidget *receiver, const QString &entry = QString())
{
    QTimer::singleShot(0, receiver, [entry] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            menu->setActiveAction(menu->actions().constFirst());
            for (QAction *action : menu->actions()) {
                if (!entry.isEmpty() && action->text() == entry)
                    menu->setActiveAction(action);
            }
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint());
    QApplication::sendEvent(receiver, &event);
}

} // namespace

// The device list page and the operation runner, against the simulated
// clocks of data/devicelist.json (Hall answers, Lab refuses the password,
// Roof answers, or stays silent for the runner) where they talk to them;
// last, the window closed while the page's refresh still waits.
class TestPageDeviceList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void emptyListShowsAtOnce();
    void deleteShiftsRows();
    void keysActOnShownRowsOnly_data() { TestRows::add(QStringLiteral("ui/devicelist.rows")); }
    void keysActOnShownRowsOnly();
    void actions_data() { TestRows::add(QStringLiteral("ui/devicelist.rows")); }
    void actions();
    void settingsSends_data() { TestRows::add(QStringLiteral("ui/devicelist.rows")); }
    void settingsSends();
    void search_data() { TestRows::add(QStringLiteral("ui/devicelist.rows")); }
    void search();
    void refresh_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void refresh();
    void audit_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void audit();
    void siteZoneChangedFromFindings();
    void quietPeriodAndHistoryFromTheMenu();
    void nameSentFromTheWindowInTheHistory();
    void closingWhileARefreshRuns();

private:
    ClockSimControl m_sim;
};

void TestPageDeviceList::init()
{
    QVERIFY(m_sim.reset() && m_sim.clearLog());
    ClockRegistry::resetForTest();
}

void TestPageDeviceList::emptyListShowsAtOnce()
{
    DeviceListPage f;
    QVERIFY(f.exposed());
    QVERIFY(f.page->findChild<QWidget *>("wdtDeviceList")->isVisible());
    QCOMPARE(f.table()->model()->rowCount(), 0);
    QCOMPARE(f.page->findChild<QLabel *>("lblFleetSummary")->text(),
             QString("Clocks: 0 (0 synchronized, 0 warning, 0 critical)"));
}

void TestPageDeviceList::deleteShiftsRows()
{
    for (const char *name : {"A", "B", "C", "D", "E"})
        listClock(name, QStringLiteral("192.168.0.%1").arg(20 + name[0] - 'A'));
    DeviceListPage f;
    QVERIFY(f.exposed());
    // Cancelled first, then confirmed.
    f.dialogs.answerQuestion(QuestionResult::Negative).answerQuestion(QuestionResult::Positive);
    f.clickManage(2, PageDeviceList::DeleteAction);
    QCOMPARE(ClockRegistry::instance()->clockCount(), 5);
    f.clickManage(2, PageDeviceList::DeleteAction);
    QCOMPARE(f.dialogs.questionTexts().constLast(), QString("Are you sure you want to delete clock C (IP: 192.168.0.22)?"));
    QCOMPARE(f.table()->model()->rowCount(), 4);
    QTRY_COMPARE(f.page->findChild<QLabel *>("lblFleetSummary")->text(),
                 QString("Clocks: 4 (0 synchronized, 4 warning, 0 critical)"));

    // Rows 2 and 3 now open D's and E's settings, by mouse and by keyboard.
    QStringList opened;
    for (int i = 0; i < 2; ++i) {
        f.dialogs.answerDialog([&opened](QDialog &dialog) {
            opened << dialog.findChild<QLineEdit *>("ledName")->text();
            return int(QDialog::Rejected);
        });
    }
    f.clickManage(2, PageDeviceList::EditSettingsAction);
    f.table()->setFocus();
    f.table()->setCurrentIndex(f.shown(3, PageDeviceList::ManageColumn));
    for (int i = 0; i < PageDeviceList::EditSettingsAction; ++i)
        QTest::keyClick(f.table(), Qt::Key_Right);
    QTest::keyClick(f.table(), Qt::Key_Space);
    QCOMPARE(opened, QStringList({"D", "E"}));
}

void TestPageDeviceList::keysActOnShownRowsOnly()
{
    QFETCH(QString, key);
    QFETCH(int, current);
    QFETCH(QString, text);
    QFETCH(bool, problemsOnly);
    QFETCH(int, currentAfter);
    QFETCH(QString, asked);

    DevClock *hall = listClock("Hall", "192.168.0.20");
    hall->status.NtpSynchronization = NtpSynchronized;
    hall->status.lastNtpServer = QStringLiteral("ntp1");
    listClock("Lab", "192.168.0.21")->status.NtpSynchronization = NtpTimeout;
    listClock("Roof", "192.168.0.22");
    DeviceListPage f;
    QVERIFY(f.exposed());
    // Roof's unknown state counts as a problem, as Lab's time-out does.
    QTRY_COMPARE(f.page->findChild<QLabel *>("lblFleetSummary")->text(),
                 QString("Clocks: 3 (1 synchronized, 2 warning, 0 critical)"));
    QTableView *table = f.table();
    table->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    table->setCurrentIndex(f.shown(current, PageDeviceList::ManageColumn));
    f.page->findChild<QLineEdit *>("ledDeviceFilter")->setText(text);
    f.page->findChild<QCheckBox *>("cbxProblemsOnly")->setChecked(problemsOnly);

    // Every path ends in the first action, Delete, whose question names the clock.
    f.dialogs.answerQuestion(QuestionResult::Negative);
    const QHash<QString, Qt::Key> keys{{"delete", Qt::Key_Delete}, {"enter", Qt::Key_Return}, {"space", Qt::Key_Space}};
    if (key == "menu")
        chooseFromMenu(table);
    else
        QTest::keyClick(table, keys.value(key));
    QCOMPARE(f.dialogs.questionTexts(),
             asked.isEmpty() ? QStringList() : QStringList{"Are you sure you want to delete clock " + asked + "?"});
    QCOMPARE(f.currentRow(), currentAfter);
}

void TestPageDeviceList::actions()
{
    QFETCH(QString, ip);
    QFETCH(int, action);
    QFETCH(QString, progress);
    QFETCH(QString, toast);
    QFETCH(QString, error);
    QFETCH(QString, pressedBy);

    listClock("Clock", "192.168.0.22");
    DevClock *clock = listClock("Clock", ip);
    DeviceListPage f;
    QVERIFY(f.exposed());
    if (!error.isEmpty())
        f.dialogs.answerQuestion(QuestionResult::Positive);
    if (pressedBy == "mouse") {
        f.clickManage(1, action);
    } else {
        // As a screen reader presses it: the button is a named child of its cell.
        const QModelIndex cell = f.shown(1, PageDeviceList::ManageColumn);
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(f.table());
        const auto *view = qobject_cast<ClockTableView *>(f.table());
        QAccessibleInterface *buttons = table->child(view->accessibleChildIndex(cell));
        QCOMPARE(buttons->childCount(), 5);
        QAccessibleInterface *button = buttons->child(action);
        QCOMPARE(button->role(), QAccessible::PushButton);
        QVERIFY(!button->text(QAccessible::Name).isEmpty());
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

    QTRY_VERIFY_WITH_TIMEOUT(!f.alone.toasts().isEmpty() || !f.dialogs.questionTexts().isEmpty(), 30000);
    QCOMPARE(f.dialogs.requests().constFirst().text, progress);
    QCOMPARE(f.alone.toasts(), toast.isEmpty() ? QStringList() : QStringList{toast});
    QCOMPARE(f.dialogs.questionTexts(), error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(f.cell(1, PageDeviceList::NameColumn) + f.cell(1, PageDeviceList::StatusColumn, Qt::ToolTipRole),
             clock->name + clock->statusText());
    QCOMPARE(clock->hasConfig(), action != PageDeviceList::RefreshAction);
}

void TestPageDeviceList::settingsSends()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, send);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(QString, message);
    QFETCH(QString, ipAfter);
    QFETCH(QString, passwordAfter);

    DevClock *clock = listClock("Clock", "192.168.0.20");
    DeviceListPage f;
    QVERIFY(f.exposed());
    QString shownPassword;
    f.dialogs
        .answerDialog([&](QDialog &dialog) {
            for (const QString &edit : edits)
                dialog.findChild<QLineEdit *>(edit.section('=', 0, 0))->setText(edit.section('=', 1));
            dialog.findChild<QPushButton *>(send)->click();
            shownPassword = dialog.findChild<QLineEdit *>("ledPassword")->text();
            dialog.findChild<QPushButton *>("btnCancel")->click();
            return dialog.result();
        })
        .answerQuestion(QuestionResult::Positive);
    f.clickManage(0, PageDeviceList::EditSettingsAction);

    QCOMPARE(f.dialogs.questionTexts(), QStringList{message});
    const QVector<QJsonObject> sent = m_sim.httpRequests();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.constFirst().value("local").toString(), QString("192.168.0.20"));
    QCOMPARE(sent.constFirst().value("path").toString(), path);
    QCOMPARE(QByteArray::fromBase64(sent.constFirst().value("body").toString().toLatin1()), body);
    QCOMPARE(clock->network.ip, ipAfter);
    QCOMPARE(clock->password, passwordAfter);
    QCOMPARE(shownPassword, passwordAfter);
    // Accepted, so the row follows the record at once.
    QCOMPARE(f.cell(0, PageDeviceList::IpColumn), ipAfter);
}

void TestPageDeviceList::search()
{
    QFETCH(QStringList, untick);
    QFETCH(QStringList, rows);
    QFETCH(QString, password);

    listClock("Hall", "192.168.0.20");
    DeviceListPage f;
    QVERIFY(f.exposed());
    f.dialogs
        .answerDialog([&](QDialog &dialog) {
            dialog.findChild<QLineEdit *>("ledUser")->setText("admin");
            dialog.findChild<QLineEdit *>("ledPassword")->setText(password);
            return int(QDialog::Accepted);
        })
        .answerDialog([&](QDialog &dialog) {
            auto *table = dialog.findChild<QTableWidget *>("twdDeviceList");
            for (int row = 0; row < table->rowCount(); ++row) {
                if (untick.contains(table->item(row, 2)->text()))
                    table->item(row, 0)->setCheckState(Qt::Unchecked);
            }
            dialog.findChild<QPushButton *>("btnAccept")->click();
            return dialog.result();
        })
        .answerQuestion(QuestionResult::Positive);
    QTest::mouseClick(f.page->findChild<QPushButton *>("btnDeviceSearch"), Qt::LeftButton);

    // The listed address is flagged and asked about while it is ticked; a
    // refusal there is the listed clock, neither ticked nor asked about.
    QTEST(int(f.dialogs.questionTexts().size()), "asked");
    QStringList listed;
    for (int row = 0; row < f.table()->model()->rowCount(); ++row)
        listed << f.cell(row, PageDeviceList::IpColumn);
    std::sort(listed.begin() + 1, listed.end());
    QCOMPARE(listed, rows);
    QCOMPARE(ClockRegistry::instance()->clockCount(), rows.size());
}

void TestPageDeviceList::refresh()
{
    QFETCH(QString, ip);
    QFETCH(bool, cancel);
    QFETCH(QString, toast);
    QFETCH(QString, message);

    QVERIFY(m_sim.setFaults(2, {{"silent", true}}));
    DevClock *clock = listClock("Clock", ip);
    DeviceListPage f;
    OperationRunner &runner = f.alone.services().runner();
    QSignalSpy updated(&f.session, &MonitoringSession::statusUpdated);
    if (cancel)
        f.dialogs.answerProgress(ScriptedDialogHost::Progress::Cancel);
    if (!message.isEmpty())
        f.dialogs.answerQuestion(QuestionResult::Positive);

    bool ended = false;
    bool cancelRequested = false;
    runner.run(f.exchanges.refreshStatus(SenderTarget::fromClock(*clock)),
               QStringLiteral("Updating device"), [&](DataSender *sender) {
                   // The dialog is finished before the result is read; a
                   // cancelled one is gone by the time the exchange ends.
                   const DialogProgress *dialog = runner.progressDialog();
                   QVERIFY(cancel ? !dialog : dialog && dialog->result() == QDialog::Accepted);
                   cancelRequested = sender->isCancelRequested();
                   f.page->onStatusRefreshed(sender);
                   ended = true;
               });
    QVERIFY(!runner.progressDialog());
    QTRY_VERIFY_WITH_TIMEOUT(ended, 30000);

    QCOMPARE(f.dialogs.requests().constFirst().title, QString("Please wait..."));
    QCOMPARE(cancelRequested, cancel);
    QCOMPARE(f.alone.toasts(), toast.isEmpty() ? QStringList() : QStringList{toast});
    QCOMPARE(f.dialogs.questionTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty())
        QCOMPARE(f.dialogs.requests().constLast().icon, QuestionIcon::Critical);
    QCOMPARE(updated.count(), toast.isEmpty() ? 0 : 1);
    if (!toast.isEmpty())
        QCOMPARE(clock->name, QString("Hall"));
}

void TestPageDeviceList::audit()
{
    QFETCH(QString, ips);
    QFETCH(bool, cancel);
    QFETCH(QString, shown);

    QVERIFY(m_sim.setFaults(2, {{"silent", true}}));
    for (const QString &ip : ips.split(' '))
        listClock("Clock", ip);
    DeviceListPage f;
    if (cancel)
        f.dialogs.answerProgress(ScriptedDialogHost::Progress::Cancel);
    FleetAudit audit(f.exchanges);
    audit.selectAllClocks(*ClockRegistry::instance());
    QSignalSpy canceled(&audit, &FleetAudit::canceled);
    QString seen;
    f.alone.services().runner().run(&audit, QStringLiteral("Checking clocks"), [&](FleetAudit *ended) {
        DialogAuditFindings findings(f.alone.window());
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
    QCOMPARE(f.dialogs.requests().constFirst().text, QString("Checking clocks"));
    QCOMPARE(seen, shown);
}

void TestPageDeviceList::siteZoneChangedFromFindings()
{
    // A machine in UTC judging a site elsewhere: the findings name the zone,
    // and the one chosen there is stored and audited with at once.
    AppSettings::setSiteZone(QTimeZone("Etc/UTC"));
    DeviceListPage f;
    QStringList compared;
    auto findings = [&compared](int result) {
        return [&compared, result](QDialog &dialog) {
            compared << dialog.findChild<QLabel *>("lblSummary")->text().section('\n', -1);
            return result;
        };
    };
    f.dialogs.answerDialog(findings(DialogAuditFindings::ChangeSiteZone))
        .answerDialog([](QDialog &dialog) {
            auto *zones = dialog.findChild<QComboBox *>("cbxSpecialFrames");
            zones->setCurrentIndex(zones->findText("Europe/Berlin"));
            dialog.findChild<QPushButton *>("btnOk")->click();
            return dialog.result();
        })
        .answerDialog(findings(QDialog::Accepted));
    f.page->findChild<QPushButton *>("btnCheckClocks")->click();
    QCOMPARE(compared, QStringList({"Daylight saving compared with Etc/UTC.",
                                    "Daylight saving compared with Europe/Berlin."}));
    QCOMPARE(AppSettings::siteZone().id(), QByteArray("Europe/Berlin"));
}

void TestPageDeviceList::nameSentFromTheWindowInTheHistory()
{
    const QDateTime start = QDateTime::currentDateTimeUtc();
    listClock(QStringLiteral("Hall"), QStringLiteral("192.168.0.20"));
    DeviceListPage f;
    QVERIFY(f.session.acquireLock());
    f.session.start();
    QVERIFY(f.exposed());
    f.dialogs.answerDialog([](QDialog &dialog) {
        dialog.findChild<QLineEdit *>("ledName")->setText("Lobby");
        QTest::mouseClick(dialog.findChild<QPushButton *>("btnNameSend"), Qt::LeftButton);
        return int(QDialog::Accepted);
    });
    f.dialogs.answerQuestion(QuestionResult::Positive); // "Name changed successfully."
    f.clickManage(0, PageDeviceList::EditSettingsAction);
    QCOMPARE(f.dialogs.pendingAnswers(), 0);
    QVERIFY(f.session.journal()->flush());
    const QList<ClockEvent> changes = EventJournal::read(
        EventJournal::defaultFolder(), {QStringLiteral("192.168.0.20"), start, -1, int(ClockEvent::Kind::Changed)});
    QCOMPARE(changes.size(), 1);
    QCOMPARE(ClockEventText::describe(changes.at(0)),
             QStringLiteral("Name set by %1@%2: Name Hall \u2192 Lobby")
                 .arg(OperatorRecorder::currentUser(), QSysInfo::machineHostName()));
}

void TestPageDeviceList::quietPeriodAndHistoryFromTheMenu()
{
    DevClock *clock = listClock(QStringLiteral("Hall"), QStringLiteral("192.168.0.20"));
    DeviceListPage f;
    QVERIFY(f.session.acquireLock());
    f.session.start();
    QVERIFY(f.exposed());
    f.table()->setCurrentIndex(f.table()->model()->index(0, PageDeviceList::NameColumn));

    // "For 8 hours": the row says so, the list keeps it, the journal has it.
    f.dialogs.answerDialog([](QDialog &dialog) {
        dialog.findChild<QComboBox *>()->setCurrentIndex(1);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
        return dialog.result();
    });
    chooseFromMenu(f.table()->viewport(), QStringLiteral("Quiet period..."));
    QVERIFY(clock->quietPeriod.isActive(QDateTime::currentDateTime().addSecs(7 * 3600)));
    QVERIFY(!clock->quietPeriod.isActive(QDateTime::currentDateTime().addSecs(9 * 3600)));
    QVERIFY2(f.cell(0, PageDeviceList::StatusColumn).contains(QStringLiteral("\nMuted until ")),
             qPrintable(f.cell(0, PageDeviceList::StatusColumn)));
    QFile state(AppSettings::stateFilePath());
    QVERIFY(state.open(QIODevice::ReadOnly) && state.readAll().contains(" quietUntil=\""));

    // Ended from the same menu; the history shows both, newest first.
    chooseFromMenu(f.table()->viewport(), QStringLiteral("End quiet period"));
    QVERIFY(!clock->quietPeriod.on);
    f.session.journal()->flush();
    QStringList shown;
    f.dialogs.answerDialog([&shown](QDialog &dialog) {
        auto &history = static_cast<DialogHistory &>(dialog);
        if (history.isReading())
            QSignalSpy(&history, &DialogHistory::historyShown).wait(10000);
        const auto *table = history.findChild<QTableWidget *>(QStringLiteral("twdHistory"));
        for (int row = 0; row < table->rowCount(); ++row)
            shown << table->item(row, 1)->text();
        return int(QDialog::Accepted);
    });
    chooseFromMenu(f.table()->viewport(), QStringLiteral("History..."));
    // The poller's own events may fall between the two.
    QCOMPARE(shown.value(0), QStringLiteral("Quiet period lifted"));
    const auto quiet = std::find_if(shown.cbegin() + 1, shown.cend(),
                                    [](const QString &text) { return text.startsWith(QStringLiteral("Quiet until ")); });
    QVERIFY2(quiet != shown.cend(), qPrintable(shown.join('|')));

    // "Every week...": windows typed in, kept and shown.
    f.dialogs.answerDialog([](QDialog &dialog) {
        dialog.findChild<QComboBox *>()->setCurrentIndex(5);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
        return dialog.result();
    }).answerDialog([](QDialog &dialog) {
        auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("mon-sun (Europe/Berlin)"));
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnAccept")), Qt::LeftButton);
        return dialog.result();
    });
    chooseFromMenu(f.table()->viewport(), QStringLiteral("Quiet period..."));
    QCOMPARE(clock->quietHours.toText(), QStringLiteral("Mon-Sun (Europe/Berlin)"));
    QVERIFY(f.cell(0, PageDeviceList::StatusColumn).endsWith(QStringLiteral("\nQuiet hours all week")));
    f.session.stop();

    // A history that cannot be read is not shown as an empty one, to a
    // screen reader either.
    QTemporaryDir damaged;
    QFile garbage(damaged.filePath(QStringLiteral("events.sqlite")));
    QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray(8192, 'x')) == 8192);
    garbage.close();
    DialogHistory unreadable;
    QSignalSpy read(&unreadable, &DialogHistory::historyShown);
    unreadable.showClock(QStringLiteral("Hall"), QStringLiteral("192.168.0.20"), damaged.path());
    QVERIFY(read.wait(10000));
    const QString said = QAccessible::queryAccessibleInterface(unreadable.findChild<QLabel *>("lblHistorySummary"))
                             ->text(QAccessible::Name);
    QVERIFY2(said.contains(QLatin1String("cannot be read")), qPrintable(said));
}

void TestPageDeviceList::closingWhileARefreshRuns()
{
    // Roof stays silent: its refresh still waits when the window closes.
    QVERIFY(m_sim.setFaults(2, {{"silent", true}}));
    listClock("Roof", "192.168.0.22");
    ScriptedDialogHost dialogs;
    Communication exchanges;
    NotificationSettings alerts;
    MonitoringSession session{*ClockRegistry::instance(), exchanges, alerts};
    QVERIFY(session.acquireLock());
    // Built before the window and kept after it, as main() does.
    auto alone = std::make_unique<StandaloneServices>(session, dialogs);
    auto window = std::make_unique<WindowMain>(alone->services());
    window->show();
    auto *page = window->findChild<PageDeviceList *>();
    QTRY_COMPARE(page->table()->model()->rowCount(), 1);
    QPointer<DataSender> refresh;
    bool closed = false;
    // The tray's "Close application" while the progress dialog runs; the
    // program's end then ends that run as a cancel does.
    QTimer::singleShot(0, window.get(), [&] {
        refresh = exchanges.pool()->senders().value(0);
        closed = window->close();
        alone->services().runner().progressDialog()->reject();
    });
    page->ManageDevice(0, PageDeviceList::RefreshAction);
    QVERIFY(closed && refresh);
    window.reset();

    // The exchange runs on to its time-out with no page left to hear it.
    QTRY_VERIFY_WITH_TIMEOUT(!m_sim.connections().isEmpty(), 30000);
    QTRY_VERIFY(!refresh);
    alone.reset();
    QCOMPARE(dialogs.requests().size(), 1);
    QCOMPARE(dialogs.requests().constFirst().text, QString("Updating device"));
}

QTEST_MAIN(TestPageDeviceList)
#include "tst_pagedevicelist.moc"
