#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// The colour themes, by the number the settings store keeps under
// "Common/theme". A stored number that names no theme is kept as it is: it
// gets no style sheet and light-theme icons.
enum class Theme : int { Dark = 0, Light = 1 };

// The process-wide colour theme: which style sheet applies and how the
// single-colour icons are tinted. Widget-facing helpers (applying the sheet
// to a window, recolouring a button) live with the widgets.
namespace ThemeManager {

inline const QColor iconLightColour{250, 250, 250};
inline const QColor iconDarkColour{33, 33, 33};
inline const QColor iconDisabledColour{158, 158, 158};

// Created on first use: a stored "Common/theme" wins over the desktop preference.
Theme currentTheme();
// False, and nothing written, when the value is already the current theme.
bool setCurrentTheme(Theme theme);
// Writes the current theme to the settings store.
void storeCurrentTheme();

// The style sheet of a theme: the one sheet coloured by the theme's palette;
// empty for an unknown theme or an unreadable resource.
QString styleSheet(Theme theme);

// Light icons on the dark theme and dark ones on the light theme; kinds 1 and
// 2 (icons on inverted backgrounds) the other way round.
QColor iconColour(int kind);
QPixmap recolouredPixmap(const QPixmap &pixmap, const QColor &colour);
QIcon themedIcon(const QString &path, int kind = 0);
QIcon recolourIcon(const QIcon &icon, int kind = 0, QSize size = QSize(32, 32));

// Forgets the current theme so the next use decides anew (tests).
void resetForTest();

} // namespace ThemeManager

using ThemeManager::currentTheme;
