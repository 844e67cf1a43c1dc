#include "ui/window/Startup.h"

#include "ui/dialogs/DialogHost.h"
#include "core/Language.h"
#include "session/MonitoringSession.h"

#include <QTimer>
#include <QWidget>

Startup::Startup(MonitoringSession &session, DialogHost &dialogs)
    : m_session(session)
    , m_dialogs(dialogs)
{
}

bool Startup::openDeviceList()
{
    if (m_session.acquireLock())
        return true;
    const QString question =
        tr("%1\nOpen the device list read-only? Nothing will be saved.").arg(m_session.readOnlyReason());
    return m_dialogs.ask(nullptr, question, QuestionIcon::Warning, tr("Open read-only"), tr("Quit"))
           == QuestionResult::Positive;
}

void Startup::startSession()
{
    // English unless the user chose a language in the window; the language
    // of the system locale alone does not count as a choice.
    LanguageManager::setLanguage(LanguageManager::chosenLanguage());
    m_loadMessage = m_session.load().message;
    m_session.start();
}

void Startup::reportLoad(QWidget *window)
{
    if (m_loadMessage.isEmpty())
        return;
    QTimer::singleShot(0, window, [&dialogs = m_dialogs, window, message = m_loadMessage] {
        dialogs.message(window, message, QuestionIcon::Warning);
    });
}
