#include "ui/pages/PageGroupList.h"

#include "session/ClockListModel.h"
#include "model/ClockRegistry.h"
#include "ui/widgets/ClockTableDelegates.h"
#include "ui/widgets/ClockTableView.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "ui/dialogs/DialogCombobox.h"
#include "ui/dialogs/DialogEditName.h"
#include "ui/dialogs/DialogHost.h"
#include "operations/audit/FleetAudit.h"
#include "ui/services/ChangeClocksAction.h"
#include "ui/services/FleetCheck.h"
#include "session/MonitoringSession.h"
#include "ui/services/OperationRunner.h"
#include "ui/services/PageServices.h"
#include "ui/services/QuietPeriodChoice.h"
#include "session/QuietRequests.h"
#include "ui_PageGroupList.h"

#include <QHeaderView>

namespace {

// Index 0 of a membership box is "None"; group g is g + 1.
constexpr int noGroupItems = 1;

} // namespace

PageGroupList::PageGroupList(PageServices &services, QWidget *parent)
    : NavigationPage(parent)
    , ui(new Ui::PageGroupList)
    , m_services(services)
{
    ui->setupUi(this);
    ui->splitterGroups->setStretchFactor(0, 1);
    ui->splitterGroups->setStretchFactor(1, 1);
    // The clock list's model, its name, address and group: the group's cell
    // opens its box of the groups at one click, or with Space, Enter or F2.
    // (Opened on arrival, the box took the arrow keys that were moving
    // through the table, and changed groups on the way.)
    ClockTableView *table = ui->twdGroupDeviceList;
    table->setModel(&m_services.clockTable());
    for (int column = 0; column < ClockListModel::ColumnCount; ++column) {
        const bool shown = column == ClockListModel::NameColumn || column == ClockListModel::IpColumn
            || column == ClockListModel::GroupColumn;
        table->setColumnHidden(column, !shown);
    }
    table->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked
                           | QAbstractItemView::EditKeyPressed);
    table->setEditsAtOnce(true);
    auto *groups = new ChoiceDelegate(ClockListModel::ChoicesRole, table);
    table->setItemDelegateForColumn(ClockListModel::GroupColumn, groups);
    connect(groups, &ChoiceDelegate::choiceMade, this,
            [this](const QModelIndex &index, int value) { onMembershipChanged(index.row(), value); });
    // The group box takes what the name and address leave; measuring the
    // contents would walk every row of a long list.
    QHeaderView *header = table->horizontalHeader();
    const QFontMetrics metrics = table->fontMetrics();
    const int padding = metrics.averageCharWidth() * 3;
    header->resizeSection(ClockListModel::NameColumn, metrics.horizontalAdvance(QStringLiteral("Meeting room 1")) + padding);
    header->resizeSection(ClockListModel::IpColumn, metrics.horizontalAdvance(QStringLiteral("192.168.100.100")) + padding);
    header->setStretchLastSection(true);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // An open box follows groups made or renamed meanwhile: the model
    // announces the group cells, and the delegate brings the box in line.
    connect(ui->twdGroupList, &GroupTree::groupButtonClicked, this, &PageGroupList::onGroupButtonClicked);
    connect(ui->twdGroupList, &GroupTree::clockButtonClicked, this, &PageGroupList::onClockButtonClicked);
    connect(ui->btnGroupAdd, &QAbstractButton::clicked, this, &PageGroupList::addGroup);
    connect(&m_services, &PageServices::themeChanged, this, &PageGroupList::onThemeChanged);
}

PageGroupList::~PageGroupList()
{
    delete ui;
}

void PageGroupList::BuildGroupTree()
{
    ui->twdGroupList->build(m_services.registry());
}

void PageGroupList::enter()
{
    BuildGroupTree();
}

void PageGroupList::onThemeChanged()
{
    // The tree's icons are tinted as it is built; a hidden tree is built
    // anew when the page is entered.
    if (isVisible())
        BuildGroupTree();
}

void PageGroupList::rebuild()
{
    // The membership table follows the list by itself.
    BuildGroupTree();
}

void PageGroupList::addGroup()
{
    ClockRegistry *registry = &m_services.registry();
    DialogEditName dialog(m_services.window());
    dialog.set(tr("Add group"), tr("Group name"),
               tr("Group") + QLatin1Char(' ') + QString::number(registry->groupCount() + 1), tr("Add"));
    if (m_services.dialogs().runDialog(dialog) != QDialog::Accepted)
        return;
    registry->createGroup(dialog.text());
    rebuild();
    m_services.listChanged();
}

void PageGroupList::onGroupButtonClicked(int groupIndex, int button)
{
    switch (button) {
    case GroupTree::DeleteGroup:
        deleteGroup(groupIndex);
        break;
    case GroupTree::EditGroupConfiguration:
        EditGroupConfiguration(groupIndex);
        break;
    case GroupTree::RenameGroup:
        renameGroup(groupIndex);
        break;
    case GroupTree::CheckClocks:
        checkClocks(groupIndex);
        break;
    case GroupTree::QuietGroup:
        toggleQuietPeriod(groupIndex);
        break;
    case GroupTree::ChangeClocks:
        changeClocks(groupIndex, false);
        break;
    case GroupTree::ChangePasswords:
        changeClocks(groupIndex, true);
        break;
    default:
        break;
    }
}

void PageGroupList::changeClocks(int groupIndex, bool passwords)
{
    const ClockRegistry &registry = m_services.registry();
    const DevGroup *group = registry.groupAt(groupIndex);
    if (!group)
        return;
    QList<DevClock *> clocks;
    for (int member : group->clockIndexes()) {
        if (DevClock *clock = registry.clockAt(member))
            clocks.append(clock);
    }
    if (clocks.isEmpty()) {
        m_services.dialogs().message(m_services.window(), tr("Group don't have any clocks."), QuestionIcon::Critical);
        return;
    }
    if (passwords)
        ChangeClocksAction::changePasswords(m_services, clocks);
    else
        ChangeClocksAction::run(m_services, clocks, DialogChangeClocks::Mode::Choose);
}

void PageGroupList::toggleQuietPeriod(int groupIndex)
{
    const DevGroup *group = m_services.registry().groupAt(groupIndex);
    if (!group)
        return;
    QuietRequest request;
    request.group = group->name();
    request.mute = !group->quietPeriod.isActive(QDateTime::currentDateTime());
    if (request.mute) {
        if (!QuietPeriodChoice::ask(m_services, tr("any clock of group %1").arg(group->name()), group->quietHours,
                                    request))
            return;
    } else if (m_services.dialogs().ask(m_services.window(),
                                         tr("End the quiet period of group %1?").arg(group->name()),
                                         QuestionIcon::Question, tr("End it"), tr("Cancel"))
               != QuestionResult::Positive) {
        return;
    }
    const QString error = m_services.session().applyQuietRequest(request);
    if (!error.isEmpty())
        m_services.dialogs().message(m_services.window(), error, QuestionIcon::Warning);
    BuildGroupTree();
}

void PageGroupList::deleteGroup(int groupIndex)
{
    ClockRegistry *registry = &m_services.registry();
    const DevGroup *group = registry->groupAt(groupIndex);
    if (!group)
        return;
    if (m_services.dialogs().ask(m_services.window(),
                                 tr("Are you sure you want to delete group %1?").arg(group->name()),
                                 QuestionIcon::Warning, tr("Delete"), tr("Cancel"))
        != QuestionResult::Positive)
        return;
    registry->removeGroup(groupIndex);
    rebuild();
    m_services.listChanged();
}

void PageGroupList::renameGroup(int groupIndex)
{
    ClockRegistry *registry = &m_services.registry();
    const DevGroup *group = registry->groupAt(groupIndex);
    if (!group)
        return;
    DialogEditName dialog(m_services.window());
    dialog.set(tr("Edit group name"), tr("Group name"), group->name(), tr("Save"));
    if (m_services.dialogs().runDialog(dialog) != QDialog::Accepted)
        return;
    if (registry->renameGroup(groupIndex, dialog.text()))
        rebuild();
    m_services.listChanged();
}

void PageGroupList::checkClocks(int groupIndex)
{
    ClockRegistry &registry = m_services.registry();
    FleetCheck::run(
        m_services, this, [&registry, groupIndex](FleetAudit &audit) { return audit.selectGroup(registry, groupIndex); },
        false);
}

void PageGroupList::onClockButtonClicked(int groupIndex, int clockIndex, int button)
{
    switch (button) {
    case GroupTree::RemoveClock:
        m_services.registry().setClockGroup(clockIndex, -1);
        rebuild();
        m_services.listChanged();
        break;
    case GroupTree::CopyClockConfiguration:
        copyClockConfigurationAndEdit(groupIndex, clockIndex);
        break;
    default:
        break;
    }
}

void PageGroupList::copyClockConfigurationAndEdit(int groupIndex, int clockIndex)
{
    if (m_services.dialogs().ask(m_services.window(),
                                tr("Are you sure you want to open clock configuration and copy it to group?"),
                                QuestionIcon::Question, tr("Open"), tr("Cancel"))
        != QuestionResult::Positive)
        return;
    // The clock's configuration is shown; the group is what is sent and stored.
    emit editRequested(EditTarget::groupFromClock(groupIndex, clockIndex));
}

void PageGroupList::EditGroupConfiguration(int groupIndex)
{
    ClockRegistry *registry = &m_services.registry();
    DevGroup *group = registry->groupAt(groupIndex);
    if (!group)
        return;
    if (group->hasConfig()) {
        emit editRequested(EditTarget::group(groupIndex));
        return;
    }
    if (group->clockIndexes().isEmpty()) {
        m_services.dialogs().message(m_services.window(), tr("Group don't have any clocks."), QuestionIcon::Critical);
        return;
    }
    const int clockIndex = chooseMemberClock(groupIndex);
    const DevClock *clock = registry->clockAt(clockIndex);
    if (!clock)
        return;
    if (!clock->hasConfig()) {
        m_services.dialogs().message(
            m_services.window(),
            tr("Clock has no fetched configuration. Download clock configuration in device list first."),
            QuestionIcon::Critical);
        return;
    }
    group->setConfig(clock->config());
    if (group->hasConfig())
        emit editRequested(EditTarget::group(groupIndex));
    else
        m_services.dialogs().message(m_services.window(), tr("Group don't have configuration."),
                                     QuestionIcon::Critical);
}

int PageGroupList::chooseMemberClock(int groupIndex)
{
    ClockRegistry *registry = &m_services.registry();
    const QList<int> members = registry->groupAt(groupIndex)->clockIndexes();
    QStringList names;
    QList<int> listed;
    for (int member : members) {
        if (const DevClock *clock = registry->clockAt(member)) {
            names << clock->name;
            listed << member;
        }
    }
    DialogCombobox dialog(m_services.window());
    setUpMemberChoice(dialog, names);
    if (m_services.dialogs().runDialog(dialog) != QDialog::Accepted)
        return -1;
    const int chosen = dialog.selectedIndex();
    return chosen >= 0 && chosen < listed.size() ? listed.at(chosen) : -1;
}

void PageGroupList::setUpMemberChoice(DialogCombobox &dialog, const QStringList &clockNames)
{
    dialog.setWindowTitle(tr("Copy configuration to the group"));
    dialog.setButtons(tr("Set"), tr("Cancel"));
    dialog.setTexts(tr("Selected group has no configuration."),
                    tr("Choose device from which do you want to copy configuration for group."), tr("Clock name"),
                    clockNames);
}

void PageGroupList::onMembershipChanged(int clockIndex, int value)
{
    m_services.registry().setClockGroup(clockIndex, value - noGroupItems);
    BuildGroupTree();
    m_services.listChanged();
}
