// Prints how long a fleet audit takes against zentick-clocksim, next to the
// configuration downloads alone that it is built on, and the most memory it
// takes over what the bench holds before; run in the "pc" namespace by
// bench/operations/run.sh.
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "operations/audit/FleetAudit.h"
#include "operations/GetConfigurationSender.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

const char FirstClock[] = "192.168.0.10";
const int AddressesOnTheNetwork = 245;
const int Rounds = 5;
const int TimeoutMs = 600000;
const char SiteZone[] = "Europe/Warsaw";

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

// Every clock in one group whose configuration is the simulator's factory
// one, so the drift check compares every field of every clock.
void listClocks(int count)
{
    ClockRegistry::resetForTest();
    ClockRegistry *registry = ClockRegistry::instance();
    DevGroup *group = registry->createGroup(QStringLiteral("All"));
    QList<int> members;
    for (int i = 0; i < count; ++i) {
        auto *clock = new DevClock;
        clock->network.ip = QHostAddress(QHostAddress(QString::fromLatin1(FirstClock)).toIPv4Address()
                                         + quint32(i % AddressesOnTheNetwork))
                                .toString();
        clock->firmware = 305;
        clock->user = clock->password = QStringLiteral("admin");
        clock->id = quint64(i + 1);
        registry->addClock(clock);
        members << i;
    }
    group->setClockIndexes(members);
}

// Milliseconds until every download has ended; failures counted.
double downloadsAlone(int &failures)
{
    QEventLoop loop;
    int pending = ClockRegistry::instance()->clockCount();
    failures = 0;
    QElapsedTimer clock;
    clock.start();
    for (DevClock *listed : ClockRegistry::instance()->clocks()) {
        DataSender *sender = exchanges().getConfiguration(SenderTarget::fromClock(*listed));
        auto ended = [&](DataSender *s) {
            if (s->result() != DataSender::Succeeded)
                ++failures;
            if (--pending == 0)
                loop.quit();
        };
        QObject::connect(sender, &DataSender::finished, &loop, ended);
        QObject::connect(sender, &DataSender::error, &loop, ended);
    }
    QTimer::singleShot(TimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return clock.nsecsElapsed() / 1e6;
}

struct AuditRun
{
    double totalMs = 0;
    double peakMb = 0; // resident memory at most, over what the bench held before
    int mostInFlight = 0;
    int findings = 0;
};

// Resident memory in kB: now (VmRSS) or at most since the last reset (VmHWM).
long residentKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// "5" starts the high-water mark of resident memory afresh (Linux 4.0 on).
bool resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

AuditRun audit(int window)
{
    AuditRun run;
    FleetAudit audit(exchanges());
    audit.selectGroup(*ClockRegistry::instance(), 0);
    audit.setSiteZone(QTimeZone(SiteZone));
    audit.setWindow(window);
    QEventLoop loop;
    QElapsedTimer clock;
    QObject::connect(&audit, &FleetAudit::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(TimeoutMs, &loop, &QEventLoop::quit);
    const long before = residentKb("VmRSS:");
    const bool reset = resetPeakMemory();
    clock.start();
    audit.start();
    loop.exec();
    run.totalMs = clock.nsecsElapsed() / 1e6;
    run.peakMb = reset ? (residentKb("VmHWM:") - before) / 1024.0 : -1;
    run.mostInFlight = audit.mostClocksInFlight();
    run.findings = audit.findings().size();
    return run;
}

double median(QVector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

void compare(int count, int window)
{
    listClocks(count);
    // The group's configuration: the factory one, read from the first clock.
    QEventLoop loop;
    auto *first = exchanges().getConfiguration(
        SenderTarget::fromClock(*ClockRegistry::instance()->clockAt(0)));
    QObject::connect(first, &DataSender::finished, &loop, [&] {
        ClockRegistry::instance()->groupAt(0)->setConfig(first->downloadedClock()->config());
        loop.quit();
    });
    QObject::connect(first, &DataSender::error, &loop, &QEventLoop::quit);
    loop.exec();

    QVector<double> alone;
    QVector<double> total;
    int failures = 0;
    AuditRun firstRun;
    AuditRun last;
    for (int i = 0; i < Rounds; ++i) {
        // The audit first: memory that the downloads alone free stays with
        // the process and would hide what the audit takes.
        last = audit(window);
        if (i == 0)
            firstRun = last;
        total << last.totalMs;
        alone << downloadsAlone(failures);
    }
    const double a = median(alone);
    const double t = median(total);
    out() << "configuration downloads of " << count << " clocks alone: median " << QString::number(a, 'f', 1)
          << " ms (" << QString::number(a / count, 'f', 2) << " ms per clock, " << failures << " failed)\n";
    out() << "audit of " << count << " clocks, window " << window << ": median " << QString::number(t, 'f', 1)
          << " ms, " << QString::number(t / a, 'f', 2) << "x the downloads alone; resident memory at most "
          << QString::number(firstRun.peakMb, 'f', 1) << " MB over the bench's own (the first round); at most "
          << last.mostInFlight << " clocks under way at once; " << last.findings << " findings\n";
    out().flush();
    ClockRegistry::resetForTest();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = app.arguments().value(1).toInt();
    const int window = app.arguments().size() > 2 ? app.arguments().at(2).toInt() : FleetAudit::DefaultWindow;
    if (count <= 0 || window <= 0) {
        out() << "usage: bench_audit N [WINDOW]\n";
        return 2;
    }
    compare(count, window);
    return 0;
}
