#pragma once

#include "FramelessDialog.h"

class CommissioningModel;
class CommissioningSender;

namespace Ui {
class DialogCommissioningResults;
}

// What became of each address of a range or a plan (added, already listed,
// moved, not a clock, no answer, wrong password), one row per address in the
// order of the range or plan, under a line that counts them.
class DialogCommissioningResults : public FramelessDialog
{
    Q_OBJECT

public:
    explicit DialogCommissioningResults(QWidget *parent = nullptr);
    ~DialogCommissioningResults() override;

    // Takes every address the sender reports from now on.
    void follow(CommissioningSender *sender);
    // The run has ended with the rows taken so far, of total addresses.
    void showSummary(int total);
    CommissioningModel &model() const { return *m_model; }

private:
    Ui::DialogCommissioningResults *ui;
    CommissioningModel *m_model;
};
