// Prints how long a device search takes against zentick-clocksim, run in the
// "pc" namespace by bench/operations/discovery.sh: the broadcast phase (one
// window per interface), the "/D" phase (one exchange per clock found) and
// the exchanges within it, and whether every clock was found.
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "operations/DeviceFinder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

const int DefaultRuns = 5;
const int TimeoutMs = 600000;
// One interface: the broadcast phase ends at a third of the progress.
const double BroadcastShare = 1.0 / 3;

struct Run
{
    double broadcastMs = -1;
    double totalMs = -1;
    int found = 0;
    QVector<double> exchangeMs; // between two clocks of the "/D" phase
};

// The benchmark's own exchanges, as a program's main() holds them.
Communication &exchanges()
{
    static Communication communication;
    return communication;
}

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

Run searchOnce()
{
    Run run;
    QEventLoop loop;
    QElapsedTimer clock;
    double last = 0;
    DeviceFinder *finder = exchanges().findDevices(QStringLiteral("admin"), QStringLiteral("admin"), *ClockRegistry::instance());
    QObject::connect(finder, &DataSender::updateProgress, &loop, [&](double progress) {
        const double now = clock.nsecsElapsed() / 1e6;
        if (run.broadcastMs < 0 && progress >= BroadcastShare - 1e-9)
            run.broadcastMs = now;
        else if (run.broadcastMs >= 0)
            run.exchangeMs << now - last;
        last = now;
    });
    QObject::connect(finder, &DataSender::finished, &loop, [&] {
        run.totalMs = clock.nsecsElapsed() / 1e6;
        const QVector<DevClock *> clocks = finder->clocks();
        run.found = clocks.size();
        qDeleteAll(clocks);
        loop.quit();
    });
    QObject::connect(finder, &DataSender::error, &loop, &QEventLoop::quit);
    QObject::connect(finder, &DataSender::canceled, &loop, &QEventLoop::quit);
    QTimer::singleShot(TimeoutMs, &loop, &QEventLoop::quit);
    clock.start();
    loop.exec();
    return run;
}

QString figures(QVector<double> samples)
{
    if (samples.isEmpty())
        return QStringLiteral("-");
    std::sort(samples.begin(), samples.end());
    return QStringLiteral("median %1 ms, min %2, max %3")
        .arg(samples.at(samples.size() / 2), 0, 'f', 1)
        .arg(samples.first(), 0, 'f', 1)
        .arg(samples.last(), 0, 'f', 1);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int expected = app.arguments().value(1).toInt();
    const int goalMs = app.arguments().value(2).toInt();
    const int runs = app.arguments().size() > 3 ? app.arguments().at(3).toInt() : DefaultRuns;
    if (expected <= 0 || goalMs <= 0 || runs <= 0) {
        out() << "usage: bench_discovery CLOCKS GOAL_MS [RUNS]\n";
        return 2;
    }

    QVector<double> totals;
    QVector<double> broadcasts;
    QVector<double> lookups;
    QVector<double> exchanges;
    int complete = 0;
    for (int i = 0; i < runs; ++i) {
        const Run run = searchOnce();
        if (run.totalMs < 0) {
            out() << "run " << i + 1 << ": the search failed\n";
            continue;
        }
        totals << run.totalMs;
        broadcasts << run.broadcastMs;
        lookups << run.totalMs - run.broadcastMs;
        exchanges += run.exchangeMs;
        complete += run.found == expected ? 1 : 0;
        if (run.found != expected)
            out() << "run " << i + 1 << ": found " << run.found << " of " << expected << " clocks\n";
    }
    out() << "discovery of " << expected << " clocks on one interface, " << runs << " runs (goal <= " << goalMs
          << " ms, every clock found)\n"
          << "  whole search:        " << figures(totals) << "\n"
          << "  broadcast phase:     " << figures(broadcasts) << "\n"
          << "  \"/D\" phase:          " << figures(lookups) << "\n"
          << "  one \"/D\" exchange:   " << figures(exchanges) << "\n"
          << "  every clock found in " << complete << " of " << runs << " runs\n";
    out().flush();
    return 0;
}
