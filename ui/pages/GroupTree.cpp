#include "ui/pages/GroupTree.h"

#include "session/ClockListModel.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "ui/widgets/PushButtonFlat.h"
#include "ui/widgets/TableItemCustom.h"
#include "desktop/ThemeManager.h"

#include <QBoxLayout>
#include <QHeaderView>

namespace {

const QString iconRoot = QStringLiteral(":/icons/resources/icons/");
enum Column { NameColumn, ButtonColumn };

} // namespace

GroupTree::GroupTree(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
}

QTreeWidgetItem *GroupTree::addRow(QTreeWidgetItem *parent, const QString &text, const QString &icon,
                                   int groupIndex, int clockIndex)
{
    auto *item = new QTreeWidgetItem({text});
    item->setIcon(NameColumn, ThemeManager::themedIcon(iconRoot + icon));
    item->setData(NameColumn, Qt::UserRole, groupIndex);
    item->setData(ButtonColumn, Qt::UserRole, clockIndex);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    return item;
}

void GroupTree::build(const ClockRegistry &registry)
{
    clear();
    struct Button
    {
        const char *icon;
        QString toolTip;
    };
    const Button groupButtons[] = {{"delete.png", tr("Delete group")},
                                   {"edit.png", tr("Edit group configuration")},
                                   {"settings.png", tr("Change group name")},
                                   {"audit.png", tr("Check clocks")},
                                   {"quiet.png", tr("Quiet period")}};
    const Button clockButtons[] = {{"remove.png", tr("Remove clock from group")},
                                   {"edit.png", tr("Copy clock configuration to group and edit")}};
    const auto addButtons = [](TableItemCustom *cell, const auto &buttons) {
        for (const Button &button : buttons) {
            PushButtonFlat *added = cell->addButton(iconRoot + QLatin1String(button.icon), QString(),
                                                    button.toolTip, buttonMinimumWidth);
            added->setAccessibleName(button.toolTip);
        }
        // Buttons side by side from the left, like those of the other rows.
        if (auto *row = qobject_cast<QBoxLayout *>(cell->layout()))
            row->addStretch();
    };

    int buttonWidth = 0;
    for (int g = 0; g < registry.groupCount(); ++g) {
        const DevGroup *group = registry.groupAt(g);
        // A quiet group says so after its name, until when in the tool tip.
        const QDateTime now = QDateTime::currentDateTime();
        const QuietPeriod period = ClockRegistry::quietPeriodOfGroup(*group, now);
        QStringList quiet{ClockListModel::quietLine(period), ClockListModel::quietHoursLine(group->quietHours)};
        quiet.removeAll(QString());
        QTreeWidgetItem *groupItem = addRow(nullptr, period.on ? tr("%1 (quiet)").arg(group->name()) : group->name(),
                                            QStringLiteral("list.png"), g, -1);
        if (!quiet.isEmpty())
            groupItem->setToolTip(NameColumn, quiet.join(QLatin1Char('\n')));
        auto *groupCell = new TableItemCustom(this, g);
        addButtons(groupCell, groupButtons);
        connect(groupCell, &TableItemCustom::ButtonClicked, this,
                [this, g](int, int button) { emit groupButtonClicked(g, button); });
        setItemWidget(groupItem, ButtonColumn, groupCell);
        buttonWidth = qMax(buttonWidth, groupCell->sizeHint().width());

        for (int c : group->clockIndexes()) {
            const DevClock *clock = registry.clockAt(c);
            if (!clock)
                continue;
            QTreeWidgetItem *clockItem = addRow(groupItem, clock->name, QStringLiteral("clock.png"), g, c);
            auto *clockCell = new TableItemCustom(this, c);
            addButtons(clockCell, clockButtons);
            connect(clockCell, &TableItemCustom::ButtonClicked, this,
                    [this, g, c](int, int button) { emit clockButtonClicked(g, c, button); });
            setItemWidget(clockItem, ButtonColumn, clockCell);
        }
    }
    expandAll();
    resizeColumnToContents(NameColumn);
    resizeColumnToContents(ButtonColumn);
    header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    header()->setSectionResizeMode(ButtonColumn, QHeaderView::Fixed);
    if (buttonWidth > 0)
        header()->resizeSection(ButtonColumn, qMax(buttonWidth, columnWidth(ButtonColumn)));
}
