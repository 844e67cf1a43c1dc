#pragma once

#include "ui/editor/AlarmTable.h"

#include <QWidget>

namespace Ui {
class TabAlarms;
}

// The editor's "Alarms" tab: the alarm table, shown once it has loaded, and
// the buttons that import and export the alarms (the editor does the file
// work).
class TabAlarms : public QWidget
{
    Q_OBJECT

public:
    explicit TabAlarms(QWidget *parent = nullptr);
    ~TabAlarms() override;

    // Fills the table without freezing the window; loadingChanged tells
    // when it starts and ends.
    void LoadAlarms(const AlarmTable::Alarms &alarms);
    bool isLoading() const;
    // As shown, or as given to LoadAlarms while it runs.
    AlarmTable::Alarms alarms() const;

signals:
    void loadingChanged(bool loading);
    void importRequested();
    void exportRequested();

private:
    void showLoading(bool loading);

    Ui::TabAlarms *ui;
};
