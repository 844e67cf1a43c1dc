#include "ui/widgets/CustomHeaderedTable.h"

#include "ui/widgets/CustomTableHeader.h"

CustomHeaderedTable::CustomHeaderedTable(QWidget *parent)
    : QTableWidget(parent)
    , m_header(new CustomTableHeader(Qt::Horizontal, this))
{
    setHorizontalHeader(m_header);
    m_header->setSortIndicatorShown(true);
    connect(m_header, &QHeaderView::sectionClicked, this, &CustomHeaderedTable::sortByColumnClicked);
}

void CustomHeaderedTable::sortByColumnClicked(int column)
{
    const Qt::SortOrder order = (column == m_lastColumn && m_lastOrder == Qt::AscendingOrder)
        ? Qt::DescendingOrder
        : Qt::AscendingOrder;
    sortItems(column, order);
    m_header->setSortIndicator(column, order);
    m_lastColumn = column;
    m_lastOrder = order;
}

void CustomHeaderedTable::scrollContentsBy(int dx, int dy)
{
    QTableWidget::scrollContentsBy(dx, dy);
    m_header->placeWidgets();
}
