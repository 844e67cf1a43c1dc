// The journal of a 1000-clock site over a simulated month in which clocks
// keep dropping off and coming back: how large it grows on disk (it rotates
// to stay within its bound), how long one clock's history takes to read (what
// `zentick-cli events --clock` and the history window do), and how long an
// append keeps the caller (the GUI thread in the window).
#include "persistence/EventJournal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int clockCount = 1000;
constexpr int days = 30;
// Each clock drops off about every six hours and is back an hour later.
constexpr int meanSecondsBetweenFlaps = 6 * 3600;
constexpr int outageSeconds = 3600;
constexpr int reads = 7;

ClockEvent event(int clock, ClockEvent::Kind kind, const QDateTime &time)
{
    ClockEvent e;
    e.time = time;
    e.ip = QStringLiteral("10.20.%1.%2").arg(clock / 250).arg(clock % 250 + 1);
    e.name = QStringLiteral("Clock %1").arg(clock);
    e.group = QStringLiteral("Floor %1").arg(clock / 100);
    e.kind = kind;
    if (kind == ClockEvent::Kind::Ntp)
        e.ntp = 0;
    if (kind == ClockEvent::Kind::AlertDue || kind == ClockEvent::Kind::Mailed)
        e.alert = 3;
    if (kind == ClockEvent::Kind::Mailed)
        e.clocks = 12;
    return e;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("journal"));
    const QDateTime start(QDate(2026, 11, 1), QTime(0, 0), Qt::UTC);
    QRandomGenerator random(42);

    // Every event of the month, in time order, as a site would produce them.
    std::vector<std::pair<qint64, std::pair<int, ClockEvent::Kind>>> timeline;
    const ClockEvent::Kind outage[] = {ClockEvent::Kind::Unreachable, ClockEvent::Kind::AlertDue,
                                       ClockEvent::Kind::Mailed};
    const ClockEvent::Kind back[] = {ClockEvent::Kind::Reachable, ClockEvent::Kind::Ntp,
                                     ClockEvent::Kind::Recovered, ClockEvent::Kind::RecoveryMailed};
    for (int clock = 0; clock < clockCount; ++clock) {
        qint64 t = random.bounded(meanSecondsBetweenFlaps);
        while (t < qint64(days) * 86400) {
            for (int i = 0; i < 3; ++i)
                timeline.push_back({t + i * 60, {clock, outage[i]}});
            for (int i = 0; i < 4; ++i)
                timeline.push_back({t + outageSeconds + i, {clock, back[i]}});
            t += outageSeconds + random.bounded(2 * meanSecondsBetweenFlaps);
        }
    }
    std::sort(timeline.begin(), timeline.end());

    QElapsedTimer timer;
    double longestAppendMs = 0;
    {
        EventJournal journal(folder);
        timer.start();
        for (const auto &entry : timeline) {
            QElapsedTimer one;
            one.start();
            journal.append(event(entry.second.first, entry.second.second, start.addSecs(entry.first)));
            longestAppendMs = std::max(longestAppendMs, one.nsecsElapsed() / 1e6);
        }
        journal.flush();
    }
    const double writeMs = timer.nsecsElapsed() / 1e6;
    qint64 bytes = 0;
    const QStringList files = EventJournal::files(folder);
    for (const QString &name : files)
        bytes += QFileInfo(folder + QLatin1Char('/') + name).size();

    std::vector<double> readMs;
    int found = 0;
    EventJournal::Filter filter;
    filter.ip = QStringLiteral("10.20.1.17");
    for (int i = 0; i < reads; ++i) {
        timer.restart();
        found = EventJournal::read(folder, filter).size();
        readMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(readMs.begin(), readMs.end());

    std::printf("journal of %d clocks over %d days: %zu events written in %.0f ms, longest append %.3f ms\n",
                clockCount, days, timeline.size(), writeMs, longestAppendMs);
    std::printf("  on disk: %.1f MB in %lld files (bound %.0f MB; the oldest were removed)\n", bytes / 1048576.0,
                qlonglong(files.size()), EventJournal::DefaultMaxBytes / 1048576.0);
    std::printf("  one clock's history (%d events kept): median %.1f ms, worst %.1f ms over %d reads (goal <= 200 ms)\n",
                found, readMs[readMs.size() / 2], readMs.back(), reads);
    return 0;
}
