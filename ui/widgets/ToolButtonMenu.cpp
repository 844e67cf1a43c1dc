#include "ui/widgets/ToolButtonMenu.h"

#include "ui/widgets/ThemeWidgets.h"

#include <QEvent>
#include <QPainter>

namespace {

const char *const positionNames[] = {"bottom", "top", "left", "right"};

} // namespace

ToolButtonMenu::ToolButtonMenu(QWidget *parent)
    : QToolButton(parent)
{
    ThemeWidgets::recolourButtonIcon(this);
}

void ToolButtonMenu::setSelectionColor(const QColor &colour)
{
    m_selectionColor = colour;
    update();
}

void ToolButtonMenu::setSeletionSize(int size)
{
    m_selectionSize = qMax(0, size);
    update();
}

QString ToolButtonMenu::selectionPosition() const
{
    return QString::fromLatin1(positionNames[m_position]);
}

void ToolButtonMenu::setSelectionPosition(const QString &position)
{
    const QString name = position.trimmed().toLower();
    for (int i = 0; i < 4; ++i) {
        if (name == QLatin1String(positionNames[i])) {
            m_position = Position(i);
            update();
            return;
        }
    }
}

void ToolButtonMenu::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

QRect ToolButtonMenu::selectionRect(const QRect &area, Position position, int size)
{
    switch (position) {
    case Top:
        return QRect(area.left(), area.top(), area.width(), size);
    case Left:
        return QRect(area.left(), area.top(), size, area.height());
    case Right:
        return QRect(area.left() + area.width() - size, area.top(), size, area.height());
    case Bottom:
        break;
    }
    return QRect(area.left(), area.top() + area.height() - size, area.width(), size);
}

void ToolButtonMenu::paintEvent(QPaintEvent *event)
{
    QToolButton::paintEvent(event);
    if (!m_selected || m_selectionSize <= 0)
        return;
    // The whole button, not the event's rectangle: a partial repaint would
    // otherwise draw the bar in the middle of the button.
    QPainter painter(this);
    painter.fillRect(selectionRect(rect(), m_position, m_selectionSize), m_selectionColor);
}

void ToolButtonMenu::changeEvent(QEvent *event)
{
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::StyleChange)
        ThemeWidgets::recolourButtonIcon(this);
}
