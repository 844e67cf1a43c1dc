#pragma once

#include <QAbstractTableModel>
#include <QVector>

struct PasswordClock;

// The clocks of a password run as a table for the window, a row per clock:
// before the run what each has (planned), then how far it got, which
// password the device list keeps for it and why it is not verified. No
// password is shown. The clocks are the run's own and outlive the model's use
// of them.
class PasswordRunModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ClockColumn, StateColumn, StoredColumn, ErrorColumn, ColumnCount };

    explicit PasswordRunModel(QObject *parent = nullptr);

    // Null shows nothing.
    void setClocks(const QVector<PasswordClock> *clocks);
    void clockChanged(int index);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const QVector<PasswordClock> *m_clocks = nullptr;
};
