#pragma once

#include "PageServices.h"

#include <QWidget>

namespace Ui {
class PageNotifications;
}

// The e-mail alert settings and the test mail (page 3 of swdDevices).
class PageNotifications : public QWidget
{
    Q_OBJECT

public:
    explicit PageNotifications(const PageServices &services, QWidget *parent = nullptr);
    ~PageNotifications() override;

    // Fills the widgets from the notification settings.
    void LoadNotificationWidgets();
    // Copies the widgets into the notification settings and saves the state
    // file; false when the input was refused or nothing was saved.
    bool SaveNotificationSettings(bool showMessage);

private slots:
    void on_btnHideToTray_clicked();

private:
    Ui::PageNotifications *ui;
    PageServices m_services;
};
