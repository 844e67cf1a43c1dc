#include "cli/ReportCommands.h"

#include "cli/CliSession.h"
#include "cli/ClockPrinter.h"
#include "cli/QuietCommands.h"
#include "model/ClockRegistry.h"
#include "model/CsvCell.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "persistence/EventJournal.h"
#include "session/AvailabilityHistory.h"
#include "session/AvailabilityJson.h"
#include "session/AvailabilityTableModel.h"
#include "session/AvailabilityWorkbook.h"
#include "session/ReportPeriod.h"

#include <QCoreApplication>

#include <algorithm>

namespace ReportCommands {

namespace {

using Figures = AvailabilityReport::Figures;

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportCommands", text);
}

QStringList figuresCells(const Figures &f)
{
    using Model = AvailabilityTableModel;
    return {Model::shareText(f.answeringShare()),
            Model::shareText(f.synchronisedShare()),
            QString::number(f.incidents),
            Model::durationText(f.longestIncidentSecs),
            Model::durationText(f.downSecs),
            Model::durationText(f.meanRecoverySecs()),
            Model::durationText(f.quietSecs),
            Model::durationText(f.unknownSecs)};
}

QByteArray csvOf(const AvailabilityReport::Result &result)
{
    QByteArray csv = "scope,name,ip,group,answering_share,synchronised_share,"
                     "incidents,longest_incident_s,"
                     "incident_s,mean_recovery_s,quiet_s,unknown_s\n";
    const auto row = [&csv](const char *scope, const Figures &f) {
        const QStringList cells{QLatin1String(scope),
                                f.name,
                                f.ip,
                                f.group,
                                f.answeringShare() < 0 ? QString() : QString::number(f.answeringShare(), 'f', 6),
                                f.synchronisedShare() < 0 ? QString() : QString::number(f.synchronisedShare(), 'f', 6),
                                QString::number(f.incidents),
                                QString::number(f.longestIncidentSecs),
                                QString::number(f.downSecs),
                                f.meanRecoverySecs() < 0 ? QString() : QString::number(f.meanRecoverySecs()),
                                QString::number(f.quietSecs),
                                QString::number(f.unknownSecs)};
        csv += CsvCell::line(cells);
    };
    for (const Figures &f : result.clocks)
        row("clock", f);
    for (const Figures &f : result.groups)
        row("group", f);
    row("site", result.site);
    return csv;
}

QString textOf(const AvailabilityReport::Result &result)
{
    const QStringList figureHeads{tr("Answering"), tr("Synchronised"), tr("Incidents"), tr("Longest"),
                                  tr("Down"),      tr("MTTR"),         tr("Quiet"),     tr("Unknown")};
    QList<QStringList> rows{QStringList{tr("Clock"), tr("IP"), tr("Group")} + figureHeads};
    for (const Figures &f : result.clocks)
        rows.append(QStringList{f.name, f.ip, f.group} + figuresCells(f));
    QList<QStringList> groups{QStringList{tr("Group"), tr("Clocks")} + figureHeads};
    for (const Figures &f : result.groups)
        groups.append(QStringList{f.name.isEmpty() ? tr("(no group)") : f.name, QString::number(f.clocks)}
                      + figuresCells(f));
    groups.append(QStringList{tr("Site"), QString::number(result.site.clocks)} + figuresCells(result.site));
    return ClockPrinter::formatTable(rows) + QLatin1Char('\n') + ClockPrinter::formatTable(groups);
}

// The period from --from and --to, or --period and --at; a usage error's
// exit code when they do not make one.
int periodOf(CliSession &session, const QDateTime &now, QDateTime *from, QDateTime *to)
{
    const CliInvocation &in = session.invocation();
    const bool byDates = in.hasOption(QStringLiteral("from")) || in.hasOption(QStringLiteral("to"));
    const bool byPeriod = in.hasOption(QStringLiteral("period"));
    if (byDates && byPeriod)
        return session.usageError(QStringLiteral("report availability: give --from and --to, or --period, not both"));
    if (in.hasOption(QStringLiteral("at")) && !byPeriod)
        return session.usageError(QStringLiteral("report availability: --at needs --period"));
    if (byPeriod) {
        const QString kindText = in.option(QStringLiteral("period"));
        ReportPeriod::Kind kind;
        if (!ReportPeriod::parseKind(kindText, &kind)) {
            return session.usageError(
                QStringLiteral("report availability: --period: \"%1\" is not day, week or month").arg(kindText));
        }
        ReportPeriod period = ReportPeriod::lastComplete(kind, now);
        if (in.hasOption(QStringLiteral("at"))) {
            const QString atText = in.option(QStringLiteral("at"));
            const QDate date = QDate::fromString(atText, Qt::ISODate);
            if (!date.isValid()) {
                return session.usageError(
                    QStringLiteral("report availability: --at: \"%1\" is not a date like 2026-12-01").arg(atText));
            }
            period = ReportPeriod::containing(kind, date);
        }
        *from = period.from;
        *to = period.to;
        return 0;
    }
    if (!in.hasOption(QStringLiteral("from")) || !in.hasOption(QStringLiteral("to")))
        return session.usageError(QStringLiteral("report availability: give --from and --to, or --period"));
    QDateTime bounds[2];
    const char *const names[] = {"from", "to"};
    for (int i = 0; i < 2; ++i) {
        const QString text = in.option(QLatin1String(names[i]));
        bounds[i] = QuietCommands::parseSince(text, now);
        if (!bounds[i].isValid()) {
            return session.usageError(QStringLiteral("report availability: --%1: \"%2\" is not a date like "
                                                     "2026-12-01, a date and time, or a span like 8h")
                                          .arg(QLatin1String(names[i]), text));
        }
    }
    *from = bounds[0].toUTC();
    *to = bounds[1].toUTC();
    if (*to <= *from)
        return session.usageError(QStringLiteral("report availability: --to must be after --from"));
    return 0;
}

} // namespace

int availability(CliSession &session)
{
    const CliInvocation &in = session.invocation();
    const QDateTime now = QDateTime::currentDateTime();
    QDateTime from;
    QDateTime to;
    if (const int wrong = periodOf(session, now, &from, &to))
        return wrong;
    if (const int loaded = session.loadState())
        return loaded;

    const ClockRegistry &registry = session.registry();
    const QString group = in.option(QStringLiteral("group"));
    const bool oneGroup = in.hasOption(QStringLiteral("group"));
    if (oneGroup) {
        const QList<DevGroup *> groups = registry.groups();
        if (std::none_of(groups.cbegin(), groups.cend(), [&](const DevGroup *g) { return g->name() == group; }))
            return session.output().failed(QStringLiteral("report availability: no group \"%1\"").arg(group));
    }
    int damaged = 0;
    QString problem;
    AvailabilityReport::Result result =
        AvailabilityHistory::compute(EventJournal::defaultFolder(), from, to, AvailabilityHistory::clocksOf(registry),
                                     now.toUTC(), &problem, &damaged);
    CliOutput &out = session.output();
    // Figures from a history that cannot be read would be invented.
    if (!problem.isEmpty())
        return out.failed(QStringLiteral("report availability: the history cannot be read: %1").arg(problem));
    if (oneGroup)
        result = AvailabilityHistory::onlyGroup(result, group);
    if (in.hasOption(QStringLiteral("output"))) {
        const QString path = in.option(QStringLiteral("output"));
        QString why;
        if (!AvailabilityWorkbook::write(result, path, &why))
            return out.failed(QStringLiteral("report availability: %1 could not be written: %2").arg(path, why));
    }

    out.document(AvailabilityJson::document(result));
    if (damaged > 0)
        out.message(QStringLiteral("%1 damaged lines of the journal were skipped.").arg(damaged));
    if (in.hasOption(QStringLiteral("csv")) && !out.json())
        out.data(csvOf(result), false);
    else
        out.text(textOf(result));
    return ExitSuccess;
}

} // namespace ReportCommands
