#include "DevGroup.h"
#include "DeviceListFixture.h"
#include "DialogQuestion.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The device list page without the network: rows, deleting, adding, the
// filter and the keyboard. The operations are in tst_pagedevicelist_netns.
class TestPageDeviceList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyListShowsAtOnce();
    void groupAndStatusCells_data();
    void groupAndStatusCells();
    void deleteShiftsRows_data();
    void deleteShiftsRows();
    void filter_data();
    void filter();
    void addClockByAddress();
};

void TestPageDeviceList::init()
{
    ClockRegistry::resetForTest();
}

void TestPageDeviceList::cleanup()
{
    ClockRegistry::resetForTest();
}

void TestPageDeviceList::emptyListShowsAtOnce()
{
    DeviceListFixture f;
    QVERIFY(f.fill());
    QVERIFY(f.page->findChild<QWidget *>("wdtDeviceList")->isVisible());
    QVERIFY(!f.page->findChild<QWidget *>("wdtDeviceListLoad")->isVisible());
    QCOMPARE(f.table()->rowCount(), 0);
}

void TestPageDeviceList::groupAndStatusCells_data()
{
    QTest::addColumn<int>("groupId");
    QTest::addColumn<int>("ntpState");
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("icon");

    QTest::newRow("member of a group, synchronized") << 0 << int(NtpSynchronized) << "Floor 1" << true;
    QTest::newRow("group index naming no group") << 7 << int(NtpNoConnection) << "None" << true;
    QTest::newRow("a state no clock reports has no icon") << -1 << 99 << "None" << false;
}

void TestPageDeviceList::groupAndStatusCells()
{
    QFETCH(int, groupId);
    QFETCH(int, ntpState);
    QFETCH(QString, group);
    QFETCH(bool, icon);

    ClockRegistry::instance()->createGroup("Floor 1");
    DevClock *clock = DeviceListFixture::listClock("Hall", "192.168.0.20");
    clock->groupId = groupId;
    clock->status.NtpSynchronization = ntpState;
    DeviceListFixture f;
    QVERIFY(f.fill());
    QCOMPARE(f.cell(0, PageDeviceList::GroupColumn), group);
    QCOMPARE(f.cell(0, PageDeviceList::StatusColumn), clock->statusText());
    QCOMPARE(!f.table()->item(0, PageDeviceList::StatusColumn)->icon().isNull(), icon);
}

void TestPageDeviceList::deleteShiftsRows_data()
{
    QTest::addColumn<bool>("keyboard");

    QTest::newRow("Manage buttons clicked") << false;
    QTest::newRow("Manage buttons reached by the keyboard") << true;
}

void TestPageDeviceList::deleteShiftsRows()
{
    QFETCH(bool, keyboard);

    for (const char *name : {"A", "B", "C", "D", "E"})
        DeviceListFixture::listClock(name, QStringLiteral("192.168.0.%1").arg(20 + name[0] - 'A'));
    DeviceListFixture f;
    QVERIFY(f.fill());
    f.dialogs.answerQuestion(QuestionResult::Positive);
    f.clickManage(2, PageDeviceList::DeleteAction);
    QCOMPARE(f.dialogs.questionTexts(), QStringList{"Are you sure you want to delete clock C (IP: 192.168.0.22)?"});
    QCOMPARE(f.table()->rowCount(), 4);
    QCOMPARE(ClockRegistry::instance()->clockCount(), 4);

    // Rows 2 and 3 now act on D and E: the settings dialog opens for them.
    QStringList opened;
    for (int row : {2, 3}) {
        f.dialogs.answerDialog([&opened](QDialog &dialog) {
            opened << dialog.findChild<QLineEdit *>("ledName")->text();
            return int(QDialog::Rejected);
        });
        if (keyboard) {
            f.table()->setFocus();
            f.table()->setCurrentCell(row, PageDeviceList::ManageColumn);
            for (int i = 0; i < PageDeviceList::EditSettingsAction; ++i)
                QTest::keyClick(f.table(), Qt::Key_Right);
            QTest::keyClick(f.table(), Qt::Key_Space);
        } else {
            f.clickManage(row, PageDeviceList::EditSettingsAction);
        }
    }
    QCOMPARE(opened, QStringList({"D", "E"}));
    QCOMPARE(f.cell(3, PageDeviceList::NameColumn), QString("E"));
}

void TestPageDeviceList::filter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("problemsOnly");
    QTest::addColumn<QList<int>>("shown");

    QTest::newRow("no filter") << "" << false << QList<int>{0, 1, 2};
    QTest::newRow("name in any letter case") << "LA" << false << QList<int>{1};
    QTest::newRow("part of an address") << ".22" << false << QList<int>{2};
    QTest::newRow("problems only: not synchronized or unknown") << "" << true << QList<int>{1, 2};
    QTest::newRow("both at once") << "l" << true << QList<int>{1};
}

void TestPageDeviceList::filter()
{
    QFETCH(QString, text);
    QFETCH(bool, problemsOnly);
    QFETCH(QList<int>, shown);

    DeviceListFixture::listClock("Hall", "192.168.0.20")->status.NtpSynchronization = NtpSynchronized;
    DeviceListFixture::listClock("Lab", "192.168.0.21")->status.NtpSynchronization = NtpTimeout;
    DeviceListFixture::listClock("Roof", "192.168.0.22");
    DeviceListFixture f;
    QVERIFY(f.fill());
    QTRY_COMPARE(f.page->findChild<QLabel *>("lblFleetSummary")->text(),
                 QString("Clocks: 3 (1 synchronized, 2 warning, 0 critical)"));
    f.page->findChild<QLineEdit *>("ledDeviceFilter")->setText(text);
    f.page->findChild<QCheckBox *>("cbxProblemsOnly")->setChecked(problemsOnly);

    QList<int> visible;
    for (int row = 0; row < f.table()->rowCount(); ++row) {
        if (!f.table()->isRowHidden(row))
            visible << row;
        // Hidden or not, a row stays its clock's.
        QCOMPARE(f.cell(row, PageDeviceList::NameColumn), ClockRegistry::instance()->clockAt(row)->name);
    }
    QCOMPARE(visible, shown);
}

void TestPageDeviceList::addClockByAddress()
{
    DeviceListFixture f;
    QVERIFY(f.fill());
    f.dialogs.answerDialog([](QDialog &dialog) {
        dialog.findChild<QLineEdit *>("ledIP")->setText("192.168.000.030");
        dialog.findChild<QLineEdit *>("ledUser")->setText("admin");
        dialog.findChild<QLineEdit *>("ledPassword")->setText("secret");
        dialog.findChild<QPushButton *>("btnAccept")->click();
        return dialog.result();
    });
    QTest::mouseClick(f.page->findChild<QPushButton *>("btnDeviceAdd"), Qt::LeftButton);

    QCOMPARE(f.table()->rowCount(), 1);
    QCOMPARE(f.cell(0, PageDeviceList::IpColumn), QString("192.168.0.30"));
    const DevClock *clock = ClockRegistry::instance()->clockAt(0);
    QCOMPARE(clock->password, QString("secret"));
    QVERIFY(clock->networkInterface.isNull());
}

QTEST_MAIN(TestPageDeviceList)
#include "tst_pagedevicelist.moc"
