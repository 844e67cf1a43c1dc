#include "PageServices.h"

#include "ClockListModel.h"
#include "ClockRegistry.h"
#include "MonitoringSession.h"
#include "OperationRunner.h"
#include "StatusPixmaps.h"
#include "Toasts.h"

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
    // A status update (a poll or any page's operation) and a quiet period
    // change what a clock's row shows: told to the list, which tells the rows.
    const auto announce = [&registry](quint64 id) {
        if (const DevClock *clock = registry.clockById(id))
            registry.announceClockChanged(clock);
    };
    connect(&session, &MonitoringSession::statusUpdated, this, announce);
    connect(&session, &MonitoringSession::quietPeriodsChanged, this, [announce](const QList<quint64> &ids) {
        for (quint64 id : ids)
            announce(id);
    });
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
