#pragma once

#include <QCoreApplication>
#include <QString>

class DialogHost;
class MonitoringSession;
class QWidget;

// What the program does before its window is built, in this order: the
// device-list lock (asking what to do when another program holds it), then
// English as the interface language on every start, the list, the last path
// and the report settings loaded, and the session started (poller,
// reporter, auto-save); once the window shows, what the load had to say.
class Startup
{
    Q_DECLARE_TR_FUNCTIONS(Startup)

public:
    Startup(MonitoringSession &session, DialogHost &dialogs);

    // Takes the device-list lock. When another program holds it, says who and
    // asks whether to open the list read-only; false when the user would
    // rather quit.
    bool openDeviceList();
    // The language, the list and the session, before the window is built.
    void startSession();
    // A warning about the list (one that could not be read) over the window,
    // from the event loop once the window has shown.
    void reportLoad(QWidget *window);

private:
    MonitoringSession &m_session;
    DialogHost &m_dialogs;
    QString m_loadMessage;
};
