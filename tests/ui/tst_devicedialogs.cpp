#include "CustomHeaderedTable.h"
#include "CustomTableHeader.h"
#include "DevClock.h"
#include "DialogDeviceSettings.h"
#include "DialogDevicesFound.h"
#include "DialogNewClock.h"
#include "DialogQuestion.h"
#include "ScriptedDialogHost.h"
#include "TestRows.h"

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
    void newClock_data() { TestRows::add(QStringLiteral("ui/devicedialogs.rows")); }
    void newClock();
    void devicesFound_data() { TestRows::add(QStringLiteral("ui/devicedialogs.rows")); }
    void devicesFound();
    void settingsRefusals_data() { TestRows::add(QStringLiteral("ui/devicedialogs.rows")); }
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

void TestDeviceDialogs::devicesFound()
{
    QFETCH(QStringList, untick);
    QFETCH(int, answer);
    QFETCH(bool, accepted);
    QFETCH(QList<int>, ticks);
    QFETCH(int, asked);
    QVector<bool> selected;
    for (int tick : ticks)
        selected << (tick != 0);

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
