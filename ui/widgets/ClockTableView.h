#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

// A table view for long, live lists: a change of one row repaints that row.
// (QTableView repaints its whole viewport for any change wider than one
// cell, so a poll round of a fleet would repaint the table for every clock.)
//
// To assistive technology it is a table of its shown columns only (hidden
// columns are not there at all); a cell being edited holds its editor, a
// cell of choices is an editable combo box, and a cell of painted buttons
// holds them as buttons (see ClockTableAccessible).
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
