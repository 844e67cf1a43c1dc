#include "desktop/DesktopTheme.h"

#include <QGuiApplication>
#include <QPalette>
#include <QSettings>

namespace DesktopTheme {

bool prefersLight()
{
#ifdef Q_OS_WIN
    QSettings personalize(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize"),
        QSettings::NativeFormat);
    const QVariant value = personalize.value(QStringLiteral("AppsUseLightTheme"));
    return !(value.isValid() && value.toInt() == 0);
#else
    const QPalette palette = QGuiApplication::palette();
    return palette.color(QPalette::Window).lightness() >= palette.color(QPalette::WindowText).lightness();
#endif
}

} // namespace DesktopTheme
