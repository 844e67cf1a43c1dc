#include "ClockSimControl.h"
#include "DeviceListFixture.h"
#include "DialogQuestion.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The device list page's operations against the simulated clocks of
// data/devicelist.json: Hall answers, Lab refuses the password, Roof answers.
class TestPageDeviceListNetns : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void actions_data();
    void actions();
    void settingsSends_data();
    void settingsSends();
    void search_data();
    void search();
    void checkClocks();

private:
    ClockSimControl m_sim;
};

void TestPageDeviceListNetns::init()
{
    QVERIFY(m_sim.reset());
    QVERIFY(m_sim.clearLog());
    ClockRegistry::resetForTest();
}

void TestPageDeviceListNetns::cleanup()
{
    ClockRegistry::resetForTest();
}

void TestPageDeviceListNetns::actions_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("progress");
    QTest::addColumn<QString>("toast");
    QTest::addColumn<QString>("error");

    QTest::newRow("refresh renders the clock's own name")
        << "192.168.0.20" << int(PageDeviceList::RefreshAction) << "Updating device" << "Clock Hall data refreshed"
        << "";
    QTest::newRow("download keeps the configuration") << "192.168.0.20" << int(PageDeviceList::DownloadAction)
                                                      << "Refreshing status" << "Clock Clock configuration downloaded"
                                                      << "";
    QTest::newRow("editing a clock without a configuration downloads first")
        << "192.168.0.20" << int(PageDeviceList::EditConfigurationAction) << "Downloading configuration"
        << "Clock Clock configuration downloaded" << "";
    QTest::newRow("a refused password is reported with its kind")
        << "192.168.0.21" << int(PageDeviceList::RefreshAction) << "Updating device" << ""
        << "An error occured: Authorization error";
}

void TestPageDeviceListNetns::actions()
{
    QFETCH(QString, ip);
    QFETCH(int, action);
    QFETCH(QString, progress);
    QFETCH(QString, toast);
    QFETCH(QString, error);

    DeviceListFixture::listClock("Clock", "192.168.0.22");
    DevClock *clock = DeviceListFixture::listClock("Clock", ip);
    DeviceListFixture f;
    QVERIFY(f.fill());
    if (!error.isEmpty())
        f.dialogs.answerQuestion(QuestionResult::Positive);
    f.clickManage(1, action);

    QTRY_VERIFY_WITH_TIMEOUT(!f.alone.toasts().isEmpty() || !f.dialogs.questionTexts().isEmpty(), 30000);
    QCOMPARE(f.dialogs.requests().constFirst().text, progress);
    QCOMPARE(f.alone.toasts(), toast.isEmpty() ? QStringList() : QStringList{toast});
    QCOMPARE(f.dialogs.questionTexts(), error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(f.cell(1, PageDeviceList::NameColumn), clock->name);
    QCOMPARE(f.cell(1, PageDeviceList::StatusColumn), clock->statusText());
    QCOMPARE(clock->hasConfig(), action != PageDeviceList::RefreshAction);
}

void TestPageDeviceListNetns::settingsSends_data()
{
    QTest::addColumn<QStringList>("edits"); // "objectName=text"
    QTest::addColumn<QString>("send");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("ipAfter");
    QTest::addColumn<QString>("passwordAfter");

    QTest::newRow("name") << QStringList{"ledName=Lobby"} << "btnNameSend" << "/D" << QByteArray("&D_006=Lobby")
                          << "Name changed successfully." << "192.168.0.20" << "pw";
    QTest::newRow("password")
        << QStringList{"ledPasswordOld=pw", "ledPasswordNew=pw2", "ledPasswordNew2=pw2"} << "btnPasswordSend" << "/D2"
        << QByteArray("passchange=pw%21pw2%21") << "Password changed successfully." << "192.168.0.20" << "pw2";
    QTest::newRow("network, sent to the old address")
        << QStringList{"ledIp=192.168.0.040", "ledDnsSecondary=1.1.1.1"} << "btnNetworkSend" << "/D0"
        << QByteArray("&D_000=192.168.0.40&D_001=255.255.255.0&D_002=192.168.0.1&D_007=0&D_008=1&D_011=1&D_012=0"
                      "&D_013=230&D_015=5&D_009=8.8.8.8&D_010=1.1.1.1")
        << "Network settings changed successfully." << "192.168.0.40" << "pw";
}

void TestPageDeviceListNetns::settingsSends()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, send);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(QString, message);
    QFETCH(QString, ipAfter);
    QFETCH(QString, passwordAfter);

    DevClock *clock = DeviceListFixture::listClock("Clock", "192.168.0.20");
    DeviceListFixture f;
    QVERIFY(f.fill());
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
    QCOMPARE(clock->name, QString("Clock"));
}

void TestPageDeviceListNetns::search_data()
{
    QTest::addColumn<QStringList>("untick");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("two of three, one already listed") << QStringList{"192.168.0.22"}
                                                      << QStringList{"192.168.0.20", "192.168.0.20", "192.168.0.21"};
    QTest::newRow("every clock unticked adds no row")
        << QStringList{"192.168.0.20", "192.168.0.21", "192.168.0.22"} << QStringList{"192.168.0.20"};
}

void TestPageDeviceListNetns::search()
{
    QFETCH(QStringList, untick);
    QFETCH(QStringList, rows);

    DeviceListFixture::listClock("Hall", "192.168.0.20");
    DeviceListFixture f;
    QVERIFY(f.fill());
    QStringList statuses;
    f.dialogs
        .answerDialog([](QDialog &dialog) {
            dialog.findChild<QLineEdit *>("ledUser")->setText("admin");
            dialog.findChild<QLineEdit *>("ledPassword")->setText("pw");
            return int(QDialog::Accepted);
        })
        .answerDialog([&](QDialog &dialog) {
            auto *table = dialog.findChild<QTableWidget *>("twdDeviceList");
            for (int row = 0; row < table->rowCount(); ++row) {
                statuses << table->item(row, 2)->text() + ": " + table->item(row, 4)->text();
                if (untick.contains(table->item(row, 2)->text()))
                    table->item(row, 0)->setCheckState(Qt::Unchecked);
            }
            dialog.findChild<QPushButton *>("btnAccept")->click();
            return dialog.result();
        })
        .answerQuestion(QuestionResult::Positive);
    QTest::mouseClick(f.page->findChild<QPushButton *>("btnDeviceSearch"), Qt::LeftButton);

    statuses.sort();
    QCOMPARE(statuses, QStringList({"192.168.0.20: OK - IP duplicate found", "192.168.0.21: Authorization error",
                                    "192.168.0.22: OK"}));
    // The duplicate is asked about only while it is ticked.
    QCOMPARE(f.dialogs.questionTexts().size(), untick.contains("192.168.0.20") ? 0 : 1);
    QStringList listed;
    for (int row = 0; row < f.table()->rowCount(); ++row)
        listed << f.cell(row, PageDeviceList::IpColumn);
    std::sort(listed.begin() + 1, listed.end());
    QCOMPARE(listed, rows);
    QCOMPARE(ClockRegistry::instance()->clockCount(), rows.size());
}

void TestPageDeviceListNetns::checkClocks()
{
    DeviceListFixture::listClock("Lab", "192.168.0.21");
    DeviceListFixture f;
    QVERIFY(f.fill());
    QString findings;
    f.dialogs.answerDialog([&findings](QDialog &dialog) {
        findings = dialog.findChild<QLabel *>("lblSummary")->text();
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(f.page->findChild<QPushButton *>("btnCheckClocks"), Qt::LeftButton);
    QCOMPARE(f.dialogs.requests().constFirst().text, QString("Checking clocks"));
    QVERIFY2(findings.startsWith("1 clocks audited: 1 with critical findings"), qPrintable(findings));
}

QTEST_MAIN(TestPageDeviceListNetns)
#include "tst_pagedevicelist_netns.moc"
