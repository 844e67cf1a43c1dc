#pragma once

#include "ui/dialogs/DialogHost.h"

#include <QCoreApplication>
#include <QString>

class MonitoringSession;
class QWidget;

// What closing the window asks and does, apart from the window: one
// question naming everything that stops, then, as the monitor does, the
// session stopped and the list saved.
class WindowClosing
{
    Q_DECLARE_TR_FUNCTIONS(WindowClosing)

public:
    // Empty when neither alert mails nor the report would stop.
    static QString question(bool alertsOn, bool reportOn);
    // Positive: to the tray; Negative: close; Neutral: stay (Cancel).
    static QuestionResult ask(DialogHost &dialogs, QWidget *window, const QString &question);

    // No poll, alert mail or report run may start after the final save and
    // change what it wrote. When the list cannot be saved, asks whether to
    // close anyway; false when the window stays, the session then watching
    // again as before.
    static bool stopAndSave(MonitoringSession &session, DialogHost &dialogs, QWidget *window);
};
