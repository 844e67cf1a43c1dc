#include "cli/ChangeCommand.h"

#include "cli/ChangeReport.h"
#include "cli/CliSession.h"
#include "cli/ClockSelection.h"
#include "cli/Confirmation.h"
#include "cli/SignalWatcher.h"
#include "core/AppSettings.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "operations/change/ChangeRun.h"
#include "operations/change/ConfigFieldAccess.h"
#include "operations/change/WaveRule.h"
#include "persistence/ChangeRunFile.h"
#include "persistence/ClockEvent.h"
#include "persistence/ConfigurationFileActions.h"
#include "persistence/ConfigurationFiles.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>

namespace ChangeCommand {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ChangeCommand", text);
}

const QString optionSet = QStringLiteral("set");
const QString optionFrom = QStringLiteral("from");
const QString optionOnly = QStringLiteral("only");
const QString optionAlign = QStringLiteral("align");
const QString optionResume = QStringLiteral("resume");
const QString optionGroup = QStringLiteral("group");
const QString optionAll = QStringLiteral("all");
const QString optionPlan = QStringLiteral("plan");

// --set FIELD=VALUE..., --from FILE --only FIELD,... or --align; ExitSuccess
// or the exit status of the fault, said.
int readRecipe(CliSession &session, ChangeRecipe &recipe)
{
    const CliInvocation &in = session.invocation();
    const int given = int(in.hasOption(optionSet)) + int(in.hasOption(optionFrom)) + int(in.hasOption(optionAlign));
    if (given != 1)
        return session.usageError(tr("change: give one of --set FIELD=VALUE, --from FILE --only FIELD,... or --align"));
    if (in.hasOption(optionOnly) != in.hasOption(optionFrom))
        return session.usageError(tr("change: --from and --only go together"));
    if (in.hasOption(optionAlign)) {
        recipe.kind = ChangeRecipe::Kind::Align;
        recipe.siteZone = in.hasOption(QStringLiteral("site-zone")) ? in.option(QStringLiteral("site-zone"))
                                                                   : QString::fromUtf8(AppSettings::siteZone().id());
        return ExitSuccess;
    }
    recipe.kind = ChangeRecipe::Kind::Set;
    ClockConfigFields probe;
    if (in.hasOption(optionSet)) {
        for (const QString &entry : in.option(optionSet).split(QLatin1Char('\n'))) {
            const int equals = entry.indexOf(QLatin1Char('='));
            const QString field = ConfigFieldAccess::canonicalName(entry.left(equals));
            if (equals <= 0 || field.isEmpty())
                return session.usageError(tr("change: --set %1: expected FIELD=VALUE with a field of the "
                                             "configuration file (Server1, Brightness, Alarm2.Time, ...)")
                                              .arg(entry));
            QString why;
            if (!ConfigFieldAccess::set(probe, field, entry.mid(equals + 1), &why))
                return session.usageError(QStringLiteral("change: --set ") + why);
            recipe.values.append({field, entry.mid(equals + 1)});
        }
        return ExitSuccess;
    }
    const QString path = in.option(optionFrom);
    if (const int missing = session.requireInputFile(path))
        return missing;
    QString why;
    const std::unique_ptr<ClockConfig> file = ConfigurationFiles::openConfiguration(path, &why);
    if (!file) {
        const auto texts = ConfigurationFileActions::texts(ConfigurationFileActions::Action::Open);
        return session.output().failed(QStringLiteral("%1: %2 (%3)").arg(texts.failure, path, why));
    }
    for (const QString &name : in.option(optionOnly).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList fields = ConfigFieldAccess::expand(name);
        if (fields.isEmpty())
            return session.usageError(tr("change: --only: there is no field %1").arg(name.trimmed()));
        for (const QString &field : fields) {
            const QString value = ConfigFieldAccess::text(*file, field);
            if (!ConfigFieldAccess::set(probe, field, value, &why))
                return session.output().failed(path + QStringLiteral(": ") + why);
            recipe.values.append({field, value});
        }
    }
    if (recipe.values.isEmpty())
        return session.usageError(tr("change: --only names no field"));
    return ExitSuccess;
}

// "N" or "P%".
bool readMaxFailed(const QString &text, ChangeRunState &state)
{
    WaveRule rule;
    rule.maxFailed = state.maxFailed;
    rule.maxFailedPercent = state.maxFailedPercent;
    if (!rule.readMaxFailed(text))
        return false;
    state.maxFailed = rule.maxFailed;
    state.maxFailedPercent = rule.maxFailedPercent;
    return true;
}

// The clocks --group, --all, --plan and the arguments name, each once.
int readClocks(CliSession &session, QVector<ClockChange> &clocks)
{
    QVector<CliSession::Target> chosen;
    if (const int failed = ClockSelection::read(session, QStringLiteral("change"), chosen))
        return failed;
    for (const CliSession::Target &target : qAsConst(chosen)) {
        ClockChange change;
        change.ip = target.ip;
        change.target = target.target;
        if (target.listed) {
            change.name = target.listed->name;
            if (const DevGroup *group = session.registry().groupOfClock(target.listed); group && group->hasConfig())
                change.groupConfig = static_cast<const ClockConfigFields &>(*group->config());
        }
        clocks.append(change);
    }
    return ExitSuccess;
}

// A resumed run finds its clocks' credentials and groups on the list again.
int refindClocks(CliSession &session, ChangeRunState &state)
{
    for (ClockChange &clock : state.clocks) {
        if (clock.isDone())
            continue;
        CliSession::Target target;
        if (const int failed = session.findTarget(clock.ip, target))
            return failed;
        clock.target = target.target;
        if (target.listed) {
            if (const DevGroup *group = session.registry().groupOfClock(target.listed); group && group->hasConfig())
                clock.groupConfig = static_cast<const ClockConfigFields &>(*group->config());
        }
    }
    return ExitSuccess;
}

int readNewRun(CliSession &session, ChangeRunState &state)
{
    const CliInvocation &in = session.invocation();
    if (const int failed = readRecipe(session, state.recipe))
        return failed;
    if (in.hasOption(QStringLiteral("max-failed")) && !readMaxFailed(in.option(QStringLiteral("max-failed")), state))
        return session.usageError(tr("change: --max-failed: expected a number of clocks or a percentage (5%)"));
    state.canary = in.intOption(QStringLiteral("canary"), 0);
    state.wave = in.intOption(QStringLiteral("wave"), 0);
    state.id = ChangeRunState::newId();
    state.created = QDateTime::currentDateTimeUtc();
    return readClocks(session, state.clocks);
}

int readResumedRun(CliSession &session, ChangeRunState &state)
{
    const CliInvocation &in = session.invocation();
    for (const QString &option : {optionSet, optionFrom, optionOnly, optionAlign, optionGroup, optionAll, optionPlan}) {
        if (in.hasOption(option))
            return session.usageError(tr("change: --resume goes on with the run's own clocks and change; "
                                         "--%1 cannot be given with it")
                                          .arg(option));
    }
    if (!in.arguments.isEmpty())
        return session.usageError(tr("change: --resume takes no clocks"));
    QString why;
    if (!ChangeRunFile::load(in.option(optionResume), state, &why))
        return session.output().failed(why);
    // A run the stop rule ended goes on only under a rule that lets it.
    if (in.hasOption(QStringLiteral("max-failed")) && !readMaxFailed(in.option(QStringLiteral("max-failed")), state))
        return session.usageError(tr("change: --max-failed: expected a number of clocks or a percentage (5%)"));
    return refindClocks(session, state);
}

bool confirmed(CliSession &session, int clocks)
{
    return Confirmation::confirmed(session, tr("Send the change to %1 clocks? [y/N] ").arg(clocks));
}

void printResult(CliSession &session, const ChangeRunState &state, bool applied)
{
    CliOutput &out = session.output();
    out.document(ChangeReport::json(state, applied));
    if (session.invocation().hasOption(QStringLiteral("csv")) && !out.json())
        out.data(ChangeReport::resultCsv(state), false);
    else
        out.text(ChangeReport::resultText(state));
}

bool allSucceeded(const ChangeRunState &state)
{
    return std::all_of(state.clocks.cbegin(), state.clocks.cend(),
                       [](const ClockChange &clock) { return clock.isSuccess(); });
}

} // namespace

int change(CliSession &session)
{
    if (const int loaded = session.loadState())
        return loaded;
    const CliInvocation &in = session.invocation();
    CliOutput &out = session.output();
    const bool resuming = in.hasOption(optionResume);
    const bool dryRun = in.hasOption(QStringLiteral("dry-run"));

    ChangeRunState state;
    if (const int failed = resuming ? readResumedRun(session, state) : readNewRun(session, state))
        return failed;

    ChangeRun run(session.exchanges(), state);
    if (!dryRun)
        run.setSaver(ChangeRunFile::save);
    QEventLoop loop;
    QObject::connect(&run, &ChangeRun::progress, &session.progress(),
                     [&session](int done, int total) { session.progress().setProgress(total ? double(done) / total : 1.0); });
    QObject::connect(&run, &ChangeRun::planned, &loop, &QEventLoop::quit);
    QObject::connect(&run, &ChangeRun::finished, &loop, &QEventLoop::quit);
    session.progress().start(tr("Reading configurations"));
    run.plan();
    loop.exec();
    session.progress().finish();

    const int planned = run.plannedCount();
    // Standard output carries only the CSV when it is asked for.
    if (in.hasOption(QStringLiteral("csv")) && !dryRun)
        out.message(ChangeReport::planText(run.state()));
    else
        out.text(ChangeReport::planText(run.state()));
    if (dryRun) {
        out.document(ChangeReport::json(run.state(), false));
        const bool allPlanned = std::none_of(run.state().clocks.cbegin(), run.state().clocks.cend(),
                                             [](const ClockChange &clock) { return clock.isDone() && !clock.isSuccess(); });
        return allPlanned ? ExitSuccess : ExitFailed;
    }
    if (planned > 0 && !confirmed(session, planned)) {
        if (!ChangeRunFile::save(run.state(), nullptr))
            return out.failed(tr("Nothing was sent."));
        return out.failed(tr("Nothing was sent; change --resume %1 goes on with this run.").arg(run.state().id));
    }

    // Ctrl-C ends the wave under way and stops there, resumable.
    SignalWatcher watcher;
    QObject::connect(&watcher, &SignalWatcher::received, &run, &ChangeRun::stop);
    QObject::connect(&run, &ChangeRun::waveStarted, &session.progress(), [&session](int number, int clocks) {
        session.progress().finish();
        session.progress().start(tr("Wave %1: %2 clocks").arg(number).arg(clocks));
    });
    // Each clock is in the history as soon as it is done: a run killed later keeps them.
    QObject::connect(&run, &ChangeRun::clockFinished, &session.progress(), [&session, &run](int index) {
        const ClockChange &clock = run.state().clocks.at(index);
        OperatorChange change;
        change.operation = QStringLiteral("change");
        change.run = run.state().id;
        for (const FieldChange &field : clock.changes)
            change.fields.append({field.field, field.before, field.after});
        change.done = clock.state == ClockChange::State::Verified;
        change.reason = change.done ? QString() : clock.error;
        session.recordChange(clock.ip, change);
    });
    session.progress().start(tr("Sending the change"));
    run.apply();
    loop.exec();
    session.progress().finish();
    if (!run.saveError().isEmpty())
        out.message(tr("Cannot keep the run in %1: %2").arg(ChangeRunFile::pathOf(run.state().id), run.saveError()));

    printResult(session, run.state(), true);
    if (!allSucceeded(run.state())) {
        const auto &clocks = run.state().clocks;
        if (std::any_of(clocks.cbegin(), clocks.cend(), [](const ClockChange &clock) { return !clock.isDone(); }))
            out.message(tr("change --resume %1 goes on with the clocks not yet done.").arg(run.state().id));
        return ExitFailed;
    }
    return ExitSuccess;
}

} // namespace ChangeCommand
