#include "tests/ui/StandaloneServices.h"

#include "session/MonitoringSession.h"
#include "operations/Communication.h"
#include "ui/services/Toasts.h"

#include <QWidget>

StandaloneServices::StandaloneServices(MonitoringSession &session, DialogHost &dialogs)
    : m_window(std::make_unique<QWidget>())
    , m_services(std::make_unique<PageServices>(session.registry(), session.exchanges(), session, dialogs))
{
    m_services->setWindow(m_window.get());
    QObject::connect(&m_services->toasts(), &Toasts::shown,
                     [this](const QString &text, ToastType) { m_toasts.append(text); });
}

StandaloneServices::~StandaloneServices() = default;
