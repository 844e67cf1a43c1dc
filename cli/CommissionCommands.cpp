#include "cli/CommissionCommands.h"

#include "model/AddressRange.h"
#include "cli/CliSession.h"
#include "model/ClockIntake.h"
#include "cli/ClockPrinter.h"
#include "operations/CommissioningModel.h"
#include "operations/CommissioningSender.h"
#include "operations/Communication.h"
#include "persistence/PlanFile.h"
#include "cli/SignalWatcher.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QPointer>

namespace CommissionCommands {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CommissionCommands", text);
}

int badInput(CliSession &session, const QString &message)
{
    return session.usageError(session.invocation().commandName + QStringLiteral(": ") + message);
}

QJsonObject resultJson(const CommissionedAddress &address)
{
    QJsonObject object{{QStringLiteral("ip"), address.ip}, {QStringLiteral("result"), address.outcomeKey()}};
    if (address.isClock()) {
        object.insert(QStringLiteral("name"), address.name);
        object.insert(QStringLiteral("productCode"), address.productCode);
        object.insert(QStringLiteral("firmware"), address.firmware);
        object.insert(QStringLiteral("group"), address.group);
    }
    if (address.outcome == CommissionedAddress::Moved)
        object.insert(QStringLiteral("movedFrom"), address.movedFrom);
    if (address.outcome == CommissionedAddress::MacConflict)
        object.insert(QStringLiteral("macConflictWith"), address.movedFrom);
    if (address.outcome == CommissionedAddress::AddedSilent) {
        object.insert(QStringLiteral("name"), address.name);
        object.insert(QStringLiteral("group"), address.group);
    }
    if (address.rename != CommissionedAddress::Rename::NotAsked)
        object.insert(QStringLiteral("renamed"), address.rename == CommissionedAddress::Rename::Renamed);
    if (!address.reason.isEmpty())
        object.insert(QStringLiteral("reason"), address.reason);
    return object;
}

QString resultTable(const QVector<CommissionedAddress> &addresses)
{
    QList<QStringList> rows;
    QStringList header;
    for (int column = 0; column < CommissioningModel::ColumnCount; ++column)
        header << CommissioningModel::headerText(column);
    rows << header;
    for (const CommissionedAddress &address : addresses) {
        QStringList cells;
        for (int column = 0; column < CommissioningModel::ColumnCount; ++column) {
            const QString text = CommissioningModel::cellText(address, column);
            cells << (text.isEmpty() && column + 1 < CommissioningModel::ColumnCount ? QStringLiteral("-") : text);
        }
        rows << cells;
    }
    return ClockPrinter::formatTable(rows);
}

// Probes the targets, puts the clocks found on the list, saves it and prints
// the result table.
int commission(CliSession &session, const QVector<CommissioningTarget> &targets, bool rename)
{
    CliOutput &out = session.output();
    ClockIntake intake(session.registry());
    intake.setAcceptMoves(session.invocation().hasOption(QStringLiteral("accept-moves")));
    QPointer<CommissioningSender> sender = session.exchanges().commission(targets, rename, intake);
    // The list takes each address as it is reported.
    CommissioningModel found;
    found.follow(sender, intake);
    // Stopped by a signal, the run keeps what it reported: those clocks are
    // on the list already, and the list is saved with them.
    SignalWatcher stop;
    int stoppedBy = 0;
    QObject::connect(&stop, &SignalWatcher::received, &stop, [&stoppedBy, &session, sender](int signalNumber) {
        stoppedBy = signalNumber;
        if (sender)
            session.exchanges().cancel(sender);
    });
    session.runSender(sender, tr("Probing addresses"));
    const QVector<CommissionedAddress> &results = found.addresses();

    bool placed = false;
    QJsonArray json;
    for (const CommissionedAddress &address : qAsConst(results)) {
        placed = placed || address.isListed() || address.clockId != 0;
        json.append(resultJson(address));
    }
    if (placed && !session.saveState())
        return ExitFailed;
    out.document({{QStringLiteral("results"), json}, {QStringLiteral("complete"), results.size() == targets.size()}});
    out.text(resultTable(results) + CommissioningModel::summary(results));
    if (stoppedBy != 0) {
        out.message(tr("Stopped by signal %1 after %2 of %3 addresses; the clocks found are on the device list.")
                        .arg(stoppedBy)
                        .arg(results.size())
                        .arg(targets.size()));
        return ExitFailed;
    }
    for (const CommissionedAddress &address : qAsConst(results)) {
        if (!address.isHandled())
            return ExitFailed;
    }
    return results.size() == targets.size() ? ExitSuccess : ExitFailed;
}

} // namespace

int addRange(CliSession &session)
{
    const CliInvocation &in = session.invocation();
    AddressRange range;
    QString why;
    // Checked by the parser already; the size is this command's to judge.
    if (!AddressRange::parse(in.arguments.at(0), range, &why))
        return badInput(session, why);
    if (range.needsConfirmation() && !in.hasOption(QStringLiteral("force")))
        return badInput(session, range.confirmationText() + QLatin1Char(' ') + tr("Give --force to probe them all."));
    if (const int loaded = session.loadState(CliSession::Access::Write))
        return loaded;
    return commission(session,
                      CommissioningTarget::fromRange(range, in.option(QStringLiteral("user")),
                                                     in.option(QStringLiteral("password"))),
                      false);
}

int importPlan(CliSession &session)
{
    const CliInvocation &in = session.invocation();
    const QString path = in.arguments.at(0);
    const AddressPlan::Parsed plan = PlanFile::load(path);
    if (!plan.ok())
        return badInput(session, QStringLiteral("%1: %2").arg(path, plan.error));
    if (const int loaded = session.loadState(CliSession::Access::Write))
        return loaded;
    QVector<CommissioningTarget> targets =
        CommissioningTarget::fromPlan(plan.rows, in.option(QStringLiteral("user")), in.option(QStringLiteral("password")));
    if (in.hasOption(QStringLiteral("answering-only"))) {
        for (CommissioningTarget &target : targets)
            target.listWhenSilent = false;
    }
    return commission(session, targets, in.hasOption(QStringLiteral("rename")));
}

} // namespace CommissionCommands
