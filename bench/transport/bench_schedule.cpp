// The schedule's cost per poll at a fleet's pace: 100 000 polls of 10 000
// clocks in turn, all of one owner (the poller), pass add,
// takeStartable, finish and takeStartable again, as the worker pool calls
// them, with a window of polls in flight. Prints nanoseconds per poll.
#include "transport/ExchangeSchedule.h"

#include <QElapsedTimer>
#include <QVector>

#include <cstdint>
#include <cstdio>
#include <deque>
#include <vector>

namespace {

constexpr int keyCount = 10000;
constexpr int polls = 100000;

double nsPerPoll(const std::vector<QString> &keys, int window)
{
    ExchangeSchedule schedule(window);
    std::deque<ExchangeSchedule::Id> running;
    const auto *poller = reinterpret_cast<const void *>(std::uintptr_t(0x1000));
    int started = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < polls; ++i) {
        if (int(running.size()) >= window) {
            schedule.finish(running.front());
            running.pop_front();
            started += schedule.takeStartable().size();
        }
        const ExchangeSchedule::Ticket ticket{keys[size_t(i % keyCount)], ExchangeLane::Poll, poller};
        running.push_back(schedule.add(ticket));
        started += schedule.takeStartable().size();
    }
    const double ns = double(timer.nsecsElapsed()) / polls;
    if (started != polls)
        std::printf("  (only %d of %d polls started)\n", started, polls);
    return ns;
}

} // namespace

int main()
{
    std::vector<QString> keys;
    for (int i = 0; i < keyCount; ++i)
        keys.push_back(QStringLiteral("10.20.%1.%2").arg(i / 250).arg(i % 250 + 1));
    for (const int window : {16, 256}) {
        // The first run warms caches and the allocator.
        nsPerPoll(keys, window);
        std::printf("%d polls over %d clocks, %3d in flight: %6.0f ns per poll\n", polls, keyCount, window,
                    nsPerPoll(keys, window));
    }
    return 0;
}
