// Prints how long commissioning takes against zentick-clocksim, run in the
// "pc" namespace by bench/operations/commissioning.sh: a range or a plan
// probed in process as the window would run it, the outcomes, and the
// longest the event loop (the window's GUI thread) went without a turn
// while the clocks went onto the list.
#include "model/AddressPlan.h"
#include "model/AddressRange.h"
#include "model/ClockIntake.h"
#include "model/ClockRegistry.h"
#include "operations/CommissioningSender.h"
#include "operations/Communication.h"
#include "persistence/PlanFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMap>
#include <QTextStream>
#include <QTimer>

namespace {

const int TimeoutMs = 600000;
// The event loop is asked for a turn this often; a turn that comes late by
// more than this was a stall.
const int TickMs = 5;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QVector<CommissioningTarget> targets(const QString &kind, const QString &what)
{
    if (kind == QLatin1String("range")) {
        AddressRange range;
        QString why;
        if (!AddressRange::parse(what, range, &why))
            out() << why << "\n";
        return CommissioningTarget::fromRange(range, QStringLiteral("admin"), QStringLiteral("admin"));
    }
    const AddressPlan::Parsed plan = PlanFile::load(what);
    if (!plan.ok())
        out() << what << ": " << plan.error << "\n";
    return CommissioningTarget::fromPlan(plan.rows, QStringLiteral("admin"), QStringLiteral("admin"));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString kind = app.arguments().value(1);
    const QString what = app.arguments().value(2);
    const int goalMs = app.arguments().value(3).toInt();
    if ((kind != QLatin1String("range") && kind != QLatin1String("plan")) || what.isEmpty() || goalMs <= 0) {
        out() << "usage: bench_commissioning range RANGE GOAL_MS | plan FILE GOAL_MS\n";
        return 2;
    }
    const QVector<CommissioningTarget> list = targets(kind, what);
    if (list.isEmpty())
        return 1;

    QEventLoop loop;
    QElapsedTimer clock;
    double firstReportMs = -1;
    double lastTickMs = 0;
    double longestStallMs = 0;
    QTimer ticks;
    ticks.setInterval(TickMs);
    QObject::connect(&ticks, &QTimer::timeout, &loop, [&] {
        const double now = clock.nsecsElapsed() / 1e6;
        longestStallMs = std::max(longestStallMs, now - lastTickMs - TickMs);
        lastTickMs = now;
    });
    ClockIntake intake(*ClockRegistry::instance());
    Communication exchanges;
    CommissioningSender *sender = exchanges.commission(list, kind == QLatin1String("plan"), intake);
    QMap<QString, int> outcomes;
    double totalMs = -1;
    QObject::connect(sender, &CommissioningSender::addressReported, &loop, [&] {
        if (firstReportMs < 0)
            firstReportMs = clock.nsecsElapsed() / 1e6;
        ++outcomes[sender->finding().takeInto(intake).outcomeKey()];
    });
    QObject::connect(sender, &DataSender::finished, &loop, [&] {
        totalMs = clock.nsecsElapsed() / 1e6;
        loop.quit();
    });
    QObject::connect(sender, &DataSender::error, &loop, &QEventLoop::quit);
    QObject::connect(sender, &DataSender::canceled, &loop, &QEventLoop::quit);
    QTimer::singleShot(TimeoutMs, &loop, &QEventLoop::quit);
    clock.start();
    ticks.start();
    loop.exec();

    QStringList counts;
    for (auto it = outcomes.cbegin(); it != outcomes.cend(); ++it)
        counts << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
    out() << "commissioning of " << kind << " " << what << ", " << list.size() << " addresses (goal <= " << goalMs
          << " ms)\n"
          << "  whole run:          " << (totalMs < 0 ? QStringLiteral("did not finish") : QString::number(totalMs, 'f', 0) + QStringLiteral(" ms")) << "\n"
          << "  first address in:   " << QString::number(firstReportMs, 'f', 0) << " ms\n"
          << "  outcomes:           " << counts.join(QStringLiteral(", ")) << "\n"
          << "  listed afterwards:  " << ClockRegistry::instance()->clockCount() << " clocks\n"
          << "  longest event-loop stall: " << QString::number(longestStallMs, 'f', 1) << " ms\n";
    out().flush();
    return totalMs < 0 ? 1 : 0;
}
