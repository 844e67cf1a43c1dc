#include "persistence/StateDocumentReader.h"
#include "persistence/StateFile.h"
#include "persistence/StateStreamReader.h"
#include "tests/persistence/StateSamples.h"
#include "persistence/XmlFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

// Save and load of a state file with 1000 clocks (or as many as the first
// argument says), each with a full configuration, 20 groups and 10
// recipients. Prints the median and the best of several runs of each step
// and the file size, and for comparison the parse times of the stream reader
// (it reads the documents the scanner refuses) and of the DOM reader. A
// second argument names a file the last saved text is copied to, to compare
// the bytes of two builds.

namespace {

constexpr int defaultClockCount = 1000;
constexpr int largeSite = 10000;
constexpr int groupCount = 20;
constexpr int recipientCount = 10;
// Fewer at 10 000 clocks, where the DOM reader, which takes gigabytes there,
// is left out.
constexpr int runs = 7;
constexpr int largeRuns = 3;

// Wall time, and the thread's processor time: on a busy machine the first
// grows with the load, the second much less.
struct Figures
{
    std::vector<double> ms;
    std::vector<double> cpuMs;

    static double cpuNow()
    {
        timespec now {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
    }

    struct Run
    {
        QElapsedTimer wall;
        double cpuStart = cpuNow();
        Run() { wall.start(); }
    };

    void add(const Run &run)
    {
        ms.push_back(double(run.wall.nsecsElapsed()) / 1e6);
        cpuMs.push_back(cpuNow() - run.cpuStart);
    }
    void add(const Figures &a, const Figures &b)
    {
        ms.push_back(a.ms.back() + b.ms.back());
        cpuMs.push_back(a.cpuMs.back() + b.cpuMs.back());
    }
    static double median(std::vector<double> values)
    {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }
};

void print(const char *step, const Figures &figures, const char *goal = "")
{
    std::printf("%-36s median %8.1f ms   best %8.1f ms   processor %8.1f ms%s\n", step, Figures::median(figures.ms),
                *std::min_element(figures.ms.begin(), figures.ms.end()), Figures::median(figures.cpuMs), goal);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString path = dir.filePath(QStringLiteral("settings.xml"));
    const int clockCount = argc > 1 ? std::max(1, QString::fromLatin1(argv[1]).toInt()) : defaultClockCount;
    const StateSamples::Sample sample = StateSamples::large(clockCount, groupCount, recipientCount);
    const QList<DevClock *> clocks = sample.clocks();
    const QList<DevGroup *> groups = sample.groups();

    Figures serialize, save, read, parse, load, stream, document, total;
    const bool large = clockCount >= largeSite;
    for (int run = 0; run < (large ? largeRuns : runs); ++run) {
        Figures::Run step;
        const QByteArray data = StateFile::serialize(clocks, groups, sample.settings);
        serialize.add(step);

        step = Figures::Run();
        if (!StateFile::save(path, clocks, groups, sample.settings))
            return 1;
        save.add(step);

        step = Figures::Run();
        QByteArray bytes;
        if (!XmlFile::readData(path, bytes, nullptr, XmlFile::maxStateFileSize))
            return 1;
        read.add(step);

        step = Figures::Run();
        StateFile::Lists lists;
        NotificationSettings settings;
        if (!StateFile::parse(bytes, lists, settings) || lists.clocks.size() != size_t(clockCount))
            return 1;
        parse.add(step);
        load.add(read, parse);
        total.add(load, save);

        step = Figures::Run();
        StateFile::Lists streamLists;
        if (!StateStreamReader(bytes).parse(streamLists, settings))
            return 1;
        stream.add(step);

        if (large)
            continue;
        step = Figures::Run();
        StateFile::Lists documentLists;
        if (!StateDocumentReader::parse(bytes, documentLists, settings))
            return 1;
        document.add(step);
    }

    std::printf("state file: %d clocks with configurations, %d groups, %d recipients, %lld bytes\n", clockCount,
                groupCount, recipientCount, static_cast<long long>(QFileInfo(path).size()));
    print("save (build, write, sync, rename)", save, large ? "   (goal 1000 ms)" : "");
    print("  of which building the text", serialize);
    print("load (read and parse)", load, large ? "   (goal 1000 ms)" : "");
    print("  of which reading the file", read);
    print("  of which parsing into records", parse);
    print("parsing with the stream reader alone", stream);
    if (!large)
        print("parsing with the DOM reader alone", document);
    print("load and save", total, large ? "" : "   (goal 500 ms)");
    if (argc > 2 && !QFile::copy(path, QString::fromLocal8Bit(argv[2])))
        return 1;
    return 0;
}
