// zentick: the window. Start-up in the order the program has always kept:
// the stored language, the exchanges and their bound, the device list and the
// session, then the services every page is given, then the window.
#include "core/AppSettings.h"
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "core/Language.h"
#include "notify/NotificationSettings.h"
#include "ui/dialogs/ModalDialogHost.h"
#include "session/MonitoringSession.h"
#include "ui/services/PageServices.h"
#include "ui/window/Startup.h"
#include "ui/window/WindowMain.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// Answered before the window's application object exists: asking for help or
// the version must neither need a display nor open the device list.
bool answeredFromCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::printf("Usage: zentick [--help] [--version]\n\n"
                        "Opens the window on your device list (settings.xml in the data folder).\n"
                        "zentick-cli does the same work from a shell; zentick-cli --help lists its commands.\n");
            return true;
        }
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v")) {
            std::printf("zentick %s\n", ZENTICK_VERSION);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (answeredFromCommandLine(argc, argv))
        return 0;
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication application(argc, argv);
    // A dialog closed while the window hides in the tray must not end the
    // program; only an accepted close of the window does.
    QApplication::setQuitOnLastWindowClosed(false);

    LanguageManager::setupAtStartup();
    // The one exchanges object, device list and alert settings of the
    // window; everything below is handed them.
    Communication exchanges;
    exchanges.workers().configure(AppSettings::parallelExchanges(ExchangeSchedule::DefaultBound),
                                  AppSettings::pollCeiling(ExchangeSchedule::DefaultPollCeiling));
    qInfo("%s", qPrintable(exchanges.workers().capacityText()));

    ClockRegistry registry;
    NotificationSettings alerts;
    ModalDialogHost dialogs;
    MonitoringSession session(registry, exchanges, alerts);
    Startup startup(session, dialogs);
    if (!startup.openDeviceList())
        return 0;
    startup.startSession();

    // Declared before the window, so they outlive every page that holds them.
    PageServices services(registry, exchanges, session, dialogs);
    WindowMain window(services);
    QObject::connect(&window, &WindowMain::SigClosed, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    startup.reportLoad(&window);
    // The findings shown beside each clock's live status: audited now and
    // daily, by the program that writes the list.
    if (session.isWritable())
        session.audits().start();
    return application.exec();
}
