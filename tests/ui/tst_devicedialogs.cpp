#include "CustomHeaderedTable.h"
#include "CustomTableHeader.h"
#include "DevClock.h"
#include "DialogAuthentication.h"
#include "DialogDeviceSettings.h"
#include "DialogDevicesFound.h"
#include "DialogNewClock.h"
#include "DialogQuestion.h"
#include "ParameterText.h"
#include "ScriptedDialogHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

NetworkCardData card(const QString &name, const QString &ip)
{
    NetworkCardData c;
    c.name = name;
    c.ip = QHostAddress(ip);
    return c;
}

void click(QWidget &dialog, const QString &name)
{
    dialog.findChild<QAbstractButton *>(name)->click();
}

} // namespace

// The small dialogs that put clocks on the device list and edit one, driven
// by their buttons; what they ask goes through a scripted dialog host.
class TestDeviceDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void authentication_data();
    void authentication();
    void newClock_data();
    void newClock();
    void devicesFound_data();
    void devicesFound();
    void settingsRefusals_data();
    void settingsRefusals();
    void settingsInterface_data();
    void settingsInterface();

private:
    ScriptedDialogHost m_dialogs;
};

void TestDeviceDialogs::init()
{
    m_dialogs.reset();
    DialogHost::install(&m_dialogs);
}

void TestDeviceDialogs::cleanup()
{
    DialogHost::install(nullptr);
}

void TestDeviceDialogs::authentication_data()
{
    QTest::addColumn<QString>("action"); // a button's name, or "enter"
    QTest::addColumn<int>("result");

    QTest::newRow("Search accepts") << "btnAccept" << int(QDialog::Accepted);
    QTest::newRow("Enter in the password field searches") << "enter" << int(QDialog::Accepted);
    QTest::newRow("Cancel rejects") << "btnCancel" << int(QDialog::Rejected);
    QTest::newRow("the title bar's close rejects") << "btnClose" << int(QDialog::Rejected);
}

void TestDeviceDialogs::authentication()
{
    QFETCH(QString, action);
    QFETCH(int, result);

    DialogAuthentication dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(dialog.findChild<QLineEdit *>("ledUser"), "admin");
    auto *password = dialog.findChild<QLineEdit *>("ledPassword");
    QTest::keyClicks(password, "s3cret!");
    QSignalSpy finished(&dialog, &QDialog::finished);
    if (action == "enter")
        QTest::keyClick(password, Qt::Key_Return);
    else
        QTest::mouseClick(dialog.findChild<QAbstractButton *>(action), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(dialog.result(), result);
    QCOMPARE(dialog.user(), QString("admin"));
    QCOMPARE(dialog.password(), QString("s3cret!"));
    QCOMPARE(password->echoMode(), QLineEdit::Password);
}

void TestDeviceDialogs::newClock_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<QString>("ip"); // empty: refused, the dialog stays open
    QTest::addColumn<QString>("interfaceName");

    QTest::newRow("complete address, default interface") << "192.168.0.30" << 0 << "192.168.0.30" << "";
    QTest::newRow("leading zeros are decimal, not octal") << "192.168.000.011" << 2 << "192.168.0.11" << "eth1";
    QTest::newRow("two numbers are not 192.0.0.168") << "192.168" << 0 << "" << "";
    QTest::newRow("empty field") << "" << 1 << "" << "";
}

void TestDeviceDialogs::newClock()
{
    QFETCH(QString, typed);
    QFETCH(int, interfaceIndex);
    QFETCH(QString, ip);
    QFETCH(QString, interfaceName);

    DialogNewClock dialog;
    dialog.setNetworkCards({card("eth0", "10.0.0.2"), card("eth1", "192.168.0.2")}, NetworkCardData());
    dialog.findChild<QLineEdit *>("ledIP")->setText(typed);
    dialog.findChild<QComboBox *>("cbxNetworkInterface")->setCurrentIndex(interfaceIndex);
    m_dialogs.answerQuestion(QuestionResult::Positive);
    click(dialog, "btnAccept");

    QCOMPARE(dialog.result(), int(ip.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
    QCOMPARE(dialog.ip(), ip);
    QCOMPARE(m_dialogs.questionTexts(), ip.isEmpty() ? QStringList{"Incorrect IP Address"} : QStringList());
    if (!ip.isEmpty())
        QCOMPARE(dialog.networkInterface().name, interfaceName);
}

void TestDeviceDialogs::devicesFound_data()
{
    QTest::addColumn<bool>("sortByNameDescending");
    QTest::addColumn<QStringList>("untick"); // clock names, wherever sorting put them
    QTest::addColumn<bool>("headerOff");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("answer"); // to the duplicate question, when asked
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QVector<bool>>("selected");
    QTest::addColumn<int>("asked");

    using V = QVector<bool>;
    QTest::newRow("duplicate selected, confirmed") << false << QStringList() << false << "btnAccept" << 1 << true
                                                   << V{true, true, true} << 1;
    QTest::newRow("duplicate question cancelled keeps it open")
        << false << QStringList() << false << "btnAccept" << -1 << false << V{true, true, true} << 1;
    QTest::newRow("duplicate unticked adds without asking")
        << false << QStringList{"Lab"} << false << "btnAccept" << 0 << true << V{true, false, true} << 0;
    QTest::newRow("sorted table, flags follow their clocks")
        << true << QStringList{"Atrium", "Lab"} << false << "btnAccept" << 0 << true << V{false, false, true} << 0;
    QTest::newRow("header unticks all") << false << QStringList() << true << "btnAccept" << 0 << true
                                        << V{false, false, false} << 0;
    QTest::newRow("Cancel adds nothing") << false << QStringList() << false << "btnCancel" << 0 << false
                                         << V{true, true, true} << 0;
    QTest::newRow("the close button adds nothing")
        << false << QStringList() << false << "btnClose" << 0 << false << V{true, true, true} << 0;
}

void TestDeviceDialogs::devicesFound()
{
    QFETCH(bool, sortByNameDescending);
    QFETCH(QStringList, untick);
    QFETCH(bool, headerOff);
    QFETCH(QString, press);
    QFETCH(int, answer);
    QFETCH(bool, accepted);
    QFETCH(QVector<bool>, selected);
    QFETCH(int, asked);

    const QStringList names{"Atrium", "Lab", "Roof"};
    std::vector<std::unique_ptr<DevClock>> owned;
    QVector<DevClock *> clocks;
    for (int i = 0; i < names.size(); ++i) {
        owned.push_back(std::make_unique<DevClock>());
        owned.back()->name = names.at(i);
        owned.back()->network.ip = QStringLiteral("192.168.0.%1").arg(20 + i);
        clocks.append(owned.back().get());
    }
    clocks.at(1)->lastError = AuthorizationError;

    DialogDevicesFound dialog;
    dialog.setClocks(clocks, {false, true, false});
    auto *table = dialog.findChild<CustomHeaderedTable *>("twdDeviceList");
    auto *header = qobject_cast<QCheckBox *>(table->customHeader()->sectionWidget(0));
    QVERIFY(header->isChecked());
    if (sortByNameDescending) {
        // The second click on a column sorts it descending.
        table->sortByColumnClicked(DialogDevicesFound::NameColumn);
        table->sortByColumnClicked(DialogDevicesFound::NameColumn);
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        if (untick.contains(table->item(row, DialogDevicesFound::NameColumn)->text()))
            table->item(row, DialogDevicesFound::CheckColumn)->setCheckState(Qt::Unchecked);
        if (table->item(row, DialogDevicesFound::NameColumn)->text() == "Lab")
            QCOMPARE(table->item(row, DialogDevicesFound::StatusColumn)->text(),
                     QString("Authorization error - IP duplicate found"));
    }
    if (headerOff)
        header->click();
    QCOMPARE(header->isChecked(), !selected.contains(false));
    m_dialogs.answerQuestion(answer);
    click(dialog, press);

    QCOMPARE(dialog.isAccepted(), accepted);
    QCOMPARE(dialog.selected(), selected);
    QCOMPARE(m_dialogs.questionTexts().size(), asked);
}

void TestDeviceDialogs::settingsRefusals_data()
{
    QTest::addColumn<QStringList>("edits"); // "objectName=text"
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("passwordsCleared");

    QTest::newRow("empty name") << QStringList{"ledName="} << "btnNameSend" << "Name cannot be empty" << false;
    QTest::newRow("name with an ampersand") << QStringList{"ledName=Hall & Lobby"} << "btnNameSend"
                                            << ParameterText::nameRefusalText() << false;
    QTest::newRow("new passwords differ in letter case")
        << QStringList{"ledPasswordOld=old", "ledPasswordNew=Secret", "ledPasswordNew2=secret"} << "btnPasswordSend"
        << "New password is not identical in both fields" << true;
    QTest::newRow("password with an equals sign")
        << QStringList{"ledPasswordOld=old", "ledPasswordNew=a=b", "ledPasswordNew2=a=b"} << "btnPasswordSend"
        << ParameterText::passwordRefusalText() << false;
    QTest::newRow("gateway left partial") << QStringList{"ledGateway=192.168.0"} << "btnNetworkSend"
                                          << "The network settings were not sent: Gateway is not a complete IP "
                                             "address."
                                          << false;
}

void TestDeviceDialogs::settingsRefusals()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, press);
    QFETCH(QString, message);
    QFETCH(bool, passwordsCleared);

    DevClock clock;
    clock.name = "Hall";
    DialogDeviceSettings dialog(nullptr, &m_dialogs);
    dialog.setClock(&clock, 0);
    for (const char *field : {"ledPasswordOld", "ledPasswordNew", "ledPasswordNew2"})
        dialog.findChild<QLineEdit *>(field)->setText("x");
    for (const QString &edit : edits)
        dialog.findChild<QLineEdit *>(edit.section('=', 0, 0))->setText(edit.section('=', 1));
    m_dialogs.answerQuestion(QuestionResult::Positive);
    click(dialog, press);

    // Refused before anything was sent: one warning, no progress dialog.
    const auto requests = m_dialogs.requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.constFirst().text, message);
    QCOMPARE(requests.constFirst().icon, int(QuestionIcon::Warning));
    QCOMPARE(dialog.findChild<QLineEdit *>("ledPasswordNew")->text().isEmpty(), passwordsCleared);
    QCOMPARE(clock.name, QString("Hall"));
}

void TestDeviceDialogs::settingsInterface_data()
{
    QTest::addColumn<int>("choose");
    QTest::addColumn<QString>("kept"); // the interface's name afterwards; empty: none

    QTest::newRow("a vanished interface stays chosen") << 2 << "eth9";
    QTest::newRow("Default clears it") << 0 << "";
    QTest::newRow("a present card replaces it") << 1 << "eth0";
}

void TestDeviceDialogs::settingsInterface()
{
    QFETCH(int, choose);
    QFETCH(QString, kept);

    DevClock clock;
    clock.networkInterface = card("eth9", "10.9.9.9");
    DialogDeviceSettings dialog(nullptr, &m_dialogs);
    dialog.setClock(&clock, 0);
    dialog.setNetworkCards({card("eth0", "10.0.0.2")});
    auto *combo = dialog.findChild<QComboBox *>("cbxNetworkInterface");
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentIndex(), 2);
    QCOMPARE(combo->itemText(2), QString("eth9 (10.9.9.9) - Not available"));
    combo->setCurrentIndex(choose);
    m_dialogs.answerQuestion(QuestionResult::Positive).answerQuestion(QuestionResult::Positive);
    click(dialog, "btnSetNetworkInterface");
    dialog.findChild<QLineEdit *>("ledUser")->setText("operator");
    click(dialog, "btnAuthenticationSet");
    QCOMPARE(clock.networkInterface.name, kept);
    QCOMPARE(clock.user, QString("operator"));
    QCOMPARE(m_dialogs.questionTexts(), QStringList({"Network interface set", "Authentication data set"}));

    // Nothing reached the clock, so closing tells the list nothing changed.
    click(dialog, "btnCancel");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestDeviceDialogs)
#include "tst_devicedialogs.moc"
