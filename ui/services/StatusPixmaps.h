#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

#include <array>

// The status icons of the device table: good, warning and critical, each
// tinted with the theme's colour for it. One set in the page services; the
// window rebuilds it from its style sheet's colours for each theme.
class StatusPixmaps
{
public:
    static constexpr int count = 3;

    // selectedText: the colour of text on a selected row, which the icons
    // take there (green or yellow on the selection colour would vanish).
    void rebuild(const QColor &good, const QColor &warning, const QColor &critical,
                 const QColor &selectedText = QColor());
    // A null pixmap for a severity outside 0..2, so no caller can read past
    // the three icons.
    QPixmap pixmap(int severity) const;
    // The pixmap, and its selected-row variant as the icon's Selected mode.
    QIcon icon(int severity) const;

private:
    std::array<QPixmap, count> m_pixmaps;
    std::array<QPixmap, count> m_selectedPixmaps;
};
