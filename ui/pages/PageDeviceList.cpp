#include "PageDeviceList.h"

#include "AddressPlanActions.h"
#include "AuditFinding.h"
#include "ClockIntake.h"
#include "ClockRegistry.h"
#include "Communication.h"
#include "ConfigurationDownload.h"
#include "DevClock.h"
#include "DevGroup.h"
#include "DeviceFinder.h"
#include "DialogAuditFindings.h"
#include "DialogAuthentication.h"
#include "DialogDeviceSettings.h"
#include "DialogDevicesFound.h"
#include "DialogHistory.h"
#include "DialogHost.h"
#include "DialogNewClock.h"
#include "EventJournal.h"
#include "FleetAudit.h"
#include "FleetSummary.h"
#include "GetConfigurationSender.h"
#include "ManageButtonsDelegate.h"
#include "MenuPopup.h"
#include "MonitoringSession.h"
#include "OperationRunner.h"
#include "PageServices.h"
#include "QuietPeriodChoice.h"
#include "QuietRequests.h"
#include "RefreshStatusSender.h"
#include "StatusPixmaps.h"
#include "Toasts.h"
#include "ui_PageDeviceList.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace {

const QString iconRoot = QStringLiteral(":/icons/resources/icons/");
// The status cell shows two lines (state, then server and time).
constexpr int statusLines = 2;
constexpr int rowPadding = 10;

QTableWidgetItem *plainItem()
{
    auto *item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

PageDeviceList::PageDeviceList(PageServices &services, QWidget *parent)
    : NavigationPage(parent)
    , ui(new Ui::PageDeviceList)
    , m_services(services)
    , m_plans(new AddressPlanActions(services, this))
{
    ui->setupUi(this);
    QTableWidget *table = ui->twdDeviceList;
    table->setColumnCount(ColumnCount);
    table->setHorizontalHeaderLabels(
        {tr("Name"), tr("IP"), tr("Status"), tr("Audit"), tr("Firmware"), tr("Group"), tr("Manage")});
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(statusLines * fontMetrics().lineSpacing() + rowPadding);
    table->setIconSize(QSize(ManageButtonsDelegate::iconSize, ManageButtonsDelegate::iconSize));
    table->setSortingEnabled(false);

    // Painted rather than a widget per row: a long list fills in time.
    m_delegate = new ManageButtonsDelegate(table);
    m_delegate->setButtons({{iconRoot + QStringLiteral("delete.png"), tr("Delete from list")},
                            {iconRoot + QStringLiteral("download.png"), tr("Download configuration")},
                            {iconRoot + QStringLiteral("edit.png"), tr("Edit configuration")},
                            {iconRoot + QStringLiteral("settings.png"), tr("Edit settings")},
                            {iconRoot + QStringLiteral("refresh.png"), tr("Refresh status")}});
    table->setItemDelegateForColumn(ManageColumn, m_delegate);
    connect(m_delegate, &ManageButtonsDelegate::ButtonClicked, this, &PageDeviceList::ManageDevice);

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
    connect(ui->ledDeviceFilter, &QLineEdit::textChanged, this, &PageDeviceList::applyFilter);
    connect(ui->cbxProblemsOnly, &QCheckBox::toggled, this, &PageDeviceList::applyFilter);
    // Every status update, from a poll or an operation of any page.
    connect(&m_services.session(), &MonitoringSession::statusUpdated, this, &PageDeviceList::SlotClockStatusUpdated);
    connect(&m_services.session(), &MonitoringSession::quietPeriodsChanged, this,
            &PageDeviceList::onQuietPeriodsChanged);
    connect(&m_services, &PageServices::themeChanged, this, &PageDeviceList::RefreshDeviceList);
    connect(&m_services.session().audits(), &AuditSchedule::findingsChanged, this,
            &PageDeviceList::reloadAuditFindings);
    m_findings = AuditFindingsStore::load();
    ui->wdtDeviceListLoad->hide();
}

PageDeviceList::~PageDeviceList()
{
    delete ui;
}

void PageDeviceList::showEvent(QShowEvent *event)
{
    NavigationPage::showEvent(event);
    // Filled from the event loop after the window has shown: a long list
    // must not keep the window from showing.
    if (!m_fillStarted) {
        QTimer::singleShot(0, this, [this] {
            if (!m_fillStarted)
                StartProgressiveFill();
        });
    }
}

void PageDeviceList::enter()
{
    // Another program (the monitor) may have audited meanwhile.
    m_findings = AuditFindingsStore::load();
    RefreshDeviceList();
}

void PageDeviceList::reloadAuditFindings()
{
    m_findings = AuditFindingsStore::load();
    RefreshDeviceList();
}

void PageDeviceList::StartProgressiveFill()
{
    m_fillStarted = true;
    m_filling = true;
    ui->pbrDevListLoad->setMaximum(m_services.registry().clockCount());
    ui->pbrDevListLoad->setValue(0);
    ui->wdtDeviceList->hide();
    ui->wdtDeviceListLoad->show();
    ui->twdDeviceList->setRowCount(0);
    listFillIndex = 0;
    QTimer::singleShot(0, this, &PageDeviceList::onTimerRefreshList);
}

void PageDeviceList::onTimerRefreshList()
{
    if (!m_filling)
        return;
    const ClockRegistry *registry = &m_services.registry();
    QElapsedTimer batch;
    batch.start();
    // Rows rather than the index decide: a clock added meanwhile is picked up.
    while (ui->twdDeviceList->rowCount() < registry->clockCount() && batch.elapsed() < fillBatchMs)
        AddDeviceRow(registry->clockAt(ui->twdDeviceList->rowCount()));
    listFillIndex = ui->twdDeviceList->rowCount();
    ui->pbrDevListLoad->setValue(listFillIndex);
    if (listFillIndex < registry->clockCount())
        QTimer::singleShot(0, this, &PageDeviceList::onTimerRefreshList);
    else
        finishFill();
}

void PageDeviceList::finishFill()
{
    m_filling = false;
    QHeaderView *header = ui->twdDeviceList->horizontalHeader();
    // The two-line status text needs the room most: it stretches, while the
    // short columns start at the width their usual content needs and stay
    // adjustable. Measuring contents instead would walk every row on each
    // status update of a long list.
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
    ui->wdtDeviceListLoad->hide();
    ui->wdtDeviceList->show();
    updateSummary();
}

void PageDeviceList::AddDeviceRow(DevClock *clock)
{
    if (!clock)
        return;
    QTableWidget *table = ui->twdDeviceList;
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < ColumnCount; ++column)
        table->setItem(row, column, plainItem());
    table->item(row, ManageColumn)
        ->setData(Qt::AccessibleDescriptionRole,
                  tr("Left and Right choose a button, Space presses it; the context menu lists the same actions"));
    UpdateDeviceRow(row, clock);
}

void PageDeviceList::UpdateDeviceRow(int row, DevClock *clock)
{
    QTableWidget *table = ui->twdDeviceList;
    if (!clock || row < 0 || row >= table->rowCount() || !table->item(row, ManageColumn))
        return;
    // Every column, not only the status: a refresh brings the clock's new
    // name and a network change its new address.
    table->item(row, NameColumn)->setText(clock->name);
    table->item(row, IpColumn)->setText(clock->network.ip);
    QTableWidgetItem *status = table->item(row, StatusColumn);
    const QString statusText = clock->statusText();
    // The row holds two lines. Given a third (the last status update), the
    // view would elide the second one however wide the column; the whole
    // text stays in the tool tip and for screen readers. A quiet clock says
    // so where its second line would be.
    const QString quiet = QuietPeriodChoice::statusLine(quietPeriodOf(*clock, QDateTime::currentDateTime()));
    const QString fullText = quiet.isEmpty() ? statusText : quiet + QLatin1Char('\n') + statusText;
    status->setText(quiet.isEmpty() ? statusText.section(QLatin1Char('\n'), 0, statusLines - 1)
                                    : statusText.section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n') + quiet);
    status->setToolTip(fullText);
    status->setData(Qt::AccessibleTextRole, fullText);
    status->setIcon(m_services.statusPixmaps().icon(clock->ntpSeverity()));
    // Beside the live status, what the latest audit found: the worst
    // severity with its icon, every finding in the tool tip.
    QTableWidgetItem *audit = table->item(row, AuditColumn);
    const int worst = m_findings.worstSeverity(*clock);
    const QString findings = m_findings.text(*clock);
    audit->setText(worst > 0 ? AuditFindingsStore::severityText(worst) : QString());
    audit->setIcon(worst > 0 ? m_services.statusPixmaps().icon(worst) : QIcon());
    audit->setToolTip(findings);
    audit->setData(Qt::AccessibleTextRole, findings.isEmpty() ? tr("No audit findings") : findings);
    table->item(row, FirmwareColumn)->setText(clock->firmwareText());
    const DevGroup *group = m_services.registry().groupAt(clock->groupId);
    table->item(row, GroupColumn)->setText(group ? group->name() : tr("None"));
    table->item(row, ManageColumn)->setData(Qt::UserRole, row);
    const bool shown = m_filter.accepts(*clock);
    table->setRowHidden(row, !shown);
    // Under "Problems only" a status update can hide the current row.
    if (!shown)
        keepCurrentRowShown();
    scheduleSummary();
}

void PageDeviceList::RefreshDeviceList()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    matchRowCount();
    const ClockRegistry *registry = &m_services.registry();
    const int rows = qMin(ui->twdDeviceList->rowCount(), registry->clockCount());
    for (int row = 0; row < rows; ++row)
        UpdateDeviceRow(row, registry->clockAt(row));
    m_delegate->rebuildIcons();
    QApplication::restoreOverrideCursor();
}

void PageDeviceList::matchRowCount()
{
    // While the fill runs it owns the row count.
    if (m_filling)
        return;
    const ClockRegistry *registry = &m_services.registry();
    if (ui->twdDeviceList->rowCount() > registry->clockCount())
        ui->twdDeviceList->setRowCount(registry->clockCount());
    while (ui->twdDeviceList->rowCount() < registry->clockCount())
        AddDeviceRow(registry->clockAt(ui->twdDeviceList->rowCount()));
}

void PageDeviceList::SlotClockStatusUpdated(quint64 id)
{
    const ClockRegistry *registry = &m_services.registry();
    DevClock *clock = registry->clockById(id);
    if (!clock)
        return;
    // A row that the fill has not reached yet is drawn when it gets there.
    UpdateDeviceRow(registry->indexOfClock(clock), clock);
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
    // A duplicate the user still chooses becomes a second record.
    ClockIntake::Rules rules;
    rules.whenListed = ClockIntake::WhenListed::AddAnother;
    QVector<bool> duplicate;
    QStringList movedFrom;
    for (int i = 0; i < clocks.size(); ++i) {
        const ClockIntake::Result finding = intake.preview(*clocks.at(i), ClockIntake::Rules());
        const bool moved = finding.taken == ClockIntake::Taken::Moved;
        // A clock that reports a listed clock's MAC while that clock still
        // answers is offered as a duplicate and never taken.
        duplicate.append((listed.at(i) && !moved) || finding.taken == ClockIntake::Taken::Conflict);
        movedFrom.append(moved ? finding.movedFrom : QString());
    }
    DialogDevicesFound dialog(m_services.dialogs(), m_services.window());
    dialog.setClocks(clocks, duplicate, movedFrom);
    m_services.dialogs().runDialog(dialog);
    const QVector<bool> selected = dialog.selected();
    const bool accepted = dialog.isAccepted();
    int added = 0;
    bool changed = false;
    for (int i = 0; i < clocks.size(); ++i) {
        std::unique_ptr<DevClock> found(clocks.at(i));
        if (!accepted || i >= selected.size() || !selected.at(i))
            continue;
        const ClockIntake::Result taken = intake.take(found, rules);
        changed = changed || taken.clock;
        if (taken.taken == ClockIntake::Taken::Added)
            ++added;
        else if (taken.taken == ClockIntake::Taken::Moved)
            SlotClockStatusUpdated(taken.clock->id);
    }
    if (changed)
        m_services.listChanged();
    if (m_filling)
        return;
    for (int index = registry->clockCount() - added; index < registry->clockCount(); ++index)
        AddDeviceRow(registry->clockAt(index));
}

void PageDeviceList::ManageDevice(int row, int index)
{
    DevClock *clock = m_services.registry().clockAt(row);
    // A row the filter hides is never acted on, whichever way it was reached.
    if (!clock || ui->twdDeviceList->isRowHidden(row))
        return;
    ui->twdDeviceList->selectRow(row);
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
    dialog.setClock(clock, row);
    if (m_services.dialogs().runDialog(dialog) != QDialog::Accepted)
        return;
    // The same path as a poll: the row is re-rendered and the alert trigger runs.
    m_services.session().notifyStatusUpdated(clock->id);
    m_services.listChanged();
}

void PageDeviceList::deleteSelectedClock()
{
    const QModelIndexList rows = ui->twdDeviceList->selectionModel()->selectedRows();
    if (rows.isEmpty() || ui->twdDeviceList->isRowHidden(rows.constFirst().row()))
        return;
    const int row = rows.constFirst().row();
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
    ui->twdDeviceList->removeRow(row);
    RefreshDeviceList();
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
    if (!m_filling)
        AddDeviceRow(registry.clockAt(registry.clockCount() - 1));
}

void PageDeviceList::showListedClock(quint64 id)
{
    matchRowCount();
    SlotClockStatusUpdated(id);
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
    if (auto *finder = qobject_cast<DeviceFinder *>(sender))
        SlotClockSearchingFinished(finder->clocks());
}

void PageDeviceList::checkClocks()
{
    FleetAudit audit;
    audit.selectAllClocks(m_services.registry());
    bool finished = false;
    m_services.runner().run(&audit, tr("Checking clocks"), [&finished](FleetAudit *) { finished = true; }, this);
    if (!finished)
        return;
    if (m_services.session().isWritable())
        m_services.session().audits().record(audit);
    DialogAuditFindings dialog(m_services.window());
    dialog.setAudit(audit);
    m_services.dialogs().runDialog(dialog);
}

void PageDeviceList::applyFilter()
{
    m_filter.setText(ui->ledDeviceFilter->text());
    m_filter.setProblemsOnly(ui->cbxProblemsOnly->isChecked());
    const ClockRegistry *registry = &m_services.registry();
    QTableWidget *table = ui->twdDeviceList;
    const int rows = qMin(table->rowCount(), registry->clockCount());
    for (int row = 0; row < rows; ++row)
        table->setRowHidden(row, !m_filter.accepts(*registry->clockAt(row)));
    keepCurrentRowShown();
}

void PageDeviceList::keepCurrentRowShown()
{
    // The view keeps its current row when the row is hidden; the keyboard
    // (context menu, Delete, Enter and Space on the Manage cell) would then
    // act on a clock the list does not show.
    QTableWidget *table = ui->twdDeviceList;
    const QModelIndex current = table->currentIndex();
    if (!current.isValid() || !table->isRowHidden(current.row()))
        return;
    int row = 0;
    while (row < table->rowCount() && table->isRowHidden(row))
        ++row;
    if (row == table->rowCount()) {
        table->selectionModel()->clear();
        return;
    }
    table->setCurrentCell(row, current.column());
}

void PageDeviceList::scheduleSummary()
{
    // Once per event-loop turn, however many rows a poll round touches.
    if (m_summaryPending)
        return;
    m_summaryPending = true;
    QTimer::singleShot(0, this, &PageDeviceList::updateSummary);
}

void PageDeviceList::updateSummary()
{
    m_summaryPending = false;
    FleetSummary summary = FleetSummary::of(m_services.registry().clocks());
    summary.auditCritical = m_findings.criticalCount(m_services.registry().clocks());
    ui->lblFleetSummary->setText(summary.text());
}

void PageDeviceList::showManageMenu(int row, const QPoint &globalPos)
{
    DevClock *clock = m_services.registry().clockAt(row);
    if (!clock || ui->twdDeviceList->isRowHidden(row))
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
    if (quiet && !QuietPeriodChoice::ask(m_services, clock->name, request.period))
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

void PageDeviceList::onQuietPeriodsChanged(const QList<quint64> &ids)
{
    for (quint64 id : ids) {
        DevClock *clock = m_services.registry().clockById(id);
        UpdateDeviceRow(m_services.registry().indexOfClock(clock), clock);
    }
}

bool PageDeviceList::eventFilter(QObject *watched, QEvent *event)
{
    QTableWidget *table = ui->twdDeviceList;
    if (event->type() == QEvent::ContextMenu && (watched == table || watched == table->viewport())) {
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        // From the keyboard the menu is for the current row, from the mouse for the row under it.
        const QModelIndex index = menuEvent->reason() == QContextMenuEvent::Mouse
            ? table->indexAt(table->viewport()->mapFrom(static_cast<QWidget *>(watched), menuEvent->pos()))
            : table->currentIndex();
        if (index.isValid()) {
            const QRect cell = table->visualRect(index);
            showManageMenu(index.row(), menuEvent->reason() == QContextMenuEvent::Mouse
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
