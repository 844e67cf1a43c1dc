#pragma once

#include <QModelIndex>

class ClockTableView;

// What assistive technology is told of a ClockTableView. QTableView's own
// interface lists every column of the model, the hidden ones too, and knows
// neither an open editor nor buttons painted into a cell. Here the table is
// a row of column headers, then the cells of the shown columns in the order
// they are shown:
// - a cell whose delegate offers choices (ChoiceDelegate) is a combo box:
//   named by its description, valued by its choice; its actions open it,
//   its value interface chooses, as the user's own choice would;
// - a cell being edited holds the editor as its one child;
// - a cell of ManageButtonsDelegate holds its buttons, named by their tool
//   tips and pressed by their action.
namespace ClockTableAccessible {

// Once per process; later calls do nothing.
void install();
// The number of the cell among the table's accessible children; -1 for an
// invalid index or a hidden column.
int childIndex(const ClockTableView &view, const QModelIndex &index);

} // namespace ClockTableAccessible
