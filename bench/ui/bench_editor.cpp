// Prints how long opening the configuration editor on a clock keeps its
// buttons disabled (the alarm table loads step by step) and the longest the
// event loop was held up meanwhile, for the first opening (the table's cells
// are made) and for later ones (they are reused). Offscreen; the goals are
// 300 ms until the buttons are enabled and 50 ms for the longest stall.
#include "model/ClockConfig.h"
#include "model/ClockRegistry.h"
#include "notify/NotificationSettings.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "session/MonitoringSession.h"
#include "ui/editor/PageConfiguration.h"
#include "ui/services/PageServices.h"
#include "ui/dialogs/ScriptedDialogHost.h"
#include "ui/window/Startup.h"
#include "ui/window/WindowMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

const int FirstRounds = 5;
const int Rounds = 20;
// Lets a new window finish its deferred start-up before the editor opens.
const int SettleMs = 300;
// The stall probe's tick; a gap between ticks beyond it is time the loop was busy.
const int ProbeMs = 1;

struct Figures
{
    double enabledMs = 0;
    double longestStallMs = 0;
};

// Opens the editor from the event loop and runs it until every button is enabled again.
Figures openOnce(WindowMain &window)
{
    auto *editor = window.findChild<PageConfiguration *>();
    auto *back = editor->findChild<QAbstractButton *>(QStringLiteral("btnConfigBack"));
    auto *send = editor->findChild<QAbstractButton *>(QStringLiteral("btnSendConfiguration"));
    Figures figures;
    QElapsedTimer clock;
    qint64 lastTick = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(ProbeMs);
    QEventLoop loop;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        figures.longestStallMs = std::max(figures.longestStallMs, (now - lastTick) / 1e6);
        lastTick = now;
        if (!editor->isLoadingAlarms() && back->isEnabled() && send->isEnabled()) {
            figures.enabledMs = now / 1e6;
            loop.quit();
        }
    });
    QTimer::singleShot(0, [&] {
        clock.start();
        window.openEditor(EditTarget::clock(0));
        probe.start();
    });
    loop.exec();
    back->click();
    return figures;
}

void print(QTextStream &out, const char *what, QVector<Figures> figures)
{
    const auto median = [&figures](double Figures::*field) {
        std::sort(figures.begin(), figures.end(),
                  [field](const Figures &a, const Figures &b) { return a.*field < b.*field; });
        return figures.at(figures.size() / 2).*field;
    };
    const auto worst = [&figures](double Figures::*field) {
        double value = 0;
        for (const Figures &f : figures)
            value = std::max(value, f.*field);
        return value;
    };
    out << qSetFieldWidth(14) << Qt::left << what << qSetFieldWidth(0) << "buttons enabled after " << Qt::fixed
        << qSetRealNumberPrecision(1) << median(&Figures::enabledMs) << " ms (median), "
        << worst(&Figures::enabledMs) << " ms (worst); longest stall " << median(&Figures::longestStallMs)
        << " ms (median), " << worst(&Figures::longestStallMs) << " ms (worst)\n";
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QApplication application(argc, argv);

    auto *clock = new DevClock;
    ClockConfig config;
    for (Alarm &alarm : config.alarms) {
        alarm.Active = true;
        alarm.Time = QTime(7, 30);
        alarm.Duration = 10;
    }
    clock->setConfig(config);
    ClockRegistry::instance()->addClock(clock);

    QTextStream out(stdout);
    out << "Opening the editor on a clock: the first opening in " << FirstRounds << " new windows, then " << Rounds
        << " more in the last one\n";
    ScriptedDialogHost dialogs;
    Communication exchanges;
    NotificationSettings alerts;
    MonitoringSession session{*ClockRegistry::instance(), exchanges, alerts};
    session.acquireLock();
    Startup(session, dialogs).startSession();
    PageServices services(*ClockRegistry::instance(), exchanges, session, dialogs);
    QVector<Figures> first;
    QVector<Figures> later;
    for (int w = 0; w < FirstRounds; ++w) {
        WindowMain window(services);
        window.resize(1000, 680);
        window.show();
        QEventLoop settle;
        QTimer::singleShot(SettleMs, &settle, &QEventLoop::quit);
        settle.exec();
        first << openOnce(window);
        for (int i = 0; w == FirstRounds - 1 && i < Rounds; ++i)
            later << openOnce(window);
    }
    print(out, "first", first);
    print(out, "later", later);
    return 0;
}
