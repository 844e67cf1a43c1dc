#include "ui/dialogs/DialogHistory.h"

#include "session/ClockEventText.h"
#include "persistence/EventJournal.h"
#include "ui_DialogHistory.h"

#include <QHeaderView>
#include <QPointer>
#include <QThread>

#include <memory>

namespace {

enum Column { TimeColumn, EventColumn };

} // namespace

DialogHistory::DialogHistory(QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogHistory)
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    ui->btnHistoryClose->setDefault(true);
    connect(ui->btnHistoryClose, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);
    QTableWidget *table = ui->twdHistory;
    table->setColumnCount(2);
    table->setHorizontalHeaderLabels({tr("Time"), tr("Event")});
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
}

DialogHistory::~DialogHistory()
{
    delete ui;
}

void DialogHistory::showClock(const QString &name, const QString &ip, const QString &folder)
{
    setWindowTitle(tr("History of %1 (%2)").arg(name, ip));
    ui->lblHistorySummary->setText(tr("Reading the journal..."));
    m_reading = true;
    EventJournal::Filter filter;
    filter.ip = ip;
    filter.limit = shownEvents;
    auto events = std::make_shared<QList<ClockEvent>>();
    auto problem = std::make_shared<QString>();
    QThread *reader = QThread::create(
        [events, problem, folder, filter] { *events = EventJournal::read(folder, filter, nullptr, problem.get()); });
    const QPointer<DialogHistory> self(this);
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    // The dialog may be gone by the time the journal is read.
    connect(reader, &QThread::finished, this, [self, events, problem] {
        if (!self)
            return;
        QTableWidget *table = self->ui->twdHistory;
        table->setRowCount(events->size());
        int row = 0;
        for (auto it = events->crbegin(); it != events->crend(); ++it, ++row) {
            table->setItem(row, TimeColumn,
                           new QTableWidgetItem(it->time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))));
            table->setItem(row, EventColumn, new QTableWidgetItem(ClockEventText::describe(*it)));
        }
        table->resizeColumnToContents(TimeColumn);
        // An unreadable history is not an empty one.
        self->ui->lblHistorySummary->setText(
            !problem->isEmpty() ? tr("The history cannot be read: %1").arg(*problem)
            : events->isEmpty() ? tr("Nothing has happened to this clock yet, or the journal is kept elsewhere.")
                                : tr("The latest %n events, newest first.", nullptr, int(events->size())));
        self->m_reading = false;
        emit self->historyShown();
    });
    reader->start(QThread::LowPriority);
}
