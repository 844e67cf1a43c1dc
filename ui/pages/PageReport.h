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

    // The folder part of a report path: the text before its last "/", or
    // the whole text when it holds none.
    static QString folderOf(const QString &path);

private slots:
    void on_btnReportSave_clicked();
    void on_btnReportChangeFile_clicked();
    void on_cbxReportEnable_stateChanged(int arg1);
    void on_btnHideToTray2_clicked();

private:
    Ui::PageReport *ui;
    PageServices m_services;
};
