#include "ClockTableView.h"

#include <QAccessible>

ClockTableView::ClockTableView(QWidget *parent)
    : QTableView(parent)
{
}

void ClockTableView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles)
{
    const int row = topLeft.row();
    // An open editor is brought in line by the base class.
    if (!topLeft.isValid() || row != bottomRight.row() || state() == EditingState) {
        QTableView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    if (isVisible() && !isRowHidden(row)) {
        const QRect rect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
        if (rect.intersects(viewport()->rect()))
            viewport()->update(rect);
    }
#ifndef QT_NO_ACCESSIBILITY
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(row);
        event.setFirstColumn(topLeft.column());
        event.setLastRow(row);
        event.setLastColumn(bottomRight.column());
        QAccessible::updateAccessibility(&event);
    }
#endif
}
