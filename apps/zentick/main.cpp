#include "AppSettings.h"
#include "DialogHost.h"
#include "Language.h"
#include "MonitoringSession.h"
#include "WindowMain.h"
#include "WorkerThreadPool.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication application(argc, argv);
    // A dialog closed while the window hides in the tray must not end the
    // program; only an accepted close of the window does.
    QApplication::setQuitOnLastWindowClosed(false);

    LanguageManager::setupAtStartup();
    WorkerThreadPool::instance()->setBound(AppSettings::parallelExchanges(ExchangeSchedule::DefaultBound));

    MonitoringSession session;
    if (!WindowMain::openDeviceList(session, DialogHost::current()))
        return 0;

    WindowMain window(session);
    QObject::connect(&window, &WindowMain::SigClosed, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    return application.exec();
}
