#include "ui/services/Toasts.h"

#include "ui/widgets/ThemeWidgets.h"
#include "ui/widgets/WidgetToaster.h"

#include <QEvent>

Toasts::Toasts(QObject *parent)
    : QObject(parent)
{
}

Toasts::~Toasts() = default;

WidgetToaster *Toasts::toaster() const
{
    return m_toaster;
}

void Toasts::attach(QWidget *area, QWidget *topBar)
{
    if (m_area)
        m_area->removeEventFilter(this);
    m_area = area;
    m_topBar = topBar;
    if (m_area)
        m_area->installEventFilter(this);
}

void Toasts::show(const QString &text, ToastType type)
{
    emit shown(text, type);
    if (!m_area)
        return;
    if (!m_toaster) {
        m_toaster = new WidgetToaster(m_area);
        m_toaster->setMaxToasts(maxToasts);
        m_toaster->setTopOffset(m_topBar ? m_topBar->height() : 0);
        m_toaster->place(m_area->width(), m_area->height());
        m_toaster->show();
    }
    m_toaster->add(text, type);
}

void Toasts::applyTheme()
{
    if (!m_toaster)
        return;
    for (Toast *toast : m_toaster->toasts())
        ThemeWidgets::applyTheme(toast);
}

bool Toasts::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && event->type() == QEvent::Resize && m_toaster)
        m_toaster->place(m_area->width(), m_area->height());
    return QObject::eventFilter(watched, event);
}
