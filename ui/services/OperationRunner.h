#pragma once

#include "ui/dialogs/DialogProgress.h"
#include "values/Error.h"

#include <QObject>
#include <QPointer>

#include <functional>

class Communication;
class DataSender;
class DialogHost;
class FleetAudit;
class QWidget;

// Runs a clock operation behind a modal progress dialog, the one way every
// page does it: the result slot is connected to the sender's finished, error
// and canceled, its progress to the dialog; "Please wait..." and the
// operation's text are shown through the dialog host; when the user cancels
// the dialog the operation is cancelled through the sender pool; and the
// dialog is finished before the result slot sees the sender. The progress
// dialogs are children of the runner's dialog parent, whose window shows the
// task-bar progress.
class OperationRunner : public QObject
{
    Q_OBJECT

public:
    // Gets the sender once, while it still exists; reads sender->result()
    // (DataSender::Succeeded, Failed or Canceled) and errorCode().
    using ResultSlot = std::function<void(DataSender *sender)>;

    OperationRunner(DialogHost &dialogs, Communication &communication, QObject *parent = nullptr);
    ~OperationRunner() override;

    // The window the progress dialogs belong to; null makes them top-level.
    void setDialogParent(QWidget *parent);
    QWidget *dialogParent() const { return m_dialogParent; }

    // sender comes queued from a Communication factory. Returns when the
    // progress dialog has closed; a cancelled operation has reached its
    // result slot by then. The connections
    // live as long as context (the runner when null). A single exchange
    // reports nothing until it ends: initialProgress lets its bar move.
    void run(DataSender *sender, const QString &text, ResultSlot slot, QObject *context = nullptr,
             double initialProgress = 0.0);

    // Gets the audit once, when it finished; never for a cancelled one.
    using AuditSlot = std::function<void(FleetAudit *audit)>;
    // Starts the audit (selected, not started) behind the same dialog;
    // cancelling the dialog cancels the audit. The audit stays the caller's
    // and has ended when this returns.
    void run(FleetAudit *audit, const QString &text, AuditSlot slot, QObject *context = nullptr);

    // The dialog of the running operation; null when none runs.
    DialogProgress *progressDialog() const { return m_progressDialog; }

    // "An error occured:", a blank and the kind's text, as a critical message.
    void ShowOperationError(Error kind);
    // For result slots: false when the sender succeeded. A failure is shown
    // with ShowOperationError unless showError is false; nothing is shown
    // for an operation the user cancelled, however it ended.
    bool reportFailure(DataSender *sender, bool showError = true);

    DialogHost &dialogs() const { return m_dialogs; }

public slots:
    // Progress of the current operation (0.0 to 1.0) to its dialog.
    void onProgressUpdate(double value);

private:
    DialogHost &m_dialogs;
    Communication &m_communication;
    QPointer<QWidget> m_dialogParent;
    QPointer<DialogProgress> m_progressDialog;
};
