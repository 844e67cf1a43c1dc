#pragma once

#include <QTableView>

// A table view for long, live lists: a change of one row repaints that row.
// (QTableView repaints its whole viewport for any change wider than one
// cell, so a poll round of a fleet would repaint the table for every clock.)
class ClockTableView : public QTableView
{
    Q_OBJECT

public:
    explicit ClockTableView(QWidget *parent = nullptr);

protected:
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QVector<int> &roles = QVector<int>()) override;
};
