#include "cli/SearchCommands.h"

#include "cli/CliSession.h"
#include "model/ClockIntake.h"
#include "model/ClockMerge.h"
#include "cli/ClockPrinter.h"
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "operations/ConflictResolver.h"
#include "persistence/ClockEvent.h"
#include "model/DevClock.h"
#include "operations/DeviceFinder.h"
#include "operations/GetStatusSender.h"
#include "operations/SenderTarget.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QSet>

#include <algorithm>
#include <memory>
#include <vector>

namespace SearchCommands {

namespace {

const char defaultFirstIp[] = "192.168.0.12";
const char defaultFirstMac[] = "02-A7-3C-DC-00-00";
// A status reply is read from its body; no HTTP status code to check.
constexpr int noStatusCode = 0;

// Shaped like QObject::tr, so that lupdate sees the plural forms.
QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("SearchCommands", text, disambiguation, n);
}

QString wrongPasswordText()
{
    return QCoreApplication::translate("DialogDevicesFound", "wrong password for listed clock");
}

int searchFailed(CliSession &session, Error error)
{
    if (allNetworkCards().isEmpty())
        return session.output().failed(tr("No usable local network interface to search on."));
    return session.output().operationFailed(error);
}

// The clocks just listed get their status now, as the window's poller would
// give it within seconds: `list` right after the search shows it.
void readStatuses(CliSession &session, const QList<DevClock *> &clocks)
{
    if (clocks.isEmpty())
        return;
    QList<SenderTarget> targets;
    for (const DevClock *clock : clocks)
        targets.append(SenderTarget::fromClock(*clock));
    session.runSender(session.exchanges().getStatus(targets), tr("Reading status"), [&clocks](DataSender *ended) {
        const auto *status = static_cast<GetStatusSender *>(ended);
        const QVector<bool> succeeded = status->succeeded();
        const QVector<QByteArray> replies = status->replies();
        for (int i = 0; i < clocks.size() && i < succeeded.size() && i < replies.size(); ++i) {
            if (succeeded.at(i))
                clocks.at(i)->parseStatus(QString::fromUtf8(replies.at(i)), noStatusCode);
        }
    });
}

} // namespace

int discover(CliSession &session)
{
    const CliInvocation &in = session.invocation();
    const bool add = in.hasOption(QStringLiteral("add"));
    if (const int loaded = session.loadState(add ? CliSession::Access::Write : CliSession::Access::Read))
        return loaded;
    CliOutput &out = session.output();
    ClockIntake intake(session.registry());

    std::vector<std::unique_ptr<DevClock>> found;
    Error error = NoError;
    int lostReplies = 0;
    DeviceFinder *finder = session.exchanges().findDevices(
        in.option(QStringLiteral("user")), in.option(QStringLiteral("password")), session.registry());
    const CliSession::Outcome outcome = session.runSender(finder, tr("Device search"), [&found, &error, &lostReplies](DataSender *ended) {
        error = ended->errorCode();
        if (ended->result() != DataSender::Succeeded)
            return;
        lostReplies = static_cast<DeviceFinder *>(ended)->lostReplies();
        for (DevClock *clock : static_cast<DeviceFinder *>(ended)->clocks())
            found.emplace_back(clock);
    });
    if (outcome != CliSession::Outcome::Finished)
        return searchFailed(session, error);
    // Clocks found but none of them let the search in: the credentials are
    // wrong, and a script must not take that run for a good one.
    const bool allRefused = !found.empty() && std::all_of(found.cbegin(), found.cend(), [](const auto &clock) {
        return clock->lastError == AuthorizationError;
    });

    // A clock already on the list is not added a second time: the window asks
    // first, and a script cannot answer. A listed clock found at another
    // address (its MAC tells) moved there; with --add its record follows it.
    QJsonArray clocks;
    QList<ClockPrinter::TableRow> rows;
    QVector<DevClock *> foundClocks;
    for (const auto &owned : found)
        foundClocks.append(owned.get());
    intake.hear(foundClocks);
    intake.setAcceptMoves(in.hasOption(QStringLiteral("accept-moves")));
    bool changed = false;
    QList<DevClock *> answered; // listed records of clocks that took the credentials
    for (auto &owned : found) {
        // Added, the found record is the listed one; it is printed either way.
        DevClock *clock = owned.get();
        const ClockIntake::Result taken =
            add ? intake.take(owned, ClockIntake::Rules()) : intake.preview(*clock, ClockIntake::Rules());
        const bool added = add && taken.taken == ClockIntake::Taken::Added;
        const int index = added ? intake.registry().indexOfClock(clock) : -1;
        QString note;
        switch (taken.taken) {
        case ClockIntake::Taken::Added:
            note = added ? tr("added") : QString();
            break;
        case ClockIntake::Taken::Conflict:
            note = ClockMerge::conflictText(clock->mac, taken.movedFrom, clock->network.ip);
            break;
        case ClockIntake::Taken::Moved:
            note = ClockMerge::movedText(taken.movedFrom, clock->network.ip);
            break;
        case ClockIntake::Taken::MoveUnconfirmed:
            note = ClockMerge::unconfirmedMoveText(taken.movedFrom, clock->network.ip);
            break;
        case ClockIntake::Taken::WrongPassword:
            note = wrongPasswordText();
            break;
        case ClockIntake::Taken::AlreadyListed:
        case ClockIntake::Taken::Updated:
            note = tr("already listed");
            break;
        }
        const bool untouched =
            taken.taken == ClockIntake::Taken::WrongPassword || taken.taken == ClockIntake::Taken::MoveUnconfirmed;
        if (add && taken.clock && !untouched) {
            changed = true;
            if (clock->lastError == NoError)
                answered.append(taken.clock);
        }
        const bool listed = taken.clock && !added;
        QJsonObject object = ClockPrinter::clockJson(*clock, index);
        object.insert(QStringLiteral("listed"), listed);
        if (taken.taken == ClockIntake::Taken::Conflict)
            object.insert(QStringLiteral("macConflictWith"), taken.movedFrom);
        object.insert(QStringLiteral("added"), index >= 0);
        if (taken.taken == ClockIntake::Taken::Moved)
            object.insert(QStringLiteral("movedFrom"), taken.movedFrom);
        if (taken.taken == ClockIntake::Taken::MoveUnconfirmed)
            object.insert(QStringLiteral("moveUnconfirmedFrom"), taken.movedFrom);
        if (taken.taken == ClockIntake::Taken::WrongPassword)
            object.insert(QStringLiteral("wrongPasswordFor"), taken.clock->network.ip);
        clocks.append(object);
        const bool saysError = clock->lastError != NoError && taken.taken != ClockIntake::Taken::WrongPassword;
        if (!note.isEmpty() && saysError)
            note += QStringLiteral(", ");
        if (saysError)
            note += clock->lastErrorText();
        rows.append({clock, index, QString(), note, QString(), QString(), QString()});
    }
    readStatuses(session, answered);
    if (changed && !session.saveState())
        return ExitFailed;

    out.document({{QStringLiteral("clocks"), clocks}, {QStringLiteral("lostReplies"), lostReplies}});
    if (found.empty())
        out.text(tr("No devices found."));
    else
        out.text(ClockPrinter::clockTable(rows));
    if (lostReplies > 0)
        out.message(DeviceFinder::lostRepliesText(lostReplies));
    if (allRefused)
        return out.failed(tr("Every clock found (%1) refused the user name and password.").arg(int(found.size())));
    return ExitSuccess;
}

int resolveConflicts(CliSession &session)
{
    const CliInvocation &in = session.invocation();
    CliOutput &out = session.output();
    // The list is held from the start: the rows of the clocks moved follow them.
    if (const int loaded = session.loadState(CliSession::Access::Write))
        return loaded;
    ConflictResolver *resolver = session.exchanges().resolveConflicts(
        in.option(QStringLiteral("user")), in.option(QStringLiteral("password")),
        in.option(QStringLiteral("first-ip"), QLatin1String(defaultFirstIp)),
        in.option(QStringLiteral("first-mac"), QLatin1String(defaultFirstMac)));
    if (in.hasOption(QStringLiteral("pause-ms")))
        resolver->setPauseMs(in.intOption(QStringLiteral("pause-ms"), ConflictResolver::DefaultPauseMs));

    int foundCount = 0;
    int changedCount = 0;
    int unaddressedCount = 0;
    QVector<ClockIntake::Readdressed> readdressed;
    Error error = NoError;
    const CliSession::Outcome outcome =
        session.runSender(resolver, tr("Resolving address conflicts"), [&](DataSender *ended) {
            auto *done = static_cast<ConflictResolver *>(ended);
            foundCount = done->foundCount();
            changedCount = done->changedCount();
            unaddressedCount = done->unaddressedCount();
            readdressed = done->readdressed();
            error = ended->errorCode();
        });
    for (const ClockIntake::Readdressed &moved : readdressed) {
        OperatorChange change;
        change.operation = QStringLiteral("resolveConflicts");
        change.fields = {{QStringLiteral("ip"), moved.oldIp, moved.newIp}, {QStringLiteral("mac"), moved.oldMac, moved.newMac}};
        change.done = moved.addressTaken;
        if (!change.done)
            change.reason = moved.addressed ? tr("The clock refused the new address.") : tr("No address was left for it.");
        session.recordChange(moved.oldIp, change);
    }
    if (outcome == CliSession::Outcome::Failed)
        return searchFailed(session, error);
    const QStringList followed = ClockIntake(session.registry())
                                     .follow(readdressed, in.option(QStringLiteral("user")),
                                             in.option(QStringLiteral("password")));
    if (!followed.isEmpty() && !session.saveState())
        return ExitFailed;

    out.document({{QStringLiteral("found"), foundCount},
                  {QStringLiteral("changed"), changedCount},
                  {QStringLiteral("unaddressed"), unaddressedCount},
                  {QStringLiteral("listChanges"), QJsonArray::fromStringList(followed)}});
    if (foundCount == 0) {
        out.text(tr("No devices was found."));
        return ExitSuccess;
    }
    const QString summary = tr("MAC and IP address changed for %1 out of %2 found.")
                                .arg(tr("%n clocks(s)", nullptr, changedCount), tr("%n device(s)", nullptr, foundCount));
    out.text(summary);
    for (const QString &line : followed)
        out.text(line);
    // The resolver gives up (canceled) when no clock took its new address.
    const int refusedCount = foundCount - changedCount - unaddressedCount;
    if (refusedCount > 0) {
        out.message(tr("%1 of %2 clocks found did not take their new addresses.")
                        .arg(refusedCount)
                        .arg(foundCount));
    }
    if (unaddressedCount > 0) {
        out.message(tr("%1 of %2 clocks found were left unchanged: no address is left after .254.")
                        .arg(unaddressedCount)
                        .arg(foundCount));
    }
    if (outcome == CliSession::Outcome::Canceled || changedCount < foundCount)
        return ExitFailed;
    return ExitSuccess;
}

} // namespace SearchCommands
