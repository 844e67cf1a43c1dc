#include "ui/widgets/ThemeWidgets.h"

#include <QAbstractButton>
#include <QWidget>

namespace ThemeWidgets {

bool setTheme(Theme theme, QWidget *widget)
{
    if (!ThemeManager::setCurrentTheme(theme))
        return false;
    if (widget)
        applyTheme(widget);
    return true;
}

void applyTheme(QWidget *widget)
{
    if (widget)
        widget->setStyleSheet(ThemeManager::styleSheet(ThemeManager::currentTheme()));
}

bool storeAndApplyTheme(QWidget *widget)
{
    ThemeManager::storeCurrentTheme();
    if (widget)
        applyTheme(widget);
    return true;
}

void recolourButtonIcon(QAbstractButton *button, int kind)
{
    // An icon naming a missing file is not null but has no pixels to tint.
    if (button && !button->icon().pixmap(button->iconSize()).isNull())
        button->setIcon(ThemeManager::recolourIcon(button->icon(), kind, button->iconSize()));
}

} // namespace ThemeWidgets
