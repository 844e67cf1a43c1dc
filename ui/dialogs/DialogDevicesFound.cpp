#include "ui/dialogs/DialogDevicesFound.h"

#include "model/ClockMerge.h"
#include "ui/widgets/CustomTableHeader.h"
#include "model/DevClock.h"
#include "ui/dialogs/DialogHost.h"
#include "ui_DialogDevicesFound.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace {
// The clock's position in the given list; rows move when the table is sorted.
constexpr int clockRole = Qt::UserRole;
} // namespace

DialogDevicesFound::DialogDevicesFound(DialogHost &dialogs, QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogDevicesFound)
    , m_dialogs(dialogs)
    , m_headerCheck(new QCheckBox)
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    ui->btnAccept->setDefault(true);
    connect(ui->btnAccept, &QAbstractButton::clicked, this, &DialogDevicesFound::acceptChoice);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &DialogDevicesFound::cancel);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);

    CustomHeaderedTable *table = ui->twdDeviceList;
    table->setColumnCount(ColumnCount);
    table->setHorizontalHeaderLabels({QString(), tr("Name"), tr("IP"), tr("Network interface"), tr("Status")});
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    m_headerCheck->setAccessibleName(tr("Select all"));
    m_headerCheck->setToolTip(tr("Select all"));
    table->customHeader()->setSectionWidget(CheckColumn, m_headerCheck);
    connect(m_headerCheck, &QCheckBox::toggled, this, &DialogDevicesFound::onHeaderToggled);
    connect(table, &QTableWidget::itemChanged, this, &DialogDevicesFound::onItemChanged);
}

DialogDevicesFound::~DialogDevicesFound()
{
    delete ui;
}

void DialogDevicesFound::setClocks(const QVector<DevClock *> &clocks, const QVector<bool> &duplicate,
                                   const QStringList &movedFrom)
{
    CustomHeaderedTable *table = ui->twdDeviceList;
    const QSignalBlocker blocker(table);
    table->setSortingEnabled(false);
    table->clearContents();
    m_clocks = clocks;
    m_duplicate = duplicate;
    m_duplicate.resize(clocks.size());
    m_selected = QVector<bool>(clocks.size(), true);
    table->setRowCount(clocks.size());
    for (int row = 0; row < clocks.size(); ++row) {
        const DevClock *clock = clocks.at(row);
        auto *check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        check->setCheckState(Qt::Checked);
        check->setData(clockRole, row);
        table->setItem(row, CheckColumn, check);
        QString status = clock->lastErrorText(m_duplicate.at(row));
        if (!movedFrom.value(row).isEmpty())
            status += QStringLiteral(" - ") + ClockMerge::movedText(movedFrom.at(row), clock->network.ip);
        const QString texts[] = {clock->name, clock->network.ip, clock->networkInterface.displayText(), status};
        for (int column = NameColumn; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(texts[column - NameColumn]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setData(clockRole, row);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    {
        const QSignalBlocker headerBlocker(m_headerCheck);
        m_headerCheck->setChecked(true);
    }
}

void DialogDevicesFound::setFindings(const QVector<DevClock *> &clocks, const QVector<ClockIntake::Result> &findings,
                                     const QList<bool> &listedAtAddress)
{
    QVector<bool> duplicate;
    QStringList notes;
    QVector<bool> ticked;
    for (int i = 0; i < clocks.size(); ++i) {
        const ClockIntake::Result finding = findings.value(i);
        const QString ip = clocks.at(i)->network.ip;
        QString note;
        switch (finding.taken) {
        case ClockIntake::Taken::Moved:
            note = ClockMerge::movedText(finding.movedFrom, ip);
            break;
        case ClockIntake::Taken::MoveUnconfirmed:
            note = tr("moved from %1 to %2? Tick to confirm").arg(finding.movedFrom, ip);
            break;
        case ClockIntake::Taken::WrongPassword:
            note = tr("wrong password for listed clock");
            break;
        default:
            break;
        }
        notes << note;
        const bool moving =
            finding.taken == ClockIntake::Taken::Moved || finding.taken == ClockIntake::Taken::MoveUnconfirmed;
        duplicate << (finding.taken == ClockIntake::Taken::Conflict
                      || (listedAtAddress.value(i) && !moving && finding.taken != ClockIntake::Taken::WrongPassword));
        ticked << (finding.taken != ClockIntake::Taken::WrongPassword
                   && finding.taken != ClockIntake::Taken::MoveUnconfirmed);
    }
    setClocks(clocks, duplicate, QStringList());
    CustomHeaderedTable *table = ui->twdDeviceList;
    const QSignalBlocker blocker(table);
    for (int row = 0; row < clocks.size(); ++row) {
        if (!notes.at(row).isEmpty()) {
            // A refusal at a listed clock says so instead of "Authorization error".
            QTableWidgetItem *status = table->item(row, StatusColumn);
            const bool refused = findings.value(row).taken == ClockIntake::Taken::WrongPassword;
            status->setText(refused ? notes.at(row) : status->text() + QStringLiteral(" - ") + notes.at(row));
        }
        if (!ticked.at(row)) {
            table->item(row, CheckColumn)->setCheckState(Qt::Unchecked);
            m_selected[row] = false;
        }
    }
    updateHeaderCheck();
}

void DialogDevicesFound::showEvent(QShowEvent *event)
{
    FramelessDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // A long status ("... - IP duplicate found", longer in other
    // languages) would be cut by the last column, which only stretches.
    CustomHeaderedTable *table = ui->twdDeviceList;
    QHeaderView *header = table->horizontalHeader();
    QStyleOptionViewItem option;
    option.initFrom(table);
    // The other columns as sized to their contents, the last one as its texts need.
    const int last = table->columnCount() - 1;
    int needed = header->sectionSizeHint(last);
    for (int column = 0; column < last; ++column)
        needed += header->sectionSize(column);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QModelIndex index = table->model()->index(row, last);
        needed = std::max(needed, needed - header->sectionSizeHint(last)
                                      + table->itemDelegate(index)->sizeHint(option, index).width());
    }
    if (table->verticalScrollBar()->isVisible())
        needed += table->verticalScrollBar()->width();
    const int missing = needed - table->viewport()->width();
    if (missing <= 0)
        return;
    const QScreen *screen = this->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(pos(), size() + QSize(missing, 0));
    QRect placed = geometry();
    if (width() + missing > room.width()) {
        // Wider than the screen: the last column keeps its texts whole, and
        // the table scrolls sideways to them.
        header->setStretchLastSection(false);
        header->resizeSection(last, header->sectionSize(last) + missing);
    }
    placed.setWidth(std::min(width() + missing, room.width()));
    placed.moveLeft(std::clamp(geometry().center().x() - placed.width() / 2, room.left(),
                               room.right() + 1 - placed.width()));
    setGeometry(placed);
}

void DialogDevicesFound::onItemChanged(QTableWidgetItem *item)
{
    if (!item || item->column() != CheckColumn)
        return;
    const int clock = item->data(clockRole).toInt();
    if (clock < 0 || clock >= m_selected.size())
        return;
    m_selected[clock] = item->checkState() == Qt::Checked;
    updateHeaderCheck();
}

void DialogDevicesFound::updateHeaderCheck()
{
    const QSignalBlocker blocker(m_headerCheck);
    m_headerCheck->setChecked(!m_selected.isEmpty() && !m_selected.contains(false));
}

void DialogDevicesFound::onHeaderToggled(bool checked)
{
    CustomHeaderedTable *table = ui->twdDeviceList;
    {
        const QSignalBlocker blocker(table);
        for (int row = 0; row < table->rowCount(); ++row) {
            if (QTableWidgetItem *item = table->item(row, CheckColumn))
                item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        }
    }
    m_selected.fill(checked);
    table->viewport()->update();
}

void DialogDevicesFound::acceptChoice()
{
    bool duplicateChosen = false;
    for (int i = 0; i < m_selected.size(); ++i)
        duplicateChosen = duplicateChosen || (m_selected.at(i) && m_duplicate.at(i));
    if (duplicateChosen
        && m_dialogs.ask(this,
                         tr("Clock(s) with same IP already exist on device list. Do you want to add selected "
                            "clock(s) anyway?"),
                         QuestionIcon::Question, tr("Add"), tr("Cancel"))
            != QuestionResult::Positive)
        return;
    m_result = 1;
    accept();
}

void DialogDevicesFound::cancel()
{
    m_result = -1;
    reject();
}

