#pragma once

#include "PageServices.h"

#include <QWidget>

namespace Ui {
class PageReport;
}

// The periodic value report (page 4 of swdDevices).
class PageReport : public QWidget
{
    Q_OBJECT

public:
    explicit PageReport(const PageServices &services, QWidget *parent = nullptr);
    ~PageReport() override;

    // The start-up state: the reporter off, the controls disabled, then the
    // stored settings shown; checking the enable box starts the reporter.
    void LoadReportWidgets();
    // Validates and stores the report settings; false when refused.
    bool SaveReportSettings();

private slots:
    void on_cbxReportEnable_stateChanged(int arg1);
    void on_btnHideToTray2_clicked();

private:
    Ui::PageReport *ui;
    PageServices m_services;
};
