#include "cli/CliApplication.h"

#include "core/AppSettings.h"
#include "cli/AuditCommand.h"
#include "cli/ChangeCommand.h"
#include "cli/ClockCommands.h"
#include "cli/CliCommandLine.h"
#include "cli/CliOutput.h"
#include "cli/CliSession.h"
#include "cli/CommissionCommands.h"
#include "core/Language.h"
#include "cli/MailCommands.h"
#include "cli/MonitorCommand.h"
#include "cli/QuietCommands.h"
#include "cli/ReportCommands.h"
#include "cli/SearchCommands.h"
#include "cli/StateCommands.h"
#include "notify/NotificationSettings.h"
#include "operations/Communication.h"

namespace CliApplication {

namespace {

int dispatch(CliSession &session)
{
    switch (session.invocation().command) {
    case CliCommand::Help:
        break;
    case CliCommand::Version:
        session.output().line(QStringLiteral("zentick-cli ") + QLatin1String(ZENTICK_VERSION));
        return ExitSuccess;
    case CliCommand::Credentials:
        return ClockCommands::credentials(session);
    case CliCommand::Discover:
        return SearchCommands::discover(session);
    case CliCommand::List:
        return StateCommands::list(session);
    case CliCommand::Add:
        return StateCommands::add(session);
    case CliCommand::Remove:
        return StateCommands::remove(session);
    case CliCommand::Status:
        return ClockCommands::status(session);
    case CliCommand::ConfigGet:
        return ClockCommands::configGet(session);
    case CliCommand::ConfigSet:
        return ClockCommands::configSet(session);
    case CliCommand::ConfigShow:
        return StateCommands::configShow(session);
    case CliCommand::Name:
        return ClockCommands::name(session);
    case CliCommand::Network:
        return ClockCommands::network(session);
    case CliCommand::Password:
        return ClockCommands::password(session);
    case CliCommand::ResolveConflicts:
        return SearchCommands::resolveConflicts(session);
    case CliCommand::TestMail:
        return MailCommands::testMail(session);
    case CliCommand::Monitor: {
        MonitorCommand monitor(session);
        return monitor.run();
    }
    case CliCommand::Audit:
        return AuditCommand::audit(session);
    case CliCommand::Change:
        return ChangeCommand::change(session);
    case CliCommand::Mute:
        return QuietCommands::mute(session);
    case CliCommand::Unmute:
        return QuietCommands::unmute(session);
    case CliCommand::Events:
        return QuietCommands::events(session);
    case CliCommand::ReportAvailability:
        return ReportCommands::availability(session);
    case CliCommand::AddRange:
        return CommissionCommands::addRange(session);
    case CliCommand::Import:
        return CommissionCommands::importPlan(session);
    }
    session.output().line(CliCommandLine::usage(session.invocation().helpFor));
    return ExitSuccess;
}

} // namespace

int run(ClockRegistry &registry, const QStringList &arguments, bool progressOnTerminal)
{
    CliInvocation invocation;
    QString error;
    const bool parsed = CliCommandLine::parse(arguments, invocation, error);
    CliOutput output(invocation.json);
    if (!parsed && arguments.isEmpty()) {
        // Nothing asked: the commands are the answer, still a usage error.
        output.message(CliCommandLine::usage());
        return ExitUsage;
    }
    if (!parsed) {
        // One line and a pointer to the help: the whole usage would bury the reason.
        output.message(QStringLiteral("zentick-cli: ") + error);
        output.message(CliCommandLine::tryHelp(invocation.commandName));
        return ExitUsage;
    }
    // The monitor's mails and report in the site's language; every printed
    // text stays English.
    Language language;
    if (LanguageManager::languageForCode(invocation.options.value(QStringLiteral("language")), &language))
        LanguageManager::installCatalogue(language);
    // The exchanges and alert settings of the run, beside the list.
    Communication exchanges;
    NotificationSettings alerts;
    exchanges.workers().configure(
        invocation.intOption(QStringLiteral("parallel"),
                             AppSettings::parallelExchanges(CliCommandLine::defaultParallel(invocation.command))),
        AppSettings::pollCeiling(ExchangeSchedule::DefaultPollCeiling));
    CliSession session(registry, exchanges, alerts, invocation, output, progressOnTerminal);
    int status = dispatch(session);
    // A change the history did not take is no silent success.
    if (!session.recordedChanges() && status == ExitSuccess)
        status = ExitFailed;
    // A command stopped by a signal leaves exchanges running; they end within
    // their waits, and the process must not end under them (their sockets
    // need what the toolkit tears down at exit).
    exchanges.workers().waitForDone(-1);
    return status;
}

} // namespace CliApplication
