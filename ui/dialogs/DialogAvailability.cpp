#include "ui/dialogs/DialogAvailability.h"

#include "session/AvailabilityHistory.h"
#include "session/AvailabilityTableModel.h"
#include "ui_DialogAvailability.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <QThread>

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

using Kind = ReportPeriod::Kind;

// In the order of the period box.
const Kind kinds[] = {Kind::Month, Kind::Week, Kind::Day};

QString dayText(const QDateTime &utc)
{
    return utc.toLocalTime().date().toString(QStringLiteral("yyyy-MM-dd"));
}

// Sorts by SortRole with the site's row last, whichever way.
class FiguresOrder : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const auto *figures = static_cast<const AvailabilityTableModel *>(sourceModel());
        const bool leftSite = figures->isSiteRow(left.row());
        if (leftSite != figures->isSiteRow(right.row()))
            return leftSite == (sortOrder() == Qt::DescendingOrder);
        return QSortFilterProxyModel::lessThan(left, right);
    }
};

} // namespace

DialogAvailability::DialogAvailability(const QList<AvailabilityReport::Clock> &clocks, const QString &folder,
                                       QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogAvailability)
    , m_clocks(clocks)
    , m_folder(folder)
    , m_groups(new AvailabilityTableModel(AvailabilityTableModel::Scope::Groups, this))
    , m_clockRows(new AvailabilityTableModel(AvailabilityTableModel::Scope::Clocks, this))
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    ui->btnAvailabilityClose->setDefault(true);
    connect(ui->btnAvailabilityClose, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);
    connect(ui->btnAvailabilityPrevious, &QAbstractButton::clicked, this, [this] { step(-1); });
    connect(ui->btnAvailabilityNext, &QAbstractButton::clicked, this, [this] { step(1); });
    connect(ui->cbxAvailabilityPeriod, QOverload<int>::of(&QComboBox::activated), this,
            &DialogAvailability::periodChosen);
    // Its widest choice in any language shown whole, whatever the theme's padding.
    QComboBox *kindBox = ui->cbxAvailabilityPeriod;
    int longest = 0;
    for (int i = 0; i < kindBox->count(); ++i)
        longest = std::max(longest, int(kindBox->itemText(i).size()));
    kindBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    kindBox->setMinimumContentsLength(longest + 2);
    ui->layout_wdtAvailability->setStretchFactor(ui->tvwAvailabilityClocks, 2);
    setUpTable(ui->tvwAvailabilityGroups, m_groups);
    setUpTable(ui->tvwAvailabilityClocks, m_clockRows);
    setTabOrder(ui->cbxAvailabilityPeriod, ui->btnAvailabilityPrevious);
    setTabOrder(ui->btnAvailabilityPrevious, ui->btnAvailabilityNext);
    setTabOrder(ui->btnAvailabilityNext, ui->tvwAvailabilityGroups);
    setTabOrder(ui->tvwAvailabilityGroups, ui->tvwAvailabilityClocks);
    setTabOrder(ui->tvwAvailabilityClocks, ui->btnAvailabilityClose);
}

DialogAvailability::~DialogAvailability()
{
    delete ui;
}

void DialogAvailability::setUpTable(QTableView *view, AvailabilityTableModel *model)
{
    auto *proxy = new FiguresOrder(this);
    proxy->setSourceModel(model);
    proxy->setSortRole(AvailabilityTableModel::SortRole);
    proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    view->setModel(proxy);
    view->sortByColumn(0, Qt::AscendingOrder);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setTabKeyNavigation(false);
    view->setAccessibleDescription(tr("Ctrl+Enter sorts the table by the current column."));
    view->installEventFilter(this);
}

bool DialogAvailability::eventFilter(QObject *watched, QEvent *event)
{
    auto *view = qobject_cast<QTableView *>(watched);
    if (view && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() & Qt::ControlModifier) {
            const int column = std::max(0, view->currentIndex().column());
            const QHeaderView *header = view->horizontalHeader();
            const bool ascending = header->sortIndicatorSection() == column
                && header->sortIndicatorOrder() == Qt::AscendingOrder;
            view->sortByColumn(column, ascending ? Qt::DescendingOrder : Qt::AscendingOrder);
            return true;
        }
    }
    return FramelessDialog::eventFilter(watched, event);
}

void DialogAvailability::showPeriod(Kind kind, const QDate &date)
{
    m_kind = kind;
    m_date = ReportPeriod::step(kind, date, 0);
    const int box = int(std::find(std::begin(kinds), std::end(kinds), kind) - std::begin(kinds));
    ui->cbxAvailabilityPeriod->setCurrentIndex(box);
    const ReportPeriod range = ReportPeriod::containing(kind, m_date);
    showRange(range.from, range.to);
    // Nothing is known of a period that has not begun.
    ui->btnAvailabilityNext->setEnabled(ReportPeriod::step(kind, m_date, 1) <= QDate::currentDate());
    m_groups->clear();
    m_clockRows->clear();
    ui->lblAvailabilityStatus->setText(tr("Computing the figures..."));
    const int request = ++m_request;
    // One computation at a time; the period chosen meanwhile follows it.
    if (m_computing > 0)
        return;
    m_computing = request;
    auto result = std::make_shared<AvailabilityReport::Result>();
    auto problem = std::make_shared<QString>();
    QThread *worker = QThread::create([result, problem, range, clocks = m_clocks, folder = m_folder] {
        *result = AvailabilityHistory::compute(folder, range.from, range.to, clocks, QDateTime::currentDateTimeUtc(),
                                               problem.get());
    });
    const QPointer<DialogAvailability> self(this);
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    // The dialog may be gone by the time the history is read.
    connect(worker, &QThread::finished, this, [self, request, result, problem] {
        if (self)
            self->computed(request, *result, *problem);
    });
    worker->start(QThread::LowPriority);
}

void DialogAvailability::computed(int request, const AvailabilityReport::Result &result, const QString &problem)
{
    m_computing = 0;
    if (request != m_request) {
        showPeriod(m_kind, m_date);
        return;
    }
    // An unreadable history is not a period without incidents.
    if (!problem.isEmpty()) {
        ui->lblAvailabilityStatus->setText(tr("The history cannot be read: %1").arg(problem));
        emit figuresShown();
        return;
    }
    showResult(result);
}

void DialogAvailability::showRange(const QDateTime &from, const QDateTime &to)
{
    const QString first = dayText(from);
    const QString last = dayText(to.addSecs(-1));
    ui->lblAvailabilityPeriod->setText(first == last ? first : tr("%1 to %2").arg(first, last));
}

void DialogAvailability::showResult(const AvailabilityReport::Result &result)
{
    showRange(result.from, result.to);
    m_groups->setResult(result);
    m_clockRows->setResult(result);
    ui->lblAvailabilityStatus->setText(tr("Figures of %n clocks.", nullptr, result.site.clocks));
    emit figuresShown();
}

void DialogAvailability::step(int periods)
{
    showPeriod(m_kind, ReportPeriod::step(m_kind, m_date, periods));
}

void DialogAvailability::periodChosen(int index)
{
    if (index >= 0 && index < int(std::size(kinds)))
        showPeriod(kinds[index], m_date.isValid() ? m_date : QDate::currentDate());
}
