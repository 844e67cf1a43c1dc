#include "ui/pages/GroupTree.h"

#include "session/ClockListModel.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "ui/widgets/ManageButtonsDelegate.h"
#include "ui/widgets/PushButtonFlat.h"
#include "ui/widgets/TableItemCustom.h"
#include "desktop/ThemeManager.h"

#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

namespace {

const QString iconRoot = QStringLiteral(":/icons/resources/icons/");
enum Column { NameColumn, ButtonColumn };

bool isClockRow(const QModelIndex &index)
{
    return index.isValid() && index.parent().isValid();
}

} // namespace

GroupTree::GroupTree(QWidget *parent)
    : QTreeWidget(parent)
    , m_clockButtons(new ManageButtonsDelegate(this))
{
    setColumnCount(2);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    // Left and Right move between the name and the button cell.
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    m_clockButtons->setCarriesButtons(
        [](const QModelIndex &index) { return index.column() == ButtonColumn && isClockRow(index); });
    setItemDelegateForColumn(ButtonColumn, m_clockButtons);
    connect(m_clockButtons, &ManageButtonsDelegate::buttonClickedAt, this,
            [this](const QModelIndex &index, int button) {
                emit clockButtonClicked(index.siblingAtColumn(NameColumn).data(Qt::UserRole).toInt(),
                                        index.siblingAtColumn(ButtonColumn).data(Qt::UserRole).toInt(), button);
            });
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
    return item;
}

void GroupTree::build(const ClockRegistry &registry)
{
    if (m_menu)
        m_menu->close();
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
                                   {"quiet.png", tr("Quiet period")},
                                   {"upload.png", tr("Change clocks of the group")},
                                   {"key.png", tr("Change passwords of the group")}};
    const QList<ManageButtonsDelegate::Button> clockButtons{
        {iconRoot + QLatin1String("remove.png"), tr("Remove clock from group")},
        {iconRoot + QLatin1String("edit.png"), tr("Copy clock configuration to group and edit")}};
    // Tinted for the theme of now: a change of theme rebuilds the tree.
    m_clockButtons->setButtons(clockButtons);
    const QString clockActions = clockButtons.at(0).toolTip + QLatin1String(", ") + clockButtons.at(1).toolTip;
    const QString clockActionsWhere = tr("In the context menu of the row");

    // Filled before they join the tree: one insertion for all the rows.
    QList<QTreeWidgetItem *> groupItems;
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
        for (int c : group->clockIndexes()) {
            const DevClock *clock = registry.clockAt(c);
            if (!clock)
                continue;
            QTreeWidgetItem *clockItem = addRow(groupItem, clock->name, QStringLiteral("clock.png"), g, c);
            // A screen reader reads the painted buttons' names and where they are.
            clockItem->setData(ButtonColumn, Qt::AccessibleTextRole, clockActions);
            clockItem->setData(ButtonColumn, Qt::AccessibleDescriptionRole, clockActionsWhere);
        }
        groupItems << groupItem;
    }
    addTopLevelItems(groupItems);

    int buttonWidth = 0;
    for (int g = 0; g < groupItems.size(); ++g) {
        auto *groupCell = new TableItemCustom(this, g);
        for (const Button &button : groupButtons) {
            PushButtonFlat *added = groupCell->addButton(iconRoot + QLatin1String(button.icon), QString(),
                                                         button.toolTip, buttonMinimumWidth);
            added->setAccessibleName(button.toolTip);
        }
        // Buttons side by side from the left, like the painted ones.
        if (auto *row = qobject_cast<QBoxLayout *>(groupCell->layout()))
            row->addStretch();
        connect(groupCell, &TableItemCustom::ButtonClicked, this,
                [this, g](int, int button) { emit groupButtonClicked(g, button); });
        setItemWidget(groupItems.at(g), ButtonColumn, groupCell);
        buttonWidth = qMax(buttonWidth, groupCell->sizeHint().width());
    }
    expandAll();
    resizeColumnToContents(NameColumn);
    resizeColumnToContents(ButtonColumn);
    header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    header()->setSectionResizeMode(ButtonColumn, QHeaderView::Fixed);
    buttonWidth = qMax(buttonWidth, m_clockButtons->preferredWidth());
    header()->resizeSection(ButtonColumn, qMax(buttonWidth, columnWidth(ButtonColumn)));
}

void GroupTree::contextMenuEvent(QContextMenuEvent *event)
{
    const bool fromKeys = event->reason() == QContextMenuEvent::Keyboard;
    // A mouse's event comes from the viewport, in its coordinates.
    const QModelIndex index = fromKeys ? currentIndex() : indexAt(event->pos());
    if (!isClockRow(index)) {
        QTreeWidget::contextMenuEvent(event);
        return;
    }
    QPoint at = event->globalPos();
    if (fromKeys) {
        const QRect row = visualRect(index.siblingAtColumn(NameColumn));
        at = viewport()->mapToGlobal(row.bottomLeft());
    }
    showClockMenu(index, at);
    event->accept();
}

void GroupTree::keyPressEvent(QKeyEvent *event)
{
    // Not every platform turns these keys into a context menu event.
    const bool menuKey = event->key() == Qt::Key_Menu
        || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey && isClockRow(currentIndex())) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos(), event->modifiers());
        contextMenuEvent(&menu);
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void GroupTree::showClockMenu(const QModelIndex &index, const QPoint &globalPos)
{
    // The X server may send the Menu key as a key and as a menu event.
    if (m_menu)
        return;
    m_menu = new QMenu(this);
    m_menu->setAttribute(Qt::WA_DeleteOnClose);
    const QPersistentModelIndex cell(index.siblingAtColumn(ButtonColumn));
    for (int button = 0; button < m_clockButtons->buttonCount(); ++button) {
        QAction *action = m_menu->addAction(m_clockButtons->toolTip(button));
        // Left for the event loop: a button may rebuild the tree and its menu.
        connect(action, &QAction::triggered, this, [this, cell, button] {
            QMetaObject::invokeMethod(
                this, [this, cell, button] { pressFromMenu(cell, button); }, Qt::QueuedConnection);
        });
    }
    m_menu->popup(globalPos);
}

void GroupTree::pressFromMenu(const QPersistentModelIndex &cell, int button)
{
    if (m_menu)
        m_menu->close();
    if (cell.isValid())
        m_clockButtons->press(cell, button);
}

QMenu *GroupTree::openMenu() const
{
    return m_menu;
}
