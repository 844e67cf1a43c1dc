#pragma once

#include "model/DeviceRowFilter.h"

#include <QSortFilterProxyModel>

class ClockListModel;

// The rows of a ClockListModel a view shows, and their order: the filter
// text and "problems only" of DeviceRowFilter, sorted by the model's
// SortRole (names in natural order, "Clock 9" before "Clock 10").
class ClockListFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ClockListFilter(ClockListModel &clocks, QObject *parent = nullptr);

    // Rows that were shown and still are keep their persistent indexes (the
    // view's current row among them); the others' become invalid.
    void setFilter(const QString &text, bool problemsOnly);
    const DeviceRowFilter &filter() const { return m_filter; }
    // The clock's index in the list for a row of this model; -1 when none.
    int clockIndex(const QModelIndex &index) const;

    // Case-insensitive, with runs of digits compared by their value.
    static int naturalCompare(const QString &a, const QString &b);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    ClockListModel &m_clocks;
    DeviceRowFilter m_filter;
};
