#include "StandaloneServices.h"

#include "OperationRunner.h"
#include "ResultSlots.h"

#include <QWidget>

StandaloneServices::StandaloneServices(MonitoringSession &session, DialogHost &dialogs)
    : m_window(std::make_unique<QWidget>())
    , m_runner(std::make_unique<OperationRunner>(dialogs, m_window.get()))
{
    m_pixmaps.rebuild(QColor(), QColor(), QColor());
    m_services.window = m_window.get();
    m_services.dialogs = &dialogs;
    m_services.runner = m_runner.get();
    m_services.session = &session;
    m_services.pixmaps = &m_pixmaps;
    m_services.toast = [this](const QString &text, ToastType) { m_toasts.append(text); };
    m_results = std::make_unique<ResultSlots>(m_services);
    m_services.results = m_results.get();
}

StandaloneServices::~StandaloneServices() = default;
