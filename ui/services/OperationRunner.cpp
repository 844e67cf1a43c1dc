#include "ui/services/OperationRunner.h"

#include "operations/Communication.h"
#include "operations/DataSender.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/dialogs/DialogProgress.h"
#include "ui/dialogs/DialogQuestion.h"
#include "operations/audit/FleetAudit.h"

#include <QDialog>

OperationRunner::OperationRunner(DialogHost &dialogs, Communication &communication, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_communication(communication)
{
}

OperationRunner::~OperationRunner() = default;

void OperationRunner::setDialogParent(QWidget *parent)
{
    m_dialogParent = parent;
}

void OperationRunner::run(DataSender *sender, const QString &text, ResultSlot slot, QObject *context,
                          double initialProgress)
{
    if (!sender)
        return;
    if (!context)
        context = this;
    auto *dialog = new DialogProgress(m_dialogParent, tr("Please wait..."), text);
    if (initialProgress > 0.0)
        dialog->setValue(initialProgress);
    // Each end finishes its own dialog: a cancelled operation that runs to
    // its end must not close the dialog of the one started after it.
    const QPointer<DialogProgress> own(dialog);
    const auto onEnd = [own, slot](DataSender *ended) {
        if (own)
            own->finish();
        if (slot)
            slot(ended);
    };
    connect(sender, &DataSender::finished, context, onEnd);
    connect(sender, &DataSender::error, context, onEnd);
    connect(sender, &DataSender::canceled, context, onEnd);
    connect(sender, &DataSender::updateProgress, dialog, &DialogProgress::setValue);

    // An operation started from a result slot runs inside the first one's
    // dialog; the outer dialog is the current one again afterwards.
    const QPointer<DialogProgress> outer = m_progressDialog;
    m_progressDialog = dialog;
    QPointer<DataSender> running(sender);
    const int result = m_dialogs.runProgress(*dialog);
    // Before the cancel: the result slot, which a cancel reaches at once,
    // must not find this finished dialog as the current one.
    m_progressDialog = outer;
    // The pool deletes a sender after its end, which may have come while the
    // dialog faded out: cancel only one that still exists.
    if (result == QDialog::Rejected && running)
        m_communication.cancel(running);
    // Gone already when its window went while it ran.
    delete own;
}

void OperationRunner::run(FleetAudit *audit, const QString &text, AuditSlot slot, QObject *context)
{
    if (!audit || audit->isRunning())
        return;
    if (!context)
        context = this;
    auto *dialog = new DialogProgress(m_dialogParent, tr("Please wait..."), text);
    const QPointer<DialogProgress> own(dialog);
    // Connected for this run only: the caller may run the same audit again.
    const QMetaObject::Connection done = connect(audit, &FleetAudit::finished, context, [own, slot](FleetAudit *ended) {
        if (own)
            own->finish();
        if (slot)
            slot(ended);
    });
    const QMetaObject::Connection progress =
        connect(audit, &FleetAudit::updateProgress, dialog, &DialogProgress::setValue);

    const QPointer<DialogProgress> outer = m_progressDialog;
    m_progressDialog = dialog;
    QPointer<FleetAudit> running(audit);
    audit->start();
    m_dialogs.runProgress(*dialog);
    // Rejected, or a dialog closed some other way: an audit still running
    // must not deliver findings to nobody later.
    if (running && running->isRunning())
        running->cancel();
    disconnect(done);
    disconnect(progress);
    m_progressDialog = outer;
    delete own;
}

void OperationRunner::onProgressUpdate(double value)
{
    if (m_progressDialog)
        m_progressDialog->setValue(value);
}

void OperationRunner::ShowOperationError(Error kind)
{
    m_dialogs.message(m_dialogParent, ErrorText::operationFailed(kind), QuestionIcon::Critical);
}

bool OperationRunner::reportFailure(DataSender *sender, bool showError)
{
    if (sender->result() == DataSender::Succeeded)
        return false;
    // After the user cancelled, a failure (often the time-out of the exchange
    // that was still running) is no news to them.
    if (showError && sender->result() == DataSender::Failed && !sender->isCancelRequested())
        ShowOperationError(sender->errorCode());
    return true;
}
