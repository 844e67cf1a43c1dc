#include "ui/services/StatusPixmaps.h"

#include "desktop/ThemeManager.h"

namespace {

const char *const iconPaths[StatusPixmaps::count] = {
    ":/icons/resources/icons/success.png",
    ":/icons/resources/icons/warning.png",
    ":/icons/resources/icons/critical.png",
};

} // namespace

void StatusPixmaps::rebuild(const QColor &good, const QColor &warning, const QColor &critical,
                            const QColor &selectedText)
{
    const QColor colours[count] = {good, warning, critical};
    for (int i = 0; i < count; ++i) {
        const QPixmap icon(QString::fromLatin1(iconPaths[i]));
        // Before a style sheet gave the colours, the icon keeps its own.
        m_pixmaps[std::size_t(i)] = colours[i].isValid() ? ThemeManager::recolouredPixmap(icon, colours[i]) : icon;
        m_selectedPixmaps[std::size_t(i)] =
            selectedText.isValid() ? ThemeManager::recolouredPixmap(icon, selectedText) : QPixmap();
    }
}

QPixmap StatusPixmaps::pixmap(int severity) const
{
    if (severity < 0 || severity >= count)
        return QPixmap();
    return m_pixmaps[std::size_t(severity)];
}

QIcon StatusPixmaps::icon(int severity) const
{
    QIcon icon(pixmap(severity));
    if (!icon.isNull() && !m_selectedPixmaps[std::size_t(severity)].isNull())
        icon.addPixmap(m_selectedPixmaps[std::size_t(severity)], QIcon::Selected);
    return icon;
}
