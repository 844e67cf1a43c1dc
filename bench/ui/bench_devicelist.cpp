// Prints how the device list page copes with a long list: the table shown
// (page built on a listed fleet, until its first frame is painted, and the
// resident memory it added), the filter typed one key at a time, "problems
// only", sorting by each column, and a poll round of every clock's status
// changing, announced in batches per event-loop turn as the poller delivers
// them (the longest event-loop stall), unsorted and then sorted by status
// under "problems only"; then the group page on the same list: built and
// entered until painted (the tree of every group's clocks), and a group's
// membership table sorted by name and by group. Run it on a display (xvfb-run) or offscreen:
//   QT_QPA_PLATFORM=offscreen build/bin/bench_devicelist [clocks] [batch] [round-ms]
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "notify/NotificationSettings.h"
#include "operations/Communication.h"
#include "session/MonitoringSession.h"
#include "ui/pages/PageDeviceList.h"
#include "ui/pages/PageGroupList.h"
#include "ui/dialogs/ScriptedDialogHost.h"
#include "tests/ui/StandaloneServices.h"
#include "ui/widgets/ThemeWidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QTableView>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int DefaultClocks = 10000;
// Status updates per event-loop turn: a poll round of 10 000 clocks every
// 11 s at the lane's width brings a few dozen per turn at most.
constexpr int DefaultBatch = 50;
// The poll pace: every answering clock once in 11 s.
constexpr int DefaultRoundMs = 11000;
// A frame at 60 Hz.
constexpr qint64 StallGoalNs = 16 * 1000 * 1000;
constexpr int Groups = 12;
constexpr int WindowWidth = 1280;
constexpr int WindowHeight = 800;
// Private addresses, one per clock: nothing here talks to them.
constexpr quint32 FirstAddress = 10u << 24;

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
            if (m_last > 0) {
                m_longest = qMax(m_longest, now - m_last);
                m_over += now - m_last > StallGoalNs ? 1 : 0;
            }
            m_last = now;
        });
    }
    void start()
    {
        m_longest = m_last = 0;
        m_over = 0;
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

public:
    // Gaps over the goal in the last run: one is a hiccup, many a pattern.
    int m_over = 0;
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
        clock->network.ip = QHostAddress(FirstAddress + quint32(i) + 1).toString();
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
    const int clockCount = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : DefaultClocks;
    const int batch = std::max(1, argc > 2 ? QString::fromLatin1(argv[2]).toInt() : DefaultBatch);

    ScriptedDialogHost dialogs;
    Communication exchanges;
    NotificationSettings alerts;
    MonitoringSession session{*ClockRegistry::instance(), exchanges, alerts};
    StandaloneServices alone(session, dialogs);
    listClocks(clockCount);
    app.processEvents();
    const long before = residentKb();

    // Shown: the page built on the listed fleet until its first frame.
    StallProbe probe;
    QElapsedTimer shown;
    shown.start();
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *page = new PageDeviceList(alone.services(), &window);
    layout->addWidget(page);
    window.resize(WindowWidth, WindowHeight);
    ThemeWidgets::applyTheme(&window);
    window.show();
    app.processEvents();
    const double shownMs = shown.nsecsElapsed() / 1e6;
    const long after = residentKb();
    out() << QStringLiteral("%1 clocks shown: %2 ms, resident memory %3 MB (+%4 MB for the page)\n")
                 .arg(clockCount)
                 .arg(shownMs, 0, 'f', 1)
                 .arg(after / 1024.0, 0, 'f', 1)
                 .arg((after - before) / 1024.0, 0, 'f', 1);
    out().flush();

    // Each change until the table has been painted again.
    const auto timed = [&](const std::function<void()> &change) {
        QElapsedTimer one;
        one.start();
        change();
        app.processEvents();
        return one.nsecsElapsed() / 1e6;
    };
    auto *filter = window.findChild<QLineEdit *>(QStringLiteral("ledDeviceFilter"));
    auto *problems = window.findChild<QCheckBox *>(QStringLiteral("cbxProblemsOnly"));
    const QString typed = QStringLiteral("Clock 99");
    double longestKey = 0;
    double allKeys = 0;
    for (int i = 1; i <= typed.size(); ++i) {
        const double ms = timed([&] { filter->setText(typed.left(i)); });
        longestKey = std::max(longestKey, ms);
        allKeys += ms;
    }
    for (int i = typed.size() - 1; i >= 0; --i) {
        const double ms = timed([&] { filter->setText(typed.left(i)); });
        longestKey = std::max(longestKey, ms);
        allKeys += ms;
    }
    out() << QStringLiteral("filter \"%1\" typed and erased key by key: mean %2 ms, longest %3 ms per key\n")
                 .arg(typed)
                 .arg(allKeys / (2 * typed.size()), 0, 'f', 1)
                 .arg(longestKey, 0, 'f', 1);
    out() << QStringLiteral("problems only on: %1 ms, off: %2 ms\n")
                 .arg(timed([&] { problems->setChecked(true); }), 0, 'f', 1)
                 .arg(timed([&] { problems->setChecked(false); }), 0, 'f', 1);
    QTableView *table = page->table();
    for (const int column : {int(PageDeviceList::NameColumn), int(PageDeviceList::IpColumn),
                             int(PageDeviceList::StatusColumn), int(PageDeviceList::GroupColumn)}) {
        const QString header = table->model()->headerData(column, Qt::Horizontal).toString();
        out() << QStringLiteral("sort by %1: %2 ms\n")
                     .arg(header)
                     .arg(timed([&] { table->sortByColumn(column, Qt::AscendingOrder); }), 0, 'f', 1);
    }
    out().flush();

    // Every clock's status changes once; a batch a turn of the event loop,
    // spread over the poll pace as the poller spreads its answers (the third
    // argument: the round's length in ms; 0 delivers as fast as it can).
    const QList<DevClock *> clocks = ClockRegistry::instance()->clocks();
    const int roundMs = argc > 3 ? QString::fromLatin1(argv[3]).toInt() : DefaultRoundMs;
    const int paceMs = int(qint64(roundMs) * batch / std::max(1, int(clocks.size())));
    const auto pollRound = [&](const QString &what) {
        int next = 0;
        double longestBatch = 0.0;
        std::function<void()> deliver = [&] {
            QElapsedTimer one;
            one.start();
            for (int end = std::min(next + batch, int(clocks.size())); next < end; ++next) {
                DevClock *clock = clocks.at(next);
                clock->status.NtpSynchronization = clock->ntpSeverity() == 0 ? NtpNoConnection : NtpSynchronized;
                session.notifyStatusUpdated(clock->id);
            }
            longestBatch = std::max(longestBatch, one.nsecsElapsed() / 1e6);
            if (next < clocks.size())
                QTimer::singleShot(paceMs, deliver);
        };
        probe.start();
        QElapsedTimer poll;
        poll.start();
        QTimer::singleShot(paceMs, deliver);
        runUntil([&] { return next >= clocks.size(); });
        app.processEvents();
        const double stall = probe.stop();
        out() << QStringLiteral("poll round of %1 clocks, %2 a turn every %3 ms, %4: %5 ms, longest stall %6 ms "
                                "(%8 over 16 ms), longest batch %7 ms\n")
                     .arg(clocks.size())
                     .arg(batch)
                     .arg(paceMs)
                     .arg(what)
                     .arg(poll.nsecsElapsed() / 1e6, 0, 'f', 1)
                     .arg(stall, 0, 'f', 1)
                     .arg(longestBatch, 0, 'f', 2)
                     .arg(probe.m_over);
        out().flush();
    };
    table->sortByColumn(-1, Qt::AscendingOrder);
    app.processEvents();
    pollRound(QStringLiteral("list order"));
    table->sortByColumn(PageDeviceList::StatusColumn, Qt::AscendingOrder);
    problems->setChecked(true);
    app.processEvents();
    pollRound(QStringLiteral("sorted by status, problems only"));

    // The group page: its tree holds every grouped clock, its table is the
    // same clock list's model.
    QWidget groupWindow;
    auto *groupLayout = new QVBoxLayout(&groupWindow);
    PageGroupList *groupPage = nullptr;
    const double groupShownMs = timed([&] {
        groupPage = new PageGroupList(alone.services(), &groupWindow);
        groupLayout->addWidget(groupPage);
        groupWindow.resize(WindowWidth, WindowHeight);
        ThemeWidgets::applyTheme(&groupWindow);
        groupWindow.show();
        groupPage->enter();
    });
    out() << QStringLiteral("group page (%1 groups) built and entered: %2 ms, rebuilt: %3 ms\n")
                 .arg(Groups)
                 .arg(groupShownMs, 0, 'f', 1)
                 .arg(timed([&] { groupPage->BuildGroupTree(); }), 0, 'f', 1);
    auto *groupTable = groupWindow.findChild<QTableView *>(QStringLiteral("twdGroupDeviceList"));
    for (const int column : {int(PageDeviceList::NameColumn), int(PageDeviceList::GroupColumn)}) {
        out() << QStringLiteral("group page sorted by %1: %2 ms\n")
                     .arg(groupTable->model()->headerData(column, Qt::Horizontal).toString())
                     .arg(timed([&] { groupTable->sortByColumn(column, Qt::AscendingOrder); }), 0, 'f', 1);
    }
    out() << QStringLiteral("resident memory at the end: %1 MB\n").arg(residentKb() / 1024.0, 0, 'f', 1);
    return 0;
}
