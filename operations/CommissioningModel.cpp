#include "operations/CommissioningModel.h"

#include "operations/CommissioningSender.h"
#include "model/DevClock.h"

#include <QStringList>

namespace {

// Every outcome, in the order the summary names them.
const CommissionedAddress::Outcome outcomes[] = {
    CommissionedAddress::Added,         CommissionedAddress::AddedSilent, CommissionedAddress::AlreadyListed,
    CommissionedAddress::Moved,         CommissionedAddress::MacConflict, CommissionedAddress::NotAClock,
    CommissionedAddress::NoAnswer,      CommissionedAddress::WrongPassword,
};

} // namespace

CommissioningModel::CommissioningModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void CommissioningModel::follow(CommissioningSender *sender, ClockIntake &intake)
{
    connect(sender, &CommissioningSender::addressReported, this,
            [this, sender, &intake] { append(sender->finding().takeInto(intake)); });
}

void CommissioningModel::append(const CommissionedAddress &address)
{
    beginInsertRows(QModelIndex(), m_addresses.size(), m_addresses.size());
    m_addresses.append(address);
    endInsertRows();
}

void CommissioningModel::clear()
{
    beginResetModel();
    m_addresses.clear();
    endResetModel();
}

int CommissioningModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_addresses.size();
}

int CommissioningModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CommissioningModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_addresses.size() || role != Qt::DisplayRole)
        return QVariant();
    return cellText(m_addresses.at(index.row()), index.column());
}

QVariant CommissioningModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    return headerText(section);
}

QString CommissioningModel::headerText(int column)
{
    switch (column) {
    case IpColumn:
        return tr("IP");
    case ResultColumn:
        return tr("Result");
    case NameColumn:
        return tr("Name");
    case ModelColumn:
        return tr("Model");
    case FirmwareColumn:
        return tr("Firmware");
    case GroupColumn:
        return tr("Group");
    case NoteColumn:
        return tr("Note");
    default:
        return QString();
    }
}

QString CommissioningModel::cellText(const CommissionedAddress &address, int column)
{
    const bool clock = address.isClock();
    switch (column) {
    case IpColumn:
        return address.ip;
    case ResultColumn:
        return address.outcomeText();
    case NameColumn:
        return address.isListed() ? address.name : QString();
    case ModelColumn:
        return clock ? address.productCode : QString();
    case FirmwareColumn:
        return clock ? DevClock::firmwareText(address.firmware) : QString();
    case GroupColumn:
        return address.group;
    case NoteColumn:
        return address.note();
    default:
        return QString();
    }
}

QString CommissioningModel::summary(const QVector<CommissionedAddress> &addresses)
{
    QStringList counts;
    for (const CommissionedAddress::Outcome outcome : outcomes) {
        int count = 0;
        for (const CommissionedAddress &address : addresses)
            count += address.outcome == outcome ? 1 : 0;
        if (count > 0) {
            CommissionedAddress sample;
            sample.outcome = outcome;
            // "added 27": a tally needs no plural form of the result word.
            counts << QStringLiteral("%1 %2").arg(sample.outcomeText()).arg(count);
        }
    }
    const QString total = tr("%n address(es)", nullptr, addresses.size());
    return counts.isEmpty() ? total : total + QStringLiteral(": ") + counts.join(QStringLiteral(", "));
}
