#include "ui/services/PageServices.h"

#include "session/ClockListModel.h"
#include "session/MonitoringSession.h"
#include "ui/services/OperationRunner.h"
#include "ui/services/StatusPixmaps.h"
#include "ui/services/Toasts.h"

#include <QWidget>

PageServices::PageServices(ClockRegistry &registry, Communication &communication, MonitoringSession &session,
                           DialogHost &dialogs, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_communication(communication)
    , m_session(session)
    , m_dialogs(dialogs)
    , m_runner(std::make_unique<OperationRunner>(dialogs, communication))
    , m_toasts(std::make_unique<Toasts>())
    , m_statusPixmaps(std::make_unique<StatusPixmaps>())
    , m_clockTable(std::make_unique<ClockListModel>(registry))
{
    // Until a style sheet gives the theme's colours, the icons keep their own.
    m_statusPixmaps->rebuild(QColor(), QColor(), QColor());
    connect(this, &PageServices::themeChanged, m_toasts.get(), &Toasts::applyTheme);
}

PageServices::~PageServices() = default;

void PageServices::setWindow(QWidget *window)
{
    m_window = window;
    m_runner->setDialogParent(window);
}

void PageServices::announceThemeChanged()
{
    emit themeChanged();
}

void PageServices::listChanged()
{
    m_session.saveInBackground();
}
