#include "ClockConfig.h"
#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "GroupTree.h"
#include "MonitoringSession.h"
#include "PageConfiguration.h"
#include "PageGroupList.h"
#include "PushButtonFlat.h"
#include "ScriptedDialogHost.h"
#include "StandaloneServices.h"
#include "TableItemCustom.h"

#include <QComboBox>
#include <QDialog>
#include <QTableWidget>
#include <QtTest>

// The group page with a real editor behind it. Clocks A and C hold a
// downloaded configuration, B does not; A is in G0 and B in G1.
class TestGroupList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void membership_data();
    void membership();
    void groupConfiguration_data();
    void groupConfiguration();

private:
    // The group's row (member -1) or a member's row, then its button.
    void click(int group, int member, int button);

    ScriptedDialogHost m_dialogs;
    MonitoringSession m_session;
    std::unique_ptr<StandaloneServices> m_alone;
    std::unique_ptr<PageConfiguration> m_editor;
    std::unique_ptr<PageGroupList> m_page;
};

void TestGroupList::init()
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
    m_alone = std::make_unique<StandaloneServices>(m_session, m_dialogs);
    PageServices services = m_alone->services();
    m_editor = std::make_unique<PageConfiguration>(services);
    services.openEditor = [this](int g, int c) { return m_editor->OpenConfigEditor(g, c); };
    m_page = std::make_unique<PageGroupList>(services);
    m_page->RefreshGroupDeviceList();
    m_page->BuildGroupTree();
}

void TestGroupList::cleanup()
{
    m_page.reset();
    m_editor.reset();
    m_alone.reset();
    m_dialogs.reset();
    ClockRegistry::resetForTest();
}

void TestGroupList::click(int group, int member, int button)
{
    auto *tree = m_page->findChild<GroupTree *>("twdGroupList");
    QTreeWidgetItem *item = member < 0 ? tree->topLevelItem(group) : tree->topLevelItem(group)->child(member);
    qobject_cast<TableItemCustom *>(tree->itemWidget(item, 1))->buttons().at(button)->click();
}

void TestGroupList::membership_data()
{
    QTest::addColumn<QString>("action"); // delete:group:answer, combo:row:index, remove:group:member, add
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QList<int>>("combos"); // per clock row

    QTest::newRow("deleting group 0 of two moves the clocks of group 1")
        << "delete:0:1" << "G1 G1/B" << QList<int>{0, 1, 0};
    QTest::newRow("a cancelled delete keeps it") << "delete:0:-1" << "G0 G0/A G1 G1/B" << QList<int>{1, 2, 0};
    QTest::newRow("None in a membership box takes the clock out") << "combo:0:0" << "G0 G1 G1/B" << QList<int>{0, 2, 0};
    QTest::newRow("a group in a membership box moves the clock")
        << "combo:2:2" << "G0 G0/A G1 G1/B G1/C" << QList<int>{1, 2, 2};
    QTest::newRow("the remove button takes the clock out") << "remove:1:0" << "G0 G0/A G1" << QList<int>{1, 0, 0};
    QTest::newRow("a new group gets the next number") << "add" << "G0 G0/A G1 G1/B Group 3" << QList<int>{1, 2, 0};
}

void TestGroupList::membership()
{
    QFETCH(QString, action);
    QFETCH(QString, tree);
    QFETCH(QList<int>, combos);

    auto *table = m_page->findChild<QTableWidget *>("twdGroupDeviceList");
    const auto combo = [table](int row) { return qobject_cast<TableItemCustom *>(table->cellWidget(row, 2)); };
    const QStringList part = action.split(':');
    if (part.at(0) == "delete") {
        m_dialogs.answerQuestion(part.at(2).toInt());
        click(part.at(1).toInt(), -1, GroupTree::DeleteGroup);
    } else if (part.at(0) == "combo") {
        combo(part.at(1).toInt())->comboBoxes().constFirst()->setCurrentIndex(part.at(2).toInt());
    } else if (part.at(0) == "remove") {
        click(part.at(1).toInt(), part.at(2).toInt(), GroupTree::RemoveClock);
    } else {
        m_dialogs.answerDialog(QDialog::Accepted);
        QTest::mouseClick(m_page->findChild<QWidget *>("btnGroupAdd"), Qt::LeftButton);
    }

    QStringList rows;
    auto *treeWidget = m_page->findChild<GroupTree *>("twdGroupList");
    for (int g = 0; g < treeWidget->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *item = treeWidget->topLevelItem(g);
        rows << item->text(0);
        for (int c = 0; c < item->childCount(); ++c)
            rows << item->text(0) + "/" + item->child(c)->text(0);
    }
    QCOMPARE(rows.join(' '), tree);
    for (int row = 0; row < combos.size(); ++row) {
        QCOMPARE(combo(row)->comboIndex(0), combos.at(row));
        QCOMPARE(ClockRegistry::instance()->clockAt(row)->groupId, combos.at(row) - 1);
    }
}

void TestGroupList::groupConfiguration_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("chosen"); // in the choice dialog; -1 cancels it
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("editorShows"); // Server1 of what the editor opened

    QTest::newRow("a group with a configuration opens") << 1 << -1 << "" << "group";
    QTest::newRow("no configuration and no clocks") << 2 << -1 << "Group don't have any clocks." << "";
    QTest::newRow("a member without a downloaded configuration")
        << 0 << 1 << "Clock has no fetched configuration. Download clock configuration in device list first." << "";
    QTest::newRow("a member's configuration is copied") << 0 << 0 << "" << "A";
    QTest::newRow("the choice cancelled") << 0 << -1 << "" << "";
    QTest::newRow("a member clock shown for its group")
        << -1 << -1 << "Are you sure you want to open clock configuration and copy it to group?" << "A";
}

void TestGroupList::groupConfiguration()
{
    QFETCH(int, group);
    QFETCH(int, chosen);
    QFETCH(QString, asked);
    QFETCH(QString, editorShows);

    // G0 {A, B} without a configuration, G1 {} with one, G2 {} without.
    ClockRegistry *registry = ClockRegistry::instance();
    registry->setClockGroup(1, 0);
    ClockConfig config;
    config.Server1 = "group";
    registry->groupAt(1)->setConfig(config);
    registry->createGroup("G2");
    m_page->BuildGroupTree();
    if (group < 0) {
        m_dialogs.answerQuestion(1);
        click(0, 0, GroupTree::CopyClockConfiguration);
    } else {
        m_dialogs.answerDialog([chosen](QDialog &dialog) {
            if (chosen < 0)
                return int(QDialog::Rejected);
            dialog.findChild<QComboBox *>("cbxSpecialFrames")->setCurrentIndex(chosen);
            dialog.findChild<QAbstractButton *>("btnOk")->click();
            return dialog.result();
        });
        click(group, -1, GroupTree::EditGroupConfiguration);
    }

    QCOMPARE(m_dialogs.questionTexts().join(""), asked);
    QCOMPARE(m_editor->isEditing(), !editorShows.isEmpty());
    if (m_editor->isEditing())
        QCOMPARE(m_editor->ReadConfigFromWidgets()->Server1, editorShows);
    QCOMPARE(registry->groupAt(0)->hasConfig(), group == 0 && !editorShows.isEmpty());
}

QTEST_MAIN(TestGroupList)
#include "tst_grouplist.moc"
