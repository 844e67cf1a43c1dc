#pragma once

#include "operations/CommissionedAddress.h"

#include <QAbstractTableModel>
#include <QVector>

class ClockIntake;
class CommissioningSender;

// The result table of a commissioning run, one row per address in the order
// of the range or plan, for a view to show while the run goes on, and for
// zentick-cli to print.
class CommissioningModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { IpColumn, ResultColumn, NameColumn, ModelColumn, FirmwareColumn, GroupColumn, NoteColumn,
                  ColumnCount };

    explicit CommissioningModel(QObject *parent = nullptr);

    // Appends every address the sender reports from now on, each as the
    // caller's list takes it through intake (CommissioningFinding::takeInto).
    void follow(CommissioningSender *sender, ClockIntake &intake);
    void append(const CommissionedAddress &address);
    void clear();
    const QVector<CommissionedAddress> &addresses() const { return m_addresses; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString headerText(int column);
    static QString cellText(const CommissionedAddress &address, int column);
    // "254 addresses: 30 added, 1 already listed, ..." (outcomes that occur only).
    static QString summary(const QVector<CommissionedAddress> &addresses);

private:
    QVector<CommissionedAddress> m_addresses;
};
