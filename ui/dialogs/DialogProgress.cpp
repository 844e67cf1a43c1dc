#include "ui/dialogs/DialogProgress.h"

#include "desktop/TaskbarProgress.h"
#include "ui_DialogProgress.h"

#include <QCloseEvent>

DialogProgress::DialogProgress(QWidget *parent, const QString &title, const QString &text)
    : FramelessDialog(parent)
    , ui(new Ui::DialogProgress)
{
    ui->setupUi(this);
    // The progress shows on the task-bar button of the window it belongs to.
    if (parent) {
        m_taskbar = new TaskbarProgress(this);
        m_taskbar->setWindow(parent->window()->windowHandle());
        m_taskbar->setRange(0, progressMaximum);
        m_taskbar->setValue(1);
        m_taskbar->show();
    }
    setWindowTitle(title);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &DialogProgress::cancel);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &DialogProgress::cancel);
    ui->lblInfo->setText(text);
    // A screen reader names the bar by the operation and reads its percentage.
    ui->pbrSearching->setAccessibleName(text);
    m_ramp.setTarget(0.0);
    refreshStateLabel();
    ui->pbrSearching->setMaximum(progressMaximum);
    ui->lblProgressState->hide();
    m_timer.setInterval(m_ramp.tickIntervalMs());
    connect(&m_timer, &QTimer::timeout, this, &DialogProgress::onTimerTimeout);
    m_timer.start();
}

DialogProgress::~DialogProgress()
{
    delete ui;
}

void DialogProgress::onTimerTimeout()
{
    if (m_ramp.tick())
        drawProgress();
}

void DialogProgress::setValue(double value)
{
    m_ramp.setTarget(value);
    if (m_ramp.shown() == 1.0)
        drawProgress();
}

void DialogProgress::finish()
{
    m_ramp.finish();
    drawProgress();
    if (isVisible())
        accept();
    else
        m_earlyResult = Accepted;
}

void DialogProgress::drawProgress()
{
    const int value = m_ramp.scaled(ui->pbrSearching->maximum());
    ui->pbrSearching->setValue(value);
    if (m_taskbar)
        m_taskbar->setValue(value);
    refreshStateLabel();
}

void DialogProgress::refreshStateLabel()
{
    if (!ui->lblProgressState->isVisible())
        return;
    ui->lblProgressState->setText(QString::number(ui->pbrSearching->value()) + QLatin1Char('/')
                                  + QString::number(ui->pbrSearching->maximum()));
}

void DialogProgress::cancel()
{
    emit Canceled();
    if (isVisible())
        close();
    else
        m_earlyResult = Rejected;
}

void DialogProgress::showEvent(QShowEvent *event)
{
    FramelessDialog::showEvent(event);
    if (!m_timer.isActive())
        m_timer.start();
    // An operation can end between the dialog's creation and its modal run;
    // the run must then end at once instead of waiting for nothing.
    if (m_earlyResult != -1) {
        const int result = m_earlyResult;
        m_earlyResult = -1;
        QTimer::singleShot(0, this, [this, result] { done(result); });
    }
}

void DialogProgress::closeEvent(QCloseEvent *event)
{
    if (m_taskbar)
        m_taskbar->hide();
    FramelessDialog::closeEvent(event);
}

void DialogProgress::done(int result)
{
    // A finished run ends by accept, not by a close event; the indicator
    // must not stay on the task-bar button either way.
    if (m_taskbar)
        m_taskbar->hide();
    m_timer.stop();
    FramelessDialog::done(result);
}
