#pragma once

#include "ui/pages/NavigationPage.h"

class PageServices;

namespace Ui {
class PageReport;
}

// The periodic value report (page 4 of swdDevices), shown from the stored
// report settings when it is built.
class PageReport : public NavigationPage
{
    Q_OBJECT

public:
    explicit PageReport(PageServices &services, QWidget *parent = nullptr);
    ~PageReport() override;

    // The start-up state: the reporter off, the controls disabled, then the
    // stored settings shown; checking the enable box starts the reporter.
    void LoadReportWidgets();
    // Validates and stores the report settings; false when refused.
    bool SaveReportSettings();

    // The folder part of a report path: the text before its last "/", or
    // the whole text when it holds none.
    static QString folderOf(const QString &path);

private:
    void saveSettings();
    void chooseFile();
    // The reporter and the controls follow the enable box.
    void enableReport(int checkState);
    // Asks whether to save first, then asks the window to hide to the tray.
    void hideToTray();
    // The clocks' availability this month, from the history.
    void showAvailability();

    Ui::PageReport *ui;
    PageServices &m_services;
};
