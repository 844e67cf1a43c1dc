#include "StateDocumentReader.h"
#include "StateFile.h"
#include "StateSamples.h"
#include "XmlFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

// Save and load of a state file with 1000 clocks, each with a full
// configuration, 20 groups and 10 recipients. Prints the median and the best
// of several runs of each step and the file size, and the parse time of the
// DOM reader that the stream reader replaced, for comparison.

namespace {

constexpr int clockCount = 1000;
constexpr int groupCount = 20;
constexpr int recipientCount = 10;
constexpr int runs = 7;

struct Figures
{
    std::vector<double> ms;

    double add(const QElapsedTimer &timer)
    {
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        return ms.back();
    }
    double median()
    {
        std::sort(ms.begin(), ms.end());
        return ms[ms.size() / 2];
    }
    double best() { return *std::min_element(ms.begin(), ms.end()); }
};

void print(const char *step, Figures &figures)
{
    std::printf("%-32s median %8.1f ms   best %8.1f ms\n", step, figures.median(), figures.best());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString path = dir.filePath(QStringLiteral("settings.xml"));
    const StateSamples::Sample sample = StateSamples::large(clockCount, groupCount, recipientCount);
    const QList<DevClock *> clocks = sample.clocks();
    const QList<DevGroup *> groups = sample.groups();

    Figures serialize, save, read, parse, load, document;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray data = StateFile::serialize(clocks, groups, sample.settings);
        serialize.add(timer);

        timer.start();
        if (!StateFile::save(path, clocks, groups, sample.settings))
            return 1;
        save.add(timer);

        timer.start();
        QByteArray bytes;
        if (!XmlFile::readData(path, bytes))
            return 1;
        const double readMs = read.add(timer);

        timer.start();
        StateFile::Lists lists;
        NotificationSettings settings;
        if (!StateFile::parse(bytes, lists, settings) || lists.clocks.size() != size_t(clockCount))
            return 1;
        load.ms.push_back(readMs + parse.add(timer));

        timer.start();
        StateFile::Lists documentLists;
        if (!StateDocumentReader::parse(bytes, documentLists, settings))
            return 1;
        document.add(timer);
    }

    std::printf("state file: %d clocks with configurations, %d groups, %d recipients, %lld bytes\n", clockCount,
                groupCount, recipientCount, static_cast<long long>(QFileInfo(path).size()));
    print("save (build, write, sync, rename)", save);
    print("  of which building the text", serialize);
    print("load (read and parse)", load);
    print("  of which reading the file", read);
    print("  of which parsing into records", parse);
    print("parsing with the DOM reader alone", document);
    std::printf("%-32s median %8.1f ms   best %8.1f ms   (goal 500 ms)\n", "load and save",
                load.median() + save.median(), load.best() + save.best());
    return 0;
}
