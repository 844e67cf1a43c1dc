#pragma once

#include <QTableWidget>

class CustomTableHeader;

// A table with a CustomTableHeader that sorts by the clicked column:
// ascending, or descending when the same column was last sorted ascending.
class CustomHeaderedTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit CustomHeaderedTable(QWidget *parent = nullptr);

    CustomTableHeader *customHeader() const { return m_header; }
    int lastSortedColumn() const { return m_lastColumn; }
    Qt::SortOrder lastSortOrder() const { return m_lastOrder; }

public slots:
    void sortByColumnClicked(int column);

protected:
    void scrollContentsBy(int dx, int dy) override;

private:
    CustomTableHeader *m_header;
    int m_lastColumn = -1;
    Qt::SortOrder m_lastOrder = Qt::AscendingOrder;
};
