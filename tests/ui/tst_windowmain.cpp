#include "ClockRegistry.h"
#include "MonitoringSession.h"
#include "ScriptedDialogHost.h"
#include "ToolButtonMenu.h"
#include "WindowMain.h"

#include <QStackedWidget>
#include <QtTest>

#include <memory>

// The shell on the offscreen platform, with a scripted dialog host so that
// no test ever waits on a modal dialog.
class TestWindowMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void navigation_data();
    void navigation();

private:
    std::unique_ptr<WindowMain> makeWindow();

    ScriptedDialogHost m_dialogs;
    std::unique_ptr<MonitoringSession> m_session;
};

void TestWindowMain::init()
{
    ClockRegistry::resetForTest();
    DialogHost::install(&m_dialogs);
    m_session = std::make_unique<MonitoringSession>();
    QVERIFY(m_session->acquireLock());
}

void TestWindowMain::cleanup()
{
    DialogHost::install(nullptr);
    m_session.reset();
    m_dialogs.reset();
    ClockRegistry::resetForTest();
}

std::unique_ptr<WindowMain> TestWindowMain::makeWindow()
{
    return std::make_unique<WindowMain>(*m_session, m_dialogs);
}

void TestWindowMain::navigation_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("page");

    QTest::newRow("start page") << QStringList() << "pageDeviceList";
    QTest::newRow("groups") << QStringList{"btnGroupList"} << "pageGroupList";
    QTest::newRow("conflicts") << QStringList{"btnConflictResolver"} << "pageConflict";
    QTest::newRow("notifications") << QStringList{"btnNotifications"} << "pageNotifications";
    QTest::newRow("report, then back to the list") << QStringList{"btnReport", "btnDeviceList"} << "pageDeviceList";
    QTest::newRow("the same button twice") << QStringList{"btnReport", "btnReport"} << "pageReport";
}

void TestWindowMain::navigation()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, page);

    auto window = makeWindow();
    window->show();
    for (const QString &name : clicks)
        QTest::mouseClick(window->findChild<ToolButtonMenu *>(name), Qt::LeftButton);

    const auto *pages = window->findChild<QStackedWidget *>("swdDevices");
    QCOMPARE(pages->currentWidget()->objectName(), page);
    int selected = 0;
    for (const ToolButtonMenu *button : window->findChildren<ToolButtonMenu *>())
        selected += button->isSelected() ? 1 : 0;
    QCOMPARE(selected, 1);
    QVERIFY(m_dialogs.requests().isEmpty());
}

QTEST_MAIN(TestWindowMain)
#include "tst_windowmain.moc"
