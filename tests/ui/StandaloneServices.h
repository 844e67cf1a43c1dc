#pragma once

#include "PageServices.h"
#include "StatusPixmaps.h"

#include <QStringList>

#include <memory>

class QWidget;

// Everything a page needs, for a page built without the window: in tests
// and in the render tool. Toasts are collected instead of shown.
class StandaloneServices
{
public:
    StandaloneServices(MonitoringSession &session, DialogHost &dialogs);
    ~StandaloneServices();

    const PageServices &services() const { return m_services; }
    // The parent of the page's dialogs.
    QWidget *window() const { return m_window.get(); }
    QStringList toasts() const { return m_toasts; }

private:
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<OperationRunner> m_runner;
    std::unique_ptr<ResultSlots> m_results;
    StatusPixmaps m_pixmaps;
    PageServices m_services;
    QStringList m_toasts;
};
