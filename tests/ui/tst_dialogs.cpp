#include "DialogAbout.h"
#include "DialogCombobox.h"
#include "DialogEditName.h"
#include "DialogProgress.h"
#include "DialogQuestion.h"
#include "MonitoringSession.h"
#include "ScriptedDialogHost.h"
#include "ModalHelpers.h"
#include "ProgressRamp.h"
#include "TaskbarProgress.h"
#include "TestRows.h"
#include "WindowMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <limits>

namespace {

const QString rows = QStringLiteral("ui/widgets.rows");

void clickInModal(const QString &buttonName, QStringList *visibleButtons = nullptr)
{
    ModalHelpers::whenModal([buttonName, visibleButtons](QWidget *dialog) {
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

int progressBarValue(DialogProgress &dialog)
{
    return dialog.findChild<QProgressBar *>("pbrSearching")->value();
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void askAnswers_data() { TestRows::add(rows); }
    void askAnswers();
    void progressRamp_data();
    void progressRamp();
    void progressDialogDrawsRamp();
    void progressCancel_data() { TestRows::add(rows); }
    void progressCancel();
    void progressFinish_data() { TestRows::add(rows); }
    void progressFinish();
    void editName_data() { TestRows::add(rows); }
    void editName();
    void combobox_data() { TestRows::add(rows); }
    void combobox();
    void versionText_data() { TestRows::add(rows); }
    void versionText();
    void aboutShowsBuildVersion();
};

void TestDialogs::cleanup()
{
    DialogHost::install(nullptr);
}

void TestDialogs::askAnswers()
{
    QFETCH(QString, negative);
    QFETCH(QString, neutral);
    QFETCH(QString, click);
    QFETCH(QStringList, visible);
    QFETCH(int, answer);

    QStringList shown;
    clickInModal(click, &shown);
    const int result = DialogQuestion::Ask(nullptr, "QLX Zentick", "Delete the group?", QuestionIcon::Question,
                                           "OK", negative, neutral);
    QCOMPARE(result, answer);
    QCOMPARE(shown, visible);
}

void TestDialogs::progressRamp_data()
{
    TestRows::add(rows);
    QTest::newRow("not a number is ignored") << std::numeric_limits<double>::quiet_NaN() << 10 << 0;
}

void TestDialogs::progressRamp()
{
    QFETCH(double, report);
    QFETCH(int, ticks);
    QFETCH(int, drawn);

    ProgressRamp ramp;
    ramp.setTarget(report);
    for (int i = 0; i < ticks; ++i)
        ramp.tick();
    QVERIFY(qAbs(ramp.scaled(DialogProgress::progressMaximum) - drawn) <= 1);
    QVERIFY(ramp.shown() <= qMax(ramp.target(), 0.0));
}

void TestDialogs::progressDialogDrawsRamp()
{
    DialogProgress dialog(nullptr, "QLX Zentick", "Downloading configuration");
    dialog.setValue(0.5);
    for (int i = 0; i < 62; ++i)
        dialog.onTimerTimeout();
    QVERIFY(progressBarValue(dialog) < 5000);
    QVERIFY(progressBarValue(dialog) > 4900);
    dialog.onTimerTimeout();
    QCOMPARE(progressBarValue(dialog), 5000);

    // A later report that goes back does not move the bar back.
    dialog.setValue(0.2);
    dialog.onTimerTimeout();
    QCOMPARE(progressBarValue(dialog), 5000);

    dialog.setValue(1.0);
    QCOMPARE(progressBarValue(dialog), 10000);
}

void TestDialogs::progressCancel()
{
    QFETCH(QString, button);
    MonitoringSession session;
    WindowMain window(session);
    DialogProgress dialog(&window, "QLX Zentick", "Searching");
    QSignalSpy canceled(&dialog, &DialogProgress::Canceled);
    clickInModal(button);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(canceled.count(), 1);
    QVERIFY(!dialog.taskbarProgress()->isVisible());
}

void TestDialogs::progressFinish()
{
    QFETCH(bool, beforeRun);
    DialogProgress dialog(nullptr, "QLX Zentick", "Uploading");
    if (beforeRun)
        dialog.finish();
    else
        ModalHelpers::whenModal([&dialog](QWidget *) { dialog.finish(); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(progressBarValue(dialog), DialogProgress::progressMaximum);
}

void TestDialogs::editName()
{
    QFETCH(QString, button);
    QFETCH(int, result);

    DialogEditName dialog;
    dialog.set("Edit group name", "Group name:", "Hall", "Rename");
    QCOMPARE(dialog.findChild<QLabel *>("lblTitle")->text(), QStringLiteral("Edit group name"));
    QCOMPARE(dialog.findChild<QPushButton *>("btnAccept")->text(), QStringLiteral("Rename"));
    ModalHelpers::whenModal([button](QWidget *modal) {
        auto *edit = modal->findChild<QLineEdit *>("lineEdit");
        edit->selectAll();
        QTest::keyClicks(edit, "Hall B");
        QTest::mouseClick(modal->findChild<QAbstractButton *>(button), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(dialog.text(), QStringLiteral("Hall B"));
}

void TestDialogs::combobox()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(int, selected);

    DialogCombobox dialog;
    dialog.setButtons("Replace", "Keep");
    dialog.setTexts("Frame 3 is in use.", "Choose the frame to show instead.", "Frame:", {"A", "B", "C"});
    ModalHelpers::whenModal([button](QWidget *modal) {
        modal->findChild<QComboBox *>("cbxSpecialFrames")->setCurrentIndex(2);
        QTest::mouseClick(modal->findChild<QAbstractButton *>(button), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(dialog.selectedIndex(), selected);
}

void TestDialogs::versionText()
{
    QFETCH(QString, version);
    QFETCH(QString, text);
    QCOMPARE(DialogAbout::formatVersion(version), text);
}

void TestDialogs::aboutShowsBuildVersion()
{
    QCOMPARE(DialogAbout::applicationVersion(), QStringLiteral("1.0.5.0"));
    DialogAbout about;
    QVERIFY(about.findChild<QLabel *>("lbAppVersion")->text().contains(QStringLiteral("1.05")));
    QCOMPARE(about.findChild<QLabel *>("lbAppNAme")->text(), QStringLiteral("QLX Zentick"));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
