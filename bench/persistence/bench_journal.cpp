// The history of a large site over a year in which every clock drops off and
// comes back once a day: how long writing it takes, how large the database
// grows, how long one clock's newest 50 events take to read (the board, the
// history window and `zentick-cli events --clock`) and a day of all clocks
// (a time range), and what writing 1000 events a second costs the writer.
//   bench_journal [CLOCKS] [DAYS] [SUSTAINED_SECONDS]   (10000, 365, 20)
#include "persistence/EventJournal.h"
#include "persistence/HistoryDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int reads = 25;
constexpr int sustainedRate = 1000; // events per second
constexpr int tickMs = 10;

ClockEvent event(int clock, ClockEvent::Kind kind, const QDateTime &time)
{
    ClockEvent e;
    e.time = time;
    e.ip = QStringLiteral("10.%1.%2.%3").arg(20 + clock / 62500).arg(clock / 250 % 250).arg(clock % 250 + 1);
    e.name = QStringLiteral("Clock %1").arg(clock);
    e.group = QStringLiteral("Floor %1").arg(clock / 100);
    e.kind = kind;
    if (kind == ClockEvent::Kind::Ntp)
        e.ntp = 0;
    return e;
}

// The process's CPU time, and of it the kernel's (writes, page faults).
double cpuSeconds(double *system = nullptr)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    if (system)
        *system = usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

qint64 sizeOf(const QString &path)
{
    return QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int clocks = args.size() > 1 ? args.at(1).toInt() : 10000;
    const int days = args.size() > 2 ? args.at(2).toInt() : 365;
    const int sustainedSeconds = args.size() > 3 ? args.at(3).toInt() : 20;
    QTemporaryDir dir;
    const QString path = HistoryDatabase::pathIn(dir.path());
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-days);
    QRandomGenerator random(42);

    // A day at a time in time order, as the monitor appends them: each clock
    // goes, comes back minutes later and, most days, reports its NTP state.
    QElapsedTimer timer;
    timer.start();
    qint64 written = 0;
    {
        EventJournal history(dir.path());
        std::vector<std::pair<qint64, std::pair<int, ClockEvent::Kind>>> day;
        for (int d = 0; d < days; ++d) {
            day.clear();
            for (int clock = 0; clock < clocks; ++clock) {
                const qint64 t = qint64(d) * 86400 + random.bounded(86000);
                day.push_back({t, {clock, ClockEvent::Kind::Unreachable}});
                day.push_back({t + 60 + random.bounded(300), {clock, ClockEvent::Kind::Reachable}});
                if (random.bounded(100) < 74)
                    day.push_back({t + 400, {clock, ClockEvent::Kind::Ntp}});
            }
            std::sort(day.begin(), day.end());
            for (const auto &entry : day)
                history.append(event(entry.second.first, entry.second.second, start.addSecs(entry.first)));
            written += qint64(day.size());
            // Keeps what waits for the writer's thread bounded.
            history.flush();
        }
    }
    const double writeSeconds = timer.nsecsElapsed() / 1e9;
    const qint64 bytes = sizeOf(path);

    std::vector<double> newestMs;
    int found = 0;
    for (int i = 0; i < reads; ++i) {
        EventJournal::Filter filter;
        filter.ip = event(int(random.bounded(clocks)), ClockEvent::Kind::Ntp, start).ip;
        filter.limit = 50;
        timer.restart();
        found = EventJournal::read(dir.path(), filter).size();
        newestMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(newestMs.begin(), newestMs.end());
    EventJournal::Filter lastDay;
    lastDay.since = QDateTime::currentDateTimeUtc().addDays(-1);
    timer.restart();
    const int dayEvents = EventJournal::read(dir.path(), lastDay).size();
    const double dayMs = timer.nsecsElapsed() / 1e6;

    std::printf("history of %d clocks over %d days: %lld events written in %.0f s (%.0f events/s)\n", clocks, days,
                qlonglong(written), writeSeconds, written / writeSeconds);
    std::printf("  database: %.0f MB (%.1f bytes per event; goal <= 1024 MB)\n", bytes / 1048576.0,
                double(bytes) / double(std::max<qint64>(1, written)));
    std::printf("  one clock's newest %d events: median %.2f ms, worst %.2f ms over %d clocks (goal <= 10 ms)\n",
                found, newestMs[newestMs.size() / 2], newestMs.back(), reads);
    std::printf("  the last day of all clocks (%d events): %.0f ms\n", dayEvents, dayMs);
    std::fflush(stdout);

    // 1000 events a second into the full database, paced as a monitor's
    // polls would bring them; the whole process's CPU time, its writer
    // thread included. The same pacing without the history first: what
    // making the events and waking for them cost alone.
    for (const bool write : {false, true}) {
        EventJournal history(dir.path());
        history.flush();
        int sent = 0;
        qint64 made = 0;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(tickMs);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            for (int i = 0; i < sustainedRate * tickMs / 1000; ++i, ++sent) {
                const ClockEvent e = event(sent % clocks, ClockEvent::Kind(sent % 2), QDateTime::currentDateTimeUtc());
                if (write)
                    history.append(e);
                made += e.ip.size();
            }
        });
        double systemBefore = 0;
        const double cpuBefore = cpuSeconds(&systemBefore);
        timer.restart();
        tick.start();
        QTimer::singleShot(sustainedSeconds * 1000, &app, &QCoreApplication::quit);
        app.exec();
        tick.stop();
        history.flush();
        const double wall = timer.nsecsElapsed() / 1e9;
        double systemAfter = 0;
        const double cpu = cpuSeconds(&systemAfter) - cpuBefore;
        std::printf(write ? "  writing %d events/s for %.0f s (%d events): %.2f %% of a core, %.2f %% of it in the "
                            "kernel (goal <= 2 %%)\n"
                          : "  making %d events/s for %.0f s (%d events) without writing them: %.2f %% of a core, "
                            "%.2f %% of it in the kernel\n",
                    sustainedRate, wall, sent, 100.0 * cpu / wall, 100.0 * (systemAfter - systemBefore) / wall);
        std::fflush(stdout);
        Q_UNUSED(made);
    }
    return 0;
}
