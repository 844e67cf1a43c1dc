#include "cli/StateCommands.h"

#include "model/AddressPlan.h"
#include "session/AuditFindingsStore.h"
#include "model/ClockIntake.h"
#include "cli/ClockPrinter.h"
#include "model/ClockRegistry.h"
#include "cli/CliSession.h"
#include "cli/ConfigPrinter.h"
#include "persistence/ConfigurationFileActions.h"
#include "persistence/ConfigurationFiles.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "persistence/PlanFile.h"

#include <QDateTime>
#include <QJsonArray>

#include <algorithm>
#include <memory>

namespace StateCommands {

namespace {

QString groupName(const ClockRegistry &registry, const DevClock &clock)
{
    const DevGroup *group = registry.groupOfClock(&clock);
    return group ? group->name() : QString();
}

const QString quietTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm");

// "2026-12-08 18:00", "until unmuted", "all week" (quiet hours that never
// end), or empty while the clock is not quiet.
QString quietUntilText(const ClockRegistry &registry, const DevClock &clock, const QDateTime &now)
{
    const QuietPeriod period = registry.quietPeriodOf(clock, now);
    if (!period.isActive(now))
        return QString();
    if (period.until.isValid())
        return period.until.toString(quietTimeFormat);
    return period.weekly ? QStringLiteral("all week") : QStringLiteral("until unmuted");
}

// As set, marked when this machine cannot obey it (an unknown zone).
QString quietHoursText(const QuietHours &hours)
{
    if (hours.isEmpty() || hours.isValid())
        return hours.toText();
    return QStringLiteral("%1 (not understood, not obeyed)").arg(hours.toText());
}

// What a script reads beside the record: the quiet period and the findings.
void addListFields(QJsonObject &object, const ClockRegistry &registry, const DevClock &clock,
                   const AuditFindingsStore &audit, const QDateTime &now)
{
    const QuietPeriod period = registry.quietPeriodOf(clock, now);
    if (!period.isActive(now))
        object.insert(QStringLiteral("quietUntil"), QJsonValue::Null);
    else
        object.insert(QStringLiteral("quietUntil"),
                      period.until.isValid() ? period.until.toString(Qt::ISODate)
                      : period.weekly        ? QStringLiteral("always")
                                             : QStringLiteral("unmuted"));
    object.insert(QStringLiteral("quietHours"),
                  clock.quietHours.isEmpty() ? QJsonValue() : QJsonValue(quietHoursText(clock.quietHours)));
    QJsonArray findings;
    for (const AuditFindingsStore::Finding &f : audit.findingsOf(clock)) {
        findings.append(QJsonObject{{QStringLiteral("severity"), f.severity >= 2 ? QStringLiteral("critical")
                                                                                 : QStringLiteral("warning")},
                                    {QStringLiteral("kind"), f.kind},
                                    {QStringLiteral("reason"), f.text}});
    }
    object.insert(QStringLiteral("auditFindings"), findings);
}

} // namespace

int list(CliSession &session)
{
    const CliInvocation &in = session.invocation();
    CliOutput &out = session.output();
    const bool csv = in.hasOption(QStringLiteral("csv"));
    QString misuse;
    if (in.hasOption(QStringLiteral("with-passwords")) && !csv)
        misuse = QStringLiteral("--with-passwords needs --csv");
    else if (in.hasOption(QStringLiteral("output")) && !csv)
        misuse = QStringLiteral("-o/--output needs --csv");
    else if (csv && out.json())
        misuse = QStringLiteral("--csv and --json exclude each other");
    if (!misuse.isEmpty())
        return session.usageError(QStringLiteral("list: ") + misuse);
    if (const int status = session.loadState())
        return status;
    const ClockRegistry *registry = &session.registry();

    if (csv) {
        const bool withPasswords = in.hasOption(QStringLiteral("with-passwords"));
        const QByteArray plan = AddressPlan::write(AddressPlan::fromClocks(*registry, withPasswords));
        if (!in.hasOption(QStringLiteral("output")))
            return out.data(plan, withPasswords) ? ExitSuccess : ExitFailed;
        const QString path = in.option(QStringLiteral("output"));
        QString why;
        if (!PlanFile::saveData(path, plan, &why))
            return out.failed(QStringLiteral("%1 could not be written: %2").arg(path, why));
        return ExitSuccess;
    }

    const AuditFindingsStore audit = AuditFindingsStore::load();
    const QDateTime now = QDateTime::currentDateTime();
    if (out.json()) {
        QJsonArray clocks;
        for (int i = 0; i < registry->clockCount(); ++i) {
            QJsonObject clock = ClockPrinter::clockJson(*registry->clockAt(i), i);
            addListFields(clock, *registry, *registry->clockAt(i), audit, now);
            clocks.append(clock);
        }
        QJsonArray groups;
        for (int i = 0; i < registry->groupCount(); ++i)
            groups.append(ClockPrinter::groupJson(*registry->groupAt(i), i));
        QJsonObject document{{QStringLiteral("clocks"), clocks}, {QStringLiteral("groups"), groups}};
        if (audit.auditedAt().isValid())
            document.insert(QStringLiteral("audited"), audit.auditedAt().toString(Qt::ISODate));
        out.document(document);
        return ExitSuccess;
    }

    if (registry->clockCount() == 0) {
        out.text(QStringLiteral("The device list is empty."));
    } else {
        QList<ClockPrinter::TableRow> rows;
        for (int i = 0; i < registry->clockCount(); ++i) {
            const DevClock *clock = registry->clockAt(i);
            rows.append({clock, i, groupName(*registry, *clock), QString(), quietUntilText(*registry, *clock, now),
                         audit.text(*clock, QStringLiteral("; ")), quietHoursText(clock->quietHours)});
        }
        out.text(ClockPrinter::clockTable(rows, true));
    }
    if (registry->groupCount() > 0) {
        const QList<DevGroup *> groups = registry->groups();
        const bool withHours = std::any_of(groups.cbegin(), groups.cend(),
                                           [](const DevGroup *group) { return !group->quietHours.isEmpty(); });
        QList<QStringList> groupRows = {{QStringLiteral("Group"), QStringLiteral("Clocks")}};
        if (withHours)
            groupRows.first() << QStringLiteral("Quiet hours");
        for (const DevGroup *group : groups) {
            QStringList members;
            for (int member : group->clockIndexes())
                members << QString::number(member);
            groupRows.append({group->name(), members.isEmpty() ? QStringLiteral("-") : members.join(QLatin1Char(' '))});
            if (withHours) {
                const QString hours = quietHoursText(group->quietHours);
                groupRows.last() << (hours.isEmpty() ? QStringLiteral("-") : hours);
            }
        }
        out.text(QStringLiteral("\n") + ClockPrinter::formatTable(groupRows));
    }
    return ExitSuccess;
}

int add(CliSession &session)
{
    if (const int status = session.loadState(CliSession::Access::Write))
        return status;
    const CliInvocation &invocation = session.invocation();
    const QString ip = invocation.arguments.at(0);
    ClockRegistry *registry = &session.registry();
    CliOutput &out = session.output();

    auto clock = std::make_unique<DevClock>();
    clock->network.ip = ip;
    // The window lets an operator add a second record for an address after a
    // question; a script that runs twice must not fill the list with copies.
    ClockIntake intake(*registry);
    ClockIntake::Rules rules;
    rules.whenListed = ClockIntake::WhenListed::Keep;
    if (intake.preview(*clock, rules).taken != ClockIntake::Taken::Added)
        return out.failed(QStringLiteral("A clock with the address %1 is already on the device list.").arg(ip));
    clock->user = invocation.option(QStringLiteral("user"));
    clock->password = invocation.option(QStringLiteral("password"));
    if (invocation.hasOption(QStringLiteral("interface"))) {
        const QString address = invocation.option(QStringLiteral("interface"));
        if (!CliSession::findInterface(address, clock->networkInterface))
            return out.failed(QStringLiteral("No local network interface has the address %1.").arg(address));
    }
    DevClock *added = intake.take(clock, rules).clock;
    if (!session.saveState())
        return ExitFailed;

    const int index = registry->indexOfClock(added);
    out.document({{QStringLiteral("added"), ClockPrinter::clockJson(*added, index)}});
    out.text(QStringLiteral("Clock %1 added to the device list as number %2.").arg(ip).arg(index));
    return ExitSuccess;
}

int remove(CliSession &session)
{
    if (const int status = session.loadState(CliSession::Access::Write))
        return status;
    const QString handle = session.invocation().arguments.at(0);
    ClockRegistry *registry = &session.registry();
    CliOutput &out = session.output();

    // Clocks sharing an address are told apart first; --all means them all.
    QList<int> named;
    const bool all = session.invocation().hasOption(QStringLiteral("all"));
    if (const int found = session.findListed(handle, named, all ? CliSession::Several::Wanted : CliSession::Several::Refused))
        return found;
    QJsonArray removed;
    QStringList lines;
    for (int k = named.size() - 1; k >= 0; --k) {
        const int i = named.at(k);
        const DevClock *clock = registry->clockAt(i);
        removed.prepend(ClockPrinter::clockJson(*clock, i));
        lines.prepend(QStringLiteral("Clock %1 (IP: %2) removed from the device list.").arg(clock->name, clock->network.ip));
        registry->removeClock(i);
    }
    if (!session.saveState())
        return ExitFailed;
    out.document({{QStringLiteral("removed"), removed}});
    out.text(lines.join(QLatin1Char('\n')));
    return ExitSuccess;
}

int configShow(CliSession &session)
{
    const QString path = session.invocation().arguments.at(0);
    CliOutput &out = session.output();
    if (const int missing = session.requireInputFile(path))
        return missing;
    QString why;
    const std::unique_ptr<ClockConfig> config = ConfigurationFiles::openConfiguration(path, &why);
    if (!config) {
        const auto texts = ConfigurationFileActions::texts(ConfigurationFileActions::Action::Open);
        return out.failed(QStringLiteral("%1: %2 (%3)").arg(texts.failure, path, why));
    }
    out.document(ConfigPrinter::configJson(*config));
    out.text(ConfigPrinter::configText(*config));
    return ExitSuccess;
}

} // namespace StateCommands
