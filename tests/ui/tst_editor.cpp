#include "ui/editor/AlarmTable.h"
#include "model/ClockConfig.h"
#include "session/ClockListModel.h"
#include "ui/widgets/ClockTableView.h"
#include "ui/widgets/ManageButtonsDelegate.h"
#include "model/ClockRegistry.h"
#include "tests/netns/ClockSimControl.h"
#include "persistence/ConfigurationFiles.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "ui/dialogs/DialogQuestion.h"
#include "ui/pages/GroupTree.h"
#include "notify/NotificationSettings.h"
#include "operations/Communication.h"
#include "session/MonitoringSession.h"
#include "ui/editor/PageConfiguration.h"
#include "ui/pages/PageGroupList.h"
#include "model/ParameterText.h"
#include "ui/widgets/PushButtonFlat.h"
#include "ui/dialogs/ScriptedDialogHost.h"
#include "tests/ui/StandaloneServices.h"
#include "ui/widgets/TableItemCustom.h"
#include "tests/support/TestRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QAccessible>
#include <QtTest>

// The configuration editor on clock 0, and the group page that opens it,
// with a scripted dialog host. "file" is tests/data/configuration.qlxztc,
// which sets nearly every field. The send goes to the simulated clocks of
// data/editor.json: North, South and East answer, Dead refuses connections.
class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void visibilityRules_data() { TestRows::add(QStringLiteral("ui/editor.rows")); }
    void visibilityRules();
    void alarmModeAndDays_data() { TestRows::add(QStringLiteral("ui/editor.rows")); }
    void alarmModeAndDays();
    void fillThenRead_data() { TestRows::add(QStringLiteral("ui/editor.rows")); }
    void fillThenRead();
    void leavingStoresWhereEdited_data() { TestRows::add(QStringLiteral("ui/editor.rows")); }
    void leavingStoresWhereEdited();
    void clockWithoutConfigurationStaysClosed();
    void closingWhileAlarmsLoadKeepsThem();
    void unsafeText_data() { TestRows::add(QStringLiteral("ui/editor.rows")); }
    void unsafeText();
    void groupMembership_data() { TestRows::add(QStringLiteral("ui/editor.rows")); }
    void groupMembership();
    void groupCellByKeysScreenReaderAndOneClick();
    void groupConfiguration_data() { TestRows::add(QStringLiteral("ui/editor.rows")); }
    void groupConfiguration();
    void send_data() { TestRows::add(QStringLiteral("ui/pages.rows")); }
    void send();
    void halfReadDownloadStoresNothing();

private:
    // "defaults", "file" or "unshowable" (the file with values no widget can show).
    static std::unique_ptr<ClockConfig> config(const QString &name);
    // Clock 0 given the configuration (none: as it is), then the editor on the clock or group.
    void open(const ClockConfig *config, int group = -1, int clock = 0);
    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        return m_page->findChild<T *>(name);
    }
    TableItemCustom *alarmCell(int row, int column) const
    {
        return qobject_cast<TableItemCustom *>(find<AlarmTable>("twdAlarmList")->cellWidget(row, column));
    }

    // Clocks A and C with a downloaded configuration, B without; A in G0, B in G1.
    void listGroups();
    // The group's row (member -1) or a member's row, then its button: a member's with "mouse",
    // "keys" (Right into the buttons) or "menu" (Shift+F10, pressed through accessibility).
    void click(int group, int member, int button, const QString &how = QStringLiteral("mouse"));
    // What the window does with the group page's requests.
    std::unique_ptr<PageGroupList> groupPage()
    {
        auto page = std::make_unique<PageGroupList>(m_alone.services());
        connect(page.get(), &PageGroupList::editRequested, m_page.get(),
                [this](const EditTarget &target) { m_page->OpenConfigEditor(target.groupIndex, target.clockIndex); });
        return page;
    }

    // Every simulated clock listed with Server1 "ntp.stored" (and the time
    // shown, unless not); group G holds the members, in that order.
    void listSimulatedClocks(const QList<int> &members, bool shows = true);

    ClockSimControl m_sim;
    ScriptedDialogHost m_dialogs;
    Communication m_exchanges;
    NotificationSettings m_alerts;
    MonitoringSession m_session{*ClockRegistry::instance(), m_exchanges, m_alerts};
    StandaloneServices m_alone{m_session, m_dialogs};
    std::unique_ptr<PageConfiguration> m_page = std::make_unique<PageConfiguration>(m_alone.services());
    std::unique_ptr<PageGroupList> m_groups = groupPage();
};

std::unique_ptr<ClockConfig> TestEditor::config(const QString &name)
{
    if (name == "defaults")
        return std::make_unique<ClockConfig>();
    auto c = ConfigurationFiles::openConfiguration(qEnvironmentVariable("ZENTICK_SOURCE_DIR")
                                                   + "/tests/data/configuration.qlxztc");
    if (c && name == "unshowable") {
        c->TimeZone = 40;
        c->Brightness = 99;
        c->TemperatureUnit = -1;
        c->DurationTime = 0;
        c->DurationDate = 75;
        c->TemperatureOffsetValue = 12.5f;
        c->MasterIP = "1.2.3.4&B_016=0";
        c->EcoStart = QTime(25, 0);
        c->alarms[3].Duration = 0;
        c->alarms[4].Time = QTime(6, 0, 30);
    }
    return c;
}

void TestEditor::init()
{
    m_dialogs.reset();
    m_page->StoreEditedConfiguration();
    ClockRegistry::resetForTest();
    ClockRegistry::instance()->addClock(new DevClock);
}

void TestEditor::open(const ClockConfig *config, int group, int clock)
{
    if (config)
        ClockRegistry::instance()->clockAt(0)->setConfig(*config);
    QVERIFY(m_page->OpenConfigEditor(group, clock));
    QTRY_VERIFY(!m_page->isLoadingAlarms());
}

void TestEditor::visibilityRules()
{
    QFETCH(QString, actions);
    QFETCH(QString, expected);

    ClockConfig base;
    base.ShowTime = base.ShowTemp = base.ShowDate = true;
    open(&base);
    for (const QString &action : actions.split(' ')) {
        const QStringList part = action.split(':');
        if (part.at(0) == "click")
            find<QCheckBox>(part.at(1))->click();
        else if (part.at(0) == "index")
            find<QComboBox>(part.at(1))->setCurrentIndex(part.at(2).toInt());
        else if (part.at(0) == "type")
            QTest::keyClicks(find(part.at(1)), part.at(2));
        else
            open(config(part.at(1)).get());
    }
    for (const QString &expectation : expected.split(' ')) {
        const QWidget *widget = find(expectation.mid(1).section(':', 0, 0));
        const int kind = QString("+-^_=").indexOf(expectation.at(0));
        const bool ok = kind < 2 ? widget->isHidden() == (kind == 1)
            : kind < 4           ? widget->isEnabled() == (kind == 2)
                                 : qobject_cast<const QLineEdit *>(widget)->text() == expectation.section(':', 1);
        QVERIFY2(ok, qPrintable(expectation));
    }
}

void TestEditor::alarmModeAndDays()
{
    QFETCH(bool, selectedDays);
    QFETCH(int, days);
    QFETCH(QString, action);
    QFETCH(bool, selectedDaysAfter);
    QFETCH(int, daysAfter);

    ClockConfig config;
    config.alarms[7].SelectedDaysMode = selectedDays;
    config.alarms[7].setDayMask(days);
    open(&config);
    const int value = action.section(':', 1).toInt();
    if (action.startsWith("mode"))
        alarmCell(7, AlarmTable::ModeColumn)->comboBoxes().constFirst()->setCurrentIndex(value);
    else if (action.startsWith("day"))
        alarmCell(7, AlarmTable::FirstDayColumn + value - 1)->checkBoxes().constFirst()->click();
    else
        qobject_cast<QSpinBox *>(find<AlarmTable>("twdAlarmList")->cellWidget(7, AlarmTable::DurationColumn))->setValue(value);

    const Alarm alarm = m_page->ReadConfigFromWidgets()->alarms[7];
    if (action.startsWith("duration"))
        QCOMPARE(alarm.Duration, value);
    QCOMPARE(alarm.SelectedDaysMode, selectedDaysAfter);
    QCOMPARE(alarm.dayMask(), daysAfter);
    QCOMPARE(alarmCell(7, AlarmTable::ModeColumn)->comboIndex(0), selectedDaysAfter ? 1 : 0);
}

void TestEditor::fillThenRead()
{
    QFETCH(QString, source);
    QFETCH(QString, edit);
    QFETCH(QString, masterIp);
    QFETCH(int, durationTime);
    QFETCH(QString, server3);

    const auto expected = config(source);
    expected->loaded = true;
    // Something else first, so that no widget passes by keeping a leftover.
    auto other = config("file");
    other->Mode = 1;
    other->Server2 = "other";
    open(other.get());
    open(expected.get());
    const QStringList part = edit.split(':');
    if (part.at(0) == "retype") {
        auto *line = find<QLineEdit>(part.at(1));
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Delete);
        QTest::keyClicks(line, part.at(2));
    } else if (part.at(0) == "step") {
        find<QAbstractSpinBox>(part.at(1))->stepBy(part.at(2).toInt());
    }
    expected->MasterIP = masterIp;
    expected->DurationTime = durationTime;
    if (!server3.isNull())
        expected->Server3 = server3;

    QVERIFY(m_page->ReadConfigFromWidgets()->sameContent(*expected));
}

void TestEditor::leavingStoresWhereEdited()
{
    QFETCH(int, groupIndex);
    QFETCH(int, clockIndex);
    QFETCH(bool, clockChanged);

    ClockRegistry *registry = ClockRegistry::instance();
    registry->clockAt(0)->setConfig(ClockConfig());
    registry->createGroup("Hall")->setConfig(ClockConfig());
    registry->setClockGroup(0, 0);
    open(nullptr, groupIndex, clockIndex);
    QCOMPARE(find("btnConfigDownload")->isHidden(), groupIndex >= 0);
    QTest::keyClicks(find<QLineEdit>("ledRemoteServer1"), "ntp.changed");
    QSignalSpy left(m_page.get(), &PageConfiguration::SigLeaveEditor);

    QTest::mouseClick(find("btnConfigBack"), Qt::LeftButton);

    QCOMPARE(left.count(), 1);
    QVERIFY(!m_page->isEditing());
    QCOMPARE(registry->clockAt(0)->config().Server1 == "ntp.changed", clockChanged);
    QCOMPARE(registry->groupAt(0)->config()->Server1 == "ntp.changed", !clockChanged);
}

void TestEditor::clockWithoutConfigurationStaysClosed()
{
    QVERIFY(!m_page->OpenConfigEditor(-1, 0));
    QVERIFY(!m_page->isEditing());
    QCOMPARE(m_dialogs.questionTexts(),
             QStringList{"Clock has no fetched configuration. Download clock configuration first in device list."});
}

void TestEditor::closingWhileAlarmsLoadKeepsThem()
{
    open(config("file").get());
    ClockConfig second;
    second.alarms[29] = {true, QTime(6, 45), 12, true};
    ClockRegistry::instance()->clockAt(0)->setConfig(second);

    QVERIFY(m_page->OpenConfigEditor(-1, 0));
    QVERIFY(!find("btnConfigBack")->isEnabled());
    QVERIFY(!find("btnSendConfiguration")->isEnabled());
    // What closing the program does while the table still shows the first alarms.
    m_page->StoreEditedConfiguration();

    QVERIFY(ClockRegistry::instance()->clockAt(0)->config().alarms == second.alarms);
}

void TestEditor::unsafeText()
{
    QFETCH(QString, field);
    QFETCH(QString, text);

    ClockConfig config;
    config.Synchronization = true;
    if (field == "MasterIP")
        config.MasterIP = text;
    else
        config.setServer(field.right(1).toInt() - 1, text);
    open(&config);

    QTest::mouseClick(find("btnSendConfiguration"), Qt::LeftButton);

    QCOMPARE(m_dialogs.questionTexts(), QStringList{ParameterText::refusalText(field)});
    QCOMPARE(m_dialogs.requests().constFirst().icon, QuestionIcon::Critical);
}

void TestEditor::listGroups()
{
    ClockRegistry::resetForTest();
    ClockRegistry *registry = ClockRegistry::instance();
    for (const QString name : {"A", "B", "C"}) {
        auto *clock = new DevClock;
        clock->name = name;
        ClockConfig config;
        config.Server1 = name;
        if (name != "B")
            clock->setConfig(config);
        registry->addClock(clock);
    }
    registry->createGroup("G0");
    registry->createGroup("G1");
    registry->setClockGroup(0, 0);
    registry->setClockGroup(1, 1);
    m_groups->BuildGroupTree();
}

void TestEditor::click(int group, int member, int button, const QString &how)
{
    auto *tree = m_groups->findChild<GroupTree *>("twdGroupList");
    if (member < 0) {
        qobject_cast<TableItemCustom *>(tree->itemWidget(tree->topLevelItem(group), 1))->buttons().at(button)->click();
        return;
    }
    const QModelIndex name = tree->model()->index(member, 0, tree->model()->index(group, 0));
    const QModelIndex cell = name.siblingAtColumn(1);
    if (how == "mouse") {
        const QRect rect = tree->clockButtons()->buttonRect(tree->visualRect(cell), button);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
        return;
    }
    tree->setFocus();
    tree->setCurrentIndex(name);
    if (how == "keys") {
        for (int step = 0; step <= button; ++step)
            QTest::keyClick(tree, Qt::Key_Right);
        QCOMPARE(tree->currentIndex(), cell);
        QTest::keyClick(tree, button == 0 ? Qt::Key_Space : Qt::Key_Return);
        return;
    }
    QTest::keyClick(tree, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(tree->openMenu());
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(tree->openMenu());
    QCOMPARE(menu->child(0)->text(QAccessible::Name), QString("Remove clock from group"));
    QCOMPARE(menu->child(1)->text(QAccessible::Name), QString("Copy clock configuration to group and edit"));
    menu->child(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // Pressed once the menu has closed.
    QTRY_VERIFY(!tree->openMenu());
}

void TestEditor::groupMembership()
{
    QFETCH(QString, action);
    QFETCH(QString, tree);
    QFETCH(QList<int>, combos);

    listGroups();
    auto *table = m_groups->findChild<QTableView *>("twdGroupDeviceList");
    // The group cell of a row, reached from the keyboard: F2 opens its box.
    m_groups->show();
    const auto combo = [table](int row) {
        table->setCurrentIndex(table->model()->index(row, ClockListModel::GroupColumn));
        const auto open = [table] {
            // Boxes of cells left are hidden until they are deleted.
            for (QComboBox *box : table->viewport()->findChildren<QComboBox *>()) {
                if (box->isVisible())
                    return box;
            }
            return static_cast<QComboBox *>(nullptr);
        };
        if (!open())
            QTest::keyClick(table, Qt::Key_F2);
        return open();
    };
    const QStringList part = action.split(':');
    QList<int> edited; // the group and clock of an edit asked for
    QObject watch;
    connect(m_groups.get(), &PageGroupList::editRequested, &watch,
            [&edited](const EditTarget &target) { edited = {target.groupIndex, target.clockIndex}; });
    if (part.at(0) == "remove" || part.at(0) == "copy") {
        if (part.at(0) == "copy")
            m_dialogs.answerQuestion(QuestionResult::Positive);
        click(part.at(2).toInt(), part.at(3).toInt(),
              part.at(0) == "remove" ? GroupTree::RemoveClock : GroupTree::CopyClockConfiguration, part.at(1));
    } else if (part.at(0) == "delete") {
        m_dialogs.answerQuestion(QuestionResult::Positive);
        click(part.at(1).toInt(), -1, GroupTree::DeleteGroup);
    } else if (part.at(0) == "combo") {
        combo(part.at(1).toInt())->setCurrentIndex(part.at(2).toInt());
    } else {
        m_dialogs.answerDialog(QDialog::Accepted);
        QTest::mouseClick(m_groups->findChild<QWidget *>("btnGroupAdd"), Qt::LeftButton);
    }

    auto *treeWidget = m_groups->findChild<GroupTree *>("twdGroupList");
    QStringList rows;
    for (int g = 0; g < treeWidget->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *item = treeWidget->topLevelItem(g);
        rows << item->text(0);
        for (int c = 0; c < item->childCount(); ++c)
            rows << item->text(0) + "/" + item->child(c)->text(0);
    }
    QCOMPARE(rows.join(' '), tree);
    // A copy edits the group from the member's configuration.
    const DevGroup *from = part.at(0) == "copy" ? ClockRegistry::instance()->groupAt(part.at(2).toInt()) : nullptr;
    const QList<int> copied = from ? QList<int>{part.at(2).toInt(), from->clockIndexes().value(part.at(3).toInt())}
                                   : QList<int>{};
    QCOMPARE(edited, copied);
    for (int row = 0; row < combos.size(); ++row) {
        QCOMPARE(combo(row)->currentIndex(), combos.at(row));
        QCOMPARE(combo(row)->accessibleName(), "Group of " + ClockRegistry::instance()->clockAt(row)->name);
        QCOMPARE(ClockRegistry::instance()->clockAt(row)->groupId, combos.at(row) - 1);
    }
}

// A screen-reader user on the group page: the table through QAccessible,
// the group changed with keys and accessibility actions only; then one
// click opens a box with its list.
void TestEditor::groupCellByKeysScreenReaderAndOneClick()
{
    listGroups();
    m_groups->show();
    m_groups->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_groups.get()));
    auto *view = m_groups->findChild<ClockTableView *>("twdGroupDeviceList");
    // Reached from the page down, as a screen reader walks the window.
    QAccessibleInterface *table = nullptr;
    QList<QAccessibleInterface *> walk{QAccessible::queryAccessibleInterface(m_groups.get())};
    while (!walk.isEmpty() && !table) {
        QAccessibleInterface *next = walk.takeFirst();
        if (next->role() == QAccessible::Table && next->object() == view)
            table = next;
        for (int i = 0; i < next->childCount(); ++i)
            walk << next->child(i);
    }
    QVERIFY(table);
    QAccessibleTableInterface *cells = table->tableInterface();
    // Only what the page shows: no Status, Audit, Firmware or Manage.
    QStringList headers;
    for (int column = 0; column < cells->columnCount(); ++column)
        headers << cells->columnDescription(column);
    QCOMPARE(headers, QStringList({"Name", "IP", "Group"}));
    QCOMPARE(table->childCount(), (3 + 1) * 3);
    QCOMPARE(cells->cellAt(0, 3), nullptr);

    // The group cell is a combo box named for its clock, valued by its group.
    QAccessibleInterface *cell = cells->cellAt(2, 2);
    QCOMPARE(cell->role(), QAccessible::ComboBox);
    QCOMPARE(cell->text(QAccessible::Name), QString("Group of C"));
    QCOMPARE(cell->text(QAccessible::Value), QString("None"));
    QCOMPARE(table->indexOfChild(cell), (2 + 1) * 3 + 2);
    // Focused by its action, opened by Space: the open box is the cell's child.
    cell->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QCOMPARE(view->currentIndex().row(), 2);
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(cell->childCount(), 1);
    QAccessibleInterface *box = cell->child(0);
    QCOMPARE(box->role(), QAccessible::ComboBox);
    QCOMPARE(box->text(QAccessible::Value), QString("None"));
    QCOMPARE(box->object()->property("accessibleName").toString(), QString("Group of C"));
    auto *opened = qobject_cast<QComboBox *>(box->object());
    // Down twice: None, G0, G1.
    QTest::keyClick(opened, Qt::Key_Down);
    QTest::keyClick(opened, Qt::Key_Down);
    QCOMPARE(ClockRegistry::instance()->clockAt(2)->groupId, 1);

    // The value interface chooses as the user does: A from G0 to None.
    QAccessibleInterface *first = cells->cellAt(0, 2);
    QCOMPARE(first->valueInterface()->maximumValue().toInt(), 2);
    first->valueInterface()->setCurrentValue(0);
    QCOMPARE(ClockRegistry::instance()->clockAt(0)->groupId, -1);
    QTRY_COMPARE(cells->cellAt(0, 2)->text(QAccessible::Value), QString("None"));
    QTRY_COMPARE(cells->cellAt(2, 2)->text(QAccessible::Value), QString("G1"));

    const QRect second = view->visualRect(view->model()->index(1, ClockListModel::GroupColumn));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
    QTRY_COMPARE(cells->cellAt(1, 2)->childCount(), 1);
    QVERIFY(qobject_cast<QComboBox *>(cells->cellAt(1, 2)->child(0)->object())->view()->isVisible());
}

void TestEditor::groupConfiguration()
{
    QFETCH(int, group);
    QFETCH(int, chosen);
    QFETCH(QString, asked);
    QFETCH(QString, editorShows);

    listGroups();
    // G0 {A, B} without a configuration, G1 {} with one, G2 {} without.
    ClockRegistry *registry = ClockRegistry::instance();
    registry->setClockGroup(1, 0);
    ClockConfig config;
    config.Server1 = "group";
    registry->groupAt(1)->setConfig(config);
    registry->createGroup("G2");
    m_groups->BuildGroupTree();
    m_dialogs.answerDialog([chosen](QDialog &dialog) {
        dialog.findChild<QComboBox *>("cbxSpecialFrames")->setCurrentIndex(chosen);
        dialog.findChild<QAbstractButton *>("btnOk")->click();
        return dialog.result();
    });

    click(group, -1, GroupTree::EditGroupConfiguration);

    QCOMPARE(m_dialogs.questionTexts().join(""), asked);
    QCOMPARE(m_page->isEditing(), !editorShows.isEmpty());
    if (m_page->isEditing())
        QCOMPARE(m_page->ReadConfigFromWidgets()->Server1, editorShows);
    QCOMPARE(registry->groupAt(0)->hasConfig(), editorShows == "A");
}

void TestEditor::listSimulatedClocks(const QList<int> &members, bool shows)
{
    QVERIFY(m_sim.reset() && m_sim.clearLog());
    ClockRegistry::resetForTest();
    ClockRegistry *registry = ClockRegistry::instance();
    ClockConfig stored;
    stored.Server1 = "ntp.stored";
    stored.ShowTime = shows;
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

void TestEditor::send()
{
    QFETCH(QList<int>, members);
    QFETCH(int, clock);
    QFETCH(int, answer);
    QFETCH(QList<int>, reached);
    QFETCH(QString, asked);
    QFETCH(bool, shows);
    QFETCH(int, preview);

    listSimulatedClocks(members, shows);
    open(nullptr, clock < 0 ? 0 : -1, clock);
    QTest::keyClicks(find<QLineEdit>("ledRemoteServer1"), "x");
    if (answer != 0)
        m_dialogs.answerQuestion(QuestionResult(answer));
    // The preview of a group send: each member read, what it would get shown.
    QStringList previewed;
    if (preview != 0) {
        m_dialogs.answerDialog([&](QDialog &dialog) {
            auto *send = dialog.findChild<QAbstractButton *>("btnChangeApply");
            (void)QTest::qWaitFor([send] { return send->isEnabled(); }, 60000);
            const QAbstractItemModel *rows = dialog.findChild<QTableView *>("tbvChangePreview")->model();
            for (int row = 0; row < rows->rowCount(); ++row) {
                if (rows->index(row, 1).data().toString() == "NTP server 1")
                    previewed << rows->index(row, 0).data().toString().section(' ', 0, 0);
            }
            m_sim.clearLog();
            dialog.findChild<QAbstractButton *>(preview > 0 ? "btnChangeApply" : "btnChangeClose")->click();
            return int(preview > 0 ? QDialog::Accepted : QDialog::Rejected);
        });
    }
    m_dialogs.answerQuestion(QuestionResult::Positive);

    QTest::mouseClick(find("btnSendConfiguration"), Qt::LeftButton);

    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs.questionTexts().join(""), asked, 60000);
    QStringList sent;
    for (const QJsonObject &entry : m_sim.httpRequests())
        sent << entry.value("path").toString() + QString::number(entry.value("clock").toInt());
    // Stage by stage; the members of one stage are written in parallel.
    QStringList expected;
    for (const QString path : {"/A1", "/B0", "/C0"}) {
        for (int index : reached)
            expected << path + QString::number(index);
        std::sort(expected.end() - reached.size(), expected.end());
        std::sort(sent.begin() + expected.size() - reached.size(), sent.begin() + qMin(expected.size(), sent.size()));
    }
    QCOMPARE(sent, expected);
    QStringList answering;
    for (int index : members) {
        if (preview != 0 && index != 3)
            answering << m_sim.clock(index).value("name").toString();
    }
    QCOMPARE(previewed, answering);
    for (int index : reached)
        QCOMPARE(m_sim.clock(index).value("time").toObject().value("A_005").toString(), QString("ntp.storedx"));
    // Sending never stores.
    QCOMPARE(ClockRegistry::instance()->groupAt(0)->config()->Server1, QString("ntp.stored"));
    QCOMPARE(ClockRegistry::instance()->clockAt(0)->config().Server1, QString("ntp.stored"));
}

// What a display reply that did not decode would leave behind is not
// stored, and the configuration that clock had stays as it was.
void TestEditor::halfReadDownloadStoresNothing()
{
    listSimulatedClocks({1});
    QVERIFY(m_sim.setFaults(0, QJsonObject{{"replyBody", "B_000=1"}, {"paths", QJsonArray{"/B"}}}));
    open(nullptr);
    m_dialogs.answerQuestion(QuestionResult::Positive);
    QTest::mouseClick(find("btnConfigDownload"), Qt::LeftButton);
    const QString notRead = ConfigParts::notReadText(ConfigPart::Display);
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs.questionTexts().constLast(), notRead, 30000);
    QCOMPARE(m_sim.httpRequests().size(), 2);
    QCOMPARE(ClockRegistry::instance()->clockAt(0)->config().Server1, QString("ntp.stored"));
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
