#include "CustomHeaderedTable.h"
#include "CustomTableHeader.h"
#include "DevClock.h"
#include "DialogDeviceSettings.h"
#include "DialogDevicesFound.h"
#include "DialogNewClock.h"
#include "DialogQuestion.h"
#include "ParameterText.h"
#include "ScriptedDialogHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>


namespace {

NetworkCardData card(const QString &name, const char *ip)
{
    NetworkCardData card;
    card.name = name;
    card.ip = QHostAddress(QString::fromLatin1(ip));
    return card;
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
    void newClock_data();
    void newClock();
    void devicesFound_data();
    void devicesFound();
    void settingsRefusals_data();
    void settingsRefusals();
    void settingsRecordOnly();

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

void TestDeviceDialogs::newClock_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("interfaceIndex");
    QTest::addColumn<QString>("ip"); // empty: refused, the dialog stays open
    QTest::addColumn<QString>("interfaceName");

    QTest::newRow("complete address, default interface") << "192.168.0.30" << 0 << "192.168.0.30" << "";
    QTest::newRow("leading zeros are decimal, not octal") << "192.168.000.011" << 2 << "192.168.0.11" << "eth1";
    QTest::newRow("two numbers are not 192.0.0.168") << "192.168" << 0 << "" << "";
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
    QTest::addColumn<QStringList>("untick"); // clock names; "all" unticks the header
    QTest::addColumn<int>("answer");         // to the duplicate question, when asked
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QVector<bool>>("selected");
    QTest::addColumn<int>("asked");

    using V = QVector<bool>;
    QTest::newRow("duplicate selected, confirmed") << QStringList() << 1 << true << V{true, true, true} << 1;
    QTest::newRow("duplicate question cancelled keeps it open")
        << QStringList() << -1 << false << V{true, true, true} << 1;
    QTest::newRow("duplicate unticked adds without asking") << QStringList{"Lab"} << 0 << true << V{true, false, true}
                                                            << 0;
    QTest::newRow("ticks follow their clocks, not the sorted rows")
        << QStringList{"Atrium", "Lab"} << 0 << true << V{false, false, true} << 0;
    QTest::newRow("the header unticks every row") << QStringList{"all"} << 0 << true << V{false, false, false} << 0;
}

void TestDeviceDialogs::devicesFound()
{
    QFETCH(QStringList, untick);
    QFETCH(int, answer);
    QFETCH(bool, accepted);
    QFETCH(QVector<bool>, selected);
    QFETCH(int, asked);

    DevClock found[3];
    const char *names[] = {"Atrium", "Lab", "Roof"};
    for (int i = 0; i < 3; ++i) {
        found[i].name = names[i];
        found[i].network.ip = QStringLiteral("192.168.0.%1").arg(20 + i);
    }
    found[1].lastError = AuthorizationError;
    DialogDevicesFound dialog;
    dialog.setClocks({&found[0], &found[1], &found[2]}, {false, true, false});
    auto *table = dialog.findChild<CustomHeaderedTable *>("twdDeviceList");
    // Twice: descending, so no row is where its clock was given.
    table->sortByColumnClicked(DialogDevicesFound::NameColumn);
    table->sortByColumnClicked(DialogDevicesFound::NameColumn);
    for (int row = 0; row < table->rowCount(); ++row) {
        if (untick.contains(table->item(row, DialogDevicesFound::NameColumn)->text()))
            table->item(row, DialogDevicesFound::CheckColumn)->setCheckState(Qt::Unchecked);
    }
    QCOMPARE(table->item(1, DialogDevicesFound::StatusColumn)->text(),
             QString("Authorization error - IP duplicate found"));
    auto *header = qobject_cast<QCheckBox *>(table->customHeader()->sectionWidget(0));
    if (untick == QStringList{"all"})
        header->click();
    QCOMPARE(header->isChecked(), !selected.contains(false));
    m_dialogs.answerQuestion(answer);
    click(dialog, "btnAccept");

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

void TestDeviceDialogs::settingsRecordOnly()
{
    DevClock clock;
    clock.networkInterface = card("eth9", "10.9.9.9");
    DialogDeviceSettings dialog(nullptr, &m_dialogs);
    dialog.setClock(&clock, 0);
    dialog.setNetworkCards({card("eth0", "10.0.0.2")});
    m_dialogs.answerQuestion(QuestionResult::Positive).answerQuestion(QuestionResult::Positive);
    // The unplugged interface stays listed and chosen, and "Set" keeps it.
    dialog.findChild<QLineEdit *>("ledUser")->setText("operator");
    click(dialog, "btnSetNetworkInterface");
    click(dialog, "btnAuthenticationSet");
    QCOMPARE(clock.networkInterface.name, QString("eth9"));
    QCOMPARE(clock.user, QString("operator"));
    QCOMPARE(m_dialogs.questionTexts(), QStringList({"Network interface set", "Authentication data set"}));
    // Nothing reached the clock, so closing tells the list nothing changed.
    click(dialog, "btnCancel");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestDeviceDialogs)
#include "tst_devicedialogs.moc"
