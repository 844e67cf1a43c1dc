#include "desktop/ThemeManager.h"

#include "desktop/DesktopTheme.h"
#include "desktop/ImageExt.h"
#include "resources/Resources.h"
#include "platform/SettingsStore.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmap>

#include <functional>
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

// Tinted icons by what they were tinted from: a tree of ten thousand clocks
// shows the same two button icons on every row, and tinting each anew was
// most of the time it took to build. Icons share their pixels, so a copy
// costs nothing. Bounded, as recolourIcon's keys come from callers' icons.
constexpr int maxCachedIcons = 512;

QIcon cachedTint(const QString &key, const std::function<QIcon()> &make)
{
    static QHash<QString, QIcon> cache;
    const QString themed = QString::number(int(currentTheme())) + QLatin1Char('|') + key;
    const auto found = cache.constFind(themed);
    if (found != cache.constEnd())
        return *found;
    if (cache.size() >= maxCachedIcons)
        cache.clear();
    const QIcon icon = make();
    cache.insert(themed, icon);
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

namespace {

// The colours of each theme by role; the sheet names roles as @role@.
struct PaletteEntry {
    const char *role;
    const char *dark;
    const char *light;
};
constexpr PaletteEntry palette[] = {
    {"window", "#212121", "#DBDBDB"},       {"base", "#282828", "#F0F0F0"},
    {"alternate", "#2E2E2E", "#E8E8E8"},    {"hover", "#333333", "#E3E3E3"},
    {"border", "#444444", "#C0C0C0"},       {"handle", "#5A5A5A", "#B5B5B5"},
    {"handleHover", "#7A7A7A", "#909090"},  {"toastPressed", "#888888", "#A0A0A0"},
    {"disabledText", "#9E9E9E", "#757575"}, {"warning", "#FDD835", "#FF6F00"},
    {"text", "#FEFEFE", "#212121"},         {"critical", "#FF5252", "#D50000"},
};

} // namespace

QString styleSheet(Theme theme)
{
    if (theme != Theme::Dark && theme != Theme::Light)
        return QString();
    Resources::ensureLoaded();
    QFile file(QStringLiteral(":/theme/resources/themes/theme.css"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString sheet = QString::fromUtf8(file.readAll());
    for (const PaletteEntry &entry : palette) {
        sheet.replace(QLatin1Char('@') + QLatin1String(entry.role) + QLatin1Char('@'),
                      QLatin1String(theme == Theme::Dark ? entry.dark : entry.light));
    }
    return sheet;
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
    return cachedTint(QString::number(kind) + QLatin1Char('|') + path, [&] {
        Resources::ensureLoaded();
        const QPixmap source(path);
        return source.isNull() ? QIcon() : tintedIcon(source, kind);
    });
}

QIcon recolourIcon(const QIcon &icon, int kind, QSize size)
{
    if (icon.isNull())
        return QIcon();
    const QString key = QStringLiteral("%1|%2|%3x%4").arg(icon.cacheKey()).arg(kind).arg(size.width()).arg(size.height());
    return cachedTint(key, [&] {
        QSize actual = icon.availableSizes().isEmpty() ? size : icon.availableSizes().constLast();
        const QPixmap source = icon.pixmap(actual);
        // An icon naming a missing file is not null but has no pixels.
        return source.isNull() ? QIcon() : tintedIcon(source, kind);
    });
}

void resetForTest()
{
    g_theme.reset();
}

} // namespace ThemeManager
