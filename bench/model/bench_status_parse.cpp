// What one status reply costs the poller to read: 10 000 clocks, each polled
// again and again with replies shaped like a clock's (time, date, temperature,
// unit, brightness, signal, error code, NTP server and word, sync time,
// remote mode), where time, temperature and brightness move between polls.
// Prints nanoseconds per parse; the splitting of a reply alone too.
#include "model/DevClock.h"
#include "model/ReplyParser.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int clockCount = 10000;
constexpr int rounds = 20;

QString reply(int clock, int round)
{
    const int second = (clock + round * 10) % 60;
    const bool timeout = clock % 50 == 0;
    return QStringLiteral("12:%1:%2&08.12.2026&%3&#176;C&%4&V&noEr&ntp%5.example.net %6&08.12.2026 - 12:00:00&0")
        .arg(round % 60, 2, 10, QLatin1Char('0'))
        .arg(second, 2, 10, QLatin1Char('0'))
        .arg(18.0 + (clock % 100) / 10.0 + (round % 3) / 10.0, 0, 'f', 1)
        .arg(40 + (clock + round) % 5)
        .arg(clock % 4)
        .arg(timeout ? QStringLiteral("Timeout") : QStringLiteral("OK"));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::vector<std::unique_ptr<DevClock>> clocks;
    clocks.reserve(clockCount);
    for (int i = 0; i < clockCount; ++i)
        clocks.push_back(std::make_unique<DevClock>());
    std::vector<QString> replies;
    replies.reserve(size_t(clockCount) * rounds);
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < clockCount; ++i)
            replies.push_back(reply(i, round));
    }
    const QDateTime at = QDateTime::currentDateTime();

    QElapsedTimer timer;
    timer.start();
    int parsed = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < clockCount; ++i)
            parsed += clocks[size_t(i)]->parseStatus(replies[size_t(round) * clockCount + size_t(i)], 0, at);
    }
    const double parseNs = double(timer.nsecsElapsed()) / (double(clockCount) * rounds);

    timer.restart();
    qsizetype fields = 0;
    for (const QString &text : replies)
        fields += splitReplyFields(text).size();
    const double splitNs = double(timer.nsecsElapsed()) / double(replies.size());

    std::printf("status replies parsed: %d of %d (%lld fields split)\n", parsed, clockCount * rounds,
                static_cast<long long>(fields));
    std::printf("parseStatus:            %8.0f ns per reply\n", parseNs);
    std::printf("splitReplyFields alone: %8.0f ns per reply\n", splitNs);
    return 0;
}
