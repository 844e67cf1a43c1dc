#pragma once

#include "ui/frame/FramelessDialog.h"
#include "ui/widgets/ProgressRamp.h"

#include <QTimer>

class TaskbarProgress;

namespace Ui {
class DialogProgress;
}

// The modal progress display of a running operation, mirrored on the
// task-bar button of its parent's window (the operation runner gives it the
// main window). The caller reports progress with setValue and
// ends the run with finish; Cancel or the title-bar close emit Canceled and
// end the run rejected, on which the caller cancels its operation.
class DialogProgress : public FramelessDialog
{
    Q_OBJECT

public:
    static constexpr int progressMaximum = 10000;

    DialogProgress(QWidget *parent, const QString &title, const QString &text);
    ~DialogProgress() override;

    void setValue(double value);
    void finish();
    void done(int result) override;

    // The task-bar indicator; null for a dialog without a parent.
    TaskbarProgress *taskbarProgress() const { return m_taskbar; }
    const ProgressRamp &ramp() const { return m_ramp; }

signals:
    // Declared for callers that listen for it; the dialog itself emits Canceled.
    void SigOnCancel();
    void Canceled();

public slots:
    void onTimerTimeout();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Cancel and the title bar's close: Canceled, then the run ends rejected.
    void cancel();
    void drawProgress();
    void refreshStateLabel();

    Ui::DialogProgress *ui;
    ProgressRamp m_ramp;
    QTimer m_timer;
    TaskbarProgress *m_taskbar = nullptr;
    // Set when the run ended before the dialog was shown.
    int m_earlyResult = -1;
};
