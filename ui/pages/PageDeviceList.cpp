#include "ui/pages/PageDeviceList.h"

#include "ui/pages/AddressPlanActions.h"
#include "operations/audit/AuditFinding.h"
#include "model/ClockIntake.h"
#include "session/ClockListFilter.h"
#include "model/ClockRegistry.h"
#include "model/DevGroup.h"
#include "ui/widgets/ClockTableDelegates.h"
#include "operations/Communication.h"
#include "ui/services/ChangeClocksAction.h"
#include "ui/services/ConfigurationDownload.h"
#include "model/DevClock.h"
#include "operations/DeviceFinder.h"
#include "ui/dialogs/DialogAuthentication.h"
#include "ui/pages/DialogDeviceSettings.h"
#include "ui/dialogs/DialogDevicesFound.h"
#include "ui/dialogs/DialogHistory.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/dialogs/DialogNewClock.h"
#include "persistence/EventJournal.h"
#include "operations/audit/FleetAudit.h"
#include "ui/services/FleetCheck.h"
#include "model/FleetSummary.h"
#include "operations/GetConfigurationSender.h"
#include "ui/widgets/ManageButtonsDelegate.h"
#include "ui/widgets/MenuPopup.h"
#include "session/MonitoringSession.h"
#include "ui/services/OperationRunner.h"
#include "ui/services/PageServices.h"
#include "ui/services/QuietPeriodChoice.h"
#include "session/QuietRequests.h"
#include "operations/RefreshStatusSender.h"
#include "ui/services/Toasts.h"
#include "ui_PageDeviceList.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QShortcut>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace {

const QString iconRoot = QStringLiteral(":/icons/resources/icons/");
constexpr int rowPadding = 10;

} // namespace

PageDeviceList::PageDeviceList(PageServices &services, QWidget *parent)
    : NavigationPage(parent)
    , ui(new Ui::PageDeviceList)
    , m_services(services)
    , m_plans(new AddressPlanActions(services, this))
{
    ui->setupUi(this);
    ClockListModel &clocks = m_services.clockTable();
    m_shown = new ClockListFilter(clocks, this);
    QTableView *table = ui->twdDeviceList;
    table->setModel(m_shown);
    table->verticalHeader()->hide();
    // Fixed row heights: the view never measures rows it does not show.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(ClockListModel::statusLines * fontMetrics().lineSpacing()
                                                   + rowPadding);
    table->setIconSize(QSize(ManageButtonsDelegate::iconSize, ManageButtonsDelegate::iconSize));
    // The list's own order until the user picks a column.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    auto *severities = new SeverityIconDelegate(m_services.statusPixmaps(), ClockListModel::SeverityRole, table);
    table->setItemDelegateForColumn(StatusColumn, severities);
    table->setItemDelegateForColumn(AuditColumn, severities);

    // Painted rather than a widget per row: a long list fills in time.
    m_delegate = new ManageButtonsDelegate(table);
    m_delegate->setButtons({{iconRoot + QStringLiteral("delete.png"), tr("Delete from list")},
                            {iconRoot + QStringLiteral("download.png"), tr("Download configuration")},
                            {iconRoot + QStringLiteral("edit.png"), tr("Edit configuration")},
                            {iconRoot + QStringLiteral("settings.png"), tr("Edit settings")},
                            {iconRoot + QStringLiteral("refresh.png"), tr("Refresh status")}});
    table->setItemDelegateForColumn(ManageColumn, m_delegate);
    connect(m_delegate, &ManageButtonsDelegate::ButtonClicked, this,
            [this](int row, int button) { ManageDevice(clockIndex(m_shown->index(row, 0)), button); });
    setUpColumns();

    auto *deleteKey = new QShortcut(QKeySequence::Delete, table);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &PageDeviceList::deleteSelectedClock);
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);

    connect(ui->btnDeviceSearch, &QAbstractButton::clicked, this, &PageDeviceList::searchDevices);
    connect(ui->btnDeviceAdd, &QAbstractButton::clicked, this, &PageDeviceList::addClock);
    connect(ui->btnDeviceExport, &QAbstractButton::clicked, m_plans, &AddressPlanActions::exportList);
    connect(m_plans, &AddressPlanActions::clockListed, this, &PageDeviceList::showListedClock);
    connect(ui->btnCheckClocks, &QAbstractButton::clicked, this, &PageDeviceList::checkClocks);
    connect(ui->btnChangeClocks, &QAbstractButton::clicked, this, &PageDeviceList::changeClocks);
    auto *changeKeys = new QShortcut(QKeySequence(QLatin1String(changeClocksKeys)), this);
    changeKeys->setContext(Qt::WidgetWithChildrenShortcut);
    connect(changeKeys, &QShortcut::activated, this, &PageDeviceList::changeClocks);
    connect(ui->btnChangePasswords, &QAbstractButton::clicked, this, &PageDeviceList::changePasswords);
    auto *passwordKeys = new QShortcut(QKeySequence(QLatin1String(changePasswordsKeys)), this);
    passwordKeys->setContext(Qt::WidgetWithChildrenShortcut);
    connect(passwordKeys, &QShortcut::activated, this, &PageDeviceList::changePasswords);
    connect(ui->ledDeviceFilter, &QLineEdit::textChanged, this, &PageDeviceList::applyFilter);
    connect(ui->cbxProblemsOnly, &QCheckBox::toggled, this, &PageDeviceList::applyFilter);
    connect(&m_services, &PageServices::themeChanged, this, [this] {
        m_delegate->rebuildIcons();
        ui->twdDeviceList->viewport()->update();
    });
    connect(&m_services.session().audits(), &AuditSchedule::findingsChanged, this,
            &PageDeviceList::reloadAuditFindings);
    // The summary follows the list: clocks added, removed or changed.
    connect(&clocks, &QAbstractItemModel::rowsInserted, this, &PageDeviceList::scheduleSummary);
    connect(&clocks, &QAbstractItemModel::rowsRemoved, this, &PageDeviceList::scheduleSummary);
    connect(&clocks, &QAbstractItemModel::modelReset, this, &PageDeviceList::scheduleSummary);
    connect(&clocks, &QAbstractItemModel::dataChanged, this, &PageDeviceList::scheduleSummary);
    // Group names are few and the whole of one is what tells it from another.
    connect(&clocks, &QAbstractItemModel::rowsInserted, this, &PageDeviceList::fitGroupColumn);
    connect(&clocks, &QAbstractItemModel::modelReset, this, &PageDeviceList::fitGroupColumn);
    connect(&clocks, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to) {
                if (from.column() <= GroupColumn && to.column() >= GroupColumn)
                    fitGroupColumn();
            });
    reloadAuditFindings();
}

PageDeviceList::~PageDeviceList()
{
    delete ui;
}

QTableView *PageDeviceList::table() const
{
    return ui->twdDeviceList;
}

void PageDeviceList::enter()
{
    // Another program (the monitor) may have audited meanwhile.
    reloadAuditFindings();
}

void PageDeviceList::reloadAuditFindings()
{
    m_services.clockTable().setAuditFindings(AuditFindingsStore::load());
    scheduleSummary();
}

void PageDeviceList::setUpColumns()
{
    QHeaderView *header = ui->twdDeviceList->horizontalHeader();
    // The two-line status text needs the room most: it stretches, while the
    // short columns start at the width their usual content needs and stay
    // adjustable. Measuring contents instead would walk every row of a long list.
    const QFontMetrics metrics = ui->twdDeviceList->fontMetrics();
    const int padding = metrics.averageCharWidth() * 2;
    const auto widthFor = [&](const QString &sample) { return metrics.horizontalAdvance(sample) + padding; };
    const QList<QPair<int, int>> startWidths = {
        {NameColumn, widthFor(QStringLiteral("Meeting room 1"))},
        {IpColumn, widthFor(QStringLiteral("192.168.0.100"))},
        {FirmwareColumn, widthFor(header->model()->headerData(FirmwareColumn, Qt::Horizontal).toString())},
        {GroupColumn, widthFor(QStringLiteral("Meeting rooms"))},
        {AuditColumn, std::max({widthFor(header->model()->headerData(AuditColumn, Qt::Horizontal).toString()),
                                widthFor(AuditFindingsStore::severityText(int(AuditFinding::Severity::Critical))),
                                widthFor(AuditFindingsStore::severityText(int(AuditFinding::Severity::Warning)))})
                          + ManageButtonsDelegate::iconSize + padding},
    };
    for (const auto &[column, width] : startWidths) {
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        header->resizeSection(column, width);
    }
    header->setSectionResizeMode(StatusColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ManageColumn, QHeaderView::Fixed);
    // Five buttons at their minimum width; narrower would squeeze them.
    header->resizeSection(ManageColumn, m_delegate->preferredWidth());
}

void PageDeviceList::fitGroupColumn()
{
    const ClockRegistry &registry = m_services.registry();
    const QFontMetrics metrics = ui->twdDeviceList->fontMetrics();
    int widest = 0;
    for (int i = 0; i < registry.groupCount(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(registry.groupAt(i)->name()));
    // Grows only: a width the user chose stays when it is wide enough.
    QHeaderView *header = ui->twdDeviceList->horizontalHeader();
    const int wanted = widest + metrics.averageCharWidth() * 3;
    if (header->sectionSize(GroupColumn) < wanted)
        header->resizeSection(GroupColumn, wanted);
}

int PageDeviceList::clockIndex(const QModelIndex &index) const
{
    return m_shown->clockIndex(index.isValid() ? m_shown->index(index.row(), 0) : index);
}

void PageDeviceList::SlotClockSearchingFinished(QVector<DevClock *> clocks)
{
    if (clocks.isEmpty()) {
        m_services.dialogs().message(m_services.window(), tr("No devices found."), QuestionIcon::Warning);
        return;
    }
    ClockRegistry *registry = &m_services.registry();
    const QList<bool> listed = registry->alreadyListed(QList<DevClock *>(clocks.cbegin(), clocks.cend()));
    ClockIntake intake(*registry);
    intake.hear(clocks);
    QVector<ClockIntake::Result> findings;
    for (DevClock *clock : qAsConst(clocks))
        findings.append(intake.preview(*clock, ClockIntake::Rules()));
    DialogDevicesFound dialog(m_services.dialogs(), m_services.window());
    dialog.setFindings(clocks, findings, listed);
    m_services.dialogs().runDialog(dialog);
    const QVector<bool> selected = dialog.selected();
    const bool accepted = dialog.isAccepted();
    // A duplicate the user still chooses becomes a second record; a move
    // ticked is one the user confirmed.
    ClockIntake::Rules rules;
    rules.whenListed = ClockIntake::WhenListed::AddAnother;
    rules.acceptMoves = true;
    bool changed = false;
    for (int i = 0; i < clocks.size(); ++i) {
        std::unique_ptr<DevClock> found(clocks.at(i));
        if (!accepted || i >= selected.size() || !selected.at(i))
            continue;
        const ClockIntake::Result taken = intake.take(found, rules);
        changed = changed || (taken.clock && taken.taken != ClockIntake::Taken::WrongPassword);
    }
    if (changed)
        m_services.listChanged();
}

void PageDeviceList::ManageDevice(int row, int index)
{
    DevClock *clock = m_services.registry().clockAt(row);
    // A row the filter hides is never acted on, whichever way it was reached.
    const QModelIndex shown = m_shown->mapFromSource(m_services.clockTable().index(row, 0));
    if (!clock || !shown.isValid())
        return;
    ui->twdDeviceList->selectRow(shown.row());
    switch (index) {
    case DeleteAction:
        deleteSelectedClock();
        break;
    case DownloadAction:
        downloadConfiguration(clock);
        break;
    case EditConfigurationAction:
        editConfiguration(row, clock);
        break;
    case EditSettingsAction:
        editSettings(row, clock);
        break;
    case RefreshAction:
        refreshStatus(clock);
        break;
    default:
        break;
    }
}

void PageDeviceList::refreshStatus(DevClock *clock)
{
    m_services.runner().run(m_services.communication().refreshStatus(SenderTarget::fromClock(*clock)),
                            tr("Updating device"), [this](DataSender *sender) { onStatusRefreshed(sender); }, this);
}

void PageDeviceList::onStatusRefreshed(DataSender *sender)
{
    if (m_services.runner().reportFailure(sender))
        return;
    auto *refresh = qobject_cast<RefreshStatusSender *>(sender);
    DevClock *clock = m_services.registry().clockById(sender->clockId());
    if (!refresh || !clock || !refresh->refreshedClock())
        return;
    clock->updateFrom(*refresh->refreshedClock());
    // The same path as a poll: the row is re-rendered and the alert trigger runs.
    m_services.session().notifyStatusUpdated(clock->id);
    m_services.toasts().show(tr("Clock %1 data refreshed").arg(clock->name), ToastType::Success);
}

void PageDeviceList::downloadConfiguration(DevClock *clock)
{
    m_services.runner().run(m_services.communication().getConfiguration(SenderTarget::fromClock(*clock)),
                            tr("Refreshing status"),
                            [this](DataSender *sender) { ConfigurationDownload::store(m_services, sender); }, this);
}

void PageDeviceList::downloadAndEdit(DevClock *clock)
{
    m_services.runner().run(m_services.communication().getConfiguration(SenderTarget::fromClock(*clock)),
                            tr("Downloading configuration"), [this](DataSender *sender) {
                                if (DevClock *stored = ConfigurationDownload::store(m_services, sender))
                                    emit editRequested(EditTarget::clock(m_services.registry().indexOfClock(stored)));
                            },
                            this);
}

void PageDeviceList::editConfiguration(int row, DevClock *clock)
{
    if (!clock->hasConfig()) {
        downloadAndEdit(clock);
        return;
    }
    const QuestionResult answer = m_services.dialogs().ask(
        m_services.window(), tr("Do you want to download clock configuration?"), QuestionIcon::Question,
        tr("Download and edit"), tr("Edit without download"), tr("Cancel"));
    if (answer == QuestionResult::Positive)
        downloadAndEdit(clock);
    else if (answer == QuestionResult::Negative)
        emit editRequested(EditTarget::clock(row));
}

void PageDeviceList::editSettings(int row, DevClock *clock)
{
    DialogDeviceSettings dialog(m_services.dialogs(), m_services.communication(), m_services.window());
    dialog.setSession(&m_services.session());
    dialog.setClock(clock, row);
    // Closed either way: a name, address or password the dialog already set
    // on the clock is on the record, and must be shown and kept.
    m_services.dialogs().runDialog(dialog);
    // The same path as a poll: the row is re-rendered and the alert trigger runs.
    m_services.session().notifyStatusUpdated(clock->id);
    m_services.listChanged();
}

void PageDeviceList::deleteSelectedClock()
{
    const QModelIndexList rows = ui->twdDeviceList->selectionModel()->selectedRows();
    const int row = rows.isEmpty() ? -1 : clockIndex(rows.constFirst());
    ClockRegistry &registry = m_services.registry();
    const DevClock *clock = registry.clockAt(row);
    if (!clock)
        return;
    const QuestionResult answer = m_services.dialogs().ask(
        m_services.window(),
        tr("Are you sure you want to delete clock %1 (IP: %2)?").arg(clock->name, clock->network.ip),
        QuestionIcon::Warning, tr("Delete"), tr("Cancel"));
    if (answer != QuestionResult::Positive || !registry.removeClock(row))
        return;
    m_services.listChanged();
}

void PageDeviceList::addClock()
{
    DialogNewClock dialog(m_services.dialogs(), m_services.window());
    if (m_services.dialogs().runDialog(dialog) != QDialog::Accepted)
        return;
    if (dialog.way() != DialogNewClock::Way::OneAddress) {
        m_plans->commission(dialog.targets(), dialog.renameFromPlan());
        return;
    }
    if (dialog.ip().isEmpty())
        return;
    auto clock = std::make_unique<DevClock>();
    clock->network.ip = dialog.ip();
    clock->user = dialog.user();
    clock->password = dialog.password();
    clock->networkInterface = dialog.networkInterface();
    ClockRegistry &registry = m_services.registry();
    // Asked for by address: a record of its own, even where one is listed.
    ClockIntake::Rules rules;
    rules.whenListed = ClockIntake::WhenListed::AddAnother;
    ClockIntake(registry).take(clock, rules);
    m_services.listChanged();
}

void PageDeviceList::showListedClock(quint64 id)
{
    ClockRegistry &registry = m_services.registry();
    if (const DevClock *clock = registry.clockById(id))
        registry.announceClockChanged(clock);
}

void PageDeviceList::searchDevices()
{
    DialogAuthentication dialog(m_services.window());
    if (m_services.dialogs().runDialog(dialog) != QDialog::Accepted)
        return;
    m_services.runner().run(m_services.communication().findDevices(dialog.user(), dialog.password(), m_services.registry()),
                            tr("Device search"), [this](DataSender *sender) { onSearchFinished(sender); }, this);
}

void PageDeviceList::onSearchFinished(DataSender *sender)
{
    if (m_services.runner().reportFailure(sender))
        return;
    auto *finder = qobject_cast<DeviceFinder *>(sender);
    if (!finder)
        return;
    if (finder->lostReplies() > 0)
        m_services.toasts().show(DeviceFinder::lostRepliesText(finder->lostReplies()), ToastType::Warning);
    SlotClockSearchingFinished(finder->clocks());
}

void PageDeviceList::checkClocks()
{
    ClockRegistry &registry = m_services.registry();
    FleetCheck::run(
        m_services, this,
        [&registry](FleetAudit &audit) {
            audit.selectAllClocks(registry);
            return true;
        },
        true);
}

QList<DevClock *> PageDeviceList::chosenClocks() const
{
    QModelIndexList rows = ui->twdDeviceList->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        for (int row = 0; row < m_shown->rowCount(); ++row)
            rows.append(m_shown->index(row, 0));
    }
    // In the order the list shows them.
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QList<DevClock *> clocks;
    for (const QModelIndex &index : qAsConst(rows)) {
        if (DevClock *clock = m_services.registry().clockAt(clockIndex(index)))
            clocks.append(clock);
    }
    return clocks;
}

void PageDeviceList::changeClocks()
{
    const QList<DevClock *> clocks = chosenClocks();
    if (!clocks.isEmpty())
        ChangeClocksAction::run(m_services, clocks, DialogChangeClocks::Mode::Choose);
}

void PageDeviceList::changePasswords()
{
    ChangeClocksAction::changePasswords(m_services, chosenClocks());
}

void PageDeviceList::applyFilter()
{
    QTableView *table = ui->twdDeviceList;
    const QModelIndex before = table->currentIndex();
    m_shown->setFilter(ui->ledDeviceFilter->text(), ui->cbxProblemsOnly->isChecked());
    // A current row the filter hid gives way to the first shown row, or none:
    // the keyboard (context menu, Delete, Enter and Space on the Manage cell)
    // never acts on a clock the list does not show.
    if (before.isValid() && !table->currentIndex().isValid() && m_shown->rowCount() > 0)
        table->setCurrentIndex(m_shown->index(0, before.column()));
}

void PageDeviceList::scheduleSummary()
{
    // Counting a long list costs more than the updates of a turn: while a
    // poll round arrives, at most every summaryIntervalMs.
    if (m_summaryPending)
        return;
    m_summaryPending = true;
    const qint64 since = m_summaryAge.isValid() ? m_summaryAge.elapsed() : summaryIntervalMs;
    QTimer::singleShot(int(qMax<qint64>(0, summaryIntervalMs - since)), this, &PageDeviceList::updateSummary);
}

void PageDeviceList::updateSummary()
{
    m_summaryPending = false;
    m_summaryAge.start();
    FleetSummary summary = FleetSummary::of(m_services.registry().clocks());
    summary.auditCritical = m_services.clockTable().auditFindings().criticalCount(m_services.registry().clocks());
    ui->lblFleetSummary->setText(summary.text());
}

void PageDeviceList::showManageMenu(int row, const QPoint &globalPos)
{
    DevClock *clock = m_services.registry().clockAt(row);
    if (!clock || !m_shown->mapFromSource(m_services.clockTable().index(row, 0)).isValid())
        return;
    MenuPopup menu(this);
    for (int i = 0; i < m_delegate->buttonCount(); ++i)
        menu.addAction(m_delegate->toolTip(i))->setData(i);
    menu.addSeparator();
    const bool quiet = clock->quietPeriod.isActive(QDateTime::currentDateTime());
    QAction *quietAction = menu.addAction(quiet ? tr("End quiet period") : tr("Quiet period..."));
    QAction *historyAction = menu.addAction(tr("History..."));
    QAction *chosen = menu.execAt(globalPos);
    if (!chosen)
        return;
    if (chosen == quietAction)
        setQuietPeriod(clock, !quiet);
    else if (chosen == historyAction)
        showHistory(clock);
    else
        ManageDevice(row, chosen->data().toInt());
}

void PageDeviceList::setQuietPeriod(DevClock *clock, bool quiet)
{
    QuietRequest request;
    request.mute = quiet;
    request.ip = clock->network.ip;
    if (quiet && !QuietPeriodChoice::ask(m_services, clock->name, clock->quietHours, request))
        return;
    const QString error = m_services.session().applyQuietRequest(request);
    if (!error.isEmpty())
        m_services.dialogs().message(m_services.window(), error, QuestionIcon::Warning);
}

void PageDeviceList::showHistory(DevClock *clock)
{
    DialogHistory dialog(m_services.window());
    dialog.showClock(clock->name, clock->network.ip, EventJournal::defaultFolder());
    m_services.dialogs().runDialog(dialog);
}

bool PageDeviceList::eventFilter(QObject *watched, QEvent *event)
{
    QTableView *table = ui->twdDeviceList;
    if (event->type() == QEvent::ContextMenu && (watched == table || watched == table->viewport())) {
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        // From the keyboard the menu is for the current row, from the mouse for the row under it.
        const QModelIndex index = menuEvent->reason() == QContextMenuEvent::Mouse
            ? table->indexAt(table->viewport()->mapFrom(static_cast<QWidget *>(watched), menuEvent->pos()))
            : table->currentIndex();
        if (index.isValid()) {
            const QRect cell = table->visualRect(index);
            showManageMenu(clockIndex(index), menuEvent->reason() == QContextMenuEvent::Mouse
                                            ? menuEvent->globalPos()
                                            : table->viewport()->mapToGlobal(cell.center()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PageDeviceList::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::StyleChange)
        m_delegate->rebuildIcons();
}
