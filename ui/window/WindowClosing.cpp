#include "ui/window/WindowClosing.h"

#include "core/AppIdentity.h"
#include "session/MonitoringSession.h"

QString WindowClosing::question(bool alertsOn, bool reportOn)
{
    QString text;
    if (alertsOn && reportOn)
        text = tr("Notifications and reports are turned on. Are you sure you want to close %1? "
                  "(Alert e-mails won't be sent and data reporting will stop)");
    else if (alertsOn)
        text = tr("Notification are turned on. Are you sure you want to close %1? (Alert e-mails won't be sent)");
    else if (reportOn)
        text = tr("Reports are turned on. Are you sure you want to close %1? (Data reporting will stop)");
    return text.isEmpty() ? text : text.arg(appDisplayName());
}

QuestionResult WindowClosing::ask(DialogHost &dialogs, QWidget *window, const QString &question)
{
    return dialogs.ask(window, question, QuestionIcon::Warning, tr("Minimalize to tray"), tr("Close application"),
                       tr("Cancel"));
}

bool WindowClosing::stopAndSave(MonitoringSession &session, DialogHost &dialogs, QWidget *window)
{
    const bool wasRunning = session.isRunning();
    session.stop();
    if (session.save() || !session.isWritable())
        return true;
    // Closing now would drop every change since the last save.
    const QString question =
        tr("%1 Close anyway? (Changes since the last save will be lost)").arg(session.lastSaveError());
    if (dialogs.ask(window, question, QuestionIcon::Critical, tr("Close application"), tr("Cancel"))
        == QuestionResult::Positive)
        return true;
    // The window stays, and the session goes on watching.
    if (wasRunning)
        session.start();
    return false;
}
