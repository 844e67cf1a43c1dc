// Prints how long a fleet audit takes against zentick-clocksim, next to the
// configuration downloads alone that it is built on; run in the "pc"
// namespace by bench/operations/run.sh.
#include "operations/audit/AuditChecks.h"
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "operations/audit/FleetAudit.h"
#include "operations/GetConfigurationSender.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
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
    double downloadsMs = 0; // until the status reads start
    double checksMs = 0;    // from the last status to the findings
    int findings = 0;
};

AuditRun audit()
{
    AuditRun run;
    FleetAudit audit(exchanges());
    audit.selectGroup(*ClockRegistry::instance(), 0);
    audit.setSiteZone(QTimeZone(SiteZone));
    QEventLoop loop;
    QElapsedTimer clock;
    const double downloadShare = 0.75; // three of the four exchanges per clock
    QObject::connect(&audit, &FleetAudit::updateProgress, &loop, [&](double value) {
        if (run.downloadsMs == 0 && value >= downloadShare - 1e-9)
            run.downloadsMs = clock.nsecsElapsed() / 1e6;
    });
    QObject::connect(&audit, &FleetAudit::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(TimeoutMs, &loop, &QEventLoop::quit);
    clock.start();
    audit.start();
    loop.exec();
    run.totalMs = clock.nsecsElapsed() / 1e6;
    run.findings = audit.findings().size();

    // The checks alone, on the answers just collected.
    QElapsedTimer checks;
    checks.start();
    const AuditChecks::Site site{QString::fromLatin1(SiteZone),
                                 OffsetTimeline::ofZone(audit.siteZone(), audit.referenceTime(), audit.spanEnd())};
    for (const AuditedClock &audited : audit.clocks())
        AuditChecks::check(audited, site);
    run.checksMs = checks.nsecsElapsed() / 1e6;
    return run;
}

double median(QVector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

void compare(int count)
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
    QVector<double> downloadPart;
    QVector<double> checks;
    int failures = 0;
    int findings = 0;
    for (int i = 0; i < Rounds; ++i) {
        alone << downloadsAlone(failures);
        const AuditRun run = audit();
        total << run.totalMs;
        downloadPart << run.downloadsMs;
        checks << run.checksMs;
        findings = run.findings;
    }
    const double a = median(alone);
    const double t = median(total);
    out() << "configuration downloads of " << count << " clocks alone: median " << QString::number(a, 'f', 1)
          << " ms (" << QString::number(a / count, 'f', 2) << " ms per clock, " << failures << " failed)\n";
    out() << "audit of " << count << " clocks: median " << QString::number(t, 'f', 1) << " ms, of which downloads "
          << QString::number(median(downloadPart), 'f', 1) << " ms and status reads "
          << QString::number(t - median(downloadPart), 'f', 1) << " ms (the checks alone "
          << QString::number(median(checks), 'f', 1) << " ms); " << QString::number(t / a, 'f', 2)
          << "x the downloads alone; " << findings << " findings over " << Rounds << " rounds\n";
    out().flush();
    ClockRegistry::resetForTest();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = app.arguments().value(1).toInt();
    if (count <= 0) {
        out() << "usage: bench_audit N\n";
        return 2;
    }
    compare(count);
    return 0;
}
