#include "ui/widgets/PushButtonFlat.h"

#include "desktop/ThemeManager.h"

#include <QEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

PushButtonFlat::PushButtonFlat(QWidget *parent)
    : QPushButton(parent)
{
    setMouseTracking(true);
}

PushButtonFlat::PushButtonFlat(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setMouseTracking(true);
}

void PushButtonFlat::refreshIcons()
{
    if (icon().pixmap(iconSize()).isNull())
        return;
    const QIcon source = icon();
    m_normalIcon = ThemeManager::recolourIcon(source, 0, iconSize());
    m_hoverIcon = ThemeManager::recolourIcon(source, 1, iconSize());
    setIcon(m_hovered ? m_hoverIcon : m_normalIcon);
}

void PushButtonFlat::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::StyleChange && isVisible())
        refreshIcons();
}

void PushButtonFlat::showEvent(QShowEvent *event)
{
    QPushButton::showEvent(event);
    refreshIcons();
}

QIcon PushButtonFlat::iconFor(QStyle::State state) const
{
    if (m_normalIcon.isNull())
        return icon();
    return state & (QStyle::State_MouseOver | QStyle::State_Sunken) ? m_hoverIcon : m_normalIcon;
}

void PushButtonFlat::paintEvent(QPaintEvent *)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.icon = iconFor(option.state);
    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_PushButton, option);
}

void PushButtonFlat::setHovered(bool hovered)
{
    m_hovered = hovered;
    if (!m_normalIcon.isNull())
        setIcon(hovered ? m_hoverIcon : m_normalIcon);
}

void PushButtonFlat::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->pos();
    const bool inside = p.x() >= 0 && p.x() <= width() - 1 && p.y() >= 0 && p.y() <= height() - 1;
    if (inside != m_hovered)
        setHovered(inside);
    QPushButton::mouseMoveEvent(event);
}

void PushButtonFlat::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    setHovered(true);
    QPushButton::mousePressEvent(event);
}

void PushButtonFlat::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressed = false;
    // Still over it after a click: still the hover look.
    setHovered(rect().contains(event->pos()));
    QPushButton::mouseReleaseEvent(event);
}

void PushButtonFlat::leaveEvent(QEvent *event)
{
    if (m_hovered)
        setHovered(false);
    QPushButton::leaveEvent(event);
}
