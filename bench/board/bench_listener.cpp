// The monitor's listener under the board's heaviest requests: four clients
// loop the history of a clock that is rare in a large history, four loop the complete list of a
// large fleet, compressed, and meanwhile a scraper asks for /metrics every
// 100 ms. Prints the scrape latency without and with that load, and what the
// board's clients got. Clients come from addresses of their own (127.0.0.x),
// as they would from their own machines.
//   bench_listener [JOURNAL_MB] [CLOCKS] [SECONDS]   (48, 10000, 20)
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "persistence/EventJournal.h"
#include "http/HttpGzip.h"
#include "http/HttpListener.h"
#include "http/HttpRequestParser.h"
#include "metrics/MetricsScrape.h"
#include "board/StatusBoard.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct Answer
{
    double ms = 0;
    int status = 0;
};

// One request on a connection of its own, from 127.0.0.<from>.
Answer ask(quint16 port, int from, const QByteArray &target, const QByteArray &fields = {})
{
    QElapsedTimer timer;
    timer.start();
    Answer answer;
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(0x7f000000u | quint32(from));
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(port);
    remote.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&local), sizeof local) == 0
        && ::connect(fd, reinterpret_cast<sockaddr *>(&remote), sizeof remote) == 0) {
        const QByteArray request = "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + fields + "\r\n";
        if (::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) == request.size()) {
            QByteArray reply;
            char buffer[65536];
            ssize_t got;
            while ((got = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
                reply.append(buffer, int(got));
            if (reply.startsWith("HTTP/1.1 "))
                answer.status = reply.mid(9, 3).toInt();
        }
    }
    ::close(fd);
    answer.ms = double(timer.nsecsElapsed()) / 1e6;
    return answer;
}

// This thread's processor time: the figure a busy machine does not inflate.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

void printScrapes(const char *what, const std::vector<double> &ms)
{
    std::printf("%-28s %5zu scrapes  p50 %8.1f ms  p99 %8.1f ms  max %8.1f ms\n", what, ms.size(),
                percentile(ms, 0.5), percentile(ms, 0.99), ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int journalMb = args.size() > 1 ? args.at(1).toInt() : 48;
    const int clockCount = args.size() > 2 ? args.at(2).toInt() : 10000;
    const int seconds = args.size() > 3 ? args.at(3).toInt() : 20;

    QTemporaryDir dir;
    const QString folder = dir.path();
    {
        // Busy clocks, and one that appears every 10 000th event only: about
        // as many events as an old journal of JOURNAL_MB held.
        EventJournal history(folder);
        const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-30);
        const qint64 count = qint64(journalMb) * 1024 * 1024 / 100;
        for (qint64 n = 0; n < count; ++n) {
            ClockEvent event;
            event.time = start.addMSecs(n * 100);
            event.ip = n % 10000 == 0 ? QStringLiteral("10.0.0.2") : QStringLiteral("10.1.%1.%2").arg(n % 50).arg(n % 200);
            event.name = QStringLiteral("Clock %1").arg(n % 10000);
            event.kind = ClockEvent::Kind(n % 2);
            history.append(event);
            if (n % 100000 == 0)
                history.flush();
        }
    }
    ClockRegistry registry;
    // Each clock as a poll leaves it: its own temperature, brightness and
    // synchronisation time, so that the rows compress as a real fleet's do.
    const auto reply = [](int i, int round) {
        return QStringLiteral("10:00:00&09.12.2026&%1&#176;C&%2&V&noEr&pool%3.ntp.example OK&09.12.2026 - 09:%4:%5&0")
            .arg(19.0 + (i * 7 % 60) / 10.0, 0, 'f', 1)
            .arg((i * 13 + round) % 100)
            .arg(i % 3)
            .arg(i % 60, 2, 10, QLatin1Char('0'))
            .arg(i * 7 % 60, 2, 10, QLatin1Char('0'));
    };
    for (int i = 0; i < clockCount; ++i) {
        auto *clock = new DevClock;
        clock->id = quint64(i + 1);
        clock->name = QStringLiteral("Clock %1 in the east wing").arg(i);
        clock->network.ip = QStringLiteral("10.2.%1.%2").arg(i / 250).arg(i % 250 + 1);
        clock->parseStatus(reply(i, 0), 200, QDateTime::currentDateTime().addMSecs(-i));
        registry.addClock(clock);
    }
    StatusBoard board(registry, folder);
    board.setCompleteListMaxAgeMs(0);
    // Each ask below stands for a moment of its own.
    board.setSnapshotHoldMs(0);
    // As a browser asks: the list's thread takes the snapshot (and answers
    // a "since"), a work thread builds and compresses a complete list.
    struct Asked
    {
        double snapshotMs = 0;
        double snapshotCpuMs = 0;
        double buildMs = 0;
        double buildCpuMs = 0;
        QByteArray body;
        QByteArray plain;
    };
    const auto askBoard = [&board](quint64 since) {
        HttpRequestParser request;
        request.feed("GET /api/v1/clocks?since=" + QByteArray::number(since)
                     + " HTTP/1.1\r\nAccept-Encoding: gzip\r\n\r\n");
        Asked asked;
        QElapsedTimer timer;
        timer.start();
        double cpu = threadCpuMs();
        const HttpListener::Response response = board.handle(request);
        asked.snapshotMs = double(timer.nsecsElapsed()) / 1e6;
        asked.snapshotCpuMs = threadCpuMs() - cpu;
        timer.restart();
        cpu = threadCpuMs();
        // A "since" is answered at once; the listener compresses it as any small answer.
        asked.body = response.work ? response.work()().body : HttpGzip::compressed(response.body);
        asked.buildMs = double(timer.nsecsElapsed()) / 1e6;
        asked.buildCpuMs = threadCpuMs() - cpu;
        asked.plain = board.clocksDocument(Language::English, since);
        return asked;
    };
    const auto versionOf = [](const QByteArray &document) {
        const int at = document.indexOf("\"version\":\"") + 11;
        return document.mid(at, document.indexOf('"', at) - at).toULongLong();
    };
    const auto print = [](const char *what, const Asked &asked) {
        std::printf("%-44s snapshot %6.1f ms (CPU %6.1f)  build+gzip %6.1f ms (CPU %6.1f)  %7.1f kB plain  "
                    "%6.1f kB on the wire\n",
                    what, asked.snapshotMs, asked.snapshotCpuMs, asked.buildMs, asked.buildCpuMs,
                    asked.plain.size() / 1024.0, asked.body.size() / 1024.0);
    };
    print("complete list, first", askBoard(0));
    // One poll round's second: a tenth of the fleet polled, with or without news.
    quint64 since = versionOf(board.clocksDocument(Language::English, 0));
    for (int round = 1; round <= 3; ++round) {
        for (int i = 0; i < clockCount; ++i) {
            DevClock *clock = registry.clockAt(i);
            if (i % 10 != round % 10)
                continue;
            clock->parseStatus(reply(i, round < 3 ? 0 : round), 200);
            registry.announceClockChanged(clock);
        }
        const Asked asked = askBoard(since);
        print(round < 3 ? "since, a tenth polled, nothing else new" : "since, a tenth polled with a new brightness",
              asked);
        since = versionOf(asked.plain);
        if (round == 1)
            print("complete list, again", askBoard(0));
    }
    // Thirty boards polling once a second while a tenth of the fleet is
    // polled each second with nothing new: what their answers cost.
    {
        constexpr int boards = 30;
        constexpr int seconds = 10;
        std::vector<quint64> versions(boards, versionOf(board.clocksDocument(Language::English, 0)));
        double cpu = 0;
        qint64 bytes = 0;
        int next = 0;
        for (int step = 0; step < boards * seconds; ++step) {
            // The poll results that arrived since the last board's look.
            for (int n = 0; n < clockCount / 10 / boards; ++n, next = (next + 1) % clockCount) {
                DevClock *clock = registry.clockAt(next);
                clock->parseStatus(reply(next, 0), 200);
                registry.announceClockChanged(clock);
            }
            const Asked asked = askBoard(versions[size_t(step % boards)]);
            versions[size_t(step % boards)] = versionOf(asked.plain);
            cpu += asked.snapshotCpuMs + asked.buildCpuMs;
            bytes += asked.body.size();
        }
        std::printf("%d boards polling every second, a tenth of the fleet polled a second with nothing new: "
                    "%.2f %% of a core for their answers, %.1f kB each on the wire\n",
                    boards, cpu / (seconds * 1000.0) * 100, double(bytes) / (boards * seconds) / 1024.0);
    }
    QByteArray page;
    for (int i = 0; i < clockCount; ++i)
        page += "zentick_clock_up{ip=\"10.2." + QByteArray::number(i / 250) + '.' + QByteArray::number(i % 250 + 1)
            + "\"} 1\n";
    // As the monitor serves both on one listener.
    HttpListener server;
    server.setHandler([&board, &page](const HttpRequestParser &request) {
        return request.path() == MetricsScrape::path ? MetricsScrape::answer(page) : board.handle(request);
    });
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 1;
    const quint16 port = server.serverPort();

    std::atomic<int> phase{0}; // 0 quiet, 1 loaded, 2 done
    std::atomic<int> finished{0};
    std::mutex lock;
    std::vector<double> quiet, loaded;
    std::vector<Answer> history, lists;
    std::vector<std::thread> threads;
    threads.emplace_back([&] {
        while (phase < 2) {
            const int now = phase;
            const Answer answer = ask(port, 2, "/metrics", "Accept-Encoding: gzip\r\n");
            std::lock_guard<std::mutex> guard(lock);
            (now == 0 ? quiet : loaded).push_back(answer.ms);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ++finished;
    });
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([&, i] {
            while (phase == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            while (phase == 1) {
                const Answer answer = i < 4 ? ask(port, 10 + i, "/api/v1/clocks/10.0.0.2/events")
                                            : ask(port, 10 + i, "/api/v1/clocks", "Accept-Encoding: gzip\r\n");
                std::lock_guard<std::mutex> guard(lock);
                (i < 4 ? history : lists).push_back(answer);
            }
            ++finished;
        });
    }
    threads.emplace_back([&] {
        std::this_thread::sleep_for(std::chrono::seconds(3));
        phase = 1;
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        phase = 2;
    });
    // The longest the listener's thread was kept from its event loop.
    QElapsedTimer beat;
    qint64 longestPauseMs = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, &app, [&] {
        if (phase == 1)
            longestPauseMs = std::max(longestPauseMs, beat.elapsed());
        beat.restart();
    });
    beat.start();
    heartbeat.start(10);
    // The listener serves until every client has had its last answer.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [&finished] {
        if (finished == 9)
            QCoreApplication::quit();
    });
    watch.start(50);
    app.exec();
    for (std::thread &thread : threads)
        thread.join();

    std::printf("journal %d MB, %d clocks, %d s of load\n", journalMb, clockCount, seconds);
    printScrapes("scrapes, no other requests", quiet);
    printScrapes("scrapes under load", loaded);
    std::printf("longest pause of the listener's thread under load: %lld ms\n", longestPauseMs);
    for (const auto &kind : {std::make_pair("history of a rare clock", &history),
                             std::make_pair("complete list, gzip", &lists)}) {
        std::vector<double> ms;
        int ok = 0;
        for (const Answer &answer : *kind.second) {
            ms.push_back(answer.ms);
            ok += answer.status == 200;
        }
        std::printf("%-28s %5zu answers (%d of them 200)  p50 %8.1f ms  p99 %8.1f ms\n", kind.first, ms.size(), ok,
                    percentile(ms, 0.5), percentile(ms, 0.99));
    }
    return 0;
}
