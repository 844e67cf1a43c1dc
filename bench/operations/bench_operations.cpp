// Prints how long the clock operations take against zentick-clocksim, run in
// the "pc" namespace by bench/operations/run.sh. The floor to compare with is
// the protocol's own: one round trip per exchange, 600 ms per discovery window.
#include "model/ClockConfig.h"
#include "health/HealthWriter.h"
#include "operations/ClockPoker.h"
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "operations/DeviceFinder.h"
#include "operations/GetConfigurationSender.h"
#include "operations/GetStatusSender.h"
#include "operations/SetConfigurationSender.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSet>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

const char FirstClock[] = "192.168.0.10";
const int AddressesOnTheNetwork = 245;
const int Rounds = 20;
const int TimeoutMs = 600000;

// The benchmark's own exchanges, as a program's main() holds them.
Communication &exchanges()
{
    static Communication communication;
    return communication;
}

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QString clockIp(int index)
{
    return QHostAddress(QHostAddress(QString::fromLatin1(FirstClock)).toIPv4Address()
                        + quint32(index % AddressesOnTheNetwork))
        .toString();
}

SenderTarget clockTarget(int index)
{
    SenderTarget target;
    target.device.address = QHostAddress(clockIp(index));
    target.device.firmware = 305;
    target.user = QStringLiteral("admin");
    target.password = QStringLiteral("admin");
    return target;
}

// Milliseconds until the sender's final signal; -1 when it did not succeed.
double runSender(const std::function<DataSender *()> &make)
{
    QEventLoop loop;
    bool ok = false;
    QElapsedTimer clock;
    clock.start();
    DataSender *sender = make();
    QObject::connect(sender, &DataSender::finished, &loop, [&] {
        ok = true;
        loop.quit();
    });
    QObject::connect(sender, &DataSender::error, &loop, &QEventLoop::quit);
    QObject::connect(sender, &DataSender::canceled, &loop, &QEventLoop::quit);
    QTimer::singleShot(TimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return ok ? clock.nsecsElapsed() / 1e6 : -1;
}

void report(const QString &what, QVector<double> samples)
{
    if (samples.contains(-1)) {
        out() << what << ": FAILED\n";
        return;
    }
    std::sort(samples.begin(), samples.end());
    const double median = samples.at(samples.size() / 2);
    out() << what << ": median " << QString::number(median, 'f', 1) << " ms, min "
          << QString::number(samples.first(), 'f', 1) << " ms, max " << QString::number(samples.last(), 'f', 1)
          << " ms over " << samples.size() << " runs\n";
    out().flush();
}

void pollOne()
{
    QVector<double> samples;
    for (int i = 0; i < Rounds; ++i)
        samples << runSender([] { return exchanges().getStatus({clockTarget(0)}); });
    report(QStringLiteral("one status poll"), samples);
}

// Time from the poller's start until every listed clock has had one poll.
void pollRound(int count)
{
    ClockRegistry::resetForTest();
    for (int i = 0; i < count; ++i) {
        auto *clock = new DevClock;
        clock->network.ip = clockIp(i);
        clock->user = QStringLiteral("admin");
        clock->password = QStringLiteral("admin");
        clock->id = quint64(i + 1);
        ClockRegistry::instance()->addClock(clock);
    }
    QEventLoop loop;
    QSet<quint64> polled;
    int failures = 0;
    QElapsedTimer clock;
    clock.start();
    HealthWriter health(*ClockRegistry::instance());
    ClockPoker poker(*ClockRegistry::instance(), health, exchanges());
    QObject::connect(&poker, &ClockPoker::ClockStatusUpdated, &loop, [&](quint64 id) {
        if (ClockRegistry::instance()->clockById(id)->status.NtpSynchronization == NtpNoConnection)
            ++failures;
        polled.insert(id);
        if (polled.size() == count)
            loop.quit();
    });
    QTimer::singleShot(TimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    out() << "poll round of " << count << " clocks: " << QString::number(ms, 'f', 1) << " ms until every clock has a"
          << " fresh status (" << QString::number(ms / count, 'f', 2) << " ms per clock, " << failures
          << " failed polls)\n";
    ClockRegistry::resetForTest();
}

void discovery(int expected)
{
    QVector<double> samples;
    for (int i = 0; i < 3; ++i) {
        int found = 0;
        samples << runSender([&found] {
            DeviceFinder *finder = exchanges().findDevices(QStringLiteral("admin"),
                                                                          QStringLiteral("admin"), *ClockRegistry::instance());
            QObject::connect(finder, &DataSender::finished, finder, [finder, &found] {
                const QVector<DevClock *> clocks = finder->clocks();
                found = clocks.size();
                qDeleteAll(clocks);
            });
            return finder;
        });
        if (found != expected)
            out() << "discovery found " << found << " clocks, expected " << expected << "\n";
    }
    report(QStringLiteral("discovery of %1 clocks on one interface").arg(expected), samples);
}

void upload(int count)
{
    ClockConfig config;
    config.Server1 = QStringLiteral("ntp.example");
    config.loaded = true;
    QList<SenderTarget> targets;
    for (int i = 0; i < count; ++i)
        targets << clockTarget(i);
    QVector<double> samples;
    for (int i = 0; i < 5; ++i)
        samples << runSender([&] { return exchanges().setConfiguration(config, targets); });
    report(QStringLiteral("configuration upload to a group of %1 clocks (%2 exchanges)").arg(count).arg(3 * count),
           samples);
}

void download()
{
    QVector<double> samples;
    for (int i = 0; i < Rounds; ++i)
        samples << runSender([] { return exchanges().getConfiguration(clockTarget(0)); });
    report(QStringLiteral("full configuration download from one clock (3 exchanges)"), samples);
}

// When the request of a download reached the simulator, read from its log:
// milliseconds since the epoch, or -1.
qint64 loggedRequestTime(const QString &path, const QString &ip, qint64 notBefore)
{
    QFile log(qEnvironmentVariable("ZENTICK_CLOCKSIM_LOG"));
    if (!log.open(QIODevice::ReadOnly))
        return -1;
    qint64 found = -1;
    for (const QByteArray &line : log.readAll().split('\n')) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (entry.value("path").toString() != path || entry.value("local").toString() != ip)
            continue;
        const qint64 time = QDateTime::fromString(entry.value("time").toString(), Qt::ISODateWithMs).toMSecsSinceEpoch();
        if (time >= notBefore && (found < 0 || time < found))
            found = time;
    }
    return found;
}

// A user's download while the poller works through a fleet in which most
// clocks are silent: how long until its first request reaches the clock.
void downloadUnderPolls(int count, int target)
{
    ClockRegistry::resetForTest();
    for (int i = 0; i < count; ++i) {
        auto *clock = new DevClock;
        clock->network.ip = clockIp(i);
        clock->user = QStringLiteral("admin");
        clock->password = QStringLiteral("admin");
        clock->id = quint64(i + 1);
        ClockRegistry::instance()->addClock(clock);
    }
    HealthWriter health(*ClockRegistry::instance());
    ClockPoker poker(*ClockRegistry::instance(), health, exchanges());
    QEventLoop settle;
    QTimer::singleShot(3000, &settle, &QEventLoop::quit);
    settle.exec();
    QVector<double> samples;
    for (int i = 0; i < 10; ++i) {
        const qint64 asked = QDateTime::currentMSecsSinceEpoch();
        runSender([target] { return exchanges().getConfiguration(clockTarget(target)); });
        const qint64 reached = loggedRequestTime(QStringLiteral("/A"), clockIp(target), asked);
        samples << (reached < 0 ? -1 : double(reached - asked));
        QEventLoop pause;
        QTimer::singleShot(700, &pause, &QEventLoop::quit);
        pause.exec();
    }
    report(QStringLiteral("download while %1 clocks are polled, most of them silent: to its first request")
               .arg(count),
           samples);
    ClockRegistry::resetForTest();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString scenario = args.value(1);
    const int count = args.value(2).toInt();
    if (scenario == "poll-one")
        pollOne();
    else if (scenario == "poll-round" && count > 0)
        pollRound(count);
    else if (scenario == "discovery" && count > 0)
        discovery(count);
    else if (scenario == "upload" && count > 0)
        upload(count);
    else if (scenario == "download")
        download();
    else if (scenario == "download-under-polls" && count > 0)
        downloadUnderPolls(count, args.value(3).toInt());
    else {
        out() << "usage: bench_operations poll-one | poll-round N | discovery N | upload N | download\n"
                 "       | download-under-polls N TARGET-INDEX\n";
        return 2;
    }
    return 0;
}
