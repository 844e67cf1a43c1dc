#include "core/AppSettings.h"
#include "model/ClockRegistry.h"
#include "notify/NotificationSettings.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "core/Language.h"
#include "ui/dialogs/ModalDialogHost.h"
#include "session/MonitoringSession.h"
#include "ui/services/PageServices.h"
#include "ui/window/Startup.h"
#include "persistence/StateFile.h"
#include "tests/persistence/StateSamples.h"
#include "ui/window/WindowMain.h"
#include "persistence/XmlFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

// Start-up of the window on the persistence bench's list of 1000 clocks:
// the state file's save and load, the window's construction (which loads
// the list), its first painted frame, and the longest time the event loop
// did not turn from then until a few seconds after the device table was
// filled (the fill and the first polls run in that time). Prints figures;
// never a pass or a fail.
//
// Offscreen unless QT_QPA_PLATFORM names another platform (for example xcb
// under xvfb-run). The clocks sit on loopback addresses nobody serves and
// alerts are off, so nothing the window does leaves the machine.

namespace {

constexpr int defaultClockCount = 1000;
// The first argument, when given: a larger site; the second: how many of its
// clocks carry a downloaded configuration (all unless given; 10 000 with one
// each make a state file of 73 MB).
int clockCount = defaultClockCount;
int configuredCount = -1;
constexpr int groupCount = 20;
constexpr int recipientCount = 10;
// The pulse the event loop is watched with.
constexpr int tickMs = 2;
// Watched this long after the table is filled (or after the first frame when
// the table shows no loading state).
constexpr int settleMs = 3000;
constexpr int longestWatchMs = 60000;
// The goals for 1000 clocks, and for a site of 10 000 or more.
constexpr qint64 loadSaveGoalMs = 500;
constexpr qint64 firstPaintGoalMs = 1000;
constexpr int largeSite = 10000;
constexpr qint64 largeLoadSaveGoalMs = 2000;
constexpr qint64 largeFirstPaintGoalMs = 2000;
constexpr qint64 stallGoalMs = 50;

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Notes the first paint of the window.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(const QElapsedTimer &clock) : m_clock(clock) {}
    double atMs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && atMs < 0)
            atMs = msSince(m_clock);
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer &m_clock;
};

// From the first frame on, the longest gap between two turns of the event
// loop and how many gaps passed the goal.
class StallWatch : public QObject
{
public:
    StallWatch(const QElapsedTimer &clock, const FirstPaint &paint, QWidget *loading)
        : m_clock(clock), m_paint(paint), m_loading(loading)
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        m_tick.setInterval(tickMs);
        connect(&m_tick, &QTimer::timeout, this, &StallWatch::onTick);
        m_tick.start();
    }

    double longestMs = 0;
    int overGoal = 0;
    double filledAtMs = -1;
    double watchedMs = 0;

private:
    void onTick()
    {
        const double now = msSince(m_clock);
        if (m_paint.atMs < 0)
            return;
        if (m_lastMs >= 0) {
            const double stall = now - m_lastMs - tickMs;
            longestMs = std::max(longestMs, stall);
            overGoal += stall > stallGoalMs ? 1 : 0;
        }
        m_lastMs = now;
        if (filledAtMs < 0 && (!m_loading || !m_loading->isVisible()))
            filledAtMs = now;
        const double from = filledAtMs >= 0 ? filledAtMs : m_paint.atMs;
        if (now - from >= settleMs || now - m_paint.atMs >= longestWatchMs) {
            watchedMs = now - m_paint.atMs;
            m_tick.stop();
            QCoreApplication::quit();
        }
    }

    const QElapsedTimer &m_clock;
    const FirstPaint &m_paint;
    QWidget *m_loading;
    QTimer m_tick;
    double m_lastMs = -1;
};

// The persistence bench's sample, made safe to start a window on.
StateSamples::Sample startupSample()
{
    StateSamples::Sample sample = StateSamples::large(clockCount, groupCount, recipientCount);
    for (size_t i = 0; i < sample.lists.clocks.size(); ++i) {
        sample.lists.clocks[i]->network.ip = QStringLiteral("127.255.%1.%2").arg(i / 250).arg(i % 250 + 1);
        if (configuredCount >= 0 && int(i) >= configuredCount)
            sample.lists.clocks[i]->config().loaded = false;
    }
    sample.settings.errorConnection = false;
    sample.settings.errorAuth = false;
    sample.settings.errorNtpTimeout = false;
    return sample;
}

} // namespace

int main(int argc, char *argv[])
{
    // Settings and list of our own: the bench never touches a user's.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc > 1)
        clockCount = std::max(1, QString::fromLatin1(argv[1]).toInt());
    if (argc > 2)
        configuredCount = std::max(0, QString::fromLatin1(argv[2]).toInt());
    LanguageManager::setupAtStartup();

    const StateSamples::Sample sample = startupSample();
    const QString path = AppSettings::stateFilePath();
    QElapsedTimer clock;
    clock.start();
    if (!StateFile::save(path, sample.clocks(), sample.groups(), sample.settings))
        return 1;
    const double saveMs = msSince(clock);
    clock.start();
    QByteArray data;
    StateFile::Lists lists;
    NotificationSettings settings;
    QString why;
    if (!XmlFile::readData(path, data, &why, XmlFile::maxStateFileSize) || !StateFile::parse(data, lists, settings)) {
        std::printf("the state file of %d clocks (%lld bytes) does not load: %s\n", clockCount,
                    static_cast<long long>(QFileInfo(path).size()), qPrintable(why));
        return 1;
    }
    const double loadMs = msSince(clock);
    lists = StateFile::Lists();

    clock.start();
    ModalDialogHost dialogs;
    Communication exchanges;
    NotificationSettings alerts;
    MonitoringSession session{*ClockRegistry::instance(), exchanges, alerts};
    if (!session.acquireLock())
        return 1;
    // As the program starts: the list loaded and the session started, then
    // the services and the window.
    Startup(session, dialogs).startSession();
    PageServices services(*ClockRegistry::instance(), exchanges, session, dialogs);
    WindowMain window(services);
    const double constructedMs = msSince(clock);
    FirstPaint paint(clock);
    window.installEventFilter(&paint);
    StallWatch watch(clock, paint, window.findChild<QWidget *>(QStringLiteral("wdtDeviceListLoad")));
    window.show();
    app.exec();

    std::printf("platform %s, state file %lld bytes, %d clocks, %d with configurations\n",
                qPrintable(QGuiApplication::platformName()), static_cast<long long>(data.size()), clockCount,
                configuredCount < 0 ? clockCount : std::min(configuredCount, clockCount));
    std::printf("%-48s %8.1f ms\n", "state file save", saveMs);
    std::printf("%-48s %8.1f ms\n", "state file load", loadMs);
    std::printf("%-48s %8.1f ms   (goal %lld ms)\n", "load and save", loadMs + saveMs,
                static_cast<long long>(clockCount >= largeSite ? largeLoadSaveGoalMs : loadSaveGoalMs));
    std::printf("%-48s %8.1f ms\n", "window constructed (the list loaded)", constructedMs);
    std::printf("%-48s %8.1f ms   (goal %lld ms)\n", "first painted frame", paint.atMs,
                static_cast<long long>(clockCount >= largeSite ? largeFirstPaintGoalMs : firstPaintGoalMs));
    if (window.findChild<QWidget *>(QStringLiteral("wdtDeviceListLoad")))
        std::printf("%-48s %8.1f ms\n", "device table filled", watch.filledAtMs);
    std::printf("%-48s %8.1f ms   (goal %lld ms; %d over it in %.0f ms watched)\n",
                "longest event-loop stall after the first frame", watch.longestMs,
                static_cast<long long>(stallGoalMs), watch.overGoal, watch.watchedMs);
    // Leaves the list to the temporary folder as a real close would.
    session.stop();
    return 0;
}
