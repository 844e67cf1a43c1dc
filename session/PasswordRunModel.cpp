#include "session/PasswordRunModel.h"

#include "operations/change/PasswordRun.h"

using State = PasswordClock::State;

PasswordRunModel::PasswordRunModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void PasswordRunModel::setClocks(const QVector<PasswordClock> *clocks)
{
    beginResetModel();
    m_clocks = clocks;
    endResetModel();
}

void PasswordRunModel::clockChanged(int index)
{
    if (m_clocks && index >= 0 && index < m_clocks->size())
        emit dataChanged(this->index(index, 0), this->index(index, ColumnCount - 1));
}

int PasswordRunModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_clocks ? 0 : m_clocks->size();
}

int PasswordRunModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ColumnCount);
}

QVariant PasswordRunModel::data(const QModelIndex &index, int role) const
{
    if (!m_clocks || !index.isValid() || index.row() >= m_clocks->size()
        || (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole))
        return {};
    const PasswordClock &clock = m_clocks->at(index.row());
    switch (index.column()) {
    case ClockColumn:
        return clock.label();
    case StateColumn:
        return PasswordClock::stateText(clock.state);
    case StoredColumn:
        if (clock.state == State::Planned || clock.state == State::Sending)
            return QString();
        return clock.hasNewPassword() ? tr("new") : tr("old");
    case ErrorColumn:
        return clock.resultError();
    default:
        return {};
    }
}

QVariant PasswordRunModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    const QStringList headers{tr("Clock"), tr("State"), tr("Stored password"), tr("Error")};
    return headers.value(section);
}
