#include "cli/ClockSelection.h"

#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "persistence/PlanFile.h"

#include <QCoreApplication>
#include <QSet>

namespace ClockSelection {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ClockSelection", text);
}

const QString optionAll = QStringLiteral("all");
const QString optionGroup = QStringLiteral("group");
const QString optionPlan = QStringLiteral("plan");

struct Chosen
{
    CliSession &session;
    QVector<CliSession::Target> &clocks;
    QSet<const DevClock *> listed;
    QSet<QString> unlisted;

    // A listed clock by its place on the list, with the command's credentials.
    int addListed(int index)
    {
        if (listed.contains(session.registry().clockAt(index)))
            return ExitSuccess;
        CliSession::Target target;
        if (const int failed = session.findTarget(QString::number(index), target))
            return failed;
        listed.insert(target.listed);
        clocks.append(target);
        return ExitSuccess;
    }

    int addHandle(const QString &handle)
    {
        CliSession::Target target;
        if (const int failed = session.findTarget(handle, target))
            return failed;
        if (target.listed)
            return addListed(target.index);
        if (!unlisted.contains(target.ip)) {
            unlisted.insert(target.ip);
            clocks.append(target);
        }
        return ExitSuccess;
    }
};

// The listed clocks of the plan's rows, found by address (and by MAC where
// the row gives one); rows of clocks not listed are left out, said.
int addPlan(Chosen &chosen, const QString &command)
{
    CliSession &session = chosen.session;
    const QString path = session.invocation().option(optionPlan);
    if (const int missing = session.requireInputFile(path))
        return missing;
    const AddressPlan::Parsed plan = PlanFile::load(path);
    if (!plan.ok())
        return session.usageError(QStringLiteral("%1: %2: %3").arg(command, path, plan.error));
    const ClockRegistry &registry = session.registry();
    int left = 0;
    for (const PlanRow &row : plan.rows) {
        QList<int> found;
        for (int i = 0; i < registry.clockCount(); ++i) {
            const DevClock *clock = registry.clockAt(i);
            if (clock->network.ip == row.ip && (row.mac.isEmpty() || clock->mac == row.mac))
                found << i;
        }
        if (found.size() > 1)
            return session.ambiguous(row.ip, found);
        if (found.isEmpty()) {
            ++left;
            continue;
        }
        if (const int failed = chosen.addListed(found.constFirst()))
            return failed;
    }
    if (left > 0)
        session.output().message(
            tr("%1: %2: rows naming no listed clock, left out (import lists them): %3").arg(command, path).arg(left));
    return ExitSuccess;
}

} // namespace

bool given(const CliInvocation &invocation)
{
    return invocation.hasOption(optionAll) || invocation.hasOption(optionGroup) || invocation.hasOption(optionPlan);
}

int read(CliSession &session, const QString &command, QVector<CliSession::Target> &clocks, const QStringList *handles)
{
    const CliInvocation &in = session.invocation();
    if (given(in) && in.hasOption(QStringLiteral("mac")))
        return session.usageError(tr("%1: --mac names one clock; it cannot be given with --all, --group or --plan")
                                      .arg(command));
    Chosen chosen{session, clocks, {}, {}};
    const ClockRegistry &registry = session.registry();
    if (in.hasOption(optionAll)) {
        for (int i = 0; i < registry.clockCount(); ++i) {
            if (const int failed = chosen.addListed(i))
                return failed;
        }
    }
    if (in.hasOption(optionGroup)) {
        const QString name = in.option(optionGroup);
        const DevGroup *group = nullptr;
        for (const DevGroup *candidate : registry.groups()) {
            if (candidate->name() == name)
                group = candidate;
        }
        if (!group)
            return session.output().failed(tr("There is no group named %1.").arg(name));
        for (int index : group->clockIndexes()) {
            if (!registry.clockAt(index))
                continue;
            if (const int failed = chosen.addListed(index))
                return failed;
        }
    }
    if (in.hasOption(optionPlan)) {
        if (const int failed = addPlan(chosen, command))
            return failed;
    }
    for (const QString &handle : handles ? *handles : in.arguments) {
        if (const int failed = chosen.addHandle(handle))
            return failed;
    }
    if (clocks.isEmpty())
        return session.usageError(tr("%1: give the clocks: addresses, --group NAME, --plan FILE or --all").arg(command));
    return ExitSuccess;
}

} // namespace ClockSelection
