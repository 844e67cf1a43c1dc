#include "DialogAuthentication.h"
#include "DialogHost.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

// The small dialogs that put clocks on the device list, driven as a user
// would: by their buttons and the keyboard.
class TestDeviceDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void authentication_data();
    void authentication();
};

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

QTEST_MAIN(TestDeviceDialogs)
#include "tst_devicedialogs.moc"
