#include "MonitorCommand.h"

#include "AppSettings.h"
#include "CliSession.h"
#include "ClockPoker.h"
#include "ClockPrinter.h"
#include "ClockRegistry.h"
#include "AlertTrigger.h"
#include "DevClock.h"
#include "Reporter.h"
#include "SignalWatcher.h"

#include <QDateTime>
#include <QEventLoop>
#include <QJsonObject>

namespace {

const QString lineTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

} // namespace

MonitorCommand::MonitorCommand(CliSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
    m_saveTimer.setInterval(DefaultSaveIntervalMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &MonitorCommand::saveNow);
}

MonitorCommand::~MonitorCommand() = default;

int MonitorCommand::run()
{
    if (const int loaded = m_session.loadState())
        return loaded;
    const CliInvocation &in = m_session.invocation();
    if (in.hasOption(QStringLiteral("save-interval")))
        setSaveIntervalMs(in.intOption(QStringLiteral("save-interval"), DefaultSaveIntervalMs / 1000) * 1000);

    SignalWatcher signals_;
    if (!signals_.isWatching())
        return m_session.output().failed(QStringLiteral("Cannot watch for SIGINT and SIGTERM."));
    connect(&signals_, &SignalWatcher::received, this, &MonitorCommand::stop);

    AppSettings::loadRegistrySettings();
    if (ClockRegistry::instance()->clockCount() == 0)
        m_session.output().message(QStringLiteral("The device list is empty; nothing to poll."));

    m_reporter = std::make_unique<Reporter>();
    m_reporter->setEnabled(AppSettings::reportSettings().enabled);

    m_poker = std::make_unique<ClockPoker>();
    connect(m_poker.get(), &ClockPoker::ClockStatusUpdated, this, &MonitorCommand::SlotClockStatusUpdated);
    m_saveTimer.start();

    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    return m_exitStatus;
}

void MonitorCommand::SlotClockStatusUpdated(quint64 id)
{
    DevClock *clock = ClockRegistry::instance()->clockById(id);
    if (!clock)
        return;
    const auto shown = m_shownStatus.constFind(id);
    if (shown == m_shownStatus.constEnd() || shown.value() != clock->status.NtpSynchronization) {
        m_shownStatus.insert(id, clock->status.NtpSynchronization);
        printChange(*clock);
    }
    sendAlertIfDue(*clock);
}

void MonitorCommand::printChange(const DevClock &clock)
{
    const QString time = QDateTime::currentDateTime().toString(lineTimeFormat);
    const QString status = statusWithoutUpdateTime(clock);
    CliOutput &out = m_session.output();
    if (out.json()) {
        out.jsonLine({{QStringLiteral("time"), time},
                      {QStringLiteral("name"), clock.name},
                      {QStringLiteral("ip"), clock.network.ip},
                      {QStringLiteral("NtpSynchronization"), clock.status.NtpSynchronization},
                      {QStringLiteral("status"), status}});
    } else {
        out.line(QStringLiteral("%1  %2  %3  %4").arg(time, clock.name, clock.network.ip, status));
    }
}

QString MonitorCommand::statusWithoutUpdateTime(const DevClock &clock)
{
    QStringList lines = clock.statusText().split(QLatin1Char('\n'));
    if (clock.status.lastStatusUpdate.isValid() && !lines.isEmpty())
        lines.removeLast();
    lines.removeAll(QString());
    return lines.join(QStringLiteral("; "));
}

void MonitorCommand::saveNow()
{
    m_session.saveState();
}

void MonitorCommand::stop(int signalNumber)
{
    m_saveTimer.stop();
    m_poker.reset();
    m_reporter.reset();
    const bool saved = m_session.saveState();
    m_session.output().message(saved ? QStringLiteral("Stopped by signal %1; device list saved.").arg(signalNumber)
                                     : QStringLiteral("Stopped by signal %1.").arg(signalNumber));
    m_exitStatus = saved ? ExitSuccess : ExitFailed;
    if (m_loop)
        m_loop->quit();
}
