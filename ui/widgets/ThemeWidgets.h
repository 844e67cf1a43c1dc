#pragma once

#include "desktop/ThemeManager.h"

class QAbstractButton;
class QWidget;

// Applying the current theme to widgets.
namespace ThemeWidgets {

// False when the value is already current; otherwise stores it and styles the widget.
bool setTheme(Theme theme, QWidget *widget = nullptr);
void applyTheme(QWidget *widget);
// Stores the current theme, then styles the widget; dialogs call it when built.
bool storeAndApplyTheme(QWidget *widget = nullptr);
// Tints the button's icon for the theme, with its grey disabled variant.
void recolourButtonIcon(QAbstractButton *button, int kind = 0);

} // namespace ThemeWidgets
