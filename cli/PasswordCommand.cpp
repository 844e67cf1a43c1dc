#include "cli/PasswordCommand.h"

#include "cli/CliSession.h"
#include "cli/ClockPrinter.h"
#include "cli/ClockSelection.h"
#include "cli/Confirmation.h"
#include "cli/SignalWatcher.h"
#include "core/AppSettings.h"
#include "model/DevClock.h"
#include "model/ClockRegistry.h"
#include "model/ParameterText.h"
#include "operations/change/ChangeRunState.h"
#include "operations/change/NewPasswords.h"
#include "operations/change/PasswordRun.h"
#include "persistence/ClockEvent.h"
#include "persistence/PlanFile.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>

#include <algorithm>

namespace PasswordCommand {

namespace {

using State = PasswordClock::State;

QString tr(const char *text)
{
    return QCoreApplication::translate("PasswordCommand", text);
}

const QString optionOld = QStringLiteral("old");
const QString optionNew = QStringLiteral("new");
const QString optionList = QStringLiteral("new-list"); // the path --new-file gave
const QString optionGenerate = QStringLiteral("generate");
const QString optionOutput = QStringLiteral("output");

// Where each new password comes from, for the plan.
enum class Source { Given, List, Generated };

struct Plan
{
    QString id;
    Source source = Source::Given;
    bool oldGiven = false;
    QVector<PasswordClock> clocks;
    QVector<DevClock *> listed; // beside clocks; null for an unlisted clock
};

bool readList(const QString &path, NewPasswords::Parsed &list, QString &why)
{
    list = NewPasswords::readFile(path);
    why = list.error;
    return list.ok();
}

int readPlan(CliSession &session, Plan &plan)
{
    const CliInvocation &in = session.invocation();
    NewPasswords::Parsed list;
    if (in.hasOption(optionList)) {
        const QString path = in.option(optionList);
        QString why;
        if (!readList(path, list, why))
            return session.usageError(QStringLiteral("password: --new-file %1: %2").arg(path, why));
    }
    plan.source = list.isList ? Source::List : in.hasOption(optionGenerate) ? Source::Generated : Source::Given;
    plan.oldGiven = in.hasOption(optionOld);

    // A list alone names its own clocks.
    QVector<CliSession::Target> chosen;
    const bool listNamesClocks = list.isList && in.arguments.isEmpty() && !ClockSelection::given(in);
    if (const int failed = ClockSelection::read(session, QStringLiteral("password"), chosen,
                                                listNamesClocks ? &list.addresses : nullptr))
        return failed;
    for (const CliSession::Target &target : qAsConst(chosen)) {
        PasswordClock clock;
        clock.ip = target.ip;
        clock.name = target.listed ? target.listed->name : QString();
        clock.target = target.target;
        clock.oldPassword = plan.oldGiven ? in.option(optionOld) : target.target.password;
        switch (plan.source) {
        case Source::List:
            if (!list.byAddress.contains(target.ip))
                return session.usageError(
                    tr("password: --new-file %1 gives no password for %2").arg(in.option(optionList), target.ip));
            clock.newPassword = list.byAddress.value(target.ip);
            break;
        case Source::Generated:
            clock.newPassword = NewPasswords::generate();
            break;
        case Source::Given:
            clock.newPassword = in.option(optionNew);
            break;
        }
        // Refused before anything is sent; the text names the clock, never the password.
        if (!ParameterText::isSafePassword(clock.oldPassword) || !ParameterText::isSafePassword(clock.newPassword))
            return session.output().failed(clock.label() + QStringLiteral(": ")
                                           + ParameterText::passwordRefusalText());
        plan.clocks.append(clock);
        plan.listed.append(target.listed);
    }
    plan.id = ChangeRunState::newId();
    return ExitSuccess;
}

int readRule(CliSession &session, WaveRule &rule)
{
    const CliInvocation &in = session.invocation();
    rule.canary = in.intOption(QStringLiteral("canary"), 0);
    rule.wave = in.intOption(QStringLiteral("wave"), 0);
    if (in.hasOption(QStringLiteral("max-failed")) && !rule.readMaxFailed(in.option(QStringLiteral("max-failed"))))
        return session.usageError(tr("password: --max-failed: expected a number of clocks or a percentage (5%)"));
    return ExitSuccess;
}

QString planText(const Plan &plan)
{
    const QString oldText = plan.oldGiven ? tr("as given") : tr("stored");
    const QString newText = plan.source == Source::List        ? tr("from the list")
                            : plan.source == Source::Generated ? tr("generated")
                                                               : tr("as given");
    QList<QStringList> rows{{tr("clock"), tr("old password"), tr("new password")}};
    for (const PasswordClock &clock : plan.clocks)
        rows.append({clock.label(), oldText, newText});
    return tr("Password run %1: %2 clocks.").arg(plan.id).arg(plan.clocks.size()) + QLatin1Char('\n')
           + ClockPrinter::formatTable(rows).trimmed();
}

QJsonObject resultJson(const Plan &plan, const QVector<PasswordClock> &clocks, bool applied, bool stopped)
{
    QJsonArray list;
    for (int i = 0; i < clocks.size(); ++i) {
        const PasswordClock &clock = clocks.at(i);
        QJsonObject entry{{"ip", clock.ip},
                          {"name", clock.name},
                          {"listed", plan.listed.at(i) != nullptr},
                          {"state", PasswordClock::stateKey(clock.state)},
                          {"verified", clock.state == State::Verified},
                          {"stored", clock.storedKey()}};
        if (!clock.resultError().isEmpty())
            entry.insert("error", clock.resultError());
        list.append(entry);
    }
    return {{"id", plan.id}, {"applied", applied}, {"stopped", stopped}, {"clocks", list}};
}

void printResult(CliSession &session, const Plan &plan, const PasswordRun &run)
{
    CliOutput &out = session.output();
    const QVector<PasswordClock> &clocks = run.clocks();
    out.document(resultJson(plan, clocks, true, run.stopped()));
    if (session.invocation().hasOption(QStringLiteral("csv")) && !out.json()) {
        out.data(PasswordRun::resultCsv(clocks), false);
        return;
    }
    QList<QStringList> rows{{tr("clock"), tr("state"), tr("stored password"), tr("error")}};
    int verified = 0;
    for (int i = 0; i < clocks.size(); ++i) {
        const PasswordClock &clock = clocks.at(i);
        const QString stored = !plan.listed.at(i) ? QStringLiteral("-")
                                                  : clock.hasNewPassword() ? tr("new") : tr("old");
        rows.append({clock.label(), PasswordClock::stateText(clock.state), stored, clock.resultError()});
        verified += clock.state == State::Verified ? 1 : 0;
    }
    QString text = ClockPrinter::formatTable(rows);
    text += tr("Password run %1: %2 verified of %3 clocks.").arg(plan.id).arg(verified).arg(clocks.size());
    if (run.stopped())
        text += QLatin1Char('\n')
                + tr("Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.");
    out.text(text);
}

// Before anything is sent: a kill later still leaves every password made.
bool writeGenerated(CliSession &session, const Plan &plan)
{
    QVector<QPair<QString, QString>> passwords;
    for (const PasswordClock &clock : plan.clocks)
        passwords.append({clock.ip, clock.newPassword});
    const QString path = session.invocation().option(optionOutput);
    QString why;
    if (PlanFile::saveData(path, NewPasswords::write(passwords), &why))
        return true;
    session.output().message(tr("Cannot write %1: %2. Nothing was sent.").arg(path, why));
    return false;
}

} // namespace

bool isSingle(const CliInvocation &in)
{
    if (in.arguments.size() != 1 || ClockSelection::given(in) || !in.hasOption(optionOld) || in.hasOption(optionGenerate))
        return false;
    for (const char *bulk : {"dry-run", "yes", "canary", "wave", "max-failed", "csv"}) {
        if (in.hasOption(QLatin1String(bulk)))
            return false;
    }
    if (!in.hasOption(optionList))
        return true;
    NewPasswords::Parsed list;
    QString why;
    // A file that cannot be read is said by the run.
    return readList(in.option(optionList), list, why) && !list.isList;
}

int run(CliSession &session)
{
    const bool listExists = QFileInfo::exists(AppSettings::stateFilePath());
    if (const int loaded = session.loadState(listExists ? CliSession::Access::Write : CliSession::Access::Read))
        return loaded;
    const CliInvocation &in = session.invocation();
    CliOutput &out = session.output();
    WaveRule rule;
    if (const int failed = readRule(session, rule))
        return failed;
    Plan plan;
    if (const int failed = readPlan(session, plan))
        return failed;

    const bool dryRun = in.hasOption(QStringLiteral("dry-run"));
    if (in.hasOption(QStringLiteral("csv")) && !dryRun)
        out.message(planText(plan));
    else
        out.text(planText(plan));
    if (dryRun) {
        out.document(resultJson(plan, plan.clocks, false, false));
        return ExitSuccess;
    }
    if (!Confirmation::confirmed(session, tr("Change the password of %1 clocks? [y/N] ").arg(plan.clocks.size())))
        return out.failed(tr("Nothing was sent."));
    if (plan.source == Source::Generated && !writeGenerated(session, plan))
        return ExitFailed;

    PasswordRun run(session.exchanges(), plan.clocks, rule);
    QEventLoop loop;
    QObject::connect(&run, &PasswordRun::finished, &loop, &QEventLoop::quit);
    QObject::connect(&run, &PasswordRun::progress, &session.progress(),
                     [&session](int done, int total) { session.progress().setProgress(total ? double(done) / total : 1.0); });
    SignalWatcher watcher;
    QObject::connect(&watcher, &SignalWatcher::received, &run, &PasswordRun::stop);
    bool listChanged = false;
    QObject::connect(&run, &PasswordRun::waveStarted, &session.progress(), [&](int number, int clocks) {
        session.progress().finish();
        // The passwords of the waves before are on disk before the next is sent.
        if (listChanged && session.saveState())
            listChanged = false;
        session.progress().start(tr("Wave %1: %2 clocks").arg(number).arg(clocks));
    });
    QObject::connect(&run, &PasswordRun::clockFinished, &session.progress(), [&](int index) {
        const PasswordClock &clock = run.clocks().at(index);
        DevClock *listed = plan.listed.at(index);
        if (listed && clock.hasNewPassword()) {
            listed->password = clock.newPassword;
            if (clock.state == State::Verified)
                listed->parseStatus(QString::fromUtf8(clock.statusReply), 0);
            session.registry().announceClockChanged(listed);
            listChanged = true;
        }
        // That it changed, never to what.
        OperatorChange change;
        change.operation = QStringLiteral("password");
        change.run = plan.id;
        change.done = clock.state == State::Verified;
        change.reason = change.done ? QString() : clock.error;
        session.recordChange(clock.ip, change);
    });
    session.progress().start(tr("Sending passwords"));
    run.apply();
    loop.exec();
    session.progress().finish();
    const bool kept = !listChanged || session.saveState();

    printResult(session, plan, run);
    const auto &clocks = run.clocks();
    const bool allVerified = std::all_of(clocks.cbegin(), clocks.cend(),
                                         [](const PasswordClock &clock) { return clock.state == State::Verified; });
    return allVerified && kept ? ExitSuccess : ExitFailed;
}

} // namespace PasswordCommand
