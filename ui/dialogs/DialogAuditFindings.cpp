#include "ui/dialogs/DialogAuditFindings.h"

#include "operations/audit/AuditFindingsModel.h"
#include "operations/audit/AuditSummary.h"
#include "operations/audit/FleetAudit.h"
#include "ui_DialogAuditFindings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSet>
#include <QShortcut>

DialogAuditFindings::DialogAuditFindings(QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogAuditFindings)
    , m_model(new AuditFindingsModel(this))
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    ui->btnCancel->setDefault(true);
    connect(ui->btnCopy, &QAbstractButton::clicked, this, &DialogAuditFindings::copyToClipboard);
    connect(ui->btnSiteZone, &QAbstractButton::clicked, this, [this] { done(ChangeSiteZone); });
    connect(ui->btnAlignGroup, &QAbstractButton::clicked, this, [this] {
        if (!alignClockIds().isEmpty())
            done(AlignWithGroup);
    });
    // "Close" at the bottom accepts; the title bar's close rejects.
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);

    QTableView *view = ui->twdFindings;
    view->setModel(m_model);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    // The audit's own order (grouped by clock, in list order) until the user
    // sorts: enabling sorting would otherwise sort by the first column at once.
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    auto *copy = new QShortcut(QKeySequence::Copy, view);
    copy->setContext(Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &DialogAuditFindings::copyToClipboard);
}

DialogAuditFindings::~DialogAuditFindings()
{
    delete ui;
}

void DialogAuditFindings::setAudit(const FleetAudit &audit)
{
    m_model->setFindings(audit.findings());
    ui->twdFindings->resizeColumnsToContents();
    // Always named: a machine in UTC would otherwise judge every clock of a
    // site elsewhere as an hour off without saying why.
    const QString summary = AuditSummary::of(audit).text() + QLatin1Char('\n')
        + tr("Daylight saving compared with %1.").arg(QString::fromUtf8(audit.siteZone().id()));
    ui->lblSummary->setText(summary);
    ui->twdFindings->setVisible(!audit.findings().isEmpty());
    ui->btnCopy->setEnabled(!audit.findings().isEmpty());
    ui->btnAlignGroup->setEnabled(!alignClockIds().isEmpty());
}

QList<quint64> DialogAuditFindings::alignClockIds() const
{
    QList<int> rows;
    for (const QModelIndex &index : ui->twdFindings->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty()) {
        for (int row = 0; row < m_model->rowCount(); ++row)
            rows.append(row);
    }
    QList<quint64> ids;
    QSet<quint64> seen;
    for (int row : qAsConst(rows)) {
        const AuditFinding &finding = m_model->findings().at(row);
        const bool alignable =
            finding.kind == AuditFinding::Kind::Drift || finding.kind == AuditFinding::Kind::DaylightSaving;
        if (alignable && !seen.contains(finding.clockId)) {
            seen.insert(finding.clockId);
            ids.append(finding.clockId);
        }
    }
    return ids;
}

QString DialogAuditFindings::copyText() const
{
    QList<int> rows;
    for (const QModelIndex &index : ui->twdFindings->selectionModel()->selectedRows())
        rows.append(index.row());
    return m_model->copyText(rows);
}

void DialogAuditFindings::copyToClipboard()
{
    if (m_model->rowCount() > 0)
        QGuiApplication::clipboard()->setText(copyText());
}

