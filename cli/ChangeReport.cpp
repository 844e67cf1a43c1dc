#include "cli/ChangeReport.h"

#include "cli/ClockPrinter.h"
#include "model/CsvCell.h"
#include "operations/change/ChangeRunState.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace ChangeReport {

namespace {

using State = ClockChange::State;

QString tr(const char *text)
{
    return QCoreApplication::translate("ChangeReport", text);
}

const QString arrow = QStringLiteral(" -> ");
const QString listSeparator = QStringLiteral("; ");

QString clockLabel(const ClockChange &clock)
{
    return clock.name.isEmpty() ? clock.ip : QStringLiteral("%1 (%2)").arg(clock.name, clock.ip);
}

QString shown(const QString &value)
{
    return value.isEmpty() ? QStringLiteral("\"\"") : value;
}

QString verifiedText(const ClockChange &clock)
{
    switch (clock.state) {
    case State::Verified:
        return tr("yes");
    case State::Skipped:
        return tr("already right");
    case State::Stopped:
    case State::Planned:
    case State::Pending:
        return tr("not sent");
    case State::Sending:
        return tr("unknown");
    case State::Unreadable:
    case State::Refused:
    case State::Failed:
        break;
    }
    return tr("no");
}

QString errorText(const ClockChange &clock)
{
    if (clock.state == State::Unreadable)
        return tr("configuration not readable (%1)").arg(clock.error);
    if (clock.state == State::Stopped)
        return tr("the run stopped before its wave");
    return clock.error;
}

struct Columns
{
    QString fields;
    QString before;
    QString after;
};

Columns columnsOf(const ClockChange &clock)
{
    QStringList fields;
    QStringList before;
    QStringList after;
    for (const FieldChange &change : clock.changes) {
        fields << change.field;
        before << shown(change.before);
        after << shown(change.after);
    }
    return {fields.join(listSeparator), before.join(listSeparator), after.join(listSeparator)};
}

} // namespace

// A cell a spreadsheet would run as a formula is written after a "'".
QString planText(const ChangeRunState &state)
{
    QList<QStringList> rows;
    QList<QStringList> others;
    int planned = 0;
    for (const ClockChange &clock : state.clocks) {
        if (clock.state == State::Planned) {
            ++planned;
            for (const FieldChange &change : clock.changes)
                rows.append({clockLabel(clock), change.field, shown(change.before) + arrow + shown(change.after)});
        } else if (clock.state == State::Skipped) {
            others.append({clockLabel(clock), tr("already right: skipped")});
        } else if (!clock.isSuccess()) {
            others.append({clockLabel(clock), errorText(clock) + tr(": skipped")});
        }
    }
    QString text = tr("Change run %1: %2 of %3 clocks to change.").arg(state.id).arg(planned).arg(state.clocks.size());
    if (!rows.isEmpty())
        text += QLatin1Char('\n') + ClockPrinter::formatTable(rows);
    if (!others.isEmpty())
        text += (rows.isEmpty() ? QStringLiteral("\n") : QString()) + ClockPrinter::formatTable(others);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QString resultText(const ChangeRunState &state)
{
    QList<QStringList> rows{{tr("clock"), tr("fields"), tr("before"), tr("after"), tr("verified"), tr("error")}};
    int verified = 0;
    for (const ClockChange &clock : state.clocks) {
        const Columns columns = columnsOf(clock);
        rows.append({clockLabel(clock), columns.fields, columns.before, columns.after, verifiedText(clock),
                     errorText(clock)});
        verified += clock.state == State::Verified ? 1 : 0;
    }
    QString text = ClockPrinter::formatTable(rows);
    text += tr("Change run %1: %2 verified of %3 clocks.").arg(state.id).arg(verified).arg(state.clocks.size());
    if (state.stopped)
        text += QLatin1Char('\n') + tr("Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.");
    return text;
}

QByteArray resultCsv(const ChangeRunState &state)
{
    QByteArray csv = "clock,ip,fields,before,after,verified,state,error\n";
    for (const ClockChange &clock : state.clocks) {
        const Columns columns = columnsOf(clock);
        const QStringList cells{clock.name, clock.ip, columns.fields, columns.before, columns.after,
                                clock.state == State::Verified ? QStringLiteral("yes") : QStringLiteral("no"),
                                ClockChange::stateKey(clock.state), errorText(clock)};
        csv += CsvCell::line(cells);
    }
    return csv;
}

QJsonObject json(const ChangeRunState &state, bool applied)
{
    QJsonArray clocks;
    for (const ClockChange &clock : state.clocks) {
        QJsonArray changes;
        for (const FieldChange &change : clock.changes)
            changes.append(QJsonObject{{"field", change.field}, {"before", change.before}, {"after", change.after}});
        QJsonObject entry{{"ip", clock.ip},
                          {"name", clock.name},
                          {"state", ClockChange::stateKey(clock.state)},
                          {"verified", clock.state == State::Verified},
                          {"changes", changes}};
        if (!errorText(clock).isEmpty())
            entry.insert("error", errorText(clock));
        clocks.append(entry);
    }
    return {{"id", state.id}, {"applied", applied}, {"stopped", state.stopped}, {"clocks", clocks}};
}

} // namespace ChangeReport
