#pragma once

#include "PageServices.h"

#include <QWidget>

class TestMailFlow;

namespace Ui {
class PageNotifications;
}

// The e-mail alert settings and the test mail (page 3 of swdDevices).
class PageNotifications : public QWidget
{
    Q_OBJECT

public:
    static constexpr int maxRecipients = 10;

    explicit PageNotifications(const PageServices &services, QWidget *parent = nullptr);
    ~PageNotifications() override;

    // Fills the widgets from the notification settings.
    void LoadNotificationWidgets();
    // Copies the widgets into the notification settings and saves the state
    // file; false when the input was refused or nothing was saved.
    bool SaveNotificationSettings(bool showMessage);

    // The test mail's wait for the server's replies.
    void setTestMailTimeout(int timeoutMs);
    bool isTestMailRunning() const;

    // Contains "@" and is longer than three characters.
    static bool isRecipientAcceptable(const QString &address);

private slots:
    void on_btnAddRecipient_clicked();
    void on_btnNotifSave_clicked();
    void on_btnNotifTestMail_clicked();
    void on_cbxAuthenticationType_currentIndexChanged(int index);
    void on_btnHideToTray_clicked();

private:
    void addRecipientRow(const QString &typeText, const QString &address);
    void removeRecipientRow(int row);
    void onTestMailFinished(bool success, const QString &message);

    Ui::PageNotifications *ui;
    PageServices m_services;
    TestMailFlow *m_testMail;
};
