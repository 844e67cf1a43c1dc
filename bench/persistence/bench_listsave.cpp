#include "persistence/StateFile.h"
#include "persistence/StateSnapshot.h"
#include "tests/persistence/StateSamples.h"
#include "persistence/XmlFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

// The save that ends a user's flow, for a list of N clocks (default 10 000),
// each with a full configuration: the part that stays on the thread that
// owns the clocks (copying what the file holds) and the part a worker thread
// takes (building the text; the atomic write: temporary file, sync, rename),
// beside building the text where the clocks live, as the 150-second save
// does. Median and best of five.
//
//   bench_listsave [clocks]

namespace {

constexpr int runs = 5;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void print(const char *step, const std::vector<double> &ms)
{
    std::printf("%-42s median %8.1f ms   best %8.1f ms\n", step, median(ms), *std::min_element(ms.begin(), ms.end()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int clockCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString path = dir.filePath(QStringLiteral("settings.xml"));
    const StateSamples::Sample sample = StateSamples::large(clockCount, 20, 10);
    const QList<DevClock *> clocks = sample.clocks();
    const QList<DevGroup *> groups = sample.groups();

    std::vector<double> copying, building, writing, inPlace;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const StateSnapshot snapshot(clocks, groups, sample.settings);
        copying.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        const QByteArray data = snapshot.serialize();
        building.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        if (!XmlFile::write(path, data, XmlFile::Access::OwnerOnly))
            return 1;
        writing.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        if (StateFile::serialize(clocks, groups, sample.settings).size() != data.size())
            return 1;
        inPlace.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("list saved when a flow ends: %d clocks with configurations, %lld bytes\n", clockCount,
                static_cast<long long>(QFileInfo(path).size()));
    print("copying the list (the window's thread)", copying);
    print("building the text (a worker thread)", building);
    print("writing it (a worker thread)", writing);
    print("building the text from the list itself", inPlace);
    return 0;
}
