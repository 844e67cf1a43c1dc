#pragma once

#include "ui/frame/FramelessDialog.h"

class CommissioningModel;

namespace Ui {
class DialogCommissioningResults;
}

// What became of each address of a range or a plan (added, already listed,
// moved, not a clock, no answer, wrong password), one row per address in the
// order of the range or plan, under a line that counts them. Built once the
// run has ended: the model follows the run, the dialog only shows it.
class DialogCommissioningResults : public FramelessDialog
{
    Q_OBJECT

public:
    // Shows model, which must outlive the dialog.
    explicit DialogCommissioningResults(CommissioningModel &model, QWidget *parent = nullptr);
    ~DialogCommissioningResults() override;

    // The run has ended with the model's rows, of total addresses.
    void showSummary(int total);
    CommissioningModel &model() const { return m_model; }

private:
    Ui::DialogCommissioningResults *ui;
    CommissioningModel &m_model;
};
