#pragma once

#include <QTreeWidget>

class ClockRegistry;

// The group page's tree: each group with its member clocks, every row with
// its icon buttons. The group index is the user data of column 0 and the
// clock index (-1 on a group row) that of column 1.
class GroupTree : public QTreeWidget
{
    Q_OBJECT

public:
    enum GroupButton { DeleteGroup, EditGroupConfiguration, RenameGroup, CheckClocks, QuietGroup };
    enum ClockButton { RemoveClock, CopyClockConfiguration };
    static constexpr int buttonMinimumWidth = 24;

    explicit GroupTree(QWidget *parent = nullptr);

    // Rebuilds from the registry.
    void build(const ClockRegistry &registry);

signals:
    void groupButtonClicked(int groupIndex, int button);
    void clockButtonClicked(int groupIndex, int clockIndex, int button);

private:
    QTreeWidgetItem *addRow(QTreeWidgetItem *parent, const QString &text, const QString &icon, int groupIndex,
                            int clockIndex);
};
