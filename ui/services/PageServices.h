#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class ClockListModel;
class ClockRegistry;
class Communication;
class DialogHost;
class MonitoringSession;
class OperationRunner;
class QWidget;
class StatusPixmaps;
class Toasts;

// What every page, and every dialog that runs clock operations, is given
// when it is built, instead of reaching for process-wide objects: the clock
// list and the operations on clocks, the monitoring session, the dialog host,
// the operation runner, toasts, the status icons and the clock table model.
//
// Whoever builds the pages builds this first and keeps it until every page
// has gone: main() for the window, a test for a page built alone. So a page
// never holds services that went before it.
class PageServices : public QObject
{
    Q_OBJECT

public:
    PageServices(ClockRegistry &registry, Communication &communication, MonitoringSession &session,
                 DialogHost &dialogs, QObject *parent = nullptr);
    ~PageServices() override;

    ClockRegistry &registry() const { return m_registry; }
    Communication &communication() const { return m_communication; }
    MonitoringSession &session() const { return m_session; }
    DialogHost &dialogs() const { return m_dialogs; }
    OperationRunner &runner() const { return *m_runner; }
    Toasts &toasts() const { return *m_toasts; }
    // Rebuilt by the window for each theme.
    StatusPixmaps &statusPixmaps() const { return *m_statusPixmaps; }
    // The clock list as the rows of the device list and of the group page.
    ClockListModel &clockTable() const { return *m_clockTable; }

    // The parent of the pages' dialogs and of the operations' progress
    // dialogs: the window once it is built, null before.
    QWidget *window() const { return m_window; }
    void setWindow(QWidget *window);

    // The window switched the theme: pages re-tint what they drew themselves.
    void announceThemeChanged();
    // A flow of the user that changed the clock list has ended: it is saved
    // now, in the background (the 150-second save keeps the status).
    void listChanged();

signals:
    void themeChanged();

private:
    ClockRegistry &m_registry;
    Communication &m_communication;
    MonitoringSession &m_session;
    DialogHost &m_dialogs;
    std::unique_ptr<OperationRunner> m_runner;
    std::unique_ptr<Toasts> m_toasts;
    std::unique_ptr<StatusPixmaps> m_statusPixmaps;
    std::unique_ptr<ClockListModel> m_clockTable;
    QPointer<QWidget> m_window;
};
