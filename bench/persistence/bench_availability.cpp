// A month's availability report of a large site from a year of history in
// which every clock drops off and comes back once a day (bench_journal's
// history, written straight into the database in one transaction a day):
// the report's wall time and peak resident size, measured in a process of
// its own so that writing the history does not count, and one clock's
// newest 50 events.
//   bench_availability [CLOCKS] [DAYS]   (10000, 365)
//   bench_availability --seed FOLDER [CLOCKS] [DAYS]
// writes that history into FOLDER (a data folder) and keeps it, with the
// addresses bench/operations/fleet.py gives its clocks (192.168.0.10 on), so
// a monitor over that fleet starts with a year behind it.
#include "persistence/EventJournal.h"
#include "persistence/HistoryDatabase.h"
#include "session/AvailabilityHistory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int reads = 25;
bool fleetAddresses = false;

QString ipOf(int clock)
{
    if (fleetAddresses) {
        const quint32 first = (192u << 24) | (168u << 16) | 10u;
        return QHostAddress(first + quint32(clock)).toString();
    }
    return QStringLiteral("10.%1.%2.%3").arg(20 + clock / 62500).arg(clock / 250 % 250).arg(clock % 250 + 1);
}

ClockEvent event(int clock, ClockEvent::Kind kind, const QDateTime &time)
{
    ClockEvent e;
    e.time = time;
    if (clock >= 0) {
        e.ip = ipOf(clock);
        e.name = QStringLiteral("Clock %1").arg(clock);
        e.group = QStringLiteral("Floor %1").arg(clock / 100);
    }
    e.kind = kind;
    if (kind == ClockEvent::Kind::Ntp)
        e.ntp = 0;
    return e;
}

// VmHWM, not getrusage's maxrss: that keeps the peak of the parent forked
// before exec.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

int report(const QString &folder, int clocks)
{
    QList<AvailabilityReport::Clock> list;
    for (int clock = 0; clock < clocks; ++clock) {
        AvailabilityReport::Clock entry{ipOf(clock), QStringLiteral("Clock %1").arg(clock),
                                        QStringLiteral("Floor %1").arg(clock / 100), {}};
        // A tenth switched off at night.
        if (clock % 10 == 0)
            entry.quietHours.append(QuietHours::fromText(QStringLiteral("Mon-Sun 22:00-06:00 (UTC)")));
        list.append(entry);
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const double before = peakMegabytes();
    QElapsedTimer timer;
    timer.start();
    QString problem;
    const AvailabilityReport::Result result
        = AvailabilityHistory::compute(folder, now.addDays(-30), now, list, now, &problem);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (!problem.isEmpty()) {
        std::printf("the history cannot be read: %s\n", qPrintable(problem));
        return 1;
    }
    std::printf("a month's availability of %d clocks: %.2f s (goal <= 10 s), peak resident %.0f MB "
                "(%.0f MB before; goal <= 300 MB)\n",
                clocks, seconds, peakMegabytes(), before);
    std::printf("  %d incidents, %d outages listed, site answering %.4f\n", result.site.incidents,
                int(result.outages.size()), result.site.answeringShare());

    std::vector<double> newestMs;
    int found = 0;
    QRandomGenerator random(7);
    for (int i = 0; i < reads; ++i) {
        EventJournal::Filter filter;
        filter.ip = ipOf(int(random.bounded(clocks)));
        filter.limit = 50;
        timer.restart();
        found = EventJournal::read(folder, filter).size();
        newestMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(newestMs.begin(), newestMs.end());
    std::printf("  one clock's newest %d events: median %.2f ms, worst %.2f ms over %d clocks (goal <= 10 ms)\n",
                found, newestMs[newestMs.size() / 2], newestMs.back(), reads);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--report"))
        return report(args.at(2), args.at(3).toInt());
    const bool seed = args.size() > 2 && args.at(1) == QLatin1String("--seed");
    fleetAddresses = seed;
    const int first = seed ? 3 : 1;
    const int clocks = args.size() > first ? args.at(first).toInt() : 10000;
    const int days = args.size() > first + 1 ? args.at(first + 1).toInt() : 365;
    QTemporaryDir temporary;
    const QString folder = seed ? args.at(2) : temporary.path();
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-days);
    QRandomGenerator random(42);

    QElapsedTimer timer;
    timer.start();
    qint64 written = 0;
    {
        HistoryDatabase history;
        QString why, aside;
        bool damaged = false;
        if (!history.openForWriting(folder, &why, &aside) || !history.importJournal({}, QString(), &why)) {
            std::printf("cannot write the history: %s\n", qPrintable(why));
            return 1;
        }
        // The monitor runs all year, restarted once a month.
        std::vector<std::pair<qint64, std::pair<int, ClockEvent::Kind>>> day;
        QList<ClockEvent> events;
        for (int d = 0; d < days; ++d) {
            day.clear();
            if (d % 30 == 0)
                day.push_back({qint64(d) * 86400, {-1, ClockEvent::Kind::MonitorStarted}});
            for (int clock = 0; clock < clocks; ++clock) {
                const qint64 t = qint64(d) * 86400 + 1 + random.bounded(86000);
                day.push_back({t, {clock, ClockEvent::Kind::Unreachable}});
                day.push_back({t + 60 + random.bounded(300), {clock, ClockEvent::Kind::Reachable}});
                if (random.bounded(100) < 74)
                    day.push_back({t + 400, {clock, ClockEvent::Kind::Ntp}});
            }
            std::sort(day.begin(), day.end());
            events.clear();
            for (const auto &entry : day)
                events.append(event(entry.second.first, entry.second.second, start.addSecs(entry.first)));
            if (!history.insert(events, &why, &damaged)) {
                std::printf("cannot write the history: %s\n", qPrintable(why));
                return 1;
            }
            written += events.size();
        }
    }
    const double writeSeconds = timer.nsecsElapsed() / 1e9;
    const QString path = HistoryDatabase::pathIn(folder);
    std::printf("history of %d clocks over %d days: %lld events written in %.0f s (%.0f events/s), %.0f MB\n",
                clocks, days, qlonglong(written), writeSeconds, written / writeSeconds,
                (QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size()) / 1048576.0);
    std::fflush(stdout);
    if (seed)
        return 0;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(app.applicationFilePath(), {QStringLiteral("--report"), folder, QString::number(clocks)});
    child.waitForFinished(-1);
    return child.exitCode();
}
