#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

// A table view for long, live lists: a change of one row repaints that row.
// (QTableView repaints its whole viewport for any change wider than one
// cell, so a poll round of a fleet would repaint the table for every clock.)
//
// What assistive technology is told: QTableView's own interface lists every
// column of the model, the hidden ones too, and knows neither an open editor
// nor buttons painted into a cell. Here the table is a row of column
// headers, then the cells of the shown columns in the order they are shown:
// - a cell whose delegate offers choices (ChoiceDelegate) is a combo box,
//   named by its description and valued by its choice; its actions open it,
//   its value interface chooses as the user's own choice would;
// - a cell being edited holds the editor as its one child;
// - a cell of ManageButtonsDelegate holds its buttons, named by their tool
//   tips and pressed by their action.
class ClockTableView : public QTableView
{
    Q_OBJECT

public:
    explicit ClockTableView(QWidget *parent = nullptr);

    // An editable cell opens at one click (a combo box editor with its list
    // shown), or with Space, Enter or F2. Off by default.
    void setEditsAtOnce(bool atOnce) { m_editsAtOnce = atOnce; }
    // The cell being edited and its editor; invalid and null when none.
    QModelIndex editedIndex() const { return m_edited; }
    QWidget *openEditor() const;
    // Opens the cell's editor as a key would; false when it has none.
    bool openCell(const QModelIndex &index);
    // The number of the cell among the table's accessible children; -1 for
    // an invalid index or a hidden column.
    int accessibleChildIndex(const QModelIndex &index) const;

protected:
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QVector<int> &roles = QVector<int>()) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent *event) override;
    // The accessibility events of these name cells by this view's own
    // numbering (shown columns only), not by QTableView's.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    QPersistentModelIndex m_edited;
    bool m_editsAtOnce = false;
};
