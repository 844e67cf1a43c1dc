#include "cli/MonitorCommand.h"

#include "cli/CliCommandLine.h"
#include "cli/CliSession.h"
#include "cli/DailyAudit.h"
#include "cli/SignalWatcher.h"
#include "monitor/Monitor.h"
#include "monitor/MonitorOutput.h"

#include <QTimeZone>

namespace {

// The monitor's lines on zentick-cli's standard output and error.
class CliMonitorOutput : public MonitorOutput
{
public:
    explicit CliMonitorOutput(CliOutput &out)
        : m_out(out)
    {
    }
    bool json() const override { return m_out.json(); }
    void line(const QString &text) override { m_out.line(text); }
    void jsonLine(const QJsonObject &object) override { m_out.jsonLine(object); }
    void message(const QString &text) override { m_out.message(text); }

private:
    CliOutput &m_out;
};

std::optional<QString> optionIfGiven(const CliInvocation &in, const QString &name)
{
    return in.hasOption(name) ? std::optional<QString>(in.options.value(name)) : std::nullopt;
}

} // namespace

MonitorCommand::MonitorCommand(CliSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
}

int MonitorCommand::run()
{
    const CliInvocation &in = m_session.invocation();
    Monitor::Options options;
    if (in.hasOption(QStringLiteral("save-interval")))
        options.autosaveSeconds =
            in.intOption(QStringLiteral("save-interval"), MonitoringSession::defaultAutosaveSeconds);
    if (in.hasOption(QStringLiteral("mail")))
        options.mail = in.option(QStringLiteral("mail")) == QLatin1String("on");
    options.metrics = optionIfGiven(in, QStringLiteral("metrics"));
    options.board = optionIfGiven(in, QStringLiteral("board"));
    options.boardTokenFile = optionIfGiven(in, QStringLiteral("board-token-file"));
    options.boardHosts = in.option(QStringLiteral("board-host")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (in.hasOption(QStringLiteral("site-zone")))
        options.siteZone = QTimeZone(in.option(QStringLiteral("site-zone")).toUtf8());
    options.scheduledAudit = [this]() -> std::unique_ptr<ScheduledAudit> {
        return DailyAudit::fromInvocation(m_session.registry(), m_session.exchanges(), m_session.alerts(),
                                          m_session.invocation(), m_session.output());
    };
    CliMonitorOutput output(m_session.output());
    Monitor monitor(m_session.registry(), m_session.exchanges(), m_session.alerts(), output, std::move(options));

    // Watch for stop signals before the lock file appears: a service manager
    // may send SIGTERM as soon as it sees the lock, and the default action
    // would end the process without saving. A signal that arrives early waits
    // in the watcher's pipe until the monitor's event loop runs.
    SignalWatcher signals_;
    if (!signals_.isWatching())
        return m_session.output().failed(tr("Cannot watch for SIGINT and SIGTERM."));
    connect(&signals_, &SignalWatcher::received, &monitor, &Monitor::stop);
    return monitor.run() ? ExitSuccess : ExitFailed;
}
