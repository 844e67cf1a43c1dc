#include "ui/widgets/IconLabel.h"

#include "desktop/ThemeManager.h"

#include <QEvent>
#include <QHoverEvent>
#include <QToolTip>

IconLabel::IconLabel(QWidget *parent)
    : QLabel(parent)
{
    setAttribute(Qt::WA_Hover);
}

void IconLabel::setPixmap(const QPixmap &pixmap)
{
    m_source = pixmap;
    showPixmap();
}

void IconLabel::setTint(bool tint)
{
    m_tint = tint;
    showPixmap();
}

void IconLabel::showPixmap()
{
    if (m_tint && !m_source.isNull()) {
        const QColor colour = palette().brush(QPalette::Current, QPalette::Text).color();
        QLabel::setPixmap(ThemeManager::recolouredPixmap(m_source, colour));
    } else {
        QLabel::setPixmap(m_source);
    }
}

bool IconLabel::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
        m_hovered = true;
        if (!toolTip().isEmpty())
            QToolTip::showText(static_cast<QHoverEvent *>(event)->pos() + mapToGlobal(QPoint(0, 0)), toolTip(), this);
        return true;
    case QEvent::HoverLeave:
        m_hovered = false;
        return true;
    case QEvent::HoverMove:
        return true;
    case QEvent::Polish: {
        // The style sheet's text colour is known only once polished.
        const bool handled = QLabel::event(event);
        showPixmap();
        return handled;
    }
    default:
        return QLabel::event(event);
    }
}

void IconLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange)
        showPixmap();
}
