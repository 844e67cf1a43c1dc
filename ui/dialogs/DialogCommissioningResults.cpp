#include "ui/dialogs/DialogCommissioningResults.h"

#include "operations/CommissioningModel.h"
#include "ui_DialogCommissioningResults.h"

#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>

namespace {
constexpr int measuredRows = 100;
} // namespace

DialogCommissioningResults::DialogCommissioningResults(CommissioningModel &model, QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogCommissioningResults)
    , m_model(model)
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    ui->btnCancel->setDefault(true);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);
    ui->twdResults->setModel(&m_model);
    ui->twdResults->verticalHeader()->hide();
    ui->twdResults->horizontalHeader()->setStretchLastSection(true);
    // The first rows of a long run stand for the rest: measuring every one
    // of a thousand would keep the window from answering while the table opens.
    ui->twdResults->horizontalHeader()->setResizeContentsPrecision(measuredRows);
}

DialogCommissioningResults::~DialogCommissioningResults()
{
    delete ui;
}

void DialogCommissioningResults::showSummary(int total)
{
    const QVector<CommissionedAddress> &done = m_model.addresses();
    QString summary = CommissioningModel::summary(done);
    if (done.size() < total) {
        summary += QLatin1Char('\n')
            + tr("Stopped after %1 of %2 addresses; the clocks found until then are on the device list.")
                  .arg(done.size())
                  .arg(total);
    }
    ui->lblSummary->setText(summary);
    // Measured unstretched, so that the columns' sum is what their texts
    // need; the dialog then grows to show every note (the last column only
    // stretches into the room left), as far as the screen allows.
    QTableView *table = ui->twdResults;
    QHeaderView *header = table->horizontalHeader();
    header->setStretchLastSection(false);
    table->resizeColumnsToContents();
    const int columns = header->length();
    header->setStretchLastSection(true);
    const QMargins margins = layout()->contentsMargins() + ui->wdtResults->layout()->contentsMargins();
    const int around = margins.left() + margins.right() + 2 * table->frameWidth()
        + table->verticalScrollBar()->sizeHint().width();
    resize(qBound(width(), columns + around, screen()->availableGeometry().width()), height());
}
