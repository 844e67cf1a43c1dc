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
#include <QPushButton>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

// The group page with a real editor behind it. Clocks A and C hold a
// downloaded configuration, B does not.
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
    // Group index, member position (-1 for the group row), button.
    void click(int group, int member, int button);
    // "G0/A" for each row of the tree.
    QStringList tree() const;

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
    for (const char *name : {"A", "B", "C"}) {
        auto *clock = new DevClock;
        clock->name = QString::fromLatin1(name);
        if (clock->name != "B") {
            ClockConfig config;
            config.Server1 = clock->name;
            clock->setConfig(config);
        }
        registry->addClock(clock);
    }
    registry->createGroup("G0");
    registry->createGroup("G1");
    m_alone = std::make_unique<StandaloneServices>(m_session, m_dialogs);
    PageServices services = m_alone->services();
    m_editor = std::make_unique<PageConfiguration>(services);
    services.editor = m_editor.get();
    services.openEditor = [this](int g, int c) { return m_editor->OpenConfigEditor(g, c); };
    m_page = std::make_unique<PageGroupList>(services);
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
    auto *treeWidget = m_page->findChild<GroupTree *>("twdGroupList");
    QTreeWidgetItem *item = treeWidget->topLevelItem(group);
    if (member >= 0)
        item = item->child(member);
    qobject_cast<TableItemCustom *>(treeWidget->itemWidget(item, 1))->buttons().at(button)->click();
}

QStringList TestGroupList::tree() const
{
    QStringList rows;
    auto *treeWidget = m_page->findChild<GroupTree *>("twdGroupList");
    for (int g = 0; g < treeWidget->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *item = treeWidget->topLevelItem(g);
        rows << item->text(0);
        for (int c = 0; c < item->childCount(); ++c)
            rows << item->text(0) + "/" + item->child(c)->text(0);
    }
    return rows;
}

void TestGroupList::membership_data()
{
    QTest::addColumn<QString>("action"); // delete:g:answer, combo:row:index, remove:g:member, add
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QList<int>>("combos"); // per clock row

    QTest::newRow("deleting group 0 of two moves the clocks of group 1")
        << "delete:0:1" << QStringList{"G1", "G1/B"} << QList<int>{0, 1, 0};
    QTest::newRow("a cancelled delete keeps the group")
        << "delete:0:-1" << QStringList{"G0", "G0/A", "G1", "G1/B"} << QList<int>{1, 2, 0};
    QTest::newRow("None in a membership box takes the clock out")
        << "combo:0:0" << QStringList{"G0", "G1", "G1/B"} << QList<int>{0, 2, 0};
    QTest::newRow("a group in a membership box moves the clock")
        << "combo:2:2" << QStringList{"G0", "G0/A", "G1", "G1/B", "G1/C"} << QList<int>{1, 2, 2};
    QTest::newRow("the remove button takes the clock out")
        << "remove:1:0" << QStringList{"G0", "G0/A", "G1"} << QList<int>{1, 0, 0};
    QTest::newRow("a new group is proposed as the next number")
        << "add" << QStringList{"G0", "G0/A", "G1", "G1/B", "Group 3"} << QList<int>{1, 2, 0};
}

void TestGroupList::membership()
{
    QFETCH(QString, action);
    QFETCH(QStringList, tree);
    QFETCH(QList<int>, combos);

    ClockRegistry::instance()->setClockGroup(0, 0);
    ClockRegistry::instance()->setClockGroup(1, 1);
    m_page->RefreshGroupDeviceList();
    m_page->BuildGroupTree();
    auto *table = m_page->findChild<QTableWidget *>("twdGroupDeviceList");
    const QStringList part = action.split(':');
    if (part.at(0) == "delete") {
        m_dialogs.answerQuestion(part.at(2).toInt());
        click(part.at(1).toInt(), -1, GroupTree::DeleteGroup);
    } else if (part.at(0) == "combo") {
        qobject_cast<TableItemCustom *>(table->cellWidget(part.at(1).toInt(), 2))
            ->comboBoxes().constFirst()->setCurrentIndex(part.at(2).toInt());
    } else if (part.at(0) == "remove") {
        click(part.at(1).toInt(), part.at(2).toInt(), GroupTree::RemoveClock);
    } else {
        m_dialogs.answerDialog(QDialog::Accepted);
        QTest::mouseClick(m_page->findChild<QWidget *>("btnGroupAdd"), Qt::LeftButton);
    }

    QCOMPARE(this->tree(), tree);
    for (int row = 0; row < combos.size(); ++row) {
        QCOMPARE(qobject_cast<TableItemCustom *>(table->cellWidget(row, 2))->comboIndex(0), combos.at(row));
        QCOMPARE(ClockRegistry::instance()->clockAt(row)->groupId, combos.at(row) - 1);
    }
}

void TestGroupList::groupConfiguration_data()
{
    QTest::addColumn<QList<int>>("members");
    QTest::addColumn<bool>("groupHasConfig");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("chosen"); // in the choice dialog; -1 cancels it
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("editorShows"); // Server1 of what the editor opened; empty: not open

    QTest::newRow("a group with a configuration opens")
        << QList<int>{} << true << int(GroupTree::EditGroupConfiguration) << -1 << QStringList{} << "group";
    QTest::newRow("no configuration and no clocks")
        << QList<int>{} << false << int(GroupTree::EditGroupConfiguration) << -1
        << QStringList{"Group don't have any clocks."} << "";
    QTest::newRow("a member without a downloaded configuration")
        << QList<int>{0, 1} << false << int(GroupTree::EditGroupConfiguration) << 1
        << QStringList{"Clock has no fetched configuration. Download clock configuration in device list first."}
        << "";
    QTest::newRow("a member's configuration is copied") << QList<int>{0, 1} << false
                                                        << int(GroupTree::EditGroupConfiguration) << 0 << QStringList{}
                                                        << "A";
    QTest::newRow("the choice cancelled") << QList<int>{0} << false << int(GroupTree::EditGroupConfiguration) << -1
                                          << QStringList{} << "";
    QTest::newRow("a member clock shown for its group")
        << QList<int>{2} << true << -1 << -1
        << QStringList{"Are you sure you want to open clock configuration and copy it to group?"} << "C";
}

void TestGroupList::groupConfiguration()
{
    QFETCH(QList<int>, members);
    QFETCH(bool, groupHasConfig);
    QFETCH(int, button);
    QFETCH(int, chosen);
    QFETCH(QStringList, asked);
    QFETCH(QString, editorShows);

    ClockRegistry *registry = ClockRegistry::instance();
    for (int member : members)
        registry->setClockGroup(member, 0);
    if (groupHasConfig) {
        ClockConfig config;
        config.Server1 = "group";
        registry->groupAt(0)->setConfig(config);
    }
    m_page->BuildGroupTree();
    if (!members.isEmpty() && !groupHasConfig) {
        m_dialogs.answerDialog([chosen](QDialog &dialog) {
            if (chosen < 0)
                return int(QDialog::Rejected);
            dialog.findChild<QComboBox *>("cbxSpecialFrames")->setCurrentIndex(chosen);
            dialog.findChild<QPushButton *>("btnOk")->click();
            return dialog.result();
        });
    }
    if (button < 0) {
        m_dialogs.answerQuestion(1);
        click(0, 0, GroupTree::CopyClockConfiguration);
    } else {
        click(0, -1, button);
    }

    QCOMPARE(m_dialogs.questionTexts(), asked);
    QCOMPARE(m_editor->isEditing(), !editorShows.isEmpty());
    if (m_editor->isEditing()) {
        QCOMPARE(m_editor->editedGroupIndex(), 0);
        QCOMPARE(m_editor->ReadConfigFromWidgets()->Server1, editorShows);
    }
    QCOMPARE(registry->groupAt(0)->hasConfig(), groupHasConfig || !editorShows.isEmpty());
}

QTEST_MAIN(TestGroupList)
#include "tst_grouplist.moc"
