// What the one decision "is this clock quiet now, and until when" costs when
// every clock's group keeps weekly quiet hours: 10 000 clocks in 100 groups,
// asked at moments inside and outside the windows, as a metrics scrape or a
// complete board list asks for every clock. Prints microseconds per clock;
// clocks without quiet hours, as before, for comparison.
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int clockCount = 10000;
constexpr int groupCount = 100;

double microsecondsPerClock(const ClockRegistry &registry, const QDateTime &at, int *quiet)
{
    QElapsedTimer timer;
    timer.start();
    *quiet = 0;
    for (const DevClock *clock : registry.clocks())
        *quiet += registry.quietPeriodOf(*clock, at).on ? 1 : 0;
    return double(timer.nsecsElapsed()) / 1000.0 / clockCount;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ClockRegistry registry;
    for (int g = 0; g < groupCount; ++g)
        registry.createGroup(QStringLiteral("Wing %1").arg(g));
    for (int i = 0; i < clockCount; ++i) {
        auto *clock = new DevClock;
        clock->network.ip = QStringLiteral("10.%1.%2.%3").arg(i / 65536).arg((i / 256) % 256).arg(i % 256);
        registry.addClock(clock);
        registry.setClockGroup(i, i % groupCount);
    }
    // A Tuesday: 14:00 Berlin is outside the windows, 03:00 inside, and a
    // Saturday inside a weekend that runs on into Monday morning.
    const QList<QPair<const char *, QDateTime>> moments = {
        {"outside a window", QDateTime(QDate(2026, 12, 8), QTime(13, 0), Qt::UTC)},
        {"inside a night", QDateTime(QDate(2026, 12, 8), QTime(2, 0), Qt::UTC)},
        {"inside a weekend", QDateTime(QDate(2026, 12, 12), QTime(12, 0), Qt::UTC)},
    };
    int quiet = 0;
    std::printf("no quiet hours: %.2f us per clock\n", microsecondsPerClock(registry, moments.at(0).second, &quiet));
    const QuietHours hours = QuietHours::parse(QStringLiteral("Mon-Fri 22:00-06:00, Sat-Sun"),
                                               QStringLiteral("Europe/Berlin"));
    for (DevGroup *group : registry.groups())
        group->quietHours = hours;
    for (const auto &moment : moments) {
        const double us = microsecondsPerClock(registry, moment.second, &quiet);
        std::printf("group hours, %s: %.2f us per clock (%d quiet)\n", moment.first, us, quiet);
    }
    return 0;
}
