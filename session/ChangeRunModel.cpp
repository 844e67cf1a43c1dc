#include "session/ChangeRunModel.h"

#include "operations/change/ChangeRunState.h"
#include "session/ChangeFieldChoices.h"

namespace {

using State = ClockChange::State;

const QString arrow = QStringLiteral(" \u2192 ");
const QString listSeparator = QStringLiteral("; ");

QString shownValue(const QString &field, const QString &value)
{
    return value.isEmpty() ? QStringLiteral("\"\"") : ChangeFieldChoices::shown(field, value);
}

QString fieldLabel(const QString &field)
{
    const ChangeFieldChoices::Field *known = ChangeFieldChoices::find(field);
    return known ? known->label : field;
}

} // namespace

ChangeRunModel::ChangeRunModel(Mode mode, QObject *parent)
    : QAbstractTableModel(parent)
    , m_mode(mode)
{
}

void ChangeRunModel::setState(const ChangeRunState *state)
{
    m_state = state;
    refresh();
}

void ChangeRunModel::refresh()
{
    beginResetModel();
    m_rows.clear();
    for (int i = 0; m_state && i < m_state->clocks.size(); ++i) {
        const ClockChange &clock = m_state->clocks.at(i);
        if (m_mode == Mode::Preview && clock.state == State::Planned) {
            for (int c = 0; c < clock.changes.size(); ++c)
                m_rows.append({i, c});
        } else if (m_mode == Mode::Result || clock.state != State::Pending) {
            m_rows.append({i, -1});
        }
    }
    endResetModel();
}

void ChangeRunModel::clockChanged(int clockIndex)
{
    // Result rows are the clocks in order, one each.
    if (m_mode != Mode::Result || clockIndex < 0 || clockIndex >= m_rows.size())
        return;
    emit dataChanged(index(clockIndex, 0), index(clockIndex, ResultColumnCount - 1));
}

int ChangeRunModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int ChangeRunModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_mode == Mode::Preview ? int(PreviewColumnCount) : int(ResultColumnCount);
}

QVariant ChangeRunModel::data(const QModelIndex &index, int role) const
{
    if (!m_state || !index.isValid() || index.row() >= m_rows.size()
        || (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole))
        return {};
    const Row &row = m_rows.at(index.row());
    if (row.clock >= m_state->clocks.size())
        return {};
    return m_mode == Mode::Preview ? previewText(row, index.column())
                                   : resultText(m_state->clocks.at(row.clock), index.column());
}

QString ChangeRunModel::previewText(const Row &row, int column) const
{
    const ClockChange &clock = m_state->clocks.at(row.clock);
    if (column == PreviewClock)
        return clockLabel(clock);
    if (row.change >= 0 && row.change < clock.changes.size()) {
        const FieldChange &change = clock.changes.at(row.change);
        return column == PreviewField ? fieldLabel(change.field)
                                      : shownValue(change.field, change.before) + arrow
                                            + shownValue(change.field, change.after);
    }
    if (column == PreviewField)
        return QString();
    return clock.state == State::Skipped ? tr("already right: skipped") : errorText(clock) + tr(": skipped");
}

QString ChangeRunModel::resultText(const ClockChange &clock, int column) const
{
    QStringList fields;
    QStringList before;
    QStringList after;
    for (const FieldChange &change : clock.changes) {
        fields << fieldLabel(change.field);
        before << shownValue(change.field, change.before);
        after << shownValue(change.field, change.after);
    }
    switch (column) {
    case ResultClock:
        return clockLabel(clock);
    case ResultFields:
        return fields.join(listSeparator);
    case ResultBefore:
        return before.join(listSeparator);
    case ResultAfter:
        return after.join(listSeparator);
    case ResultVerified:
        return verifiedText(clock);
    case ResultError:
        return errorText(clock);
    default:
        return QString();
    }
}

QVariant ChangeRunModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (m_mode == Mode::Preview) {
        const QStringList headers{tr("Clock"), tr("Field"), tr("Old \u2192 new")};
        return headers.value(section);
    }
    const QStringList headers{tr("Clock"), tr("Fields"), tr("Before"), tr("After"), tr("Verified"), tr("Error")};
    return headers.value(section);
}

QString ChangeRunModel::clockLabel(const ClockChange &clock)
{
    return clock.name.isEmpty() ? clock.ip : QStringLiteral("%1 (%2)").arg(clock.name, clock.ip);
}

QString ChangeRunModel::verifiedText(const ClockChange &clock)
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
        return tr("being sent");
    case State::Unreadable:
    case State::Refused:
    case State::Failed:
        break;
    }
    return tr("no");
}

QString ChangeRunModel::errorText(const ClockChange &clock)
{
    if (clock.state == State::Unreadable)
        return tr("configuration not readable (%1)").arg(clock.error);
    if (clock.state == State::Stopped)
        return tr("the run stopped before its wave");
    return clock.error;
}
