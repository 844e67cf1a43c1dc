#include "operations/Communication.h"
#include "ui/widgets/CustomHeaderedTable.h"
#include "ui/widgets/CustomTableHeader.h"
#include "model/DevClock.h"
#include "ui/dialogs/DialogAbout.h"
#include "ui/dialogs/DialogCombobox.h"
#include "ui/pages/DialogDeviceSettings.h"
#include "ui/dialogs/DialogDevicesFound.h"
#include "ui/dialogs/DialogEditName.h"
#include "ui/dialogs/DialogNewClock.h"
#include "ui/dialogs/DialogProgress.h"
#include "ui/dialogs/DialogQuestion.h"
#include "ui/dialogs/ModalDialogHost.h"
#include "ui/dialogs/ScriptedDialogHost.h"
#include "desktop/TaskbarProgress.h"
#include "core/AppSettings.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestRows.h"
#include "tools/uirender/ClippedText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

#include <functional>
#include <limits>

namespace {

const QString rows = QStringLiteral("ui/widgets.rows");

// Acts on the next modal dialog once its run has started, polling from the
// event loop so the test never sleeps; gives up after a while so that a
// dialog that never appears fails the test instead of hanging it.
void whenModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    const QDeadlineTimer deadline(10000);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if ((!modal || !modal->isVisible()) && !deadline.hasExpired())
            return;
        timer->deleteLater();
        timer->stop();
        if (modal)
            action(modal);
    });
    timer->start(10);
}

void clickInModal(const QString &buttonName, QStringList *visibleButtons = nullptr)
{
    whenModal([buttonName, visibleButtons](QWidget *dialog) {
        if (visibleButtons) {
            for (const char *name : {"btnPositive", "btnNegative", "btnNeutral"}) {
                auto *button = dialog->findChild<QPushButton *>(name);
                if (button && button->isVisible())
                    visibleButtons->append(button->text());
            }
        }
        auto *button = dialog->findChild<QAbstractButton *>(buttonName);
        QVERIFY2(button, qPrintable(buttonName));
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

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

int progressBarValue(DialogProgress &dialog)
{
    return dialog.findChild<QProgressBar *>("pbrSearching")->value();
}

} // namespace

// The dialogs, driven by their buttons; where one asks something of its
// own, a scripted dialog host answers.
class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void askAnswers_data() { TestRows::add(rows); }
    void askAnswers();
    void progressRamp_data();
    void progressRamp();
    void progressEnds_data() { TestRows::add(rows); }
    void progressEnds();
    void editDialogs_data() { TestRows::add(rows); }
    void editDialogs();
    void versionText_data() { TestRows::add(rows); }
    void versionText();
    void newClock_data() { TestRows::add(QStringLiteral("ui/devicedialogs.rows")); }
    void newClock();
    void devicesFound_data() { TestRows::add(QStringLiteral("ui/devicedialogs.rows")); }
    void newClockFitsTheWayChosen();
    void devicesFound();
    void devicesFoundFindings();
    void settingsRefusals_data() { TestRows::add(QStringLiteral("ui/devicedialogs.rows")); }
    void settingsRefusals();
    void settingsRecordOnly();
    void settingsFitOverWindow_data() { TestRows::add(QStringLiteral("ui/devicedialogs.rows")); }
    void settingsFitOverWindow();
    void fileDialogFolder_data() { TestRows::add(QStringLiteral("ui/devicedialogs.rows")); }
    void fileDialogFolder();
    void clippedCells_data() { TestRows::add(QStringLiteral("ui/devicedialogs.rows")); }
    void clippedCells();

private:
    ScriptedDialogHost m_dialogs;
    Communication m_exchanges;
};

void TestDialogs::init()
{
    m_dialogs.reset();
}

void TestDialogs::askAnswers()
{
    QFETCH(QString, negative);
    QFETCH(QString, neutral);
    QFETCH(QString, click);
    QFETCH(QStringList, visible);
    QFETCH(int, answer);

    ModalDialogHost modal; // the program's own modal question
    QStringList shown;
    clickInModal(click, &shown);
    const QuestionResult result =
        modal.question({nullptr, "QLX Zentick", "Delete the group?", QuestionIcon::Question, "OK", negative, neutral});
    QCOMPARE(result, QuestionResult(answer));
    QCOMPARE(shown, visible);
}

void TestDialogs::progressRamp_data()
{
    TestRows::add(rows);
    QTest::newRow("not a number is ignored") << std::numeric_limits<double>::quiet_NaN() << 10 << 0;
}

// Through the dialog: its timer's ticks move the ramp, its bar draws it.
void TestDialogs::progressRamp()
{
    QFETCH(double, report);
    QFETCH(int, ticks);
    QFETCH(int, drawn);

    DialogProgress dialog(nullptr, "QLX Zentick", "Downloading configuration");
    dialog.setValue(report);
    for (int i = 0; i < ticks; ++i)
        dialog.onTimerTimeout();
    // A bar never drawn yet holds -1.
    QVERIFY(qAbs(qMax(progressBarValue(dialog), 0) - drawn) <= 1);
    QVERIFY(dialog.ramp().shown() <= qMax(dialog.ramp().target(), 0.0));
}

void TestDialogs::progressEnds()
{
    QFETCH(QString, end);
    QFETCH(int, result);

    // A progress dialog shows on the task-bar button of its parent's window.
    QWidget window;
    DialogProgress dialog(&window, "QLX Zentick", "Searching");
    QSignalSpy canceled(&dialog, &DialogProgress::Canceled);
    if (end == "finish before the run")
        dialog.finish();
    else if (end == "finish")
        whenModal([&dialog](QWidget *) { dialog.finish(); });
    else
        clickInModal(end);
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(canceled.count(), result == QDialog::Rejected ? 1 : 0);
    QCOMPARE(progressBarValue(dialog) == DialogProgress::progressMaximum, result == QDialog::Accepted);
    QVERIFY(!dialog.taskbarProgress()->isVisible());
}

// A name typed, or the third frame chosen, then one of the buttons.
void TestDialogs::editDialogs()
{
    QFETCH(QString, dialogName);
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(QString, value);

    DialogEditName name;
    name.set("Edit group name", "Group name:", "Hall", "Rename");
    DialogCombobox combo;
    combo.setButtons("Replace", "Keep");
    combo.setTexts("Frame 3 is in use.", "Choose the frame to show instead.", "Frame:", {"A", "B", "C"});
    whenModal([button](QWidget *modal) {
        if (auto *edit = modal->findChild<QLineEdit *>("lineEdit")) {
            edit->selectAll();
            QTest::keyClicks(edit, "Hall B");
        } else {
            modal->findChild<QComboBox *>("cbxSpecialFrames")->setCurrentIndex(2);
        }
        QTest::mouseClick(modal->findChild<QAbstractButton *>(button), Qt::LeftButton);
    });
    if (dialogName == "name") {
        QCOMPARE(name.exec(), result);
        QCOMPARE(name.text(), value);
    } else {
        QCOMPARE(combo.exec(), result);
        QCOMPARE(QString::number(combo.selectedIndex()), value);
    }
}

void TestDialogs::versionText()
{
    QFETCH(QString, version);
    QFETCH(QString, text);
    QCOMPARE(DialogAbout::formatVersion(version), text);
}

void TestDialogs::newClock()
{
    QFETCH(QString, typed);
    QFETCH(int, interfaceIndex);
    QFETCH(QString, ip);
    QFETCH(QString, interfaceName);

    DialogNewClock dialog(m_dialogs);
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

void TestDialogs::newClockFitsTheWayChosen()
{
    DialogNewClock dialog(m_dialogs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *range = dialog.findChild<QRadioButton *>("rbtRange");
    range->setChecked(true);
    const int rangeHeight = dialog.height();
    dialog.findChild<QRadioButton *>("rbtPlan")->setChecked(true);
    range->setChecked(true);
    QCOMPARE(dialog.height(), rangeHeight);
}

void TestDialogs::devicesFound()
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
    DialogDevicesFound dialog(m_dialogs);
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
    m_dialogs.answerQuestion(QuestionResult(answer));
    click(dialog, "btnAccept");

    QCOMPARE(dialog.isAccepted(), accepted);
    QCOMPARE(dialog.selected(), selected);
    QCOMPARE(m_dialogs.questionTexts().size(), asked);
}

// What the list makes of each clock decides its tick and its status text.
void TestDialogs::devicesFoundFindings()
{
    DevClock found[3];
    for (DevClock &clock : found)
        clock.network.ip = QStringLiteral("192.168.0.11");
    found[0].lastError = AuthorizationError;
    found[1].network.ip = QStringLiteral("192.168.0.40");
    DevClock listed;
    const QVector<ClockIntake::Result> findings = {{ClockIntake::Taken::WrongPassword, &listed, QString()},
                                                   {ClockIntake::Taken::MoveUnconfirmed, &listed, "192.168.0.30"},
                                                   {ClockIntake::Taken::Added, nullptr, QString()}};
    DialogDevicesFound dialog(m_dialogs);
    dialog.setFindings({&found[0], &found[1], &found[2]}, findings, {true, false, true});
    auto *table = dialog.findChild<CustomHeaderedTable *>("twdDeviceList");
    QCOMPARE(table->item(0, DialogDevicesFound::StatusColumn)->text(), QString("wrong password for listed clock"));
    QCOMPARE(table->item(1, DialogDevicesFound::StatusColumn)->text(),
             QString("OK - moved from 192.168.0.30 to 192.168.0.40? Tick to confirm"));
    // Another clock at the factory address is offered, and asked about.
    QCOMPARE(table->item(2, DialogDevicesFound::StatusColumn)->text(), QString("OK - IP duplicate found"));
    QCOMPARE(dialog.selected(), QVector<bool>({false, false, true}));
}

void TestDialogs::settingsRefusals()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, press);
    QFETCH(QString, message);
    QFETCH(bool, passwordsCleared);

    DevClock clock;
    clock.name = "Hall";
    DialogDeviceSettings dialog(m_dialogs, m_exchanges);
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
    QCOMPARE(requests.constFirst().icon, QuestionIcon::Warning);
    QCOMPARE(dialog.findChild<QLineEdit *>("ledPasswordNew")->text().isEmpty(), passwordsCleared);
    QCOMPARE(clock.name, QString("Hall"));
}

void TestDialogs::settingsRecordOnly()
{
    DevClock clock;
    clock.networkInterface = card("eth9", "10.9.9.9");
    DialogDeviceSettings dialog(m_dialogs, m_exchanges);
    dialog.setClock(&clock, 0);
    dialog.setNetworkCards({card("eth0", "10.0.0.2")});
    m_dialogs.answerQuestion(QuestionResult::Positive).answerQuestion(QuestionResult::Positive);
    // The unplugged interface stays listed and chosen, and "Set" keeps it.
    dialog.findChild<QLineEdit *>("ledUser")->setText("operator");
    click(dialog, "btnSetNetworkInterface");
    click(dialog, "btnAuthenticationSet");
    QCOMPARE(clock.networkInterface.name, QString("eth9"));
    QCOMPARE(clock.user, QString("operator"));
    QCOMPARE(m_dialogs.questionTexts(), QStringList({"Network interface set.", "Authentication data set."}));
    // Nothing reached the clock, so closing tells the list nothing changed.
    click(dialog, "btnCancel");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

// Sized to what it shows (nothing to scroll, no empty space beyond a scroll
// bar's width) and centred over its window.
void TestDialogs::settingsFitOverWindow()
{
    QFETCH(bool, dhcp);
    QFETCH(QList<int>, centre);
    const QPoint windowCentre(centre.at(0), centre.at(1));

    QWidget owner;
    owner.setGeometry(QRect(windowCentre - QPoint(200, 150), QSize(400, 300)));
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    DevClock clock;
    clock.network.DHCP = dhcp;
    DialogDeviceSettings dialog(m_dialogs, m_exchanges, &owner);
    dialog.setClock(&clock, 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *area = dialog.findChild<QScrollArea *>("sarSettings");
    const QSize spare = area->viewport()->size() - area->widget()->sizeHint();
    QCOMPARE(area->verticalScrollBar()->maximum() + area->horizontalScrollBar()->maximum(), 0);
    QVERIFY(spare.width() <= 20 && spare.height() <= 20);
    QVERIFY((dialog.geometry().center() - windowCentre).manhattanLength() <= 2);
}

// Where a file dialog opens, and that the folder of a chosen file is kept
// for the next. "~" is the home folder of the test, "docs" the documents.
void TestDialogs::fileDialogFolder()
{
    QFETCH(QString, last);
    QFETCH(QString, requested);
    QFETCH(QString, starts);

    const QString home = QDir::homePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const auto expand = [&](QString path) {
        return path.replace("docs", documents).replace("~", home);
    };
    for (const char *folder : {"used", "reports"})
        QVERIFY(QDir(home).mkpath(folder));
    QVERIFY(QDir().mkpath(documents));
    AppSettings::setLastPath(expand(last) + "file");
    const QString chosen = home + "/reports/chosen.csv";
    m_dialogs.answerFile(chosen);
    QCOMPARE(m_dialogs.saveFileName({nullptr, "Export", expand(requested), "*.csv"}), chosen);
    QCOMPARE(m_dialogs.requests().constFirst().folder, expand(starts));
    QCOMPARE(SettingsStore::open()->value("Common/LastPath").toString(), home + "/reports/");
}

// The clipping check of the render tool over table cells: a cut cell is
// found; one that wraps into a row tall enough, or whose tool tip holds
// the text, is not.
void TestDialogs::clippedCells()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, wrap);
    QFETCH(bool, toolTip);
    QFETCH(bool, found);

    QTableWidget table(1, 1);
    table.resize(600, 300);
    table.setWordWrap(wrap);
    auto *item = new QTableWidgetItem(text);
    if (toolTip)
        item->setToolTip(text);
    table.setItem(0, 0, item);
    table.setColumnWidth(0, width);
    table.setRowHeight(0, height);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    const QStringList clipped = ClippedText::find(&table);
    QCOMPARE(clipped.filter("cell 0,0").size(), found ? 1 : 0);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
