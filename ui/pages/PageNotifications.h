#pragma once

#include "ui/pages/NavigationPage.h"
#include "notify/NotificationSettings.h"

class PageServices;
class TestMailFlow;

namespace Ui {
class PageNotifications;
}

// The e-mail alert settings and the test mail (page 3 of swdDevices), filled
// from the notification settings when it is built.
class PageNotifications : public NavigationPage
{
    Q_OBJECT

public:
    static constexpr int maxRecipients = 10;

    explicit PageNotifications(PageServices &services, QWidget *parent = nullptr);
    ~PageNotifications() override;

    // Fills the widgets from the notification settings.
    void LoadNotificationWidgets();
    // Copies the widgets into the notification settings and saves the state
    // file; false when the input was refused or nothing was saved.
    bool SaveNotificationSettings(bool showMessage);
    // The form differs from what was last loaded or saved; only then do the
    // test mail and hiding to the tray ask whether to save first.
    bool hasUnsavedChanges() const;

    // The test mail's wait for the server's replies.
    void setTestMailTimeout(int timeoutMs);
    bool isTestMailRunning() const;

    // Contains "@" and is longer than three characters.
    static bool isRecipientAcceptable(const QString &address);

private:
    NotificationSettings formSettings() const;
    void addRecipient();
    // User name and password only for an authentication type that uses them.
    void showCredentials(int authenticationType);
    // The monthly mail's day and recipients only while it is switched on.
    void showAvailabilityMail(bool on);
    // The report recipients typed, separated by commas.
    QStringList availabilityAddresses() const;
    // Asks whether to save first, then asks the window to hide to the tray.
    void hideToTray();
    void addRecipientRow(const QString &typeText, const QString &address);
    void removeRecipientRow(int row);
    void onTestMailFinished(bool success, const QString &message);

    Ui::PageNotifications *ui;
    PageServices &m_services;
    TestMailFlow *m_testMail;
    NotificationSettings m_savedSettings;
};
