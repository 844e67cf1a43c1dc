#include "core/AppSettings.h"
#include "model/DevGroup.h"
#include "operations/GetConfigurationSender.h"
#include "operations/change/ChangeRunState.h"
#include "operations/change/NewPasswords.h"
#include "persistence/ChangeRunFile.h"
#include "persistence/EventJournal.h"
#include "session/ClockEventText.h"
#include "tests/netns/ClockSimControl.h"
#include "tests/ui/DeviceListPage.h"
#include "ui/dialogs/DialogAuditFindings.h"
#include "ui/dialogs/DialogChangeClocks.h"
#include "ui/dialogs/DialogChangePasswords.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimeZone>

namespace {

constexpr int runMs = 60000;

template<typename T = QWidget>
T *child(QWidget &parent, const char *name)
{
    return parent.findChild<T *>(QLatin1String(name));
}

// Every row of a table as a screen reader reads it, "cell|cell|...", after
// the headers it announces.
QStringList readTable(QWidget *view)
{
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(view);
    QStringList rows;
    if (!table || !table->tableInterface())
        return {QStringLiteral("no table")};
    QAccessibleTableInterface *cells = table->tableInterface();
    QStringList headers;
    for (int column = 0; column < cells->columnCount(); ++column)
        headers << cells->columnDescription(column);
    rows << headers.join('|');
    for (int row = 0; row < cells->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < cells->columnCount(); ++column)
            texts << cells->cellAt(row, column)->text(QAccessible::Name);
        rows << texts.join('|');
    }
    return rows;
}

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The newest run file of the data folder.
// By the file's time: ids name the second, and rows can start within one.
QString newestRun()
{
    const QFileInfoList runs = QDir(ChangeRunFile::folderPath()).entryInfoList({"*.json"}, QDir::Files, QDir::Time);
    return runs.isEmpty() ? QString() : runs.constFirst().completeBaseName();
}

} // namespace

// "Change clocks..." from the device list's selection and "Align with group"
// from the audit's findings, driven through the dialog as a keyboard and a
// screen reader reach it, against the simulated clocks of data/change.json:
// Hall, Lobby (another NTP server), Yard (brightness 5 already), Dead
// (refuses connections).
class TestChangeClocks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void changeFromSelection_data();
    void changeFromSelection();
    void alignFromFindings();
    void passwordsFromSelection_data();
    void passwordsFromSelection();

private:
    ClockSimControl m_sim;
};

void TestChangeClocks::init()
{
    QVERIFY(m_sim.reset() && m_sim.clearLog());
    ClockRegistry::resetForTest();
    for (const QJsonValue entry : m_sim.clocks())
        listClock(entry.toObject().value("name").toString(), entry.toObject().value("ip").toString());
}

void TestChangeClocks::changeFromSelection_data()
{
    QTest::addColumn<int>("canary");
    QTest::addColumn<int>("maxFailed");
    QTest::addColumn<int>("failing");
    QTest::addColumn<QStringList>("result");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("progress");
    QTest::addColumn<QByteArray>("csvHall");
    QTest::addColumn<bool>("escape");
    QTest::newRow("two sent, one already right, one not readable")
        << 0 << -1 << -1 << QStringList{"yes|", "yes|", "already right|", "no|configuration not readable"}
        << QStringList{"4", "4", "4"} << "Clocks done|2/2" << QByteArray("Hall,192.168.0.40,Brightness,10,4,yes,verified,\n") << false;
    QTest::newRow("the first wave fails and the rest wait for a resume")
        << 1 << 0 << 0
        << QStringList{"no|An error occured: Unable connect to device", "not sent|the run stopped before its wave", "already right|",
                       "no|configuration not readable"}
        << QStringList{"10", "10", "4"} << "Clocks done|1/2" << QByteArray("Hall,192.168.0.40,Brightness,10,4,no,failed,") << false;
    QTest::newRow("Escape in the first wave stops after it")
        << 1 << -1 << -1
        << QStringList{"yes|", "not sent|the run stopped before its wave", "already right|", "no|configuration not readable"}
        << QStringList{"4", "10", "4"} << "Clocks done|1/2" << QByteArray("Hall,192.168.0.40,Brightness,10,4,yes,verified,")
        << true;
}

void TestChangeClocks::changeFromSelection()
{
    QFETCH(int, canary);
    QFETCH(int, maxFailed);
    QFETCH(int, failing);
    QFETCH(QStringList, result);
    QFETCH(QStringList, stored);
    QFETCH(QString, progress);
    QFETCH(QByteArray, csvHall);
    QFETCH(bool, escape);
    const bool stopped = failing >= 0 || escape;
    if (failing >= 0)
        QVERIFY(m_sim.setFaults(failing, QJsonObject{{"status", 500}, {"paths", QJsonArray{"/B0"}}}));
    QTemporaryDir folder;
    const QString exported = folder.filePath("result.csv");
    const QDateTime start = QDateTime::currentDateTimeUtc();
    DeviceListPage f;
    QVERIFY(f.session.acquireLock());
    f.session.start();
    QVERIFY(f.exposed());
    QStringList preview;
    QStringList shown;
    QStringList unnamed;
    QString status;
    f.dialogs.answerDialog([&](QDialog &dialog) {
        // Chosen from the keyboard's point of view: each input has a name.
        auto *field = child<QComboBox>(dialog, "cbxChangeField");
        field->setCurrentIndex(field->findData("Brightness"));
        auto *value = child<QComboBox>(dialog, "cbxChangeValue");
        value->setCurrentIndex(4);
        for (QWidget *widget : dialog.findChildren<QWidget *>()) {
            // A spin box's own line edit is named through its box.
            const bool input = !qobject_cast<QLabel *>(widget) && !qobject_cast<QAbstractSpinBox *>(widget->parent());
            if (input && widget->isVisibleTo(&dialog) && widget->focusPolicy() != Qt::NoFocus
                && accessibleName(widget).isEmpty())
                unnamed << widget->objectName();
        }
        child<QAbstractButton>(dialog, "btnChangeAdd")->click();
        child<QSpinBox>(dialog, "sbxChangeCanary")->setValue(canary);
        child<QSpinBox>(dialog, "sbxChangeMaxFailed")->setValue(maxFailed);
        child<QAbstractButton>(dialog, "btnChangePreview")->click();
        auto *apply = child<QAbstractButton>(dialog, "btnChangeApply");
        if (!QTest::qWaitFor([apply] { return apply->isEnabled(); }, runMs))
            return int(QDialog::Rejected);
        preview = readTable(child(dialog, "tbvChangePreview"));
        apply->click();
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        auto *exporting = child<QAbstractButton>(dialog, "btnChangeExport");
        if (!QTest::qWaitFor([exporting] { return exporting->isEnabled(); }, runMs))
            return int(QDialog::Rejected);
        for (const QString &row : readTable(child(dialog, "tbvChangeResult")).mid(1))
            shown << row.section('|', 4, 4) + '|' + row.section('|', 5).section(" (", 0, 0);
        auto *progress = child<QProgressBar>(dialog, "pbrChange");
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(progress);
        status = accessibleName(child(dialog, "lblChangeStatus")) + '|' + accessibleName(progress) + '|'
            + bar->valueInterface()->currentValue().toString() + '/' + QString::number(progress->maximum());
        exporting->click();
        return int(QDialog::Accepted);
    });
    f.dialogs.answerFile(exported).answerQuestion(QuestionResult::Positive);
    f.table()->setFocus();
    f.table()->selectAll();
    QTest::keyClick(f.table(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

    QCOMPARE(unnamed.join(","), QString());
    QCOMPARE(preview.mid(0, 4).join('\n'), QStringList({"Clock|Field|Old \u2192 new",
                                                         "Hall (192.168.0.40)|Brightness level|Auto \u2192 5",
                                                         "Lobby (192.168.0.41)|Brightness level|Auto \u2192 5",
                                                         "Yard (192.168.0.42)||already right: skipped"})
                                                 .join('\n'));
    QCOMPARE(preview.size(), 5);
    QVERIFY2(preview.value(4).startsWith("Dead (192.168.0.43)||configuration not readable ("), qPrintable(preview.value(4)));
    QCOMPARE(shown.join('\n'), result.join('\n'));
    for (int clock = 0; clock < stored.size(); ++clock)
        QCOMPARE(m_sim.clock(clock).value("display").toObject().value("B_007").toVariant().toString(), stored.at(clock));
    // The run is kept where zentick-cli change --resume finds it, and says so.
    const QString id = newestRun();
    ChangeRunState kept;
    QString why;
    QVERIFY2(ChangeRunFile::load(id, kept, &why), qPrintable(why));
    QCOMPARE(kept.stopped, stopped);
    QVERIFY(status.startsWith(QStringLiteral("Change run %1: ").arg(id)));
    QCOMPARE(status.contains("--resume " + id), stopped);
    QCOMPARE(status.section('|', 1), progress);
    QCOMPARE(QFileInfo(ChangeRunFile::pathOf(id)).permissions() & 0x0077, QFileDevice::Permissions());
    // The export: what zentick-cli change --csv prints, the user's alone.
    QFile csv(exported);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QCOMPARE(lines.value(0), QByteArray("clock,ip,fields,before,after,verified,state,error"));
    QVERIFY2(lines.value(1).startsWith(csvHall.trimmed()), lines.value(1).constData());
    QCOMPARE(csv.permissions() & 0x0077, QFileDevice::Permissions());
    QCOMPARE(f.dialogs.questionTexts().constLast(), QString("The result was written to %1.").arg(exported));
    // Hall's outcome is in the history under the run's id; Yard, already
    // right, was never sent to.
    QVERIFY(f.session.journal()->flush());
    const auto changesOf = [&start](const char *ip) {
        QStringList texts;
        for (const ClockEvent &event : EventJournal::read(EventJournal::defaultFolder(),
                                                          {QLatin1String(ip), start, -1, int(ClockEvent::Kind::Changed)}))
            texts << ClockEventText::describe(event);
        return texts;
    };
    const QStringList hall = changesOf("192.168.0.40");
    QCOMPARE(hall.size(), 1);
    QVERIFY2(hall.constFirst().contains("Brightness 10 \u2192 4 (run " + id + ")"), qPrintable(hall.constFirst()));
    QCOMPARE(changesOf("192.168.0.42"), QStringList());
}

void TestChangeClocks::alignFromFindings()
{
    // The group's configuration is Hall's: Lobby departs in its NTP server,
    // Yard in its brightness, and all in daylight saving from a site in UTC;
    // Dead cannot be read, and align leaves it.
    ClockRegistry *registry = ClockRegistry::instance();
    DeviceListPage f;
    DataSender *download = f.exchanges.getConfiguration(SenderTarget::fromClock(*registry->clockAt(0)));
    QSignalSpy read(download, &DataSender::finished);
    QVERIFY(read.wait(runMs));
    const int group = registry->groupCount();
    registry->createGroup("Floor");
    for (int clock = 0; clock < 4; ++clock)
        registry->setClockGroup(clock, group);
    QVERIFY(registry->groupAt(group)->setConfig(
        static_cast<GetConfigurationSender *>(download)->downloadedClock()->config()));
    AppSettings::setSiteZone(QTimeZone("Etc/UTC"));
    QList<quint64> offered;
    QStringList preview;
    f.dialogs
        .answerDialog([&offered](QDialog &dialog) {
            offered = static_cast<DialogAuditFindings &>(dialog).alignClockIds();
            return DialogAuditFindings::AlignWithGroup;
        })
        .answerDialog([&preview](QDialog &dialog) {
            auto *apply = child<QAbstractButton>(dialog, "btnChangeApply");
            if (!QTest::qWaitFor([apply] { return apply->isEnabled(); }, runMs))
                return int(QDialog::Rejected);
            preview = readTable(child(dialog, "tbvChangePreview")).filter("NTP server 1");
            QTest::keyClick(apply, Qt::Key_Space);
            auto *exporting = child<QAbstractButton>(dialog, "btnChangeExport");
            (void)QTest::qWaitFor([exporting] { return exporting->isEnabled(); }, runMs);
            return int(QDialog::Accepted);
        });
    f.press("btnCheckClocks");
    QTRY_COMPARE_WITH_TIMEOUT(f.dialogs.pendingAnswers(), 0, runMs);
    // Hall too: its daylight saving leaves the site's zone (UTC).
    QCOMPARE(offered, (QList<quint64>{registry->clockAt(0)->id, registry->clockAt(1)->id, registry->clockAt(2)->id}));
    const QString server = registry->groupAt(group)->config()->Server1;
    QCOMPARE(preview, QStringList{"Lobby (192.168.0.41)|NTP server 1|ntp.other.example \u2192 " + server});
    QCOMPARE(m_sim.clock(1).value("time").toObject().value("A_005").toString(), server);
    QCOMPARE(m_sim.clock(2).value("display").toObject().value("B_007").toVariant().toString(), QString("10"));
}

void TestChangeClocks::passwordsFromSelection_data()
{
    // Yard is listed with a password it no longer has, and refuses the
    // command; Dead refuses connections.
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("canary");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<QStringList>("result");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("one password for all")
        << "rbtPasswordOne" << 0 << false
        << QStringList{"verified|new|", "verified|new|", "failed|old|An error occured", "failed|old|An error occured"} << QString();
    QTest::newRow("made passwords in a file, Escape in the first wave")
        << "rbtPasswordGenerate" << 1 << true
        << QStringList{"verified|new|", "not sent|old|the run stopped before its wave",
                       "not sent|old|the run stopped before its wave", "not sent|old|the run stopped before its wave"}
        << QString();
    QTest::newRow("a list without a clock sends nothing")
        << "rbtPasswordList" << 0 << false << QStringList{"planned||", "planned||", "planned||", "planned||"}
        << "gives no password for Dead (192.168.0.43).";
    QTest::newRow("made passwords that cannot be kept send nothing")
        << "rbtPasswordGenerate" << 0 << false << QStringList{"planned||", "planned||", "planned||", "planned||"}
        << "Nothing was sent.";
}

void TestChangeClocks::passwordsFromSelection()
{
    QFETCH(QString, source);
    QFETCH(int, canary);
    QFETCH(bool, escape);
    QFETCH(QStringList, result);
    QFETCH(QString, refusal);
    ClockRegistry *registry = ClockRegistry::instance();
    registry->clockAt(2)->password = "stale";
    QTemporaryDir folder;
    const QString passwords = folder.filePath("passwords.csv");
    const QString exported = folder.filePath("result.csv");
    if (source == "rbtPasswordList") {
        QFile list(passwords);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("ip,password\n192.168.0.40,Ha,ll\n192.168.0.41,Lobby\n192.168.0.42,Yard\n");
    }
    const QDateTime start = QDateTime::currentDateTimeUtc();
    DeviceListPage f;
    QVERIFY(f.session.acquireLock());
    f.session.start();
    QVERIFY(f.exposed());
    QStringList unnamed;
    QStringList shown;
    QString status;
    f.dialogs.answerDialog([&](QDialog &dialog) {
        for (QWidget *widget : dialog.findChildren<QWidget *>()) {
            const bool input = !qobject_cast<QLabel *>(widget) && !qobject_cast<QAbstractSpinBox *>(widget->parent());
            if (input && widget->isVisibleTo(&dialog) && widget->focusPolicy() != Qt::NoFocus
                && accessibleName(widget).isEmpty())
                unnamed << widget->objectName();
        }
        child<QRadioButton>(dialog, qPrintable(source))->setChecked(true);
        if (source == "rbtPasswordOne") {
            QTest::keyClicks(child(dialog, "ledPasswordNew"), "Fresh-1");
            QTest::keyClicks(child(dialog, "ledPasswordRepeat"), "Fresh-1");
            child<QSpinBox>(dialog, "sbxChangeMaxFailed")->setValue(4);
        } else if (source == "rbtPasswordGenerate") {
            child<QAbstractButton>(dialog, "btnPasswordGeneratedFile")->click();
        } else {
            child<QLineEdit>(dialog, "ledPasswordListFile")->setText(passwords);
        }
        child<QSpinBox>(dialog, "sbxChangeCanary")->setValue(canary);
        QTest::keyClick(child(dialog, "btnPasswordSend"), Qt::Key_Space);
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        auto *exporting = child<QAbstractButton>(dialog, "btnPasswordExport");
        if (refusal.isEmpty() && !QTest::qWaitFor([exporting] { return exporting->isEnabled(); }, runMs))
            return int(QDialog::Rejected);
        for (const QString &row : readTable(child(dialog, "tbvPasswordClocks")).mid(1))
            shown << row.section('|', 1, 2) + '|' + row.section('|', 3).section(':', 0, 0).section(" (", 0, 0);
        status = accessibleName(child(dialog, "lblPasswordStatus"));
        if (exporting->isEnabled())
            exporting->click();
        return int(QDialog::Accepted);
    });
    if (source == "rbtPasswordGenerate")
        f.dialogs.answerFile(refusal.isEmpty() ? passwords : folder.filePath("missing/passwords.csv"));
    f.dialogs.answerQuestion(QuestionResult::Positive);
    if (refusal.isEmpty())
        f.dialogs.answerFile(exported);
    f.dialogs.answerQuestion(QuestionResult::Positive);
    f.table()->setFocus();
    f.table()->selectAll();
    QTest::keyClick(f.table(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);

    QCOMPARE(unnamed.join(","), QString());
    QCOMPARE(shown.join('\n'), result.join('\n'));
    QCOMPARE(f.dialogs.questionTexts().value(0), QString("Change the password of 4 clocks?"));
    if (!refusal.isEmpty()) {
        QVERIFY2(f.dialogs.questionTexts().value(1).endsWith(refusal), qPrintable(f.dialogs.questionTexts().value(1)));
        for (int clock = 0; clock < 3; ++clock)
            QCOMPARE(m_sim.clock(clock)["password"].toString(), QString("pw"));
        QVERIFY(!QFileInfo::exists(exported));
        return;
    }
    // What each clock has now, the list keeps; made passwords only in their private file.
    QHash<QString, QString> made;
    if (source == "rbtPasswordGenerate") {
        QFile file(passwords);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.permissions() & 0x0077, QFileDevice::Permissions());
        const NewPasswords::Parsed parsed = NewPasswords::parse(file.readAll());
        QCOMPARE(parsed.addresses.size(), 4);
        made = parsed.byAddress;
    }
    for (int clock = 0; clock < 4; ++clock) {
        const QString ip = registry->clockAt(clock)->network.ip;
        const bool changed = result.at(clock).startsWith("verified");
        const QString expected = !changed ? QString(clock == 2 ? "stale" : "pw") : made.value(ip, "Fresh-1");
        QCOMPARE(registry->clockAt(clock)->password, expected);
        if (clock < 3)
            QCOMPARE(m_sim.clock(clock)["password"].toString(), changed ? expected : QString("pw"));
    }
    QVERIFY(status.contains(QString(" verified of 4 clocks.")));
    QCOMPARE(status.contains("Stopped between waves"), escape);
    // The export is zentick-cli password --csv, the user's alone, and holds no password.
    QFile csv(exported);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray written = csv.readAll();
    QVERIFY(written.startsWith("clock,ip,state,verified,stored,error\nHall,192.168.0.40,verified,yes,new,\n"));
    QCOMPARE(csv.permissions() & 0x0077, QFileDevice::Permissions());
    // In the history: that Hall's password changed, under the run's id, never to what.
    QVERIFY(f.session.journal()->flush());
    const QList<ClockEvent> events = EventJournal::read(
        EventJournal::defaultFolder(), {QStringLiteral("192.168.0.40"), start, -1, int(ClockEvent::Kind::Changed)});
    QCOMPARE(events.size(), 1);
    const QString described = ClockEventText::describe(events.constFirst());
    QVERIFY2(described.startsWith("Password changed by ") && described.contains("(run "), qPrintable(described));
    const QStringList secrets = QStringList(made.values()) << "Fresh-1";
    for (const QString &password : secrets) {
        QVERIFY(!written.contains(password.toUtf8()));
        QVERIFY(!described.contains(password));
    }
}

QTEST_MAIN(TestChangeClocks)
#include "tst_changeclocks.moc"
