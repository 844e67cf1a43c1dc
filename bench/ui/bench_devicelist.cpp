// Prints how the device list page copes with a long list: the progressive
// fill of 1000 clocks (total time, the longest event-loop stall, resident
// memory it added) and a poll round of 300 clocks re-rendering their rows
// (the longest stall). Run it on a display (xvfb-run) or offscreen:
//   xvfb-run -a build-rel/bin/bench_devicelist [fill-clocks] [poll-clocks]
#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "MonitoringSession.h"
#include "PageDeviceList.h"
#include "ScriptedDialogHost.h"
#include "StandaloneServices.h"
#include "ThemeWidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int DefaultFillClocks = 1000;
constexpr int DefaultPollClocks = 300;
constexpr int Groups = 12;
constexpr int WindowWidth = 1280;
constexpr int WindowHeight = 800;
// Addresses from the documentation range: nothing here talks to them.
constexpr quint32 FirstAddress = (192u << 24) | (0u << 16) | (2u << 8);

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    }
    return 0;
}

// The longest gap between two turns of the event loop while it runs.
class StallProbe
{
public:
    StallProbe()
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            if (m_last > 0)
                m_longest = qMax(m_longest, now - m_last);
            m_last = now;
        });
    }
    void start()
    {
        m_longest = m_last = 0;
        m_clock.start();
        m_timer.start();
    }
    double stop()
    {
        m_timer.stop();
        return m_longest / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

void listClocks(int count)
{
    ClockRegistry::resetForTest();
    ClockRegistry *registry = ClockRegistry::instance();
    for (int g = 0; g < Groups; ++g)
        registry->createGroup(QStringLiteral("Floor %1").arg(g + 1));
    for (int i = 0; i < count; ++i) {
        auto *clock = new DevClock;
        clock->name = QStringLiteral("Clock %1").arg(i + 1);
        clock->network.ip = QHostAddress(FirstAddress + quint32(i % 250) + 1).toString();
        clock->firmware = 305;
        clock->status.NtpSynchronization = i % 4 == 0 ? NtpTimeout : NtpSynchronized;
        clock->status.lastNtpServer = QStringLiteral("pool.ntp.org");
        clock->status.lastSyncTime = QStringLiteral("10:00:00");
        registry->addClock(clock);
        registry->setClockGroup(i, i % (Groups + 1) - 1);
    }
}

void runUntil(const std::function<bool()> &done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const int fillClocks = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : DefaultFillClocks;
    const int pollClocks = argc > 2 ? QString::fromLatin1(argv[2]).toInt() : DefaultPollClocks;

    ScriptedDialogHost dialogs;
    MonitoringSession session{*ClockRegistry::instance()};
    StandaloneServices alone(session, dialogs);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *page = new PageDeviceList(alone.services(), &window);
    layout->addWidget(page);
    window.resize(WindowWidth, WindowHeight);
    ThemeWidgets::applyTheme(&window);
    window.show();
    app.processEvents();

    listClocks(fillClocks);
    const long before = residentKb();
    StallProbe probe;
    QElapsedTimer fill;
    probe.start();
    fill.start();
    page->StartProgressiveFill();
    runUntil([page] { return !page->isFilling(); });
    // The first paint of the filled table belongs to the fill.
    app.processEvents();
    const double fillMs = fill.nsecsElapsed() / 1e6;
    const double fillStall = probe.stop();
    const long after = residentKb();
    out() << QStringLiteral("fill of %1 clocks: %2 ms, longest stall %3 ms, resident memory %4 MB (+%5 MB)\n")
                 .arg(fillClocks)
                 .arg(fillMs, 0, 'f', 1)
                 .arg(fillStall, 0, 'f', 1)
                 .arg(after / 1024.0, 0, 'f', 1)
                 .arg((after - before) / 1024.0, 0, 'f', 1);
    out().flush();

    // Typing into the filter and ticking "problems only", each until the
    // table has been painted again.
    const auto timed = [&](const QString &what, const std::function<void()> &change) {
        QElapsedTimer one;
        one.start();
        change();
        app.processEvents();
        out() << QStringLiteral("%1: %2 ms\n").arg(what).arg(one.nsecsElapsed() / 1e6, 0, 'f', 1);
    };
    auto *filter = window.findChild<QLineEdit *>(QStringLiteral("ledDeviceFilter"));
    auto *problems = window.findChild<QCheckBox *>(QStringLiteral("cbxProblemsOnly"));
    if (filter && problems) {
        timed(QStringLiteral("filter \"Clock 99\""), [filter] { filter->setText(QStringLiteral("Clock 99")); });
        timed(QStringLiteral("filter cleared"), [filter] { filter->clear(); });
        timed(QStringLiteral("problems only"), [problems] { problems->setChecked(true); });
        timed(QStringLiteral("problems only off"), [problems] { problems->setChecked(false); });
    }
    out().flush();

    // One clock per turn of the event loop, as the poller delivers them.
    const QList<DevClock *> clocks = ClockRegistry::instance()->clocks();
    int next = 0;
    double longestUpdate = 0.0;
    std::function<void()> update = [&] {
        DevClock *clock = clocks.at(next % clocks.size());
        clock->status.NtpSynchronization = clock->ntpSeverity() == 0 ? NtpNoConnection : NtpSynchronized;
        QElapsedTimer one;
        one.start();
        session.notifyStatusUpdated(clock->id);
        longestUpdate = qMax(longestUpdate, one.nsecsElapsed() / 1e6);
        if (++next < pollClocks)
            QTimer::singleShot(0, update);
    };
    probe.start();
    QElapsedTimer poll;
    poll.start();
    QTimer::singleShot(0, update);
    runUntil([&] { return next >= pollClocks; });
    app.processEvents();
    const double pollStall = probe.stop();
    out() << QStringLiteral("poll round of %1 clocks: %2 ms, longest stall %3 ms, longest row update %4 ms\n")
                 .arg(pollClocks)
                 .arg(poll.nsecsElapsed() / 1e6, 0, 'f', 1)
                 .arg(pollStall, 0, 'f', 1)
                 .arg(longestUpdate, 0, 'f', 2);
    return 0;
}
