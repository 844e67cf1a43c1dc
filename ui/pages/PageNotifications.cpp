#include "PageNotifications.h"

#include "DialogHost.h"
#include "DialogQuestion.h"
#include "MonitoringSession.h"
#include "ui_PageNotifications.h"

PageNotifications::PageNotifications(const PageServices &services, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PageNotifications)
    , m_services(services)
{
    ui->setupUi(this);
}

PageNotifications::~PageNotifications()
{
    delete ui;
}

void PageNotifications::LoadNotificationWidgets()
{
}

bool PageNotifications::SaveNotificationSettings(bool showMessage)
{
    if (!m_services.session || !m_services.session->save())
        return false;
    if (showMessage)
        m_services.dialogs->message(m_services.window, tr("Notification configuration saved."), QuestionIcon::Info);
    return true;
}

void PageNotifications::on_btnHideToTray_clicked()
{
    const int answer = m_services.dialogs->ask(m_services.window, tr("Save configuration before minimize application?"),
                                               QuestionIcon::Question, tr("Save and minimize"), tr("Minimize only"),
                                               tr("Cancel"));
    if (answer == QuestionResult::Neutral)
        return;
    // Hidden whatever the save's outcome: the alerts go on either way.
    if (answer == QuestionResult::Positive)
        SaveNotificationSettings(false);
    m_services.SetHiddenToTray(false);
}
