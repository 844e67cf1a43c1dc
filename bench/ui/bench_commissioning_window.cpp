// Prints how the window copes with a plan of many clocks added through the
// add-clock dialog, as a user does it: the device list page (with the
// monitoring session running, so the poller takes up the clocks as they
// come), the dialog filled by plan with the names to be given, the run behind
// the progress dialog, and the result table shown at its end. Figures: the
// turn that opens the dialog, the whole run from "Add", the longest the event
// loop went without a turn during it, and the same while the result table
// opens. Run by bench/operations/commissioning.sh in the "pc" namespace
// against zentick-clocksim (needs root):
//   bench_commissioning_window PLAN.csv
#include "model/ClockRegistry.h"
#include "operations/CommissioningModel.h"
#include "ui/dialogs/DialogCommissioningResults.h"
#include "notify/NotificationSettings.h"
#include "operations/Communication.h"
#include "session/MonitoringSession.h"
#include "ui/pages/PageDeviceList.h"
#include "ui/dialogs/ScriptedDialogHost.h"
#include "tests/ui/StandaloneServices.h"
#include "ui/widgets/ThemeWidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int WindowWidth = 1280;
constexpr int WindowHeight = 800;
// The event loop is asked for a turn this often; a turn that comes later
// than that by more was a stall.
constexpr int TickMs = 5;
constexpr double StallGoalMs = 50;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

class StallProbe
{
public:
    StallProbe()
    {
        m_timer.setInterval(TickMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    // The turn under way when it stops counts too: the work that ends a
    // run (the result table measured) gets no tick after it.
    double stop()
    {
        tick();
        m_timer.stop();
        return m_longest;
    }

private:
    void tick()
    {
        const double now = m_clock.nsecsElapsed() / 1e6;
        m_longest = qMax(m_longest, now - m_last - TickMs);
        m_last = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_last = 0;
    double m_longest = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    // A device list and settings of its own, which the session locks and may save.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QApplication app(argc, argv);
    const QString plan = app.arguments().value(1);
    if (plan.isEmpty()) {
        out() << "usage: bench_commissioning_window PLAN.csv\n";
        return 2;
    }

    ScriptedDialogHost dialogs;
    Communication exchanges;
    NotificationSettings alerts;
    MonitoringSession session{*ClockRegistry::instance(), exchanges, alerts};
    if (!session.acquireLock()) {
        out() << "the device list is locked: " << session.readOnlyReason() << "\n";
        return 1;
    }
    session.start();
    StandaloneServices alone(session, dialogs);
    QWidget window;
    auto *page = new PageDeviceList(alone.services(), &window);
    (new QVBoxLayout(&window))->addWidget(page);
    window.resize(WindowWidth, WindowHeight);
    ThemeWidgets::applyTheme(&window);
    window.show();
    app.processEvents();

    StallProbe probe;
    QElapsedTimer opening;
    QElapsedTimer run;
    double openMs = 0;
    double runMs = 0;
    double runStall = 0;
    double tableStall = 0;
    QStringList counts;
    dialogs.answerDialog([&](QDialog &dialog) {
        // Built in the turn of the click on "Add clock", as for one address.
        openMs = opening.nsecsElapsed() / 1e6;
        dialog.findChild<QRadioButton *>(QStringLiteral("rbtPlan"))->click();
        dialog.findChild<QPushButton *>(QStringLiteral("btnChoosePlan"))->click();
        dialog.findChild<QCheckBox *>(QStringLiteral("cbxPlanNames"))->setChecked(true);
        dialog.findChild<QLineEdit *>(QStringLiteral("ledUser"))->setText(QStringLiteral("admin"));
        dialog.findChild<QLineEdit *>(QStringLiteral("ledPassword"))->setText(QStringLiteral("admin"));
        // The run starts with "Add": the plan read, its addresses asked, the
        // clocks listed, the result table measured.
        probe.start();
        run.start();
        dialog.findChild<QPushButton *>(QStringLiteral("btnAccept"))->click();
        return dialog.result();
    });
    dialogs.answerFile(plan);
    dialogs.answerDialog([&](QDialog &dialog) {
        runMs = run.nsecsElapsed() / 1e6;
        runStall = probe.stop();
        // The table as the user sees it: shown and painted once.
        probe.start();
        dialog.show();
        app.processEvents();
        tableStall = probe.stop();
        counts << CommissioningModel::summary(static_cast<DialogCommissioningResults &>(dialog).model().addresses());
        return int(QDialog::Accepted);
    });
    QTimer::singleShot(0, [&] {
        opening.start();
        page->findChild<QPushButton *>(QStringLiteral("btnDeviceAdd"))->click();
    });
    while (counts.isEmpty())
        app.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    session.stop();

    out() << "plan " << plan << " through the add-clock dialog\n"
          << "  " << counts.constFirst() << "\n"
          << "  rows on the device list:            " << page->table()->model()->rowCount() << "\n"
          << "  opening the add-clock dialog:        " << QString::number(openMs, 'f', 1) << " ms\n"
          << "  whole run:                           " << QString::number(runMs, 'f', 0) << " ms\n"
          << "  longest event-loop stall in the run: " << QString::number(runStall, 'f', 1) << " ms (goal <= "
          << StallGoalMs << ")\n"
          << "  longest stall opening the results:   " << QString::number(tableStall, 'f', 1) << " ms\n";
    return 0;
}
