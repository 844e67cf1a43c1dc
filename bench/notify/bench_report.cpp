// One report tick on a workbook of 50 sheets x 10,000 rows (a million cells),
// or of as many sheets and rows as the arguments say (bench_report 10000 100:
// a site of ten thousand clocks, one sheet each):
// cold (the file is read) and warm (the file is unchanged since our own last
// write). For each: the wall time until the workbook is saved, the time the
// GUI thread spends in the tick, the longest the GUI thread's event loop
// stalled while the write ran, and the peak resident memory of the phase.

#include "core/AppSettings.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "notify/Reporter.h"
#include "notify/Workbook.h"
#include "notify/WorkbookReader.h"
#include "notify/WorkbookWriter.h"
#include "notify/XlsxWritter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <malloc.h>
#include <sys/resource.h>

namespace {

int sheetCount = 50;
int rowCount = 10000;
constexpr int probeIntervalMs = 5;

QString clockName(int i)
{
    return QStringLiteral("Clock %1").arg(i);
}

QString clockIp(int i)
{
    return QStringLiteral("10.%1.%2.1").arg(i / 250).arg(i % 250);
}

bool makeWorkbook(const QString &path)
{
    Workbook workbook;
    const QDateTime start(QDate(2025, 12, 1), QTime(0, 0));
    for (int s = 0; s < sheetCount; ++s) {
        const int sheet = workbook.addSheet(clockName(s) + QStringLiteral(" (") + clockIp(s) + QLatin1Char(')'));
        workbook.setText(sheet, 0, 0, QStringLiteral("Date"));
        workbook.setText(sheet, 0, 1, QStringLiteral("Temperature"));
        for (int r = 1; r < rowCount; ++r) {
            workbook.setText(sheet, std::uint32_t(r), 0,
                             start.addSecs(qint64(r) * 300).toString(QStringLiteral("yyyy-MM-dd hh:mm")));
            workbook.setText(sheet, std::uint32_t(r), 1,
                             QString::number(15.0 + (r * 7 + s) % 100 / 10.0, 'g', 6) + QStringLiteral("°C"));
        }
    }
    return WorkbookWriter::write(workbook, path);
}

// Peak resident memory since the last reset, in MiB (Linux).
void resetPeak()
{
    // Memory freed by the last phase goes back to the system first, so the
    // peak is this phase's own.
    malloc_trim(0);
    if (std::FILE *clear = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", clear);
        std::fclose(clear);
    }
}

// CPU time of the whole process (both threads), in ms: on a busy machine a
// steadier figure than the wall time.
double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double peakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

struct Figures
{
    double totalMs = 0;
    double tickMs = 0;
    double stallMs = 0;
    double peak = 0;
    double cpu = 0;
    bool ok = false;
};

Figures runTick(Reporter &reporter, const QDateTime &now)
{
    Figures figures;
    AppSettings::reportSettings().lastSaveTime = QDateTime();
    reporter.setClock([now] { return now; });

    // A fast timer on the GUI thread: the longest gap between its ticks is
    // the longest the window would have frozen.
    QTimer probe;
    probe.setInterval(probeIntervalMs);
    QElapsedTimer sinceProbe;
    qint64 longestGap = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestGap = qMax(longestGap, sinceProbe.restart());
    });

    QEventLoop loop;
    QObject::connect(&reporter, &Reporter::reportWritten, &loop, [&](bool ok) {
        figures.ok = ok;
        loop.quit();
    });

    resetPeak();
    const double cpuBefore = cpuMs();
    QElapsedTimer total;
    total.start();
    sinceProbe.start();
    probe.start();
    QElapsedTimer tick;
    tick.start();
    reporter.tick();
    figures.tickMs = tick.nsecsElapsed() / 1e6;
    longestGap = qMax(longestGap, sinceProbe.elapsed());
    loop.exec();
    figures.totalMs = total.nsecsElapsed() / 1e6;
    probe.stop();
    figures.stallMs = double(qMax(longestGap, sinceProbe.elapsed()));
    figures.peak = peakMiB();
    figures.cpu = cpuMs() - cpuBefore;
    QObject::disconnect(&reporter, &Reporter::reportWritten, &loop, nullptr);
    return figures;
}

void print(const char *phase, const Figures &f)
{
    std::printf("%-5s tick: total %6.0f ms (CPU %6.0f ms) | GUI thread in tick %5.1f ms | longest GUI stall "
                "%5.1f ms | peak memory %6.1f MiB | %s\n",
                phase, f.totalMs, f.cpu, f.tickMs, f.stallMs, f.peak, f.ok ? "saved" : "FAILED");
}


// Where the time of a cold run goes, step by step on this thread.
void printBreakdown(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    Workbook workbook;
    const bool read = WorkbookReader::read(bytes, workbook);
    const double readMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    const bool written = WorkbookWriter::write(workbook, path);
    const double writeMs = timer.nsecsElapsed() / 1e6;
    std::printf("cold run by steps: read %.0f ms (%s), write %.0f ms (%s)\n", readMs, read ? "ok" : "FAILED",
                writeMs, written ? "ok" : "FAILED");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // "--build PATH SHEETS ROWS" and "--steps PATH" come from the run itself.
    const bool sized = argc >= 3 && argv[1][0] != '-';
    if (sized || (argc == 5 && qstrcmp(argv[1], "--build") == 0)) {
        sheetCount = std::max(1, atoi(argv[sized ? 1 : 3]));
        rowCount = std::max(2, atoi(argv[sized ? 2 : 4]));
    }
    // The workbook is built in a process of its own, so that its memory does
    // not count for the ticks.
    if (argc >= 3 && qstrcmp(argv[1], "--build") == 0)
        return makeWorkbook(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    // For profiling: only the read and the write of a built workbook.
    if (argc == 3 && qstrcmp(argv[1], "--steps") == 0) {
        printBreakdown(QString::fromLocal8Bit(argv[2]));
        return 0;
    }

    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));

    const QString path = home.filePath(QStringLiteral("report.xlsx"));
    std::printf("building a workbook of %d sheets x %d rows ...\n", sheetCount, rowCount);
    std::fflush(stdout);
    if (QProcess::execute(QCoreApplication::applicationFilePath(),
                          {QStringLiteral("--build"), path, QString::number(sheetCount), QString::number(rowCount)}) != 0) {
        std::printf("could not build the workbook\n");
        return 1;
    }
    std::printf("workbook: %.1f MiB on disk, %d cells\n", QFileInfo(path).size() / 1048576.0,
                sheetCount * rowCount * 2);

    for (int i = 0; i < sheetCount; ++i) {
        auto *clock = new DevClock;
        clock->name = clockName(i);
        clock->network.ip = clockIp(i);
        clock->status.temperature = 21.5f;
        ClockRegistry::instance()->addClock(clock);
    }
    ReportSettings settings;
    settings.filepath = path;
    AppSettings::saveReportSettings(true, settings);

    Reporter reporter(*ClockRegistry::instance());
    const QDateTime now(QDate(2026, 12, 6), QTime(10, 0));
    const double idle = peakMiB();
    const Figures cold = runTick(reporter, now);
    const Figures warm = runTick(reporter, now.addSecs(300));
    std::printf("resident before the ticks: %.1f MiB\n", idle);
    print("cold", cold);
    print("warm", warm);
    printBreakdown(path);
    return cold.ok && warm.ok ? 0 : 1;
}
