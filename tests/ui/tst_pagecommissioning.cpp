#include "core/AppSettings.h"
#include "tests/netns/ClockSimControl.h"
#include "operations/CommissioningModel.h"
#include "ui/dialogs/DialogCommissioningResults.h"
#include "notify/NotificationSettings.h"
#include "persistence/StateFile.h"
#include "tests/support/TestRows.h"
#include "tests/ui/DeviceListPage.h"
#include "persistence/XmlFile.h"

#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

// The credentials "admin" where the dialog asks for them; then fields by
// object name: text into line edits, a state into check and radio boxes, a
// click on push buttons; then "Add".
int fill(QDialog &dialog, const QJsonObject &fields)
{
    for (const char *name : {"ledUser", "ledPassword"}) {
        if (auto *edit = dialog.findChild<QLineEdit *>(name))
            edit->setText("admin");
    }
    for (auto field = fields.begin(); field != fields.end(); ++field) {
        QWidget *widget = dialog.findChild<QWidget *>(field.key());
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            edit->setText(field.value().toString());
        else if (button->isCheckable())
            button->setChecked(field.value().toBool());
        else
            button->click();
    }
    dialog.findChild<QPushButton *>("btnAccept")->click();
    return dialog.result();
}

} // namespace

// Clocks added by address range or plan through the add-clock dialog or
// found by a search, and the list exported as a plan, against simulated
// clocks of which only one answers a search.
class TestPageCommissioning : public QObject
{
    Q_OBJECT

    ClockSimControl m_sim;
    QTemporaryDir m_folder;

private slots:
    void init()
    {
        QVERIFY(m_sim.reset() && m_sim.clearLog());
        ClockRegistry::resetForTest();
        listClock("Old", "192.168.0.30", "admin", "02-A7-3C-00-00-20");
        listClock("Room 2", "192.168.0.21", "admin", "02-A7-3C-00-00-21");
        listClock("Gate", "192.168.0.40", "admin", "02-A7-3C-00-00-41");
    }

    void clocksFound_data() { TestRows::add(QStringLiteral("ui/commissioning.rows")); }
    void clocksFound()
    {
        QFETCH(QString, button);
        QFETCH(QJsonObject, fields);
        QFETCH(QString, plan);
        QFETCH(bool, untick);
        QFETCH(QString, message);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, rows);
        QFETCH(int, moveAnswer);

        DeviceListPage p;
        p.dialogs.answerDialog([&fields](QDialog &dialog) { return fill(dialog, fields); });
        if (!plan.isEmpty()) {
            QFile file(m_folder.filePath("plan.csv"));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(plan.toUtf8()) > 0);
            p.dialogs.answerFile(file.fileName());
        }
        // Refused input: the one question is answered "no"; the dialog stays
        // open and closes without a run, so no result table is asked for.
        if (!message.isEmpty())
            p.dialogs.answerQuestion(QuestionResult::Negative);
        if (moveAnswer >= 0)
            p.dialogs.answerQuestion(moveAnswer ? QuestionResult::Positive : QuestionResult::Negative);
        QStringList seen;
        p.dialogs.answerDialog([&](QDialog &dialog) {
            if (auto *found = dialog.findChild<QTableWidget *>("twdDeviceList")) {
                seen << found->item(0, found->columnCount() - 1)->text();
                found->item(0, 0)->setCheckState(untick ? Qt::Unchecked : Qt::Checked);
                return fill(dialog, {});
            }
            for (const CommissionedAddress &a : static_cast<DialogCommissioningResults &>(dialog).model().addresses())
                seen << QStringList{a.ip, a.outcomeText(), a.name, a.group, a.note()}.join('|');
            return int(QDialog::Accepted);
        });
        p.press(button.toLatin1());

        QCOMPARE(p.dialogs.pendingAnswers(), message.isEmpty() ? 0 : 1);
        QStringList asked = p.dialogs.questionTexts();
        // The one question after a run: whether unproved moves are taken.
        QCOMPARE(moveAnswer >= 0, !asked.isEmpty() && asked.constLast().startsWith("These listed clocks"));
        if (moveAnswer >= 0)
            asked.removeLast();
        QCOMPARE(asked, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(seen, shown);
        QCOMPARE(p.rows(), rows);
        QCOMPARE(ClockRegistry::instance()->clockCount(), rows.size());
        if (!message.isEmpty())
            QVERIFY(m_sim.httpRequests().isEmpty());
    }

    // A plan of a thousand addresses imported in the window is on disk when
    // the flow ends: the process killed right after its save, the state file
    // holds every clock (the listed ones and the plan's, none answering).
    void importSurvivesKill()
    {
        const int planned = 1000;
        if (qEnvironmentVariableIsSet("ZENTICK_IMPORT_THEN_DIE")) {
            DeviceListPage p;
            QVERIFY(p.session.acquireLock());
            QString plan = QStringLiteral("ip,name\n");
            // Refused at once on loopback: every row is listed as not reachable.
            for (int i = 0; i < planned; ++i)
                plan += QStringLiteral("127.1.%1.%2,Clock %3\n").arg(i / 250).arg(i % 250 + 1).arg(i);
            QFile file(m_folder.filePath("big.csv"));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(plan.toUtf8()) > 0);
            file.close();
            p.dialogs.answerDialog([](QDialog &dialog) { return fill(dialog, {{"rbtPlan", true}, {"btnChoosePlan", QJsonValue()}}); })
                .answerFile(file.fileName())
                .answerDialog([](QDialog &) { return int(QDialog::Accepted); });
            QSignalSpy saved(&p.session, &MonitoringSession::saved);
            p.press("btnDeviceAdd");
            QVERIFY(saved.count() > 0 || saved.wait(20000));
            std::raise(SIGKILL);
        }
        QFile::remove(AppSettings::stateFilePath());
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ZENTICK_IMPORT_THEN_DIE"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("importSurvivesKill")});
        QVERIFY(child.waitForFinished(120000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QByteArray data;
        QVERIFY(XmlFile::readData(AppSettings::stateFilePath(), data));
        StateFile::Lists lists;
        NotificationSettings settings;
        QVERIFY(StateFile::parse(data, lists, settings));
        QCOMPARE(int(lists.clocks.size()), planned + 3);
        QCOMPARE(lists.clocks.back()->name, QStringLiteral("Clock %1").arg(planned - 1));
    }

    void exportList_data() { TestRows::add(QStringLiteral("ui/commissioning.rows")); }
    void exportList()
    {
        QFETCH(int, answer);
        QFETCH(QString, file);

        ClockRegistry *registry = ClockRegistry::instance();
        registry->clockAt(0)->password = "s3cret";
        registry->clockAt(1)->name = "Room 2, east";
        registry->clockAt(1)->password = "a,b";
        registry->createGroup("Ground floor");
        registry->setClockGroup(0, 0);
        DeviceListPage p;
        const QString path = m_folder.filePath("export.csv");
        QFile::remove(path);
        p.dialogs.answerQuestion(QuestionResult(answer)).answerFile(path);
        p.press("btnDeviceExport");

        QFile written(path);
        QCOMPARE(written.open(QIODevice::ReadOnly) ? QString::fromUtf8(written.readAll()) : QString(), file);
        QCOMPARE(p.dialogs.pendingAnswers(), file.isEmpty() ? 1 : 0);
    }
};

QTEST_MAIN(TestPageCommissioning)
#include "tst_pagecommissioning.moc"
