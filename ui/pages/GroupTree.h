#pragma once

#include <QPointer>
#include <QTreeWidget>

class ClockRegistry;
class ManageButtonsDelegate;
class QMenu;

// The group page's tree: each group with its member clocks, every row with
// its icon buttons. The group index is the user data of column 0 and the
// clock index (-1 on a group row) that of column 1.
//
// A fleet puts thousands of clocks in groups, so the clock rows' buttons are
// painted (ManageButtonsDelegate: tool tips, hover, Left/Right and
// Space/Enter in the button cell); the few group rows keep real buttons.
// For assistive technology a clock row's context menu (Menu key, Shift+F10)
// holds the same actions under the buttons' names.
class GroupTree : public QTreeWidget
{
    Q_OBJECT

public:
    enum GroupButton { DeleteGroup, EditGroupConfiguration, RenameGroup, CheckClocks, QuietGroup, ChangeClocks,
                       ChangePasswords };
    enum ClockButton { RemoveClock, CopyClockConfiguration };
    static constexpr int buttonMinimumWidth = 24;

    explicit GroupTree(QWidget *parent = nullptr);

    // Rebuilds from the registry.
    void build(const ClockRegistry &registry);
    // The painted buttons of the clock rows.
    ManageButtonsDelegate *clockButtons() const { return m_clockButtons; }
    // The context menu open for a clock row, if any.
    QMenu *openMenu() const;

signals:
    void groupButtonClicked(int groupIndex, int button);
    void clockButtonClicked(int groupIndex, int clockIndex, int button);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTreeWidgetItem *addRow(QTreeWidgetItem *parent, const QString &text, const QString &icon, int groupIndex,
                            int clockIndex);
    void showClockMenu(const QModelIndex &index, const QPoint &globalPos);
    void pressFromMenu(const QPersistentModelIndex &cell, int button);

    ManageButtonsDelegate *m_clockButtons;
    QPointer<QMenu> m_menu;
};
