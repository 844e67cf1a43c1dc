#pragma once

#include "ui/services/PageServices.h"

#include <QStringList>

#include <memory>

class DialogHost;
class MonitoringSession;
class QWidget;

// A page's services as the program builds them, for a page built without
// the window (tests, benchmarks): the session's clock list and exchanges,
// a hidden widget as the parent of the page's dialogs, and the
// toasts collected. A window built on them takes over as the parent.
class StandaloneServices
{
public:
    StandaloneServices(MonitoringSession &session, DialogHost &dialogs);
    ~StandaloneServices();

    PageServices &services() const { return *m_services; }
    // The parent of the page's dialogs.
    QWidget *window() const { return m_window.get(); }
    // Every toast shown so far, in order.
    QStringList toasts() const { return m_toasts; }

private:
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<PageServices> m_services;
    QStringList m_toasts;
};
