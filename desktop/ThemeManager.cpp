#include "ThemeManager.h"

#include "DesktopTheme.h"
#include "ImageExt.h"
#include "Resources.h"
#include "SettingsStore.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

#include <optional>

namespace ThemeManager {

namespace {

const QString keyTheme = QStringLiteral("Common/theme");

std::optional<Theme> g_theme;

Theme desktopTheme()
{
    return DesktopTheme::prefersLight() ? Theme::Light : Theme::Dark;
}

Theme initialTheme()
{
    const auto store = SettingsStore::open();
    const QStringList keys = store->allKeys();
    for (const QString &key : keys) {
        if (key.compare(keyTheme, Qt::CaseInsensitive) == 0)
            return Theme(store->value(key).toInt());
    }
    return desktopTheme();
}

// The pixmap in the theme's colour, with its grey disabled variant.
QIcon tintedIcon(const QPixmap &source, int kind)
{
    QIcon icon(recolouredPixmap(source, iconColour(kind)));
    icon.addPixmap(recolouredPixmap(source, iconDisabledColour), QIcon::Disabled);
    return icon;
}

} // namespace

Theme currentTheme()
{
    if (!g_theme)
        g_theme = initialTheme();
    return *g_theme;
}

bool setCurrentTheme(Theme theme)
{
    if (theme == currentTheme())
        return false;
    g_theme = theme;
    storeCurrentTheme();
    return true;
}

void storeCurrentTheme()
{
    SettingsStore::open()->setValue(keyTheme, int(currentTheme()));
}

QString styleSheetResource(Theme theme)
{
    switch (theme) {
    case Theme::Dark:
        return QStringLiteral(":/theme/resources/themes/dark.css");
    case Theme::Light:
        return QStringLiteral(":/theme/resources/themes/light.css");
    default:
        return QString();
    }
}

QString styleSheet(Theme theme)
{
    Resources::ensureLoaded();
    const QString resource = styleSheetResource(theme);
    if (resource.isEmpty())
        return QString();
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QColor iconColour(int kind)
{
    const bool dark = currentTheme() == Theme::Dark;
    const bool inverted = kind == 1 || kind == 2;
    return dark != inverted ? iconLightColour : iconDarkColour;
}

QPixmap recolouredPixmap(const QPixmap &pixmap, const QColor &colour)
{
    ImageExt image(pixmap.toImage());
    image.colourise(colour);
    QPixmap result(pixmap.size());
    result.setDevicePixelRatio(pixmap.devicePixelRatio());
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawImage(0, 0, image);
    return result;
}

QIcon themedIcon(const QString &path, int kind)
{
    Resources::ensureLoaded();
    const QPixmap source(path);
    if (source.isNull())
        return QIcon();
    return tintedIcon(source, kind);
}

QIcon recolourIcon(const QIcon &icon, int kind, QSize size)
{
    if (icon.isNull())
        return QIcon();
    QSize actual = icon.availableSizes().isEmpty() ? size : icon.availableSizes().constLast();
    const QPixmap source = icon.pixmap(actual);
    // An icon naming a missing file is not null but has no pixels.
    if (source.isNull())
        return QIcon();
    return tintedIcon(source, kind);
}

void resetForTest()
{
    g_theme.reset();
}

} // namespace ThemeManager
